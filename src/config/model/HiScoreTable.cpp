// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/model/HiScoreTable.h"

#include <algorithm>
#include <iterator>

std::optional<size_t> HiScoreTable::PlaceFor(int32_t score) const
{
    if (score <= 0)
        return std::nullopt;
    // Below every entry with an equal or better score.
    const auto place = std::find_if(entries_.begin(), entries_.end(),
                                    [score](const HiScoreEntry& entry) { return entry.Score < score; });
    const auto index = static_cast<size_t>(std::distance(entries_.begin(), place));
    if (index >= Places)
        return std::nullopt;
    return index;
}

std::optional<size_t> HiScoreTable::Insert(HiScoreEntry entry)
{
    const std::optional<size_t> place = PlaceFor(entry.Score);
    if (!place)
        return std::nullopt;
    entry.Name = CutUtf8(std::move(entry.Name), MaxNameBytes);
    entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(*place), std::move(entry));
    if (entries_.size() > Places)
        entries_.resize(Places);
    return place;
}

std::string CutUtf8(std::string text, size_t maxBytes)
{
    if (text.size() <= maxBytes)
        return text;
    size_t end = maxBytes;
    // A byte 10xxxxxx continues the character before it.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0u) == 0x80u)
        --end;
    text.resize(end);
    return text;
}
