// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the findings panel lists for a course: the game loader's verdict, every problem the
// loader would stop at (with its cell or start entry), and, for a course the loader accepts,
// every finding of the course checker, grouped by cause: the unreachable dots (and the lanes
// in no block) of one region make one line with their count, and causes come before what they
// cause (a dead end before the dots behind it). Qt-free; runs on a worker thread over its copy.
#include "check/CourseCheck.h"
#include "course/TMap.h"

#include <cstdint>
#include <string>
#include <vector>

struct EditorFinding {
    bool Error = true;
    std::string Code;   // the checker's code, or "loader-" and the reader's problem code
    TPoint Cell{};      // 1-based, {0,0} when none
    int32_t Entry = -1; // start entry, -1 when none
    std::string Message;
    int32_t Count = 1;        // cells the line stands for
    std::vector<TPoint> Cells; // the route or the region to draw on the map; may be empty
};

struct CourseAnalysis {
    std::string Verdict; // empty: the game loads the course
    int32_t VerdictError = 0; // the loader's error number (1..4) when it refuses
    std::vector<EditorFinding> Findings;
    bool Checked = false; // the checker ran (only on a course the game loads)
};

// The checker's findings as the panel lists them: grouped and ordered by cause.
std::vector<EditorFinding> GroupFindings(const std::vector<CourseFinding>& findings);

// `bytes` is the course file as a save would write it; `soakTicks` bounds the checker's play.
// The bytes are parsed once (as the editor opens a course), and the verdict, the file's problems
// and the checker all take that parse.
CourseAnalysis AnalyseCourse(const std::string& bytes, int32_t soakTicks);
// The same over a course parsed with BadMapSize::SizedByRows.
CourseAnalysis AnalyseParsedCourse(const ParsedCourse& course, int32_t soakTicks);
