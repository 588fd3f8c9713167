// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/model/HiScoreBook.h"

#include "config/model/HiScoreText.h"
#include "platform/AsciiText.h"
#include "platform/FileLock.h"
#include "platform/FileReplace.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr std::string_view PlayerSection = "PLAYER";
constexpr std::string_view LastNameKey = "LastName";
constexpr std::string_view CoursePrefix = "Course ";
constexpr std::string_view PathKey = "Path";
constexpr std::string_view HashKey = "Hash";
constexpr std::string_view ReplayKeyPrefix = "Replay";
// Entries beyond the numbered places that a section may hold (a hand-edited file), looked at.
constexpr size_t MaxEntryKeys = 64;

constexpr uint64_t FnvOffset = 0xcbf29ce484222325ull;
constexpr uint64_t FnvPrime = 0x100000001b3ull;

uint64_t Fnv1a(uint64_t hash, std::string_view bytes)
{
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= FnvPrime;
    }
    return hash;
}

std::string Hex(uint64_t value)
{
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

std::optional<uint64_t> ParseHex(std::string_view text)
{
    if (text.empty() || text.size() > 16)
        return std::nullopt;
    uint64_t value = 0;
    for (const char c : text) {
        const int digit = brv::HexDigitValue(c);
        if (digit < 0)
            return std::nullopt;
        value = value << 4 | static_cast<uint64_t>(digit);
    }
    return value;
}

std::string SectionOf(const CourseKey& key)
{
    return std::string(CoursePrefix) + Hex(Fnv1a(FnvOffset, key.Path)) + "-" + Hex(key.ContentHash);
}

using SectionValues = std::vector<std::pair<std::string, std::string>>;

// The place a key numbers, 1 to 10, or 0 for any other key ("01" included).
size_t PlaceOf(std::string_view key)
{
    if (key.empty() || key.size() > 2 || key[0] == '0')
        return 0;
    size_t place = 0;
    for (const char c : key) {
        if (c < '0' || c > '9')
            return 0;
        place = place * 10 + static_cast<size_t>(c - '0');
    }
    return place <= HiScoreTable::Places ? place : 0;
}

// The key that links place `place` to its replay: Replay1 .. Replay10 (older readers take it
// for an entry that does not read, and leave it alone).
std::string ReplayKeyOf(size_t place) { return std::string(ReplayKeyPrefix) + std::to_string(place); }

size_t ReplayPlaceOf(std::string_view key)
{
    if (key.size() <= ReplayKeyPrefix.size()
        || !brv::EqualIgnoringAsciiCase(key.substr(0, ReplayKeyPrefix.size()), ReplayKeyPrefix))
        return 0;
    return PlaceOf(key.substr(ReplayKeyPrefix.size()));
}

bool IsMetaKey(std::string_view key)
{
    return brv::EqualIgnoringAsciiCase(key, PathKey) || brv::EqualIgnoringAsciiCase(key, HashKey)
           || ReplayPlaceOf(key) != 0;
}

// A link names a file of the replays folder itself: no folder, nothing hidden.
std::string ReplayLinkOf(std::string_view stored)
{
    std::string name = DecodeStoredText(stored);
    const bool plain = !name.empty() && name.size() <= 255 && name[0] != '.'
                       && name.find_first_of(std::string_view("/\0", 2)) == std::string::npos;
    return plain ? name : std::string();
}

std::string_view ValueOf(const SectionValues& values, std::string_view key)
{
    for (const auto& [name, value] : values)
        if (brv::EqualIgnoringAsciiCase(name, key))
            return value;
    return {};
}

// The section's entries in reading order: the numbered places first in their order, then up to
// MaxEntryKeys other keys (not Path or Hash) in file order.
std::vector<std::string_view> EntryTexts(const SectionValues& values)
{
    std::vector<std::string_view> places(HiScoreTable::Places);
    std::vector<std::string_view> others;
    for (const auto& [key, value] : values) {
        if (const size_t place = PlaceOf(key))
            places[place - 1] = value;
        else if (!IsMetaKey(key) && others.size() < MaxEntryKeys)
            others.push_back(value);
    }
    places.insert(places.end(), others.begin(), others.end());
    return places;
}

// Entries in reading order, each one inserted, so equal scores keep that order; a numbered
// place brings the replay its link names.
HiScoreTable ReadTable(const SectionValues& values)
{
    std::vector<std::string_view> replays(HiScoreTable::Places);
    for (const auto& [key, value] : values)
        if (const size_t place = ReplayPlaceOf(key))
            replays[place - 1] = value;
    HiScoreTable table;
    const std::vector<std::string_view> texts = EntryTexts(values);
    for (size_t i = 0; i < texts.size(); ++i)
        if (!texts[i].empty())
            if (std::optional<HiScoreEntry> entry = DecodeHiScoreEntry(texts[i])) {
                if (i < replays.size())
                    entry->Replay = ReplayLinkOf(replays[i]);
                table.Insert(std::move(*entry));
            }
    return table;
}

// A first store creates the data folder; one that cannot be made is named in the refusal.
void MakeFolderFor(const std::string& fileName)
{
    if (const std::string problem = brv::MakeFolderFor(fileName); !problem.empty())
        throw brv::IniWriteError(fileName, problem);
}

} // namespace

uint64_t ContentHashOf(std::string_view bytes) { return Fnv1a(FnvOffset, bytes); }
std::string HashText(uint64_t hash) { return Hex(hash); }
std::optional<uint64_t> ParseHashText(std::string_view text) { return ParseHex(text); }

// Read as any of the game's files is read: up to the same size, a FIFO or a folder as empty.
CourseKey CourseKeyOf(const std::string& path) { return {path, ContentHashOf(brv::IniFile(path).Bytes())}; }

HiScoreBook::HiScoreBook(std::string fileName) : ini_(std::move(fileName)) {}

HiScoreBook HiScoreBook::FromBytes(std::string fileName, std::string_view bytes)
{
    return HiScoreBook(brv::IniFile::FromBytes(std::move(fileName), bytes));
}

HiScoreTable HiScoreBook::TableOf(const CourseKey& key) const
{
    return ReadTable(ini_.ReadSectionValues(SectionOf(key)));
}

std::vector<CourseTable> HiScoreBook::Tables(size_t limit) const
{
    std::vector<CourseTable> tables;
    for (const std::string& section : ini_.ReadSectionNames()) {
        if (tables.size() >= limit)
            break;
        if (section.size() <= CoursePrefix.size()
            || !brv::EqualIgnoringAsciiCase(std::string_view(section).substr(0, CoursePrefix.size()),
                                            CoursePrefix))
            continue;
        const SectionValues values = ini_.ReadSectionValues(section);
        const std::string path = DecodeStoredText(ValueOf(values, PathKey));
        const std::optional<uint64_t> hash = ParseHex(ValueOf(values, HashKey));
        if (path.empty() || !hash)
            continue;
        HiScoreTable table = ReadTable(values);
        if (!table.Empty())
            tables.push_back({{path, *hash}, std::move(table)});
    }
    return tables;
}

std::vector<std::string> HiScoreBook::ReplayFiles() const
{
    std::vector<std::string> files;
    for (const std::string& section : ini_.ReadSectionNames())
        for (const auto& [key, value] : ini_.ReadSectionValues(section))
            if (ReplayPlaceOf(key) != 0)
                if (std::string name = ReplayLinkOf(value); !name.empty())
                    files.push_back(std::move(name));
    return files;
}

std::string HiScoreBook::LastName() const
{
    return CutUtf8(DecodeStoredText(ini_.ReadString(PlayerSection, LastNameKey, "")),
                   HiScoreTable::MaxNameBytes);
}

std::optional<size_t> HiScoreBook::Add(const CourseKey& key, HiScoreEntry entry)
{
    MakeFolderFor(ini_.FileName());
    const brv::FileLock lock(ini_.FileName());
    ini_ = brv::IniFile(ini_.FileName());
    HiScoreTable table = TableOf(key);
    const std::optional<size_t> place = table.Insert(std::move(entry));
    if (place)
        WriteTable(key, table);
    return place;
}

void HiScoreBook::Store(const CourseKey& key, const HiScoreTable& table)
{
    MakeFolderFor(ini_.FileName());
    const brv::FileLock lock(ini_.FileName());
    ini_ = brv::IniFile(ini_.FileName());
    WriteTable(key, table);
}

// Under the lock, with ini_ as the file is now.
void HiScoreBook::WriteTable(const CourseKey& key, const HiScoreTable& table)
{
    const std::string section = SectionOf(key);
    std::vector<std::pair<std::string, std::string>> values;
    values.emplace_back(PathKey, EncodeStoredText(key.Path));
    values.emplace_back(HashKey, Hex(key.ContentHash));
    const std::vector<HiScoreEntry>& entries = table.Entries();
    for (size_t i = 0; i < entries.size(); ++i) {
        values.emplace_back(std::to_string(i + 1), EncodeHiScoreEntry(entries[i]));
        if (!entries[i].Replay.empty())
            values.emplace_back(ReplayKeyOf(i + 1), EncodeStoredText(entries[i].Replay));
    }
    // Whatever else held an entry that reading looks at is emptied, so none comes back twice,
    // and so is a replay link of a place that now has none.
    size_t others = 0;
    for (const auto& [old, text] : ini_.ReadSectionValues(section)) {
        if (const size_t linked = ReplayPlaceOf(old)) {
            if (linked > entries.size() || entries[linked - 1].Replay.empty())
                values.emplace_back(old, "");
            continue;
        }
        const size_t place = PlaceOf(old);
        const bool looked = place != 0 || (!IsMetaKey(old) && others++ < MaxEntryKeys);
        if (looked && (place == 0 || place > entries.size()))
            values.emplace_back(old, "");
    }
    ini_.WriteStrings(section, values);
}

void HiScoreBook::StoreLastName(std::string_view name)
{
    MakeFolderFor(ini_.FileName());
    ini_.WriteString(PlayerSection, LastNameKey, EncodeStoredText(name));
}
