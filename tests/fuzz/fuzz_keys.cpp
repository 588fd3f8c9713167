// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a settings file with key bindings: reading never crashes and gives every
// binding a key that formats and reads back as itself, no key bound twice; and bindings
// changed, set in the file's text, read back as they were set.
// The edits stay in memory: the file layer's writes are the INI target's and the tests' part.
#include "FuzzSupport.h"

#include "config/model/KeyBindings.h"

#include "platform/IniFile.h"

#include <cstdint>
#include <string>
#include <unordered_set>

namespace {

KeySlot SlotFrom(uint8_t byte)
{
    return {AllKeyActions[byte % KeyActionCount], (byte / KeyActionCount) % BindingsPerAction};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes = InputText(data, size);
    brv::IniFile ini = brv::IniFile::FromBytes("BREVANTO.INI", bytes);
    const KeyBindings read = ReadKeyBindings(ini);

    // Whether a key reads back as itself depends on the key alone: each is tried once a run.
    static std::unordered_set<uint32_t> readBack;
    for (const KeyAction action : AllKeyActions) {
        for (size_t i = 0; i < BindingsPerAction; ++i) {
            const KeySlot slot{action, i};
            const brv::KeyChord chord = read.Get(slot);
            Check(!read.HolderOf(chord, slot), "a key bound twice");
            if (readBack.count(chord.Combined) != 0)
                continue;
            const std::optional<brv::KeyChord> back = brv::ParseKeyText(brv::KeyText(chord));
            Check(back && *back == chord, "a key that does not read back as itself");
            readBack.insert(chord.Combined);
        }
    }

    // Setting keys re-indexes the whole file per key: one input in two goes on.
    if (!TakesCostlyPath(data, size, 2))
        return 0;
    // Two changes the input picks: a key moved to another binding, one binding cleared.
    KeyBindings changed = read;
    if (size >= 2) {
        changed.Move(SlotFrom(data[0]), read.Get(SlotFrom(data[1])));
        changed.Move(SlotFrom(data[size - 1]), brv::KeyChord{});
    } else {
        changed.Move({KeyAction::Up, 0}, brv::KeyChord{0x57}); // W
    }
    try {
        for (const auto& [key, text] : KeyBindingChanges(ini, changed))
            ini.SetString(KeysSection, key, text);
    } catch (const brv::IniWriteError&) {
        return 0; // a name the file cannot hold: not for these bindings to judge
    }
    Check(ReadKeyBindings(ini) == changed, "changed bindings read back");
    return 0;
}
