// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing the cars: the sprite square for the direction and frame, the frame advance, the
// slide of a lane change, and the incremental draw that rebuilds only the area under the old
// and the new square.
#include "DrawSheets.h"
#include "TestFiles.h"

#include "cars/TCar.h"
#include "platform/Canvas.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace drawtest;

namespace {

// Six by four cells of distinct tiles, on a field two columns wider. Row 2 holds an eaten dot
// at column 3 and no dot at column 5.
const std::string Define = "MapSize=6,4\nStartNumber=1\nScreenSize=8,4";
const std::string Tiles = "1=123456\n2=789ABC\n3=DE1234\n4=56789A";
const std::string Dots = "1=OOOOOO\n2=OOoO.O\n3=OOOOOO\n4=OOOOOO";
const int Mask[4][6] = {
    {1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}, {13, 14, 1, 2, 3, 4}, {5, 6, 7, 8, 9, 10}};

struct Scene {
    explicit Scene(bool redrawMap = false, QImage sprites = SpriteSheet(),
                   const std::string& define = Define)
        : car(std::move(sprites))
    {
        map = std::make_unique<TMap>(&ground, &car, redrawMap);
        map->LoadFromFile(
            dir.Write("cars.dat", CourseText(define, Tiles, Dots, "Pos0=1,1,2,1,L,P")));
        field = Filled(map->ScreenWidth, map->ScreenHeight, Untouched);
        canvas = std::make_unique<brv::Canvas>(field);
        canvas->SetChangeListener([this](const QRect& r) { changes.push_back(r); });
        vehicle = std::make_unique<TCar>(map.get(), 1);
        vehicle->Place(map->StartEntry(0), 'P', 'L', 2); // AnimSteps {0, 4}
    }

    // Puts the car somewhere and paints the whole field with it, as the window's paint does.
    void PaintAt(TPoint cell, int32_t direction, int32_t progress = 0, int32_t turn = 0)
    {
        Move(cell, direction, progress, turn);
        map->DrawField(field, 0, 0, 0);
        vehicle->Draw(*canvas, false);
        changes.clear();
    }
    void Move(TPoint cell, int32_t direction, int32_t progress, int32_t turn = 0)
    {
        vehicle->Position = cell;
        vehicle->Direction = direction;
        vehicle->Progress = progress;
        vehicle->TurnDirection = turn;
    }
    // Drives right along the row in steps of 2 pixels, drawing after each step.
    void DriveRight(int cells)
    {
        for (int step = 0; step < cells * Tile / 2; ++step) {
            vehicle->Progress += 2;
            if (vehicle->Progress >= Tile) {
                vehicle->Progress = 0;
                vehicle->Position.X += 1;
            }
            vehicle->Draw(*canvas, true);
        }
    }
    uint32_t CarColor() const
    {
        return SpriteColor((vehicle->Direction / 2) * vehicle->FrameCount + vehicle->AnimFrame, 1);
    }

    QImage ground = TileSheet();
    QImage car;
    TempDir dir;
    std::unique_ptr<TMap> map;
    QImage field;
    std::unique_ptr<brv::Canvas> canvas;
    std::vector<QRect> changes;
    std::unique_ptr<TCar> vehicle;
};

// Every pixel outside `changed` is as it was.
bool SameOutside(const QImage& now, const QImage& before, const QRect& changed)
{
    for (int y = 0; y < now.height(); ++y)
        for (int x = 0; x < now.width(); ++x)
            if (!changed.contains(x, y) && now.pixel(x, y) != before.pixel(x, y))
                return false;
    return true;
}

} // namespace

TEST(DrawCar, FullDrawCopiesTheSquareOfDirectionAndFrame)
{
    Scene s;
    s.Move({2, 2}, 4, 0);
    s.map->DrawField(s.field, 0, 0, 0);
    const QImage before = s.field;
    s.vehicle->Draw(*s.canvas, false);
    EXPECT_EQ(s.vehicle->AnimFrame, 1); // the draw at the start of a cell advanced the frame
    EXPECT_TRUE(AllOf(s.field, 9, 9, Sprite, Sprite, SpriteColor(2 * 2 + 1, 1)));
    EXPECT_TRUE(SameOutside(s.field, before, QRect(9, 9, Sprite, Sprite)));
    EXPECT_EQ(s.vehicle->DrawnPos, (TPoint{9, 9}));
    EXPECT_TRUE(s.vehicle->Drawn);
    ASSERT_EQ(s.changes.size(), 1u);
    EXPECT_EQ(s.changes[0], QRect(9, 9, Sprite, Sprite));
}

TEST(DrawCar, PlayerCarsComeFromTheFirstRow)
{
    Scene s;
    TCar player(s.map.get(), 0);
    player.Place(s.map->StartEntry(0), 'P', 'L', 2);
    player.Position = {4, 3};
    player.Direction = 6;
    player.Draw(*s.canvas, false);
    EXPECT_TRUE(AllOf(s.field, 25, 17, Sprite, Sprite, SpriteColor(3 * 2 + 1, 0)));
}

TEST(DrawCar, FrameAdvancesAtTheProgressOfAnimSteps)
{
    Scene s;
    s.PaintAt({1, 1}, 2, 0);
    ASSERT_EQ(s.vehicle->FrameCount, 2);
    const int frames[] = {1, 0, 0, 1, 1, 0, 0}; // after Progress 2, 4, 6, 0, 2, 4, 6
    int i = 0;
    for (int step = 0; step < 7; ++step) {
        s.vehicle->Progress += 2;
        if (s.vehicle->Progress >= Tile) {
            s.vehicle->Progress = 0;
            s.vehicle->Position.X += 1;
        }
        s.vehicle->Draw(*s.canvas, true);
        EXPECT_EQ(s.vehicle->AnimFrame, frames[i++]) << "step " << step;
        const int px = s.vehicle->DrawnPos.X;
        EXPECT_TRUE(
            AllOf(s.field, px, 1, Sprite, Sprite, SpriteColor(2 + s.vehicle->AnimFrame, 1)));
    }
}

TEST(DrawCar, StandingCarAnimatesOnlyAtAnAnimStep)
{
    Scene s;
    s.PaintAt({2, 2}, 2, 4);
    const int32_t frame = s.vehicle->AnimFrame;
    s.vehicle->Draw(*s.canvas, true);
    EXPECT_NE(s.vehicle->AnimFrame, frame);
    s.vehicle->Draw(*s.canvas, true);
    EXPECT_EQ(s.vehicle->AnimFrame, frame);

    s.vehicle->Progress = 2;
    for (int k = 0; k < 3; ++k) {
        s.vehicle->Draw(*s.canvas, true);
        EXPECT_EQ(s.vehicle->AnimFrame, frame);
    }
}

TEST(DrawCar, WithoutAnimationTheColumnIsTheDirectionGroup)
{
    Scene one(false, SpriteSheet(1));
    ASSERT_EQ(one.vehicle->FrameCount, 1);
    one.PaintAt({2, 2}, 6, 0);
    EXPECT_EQ(one.vehicle->AnimFrame, 0);
    EXPECT_TRUE(AllOf(one.field, 9, 9, Sprite, Sprite, SpriteColor(3, 1)));

    // A sheet narrower than four sprites has no frames at all and is drawn the same way.
    QImage narrow = SpriteSheet(1).copy(0, 0, 3 * Sprite, 3 * Sprite);
    Scene none(false, narrow);
    ASSERT_EQ(none.vehicle->FrameCount, 0);
    none.PaintAt({2, 2}, 2, 0);
    EXPECT_EQ(none.vehicle->AnimFrame, 0);
    EXPECT_TRUE(AllOf(none.field, 9, 9, Sprite, Sprite, SpriteColor(1, 1)));
}

TEST(DrawCar, LaneChangeSlidesDiagonallyFacingAhead)
{
    Scene s;
    s.PaintAt({3, 3}, 0, 3, 7); // up, changing to the left lane
    EXPECT_EQ(s.vehicle->DrawnPos, (TPoint{17 - 3, 17 - 3}));
    EXPECT_TRUE(AllOf(s.field, 14, 14, Sprite, Sprite, SpriteColor(0 + s.vehicle->AnimFrame, 1)));

    s.PaintAt({3, 3}, 2, 5, 3); // right, changing to the lane below
    EXPECT_EQ(s.vehicle->DrawnPos, (TPoint{17 + 5, 17 + 5}));
    EXPECT_TRUE(AllOf(s.field, 22, 22, Sprite, Sprite, SpriteColor(2 + s.vehicle->AnimFrame, 1)));

    s.PaintAt({3, 3}, 2, 0, 3); // no progress yet: still on the cell
    EXPECT_EQ(s.vehicle->DrawnPos, (TPoint{17, 17}));
}

TEST(DrawCar, IncrementalDrawChangesExactlyTheUnionOfOldAndNewSquare)
{
    Scene s;
    s.PaintAt({3, 2}, 2, 0); // on the eaten dot
    const QImage before = s.field;
    s.vehicle->Progress = 3;
    s.vehicle->Draw(*s.canvas, true);
    const QRect area(17, 9, 3 + Sprite, Sprite);
    ASSERT_EQ(s.changes.size(), 1u);
    EXPECT_EQ(s.changes[0], area);
    EXPECT_TRUE(SameOutside(s.field, before, area));
    EXPECT_TRUE(AllOf(s.field, 20, 9, Sprite, Sprite, s.CarColor()));
    // Where the car was: the sprite sheet's background, not the tile.
    EXPECT_TRUE(AllOf(s.field, 17, 9, 3, Sprite, SpriteBackground));
    EXPECT_EQ(Px(s.field, 17, 8), TileColor(9));
}

TEST(DrawCar, UnmovedCarRestoresOnlyItsOwnSquare)
{
    Scene s;
    s.PaintAt({5, 2}, 2, 2);
    const QImage before = s.field;
    s.vehicle->Draw(*s.canvas, true);
    ASSERT_EQ(s.changes.size(), 1u);
    EXPECT_EQ(s.changes[0], QRect(35, 9, Sprite, Sprite));
    EXPECT_EQ(s.field, before);
}

TEST(DrawCar, FirstIncrementalDrawAfterPlacementIsAFullDraw)
{
    Scene s;
    s.PaintAt({2, 2}, 2, 0);
    const uint32_t oldColor = s.CarColor();
    s.vehicle->Place(s.map->StartEntry(0), 'P', 'L', 2);
    s.vehicle->Position = {5, 3};
    s.vehicle->Draw(*s.canvas, true);
    ASSERT_EQ(s.changes.size(), 1u);
    EXPECT_EQ(s.changes[0], QRect(33, 17, Sprite, Sprite));
    EXPECT_TRUE(AllOf(s.field, 9, 9, Sprite, Sprite, oldColor)); // the old car stays
}

class DrawCarBackground : public ::testing::TestWithParam<bool> {};

TEST_P(DrawCarBackground, UneatenDotsReappearBehindThePassingCar)
{
    const bool redraw = GetParam();
    Scene s(redraw);
    s.PaintAt({1, 2}, 2, 0);
    s.DriveRight(3); // through cells 2 ("O"), 3 ("o") and 4 ("O")
    EXPECT_EQ(s.vehicle->Position, (TPoint{4, 2}));
    s.DriveRight(2);

    for (int column : {1, 2, 4}) {
        SCOPED_TRACE(column);
        const int x = (column - 1) * Tile;
        EXPECT_TRUE(AllOf(s.field, x + Offset, 9, Sprite, Sprite, DotColor));
        // Beside the dot, within the rows the car swept: the rebuilt background.
        const uint32_t tile = redraw ? TileColor(Mask[1][column - 1]) : SpriteBackground;
        EXPECT_EQ(Px(s.field, x + Tile - 1, 10), tile);
        EXPECT_EQ(Px(s.field, x + Tile - 1, 14), tile);
        // Above and below the swept rows the painted tile is untouched.
        EXPECT_EQ(Px(s.field, x, 8), TileColor(Mask[1][column - 1]));
        EXPECT_EQ(Px(s.field, x, 15), TileColor(Mask[1][column - 1]));
    }
    // The eaten dot's cell shows no dot.
    const uint32_t bare = redraw ? TileColor(Mask[1][2]) : SpriteBackground;
    EXPECT_TRUE(AllOf(s.field, 16, 9, Tile, Sprite, bare));
}

TEST_P(DrawCarBackground, CellsBeyondTheCourseHaveNoDotAndShowTheGround)
{
    const bool redraw = GetParam();
    Scene s(redraw);
    s.PaintAt({6, 2}, 2, 0);
    s.vehicle->Position = {7, 2}; // driven off the open edge, as before a fatal arrival
    s.vehicle->Draw(*s.canvas, true);
    const QRect area(41, 9, 8 + Sprite, Sprite);
    ASSERT_EQ(s.changes.size(), 1u);
    EXPECT_EQ(s.changes[0], area);
    EXPECT_TRUE(AllOf(s.field, 49, 9, Sprite, Sprite, s.CarColor()));
    EXPECT_TRUE(AllOf(s.field, 41, 9, Sprite, Sprite, DotColor)); // cell 6 holds "O"
    EXPECT_EQ(Px(s.field, 47, 11), redraw ? TileColor(12) : SpriteBackground);
    EXPECT_EQ(Px(s.field, 48, 11), redraw ? GroundBackground : SpriteBackground);
}

INSTANTIATE_TEST_SUITE_P(DrawCarRedrawMap, DrawCarBackground, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Tiles" : "FlatColour"; });

namespace {

// The incremental draw done the plain way: a bitmap of all the whole tiles under the area,
// dots and car copied in with QPainter, the area copied out.
void PlainIncrementalDraw(const TMap& map, const TCar& car, TPoint newPos, QImage& field)
{
    const int T = map.TileSize, S = map.SpriteSize;
    const int left = std::min(car.DrawnPos.X, newPos.X),
              right = std::max(car.DrawnPos.X, newPos.X) + S;
    const int top = std::min(car.DrawnPos.Y, newPos.Y),
              bottom = std::max(car.DrawnPos.Y, newPos.Y) + S;
    const int c0 = left / T + 1, nc = (right - 1) / T - left / T + 1;
    const int r0 = top / T + 1, nr = (bottom - 1) / T - top / T + 1;
    QImage temp(nc * T, nr * T, QImage::Format_RGB32);
    if (map.RedrawMap)
        map.DrawTiles(temp, {c0, r0, nc, nr});
    else
        temp.fill(map.CarBitmap->pixel(0, 0));
    QPainter p(&temp);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (int i = 0; i < nc; ++i)
        for (int j = 0; j < nr; ++j)
            if (!map.IsOutside({c0 + i, r0 + j}) && map.DotAt(c0 + i, r0 + j) == 'O')
                p.drawImage(QPoint(i * T + map.SpriteOffset, j * T + map.SpriteOffset),
                            *map.CarBitmap, QRect(0, 2 * S, S, S));
    const int column = (car.Direction / 2) * car.FrameCount + car.AnimFrame;
    p.drawImage(QPoint(newPos.X - (c0 - 1) * T, newPos.Y - (r0 - 1) * T), *map.CarBitmap,
                QRect(S * column, S * car.SpriteRow, S, S));
    p.end();
    QPainter out(&field);
    out.setCompositionMode(QPainter::CompositionMode_Source);
    out.drawImage(QPoint(left, top), temp,
                  QRect(left - (c0 - 1) * T, top - (r0 - 1) * T, right - left, bottom - top));
}

} // namespace

TEST_P(DrawCarBackground, SpritesLargerThanTilesNearTheEdgesMatchThePlainDraw)
{
    // 10-pixel sprites on 8-pixel tiles: dots spill into the neighbouring cells and squares
    // reach past the field's edges.
    const bool redraw = GetParam();
    struct Case {
        TPoint from, to;
        int32_t direction, progressFrom, progressTo;
    };
    // On a field wider than the course, and on one that shows only part of it.
    const Case wide[] = {{{1, 1}, {1, 1}, 6, 0, 5}, {{1, 2}, {1, 2}, 6, 2, 7},
                         {{2, 1}, {2, 1}, 0, 0, 6}, {{6, 4}, {7, 4}, 2, 6, 0},
                         {{8, 4}, {8, 4}, 4, 2, 6}, {{3, 3}, {4, 3}, 2, 7, 1},
                         {{1, 4}, {1, 4}, 4, 0, 7}};
    const Case part[] = {{{4, 1}, {4, 1}, 2, 2, 6}, {{1, 3}, {1, 3}, 4, 1, 5},
                         {{4, 3}, {4, 3}, 2, 0, 3}, {{4, 3}, {5, 3}, 2, 6, 1},
                         {{4, 1}, {4, 1}, 4, 0, 6}, {{2, 3}, {2, 3}, 2, 0, 6}};
    Scene wideScene(redraw, SpriteSheet(2, 10));
    Scene partScene(redraw, SpriteSheet(2, 10), "MapSize=6,4\nStartNumber=1\nScreenSize=4,3");
    ASSERT_EQ(wideScene.map->SpriteOffset, -1);
    // Undotted cells at the edge, so that what shows there is the dot of the cell beyond.
    partScene.map->SetDot(4, 1, '.');
    partScene.map->SetDot(2, 3, '.');
    std::vector<std::pair<Scene*, Case>> all;
    for (const Case& c : wide)
        all.emplace_back(&wideScene, c);
    for (const Case& c : part)
        all.emplace_back(&partScene, c);
    for (auto& [scene, c] : all) {
        Scene& s = *scene;
        SCOPED_TRACE(testing::Message() << s.field.width() << ": " << c.from.X << "," << c.from.Y);
        s.PaintAt(c.from, c.direction, c.progressFrom);
        s.Move(c.to, c.direction, c.progressTo);
        TCar twin(s.map.get(), 1);
        twin.Direction = s.vehicle->Direction;
        twin.FrameCount = s.vehicle->FrameCount;
        twin.AnimFrame = s.vehicle->AnimFrame;
        twin.DrawnPos = s.vehicle->DrawnPos;
        QImage expected = s.field;
        s.vehicle->Draw(*s.canvas, true);
        twin.AnimFrame = s.vehicle->AnimFrame; // the frame the draw settled on
        PlainIncrementalDraw(*s.map, twin, s.vehicle->DrawnPos, expected);
        EXPECT_EQ(s.field, expected);
    }
}
