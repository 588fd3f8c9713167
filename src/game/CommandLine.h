// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's command line: `brevanto [--help] [--version] [COURSE.DAT]`.
#include <string>
#include <vector>

struct GameCommandLine {
    bool Help = false;
    bool Version = false;
    std::string CourseFile; // empty: the course of the settings
    std::string Error;      // the first thing that was not understood; empty when all was
};

// `arguments` without the program's name. Reads every argument even after an error, so that
// --help and --version are answered whatever else the line holds.
GameCommandLine ParseGameCommandLine(const std::vector<std::string>& arguments);

extern const char* const GameUsage;
