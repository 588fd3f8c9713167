// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file as several runs share it: the per-user file layered over the program's, two
// copies of the game saving into one file, the whole save as one replace of the file, and a
// tree nobody may write.
#include "TestFiles.h"

#include "config/model/Settings.h"
#include "platform/IniFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <sys/inotify.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class SettingsSharingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(root_.Path() / "prog");
        fs::create_directories(root_.Path() / "config");
        places_ = {root_.File("prog") + "/", root_.File("config") + "/"};
    }
    void TearDown() override
    {
        fs::permissions(root_.Path() / "prog", fs::perms::owner_all, fs::perm_options::add);
        std::error_code ec;
        fs::permissions(ProgramIni(), fs::perms::owner_write, fs::perm_options::add, ec);
    }

    std::string ProgramIni() const { return places_.ProgramDir + "BREVANTO.INI"; }
    std::string PerUserIni() const { return places_.ConfigDir + "BREVANTO.INI"; }
    static void Put(const std::string& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    TempDir root_;
    SettingsPlaces places_;
};

TEST_F(SettingsSharingTest, PerUserFileLayersOverTheProgramsFile)
{
    Put(ProgramIni(), "[SETTING]\nMapName=COURSE1.DAT\nInterval=40\nHiScore=10\nWave2=eat.wav\n"
                      "[KEYS]\nUp1=W\n");
    // A hand-written per-user file: no course, an empty eat sound on purpose.
    const std::string perUser = "[SETTING]\nHiScore=70\nWave2=\n";
    Put(PerUserIni(), perUser);

    Settings s = LoadSettingsFile(places_);
    EXPECT_EQ(s.IniFileName, PerUserIni());
    EXPECT_EQ(s.MapName, places_.ProgramDir + "COURSE1.DAT"); // from the program's file
    EXPECT_EQ(s.Interval, 40);
    EXPECT_EQ(s.HiScore, 70);                                   // the per-user file wins
    EXPECT_EQ(s.EatWave, "");                                   // present, though empty
    EXPECT_EQ(s.MaxCar, 3);                                     // neither has it: the default
    EXPECT_EQ(brv::KeyText(s.Keys.Get({KeyAction::Up, 0})), "W");

    // What came from the program's file is not copied into the per-user one by a save.
    s.Left = s.Top = 0;
    SaveSettingsFile(s, places_);
    EXPECT_EQ(ReadBytes(PerUserIni()), perUser);
    s.MaxCar = 5;
    SaveSettingsFile(s, places_);
    EXPECT_EQ(ReadBytes(PerUserIni()), perUser + "MaxCar=5\n");
    EXPECT_EQ(LoadSettingsFile(places_).MapName, places_.ProgramDir + "COURSE1.DAT");
}

TEST_F(SettingsSharingTest, TwoCopiesSavingKeepEachOthersChanges)
{
    Put(ProgramIni(), "[SETTING]\nMapName=COURSE1.DAT\nPosition=10,20\n");
    Settings first = LoadSettingsFile(places_);
    Settings second = LoadSettingsFile(places_);
    first.Zoom = 3;
    second.Interval = 80;
    second.Keys.Set({KeyAction::Stop, 1}, *brv::ParseKeyText("S"));
    SaveSettingsFile(first, places_);
    SaveSettingsFile(second, places_);
    const Settings after = LoadSettingsFile(places_);
    EXPECT_EQ(after.Zoom, 3);     // the copy that quit last did not put it back to 1
    EXPECT_EQ(after.Interval, 80);
    EXPECT_EQ(brv::KeyText(after.Keys.Get({KeyAction::Stop, 1})), "S");

    // The other way round, and a key both changed: the last to quit wins it.
    first = LoadSettingsFile(places_);
    second = LoadSettingsFile(places_);
    first.Zoom = 1;
    first.MaxCar = 6;
    second.MaxCar = 7;
    SaveSettingsFile(second, places_);
    SaveSettingsFile(first, places_);
    const Settings last = LoadSettingsFile(places_);
    EXPECT_EQ(last.Zoom, 1);
    EXPECT_EQ(last.Interval, 80);
    EXPECT_EQ(last.MaxCar, 6);
}

TEST_F(SettingsSharingTest, HiScoreIsNeverLoweredByACopyThatDidNotResetIt)
{
    Put(ProgramIni(), "[SETTING]\nHiScore=0\n");
    Settings idle = LoadSettingsFile(places_);
    Settings lower = LoadSettingsFile(places_);
    Settings reset = LoadSettingsFile(places_);
    Settings player = LoadSettingsFile(places_);
    player.HiScore = 60;
    SaveSettingsFile(player, places_);

    SaveSettingsFile(idle, places_); // never played: its 0 stays in memory
    EXPECT_EQ(LoadSettingsFile(places_).HiScore, 60);
    lower.HiScore = 30;              // played, but below what the other copy stored
    SaveSettingsFile(lower, places_);
    EXPECT_EQ(LoadSettingsFile(places_).HiScore, 60);
    reset.HiScore = 20;              // the player reset it in this run, then scored 20
    reset.HiScoreReset = true;
    SaveSettingsFile(reset, places_);
    EXPECT_EQ(LoadSettingsFile(places_).HiScore, 20);
}

// The names of the files renamed into `dir` since the watch began.
std::vector<std::string> RenamedInto(int watch)
{
    std::vector<std::string> names;
    alignas(inotify_event) char buffer[4096];
    for (ssize_t got; (got = read(watch, buffer, sizeof buffer)) > 0;) {
        for (char* at = buffer; at < buffer + got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(at);
            if ((event->mask & IN_MOVED_TO) && event->len > 0)
                names.emplace_back(event->name);
            at += sizeof(inotify_event) + event->len;
        }
    }
    return names;
}

TEST_F(SettingsSharingTest, ASaveIsOneReplaceWithTheBytesOfKeyByKeyWrites)
{
    const std::string shipped = "; mine\r\n[SETTING]\r\nMapName=COURSE1.DAT\r\nHiScore=5\r\n"
                                "Sound=1\r\n[OTHER]\r\nKept=yes\r\n";
    Put(ProgramIni(), shipped);
    Settings s = LoadSettingsFile(places_);
    s.HiScore = 90;
    s.Interval = 30;
    s.SoundOn = false;
    s.RunWave = "run.wav";
    s.Left = 12;
    s.Top = 34;
    s.Keys.Set({KeyAction::Up, 1}, *brv::ParseKeyText("W"));
    s.Zoom = 2;

    // The same keys in the same order, each written on its own as a save used to.
    const std::string reference = root_.Write("reference.ini", shipped);
    {
        brv::IniFile ini(reference);
        ini.WriteInteger("SETTING", "Interval", 30);
        ini.WriteInteger("SETTING", "HiScore", 90);
        ini.WriteBool("SETTING", "Sound", false);
        ini.WriteString("SETTING", "Wave1", "run.wav");
        ini.WriteString("SETTING", "Position", "12,34");
        ini.WriteString("KEYS", "Up2", "W");
        ini.WriteInteger("SETTING", "Zoom", 2);
    }

    const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(inotify_add_watch(watch, places_.ProgramDir.c_str(), IN_MOVED_TO), 0);
    SaveSettingsFile(s, places_);
    const std::vector<std::string> renamed = RenamedInto(watch);
    close(watch);
    EXPECT_EQ(renamed, std::vector<std::string>{"BREVANTO.INI"});
    EXPECT_EQ(ReadBytes(ProgramIni()), ReadBytes(reference));
}

TEST_F(SettingsSharingTest, ATreeNobodyMayWriteIsNeverWrittenWithoutAPerUserFolder)
{
    const std::string shipped = "[SETTING]\nHiScore=5\n";
    Put(ProgramIni(), shipped);
    places_.ConfigDir.clear(); // no HOME, no XDG_CONFIG_HOME
    fs::permissions(ProgramIni(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(root_.Path() / "prog", fs::perms::owner_read | fs::perms::owner_exec);
    Settings s = LoadSettingsFile(places_);
    s.HiScore = 50;
    // Root could write it; the modes say nobody may.
    EXPECT_THROW(SaveSettingsFile(s, places_), brv::IniWriteError);
    EXPECT_EQ(ReadBytes(ProgramIni()), shipped);
    EXPECT_EQ(std::distance(fs::directory_iterator(root_.Path() / "prog"), {}), 1);
}

} // namespace
