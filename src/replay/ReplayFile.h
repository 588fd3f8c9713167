// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A recorded game and its file: INI text with a [REPLAY] header (the course, everything that
// shapes play at New, the claimed result) and [INPUT] lines of run-length tick events.
//
//   [REPLAY]
//   Format=1
//   Program=Brevanto 3.0
//   Course=/home/ann/COURSE1.DAT
//   CourseHash=09ab51c2d4e6f801
//   TileSize=24
//   MoveFast=1
//   MaxCar=3
//   RandamInit=0
//   Interval=50
//   HiScore=1200
//   Seed=58823411
//   Played=2026-12-08T16:05:00Z
//   Score=1230
//   Stage=3
//   Ticks=5120
//   Lines=1
//   [INPUT]
//   1=60R 14U 3F 0S 200@58830011 9MoveFast:2
//
// Each token is the number of ticks since the previous token's tick (the first counts from
// tick 0), then what happened at that tick: U R D L a direction wish, N F S the speed (normal,
// double, stop), @n a reading of the clock that seeds the random generator, Name:n a change of
// a setting. Wishes, speeds and settings reach the rules before the tick runs.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct ReplayEvent {
    enum Kind : uint8_t {
        Direction,  // the player's wish: 0 up, 2 right, 4 down, 6 left
        SpeedMode,  // 0 normal, 1 double speed, 2 stopped
        Clock,      // the clock's millisecond of the day read by a seeding during the tick
        MoveFast,   // the settings that change play, as the settings dialog sets them
        MaxCar,
        RandamInit,
        Interval,
        HiScore,
        KindCount
    };
    uint32_t Tick = 0;
    Kind What = Direction;
    int64_t Value = 0;

    bool operator==(const ReplayEvent&) const = default;
};

struct Replay {
    static constexpr int32_t FormatVersion = 1;
    // Limits that keep a hostile file from costing unbounded time or memory.
    static constexpr uint32_t MaxTicks = 20'000'000;     // over 11 days of play at 50 ms
    static constexpr size_t MaxEvents = 2'000'000;
    static constexpr size_t MaxLineBytes = 1024;         // written; longer lines are refused
    static constexpr size_t MaxLines = 40'000;
    static constexpr size_t MaxFileBytes = size_t{48} << 20;

    std::string Program;         // "Brevanto 3.0": the program that recorded it
    std::string CoursePath;      // as the game named the course file
    uint64_t CourseHash = 0;     // ContentHashOf the course file's bytes
    int32_t TileSize = 24;       // the tile sheet's, which sets the speed table
    int32_t MoveFast = 1;
    int32_t MaxCar = 3;
    bool RandamInit = false;
    int32_t Interval = 50;
    int32_t HiScore = 0;
    uint32_t Seed = 0;           // the random generator's state after New
    std::optional<int64_t> Played; // when the game began, seconds since 1970 (UTC)
    // The claimed result: the game ended at tick Ticks - 1 with this score in this stage.
    int32_t Score = 0;
    int32_t Stage = 0;
    uint32_t Ticks = 0;
    std::vector<ReplayEvent> Events; // in tick order; within a tick in the order they happened

    bool operator==(const Replay&) const = default;
};

// The file's text.
std::string ReplayText(const Replay& replay);
// Writes the file atomically (through the INI layer); throws brv::IniWriteError, also for a
// course path too long to read back, and then writes nothing.
void SaveReplay(const Replay& replay, const std::string& fileName);

struct ReplayReading {
    std::optional<Replay> Read;
    std::string Error; // why the bytes are not a replay, when Read is empty
};
// Reads a replay from bytes; a damaged, truncated or hostile text gives an Error, never more
// than the limits above in memory.
ReplayReading ReadReplay(std::string_view bytes);
// Reads the file (at most MaxFileBytes of it); a missing or unreadable file gives an Error.
ReplayReading LoadReplay(const std::string& fileName);
