// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one reader of the course file format. It reads the file once into plain course data and
// notes every problem with its section, key and cell, in the order the game's loader checks
// them: the loader (TMap::LoadFromIni) refuses on the first problem that refuses, the checker and
// the editor take the data and the whole list. Qt-free.
#include "course/CourseValues.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace brv { class IniFile; }

// The DISPLAY keys in the order the loader reads them.
inline constexpr std::array<const char*, 7> DisplayKeys = {
    "Program", "Score", "Point", "HiScore", "HiPoint", "Rest", "RestPlay"};

// The course as the file gives it, before any check.
struct CourseData {
    // DEFINE MapSize, as read (may be below 1), or the size the rows give (BadMapSize).
    int32_t Width = 0;
    int32_t Height = 0;
    // MAP keys 1..n by number, as the file gives them; n is the number of keys the section
    // holds, or, when fewer than the course is high, the highest row key present up to its
    // height (rows the file lacks read as empty).
    std::vector<std::string> TileRows;
    std::vector<std::string> DotRows;  // MAPDOT keys 1..n, the same way
    int32_t BlockCount = 0;          // BLOCK Number, as read
    std::vector<TRect> Blocks;       // blocks 1..highest key present (left, top, right, bottom)
    std::string Path;                // BLOCK Path; empty when BlockCount is 0 or less
    int32_t StartNumber = 0;         // DEFINE StartNumber, as read
    int32_t StartKeys = 0;           // keys with a value in START, as the loader counts them
    // Pos0, Pos1, ...: the StartNumber entries the game reads, and further ones up to the highest
    // Pos key the file holds; a missing entry reads as an empty value (column 0). Entries past
    // StartNumber are checked as the others, but the game passes over them.
    std::vector<CourseStart> Starts;
    // DISPLAY positions as written (1-based tile column, row); none when the key is absent or
    // empty.
    std::array<std::optional<TPoint>, DisplayKeys.size()> Display{};
    std::optional<TPoint> ScreenSize; // DEFINE ScreenSize in tiles; none when absent or empty
};

enum class CourseProblemKind {
    MapSize,          // MapSize width or height below 1
    MapRow,           // a MAP row whose length is not the course's width
    MapRowsMissing,   // fewer MAP rows than the course is high
    DotRow,           // a MAPDOT row whose length is not the course's width
    DotRowsMissing,   // fewer MAPDOT rows than the course is high
    NoStartNumber,    // StartNumber below 1
    StartCount,       // the number of START entries differs from StartNumber
    StartMissing,     // one of the StartNumber entries has no value
    StartOffCourse,   // a start entry outside the course
    StartDirection,   // a start entry facing no straight direction
    StartKeyIgnored,  // a Pos key past the last entry: the game passes over it
};

struct CourseProblem {
    CourseProblemKind Kind = CourseProblemKind::MapSize;
    std::string Section;  // as the file spells it by convention, e.g. "START"
    std::string Key;      // e.g. "Pos3", "7", "MapSize"
    TPoint Cell{};        // 1-based cell it concerns, {0,0} when none
    int32_t Entry = -1;   // start entry it concerns, -1 when none
    // It concerns an entry past StartNumber, which the game never reads: it refuses nothing.
    bool PastStartNumber = false;
    // Which of the course error texts the game refuses with (1..4), 0 when it does not refuse.
    int ErrorNumber() const;
    // A short stable name of the kind, e.g. "start-direction".
    const char* Code() const;
};

struct ParsedCourse {
    CourseData Data;
    std::vector<CourseProblem> Problems;
    // The problem the game refuses the course on, or null when it loads.
    const CourseProblem* Refusal() const;
};

// How a course whose MapSize is bad is sized for the checks that need a size (row lengths,
// starts on the course). The game refuses such a course on its size and checks nothing that
// needs one; the editor opens it at the size its MAP rows give (as many rows as MAP has keys, as
// wide as the widest of them), so that every row and start entry is checked against that.
enum class BadMapSize { Unsized, SizedByRows };

// Reads a course file already opened. With BadMapSize::SizedByRows, Data.Width and Height are
// the size the rows give when MapSize is bad (MapSize is still the first problem).
ParsedCourse ParseCourse(const brv::IniFile& ini, BadMapSize badSize = BadMapSize::Unsized);

// The number (from 1) of the first block holding `cell`, 0 when none.
int32_t BlockAt(const std::vector<TRect>& blocks, TPoint cell);
