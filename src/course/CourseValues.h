// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small values of a course: a cell, a direction, a start entry. Plain data without Qt, shared by
// the course parser, the model and the checker.
#include <cstdint>

struct TPoint {
    int32_t X = 0;
    int32_t Y = 0;
    bool operator==(const TPoint&) const = default;
};

// A rectangle record of four numbers. The course model keeps blocks in it (left, top, right,
// bottom cells, inclusive), start entries (column, row, direction, lane) and the tile area a car
// redraws (first column, first row, columns, rows).
struct TRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;
    bool operator==(const TRect&) const = default;
};

// A MAP character is a wall mask, 0-9 and A-F (upper case) for the sides closed: 1 north,
// 2 east, 4 south, 8 west. WallMaskOf gives -1 for any other character.
constexpr int32_t WallMaskOf(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    return c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
}
constexpr char WallMaskCharacter(int32_t mask)
{
    const int32_t m = mask & 15;
    return static_cast<char>(m < 10 ? '0' + m : 'A' + m - 10);
}

// A driving direction code: 0 up, 1 up-right, 2 right, ... 7 up-left, as the cars count them.
struct Direction {
    int32_t Code = 0;
    bool operator==(const Direction&) const = default;
    // Up, right, down or left: the only directions a car may start in.
    bool IsStraight() const { return Code == 0 || Code == 2 || Code == 4 || Code == 6; }
};

// One START entry: where a car starts, facing which way, in which lane, on which side of the
// lane ('L' or 'R') and of which kind ('P' pursues the player, 'R' drives at random).
struct CourseStart {
    TPoint Cell{};
    Direction Facing{};
    int32_t Lane = 0;
    char Side = 'L';
    char Kind = 'P';
    bool operator==(const CourseStart&) const = default;

    // The model's rectangle record of the entry: column, row, direction, lane.
    TRect Record() const { return {Cell.X, Cell.Y, Facing.Code, Lane}; }
    static CourseStart FromRecord(TRect record, char side, char kind)
    {
        return {{record.Left, record.Top}, {record.Right}, record.Bottom, side, kind};
    }
    // Whether the entry stands on a cell of a course of width x height cells.
    bool OnCourse(int32_t width, int32_t height) const
    {
        return Cell.X >= 1 && Cell.X <= width && Cell.Y >= 1 && Cell.Y <= height;
    }
    // Whether the game accepts the entry there: on the course, facing a straight direction.
    bool FitsCourse(int32_t width, int32_t height) const
    {
        return OnCourse(width, height) && Facing.IsStraight();
    }
};
