// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/model/HiScoreText.h"

#include "platform/AsciiText.h"
#include "platform/IniFile.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>

namespace {

constexpr char HexDigits[] = "0123456789ABCDEF";

// Bytes stored as %XX wherever they stand: control bytes, and what the INI layer would read
// as syntax. A space is escaped only at either end, where the layer would trim it.
constexpr std::array<bool, 256> kAlwaysEscaped = [] {
    std::array<bool, 256> escaped{};
    for (size_t b = 0; b < 0x20; ++b)
        escaped[b] = true;
    for (const char c : std::string_view("\x7F%=;[]"))
        escaped[static_cast<unsigned char>(c)] = true;
    return escaped;
}();

bool NeedsEscape(unsigned char byte, bool atEdge)
{
    return kAlwaysEscaped[byte] || (byte == ' ' && atEdge);
}

// Exactly `count` decimal digits at `pos`, or -1.
int Digits(std::string_view text, size_t pos, size_t count)
{
    if (pos + count > text.size())
        return -1;
    int value = 0;
    for (size_t i = pos; i < pos + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

constexpr int64_t SecondsPerDay = 86400;

} // namespace

std::string EncodeStoredText(std::string_view text)
{
    std::string stored;
    // Runs of bytes kept as they are go in whole.
    size_t kept = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (!NeedsEscape(byte, i == 0 || i + 1 == text.size()))
            continue;
        stored.append(text, kept, i - kept);
        const char escaped[3] = {'%', HexDigits[byte >> 4], HexDigits[byte & 0xF]};
        stored.append(escaped, 3);
        kept = i + 1;
    }
    stored.append(text, kept);
    return stored;
}

std::string DecodeStoredText(std::string_view stored)
{
    std::string text;
    text.reserve(stored.size());
    size_t kept = 0;
    for (size_t i = stored.find('%'); i != std::string_view::npos; i = stored.find('%', i + 1)) {
        const int high = i + 2 < stored.size() ? brv::HexDigitValue(stored[i + 1]) : -1;
        const int low = high >= 0 ? brv::HexDigitValue(stored[i + 2]) : -1;
        if (low < 0)
            continue; // a '%' without two hex digits stays as it is
        text.append(stored, kept, i - kept);
        text += static_cast<char>(high * 16 + low);
        kept = i + 3;
        i += 2;
    }
    text.append(stored, kept);
    return text;
}

std::string FormatUtcTime(int64_t secondsSinceEpoch)
{
    using namespace std::chrono;
    if (secondsSinceEpoch < 0)
        return {};
    const int64_t dayNumber = secondsSinceEpoch / SecondsPerDay;
    const int64_t second = secondsSinceEpoch % SecondsPerDay;
    if (dayNumber > 3'000'000) // far beyond the year 9999, and within the calendar's range
        return {};
    const year_month_day date{sys_days{days{dayNumber}}};
    const int y = static_cast<int>(date.year());
    if (y > 9999)
        return {};
    char text[24];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02dZ", y,
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<int>(second / 3600), static_cast<int>(second / 60 % 60),
                  static_cast<int>(second % 60));
    return text;
}

std::optional<int64_t> ParseUtcTime(std::string_view text)
{
    using namespace std::chrono;
    // 0123456789012345678 9
    // 2026-01-31T18:05:00 Z
    if (text.size() != 20 || text[4] != '-' || text[7] != '-' || text[10] != 'T'
        || text[13] != ':' || text[16] != ':' || text[19] != 'Z')
        return std::nullopt;
    const int y = Digits(text, 0, 4), mo = Digits(text, 5, 2), d = Digits(text, 8, 2);
    const int h = Digits(text, 11, 2), mi = Digits(text, 14, 2), s = Digits(text, 17, 2);
    if (y < 1970 || mo < 0 || d < 0 || h < 0 || h > 23 || mi < 0 || mi > 59 || s < 0 || s > 59)
        return std::nullopt;
    const year_month_day date{year{y}, month{static_cast<unsigned>(mo)}, day{static_cast<unsigned>(d)}};
    if (!date.ok())
        return std::nullopt;
    const int64_t dayNumber = sys_days{date}.time_since_epoch().count();
    return dayNumber * SecondsPerDay + h * 3600 + mi * 60 + s;
}

std::string EncodeHiScoreEntry(const HiScoreEntry& entry)
{
    return std::to_string(entry.Score) + "," + std::to_string(entry.Stage) + ","
           + (entry.When ? FormatUtcTime(*entry.When) : std::string()) + ","
           + EncodeStoredText(entry.Name);
}

std::optional<HiScoreEntry> DecodeHiScoreEntry(std::string_view value)
{
    std::string_view fields[3];
    for (std::string_view& field : fields) {
        const size_t comma = value.find(',');
        if (comma == std::string_view::npos)
            return std::nullopt;
        field = value.substr(0, comma);
        value.remove_prefix(comma + 1);
    }
    HiScoreEntry entry;
    entry.Score = brv::ParseIntegerOr(fields[0], 0);
    if (entry.Score <= 0)
        return std::nullopt;
    entry.Stage = std::max(brv::ParseIntegerOr(fields[1], 0), 0);
    entry.When = ParseUtcTime(fields[2]);
    entry.Name = CutUtf8(DecodeStoredText(value), HiScoreTable::MaxNameBytes);
    return entry;
}
