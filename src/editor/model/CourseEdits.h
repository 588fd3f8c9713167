// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The edits the tools make, on the document alone. Each returns whether anything changed, so a
// click that changes nothing leaves no step to undo. Walls are kept in agreement: a side shared
// by two cells is open or closed in both.
#include "editor/model/CourseDocument.h"

#include <vector>

// The cell beyond `side` (one WallSide bit) of `cell`, and the bit of that side seen from there.
TPoint NeighbourCell(TPoint cell, int32_t side);
int32_t OppositeSide(int32_t side);

// The cells of a straight or bent drag from `from` to `to`, both included: first along the row,
// then along the column, so consecutive cells always share a side.
std::vector<TPoint> DragCells(TPoint from, TPoint to);

// The cells round the rectangle with corners `a` and `b`, in driving order back to the first.
std::vector<TPoint> RingCells(TPoint a, TPoint b);

// Opens the shared side of every two consecutive neighbouring cells of `cells`, in both cells.
bool CarveLane(CourseDocument& document, const std::vector<TPoint>& cells);
// Closes it again: the lane the same drag would carve is walled off.
bool EraseLane(CourseDocument& document, const std::vector<TPoint>& cells);
// Closes (or opens) one side of a cell and the same side of its neighbour.
bool SetWall(CourseDocument& document, TPoint cell, int32_t side, bool closed);
bool SetDot(CourseDocument& document, TPoint cell, bool dot);

// The cells the player's car arrives in, driving from its start with the cars' own motion and
// every choice of keys (the course checker's exploration). Empty when the player has no start
// the game would accept.
std::vector<TPoint> ReachableCells(const CourseDocument& document);
// A dot on every reachable cell and on no other.
bool FillReachableDots(CourseDocument& document, const std::vector<TPoint>& reachable);

// Start entries. A new entry starts on lane 1 facing an open side of its cell (right, down,
// left, up: the first open; right in a closed cell); entry 0 is the player's car. A new
// computer car drives at random on a course without blocks (a pursuing car steers by blocks).
bool AddStart(CourseDocument& document, TPoint cell);
bool MoveStart(CourseDocument& document, int32_t entry, TPoint cell);
bool TurnStart(CourseDocument& document, int32_t entry, bool clockwise);
bool SetStart(CourseDocument& document, int32_t entry, const StartPlace& place);
bool RemoveStart(CourseDocument& document, int32_t entry);

// Path names each block by one digit, so a course can order at most nine blocks.
inline constexpr int32_t MaxPathBlocks = 9;

// Blocks: a rectangle from two corner cells; clicking blocks in order appends to the path.
// AddBlock refuses a tenth block. Removing a block drops its digit from Path and renumbers the
// digits of the blocks after it, so Path keeps naming the same rectangles.
bool AddBlock(CourseDocument& document, TPoint corner1, TPoint corner2);
bool RemoveBlock(CourseDocument& document, int32_t block);
bool AppendToPath(CourseDocument& document, int32_t block);
// Four blocks, one per quarter of the course, and the path round them (1234), replacing the
// blocks there were; false on a course too small to halve.
bool MakeQuarterBlocks(CourseDocument& document);
bool SetPath(CourseDocument& document, const std::string& path);

// A caption's top-left tile (0-based, as the field draws it).
bool MoveCaption(CourseDocument& document, int caption, TPoint tile);
// Room for the captions: the field grows by a strip right of the map (and to twelve rows at
// least), and the title, labels and numbers are placed in it as the shipped courses have them.
bool PlaceCaptionsBeside(CourseDocument& document);

// Which edges a change of size works on.
enum class GrowEdge { End, Start }; // End: right or bottom; Start: left or top

// The new size, each side grown or shrunk at its chosen edge. Everything on the course moves
// with the cells; the new cells are closed and dotless, and the sides along the new border
// close, so no lane leads off the course.
bool ResizeCourse(CourseDocument& document, int32_t width, int32_t height, GrowEdge horizontal,
                  GrowEdge vertical);
bool SetScreenSize(CourseDocument& document, std::optional<TPoint> size);
