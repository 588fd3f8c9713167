#pragma once
// The checker's parts, each adding its findings to a list. CourseCheck.cpp runs them in turn
// on a working copy of the course.
#include "check/CourseCheck.h"

#include <string>
#include <vector>

namespace check_detail {

using Findings = std::vector<CourseFinding>;

std::string CellText(TPoint cell); // "(x,y)"
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

} // namespace check_detail
