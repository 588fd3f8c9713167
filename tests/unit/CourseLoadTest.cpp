// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestFiles.h"

#include <gtest/gtest.h>

namespace {
const std::string RingDefine = "MapSize=3,3\nStartNumber=1";
const std::string RingMap = "1=953\n2=AFA\n3=C56";
const std::string RingDots = "1=OOO\n2=O.O\n3=OOO";
const std::string RingStart = "Pos0=1,1,2,1,L,P";

std::string Ring(const std::string& extra = "")
{
    return CourseText(RingDefine, RingMap, RingDots, RingStart, extra);
}

// Loads the text into a model that already holds the ring course and returns the error number.
int ErrorOf(const std::string& text)
{
    TempDir dir;
    TMap map(96, 160, 60, false);
    map.SetErrorTexts({"unused", "no file", "bad map", "bad dots", "bad starts"});
    map.LoadFromFile(dir.Write("ring.dat", Ring()));
    try {
        map.LoadFromFile(dir.Write("bad.dat", text));
    } catch (const CourseError& error) {
        if (error.Number != FieldTooLarge) {
            EXPECT_EQ(error.what(), map.ErrorTexts[static_cast<size_t>(error.Number)]);
        }
        EXPECT_EQ(map.Tiles, "953AFAC56") << "a rejected course leaves the model as it was";
        return error.Number;
    }
    return 0;
}
} // namespace

TEST(CourseLoad, SmallRingCourse)
{
    TempDir dir;
    const TMap map = LoadCourseText(dir, Ring());
    EXPECT_EQ(map.MapWidth, 3);
    EXPECT_EQ(map.MapHeight, 3);
    EXPECT_EQ(map.DotTotal, 8);
    EXPECT_EQ(map.BlockCount, 0);
    EXPECT_TRUE(map.Blocks.empty());
    ASSERT_EQ(map.StartNumber, 1);
    EXPECT_EQ(map.StartEntry(0), (TRect{1, 1, 2, 1}));
    EXPECT_EQ(map.StartSides, "L");
    EXPECT_EQ(map.StartKinds, "P");
    EXPECT_EQ(map.ScreenWidth, 72);
    EXPECT_EQ(map.ScreenHeight, 72);
    EXPECT_EQ(map.ProgramPos, (TPoint{-1, -1}));
    EXPECT_EQ(map.RestPlayPos, (TPoint{-1, -1}));
    EXPECT_EQ(map.CarCount(), 0);
}

TEST(CourseLoad, SizesFollowTheSheets)
{
    const TMap map(64, 140, 42, true);
    EXPECT_EQ(map.TileSize, 16);
    EXPECT_EQ(map.SpriteSize, 14);
    EXPECT_EQ(map.SpriteOffset, 1);
    EXPECT_TRUE(map.RedrawMap);
    EXPECT_EQ(TMap(8, 0, 9, false).SpriteOffset, 0) << "-1 div 2 truncates toward zero";
}

TEST(CourseLoad, ErrorTextsKeepEntriesOneToFour)
{
    TMap map(96, 160, 60, false);
    map.SetErrorTexts({"e1", "e2", "e3", "e4", "e5", "e6"});
    EXPECT_EQ(map.ErrorTexts[1], "e2");
    EXPECT_EQ(map.ErrorTexts[4], "e5");
    map.SetErrorTexts({"x", "only"});
    EXPECT_EQ(map.ErrorTexts[1], "only");
    EXPECT_EQ(map.ErrorTexts[2], "e3") << "texts the list lacks stay";
}

TEST(CourseLoad, ChecksInTheirOrder)
{
    TempDir dir;
    EXPECT_EQ(ErrorOf(Ring()), 0);
    // Missing file and directories.
    TMap map(96, 160, 60, false);
    map.SetErrorTexts({"", "no file"});
    EXPECT_THROW(map.LoadFromFile((dir.Path() / "absent.dat").string()), CourseError);
    EXPECT_THROW(map.LoadFromFile(dir.Path().string()), CourseError);

    EXPECT_EQ(ErrorOf(CourseText("StartNumber=1", RingMap, RingDots, RingStart)), 2);
    EXPECT_EQ(ErrorOf(CourseText("MapSize=0,3\nStartNumber=1", RingMap, RingDots, RingStart)), 2);
    EXPECT_EQ(ErrorOf(CourseText(RingDefine, "1=9530\n2=AFA\n3=C56", RingDots, RingStart)), 2);
    EXPECT_EQ(ErrorOf(CourseText(RingDefine, "1=95\n2=AFA\n3=C56", RingDots, RingStart)), 2);
    EXPECT_EQ(ErrorOf(CourseText(RingDefine, "01=953\n02=AFA\n03=C56", RingDots, RingStart)), 2);
    EXPECT_EQ(ErrorOf(CourseText(RingDefine, "1=953\n2=AFA", RingDots, RingStart)), 2)
        << "fewer rows than the map is high";
    EXPECT_EQ(ErrorOf(CourseText(RingDefine, RingMap, "1=OOO\n2=O.\n3=OOO", RingStart)), 3);
    EXPECT_EQ(ErrorOf(CourseText(RingDefine, RingMap, "1=OOO\n2=O.O", RingStart)), 3);
    EXPECT_EQ(ErrorOf("[DEFINE]\n" + RingDefine + "\n[MAP]\n" + RingMap + "\n[START]\n" +
                      RingStart),
              3)
        << "no MAPDOT section";
    // Both the map and the dots are bad: the map's check comes first.
    EXPECT_EQ(ErrorOf(CourseText(RingDefine, "1=9", "1=O", RingStart)), 2);

    EXPECT_EQ(ErrorOf(CourseText("MapSize=3,3", RingMap, RingDots, RingStart)), 4);
    EXPECT_EQ(ErrorOf(CourseText("MapSize=3,3\nStartNumber=2", RingMap, RingDots, RingStart)), 4);
    EXPECT_EQ(ErrorOf(CourseText(RingDefine, RingMap, RingDots, "Pos1=1,1,2,1,L,P")), 4)
        << "entries counted from Pos1";
    EXPECT_EQ(ErrorOf(CourseText("MapSize=3,3\nStartNumber=2", RingMap, RingDots,
                                 "Pos0=1,1,2,1\nPos1=")),
              4)
        << "an empty entry is not counted";
    EXPECT_EQ(ErrorOf(CourseText(RingDefine, RingMap, RingDots, "Pos0=4,1,2,1")), 4);
    EXPECT_EQ(ErrorOf(CourseText(RingDefine, RingMap, RingDots, "Pos0=1,0,2,1")), 4);
    EXPECT_EQ(ErrorOf(CourseText(RingDefine, RingMap, RingDots, "Pos0=1,1,1,1")), 4);
    EXPECT_EQ(ErrorOf(CourseText(RingDefine, RingMap, RingDots, "Pos0=1,1,8,1")), 4);
    EXPECT_EQ(ErrorOf(CourseText(RingDefine, RingMap, RingDots, "Pos0=1,1,6,-3")), 0)
        << "lanes are not checked";
}

TEST(CourseLoad, FieldSizeLimits)
{
    EXPECT_EQ(ErrorOf(CourseText(RingDefine + "\nScreenSize=682,3", RingMap, RingDots, RingStart)), 0)
        << "16368 pixels";
    EXPECT_EQ(ErrorOf(CourseText(RingDefine + "\nScreenSize=683,3", RingMap, RingDots, RingStart)),
              FieldTooLarge);
    EXPECT_EQ(ErrorOf(CourseText(RingDefine + "\nScreenSize=3,2147483647", RingMap, RingDots,
                                 RingStart)),
              FieldTooLarge)
        << "a huge size must not wrap into acceptance";
    // The field's image: 170 x 170 tiles of 24 pixels fit in 64 MiB, 171 x 171 do not.
    EXPECT_EQ(ErrorOf(CourseText(RingDefine + "\nScreenSize=170,170", RingMap, RingDots, RingStart)), 0);
    EXPECT_EQ(ErrorOf(CourseText(RingDefine + "\nScreenSize=171,171", RingMap, RingDots, RingStart)),
              FieldTooLarge);

    TempDir dir;
    TMap map = LoadCourseText(dir, CourseText(RingDefine + "\nScreenSize=0,20", RingMap, RingDots,
                                              RingStart));
    EXPECT_EQ(map.ScreenWidth, 72);
    EXPECT_EQ(map.ScreenHeight, 480);
    map = LoadCourseText(dir, CourseText(RingDefine + "\nScreenSize=-5,-1", RingMap, RingDots,
                                         RingStart));
    EXPECT_EQ(map.ScreenWidth, 72) << "a negative size counts as the course's own";
    EXPECT_EQ(map.ScreenHeight, 72);
}

TEST(CourseLoad, StartLettersAndDisplay)
{
    TempDir dir;
    const TMap map = LoadCourseText(
        dir, CourseText("MapSize=3,3\nStartNumber=5", RingMap, RingDots,
                        "Pos0=1,1,2,1,r,p\nPos1=3,1,4,1,right,q\nPos2=3,3,6,1,x,random\n"
                        "Pos3=1,3,0,1,,R\nPos4=2,1,2,1",
                        "[DISPLAY]\nProgram=5,2\nScore=1,1\nRestPlay=0,0\n"));
    EXPECT_EQ(map.StartSides, "RRLLL");
    EXPECT_EQ(map.StartKinds, "PPRRP");
    EXPECT_EQ(map.CarCount(), 4);
    EXPECT_EQ(map.StartEntry(5), (TRect{}));
    EXPECT_EQ(map.ProgramPos, (TPoint{4, 1}));
    EXPECT_EQ(map.ScorePos, (TPoint{0, 0}));
    EXPECT_EQ(map.RestPlayPos, (TPoint{-1, -1}));
    EXPECT_EQ(map.HiScorePos, (TPoint{-1, -1}));
}

TEST(CourseLoad, BlocksAndPath)
{
    TempDir dir;
    TMap map = LoadCourseText(
        dir, Ring("[BLOCK]\nNumber=3\n1=1,1,2,2\n2=2,2,3,3\n3=1,1,3,3\nPath=312\n"));
    EXPECT_EQ(map.BlockCount, 3);
    ASSERT_EQ(map.Blocks.size(), 3u);
    EXPECT_EQ(map.Blocks[1], (TRect{2, 2, 3, 3}));
    EXPECT_EQ(map.Path, "312");
    EXPECT_EQ(map.PathPlace(1), 2);
    EXPECT_EQ(map.PathPlace(4), 0);
    EXPECT_EQ(map.BlockAt({2, 2}), 1) << "overlapping blocks: the lowest number wins";
    EXPECT_EQ(map.BlockAt({3, 3}), 2);
    EXPECT_EQ(map.BlockAt({3, 1}), 3);
    EXPECT_EQ(map.BlockAt({4, 1}), 0);

    map = LoadCourseText(dir, Ring("[BLOCK]\nNumber=0\n1=1,1,3,3\nPath=1\n"));
    EXPECT_TRUE(map.Blocks.empty());
    EXPECT_EQ(map.Path, "");
    EXPECT_EQ(map.BlockAt({1, 1}), 0);

    // A huge block count claims no memory for blocks that are not there.
    map = LoadCourseText(dir, Ring("[BLOCK]\nNumber=2147483647\n2=1,1,3,3\n"));
    EXPECT_EQ(map.BlockCount, 2147483647);
    EXPECT_EQ(map.Blocks.size(), 2u);
    EXPECT_EQ(map.BlockAt({2, 2}), 2);

    // The place of a block in Path is found literally: block 1 stands inside "12".
    map.Path = "4121";
    EXPECT_EQ(map.PathPlace(12), 2);
    EXPECT_EQ(map.PathPlace(1), 2);
    EXPECT_EQ(map.PathPlace(21), 3);
}

TEST(CourseLoad, ExtraRowsAreKeptButNeverUsed)
{
    TempDir dir;
    const TMap map = LoadCourseText(
        dir, CourseText(RingDefine, RingMap + "\n4=FFF", RingDots + "\n4=OOO", RingStart));
    EXPECT_EQ(map.DotTotal, 8);
    EXPECT_EQ(map.Tiles.size(), 12u);
}

TEST(CourseLoad, DotsEatenSurvivesALoad)
{
    TempDir dir;
    TMap map = LoadCourseText(dir, Ring());
    map.EatDot({1, 1});
    map.LoadFromFile(dir.Write("again.dat", Ring()));
    EXPECT_EQ(map.DotsEaten, 1);
}

TEST(CourseGrid, CellQueries)
{
    TempDir dir;
    TMap map = LoadCourseText(
        dir, CourseText("MapSize=4,2\nStartNumber=1", "1=09AF\n2=aG 5", "1=Oo.O\n2=OOOO",
                        "Pos0=1,1,2,1"));
    EXPECT_TRUE(map.IsOutside({0, 1}));
    EXPECT_TRUE(map.IsOutside({1, 0}));
    EXPECT_TRUE(map.IsOutside({5, 1}));
    EXPECT_TRUE(map.IsOutside({1, 3}));
    EXPECT_FALSE(map.IsOutside({1, 1}));
    EXPECT_FALSE(map.IsOutside({4, 2}));
    EXPECT_EQ(map.TileAt({1, 1}), 0);
    EXPECT_EQ(map.TileAt({2, 1}), 9);
    EXPECT_EQ(map.TileAt({3, 1}), 10);
    EXPECT_EQ(map.TileAt({4, 1}), 15);
    EXPECT_EQ(map.TileAt({1, 2}), 42);
    EXPECT_EQ(map.TileAt({2, 2}), 16);
    EXPECT_EQ(map.TileAt({3, 2}), -16);
    EXPECT_EQ(map.DotTotal, 6) << "only upper-case O counts";
}

TEST(CourseGrid, EatingAndResettingDots)
{
    TempDir dir;
    TMap map = LoadCourseText(
        dir, CourseText("MapSize=3,1\nStartNumber=1", "1=000", "1=Oo.", "Pos0=1,1,2,1"));
    EXPECT_EQ(map.DotTotal, 1);
    EXPECT_FALSE(map.AllDotsEaten());
    map.EatDot({1, 1});
    EXPECT_EQ(map.DotAt(1, 1), 'o');
    EXPECT_TRUE(map.AllDotsEaten());
    map.EatDot({1, 1});
    EXPECT_EQ(map.DotsEaten, 2) << "eating does not look at the old character";
    map.ResetDots();
    EXPECT_EQ(map.DotsEaten, 0);
    EXPECT_EQ(map.DotAt(1, 1), 'O');
    EXPECT_EQ(map.DotAt(2, 1), 'O') << "a lower-case dot of the file becomes a dot";
    EXPECT_EQ(map.DotAt(3, 1), '.');

    TMap empty = LoadCourseText(
        dir, CourseText("MapSize=1,1\nStartNumber=1", "1=0", "1=.", "Pos0=1,1,2,1"));
    EXPECT_TRUE(empty.AllDotsEaten());
}

// A legal course of 682 x 682 cells would need two images of a gigabyte each; a tile sheet of
// huge tiles makes even a small course that large. Both are refused with a text that says so.
TEST(CourseLoad, FieldsTooLargeToDrawAreRefusedWithTheirOwnText)
{
    TempDir dir;
    std::string rows;
    std::string dots;
    for (int row = 1; row <= 682; ++row) {
        rows += std::to_string(row) + "=" + std::string(682, 'F') + "\n";
        dots += std::to_string(row) + "=" + std::string(682, '.') + "\n";
    }
    TMap map(96, 160, 60, false);
    map.SetErrorTexts({"unused", "no file", "bad map", "bad dots", "bad starts"});
    try {
        map.LoadFromFile(dir.Write("huge.dat", CourseText("MapSize=682,682\nStartNumber=1", rows, dots,
                                                          "Pos0=1,1,2,1")));
        ADD_FAILURE() << "a field of 16368 x 16368 pixels loaded";
    } catch (const CourseError& error) {
        EXPECT_EQ(error.Number, FieldTooLarge);
        EXPECT_STREQ(error.what(), FieldTooLargeText(16368, 16368, 24).c_str());
    }
    EXPECT_EQ(map.MapWidth, 0) << "nothing taken over";

    TMap hugeTiles(16384, 160, 60, false); // a tile sheet 1 x 16384 pixels: tiles of 4096
    hugeTiles.SetErrorTexts({"unused", "no file", "The course map is damaged", "bad dots", "bad starts"});
    try {
        hugeTiles.LoadFromFile(dir.Write("ring.dat", Ring()));
        ADD_FAILURE() << "tiles of 4096 pixels on a 3 x 3 course";
    } catch (const CourseError& error) {
        const std::string message = error.what();
        EXPECT_EQ(error.Number, FieldTooLarge);
        EXPECT_NE(message.find("12288 x 12288 pixels (3 x 3 tiles of 4096 pixels"), std::string::npos) << message;
        EXPECT_NE(message.find("tile sheet"), std::string::npos) << message;
        EXPECT_NE(message.find("64 MiB"), std::string::npos) << message;
    }
}

TEST(CourseLoad, HostileFilesEndInAnError)
{
    TempDir dir;
    TMap map(96, 160, 60, false);
    const std::string junk = std::string("\0\xff[MAP]\n1=\0\0\0\n", 14) +
                             "[DEFINE]\nMapSize=2147483647,2147483647";
    EXPECT_THROW(map.LoadFromFile(dir.Write("junk.dat", junk)), CourseError);
    const std::string longLine = "[DEFINE]\nMapSize=" + std::string(5'000'000, '9') + "\n";
    EXPECT_THROW(map.LoadFromFile(dir.Write("long.dat", longLine)), CourseError);
    EXPECT_THROW(map.LoadFromFile(dir.Write("huge.dat",
                                            CourseText("MapSize=100000,100000\nStartNumber=1",
                                                       "", "", "Pos0=1,1,2,1"))),
                 CourseError);
}
