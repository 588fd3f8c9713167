// SPDX-License-Identifier: GPL-3.0-or-later
#include "replay/ReplayPlayer.h"

#include "rules/GameRules.h"

ReplayPlayer::ReplayPlayer(const Replay& replay, TGameRules& rules,
                           std::function<void(int32_t)> intervalChanged)
    : replay_(replay), rules_(rules), intervalChanged_(std::move(intervalChanged)),
      previousClock_(brv::CurrentClock())
{
    brv::SetClock([this] { return ReadClock(); });
}

ReplayPlayer::~ReplayPlayer() { brv::SetClock(std::move(previousClock_)); }

void ReplayPlayer::Begin()
{
    rules_.MoveSpeed = replay_.MoveFast;
    rules_.MaxCar = replay_.MaxCar;
    rules_.RandomInit = replay_.RandamInit;
    rules_.HiScore = replay_.HiScore;
    SetInterval(replay_.Interval);
    rules_.NewGame();
    begun_ = true;
    brv::SetRandomSeed(replay_.Seed);
}

uint32_t ReplayPlayer::ReadClock()
{
    if (!begun_)
        return replay_.Seed; // before New (a start-up of the rules) and New itself
    if (clocksTaken_ < clockCount_)
        return clocks_[clocksTaken_++];
    Diverged("the game seeded its random generator where the replay has no clock reading");
    return 0;
}

void ReplayPlayer::Diverged(const std::string& what)
{
    if (divergence_.empty())
        divergence_ = "tick " + std::to_string(tick_) + ": " + what;
}

void ReplayPlayer::BeforeTick()
{
    const std::vector<ReplayEvent>& events = replay_.Events;
    clockCount_ = clocksTaken_ = 0;
    for (; next_ < events.size() && events[next_].Tick == tick_; ++next_) {
        const ReplayEvent& event = events[next_];
        const auto value = static_cast<int32_t>(event.Value);
        switch (event.What) {
        case ReplayEvent::Direction: rules_.MyCar->WantDirection = value; break;
        case ReplayEvent::SpeedMode: rules_.MyCar->SpeedMode = value; break;
        case ReplayEvent::MoveFast: rules_.MoveSpeed = value; break;
        case ReplayEvent::MaxCar: rules_.MaxCar = value; break;
        case ReplayEvent::RandamInit: rules_.RandomInit = value != 0; break;
        case ReplayEvent::Interval: SetInterval(value); break;
        case ReplayEvent::HiScore: rules_.HiScore = value; break;
        case ReplayEvent::Clock:
            // Taken by the tick's seedings, in their order.
            if (clockCount_ < clocks_.size())
                clocks_[clockCount_++] = static_cast<uint32_t>(event.Value);
            else
                Diverged("more clock readings than a tick can take");
            break;
        case ReplayEvent::KindCount: break;
        }
    }
}

void ReplayPlayer::AfterTick()
{
    if (clocksTaken_ < clockCount_)
        Diverged("the replay has a clock reading the game did not seed with");
    clockCount_ = clocksTaken_ = 0;
    ++tick_;
}

TickOutcome ReplayPlayer::Tick()
{
    BeforeTick();
    TickOutcome outcome = rules_.Timer1Timer();
    AfterTick();
    return outcome;
}

void ReplayPlayer::SetInterval(int32_t interval)
{
    rules_.TimerInterval = interval;
    if (intervalChanged_)
        intervalChanged_(interval);
}
