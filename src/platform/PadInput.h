// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the game takes from a game controller: presses of the buttons it uses. The directions
// come from the D-pad or the left stick, each once per push, never repeated while held.
#include <vector>

namespace brv {

enum class PadButton { Up, Right, Down, Left, A, B, Start };

class PadInput {
public:
    virtual ~PadInput() = default;
    // Appends the presses since the last poll, in the order they happened; also notices
    // controllers plugged in or pulled out since.
    virtual void Poll(std::vector<PadButton>& presses) = 0;
    // A controller is open: presses need quick polls. While none is, only a plug-in can
    // happen, and a slow poll finds it soon enough.
    virtual bool Connected() const = 0;
};

} // namespace brv
