// SPDX-License-Identifier: GPL-3.0-or-later
// Where settings are saved: in place in a writable build folder, else into a per-user copy of
// the file that was read; an installed tree is never written.
#include "StoppedWriters.h"
#include "TestFiles.h"

#include "config/model/Settings.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "platform/SaveTarget.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

namespace fs = std::filesystem;

namespace {

const std::string ShippedIni = "; Brevanto settings\n"
                               "[SETTING]\n"
                               "HiScore=5\n"
                               "MaxCar=4\n"
                               "; the window\n"
                               "Position=0,0\n"
                               "[OTHER]\n"
                               "Kept=yes\n";

class SaveTargetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(root_.Path() / "prog");
        // The per-user folder itself does not exist yet, nor its parent.
        places_ = {root_.File("prog") + "/", root_.File("home/.config/brevanto") + "/"};
        std::ofstream(ProgramIni(), std::ios::binary) << ShippedIni;
    }
    void TearDown() override
    {
        // Let the scratch folder be removed again.
        fs::permissions(root_.Path() / "prog", fs::perms::owner_all, fs::perm_options::add);
        std::error_code ec;
        fs::permissions(ProgramIni(), fs::perms::owner_write, fs::perm_options::add, ec);
    }

    std::string ProgramIni() const { return places_.ProgramDir + "BREVANTO.INI"; }
    std::string PerUserIni() const { return places_.ConfigDir + "BREVANTO.INI"; }

    // Loads, raises the hi-score and saves, as a run of the game would.
    void PlayAndSave(int32_t hiScore)
    {
        Settings s = LoadSettingsFile(places_);
        s.HiScore = hiScore;
        SaveSettingsFile(s, places_);
    }

    // The shipped file with just the hi-score changed: comments, order and other sections kept.
    static std::string ShippedWithHiScore(const std::string& value)
    {
        std::string expected = ShippedIni;
        expected.replace(expected.find("HiScore=5"), 9, "HiScore=" + value);
        return expected;
    }

    TempDir root_;
    SettingsPlaces places_;
};

TEST_F(SaveTargetTest, WritableFileInTheBuildFolderIsSavedInPlace)
{
    PlayAndSave(70);
    EXPECT_EQ(ReadBytes(ProgramIni()), ShippedWithHiScore("70"));
    EXPECT_FALSE(fs::exists(places_.ConfigDir));
}

// Each way the build folder's file cannot be written sends the save to a per-user copy, which
// the next start reads and the next save writes in place.
TEST_F(SaveTargetTest, UnwritableFileSavesToAPerUserCopyThatLaterRunsUse)
{
    const struct {
        const char* name;
        fs::path path;
        fs::perms perms;
    } cases[] = {
        {"read-only file", "BREVANTO.INI", fs::perms::owner_read | fs::perms::group_read},
        {"read-only folder", ".", fs::perms::owner_read | fs::perms::owner_exec},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(root_.Path() / "home");
        std::ofstream(ProgramIni(), std::ios::binary) << ShippedIni;
        fs::permissions(root_.Path() / "prog" / c.path, c.perms);

        PlayAndSave(80);
        EXPECT_EQ(ReadBytes(PerUserIni()), ShippedWithHiScore("80"));
        EXPECT_EQ(ReadBytes(ProgramIni()), ShippedIni);

        const Settings second = LoadSettingsFile(places_);
        EXPECT_EQ(second.IniFileName, PerUserIni());
        EXPECT_EQ(second.HiScore, 80);
        EXPECT_EQ(second.MaxCar, 4);
        PlayAndSave(90);
        EXPECT_EQ(ReadBytes(PerUserIni()), ShippedWithHiScore("90"));
        EXPECT_EQ(ReadBytes(ProgramIni()), ShippedIni);

        fs::permissions(root_.Path() / "prog" / c.path, fs::perms::owner_all, fs::perm_options::add);
    }
}

TEST_F(SaveTargetTest, InstalledTreeIsNeverWrittenEvenWhenItCouldBe)
{
    places_.Installed = true;
    PlayAndSave(60);
    EXPECT_EQ(ReadBytes(ProgramIni()), ShippedIni);
    EXPECT_EQ(ReadBytes(PerUserIni()), ShippedWithHiScore("60"));
}

TEST_F(SaveTargetTest, InstalledWithoutShippedFileWritesOnlyTheChangedKeys)
{
    places_.Installed = true;
    fs::remove(ProgramIni());
    PlayAndSave(40);
    EXPECT_FALSE(fs::exists(ProgramIni()));
    EXPECT_EQ(brv::IniFile(PerUserIni()).ReadSection("SETTING"),
              (std::vector<std::string>{"HiScore"}));
}

TEST_F(SaveTargetTest, InstalledWithNoPerUserFolderReportsTheSaveAsFailed)
{
    places_.Installed = true;
    places_.ConfigDir.clear();
    Settings s = LoadSettingsFile(places_);
    s.HiScore = 50;
    EXPECT_THROW(SaveSettingsFile(s, places_), brv::IniWriteError);
    EXPECT_EQ(ReadBytes(ProgramIni()), ShippedIni);
}

TEST_F(SaveTargetTest, PerUserFolderThatCannotBeCreatedFailsWithoutDamage)
{
    places_.Installed = true;
    std::ofstream(root_.File("home"), std::ios::binary) << "a file where a folder should be";
    Settings s = LoadSettingsFile(places_);
    s.HiScore = 50;
    EXPECT_THROW(SaveSettingsFile(s, places_), brv::IniWriteError);
    EXPECT_EQ(ReadBytes(ProgramIni()), ShippedIni);
    EXPECT_EQ(ReadBytes(root_.File("home")), "a file where a folder should be");
}

// The per-user copy is read first by every later start: it must be on disk whole before it
// takes its name, for any user (the calls are watched, not provoked).
TEST_F(SaveTargetTest, FirstPerUserCopyIsFlushedBeforeItTakesItsPlace)
{
    places_.Installed = true;
    const brv::SaveTarget target = brv::ChooseSaveTarget(ProgramIni(), PerUserIni(), true);
    ASSERT_EQ(target.SeedFrom, ProgramIni());
    // Which file each flush is of, and each rename.
    struct FlushWatch : CountingCalls {
        std::map<int, std::string> files;
        std::vector<std::string> events;
        int Open(const char* path, int flags, mode_t mode) override
        {
            const int fd = CountingCalls::Open(path, flags, mode);
            files[fd] = path;
            return fd;
        }
        int Sync(int fd) override
        {
            events.push_back("sync " + files[fd]);
            return CountingCalls::Sync(fd);
        }
        int Rename(const char* from, const char* to) override
        {
            events.push_back("rename " + std::string(from));
            return CountingCalls::Rename(from, to);
        }
    } watch;
    {
        const brv::FileSystemCallsOverride seam(watch);
        brv::OpenSaveTarget(target);
    }
    const std::vector<std::string>& events = watch.events;
    EXPECT_EQ(ReadBytes(PerUserIni()), ShippedIni);
    ASSERT_GE(events.size(), 2u);
    EXPECT_EQ(events[0], "sync " + events[1].substr(7)) << "the copy is flushed, then renamed";
    EXPECT_TRUE(events[1].starts_with("rename " + places_.ConfigDir + ".BREVANTO.INI.tmp-")) << events[1];
}

TEST_F(SaveTargetTest, PerUserFolderThatCannotBeMadeIsNamed)
{
    places_.Installed = true;
    std::ofstream(root_.File("home"), std::ios::binary) << "a file where a folder should be";
    try {
        brv::ChooseSaveTarget(ProgramIni(), PerUserIni(), true);
        ADD_FAILURE() << "no folder, no save";
    } catch (const brv::IniWriteError& error) {
        EXPECT_NE(std::string(error.what()).find("the folder " + root_.File("home/.config")), std::string::npos)
            << error.what();
    }
}

TEST(ProgramFolderTest, InstalledDataIsFoundRelativeToTheExecutable)
{
    const TempDir root;
    fs::create_directories(root.Path() / "build/bin");
    const auto build = brv::LocateProgramFolder(root.File("build/bin") + "/", "../share/brevanto");
    EXPECT_EQ(build.Dir, root.File("build/bin") + "/");
    EXPECT_FALSE(build.Installed);

    // A prefix that was moved elsewhere after installing still finds its own data.
    for (const char* prefix : {"usr", "moved/prefix"}) {
        fs::create_directories(root.Path() / prefix / "bin");
        fs::create_directories(root.Path() / prefix / "share/brevanto");
        const auto installed =
            brv::LocateProgramFolder(root.File(prefix) + "/bin/", "../share/brevanto");
        EXPECT_EQ(installed.Dir, root.File(prefix) + "/share/brevanto/");
        EXPECT_TRUE(installed.Installed);
    }
}

} // namespace
