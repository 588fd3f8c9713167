// SPDX-License-Identifier: GPL-3.0-or-later
// Blocks and the Path that orders them: pursuing cars look block numbers up in Path as text,
// so a number there that names no block quietly spoils the pursuit; blocks that overlap give
// their shared cells to the lower number, which is rarely what the author drew.
#include "check/CheckParts.h"

#include <algorithm>
#include <optional>

namespace check_detail {
namespace {
// Block k's rectangle cut to the course; nothing when no course cell lies in it.
std::optional<TRect> BlockOnCourse(const TMap& map, size_t index)
{
    const TRect& b = map.Blocks[index];
    const TRect cut{std::max(b.Left, 1), std::max(b.Top, 1), std::min(b.Right, map.MapWidth),
                    std::min(b.Bottom, map.MapHeight)};
    if (cut.Left > cut.Right || cut.Top > cut.Bottom)
        return std::nullopt;
    return cut;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

void CheckPath(const TMap& map, const std::vector<std::optional<TRect>>& onCourse, Findings& out)
{
    // Every digit of Path should be part of the text of some block that exists.
    const std::string& path = map.Path;
    std::vector<bool> named(path.size(), false);
    int32_t existing = 0;
    for (size_t k = 0; k < onCourse.size(); ++k) {
        if (!onCourse[k])
            continue;
        ++existing;
        const std::string text = std::to_string(k + 1);
        for (size_t at = path.find(text); at != std::string::npos; at = path.find(text, at + 1))
            std::fill(named.begin() + static_cast<std::ptrdiff_t>(at),
                      named.begin() + static_cast<std::ptrdiff_t>(at + text.size()), true);
    }
    for (size_t i = 0; i < path.size();) {
        if (!IsDigit(path[i]) || named[i]) {
            ++i;
            continue;
        }
        size_t end = i;
        while (end < path.size() && IsDigit(path[end]) && !named[end])
            ++end;
        const std::string number = path.substr(i, end - i);
        Add(out, FindingLevel::Error, check_codes::PathUnknownBlock, {0, 0}, -1,
            "Path names block " + number + " at character " + std::to_string(i + 1) +
                ", but the course has no block " + number + " with cells on it (" +
                std::to_string(existing) + " blocks have).");
        i = end;
    }
}

void CheckOverlaps(const std::vector<std::optional<TRect>>& onCourse, Findings& out)
{
    // Sweep by left edge: only blocks that start before another ends can share a cell.
    std::vector<size_t> order;
    for (size_t k = 0; k < onCourse.size(); ++k)
        if (onCourse[k])
            order.push_back(k);
    std::sort(order.begin(), order.end(),
              [&](size_t a, size_t b) { return onCourse[a]->Left < onCourse[b]->Left; });
    std::vector<std::pair<size_t, size_t>> pairs;
    for (size_t i = 0; i < order.size(); ++i) {
        const TRect& a = *onCourse[order[i]];
        for (size_t j = i + 1; j < order.size() && onCourse[order[j]]->Left <= a.Right; ++j) {
            const TRect& b = *onCourse[order[j]];
            if (b.Top <= a.Bottom && a.Top <= b.Bottom)
                pairs.emplace_back(std::min(order[i], order[j]), std::max(order[i], order[j]));
        }
    }
    std::sort(pairs.begin(), pairs.end());
    for (const auto& [first, second] : pairs) {
        const TRect& a = *onCourse[first];
        const TRect& b = *onCourse[second];
        const TPoint from{std::max(a.Left, b.Left), std::max(a.Top, b.Top)};
        const TPoint to{std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
        Add(out, FindingLevel::Warning, check_codes::BlocksOverlap, from, -1,
            "Blocks " + std::to_string(first + 1) + " and " + std::to_string(second + 1) +
                " overlap from " + CellText(from) + " to " + CellText(to) +
                "; those cells count as block " + std::to_string(first + 1) + " only.");
    }
}
} // namespace

void CheckBlocks(const TMap& map, Findings& out)
{
    std::vector<std::optional<TRect>> onCourse;
    for (size_t k = 0; k < map.Blocks.size(); ++k)
        onCourse.push_back(BlockOnCourse(map, k));
    CheckPath(map, onCourse, out);
    CheckOverlaps(onCourse, out);
}

} // namespace check_detail
