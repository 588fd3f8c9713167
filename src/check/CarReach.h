// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a car can get to: the states of one car (cell, heading, lane change under way, block
// and side) reachable from its start entry, explored arrival by arrival with the cars' own
// motion and steering. The player's car may take every key choice; a computer car every
// decision its steering can make for any place of the player (a random car every draw).
#include "course/TMap.h"

#include <cstdint>
#include <vector>

namespace check_detail {

struct CarState {
    TPoint position;
    int32_t direction = 0;
    int32_t turnDirection = 0;
    int32_t block = 0;
    char side = 'L';
};

// A fatal arrival: the car left the course or met a dead end.
struct FatalArrival {
    bool leftCourse = false;
    TPoint cell;                // the dead end, or the last cell on the course
    std::vector<TPoint> route;  // cells from the start entry to `cell`, shortest first found
};

struct Reach {
    std::vector<CarState> states;     // every reachable state explored, the start first
    std::vector<bool> arrivedCells;   // row-major: a cell the car arrives in without a fault
    std::vector<FatalArrival> fatal;  // one per distinct fatal cell, nearest first
};

// Distinct states a cell can hold: 4 headings, 5 lane changes, own block or none, 2 sides.
inline constexpr uint64_t StatesPerCell = 4 * 5 * 2 * 2;

// States met so far, one bit each: ten bytes a cell, less than the map holds per cell itself,
// and no allocation per state as a hash set would make.
class SeenStates {
public:
    explicit SeenStates(const TMap& map)
        : bits_((static_cast<size_t>(map.MapWidth) * static_cast<size_t>(map.MapHeight) * StatesPerCell + 63) / 64)
    {
    }
    // True the first time a state is met.
    bool FirstVisit(uint64_t key)
    {
        uint64_t& word = bits_[key / 64];
        const uint64_t bit = uint64_t{1} << (key % 64);
        const bool first = (word & bit) == 0;
        word |= bit;
        return first;
    }

private:
    std::vector<uint64_t> bits_;
};

// What the computer cars explored so far, by how they steer. Cars that steer alike move alike
// from a state, so everything a later car could reach from a state an earlier one met was
// found then: the later car explores only states new to both, and finds no fault that was not
// found (and reported) already, while the cells driven still add up to the same.
struct ComputerCarStates {
    explicit ComputerCarStates(const TMap& map) : Random(map), Pursuing(map) {}
    SeenStates Random;
    SeenStates Pursuing;
};

// The player's car from start entry 0.
Reach ExplorePlayer(const TMap& map);
// Computer car `entry` (1..) while the player's car can stand in any of `playerBlocks`: the
// states new to `explored`, which take them in.
Reach ExploreComputerCar(const TMap& map, int32_t entry, const std::vector<int32_t>& playerBlocks,
                         ComputerCarStates& explored);

} // namespace check_detail
