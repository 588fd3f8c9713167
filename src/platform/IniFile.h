// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Profile (INI) files as the game's files use them: case-insensitive sections and keys, values
// trimmed and cut to 2047 characters, the first of duplicate keys wins, ';' comment lines.
// A UTF-8 byte-order mark at the start is not part of the first line, and a write keeps it.
// A write changes only its own line (or appends the key or the section) and replaces the file
// whole (ReplaceWholeFile), so a crash never leaves a half-written file; where the folder cannot
// take a temporary file, a writable file is rewritten in place, and put back as it was if that
// fails. Each write re-reads the file under its lock (FileLock), so two copies of the game
// writing different keys keep both.
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace brv {

// Text to integer as every reader of the game's files converts it: leading spaces, an optional
// sign, then decimal digits, or "$" / "0x" / "0X" and hex digits. Anything else, an empty text,
// or a value outside the signed 32-bit range gives nothing.
std::optional<int32_t> ParseInteger(std::string_view text);
int32_t ParseIntegerOr(std::string_view text, int32_t fallback);

// A refused write: "Cannot write FILE: why".
class IniWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    IniWriteError(const std::string& fileName, std::string_view reason);
};

// A write refused for what it would store (a line break in the value, a name that would read
// back as something else). The file is untouched, and writes of other keys can go on.
class IniValueError : public IniWriteError {
public:
    using IniWriteError::IniWriteError;
};

class IniFile {
public:
    // Reads the file at once; a missing or unreadable file (a directory, say) reads as empty.
    explicit IniFile(std::string fileName);
    // The same reading rules over bytes already in memory (read through the same size limit);
    // writes still go to `fileName`. For readers handed a file's content, and for fuzzing.
    static IniFile FromBytes(std::string fileName, std::string_view bytes);
    ~IniFile();
    IniFile(IniFile&&) noexcept;
    IniFile& operator=(IniFile&&) noexcept;

    const std::string& FileName() const;

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback) const;
    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const;
    bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;
    // Each distinct key once, in file order, leaving out keys whose first value is empty.
    std::vector<std::string> ReadSection(std::string_view section) const;
    // How many keys ReadSection lists, without making their names.
    size_t CountKeys(std::string_view section) const;
    // The same keys with their values as ReadString gives them: a whole section in one lookup.
    std::vector<std::pair<std::string, std::string>> ReadSectionValues(std::string_view section) const;
    // Each distinct section name once (as its first header spells it), in file order.
    std::vector<std::string> ReadSectionNames() const;

    // Each write goes to disk at once; throws IniWriteError when the file cannot be written,
    // IniValueError when the value or a name cannot be stored.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int32_t value);
    void WriteBool(std::string_view section, std::string_view key, bool value);
    // Several keys of one section in a single replacement of the file, so readers see all of
    // them changed or none. Refused whole when any key or value cannot be stored.
    void WriteStrings(std::string_view section,
                      const std::vector<std::pair<std::string, std::string>>& values);

    // Edits held in memory, for a writer that changes many keys and then replaces the file in
    // one atomic step with Save. SetString changes the key's line as WriteString does; RemoveKey
    // drops the line of the key's first entry in the section (nothing when there is none).
    void SetString(std::string_view section, std::string_view key, std::string_view value);
    void RemoveKey(std::string_view section, std::string_view key);
    const std::string& Bytes() const;
    // Writes Bytes() to `fileName` atomically; throws IniWriteError as the writes do.
    void SaveAs(const std::string& fileName) const;

private:
    IniFile(); // empty, without touching the disk
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace brv
