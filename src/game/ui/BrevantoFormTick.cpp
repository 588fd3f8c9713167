// SPDX-License-Identifier: GPL-3.0-or-later
// The timer tick as the window runs it: the rules' tick first, then what the window does with
// what the tick reports, once the tick has returned.
#include "ui/DialogSeam.h"
#include "ui/FieldView.h"
#include "game/ui/HallOfFame.h"
#include "game/ui/ReplayDesk.h"
#include "game/ui/TBrevantoForm.h"

#include "platform/Sound.h"
#include "platform/TextCodec.h"

void TBrevantoForm::Timer1Timer()
{
    if (!Started || Destroyed)
        return;
    if (Replays->Watching()) {
        Replays->WatchTick();
        return;
    }
    Replays->BeforeTick();
    const TickOutcome outcome = Rules.Timer1Timer();
    Replays->AfterTick();
    ActOnTick(outcome);
}

void TBrevantoForm::ActOnTick(const TickOutcome& outcome)
{
    for (const FieldRect& rect : outcome.Changed)
        PaintBox1->UpdateImageRect(QRect(rect.X, rect.Y, rect.Width, rect.Height));
    if (outcome.Fault) {
        // The course cannot be played on: the clock stops, the error is shown, the game ends.
        SetRunning(false);
        Seam.ShowError(this, QString::fromLatin1(ApplicationTitle), brv::DecodeText(ErrorText[5]));
        close();
        return;
    }
    if (outcome.InGame && Options.SoundOn) {
        if (outcome.DotsEaten > 0 && !Options.EatWave.empty())
            Sounds->Play(Options.EatWave);
        if (outcome.Crash && !Options.CrashWave.empty())
            Sounds->Play(Options.CrashWave);
    }
    if (outcome.GameOver) {
        Fame->GameEnded(outcome.GameOver->Score, outcome.GameOver->Stage);
        Messages.GameEnded(outcome.GameOver->Score, MessageClock.elapsed());
        if (const std::string kept = Replays->KeepEndedGame(*outcome.GameOver); !kept.empty())
            Fame->ReplayKept(kept);
    }
    if (outcome.FellBackToDemo)
        SetStatusText(StatusText[3]);
    if (outcome.FullRepaint)
        InvalidateField();
    RefreshFieldMessage();
    AskForHiScoreName();
}
