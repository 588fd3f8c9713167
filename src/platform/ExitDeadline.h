// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A bound on how long a program may take to end once its work is saved. Releasing the sound
// output and the game controllers at exit can block on the audio server (a playback stream is
// drained first) or on the controller stack for seconds after the window has gone; the player
// sees a program that will not end. Past the deadline the process ends with the given status
// without further clean-up, which the operating system does anyway.
#include <chrono>

namespace brv {

// From now on the process ends with `status` within `deadline`, however the rest of its
// clean-up goes. Output buffers are flushed first.
void EndWithin(std::chrono::milliseconds deadline, int status);

} // namespace brv
