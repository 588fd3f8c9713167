// SPDX-License-Identifier: GPL-3.0-or-later
// Running and paused, demo and game: the pause command and its three indicators, the reactions
// to deactivation, minimising and restoring, the keyboard, and the hints.
#include "support/RunningGame.h"

#include "ui/FieldView.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace testing_ui;

namespace {

// Pause1's check mark, sbPause's down state and the status text agree with the clock.
void VerifyIndicators(TBrevantoForm& form, bool running, const char* status)
{
    QCOMPARE(form.TimerRunning(), running);
    QCOMPARE(form.Pause1->isChecked(), !running);
    QCOMPARE(form.sbPause->isChecked(), !running);
    QCOMPARE(form.StatusPanels[0]->text(), QString::fromLatin1(status));
}

} // namespace

class PlayStateTest : public QObject {
    Q_OBJECT

private slots:

    void ctrlPTogglesTheClockWithItsThreeIndicators()
    {
        RunningGame game;
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        QTest::keyClick(&form, Qt::Key_P, Qt::ControlModifier);
        VerifyIndicators(form, false, StatusPaused);
        QTest::keyClick(&form, Qt::Key_P, Qt::ControlModifier);
        VerifyIndicators(form, true, StatusDemo);

        form.New1Click();
        QTest::keyClick(&form, Qt::Key_P, Qt::ControlModifier);
        VerifyIndicators(form, false, StatusPaused);
        QTest::keyClick(&form, Qt::Key_P, Qt::ControlModifier);
        VerifyIndicators(form, true, StatusPlaying);
    }

    void pauseButtonStaysDownWhilePaused()
    {
        RunningGame game;
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        form.sbPause->click();
        VerifyIndicators(form, false, StatusPaused);
        form.Pause1->trigger();
        VerifyIndicators(form, true, StatusDemo);
        form.sbPause->click();
        form.sbPause->click();
        VerifyIndicators(form, true, StatusDemo);
    }

    void switchingAwayPausesAGameButNotTheDemo()
    {
        RunningGame game;
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        emit qApp->applicationStateChanged(Qt::ApplicationInactive);
        VerifyIndicators(form, true, StatusDemo);

        form.New1Click();
        emit qApp->applicationStateChanged(Qt::ApplicationInactive);
        VerifyIndicators(form, false, StatusPaused);
        // Coming back never resumes a game by itself.
        emit qApp->applicationStateChanged(Qt::ApplicationActive);
        VerifyIndicators(form, false, StatusPaused);
    }

    void minimisingStopsBothRestoringResumesOnlyTheDemo()
    {
        RunningGame game;
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        form.showMinimized();
        RunningGame::Settle();
        VerifyIndicators(form, false, StatusPaused);
        form.showNormal();
        RunningGame::Settle();
        VerifyIndicators(form, true, StatusDemo);

        form.New1Click();
        form.showMinimized();
        RunningGame::Settle();
        VerifyIndicators(form, false, StatusPaused);
        form.showNormal();
        RunningGame::Settle();
        VerifyIndicators(form, false, StatusPaused);
    }

    void keysDoNothingInTheDemo()
    {
        RunningGame game;
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        form.SetRunning(false);
        TMyCar& car = *form.Rules.MyCar;
        car.WantDirection = 2;
        car.SpeedMode = 0;
        for (Qt::Key key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Down, Qt::Key_Z, Qt::Key_X})
            QTest::keyClick(&form, key);
        QTest::keyClick(&form, Qt::Key_8, Qt::KeypadModifier);
        QCOMPARE(car.WantDirection, 2);
        QCOMPARE(car.SpeedMode, 0);
    }

    void arrowsAndKeypadSteerAlsoWhilePaused_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<int>("direction");
        QTest::newRow("left") << int(Qt::Key_Left) << false << 6;
        QTest::newRow("up") << int(Qt::Key_Up) << false << 0;
        QTest::newRow("right") << int(Qt::Key_Right) << false << 2;
        QTest::newRow("down") << int(Qt::Key_Down) << false << 4;
        QTest::newRow("keypad 8") << int(Qt::Key_8) << true << 0;
        QTest::newRow("keypad 6") << int(Qt::Key_6) << true << 2;
        QTest::newRow("keypad 2") << int(Qt::Key_2) << true << 4;
        QTest::newRow("keypad 4") << int(Qt::Key_4) << true << 6;
    }
    void arrowsAndKeypadSteerAlsoWhilePaused()
    {
        QFETCH(int, key);
        QFETCH(bool, keypad);
        QFETCH(int, direction);
        RunningGame game;
        QVERIFY(game.StartPausedGame());
        TBrevantoForm& form = *game.Form;
        form.Rules.MyCar->WantDirection = -1;
        QTest::keyClick(&form, Qt::Key(key), keypad ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(form.Rules.MyCar->WantDirection, direction);
        // Digits of the main keyboard are no steering keys.
        form.Rules.MyCar->WantDirection = -1;
        QTest::keyClick(&form, Qt::Key_8);
        QCOMPARE(form.Rules.MyCar->WantDirection, -1);
    }

    void menuKeyboardNavigationTakesTheKeysUntilTheMenuCloses()
    {
        RunningGame game;
        QVERIFY(game.StartPausedGame());
        TBrevantoForm& form = *game.Form;
        TMyCar& car = *form.Rules.MyCar;
        QMenuBar& bar = *form.menuBar();

        // Alt pressed and released: the menu bar navigates with the arrows.
        car.WantDirection = -1;
        QTest::keyClick(&form, Qt::Key_Alt);
        QVERIFY(bar.hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_8, Qt::KeypadModifier);
        QCOMPARE(car.WantDirection, -1);
        QVERIFY(bar.activeAction());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!bar.activeAction());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QCOMPARE(car.WantDirection, 6);

        // An open menu takes the arrows too; closing it gives them back to the car.
        car.WantDirection = -1;
        form.File1->popup(form.mapToGlobal(QPoint(0, 0)));
        QTRY_VERIFY(QApplication::activePopupWidget() == form.File1);
        QTest::keyClick(form.File1, Qt::Key_Down);
        QTest::keyClick(&form, Qt::Key_Up);
        QCOMPARE(car.WantDirection, -1);
        form.File1->close();
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QTest::keyClick(&form, Qt::Key_Up);
        QCOMPARE(car.WantDirection, 0);
    }

    void statusPanelZeroKeepsItsWidthForALongText()
    {
        RunningGame game;
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        form.SetRunning(false);
        RunningGame::Settle();
        QLabel& status = *form.StatusPanels[0];
        const QRect hint = form.StatusPanels[1]->geometry();
        QCOMPARE(status.width(), 60);
        form.SetStatusText("A status text far longer than its panel");
        RunningGame::Settle();
        QCOMPARE(status.width(), 60);
        QCOMPARE(form.StatusPanels[1]->geometry(), hint);
        QVERIFY(hint.left() >= status.geometry().right());
        QCOMPARE(status.text(), QStringLiteral("A status text far longer than its panel"));
    }

    void zAndXSwitchTheSpeedModes()
    {
        RunningGame game;
        QVERIFY(game.StartPausedGame());
        TBrevantoForm& form = *game.Form;
        TMyCar& car = *form.Rules.MyCar;
        QCOMPARE(car.SpeedMode, 0);
        QTest::keyClick(&form, 'x');
        QCOMPARE(car.SpeedMode, 2);
        QTest::keyClick(&form, 'X', Qt::ShiftModifier);
        QCOMPARE(car.SpeedMode, 0);
        QTest::keyClick(&form, 'x');
        QTest::keyClick(&form, 'z');
        QCOMPARE(car.SpeedMode, 1);
        QTest::keyClick(&form, 'Z', Qt::ShiftModifier);
        QCOMPARE(car.SpeedMode, 0);
        // With Ctrl the letters are no game keys.
        QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(car.SpeedMode, 0);
    }

    void newWhilePausedLeavesTheClockStopped()
    {
        RunningGame game;
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        form.SetRunning(false);
        form.New1Click();
        QVERIFY(!form.Rules.Demo);
        QVERIFY(!form.TimerRunning());
        QVERIFY(form.Pause1->isChecked());
        QCOMPARE(form.StatusPanels[0]->text(), QString::fromLatin1(StatusPlaying));
        QCOMPARE(form.Rules.StartWait, 60);
        QCOMPARE(form.Rules.MyCar->Score, 0);
    }

    void hintsShowTheirLongPartInPanelOne()
    {
        RunningGame game;
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        const QString statusBefore = form.StatusPanels[0]->text();
        form.New1->showStatusText(form.menuBar());
        QCOMPARE(form.StatusPanels[1]->text(), QStringLiteral("Start a new game"));
        QStatusTipEvent exitTip(form.SpeedButton4->statusTip());
        QApplication::sendEvent(form.SpeedButton4, &exitTip);
        QCOMPARE(form.StatusPanels[1]->text(), QStringLiteral("Exit"));
        QStatusTipEvent twoBars(QStringLiteral("a|b|c"));
        QApplication::sendEvent(form.PaintBox1, &twoBars);
        QCOMPARE(form.StatusPanels[1]->text(), QStringLiteral("b|c"));
        QStatusTipEvent left(QString{});
        QApplication::sendEvent(form.SpeedButton1, &left);
        QCOMPARE(form.StatusPanels[1]->text(), QString());
        QCOMPARE(form.StatusPanels[0]->text(), statusBefore);
    }
};

QTEST_MAIN(PlayStateTest)
#include "PlayStateTest.moc"
