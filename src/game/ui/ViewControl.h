// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The View menu of the main window: the field at a whole-number zoom, fitted into the window
// and the window onto the screen, and full screen. The zoom asked for and full screen live in
// the window's settings.
#include <QKeySequence>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QTimer>

#include <cstdint>

class AddedTexts;
class QAction;
class QMenu;
class TBrevantoForm;

class ViewControl {
public:
    // Builds the View menu between File and Option of `form`'s menu bar.
    explicit ViewControl(TBrevantoForm& form);

    void ApplyLanguage(const AddedTexts& texts);
    // Start-up: full screen when the settings ask for it.
    void ApplySettings();
    // Shut-down: the window's place and bars as the settings keep them (in full screen, as
    // they were before it: full screen moves the window and hides the bars for the time being).
    QPoint WindowPlace() const;

    void ZoomIn1Click();
    void ZoomOut1Click();
    // One zoom step in or out, within 1 and the largest zoom that fits.
    void StepZoom(int32_t step);
    void ActualSize1Click();
    void FullScreen1Click();
    void SetFullScreen(bool on);
    // The largest zoom at which the window, bars and frame included, fits the screen's
    // available area; at least 1.
    int32_t MaxWindowZoom();
    // The paint box becomes exactly the field at the zoom asked for (as far as the screen
    // allows), the window fits around it and stays on the screen. Nothing in full screen.
    void FitClientArea();
    // The bars as the player has them (in full screen they come back when it ends).
    bool ToolBarWanted() const;
    bool StatusBarWanted() const;
    void ShowBars(bool toolBar, bool statusBar);

    QMenu* View1 = nullptr;
    QAction* ZoomIn1 = nullptr;
    QAction* ZoomOut1 = nullptr;
    QAction* ActualSize1 = nullptr;
    QAction* FullScreen1 = nullptr;
    QAction* LeaveFullScreen1 = nullptr; // Escape, only while in full screen

    // The zoom commands are enabled where they would change something.
    void RefreshActions();
    // The window holds just the field at the zoom shown (not resized by the player, nor
    // maximised).
    bool FieldFitted() const;

private:
    QAction* NewItem(const char* name, void (ViewControl::*handler)(), QList<QKeySequence> keys);
    // What surrounds the paint box in the window: menu bar, tool bar, status bar as shown.
    QSize AroundField();
    // Room on the screen for the paint box: the available area less frame and bars.
    QSize SpaceForField();
    // A zoomed window that would reach beyond the screen's available area moves into it.
    void KeepZoomedWindowOnScreen();
    // Leaving full screen: the frame goes back where it was.
    void GiveBackPlace();
    void PlaceTimerTick();
    static constexpr int PlaceTryMs = 20;
    // A busy desktop may take a second or more to frame the window again; without a window
    // manager nothing comes, and the window simply stays where the first move put it.
    static constexpr int MaxPlaceTries = 150;
    // Ticks the framed window must stay in place before the watch ends.
    static constexpr int SettledTicks = 10;

    TBrevantoForm& form_;
    // The window as it was before full screen, given back when leaving it.
    struct Windowed {
        bool ToolBar = true;
        bool StatusBar = true;
        QPoint Place;
    } windowed_;
    QTimer placeTimer_;
    int placeTries_ = 0;
    int settledTicks_ = 0;
    // The window's size as last fitted around the field, given back with its place.
    QSize fittedSize_;
};
