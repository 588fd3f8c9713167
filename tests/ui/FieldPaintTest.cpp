// SPDX-License-Identifier: GPL-3.0-or-later
// Painting the field: full renders only when asked for, the tick's car draws on the kept image,
// and only their rectangles reach the screen.
#include "support/RunningGame.h"

#include "ui/FieldView.h"
#include "platform/Canvas.h"

#include <QPaintEvent>
#include <QTimer>
#include <QtTest>

using namespace testing_ui;

namespace {

// Collects the regions the paint box is painted with.
class PaintSpy : public QObject {
public:
    QRegion Painted;
    int Paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            Painted += static_cast<QPaintEvent*>(event)->region();
            ++Paints;
        }
        return false;
    }
};

} // namespace

class FieldPaintTest : public QObject {
    Q_OBJECT

private slots:

    void ticksDrawTheCarsWithoutRenderingTheField()
    {
        RunningGame game;
        // The player's car alone on a ring without dots: nothing ever restarts play.
        game.Files.Write("COURSE.DAT", RingCourse(10, 8, 0, false));
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        form.SetRunning(false);
        RunningGame::Settle();
        const int renders = form.FullRenders;
        QVERIFY(renders >= 1);
        const QImage before = form.FieldImage.copy();

        PaintSpy spy;
        form.PaintBox1->installEventFilter(&spy);
        for (int tick = 0; tick < 8; ++tick)
            form.Timer1Timer();
        RunningGame::Settle();
        form.PaintBox1->removeEventFilter(&spy);

        QCOMPARE(form.FullRenders, renders);
        QVERIFY(form.FieldImage != before);
        QVERIFY(spy.Paints >= 1);
        // Only the neighbourhood of the moving car was painted, not the whole box.
        const QRect painted = spy.Painted.boundingRect();
        QVERIFY2(painted.width() < 160 && painted.height() <= 2 * TestTileSize,
                 qPrintable(QStringLiteral("%1x%2").arg(painted.width()).arg(painted.height())));
        QVERIFY(painted.intersects(QRect(0, 7 * TestTileSize, 160, TestTileSize)));
    }

    void aRestartRendersTheWholeFieldOnce()
    {
        RunningGame game;
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        form.SetRunning(false);
        RunningGame::Settle();
        const int renders = form.FullRenders;
        form.New1Click();
        RunningGame::Settle();
        QCOMPARE(form.FullRenders, renders + 1);
        RunningGame::Settle();
        QCOMPARE(form.FullRenders, renders + 1);
    }

    void aScoreRedrawUsesTheGroundColourBehindTheDigits()
    {
        RunningGame game;
        game.Files.WriteSettings("GroundColor=0,0,255\n");
        QVERIFY(game.Start(false));
        TBrevantoForm& form = *game.Form;
        QCOMPARE(form.FieldCanvas()->FillColor(), 0xFF0000u);
        // Text drawn straight onto the kept image gets the ground colour as its background.
        form.FieldCanvas()->TextOut(20, 20, "8");
        QCOMPARE(form.FieldImage.pixelColor(20, 20), QColor(0, 0, 255));
    }
};

QTEST_MAIN(FieldPaintTest)
#include "FieldPaintTest.moc"
