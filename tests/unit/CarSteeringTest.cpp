// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestFiles.h"

#include "cars/TCar.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

namespace {
// An open 5 x 5 field: every arrival away from the edge has both openings.
TMap OpenField(const TempDir& dir, const std::string& blocks)
{
    std::string map, dots;
    for (int row = 1; row <= 5; ++row) {
        map += std::to_string(row) + "=00000\n";
        dots += std::to_string(row) + "=.....\n";
    }
    return LoadCourseText(dir, CourseText("MapSize=5,5\nStartNumber=1", map, dots,
                                          "Pos0=1,1,2,1", blocks));
}

// Seeds the shared generator so that its next draw of 0..2 is `draw`.
void NextDrawIs(int32_t draw)
{
    for (uint32_t seed = 1;; ++seed) {
        brv::SetRandomSeed(seed);
        if (brv::Random(3) == draw) {
            brv::SetRandomSeed(seed);
            return;
        }
    }
}

// A pursuing car driving up from (3,5), arriving at (3,4) with its next step.
int32_t PursuitTurn(TMap& map, int32_t lane, char side, int32_t playerLane, int32_t playerBlock)
{
    TCar car(&map, 1);
    car.Place({3, 5, 0, lane}, 'P', side, 24);
    EXPECT_EQ(car.Step(playerLane, playerBlock), MoveResult::Arrived);
    return car.TurnDirection;
}
} // namespace

TEST(Pursuit, InThePlayersBlockHeadsForThePlayersLane)
{
    TempDir dir;
    TMap map = OpenField(dir, "[BLOCK]\nNumber=1\n1=1,1,5,5\n");
    EXPECT_EQ(PursuitTurn(map, 3, 'L', 1, 1), 7) << "higher lane: change to the left";
    EXPECT_EQ(PursuitTurn(map, 1, 'R', 3, 1), 1) << "lower lane: change to the right";
    EXPECT_EQ(PursuitTurn(map, 2, 'L', 2, 1), 0) << "same lane: stay";
}

TEST(Pursuit, ElsewhereOnlyTheSidesChangeCounts)
{
    TempDir dir;
    // Blocks are columns: probe cells up-right (4,3) and up-left (2,3) lie in blocks 3 and 1.
    TMap map = OpenField(dir, "[BLOCK]\nNumber=4\n1=1,1,2,5\n2=3,1,3,5\n3=4,1,5,5\n"
                              "4=9,9,9,9\nPath=4321\n");
    // Own block 2, player in block 1 (Path: own at 3, player at 4).
    // Side L looks right: probe block 3 at position 2: own < player and own > probe: no change.
    EXPECT_EQ(PursuitTurn(map, 0, 'L', 0, 1), 0);
    // Side R looks left: probe block 1 at position 4: own < player and own <= probe: change.
    EXPECT_EQ(PursuitTurn(map, 0, 'R', 0, 1), 7);
    // Player in block 4 (position 1): own > player; Side L probe 3 (2) <= own: change right.
    EXPECT_EQ(PursuitTurn(map, 0, 'L', 0, 4), 1);
    // ... Side R probe 1 (4) lies after its own: no change.
    EXPECT_EQ(PursuitTurn(map, 0, 'R', 0, 4), 0);
}

TEST(Pursuit, ProbeInOwnBlockAlwaysChanges)
{
    TempDir dir;
    TMap map = OpenField(dir, "[BLOCK]\nNumber=2\n1=1,1,5,5\n2=9,9,9,9\n");
    EXPECT_EQ(PursuitTurn(map, 0, 'L', 0, 2), 1);
    EXPECT_EQ(PursuitTurn(map, 0, 'R', 0, 2), 7);
}

TEST(Pursuit, EmptyPathGivesEveryBlockPositionZero)
{
    TempDir dir;
    TMap map = OpenField(dir, "[BLOCK]\nNumber=3\n1=1,1,2,5\n2=3,1,3,5\n3=4,1,5,5\n");
    EXPECT_EQ(PursuitTurn(map, 0, 'L', 0, 1), 0);
    EXPECT_EQ(PursuitTurn(map, 0, 'R', 0, 3), 0);
}

TEST(Pursuit, PathSearchIsLiteral)
{
    TempDir dir;
    // Twelve blocks: the car in block 1 (column 3), the probe cell up-right in block 2, the
    // player in block 3. In "12,2,1,3" the text of block 1 is first found inside "12".
    std::string blocks = "[BLOCK]\nNumber=12\n1=3,1,3,5\n2=4,1,5,5\n3=1,1,2,5\n";
    for (int k = 4; k <= 12; ++k)
        blocks += std::to_string(k) + "=9,9,9,9\n";
    TMap map = OpenField(dir, blocks + "Path=12,2,1,3\n");
    // Literal places: own 1, probe 2, player 8: own < player and own <= probe, so it changes.
    // Whole numbers would give own 6 after probe 4, and no change.
    EXPECT_EQ(PursuitTurn(map, 0, 'L', 0, 3), 1);
}

TEST(Pursuit, NoDecisionOnTheCellThatCompletesALaneChange)
{
    TempDir dir;
    TMap map = OpenField(dir, "[BLOCK]\nNumber=1\n1=1,1,5,5\n");
    TCar car(&map, 1);
    car.Place({3, 5, 0, 5}, 'P', 'L', 24);
    car.Step(1, 1);
    ASSERT_EQ(car.TurnDirection, 7);
    EXPECT_EQ(car.Step(1, 1), MoveResult::Arrived);
    EXPECT_EQ(car.Position, (TPoint{2, 3}));
    EXPECT_EQ(car.Lane, 4);
    EXPECT_EQ(car.TurnDirection, 0) << "openings are not even looked at";
    EXPECT_EQ(car.Step(1, 1), MoveResult::Arrived);
    EXPECT_EQ(car.TurnDirection, 7) << "the next arrival decides again";
}

TEST(RandomSteering, ThreeOutcomesOfOneDraw)
{
    TempDir dir;
    TMap map = OpenField(dir, "");
    for (const auto& [draw, turn] : {std::pair{0, 7}, std::pair{1, 0}, std::pair{2, 1}}) {
        TCar car(&map, 1);
        car.Place({3, 5, 0, 0}, 'R', 'L', 24);
        NextDrawIs(draw);
        car.Step(0, 0);
        EXPECT_EQ(car.TurnDirection, turn) << "draw " << draw;
    }
}

TEST(RandomSteering, OneOpeningChangesOneTimeInThree)
{
    TempDir dir;
    // Driving up column 1, whose west side is closed: only the right side opens.
    std::string rows, dots;
    for (int row = 1; row <= 5; ++row) {
        rows += std::to_string(row) + "=8000\n";
        dots += std::to_string(row) + "=....\n";
    }
    TMap map = LoadCourseText(dir, CourseText("MapSize=4,5\nStartNumber=1", rows, dots,
                                              "Pos0=1,1,2,1"));
    int changes = 0;
    brv::SetRandomSeed(12345);
    for (int i = 0; i < 3000; ++i) {
        TCar car(&map, 1);
        car.Place({1, 5, 0, 0}, 'X', 'L', 24);
        car.Step(0, 0);
        EXPECT_NE(car.TurnDirection, 7);
        changes += car.TurnDirection == 1;
    }
    EXPECT_NEAR(changes, 1000, 100);
}

TEST(SharedRandom, SequenceAndSeeding)
{
    brv::SetRandomSeed(0);
    EXPECT_EQ(brv::Random(100), 0) << "seed 1 times 100 has no upper half";
    EXPECT_EQ(brv::RandomSeed(), 1u);
    brv::SetRandomSeed(0xFFFFFFFFu);
    brv::Random(3);
    EXPECT_EQ(brv::RandomSeed(), 0xFFFFFFFFu * 134775813u + 1u);

    brv::SetClock([] { return ((13u * 60 + 5) * 60 + 9) * 1000 + 250; });
    brv::Randomize();
    EXPECT_EQ(brv::RandomSeed(), 47109250u);
    brv::SetClock({});
}
