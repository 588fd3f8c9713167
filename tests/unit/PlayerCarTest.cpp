// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestFiles.h"

#include "cars/TCar.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

namespace {
// A 5 x 6 course: column 1 closed to the west, every other cell open.
TMap Field(const TempDir& dir)
{
    std::string rows, dots;
    for (int row = 1; row <= 6; ++row) {
        rows += std::to_string(row) + "=80000\n";
        dots += std::to_string(row) + "=.....\n";
    }
    return LoadCourseText(dir, CourseText("MapSize=5,6\nStartNumber=1", rows, dots,
                                          "Pos0=1,1,2,1"));
}
} // namespace

TEST(PlayerCar, SpeedModes)
{
    TempDir dir;
    TMap map = Field(dir);
    TMyCar car(&map, 0);
    car.Reset(true, 3);
    car.Place({3, 6, 0, 1}, 'P', 'L', 6);
    int arrivals = 0;
    for (int tick = 0; tick < 8; ++tick)
        arrivals += car.MoveStep(false) == MoveResult::Arrived;
    EXPECT_EQ(arrivals, 2) << "normal speed: every fourth tick";

    car.Place({3, 6, 0, 1}, 'P', 'L', 6);
    car.SpeedMode = 1;
    arrivals = 0;
    for (int tick = 0; tick < 8; ++tick)
        arrivals += car.MoveStep(false) == MoveResult::Arrived;
    EXPECT_EQ(arrivals, 4) << "double speed: every second tick";

    car.SpeedMode = 2;
    const TPoint at = car.Position;
    const int32_t progress = car.Progress;
    for (int tick = 0; tick < 5; ++tick)
        EXPECT_EQ(car.MoveStep(false), MoveResult::Moving);
    EXPECT_EQ(car.Position, at);
    EXPECT_EQ(car.Progress, progress);
}

TEST(PlayerCar, DoubleSpeedBeyondHalfATileArrivesOncePerTick)
{
    TempDir dir;
    TMap map = Field(dir);
    TMyCar car(&map, 0);
    car.Place({3, 6, 0, 1}, 'P', 'L', 18);
    car.SpeedMode = 1;
    EXPECT_EQ(car.MoveStep(false), MoveResult::Arrived); // 36: one cell, 12 left over
    EXPECT_EQ(car.Progress, 12);
    EXPECT_EQ(car.MoveStep(false), MoveResult::Arrived); // 48 - 24 = 24: taken back to 0
    EXPECT_EQ(car.Progress, 0);
    EXPECT_EQ(car.Position, (TPoint{3, 4}));

    car.Place({3, 6, 0, 1}, 'P', 'L', 24);
    for (int tick = 0; tick < 4; ++tick) {
        car.MoveStep(false);
        EXPECT_GE(car.Progress, 0);
        EXPECT_LT(car.Progress, 24);
    }
}

TEST(PlayerCar, RequestsBecomeLaneChangesAtOpenings)
{
    TempDir dir;
    TMap map = Field(dir);
    TMyCar car(&map, 0);
    car.Reset(true, 3);
    car.Place({3, 6, 0, 1}, 'P', 'L', 24);
    car.WantDirection = 6;
    EXPECT_EQ(car.MoveStep(false), MoveResult::Arrived);
    EXPECT_EQ(car.TurnDirection, 7) << "left request, left opening";
    EXPECT_EQ(car.WantDirection, 0) << "the request is used up";
    car.MoveStep(false);
    EXPECT_EQ(car.Position, (TPoint{2, 4}));
    EXPECT_EQ(car.Lane, 2) << "the player's change to the left counts up";

    // Driving left, a request for up is 90 degrees to the right.
    car.Place({4, 3, 6, 1}, 'P', 'L', 24);
    car.WantDirection = 0;
    car.MoveStep(false);
    EXPECT_EQ(car.TurnDirection, 7);
    car.MoveStep(false);
    EXPECT_EQ(car.Lane, 0) << "a change to the right counts down";

    // The reverse asks for nothing.
    car.Place({3, 6, 0, 1}, 'P', 'L', 24);
    car.WantDirection = 4;
    car.MoveStep(false);
    EXPECT_EQ(car.TurnDirection, 0);
    EXPECT_EQ(car.WantDirection, 0);

    // A left request where only the right side opens is dropped.
    car.Place({1, 6, 0, 1}, 'P', 'L', 24);
    car.WantDirection = 6;
    car.MoveStep(false);
    EXPECT_EQ(car.TurnDirection, 0);
    EXPECT_EQ(car.WantDirection, 0);
}

TEST(PlayerCar, LaneChangesChainAndWallTurnsKeepTheRequest)
{
    TempDir dir;
    TMap map = Field(dir);
    TMyCar car(&map, 0);
    car.Place({4, 6, 0, 1}, 'P', 'L', 24);
    car.WantDirection = 6;
    car.MoveStep(false);
    car.WantDirection = 6;
    car.MoveStep(false); // completes the change at (3,4) and starts the next one there
    EXPECT_EQ(car.Position, (TPoint{3, 4}));
    EXPECT_EQ(car.TurnDirection, 7);

    // A wall ahead turns the car and leaves the request waiting.
    TMap corner = LoadCourseText(
        dir, CourseText("MapSize=2,2\nStartNumber=1", "1=90\n2=00", "1=..\n2=..", "Pos0=1,2,0,1"));
    TMyCar turner(&corner, 0);
    turner.Place({1, 2, 0, 1}, 'P', 'L', 24);
    turner.WantDirection = 4;
    EXPECT_EQ(turner.MoveStep(false), MoveResult::Arrived);
    EXPECT_EQ(turner.Direction, 2);
    EXPECT_EQ(turner.WantDirection, 4);
}

TEST(PlayerCar, DemoDrawsOncePerOpenArrival)
{
    TempDir dir;
    TMap map = Field(dir);
    TMyCar car(&map, 0);
    car.Place({3, 6, 0, 1}, 'P', 'L', 24);
    brv::SetRandomSeed(777);
    car.MoveStep(true);
    brv::SetRandomSeed(777);
    const int32_t draw = brv::Random(3);
    EXPECT_EQ(car.TurnDirection, draw == 0 ? 7 : draw == 2 ? 1 : 0);

    TMap corner = LoadCourseText(
        dir, CourseText("MapSize=2,2\nStartNumber=1", "1=90\n2=00", "1=..\n2=..", "Pos0=1,2,0,1"));
    TMyCar turner(&corner, 0);
    turner.Place({1, 2, 0, 1}, 'P', 'L', 24);
    brv::SetRandomSeed(5);
    turner.MoveStep(true);
    EXPECT_EQ(brv::RandomSeed(), 5u) << "a wall turn draws nothing";
}

TEST(PlayerCar, Bookkeeping)
{
    TempDir dir;
    TMap map = Field(dir);
    TMyCar car(&map, 0);
    car.Reset(true, 3);
    car.NextStage();
    car.NextStage();
    car.AddDotScore();
    EXPECT_EQ(car.Score, 30);
    car.WantDirection = 4;
    car.SpeedMode = 2;
    car.Reset(false, 3);
    EXPECT_EQ(car.Score, 30);
    EXPECT_EQ(car.Stage, 1);
    EXPECT_EQ(car.Rest, 3);
    EXPECT_EQ(car.WantDirection, 0);
    EXPECT_EQ(car.SpeedMode, 0);
    car.Reset(true, 3);
    EXPECT_EQ(car.Score, 0);
    car.LoseCar();
    car.LoseCar();
    car.LoseCar();
    car.LoseCar();
    EXPECT_EQ(car.Rest, -1);
}
