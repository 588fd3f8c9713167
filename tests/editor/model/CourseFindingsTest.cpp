// SPDX-License-Identifier: GPL-3.0-or-later
// The findings as the panel lists them: one line per region of unreachable dots with its
// count, causes first, and refusals that say which rule and which key.
#include "editor/model/CourseEdits.h"
#include "editor/model/CourseFindings.h"
#include "editor/model/CourseReader.h"
#include "editor/model/CourseWriter.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

namespace {
CourseFinding Checker(const char* code, TPoint cell, FindingLevel level = FindingLevel::Error)
{
    CourseFinding f;
    f.Level = level;
    f.Code = code;
    f.Cell = cell;
    f.Message = std::string(code) + " message";
    return f;
}
} // namespace

TEST(CourseFindingsGrouping, OneLinePerRegionAndCausesFirst)
{
    const std::vector<CourseFinding> checked = {
        Checker(check_codes::WallMismatch, {9, 9}, FindingLevel::Warning),
        Checker(check_codes::DotUnreachable, {2, 1}),
        Checker(check_codes::DotUnreachable, {1, 1}),
        Checker(check_codes::DotUnreachable, {1, 2}),
        Checker(check_codes::DotUnreachable, {5, 5}),
        Checker(check_codes::DotUnreachable, {3, 2}), // touches (2,1) only at a corner
        Checker(check_codes::DeadEnd, {4, 4}),
    };
    const std::vector<EditorFinding> grouped = GroupFindings(checked);
    ASSERT_EQ(grouped.size(), 5u);
    EXPECT_EQ(grouped[0].Code, check_codes::DeadEnd);
    EXPECT_EQ(grouped[1].Code, check_codes::DotUnreachable);
    EXPECT_EQ(grouped[1].Count, 3);
    EXPECT_TRUE(grouped[1].Cell == (TPoint{1, 1}));
    EXPECT_EQ(grouped[1].Cells, (std::vector<TPoint>{{1, 1}, {2, 1}, {1, 2}}));
    EXPECT_NE(grouped[1].Message.find("3 dots from (1,1)"), std::string::npos);
    // A single dot keeps the checker's own words.
    EXPECT_EQ(grouped[2].Count, 1);
    EXPECT_EQ(grouped[2].Message, "dot-unreachable message");
    EXPECT_EQ(grouped[4].Code, check_codes::WallMismatch);
}

TEST(CourseFindingsGrouping, ARegionIsFollowedInEveryDirection)
{
    // From its first cell in reading order, (2,1), the pocket is whole only by going left to
    // (1,2) and back up to (4,1): one line for six dots, not three.
    std::vector<CourseFinding> checked;
    for (const TPoint cell : std::vector<TPoint>{{2, 1}, {4, 1}, {1, 2}, {2, 2}, {3, 2}, {4, 2}})
        checked.push_back(Checker(check_codes::DotUnreachable, cell));
    const std::vector<EditorFinding> grouped = GroupFindings(checked);
    ASSERT_EQ(grouped.size(), 1u);
    EXPECT_EQ(grouped[0].Count, 6);
    EXPECT_EQ(grouped[0].Cells, (std::vector<TPoint>{{2, 1}, {4, 1}, {1, 2}, {2, 2}, {3, 2}, {4, 2}}));
    EXPECT_NE(grouped[0].Message.find("6 dots from (2,1)"), std::string::npos) << grouped[0].Message;
}

TEST(CourseFindingsGrouping, AClosedWallGivesItsDeadEndFirstAndTheDotsBehindItInOneLine)
{
    const std::string shipped = ReadBytes(BREVANTO_ASSETS_DIR "/COURSE1.DAT");
    const OpenedCourse opened = ReadCourse(shipped);
    CourseDocument d = opened.Document;
    // A wall across the top lane leaves a dead end and the dots beyond it out of reach.
    ASSERT_TRUE(SetWall(d, {5, 1}, WallEast, true));
    const CourseAnalysis analysis = AnalyseCourse(SavedBytes(shipped, opened.Document, d, {}), 0);
    ASSERT_FALSE(analysis.Findings.empty());
    EXPECT_TRUE(analysis.Findings.front().Code == check_codes::DeadEnd ||
                analysis.Findings.front().Code == check_codes::CarLeavesCourse)
        << analysis.Findings.front().Message;
    int dotLines = 0;
    int dots = 0;
    for (const EditorFinding& f : analysis.Findings)
        if (f.Code == check_codes::DotUnreachable) {
            ++dotLines;
            dots += f.Count;
        }
    EXPECT_GT(dots, dotLines);
}

TEST(CourseFindingsGrouping, RefusalsNameTheRuleAndTheKey)
{
    const CourseAnalysis empty =
        AnalyseCourse(SavedBytes("", {}, CourseDocument::Empty(4, 3), {}), 0);
    EXPECT_EQ(empty.VerdictError, 4);
    EXPECT_NE(empty.Verdict.find("StartNumber must be at least 1"), std::string::npos);
    ASSERT_EQ(empty.Findings.size(), 1u);
    EXPECT_EQ(empty.Findings[0].Code, "loader-no-start");
    EXPECT_NE(empty.Findings[0].Message.find("Start tool"), std::string::npos);
}

TEST(CourseFindingsGrouping, ANewRingWithRoomForTheCaptionsHasNoFindings)
{
    // The editor's quickest course: a ring, the captions beside it, dots filled, two cars.
    CourseDocument d = CourseDocument::Empty(12, 10);
    ASSERT_TRUE(PlaceCaptionsBeside(d));
    CarveLane(d, RingCells({2, 2}, {11, 9}));
    AddStart(d, {2, 2});
    AddStart(d, {11, 9});
    FillReachableDots(d, ReachableCells(d));
    const CourseAnalysis analysis = AnalyseCourse(SavedBytes("", {}, d, {}), 2000);
    EXPECT_EQ(analysis.Verdict, "");
    for (const EditorFinding& f : analysis.Findings)
        ADD_FAILURE() << f.Code << ": " << f.Message;
}
