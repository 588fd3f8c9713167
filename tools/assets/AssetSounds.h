// SPDX-License-Identifier: GPL-3.0-or-later
// Synthesis of the shipped sound effects and a minimal wave file writer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assets {

inline constexpr int SampleRate = 22050;

using Samples = std::vector<std::int16_t>;

// A short rising blip for eating a dot.
Samples makeEatSound();

// A noisy crunch with a falling growl for a crash.
Samples makeCrashSound();

// Writes 16-bit mono PCM as a RIFF/WAVE file; false when the file cannot be written.
bool writeWave(const std::string &path, const Samples &samples, int sampleRate);

} // namespace assets
