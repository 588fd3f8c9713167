// SPDX-License-Identifier: GPL-3.0-or-later
// The View menu: the field at a whole-number zoom shows exactly the actual-size picture with
// every pixel repeated, on every drawing path; the window fits the zoomed field within the
// screen; full screen centres the field on the ground colour and gives the window back as it
// was; Zoom and FullScreen are kept in the settings file.
#include "support/RunningGame.h"
#include "game/ui/ViewControl.h"
#include "support/ScreenPixels.h"

#include "ui/FieldView.h"

#include <QAction>
#include <QMenuBar>
#include <QPaintEvent>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QPainter>
#include <QtTest>

using namespace testing_ui;

namespace {

// Collects the regions the paint box is painted with.
class PaintSpy : public QObject {
public:
    QRegion Painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            Painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

QSize FieldSize(const TBrevantoForm& form)
{
    return {form.Rules.Map->ScreenWidth, form.Rules.Map->ScreenHeight};
}

void ZoomTo(TBrevantoForm& form, int zoom)
{
    form.View->ActualSize1Click();
    RunningGame::Settle();
    for (int k = 1; k < zoom; ++k) {
        form.View->ZoomIn1Click();
        RunningGame::Settle();
    }
}

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

#define COMPARE_PIXELS(shown, expected)                                                        \
    do {                                                                                       \
        const QString difference = FirstDifference((shown), (expected));                      \
        QVERIFY2(difference.isEmpty(), qPrintable(difference));                                \
    } while (false)

} // namespace

class ViewZoomTest : public QObject {
    Q_OBJECT

private slots:

    void everyDrawingPathShowsThePixelsRepeated_data()
    {
        QTest::addColumn<int>("zoom");
        QTest::newRow("zoom 2") << 2;
        QTest::newRow("zoom 3") << 3;
    }
    void everyDrawingPathShowsThePixelsRepeated()
    {
        QFETCH(int, zoom);
        RunningGame game;
        // The player's car alone, eating dots: car draws and score redraws, never a restart.
        game.Files.Write("COURSE.DAT", RingCourse(10, 8, 0));
        game.Files.WriteSettings("ToolBar=0\n");
        QVERIFY(game.StartPausedGame());
        TBrevantoForm& form = *game.Form;
        form.Rules.StartWait = 0;
        ZoomTo(form, zoom);

        // A full repaint.
        QCOMPARE(form.PaintBox1->Zoom(), zoom);
        QCOMPARE(form.FieldImage.size(), FieldSize(form));
        COMPARE_PIXELS(PaintBoxOnScreen(form), Repeated(form.FieldImage, zoom));

        // A run of ticks: only the changed rectangles, zoomed, reach the screen.
        const int renders = form.FullRenders;
        const int32_t score = form.Rules.MyCar->Score;
        PaintSpy spy;
        form.PaintBox1->installEventFilter(&spy);
        for (int tick = 0; tick < 30; ++tick) {
            form.Timer1Timer();
            RunningGame::Settle();
        }
        form.PaintBox1->removeEventFilter(&spy);
        QCOMPARE(form.FullRenders, renders);
        QVERIFY(form.Rules.MyCar->Score > score);
        const QRect painted = spy.Painted.boundingRect();
        QVERIFY2(painted.height() <= 2 * TestTileSize * zoom + 2 * zoom &&
                     !spy.Painted.contains(form.PaintBox1->rect().center()),
                 qPrintable(QStringLiteral("painted %1x%2").arg(painted.width()).arg(painted.height())));
        COMPARE_PIXELS(PaintBoxOnScreen(form), Repeated(form.FieldImage, zoom));

        // A hi-score reset writes its digits straight onto the field.
        form.Rules.Map->DrawScore(*form.FieldCanvas(), 0, true);
        RunningGame::Settle();
        // Exposes of odd rectangles that cut through zoomed pixels.
        form.PaintBox1->repaint(QRect(5, 7, 13, 11));
        form.PaintBox1->repaint(QRect(zoom * 40 + 1, zoom * 30 - 1, 3 * zoom + 1, 2));
        RunningGame::Settle();
        QCOMPARE(form.FullRenders, renders);
        COMPARE_PIXELS(PaintBoxOnScreen(form), Repeated(form.FieldImage, zoom));
    }

    void theWindowFitsTheZoomedField()
    {
        RunningGame game;
        game.Files.Write("COURSE.DAT", RingCourse(10, 8, 0));
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        const QSize field = FieldSize(form);
        QCOMPARE(form.PaintBox1->size(), field);
        const QSize around = form.size() - field;

        for (int zoom = 2; zoom <= 3; ++zoom) {
            form.View->ZoomIn1Click();
            RunningGame::Settle();
            QCOMPARE(form.PaintBox1->Zoom(), zoom);
            QCOMPARE(form.PaintBox1->size(), field * zoom);
            QCOMPARE(form.size(), field * zoom + around);
        }
        form.View->ZoomOut1Click();
        RunningGame::Settle();
        QCOMPARE(form.PaintBox1->size(), field * 2);
        form.View->ActualSize1Click();
        RunningGame::Settle();
        QCOMPARE(form.PaintBox1->Zoom(), 1);
        QCOMPARE(form.size(), field + around);
        form.View->ZoomOut1Click();
        RunningGame::Settle();
        QCOMPARE(form.PaintBox1->Zoom(), 1);
        // Keys pressed faster than the window repaints each count.
        form.View->ZoomIn1Click();
        form.View->ZoomIn1Click();
        RunningGame::Settle();
        QCOMPARE(form.PaintBox1->Zoom(), 3);
        form.View->ActualSize1Click();
        RunningGame::Settle();

        // Hiding a bar at zoom 2 refits the window around the same zoomed field.
        form.View->ZoomIn1Click();
        RunningGame::Settle();
        form.View->ShowBars(false, true);
        form.InvalidateField();
        RunningGame::Settle();
        QCOMPARE(form.PaintBox1->size(), field * 2);
    }

    void zoomStopsWhereTheScreenEnds()
    {
        RunningGame game;
        game.Files.Write("COURSE.DAT", RingCourse(10, 8, 0));
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        const QSize available = form.screen()->availableGeometry().size();
        for (int step = 0; step < 2 * FieldView::MaxZoom; ++step) {
            form.View->ZoomIn1Click();
            RunningGame::Settle();
        }
        const int zoom = form.PaintBox1->Zoom();
        QVERIFY(zoom > 1);
        // The window fits, and one more step of the field would not.
        const QSize frame = form.frameGeometry().size();
        QVERIFY(frame.width() <= available.width() && frame.height() <= available.height());
        const QSize larger = frame + FieldSize(form);
        QVERIFY(larger.width() > available.width() || larger.height() > available.height());
        QCOMPARE(form.View->MaxWindowZoom(), zoom);
    }

    void zoomCommandsAreOfferedWhereTheyAct()
    {
        RunningGame game;
        game.Files.Write("COURSE.DAT", RingCourse(10, 8, 0));
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        ViewControl& view = *form.View;
        const auto offered = [&] {
            return QString("%1%2%3").arg(view.ZoomIn1->isEnabled()).arg(view.ZoomOut1->isEnabled())
                .arg(view.ActualSize1->isEnabled());
        };
        // In, out, actual size.
        QCOMPARE(offered(), QStringLiteral("100"));
        view.ZoomIn1Click();
        RunningGame::Settle();
        QCOMPARE(offered(), QStringLiteral("111"));
        const int largest = view.MaxWindowZoom();
        QVERIFY(largest > 2);
        ZoomTo(form, largest);
        QCOMPARE(form.PaintBox1->Zoom(), largest);
        QCOMPARE(offered(), QStringLiteral("011"));
        view.ZoomOut1Click();
        RunningGame::Settle();
        QCOMPARE(offered(), QStringLiteral("111"));
        view.ActualSize1Click();
        RunningGame::Settle();
        QCOMPARE(offered(), QStringLiteral("100"));

        // A window the player made larger at zoom 1 can be fitted back around the field.
        const QSize fitted = form.size();
        form.resize(fitted + QSize(90, 70));
        RunningGame::Settle();
        QCOMPARE(offered(), QStringLiteral("101"));
        QTest::keyClick(&form, Qt::Key_0, Qt::ControlModifier);
        RunningGame::Settle();
        QCOMPARE(form.size(), fitted);
        QCOMPARE(offered(), QStringLiteral("100"));

        // Full screen chooses its own zoom: none of the three is offered, and all come back.
        QTest::keyClick(&form, Qt::Key_F11);
        RunningGame::Settle();
        QCOMPARE(offered(), QStringLiteral("000"));
        QTest::keyClick(&form, Qt::Key_Escape);
        RunningGame::Settle();
        QCOMPARE(offered(), QStringLiteral("100"));
    }

    void aResizedWindowCentresTheFieldAndNeverCutsItOff()
    {
        RunningGame game;
        game.Files.Write("COURSE.DAT", RingCourse(10, 8, 0));
        game.Files.WriteSettings("Zoom=2\n");
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        const QSize field = FieldSize(form) * 2;
        const QSize fitted = form.size();
        QCOMPARE(form.PaintBox1->size(), field);

        form.resize(fitted + QSize(100, 60));
        RunningGame::Settle();
        QCOMPARE(form.PaintBox1->Zoom(), 2);
        QCOMPARE(form.PaintBox1->ImageArea(), QRect(QPoint(50, 30), field));

        // Smaller than the field: the window stops at the field's size.
        form.resize(fitted - QSize(40, 30));
        RunningGame::Settle();
        QCOMPARE(form.size(), fitted);
        QCOMPARE(form.PaintBox1->ImageArea(), QRect(QPoint(0, 0), field));

        // Zooming out lets the window become smaller again.
        form.View->ZoomOut1Click();
        RunningGame::Settle();
        form.resize(QSize(1, 1));
        RunningGame::Settle();
        QVERIFY(form.height() < fitted.height());
        QVERIFY(QRect(QPoint(0, 0), form.PaintBox1->size())
                    .contains(form.PaintBox1->ImageArea()));
        QCOMPARE(form.PaintBox1->ImageArea().size(), FieldSize(form));
    }

    void aFieldLargerThanHalfTheScreenStaysAtActualSize()
    {
        RunningGame game;
        const QSize available = QGuiApplication::primaryScreen()->availableGeometry().size();
        const int columns = available.width() / TestTileSize * 2 / 3;
        const int rows = available.height() / TestTileSize * 2 / 3;
        game.Files.Write("COURSE.DAT", RingCourse(columns, rows, 0));
        // A zoom chosen on a larger screen is kept for the next one, shown as far as it fits.
        game.Files.WriteSettings("Zoom=3\n");
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        QCOMPARE(form.PaintBox1->Zoom(), 1);
        QCOMPARE(form.PaintBox1->size(), FieldSize(form));
        const QSize before = form.size();
        form.View->ZoomIn1Click();
        RunningGame::Settle();
        QCOMPARE(form.PaintBox1->Zoom(), 1);
        QCOMPARE(form.size(), before);

        // Full screen centres it at actual size: the field's own pixels, not a shifted copy.
        QTest::keyClick(&form, Qt::Key_F11);
        RunningGame::Settle();
        QCOMPARE(form.PaintBox1->Zoom(), 1);
        const QRect area = form.PaintBox1->ImageArea();
        QVERIFY(!area.topLeft().isNull());
        form.SetRunning(false);
        // The pause said over the field is checked elsewhere: here the field's own pixels count.
        form.PaintBox1->SetOverlay({});
        RunningGame::Settle();
        COMPARE_PIXELS(PaintBoxOnScreen(form).copy(area), Repeated(form.FieldImage, 1));
        QTest::keyClick(&form, Qt::Key_Escape);
        RunningGame::Settle();
        form.FormDestroy();
        const std::string settings = game.Files.Read("BREVANTO.INI");
        QVERIFY(Contains(settings, "Zoom=3\n"));
    }

    void fullScreenCentresTheFieldAndGivesTheWindowBack()
    {
        RunningGame game;
        game.Files.Write("COURSE.DAT", RingCourse(10, 8, 0));
        game.Files.WriteSettings("GroundColor=0,128,255\nZoom=2\n");
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        QCOMPARE(form.PaintBox1->Zoom(), 2);
        const QSize windowed = form.size();
        QVERIFY(form.TimerRunning());

        QTest::keyClick(&form, Qt::Key_F11);
        RunningGame::Settle();
        QVERIFY(form.Options.FullScreen);
        QVERIFY(form.windowState() & Qt::WindowFullScreen);
        QVERIFY(form.View->FullScreen1->isChecked());
        QVERIFY(form.Panel1->isHidden());
        QVERIFY(form.StatusBar1->isHidden());
        QVERIFY(!form.menuBar()->isHidden());
        QVERIFY(form.TimerRunning());
        QVERIFY(!form.View->ZoomIn1->isEnabled());

        // The largest whole zoom that fits, centred, the margins in the ground colour.
        const QSize box = form.PaintBox1->size();
        const QSize field = FieldSize(form);
        const int zoom = form.PaintBox1->Zoom();
        QVERIFY(zoom >= 2);
        QVERIFY(field.width() * zoom <= box.width() && field.height() * zoom <= box.height());
        QVERIFY(field.width() * (zoom + 1) > box.width() || field.height() * (zoom + 1) > box.height());
        const QRect area = form.PaintBox1->ImageArea();
        QCOMPARE(area.size(), field * zoom);
        QVERIFY(qAbs(area.left() - (box.width() - area.right() - 1)) <= 1);
        QVERIFY(qAbs(area.top() - (box.height() - area.bottom() - 1)) <= 1);
        QVERIFY(area.left() > 0 || area.top() > 0);
        // Box points map back to the image pixel under them, also left of and above the image.
        const FieldView& view = *form.PaintBox1;
        QCOMPARE(view.ImagePoint(area.topLeft() + QPoint(3 * zoom + zoom - 1, 2 * zoom)), QPoint(3, 2));
        QCOMPARE(view.ImagePoint(area.topLeft() - QPoint(1, zoom + 1)), QPoint(-1, -2));
        QCOMPARE(view.BoxRect(QRect(3, 2, 4, 1)),
                 QRect(area.topLeft() + QPoint(3, 2) * zoom, QSize(4, 1) * zoom));
        form.SetRunning(false);
        RunningGame::Settle();
        const QImage shown = PaintBoxOnScreen(form);
        const QColor ground(0, 128, 255);
        for (const QPoint corner : {QPoint(0, 0), QPoint(box.width() - 1, box.height() - 1),
                                    QPoint(area.left() - 1, area.center().y()),
                                    QPoint(area.center().x(), area.top() - 1)}) {
            if (form.PaintBox1->rect().contains(corner) && !area.contains(corner))
                QCOMPARE(shown.pixelColor(corner), ground);
        }
        // The pause is said over the field, since the status bar is hidden; the field shows
        // around it.
        QCOMPARE(form.PaintBox1->Overlay().Title, QStringLiteral("Paused"));
        const QRect message = form.PaintBox1->OverlayRect().translated(-area.topLeft());
        QImage shownField = shown.copy(area);
        QImage expectedField = Repeated(form.FieldImage, zoom);
        for (QImage* image : {&shownField, &expectedField}) {
            QPainter painter(image);
            painter.fillRect(message, Qt::black);
        }
        COMPARE_PIXELS(shownField, expectedField);

        // Escape gives back the window with its bars and its zoom; the clock stays as it was.
        QTest::keyClick(&form, Qt::Key_Escape);
        RunningGame::Settle();
        QVERIFY(!form.Options.FullScreen);
        QVERIFY(!(form.windowState() & Qt::WindowFullScreen));
        QVERIFY(!form.Panel1->isHidden());
        QVERIFY(!form.StatusBar1->isHidden());
        QVERIFY(!form.TimerRunning());
        QCOMPARE(form.PaintBox1->Zoom(), 2);
        QCOMPARE(form.size(), windowed);
        // In the window Escape does nothing.
        QTest::keyClick(&form, Qt::Key_Escape);
        RunningGame::Settle();
        QVERIFY(!form.Options.FullScreen);
    }

    void settingsKeepZoomAndFullScreenOnlyWhenChanged()
    {
        {
            RunningGame game;
            QVERIFY(game.Start());
            game.Form->FormDestroy();
            const std::string settings = game.Files.Read("BREVANTO.INI");
            QVERIFY(!Contains(settings, "Zoom="));
            QVERIFY(!Contains(settings, "FullScreen="));
        }
        {
            RunningGame game;
            QVERIFY(game.Start());
            game.Form->View->ZoomIn1Click();
            RunningGame::Settle();
            game.Form->FormDestroy();
            const std::string settings = game.Files.Read("BREVANTO.INI");
            QVERIFY(Contains(settings, "Zoom=2\n"));
            QVERIFY(!Contains(settings, "FullScreen="));
        }
        {
            // Ending in full screen keeps it, but not its hidden bars nor its window place.
            RunningGame game;
            game.Files.WriteSettings("Position=40,30\n");
            QVERIFY(game.Start());
            const QPoint place = game.Form->pos();
            game.Form->View->FullScreen1Click();
            RunningGame::Settle();
            QVERIFY(game.Form->pos() != place);
            game.Form->FormDestroy();
            const std::string settings = game.Files.Read("BREVANTO.INI");
            QVERIFY(Contains(settings, "FullScreen=1\n"));
            QVERIFY(!Contains(settings, "ToolBar="));
            QVERIFY(!Contains(settings, "StatusBar="));
            QVERIFY(Contains(settings, QStringLiteral("Position=%1,%2\n")
                                           .arg(place.x()).arg(place.y()).toStdString()));
        }
        {
            // Starting in full screen; leaving it shows the bars the file asks for.
            RunningGame game;
            game.Files.WriteSettings("FullScreen=1\nStatusBar=0\n");
            QVERIFY(game.Start());
            TBrevantoForm& form = *game.Form;
            QVERIFY(form.windowState() & Qt::WindowFullScreen);
            QVERIFY(form.Panel1->isHidden());
            QVERIFY(form.PaintBox1->FitToBox());
            form.View->FullScreen1Click();
            RunningGame::Settle();
            QVERIFY(!form.Panel1->isHidden());
            QVERIFY(form.StatusBar1->isHidden());
            QCOMPARE(form.PaintBox1->size(), FieldSize(form));
            form.FormDestroy();
            const std::string settings = game.Files.Read("BREVANTO.INI");
            QVERIFY(Contains(settings, "FullScreen=0\n"));
            QVERIFY(Contains(settings, "StatusBar=0\n"));
        }
    }

    void barsChosenInFullScreenAppearWhenItEnds()
    {
        RunningGame game;
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        form.View->SetFullScreen(true);
        RunningGame::Settle();
        QVERIFY(form.View->ToolBarWanted());
        form.View->ShowBars(false, true);
        QVERIFY(form.Panel1->isHidden());
        QVERIFY(form.StatusBar1->isHidden());
        form.View->SetFullScreen(false);
        RunningGame::Settle();
        QVERIFY(form.Panel1->isHidden());
        QVERIFY(!form.StatusBar1->isHidden());
    }

    void theViewMenuSitsBetweenFileAndOption()
    {
        RunningGame game;
        QVERIFY(game.Start(false));
        TBrevantoForm& form = *game.Form;
        const QList<QAction*> menus = form.menuBar()->actions();
        QCOMPARE(menus.size(), 4);
        QCOMPARE(menus[0], form.File1->menuAction());
        QCOMPARE(menus[1], form.View->View1->menuAction());
        QCOMPARE(menus[2], form.Option1->menuAction());
        // The test language lacks the View texts: the English ones stand in.
        QCOMPARE(form.View->View1->title(), QStringLiteral("&View"));
        QCOMPARE(form.View->ZoomIn1->text(), QStringLiteral("Zoom &In"));
        QVERIFY(form.View->ZoomIn1->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Equal)));
        QCOMPARE(form.View->FullScreen1->shortcut(), QKeySequence(Qt::Key_F11));
    }
};

QTEST_MAIN(ViewZoomTest)
#include "ViewZoomTest.moc"
