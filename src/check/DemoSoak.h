// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The demo played headless for a while with the shared rules, at several fixed times of day
// (every seeding reads the clock), to catch a fatal course error the way a player would.
#include "course/TMap.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace check_detail {

// The times of day (milliseconds) the soak plays at.
inline constexpr uint32_t SoakClocks[] = {0, 21600000, 43200000, 64800000};

struct SoakFault {
    uint32_t clock = 0;
    int64_t tick = 0;       // the tick that ended in the fatal error, from 1
    int32_t entry = 0;      // the car's start entry: 0 the player's, k computer car k
    bool leftCourse = false;
    TPoint cell;            // the dead end, or the last cell on the course
};

// Plays the demo for `ticks` ticks at `clock`; the fatal error it ends in, if any.
std::optional<SoakFault> SoakDemo(const TMap& map, int32_t tileSize, int32_t ticks,
                                  uint32_t clock);

} // namespace check_detail
