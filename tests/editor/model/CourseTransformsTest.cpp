// SPDX-License-Identifier: GPL-3.0-or-later
// Copying, pasting, clearing, mirroring and turning cells: walls stay in agreement, and the
// starts and blocks inside go along with their cells.
#include "editor/model/CourseEdits.h"
#include "editor/model/CourseReader.h"
#include "editor/model/CourseTransforms.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

namespace {
bool WallsAgree(const CourseDocument& d)
{
    for (int32_t y = 1; y <= d.Height; ++y)
        for (int32_t x = 1; x <= d.Width; ++x)
            for (const int32_t side : {WallNorth, WallEast, WallSouth, WallWest}) {
                const TPoint other = NeighbourCell({x, y}, side);
                const bool closed = (d.Mask({x, y}) & side) != 0;
                if (d.OnCourse(other) ? closed != ((d.Mask(other) & OppositeSide(side)) != 0) : !closed)
                    return false;
            }
    return true;
}

// A 4 x 3 ring in the top-left corner of a 10 x 6 course, with a car and a block.
CourseDocument Corner()
{
    CourseDocument d = CourseDocument::Empty(10, 6);
    CarveLane(d, RingCells({1, 1}, {4, 3}));
    d.SetDot({2, 1}, true);
    AddStart(d, {1, 1}); // the player, facing right
    AddBlock(d, {1, 1}, {4, 3});
    AddStart(d, {4, 3});
    d.Path = "1";
    return d;
}
} // namespace

TEST(CourseTransforms, CopyAndPasteTakeWallsDotsStartsAndBlocks)
{
    CourseDocument d = Corner();
    const CellClip clip = CopyCells(d, CellArea(d, {4, 3}, {1, 1}));
    ASSERT_EQ(clip.Width, 4);
    ASSERT_EQ(clip.Starts.size(), size_t{2});
    ASSERT_EQ(clip.Blocks.size(), size_t{1});
    ASSERT_TRUE(PasteCells(d, clip, {6, 4}));
    EXPECT_EQ(d.Mask({6, 4}), d.Mask({1, 1}));
    EXPECT_EQ(d.Mask({9, 6}), d.Mask({4, 3}));
    EXPECT_TRUE(d.HasDot({7, 4}));
    ASSERT_EQ(d.Starts.size(), size_t{4});
    EXPECT_TRUE((TPoint{d.Starts[2].Column, d.Starts[2].Row}) == (TPoint{6, 4}));
    EXPECT_EQ(d.Starts[2].Direction, 2);
    ASSERT_EQ(d.Blocks.size(), size_t{2});
    EXPECT_TRUE(d.Blocks[1] == (TRect{6, 4, 9, 6}));
    EXPECT_TRUE(WallsAgree(d));

    // Pasted over open lanes, the cells round the paste take its walls; past the edge is cut.
    CourseDocument over = Corner();
    CarveLane(over, DragCells({1, 5}, {10, 5}));
    ASSERT_TRUE(PasteCells(over, CopyCells(over, {1, 1, 4, 3}), {8, 4}));
    EXPECT_TRUE(WallsAgree(over));
    EXPECT_EQ(over.Blocks.size(), size_t{1}); // the pasted block would reach off the course

    // Clearing takes the cells back to closed ones, with their starts and the blocks inside;
    // Path follows the blocks that are left.
    ASSERT_TRUE(ClearCells(d, {1, 1, 4, 3}));
    EXPECT_EQ(d.Mask({2, 1}), ClosedCell);
    EXPECT_FALSE(d.HasDot({2, 1}));
    EXPECT_EQ(d.Starts.size(), size_t{2});
    EXPECT_EQ(d.Blocks.size(), size_t{1});
    EXPECT_EQ(d.Path, "");
    EXPECT_TRUE(WallsAgree(d));

    // One column or one cell is a clip as well.
    CourseDocument narrow = Corner();
    const CellClip column = CopyCells(narrow, CellArea(narrow, {1, 3}, {1, 1}));
    EXPECT_EQ(column.Width, 1);
    EXPECT_EQ(column.Height, 3);
    ASSERT_TRUE(PasteCells(narrow, CopyCells(narrow, {2, 1, 2, 1}), {7, 5}));
    EXPECT_TRUE(narrow.HasDot({7, 5}));
    EXPECT_EQ(narrow.Mask({7, 5}), narrow.Mask({2, 1}));
    EXPECT_TRUE(WallsAgree(narrow));
}

TEST(CourseTransforms, MirrorAndRotateTurnWallsStartsAndBlocks)
{
    CourseDocument d = Corner();
    ASSERT_TRUE(MirrorCourse(d, true));
    EXPECT_EQ(d.Mask({10, 1}), WallNorth | WallEast);
    EXPECT_EQ(d.Starts[0].Column, 10);
    EXPECT_EQ(d.Starts[0].Direction, 6); // facing right turns to facing left
    EXPECT_TRUE(d.Blocks[0] == (TRect{7, 1, 10, 3}));
    EXPECT_TRUE(d.HasDot({9, 1}));
    EXPECT_TRUE(WallsAgree(d));
    ASSERT_TRUE(MirrorCourse(d, true));
    EXPECT_TRUE(d == Corner());

    // Four quarter turns bring the course back; one makes it 6 wide and 10 high.
    d.ScreenSize = TPoint{12, 7};
    const CourseDocument before = d;
    ASSERT_TRUE(RotateCourse(d));
    EXPECT_EQ(d.Width, 6);
    EXPECT_EQ(d.Height, 10);
    EXPECT_TRUE(*d.ScreenSize == (TPoint{7, 12}));
    EXPECT_EQ(d.Mask({6, 1}), WallNorth | WallEast); // the ring's top-left corner, turned
    EXPECT_TRUE((TPoint{d.Starts[0].Column, d.Starts[0].Row}) == (TPoint{6, 1}));
    EXPECT_EQ(d.Starts[0].Direction, 4);
    EXPECT_TRUE(d.Blocks[0] == (TRect{4, 1, 6, 4}));
    EXPECT_TRUE(WallsAgree(d));
    for (int k = 0; k < 3; ++k)
        RotateCourse(d);
    EXPECT_TRUE(d == before);

    // A shipped course mirrored twice is itself again, walls agreeing all the way.
    CourseDocument shipped = ReadCourse(ReadBytes(BREVANTO_ASSETS_DIR "/LOPSIDE.DAT")).Document;
    const CourseDocument original = shipped;
    MirrorCourse(shipped, false);
    EXPECT_TRUE(WallsAgree(shipped));
    MirrorCourse(shipped, false);
    EXPECT_TRUE(shipped == original);
}

TEST(CourseTransforms, MirroringARectangleKeepsTheRestAndThePlayerFirst)
{
    CourseDocument d = Corner();
    CarveLane(d, DragCells({5, 2}, {8, 2}));
    const CourseDocument before = d;
    ASSERT_TRUE(MirrorCells(d, {1, 1, 4, 3}, true));
    EXPECT_EQ(d.Mask({4, 1}), WallNorth | WallEast | (before.Mask({1, 1}) & WallSouth));
    EXPECT_EQ(d.Mask({7, 2}), before.Mask({7, 2}));
    // The cars in it keep their entry numbers' order among themselves.
    ASSERT_EQ(d.Starts.size(), size_t{2});
    EXPECT_TRUE((TPoint{d.Starts[0].Column, d.Starts[0].Row}) == (TPoint{4, 1}));
    EXPECT_EQ(d.Starts[0].Direction, 6);
    EXPECT_TRUE((TPoint{d.Starts[1].Column, d.Starts[1].Row}) == (TPoint{1, 3}));
    EXPECT_TRUE(WallsAgree(d));
}
