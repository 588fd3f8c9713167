// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hi-score file (HISCORES.INI in the per-user data folder): one table per course, kept apart
// by the course file's path and by a hash of its content, so that an edited course starts a
// fresh table; and the name the player entered last. Every store replaces the file atomically.
//
//   [PLAYER]
//   LastName=Ann
//   [Course 5f1c...-09ab...]       ; hashes of the path and of the content
//   Path=/home/ann/COURSE1.DAT
//   Hash=09ab...
//   1=1230,4,2026-01-31T18:05:00Z,Ann
//   Replay1=2026-01-31T180500Z-COURSE1-1230.replay   ; the game's replay, when kept
//
// Two copies of the game may store at the same time: a change is made under the file's lock to
// the file as it is then, so an entry the other copy stored meanwhile stays.
//
// A damaged or hand-edited file reads as far as it can: each entry that still reads is kept
// and the table is put back in order. Only the first 64 entries of a section are looked at.
#include "config/model/HiScoreTable.h"
#include "platform/IniFile.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Which course a table belongs to.
struct CourseKey {
    std::string Path;         // the course file's full path, as the game names it
    uint64_t ContentHash = 0; // of the file's bytes

    bool operator==(const CourseKey&) const = default;
};

// The key of the course file as it is now on disk; a file that cannot be read hashes as empty.
CourseKey CourseKeyOf(const std::string& path);
// The hash of a course's bytes (64-bit FNV-1a).
uint64_t ContentHashOf(std::string_view bytes);
// A hash as the files store it: 16 hex digits; reading takes 1 to 16 of either case.
std::string HashText(uint64_t hash);
std::optional<uint64_t> ParseHashText(std::string_view text);

struct CourseTable {
    CourseKey Key;
    HiScoreTable Table;
};

class HiScoreBook {
public:
    static constexpr char FileName[] = "HISCORES.INI";

    // Reads the file at once; a missing file reads as empty.
    explicit HiScoreBook(std::string fileName);
    // The same reading over bytes in memory; stores still go to `fileName`.
    static HiScoreBook FromBytes(std::string fileName, std::string_view bytes);

    HiScoreTable TableOf(const CourseKey& key) const;
    // The tables that hold at least one entry, in file order, at most `limit` of them.
    std::vector<CourseTable> Tables(size_t limit) const;
    std::string LastName() const;
    // The replay files every table's entries link to (Replay1=..., beside 1=...), whatever the
    // course and whether or not the entry still reads.
    std::vector<std::string> ReplayFiles() const;

    // Each goes to disk at once; throws brv::IniWriteError when the file cannot be written
    // (the file then stays as it was), naming the folder when the data folder cannot be made.
    //
    // Puts a game's entry into the course's table as the file holds it now, and returns the
    // place it took (nothing, and the file untouched, when it earns none).
    std::optional<size_t> Add(const CourseKey& key, HiScoreEntry entry);
    // Replaces the course's table with this one, whatever the file holds.
    void Store(const CourseKey& key, const HiScoreTable& table);
    void StoreLastName(std::string_view name);

private:
    explicit HiScoreBook(brv::IniFile ini) : ini_(std::move(ini)) {}
    void WriteTable(const CourseKey& key, const HiScoreTable& table);
    brv::IniFile ini_;
};
