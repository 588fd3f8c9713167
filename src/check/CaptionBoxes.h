// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the field's captions are drawn, as boxes in pixels. The checker does not draw, so the
// boxes follow from a character count and the field font's size: an upper bound that the
// field font's real text stays within (the tests measure it).
#include "course/TMap.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace check_detail {

// The field font draws no character wider than this, nor a line higher.
inline constexpr int64_t CaptionCharWidth = 10;
inline constexpr int64_t CaptionLineHeight = 15;

struct CaptionBox {
    const char* name;      // "title", "score label" ...
    const char* key;       // the DISPLAY key
    const char* sample;    // the widest text it is checked with
    TPoint position;       // stored, 0-based tile coordinates
    int64_t left, top, right, bottom; // pixels, right and bottom exclusive
};

std::vector<CaptionBox> CaptionBoxes(const TMap& map, int32_t tileSize);

} // namespace check_detail
