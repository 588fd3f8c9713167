// The View menu of the main window: the field at a whole-number zoom, and full screen.
#include "ui/FieldView.h"
#include "ui/QtOwned.h"
#include "game/ui/TBrevantoForm.h"

#include "config/model/AddedTexts.h"
#include "platform/TextCodec.h"

#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>

#include <algorithm>

void TBrevantoForm::BuildViewMenu()
{
    // Between File and Option.
    View1 = brv::MakeChild<QMenu>(menuBar());
    View1->setObjectName(QStringLiteral("View1"));
    View1->setAttribute(Qt::WA_WindowPropagation);
    menuBar()->insertMenu(Option1->menuAction(), View1);

    const auto newItem = [this](const char* name, void (TBrevantoForm::*handler)(),
                                QList<QKeySequence> keys) {
        QAction* action = View1->addAction(QString());
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcuts(keys);
        // The keys act wherever the focus is in this window, also with the menu bar hidden.
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    ZoomIn1 = newItem("ZoomIn1", &TBrevantoForm::ZoomIn1Click,
                      {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    ZoomOut1 = newItem("ZoomOut1", &TBrevantoForm::ZoomOut1Click,
                       {QKeySequence(Qt::CTRL | Qt::Key_Minus)});
    ActualSize1 = newItem("ActualSize1", &TBrevantoForm::ActualSize1Click,
                          {QKeySequence(Qt::CTRL | Qt::Key_0)});
    View1->addSeparator();
    FullScreen1 = newItem("FullScreen1", &TBrevantoForm::FullScreen1Click,
                          {QKeySequence(Qt::Key_F11)});
    FullScreen1->setCheckable(true);

    // Escape leaves full screen; it is not a menu item, and does nothing in the window.
    LeaveFullScreen1 = brv::MakeChild<QAction>(this);
    LeaveFullScreen1->setObjectName(QStringLiteral("LeaveFullScreen1"));
    LeaveFullScreen1->setShortcut(QKeySequence(Qt::Key_Escape));
    LeaveFullScreen1->setShortcutContext(Qt::WindowShortcut);
    addAction(LeaveFullScreen1);
    connect(LeaveFullScreen1, &QAction::triggered, this, [this] { SetFullScreen(false); });
    RefreshViewActions();
}

void TBrevantoForm::ApplyViewLanguage(const AddedTexts& texts)
{
    const auto text = [&texts](const char* key, const char* english) {
        return brv::DecodeText(texts.Text(key, english));
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

void TBrevantoForm::ZoomIn1Click() { StepZoom(1); }

void TBrevantoForm::ZoomOut1Click() { StepZoom(-1); }

void TBrevantoForm::StepZoom(int32_t step)
{
    if (FullScreen)
        return;
    // From the zoom asked for last, which the window may not show yet.
    const int32_t largest = MaxWindowZoom();
    const int32_t current = std::min(Zoom, largest);
    const int32_t next = std::clamp(current + step, 1, largest);
    if (next == current)
        return;
    Zoom = next;
    ResizePending = true;
    InvalidateField();
}

void TBrevantoForm::ActualSize1Click()
{
    if (FullScreen || (Zoom == 1 && PaintBox1->Zoom() == 1))
        return;
    Zoom = 1;
    ResizePending = true;
    InvalidateField();
}

void TBrevantoForm::FullScreen1Click()
{
    SetFullScreen(!FullScreen);
}

void TBrevantoForm::SetFullScreen(bool on)
{
    if (on == FullScreen) {
        RefreshViewActions();
        return;
    }
    // Only the window changes: the clock runs or stands as it did.
    if (on) {
        BeforeFullScreen = {!Panel1->isHidden(), !StatusBar1->isHidden(), pos()};
        FullScreen = true;
        Panel1->hide();
        StatusBar1->hide();
        PaintBox1->SetFitToBox(true);
        setWindowState(windowState() | Qt::WindowFullScreen);
    } else {
        FullScreen = false;
        PaintBox1->SetFitToBox(false);
        setWindowState(windowState() & ~Qt::WindowFullScreen);
        move(BeforeFullScreen.Position);
        Panel1->setVisible(BeforeFullScreen.ToolBar);
        StatusBar1->setVisible(BeforeFullScreen.StatusBar);
        ResizePending = true;
    }
    InvalidateField();
    RefreshViewActions();
    RefreshFieldMessage();
}

void TBrevantoForm::RefreshViewActions()
{
    // In full screen the zoom is whatever fills the screen best.
    for (QAction* action : {ZoomIn1, ZoomOut1, ActualSize1})
        action->setEnabled(!FullScreen);
    FullScreen1->setChecked(FullScreen);
    LeaveFullScreen1->setEnabled(FullScreen);
}

QSize TBrevantoForm::AroundField()
{
    if (QLayout* frame = layout())
        frame->activate();
    if (QLayout* column = centralWidget()->layout())
        column->activate();
    return size() - PaintBox1->size();
}

void TBrevantoForm::KeepZoomedWindowOnScreen()
{
    const QScreen* shownOn = screen();
    if (!shownOn || PaintBox1->Zoom() == 1)
        return;
    // The frame may not be known yet: the window's own size stands in for it.
    const QRect available = shownOn->availableGeometry();
    const QRect frame = frameGeometry().united(QRect(pos(), size()));
    const int left = std::max(available.left(),
                              std::min(frame.left(), available.right() + 1 - frame.width()));
    const int top = std::max(available.top(),
                             std::min(frame.top(), available.bottom() + 1 - frame.height()));
    if (left != frame.left() || top != frame.top())
        move(pos() + QPoint(left - frame.left(), top - frame.top()));
}

int32_t TBrevantoForm::MaxWindowZoom()
{
    const QScreen* shownOn = screen();
    if (!Rules.Map || !shownOn)
        return 1;
    // The window's frame, as far as it is known (nothing before the window is first shown).
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize space = shownOn->availableGeometry().size() - frame - AroundField();
    return FieldView::LargestZoom(QSize(Rules.Map->ScreenWidth, Rules.Map->ScreenHeight), space);
}

bool TBrevantoForm::ToolBarWanted() const
{
    return FullScreen ? BeforeFullScreen.ToolBar : !Panel1->isHidden();
}

bool TBrevantoForm::StatusBarWanted() const
{
    return FullScreen ? BeforeFullScreen.StatusBar : !StatusBar1->isHidden();
}

void TBrevantoForm::ShowBars(bool toolBar, bool statusBar)
{
    if (toolBar == ToolBarWanted() && statusBar == StatusBarWanted())
        return;
    if (FullScreen) {
        // They come back when full screen ends.
        BeforeFullScreen.ToolBar = toolBar;
        BeforeFullScreen.StatusBar = statusBar;
        return;
    }
    Panel1->setVisible(toolBar);
    StatusBar1->setVisible(statusBar);
    ResizePending = true;
}

void TBrevantoForm::ApplyViewSettings(const Settings& settings)
{
    Zoom = settings.Zoom;
    if (settings.FullScreen)
        SetFullScreen(true);
}

void TBrevantoForm::StoreViewSettings(Settings& settings) const
{
    settings.Zoom = Zoom;
    settings.FullScreen = FullScreen;
    // Full screen hides the bars and moves the window for the time being only.
    settings.ToolBar = ToolBarWanted();
    settings.StatusBar = StatusBarWanted();
    if (FullScreen) {
        settings.Left = BeforeFullScreen.Position.x();
        settings.Top = BeforeFullScreen.Position.y();
    }
}
