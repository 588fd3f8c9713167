// SPDX-License-Identifier: GPL-3.0-or-later
#include "replay/ReplayRecorder.h"

#include "course/CourseValues.h"
#include "rules/GameRules.h"

#include "BrevantoBuild.h"

ReplayRecorder::~ReplayRecorder() { Stop(); }

ReplayRecorder::Watched ReplayRecorder::WatchedOf(const TGameRules& rules)
{
    return {rules.MyCar->WantDirection, rules.MyCar->SpeedMode, rules.MoveSpeed,  rules.MaxCar,
            rules.RandomInit ? 1 : 0,   rules.TimerInterval,     rules.HiScore};
}

void ReplayRecorder::Start(const TGameRules& rules, const std::string& coursePath,
                           uint64_t courseHash, std::optional<int64_t> startedAt)
{
    Stop();
    replay_ = Replay();
    replay_.Program = std::string("Brevanto ") + BrevantoVersion;
    replay_.CoursePath = coursePath;
    replay_.CourseHash = courseHash;
    replay_.TileSize = rules.Map->TileSize;
    replay_.MoveFast = rules.MoveSpeed;
    replay_.MaxCar = rules.MaxCar;
    replay_.RandamInit = rules.RandomInit;
    replay_.Interval = rules.TimerInterval;
    replay_.HiScore = rules.HiScore;
    replay_.Seed = brv::RandomSeed();
    replay_.Played = startedAt;
    last_ = WatchedOf(rules);
    tick_ = 0;
    recording_ = true;

    // Every seeding from now on reads the clock through here, and the reading goes on record.
    previousClock_ = brv::CurrentClock();
    brv::SetClock([this] {
        const uint32_t now = previousClock_ ? previousClock_() : brv::SystemMillisecondOfDay();
        Note(ReplayEvent::Clock, now);
        return now;
    });
}

void ReplayRecorder::Note(ReplayEvent::Kind kind, int64_t value)
{
    if (replay_.Events.size() < Replay::MaxEvents)
        replay_.Events.push_back({tick_, kind, value});
    else
        overflow_ = true; // dropped at the next tick: a clock reading may be under way
}

void ReplayRecorder::BeforeTick(const TGameRules& rules)
{
    if (!recording_)
        return;
    if (rules.Demo || tick_ >= Replay::MaxTicks || overflow_) {
        Abandon(); // the game ended without a game over, or would outgrow any replay
        return;
    }
    const Watched now = WatchedOf(rules);
    const bool wishKnown = Direction{now.WantDirection}.IsStraight();
    if ((now.WantDirection != last_.WantDirection && !wishKnown) || now.SpeedMode < 0 ||
        now.SpeedMode > 2) {
        Abandon(); // not what keys set: nothing a replay could hold
        return;
    }
    if (now.MoveFast != last_.MoveFast)
        Note(ReplayEvent::MoveFast, now.MoveFast);
    if (now.MaxCar != last_.MaxCar)
        Note(ReplayEvent::MaxCar, now.MaxCar);
    if (now.RandamInit != last_.RandamInit)
        Note(ReplayEvent::RandamInit, now.RandamInit);
    if (now.Interval != last_.Interval)
        Note(ReplayEvent::Interval, now.Interval);
    if (now.HiScore != last_.HiScore)
        Note(ReplayEvent::HiScore, now.HiScore);
    if (now.WantDirection != last_.WantDirection)
        Note(ReplayEvent::Direction, now.WantDirection);
    if (now.SpeedMode != last_.SpeedMode)
        Note(ReplayEvent::SpeedMode, now.SpeedMode);
    last_ = now;
}

void ReplayRecorder::AfterTick(const TGameRules& rules)
{
    if (!recording_)
        return;
    ++tick_;
    // The tick itself turns wishes and speeds back; what differs before the next one is input.
    last_.WantDirection = rules.MyCar->WantDirection;
    last_.SpeedMode = rules.MyCar->SpeedMode;
}

std::optional<Replay> ReplayRecorder::Finish(int32_t score, int32_t stage)
{
    if (!recording_ || overflow_) {
        Abandon();
        return std::nullopt;
    }
    Replay done = std::move(replay_);
    done.Score = score;
    done.Stage = stage;
    done.Ticks = tick_;
    Stop();
    replay_ = Replay();
    return done;
}

void ReplayRecorder::Abandon()
{
    Stop();
    replay_ = Replay();
}

void ReplayRecorder::Stop()
{
    if (recording_)
        brv::SetClock(std::move(previousClock_));
    previousClock_ = nullptr;
    recording_ = false;
    overflow_ = false;
}
