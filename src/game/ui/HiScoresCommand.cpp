// SPDX-License-Identifier: GPL-3.0-or-later
// The Hi-Scores command, and the name asked after a game that earned a place in a table.
#include "game/ui/HallOfFame.h"
#include "game/ui/ReplayDesk.h"
#include "game/ui/TBrevantoForm.h"
#include "ui/Hints.h"

#include <QAction>
#include <QToolButton>

void TBrevantoForm::HiScores1Click()
{
    Replays->StopWatching();
    std::string watch;
    {
        TimerSuspension suspension(*this);
        watch = Fame->ShowTables(*this, Seam, Rules.Demo, Replays->Folder());
    }
    if (!watch.empty())
        Replays->Watch(watch);
}

void TBrevantoForm::AskForHiScoreName()
{
    if (!Fame->NamePending())
        return;
    std::string watch;
    {
        TimerSuspension suspension(*this);
        Fame->AskForName(*this, Seam);
        // The table the new entry took its place in, with the entry marked.
        if (Options.HiScoresAfterName && Fame->NewEntryPlace())
            watch = Fame->ShowTables(*this, Seam, true, Replays->Folder());
    }
    if (!watch.empty())
        Replays->Watch(watch);
}

void TBrevantoForm::ApplyHiScoreTexts(const AddedTexts& added)
{
    Fame->Texts = ReadHiScoreTexts(added);
    const HiScoreTexts& texts = Fame->Texts;
    // As for the other commands: the status tip keeps the whole hint, which AppHint splits.
    HiScores1->setText(texts.Menu);
    HiScores1->setStatusTip(texts.Hint);
    sbHiScores->setStatusTip(texts.Hint);
    sbHiScores->setToolTip(brv::ShortHint(texts.Hint));
}
