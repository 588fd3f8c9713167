// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestFiles.h"

#include "config/model/Settings.h"

#include "platform/IniFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(root_.Path() / "prog");
        fs::create_directories(root_.Path() / "config");
        places_ = {root_.File("prog") + "/", root_.File("config") + "/"};
    }

    std::string ProgramIni() const { return places_.ProgramDir + "BREVANTO.INI"; }
    std::string ConfigIni() const { return places_.ConfigDir + "BREVANTO.INI"; }

    static void Put(const std::string& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string Bytes(const std::string& path) { return ReadBytes(path); }
    // Settings read from a program-directory file holding `body` under [SETTING].
    Settings LoadWith(const std::string& body)
    {
        Put(ProgramIni(), "[SETTING]\n" + body);
        return LoadSettingsFile(places_);
    }
    static std::optional<std::string> Stored(const std::string& file, const std::string& key)
    {
        const brv::IniFile ini(file);
        const auto keys = ini.ReadSection("SETTING");
        if (std::find(keys.begin(), keys.end(), key) == keys.end())
            return std::nullopt;
        return ini.ReadString("SETTING", key, "");
    }

    TempDir root_;
    SettingsPlaces places_;
};

// A file's identity and contents; a replaced file gets a new inode, a rewritten one a new time.
struct FileState {
    std::string bytes;
    ino_t inode = 0;
    timespec modified{};
};

FileState StateOf(const std::string& path)
{
    struct stat info {};
    EXPECT_EQ(stat(path.c_str(), &info), 0) << path;
    std::ifstream in(path, std::ios::binary);
    return {{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()}, info.st_ino, info.st_mtim};
}

void ExpectUntouched(const FileState& before, const std::string& path)
{
    const FileState after = StateOf(path);
    EXPECT_EQ(after.bytes, before.bytes);
    EXPECT_EQ(after.inode, before.inode);
    EXPECT_EQ(after.modified.tv_sec, before.modified.tv_sec);
    EXPECT_EQ(after.modified.tv_nsec, before.modified.tv_nsec);
}

TEST_F(SettingsTest, NoFileAnywhereGivesEveryDefault)
{
    const Settings s = LoadSettingsFile(places_);
    EXPECT_EQ(s.IniFileName, ProgramIni());
    EXPECT_EQ(s.LanguageFileName, places_.ProgramDir + "LANGUAGE.INI");
    EXPECT_EQ(s.Language, 1);
    EXPECT_EQ(s.MapName, places_.ProgramDir);
    EXPECT_EQ(s.GroundBitmapName, places_.ProgramDir + "GROUND.BMP");
    EXPECT_EQ(s.CarBitmapName, places_.ProgramDir + "MYCAR.BMP");
    EXPECT_EQ(s.Interval, 50);
    EXPECT_EQ(s.HiScore, 0);
    EXPECT_EQ(s.MoveSpeed, 1);
    EXPECT_EQ(s.MaxCar, 3);
    EXPECT_FALSE(s.RandomInit);
    EXPECT_FALSE(s.SoundOn);
    EXPECT_TRUE(s.SaveScreen);
    EXPECT_TRUE(s.ToolBar);
    EXPECT_TRUE(s.StatusBar);
    EXPECT_FALSE(s.RedrawMap);
    EXPECT_EQ(s.RunWave, "");
    EXPECT_EQ(s.EatWave, "");
    EXPECT_EQ(s.CrashWave, "");
    EXPECT_EQ(s.GroundColor, ColorButtonFace);
    EXPECT_FALSE(s.UseSheetColor);
    EXPECT_EQ(s.Left, 0);
    EXPECT_EQ(s.Top, 0);
    EXPECT_FALSE(fs::exists(ProgramIni()));
}

TEST_F(SettingsTest, ReadsEveryKeyAsWrittenWithoutRangeChecks)
{
    const Settings s = LoadWith("languagefile=LANG\\JA.INI\n"
                                "LANGUAGE=0\n"
                                "MapName=COURSE2.DAT\n"
                                "GroundBitmap=/usr/share/tiles.bmp\n"
                                "CarBitmap=sprites.bmp\n"
                                "Interval=-7\n"
                                "HiScore=$10\n"
                                "MoveFast=99\n"
                                "MaxCar=7\n"
                                "RandamInit=2\n"
                                "Sound=-1\n"
                                "SaveScreen=0\n"
                                "ToolBar=0\n"
                                "StatusBar=0x0\n"
                                "ReDrawMap=1\n"
                                "Wave1=run it.wav\n"
                                "Wave2=  sounds\\eat.wav  \n"
                                "Wave3=/abs/crash.wav\n");
    EXPECT_EQ(s.LanguageFileName, places_.ProgramDir + "LANG\\JA.INI");
    EXPECT_EQ(s.Language, 0);
    EXPECT_EQ(s.MapName, places_.ProgramDir + "COURSE2.DAT");
    EXPECT_EQ(s.GroundBitmapName, "/usr/share/tiles.bmp");
    EXPECT_EQ(s.CarBitmapName, places_.ProgramDir + "sprites.bmp");
    EXPECT_EQ(s.Interval, -7);
    EXPECT_EQ(s.HiScore, 16);
    EXPECT_EQ(s.MoveSpeed, 99);
    EXPECT_EQ(s.MaxCar, 7);
    EXPECT_TRUE(s.RandomInit);
    EXPECT_TRUE(s.SoundOn);
    EXPECT_FALSE(s.SaveScreen);
    EXPECT_FALSE(s.ToolBar);
    EXPECT_FALSE(s.StatusBar);
    EXPECT_TRUE(s.RedrawMap);
    // Sound files keep no path rule.
    EXPECT_EQ(s.RunWave, "run it.wav");
    EXPECT_EQ(s.EatWave, "sounds\\eat.wav");
    EXPECT_EQ(s.CrashWave, "/abs/crash.wav");
}

TEST_F(SettingsTest, MaxCarOfZeroOrLessBecomesThree)
{
    for (const auto& [text, expected] : {std::pair{"0", 3}, {"-5", 3}, {"-2147483648", 3}, {"1", 1}, {"12", 12}})
        EXPECT_EQ(LoadWith(std::string("MaxCar=") + text + "\n").MaxCar, expected) << text;
}

TEST_F(SettingsTest, GroundColorForms)
{
    struct Case {
        std::optional<std::string> line; // nullopt: no GroundColor key at all
        uint32_t color;
        bool sheet;
    };
    const Case cases[] = {
        {std::nullopt, ColorButtonFace, false},
        {"GroundColor=\n", ColorSilver, false},
        {"GroundColor=BTNFACE\n", ColorButtonFace, false},
        {"GroundColor=btnFace\n", ColorButtonFace, false},
        {"GroundColor= original \n", ColorButtonFace, true},
        {std::string("GroundColor=\x01original\x1f\n"), ColorButtonFace, true},
        {"GroundColor=255,0,0\n", 0x0000FFu, false},
        {"GroundColor=0,0,255\n", 0xFF0000u, false},
        {"GroundColor=18,52,86\n", 0x563412u, false},
        {"GroundColor=256,0,0\n", 0x000000u, false},
        {"GroundColor=-1,0,0\n", 0x0000FFu, false},
        {"GroundColor=0x10,$20,junk\n", 0x002010u, false},
        {"GroundColor=,,\n", 0x000000u, false},
        {"GroundColor=1,2\n", ColorSilver, false},
        {"GroundColor=1,2,3,4\n", ColorSilver, false},
        {"GroundColor=ORIGINALS\n", ColorSilver, false},
        {"GroundColor=red\n", ColorSilver, false},
    };
    for (const Case& c : cases) {
        const Settings s = LoadWith(c.line.value_or(""));
        EXPECT_EQ(s.GroundColor, c.color) << c.line.value_or("(absent)");
        EXPECT_EQ(s.UseSheetColor, c.sheet) << c.line.value_or("(absent)");
    }
}

TEST_F(SettingsTest, PositionIsTwoIntegersAppliedWhateverSaveScreenHolds)
{
    struct Case {
        const char* body;
        int32_t left, top;
    };
    const Case cases[] = {
        {"", 0, 0},
        {"Position=0,0\n", 0, 0},
        {"Position=100,0\n", 100, 0},
        {"Position=-20,-30\n", -20, -30},
        {"Position=5\n", 5, 0},
        {"Position=,7\n", 0, 7},
        {"Position=x,y\n", 0, 0},
        {"Position=12 ,34\n", 0, 34},
        {"Position=10,20\nSaveScreen=0\n", 10, 20},
    };
    for (const Case& c : cases) {
        const Settings s = LoadWith(c.body);
        EXPECT_EQ(s.Left, c.left) << c.body;
        EXPECT_EQ(s.Top, c.top) << c.body;
    }
}

TEST(SettingsPathRule, AbsoluteOnlyWithLeadingSlashOrDriveColon)
{
    const std::string prog = "/opt/brevanto/";
    EXPECT_EQ(ResolveSettingsPath("/x", prog), "/x");
    EXPECT_EQ(ResolveSettingsPath("C:COURSE.DAT", prog), "C:COURSE.DAT");
    EXPECT_EQ(ResolveSettingsPath("c:\\a.dat", prog), "c:\\a.dat");
    EXPECT_EQ(ResolveSettingsPath("\\COURSES\\A.DAT", prog), prog + "\\COURSES\\A.DAT");
    EXPECT_EQ(ResolveSettingsPath("\\\\server\\share\\A.DAT", prog), prog + "\\\\server\\share\\A.DAT");
    EXPECT_EQ(ResolveSettingsPath(":x", prog), prog + ":x");
    EXPECT_EQ(ResolveSettingsPath("sub/A.DAT", prog), prog + "sub/A.DAT");
    EXPECT_EQ(ResolveSettingsPath("A", prog), prog + "A");
    EXPECT_EQ(ResolveSettingsPath("", prog), prog);
}

TEST_F(SettingsTest, ConfigDirectoryFileTakesPrecedenceAndIsTheOneWritten)
{
    Put(ProgramIni(), "[SETTING]\nHiScore=111\n");
    Put(ConfigIni(), "[SETTING]\nHiScore=222\n");
    const FileState programBefore = StateOf(ProgramIni());

    Settings s = LoadSettingsFile(places_);
    EXPECT_EQ(s.IniFileName, ConfigIni());
    EXPECT_EQ(s.HiScore, 222);

    s.HiScore = 333;
    SaveSettingsFile(s, places_);
    EXPECT_EQ(Stored(ConfigIni(), "HiScore"), "333");
    ExpectUntouched(programBefore, ProgramIni());
}

TEST_F(SettingsTest, ProgramDirectoryFileWhenConfigHasNoneOrThereIsNoConfigDirectory)
{
    Put(ProgramIni(), "[SETTING]\nHiScore=111\n");
    fs::create_directories(ConfigIni()); // a directory of that name is no settings file
    EXPECT_EQ(LoadSettingsFile(places_).HiScore, 111);
    EXPECT_EQ(LoadSettingsFile(places_).IniFileName, ProgramIni());

    places_.ConfigDir.clear();
    EXPECT_EQ(LoadSettingsFile(places_).IniFileName, ProgramIni());
}

TEST_F(SettingsTest, RunThatChangedNothingLeavesTheFileAlone)
{
    // Values equal to memory only after conversion, absent keys at their defaults, foreign
    // sections, comments and CRLF endings: none of it may cause a write.
    Put(ProgramIni(), "; my settings\r\n"
                      "[Other]\r\nHiScore=5\r\n"
                      "[setting]\r\n"
                      "  mapname = COURSE.DAT \r\n"
                      "Interval=$32\r\n"
                      "HiScore=0x2A\r\n"
                      "Sound=5\r\n"
                      "Wave2=eat.wav\r\n"
                      "GroundColor=original\r\n"
                      "Position=10,20\r\n"
                      "Unknown=kept\r\n");
    fs::last_write_time(ProgramIni(), fs::file_time_type::clock::now() - std::chrono::hours(1));
    const FileState before = StateOf(ProgramIni());

    Settings s = LoadSettingsFile(places_);
    EXPECT_EQ(s.Interval, 50);
    EXPECT_EQ(s.HiScore, 42);
    SaveSettingsFile(s, places_);
    ExpectUntouched(before, ProgramIni());
    EXPECT_EQ(std::distance(fs::directory_iterator(root_.Path() / "prog"), {}), 1);
}

TEST_F(SettingsTest, NoFileAndNothingDifferentCreatesNoFile)
{
    Settings s = LoadSettingsFile(places_);
    SaveSettingsFile(s, places_);
    EXPECT_FALSE(fs::exists(ProgramIni()));

    // With SaveScreen off the position is not written; the changed SaveScreen is.
    s.SaveScreen = false;
    s.Left = 300;
    s.Top = 200;
    SaveSettingsFile(s, places_);
    EXPECT_EQ(Stored(ProgramIni(), "Position"), std::nullopt);
    EXPECT_EQ(Stored(ProgramIni(), "SaveScreen"), "0");
}

TEST_F(SettingsTest, FirstRunCreatesTheFileWithThePositionOnly)
{
    Settings s = LoadSettingsFile(places_);
    s.Left = 120;
    s.Top = -8;
    SaveSettingsFile(s, places_);
    EXPECT_EQ(brv::IniFile(ProgramIni()).ReadSection("SETTING"), std::vector<std::string>{"Position"});
    EXPECT_EQ(Stored(ProgramIni(), "Position"), "120,-8");
    EXPECT_EQ(LoadSettingsFile(places_).Left, 120);
    EXPECT_EQ(LoadSettingsFile(places_).Top, -8);
}

TEST_F(SettingsTest, OnlyChangedKeysAreWrittenAndEveryOtherByteKept)
{
    const std::string original = "[SETTING]\n"
                                 "LanguageFile=LANGUAGE.INI\n"
                                 "Language=2\n"
                                 "HiScore=1500   ; best\n"
                                 "Wave2=eat.wav\r\n"
                                 "[DISPLAY]\n"
                                 "Wave3=x\n";
    Put(ProgramIni(), original);
    Settings s = LoadSettingsFile(places_);
    s.HiScore = 2000;
    s.EatWave = "munch.wav";
    s.CrashWave = "crash.wav";
    SaveSettingsFile(s, places_);

    // A value's line keeps its own ending; a new key joins the end of its section.
    EXPECT_EQ(Bytes(ProgramIni()), "[SETTING]\n"
                                   "LanguageFile=LANGUAGE.INI\n"
                                   "Language=2\n"
                                   "HiScore=2000\n"
                                   "Wave2=munch.wav\r\n"
                                   "Wave3=crash.wav\n"
                                   "[DISPLAY]\n"
                                   "Wave3=x\n");
}

TEST_F(SettingsTest, EverySavedKeyRoundTripsAndTheOthersAreNeverWritten)
{
    Settings s = LoadSettingsFile(places_);
    s.Language = 3;
    s.MapName = "/elsewhere/RACE.DAT";
    s.Interval = 20;
    s.HiScore = 98760;
    s.MoveSpeed = 0;
    s.MaxCar = 5;
    s.RandomInit = true;
    s.SoundOn = true;
    s.SaveScreen = true;
    s.ToolBar = false;
    s.StatusBar = false;
    s.RunWave = "run.wav";
    s.EatWave = "eat.wav";
    s.CrashWave = "crash.wav";
    s.Left = -2147483647 - 1;
    s.Top = 2147483647;
    // Set only by editing the file.
    s.LanguageFileName = "/x/L.INI";
    s.GroundBitmapName = "/x/G.BMP";
    s.CarBitmapName = "/x/C.BMP";
    s.RedrawMap = true;
    s.GroundColor = 0x123456;
    s.UseSheetColor = true;
    SaveSettingsFile(s, places_);

    EXPECT_EQ(brv::IniFile(ProgramIni()).ReadSection("SETTING"),
              (std::vector<std::string>{"Language", "MapName", "Interval", "HiScore", "MoveFast", "MaxCar",
                                        "RandamInit", "Sound", "ToolBar", "StatusBar", "Wave1", "Wave2",
                                        "Wave3", "Position"}));
    const Settings r = LoadSettingsFile(places_);
    EXPECT_EQ(r.Language, 3);
    EXPECT_EQ(r.MapName, "/elsewhere/RACE.DAT");
    EXPECT_EQ(r.Interval, 20);
    EXPECT_EQ(r.HiScore, 98760);
    EXPECT_EQ(r.MoveSpeed, 0);
    EXPECT_EQ(r.MaxCar, 5);
    EXPECT_TRUE(r.RandomInit);
    EXPECT_TRUE(r.SoundOn);
    EXPECT_FALSE(r.ToolBar);
    EXPECT_FALSE(r.StatusBar);
    EXPECT_EQ(r.RunWave, "run.wav");
    EXPECT_EQ(r.EatWave, "eat.wav");
    EXPECT_EQ(r.CrashWave, "crash.wav");
    EXPECT_EQ(r.Left, -2147483647 - 1);
    EXPECT_EQ(r.Top, 2147483647);
    EXPECT_EQ(r.LanguageFileName, places_.ProgramDir + "LANGUAGE.INI");
    EXPECT_FALSE(r.RedrawMap);
    EXPECT_FALSE(r.UseSheetColor);

    // Back at the defaults: the keys now in the file are rewritten to them.
    Settings d = LoadSettingsFile(places_);
    const Settings defaults;
    d.Language = defaults.Language;
    d.MaxCar = defaults.MaxCar;
    d.ToolBar = defaults.ToolBar;
    d.RunWave.clear();
    SaveSettingsFile(d, places_);
    EXPECT_EQ(Stored(ProgramIni(), "Language"), "1");
    EXPECT_EQ(Stored(ProgramIni(), "MaxCar"), "3");
    EXPECT_EQ(Stored(ProgramIni(), "ToolBar"), "1");
    EXPECT_EQ(brv::IniFile(ProgramIni()).ReadString("SETTING", "Wave1", "absent"), "");
}

TEST_F(SettingsTest, WithSaveScreenOffTheStoredPositionStaysAndIsStillApplied)
{
    Put(ProgramIni(), "[SETTING]\nPosition=10,20\n");
    Settings s = LoadSettingsFile(places_);
    s.SaveScreen = false;
    s.Left = 500;
    s.Top = 600;
    SaveSettingsFile(s, places_);
    EXPECT_EQ(Stored(ProgramIni(), "Position"), "10,20");
    EXPECT_EQ(Stored(ProgramIni(), "SaveScreen"), "0");
    const Settings r = LoadSettingsFile(places_);
    EXPECT_EQ(r.Left, 10);
    EXPECT_EQ(r.Top, 20);
}

TEST_F(SettingsTest, MapNameStoredBareOnlyForTheProgramDirectoryItself)
{
    std::string upperProgramDir = places_.ProgramDir;
    std::transform(upperProgramDir.begin(), upperProgramDir.end(), upperProgramDir.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    ASSERT_NE(upperProgramDir, places_.ProgramDir);

    struct Case {
        std::string mapName;
        std::optional<std::string> stored;
    };
    const Case cases[] = {
        {places_.ProgramDir + "RACE.DAT", "RACE.DAT"},
        // Names that differ in letter case are other folders.
        {upperProgramDir + "RACE.DAT", upperProgramDir + "RACE.DAT"},
        {places_.ProgramDir + "sub/RACE.DAT", places_.ProgramDir + "sub/RACE.DAT"},
        {places_.ProgramDir + "sub\\RACE.DAT", places_.ProgramDir + "sub\\RACE.DAT"},
        {"/other/RACE.DAT", "/other/RACE.DAT"},
        {"C:RACE.DAT", "C:RACE.DAT"},
        {"RACE.DAT", "RACE.DAT"},
        {places_.ProgramDir, std::nullopt}, // nothing chosen: the key is skipped
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        fs::remove(ProgramIni());
        Settings s = LoadSettingsFile(places_);
        s.MapName = c.mapName;
        SaveSettingsFile(s, places_);
        EXPECT_EQ(Stored(ProgramIni(), "MapName"), c.stored) << c.mapName;
    }

    // An empty value to store leaves a stored course alone.
    Put(ProgramIni(), "[SETTING]\nMapName=OLD.DAT\n");
    Settings s = LoadSettingsFile(places_);
    s.MapName = places_.ProgramDir;
    SaveSettingsFile(s, places_);
    EXPECT_EQ(Stored(ProgramIni(), "MapName"), "OLD.DAT");
}

TEST_F(SettingsTest, RefusedWriteNamesTheFile)
{
    // No per-user folder to turn to: the save is tried where the settings were read.
    places_.ConfigDir.clear();
    Settings s = LoadSettingsFile(places_);
    s.HiScore = 10;

    s.IniFileName = (root_.Path() / "missing-dir" / "BREVANTO.INI").string();
    try {
        SaveSettingsFile(s, places_);
        ADD_FAILURE() << "no error for a file in a missing directory";
    } catch (const brv::IniWriteError& error) {
        EXPECT_NE(std::string(error.what()).find(s.IniFileName), std::string::npos) << error.what();
    }
    EXPECT_FALSE(fs::exists(root_.Path() / "missing-dir"));

    s.IniFileName = (root_.Path() / "a-directory").string();
    fs::create_directories(s.IniFileName);
    EXPECT_THROW(SaveSettingsFile(s, places_), brv::IniWriteError);
    EXPECT_TRUE(fs::is_directory(s.IniFileName));
}

TEST_F(SettingsTest, AValueThatCannotBeStoredCostsOnlyItsOwnKeyAndIsReported)
{
    Put(ProgramIni(), "[SETTING]\nWave3=old.wav\n");
    Settings s = LoadSettingsFile(places_);
    s.HiScore = 10;
    s.RunWave = "line\nbreak"; // cannot be stored in a profile file
    s.EatWave = "eat.wav";
    s.CrashWave = "crash.wav\r";
    s.Left = 5;
    try {
        SaveSettingsFile(s, places_);
        ADD_FAILURE() << "the refused keys were not reported";
    } catch (const brv::IniWriteError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find(ProgramIni()), std::string::npos) << message;
        EXPECT_NE(message.find("Wave1, Wave3"), std::string::npos) << message;
        EXPECT_EQ(message.find("Wave2"), std::string::npos) << message;
    }
    EXPECT_EQ(Stored(ProgramIni(), "HiScore"), "10");
    EXPECT_EQ(Stored(ProgramIni(), "Wave1"), std::nullopt);
    EXPECT_EQ(Stored(ProgramIni(), "Wave2"), "eat.wav");
    EXPECT_EQ(Stored(ProgramIni(), "Wave3"), "old.wav");
    EXPECT_EQ(Stored(ProgramIni(), "Position"), "5,0");
}

// A file saved by an editor that starts it with a byte-order mark.
TEST_F(SettingsTest, ByteOrderMarkedFileReadsWholeAndKeepsOneSettingSection)
{
    Put(ProgramIni(), "\xEF\xBB\xBF[SETTING]\r\nMapName=COURSE1.DAT\r\nHiScore=70\r\n");
    Settings s = LoadSettingsFile(places_);
    EXPECT_EQ(s.MapName, places_.ProgramDir + "COURSE1.DAT");
    EXPECT_EQ(s.HiScore, 70);
    s.HiScore = 80;
    SaveSettingsFile(s, places_);
    EXPECT_EQ(Bytes(ProgramIni()),
              "\xEF\xBB\xBF[SETTING]\r\nMapName=COURSE1.DAT\r\nHiScore=80\r\n");
}

} // namespace

TEST_F(SettingsTest, ZoomAndFullScreenReadWithFallbacksAndWrittenOnlyWhenChanged)
{
    EXPECT_EQ(LoadWith("").Zoom, 1);
    EXPECT_FALSE(LoadWith("").FullScreen);
    const Settings chosen = LoadWith("Zoom=3\nFullScreen=1\n");
    EXPECT_EQ(chosen.Zoom, 3);
    EXPECT_TRUE(chosen.FullScreen);
    for (const char* text : {"0", "-4", "two", ""})
        EXPECT_EQ(LoadWith(std::string("Zoom=") + text + "\n").Zoom, 1) << text;

    Put(ProgramIni(), "[SETTING]\nHiScore=5\n");
    Settings s = LoadSettingsFile(places_);
    s.SaveScreen = false;
    SaveSettingsFile(s, places_);
    EXPECT_EQ(Stored(ProgramIni(), "Zoom"), std::nullopt);
    EXPECT_EQ(Stored(ProgramIni(), "FullScreen"), std::nullopt);

    s.Zoom = 2;
    s.FullScreen = true;
    SaveSettingsFile(s, places_);
    EXPECT_EQ(Stored(ProgramIni(), "Zoom"), "2");
    EXPECT_EQ(Stored(ProgramIni(), "FullScreen"), "1");
    // A later run goes back to the window at actual size.
    s = LoadSettingsFile(places_);
    s.Zoom = 1;
    s.FullScreen = false;
    SaveSettingsFile(s, places_);
    EXPECT_EQ(Stored(ProgramIni(), "Zoom"), "1");
    EXPECT_EQ(Stored(ProgramIni(), "FullScreen"), "0");
}
