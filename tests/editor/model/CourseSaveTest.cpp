// SPDX-License-Identifier: GPL-3.0-or-later
// Opening and saving courses: what is kept byte for byte, what one edit changes, and what the
// lenient reading makes of files the game refuses.
#include "editor/EditCommand.h"
#include "editor/model/CourseEdits.h"
#include "editor/model/CourseFindings.h"
#include "editor/model/CourseReader.h"
#include "editor/model/CourseWriter.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <QUndoStack>

#include <sstream>

namespace {

std::string Shipped(const std::string& name) { return ReadBytes(BREVANTO_ASSETS_DIR "/" + name); }

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The lines of `after` that differ from `before`, which must have as many lines.
std::vector<std::string> ChangedLines(const std::string& before, const std::string& after)
{
    const auto a = Lines(before);
    const auto b = Lines(after);
    EXPECT_EQ(a.size(), b.size());
    std::vector<std::string> changed;
    for (size_t k = 0; k < std::min(a.size(), b.size()); ++k)
        if (a[k] != b[k])
            changed.push_back(b[k]);
    return changed;
}

// A course in the game's own style but with comments, an unknown key, odd spacing and CRLF.
const std::string CommentedCourse =
    "; hand-written\r\n[DEFINE]\r\nMapSize = 3,3\r\nStartNumber=1\r\nAuthor=someone\r\n\r\n"
    "[MAP]\r\n1=953\r\n2=AFA\r\n3=C56\r\n; the dots\r\n[MAPDOT]\r\n1=OOO\r\n2=O.O\r\n3=OOO\r\n"
    "[START]\r\nPos0= 1,1,2,1,l,p\r\n[DISPLAY]\r\nScore=5,1\r\n";

} // namespace

TEST(CourseSave, OpenThenSaveWithoutEditsKeepsEveryByte)
{
    for (const std::string& bytes :
         {Shipped("COURSE1.DAT"), Shipped("COURSE2.DAT"), CommentedCourse}) {
        const OpenedCourse opened = ReadCourse(bytes);
        EXPECT_TRUE(opened.Problems.empty());
        EXPECT_EQ(SavedBytes(bytes, opened.Document, opened.Document, opened.Problems), bytes);
    }
}

TEST(CourseSave, OneEditRewritesOnlyItsLinesKeepingEndingsAndComments)
{
    const OpenedCourse opened = ReadCourse(CommentedCourse);
    CourseDocument edited = opened.Document;
    ASSERT_TRUE(SetWall(edited, {1, 1}, WallEast, true)); // closes 1,1 east and 2,1 west
    const std::string saved = SavedBytes(CommentedCourse, opened.Document, edited, {});
    EXPECT_EQ(ChangedLines(CommentedCourse, saved), std::vector<std::string>{"1=BD3\r"});
    EXPECT_NE(saved.find("Author=someone\r\n"), std::string::npos);
    EXPECT_NE(saved.find("Pos0= 1,1,2,1,l,p\r\n"), std::string::npos);

    // Moving the start rewrites its one line, in the file's line ending.
    CourseDocument moved = opened.Document;
    ASSERT_TRUE(MoveStart(moved, 0, {3, 1}));
    EXPECT_EQ(ChangedLines(CommentedCourse, SavedBytes(CommentedCourse, opened.Document, moved, {})),
              std::vector<std::string>{"Pos0=3,1,2,1,L,P\r"});
}

TEST(CourseSave, EveryToolsEditAndItsUndoRestoreTheBytes)
{
    const std::string original = Shipped("COURSE1.DAT");
    const OpenedCourse opened = ReadCourse(original);
    CourseDocument live = opened.Document;
    QUndoStack stack;
    const auto apply = [&](const CourseDocument& d) { live = d; };

    using Edit = std::function<bool(CourseDocument&)>;
    const std::vector<std::pair<const char*, Edit>> edits = {
        {"lane", [](CourseDocument& d) { return CarveLane(d, DragCells({5, 5}, {8, 6})); }},
        {"wall", [](CourseDocument& d) { return SetWall(d, {1, 1}, WallEast, true); }},
        {"dot", [](CourseDocument& d) { return SetDot(d, {5, 5}, true); }},
        {"fill", [](CourseDocument& d) { return FillReachableDots(d, ReachableCells(d)); }},
        {"start", [](CourseDocument& d) { return AddStart(d, {1, 1}) && TurnStart(d, 5, false); }},
        {"remove start", [](CourseDocument& d) { return RemoveStart(d, 2); }},
        {"block", [](CourseDocument& d) { return AddBlock(d, {3, 3}, {1, 1}) && AppendToPath(d, 5); }},
        {"remove block", [](CourseDocument& d) { return RemoveBlock(d, 1); }},
        {"caption", [](CourseDocument& d) { return MoveCaption(d, 0, {0, 0}); }},
        {"grow", [](CourseDocument& d) { return ResizeCourse(d, 22, 17, GrowEdge::Start, GrowEdge::End); }},
        {"shrink", [](CourseDocument& d) { return ResizeCourse(d, 20, 15, GrowEdge::End, GrowEdge::End); }},
        {"screen", [](CourseDocument& d) { return SetScreenSize(d, std::nullopt); }},
    };
    for (const auto& [name, edit] : edits) {
        SCOPED_TRACE(name);
        const std::string before = SavedBytes(original, opened.Document, live, {});
        CourseDocument after = live;
        ASSERT_TRUE(edit(after));
        stack.push(new EditCommand(name, live, after, apply));
        const std::string saved = SavedBytes(original, opened.Document, live, {});
        EXPECT_NE(saved, before);
        EXPECT_EQ(LoaderVerdict(saved, {}), "") << saved;
        stack.undo();
        EXPECT_EQ(SavedBytes(original, opened.Document, live, {}), before);
        stack.redo();
        EXPECT_EQ(SavedBytes(original, opened.Document, live, {}), saved);
    }
    // All steps back leave the file as it was.
    while (stack.canUndo())
        stack.undo();
    EXPECT_EQ(SavedBytes(original, opened.Document, live, {}), original);
}

TEST(CourseSave, ShrinkingRemovesTheKeysThatNoLongerExist)
{
    const std::string original = Shipped("COURSE1.DAT");
    const OpenedCourse opened = ReadCourse(original);
    CourseDocument d = opened.Document;
    ASSERT_TRUE(RemoveStart(d, 4));
    ASSERT_TRUE(RemoveBlock(d, 4));
    ASSERT_TRUE(ResizeCourse(d, 19, 12, GrowEdge::End, GrowEdge::End));
    const std::string saved = SavedBytes(original, opened.Document, d, {});
    EXPECT_EQ(saved.find("Pos4="), std::string::npos);
    EXPECT_EQ(saved.find("\n13="), std::string::npos);
    EXPECT_EQ(saved.find("4=1,8,9,15"), std::string::npos);
    EXPECT_NE(saved.find("StartNumber=4"), std::string::npos);
    EXPECT_EQ(ReadCourse(saved).Document, d);

    // A key the file holds twice goes with both its lines.
    const std::string twice = "[DEFINE]\nMapSize=3,3\nStartNumber=2\n[MAP]\n1=953\n2=AFA\n3=C56\n"
                              "[START]\nPos0=1,1,2,1,L,P\nPos1=3,3,6,1,L,P\nPos1=1,3,2,1,L,P\n";
    const OpenedCourse doubled = ReadCourse(twice);
    d = doubled.Document;
    ASSERT_TRUE(RemoveStart(d, 1));
    const std::string removed = SavedBytes(twice, doubled.Document, d, {});
    EXPECT_EQ(removed.find("Pos1="), std::string::npos) << removed;
    EXPECT_EQ(ReadCourse(removed).Document.Starts, d.Starts);
}

TEST(CourseSave, ANewCourseSavesAsACourseTheGameLoads)
{
    CourseDocument d = CourseDocument::Empty(4, 3);
    ASSERT_TRUE(CarveLane(d, DragCells({1, 1}, {4, 3})));
    ASSERT_TRUE(AddStart(d, {1, 1}));
    ASSERT_TRUE(FillReachableDots(d, ReachableCells(d)));
    const std::string saved = SavedBytes("", CourseDocument{}, d, {});
    EXPECT_EQ(LoaderVerdict(saved, {}), "");
    const OpenedCourse back = ReadCourse(saved);
    EXPECT_TRUE(back.Problems.empty());
    EXPECT_EQ(back.Document, d);
    EXPECT_EQ(SavedBytes(saved, back.Document, back.Document, {}), saved);
}

TEST(CourseRead, FilesTheGameRefusesOpenWithTheirProblemsListed)
{
    // Row 2 too short, a dot row missing, StartNumber says two, Pos1 off the course.
    const std::string bytes = "[DEFINE]\nMapSize=3,3\nStartNumber=2\n[MAP]\n1=953\n2=AF\n3=C56\n"
                              "[MAPDOT]\n1=OOO\n2=O.O\n[START]\nPos0=1,1,3,1,L,P\nPos1=9,9,2,1\n";
    EXPECT_NE(LoaderVerdict(bytes, {}), "");
    const OpenedCourse opened = ReadCourse(bytes);
    ASSERT_EQ(opened.Problems.size(), 4u);
    EXPECT_EQ(opened.Problems[0].Key, "2");
    EXPECT_EQ(opened.Problems[0].Section, "MAP");
    EXPECT_EQ(opened.Problems[1].Section, "MAPDOT");
    EXPECT_EQ(opened.Problems[2].Entry, 0); // direction 3
    EXPECT_EQ(opened.Problems[3].Entry, 1); // off the course
    EXPECT_EQ(opened.Document.Tiles, "953AFFC56");
    EXPECT_EQ(opened.Document.Starts.size(), 2u);

    // Mending the starts and saving writes the padded rows too: the game then loads it.
    CourseDocument d = opened.Document;
    ASSERT_TRUE(TurnStart(d, 0, false));
    ASSERT_TRUE(MoveStart(d, 1, {3, 3}));
    const std::string saved = SavedBytes(bytes, opened.Document, d, opened.Problems);
    EXPECT_EQ(LoaderVerdict(saved, {}), "");
    EXPECT_NE(saved.find("2=AFF\n"), std::string::npos);

    // More entries than StartNumber counts: every one opens, and the count is the problem.
    const OpenedCourse more = ReadCourse("[DEFINE]\nMapSize=3,3\nStartNumber=1\n[MAP]\n1=953\n"
                                         "2=AFA\n3=C56\n[MAPDOT]\n1=...\n2=...\n3=...\n[START]\n"
                                         "Pos0=1,1,2,1,L,P\nPos1=3,3,6,1,L,P\nPos2=1,3,0,1,L,P\n");
    ASSERT_EQ(more.Document.Starts.size(), 3u);
    EXPECT_EQ(more.Document.Starts[2].Row, 3);
    ASSERT_EQ(more.Problems.size(), 1u);
    EXPECT_EQ(more.Problems[0].Key, "StartNumber");
}

TEST(CourseRead, AFileThatIsNoCourseIsRefused)
{
    EXPECT_THROW(ReadCourse(""), NotACourse);
    EXPECT_THROW(ReadCourse("[Settings]\nMapName=x\n"), NotACourse);
    EXPECT_THROW(ReadCourse(std::string("\x89PNG\r\n\x1a\n\0\0", 10)), NotACourse);
    EXPECT_THROW(ReadCourse("[DEFINE]\nMapSize=100000,3\n"), NotACourse);
    // Rows without a size still make a course, its size taken from them.
    const OpenedCourse rows = ReadCourse("[MAP]\n1=95\n2=C6\n");
    EXPECT_EQ(rows.Document.Width, 2);
    EXPECT_EQ(rows.Document.Height, 2);
}

TEST(CourseFindingsAnalysis, VerdictLoaderProblemsAndCheckerFindingsWithTheirCells)
{
    const std::string shipped = Shipped("COURSE1.DAT");
    const CourseAnalysis clean = AnalyseCourse(shipped, 200);
    EXPECT_EQ(clean.Verdict, "");
    EXPECT_TRUE(clean.Checked);
    for (const EditorFinding& f : clean.Findings)
        EXPECT_FALSE(f.Error) << f.Message;

    // A dot in the closed centre: the checker names its cell.
    OpenedCourse opened = ReadCourse(shipped);
    CourseDocument d = opened.Document;
    ASSERT_TRUE(SetDot(d, {10, 8}, true));
    const CourseAnalysis dotted = AnalyseCourse(SavedBytes(shipped, opened.Document, d, {}), 0);
    const auto found = std::find_if(dotted.Findings.begin(), dotted.Findings.end(),
                                    [](const EditorFinding& f) { return f.Cell == TPoint{10, 8}; });
    ASSERT_NE(found, dotted.Findings.end());
    EXPECT_TRUE(found->Error);

    // A start moved off the course: the game refuses it, the start entry is named, no checker.
    d = opened.Document;
    d.Starts[2].Column = 40;
    const CourseAnalysis refused = AnalyseCourse(SavedBytes(shipped, opened.Document, d, {}), 0);
    EXPECT_NE(refused.Verdict, "");
    EXPECT_FALSE(refused.Checked);
    ASSERT_EQ(refused.Findings.size(), 1u);
    EXPECT_EQ(refused.Findings[0].Entry, 2);
}
