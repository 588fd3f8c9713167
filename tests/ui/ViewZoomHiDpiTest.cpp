// SPDX-License-Identifier: GPL-3.0-or-later
// On a screen of two device pixels per pixel the zoom counts device-independent pixels: at
// zoom 1 every field pixel is a sharp 2 x 2 square, at zoom 2 a 4 x 4 one.
#include "support/RunningGame.h"
#include "game/ui/ViewControl.h"
#include "support/ScreenPixels.h"

#include "ui/FieldView.h"

#include <QApplication>
#include <QtTest>

using namespace testing_ui;

class ViewZoomHiDpiTest : public QObject {
    Q_OBJECT

private slots:

    void fieldPixelsCoverWholeDevicePixels()
    {
        RunningGame game;
        // Small enough for zoom 2 on the halved screen.
        game.Files.Write("COURSE.DAT", RingCourse(6, 5, 0));
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        QCOMPARE(form.devicePixelRatioF(), 2.0);
        form.New1Click();
        form.SetRunning(false);
        form.Rules.StartWait = 0;
        const QSize field(form.Rules.Map->ScreenWidth, form.Rules.Map->ScreenHeight);

        for (int zoom = 1; zoom <= 2; ++zoom) {
            if (zoom == 2) {
                form.View->ZoomIn1Click();
                RunningGame::Settle();
            }
            QCOMPARE(form.PaintBox1->Zoom(), zoom);
            QCOMPARE(form.PaintBox1->size(), field * zoom);
            for (int tick = 0; tick < 12; ++tick) {
                form.Timer1Timer();
                RunningGame::Settle();
            }
            // The offscreen platform keeps no high-density backing store to look at: paint the
            // box afresh.
            const QImage expected = Repeated(form.FieldImage, 2 * zoom);
            const QImage whole = form.PaintBox1->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const QString difference = FirstDifference(whole, expected);
            QVERIFY2(difference.isEmpty(), qPrintable(difference));

        }
    }
};

int main(int argc, char* argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    ViewZoomHiDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ViewZoomHiDpiTest.moc"
