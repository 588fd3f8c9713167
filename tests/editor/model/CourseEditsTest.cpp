// SPDX-License-Identifier: GPL-3.0-or-later
// The tools' edits on the document: walls agree between neighbours, resizing keeps the course
// together, the reachable-dot fill follows the open sides.
#include "editor/model/CourseEdits.h"
#include "editor/model/CourseReader.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

namespace {

// Every shared side is open in both cells or closed in both, and the border is closed.
void ExpectWallsAgree(const CourseDocument& d)
{
    for (int32_t y = 1; y <= d.Height; ++y) {
        for (int32_t x = 1; x <= d.Width; ++x) {
            for (const int32_t side : {WallNorth, WallEast, WallSouth, WallWest}) {
                const TPoint other = NeighbourCell({x, y}, side);
                const bool closed = (d.Mask({x, y}) & side) != 0;
                if (!d.OnCourse(other))
                    EXPECT_TRUE(closed) << x << "," << y << " side " << side;
                else
                    EXPECT_EQ(closed, (d.Mask(other) & OppositeSide(side)) != 0)
                        << x << "," << y << " side " << side;
            }
        }
    }
}

} // namespace

TEST(CourseEdits, CarvingAndWallsKeepNeighboursInAgreement)
{
    CourseDocument d = CourseDocument::Empty(6, 5);
    EXPECT_TRUE(CarveLane(d, DragCells({1, 1}, {6, 5})));
    EXPECT_TRUE(CarveLane(d, DragCells({1, 5}, {6, 5})));
    EXPECT_TRUE(CarveLane(d, {{3, 3}, {3, 2}, {4, 2}}));
    ExpectWallsAgree(d);
    EXPECT_EQ(d.Mask({1, 1}), WallNorth | WallSouth | WallWest);
    EXPECT_EQ(d.Mask({3, 1}), WallNorth | WallSouth);
    // Cells that are not neighbours (a jump) open nothing; carving again changes nothing.
    EXPECT_FALSE(CarveLane(d, {{1, 3}, {3, 3}}));
    EXPECT_FALSE(CarveLane(d, DragCells({1, 1}, {6, 5})));

    EXPECT_TRUE(SetWall(d, {2, 1}, WallEast, true));
    EXPECT_EQ(d.Mask({3, 1}) & WallWest, WallWest);
    EXPECT_TRUE(SetWall(d, {3, 1}, WallWest, false));
    EXPECT_EQ(d.Mask({2, 1}) & WallEast, 0);
    EXPECT_FALSE(SetWall(d, {3, 1}, WallWest, false));
    // The border has no neighbour: only the cell's own side changes.
    EXPECT_TRUE(SetWall(d, {1, 2}, WallWest, false));
    EXPECT_EQ(d.Mask({1, 2}) & WallWest, 0);
    EXPECT_TRUE(SetWall(d, {1, 2}, WallWest, true));
    ExpectWallsAgree(d);

    // A drag past the edge carves up to it and leaves the border closed.
    CourseDocument edge = CourseDocument::Empty(3, 2);
    EXPECT_TRUE(CarveLane(edge, DragCells({2, 1}, {5, 1})));
    EXPECT_TRUE(CarveLane(edge, DragCells({0, 2}, {2, 2})));
    EXPECT_EQ(edge.Mask({3, 1}), WallNorth | WallEast | WallSouth);
    EXPECT_EQ(edge.Mask({1, 2}), WallNorth | WallSouth | WallWest);
    ExpectWallsAgree(edge);
}

TEST(CourseEdits, WallOnATileThatIsNoMaskRepairsItOnlyWhenTouched)
{
    CourseDocument d = CourseDocument::Empty(2, 1);
    d.Tiles = "Gz";
    EXPECT_EQ(d.Mask({1, 1}), ClosedCell);
    EXPECT_TRUE(SetWall(d, {1, 1}, WallEast, false));
    EXPECT_EQ(d.Tiles, "D7");
}

TEST(CourseEdits, ResizingMovesEverythingWithTheCellsAndClosesTheNewBorder)
{
    const OpenedCourse opened = ReadCourse(ReadBytes(BREVANTO_ASSETS_DIR "/COURSE1.DAT"));
    CourseDocument d = opened.Document;
    const CourseDocument before = d;
    ASSERT_TRUE(ResizeCourse(d, 21, 18, GrowEdge::Start, GrowEdge::Start));
    EXPECT_EQ(d.Starts[0].Column, before.Starts[0].Column + 2);
    EXPECT_EQ(d.Starts[0].Row, before.Starts[0].Row + 3);
    EXPECT_EQ(d.Blocks[1].Left, before.Blocks[1].Left + 2);
    EXPECT_EQ(d.Captions[0]->X, before.Captions[0]->X + 2);
    EXPECT_EQ(d.Mask({3, 4}), before.Mask({1, 1}));
    EXPECT_EQ(d.HasDot({3, 4}), before.HasDot({1, 1}));
    EXPECT_EQ(d.Mask({1, 1}), ClosedCell);
    ExpectWallsAgree(d);

    // Cutting the course through its lanes leaves no lane open to the outside.
    CourseDocument cut = before;
    ASSERT_TRUE(ResizeCourse(cut, 10, 8, GrowEdge::End, GrowEdge::End));
    ExpectWallsAgree(cut);
    EXPECT_FALSE(ResizeCourse(cut, 0, 8, GrowEdge::End, GrowEdge::End));
    EXPECT_FALSE(ResizeCourse(cut, MaxCourseSide + 1, 8, GrowEdge::End, GrowEdge::End));
}

TEST(CourseEdits, FillPutsDotsExactlyOnTheCellsThePlayerCanReach)
{
    // A ring on the left the player drives round, a lane on the right it never reaches.
    CourseDocument d = CourseDocument::Empty(5, 3);
    CarveLane(d, {{1, 1}, {2, 1}, {3, 1}, {3, 2}, {3, 3}, {2, 3}, {1, 3}, {1, 2}, {1, 1}});
    CarveLane(d, DragCells({5, 1}, {5, 3}));
    d.SetDot({5, 2}, true);
    d.SetDot({2, 2}, true);
    EXPECT_TRUE(ReachableCells(d).empty()); // no player start yet
    AddStart(d, {1, 1});
    d.Starts[0].Direction = 3;
    EXPECT_TRUE(ReachableCells(d).empty()); // a start the game refuses
    d.Starts[0].Direction = 2;
    const std::vector<TPoint> reachable = ReachableCells(d);
    EXPECT_EQ(reachable.size(), 8u);
    EXPECT_TRUE(FillReachableDots(d, reachable));
    EXPECT_EQ(d.Dots, "OOO.." "O.O.." "OOO..");
    EXPECT_FALSE(FillReachableDots(d, reachable));
}

TEST(CourseEdits, BlocksHoldTheirEdgeCellsAndTheLowerNumberWins)
{
    CourseDocument d = CourseDocument::Empty(6, 5);
    ASSERT_TRUE(AddBlock(d, {4, 3}, {2, 2}));
    ASSERT_TRUE(AddBlock(d, {4, 1}, {6, 5}));
    EXPECT_EQ(BlockAt(d.Blocks, {2, 2}), 1);
    EXPECT_EQ(BlockAt(d.Blocks, {4, 3}), 1) << "bottom right corner";
    EXPECT_EQ(BlockAt(d.Blocks, {3, 3}), 1);
    EXPECT_EQ(BlockAt(d.Blocks, {1, 2}), 0);
    EXPECT_EQ(BlockAt(d.Blocks, {2, 4}), 0);
    EXPECT_EQ(BlockAt(d.Blocks, {6, 5}), 2);
    EXPECT_EQ(BlockAt(d.Blocks, {5, 3}), 2);
}

TEST(CourseEdits, StartEntriesTurnMoveAndStayOnTheCourse)
{
    CourseDocument d = CourseDocument::Empty(3, 3);
    EXPECT_FALSE(AddStart(d, {4, 1}));
    ASSERT_TRUE(AddStart(d, {1, 1}));
    EXPECT_EQ(d.Starts[0].Direction, 2);
    TurnStart(d, 0, true);
    EXPECT_EQ(d.Starts[0].Direction, 4);
    for (int k = 0; k < 3; ++k)
        TurnStart(d, 0, false);
    EXPECT_EQ(d.Starts[0].Direction, 6);
    d.Starts[0].Direction = 3; // as read from a faulty file
    TurnStart(d, 0, true);
    EXPECT_EQ(d.Starts[0].Direction, 4);
    EXPECT_FALSE(MoveStart(d, 0, {0, 2}));
    EXPECT_TRUE(MoveStart(d, 0, {3, 2}));
    EXPECT_EQ(d.StartAt({3, 2}), 0);
    EXPECT_FALSE(MoveStart(d, 1, {1, 1}));
    EXPECT_FALSE(RemoveStart(d, 1));
}

TEST(CourseEdits, ValuesFarOffTheCourseMoveAsThirtyTwoBitFields)
{
    // A faulty file may hold any number; growing at the left and top moves them without overflow.
    CourseDocument d = CourseDocument::Empty(3, 3);
    d.Starts.push_back({INT32_MAX, INT32_MIN, 2, 1, 'L', 'P'});
    d.Captions[0] = TPoint{INT32_MAX, 1};
    d.Blocks.push_back({INT32_MAX, 1, INT32_MAX, 1});
    ASSERT_TRUE(ResizeCourse(d, 5, 4, GrowEdge::Start, GrowEdge::Start));
    EXPECT_EQ(d.Starts[0].Column, INT32_MIN + 1);
    EXPECT_EQ(d.Starts[0].Row, INT32_MIN + 1);
    EXPECT_EQ(d.Captions[0]->X, INT32_MIN + 1);
    EXPECT_EQ(d.Blocks[0].Left, INT32_MIN + 1);
    EXPECT_TRUE(MoveCaption(d, 1, {INT32_MAX, INT32_MAX}));
    EXPECT_EQ(d.Captions[1]->X, INT32_MIN);
}

TEST(CourseEdits, RemovingABlockKeepsPathNamingTheSameBlocks)
{
    CourseDocument d = CourseDocument::Empty(8, 8);
    for (int k = 0; k < 4; ++k)
        ASSERT_TRUE(AddBlock(d, {1 + 2 * k, 1}, {2 + 2 * k, 8}));
    d.Path = "1234";
    const TRect third = d.Blocks[2];
    ASSERT_TRUE(RemoveBlock(d, 2));
    EXPECT_EQ(d.Path, "123"); // 1, then the old 3 and 4 under their new numbers
    EXPECT_TRUE(d.Blocks[1] == third);
    d.Path = "3x13";
    ASSERT_TRUE(RemoveBlock(d, 1));
    EXPECT_EQ(d.Path, "2x2"); // characters that are no block number stay
    EXPECT_FALSE(RemoveBlock(d, 3));
}

TEST(CourseEdits, BlockToolStopsAtTheNineBlocksPathCanName)
{
    CourseDocument d = CourseDocument::Empty(9, 2);
    for (int32_t x = 1; x <= MaxPathBlocks; ++x)
        ASSERT_TRUE(AddBlock(d, {x, 1}, {x, 2}));
    EXPECT_FALSE(AddBlock(d, {1, 1}, {9, 2}));
    EXPECT_EQ(d.Blocks.size(), size_t{9});
    // A tenth block read from a file cannot be put into Path: "10" would read as 1, 0.
    d.Blocks.push_back({1, 1, 1, 1});
    EXPECT_FALSE(AppendToPath(d, 10));
    EXPECT_TRUE(AppendToPath(d, 9));
    EXPECT_EQ(d.Path, "9");
}

TEST(CourseEdits, RingsEraseAndQuarterBlocks)
{
    CourseDocument d = CourseDocument::Empty(12, 10);
    const std::vector<TPoint> ring = RingCells({11, 9}, {2, 2});
    EXPECT_EQ(ring.size(), size_t{2 * (10 + 8) - 4 + 1}); // back to the first cell
    EXPECT_TRUE(ring.front() == ring.back());
    ASSERT_TRUE(CarveLane(d, ring));
    ExpectWallsAgree(d);
    EXPECT_EQ(d.Mask({2, 2}), WallNorth | WallWest);
    EXPECT_EQ(d.Mask({6, 9}), WallNorth | WallSouth);
    EXPECT_EQ(d.Mask({6, 5}), ClosedCell);
    // Erasing the same cells walls the lane off again.
    ASSERT_TRUE(EraseLane(d, ring));
    EXPECT_TRUE(d == CourseDocument::Empty(12, 10));

    // A computer car on a course without blocks drives at random; with blocks it pursues.
    AddStart(d, {2, 2});
    AddStart(d, {5, 2});
    EXPECT_EQ(d.Starts[0].Kind, 'P');
    EXPECT_EQ(d.Starts[1].Kind, 'R');
    ASSERT_TRUE(MakeQuarterBlocks(d));
    EXPECT_EQ(d.Path, "1234");
    EXPECT_EQ(BlockAt(d.Blocks, {6, 5}), 1);
    EXPECT_EQ(BlockAt(d.Blocks, {7, 5}), 2);
    EXPECT_EQ(BlockAt(d.Blocks, {12, 10}), 3);
    EXPECT_EQ(BlockAt(d.Blocks, {1, 6}), 4);
    AddStart(d, {8, 2});
    EXPECT_EQ(d.Starts[2].Kind, 'P');
}
