// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keys of the game's actions, two per action. The defaults are the game's own keys, so a
// player who never chooses others plays exactly as before. Kept in section KEYS of the settings
// file, one portable key text per binding (Up1, Up2, ..., Pause2; empty for none); an absent
// key means the default, and text that names no single key falls back to it too.
#include "platform/KeyText.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace brv { class IniFile; }

enum class KeyAction { Up, Right, Down, Left, DoubleSpeed, Stop, Pause };
inline constexpr size_t KeyActionCount = 7;
inline constexpr size_t BindingsPerAction = 2;
inline constexpr std::array<KeyAction, KeyActionCount> AllKeyActions{
    KeyAction::Up,          KeyAction::Right, KeyAction::Down, KeyAction::Left,
    KeyAction::DoubleSpeed, KeyAction::Stop,  KeyAction::Pause};

// One binding: an action and which of its two keys (0 or 1).
struct KeySlot {
    KeyAction Action = KeyAction::Up;
    size_t Index = 0;
    friend bool operator==(KeySlot, KeySlot) = default;
};

// "Up", "DoubleSpeed", ...; the settings keys add 1 or 2.
const char* KeyActionName(KeyAction action);
std::string KeySlotName(KeySlot slot);

class KeyBindings {
public:
    // The game's own keys: the arrows and keypad 8/6/2/4, Z, X and Ctrl+P.
    static const KeyBindings& Defaults();

    brv::KeyChord Get(KeySlot slot) const;
    // Puts the key in the slot as it is, duplicates included (see HolderOf).
    void Set(KeySlot slot, brv::KeyChord chord);
    // Binds the key to the slot and takes it from whichever other slot held it.
    void Move(KeySlot slot, brv::KeyChord chord);
    // The other slot that holds the key, if any: what the player is asked about before Move.
    std::optional<KeySlot> HolderOf(brv::KeyChord chord, KeySlot except) const;
    void Reset() { *this = Defaults(); }

    // The action a pressed key stands for. A binding matches its exact key first; failing
    // that, Shift and the keypad flag count only where the binding names them, and a binding
    // without Ctrl, Alt or Meta also ignores those, except on a character key (Ctrl+Z is not Z).
    std::optional<KeyAction> ActionFor(brv::KeyChord pressed) const;

    friend bool operator==(const KeyBindings&, const KeyBindings&) = default;

private:
    std::array<brv::KeyChord, KeyActionCount * BindingsPerAction> chords_{};
};

// Section KEYS of an open settings file. A key two bindings claim stays with the one the file
// names (the first in the order above when the file names both); the other is left without.
KeyBindings ReadKeyBindings(const brv::IniFile& ini);
inline constexpr std::string_view KeysSection = "KEYS";
// The keys of section KEYS to set, and their texts, for the file to read as `bindings`: none when
// it already does, otherwise each binding that differs from what the file holds for it.
std::vector<std::pair<std::string, std::string>> KeyBindingChanges(const brv::IniFile& ini,
                                                                   const KeyBindings& bindings);
// Writes those changes in one replacement of the file (nothing when there are none). Throws
// brv::IniWriteError when the write is refused.
void WriteKeyBindings(brv::IniFile& ini, const KeyBindings& bindings);
// For a copy of the game that may not be the only one: only the bindings changed since
// `atStart` (what this copy read) are written, into the file as it is then, under its lock, so
// the keys another copy changed meanwhile stay. `ini` is read again from its file.
void WriteKeyBindings(brv::IniFile& ini, const KeyBindings& bindings, const KeyBindings& atStart);
