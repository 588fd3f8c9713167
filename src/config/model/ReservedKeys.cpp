// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/model/ReservedKeys.h"

namespace {

bool IsLetter(uint32_t key) { return key >= 'A' && key <= 'Z'; }

bool Collides(brv::KeyChord reserved, brv::KeyChord pressed)
{
    if (reserved.Empty() || pressed.Empty())
        return false;
    if (reserved == pressed)
        return true;
    uint32_t modifiers = pressed.Modifiers();
    if (!(reserved.Modifiers() & brv::KeyKeypad))
        modifiers &= ~brv::KeyKeypad;
    if (!(reserved.Modifiers() & brv::KeyShift) && !IsLetter(pressed.Key()))
        modifiers &= ~brv::KeyShift;
    return reserved.Key() == pressed.Key() && reserved.Modifiers() == modifiers;
}

} // namespace

std::optional<ReservedKey> ReservedKeyFor(const std::vector<ReservedKey>& reserved,
                                          brv::KeyChord chord)
{
    for (const ReservedKey& key : reserved)
        if (Collides(key.Chord, chord))
            return key;
    return std::nullopt;
}

bool HasNoKey(const KeyBindings& bindings, KeyAction action)
{
    for (size_t i = 0; i < BindingsPerAction; ++i)
        if (!bindings.Get({action, i}).Empty())
            return false;
    return true;
}

std::optional<KeyAction> ActionLeftWithoutKey(const KeyBindings& bindings, KeySlot slot,
                                              brv::KeyChord chord)
{
    KeyBindings after = bindings;
    after.Move(slot, chord);
    for (const KeyAction action : AllKeyActions)
        if (HasNoKey(after, action) && !HasNoKey(bindings, action))
            return action;
    return std::nullopt;
}
