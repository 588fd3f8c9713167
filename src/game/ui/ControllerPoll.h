// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game controller of the main window: polled while the window lives, often while a
// controller is open and seldom while none is, its presses handed on only while the window has
// the keyboard.
#include "platform/PadInput.h"

#include <functional>
#include <memory>
#include <vector>

class QTimer;
class QWidget;

class ControllerPoll {
public:
    // `window` decides whether presses count (it must be the active window); `press` acts on each.
    ControllerPoll(QWidget& window, std::function<void(brv::PadButton)> press);
    ~ControllerPoll();
    ControllerPoll(const ControllerPoll&) = delete;
    ControllerPoll& operator=(const ControllerPoll&) = delete;

    // Starts polling `pad` (none: nothing happens); the first poll comes at once, so a controller
    // plugged in before the game is found at start.
    void Attach(std::unique_ptr<brv::PadInput> pad);
    void Poll();

private:
    QWidget& window_;
    std::function<void(brv::PadButton)> press_;
    std::unique_ptr<brv::PadInput> pad_;
    QTimer* timer_ = nullptr;
    std::vector<brv::PadButton> presses_;
};
