// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keys the game's actions may not take: those of the menu commands (F11, Ctrl+0, Alt+F4, the
// menu bar's Alt+letter ...), which would otherwise act twice or never reach the game. The window
// lists them from its own commands; the keys dialog refuses them with the command's name.
#include "config/model/KeyBindings.h"

#include <optional>
#include <string>
#include <vector>

struct ReservedKey {
    brv::KeyChord Chord;
    std::string Command; // the command's name as the menus show it, UTF-8
};

// The reserved key a key pressed for a binding would set off, if any: the same key, or the same
// with Shift or the keypad flag that a reserved key without them still answers to (Ctrl+Shift+=
// gives Ctrl++ on many layouts). Shift on a letter makes another key.
std::optional<ReservedKey> ReservedKeyFor(const std::vector<ReservedKey>& reserved,
                                          brv::KeyChord chord);

// The action whose last key a move of `chord` into `slot` would take away, if any.
std::optional<KeyAction> ActionLeftWithoutKey(const KeyBindings& bindings, KeySlot slot,
                                              brv::KeyChord chord);
// Whether the action holds no key at all.
bool HasNoKey(const KeyBindings& bindings, KeyAction action);
