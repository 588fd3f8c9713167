// SPDX-License-Identifier: GPL-3.0-or-later
// Rendering the course: tiles by wall mask, uneaten dots, the ground beyond the map, the
// captions, bare tile areas for the car drawing, and the score redraw.
#include "DrawSheets.h"
#include "TestFiles.h"

#include "platform/Canvas.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace drawtest;

namespace {

// The ring of three by three cells: tiles 9 5 3 / A F A / C 5 6.
const std::string RingTiles = "1=953\n2=AFA\n3=C56";
const int RingMask[3][3] = {{9, 5, 3}, {10, 15, 10}, {12, 5, 6}};
// Captions off the field unless a test places them.
const std::string FarCaptions = "[DISPLAY]\nProgram=99,99\nScore=99,99\nPoint=99,99\n"
                                "HiScore=99,99\nHiPoint=99,99\nRest=99,99\nRestPlay=99,99\n";

struct Field {
    QImage ground = TileSheet();
    QImage car = SpriteSheet();
    TempDir dir;
    std::unique_ptr<TMap> map;

    void Load(const std::string& define, const std::string& tiles, const std::string& dots,
              const std::string& extra = FarCaptions)
    {
        map = std::make_unique<TMap>(&ground, &car, false);
        map->LoadFromFile(
            dir.Write("field.dat", CourseText(define, tiles, dots, "Pos0=1,1,2,1,L,P", extra)));
    }
    QImage Draw(int width, int height, int score = 0, int hiScore = 0, int rest = 0) const
    {
        QImage target = Filled(width, height, Untouched);
        map->DrawField(target, score, hiScore, rest);
        return target;
    }
    QImage Draw() const { return Draw(map->ScreenWidth, map->ScreenHeight); }
};

// A cell's tile is shown when its far corner has the tile's colour (the near corner of tile
// 0 carries the sheet's background pixel).
uint32_t CellCorner(const QImage& image, int column, int row)
{
    return Px(image, column * Tile - 1, row * Tile - 1);
}

bool ShowsDot(const QImage& image, int column, int row)
{
    return AllOf(image, (column - 1) * Tile + Offset, (row - 1) * Tile + Offset, Sprite, Sprite,
                 DotColor);
}

} // namespace

TEST(DrawField, HexDigitsSelectTheirTiles)
{
    Field f;
    f.Load("MapSize=16,1\nStartNumber=1", "1=0123456789ABCDEF", "1=................");
    const QImage image = f.Draw();
    for (int t = 1; t < 16; ++t)
        EXPECT_TRUE(AllOf(image, t * Tile, 0, Tile, Tile, TileColor(t))) << t;
    EXPECT_EQ(Px(image, 0, 0), GroundBackground); // tile 0 keeps the sheet's own corner pixel
    EXPECT_TRUE(AllOf(image, 1, 1, Tile - 1, Tile - 1, TileColor(0)));
}

TEST(DrawField, OnlyUneatenDotsAreDrawn)
{
    Field f;
    f.Load("MapSize=3,3\nStartNumber=1", RingTiles, "1=OoO\n2=O.x\n3=0OO");
    const QImage image = f.Draw();
    const bool dotted[3][3] = {{true, false, true}, {true, false, false}, {false, true, true}};
    for (int row = 1; row <= 3; ++row) {
        for (int column = 1; column <= 3; ++column) {
            EXPECT_EQ(ShowsDot(image, column, row), dotted[row - 1][column - 1])
                << column << "," << row;
            // The dot is an opaque square inside the tile; the tile's rim stays visible.
            EXPECT_EQ(Px(image, (column - 1) * Tile + Tile - 1, (row - 1) * Tile + Tile - 1),
                      TileColor(RingMask[row - 1][column - 1]));
        }
    }
}

TEST(DrawField, GroundFillsBothStripsAndTheCorner)
{
    Field f;
    f.Load("MapSize=3,3\nStartNumber=1\nScreenSize=5,4", RingTiles, "1=...\n2=...\n3=...");
    const QImage image = f.Draw();
    ASSERT_EQ(image.size(), QSize(40, 32));
    EXPECT_TRUE(AllOf(image, 24, 0, 16, 24, GroundBackground));
    EXPECT_TRUE(AllOf(image, 0, 24, 24, 8, GroundBackground));
    EXPECT_TRUE(AllOf(image, 24, 24, 16, 8, GroundBackground));
    EXPECT_EQ(CellCorner(image, 3, 3), TileColor(6));
}

TEST(DrawField, StripsAreOnlyAsLongAsTheMap)
{
    // Wider only: the strip right of the map is as high as the map; the target below the
    // field is not the field's and keeps what it had.
    Field f;
    f.Load("MapSize=3,3\nStartNumber=1\nScreenSize=5,0", RingTiles, "1=...\n2=...\n3=...");
    EXPECT_EQ(f.map->ScreenHeight, 24);
    QImage image = f.Draw(40, 32);
    EXPECT_TRUE(AllOf(image, 24, 0, 16, 24, GroundBackground));
    EXPECT_TRUE(AllOf(image, 0, 24, 40, 8, Untouched));

    f.Load("MapSize=3,3\nStartNumber=1\nScreenSize=0,4", RingTiles, "1=...\n2=...\n3=...");
    image = f.Draw(40, 32);
    EXPECT_TRUE(AllOf(image, 0, 24, 24, 8, GroundBackground));
    EXPECT_TRUE(AllOf(image, 24, 0, 16, 32, Untouched));

    // No ScreenSize: no fill at all.
    f.Load("MapSize=3,3\nStartNumber=1", RingTiles, "1=...\n2=...\n3=...");
    image = f.Draw(40, 32);
    EXPECT_TRUE(AllOf(image, 24, 0, 16, 32, Untouched));
    EXPECT_TRUE(AllOf(image, 0, 24, 40, 8, Untouched));
}

TEST(DrawField, FieldSmallerThanTheCourseShowsItsTopLeft)
{
    Field f;
    f.Load("MapSize=3,3\nStartNumber=1\nScreenSize=2,1", RingTiles, "1=..O\n2=...\n3=...");
    const QImage image = f.Draw();
    ASSERT_EQ(image.size(), QSize(16, 8));
    EXPECT_EQ(CellCorner(image, 1, 1), TileColor(9));
    EXPECT_EQ(CellCorner(image, 2, 1), TileColor(5));
}

TEST(DrawField, ForeignTileValuesAndMissingSheetPartsShowTheGround)
{
    Field f;
    f.Load("MapSize=4,1\nStartNumber=1", "1=G 1a", "1=O...");
    QImage image = f.Draw();
    // 'G' is 16: the ground, with its dot on top; ' ' is -16 and 'a' 42.
    EXPECT_EQ(Px(image, 0, 0), GroundBackground);
    EXPECT_EQ(Px(image, Tile - 1, Tile - 1), GroundBackground);
    EXPECT_TRUE(ShowsDot(image, 1, 1));
    EXPECT_TRUE(AllOf(image, Tile, 0, Tile, Tile, GroundBackground));
    EXPECT_TRUE(AllOf(image, 2 * Tile, 0, Tile, Tile, TileColor(1)));
    EXPECT_TRUE(AllOf(image, 3 * Tile, 0, Tile, Tile, GroundBackground));

    // A sheet of only two tile columns: tiles from the missing columns show the ground.
    f.ground = TileSheet(2);
    f.Load("MapSize=4,1\nStartNumber=1", "1=1237", "1=....");
    image = f.Draw();
    EXPECT_TRUE(AllOf(image, 0, 0, Tile, Tile, TileColor(1)));
    EXPECT_TRUE(AllOf(image, Tile, 0, Tile, Tile, GroundBackground));
    EXPECT_TRUE(AllOf(image, 2 * Tile, 0, Tile, Tile, GroundBackground));
    EXPECT_TRUE(AllOf(image, 3 * Tile, 0, Tile, Tile, GroundBackground));
}

TEST(DrawField, BackgroundFollowsTheSheetsCornerPixel)
{
    Field f;
    f.Load("MapSize=3,3\nStartNumber=1\nScreenSize=4,3", RingTiles, "1=...\n2=...\n3=...");
    f.ground.setPixelColor(0, 0, brv::ColorFromBgr(0x0A0B0C));
    const QImage image = f.Draw();
    EXPECT_TRUE(AllOf(image, 24, 0, 8, 24, 0x0A0B0C));
}

TEST(DrawField, CaptionsStandAtTheirTilesInTheirColours)
{
    Field f;
    const std::string display = "[DISPLAY]\nProgram=2,1\nScore=2,3\nPoint=2,5\nHiScore=2,7\n"
                                "HiPoint=2,9\nRest=2,11\nRestPlay=2,13\n";
    f.Load("MapSize=12,14\nStartNumber=1",
           "1=FFFFFFFFFFFF\n2=FFFFFFFFFFFF\n3=FFFFFFFFFFFF\n4=FFFFFFFFFFFF\n5=FFFFFFFFFFFF\n"
           "6=FFFFFFFFFFFF\n7=FFFFFFFFFFFF\n8=FFFFFFFFFFFF\n9=FFFFFFFFFFFF\n10=FFFFFFFFFFFF\n"
           "11=FFFFFFFFFFFF\n12=FFFFFFFFFFFF\n13=FFFFFFFFFFFF\n14=FFFFFFFFFFFF",
           "1=............\n2=............\n3=............\n4=............\n5=............\n"
           "6=............\n7=............\n8=............\n9=............\n10=............\n"
           "11=............\n12=............\n13=............\n14=............",
           display);
    const QImage image = f.Draw(f.map->ScreenWidth, f.map->ScreenHeight, 1230, 45600, 2);
    const QFontMetrics metrics(brv::FieldFont(), &image);
    struct Caption {
        const char* text;
        int row;
        uint32_t color;
    };
    // Each caption two tiles below the previous; the text is 14 pixels high, so each box ends
    // before the next begins.
    const Caption captions[] = {{"Brevanto", 0, 0xFFFFFF}, {"SCORE", 2, 0xFF0000},
                                {"1230", 4, 0xFF0000},     {"HI SCORE", 6, 0x008000},
                                {"45600", 8, 0x008000},    {"REST", 10, 0x0000FF},
                                {"2", 12, 0x0000FF}};
    for (const Caption& c : captions) {
        const int x = Tile;
        const int y = c.row * Tile;
        const int width = metrics.horizontalAdvance(QString::fromLatin1(c.text));
        SCOPED_TRACE(c.text);
        EXPECT_TRUE(AllOf(image, x, y, width, 1, GroundBackground));
        EXPECT_EQ(Px(image, x - 1, y), TileColor(15));
        if (y > 0) {
            EXPECT_EQ(Px(image, x, y - 1), TileColor(15));
        }
        EXPECT_EQ(Px(image, x + width, y), TileColor(15));
        int inked = 0;
        for (int j = y; j < y + metrics.height(); ++j)
            for (int i = x; i < x + width; ++i)
                inked += Px(image, i, j) == c.color;
        EXPECT_GT(inked, 5);
    }
}

TEST(DrawField, AbsentCaptionPlacesLieAboveAndLeftOfTheField)
{
    Field f;
    f.Load("MapSize=12,4\nStartNumber=1",
           "1=FFFFFFFFFFFF\n2=FFFFFFFFFFFF\n3=FFFFFFFFFFFF\n4=FFFFFFFFFFFF",
           "1=............\n2=............\n3=............\n4=............", "");
    const QImage image = f.Draw();
    const QFontMetrics metrics(brv::FieldFont(), &image);
    // All seven boxes start at (-8, -8): what shows is the lower right part of their union.
    int widest = 0;
    for (const char* text : {"Brevanto", "SCORE", "0", "HI SCORE", "0", "REST", "0"})
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromLatin1(text)));
    const int width = widest - Tile;
    const int height = metrics.height() - Tile;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            ASSERT_NE(Px(image, x, y), TileColor(15)) << x << "," << y;
    EXPECT_EQ(Px(image, width + 1, 0), TileColor(15));
    EXPECT_EQ(Px(image, 0, height), TileColor(15));
}

TEST(DrawField, DrawTilesOfThreeByTwoCells)
{
    Field f;
    f.Load("MapSize=8,8\nStartNumber=1",
           "1=00000000\n2=00000000\n3=00000000\n4=00000000\n5=00000000\n"
           "6=00000000\n7=00001230\n8=00004560",
           "1=........\n2=........\n3=........\n4=........\n5=........\n6=........\n"
           "7=........\n8=........");
    QImage target = Filled(40, 24, Untouched);
    f.map->DrawTiles(target, {5, 7, 3, 2});
    for (int t = 1; t <= 6; ++t)
        EXPECT_TRUE(
            AllOf(target, ((t - 1) % 3) * Tile, ((t - 1) / 3) * Tile, Tile, Tile, TileColor(t)))
            << t;
    EXPECT_TRUE(AllOf(target, 24, 0, 16, 24, Untouched));
    EXPECT_TRUE(AllOf(target, 0, 16, 40, 8, Untouched));
}

TEST(DrawField, DrawTilesOfEmptyOrOutsideAreas)
{
    Field f;
    f.Load("MapSize=3,3\nStartNumber=1", RingTiles, "1=...\n2=...\n3=...");
    QImage target = Filled(24, 24, Untouched);
    const QImage before = target;
    f.map->DrawTiles(target, {1, 1, 0, 3});
    f.map->DrawTiles(target, {1, 1, 3, -1});
    EXPECT_EQ(target, before);

    // Cells off the course show the ground colour.
    f.map->DrawTiles(target, {0, 3, 3, 2});
    EXPECT_TRUE(AllOf(target, 0, 0, Tile, 16, GroundBackground));
    EXPECT_TRUE(AllOf(target, Tile, 0, Tile, Tile, TileColor(12)));
    EXPECT_TRUE(AllOf(target, 2 * Tile, 0, Tile, Tile, TileColor(5)));
    EXPECT_TRUE(AllOf(target, Tile, Tile, 16, Tile, GroundBackground));

    // An area of any size only costs what lands on the target.
    f.map->DrawTiles(target, {-2147483647, -2147483647, 2147483647, 2147483647});
    EXPECT_TRUE(AllOf(target, 0, 0, 24, 24, GroundBackground));
}

TEST(DrawField, DrawScoreWritesOverTheNumberOnTheCanvasFill)
{
    Field f;
    f.Load("MapSize=12,4\nStartNumber=1",
           "1=FFFFFFFFFFFF\n2=FFFFFFFFFFFF\n3=FFFFFFFFFFFF\n4=FFFFFFFFFFFF",
           "1=............\n2=............\n3=............\n4=............",
           "[DISPLAY]\nPoint=2,1\nHiPoint=6,3\n");
    QImage window = f.Draw();
    brv::Canvas canvas(window);
    std::vector<QRect> changes;
    canvas.SetChangeListener([&](const QRect& r) { changes.push_back(r); });
    canvas.SetFillColor(0x0C0B0A);
    const QFontMetrics metrics(canvas.Font(), &window);

    f.map->DrawScore(canvas, 0, true);
    const int width = metrics.horizontalAdvance(QStringLiteral("0"));
    EXPECT_TRUE(AllOf(window, 5 * Tile, 2 * Tile, width, 1, 0x0C0B0A));
    EXPECT_EQ(Px(window, 5 * Tile + width, 2 * Tile), TileColor(15));
    int green = 0;
    for (int y = 2 * Tile; y < 2 * Tile + metrics.height(); ++y)
        for (int x = 5 * Tile; x < 5 * Tile + width; ++x)
            green += Px(window, x, y) == 0x008000;
    EXPECT_GT(green, 3);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_TRUE(changes[0].contains(QRect(5 * Tile, 2 * Tile, width, metrics.height())));

    f.map->DrawScore(canvas, 70, false);
    EXPECT_EQ(canvas.FontColor(), 0xFF0000u);
    const int scoreWidth = metrics.horizontalAdvance(QStringLiteral("70"));
    EXPECT_TRUE(AllOf(window, Tile, 0, scoreWidth, 1, 0x0C0B0A));
    EXPECT_EQ(changes.size(), 2u);
}
