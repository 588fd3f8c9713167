// SPDX-License-Identifier: GPL-3.0-or-later
// Replays in the window: a game played there is kept and verifies to its score without a
// window; a hi-score entry links it and its Watch button shows the same game on rules of its
// own, leaving settings, tables and the game put aside as they were; files that cannot be
// shown are refused with a message.
#include "support/RunningGame.h"

#include "config/model/HiScoreBook.h"
#include "platform/IniFile.h"
#include "game/ui/HallOfFame.h"
#include "game/ui/ReplayDesk.h"
#include "game/ui/HiScoreNameDialog.h"
#include "game/ui/HiScoresDialog.h"
#include "replay/ReplayFolder.h"
#include "replay/ReplayVerify.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <filesystem>

using namespace testing_ui;

namespace {

struct ReplayGame : RunningGame {
    ReplayGame()
    {
        // The computer car goes round the ring the other way: it meets the player's car.
        std::string course = RingCourse(10, 8, 1);
        course.replace(course.find("Pos1=9,1,6"), 10, "Pos1=9,1,2");
        Files.Write("COURSE.DAT", course);
        Files.WriteSettings("MaxCar=3\nHiScore=5\n");
        DataDir = Files.Path("data") + "/";
    }
    std::string Folder() const { return ReplayFolderOf(DataDir); }
    std::vector<std::string> Kept() const
    {
        std::vector<std::string> names;
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(Folder(), error))
            names.push_back(entry.path().filename().string());
        return names;
    }

    // A game from New to its end, with a key now and then and the speed changed in the middle
    // as the settings dialog would: the player car's cell after each tick.
    std::vector<std::pair<int32_t, int32_t>> PlayGame()
    {
        TBrevantoForm& form = *Form;
        form.New1Click();
        form.SetRunning(false); // the test runs the ticks
        std::vector<std::pair<int32_t, int32_t>> cells;
        const KeyAction keys[] = {KeyAction::Up, KeyAction::DoubleSpeed, KeyAction::Left,
                                  KeyAction::Stop, KeyAction::Stop, KeyAction::DoubleSpeed};
        for (int tick = 0; tick < 50000 && !form.Rules.Demo; ++tick) {
            if (tick % 23 == 5)
                form.DoKeyAction(keys[(tick / 23) % 6]);
            if (tick == 150)
                form.Rules.MoveSpeed = 2;
            form.Timer1Timer();
            cells.emplace_back(form.Rules.MyCar->Position.X, form.Rules.MyCar->Position.Y);
        }
        return cells;
    }
};

} // namespace

class ReplaysTest : public QObject {
    Q_OBJECT

private slots:

    void aGamePlayedInTheWindowIsKeptLinkedAndVerifies()
    {
        ReplayGame game;
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        // The demo is never recorded.
        for (int tick = 0; tick < 200; ++tick)
            form.Timer1Timer();
        QVERIFY(game.Kept().empty());

        game.Seam.DialogAnswer = [](QDialog& dialog) {
            if (auto* name = qobject_cast<HiScoreNameDialog*>(&dialog)) {
                name->eName->setText(QStringLiteral("Ann"));
                return int(QDialog::Accepted);
            }
            return int(QDialog::Rejected);
        };
        game.PlayGame();
        QVERIFY(form.Rules.Demo);
        const int32_t score = form.Rules.MyCar->Score;
        QVERIFY(score > 0);

        const std::vector<std::string> kept = game.Kept();
        QCOMPARE(kept.size(), size_t{1});
        const ReplayReading reading = LoadReplay(game.Folder() + kept[0]);
        QVERIFY2(reading.Read, reading.Error.c_str());
        QCOMPARE(reading.Read->Score, score);
        QVERIFY(reading.Read->Events.size() > 10);
        // The speed changed in mid-game went on record as an event of its tick.
        QVERIFY(std::any_of(reading.Read->Events.begin(), reading.Read->Events.end(),
                            [](const ReplayEvent& e) { return e.What == ReplayEvent::MoveFast && e.Tick == 150; }));
        const ReplayVerification verified = VerifyReplay(*reading.Read, form.Rules.MapName);
        QVERIFY2(verified.Outcome, verified.Error.c_str());
        QVERIFY2(verified.Outcome->Matches(*reading.Read), verified.Outcome->Divergence.c_str());
        QCOMPARE(verified.Outcome->Score, score);

        // The entry the game earned links its replay.
        const HiScoreTable table = HiScoreBook(game.DataDir + HiScoreBook::FileName).TableOf(form.Fame->Course());
        QCOMPARE(table.Entries().size(), size_t{1});
        QCOMPARE(table.Entries()[0].Replay, kept[0]);

        // A game left unfinished for another New is not kept.
        form.New1Click();
        for (int tick = 0; tick < 100; ++tick)
            form.Timer1Timer();
        form.New1Click();
        form.SetRunning(false);
        QCOMPARE(game.Kept().size(), size_t{1});
    }

    void watchFromTheTableShowsTheSameGameAndChangesNothing()
    {
        ReplayGame game;
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        game.Seam.DialogAnswer = [](QDialog& dialog) {
            return int(qobject_cast<HiScoreNameDialog*>(&dialog) ? QDialog::Accepted : QDialog::Rejected);
        };
        const std::vector<std::pair<int32_t, int32_t>> played = game.PlayGame();
        const std::string scoresBefore = game.Files.Read("data/" + std::string(HiScoreBook::FileName));
        const int32_t hiScore = form.Rules.HiScore;
        const int32_t moveSpeed = form.Rules.MoveSpeed;
        const int32_t interval = form.Options.Interval;
        form.SetRunning(true);

        // Hi-Scores: the row has a Watch button, which closes the table and starts the replay.
        bool offered = false;
        game.Seam.DialogAnswer = [&](QDialog& dialog) {
            auto* table = qobject_cast<HiScoresDialog*>(&dialog);
            if (!table)
                return int(QDialog::Rejected);
            QPushButton* watch = table->WatchButton(0);
            offered = watch != nullptr && table->WatchButton(1) == nullptr;
            if (watch)
                watch->click();
            return table->result();
        };
        form.HiScores1Click();
        QVERIFY(offered);
        QVERIFY(form.Replays->Watching());
        QCOMPARE(form.StatusPanels[0]->text(), QStringLiteral("Replay"));
        QVERIFY(&form.Replays->ShownRules() != &form.Rules);

        // Speed keys change the clock, not the settings; the game keys do nothing meanwhile.
        QKeyEvent two(QEvent::KeyPress, Qt::Key_2, Qt::NoModifier, QStringLiteral("2"));
        QVERIFY(form.FormKeyDown(two));
        QCOMPARE(form.Timer1->interval(), interval / 2);
        QCOMPARE(form.Options.Interval, interval);

        std::vector<std::pair<int32_t, int32_t>> shown;
        while (form.Replays->Watching() && shown.size() <= played.size()) {
            form.Timer1Timer();
            const TMyCar& car = *form.Replays->ShownRules().MyCar;
            shown.emplace_back(car.Position.X, car.Position.Y);
        }
        QVERIFY(!form.Replays->Watching());
        QCOMPARE(shown.size(), played.size());
        // The last tick ends the showing (its cell is the window's own game again).
        shown.pop_back();
        QVERIFY(std::equal(shown.begin(), shown.end(), played.begin()));

        QCOMPARE(form.Rules.HiScore, hiScore);
        QCOMPARE(form.Rules.MoveSpeed, moveSpeed);
        QCOMPARE(form.Options.Interval, interval);
        QCOMPARE(form.Timer1->interval(), interval);
        QVERIFY(form.Rules.Demo && form.TimerRunning());
        QCOMPARE(game.Files.Read("data/" + std::string(HiScoreBook::FileName)), scoresBefore);
        QCOMPARE(game.Kept().size(), size_t{1});
    }

    void escapeStopsAndUnplayableFilesAreRefused()
    {
        ReplayGame game;
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        game.PlayGame();
        const std::string file = game.Folder() + game.Kept().at(0);

        QVERIFY(form.Replays->Watch(file));
        for (int tick = 0; tick < 20; ++tick)
            form.Timer1Timer();
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QVERIFY(form.FormKeyDown(escape));
        QVERIFY(!form.Replays->Watching());
        QCOMPARE(form.StatusPanels[0]->text(), QString::fromLatin1(StatusDemo));

        // Through File > Watch Replay...: a damaged file, then a course whose content changed.
        game.Files.Write("bad.replay", "[REPLAY]\nFormat=1\n");
        game.Seam.FileAnswer = [&](const QString&, const QString&) {
            return game.Files.Dir() + QStringLiteral("/bad.replay");
        };
        form.Replays->WatchReplay1->trigger();
        QVERIFY(!form.Replays->Watching());
        QCOMPARE(game.Seam.CountOf(QStringLiteral("error")), 1);
        QVERIFY(game.Seam.Boxes.back().Text.contains(QStringLiteral("cannot be played")));

        game.Files.Write("COURSE.DAT", RingCourse(10, 8, 1));
        QVERIFY(!form.Replays->Watch(file));
        QCOMPARE(game.Seam.CountOf(QStringLiteral("error")), 2);
        QVERIFY(game.Seam.Boxes.back().Text.contains(QStringLiteral("is not the one")));
    }

    void shippedLanguagesCarryEveryReplayText()
    {
        const std::string file = std::string(BREVANTO_ASSETS_DIR) + "/LANGUAGE.INI";
        const brv::IniFile ini(file);
        const auto replayKeys = [&ini](const char* section) {
            QStringList keys;
            for (const std::string& key : ini.ReadSection(section))
                if (key.rfind("Replay", 0) == 0 || key == "HiScoresWatch")
                    keys << QString::fromStdString(key);
            return keys;
        };
        QCOMPARE(replayKeys("ENGLISH").size(), 9);
        QCOMPARE(replayKeys("JAPANESE"), replayKeys("ENGLISH"));
    }
};

QTEST_MAIN(ReplaysTest)
#include "ReplaysTest.moc"
