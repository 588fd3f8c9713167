// SPDX-License-Identifier: GPL-3.0-or-later
// Opening faulty courses through the course parser: what the document holds and how each
// problem is worded, keyed and placed, and that the analysis takes the parse it is given.
#include "editor/model/CourseFindings.h"
#include "editor/model/CourseReader.h"

#include "TestFiles.h"
#include "platform/IniFile.h"

#include <gtest/gtest.h>

namespace {

const std::string RingMap = "1=953\n2=AFA\n3=C56";
const std::string RingDots = "1=OOO\n2=O.O\n3=OOO";

// A problem as "code section/key (x,y) #entry: message".
std::vector<std::string> Describe(const std::vector<FileProblem>& problems)
{
    std::vector<std::string> out;
    for (const FileProblem& p : problems)
        out.push_back(p.Code + " " + p.Section + "/" + p.Key + " (" + std::to_string(p.Cell.X) + "," +
                      std::to_string(p.Cell.Y) + ") #" + std::to_string(p.Entry) + ": " + p.Message);
    return out;
}

} // namespace

TEST(CourseRead, RowsThatAreShortLongOrMissingArePaddedAndEachIsNamed)
{
    // MAP lacks key 3 but has key 4, and stops there for five rows (the game counts three keys);
    // MAPDOT row 2 is long, and a sixth dot row is a spare row the editor keeps as it is.
    const OpenedCourse opened = ReadCourse(
        CourseText("MapSize=3,5\nStartNumber=1", "1=95\n2=AFA\n4=C56",
                   "1=OOO\n2=O.OO\n3=...\n4=...\n5=...\n6=O", "Pos0=1,1,2,1"));
    EXPECT_EQ(Describe(opened.Problems),
              (std::vector<std::string>{
                  "map-row MAP/1 (1,1) #-1: Map row 1 has 2 characters; the course is 3 wide.",
                  "map-row MAP/3 (1,3) #-1: Map row 3 has 0 characters; the course is 3 wide.",
                  "map-row MAP/5 (1,5) #-1: Map row 5 has 0 characters; the course is 3 wide.",
                  "dot-row MAPDOT/2 (1,2) #-1: Dot row 2 has 4 characters; the course is 3 wide.",
              }));
    const CourseDocument& d = opened.Document;
    EXPECT_EQ(d.Tiles, "95FAFAFFFC56FFF") << "row 4 is read although the keys stop short of it";
    EXPECT_EQ(d.Dots, "OOOO.O.........");
    EXPECT_TRUE(d.SpareTileRows.empty());
    EXPECT_EQ(d.SpareDotRows, (std::vector<std::string>{"O"}));
}

TEST(CourseRead, ABadMapSizeIsTakenFromTheRowsAndEverythingIsCheckedAgainstIt)
{
    // Three rows, the widest four characters: the course opens 4 x 3, the shorter rows padded,
    // and a start on column 4 lies on it while one on row 4 does not.
    const OpenedCourse opened = ReadCourse(CourseText(
        "MapSize=0,3\nStartNumber=2", "1=9535\n2=AFA\n3=C56", "1=OOOO\n2=....\n3=....",
        "Pos0=4,1,2,1\nPos1=1,4,2,1"));
    EXPECT_EQ(Describe(opened.Problems),
              (std::vector<std::string>{
                  "map-size DEFINE/MapSize (0,0) #-1: The map size is missing or not above zero; "
                  "the rows give 4,3.",
                  "map-row MAP/2 (1,2) #-1: Map row 2 has 3 characters; the course is 4 wide.",
                  "map-row MAP/3 (1,3) #-1: Map row 3 has 3 characters; the course is 4 wide.",
                  "start-off-course START/Pos1 (0,0) #1: Start entry Pos1 at (1,4) lies off the "
                  "course of 4 x 3 cells: give it a cell in its dialog or delete it.",
              }));
    EXPECT_EQ(opened.Document.Width, 4);
    EXPECT_EQ(opened.Document.Height, 3);
    EXPECT_EQ(opened.Document.Tiles, "9535AFAFC56F");
    // Without a size or rows there is nothing to open.
    EXPECT_THROW(ReadCourse("[DEFINE]\nMapSize=x\n[MAP]\nrow=9\n"), NotACourse);
    EXPECT_THROW(ReadCourse("[DEFINE]\nMapSize=3,300\n[MAP]\n1=9\n"), NotACourse);
}

TEST(CourseRead, StartEntriesWithTheirGapsDirectionsAndCount)
{
    // StartNumber says 3 and START has three keys, but Pos2 is a gap and Pos3 lies past the
    // count: every entry up to the highest key opens and is checked, the gap included.
    const OpenedCourse opened =
        ReadCourse(CourseText("MapSize=3,3\nStartNumber=3", RingMap, RingDots,
                              "Pos0=1,1,3,1\nPos1=9,9,2,1,R,R\nPos3=2,3,5,1\nPos5="));
    EXPECT_EQ(Describe(opened.Problems),
              (std::vector<std::string>{
                  "start-direction START/Pos0 (1,1) #0: Start entry Pos0 has direction 3; a car "
                  "starts facing up (0), right (2), down (4) or left (6): turn it with the Start "
                  "tool.",
                  "start-off-course START/Pos1 (0,0) #1: Start entry Pos1 at (9,9) lies off the "
                  "course of 3 x 3 cells: give it a cell in its dialog or delete it.",
                  "start-missing START/Pos2 (0,0) #2: Start entry Pos2 is missing: give it a cell "
                  "in its dialog or delete it (select this line, then Delete).",
                  "start-direction START/Pos3 (2,3) #3: Start entry Pos3 has direction 5; a car "
                  "starts facing up (0), right (2), down (4) or left (6): turn it with the Start "
                  "tool.",
              }));
    ASSERT_EQ(opened.Document.Starts.size(), 4u);
    EXPECT_EQ(opened.Document.Starts[1], (StartPlace{9, 9, 2, 1, 'R', 'R'}));
    EXPECT_EQ(opened.Document.Starts[2], (StartPlace{0, 0, 0, 0, 'L', 'P'}));

    // No StartNumber: with no keys the course lacks a start, with keys the count is wrong.
    EXPECT_EQ(Describe(ReadCourse(CourseText("MapSize=3,3", RingMap, RingDots, "")).Problems),
              (std::vector<std::string>{
                  "no-start DEFINE/StartNumber (0,0) #-1: The course has no start entry, and the "
                  "game needs one for the player's car: place it with the Start tool (S).",
              }));
    EXPECT_EQ(
        Describe(ReadCourse(CourseText("MapSize=3,3\nStartNumber=0", RingMap, RingDots,
                                       "Pos0=1,1,2,1\nLabel=x"))
                     .Problems),
        (std::vector<std::string>{
            "start-number DEFINE/StartNumber (0,0) #-1: StartNumber (in DEFINE) is 0 but START "
            "has 2 Pos keys; the game needs them equal. Saving writes the number of start "
            "entries the editor shows.",
        }));
}

TEST(CourseAnalysis, TheVerdictFindingsAndCheckerTakeTheParseTheyAreGiven)
{
    const std::string bytes = ReadBytes(BREVANTO_ASSETS_DIR "/COURSE1.DAT");
    ParsedCourse parsed = ParseCourse(brv::IniFile::FromBytes("", bytes), BadMapSize::SizedByRows);
    const CourseAnalysis clean = AnalyseParsedCourse(parsed, 0);
    EXPECT_EQ(clean.Verdict, "");
    EXPECT_TRUE(clean.Checked);

    // A Path naming no block, only in the parse: the checker's map was loaded from it.
    parsed.Data.Path = "1239";
    const CourseAnalysis path = AnalyseParsedCourse(parsed, 0);
    ASSERT_EQ(path.Findings.size(), clean.Findings.size() + 1);
    EXPECT_EQ(path.Findings[0].Code, check_codes::PathUnknownBlock);

    // A problem only in the parse: the verdict and the file's problems come from it.
    parsed.Data.Starts[0].Facing = {3};
    parsed.Problems.push_back({CourseProblemKind::StartDirection, "START", "Pos0",
                               parsed.Data.Starts[0].Cell, 0});
    const CourseAnalysis refused = AnalyseParsedCourse(parsed, 0);
    EXPECT_EQ(refused.VerdictError, 4);
    EXPECT_FALSE(refused.Checked);
    ASSERT_EQ(refused.Findings.size(), 1u);
    EXPECT_EQ(refused.Findings[0].Code, "loader-start-direction");
    EXPECT_EQ(refused.Findings[0].Entry, 0);
}

TEST(CourseRead, AStartPlaceIsACourseStartInTheEditorsTerms)
{
    const StartPlace place{3, 2, 6, 2, 'R', 'R'};
    EXPECT_EQ(place.Course(), (CourseStart{{3, 2}, {6}, 2, 'R', 'R'}));
    EXPECT_EQ(StartPlace::FromCourse(place.Course()), place);
    const CourseDocument d = CourseDocument::Empty(3, 2);
    EXPECT_TRUE(d.StartFits(place));
    EXPECT_FALSE(d.StartFits({3, 2, 5, 2, 'R', 'R'})) << "facing a diagonal";
    EXPECT_FALSE(d.StartFits({4, 2, 6, 2, 'R', 'R'})) << "off the course";
}
