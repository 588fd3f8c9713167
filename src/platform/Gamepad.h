#pragma once
// Game controllers through SDL's game-controller API, whose mapping database knows the common
// pads by name: D-pad or left stick for the directions, A, B and Start. Controllers come and go
// while the game runs. Only the game links this; without a controller the poll stays cheap,
// and without SDL's subsystem there is no Gamepad at all.
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

    // While no controller is open only a plug-in can happen: the poll looks for one once in
    // this many calls (a quarter second at the window's pace) and otherwise costs nothing.
    static constexpr int IdlePollsPerLook = 16;

    // Starts SDL's game-controller subsystem; nothing when SDL cannot. Mappings in
    // `mappingFile` (the community database's text format), when it exists, join SDL's own.
    static std::unique_ptr<Gamepad> Open(const std::string& mappingFile = {});
    ~Gamepad() override;
    Gamepad(const Gamepad&) = delete;
    Gamepad& operator=(const Gamepad&) = delete;

    // The first poll always looks, so controllers plugged in before the game are found at once.
    void Poll(std::vector<PadButton>& presses) override;
    // Controllers open now.
    int Attached() const;

private:
    Gamepad();
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace brv
