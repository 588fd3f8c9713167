// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as the settings file: loading must not crash or hang; what a save writes must load
// back as it was in memory, keys that are never written must read as before, and a second save
// of what was loaded must change nothing.
#include "FuzzSupport.h"

#include "config/model/Settings.h"

#include "platform/IniFile.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string Bytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A write replaces the file, so its inode changes even when its bytes do not.
ino_t InodeOf(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

bool EqualIgnoringAsciiCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto fold = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
        if (fold(a[i]) != fold(b[i]))
            return false;
    }
    return true;
}

int32_t Wrapped(int32_t value, int32_t add)
{
    return static_cast<int32_t>(static_cast<uint32_t>(value) + static_cast<uint32_t>(add));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const FuzzDir work("settings");
    static const SettingsPlaces places = [] {
        fs::create_directories(work.Path() / "prog");
        fs::create_directories(work.Path() / "config");
        return SettingsPlaces{work.File("prog") + "/", work.File("config") + "/"};
    }();
    const std::string file = places.ProgramDir + "BREVANTO.INI";
    const std::string configFile = places.ConfigDir + "BREVANTO.INI";
    // The first and last bytes pick the folder the file lies in and the changes made to it.
    // Loading reads the bytes from memory; a save starts from the file on disk, so they go
    // there too when the input takes that path.
    const uint8_t choice = size > 0 ? data[0] : 0;
    const uint8_t more = size > 0 ? data[size - 1] : 0;
    const std::string& iniFile = (choice & 1) ? configFile : file;

    const Settings loaded = ReadSettings(brv::IniFile::FromBytes(iniFile, InputText(data, size)), places);
    Check(loaded.IniFileName == iniFile, "file name");
    Check(loaded.MaxCar > 0, "MaxCar above 0");
    Check(!loaded.UseSheetColor || loaded.GroundColor == ColorButtonFace, "sheet colour leaves GroundColor");
    // A save here replaces the file once for every key it changes.
    if (!TakesCostlyPath(data, size, 8))
        return 0;
    // The per-user file layers over the program's: neither may hold what an earlier input left.
    std::error_code ignored;
    fs::remove(file, ignored);
    fs::remove(configFile, ignored);
    WriteInput(iniFile, data, size);

    // Each key a save writes costs a whole file replacement, so an input changes only the
    // few its bytes pick.
    Settings changed = loaded;
    if (more & 1)
        changed.HiScore = Wrapped(changed.HiScore, 10);
    if (choice & 2)
        changed.EatWave = changed.EatWave.empty() ? "eat.wav" : "";
    if (choice & 4)
        changed.MapName = (choice & 8) ? places.ProgramDir + "RACE.DAT" : "/elsewhere/RACE.DAT";
    if (choice & 16)
        changed.SaveScreen = !changed.SaveScreen;
    if (choice & 32)
        changed.MaxCar = 1 + (choice >> 6);
    if (more & 2)
        changed.SoundOn = !changed.SoundOn;
    if (more & 4)
        changed.Left = Wrapped(changed.Left, 1);
    SaveSettingsFile(changed, places);

    // A value reads back cut to 2047 bytes; a course path beyond that cannot survive the file.
    const bool mapFits = changed.MapName.size() <= 2047;
    const Settings reloaded = ReadSettings(brv::IniFile(iniFile), places);
    Check(reloaded.IniFileName == loaded.IniFileName, "same file");
    Check(reloaded.Language == changed.Language, "Language");
    Check(!mapFits || EqualIgnoringAsciiCase(reloaded.MapName, changed.MapName), "MapName");
    Check(reloaded.Interval == changed.Interval, "Interval");
    Check(reloaded.HiScore == changed.HiScore, "HiScore");
    Check(reloaded.MoveSpeed == changed.MoveSpeed, "MoveFast");
    Check(reloaded.MaxCar == changed.MaxCar, "MaxCar");
    Check(reloaded.RandomInit == changed.RandomInit, "RandamInit");
    Check(reloaded.SoundOn == changed.SoundOn, "Sound");
    Check(reloaded.SaveScreen == changed.SaveScreen, "SaveScreen");
    Check(reloaded.ToolBar == changed.ToolBar, "ToolBar");
    Check(reloaded.StatusBar == changed.StatusBar, "StatusBar");
    Check(reloaded.RunWave == changed.RunWave, "Wave1");
    Check(reloaded.EatWave == changed.EatWave, "Wave2");
    Check(reloaded.CrashWave == changed.CrashWave, "Wave3");
    const Settings& position = changed.SaveScreen ? changed : loaded;
    Check(reloaded.Left == position.Left && reloaded.Top == position.Top, "Position");
    // Keys that are never written.
    Check(reloaded.LanguageFileName == loaded.LanguageFileName, "LanguageFile");
    Check(reloaded.GroundBitmapName == loaded.GroundBitmapName, "GroundBitmap");
    Check(reloaded.CarBitmapName == loaded.CarBitmapName, "CarBitmap");
    Check(reloaded.RedrawMap == loaded.RedrawMap, "ReDrawMap");
    Check(reloaded.GroundColor == loaded.GroundColor, "GroundColor");
    Check(reloaded.UseSheetColor == loaded.UseSheetColor, "GroundColor ORIGINAL");

    if (mapFits) {
        const std::string before = Bytes(reloaded.IniFileName);
        const ino_t inode = InodeOf(reloaded.IniFileName);
        SaveSettingsFile(reloaded, places);
        Check(Bytes(reloaded.IniFileName) == before && InodeOf(reloaded.IniFileName) == inode,
              "a save with nothing changed writes nothing");
    }
    return 0;
}
