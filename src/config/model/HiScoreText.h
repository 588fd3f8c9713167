// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How hi-score entries read and write as INI values: "score,stage,time,name", the time as
// 2026-01-31T18:05:00Z (UTC), the name last so that it may hold commas.
//
// Names (and other free texts, such as paths) are stored as UTF-8 with every byte that the INI
// layer would change or misread written as %XX: "%", control characters (line breaks among
// them), "=", ";", "[", "]", and spaces at either end. Any text then reads back as it was.
#include "config/model/HiScoreTable.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

std::string EncodeStoredText(std::string_view text);
// The inverse of the encoding; a "%" without two hex digits after it stands for itself.
std::string DecodeStoredText(std::string_view text);

// Empty for a time outside the years 1970 to 9999.
std::string FormatUtcTime(int64_t secondsSinceEpoch);
std::optional<int64_t> ParseUtcTime(std::string_view text);

std::string EncodeHiScoreEntry(const HiScoreEntry& entry);
// Nothing for a value that does not hold an entry: fewer than four fields, or a score that is
// not a number above zero. A stage or time that does not read is kept as not known.
std::optional<HiScoreEntry> DecodeHiScoreEntry(std::string_view value);
