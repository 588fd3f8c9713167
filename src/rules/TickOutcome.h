// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What one tick of the rules came to. The tick only changes the game and draws the moving cars;
// its host reads this record once the tick has returned and does the rest: sounds, status
// texts, the error box, closing, the hi-score name, repainting.
#include "course/TMap.h"

#include <cstdint>
#include <optional>
#include <vector>

// A car's move that ends play: the course is faulty where the car went.
enum class CourseFaultKind : uint8_t {
    LeftCourse, // drove off the course
    DeadEnd,    // entered a cell closed ahead and on both sides
};

struct CourseFault {
    CourseFaultKind Kind = CourseFaultKind::LeftCourse;
    // The car: 0 the player's, k the computer car Cars[k - 1] (its start entry).
    int32_t Car = 0;
    // Where: the dead end, or the last cell on the course before the car drove off it.
    TPoint Cell;
};

// The fault's name in machine-readable output: "left-course", "dead-end".
constexpr const char* FaultKindName(CourseFaultKind kind)
{
    return kind == CourseFaultKind::DeadEnd ? "dead-end" : "left-course";
}

// A rectangle of field pixels the tick drew over.
struct FieldRect {
    int32_t X = 0;
    int32_t Y = 0;
    int32_t Width = 0;
    int32_t Height = 0;
};

struct EndedGame {
    int32_t Score = 0;
    int32_t Stage = 0;
};

struct TickOutcome {
    // The cars moved: the tick was neither in the start wait nor nested in another tick.
    bool Moved = false;
    // Played as a game, not as the demo (a game over makes the rules a demo again, so the
    // host cannot tell this afterwards): a game's eating and crash have sounds.
    bool InGame = false;
    int32_t DotsEaten = 0;
    int32_t PointsScored = 0;
    // The player's car crashed: one car fewer.
    bool Crash = false;
    // The last dot was eaten: the stage this number began (the cars are placed afresh).
    int32_t StageCleared = 0;
    // The last car was lost: play fell back into the demo with every dot back.
    bool FellBackToDemo = false;
    // A game (never the demo) ended with this score in this stage.
    std::optional<EndedGame> GameOver;
    // Play cannot go on: a car found a fault in the course. No car was drawn, and no further
    // tick of these rules does anything.
    std::optional<CourseFault> Fault;
    // The cars were placed afresh: the whole field is to be rendered again.
    bool FullRepaint = false;
    // What the tick drew on the field it was handed (cars and score), in drawing order.
    std::vector<FieldRect> Changed;
};
