// What the main window does for the rules of play: the game clock with its indicators, the
// status text, painting the field, closing, error boxes and sounds.
#include "ui/DialogSeam.h"
#include "ui/FieldView.h"
#include "game/ui/TBrevantoForm.h"

#include "platform/Canvas.h"
#include "platform/Sound.h"
#include "platform/TextCodec.h"

#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

namespace {

// The shortest period the clock really runs at; QTimer would spin on anything shorter.
constexpr int32_t MinimumTimerPeriod = 10;

} // namespace

void TBrevantoForm::SetTimerInterval(int32_t interval)
{
    Interval = interval;
    Timer1->setInterval(std::max(interval, MinimumTimerPeriod));
}

bool TBrevantoForm::TimerRunning() const
{
    return Timer1->isActive();
}

bool TBrevantoForm::SuspendTimer()
{
    const bool wasRunning = Timer1->isActive();
    if (wasRunning)
        Timer1->stop();
    return wasRunning;
}

void TBrevantoForm::ResumeTimer(bool wasRunning)
{
    // A window that closed meanwhile keeps its clock stopped for good.
    if (wasRunning && !Destroyed && Started)
        Timer1->start();
}

void TBrevantoForm::SetRunning(bool run)
{
    if (run && !Timer1->isActive())
        Timer1->start();
    else if (!run && Timer1->isActive())
        Timer1->stop();
    RefreshRunningIndicators();
}

void TBrevantoForm::RefreshRunningIndicators()
{
    const bool paused = !Timer1->isActive();
    Pause1->setChecked(paused);
    sbPause->setChecked(Pause1->isChecked());
    if (paused)
        SetStatusText(Rules.StatusText[2]);
    else if (Rules.Demo)
        SetStatusText(Rules.StatusText[3]);
    else
        SetStatusText(Rules.StatusText[1]);
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

void TBrevantoForm::CloseWindow()
{
    close();
}

void TBrevantoForm::ShowErrorBox(const std::string& text)
{
    Seam.ShowError(this, QString::fromLatin1(ApplicationTitle), brv::DecodeText(text));
}

void TBrevantoForm::PlaySound(const std::string& path)
{
    Sounds->Play(path);
}

void TBrevantoForm::Timer1Timer()
{
    if (Started && !Destroyed) {
        Rules.Timer1Timer();
        RefreshFieldMessage();
        AskForHiScoreName();
    }
}

void TBrevantoForm::PaintBox1Paint()
{
    if (!Started || !Rules.Map)
        return;
    if (ResizePending) {
        FitClientArea();
        ResizePending = false;
    }
    RenderField();
}

void TBrevantoForm::FitClientArea()
{
    // In full screen the paint box fits the field to the screen by itself.
    if (FullScreen)
        return;
    // Whatever surrounds the paint box (menu bar, tool bar panel, status bar, each when
    // shown) keeps its size; the paint box becomes exactly the field, zoomed.
    const QSize around = AroundField();
    PaintBox1->SetZoom(std::min(Zoom, MaxWindowZoom()));
    const int zoom = PaintBox1->Zoom();
    resize(Rules.Map->ScreenWidth * zoom + around.width(),
           Rules.Map->ScreenHeight * zoom + around.height());
    KeepZoomedWindowOnScreen();
}

void TBrevantoForm::RenderField()
{
    const TMap& map = *Rules.Map;
    QImage fresh(std::max(map.ScreenWidth, 0), std::max(map.ScreenHeight, 0), QImage::Format_RGB32);
    if (fresh.isNull() && map.ScreenWidth > 0 && map.ScreenHeight > 0)
        return; // no memory for the field: keep showing the last one
    fresh.fill(brv::ColorFromBgr(GroundColor));
    Rules.DrawWholeField(fresh);
    FieldImage = std::move(fresh);
    ++FullRenders;
}
