// SPDX-License-Identifier: GPL-3.0-or-later
// Walls between neighbours: a side closed in one cell must be closed in the cell beside it, or
// cars see a wall from one lane and none from the other (and a lane change can slip through).
#include "check/CheckParts.h"

namespace check_detail {
namespace {
struct Side {
    int32_t bit;          // the side's bit in this cell
    int32_t otherBit;     // the same wall seen from the neighbour
    int32_t dx, dy;       // where the neighbour lies
    const char* name;
    const char* otherName;
};
// Each shared wall is looked at once, from its west or north cell.
constexpr Side SharedSides[] = {{2, 8, 1, 0, "east", "west"}, {4, 1, 0, 1, "south", "north"}};
} // namespace

bool IsWallMaskCharacter(char c) { return WallMaskOf(c) >= 0; }

void CheckWalls(const TMap& map, Findings& out)
{
    const auto character = [&](int32_t x, int32_t y) { return map.Tiles[CellIndex(map, {x, y})]; };
    for (int32_t y = 1; y <= map.MapHeight; ++y) {
        for (int32_t x = 1; x <= map.MapWidth; ++x) {
            const char c = character(x, y);
            if (!IsWallMaskCharacter(c)) {
                Add(out, FindingLevel::Warning, check_codes::TileCharacter, {x, y}, -1,
                    "Cell " + CellText({x, y}) + " holds the tile character '" +
                        std::string(1, c) + "', which is no wall mask (use 0-9 or A-F).");
                continue;
            }
            for (const Side& side : SharedSides) {
                const TPoint other{x + side.dx, y + side.dy};
                if (map.IsOutside(other) || !IsWallMaskCharacter(character(other.X, other.Y)))
                    continue;
                const bool closedHere = (map.TileAt({x, y}) & side.bit) != 0;
                const bool closedThere = (map.TileAt(other) & side.otherBit) != 0;
                if (closedHere == closedThere)
                    continue;
                Add(out, FindingLevel::Warning, check_codes::WallMismatch, {x, y}, -1,
                    "The " + std::string(side.name) + " side of " + CellText({x, y}) + " is " +
                        (closedHere ? "closed" : "open") + " but the " + side.otherName +
                        " side of " + CellText(other) + " is " +
                        (closedThere ? "closed" : "open") + ".");
            }
        }
    }
}

} // namespace check_detail
