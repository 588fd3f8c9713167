// SPDX-License-Identifier: GPL-3.0-or-later
// Captions: the title, the three labels and the three numbers are drawn last, over whatever
// lies beneath, each on a box of the ground colour. One outside the field is cut off, one over
// a lane hides the cars and dots there, two on one place hide each other.
#include "check/CheckParts.h"
#include "check/CaptionBoxes.h"

#include <algorithm>

namespace check_detail {
namespace {
// The first map cell under the box that a car can use or that holds a dot.
std::optional<TPoint> LaneCellUnder(const TMap& map, const CaptionBox& box, int32_t tile)
{
    const int64_t firstColumn = std::max<int64_t>(box.left / tile, 0);
    const int64_t lastColumn = std::min<int64_t>((box.right - 1) / tile, map.MapWidth - 1);
    const int64_t firstRow = std::max<int64_t>(box.top / tile, 0);
    const int64_t lastRow = std::min<int64_t>((box.bottom - 1) / tile, map.MapHeight - 1);
    for (int64_t row = firstRow; row <= lastRow; ++row) {
        for (int64_t column = firstColumn; column <= lastColumn; ++column) {
            const TPoint cell{static_cast<int32_t>(column + 1), static_cast<int32_t>(row + 1)};
            if ((map.TileAt(cell) & 15) != 15 || map.DotAt(cell.X, cell.Y) == 'O')
                return cell;
        }
    }
    return std::nullopt;
}

// The DISPLAY value as written, 1-based; {0,0} for an absent key.
TPoint WrittenCell(TPoint stored) { return {stored.X + 1, stored.Y + 1}; }
} // namespace

void CheckCaptions(const TMap& map, int32_t tileSize, Findings& out)
{
    const int64_t tile = tileSize;
    // The field in tiles as loaded, whatever tile size the map was loaded with.
    const int64_t fieldColumns = map.TileSize > 0 ? map.ScreenWidth / map.TileSize : map.MapWidth;
    const int64_t fieldRows = map.TileSize > 0 ? map.ScreenHeight / map.TileSize : map.MapHeight;
    const int64_t fieldWidth = fieldColumns * tile;
    const int64_t fieldHeight = fieldRows * tile;

    const std::vector<CaptionBox> boxes = CaptionBoxes(map, tileSize);
    for (size_t i = 0; i < boxes.size(); ++i) {
        const CaptionBox& box = boxes[i];
        const TPoint cell = WrittenCell(box.position);
        const std::string what = std::string("The ") + box.name + " (DISPLAY " + box.key + ")";
        // An absent key is reported once: its text is off the field, over nothing else.
        const bool absent = box.position == TPoint{-1, -1};
        if (box.left < 0 || box.top < 0 || box.right > fieldWidth || box.bottom > fieldHeight) {
            Add(out, FindingLevel::Warning, check_codes::CaptionOutsideField, cell, -1,
                what + (absent ? " is not given, so it is drawn off the field's top-left corner."
                               : " at " + CellText(cell) + " does not fit in the field of " +
                                     std::to_string(fieldColumns) + " x " +
                                     std::to_string(fieldRows) + " tiles."));
        }
        if (absent)
            continue;
        if (const auto lane = LaneCellUnder(map, box, tileSize)) {
            Add(out, FindingLevel::Warning, check_codes::CaptionOverMap, cell, -1,
                what + " at " + CellText(cell) + " covers the lane or dot at " +
                    CellText(*lane) + ".");
        }
        for (size_t j = i + 1; j < boxes.size(); ++j) {
            const CaptionBox& other = boxes[j];
            if (other.position != TPoint{-1, -1} && box.left < other.right && other.left < box.right && box.top < other.bottom &&
                other.top < box.bottom)
                Add(out, FindingLevel::Warning, check_codes::CaptionsOverlap, cell, -1,
                    what + " at " + CellText(cell) + " and the " + other.name + " (DISPLAY " +
                        other.key + ") at " + CellText(WrittenCell(other.position)) +
                        " overlap.");
        }
    }
}

} // namespace check_detail
