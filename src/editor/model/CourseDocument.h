// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The course being edited: the same content as a course file, held as the author sees it.
// Unlike the game's model it can hold what the game refuses (start entries off the course,
// wrong directions, no start at all), so a faulty file can be opened and mended. Plain data:
// copies are cheap enough for undo snapshots of whole courses.
#include "course/TMap.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Wall bits of a cell's mask.
enum WallSide : int32_t { WallNorth = 1, WallEast = 2, WallSouth = 4, WallWest = 8 };
inline constexpr int32_t ClosedCell = 15;

// The seven places on the field where the title, captions and numbers are drawn, in the order
// of the course's DISPLAY keys.
inline constexpr int CaptionCount = static_cast<int>(DisplayKeys.size());

// A start entry as written: column, row, direction, lane, side letter and kind letter.
struct StartPlace {
    int32_t Column = 1;
    int32_t Row = 1;
    int32_t Direction = 2;
    int32_t Lane = 1;
    char Side = 'L';
    char Kind = 'P';
    bool operator==(const StartPlace&) const = default;

    // The same entry in the course's own terms, and back.
    CourseStart Course() const { return {{Column, Row}, {Direction}, Lane, Side, Kind}; }
    static StartPlace FromCourse(const CourseStart& s)
    {
        return {s.Cell.X, s.Cell.Y, s.Facing.Code, s.Lane, s.Side, s.Kind};
    }
};

// Editing never makes a course larger than this many cells on a side.
inline constexpr int32_t MaxCourseSide = 256;

struct CourseDocument {
    int32_t Width = 0;
    int32_t Height = 0;
    std::string Tiles; // Width * Height tile characters, row 1 first
    std::string Dots;  // the same layout; 'O' is a dot
    std::vector<TRect> Blocks;
    std::string Path;
    std::vector<StartPlace> Starts; // entry 0 is the player's car
    // 1-based tile column and row as the file writes them; absent keys stay absent.
    std::array<std::optional<TPoint>, CaptionCount> Captions;
    // The field size in tiles, when the file sets one.
    std::optional<TPoint> ScreenSize;
    // Rows beyond the course height that the file holds; nothing refers to them.
    std::vector<std::string> SpareTileRows;
    std::vector<std::string> SpareDotRows;

    bool operator==(const CourseDocument&) const = default;

    // A course of closed cells without dots, starts or blocks.
    static CourseDocument Empty(int32_t width, int32_t height);

    bool OnCourse(TPoint cell) const
    {
        return cell.X >= 1 && cell.X <= Width && cell.Y >= 1 && cell.Y <= Height;
    }
    // Wall mask of a cell on the course; a character that is no hex digit reads as closed.
    int32_t Mask(TPoint cell) const;
    void SetMask(TPoint cell, int32_t mask);
    bool HasDot(TPoint cell) const { return Dots[Index(cell)] == 'O'; }
    void SetDot(TPoint cell, bool dot) { Dots[Index(cell)] = dot ? 'O' : '.'; }
    // Whether the game takes the entry: on the course, facing up, right, down or left.
    bool StartFits(const StartPlace& s) const { return s.Course().FitsCourse(Width, Height); }
    // Index of the first start entry on the cell, -1 if none.
    int32_t StartAt(TPoint cell) const;

    size_t Index(TPoint cell) const
    {
        return static_cast<size_t>(cell.Y - 1) * static_cast<size_t>(Width) +
               static_cast<size_t>(cell.X - 1);
    }
};

// Fills a course model (made with its sheets) from the document, as loading the saved file
// would. Start entries are taken as they are: callers that drive cars check them first.
void FillMap(const CourseDocument& document, TMap& map);
