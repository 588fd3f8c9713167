// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A course's table of the best games: ten places, best score first. A score earns a place when
// it is above zero and, in a full table, beats the last place; an equal score ranks below the
// entry that was there first.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct HiScoreEntry {
    std::string Name;            // UTF-8, as the player typed it
    int32_t Score = 0;
    int32_t Stage = 0;           // the stage the game ended in; 0 when not known
    std::optional<int64_t> When; // seconds since 1970-01-01 00:00 UTC
    std::string Replay;          // the game's replay: a file name in the replays folder, or none

    bool operator==(const HiScoreEntry&) const = default;
};

class HiScoreTable {
public:
    static constexpr size_t Places = 10;
    // The longest name kept, in bytes; a longer one is cut at a character boundary.
    static constexpr size_t MaxNameBytes = 128;

    const std::vector<HiScoreEntry>& Entries() const { return entries_; }
    bool Empty() const { return entries_.empty(); }

    // The 0-based place a game with this score would take, or nothing when it earns none.
    std::optional<size_t> PlaceFor(int32_t score) const;
    // Puts the entry in its place (the last place drops out of a full table) and returns the
    // place; an entry that earns none leaves the table as it was.
    std::optional<size_t> Insert(HiScoreEntry entry);
    void Clear() { entries_.clear(); }

private:
    std::vector<HiScoreEntry> entries_;
};

// The first `maxBytes` bytes of a UTF-8 text, cut back to the start of a character.
std::string CutUtf8(std::string text, size_t maxBytes);
