// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard control and the application's events: deactivation, minimise and restore, hints.
#include "game/ui/ReplayDesk.h"
#include "game/ui/TBrevantoForm.h"
#include "ui/Hints.h"
#include "ui/KeyNames.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QWindowStateChangeEvent>

bool TBrevantoForm::FormKeyDown(const QKeyEvent& key)
{
    if (Replays->Watching())
        return Replays->WatchKey(key);
    if (Rules.Demo)
        return false;
    // Pause is a shortcut of its menu item (ApplyKeys): it acts in the demo too.
    return DoKeyAction(Options.Keys.ActionFor(brv::ChordOf(key)).value_or(KeyAction::Pause));
}

bool TBrevantoForm::DoKeyAction(KeyAction action)
{
    if (Replays->Watching())
        return false; // the game in play waits while a replay is shown
    switch (action) {
    case KeyAction::Up: return Rules.KeyDirection(0);
    case KeyAction::Right: return Rules.KeyDirection(2);
    case KeyAction::Down: return Rules.KeyDirection(4);
    case KeyAction::Left: return Rules.KeyDirection(6);
    case KeyAction::DoubleSpeed: return Rules.KeyToggleDoubleSpeed();
    case KeyAction::Stop: return Rules.KeyToggleStop();
    case KeyAction::Pause: return false;
    }
    return false;
}

bool TBrevantoForm::eventFilter(QObject* watched, QEvent* event)
{
    // Key preview: the window sees every key meant for itself or one of its controls first,
    // except while the menu is in keyboard navigation: then the keys move through the menus.
    if (event->type() == QEvent::KeyPress && Started && !Destroyed && !MenuNavigating()) {
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this) {
            const auto& key = static_cast<const QKeyEvent&>(*event);
            if (FormKeyDown(key))
                return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TBrevantoForm::MenuNavigating() const
{
    // Alt pressed and released gives the menu bar the focus with an item highlighted; Escape
    // takes the highlight away but may leave the focus there. An open menu is a popup.
    const QMenuBar* bar = qobject_cast<const QMenuBar*>(menuWidget());
    return (bar && bar->hasFocus() && bar->activeAction())
           || QApplication::activePopupWidget() != nullptr;
}

void TBrevantoForm::AppDeactivate()
{
    if (!Rules.Demo && Timer1->isActive())
        SetRunning(false);
}

void TBrevantoForm::AppMinimize()
{
    if (Timer1->isActive())
        SetRunning(false);
}

void TBrevantoForm::AppRestore()
{
    if (!Timer1->isActive() && Rules.Demo)
        SetRunning(true);
}

void TBrevantoForm::AppHint(const QString& hint)
{
    StatusPanels[1]->setText(brv::LongHint(hint));
}

bool TBrevantoForm::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        // The long part of a hint goes to panel 1, never over the status text of panel 0.
        AppHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TBrevantoForm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange && AppEventsHooked && Started && !Destroyed) {
        const auto* change = static_cast<QWindowStateChangeEvent*>(event);
        const bool wasMinimized = change->oldState() & Qt::WindowMinimized;
        const bool minimized = windowState() & Qt::WindowMinimized;
        if (minimized && !wasMinimized)
            AppMinimize();
        else if (wasMinimized && !minimized)
            AppRestore();
    }
    QMainWindow::changeEvent(event);
}

void TBrevantoForm::closeEvent(QCloseEvent* event)
{
    FormDestroy();
    event->accept();
}
