// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A host without a window, for the simulator, the checker's demo soak, the benchmarks and the
// tests: it runs the tick, then acts on its outcome as the game window does, recording what a
// window would have shown and played instead of showing and playing it.
#include "rules/GameRules.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

class HeadlessHost {
public:
    // One tick of `rules` with the host's answer to it; after a course fault, nothing more.
    TickOutcome Tick(TGameRules& rules);
    // The window's answer to a tick: a course fault stops the clock, shows the error and
    // closes; otherwise the eating and crash sounds of a game, the demo's status text after
    // the last car, the ended game, the repaint.
    void Act(const TickOutcome& outcome);

    // What the window reads from its settings and language file.
    bool SoundOn = false;
    std::string EatWave;
    std::string CrashWave;
    std::array<std::string, 6> ErrorText;  // 1..5; a course fault shows 5
    std::array<std::string, 4> StatusText; // 1 playing, 2 paused, 3 demo

    // What a window would have done.
    bool Running = false;
    std::string Status;
    int Repaints = 0;
    bool RepaintPending = false; // a full repaint is due; whoever renders clears it
    bool Closed = false;
    std::vector<std::string> ErrorsShown;
    std::vector<std::string> SoundsPlayed;
    std::vector<EndedGame> GamesOver;
    std::optional<CourseFault> Fault;
};
