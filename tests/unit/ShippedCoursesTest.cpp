// Every shipped course must stand long play: the demo and games with random keys run for a
// long time without a car ever leaving the course or meeting a dead end.
#include "rules/GameRules.h"
#include "rules/HeadlessHost.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

#include <random>

namespace {
struct LongRun {
    std::string course;
    uint32_t clock;
    bool game;
};

class ShippedCourse : public ::testing::TestWithParam<LongRun> {};
} // namespace

TEST_P(ShippedCourse, PlaysAHundredThousandTicks)
{
    const LongRun run = GetParam();
    brv::SetClock([clock = run.clock] { return clock; });
    HeadlessHost host;
    TGameRules rules(host);
    rules.MapName = std::string(BREVANTO_ASSETS_DIR) + "/" + run.course;
    rules.Map = std::make_unique<TMap>(96, 160, 60, false);
    rules.LoadCourse();
    rules.StartPlay();
    std::mt19937 keys(run.clock);
    int32_t mostDotsEaten = 0;
    for (int tick = 1; tick <= 100000 && !host.Closed; ++tick) {
        if (run.game) {
            if (rules.Demo)
                rules.NewGame(); // keep playing: a game over starts the next game
            switch (keys() % 16) {
            case 0: rules.KeyDirection(static_cast<int32_t>(keys() % 4) * 2); break;
            case 1: if (keys() % 8 == 0) rules.KeyToggleDoubleSpeed(); break;
            case 2: if (keys() % 32 == 0) rules.KeyToggleStop(); break;
            default: break;
            }
        }
        rules.Timer1Timer();
        mostDotsEaten = std::max(mostDotsEaten, rules.Map->DotsEaten);
    }
    EXPECT_FALSE(host.Closed) << run.course << " clock " << run.clock;
    EXPECT_GT(mostDotsEaten, 10) << "the player's car really drives";
    brv::SetClock({});
    TickDepth = 0;
}

INSTANTIATE_TEST_SUITE_P(
    LongPlay, ShippedCourse,
    ::testing::Values(LongRun{"COURSE1.DAT", 0, false}, LongRun{"COURSE1.DAT", 31415926, false},
                      LongRun{"COURSE1.DAT", 86399999, false}, LongRun{"COURSE1.DAT", 7, true},
                      LongRun{"COURSE1.DAT", 4242, true}, LongRun{"COURSE2.DAT", 0, false},
                      LongRun{"COURSE2.DAT", 27182818, false}, LongRun{"COURSE2.DAT", 7, true},
                      LongRun{"COURSE2.DAT", 4242, true}),
    [](const ::testing::TestParamInfo<LongRun>& info) {
        return info.param.course.substr(0, 7) + (info.param.game ? "Game" : "Demo") +
               std::to_string(info.param.clock);
    });
