// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Game controllers through SDL's game-controller API, whose mapping database knows the common
// pads by name: D-pad or left stick for the directions, A, B and Start. Controllers come and go
// while the game runs. Only the game links this; without SDL's subsystem there is no Gamepad.
#include "platform/PadInput.h"

#include <cstdint>
#include <memory>
#include <string>

namespace brv {

class Gamepad final : public PadInput {
public:
    // The stick counts as pushed past StickPress (half its travel); it counts as let go only
    // below StickRelease, so a hand resting near the edge does not repeat the push. Turning a
    // held stick to the other axis counts once that axis leads by StickSwitchMargin.
    static constexpr int StickPress = 16384;
    static constexpr int StickRelease = 12288;
    static constexpr int StickSwitchMargin = 4096;

    // Starts SDL's game-controller subsystem; nothing when SDL cannot. Mappings in
    // `mappingFile` (the community database's text format), when it exists, join SDL's own:
    // read on a thread of their own, so a long file never holds up the window, and only its
    // first 2000 for this system (SDL's cost grows with the square of their number).
    static std::unique_ptr<Gamepad> Open(const std::string& mappingFile = {});
    // Until the mapping file has been read (for tests).
    void WaitForMappings();
    ~Gamepad() override;
    Gamepad(const Gamepad&) = delete;
    Gamepad& operator=(const Gamepad&) = delete;

    void Poll(std::vector<PadButton>& presses) override;
    bool Connected() const override;
    // Controllers open now.
    int Attached() const;

private:
    Gamepad();
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace brv
