// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/ViewControl.h"

#include "ui/FieldView.h"
#include "ui/ShownText.h"
#include "ui/QtOwned.h"
#include "game/ui/ReplayDesk.h"
#include "game/ui/TBrevantoForm.h"

#include "config/model/AddedTexts.h"

#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>

#include <algorithm>

ViewControl::ViewControl(TBrevantoForm& form) : form_(form)
{
    View1 = brv::MakeChild<QMenu>(form.menuBar());
    View1->setObjectName(QStringLiteral("View1"));
    View1->setAttribute(Qt::WA_WindowPropagation);
    form.menuBar()->insertMenu(form.Option1->menuAction(), View1);

    ZoomIn1 = NewItem("ZoomIn1", &ViewControl::ZoomIn1Click,
                      {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    ZoomOut1 = NewItem("ZoomOut1", &ViewControl::ZoomOut1Click, {QKeySequence(Qt::CTRL | Qt::Key_Minus)});
    ActualSize1 = NewItem("ActualSize1", &ViewControl::ActualSize1Click, {QKeySequence(Qt::CTRL | Qt::Key_0)});
    View1->addSeparator();
    FullScreen1 = NewItem("FullScreen1", &ViewControl::FullScreen1Click, {QKeySequence(Qt::Key_F11)});
    FullScreen1->setCheckable(true);

    // Escape leaves full screen; it is not a menu item, and does nothing in the window.
    LeaveFullScreen1 = brv::MakeChild<QAction>(&form);
    LeaveFullScreen1->setObjectName(QStringLiteral("LeaveFullScreen1"));
    LeaveFullScreen1->setShortcut(QKeySequence(Qt::Key_Escape));
    LeaveFullScreen1->setShortcutContext(Qt::WindowShortcut);
    form.addAction(LeaveFullScreen1);
    QObject::connect(LeaveFullScreen1, &QAction::triggered, &form, [this] { SetFullScreen(false); });
    placeTimer_.setInterval(PlaceTryMs);
    QObject::connect(&placeTimer_, &QTimer::timeout, &form, [this] { PlaceTimerTick(); });
    RefreshActions();
}

QAction* ViewControl::NewItem(const char* name, void (ViewControl::*handler)(), QList<QKeySequence> keys)
{
    QAction* action = View1->addAction(QString());
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(keys);
    // The keys act wherever the focus is in this window, also with the menu bar hidden.
    action->setShortcutContext(Qt::WindowShortcut);
    form_.addAction(action);
    QObject::connect(action, &QAction::triggered, &form_, [this, handler] { (this->*handler)(); });
    return action;
}

void ViewControl::ApplyLanguage(const AddedTexts& texts)
{
    const auto text = [&texts](const char* key, const char* english) {
        return ShownText(texts, key, english);
    };
    // A hint is "tooltip|status text"; the status bar shows its long part.
    const auto item = [&text](QAction* action, const char* key, const char* caption,
                              const char* hintKey, const char* hint) {
        action->setText(text(key, caption));
        action->setStatusTip(text(hintKey, hint));
    };
    View1->setTitle(text("ViewMenu", "&View"));
    item(ZoomIn1, "ViewZoomIn", "Zoom &In", "ViewZoomInHint",
         "Zoom in|Show the field larger (Ctrl++)");
    item(ZoomOut1, "ViewZoomOut", "Zoom &Out", "ViewZoomOutHint",
         "Zoom out|Show the field smaller (Ctrl+-)");
    item(ActualSize1, "ViewActualSize", "&Actual Size", "ViewActualSizeHint",
         "Actual size|Show the field at its own size (Ctrl+0)");
    item(FullScreen1, "ViewFullScreen", "&Full Screen", "ViewFullScreenHint",
         "Full screen|Fill the screen with the field; F11 or Esc returns (F11)");
}

void ViewControl::ZoomIn1Click() { StepZoom(1); }

void ViewControl::ZoomOut1Click() { StepZoom(-1); }

void ViewControl::StepZoom(int32_t step)
{
    Settings& options = form_.Options;
    if (options.FullScreen)
        return;
    // From the zoom asked for last, which the window may not show yet.
    const int32_t largest = MaxWindowZoom();
    const int32_t current = std::min(options.Zoom, largest);
    const int32_t next = std::clamp(current + step, 1, largest);
    if (next == current)
        return;
    options.Zoom = next;
    form_.ResizePending = true;
    form_.InvalidateField();
}

void ViewControl::ActualSize1Click()
{
    Settings& options = form_.Options;
    if (options.FullScreen)
        return;
    // Also at zoom 1: a window the player resized fits around the field again.
    options.Zoom = 1;
    if (form_.isMaximized())
        form_.showNormal();
    form_.ResizePending = true;
    form_.InvalidateField();
}

bool ViewControl::FieldFitted() const
{
    const TMap* map = form_.Rules.Map.get();
    if (!map)
        return true;
    return !form_.isMaximized() &&
           form_.PaintBox1->size() == QSize(map->ScreenWidth, map->ScreenHeight) * form_.PaintBox1->Zoom();
}

void ViewControl::FullScreen1Click()
{
    SetFullScreen(!form_.Options.FullScreen);
}

void ViewControl::ApplySettings()
{
    // The window starts windowed; the settings may ask for full screen.
    if (form_.Options.FullScreen) {
        form_.Options.FullScreen = false;
        SetFullScreen(true);
    }
}

void ViewControl::SetFullScreen(bool on)
{
    Settings& options = form_.Options;
    if (on == options.FullScreen) {
        RefreshActions();
        return;
    }
    // Only the window changes: the clock runs or stands as it did.
    if (on) {
        windowed_ = {!form_.Panel1->isHidden(), !form_.StatusBar1->isHidden(), form_.pos()};
        options.FullScreen = true;
        form_.Panel1->hide();
        form_.StatusBar1->hide();
        form_.PaintBox1->SetFitToBox(true);
        form_.setWindowState(form_.windowState() | Qt::WindowFullScreen);
    } else {
        options.FullScreen = false;
        form_.PaintBox1->SetFitToBox(false);
        form_.setWindowState(form_.windowState() & ~Qt::WindowFullScreen);
        GiveBackPlace();
        form_.Panel1->setVisible(windowed_.ToolBar);
        form_.StatusBar1->setVisible(windowed_.StatusBar);
        form_.ResizePending = true;
    }
    form_.InvalidateField();
    RefreshActions();
    form_.RefreshFieldMessage();
}

void ViewControl::GiveBackPlace()
{
    // The place is the frame's. Right after full screen the window has no frame yet: a move now
    // would put the client area there, and the frame would follow one title bar higher once the
    // window manager gives it back. A busy window manager may also apply the geometry it kept
    // from before full screen after our own requests. So the window is watched until it is
    // framed and has stayed where it belongs for a moment (or for a while without a frame: no
    // window manager), and put back each time it is found elsewhere.
    placeTries_ = 0;
    settledTicks_ = 0;
    form_.move(windowed_.Place);
    placeTimer_.start();
}

void ViewControl::PlaceTimerTick()
{
    if (form_.Options.FullScreen || form_.isMinimized() || form_.isMaximized()) {
        placeTimer_.stop();
        return;
    }
    const bool framed = form_.frameGeometry() != form_.geometry();
    const bool lastTry = ++placeTries_ >= MaxPlaceTries;
    if (!framed && !lastTry)
        return;
    const bool placed = form_.pos() == windowed_.Place;
    const bool sized = !fittedSize_.isValid() || form_.size() == fittedSize_;
    if (!placed || !sized) {
        settledTicks_ = 0;
        if (!sized)
            form_.resize(fittedSize_);
        if (!placed)
            form_.move(windowed_.Place);
    } else {
        ++settledTicks_;
    }
    if (lastTry || settledTicks_ >= SettledTicks)
        placeTimer_.stop();
}

QPoint ViewControl::WindowPlace() const
{
    return form_.Options.FullScreen ? windowed_.Place : form_.pos();
}

void ViewControl::RefreshActions()
{
    // In full screen the zoom is whatever fills the screen best. In the window each command is
    // offered where it would change something.
    const bool full = form_.Options.FullScreen;
    if (!form_.PaintBox1 || !form_.Rules.Map) {
        // Before the window is built and a course loaded, no zoom does anything yet.
        for (QAction* action : {ZoomIn1, ZoomOut1, ActualSize1})
            action->setEnabled(false);
        FullScreen1->setChecked(full);
        LeaveFullScreen1->setEnabled(full);
        return;
    }
    const int32_t largest = full ? 1 : MaxWindowZoom();
    const int32_t current = std::min(form_.Options.Zoom, largest);
    ZoomIn1->setEnabled(!full && current < largest);
    ZoomOut1->setEnabled(!full && current > 1);
    ActualSize1->setEnabled(!full && (current > 1 || form_.PaintBox1->Zoom() != 1 || !FieldFitted()));
    FullScreen1->setChecked(full);
    LeaveFullScreen1->setEnabled(full);
}

QSize ViewControl::AroundField()
{
    if (QLayout* frame = form_.layout())
        frame->activate();
    if (QLayout* column = form_.centralWidget()->layout())
        column->activate();
    return form_.size() - form_.PaintBox1->size();
}

void ViewControl::KeepZoomedWindowOnScreen()
{
    const QScreen* shownOn = form_.screen();
    if (!shownOn || form_.PaintBox1->Zoom() == 1)
        return;
    // The frame may not be known yet: the window's own size stands in for it.
    const QRect available = shownOn->availableGeometry();
    const QRect frame = form_.frameGeometry().united(QRect(form_.pos(), form_.size()));
    const int left = std::max(available.left(),
                              std::min(frame.left(), available.right() + 1 - frame.width()));
    const int top = std::max(available.top(),
                             std::min(frame.top(), available.bottom() + 1 - frame.height()));
    if (left != frame.left() || top != frame.top())
        form_.move(form_.pos() + QPoint(left - frame.left(), top - frame.top()));
}

QSize ViewControl::SpaceForField()
{
    const QScreen* shownOn = form_.screen();
    if (!shownOn)
        return {};
    // The window's frame, as far as it is known (nothing before the window is first shown).
    const QSize frame = form_.frameGeometry().size() - form_.geometry().size();
    return shownOn->availableGeometry().size() - frame - AroundField();
}

int32_t ViewControl::MaxWindowZoom()
{
    if (!form_.Rules.Map || !form_.screen())
        return 1;
    const TMap& map = *form_.Replays->ShownRules().Map;
    return FieldView::LargestZoom(QSize(map.ScreenWidth, map.ScreenHeight), SpaceForField());
}

void ViewControl::FitClientArea()
{
    // In full screen the paint box fits the field to the screen by itself.
    if (form_.Options.FullScreen)
        return;
    // Whatever surrounds the paint box (menu bar, tool bar panel, status bar, each when
    // shown) keeps its size; the paint box becomes exactly the field, zoomed.
    const QSize around = AroundField();
    form_.PaintBox1->SetZoom(std::min(form_.Options.Zoom, MaxWindowZoom()));
    // The zoom the box is being made for (the box itself still has its old size).
    const int zoom = form_.PaintBox1->ChosenZoom();
    const TMap& map = *form_.Replays->ShownRules().Map;
    // The player may make the window larger (the field is centred in it) but not so small that
    // it cuts the field off; only a field larger than the screen is cut, by the screen.
    const QSize zoomed = QSize(map.ScreenWidth, map.ScreenHeight) * zoom;
    QSize least = zoomed;
    if (const QSize space = SpaceForField(); space.isValid())
        least = least.boundedTo(space.expandedTo(QSize(1, 1)));
    if (form_.PaintBox1->minimumSize() != least) {
        form_.PaintBox1->setMinimumSize(least);
        // The window's own least size follows the box's now, not after the resize below: the
        // box's column first, then the window around it.
        if (QLayout* column = form_.centralWidget()->layout())
            column->activate();
        if (QLayout* frame = form_.layout())
            frame->activate();
    }
    // A maximised window keeps its size: the field is centred in it.
    if (!form_.isMaximized()) {
        fittedSize_ = QSize(map.ScreenWidth * zoom + around.width(), map.ScreenHeight * zoom + around.height());
        form_.resize(fittedSize_);
    }
    KeepZoomedWindowOnScreen();
}

bool ViewControl::ToolBarWanted() const
{
    return form_.Options.FullScreen ? windowed_.ToolBar : !form_.Panel1->isHidden();
}

bool ViewControl::StatusBarWanted() const
{
    return form_.Options.FullScreen ? windowed_.StatusBar : !form_.StatusBar1->isHidden();
}

void ViewControl::ShowBars(bool toolBar, bool statusBar)
{
    if (toolBar == ToolBarWanted() && statusBar == StatusBarWanted())
        return;
    if (form_.Options.FullScreen) {
        // They come back when full screen ends.
        windowed_.ToolBar = toolBar;
        windowed_.StatusBar = statusBar;
        return;
    }
    form_.Panel1->setVisible(toolBar);
    form_.StatusBar1->setVisible(statusBar);
    form_.ResizePending = true;
}
