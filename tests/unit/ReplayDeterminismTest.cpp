// SPDX-License-Identifier: GPL-3.0-or-later
// Replays as a promise: a game recorded through the headless host and played again from its
// file goes tick for tick through the same states and ends the same way.
#include "TestFiles.h"

#include "config/model/HiScoreBook.h"
#include "platform/Random.h"
#include "replay/ReplayFile.h"
#include "replay/ReplayPlayer.h"
#include "replay/ReplayRecorder.h"
#include "replay/ReplayVerify.h"
#include "rules/GameRules.h"
#include "rules/HeadlessHost.h"

#include <gtest/gtest.h>

#include <random>

namespace {

uint64_t Mix(uint64_t hash, int64_t value)
{
    hash ^= static_cast<uint64_t>(value);
    return hash * 0x100000001b3ull;
}

// Everything of the game that the next ticks depend on or that a player sees.
uint64_t StateHash(const TGameRules& rules)
{
    uint64_t h = 0xcbf29ce484222325ull;
    const auto car = [&h](const TCar& c) {
        for (const int64_t v : {int64_t{c.Position.X}, int64_t{c.Position.Y}, int64_t{c.Direction},
                                int64_t{c.TurnDirection}, int64_t{c.Speed}, int64_t{c.Progress},
                                int64_t{c.Lane}, int64_t{c.Block}})
            h = Mix(h, v);
    };
    const TMyCar& me = *rules.MyCar;
    car(me);
    for (const int64_t v : {int64_t{me.Score}, int64_t{me.Stage}, int64_t{me.Rest},
                            int64_t{me.WantDirection}, int64_t{me.SpeedMode}})
        h = Mix(h, v);
    for (int32_t i = 0; i < rules.ActiveCars; ++i)
        car(*rules.Cars[static_cast<size_t>(i)]);
    for (const int64_t v : {int64_t{rules.Demo}, int64_t{rules.StartWait}, int64_t{rules.ActiveCars},
                            int64_t{rules.Map->DotsEaten}, int64_t{brv::RandomSeed()}})
        h = Mix(h, v);
    return h;
}

struct Headless {
    explicit Headless(const std::string& course)
    {
        rules.MapName = course;
        rules.Map = std::make_unique<TMap>(96, 160, 60, false);
        rules.LoadCourse();
        rules.StartPlay();
        host.Running = true;
    }
    HeadlessHost host;
    TGameRules rules;
};

struct Recorded {
    Replay File;
    std::vector<uint64_t> Hashes; // after each tick
    bool Ended = false;
};

// One game with random keys and now and then a change in the settings dialog, after some
// ticks of demo, recorded.
Recorded PlayRandomGame(const std::string& course, std::mt19937& random)
{
    uint32_t clock = random();
    brv::SetClock([&clock] { return clock = clock * 69069u + 12345u; });
    Headless game(course);
    game.rules.MaxCar = 1 + static_cast<int32_t>(random() % 2);
    game.rules.TimerInterval = 30 + static_cast<int32_t>(random() % 40);
    for (uint32_t i = random() % 300; i > 0; --i)
        game.host.Tick(game.rules);
    game.rules.NewGame();

    Recorded out;
    ReplayRecorder recorder;
    recorder.Start(game.rules, course, CourseKeyOf(course).ContentHash, 1765200000);
    for (int tick = 0; tick < 6000 && game.host.GamesOver.empty(); ++tick) {
        const uint32_t roll = random() % 1000;
        if (roll < 60)
            game.rules.KeyDirection(static_cast<int32_t>(random() % 4) * 2);
        else if (roll < 66)
            game.rules.KeyToggleDoubleSpeed();
        else if (roll < 70)
            game.rules.KeyToggleStop();
        else if (roll == 70)
            game.rules.MoveSpeed = static_cast<int32_t>(random() % 4);
        else if (roll == 71)
            game.rules.TimerInterval = 20 + static_cast<int32_t>(random() % 100);
        else if (roll == 72)
            game.rules.HiScore = 0;
        recorder.BeforeTick(game.rules);
        game.host.Tick(game.rules);
        recorder.AfterTick(game.rules);
        out.Hashes.push_back(StateHash(game.rules));
    }
    if (!game.host.GamesOver.empty()) {
        out.Ended = true;
        out.File = recorder.Finish(game.host.GamesOver[0].Score, game.host.GamesOver[0].Stage).value();
    }
    brv::SetClock({});
    return out;
}

std::vector<uint64_t> ReplayHashes(const Replay& replay, const std::string& course,
                                   EndedGame& end, std::string& divergence)
{
    // The clock of the replaying run reads something else entirely: only the file counts.
    brv::SetClock([] { return 777u; });
    Headless game(course);
    std::vector<uint64_t> hashes;
    {
        ReplayPlayer player(replay, game.rules);
        player.Begin();
        while (!player.AllTicksPlayed() && game.host.GamesOver.empty()) {
            game.host.Act(player.Tick());
            hashes.push_back(StateHash(game.rules));
        }
        divergence = player.Divergence();
    }
    if (!game.host.GamesOver.empty())
        end = game.host.GamesOver[0];
    brv::SetClock({});
    return hashes;
}

} // namespace

TEST(ReplayDeterminism, RandomGamesReplayTickForTickThroughTheirFiles)
{
    std::vector<std::string> courses;
    for (const std::string& name : ShippedCourseFiles())
        courses.push_back(std::string(BREVANTO_ASSETS_DIR) + "/" + name);
    ASSERT_GE(courses.size(), 10u);
    std::mt19937 random(20261208);
    int games = 0;
    int withSettingChanges = 0;
    for (int n = 0; n < 300; ++n) {
        const std::string& course = courses[static_cast<size_t>(n) % courses.size()];
        const Recorded recorded = PlayRandomGame(course, random);
        if (!recorded.Ended)
            continue;
        ++games;
        const Replay& replay = recorded.File;
        ASSERT_EQ(replay.Ticks, recorded.Hashes.size());
        for (const ReplayEvent& event : replay.Events)
            withSettingChanges += event.What >= ReplayEvent::MoveFast ? 1 : 0;

        // Through its text, as a file would carry it.
        const ReplayReading reading = ReadReplay(ReplayText(replay));
        ASSERT_TRUE(reading.Read) << reading.Error;
        ASSERT_EQ(*reading.Read, replay) << "game " << n;

        EndedGame end{-1, -1};
        std::string divergence;
        const std::vector<uint64_t> hashes = ReplayHashes(*reading.Read, course, end, divergence);
        ASSERT_EQ(divergence, "") << "game " << n;
        ASSERT_EQ(hashes, recorded.Hashes) << "game " << n << " on " << course;
        EXPECT_EQ(end.Score, replay.Score);
        EXPECT_EQ(end.Stage, replay.Stage);
    }
    // The random keys end most games; the checks above must have met many, settings among them.
    EXPECT_GT(games, 200);
    EXPECT_GT(withSettingChanges, 20);
}

TEST(ReplayDeterminism, VerifyAcceptsTheClaimAndCatchesEditedOnes)
{
    const std::string course = std::string(BREVANTO_ASSETS_DIR) + "/COURSE1.DAT";
    std::mt19937 random(7);
    Recorded recorded;
    while (!recorded.Ended || recorded.File.Score == 0)
        recorded = PlayRandomGame(course, random);
    Replay replay = recorded.File;

    ReplayVerification verified = VerifyReplay(replay, course);
    ASSERT_TRUE(verified.Outcome) << verified.Error;
    EXPECT_TRUE(verified.Outcome->Matches(replay));
    EXPECT_EQ(verified.Outcome->Score, replay.Score);

    Replay claimsMore = replay;
    claimsMore.Score += 10;
    EXPECT_FALSE(VerifyReplay(claimsMore, course).Outcome->Matches(claimsMore));

    // A claim of fewer ticks: the game has not ended by then.
    Replay shorter = replay;
    shorter.Ticks -= 1;
    const ReplayOutcome cut = *VerifyReplay(shorter, course).Outcome;
    EXPECT_FALSE(cut.Ended);
    EXPECT_FALSE(cut.Matches(shorter));

    // Without its clock readings the game seeds where the replay says nothing: a divergence.
    Replay unseeded = replay;
    std::erase_if(unseeded.Events, [](const ReplayEvent& e) { return e.What == ReplayEvent::Clock; });
    ASSERT_LT(unseeded.Events.size(), replay.Events.size());
    const ReplayOutcome diverged = *VerifyReplay(unseeded, course).Outcome;
    EXPECT_NE(diverged.Divergence.find("no clock reading"), std::string::npos) << diverged.Divergence;
    EXPECT_FALSE(diverged.Matches(unseeded));

    // A course with other bytes is refused before any tick.
    TempDir dir;
    const std::string edited = dir.Write("COURSE1.DAT", ReadBytes(course) + "\n; edited\n");
    const ReplayVerification other = VerifyReplay(replay, edited);
    EXPECT_FALSE(other.Outcome);
    EXPECT_NE(other.Error.find("another course"), std::string::npos) << other.Error;
}

TEST(ReplayDeterminism, AReplayFindsTheFileThatStillHoldsItsCourse)
{
    TempDir recordedDir, programDir;
    const std::string original = ReadBytes(std::string(BREVANTO_ASSETS_DIR) + "/COURSE1.DAT");
    Replay replay;
    replay.CoursePath = recordedDir.Write("COURSE1.DAT", original);
    replay.CourseHash = CourseKeyOf(replay.CoursePath).ContentHash;
    const std::string program = programDir.Path().string() + "/";
    const std::string shipped = programDir.Write("COURSE1.DAT", original);
    // Unchanged where it was recorded: that file, though the program's folder has one too.
    EXPECT_EQ(ReplayCourseFile(replay, program), replay.CoursePath);
    // Edited since: the program's course of that name, which still holds the recorded bytes.
    recordedDir.Write("COURSE1.DAT", original + "\n; edited\n");
    EXPECT_EQ(ReplayCourseFile(replay, program), shipped);
    // Neither holds it: the path as recorded, which the refusal then names.
    programDir.Write("COURSE1.DAT", original + "\n; edited as well\n");
    EXPECT_EQ(ReplayCourseFile(replay, program), replay.CoursePath);
}
