// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/GameClock.h"

#include "ui/QtOwned.h"

#include <QTimer>

#include <algorithm>
#include <utility>

namespace {

constexpr int32_t MinimumTimerPeriod = 10;

} // namespace

GameClock::GameClock(QObject& owner, std::function<void()> tick)
    : timer_(brv::MakeChild<QTimer>(&owner))
{
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer_, &QTimer::timeout, &owner, std::move(tick));
}

void GameClock::SetPeriod(int32_t interval)
{
    timer_->setInterval(std::max(interval, MinimumTimerPeriod));
}

bool GameClock::Running() const
{
    return timer_->isActive();
}

void GameClock::Start()
{
    if (!halted_ && !timer_->isActive())
        timer_->start();
}

void GameClock::Stop()
{
    if (timer_->isActive())
        timer_->stop();
}

bool GameClock::Suspend()
{
    const bool wasRunning = timer_->isActive();
    Stop();
    return wasRunning;
}

void GameClock::Resume(bool wasRunning)
{
    if (wasRunning)
        Start();
}

void GameClock::Halt()
{
    halted_ = true;
    Stop();
}
