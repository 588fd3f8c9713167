// SPDX-License-Identifier: GPL-3.0-or-later
// The course checker: one small course per fault it knows, each found with its code and cell;
// courses where a flood fill over open sides and the cars' real motion disagree; the shipped
// courses clean.
#include "TestFiles.h"

#include "check/CourseCheck.h"
#include "platform/Random.h"
#include "rules/GameRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>

namespace {
struct Course {
    std::vector<std::string> tiles;
    std::vector<std::string> dots;   // empty: no dots at all
    std::vector<std::string> starts; // "x,y,dir,lane,side,kind" per entry
    std::string extra = "";          // further sections ([BLOCK], [DISPLAY]) and DEFINE keys
    std::string screen = "";         // ScreenSize value
};

// A course text; without a DISPLAY section the captions go in a strip below the map, where
// they trouble nothing.
std::string Text(const Course& c)
{
    std::string map, dots;
    for (size_t i = 0; i < c.tiles.size(); ++i) {
        map += std::to_string(i + 1) + "=" + c.tiles[i] + "\n";
        dots += std::to_string(i + 1) + "=" +
                (c.dots.empty() ? std::string(c.tiles[i].size(), '.') : c.dots[i]) + "\n";
    }
    const int width = static_cast<int>(c.tiles[0].size());
    const int height = static_cast<int>(c.tiles.size());
    std::string define = "MapSize=" + std::to_string(width) + "," + std::to_string(height) +
                         "\nStartNumber=" + std::to_string(c.starts.size()) + "\nScreenSize=" +
                         (c.screen.empty() ? "30," + std::to_string(height + 8) : c.screen);
    std::string start;
    for (size_t i = 0; i < c.starts.size(); ++i)
        start += "Pos" + std::to_string(i) + "=" + c.starts[i] + "\n";
    std::string extra = c.extra;
    if (extra.find("[DISPLAY]") == std::string::npos) {
        const auto at = [&](int column, int row) {
            return std::to_string(column) + "," + std::to_string(height + row);
        };
        extra += "\n[DISPLAY]\nProgram=" + at(1, 2) + "\nScore=" + at(1, 4) + "\nPoint=" +
                 at(1, 5) + "\nHiScore=" + at(8, 4) + "\nHiPoint=" + at(8, 5) + "\nRest=" +
                 at(15, 4) + "\nRestPlay=" + at(15, 5) + "\n";
    }
    return CourseText(define, map, dots, start, extra);
}

struct Checked {
    std::vector<CourseFinding> findings;
    std::vector<CourseFinding> With(const std::string& code) const
    {
        std::vector<CourseFinding> found;
        std::copy_if(findings.begin(), findings.end(), std::back_inserter(found),
                     [&](const CourseFinding& f) { return f.Code == code; });
        return found;
    }
    bool Has(const std::string& code, TPoint cell) const
    {
        return std::any_of(findings.begin(), findings.end(), [&](const CourseFinding& f) {
            return f.Code == code && f.Cell == cell;
        });
    }
};

std::string Describe(const std::vector<CourseFinding>& findings)
{
    std::string text;
    for (const CourseFinding& f : findings)
        text += f.Code + " (" + std::to_string(f.Cell.X) + "," + std::to_string(f.Cell.Y) +
                "): " + f.Message + "\n";
    return text;
}

Checked Check(const Course& course, int32_t ticks = 0, int32_t tileSize = 24)
{
    TempDir dir;
    CheckOptions options;
    options.Ticks = ticks;
    options.TileSize = tileSize;
    options.CourseFile = dir.Write("course.dat", Text(course));
    TMap map(96, 160, 60, false);
    map.LoadFromFile(options.CourseFile);
    return {CheckCourseFile(map, options)};
}

// A single lane round a closed cell, driven clockwise from the top-left corner.
Course Ring() { return {{"953", "AFA", "C56"}, {}, {"1,1,2,1,L,P"}}; }

// Two lanes, one inside the other, joined by a crossing at the top: the outer lane's cells
// (2,1) and (3,1) are open to the south, the inner lane's (2,2) and (3,2) to the north.
Course TwoRings()
{
    return {{"91153", "A843A", "AAFAA", "AC56A", "C5556"}, {}, {"3,5,6,1,L,P"}};
}
} // namespace

TEST(CourseCheck, CarsThatCanLeaveTheCourseOrMeetADeadEndAreErrorsWithARoute)
{
    Course leak = Ring();
    leak.tiles[2] = "C52"; // (3,3) open to the south, at the course's edge
    const Checked left = Check(leak);
    const auto found = left.With(check_codes::CarLeavesCourse);
    ASSERT_EQ(found.size(), 1u) << Describe(left.findings);
    EXPECT_EQ(found[0].Level, FindingLevel::Error);
    EXPECT_EQ(found[0].Cell, (TPoint{3, 3}));
    EXPECT_EQ(found[0].Entry, 0);
    EXPECT_EQ(found[0].Route, (std::vector<TPoint>{{1, 1}, {2, 1}, {3, 1}, {3, 2}, {3, 3}}));

    // A random computer car in a corridor of its own that ends in a wall; the player's ring
    // never leads there, so only that car can find it.
    const Course corridor{{"9553", "C556", "D557"}, {}, {"2,1,2,1,L,P", "2,3,2,1,L,R"}};
    const Checked dead = Check(corridor);
    const auto ends = dead.With(check_codes::DeadEnd);
    ASSERT_EQ(ends.size(), 1u) << Describe(dead.findings);
    EXPECT_EQ(ends[0].Cell, (TPoint{4, 3}));
    EXPECT_EQ(ends[0].Entry, 1);
    EXPECT_EQ(ends[0].Route, (std::vector<TPoint>{{2, 3}, {3, 3}, {4, 3}}));
    EXPECT_TRUE(dead.With(check_codes::CarLeavesCourse).empty());
}

TEST(CourseCheck, CarsThatShareACorridorReportItsDeadEndOnceFromTheFirstCar)
{
    // Later cars explore only states earlier ones did not meet: one further along the corridor
    // adds nothing, and one further back still finds the end through its own first cell.
    const Course along{{"9553", "C556", "D557"}, {}, {"2,1,2,1,L,P", "2,3,2,1,L,R", "3,3,2,1,L,R"}};
    const Checked first = Check(along);
    const auto ends = first.With(check_codes::DeadEnd);
    ASSERT_EQ(ends.size(), 1u) << Describe(first.findings);
    EXPECT_EQ(ends[0].Entry, 1);
    EXPECT_EQ(ends[0].Route, (std::vector<TPoint>{{2, 3}, {3, 3}, {4, 3}}));

    const Course back{{"9553", "C556", "D557"}, {}, {"2,1,2,1,L,P", "3,3,2,1,L,R", "2,3,2,1,L,R"}};
    const Checked second = Check(back);
    const auto again = second.With(check_codes::DeadEnd);
    ASSERT_EQ(again.size(), 1u) << Describe(second.findings);
    EXPECT_EQ(again[0].Entry, 1);
    EXPECT_EQ(again[0].Route, (std::vector<TPoint>{{3, 3}, {4, 3}}));
    EXPECT_EQ(first.findings.size(), second.findings.size());
}

TEST(CourseCheck, AGapNoCarCanDriveThroughIsNoError)
{
    // (2,1) is open to the north, off the course: a flood fill over open sides escapes there.
    // A car passes (2,1) heading east or west, and a lane change needs the side open in the
    // next cell too, which (1,1) and (3,1) close: no car ever leaves.
    Course gap = Ring();
    gap.tiles[0] = "943";
    const Checked checked = Check(gap);
    EXPECT_TRUE(checked.With(check_codes::CarLeavesCourse).empty()) << Describe(checked.findings);
    EXPECT_TRUE(checked.With(check_codes::DeadEnd).empty());

    // Open (3,1) to the north as well, and a lane change to the left from (2,1) leaves (as
    // does every car that reaches (3,1), which now turns north there).
    gap.tiles[0] = "942";
    const Checked open = Check(gap);
    EXPECT_TRUE(open.Has(check_codes::CarLeavesCourse, {2, 1})) << Describe(open.findings);
    EXPECT_TRUE(open.Has(check_codes::CarLeavesCourse, {3, 1}));
}

TEST(CourseCheck, DotsFollowTheCarsRealMotionNotOpenSides)
{
    // A pocket below the top lane, open to it through one side: a flood fill reaches its dot,
    // but a lane change needs the opening in two cells in a row, so no car ever gets in.
    Course pocket{{"9153", "AEFA", "C556"}, {"O...", "OO..", "...."}, {"2,1,2,1,L,P"}};
    const Checked checked = Check(pocket);
    const auto unreachable = checked.With(check_codes::DotUnreachable);
    ASSERT_EQ(unreachable.size(), 1u) << Describe(checked.findings);
    EXPECT_EQ(unreachable[0].Cell, (TPoint{2, 2}));
    EXPECT_EQ(unreachable[0].Level, FindingLevel::Error);

    // The inner lane keeps its north walls where the outer lane opens south: a flood fill that
    // needs both sides open never gets in, but a lane change lands there all the same.
    Course oneSided = TwoRings();
    oneSided.tiles[1] = "A953A"; // no crossing seen from inside
    oneSided.dots = {".....", ".OOO.", ".O.O.", ".OOO.", "....."};
    const Checked jumped = Check(oneSided);
    EXPECT_TRUE(jumped.With(check_codes::DotUnreachable).empty()) << Describe(jumped.findings);
    EXPECT_TRUE(jumped.Has(check_codes::WallMismatch, {2, 1}));

    // Without the crossing the inner lane is out of reach.
    Course closed = oneSided;
    closed.tiles[0] = "95553";
    EXPECT_EQ(Check(closed).With(check_codes::DotUnreachable).size(), 8u);
}

TEST(CourseCheck, PathDigitsMustNameBlocksOnTheCourse)
{
    Course course = Ring();
    course.extra = "[BLOCK]\nNumber=3\n1=1,1,3,1\n2=1,2,3,3\n3=9,9,9,9\nPath=10232\n";
    const Checked checked = Check(course);
    const auto found = checked.With(check_codes::PathUnknownBlock);
    ASSERT_EQ(found.size(), 2u) << Describe(checked.findings);
    EXPECT_NE(found[0].Message.find("block 0 at character 2"), std::string::npos) << found[0].Message;
    // Block 3 lies wholly off the course, so it names no place a car can be.
    EXPECT_NE(found[1].Message.find("block 3 at character 4"), std::string::npos) << found[1].Message;

    // With twelve blocks, "12" names block 12 and "1" and "2" are found inside it.
    Course twelve = Ring();
    twelve.extra = "[BLOCK]\nNumber=12\n";
    for (int k = 1; k <= 12; ++k)
        twelve.extra += std::to_string(k) + "=" + std::to_string((k - 1) % 3 + 1) + "," +
                        std::to_string((k - 1) / 4 + 1) + "," + std::to_string((k - 1) % 3 + 1) +
                        "," + std::to_string((k - 1) / 4 + 1) + "\n";
    twelve.extra += "Path=123456789101112\n";
    EXPECT_TRUE(Check(twelve).With(check_codes::PathUnknownBlock).empty());
}

TEST(CourseCheck, DemoSoakReportsTheTickAndAReproCommand)
{
    Course leak = Ring();
    leak.tiles[2] = "C52";
    const Checked checked = Check(leak, 2000);
    const auto found = checked.With(check_codes::DemoFatal);
    ASSERT_FALSE(found.empty()) << Describe(checked.findings);
    EXPECT_EQ(found[0].Cell, (TPoint{3, 3}));
    EXPECT_EQ(found[0].Entry, 0);
    EXPECT_GT(found[0].Tick, 0);
    EXPECT_NE(found[0].Repro.find("--ticks " + std::to_string(found[0].Tick) + " --clock "),
              std::string::npos)
        << found[0].Repro;
    // One finding per fault, however many clocks meet it.
    EXPECT_EQ(found.size(), 1u);
    EXPECT_TRUE(Check(leak, 0).With(check_codes::DemoFatal).empty());
    EXPECT_TRUE(Check(Ring(), 2000).With(check_codes::DemoFatal).empty());
}

TEST(CourseCheck, WallsAndTileCharactersNeighboursDisagreeAbout)
{
    Course course = Ring();
    course.tiles[1] = "8GA"; // (1,2) open to the east where (2,2) is closed; G is no mask
    course.tiles[0] = "913"; // (2,1) open to the south
    const Checked checked = Check(course);
    EXPECT_TRUE(checked.Has(check_codes::TileCharacter, {2, 2})) << Describe(checked.findings);
    // The cell beside G is not compared with it; (2,1)'s south side meets G as well.
    EXPECT_TRUE(checked.With(check_codes::WallMismatch).empty()) << Describe(checked.findings);

    course.tiles[1] = "8FA";
    const Checked mismatched = Check(course);
    EXPECT_TRUE(mismatched.Has(check_codes::WallMismatch, {1, 2}));
    EXPECT_TRUE(mismatched.Has(check_codes::WallMismatch, {2, 1}));
    EXPECT_EQ(mismatched.With(check_codes::WallMismatch).size(), 2u);
    EXPECT_EQ(mismatched.With(check_codes::WallMismatch)[0].Level, FindingLevel::Warning);
    EXPECT_TRUE(Check(Ring()).findings.empty()) << Describe(Check(Ring()).findings);
}

TEST(CourseCheck, OverlappingBlocksAndLanesInNoBlock)
{
    Course course = Ring();
    course.starts.push_back("3,3,6,1,L,P");
    course.extra = "[BLOCK]\nNumber=2\n1=1,1,3,2\n2=2,2,3,3\nPath=12\n";
    const Checked checked = Check(course);
    ASSERT_TRUE(checked.Has(check_codes::BlocksOverlap, {2, 2})) << Describe(checked.findings);
    // Sharing one column is overlapping; lying side by side is not.
    Course column = course;
    column.extra = "[BLOCK]\nNumber=3\n1=1,1,2,3\n2=2,1,3,1\n3=3,2,3,3\nPath=123\n";
    const auto shared = Check(column).With(check_codes::BlocksOverlap);
    ASSERT_EQ(shared.size(), 1u) << Describe(shared);
    EXPECT_EQ(shared[0].Cell, (TPoint{2, 1}));
    // (1,3) is the only lane cell outside both blocks.
    const auto outside = checked.With(check_codes::LaneOutsideBlocks);
    ASSERT_EQ(outside.size(), 1u) << Describe(checked.findings);
    EXPECT_EQ(outside[0].Cell, (TPoint{1, 3}));

    // No block at all: one finding for the course, not one per cell.
    Course bare = Ring();
    bare.starts.push_back("3,3,6,1,L,P");
    const auto none = Check(bare).With(check_codes::LaneOutsideBlocks);
    ASSERT_EQ(none.size(), 1u);
    EXPECT_EQ(none[0].Cell, (TPoint{0, 0}));
    // Random cars do not steer by blocks.
    bare.starts.back() = "3,3,6,1,L,R";
    EXPECT_TRUE(Check(bare).With(check_codes::LaneOutsideBlocks).empty());
}

TEST(CourseCheck, CaptionsOutsideTheFieldOverLanesOrOverEachOther)
{
    Course course = TwoRings();
    course.screen = "12,8";
    course.extra = "[DISPLAY]\nProgram=10,1\nScore=1,7\nPoint=2,7\nHiScore=5,1\nHiPoint=6,3\n"
                   "RestPlay=3,3\n";
    const Checked checked = Check(course);
    // The title from column 10 runs past the field's 12 columns.
    EXPECT_TRUE(checked.Has(check_codes::CaptionOutsideField, {10, 1})) << Describe(checked.findings);
    // The hi-score label lies over the outer lane's top-right corner.
    EXPECT_TRUE(checked.Has(check_codes::CaptionOverMap, {5, 1}));
    // The score label and the score one tile to its right share pixels.
    EXPECT_TRUE(checked.Has(check_codes::CaptionsOverlap, {1, 7}));
    // Rest is not given: reported once, as off the field.
    const auto rest = std::count_if(checked.findings.begin(), checked.findings.end(),
                                    [](const CourseFinding& f) {
                                        return f.Message.find("DISPLAY Rest)") != std::string::npos;
                                    });
    EXPECT_EQ(rest, 1);
    EXPECT_TRUE(checked.Has(check_codes::CaptionOutsideField, {0, 0}));
    // The cars-left number over the closed centre cell hides nothing.
    EXPECT_FALSE(checked.Has(check_codes::CaptionOverMap, {3, 3}));
    EXPECT_FALSE(checked.Has(check_codes::CaptionOutsideField, {6, 3}));

    // Tiles of 20 pixels: "REST" in columns 11 and 12 ends exactly on the field's right edge.
    Course edge = Ring();
    edge.screen = "12,8";
    edge.extra = "[DISPLAY]\nProgram=1,5\nScore=1,6\nPoint=1,7\nHiScore=5,6\nHiPoint=5,7\n"
                 "Rest=11,6\nRestPlay=11,7\n";
    EXPECT_TRUE(Check(edge, 0, 20).findings.empty()) << Describe(Check(edge, 0, 20).findings);
    edge.extra.replace(edge.extra.find("Rest=11,6"), 9, "Rest=12,6");
    EXPECT_TRUE(Check(edge, 0, 20).Has(check_codes::CaptionOutsideField, {12, 6}));
}

TEST(CourseCheck, StartEntriesBesideStartNumber)
{
    // The loader reads only Pos0 .. Pos(StartNumber - 1) and does not count an empty key.
    TempDir dir;
    std::string text = Text(Ring());
    text.replace(text.find("[START]\n"), 8, "[START]\nPos1=\n");
    CheckOptions options;
    options.Ticks = 0;
    options.CourseFile = dir.Write("course.dat", text);
    const Checked checked{CheckCourseFile(LoadCourseText(dir, text), options)};
    const auto found = checked.With(check_codes::StartNumberMismatch);
    ASSERT_EQ(found.size(), 1u) << Describe(checked.findings);
    EXPECT_EQ(found[0].Entry, 1);

    // An editor's document with fewer entries than StartNumber is checked as far as it goes.
    TMap map = LoadCourseText(dir, Text(TwoRings()));
    map.StartNumber = 3;
    const auto edited = CheckCourse(map, {});
    ASSERT_EQ(edited.size(), 1u) << Describe(edited);
    EXPECT_EQ(edited[0].Code, check_codes::StartNumberMismatch);
}

TEST(CourseCheck, LanesAndStartsBeyondTheDrawnField)
{
    // The field shows two of the three rows: the ring's bottom row and a car there are hidden.
    Course course = Ring();
    course.starts.push_back("2,3,6,1,L,R");
    course.screen = "30,2";
    course.extra = "[DISPLAY]\nProgram=5,1\n";
    const Checked checked = Check(course);
    const auto lanes = checked.With(check_codes::LaneOutsideField);
    ASSERT_EQ(lanes.size(), 1u) << Describe(checked.findings);
    EXPECT_EQ(lanes[0].Level, FindingLevel::Error);
    EXPECT_EQ(lanes[0].Cell, (TPoint{1, 3}));
    EXPECT_EQ(lanes[0].Route, (std::vector<TPoint>{{1, 3}, {2, 3}, {3, 3}}));
    const auto starts = checked.With(check_codes::StartOutsideField);
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].Entry, 1);
    // A field as large as the map hides nothing.
    course.screen = "30,3";
    EXPECT_TRUE(Check(course).With(check_codes::LaneOutsideField).empty());
}

TEST(CourseCheck, StartsOnOneCellOrFacingEachOther)
{
    Course course = Ring();
    course.starts.push_back("1,1,2,1,L,R");
    const Checked shared = Check(course);
    const auto same = shared.With(check_codes::StartsShareCell);
    ASSERT_EQ(same.size(), 1u) << Describe(shared.findings);
    EXPECT_EQ(same[0].Level, FindingLevel::Error);
    EXPECT_EQ(same[0].Entry, 1);
    // Two computer cars on one cell only hide each other.
    course.starts = {"1,1,2,1,L,P", "3,3,6,1,L,R", "3,3,0,1,L,R"};
    const auto hidden = Check(course).With(check_codes::StartsShareCell);
    ASSERT_EQ(hidden.size(), 1u);
    EXPECT_EQ(hidden[0].Level, FindingLevel::Warning);

    // The player faces right into the car at (2,1): they meet on the first move.
    course.starts = {"1,1,2,1,L,P", "2,1,2,1,L,R"};
    EXPECT_TRUE(Check(course).Has(check_codes::StartsCollide, {2, 1}));
    // The car faces the player across the open side.
    course.starts = {"1,2,0,1,L,P", "1,1,4,1,L,R"};
    EXPECT_TRUE(Check(course).Has(check_codes::StartsCollide, {1, 1}));
    // Back to back, or with a wall between, nothing meets.
    course.starts = {"1,2,4,1,L,P", "1,1,0,1,L,R"};
    EXPECT_TRUE(Check(course).With(check_codes::StartsCollide).empty());
    course.starts = {"2,1,4,1,L,P", "2,2,0,1,L,R"}; // (2,1) is closed to the south
    course.tiles = {"953", "A0A", "C56"};
    EXPECT_TRUE(Check(course).With(check_codes::StartsCollide).empty());
}

TEST(CourseCheck, ErrorsComeFirst)
{
    Course course = Ring();
    course.tiles[2] = "C52";
    course.tiles[1] = "8FA";
    const auto findings = Check(course).findings;
    ASSERT_GE(findings.size(), 2u);
    EXPECT_TRUE(std::is_partitioned(findings.begin(), findings.end(), [](const CourseFinding& f) {
        return f.Level == FindingLevel::Error;
    }));
    EXPECT_EQ(findings.front().Level, FindingLevel::Error);
    EXPECT_EQ(findings.back().Level, FindingLevel::Warning);
}

TEST(CourseCheck, ShippedCoursesAreClean)
{
    for (const std::string& name : ShippedCourseFiles()) {
        CheckOptions options;
        options.CourseFile = std::string(BREVANTO_ASSETS_DIR) + "/" + name;
        TMap map(96, 160, 60, false);
        map.LoadFromFile(options.CourseFile);
        const auto findings = CheckCourseFile(map, options);
        EXPECT_TRUE(findings.empty()) << name << "\n" << Describe(findings);
    }
}

TEST(CourseCheck, LeavesTheCallersGeneratorAloneOnThisThreadAndOthers)
{
    // A dead end on the inner lane, which the demo reaches when a random draw takes it across;
    // a random computer car makes the exploration set the generator's seed at every step.
    TempDir dir;
    Course deadEnd = TwoRings();
    deadEnd.tiles[3] = "AC5EA";
    deadEnd.starts.push_back("3,1,2,1,L,R");
    const TMap map = LoadCourseText(dir, Text(deadEnd));
    CheckOptions options;
    options.Ticks = 5000;

    brv::SetRandomSeed(12345);
    const auto alone = CheckCourse(map, options);
    ASSERT_TRUE(std::any_of(alone.begin(), alone.end(),
                            [](const CourseFinding& f) { return f.Code == check_codes::DemoFatal; }));
    EXPECT_EQ(brv::RandomSeed(), 12345u);

    // The editor checks on a worker thread while the window's thread goes on with its own
    // generator.
    std::atomic<bool> done{false};
    std::vector<CourseFinding> onWorker;
    Course clean = TwoRings();
    clean.starts.push_back("3,1,2,1,L,R");
    const TMap cleanMap = LoadCourseText(dir, Text(clean));
    std::thread worker([&] {
        for (int i = 0; i < 10; ++i)
            EXPECT_TRUE(CheckCourse(cleanMap, {}).empty());
        onWorker = CheckCourse(map, options);
        done = true;
    });
    int disturbed = 0;
    while (!done) {
        disturbed += brv::RandomSeed() != 12345u;
        std::this_thread::yield();
    }
    worker.join();
    EXPECT_EQ(disturbed, 0);
    ASSERT_EQ(onWorker.size(), alone.size());
    for (size_t i = 0; i < alone.size(); ++i) {
        EXPECT_EQ(onWorker[i].Code, alone[i].Code);
        EXPECT_EQ(onWorker[i].Tick, alone[i].Tick);
    }
}

TEST(CourseCheck, RandomCarsAreFollowedThroughALaneChangeToEitherSide)
{
    // A random car's own ring below the player's, its bottom row open to the south in two cells
    // in a row: a lane change there leaves the course. Driven east that change is to the right,
    // driven west to the left; the player never gets there.
    Course course{{"95553", "C5556", "95553", "AFFFA", "C5116"}, {}, {"1,1,2,1,L,P", "2,5,2,1,L,R"}};
    for (const char* start : {"2,5,2,1,L,R", "2,5,6,1,L,R"}) {
        course.starts[1] = start;
        const Checked checked = Check(course);
        const auto leaving = checked.With(check_codes::CarLeavesCourse);
        ASSERT_FALSE(leaving.empty()) << start << "\n" << Describe(checked.findings);
        for (const CourseFinding& f : leaving) {
            EXPECT_EQ(f.Entry, 1) << start;
            EXPECT_EQ(f.Cell.Y, 5) << start;
        }
    }
}
