// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One key with its modifiers, in the toolkit's key codes, and its portable text ("Up", "Num+8",
// "Z", "Ctrl+P"): the form in which the settings file keeps the game's keys. Only the
// conversion to and from text touches Qt; the codes themselves are plain numbers.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace brv {

// The toolkit's modifier bits, as they sit above the key code in a combined key.
inline constexpr uint32_t KeyShift = 0x02000000u;
inline constexpr uint32_t KeyCtrl = 0x04000000u;
inline constexpr uint32_t KeyAlt = 0x08000000u;
inline constexpr uint32_t KeyMeta = 0x10000000u;
inline constexpr uint32_t KeyKeypad = 0x20000000u;
inline constexpr uint32_t KeyModifierMask = 0xFE000000u;
// Codes below this one are characters (their upper-case form); above are named keys.
inline constexpr uint32_t FirstNamedKey = 0x01000000u;

struct KeyChord {
    uint32_t Combined = 0; // key code | modifier bits; 0 is no key

    uint32_t Key() const { return Combined & ~KeyModifierMask; }
    uint32_t Modifiers() const { return Combined & KeyModifierMask; }
    bool Empty() const { return Combined == 0; }
    friend bool operator==(KeyChord, KeyChord) = default;
};

// Whether a key code (without modifiers) can be bound: not a modifier alone, nor a key the
// toolkit does not know.
bool Bindable(uint32_t key);
// The portable text of a key; empty for no key.
std::string KeyText(KeyChord chord);
// A single key from its portable text (letter case of names and modifiers does not matter);
// an empty text is no key. Nothing for text that names no single key: unknown names, a bare
// modifier, a sequence of several keys.
std::optional<KeyChord> ParseKeyText(std::string_view text);

} // namespace brv
