// SPDX-License-Identifier: GPL-3.0-or-later
// What the game shows and where the cars begin: lanes and starts beyond the drawn field are
// never seen (the field is ScreenSize, which may be smaller than the map), and two cars that
// begin on one cell, or the player's car and a computer car facing each other across an open
// side, meet at once, every life.
#include "check/CheckParts.h"

namespace check_detail {
namespace {
// The side bit a car faces with `direction` (0, 2, 4, 6), and the cell beyond it.
int32_t FacedSide(int32_t direction) { return 1 << (direction / 2); }

TPoint Ahead(TPoint cell, int32_t direction)
{
    switch (direction) {
    case 0: return {cell.X, cell.Y - 1};
    case 2: return {cell.X + 1, cell.Y};
    case 4: return {cell.X, cell.Y + 1};
    default: return {cell.X - 1, cell.Y};
    }
}

TPoint StartCell(const TMap& map, int32_t entry) { return StartOf(map, entry).Cell; }

// Whether the car of `entry` drives from its start straight into `cell` on its first arrival.
bool FacesInto(const TMap& map, int32_t entry, TPoint cell)
{
    const TPoint from = StartCell(map, entry);
    const int32_t direction = StartOf(map, entry).Facing.Code;
    // Open on both sides: a wall drawn on one side only is reported apart (wall-mismatch).
    return Ahead(from, direction) == cell && (map.TileAt(from) & FacedSide(direction)) == 0 &&
           (map.TileAt(cell) & FacedSide((direction + 4) % 8)) == 0;
}
} // namespace

void CheckField(const TMap& map, Findings& out)
{
    const int64_t columns = map.TileSize > 0 ? map.ScreenWidth / map.TileSize : map.MapWidth;
    const int64_t rows = map.TileSize > 0 ? map.ScreenHeight / map.TileSize : map.MapHeight;
    const std::string field = std::to_string(columns) + " x " + std::to_string(rows) + " tiles";
    const auto outside = [&](TPoint cell) { return cell.X > columns || cell.Y > rows; };
    std::vector<TPoint> lanes;
    for (int32_t y = 1; y <= map.MapHeight; ++y)
        for (int32_t x = 1; x <= map.MapWidth; ++x)
            if (outside({x, y}) && ((map.TileAt({x, y}) & 15) != 15 || map.DotAt(x, y) == 'O'))
                lanes.push_back({x, y});
    if (!lanes.empty()) {
        Add(out, FindingLevel::Error, check_codes::LaneOutsideField, lanes.front(), -1,
            std::to_string(lanes.size()) + " lane or dot cells, the first at " +
                CellText(lanes.front()) + ", lie outside the drawn field of " + field +
                " (ScreenSize), so the game never shows the cars and dots there: enlarge "
                "ScreenSize in Course Properties or move the lanes.");
        out.back().Route = lanes;
    }
    for (int32_t entry = 0; entry < map.StartNumber; ++entry) {
        const TPoint cell = StartCell(map, entry);
        if (!map.IsOutside(cell) && outside(cell))
            Add(out, FindingLevel::Error, check_codes::StartOutsideField, cell, entry,
                "The start of " + CarName(entry) + " at " + CellText(cell) +
                    " lies outside the drawn field of " + field +
                    " (ScreenSize), so the game never shows that car: enlarge ScreenSize or "
                    "move the start.");
    }
}

void CheckStarts(const TMap& map, Findings& out)
{
    for (int32_t a = 0; a < map.StartNumber; ++a) {
        if (!EntryOnCourse(map, a))
            continue;
        for (int32_t b = a + 1; b < map.StartNumber; ++b) {
            if (!EntryOnCourse(map, b))
                continue;
            const TPoint cellA = StartCell(map, a);
            const TPoint cellB = StartCell(map, b);
            if (cellA == cellB) {
                // Only the player's car crashes; computer cars on one cell hide each other.
                Add(out, a == 0 ? FindingLevel::Error : FindingLevel::Warning,
                    check_codes::StartsShareCell, cellA, b,
                    "Pos" + std::to_string(a) + " and Pos" + std::to_string(b) + " both start at " +
                        CellText(cellA) +
                        (a == 0 ? ", so the player's car is hit as play begins, every life: move "
                                  "one of them."
                                : ", so one car hides the other: move one of them."));
            } else if (a == 0 && (FacesInto(map, a, cellB) || FacesInto(map, b, cellA))) {
                Add(out, FindingLevel::Error, check_codes::StartsCollide, cellB, b,
                    CarName(b) + " at " + CellText(cellB) + " and the player's car at " +
                        CellText(cellA) +
                        " start on neighbouring cells with one facing the other across an open "
                        "side, so they meet on the first move, every life: move or turn one.");
            }
        }
    }
}

} // namespace check_detail
