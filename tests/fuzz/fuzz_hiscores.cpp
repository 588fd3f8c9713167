// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as the hi-score file: reading must return in bounded time and memory; every table
// read keeps its order and its ten places; what the game would write of it reads back the
// same; and any text stored as a name survives the INI layer unchanged.
#include "FuzzSupport.h"

#include "config/model/HiScoreBook.h"
#include "config/model/HiScoreText.h"

#include "platform/IniFile.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

void CheckTable(const HiScoreTable& table)
{
    const std::vector<HiScoreEntry>& entries = table.Entries();
    Check(entries.size() <= HiScoreTable::Places, "ten places at most");
    for (size_t i = 0; i < entries.size(); ++i) {
        Check(entries[i].Score > 0, "scores above zero");
        Check(entries[i].Stage >= 0, "no negative stage");
        Check(entries[i].Name.size() <= HiScoreTable::MaxNameBytes, "names cut");
        Check(i == 0 || entries[i - 1].Score >= entries[i].Score, "best first");
        const std::optional<HiScoreEntry> again = DecodeHiScoreEntry(EncodeHiScoreEntry(entries[i]));
        Check(again && *again == entries[i], "an entry reads back as written");
    }
}

// The tables as the game would store them, each in a section of its own.
std::string Rewritten(const std::vector<CourseTable>& tables)
{
    std::string text;
    for (size_t t = 0; t < tables.size(); ++t) {
        char hash[17];
        std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(tables[t].Key.ContentHash));
        text += "[Course " + std::to_string(t) + "]\nPath=" + EncodeStoredText(tables[t].Key.Path)
                + "\nHash=" + hash + "\n";
        const std::vector<HiScoreEntry>& entries = tables[t].Table.Entries();
        for (size_t i = 0; i < entries.size(); ++i) {
            text += std::to_string(i + 1) + "=" + EncodeHiScoreEntry(entries[i]) + "\n";
            if (!entries[i].Replay.empty())
                text += "Replay" + std::to_string(i + 1) + "=" + EncodeStoredText(entries[i].Replay) + "\n";
        }
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const HiScoreBook book = HiScoreBook::FromBytes("HISCORES.INI", bytes);
    Check(book.LastName().size() <= HiScoreTable::MaxNameBytes, "last name cut");

    const std::vector<CourseTable> tables = book.Tables(64);
    Check(tables.size() <= 64, "tables bounded");
    for (const CourseTable& course : tables) {
        Check(!course.Table.Empty(), "only tables with entries");
        CheckTable(course.Table);
    }
    const std::vector<CourseTable> back = HiScoreBook::FromBytes("mem", Rewritten(tables)).Tables(64);
    Check(back.size() == tables.size(), "as many tables");
    for (size_t t = 0; t < back.size() && t < tables.size(); ++t) {
        // A path longer than a value can hold is cut; the table is still found by its section.
        if (EncodeStoredText(tables[t].Key.Path).size() <= 2047)
            Check(back[t].Key == tables[t].Key, "course keys read back");
        Check(back[t].Table.Entries() == tables[t].Table.Entries(), "tables read back");
    }

    // The input itself as a name: stored, it is one value of one line and reads back whole.
    const std::string stored = EncodeStoredText(bytes);
    // No NUL either, so the C string search sees the whole text.
    Check(stored.find('\0') == std::string::npos, "a NUL stored as it is");
    Check(std::strpbrk(stored.c_str(), "\r\n=;[]") == nullptr, "nothing the INI layer reads");
    Check(DecodeStoredText(stored) == bytes, "any text round-trips");
    const brv::IniFile ini = brv::IniFile::FromBytes("mem", "[S]\nk=" + stored + "\n");
    if (stored.size() <= 2047)
        Check(ini.ReadString("S", "k", "?") == stored, "the INI layer keeps the value");
    return 0;
}
