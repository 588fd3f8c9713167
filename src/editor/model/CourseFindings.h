#pragma once
// What the findings panel lists for a course: the game loader's verdict, every problem the
// loader would stop at (with its cell or start entry), and, for a course the loader accepts,
// every finding of the course checker. Qt-free; runs on a worker thread over its own copy.
#include "course/TMap.h"

#include <cstdint>
#include <string>
#include <vector>

struct EditorFinding {
    bool Error = true;
    std::string Code;
    TPoint Cell{};      // 1-based, {0,0} when none
    int32_t Entry = -1; // start entry, -1 when none
    std::string Message;
};

struct CourseAnalysis {
    std::string Verdict; // empty: the game loads the course
    std::vector<EditorFinding> Findings;
    bool Checked = false; // the checker ran (only on a course the game loads)
};

// `bytes` is the course file as a save would write it; `soakTicks` bounds the checker's play.
CourseAnalysis AnalyseCourse(const std::string& bytes, int32_t soakTicks);
