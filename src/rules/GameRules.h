#pragma once
// The rules of play, shared by the game window and the headless simulator: loading a course
// with its speed table, placing the cars for a stage, restarting play, and the timer tick that
// moves, eats, scores, crashes and ends games. What only a window does goes through GameHost.
#include "cars/TCar.h"
#include "course/TMap.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QImage;
namespace brv { class Canvas; }

class GameHost {
public:
    virtual ~GameHost() = default;
    virtual void SetRunning(bool run) = 0;          // the game clock on or off, with indicators
    virtual int32_t TimerInterval() const = 0;      // milliseconds, as set
    virtual void SetStatusText(const std::string& text) = 0;
    virtual void InvalidateField() = 0;             // a full repaint of the field follows
    virtual void CloseWindow() = 0;
    virtual void ShowErrorBox(const std::string& text) = 0;
    virtual void PlaySound(const std::string& path) = 0;
    virtual brv::Canvas* FieldCanvas() = 0;         // where the tick draws; null draws nothing
    // A game (never the demo) lost its last car with this score in this stage. Called inside
    // the tick, before play falls back into the demo: a window that wants to ask the player
    // something does so once the tick is over.
    virtual void GameOver(int32_t /*score*/, int32_t /*stage*/) {}
};

// Ticks under way; a tick dispatched inside another does nothing but record the depth. One
// count per thread: a course check may play a course on a worker thread.
extern thread_local uint32_t TickDepth;

// The even divisors of the tile size, ascending: the speeds at which a car reaches the next
// cell in a whole number of ticks. Empty for an odd tile size.
std::vector<int32_t> SpeedTableFor(int32_t tileSize);

// Move result of the tick for a crash, after the cars' own 0, 1 and 2.
inline constexpr int32_t MoveCrash = 3;

class TGameRules {
public:
    explicit TGameRules(GameHost& host) : Host(host) {}

    // Loads MapName into Map and rebuilds the speed table. A bad course throws CourseError and
    // changes nothing.
    CourseLoad LoadCourse();
    void PlaceCars();
    void Restart(int32_t mode); // 0 new game, 1 next stage, 2 after a crash
    void Timer1Timer();

    // Start-up once the course is loaded: check MoveSpeed, create and reset the cars, place
    // them and seed the random generator. The caller then starts the clock.
    void StartPlay();
    // Gives Cars one car per computer start entry of the course, keeping existing cars.
    void ResizeCars();
    // The New command as the rules see it.
    void NewGame();
    // Hands the five error texts to the course model, which keeps those of course errors.
    void PassErrorTextsToMap();

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

    GameHost& Host;
    bool Demo = true;
    bool RandomInit = false;
    bool SoundOn = false;
    int32_t StartWait = 0;
    int32_t ActiveCars = 0;
    std::vector<int32_t> SpeedTable;
    int32_t MoveSpeed = 1;
    int32_t MaxCar = 3;
    int32_t HiScore = 0;
    uint32_t MaxOverlap = 0;
    std::string EatWave;
    std::string CrashWave;
    std::array<std::string, 6> ErrorText;  // 1..5
    std::array<std::string, 4> StatusText; // 1 playing, 2 paused, 3 demo
    std::string MapName;
    std::unique_ptr<TMap> Map;
    std::unique_ptr<TMyCar> MyCar;
    std::vector<std::unique_ptr<TCar>> Cars;

private:
    void CrashHappened();
    void DrawMovingCars();
};
