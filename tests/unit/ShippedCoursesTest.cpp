// SPDX-License-Identifier: GPL-3.0-or-later
// Every shipped course must stand long play: the demo and games with random keys run for a
// long time without a car ever leaving the course or meeting a dead end.
#include "TestFiles.h"

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

TEST(ShippedCourses, AreTheTwoClassicsAndEightMore)
{
    const std::vector<std::string> courses = ShippedCourseFiles();
    EXPECT_GE(courses.size(), 10u);
    EXPECT_NE(std::find(courses.begin(), courses.end(), "COURSE1.DAT"), courses.end());
    EXPECT_NE(std::find(courses.begin(), courses.end(), "COURSE2.DAT"), courses.end());
}

TEST_P(ShippedCourse, PlaysAHundredThousandTicks)
{
    const LongRun run = GetParam();
    brv::SetClock([clock = run.clock] { return clock; });
    HeadlessHost host;
    TGameRules rules;
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
        host.Tick(rules);
        mostDotsEaten = std::max(mostDotsEaten, rules.Map->DotsEaten);
    }
    EXPECT_FALSE(host.Closed) << run.course << " clock " << run.clock;
    EXPECT_GT(mostDotsEaten, 10) << "the player's car really drives";
    brv::SetClock({});
}

// Every shipped course, two demos and two games each.
std::vector<LongRun> LongRuns()
{
    std::vector<LongRun> runs;
    for (const std::string& course : ShippedCourseFiles())
        for (const LongRun& run : {LongRun{course, 0, false}, LongRun{course, 27182818, false},
                                  LongRun{course, 7, true}, LongRun{course, 4242, true}})
            runs.push_back(run);
    return runs;
}

INSTANTIATE_TEST_SUITE_P(
    LongPlay, ShippedCourse, ::testing::ValuesIn(LongRuns()),
    [](const ::testing::TestParamInfo<LongRun>& info) {
        const std::string& course = info.param.course;
        return course.substr(0, course.find('.')) + (info.param.game ? "Game" : "Demo") +
               std::to_string(info.param.clock);
    });
