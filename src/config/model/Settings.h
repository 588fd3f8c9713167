// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings file (section SETTING): every option, the other files' locations, the hi-score
// and the window position. Read once at start-up, written back at shut-down in one replace of
// the whole file, each key only when its value differs from what the file holds and this run
// changed it, so two copies of the game running at once keep each other's changes.
#include "config/model/KeyBindings.h"

#include <cstdint>
#include <memory>
#include <string>

namespace brv { class IniFile; }

// The system's button-face colour, resolved by the window when it is used.
inline constexpr uint32_t ColorButtonFace = 0x8000000Fu;
inline constexpr uint32_t ColorSilver = 0xC0C0C0u;

// Where the game looks for its files: the program's own directory and the per-user
// configuration directory (which takes the part of the system directory). Both end in "/".
// An installed program's directory is never written: its settings are saved per user.
struct SettingsPlaces {
    std::string ProgramDir;
    std::string ConfigDir;
    bool Installed = false;
    // Where the game keeps data of its own (hi-score tables); empty keeps none.
    std::string DataDir = {};
};
SettingsPlaces DefaultSettingsPlaces();

struct Settings {
    std::string IniFileName;
    std::string LanguageFileName;
    int32_t Language = 1;
    std::string MapName;
    std::string GroundBitmapName;
    std::string CarBitmapName;
    int32_t Interval = 50;
    int32_t HiScore = 0;
    int32_t MoveSpeed = 1;
    int32_t MaxCar = 3;
    bool RandomInit = false;
    bool SoundOn = false;
    bool SaveScreen = true;
    bool ToolBar = true;
    bool StatusBar = true;
    bool RedrawMap = false;
    std::string RunWave;
    std::string EatWave;
    std::string CrashWave;
    uint32_t GroundColor = ColorButtonFace; // blue-green-red, or ColorButtonFace
    bool UseSheetColor = false;
    int32_t Left = 0; // window position; a coordinate of 0 is not applied
    int32_t Top = 0;
    KeyBindings Keys = KeyBindings::Defaults(); // section KEYS
    int32_t Zoom = 1; // whole-number zoom of the field, at least 1
    bool FullScreen = false;
    // Messages over the field (View > Messages on the Field): off where the file lacks the key.
    bool FieldMessages = false;
    // After a hi-score name is entered, the table opens with the new entry marked.
    bool HiScoresAfterName = true;

    // Not keys of the file. The player reset the hi-score in this run: only then may a save
    // store a lower hi-score than the file holds.
    bool HiScoreReset = false;
    // The settings as this run read them (the per-user file over the program's one), which a
    // save compares with to tell what this run changed. Null for settings made in memory: their
    // save writes whatever differs from the file.
    std::shared_ptr<const brv::IniFile> ReadAtStart;
};

// A path from the settings: absolute when it begins with "/" or its second character is ":",
// else relative to the program's directory.
std::string ResolveSettingsPath(const std::string& value, const std::string& programDir);

// The per-user file when there is one, each key it lacks taken from the program's file; else
// the program's file. IniFileName is the file read first.
Settings LoadSettingsFile(const SettingsPlaces& places);
// The same from a settings file already read (or bytes in memory); IniFileName is its name.
Settings ReadSettings(const brv::IniFile& ini, const SettingsPlaces& places);
// Writes back, in one replace of the whole file, each key whose value differs from the file
// (Position only while SaveScreen) and from what this run read: into the file that was read
// or, where that one may not or cannot be written, into the per-user file. HiScore never goes
// below the file's value unless HiScoreReset. Throws brv::IniWriteError naming the file when
// the write is refused. A value that cannot be stored (a line break in it) is skipped, and
// reported by that error once every other key is written.
void SaveSettingsFile(const Settings& settings, const SettingsPlaces& places);
