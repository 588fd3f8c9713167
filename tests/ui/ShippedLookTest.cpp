// SPDX-License-Identifier: GPL-3.0-or-later
// The look the game ships with: started on the shipped settings, sheets and courses under a dark
// desktop theme, every coloured caption on the rendered field must stay readable against the
// ground behind it (a contrast ratio of at least 3:1).
#include "support/RunningGame.h"

#include "../../tools/assets/Contrast.h"

#include "platform/Canvas.h"

#include <QApplication>
#include <QFile>
#include <QPalette>
#include <QtTest>

#include <map>

using namespace testing_ui;

namespace {

constexpr double MinCaptionContrast = 3.0;

QByteArray ShippedFile(const char* name)
{
    QFile file(QStringLiteral(BREVANTO_ASSETS_DIR "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QPalette DarkTheme()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x2A, 0x2A, 0x2E));
    dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x3A));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::ButtonText, Qt::white);
    return dark;
}

// The colour that covers most of the rectangle: the box the caption is written on.
QRgb MostCommonColour(const QImage& image, const QRect& area)
{
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y) | 0xFF000000];
    QRgb best = 0;
    int most = 0;
    for (const auto& [colour, count] : counts)
        if (count > most)
            std::tie(best, most) = std::tie(colour, count);
    return best;
}

int CountColour(const QImage& image, const QRect& area, QRgb colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += (image.pixel(x, y) | 0xFF000000) == (colour | 0xFF000000) ? 1 : 0;
    return count;
}

} // namespace

class ShippedLookTest : public QObject {
    Q_OBJECT

private slots:

    void colouredCaptionsReadOnTheShippedGroundUnderADarkTheme_data()
    {
        QTest::addColumn<QString>("course");
        QTest::newRow("course 1") << QStringLiteral("COURSE1.DAT");
        QTest::newRow("course 2") << QStringLiteral("COURSE2.DAT");
    }
    void colouredCaptionsReadOnTheShippedGroundUnderADarkTheme()
    {
        QFETCH(QString, course);
        const QPalette before = QApplication::palette();
        QApplication::setPalette(DarkTheme());

        RunningGame game;
        for (const char* name : {"GROUND.BMP", "MYCAR.BMP", "LANGUAGE.INI", "COURSE1.DAT", "COURSE2.DAT"})
            game.Files.Write(name, ShippedFile(name).toStdString());
        // The shipped settings as they are, pointed at the course under test.
        QByteArray settings = ShippedFile("BREVANTO.INI");
        QVERIFY(settings.contains("MapName=COURSE1.DAT"));
        settings.replace("MapName=COURSE1.DAT", "MapName=" + course.toLatin1());
        game.Files.Write("BREVANTO.INI", settings.toStdString());

        const bool started = game.Start(false);
        QApplication::setPalette(before);
        QVERIFY(started);
        const TBrevantoForm& form = *game.Form;
        const TMap& map = *form.Rules.Map;
        const QImage& field = form.FieldImage;
        QVERIFY(!field.isNull());

        struct Caption {
            const char* name;
            TPoint pos;
            uint32_t bgr;
        };
        // Blue, green and red, in the game's blue-green-red notation.
        const Caption captions[] = {
            {"SCORE", map.ScorePos, 0xFF0000},    {"score", map.PointPos, 0xFF0000},
            {"HI SCORE", map.HiScorePos, 0x008000}, {"hi-score", map.HiPointPos, 0x008000},
            {"REST", map.RestPos, 0x0000FF},      {"rest", map.RestPlayPos, 0x0000FF},
        };
        int measured = 0;
        for (const Caption& caption : captions) {
            const QRect box = QRect(caption.pos.X * map.TileSize, caption.pos.Y * map.TileSize,
                                    3 * map.TileSize, map.TileSize)
                                  .intersected(field.rect());
            if (box.isEmpty())
                continue; // a caption the course leaves out
            const QRgb text = brv::ColorFromBgr(caption.bgr).rgb();
            QVERIFY2(CountColour(field, box, text) > 0, caption.name);
            const QRgb ground = MostCommonColour(field, box);
            QVERIFY2(ground != QColor(0x35, 0x35, 0x3A).rgb(), "the ground follows the files, not the theme");
            const double ratio = assets::contrastRatio(text, ground);
            QVERIFY2(ratio >= MinCaptionContrast,
                     qPrintable(QStringLiteral("%1 on #%2: %3:1")
                                    .arg(QLatin1String(caption.name))
                                    .arg(ground & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                                    .arg(ratio, 0, 'f', 2)));
            ++measured;
        }
        QCOMPARE(measured, 6);
    }

    void contrastRatioFollowsTheUsualFormula()
    {
        // The formula's fixed points and the figures the dark road was measured at.
        QCOMPARE(assets::contrastRatio(qRgb(0, 0, 0), qRgb(255, 255, 255)), 21.0);
        QCOMPARE(assets::contrastRatio(qRgb(90, 90, 90), qRgb(90, 90, 90)), 1.0);
        QVERIFY(qAbs(assets::contrastRatio(qRgb(0, 0, 255), qRgb(255, 255, 255)) - 8.59) < 0.01);
        QVERIFY(qAbs(assets::contrastRatio(qRgb(255, 0, 0), qRgb(0x2B, 0x2D, 0x33)) - 3.44) < 0.01);
    }
};

QTEST_MAIN(ShippedLookTest)
#include "ShippedLookTest.moc"
