// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/HeadlessHost.h"

TickOutcome HeadlessHost::Tick(TGameRules& rules)
{
    TickOutcome outcome = rules.Timer1Timer();
    Act(outcome);
    return outcome;
}

void HeadlessHost::Act(const TickOutcome& outcome)
{
    if (outcome.Fault) {
        Running = false;
        Status = StatusText[2];
        Fault = outcome.Fault;
        ErrorsShown.push_back(ErrorText[5]);
        Closed = true;
        return;
    }
    if (outcome.InGame && SoundOn) {
        if (outcome.DotsEaten > 0 && !EatWave.empty())
            SoundsPlayed.push_back(EatWave);
        if (outcome.Crash && !CrashWave.empty())
            SoundsPlayed.push_back(CrashWave);
    }
    if (outcome.GameOver)
        GamesOver.push_back(*outcome.GameOver);
    if (outcome.FellBackToDemo)
        Status = StatusText[3];
    if (outcome.FullRepaint) {
        RepaintPending = true;
        ++Repaints;
    }
}
