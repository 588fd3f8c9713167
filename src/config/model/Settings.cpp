// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/model/Settings.h"

#include "course/StrLib.h"
#include "platform/AsciiText.h"
#include "platform/FileLock.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "platform/SaveTarget.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace {

constexpr std::string_view kSection = "SETTING";
constexpr std::string_view kFileName = "BREVANTO.INI";

// Blanks and control characters around the value do not count; letter case neither.
std::string NormalizedColorText(std::string_view text)
{
    const auto isSpace = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    std::string result(text);
    for (char& c : result)
        c = brv::AsciiUpper(c);
    return result;
}

void ApplyGroundColor(std::string_view value, Settings& settings)
{
    const std::string text = NormalizedColorText(value);
    if (text == "ORIGINAL") {
        settings.UseSheetColor = true; // the colour itself comes from the tile sheet
    } else if (text == "BTNFACE") {
        settings.GroundColor = ColorButtonFace;
    } else if (CountChar(text, ',') == 2) {
        int32_t cursor = 1;
        const uint32_t red = static_cast<uint32_t>(NextInt(text, cursor)) & 0xFFu;
        const uint32_t green = static_cast<uint32_t>(NextInt(text, cursor)) & 0xFFu;
        const uint32_t blue = static_cast<uint32_t>(NextInt(text, cursor)) & 0xFFu;
        settings.GroundColor = red + 256u * green + 65536u * blue;
    } else {
        settings.GroundColor = ColorSilver;
    }
}

std::string LocateSettingsFile(const SettingsPlaces& places)
{
    if (!places.ConfigDir.empty()) {
        std::string inConfig = places.ConfigDir + std::string(kFileName);
        if (brv::FileExists(inConfig))
            return inConfig;
    }
    return places.ProgramDir + std::string(kFileName);
}

// What MapName is stored as: a course of the program's own directory by its bare name, so the
// settings file moves with the program; any other course by its full path.
std::string StoredMapName(const std::string& mapName, const std::string& programDir)
{
    const size_t separator = mapName.find_last_of("/\\:");
    if (separator == std::string::npos)
        return mapName;
    const std::string_view directory = std::string_view(mapName).substr(0, separator + 1);
    if (brv::SamePath(std::string(directory), programDir))
        return mapName.substr(separator + 1);
    return mapName;
}

// No value reads back as this: a value never holds a line break.
constexpr std::string_view kAbsent = "\n";

// The per-user file, in memory, with each key it lacks taken from the program's file.
brv::IniFile LayeredSettings(const std::string& top, const std::string& below)
{
    brv::IniFile layered(top);
    if (brv::SamePath(top, below))
        return layered;
    const brv::IniFile shipped(below);
    for (const std::string& section : shipped.ReadSectionNames()) {
        for (const auto& [key, value] : shipped.ReadSectionValues(section)) {
            if (layered.ReadString(section, key, kAbsent) != kAbsent)
                continue;
            try {
                layered.SetString(section, key, value);
            } catch (const brv::IniValueError&) {
                // A name that would not read back as itself: the per-user file cannot take it.
            }
        }
    }
    return layered;
}

struct KeyWrite {
    std::string_view Section;
    std::string Key;
    std::string Value;
    friend bool operator==(const KeyWrite&, const KeyWrite&) = default;
};

// The keys a save writes into `ini` for the file to hold `settings`: each key whose value
// differs from what the file holds (an absent key counting as its default). A value that
// cannot be stored (a line break in it) is left out and named in `refused`.
class ChangedKeys {
public:
    explicit ChangedKeys(const brv::IniFile& ini) : ini_(ini) {}

    void Integer(std::string_view key, int32_t value, int32_t fallback)
    {
        if (ini_.ReadInteger(kSection, key, fallback) != value)
            Add(kSection, key, std::to_string(value));
    }
    void Bool(std::string_view key, bool value, bool fallback)
    {
        if (ini_.ReadBool(kSection, key, fallback) != value)
            Add(kSection, key, value ? "1" : "0");
    }
    void Text(std::string_view key, std::string_view value, std::string_view fallback)
    {
        if (ini_.ReadString(kSection, key, fallback) == value)
            return;
        if (value.find_first_of("\r\n") != std::string_view::npos)
            refused_ += (refused_.empty() ? "" : ", ") + std::string(key);
        else
            Add(kSection, key, std::string(value));
    }
    void Keys(const KeyBindings& bindings)
    {
        for (auto& [key, value] : KeyBindingChanges(ini_, bindings))
            Add(KeysSection, key, std::move(value));
    }

    std::vector<KeyWrite> Writes;
    const std::string& Refused() const { return refused_; }

private:
    void Add(std::string_view section, std::string_view key, std::string value)
    {
        Writes.push_back({section, std::string(key), std::move(value)});
    }

    const brv::IniFile& ini_;
    std::string refused_;
};

ChangedKeys ChangesAgainst(const brv::IniFile& ini, const Settings& settings,
                           const SettingsPlaces& places)
{
    ChangedKeys file(ini);
    file.Integer("Language", settings.Language, 1);
    if (const std::string map = StoredMapName(settings.MapName, places.ProgramDir); !map.empty())
        file.Text("MapName", map, "");
    file.Integer("Interval", settings.Interval, 50);
    file.Integer("HiScore", settings.HiScore, 0);
    file.Integer("MoveFast", settings.MoveSpeed, 1);
    file.Integer("MaxCar", settings.MaxCar, 3);
    file.Bool("RandamInit", settings.RandomInit, false);
    file.Bool("Sound", settings.SoundOn, false);
    file.Bool("SaveScreen", settings.SaveScreen, true);
    file.Bool("ToolBar", settings.ToolBar, true);
    file.Bool("StatusBar", settings.StatusBar, true);
    file.Text("Wave1", settings.RunWave, "");
    file.Text("Wave2", settings.EatWave, "");
    file.Text("Wave3", settings.CrashWave, "");
    // While SaveScreen is off the stored position stays as it is.
    if (settings.SaveScreen) {
        char position[32];
        std::snprintf(position, sizeof position, "%d,%d", static_cast<int>(settings.Left),
                      static_cast<int>(settings.Top));
        file.Text("Position", position, "0,0");
    }
    file.Keys(settings.Keys);
    file.Integer("Zoom", settings.Zoom, 1);
    file.Bool("FullScreen", settings.FullScreen, false);
    file.Bool("FieldMessages", settings.FieldMessages, false);
    file.Bool("HiScoresAfterName", settings.HiScoresAfterName, true);
    return file;
}

bool IsHiScore(const KeyWrite& write)
{
    return write.Section == kSection && write.Key == "HiScore";
}

} // namespace

SettingsPlaces DefaultSettingsPlaces()
{
    const brv::ProgramFolder program = brv::RunningProgramFolder();
    return {program.Dir, brv::ConfigDir(), program.Installed, brv::DataDir()};
}

std::string ResolveSettingsPath(const std::string& value, const std::string& programDir)
{
    const bool absolute = (!value.empty() && value[0] == '/') || (value.size() >= 2 && value[1] == ':');
    return absolute ? value : programDir + value;
}

Settings LoadSettingsFile(const SettingsPlaces& places)
{
    auto file = std::make_shared<const brv::IniFile>(
        LayeredSettings(LocateSettingsFile(places), places.ProgramDir + std::string(kFileName)));
    Settings settings = ReadSettings(*file, places);
    settings.ReadAtStart = std::move(file);
    return settings;
}

Settings ReadSettings(const brv::IniFile& ini, const SettingsPlaces& places)
{
    Settings settings;
    settings.IniFileName = ini.FileName();
    const auto path = [&](std::string_view key, std::string_view fallback) {
        return ResolveSettingsPath(ini.ReadString(kSection, key, fallback), places.ProgramDir);
    };

    settings.LanguageFileName = path("LanguageFile", "LANGUAGE.INI");
    settings.Language = ini.ReadInteger(kSection, "Language", 1);
    settings.MapName = path("MapName", "");
    settings.GroundBitmapName = path("GroundBitmap", "GROUND.BMP");
    settings.CarBitmapName = path("CarBitmap", "MYCAR.BMP");
    settings.Interval = ini.ReadInteger(kSection, "Interval", 50);
    settings.HiScore = ini.ReadInteger(kSection, "HiScore", 0);
    // Checked against the speed table once the course is loaded.
    settings.MoveSpeed = ini.ReadInteger(kSection, "MoveFast", 1);
    settings.MaxCar = ini.ReadInteger(kSection, "MaxCar", 3);
    if (settings.MaxCar <= 0)
        settings.MaxCar = 3;
    settings.RandomInit = ini.ReadBool(kSection, "RandamInit", false);
    settings.SoundOn = ini.ReadBool(kSection, "Sound", false);
    settings.SaveScreen = ini.ReadBool(kSection, "SaveScreen", true);
    settings.ToolBar = ini.ReadBool(kSection, "ToolBar", true);
    settings.StatusBar = ini.ReadBool(kSection, "StatusBar", true);
    settings.RedrawMap = ini.ReadBool(kSection, "ReDrawMap", false);
    settings.RunWave = ini.ReadString(kSection, "Wave1", "");
    settings.EatWave = ini.ReadString(kSection, "Wave2", "");
    settings.CrashWave = ini.ReadString(kSection, "Wave3", "");
    ApplyGroundColor(ini.ReadString(kSection, "GroundColor", "BTNFACE"), settings);

    // Applied at start-up whatever SaveScreen holds; 0 leaves that edge where it would be.
    const std::string position = ini.ReadString(kSection, "Position", "0,0");
    int32_t cursor = 1;
    settings.Left = NextInt(position, cursor);
    settings.Top = NextInt(position, cursor);
    settings.Keys = ReadKeyBindings(ini);

    settings.Zoom = std::max<int32_t>(1, ini.ReadInteger(kSection, "Zoom", 1));
    settings.FullScreen = ini.ReadBool(kSection, "FullScreen", false);
    settings.FieldMessages = ini.ReadBool(kSection, "FieldMessages", false);
    settings.HiScoresAfterName = ini.ReadBool(kSection, "HiScoresAfterName", true);
    return settings;
}

void SaveSettingsFile(const Settings& settings, const SettingsPlaces& places)
{
    // Settings that were never loaded go where loading would have looked.
    const std::string readFile =
        settings.IniFileName.empty() ? LocateSettingsFile(places) : settings.IniFileName;
    const std::string programFile = places.ProgramDir + std::string(kFileName);
    const std::string perUserFile =
        places.ConfigDir.empty() ? std::string() : places.ConfigDir + std::string(kFileName);
    const brv::SaveTarget where = brv::ChooseSaveTarget(readFile, perUserFile, places.Installed);
    // Another copy of the game may save between our read and our write: take turns. A run that
    // changed nothing writes nothing, not even the lock file.
    std::optional<brv::FileLock> lock;
    if (!settings.ReadAtStart || !ChangesAgainst(*settings.ReadAtStart, settings, places).Writes.empty())
        lock.emplace(where.FileName);

    // Compared with the file as it is now, read as this run read it (over the program's file).
    const brv::IniFile now =
        LayeredSettings(where.SeedFrom.empty() ? where.FileName : where.SeedFrom, programFile);
    ChangedKeys changes = ChangesAgainst(now, settings, places);
    std::vector<KeyWrite> writes;
    if (!settings.ReadAtStart) {
        writes = std::move(changes.Writes);
    } else {
        // Only what this run changed: another copy's changes since our start stay.
        const std::vector<KeyWrite> changedHere =
            ChangesAgainst(*settings.ReadAtStart, settings, places).Writes;
        for (KeyWrite& write : changes.Writes) {
            const bool ours = std::any_of(changedHere.begin(), changedHere.end(), [&](const KeyWrite& mine) {
                return mine.Section == write.Section && mine.Key == write.Key;
            });
            if (!ours)
                continue;
            // A lower hi-score than the file's comes only from a reset in this run.
            if (IsHiScore(write) && !settings.HiScoreReset &&
                settings.HiScore < now.ReadInteger(kSection, "HiScore", 0))
                continue;
            writes.push_back(std::move(write));
        }
    }

    // All of it in one replace of the whole file; nothing at all when nothing changed.
    if (!writes.empty()) {
        brv::IniFile target = brv::OpenSaveTarget(where);
        for (const KeyWrite& write : writes)
            target.SetString(write.Section, write.Key, write.Value);
        target.SaveAs(target.FileName());
    }
    if (!changes.Refused().empty())
        throw brv::IniWriteError(where.FileName, "a line break in the value of " + changes.Refused()
                                                        + " (not stored; the other settings were)");
}
