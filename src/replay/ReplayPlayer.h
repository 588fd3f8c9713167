// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays a replay on rules whose course is loaded and in play (StartPlay done): New as it was
// recorded, then tick by tick the recorded wishes, speeds and settings before the tick and the
// recorded clock readings for its seedings. A seeding the replay has no reading for (or a
// reading no seeding took) means the game went another way than recorded: the first such tick
// is kept as the divergence.
#include "replay/ReplayFile.h"

#include "platform/Random.h"
#include "rules/TickOutcome.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

class TGameRules;

class ReplayPlayer {
public:
    // The replay must outlive the player. `intervalChanged` hears of each clock interval the
    // replay sets on the rules (the start wait of a stage counts in it), so that a window can
    // run its clock at it.
    ReplayPlayer(const Replay& replay, TGameRules& rules,
                 std::function<void(int32_t)> intervalChanged = {});
    ~ReplayPlayer();
    ReplayPlayer(const ReplayPlayer&) = delete;
    ReplayPlayer& operator=(const ReplayPlayer&) = delete;

    // The New command with the recorded start. Seedings before it read the recorded seed.
    void Begin();
    // Applies what reached the rules before the next tick; the caller then runs the tick
    // between BeforeTick and AfterTick (so a window can run it its own way).
    void BeforeTick();
    void AfterTick();
    // BeforeTick, the rules' tick, AfterTick.
    TickOutcome Tick();

    uint32_t TicksPlayed() const { return tick_; }
    bool AllTicksPlayed() const { return tick_ >= replay_.Ticks; }
    const std::string& Divergence() const { return divergence_; }

private:
    uint32_t ReadClock();
    void SetInterval(int32_t interval);
    void Diverged(const std::string& what);

    const Replay& replay_;
    TGameRules& rules_;
    std::function<void(int32_t)> intervalChanged_;
    size_t next_ = 0; // the first event not yet applied
    // The clock readings of the tick under way, and how many the tick has taken.
    std::array<uint32_t, 8> clocks_{};
    size_t clockCount_ = 0;
    size_t clocksTaken_ = 0;
    uint32_t tick_ = 0;
    bool begun_ = false;
    std::string divergence_;
    brv::ClockFunction previousClock_;
};
