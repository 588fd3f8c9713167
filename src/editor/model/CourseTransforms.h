// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rectangles of cells taken out of a course and put back elsewhere, turned over or round: the
// walls, dots, start entries and blocks inside go along. Whole courses mirror and rotate the
// same way (the shipped courses are symmetric, so an author draws one half).
#include "editor/model/CourseDocument.h"

#include <vector>

// A rectangle of cells as copied: its own 1-based coordinates, starts and blocks wholly inside.
struct CellClip {
    int32_t Width = 0;
    int32_t Height = 0;
    std::string Tiles;
    std::string Dots;
    std::vector<StartPlace> Starts;
    std::vector<TRect> Blocks;
    bool Empty() const { return Width < 1 || Height < 1; }
};

// The rectangle from `a` to `b` (any two corners), cut to the course; empty when off it.
TRect CellArea(const CourseDocument& document, TPoint a, TPoint b);

CellClip CopyCells(const CourseDocument& document, TRect area);
// Puts a clip with its top-left cell at `at`; cells beyond the course are left out, and the
// cells round it take the pasted walls so neighbours agree. Starts follow; blocks too, as long
// as Path can name them.
bool PasteCells(CourseDocument& document, const CellClip& clip, TPoint at);
// Closes the cells (and the walls round them), takes their dots, and removes the starts and
// the blocks wholly inside.
bool ClearCells(CourseDocument& document, TRect area);

// Left to right (`horizontal`) or top to bottom.
void MirrorClip(CellClip& clip, bool horizontal);
// A quarter turn clockwise.
void RotateClip(CellClip& clip);

bool MirrorCells(CourseDocument& document, TRect area, bool horizontal);
bool MirrorCourse(CourseDocument& document, bool horizontal);
// A quarter turn clockwise: width and height (and the field's, when set) change places.
bool RotateCourse(CourseDocument& document);
