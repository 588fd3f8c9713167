// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// SIGTERM, SIGHUP and SIGINT (a session logging out, a terminal closing, Ctrl+C) end the game
// as File > Exit does, so the settings are saved. The signal handler only writes a byte into a
// pipe; the window's thread reads it and acts once no dialog of the game is open.
#include <QObject>

#include <functional>

class QSocketNotifier;

class QuitOnSignal : public QObject {
public:
    // `quit` runs on the window's thread, outside any dialog's event loop. One instance at a
    // time; the signals keep their handler until it is destroyed.
    QuitOnSignal(std::function<void()> quit, QObject* parent = nullptr);
    ~QuitOnSignal() override;
    QuitOnSignal(const QuitOnSignal&) = delete;
    QuitOnSignal& operator=(const QuitOnSignal&) = delete;

    // False when the pipe or the handlers could not be set up (the signals then end the program
    // as they would anyway).
    bool Active() const { return active_; }

private:
    void SignalArrived();
    void QuitWhenNoDialogIsOpen();

    std::function<void()> quit_;
    QSocketNotifier* notifier_ = nullptr;
    bool active_ = false;
    bool quitting_ = false;
};
