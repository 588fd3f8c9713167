// SPDX-License-Identifier: GPL-3.0-or-later
// Ending the program: the fatal course error during play, and the settings stored at close.
#include "support/RunningGame.h"

#include <QAction>
#include <QDir>
#include <QTimer>
#include <QtTest>

using namespace testing_ui;

class ShutdownTest : public QObject {
    Q_OBJECT

private slots:

    void aCarLeavingTheCourseShowsTheErrorAndClosesTheWindow()
    {
        RunningGame game;
        game.Files.Write("COURSE.DAT", OpenEndedCourse());
        game.Files.WriteSettings("Interval=10\n");
        bool runningDuringBox = true;
        bool pausedShownDuringBox = false;
        game.Seam.WhileOpen = [&] {
            runningDuringBox = game.Form->TimerRunning();
            pausedShownDuringBox = game.Form->Pause1->isChecked();
        };
        QVERIFY(game.Start());
        QTRY_COMPARE_WITH_TIMEOUT(game.Seam.CountOf(QStringLiteral("error")), 1, 10000);
        QCOMPARE(game.Seam.Boxes[0].Text, QString::fromLatin1(ErrorOffCourse));
        QCOMPARE(game.Seam.Boxes[0].Caption, QStringLiteral("Brevanto"));
        QVERIFY(!runningDuringBox);
        QVERIFY(pausedShownDuringBox);
        QVERIFY(!game.Form->isVisible());
        QVERIFY(!game.Form->Rules.Map);
        QVERIFY(!game.Form->TimerRunning());
        // Closing went through shut-down, which stored the settings.
        QVERIFY(game.Files.Read("BREVANTO.INI").find("Position=") != std::string::npos);
        RunningGame::Settle();
        QCOMPARE(game.Seam.Boxes.size(), size_t{1});
    }

    void closingStoresTheHiScoreAndThePosition()
    {
        RunningGame game;
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        form.Rules.HiScore = 1230;
        form.move(321, 234);
        RunningGame::Settle();
        form.Exit1->trigger();
        QVERIFY(!form.isVisible());
        QVERIFY(!form.TimerRunning());
        QVERIFY(!form.Rules.MyCar);
        QVERIFY(form.Rules.Cars.empty());
        const std::string settings = game.Files.Read("BREVANTO.INI");
        QVERIFY2(settings.find("HiScore=1230") != std::string::npos, settings.c_str());
        QVERIFY2(settings.find("Position=321,234") != std::string::npos, settings.c_str());
        QVERIFY2(settings.find("MapName=COURSE.DAT") != std::string::npos, settings.c_str());
        QVERIFY(game.Seam.Boxes.empty());
        // Shut-down runs once: destroying the closed window writes nothing more.
        game.Files.Write("BREVANTO.INI", "");
        game.Form.reset();
        QCOMPARE(game.Files.Read("BREVANTO.INI"), std::string());
    }

    void hiddenBarsAndTheIntervalAreStored()
    {
        RunningGame game;
        game.Files.WriteSettings("Interval=5\n");
        QVERIFY(game.Start());
        game.Form->Panel1->hide();
        game.Form->close();
        const std::string settings = game.Files.Read("BREVANTO.INI");
        QVERIFY2(settings.find("ToolBar=0") != std::string::npos, settings.c_str());
        QVERIFY2(settings.find("StatusBar=") == std::string::npos, settings.c_str());
        QVERIFY2(settings.find("Interval=5") != std::string::npos, settings.c_str());
    }

    void aRefusedSettingsWriteIsShownAndTheProgramStillEnds()
    {
        RunningGame game;
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        form.Rules.HiScore = 50;
        // The settings file turns into a directory: it can no longer be replaced. Nor can the
        // per-user folder be made, since a file stands where it would be.
        const QString settingsPath = QString::fromStdString(game.Files.Path("BREVANTO.INI"));
        QVERIFY(QFile::remove(settingsPath));
        QVERIFY(QDir().mkdir(settingsPath));
        game.Files.Write("config", "a file where the per-user folder would be");
        form.close();
        QCOMPARE(game.Seam.CountOf(QStringLiteral("error")), 1);
        const QString perUserPath = QString::fromStdString(game.Files.Path("config/BREVANTO.INI"));
        QVERIFY2(game.Seam.Boxes[0].Text.contains(perUserPath), qPrintable(game.Seam.Boxes[0].Text));
        QVERIFY(!form.isVisible());
        QVERIFY(!form.Rules.Map);
    }
};

QTEST_MAIN(ShutdownTest)
#include "ShutdownTest.moc"
