// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/ControllerPoll.h"

#include "ui/QtOwned.h"

#include <QTimer>
#include <QWidget>

#include <utility>

namespace {

// With a controller open: often enough that a tap of a button is never late by a visible
// step of the car. With none: a controller plugged in is found within a quarter second, and
// the idle game is not woken sixty times a second for it.
constexpr int GamepadPollMs = 16;
constexpr int GamepadIdlePollMs = 250;

int PollInterval(const brv::PadInput& pad) { return pad.Connected() ? GamepadPollMs : GamepadIdlePollMs; }

} // namespace

ControllerPoll::ControllerPoll(QWidget& window, std::function<void(brv::PadButton)> press)
    : window_(window), press_(std::move(press))
{
}

ControllerPoll::~ControllerPoll() = default;

void ControllerPoll::Attach(std::unique_ptr<brv::PadInput> pad)
{
    pad_ = std::move(pad);
    if (!pad_)
        return;
    if (!timer_) {
        timer_ = brv::MakeChild<QTimer>(&window_);
        timer_->setObjectName(QStringLiteral("GamepadTimer"));
        QObject::connect(timer_, &QTimer::timeout, &window_, [this] { Poll(); });
    }
    timer_->start(0);
}

void ControllerPoll::Poll()
{
    if (!pad_)
        return;
    presses_.clear();
    pad_->Poll(presses_);
    if (timer_ && timer_->interval() != PollInterval(*pad_))
        timer_->setInterval(PollInterval(*pad_));
    // Like keys, buttons belong to the window that has the keyboard: not to another program,
    // nor to this one while one of its dialogs is open.
    if (!window_.isActiveWindow())
        return;
    for (const brv::PadButton button : presses_)
        press_(button);
}
