// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one random generator the whole game shares (steering, the demo's requests, seeding).
// A linear congruential generator: seed := seed * 134775813 + 1 (mod 2^32), and a draw in
// 0..n-1 is the upper half of the 64-bit product of the new seed and n.
#include <cstdint>
#include <functional>

namespace brv {

// Milliseconds since midnight UTC; replaceable so tests and the simulator can fix every seeding.
using ClockFunction = std::function<uint32_t()>;
void SetClock(ClockFunction clock);   // an empty function restores the system clock
ClockFunction CurrentClock();         // the function set, empty for the system clock
uint32_t MillisecondOfDay();
uint32_t SystemMillisecondOfDay();  // the system clock, whatever function is set

uint32_t RandomSeed();
void SetRandomSeed(uint32_t seed);
void Randomize();                     // seed := the clock's millisecond of the day
int32_t Random(int32_t n);            // uniform in 0..n-1 for n > 0

} // namespace brv
