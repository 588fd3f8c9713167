// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Records the game the rules play, from New to its end: what New started with, then before each
// tick whatever reached the rules since the last one (the player's wish and speed, a setting
// changed in the dialog), and during each tick the clock readings that seed the random
// generator. It only compares a few numbers around the tick, so the tick costs the same.
//
// The host calls Start right after New, BeforeTick and AfterTick around every tick of the game
// and Finish when the game is over; a game that ends otherwise (a course loaded, another New)
// is dropped by Abandon or the next Start.
#include "replay/ReplayFile.h"

#include "platform/Random.h"

#include <cstdint>
#include <optional>
#include <string>

class TGameRules;

class ReplayRecorder {
public:
    ReplayRecorder() = default;
    ~ReplayRecorder();
    ReplayRecorder(const ReplayRecorder&) = delete;
    ReplayRecorder& operator=(const ReplayRecorder&) = delete;

    // The game New has just begun on the course `coursePath` (whose bytes hash to
    // `courseHash`); `startedAt` in seconds since 1970 (UTC).
    void Start(const TGameRules& rules, const std::string& coursePath, uint64_t courseHash,
               std::optional<int64_t> startedAt);
    bool Recording() const { return recording_; }

    void BeforeTick(const TGameRules& rules);
    void AfterTick(const TGameRules& rules);

    // The game ended in the last tick with this score in this stage: its replay, claiming them
    // (none when nothing was being recorded, or the game outgrew what a replay holds).
    std::optional<Replay> Finish(int32_t score, int32_t stage);
    void Abandon();

private:
    // What a tick's input and the settings dialog may change between ticks.
    struct Watched {
        int32_t WantDirection = 0;
        int32_t SpeedMode = 0;
        int32_t MoveFast = 0;
        int32_t MaxCar = 0;
        int32_t RandamInit = 0;
        int32_t Interval = 0;
        int32_t HiScore = 0;
    };
    static Watched WatchedOf(const TGameRules& rules);
    void Stop();
    void Note(ReplayEvent::Kind kind, int64_t value);

    bool recording_ = false;
    bool overflow_ = false;
    Replay replay_;
    Watched last_;
    uint32_t tick_ = 0;
    brv::ClockFunction previousClock_;
};
