// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/model/KeyBindings.h"

#include "platform/FileLock.h"
#include "platform/IniFile.h"

namespace {

using brv::KeyChord;

// What a read returns for an absent key: a stored value never holds a line break.
constexpr std::string_view kAbsent = "\n";

constexpr uint32_t kKeyUp = 0x01000013u;
constexpr uint32_t kKeyRight = 0x01000014u;
constexpr uint32_t kKeyDown = 0x01000015u;
constexpr uint32_t kKeyLeft = 0x01000012u;

size_t Position(KeySlot slot)
{
    return static_cast<size_t>(slot.Action) * BindingsPerAction + slot.Index % BindingsPerAction;
}

KeySlot SlotAt(size_t position)
{
    return {AllKeyActions[position / BindingsPerAction], position % BindingsPerAction};
}

bool LooseMatch(KeyChord binding, KeyChord pressed)
{
    if (binding.Empty() || binding.Key() != pressed.Key())
        return false;
    const uint32_t want = binding.Modifiers();
    const uint32_t have = pressed.Modifiers();
    for (const uint32_t flag : {brv::KeyShift, brv::KeyKeypad})
        if ((want & flag) && !(have & flag))
            return false;
    constexpr uint32_t commands = brv::KeyCtrl | brv::KeyAlt | brv::KeyMeta;
    if (want & commands)
        return (want & commands) == (have & commands);
    const bool typedCharacter = binding.Key() < brv::FirstNamedKey && !(want & brv::KeyKeypad);
    return !typedCharacter || !(have & commands);
}

// How the file holds one binding: absent or unreadable reads as the default.
struct StoredBinding {
    KeyChord Chord;
    bool Named = false; // the file names a key (or none) for this binding
};

StoredBinding ReadStored(const brv::IniFile& ini, KeySlot slot)
{
    const std::string text = ini.ReadString(KeysSection, KeySlotName(slot), kAbsent);
    if (text != kAbsent)
        if (const std::optional<KeyChord> chord = brv::ParseKeyText(text))
            return {*chord, true};
    return {KeyBindings::Defaults().Get(slot), false};
}

} // namespace

const char* KeyActionName(KeyAction action)
{
    switch (action) {
    case KeyAction::Up: return "Up";
    case KeyAction::Right: return "Right";
    case KeyAction::Down: return "Down";
    case KeyAction::Left: return "Left";
    case KeyAction::DoubleSpeed: return "DoubleSpeed";
    case KeyAction::Stop: return "Stop";
    case KeyAction::Pause: return "Pause";
    }
    return "";
}

std::string KeySlotName(KeySlot slot)
{
    return KeyActionName(slot.Action) + std::to_string(slot.Index % BindingsPerAction + 1);
}

const KeyBindings& KeyBindings::Defaults()
{
    static const KeyBindings defaults = [] {
        KeyBindings b;
        const auto set = [&b](KeyAction action, uint32_t first, uint32_t second) {
            b.Set({action, 0}, KeyChord{first});
            b.Set({action, 1}, KeyChord{second});
        };
        set(KeyAction::Up, kKeyUp, brv::KeyKeypad | '8');
        set(KeyAction::Right, kKeyRight, brv::KeyKeypad | '6');
        set(KeyAction::Down, kKeyDown, brv::KeyKeypad | '2');
        set(KeyAction::Left, kKeyLeft, brv::KeyKeypad | '4');
        set(KeyAction::DoubleSpeed, 'Z', 0);
        set(KeyAction::Stop, 'X', 0);
        set(KeyAction::Pause, brv::KeyCtrl | 'P', 0);
        return b;
    }();
    return defaults;
}

KeyChord KeyBindings::Get(KeySlot slot) const { return chords_[Position(slot)]; }

void KeyBindings::Set(KeySlot slot, KeyChord chord) { chords_[Position(slot)] = chord; }

void KeyBindings::Move(KeySlot slot, KeyChord chord)
{
    if (!chord.Empty())
        for (KeyChord& held : chords_)
            if (held == chord)
                held = KeyChord{};
    Set(slot, chord);
}

std::optional<KeySlot> KeyBindings::HolderOf(KeyChord chord, KeySlot except) const
{
    if (chord.Empty())
        return std::nullopt;
    for (size_t i = 0; i < chords_.size(); ++i)
        if (chords_[i] == chord && i != Position(except))
            return SlotAt(i);
    return std::nullopt;
}

std::optional<KeyAction> KeyBindings::ActionFor(KeyChord pressed) const
{
    if (pressed.Empty())
        return std::nullopt;
    for (size_t i = 0; i < chords_.size(); ++i)
        if (chords_[i] == pressed)
            return SlotAt(i).Action;
    for (size_t i = 0; i < chords_.size(); ++i)
        if (LooseMatch(chords_[i], pressed))
            return SlotAt(i).Action;
    return std::nullopt;
}

namespace {

using StoredBindings = std::array<StoredBinding, KeyActionCount * BindingsPerAction>;

StoredBindings ReadAllStored(const brv::IniFile& ini)
{
    StoredBindings stored;
    for (size_t i = 0; i < stored.size(); ++i)
        stored[i] = ReadStored(ini, SlotAt(i));
    return stored;
}

// Named bindings claim their keys first, then the defaults take what is left.
KeyBindings Settle(const StoredBindings& stored)
{
    KeyBindings bindings;
    for (const bool named : {true, false}) {
        for (size_t i = 0; i < stored.size(); ++i) {
            if (stored[i].Named != named)
                continue;
            const KeyChord chord = stored[i].Chord;
            if (!bindings.HolderOf(chord, SlotAt(i)))
                bindings.Set(SlotAt(i), chord);
        }
    }
    return bindings;
}

} // namespace

KeyBindings ReadKeyBindings(const brv::IniFile& ini) { return Settle(ReadAllStored(ini)); }

std::vector<std::pair<std::string, std::string>> KeyBindingChanges(const brv::IniFile& ini,
                                                                   const KeyBindings& bindings)
{
    std::vector<std::pair<std::string, std::string>> changes;
    const StoredBindings stored = ReadAllStored(ini);
    // A file whose duplicates were settled on reading is left as it is while nothing changed.
    if (Settle(stored) == bindings)
        return changes;
    for (size_t i = 0; i < stored.size(); ++i) {
        const KeySlot slot = SlotAt(i);
        // A binding that reads as its default but is named with other text ("up" for "Up")
        // stays; one that differs is written, also where the file relied on the default.
        if (stored[i].Chord != bindings.Get(slot))
            changes.emplace_back(KeySlotName(slot), brv::KeyText(bindings.Get(slot)));
    }
    return changes;
}

void WriteKeyBindings(brv::IniFile& ini, const KeyBindings& bindings)
{
    const std::vector<std::pair<std::string, std::string>> changes = KeyBindingChanges(ini, bindings);
    if (!changes.empty())
        ini.WriteStrings(KeysSection, changes);
}

void WriteKeyBindings(brv::IniFile& ini, const KeyBindings& bindings, const KeyBindings& atStart)
{
    const brv::FileLock lock(ini.FileName());
    ini = brv::IniFile(ini.FileName());
    // The keys as the file holds them now, with this copy's own changes made again on top.
    KeyBindings merged = ReadKeyBindings(ini);
    for (size_t i = 0; i < KeyActionCount * BindingsPerAction; ++i) {
        const KeySlot slot = SlotAt(i);
        const brv::KeyChord chord = bindings.Get(slot);
        if (chord == atStart.Get(slot))
            continue;
        if (chord == brv::KeyChord{})
            merged.Set(slot, chord);
        else
            merged.Move(slot, chord);
    }
    WriteKeyBindings(ini, merged);
}
