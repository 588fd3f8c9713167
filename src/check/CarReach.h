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
    std::vector<CarState> states;     // every reachable state, the start first
    std::vector<bool> arrivedCells;   // row-major: a cell the car arrives in without a fault
    std::vector<FatalArrival> fatal;  // one per distinct fatal cell, nearest first
};

// The player's car from start entry 0.
Reach ExplorePlayer(const TMap& map);
// Computer car `entry` (1..) while the player's car can stand in any of `playerBlocks`.
Reach ExploreComputerCar(const TMap& map, int32_t entry, const std::vector<int32_t>& playerBlocks);

} // namespace check_detail
