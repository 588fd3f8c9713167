// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of play, shared by the game window, the headless simulator, the checker and the
// editor's Try: loading a course with its speed table, placing the cars for a stage,
// restarting play, and the timer tick that moves, eats, scores, crashes and ends games. The
// tick reports what happened in a TickOutcome and never calls its host: sounds, texts, boxes
// and windows are the host's, once the tick has returned.
#include "cars/TCar.h"
#include "course/TMap.h"
#include "rules/TickOutcome.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QImage;
namespace brv { class Canvas; }

// The even divisors of the tile size, ascending: the speeds at which a car reaches the next
// cell in a whole number of ticks. Empty for an odd tile size.
std::vector<int32_t> SpeedTableFor(int32_t tileSize);

// Why play starts again.
enum class RestartMode : uint8_t {
    NewGame,    // score, stage and cars anew, every dot back
    NextStage,  // every dot back
    AfterCrash, // the dots stay as they are
};

class TGameRules {
public:
    // Loads MapName into Map and rebuilds the speed table. A bad course throws CourseError and
    // changes nothing.
    CourseLoad LoadCourse();
    void PlaceCars();
    // Places the cars and starts the wait before they move. The caller that restarts play
    // outside a tick renders the field afresh; a tick reports it.
    void Restart(RestartMode mode);
    // One tick of the game clock: the cars move, and are drawn on Field when there is one.
    TickOutcome Timer1Timer();

    // Start-up once the course is loaded: check MoveSpeed, create and reset the cars, place
    // them and seed the random generator. The caller then starts the clock.
    void StartPlay();
    // Gives Cars one car per computer start entry of the course, keeping existing cars.
    void ResizeCars();
    // The New command as the rules see it (the host shows the game's status and repaints).
    void NewGame();

    // Keys; each returns whether it acted (nothing acts in demo mode).
    bool KeyDirection(int32_t direction);
    bool KeyToggleDoubleSpeed();
    bool KeyToggleStop();

    // The speed and number of computer cars of the current stage.
    struct StagePlan {
        int32_t activeCars;
        int32_t speed;
    };
    StagePlan PlanStage() const;

    // The window's full repaint into `field` (ScreenWidth x ScreenHeight): the course with
    // score, hi-score and cars left, then the player's car and every computer car in play.
    void DrawWholeField(QImage& field) const;

    bool Demo = true;
    bool RandomInit = false;
    int32_t StartWait = 0;
    int32_t ActiveCars = 0;
    std::vector<int32_t> SpeedTable;
    int32_t MoveSpeed = 1;
    int32_t MaxCar = 3;
    int32_t HiScore = 0;
    // Ticks under way: a tick begun while another runs only records the depth. It stays 1
    // after a course fault, so that no later tick does anything.
    uint32_t TickDepth = 0;
    // The deepest nesting of ticks seen; never lowered.
    uint32_t MaxOverlap = 0;
    // The game clock's interval in milliseconds, as set: the start wait is counted from it.
    int32_t TimerInterval = 50;
    // The field image the tick draws the moving cars and the score on; none draws nothing.
    brv::Canvas* Field = nullptr;
    std::string MapName;
    std::unique_ptr<TMap> Map;
    std::unique_ptr<TMyCar> MyCar;
    std::vector<std::unique_ptr<TCar>> Cars;

private:
    void CrashHappened(TickOutcome& outcome);
    void DrawMovingCars();
};
