// SPDX-License-Identifier: GPL-3.0-or-later
// The course parser: the data it reads and the problems it lists, with their keys and cells,
// in the order the loader checks them.
#include "TestFiles.h"

#include "course/CourseParser.h"
#include "platform/IniFile.h"

#include <gtest/gtest.h>

namespace {
using Kind = CourseProblemKind;

const std::string RingDefine = "MapSize=3,3\nStartNumber=1";
const std::string RingMap = "1=953\n2=AFA\n3=C56";
const std::string RingDots = "1=OOO\n2=O.O\n3=OOO";

ParsedCourse Parse(const std::string& text)
{
    return ParseCourse(brv::IniFile::FromBytes("course.dat", text));
}

// A problem as "kind key (x,y) #entry", for readable comparisons of whole lists.
std::string Describe(const CourseProblem& p)
{
    return std::string(p.Code()) + " " + p.Section + "/" + p.Key + " (" + std::to_string(p.Cell.X) +
           "," + std::to_string(p.Cell.Y) + ") #" + std::to_string(p.Entry);
}

std::vector<std::string> Describe(const ParsedCourse& course)
{
    std::vector<std::string> out;
    for (const CourseProblem& p : course.Problems)
        out.push_back(Describe(p));
    return out;
}
} // namespace

TEST(CourseParser, ReadsTheCourseAsWritten)
{
    const ParsedCourse course = Parse(CourseText(
        RingDefine + "\nScreenSize=0,20", RingMap, RingDots, "Pos0=1,1,2,-3,right,random",
        "[BLOCK]\nNumber=9\n1=1,1,3,1\n3=2,2\nPath=31\n[DISPLAY]\nScore=2,5\nRest=\nPoint=x\n"));
    ASSERT_TRUE(course.Problems.empty()) << Describe(course).front();
    EXPECT_EQ(course.Refusal(), nullptr);
    const CourseData& d = course.Data;
    EXPECT_EQ(d.Width, 3);
    EXPECT_EQ(d.TileRows, (std::vector<std::string>{"953", "AFA", "C56"}));
    EXPECT_EQ(d.DotRows, (std::vector<std::string>{"OOO", "O.O", "OOO"}));
    // Blocks up to the highest key present; a missing key is an empty rectangle.
    EXPECT_EQ(d.BlockCount, 9);
    EXPECT_EQ(d.Blocks, (std::vector<TRect>{{1, 1, 3, 1}, {}, {2, 2, 0, 0}}));
    EXPECT_EQ(d.Path, "31");
    ASSERT_EQ(d.Starts.size(), 1u);
    EXPECT_EQ(d.Starts[0], (CourseStart{{1, 1}, {2}, -3, 'R', 'R'}));
    EXPECT_EQ(d.Starts[0].Record(), (TRect{1, 1, 2, -3}));
    // A DISPLAY key absent or empty is none; one that holds no number reads 0,0.
    EXPECT_EQ(d.Display[1], (TPoint{2, 5}));
    EXPECT_FALSE(d.Display[0].has_value());
    EXPECT_FALSE(d.Display[5].has_value());
    EXPECT_EQ(d.Display[2], (TPoint{0, 0}));
    EXPECT_EQ(d.ScreenSize, (TPoint{0, 20}));
}

TEST(CourseParser, ListsEveryProblemInTheLoadersOrder)
{
    // A short map row, a long dot row, a missing dot row, a start count that differs, and three
    // bad entries: facing a diagonal, off the course, and missing.
    const ParsedCourse course = Parse(
        CourseText("MapSize=3,3\nStartNumber=3", "1=953\n2=AF\n3=C56", "1=OOOO\n2=O.O",
                   "Pos0=2,1,1,1\nPos1=4,1,2,1"));
    EXPECT_EQ(Describe(course), (std::vector<std::string>{
                                    "map-row MAP/2 (1,2) #-1",
                                    "dot-row MAPDOT/1 (1,1) #-1",
                                    "dot-rows-missing MAPDOT/3 (1,3) #-1",
                                    "start-number DEFINE/StartNumber (0,0) #-1",
                                    "start-direction START/Pos0 (2,1) #0",
                                    "start-off-course START/Pos1 (0,0) #1",
                                    "start-missing START/Pos2 (0,0) #2",
                                }));
    ASSERT_NE(course.Refusal(), nullptr);
    EXPECT_EQ(course.Refusal()->Kind, Kind::MapRow);
    EXPECT_EQ(course.Refusal()->ErrorNumber(), 2);
}

TEST(CourseParser, ErrorNumbersFollowTheSection)
{
    struct Case {
        std::string text;
        Kind first;
        int error;
    };
    const std::vector<Case> cases = {
        {CourseText("StartNumber=1", RingMap, RingDots, "Pos0=1,1,2,1"), Kind::MapSize, 2},
        {CourseText(RingDefine, "1=953\n2=AFA", RingDots, "Pos0=1,1,2,1"), Kind::MapRowsMissing, 2},
        {CourseText(RingDefine, RingMap, "1=OOO\n2=O.O\n3=OO", "Pos0=1,1,2,1"), Kind::DotRow, 3},
        {CourseText("MapSize=3,3", RingMap, RingDots, "Pos0=1,1,2,1"), Kind::NoStartNumber, 4},
        {CourseText(RingDefine, RingMap, RingDots, "Pos1=1,1,2,1"), Kind::StartMissing, 4},
        {CourseText(RingDefine, RingMap, RingDots, "Pos0=1,4,2,1"), Kind::StartOffCourse, 4},
        {CourseText(RingDefine, RingMap, RingDots, "Pos0=1,1,8,1"), Kind::StartDirection, 4},
    };
    for (const Case& c : cases) {
        const ParsedCourse course = Parse(c.text);
        ASSERT_NE(course.Refusal(), nullptr) << c.text;
        EXPECT_EQ(course.Refusal()->Kind, c.first) << c.text;
        EXPECT_EQ(course.Refusal()->ErrorNumber(), c.error) << c.text;
        // The loader refuses with the same number.
        TMap map(96, 160, 60, false);
        try {
            map.LoadFromIni(brv::IniFile::FromBytes("course.dat", c.text));
            ADD_FAILURE() << "loaded: " << c.text;
        } catch (const CourseError& error) {
            EXPECT_EQ(error.Number, c.error) << c.text;
        }
    }
}

TEST(CourseParser, WithoutASizeOnlyTheChecksThatNeedNoneAreMade)
{
    const ParsedCourse course =
        Parse(CourseText("MapSize=0,3\nStartNumber=2", "1=9", "1=O", "Pos0=9,9,2,1\nPos1=1,1,3,1"));
    EXPECT_EQ(Describe(course), (std::vector<std::string>{
                                    "map-size DEFINE/MapSize (0,0) #-1",
                                    "start-direction START/Pos1 (1,1) #1",
                                }));
    EXPECT_EQ(course.Data.TileRows, (std::vector<std::string>{"9"}));

    // Sized by its rows (as the editor opens it): one row of two cells, checked against that.
    const ParsedCourse sized =
        ParseCourse(brv::IniFile::FromBytes("course.dat", CourseText("MapSize=0,3\nStartNumber=2",
                                                                     "1=9\n2=AF", "1=O",
                                                                     "Pos0=2,2,2,1\nPos1=1,3,3,1")),
                    BadMapSize::SizedByRows);
    EXPECT_EQ(sized.Data.Width, 2);
    EXPECT_EQ(sized.Data.Height, 2);
    EXPECT_EQ(Describe(sized), (std::vector<std::string>{
                                   "map-size DEFINE/MapSize (0,0) #-1",
                                   "map-row MAP/1 (1,1) #-1",
                                   "dot-row MAPDOT/1 (1,1) #-1",
                                   "dot-rows-missing MAPDOT/2 (1,2) #-1",
                                   "start-off-course START/Pos1 (0,0) #1",
                               }));
    EXPECT_EQ(sized.Refusal()->Kind, Kind::MapSize);
}

TEST(CourseParser, RowsUpToTheHeightAreReadWhenKeysAreMissing)
{
    // Three rows high, two MAP keys: the loader refuses on the count, but the row the file has
    // past the gap is read, for the editor to keep.
    const ParsedCourse course = Parse(CourseText(RingDefine, "1=953\n3=C56", RingDots, "Pos0=1,1,2,1"));
    EXPECT_EQ(course.Data.TileRows, (std::vector<std::string>{"953", "", "C56"}));
    EXPECT_EQ(Describe(course), (std::vector<std::string>{
                                    "map-row MAP/2 (1,2) #-1",
                                    "map-rows-missing MAP/3 (1,3) #-1",
                                }));
    // Keys past the height count as rows and are read whatever the height.
    const ParsedCourse more = Parse(CourseText(RingDefine, RingMap + "\n4=95", RingDots, "Pos0=1,1,2,1"));
    EXPECT_EQ(more.Data.TileRows.size(), 4u);
    EXPECT_EQ(Describe(more), (std::vector<std::string>{"map-row MAP/4 (1,4) #-1"}));
}

TEST(CourseParser, EntriesPastStartNumber)
{
    // An empty Pos key is not counted, so the course loads; the key is noted as passed over.
    const ParsedCourse empty = Parse(CourseText(RingDefine, RingMap, RingDots, "Pos0=1,1,2,1\nPos1="));
    EXPECT_EQ(Describe(empty), (std::vector<std::string>{"start-key-ignored START/Pos1 (0,0) #1"}));
    EXPECT_EQ(empty.Refusal(), nullptr);
    // Entries are read up to the highest Pos key, for the editor to show them.
    const ParsedCourse extra =
        Parse(CourseText(RingDefine, RingMap, RingDots, "Pos0=1,1,2,1\nPos4=3,3,6,1,R,R"));
    ASSERT_EQ(extra.Data.Starts.size(), 5u);
    EXPECT_EQ(extra.Data.Starts[4], (CourseStart{{3, 3}, {6}, 1, 'R', 'R'}));
    EXPECT_EQ(extra.Data.StartKeys, 2);
    EXPECT_EQ(extra.Refusal()->Kind, Kind::StartCount);
    // Those entries are checked too, but the game never reads them, so they refuse nothing.
    EXPECT_EQ(Describe(extra), (std::vector<std::string>{
                                   "start-number DEFINE/StartNumber (0,0) #-1",
                                   "start-missing START/Pos1 (0,0) #1",
                                   "start-missing START/Pos2 (0,0) #2",
                                   "start-missing START/Pos3 (0,0) #3",
                                   "start-key-ignored START/Pos4 (0,0) #4",
                               }));
    for (size_t k = 1; k <= 3; ++k) {
        EXPECT_TRUE(extra.Problems[k].PastStartNumber) << k;
        EXPECT_EQ(extra.Problems[k].ErrorNumber(), 0) << k;
    }
    // A huge index is passed over and claims no memory, and a huge StartNumber claims no more
    // than a bounded way past the keys START has.
    const ParsedCourse huge =
        Parse(CourseText(RingDefine, RingMap, RingDots, "Pos0=1,1,2,1\nPos2000000000=1,1,2,1"));
    EXPECT_EQ(huge.Data.Starts.size(), 1u);
    const ParsedCourse many =
        Parse(CourseText("MapSize=3,3\nStartNumber=2000000000", RingMap, RingDots, "Pos0=1,1,2,1"));
    EXPECT_LE(many.Data.Starts.size(), 300u);
    EXPECT_EQ(many.Refusal()->Kind, Kind::StartCount);
}

TEST(CourseValues, StartFitsAndBlockAt)
{
    const CourseStart corner{{3, 2}, {6}, 1, 'L', 'P'};
    EXPECT_TRUE(corner.FitsCourse(3, 2));
    EXPECT_FALSE(corner.FitsCourse(2, 2));
    EXPECT_FALSE((CourseStart{{0, 1}, {2}, 1}).FitsCourse(3, 3));
    for (int32_t code = -1; code <= 8; ++code)
        EXPECT_EQ((CourseStart{{1, 1}, {code}, 1}).FitsCourse(1, 1),
                  code == 0 || code == 2 || code == 4 || code == 6)
            << code;
    EXPECT_EQ(CourseStart::FromRecord(corner.Record(), 'L', 'P'), corner);

    // Edges are inside; the first block holding a cell wins.
    const std::vector<TRect> blocks = {{2, 2, 3, 3}, {1, 1, 2, 2}};
    EXPECT_EQ(BlockAt(blocks, {2, 2}), 1);
    EXPECT_EQ(BlockAt(blocks, {3, 3}), 1);
    EXPECT_EQ(BlockAt(blocks, {1, 1}), 2);
    EXPECT_EQ(BlockAt(blocks, {4, 3}), 0);
    EXPECT_EQ(BlockAt({}, {1, 1}), 0);
}
