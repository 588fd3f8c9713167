// SPDX-License-Identifier: GPL-3.0-or-later
// The course example of README.md is a course that loads and plays exactly as printed.
#include "TestFiles.h"

#include "rules/GameRules.h"
#include "rules/HeadlessHost.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The first "```ini" block after the README's course-file heading, without its fences.
std::string CourseExample()
{
    const std::string readme = ReadBytes(std::string(BREVANTO_ASSETS_DIR) + "/../README.md");
    const size_t heading = readme.find("### Course files");
    const size_t fence = readme.find("```ini\n", heading);
    if (heading == std::string::npos || fence == std::string::npos)
        return {};
    const size_t begin = fence + 7;
    const size_t end = readme.find("```", begin);
    return end == std::string::npos ? std::string() : readme.substr(begin, end - begin);
}

} // namespace

TEST(ReadmeCourseExample, LoadsAsPrintedAndPlays)
{
    const std::string example = CourseExample();
    ASSERT_FALSE(example.empty()) << "no course example in README.md";
    TempDir dir;
    TMap map(96, 160, 60, false);
    ASSERT_NO_THROW(map.LoadFromFile(dir.Write("EXAMPLE.DAT", example)));
    EXPECT_EQ(map.MapWidth, 10);
    EXPECT_EQ(map.MapHeight, 11);
    EXPECT_EQ(map.StartNumber, 3);
    EXPECT_EQ(map.BlockCount, 4);
    EXPECT_EQ(map.ScreenWidth, 16 * 24);
    EXPECT_EQ(map.DotTotal, 10 * 11 - 6 * 7);
    EXPECT_EQ(map.StartKinds, "PPR");

    // The demo drives it for a while without a car leaving the course.
    brv::SetClock([] { return 2024u; });
    HeadlessHost host;
    TGameRules rules;
    rules.MapName = dir.File("EXAMPLE.DAT");
    rules.Map = std::make_unique<TMap>(96, 160, 60, false);
    rules.LoadCourse();
    rules.StartPlay();
    int32_t mostDotsEaten = 0;
    for (int tick = 0; tick < 20000 && !host.Closed; ++tick) {
        host.Tick(rules);
        mostDotsEaten = std::max(mostDotsEaten, rules.Map->DotsEaten);
    }
    EXPECT_FALSE(host.Closed);
    EXPECT_GT(mostDotsEaten, 5);
    brv::SetClock({});
}
