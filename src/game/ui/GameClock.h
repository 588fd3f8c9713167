// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game clock: the window's timer `Timer1`, which runs the tick. It keeps the period a
// timer can really run at, lets a command stop it for its own duration, and stops for good
// when the window shuts down.
#include <cstdint>
#include <functional>

class QObject;
class QTimer;

class GameClock {
public:
    // Creates `Timer1` as a child of `owner`; each timeout calls `tick`.
    GameClock(QObject& owner, std::function<void()> tick);

    QTimer* Timer() const { return timer_; }
    // An interval below 10 ms runs at 10 ms (a timer would spin on less); the interval as set
    // is kept by the settings.
    void SetPeriod(int32_t interval);
    bool Running() const;
    void Start();
    void Stop();
    // What every command that opens a dialog or restarts play does around its work: the clock
    // stops without touching the pause indicators, and runs again only if it ran before.
    bool Suspend();
    void Resume(bool wasRunning);
    // Shut-down: stopped, and never resumed by a command still under way.
    void Halt();

private:
    QTimer* timer_;
    bool halted_ = false;
};
