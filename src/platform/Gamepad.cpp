// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Gamepad.h"

#include "platform/WholeFileRead.h"

#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <string_view>
#include <thread>
#include <map>
#include <optional>

namespace brv {

namespace {

std::optional<PadButton> ButtonOf(uint8_t button)
{
    switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_UP: return PadButton::Up;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: return PadButton::Right;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN: return PadButton::Down;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT: return PadButton::Left;
    case SDL_CONTROLLER_BUTTON_A: return PadButton::A;
    case SDL_CONTROLLER_BUTTON_B: return PadButton::B;
    case SDL_CONTROLLER_BUTTON_START: return PadButton::Start;
    default: return std::nullopt;
    }
}

bool Horizontal(PadButton direction)
{
    return direction == PadButton::Left || direction == PadButton::Right;
}

struct Controller {
    SDL_GameController* Handle = nullptr;
    int X = 0;
    int Y = 0;
    std::optional<PadButton> Stick; // the direction the stick is held in
};

// Where the stick now points, if that is a new push.
std::optional<PadButton> StickPush(Controller& pad)
{
    const int ax = std::abs(pad.X);
    const int ay = std::abs(pad.Y);
    const int lean = std::max(ax, ay);
    if (lean < Gamepad::StickRelease) {
        pad.Stick.reset();
        return std::nullopt;
    }
    if (lean < Gamepad::StickPress)
        return std::nullopt; // neither a push nor let go: whatever it was, it stays
    bool horizontal = ax >= ay;
    if (pad.Stick)
        horizontal = Horizontal(*pad.Stick) ? ay <= ax + Gamepad::StickSwitchMargin
                                            : ax > ay + Gamepad::StickSwitchMargin;
    const PadButton direction = horizontal ? (pad.X > 0 ? PadButton::Right : PadButton::Left)
                                           : (pad.Y > 0 ? PadButton::Down : PadButton::Up);
    if (pad.Stick == direction)
        return std::nullopt;
    pad.Stick = direction;
    return direction;
}

// SDL looks up each new mapping in all it holds, so a file's cost grows with the square of its
// length: a database of 100 000 lines would hold up the first window for minutes. The
// community database has well under this many lines for one platform.
constexpr size_t MaxMappingLines = 2000;
constexpr size_t MaxMappingFileBytes = size_t{4} << 20;

bool ForThisPlatform(std::string_view line)
{
    const size_t field = line.find("platform:");
    return field == std::string_view::npos || line.substr(field + 9).starts_with(SDL_GetPlatform());
}

// The file's mappings for this platform, as SDL's own reader takes them, up to the limits; ends
// early once `stop` is set.
void AddMappings(const std::string& mappingFile, const std::atomic<bool>& stop)
{
    const WholeFile file = ReadWholeFile(mappingFile, MaxMappingFileBytes);
    if (!file.Ok() && file.Outcome != WholeFileOutcome::TooLarge)
        return;
    std::string_view rest = file.Bytes;
    size_t tried = 0;
    while (!rest.empty() && tried < MaxMappingLines && !stop) {
        const size_t end = std::min(rest.find_first_of("\r\n"), rest.size());
        const std::string line(rest.substr(0, end));
        rest.remove_prefix(std::min(end + 1, rest.size()));
        if (line.empty() || line[0] == '#' || !ForThisPlatform(line))
            continue;
        SDL_GameControllerAddMapping(line.c_str());
        ++tried;
    }
}

} // namespace

struct Gamepad::Impl {
    std::map<SDL_JoystickID, Controller> Controllers;
    // Reads the mapping file beside the window's thread. SDL takes its joystick lock for each
    // mapping, and announces a controller that a new mapping makes known as it does a new one.
    std::thread MappingReader;
    std::atomic<bool> StopReading{false};

    void Add(int deviceIndex)
    {
        SDL_GameController* handle = SDL_GameControllerOpen(deviceIndex);
        if (!handle)
            return;
        const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(handle));
        // A controller announced twice is opened once; SDL counts the opens.
        Controller pad;
        pad.Handle = handle;
        if (!Controllers.emplace(id, pad).second)
            SDL_GameControllerClose(handle);
    }

    void Remove(SDL_JoystickID id)
    {
        if (const auto it = Controllers.find(id); it != Controllers.end()) {
            SDL_GameControllerClose(it->second.Handle);
            Controllers.erase(it);
        }
    }

    void Handle(const SDL_Event& event, std::vector<PadButton>& presses)
    {
        switch (event.type) {
        case SDL_CONTROLLERDEVICEADDED:
            Add(event.cdevice.which);
            break;
        case SDL_CONTROLLERDEVICEREMOVED:
            Remove(event.cdevice.which);
            break;
        case SDL_CONTROLLERBUTTONDOWN:
            if (Controllers.count(event.cbutton.which))
                if (const std::optional<PadButton> button = ButtonOf(event.cbutton.button))
                    presses.push_back(*button);
            break;
        case SDL_CONTROLLERAXISMOTION: {
            const auto it = Controllers.find(event.caxis.which);
            if (it == Controllers.end())
                break;
            if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX)
                it->second.X = event.caxis.value;
            else if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY)
                it->second.Y = event.caxis.value;
            else
                break;
            if (const std::optional<PadButton> push = StickPush(it->second))
                presses.push_back(*push);
            break;
        }
        default:
            break; // the raw joystick events behind these, and anything else SDL queues
        }
    }
};

Gamepad::Gamepad() : impl_(std::make_unique<Impl>()) {}

std::unique_ptr<Gamepad> Gamepad::Open(const std::string& mappingFile)
{
    // The game's window is not SDL's: SDL must neither wait for focus on a window of its own
    // nor take over the signals that end the program.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0)
        return nullptr;
    // Controllers already plugged in are announced by the first poll, like those plugged later.
    std::unique_ptr<Gamepad> gamepad(new Gamepad());
    if (!mappingFile.empty()) {
        Impl& impl = *gamepad->impl_;
        impl.MappingReader = std::thread([mappingFile, &stop = impl.StopReading] { AddMappings(mappingFile, stop); });
    }
    return gamepad;
}

void Gamepad::WaitForMappings()
{
    if (impl_->MappingReader.joinable())
        impl_->MappingReader.join();
}

Gamepad::~Gamepad()
{
    impl_->StopReading = true;
    WaitForMappings();
    for (const auto& [id, pad] : impl_->Controllers)
        SDL_GameControllerClose(pad.Handle);
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    if (SDL_WasInit(0) == 0)
        SDL_Quit();
}

void Gamepad::Poll(std::vector<PadButton>& presses)
{
    SDL_PumpEvents();
    // Every queued event is taken, so what the game ignores never fills SDL's queue.
    SDL_Event events[32];
    int count = 0;
    do {
        count = SDL_PeepEvents(events, 32, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT);
        for (int i = 0; i < count; ++i)
            impl_->Handle(events[i], presses);
    } while (count == 32);
}

int Gamepad::Attached() const { return static_cast<int>(impl_->Controllers.size()); }

bool Gamepad::Connected() const { return !impl_->Controllers.empty(); }

} // namespace brv
