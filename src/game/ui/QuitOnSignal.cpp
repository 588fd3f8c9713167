// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/QuitOnSignal.h"

#include "ui/QtOwned.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <array>
#include <cerrno>
#include <csignal>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> QuitSignals{SIGTERM, SIGHUP, SIGINT};

// Written by the handler, read by the window's thread; -1 while no instance lives.
int SignalPipe[2] = {-1, -1};

extern "C" void OnQuitSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    // A full pipe already holds a quit request: nothing is lost by dropping this one.
    [[maybe_unused]] const ssize_t written = write(SignalPipe[1], &byte, 1);
    errno = saved;
}

bool MakePipe()
{
    if (pipe2(SignalPipe, O_CLOEXEC | O_NONBLOCK) == 0)
        return true;
    SignalPipe[0] = SignalPipe[1] = -1;
    return false;
}

} // namespace

QuitOnSignal::QuitOnSignal(std::function<void()> quit, QObject* parent)
    : QObject(parent), quit_(std::move(quit))
{
    if (SignalPipe[0] >= 0 || !MakePipe())
        return;
    notifier_ = brv::MakeChild<QSocketNotifier>(SignalPipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { SignalArrived(); });
    struct sigaction action {};
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : QuitSignals)
        sigaction(signal, &action, nullptr);
    active_ = true;
}

QuitOnSignal::~QuitOnSignal()
{
    if (!active_)
        return;
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (const int signal : QuitSignals)
        sigaction(signal, &action, nullptr);
    delete notifier_;
    close(SignalPipe[0]);
    close(SignalPipe[1]);
    SignalPipe[0] = SignalPipe[1] = -1;
}

void QuitOnSignal::SignalArrived()
{
    char bytes[64];
    while (read(SignalPipe[0], bytes, sizeof bytes) > 0) {
    }
    if (quitting_)
        return;
    quitting_ = true;
    QuitWhenNoDialogIsOpen();
}

void QuitOnSignal::QuitWhenNoDialogIsOpen()
{
    // A dialog (or a message box) runs an event loop of its own inside a command that goes on
    // once it returns: each is closed as Escape would close it, and the game ends only after
    // every one has returned, so no command finds the window shut down under it.
    if (QThread::currentThread()->loopLevel() > 1) {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        QTimer::singleShot(10, this, [this] { QuitWhenNoDialogIsOpen(); });
        return;
    }
    quit_();
}
