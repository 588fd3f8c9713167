// Any bytes as a settings file with key bindings: reading never crashes and gives every
// binding a key that formats and reads back as itself, no key bound twice; bindings changed
// and written back read as they were written, and writing what was read changes nothing.
#include "FuzzSupport.h"

#include "config/model/KeyBindings.h"

#include "platform/IniFile.h"

#include <cstdint>
#include <string>
#include <fstream>
#include <iterator>
#include <string_view>

namespace {

const std::string& WorkFile()
{
    static const FuzzDir dir("keys");
    static const std::string file = dir.File("BREVANTO.INI");
    return file;
}

std::string Bytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

KeySlot SlotFrom(uint8_t byte)
{
    return {AllKeyActions[byte % KeyActionCount], (byte / KeyActionCount) % BindingsPerAction};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const brv::IniFile ini = brv::IniFile::FromBytes(WorkFile(), bytes);
    const KeyBindings read = ReadKeyBindings(ini);

    for (const KeyAction action : AllKeyActions) {
        for (size_t i = 0; i < BindingsPerAction; ++i) {
            const KeySlot slot{action, i};
            const brv::KeyChord chord = read.Get(slot);
            Check(!read.HolderOf(chord, slot), "a key bound twice");
            const std::optional<brv::KeyChord> back = brv::ParseKeyText(brv::KeyText(chord));
            Check(back && *back == chord, "a key that does not read back as itself");
        }
    }

    // Writes go to the scratch file; only inputs that fit a real settings file are written, and
    // of those one in four, since each write replaces the file.
    if (size > 4096 || !TakesWritePath(size, 4))
        return 0;
    WriteInput(WorkFile(), data, size);
    {
        brv::IniFile file(WorkFile());
        WriteKeyBindings(file, read);
        Check(Bytes(WorkFile()) == bytes, "an unchanged read written back");
    }

    // Two changes the input picks: a key moved to another binding, one binding cleared.
    KeyBindings changed = read;
    if (size >= 2) {
        changed.Move(SlotFrom(data[0]), read.Get(SlotFrom(data[1])));
        changed.Move(SlotFrom(data[size - 1]), brv::KeyChord{});
    } else {
        changed.Move({KeyAction::Up, 0}, brv::KeyChord{0x57}); // W
    }
    {
        brv::IniFile file(WorkFile());
        try {
            WriteKeyBindings(file, changed);
        } catch (const brv::IniWriteError&) {
            return 0; // not for these bindings to judge
        }
    }
    Check(ReadKeyBindings(brv::IniFile(WorkFile())) == changed, "written bindings read back");
    return 0;
}
