// SPDX-License-Identifier: GPL-3.0-or-later
// Replays: what recording adds to a tick of play, how fast a replay verifies, and how large
// the file of a three-stage game is.
#include "BenchSupport.h"

#include "config/model/HiScoreBook.h"
#include "replay/ReplayFile.h"
#include "replay/ReplayRecorder.h"
#include "replay/ReplayVerify.h"

#include <random>

namespace {

// A key now and then, as a player presses them: about one every twelve ticks.
void PressAKeyNowAndThen(TGameRules& rules, std::mt19937& random)
{
    const uint32_t roll = random() % 120;
    if (roll < 8)
        rules.KeyDirection(static_cast<int32_t>(roll % 4) * 2);
    else if (roll < 10)
        rules.KeyToggleDoubleSpeed();
}

// The game mode of the benchmark game: every computer car in play, lives that never run out.
struct PlayedGame : BenchGame {
    PlayedGame()
    {
        rules.NewGame();
        rules.MyCar->Rest = 1 << 30;
        rules.MyCar->Stage = rules.Map->CarCount();
        rules.PlaceCars();
    }
};

// A game of COURSE1 with a key now and then, from New to its end, recorded: the game ends with
// its first crash after `ticks` ticks (a first round counts the crashes before, which set the
// lives of the second). Clearing a stage of COURSE1 takes its 208 dots at six ticks a cell, at
// least 1 250 ticks: 6 000 ticks are a game of about three stages, 12 000 ten minutes at 50 ms.
Replay GameOfAtLeast(uint32_t ticks)
{
    int32_t lives = 1 << 20;
    for (int round = 0; round < 2; ++round) {
        BenchGame game;
        std::mt19937 random(3);
        game.rules.MaxCar = lives;
        game.rules.NewGame();
        ReplayRecorder recorder;
        const std::string course = game.rules.MapName;
        recorder.Start(game.rules, course, CourseKeyOf(course).ContentHash, 0);
        for (uint32_t tick = 0; game.host.GamesOver.empty(); ++tick) {
            if (round == 0 && tick >= ticks)
                break;
            PressAKeyNowAndThen(game.rules, random);
            recorder.BeforeTick(game.rules);
            game.host.Tick(game.rules);
            recorder.AfterTick(game.rules);
        }
        if (round == 0) {
            lives = lives - game.rules.MyCar->Rest + 1;
            continue;
        }
        const EndedGame end = game.host.GamesOver.at(0);
        return recorder.Finish(end.Score, end.Stage).value();
    }
    return {};
}

} // namespace

static void GameTickWithKeys(benchmark::State& state)
{
    PlayedGame game;
    std::mt19937 random(1);
    for (auto _ : state) {
        PressAKeyNowAndThen(game.rules, random);
        game.Tick();
    }
}
BENCHMARK(GameTickWithKeys);

static void GameTickWithKeysRecorded(benchmark::State& state)
{
    PlayedGame game;
    std::mt19937 random(1);
    ReplayRecorder recorder;
    recorder.Start(game.rules, game.rules.MapName, 0, 0);
    for (auto _ : state) {
        PressAKeyNowAndThen(game.rules, random);
        recorder.BeforeTick(game.rules);
        game.Tick();
        recorder.AfterTick(game.rules);
        if (!recorder.Recording()) // the event cap: start afresh, as the next game would
            recorder.Start(game.rules, game.rules.MapName, 0, 0);
    }
}
BENCHMARK(GameTickWithKeysRecorded);

// The whole verification of a game: course read and hashed, rules started, every tick played.
static void VerifyGame(benchmark::State& state)
{
    const Replay replay = GameOfAtLeast(static_cast<uint32_t>(state.range(0)));
    const std::string course = AssetPath("COURSE1.DAT");
    bool matched = true;
    for (auto _ : state)
        matched = VerifyReplay(replay, course).Outcome->Matches(replay) && matched;
    if (!matched)
        state.SkipWithError("the replay did not verify");
    state.counters["ticks"] = replay.Ticks;
    state.counters["ticks_per_second"] = benchmark::Counter(
        static_cast<double>(replay.Ticks) * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate);
    state.counters["file_bytes"] = static_cast<double>(ReplayText(replay).size());
    state.counters["events"] = static_cast<double>(replay.Events.size());
}
BENCHMARK(VerifyGame)->Arg(6000)->Arg(12000)->Unit(benchmark::kMillisecond);

BREVANTO_BENCHMARK_MAIN();
