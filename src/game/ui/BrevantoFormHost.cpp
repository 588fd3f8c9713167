// SPDX-License-Identifier: GPL-3.0-or-later
// What the main window does for the rules of play: the game clock with its indicators, the
// status text and painting the field.
#include "ui/FieldView.h"
#include "game/ui/HallOfFame.h"
#include "game/ui/ReplayDesk.h"
#include "game/ui/TBrevantoForm.h"
#include "game/ui/ViewControl.h"

#include "platform/Canvas.h"
#include "platform/TextCodec.h"

#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QToolButton>

#include <algorithm>

void TBrevantoForm::SetTimerInterval(int32_t interval)
{
    Options.Interval = interval;
    Rules.TimerInterval = interval;
    Clock.SetPeriod(interval);
}

void TBrevantoForm::SetRunning(bool run)
{
    if (run)
        Clock.Start();
    else
        Clock.Stop();
    RefreshRunningIndicators();
}

void TBrevantoForm::RefreshRunningIndicators()
{
    const bool paused = !Clock.Running();
    Pause1->setChecked(paused);
    sbPause->setChecked(Pause1->isChecked());
    if (Replays->Watching())
        Replays->ShowWatchStatus();
    else if (paused)
        SetStatusText(StatusText[2]);
    else if (Rules.Demo)
        SetStatusText(StatusText[3]);
    else
        SetStatusText(StatusText[1]);
    RefreshFieldMessage();
}

void TBrevantoForm::SetStatusText(const std::string& text)
{
    StatusPanels[0]->setText(brv::DecodeText(text));
}

void TBrevantoForm::InvalidateField()
{
    PaintBox1->Invalidate();
}

void TBrevantoForm::PaintBox1Paint()
{
    if (!Started || !Replays->ShownRules().Map)
        return;
    if (ResizePending) {
        View->FitClientArea();
        ResizePending = false;
    }
    RenderField();
    View->RefreshActions();
}

void TBrevantoForm::RenderField()
{
    const TGameRules& shown = Replays->ShownRules();
    const TMap& map = *shown.Map;
    QImage fresh(std::max(map.ScreenWidth, 0), std::max(map.ScreenHeight, 0), QImage::Format_RGB32);
    if (fresh.isNull() && map.ScreenWidth > 0 && map.ScreenHeight > 0)
        return; // no memory for the field: keep showing the last one
    fresh.fill(brv::ColorFromBgr(FieldGround));
    shown.DrawWholeField(fresh);
    FieldImage = std::move(fresh);
    ++FullRenders;
}
