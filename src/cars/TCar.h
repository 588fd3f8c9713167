// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cars: every car drives its lane cell by cell, turns at walls and changes lanes where
// the course opens to a neighbouring lane. Computer cars decide their lane changes themselves
// (Step); the player's car follows the requested direction (TMyCar::MoveStep). Drawing lives
// in TCarDraw.cpp.
#include "course/TMap.h"
#include "platform/Wrap.h"

#include <bitset>
#include <cstdint>

namespace brv { class Canvas; }

// What a car's move in one tick came to. The last two are course faults, which end play.
enum class MoveResult : uint8_t {
    Moving,     // still between cells
    Arrived,    // in a new cell
    LeftCourse, // drove off the course
    DeadEnd,    // entered a cell closed ahead and on both sides
};
inline constexpr bool IsCourseFault(MoveResult result)
{
    return result == MoveResult::LeftCourse || result == MoveResult::DeadEnd;
}

struct Delta {
    int32_t dx;
    int32_t dy;
};
// Cell step for each direction 0..7 (0 up, clockwise; odd ones are the lane-change diagonals).
inline constexpr Delta DirectionDelta[8] = {{0, -1}, {1, -1}, {1, 0},  {1, 1},
                                            {0, 1},  {-1, 1}, {-1, 0}, {-1, -1}};
struct WallBits {
    int32_t left;
    int32_t ahead;
    int32_t right;
};
// The wall bits on the left, ahead and on the right for each direction group (Direction div 2).
inline constexpr WallBits WallMask[4] = {{8, 1, 2}, {1, 2, 4}, {2, 4, 8}, {4, 8, 1}};

class TCar {
public:
    TCar(TMap* map, int32_t spriteRow);
    virtual ~TCar() = default;
    TCar(const TCar&) = delete;
    TCar& operator=(const TCar&) = delete;

    // The computer car's move for one tick.
    virtual MoveResult Step(int32_t playerLane, int32_t playerBlock);

    void Place(TRect start, char kind, char side, int32_t speed);
    bool SameCell(TPoint cell) const { return cell == Position; }
    bool OnDot() const { return Map->DotAt(Position.X, Position.Y) == 'O'; }
    void Draw(brv::Canvas& canvas, bool incremental);

    char Kind = '\0';
    char Side = '\0';
    bool Drawn = false;
    int32_t SpriteRow = 0;
    int32_t Direction = 0;
    int32_t TurnDirection = 0;
    int32_t Speed = 0;
    int32_t Progress = 0;
    int32_t Lane = 0;
    int32_t Block = 0;
    int32_t FrameCount = 0;
    int32_t AnimFrame = 0;
    TPoint Position;
    TPoint PreviousCell; // the cell the car left at its last arrival
    TPoint DrawnPos;
    std::bitset<256> AnimSteps;
    TMap* Map = nullptr;

protected:
    // What an arrival found once the car stands in its new cell and faces its way on.
    struct Arrival {
        MoveResult result = MoveResult::Arrived; // a course fault ends the step; so does a wall turn
        bool decide = false;           // ahead is open: the car may start a lane change
        bool completedLaneChange = false;
        bool leftOpening = false;
        bool rightOpening = false;
    };
    // The arrival shared by both kinds of car; they differ in how the lane is counted.
    Arrival Arrive(int32_t laneStepRight);
    void StartLaneChange(bool toTheLeft);
};

class TMyCar : public TCar {
public:
    using TCar::TCar;

    MoveResult MoveStep(bool demo);
    void NextStage() { Stage = brv::WrapAdd(Stage, 1); }
    void LoseCar() { Rest = brv::WrapSub(Rest, 1); }
    void AddDotScore();
    void Reset(bool newGame, int32_t startRest);

    int32_t Score = 0;
    int32_t Stage = 0;
    int32_t Rest = 0;
    int32_t WantDirection = 0;
    int32_t SpeedMode = 0;
};
