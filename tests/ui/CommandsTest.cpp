// SPDX-License-Identifier: GPL-3.0-or-later
// The menu and tool-bar commands: the timer rule they share, New, Load Course in its cases,
// Control and About.
#include "support/RunningGame.h"

#include "ui/FieldView.h"
#include "game/ui/TAboutBox.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <functional>

using namespace testing_ui;

namespace {

using Command = void (TBrevantoForm::*)();

QString PathOf(const RunningGame& game, const std::string& name)
{
    return QString::fromStdString(game.Files.Path(name));
}

} // namespace

class CommandsTest : public QObject {
    Q_OBJECT

private slots:

    void dialogCommandsStopTheClockOnlyWhileOpen_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("paused");
        for (const char* command : {"Load Course", "Control", "About"}) {
            QTest::newRow(qPrintable(QStringLiteral("%1, running").arg(command)))
                << QString::fromLatin1(command) << false;
            QTest::newRow(qPrintable(QStringLiteral("%1, paused").arg(command)))
                << QString::fromLatin1(command) << true;
        }
    }
    void dialogCommandsStopTheClockOnlyWhileOpen()
    {
        QFETCH(QString, command);
        QFETCH(bool, paused);
        RunningGame game;
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        form.New1Click();
        if (paused)
            form.SetRunning(false);
        const QString status = form.StatusPanels[0]->text();

        int opened = 0;
        bool ranWhileOpen = true;
        game.Seam.WhileOpen = [&] {
            ++opened;
            ranWhileOpen = form.TimerRunning();
        };
        if (command == QLatin1String("Load Course"))
            form.SpeedButton2->click();
        else if (command == QLatin1String("Control"))
            form.Control1->trigger();
        else
            form.SpeedButton7->click();

        QCOMPARE(opened, 1);
        QVERIFY(!ranWhileOpen);
        QCOMPARE(form.TimerRunning(), !paused);
        // The indicators are not touched by the command.
        QCOMPARE(form.Pause1->isChecked(), paused);
        QCOMPARE(form.sbPause->isChecked(), paused);
        QCOMPARE(form.StatusPanels[0]->text(), status);
    }

    void settingKeepsTheClocksState()
    {
        RunningGame game;
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        form.Setting->trigger();
        QVERIFY(form.TimerRunning());
        form.SetRunning(false);
        form.SpeedButton5->click();
        QVERIFY(!form.TimerRunning());
        QVERIFY(form.Pause1->isChecked());
    }

    void newStartsAGameAfterAStartWait()
    {
        RunningGame game;
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        form.Rules.MyCar->Score = 990;
        const int rendersBefore = form.FullRenders;
        form.SpeedButton1->click();
        QVERIFY(!form.Rules.Demo);
        QVERIFY(form.TimerRunning());
        QCOMPARE(form.Rules.MyCar->Score, 0);
        QCOMPARE(form.Rules.StartWait, 60);
        QCOMPARE(form.StatusPanels[0]->text(), QString::fromLatin1(StatusPlaying));
        // The restart renders the whole field once more.
        QTRY_VERIFY(form.FullRenders > rendersBefore);
    }

    void controlShowsTheControlText()
    {
        RunningGame game;
        QVERIFY(game.Start());
        game.Form->Control1Click();
        QCOMPARE(game.Seam.Boxes.size(), size_t{1});
        QCOMPARE(game.Seam.Boxes[0].Kind, QStringLiteral("information"));
        QCOMPARE(game.Seam.Boxes[0].Caption, QStringLiteral("Brevanto"));
        QCOMPARE(game.Seam.Boxes[0].Text, QString::fromLatin1(ControlHelp));
    }

    void aboutBoxIsCentredOverTheWindowWithTruncation()
    {
        RunningGame game;
        // A low course, so that the window may become smaller than the dialog: no window is
        // made smaller than its field.
        game.Files.Write("COURSE.DAT", RingCourse(10, 5, 2));
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        // A window 127 pixels narrower and 40 pixels lower than the box: (171 - 298) / 2 is -63
        // when truncated toward zero (flooring would give -64).
        form.move(300, 200);
        const QSize frame = form.frameGeometry().size() - form.size();
        form.resize(QSize(171, 173) - frame);
        RunningGame::Settle();
        const QRect window = form.frameGeometry();
        QCOMPARE(window.width(), 171);
        QCOMPARE(window.height(), 173);
        QPoint placed;
        QString title;
        game.Seam.DialogAnswer = [&](QDialog& dialog) {
            placed = dialog.frameGeometry().topLeft();
            title = dialog.windowTitle();
            return int(QDialog::Accepted);
        };
        form.About1Click();
        QCOMPARE(title, QStringLiteral("Version Information"));
        QCOMPARE(placed, QPoint(window.left() - 63, window.top() - 20));
    }

    void aboutBoxLayout()
    {
        TAboutBox box;
        QCOMPARE(box.size(), QSize(298, 213));
        QCOMPARE(box.Panel1->geometry(), QRect(8, 8, 281, 161));
        QCOMPARE(box.ProgramIcon->geometry(), QRect(8, 8, 65, 57));
        QCOMPARE(box.ProductName->text(), QStringLiteral("Brevanto"));
        QCOMPARE(box.ProductName->pos(), QPoint(88, 16));
        QCOMPARE(box.Version->text(), QStringLiteral("Version 3.0"));
        QCOMPARE(box.Version->pos(), QPoint(88, 40));
        QCOMPARE(box.OKButton->geometry(), QRect(111, 180, 75, 25));
        QVERIFY(box.OKButton->isDefault());
        box.show();
        QTest::keyClick(&box, Qt::Key_Return);
        QCOMPARE(box.result(), int(QDialog::Accepted));
    }

    void loadCourseOffersCourseFilesStartingAtTheCurrentOne()
    {
        RunningGame game;
        QVERIFY(game.Start());
        game.Form->LoadCourse1Click();
        QCOMPARE(game.Seam.LastFilter, QStringLiteral("Course File (*.DAT *.dat)"));
        QCOMPARE(game.Seam.LastFileName, PathOf(game, "COURSE.DAT"));
        QVERIFY(game.Seam.Boxes.empty());
    }

    void theSameCourseChangesNothingButOtherLetterCaseIsAnotherCourse()
    {
        RunningGame game;
        QVERIFY(game.StartPausedGame());
        TBrevantoForm& form = *game.Form;
        const std::string mapName = form.Rules.MapName;
        --form.Rules.StartWait;
        QString answer = PathOf(game, "COURSE.DAT");
        game.Seam.FileAnswer = [&](const QString&, const QString&) { return answer; };
        form.LoadCourse1Click();
        QVERIFY(!form.Rules.Demo);
        QCOMPARE(form.Rules.StartWait, 59);
        QCOMPARE(form.Rules.MapName, mapName);
        QVERIFY(game.Seam.Boxes.empty());
        QVERIFY(!form.ResizePending);

        game.Files.Write("course.Dat", RingCourse(12, 8, 1));
        answer = PathOf(game, "course.Dat");
        form.LoadCourse1Click();
        QCOMPARE(form.Rules.MapName, game.Files.Path("course.Dat"));
        QVERIFY(form.Rules.Demo);
        QCOMPARE(form.Rules.Map->MapWidth, 12);
        QVERIFY(game.Seam.Boxes.empty());
    }

    void aCourseWithFewerCarsFreesTheSurplusAndRestartsTheDemo()
    {
        RunningGame game;
        game.Files.Write("SMALL.DAT", RingCourse(12, 6, 1));
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        form.New1Click();
        QCOMPARE(form.Rules.Cars.size(), size_t{2});
        const TCar* kept = form.Rules.Cars[0].get();
        game.Seam.FileAnswer = [&](const QString&, const QString&) {
            return PathOf(game, "SMALL.DAT");
        };
        form.LoadCourse1Click();
        QCOMPARE(form.Rules.MapName, game.Files.Path("SMALL.DAT"));
        QCOMPARE(form.Rules.Cars.size(), size_t{1});
        QCOMPARE(form.Rules.Cars[0].get(), kept);
        QVERIFY(form.Rules.Demo);
        QCOMPARE(form.Rules.StartWait, 60);
        QCOMPARE(form.StatusPanels[0]->text(), QString::fromLatin1(StatusDemo));
        QVERIFY(form.TimerRunning());
        // The next paint fits the window to the new field.
        QTRY_COMPARE(form.PaintBox1->size(), QSize(12 * TestTileSize, 6 * TestTileSize));
        QCOMPARE(form.FieldImage.size(), QSize(12 * TestTileSize, 6 * TestTileSize));
    }

    void aCourseWithMoreCarsAddsThem()
    {
        RunningGame game;
        game.Files.Write("BIG.DAT", RingCourse(10, 8, 3));
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        const TCar* first = form.Rules.Cars[0].get();
        const TCar* second = form.Rules.Cars[1].get();
        game.Seam.FileAnswer = [&](const QString&, const QString&) {
            return PathOf(game, "BIG.DAT");
        };
        form.LoadCourse1Click();
        QCOMPARE(form.Rules.Cars.size(), size_t{3});
        QCOMPARE(form.Rules.Cars[0].get(), first);
        QCOMPARE(form.Rules.Cars[1].get(), second);
    }

    void aCourseThatFailsToLoadKeepsTheOldOneAndPlayGoesOn()
    {
        RunningGame game;
        game.Files.Write("BAD.DAT", "[DEFINE]\nMapSize=0,3\n");
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        form.New1Click();
        const std::string mapName = form.Rules.MapName;
        bool ranWhileBox = true;
        game.Seam.FileAnswer = [&](const QString&, const QString&) {
            game.Seam.WhileOpen = [&] { ranWhileBox = form.TimerRunning(); };
            return PathOf(game, "BAD.DAT");
        };
        form.LoadCourse1Click();
        QCOMPARE(game.Seam.CountOf(QStringLiteral("error")), 1);
        QCOMPARE(game.Seam.Boxes.back().Text, QString::fromLatin1(ErrorBadMap));
        QVERIFY(!ranWhileBox);
        QCOMPARE(form.Rules.MapName, mapName);
        QCOMPARE(form.Rules.Map->MapWidth, 10);
        QCOMPARE(form.Rules.Cars.size(), size_t{2});
        QVERIFY(!form.Rules.Demo);
        QVERIFY(form.TimerRunning());
        QVERIFY(form.isVisible());
        QVERIFY(!form.ResizePending);
        // And the game still runs on the old course.
        form.SetRunning(false);
        form.Rules.StartWait = 0;
        const TPoint cell = form.Rules.MyCar->Position;
        const int32_t progress = form.Rules.MyCar->Progress;
        for (int tick = 0; tick < 3; ++tick)
            form.Timer1Timer();
        QVERIFY(form.Rules.MyCar->Position != cell || form.Rules.MyCar->Progress != progress);
    }

    void qtFiltersKeepEveryPattern_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("expected");
        QTest::newRow("course") << "Course File(*.DAT)|*.dat" << "Course File (*.DAT *.dat)";
        QTest::newRow("same pattern twice") << "Wave File(*.wav)|*.wav" << "Wave File (*.wav)";
        QTest::newRow("two filters") << "Text|*.txt;*.TXT|All (*.*)|*.*"
                                     << "Text (*.txt *.TXT);;All (*.*)";
        QTest::newRow("no patterns") << "Anything" << "Anything";
    }
    void qtFiltersKeepEveryPattern()
    {
        QFETCH(QString, filter);
        QFETCH(QString, expected);
        QCOMPARE(QtFileFilter(filter.toStdString()), expected);
    }
};

QTEST_MAIN(CommandsTest)
#include "CommandsTest.moc"
