// SPDX-License-Identifier: GPL-3.0-or-later
#include "StoppedWriters.h"
#include "TestFiles.h"

#include "config/model/KeyBindings.h"
#include "config/model/Settings.h"

#include "platform/IniFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

using brv::KeyChord;

namespace {

KeyChord Key(const char* text)
{
    const std::optional<KeyChord> chord = brv::ParseKeyText(text);
    EXPECT_TRUE(chord.has_value()) << text;
    return chord.value_or(KeyChord{});
}

std::string TextOf(const KeyBindings& bindings, KeyAction action, size_t index)
{
    return brv::KeyText(bindings.Get({action, index}));
}

KeyBindings FromFile(const std::string& keysSection)
{
    return ReadKeyBindings(brv::IniFile::FromBytes("BREVANTO.INI", "[KEYS]\n" + keysSection));
}

TEST(KeyBindingsTest, DefaultsAreTheGamesOwnKeys)
{
    const KeyBindings& d = KeyBindings::Defaults();
    const std::pair<KeyAction, std::array<const char*, 2>> expected[] = {
        {KeyAction::Up, {"Up", "Num+8"}},     {KeyAction::Right, {"Right", "Num+6"}},
        {KeyAction::Down, {"Down", "Num+2"}}, {KeyAction::Left, {"Left", "Num+4"}},
        {KeyAction::DoubleSpeed, {"Z", ""}},  {KeyAction::Stop, {"X", ""}},
        {KeyAction::Pause, {"Ctrl+P", ""}}};
    for (const auto& [action, texts] : expected)
        for (size_t i = 0; i < 2; ++i)
            EXPECT_EQ(TextOf(d, action, i), texts[i]) << KeySlotName({action, i});
    EXPECT_EQ(KeySlotName({KeyAction::DoubleSpeed, 1}), "DoubleSpeed2");
}

TEST(KeyBindingsTest, PressedKeysFindTheirActionAsTheGameAlwaysDid)
{
    const KeyBindings& d = KeyBindings::Defaults();
    EXPECT_EQ(d.ActionFor(Key("Up")), KeyAction::Up);
    EXPECT_EQ(d.ActionFor(Key("Num+Up")), KeyAction::Up) << "keypad arrow with Num Lock off";
    EXPECT_EQ(d.ActionFor(Key("Shift+Left")), KeyAction::Left);
    EXPECT_EQ(d.ActionFor(Key("Ctrl+Down")), KeyAction::Down);
    EXPECT_EQ(d.ActionFor(Key("Num+6")), KeyAction::Right);
    EXPECT_EQ(d.ActionFor(Key("Ctrl+Num+4")), KeyAction::Left);
    EXPECT_EQ(d.ActionFor(Key("8")), std::nullopt) << "digits of the main keyboard do not steer";
    EXPECT_EQ(d.ActionFor(Key("Shift+Z")), KeyAction::DoubleSpeed);
    EXPECT_EQ(d.ActionFor(Key("Ctrl+Z")), std::nullopt);
    EXPECT_EQ(d.ActionFor(Key("Alt+X")), std::nullopt);
    EXPECT_EQ(d.ActionFor(Key("Ctrl+P")), KeyAction::Pause);
    EXPECT_EQ(d.ActionFor(Key("P")), std::nullopt);
    EXPECT_EQ(d.ActionFor(Key("Ctrl+Alt+P")), std::nullopt);
    EXPECT_EQ(d.ActionFor(KeyChord{}), std::nullopt);

    // An exact binding wins over a looser one of another action.
    KeyBindings b = d;
    b.Set({KeyAction::Left, 1}, Key("8"));
    EXPECT_EQ(b.ActionFor(Key("8")), KeyAction::Left);
    EXPECT_EQ(b.ActionFor(Key("Num+8")), KeyAction::Up);
    b.Set({KeyAction::Stop, 0}, Key("Shift+Up"));
    EXPECT_EQ(b.ActionFor(Key("Shift+Up")), KeyAction::Stop);
    EXPECT_EQ(b.ActionFor(Key("Up")), KeyAction::Up);
}

TEST(KeyBindingsTest, MovingAKeyTakesItFromItsHolderAndResetRestoresAll)
{
    KeyBindings b = KeyBindings::Defaults();
    const KeySlot up2{KeyAction::Up, 1};
    EXPECT_EQ(b.HolderOf(Key("Z"), up2), (KeySlot{KeyAction::DoubleSpeed, 0}));
    EXPECT_EQ(b.HolderOf(Key("W"), up2), std::nullopt);
    EXPECT_EQ(b.HolderOf(Key("Num+8"), up2), std::nullopt) << "a slot does not conflict with itself";
    EXPECT_EQ(b.HolderOf(KeyChord{}, up2), std::nullopt) << "no key is never a conflict";

    b.Move(up2, Key("Z"));
    EXPECT_EQ(TextOf(b, KeyAction::Up, 1), "Z");
    EXPECT_EQ(TextOf(b, KeyAction::DoubleSpeed, 0), "");
    EXPECT_EQ(b.ActionFor(Key("Z")), KeyAction::Up);
    b.Move({KeyAction::Stop, 1}, KeyChord{});
    EXPECT_EQ(TextOf(b, KeyAction::Stop, 0), "X") << "clearing a slot takes nothing elsewhere";

    b.Reset();
    EXPECT_EQ(b, KeyBindings::Defaults());
}

TEST(KeyBindingsTest, ReadingTakesNamedKeysAndFallsBackOnDamage)
{
    EXPECT_EQ(FromFile(""), KeyBindings::Defaults());
    const KeyBindings b = FromFile("up1=W\nRIGHT2=\nLeft1=Bogus\nLeft2=Ctrl+X, Ctrl+C\n"
                                   "Down1=Shift\nDown2=num+5\nStop1=ctrl+shift+s\n"
                                   "Pause2=\xff\xfe\n");
    EXPECT_EQ(TextOf(b, KeyAction::Up, 0), "W");
    EXPECT_EQ(TextOf(b, KeyAction::Up, 1), "Num+8");
    EXPECT_EQ(TextOf(b, KeyAction::Right, 1), "") << "an empty value is no key";
    EXPECT_EQ(TextOf(b, KeyAction::Left, 0), "Left");
    EXPECT_EQ(TextOf(b, KeyAction::Left, 1), "Num+4");
    EXPECT_EQ(TextOf(b, KeyAction::Down, 0), "Down");
    EXPECT_EQ(TextOf(b, KeyAction::Down, 1), "Num+5");
    EXPECT_EQ(TextOf(b, KeyAction::Stop, 0), "Ctrl+Shift+S");
    EXPECT_EQ(TextOf(b, KeyAction::Pause, 1), "");
}

TEST(KeyBindingsTest, AKeyClaimedTwiceStaysWithTheBindingTheFileNames)
{
    // Z is DoubleSpeed1's default: the file gives it to Up1, so double speed keeps no key there.
    const KeyBindings b = FromFile("Up1=Z\n");
    EXPECT_EQ(TextOf(b, KeyAction::Up, 0), "Z");
    EXPECT_EQ(TextOf(b, KeyAction::DoubleSpeed, 0), "");
    // Named twice: the first in order keeps it.
    const KeyBindings c = FromFile("Stop2=Q\nRight1=Q\n");
    EXPECT_EQ(TextOf(c, KeyAction::Right, 0), "Q");
    EXPECT_EQ(TextOf(c, KeyAction::Stop, 1), "");
}

class KeyBindingsFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(dir_.Path() / "prog");
        places_ = {dir_.File("prog") + "/", ""};
    }
    std::string Ini() const { return places_.ProgramDir + "BREVANTO.INI"; }
    // Loads the settings, applies `change` to the keys and saves them.
    void LoadChangeSave(const std::function<void(KeyBindings&)>& change)
    {
        Settings settings = LoadSettingsFile(places_);
        change(settings.Keys);
        SaveSettingsFile(settings, places_);
    }

    TempDir dir_;
    SettingsPlaces places_;
};

TEST_F(KeyBindingsFileTest, UnchangedKeysLeaveTheFileAsItWas)
{
    const std::string text = "[SETTING]\nPosition=0,0\n[KEYS]\nUp1=Z\nleft2 = num+4\nPause1=junk\n";
    dir_.Write("prog/BREVANTO.INI", text);
    LoadChangeSave([](KeyBindings&) {});
    EXPECT_EQ(ReadBytes(Ini()), text);
    // A run without a settings file and with the default keys creates no KEYS section.
    std::filesystem::remove(Ini());
    LoadChangeSave([](KeyBindings&) {});
    EXPECT_EQ(ReadBytes(Ini()).find("[KEYS]"), std::string::npos);
}

TEST_F(KeyBindingsFileTest, ChangedKeysAreWrittenAndReadBackAsTheyWere)
{
    dir_.Write("prog/BREVANTO.INI", "[KEYS]\nUp1=Z\nStop2=F5\n");
    KeyBindings wanted;
    LoadChangeSave([&wanted](KeyBindings& keys) {
        keys.Move({KeyAction::Left, 0}, Key("A"));
        keys.Move({KeyAction::Up, 0}, Key("W")); // gives Z back to nobody
        keys.Move({KeyAction::Pause, 1}, Key("Space"));
        keys.Move({KeyAction::Stop, 0}, KeyChord{});
        wanted = keys;
    });
    EXPECT_EQ(LoadSettingsFile(places_).Keys, wanted);
    const std::string text = ReadBytes(Ini());
    EXPECT_NE(text.find("Up1=W\n"), std::string::npos);
    EXPECT_NE(text.find("Left1=A\n"), std::string::npos);
    EXPECT_NE(text.find("Pause2=Space\n"), std::string::npos);
    EXPECT_NE(text.find("Stop1=\n"), std::string::npos);
    // The emptied DoubleSpeed1 relied on its default Z: it is written as none now.
    EXPECT_NE(text.find("DoubleSpeed1=\n"), std::string::npos);
    EXPECT_NE(text.find("Stop2=F5\n"), std::string::npos);
    EXPECT_EQ(text.find("Right1"), std::string::npos) << "untouched keys stay absent";

    LoadChangeSave([](KeyBindings& keys) { keys.Reset(); });
    EXPECT_EQ(LoadSettingsFile(places_).Keys, KeyBindings::Defaults());
}

// Two copies of the game, each started from the same file, change different keys and save: each
// writes only its own changes, into the file as the other left it, so both changes stay.
TEST_F(KeyBindingsFileTest, TwoCopiesSavingAtOnceKeepEachOthersKeys)
{
    dir_.Write("prog/BREVANTO.INI", "[KEYS]\nUp1=Z\n");
    const Settings atStart = LoadSettingsFile(places_);
    KeyBindings first = atStart.Keys;
    first.Move({KeyAction::Left, 0}, Key("A"));
    KeyBindings second = atStart.Keys;
    second.Move({KeyAction::Up, 0}, Key("W")); // frees Z; DoubleSpeed1 stays without a key
    brv::IniFile firstFile(Ini());
    brv::IniFile secondFile(Ini());
    const bool gotIn = SecondGotInWhileFirstHeld(
        [&] { WriteKeyBindings(firstFile, first, atStart.Keys); },
        [&] { WriteKeyBindings(secondFile, second, atStart.Keys); });
    EXPECT_FALSE(gotIn) << "the second save waits for the first one's lock";

    KeyBindings both = atStart.Keys;
    both.Move({KeyAction::Left, 0}, Key("A"));
    both.Move({KeyAction::Up, 0}, Key("W"));
    EXPECT_EQ(LoadSettingsFile(places_).Keys, both);
    EXPECT_EQ(TextOf(LoadSettingsFile(places_).Keys, KeyAction::DoubleSpeed, 0), "");

    // A copy that changed nothing writes nothing, whatever the file holds now.
    const std::string now = ReadBytes(Ini());
    brv::IniFile idle(Ini());
    WriteKeyBindings(idle, atStart.Keys, atStart.Keys);
    EXPECT_EQ(ReadBytes(Ini()), now);
}

} // namespace
