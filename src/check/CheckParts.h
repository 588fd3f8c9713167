// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The checker's parts, each adding its findings to a list. CourseCheck.cpp runs them in turn
// on a working copy of the course.
#include "check/CourseCheck.h"

#include <string>
#include <vector>

namespace check_detail {

using Findings = std::vector<CourseFinding>;

std::string CellText(TPoint cell); // "(x,y)"
// Where a course cell stands in the row-major grids.
inline size_t CellIndex(const TMap& map, TPoint cell)
{
    return static_cast<size_t>(cell.Y - 1) * static_cast<size_t>(map.MapWidth) +
           static_cast<size_t>(cell.X - 1);
}
void Add(Findings& out, FindingLevel level, const char* code, TPoint cell, int32_t entry,
         std::string message);

// Whether a tile character is one of "0"-"9", "A"-"F".
bool IsWallMaskCharacter(char c);

// Walls that neighbours disagree about, and tile characters that are no wall mask.
void CheckWalls(const TMap& map, Findings& out);
// Path text naming blocks that do not exist, and overlapping blocks.
void CheckBlocks(const TMap& map, Findings& out);
// Captions outside the field, over the lanes or over each other, for tiles of `tileSize`.
void CheckCaptions(const TMap& map, int32_t tileSize, Findings& out);
// Where the cars can drive: fatal arrivals, dots out of the player's reach, lanes in no block.
void CheckDriving(const TMap& map, Findings& out);
// Lane cells and start entries beyond the drawn field (ScreenSize).
void CheckField(const TMap& map, Findings& out);
// Start entries on one cell, and the player's car facing a computer car next to it.
void CheckStarts(const TMap& map, Findings& out);
// The demo played for `options.Ticks` ticks at several clocks.
void CheckDemo(const TMap& map, const CheckOptions& options, Findings& out);

// "the player's car" or "computer car k (Posk)".
std::string CarName(int32_t entry);
// Start entry `entry` as one value (the model keeps it in a rectangle record and two strings);
// an empty entry when there is none.
CourseStart StartOf(const TMap& map, int32_t entry);
// Whether start entry `entry` stands on the course facing one of the four directions.
bool EntryOnCourse(const TMap& map, int32_t entry);

} // namespace check_detail
