// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestFiles.h"

#include "cars/TCar.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

namespace {
// A course from its tile rows (all cells without dots), optionally with blocks and a path.
TMap Grid(const TempDir& dir, const std::vector<std::string>& rows, const std::string& block = "")
{
    std::string map, dots;
    for (size_t i = 0; i < rows.size(); ++i) {
        map += std::to_string(i + 1) + "=" + rows[i] + "\n";
        dots += std::to_string(i + 1) + "=" + std::string(rows[i].size(), '.') + "\n";
    }
    const std::string define = "MapSize=" + std::to_string(rows[0].size()) + "," +
                               std::to_string(rows.size()) + "\nStartNumber=1";
    return LoadCourseText(dir, CourseText(define, map, dots, "Pos0=1,1,2,1", block));
}

// Places a car that arrives at its next cell with the next step.
void PlaceArriving(TCar& car, TPoint at, int32_t direction, int32_t lane = 0, char kind = 'P',
                   char side = 'L')
{
    car.Place({at.X, at.Y, direction, lane}, kind, side, 24);
}
} // namespace

TEST(CarMotion, TurnsAtWallsLeftFirstThenRight)
{
    TempDir dir;
    for (const auto& [tile, result, direction] :
         {std::tuple{'1', MoveResult::Arrived, 6}, std::tuple{'9', MoveResult::Arrived, 2},
          std::tuple{'B', MoveResult::DeadEnd, 0}}) {
        TMap map = Grid(dir, {std::string(1, tile), "0"});
        TCar car(&map, 1);
        PlaceArriving(car, {1, 2}, 0);
        EXPECT_EQ(car.Step(0, 0), result) << "tile " << tile;
        EXPECT_EQ(car.Direction, direction) << "tile " << tile;
        EXPECT_EQ(car.Position, (TPoint{1, 1}));
    }
}

TEST(CarMotion, TurnsWrapAroundTheCompass)
{
    TempDir dir;
    TMap map = Grid(dir, {"1", "0"}); // north closed, driving up: left turn from 0 gives 6
    TCar up(&map, 1);
    PlaceArriving(up, {1, 2}, 0);
    up.Step(0, 0);
    EXPECT_EQ(up.Direction, 6);

    TMap west = Grid(dir, {"C0"}); // west and south closed, driving left: right turn gives 0
    TCar left(&west, 1);
    PlaceArriving(left, {2, 1}, 6);
    EXPECT_EQ(left.Step(0, 0), MoveResult::Arrived);
    EXPECT_EQ(left.Direction, 0);
}

TEST(CarMotion, LeavingTheCourseIsFatal)
{
    TempDir dir;
    TMap map = Grid(dir, {"0"});
    TCar car(&map, 1);
    PlaceArriving(car, {1, 1}, 2);
    EXPECT_EQ(car.Step(0, 0), MoveResult::LeftCourse);
    EXPECT_EQ(car.Position, (TPoint{2, 1})) << "the car stays where it got to";
    EXPECT_EQ(car.Progress, 0);
}

TEST(CarMotion, ProgressBetweenCells)
{
    TempDir dir;
    TMap map = Grid(dir, {"000"});
    TCar car(&map, 1);
    car.Place({1, 1, 2, 0}, 'P', 'L', 6);
    for (int tick = 1; tick <= 3; ++tick) {
        EXPECT_EQ(car.Step(0, 0), MoveResult::Moving);
        EXPECT_EQ(car.Progress, 6 * tick);
    }
    EXPECT_EQ(car.Step(0, 0), MoveResult::Arrived);
    EXPECT_EQ(car.Position, (TPoint{2, 1}));
    EXPECT_EQ(car.Progress, 0);
}

TEST(CarMotion, PlacementAndAnimationSteps)
{
    TempDir dir;
    TMap map = Grid(dir, {"000"});
    TCar car(&map, 1);
    car.Progress = 5;
    car.Drawn = true;
    car.TurnDirection = 3;
    car.Place({2, 1, 4, 7}, 'R', 'R', 6);
    EXPECT_EQ(car.Position, (TPoint{2, 1}));
    EXPECT_EQ(car.Direction, 4);
    EXPECT_EQ(car.Lane, 7);
    EXPECT_EQ(car.TurnDirection, 0);
    EXPECT_EQ(car.Progress, 0);
    EXPECT_FALSE(car.Drawn);
    EXPECT_EQ(car.Kind, 'R');
    EXPECT_EQ(car.Speed, 6);

    auto steps = [&](int32_t speed) {
        car.Place({1, 1, 2, 0}, 'P', 'L', speed);
        std::vector<int> members;
        for (int i = 0; i < 256; ++i)
            if (car.AnimSteps.test(static_cast<size_t>(i)))
                members.push_back(i);
        return members;
    };
    EXPECT_EQ(steps(6), (std::vector<int>{0, 12}));
    EXPECT_EQ(steps(8), (std::vector<int>{0, 8}));
    EXPECT_EQ(steps(24), (std::vector<int>{0}));
    EXPECT_EQ(steps(0), (std::vector<int>{0})) << "a zero speed must not divide by zero";
}

TEST(CarMotion, FramesFollowTheSheetWidth)
{
    EXPECT_EQ(TCar(std::make_unique<TMap>(96, 160, 60, false).get(), 0).FrameCount, 2);
    TMap four(96, 80, 60, false);
    EXPECT_EQ(TCar(&four, 0).FrameCount, 1);
    TMap narrow(96, 79, 60, false);
    EXPECT_EQ(TCar(&narrow, 0).FrameCount, 0);
    TMap tiny(96, 160, 2, false);
    EXPECT_EQ(TCar(&tiny, 0).FrameCount, 0) << "no sprite size, no division by zero";
}

TEST(CarMotion, OpeningsNeedTheLookAheadCell)
{
    TempDir dir;
    // Driving right along row 2; the south side opens at columns 2 and 3 only.
    TMap map = Grid(dir, {"0000", "5115", "0000"});
    TCar car(&map, 1);
    car.Place({1, 2, 2, 5}, 'R', 'L', 24);
    // Random choices alone decide here; find a seed whose draw says "right" (2).
    for (uint32_t seed = 0;; ++seed) {
        brv::SetRandomSeed(seed);
        if (brv::Random(3) == 2) {
            brv::SetRandomSeed(seed);
            break;
        }
    }
    EXPECT_EQ(car.Step(0, 0), MoveResult::Arrived); // arrives at (2,2): left closed, right open with (3,2)
    EXPECT_EQ(car.TurnDirection, 3);
    EXPECT_EQ(car.Step(0, 0), MoveResult::Arrived);
    EXPECT_EQ(car.Position, (TPoint{3, 3}));
    EXPECT_EQ(car.Lane, 6) << "a computer car's change to the right counts up";
    EXPECT_EQ(car.TurnDirection, 0);

    // At the last column of the opening the look-ahead cell is closed below: no opening.
    TCar edge(&map, 1);
    for (int draw = 0; draw < 20; ++draw) {
        edge.Place({2, 2, 2, 0}, 'R', 'L', 24);
        edge.Step(0, 0);
        EXPECT_EQ(edge.TurnDirection, 0);
    }

    // A look-ahead cell outside the course closes both sides.
    TMap open = Grid(dir, {"000", "000"});
    TCar out(&open, 1);
    for (int draw = 0; draw < 20; ++draw) {
        out.Place({2, 2, 2, 0}, 'R', 'L', 24);
        EXPECT_EQ(out.Step(0, 0), MoveResult::Arrived);
        EXPECT_EQ(out.TurnDirection, 0);
    }
}

TEST(CarMotion, BlockAndSideTracking)
{
    TempDir dir;
    TMap map = Grid(dir, {"00000"}, "[BLOCK]\nNumber=2\n1=1,1,2,1\n2=3,1,4,1\n");
    TCar car(&map, 1);
    car.Place({2, 1, 2, 0}, 'P', 'L', 24);
    EXPECT_EQ(car.Block, 1);
    car.Step(0, 99);
    EXPECT_EQ(car.Block, 2);
    EXPECT_EQ(car.Side, 'R');
    car.Step(0, 99);
    EXPECT_EQ(car.Block, 2);
    EXPECT_EQ(car.Side, 'R') << "same block, same side";
    car.Step(0, 99);
    EXPECT_EQ(car.Block, 0) << "column 5 lies in no block";
    EXPECT_EQ(car.Side, 'L');

    // Once 0, the block number is never looked at again.
    TCar outside(&map, 1);
    outside.Place({5, 1, 6, 0}, 'P', 'R', 24);
    EXPECT_EQ(outside.Block, 0);
    outside.Step(0, 99);
    outside.Step(0, 99);
    EXPECT_EQ(outside.Block, 0);
    EXPECT_EQ(outside.Side, 'R');
}
