// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Random.h"

#include <chrono>

namespace brv {
namespace {
// Per thread, so that a course check on a worker thread never disturbs the game's sequence.
thread_local uint32_t Seed = 0;
thread_local ClockFunction Clock;
} // namespace

uint32_t SystemMillisecondOfDay()
{
    using namespace std::chrono;
    const auto now = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    return static_cast<uint32_t>(now % 86400000);
}

void SetClock(ClockFunction clock) { Clock = std::move(clock); }
ClockFunction CurrentClock() { return Clock; }

uint32_t MillisecondOfDay() { return Clock ? Clock() : SystemMillisecondOfDay(); }

uint32_t RandomSeed() { return Seed; }
void SetRandomSeed(uint32_t seed) { Seed = seed; }
void Randomize() { Seed = MillisecondOfDay(); }

int32_t Random(int32_t n)
{
    Seed = Seed * 134775813u + 1u;
    return static_cast<int32_t>((static_cast<uint64_t>(Seed) * static_cast<uint32_t>(n)) >> 32);
}

} // namespace brv
