// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The course checker: what can go wrong in a course that the loader accepts, found before
// anyone plays it. Errors are faults that stop or spoil play (a car that can drive off the
// course or into a dead end, a dot the player can never reach, a Path that names no block, a
// demo that ends in a fatal error); warnings are likely slips (walls that disagree, overlapping
// blocks, lanes in no block, captions in the way, stray start entries). Lanes or starts
// beyond the drawn field and cars that meet as play begins are errors too. Qt-free; used by
// `brevanto-sim check` and by the course editor.
#include "course/TMap.h"

namespace brv { class IniFile; }

#include <cstdint>
#include <string>
#include <vector>

enum class FindingLevel { Error, Warning };

struct CourseFinding {
    FindingLevel Level = FindingLevel::Error;
    std::string Code;             // short stable code, e.g. "car-leaves-course"
    TPoint Cell{};                // 1-based (column, row) it concerns; {0,0} when none
    int32_t Entry = -1;           // start entry (Pos k) it concerns, or -1
    std::string Message;          // one sentence an author understands
    std::vector<TPoint> Route;    // shortest route of cells for reachability errors, else empty
    int64_t Tick = -1;            // demo soak: the tick that ended in the fatal error, else -1
    std::string Repro;            // demo soak: the brevanto-sim command that replays it
};

struct CheckOptions {
    int32_t Ticks = 20000;        // demo soak length per clock; 0 skips the soak
    int32_t TileSize = 24;        // tile size the cars move on (sprite size follows as now)
    std::string CourseFile;       // for the repro command in soak findings
};

// Every finding for a course the loader accepted, errors first; Qt-free, thread-safe for
// distinct maps (the editor calls it from a worker thread on a copy of its document).
std::vector<CourseFinding> CheckCourse(const TMap& map, const CheckOptions& options);

// CheckCourse, plus what only the file shows: START keys the loader passes over. `map` must be
// the course as loaded from `options.CourseFile`.
std::vector<CourseFinding> CheckCourseFile(const TMap& map, const CheckOptions& options);
// The same over the course file already read (or bytes in memory) that `map` was loaded from.
std::vector<CourseFinding> CheckCourseFile(const TMap& map, const brv::IniFile& file,
                                           const CheckOptions& options);
// The same over the course already parsed that `map` was loaded from (TMap::LoadParsed).
std::vector<CourseFinding> CheckCourseFile(const TMap& map, const ParsedCourse& course,
                                           const CheckOptions& options);

// The stable codes, for the tool's documentation and for tests.
namespace check_codes {
inline constexpr const char* CarLeavesCourse = "car-leaves-course";
inline constexpr const char* DeadEnd = "dead-end";
inline constexpr const char* DotUnreachable = "dot-unreachable";
inline constexpr const char* PathUnknownBlock = "path-unknown-block";
inline constexpr const char* DemoFatal = "demo-fatal";
inline constexpr const char* WallMismatch = "wall-mismatch";
inline constexpr const char* TileCharacter = "tile-character";
inline constexpr const char* BlocksOverlap = "blocks-overlap";
inline constexpr const char* LaneOutsideBlocks = "lane-outside-blocks";
inline constexpr const char* CaptionOutsideField = "caption-outside-field";
inline constexpr const char* CaptionOverMap = "caption-over-map";
inline constexpr const char* CaptionsOverlap = "captions-overlap";
inline constexpr const char* StartNumberMismatch = "start-number-mismatch";
inline constexpr const char* LaneOutsideField = "lane-outside-field";
inline constexpr const char* StartOutsideField = "start-outside-field";
inline constexpr const char* StartsShareCell = "starts-share-cell";
inline constexpr const char* StartsCollide = "starts-collide";
} // namespace check_codes
