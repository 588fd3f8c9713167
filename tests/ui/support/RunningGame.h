// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A main window started on the test files, shown on the offscreen platform.
#include "support/GameFiles.h"
#include "support/ScriptedSeam.h"

#include "game/ui/TBrevantoForm.h"

#include <memory>

namespace testing_ui {

struct RunningGame {
    GameFiles Files;
    ScriptedSeam Seam;
    std::unique_ptr<TBrevantoForm> Form;
    // The per-user data folder the game gets; empty (the default) keeps no data.
    std::string DataDir;

    // Runs start-up (on `courseFile`, as the command line names it, when not empty); with
    // `show`, also shows the window, makes it active and lets the first paint happen. False when
    // start-up failed.
    bool Start(bool show = true, const std::string& courseFile = {});
    // Start, then a new game in play but paused, so that only the keys move the car.
    bool StartPausedGame();
    // Lets pending events (paints, resizes) run.
    static void Settle();
};

} // namespace testing_ui
