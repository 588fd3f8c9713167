// SPDX-License-Identifier: GPL-3.0-or-later
// Keys the menu commands hold, which no game action may take, and actions left without a key.
#include "config/model/ReservedKeys.h"

#include <gtest/gtest.h>

#include <QKeySequence>

namespace {

brv::KeyChord Chord(QKeyCombination key) { return {static_cast<uint32_t>(key.toCombined())}; }

const std::vector<ReservedKey> MenuKeys{
    {Chord(Qt::Key_F11), "View > Full Screen"},
    {Chord(Qt::CTRL | Qt::Key_Plus), "View > Zoom In"},
    {Chord(Qt::CTRL | Qt::Key_0), "View > Actual Size"},
    {Chord(Qt::ALT | Qt::Key_F4), "File > Exit"},
    {Chord(Qt::ALT | Qt::Key_F), "File"},
};

std::string Holder(brv::KeyChord chord)
{
    const std::optional<ReservedKey> key = ReservedKeyFor(MenuKeys, chord);
    return key ? key->Command : std::string();
}

} // namespace

TEST(ReservedKeysTest, AKeyThatWouldSetOffAMenuCommandIsReserved)
{
    EXPECT_EQ(Holder(Chord(Qt::Key_F11)), "View > Full Screen");
    EXPECT_EQ(Holder(Chord(Qt::ALT | Qt::Key_F4)), "File > Exit");
    EXPECT_EQ(Holder(Chord(Qt::ALT | Qt::Key_F)), "File");
    // Ctrl++ typed as Ctrl+Shift+= on most layouts, and Ctrl+0 on the keypad.
    EXPECT_EQ(Holder(Chord(QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Plus))), "View > Zoom In");
    EXPECT_EQ(Holder(Chord(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_0))), "View > Actual Size");
}

TEST(ReservedKeysTest, OtherKeysAndOtherModifiersStayFree)
{
    EXPECT_EQ(Holder(Chord(Qt::Key_F10)), "");
    EXPECT_EQ(Holder(Chord(Qt::Key_F)), "");   // F alone is no menu key
    EXPECT_EQ(Holder(Chord(Qt::Key_0)), "");   // neither is 0 without Ctrl
    EXPECT_EQ(Holder(Chord(QKeyCombination(Qt::ControlModifier | Qt::AltModifier, Qt::Key_0))), "");
    // Shift on a letter makes another key: Alt+Shift+F opens no menu.
    EXPECT_EQ(Holder(Chord(QKeyCombination(Qt::AltModifier | Qt::ShiftModifier, Qt::Key_F))), "");
    EXPECT_EQ(Holder(brv::KeyChord{}), "");
}

TEST(ReservedKeysTest, MovingOrClearingAnActionsLastKeyIsFound)
{
    KeyBindings keys = KeyBindings::Defaults();
    const KeySlot right1{KeyAction::Right, 0};
    const KeySlot stop1{KeyAction::Stop, 0};
    const brv::KeyChord x = keys.Get(stop1);
    // Stop has X alone: taking X for Right leaves it without a key.
    EXPECT_TRUE(keys.Get({KeyAction::Stop, 1}).Empty());
    EXPECT_EQ(ActionLeftWithoutKey(keys, right1, x), KeyAction::Stop);
    EXPECT_EQ(ActionLeftWithoutKey(keys, stop1, brv::KeyChord{}), KeyAction::Stop);
    // Right keeps its second key when its first is cleared; a free key takes nothing.
    EXPECT_FALSE(ActionLeftWithoutKey(keys, right1, brv::KeyChord{}).has_value());
    EXPECT_FALSE(ActionLeftWithoutKey(keys, right1, Chord(Qt::Key_F10)).has_value());
    // An action that already had none is not reported again.
    keys.Move(stop1, brv::KeyChord{});
    EXPECT_TRUE(HasNoKey(keys, KeyAction::Stop));
    EXPECT_FALSE(ActionLeftWithoutKey(keys, right1, Chord(Qt::Key_F10)).has_value());
}
