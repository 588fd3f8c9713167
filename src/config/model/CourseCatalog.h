// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The courses a player can choose from: every course file (*.DAT, any letter case) of the
// program's folder and of the per-user courses folder ($XDG_DATA_HOME/brevanto/courses/), each
// with the one-line description its author wrote as the file's leading comment and the best
// score of its hi-score table.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class HiScoreBook;

struct CatalogCourse {
    std::string Path;        // full path
    bool PerUser = false;    // from the per-user courses folder
    std::string Description; // the leading comment's text, bytes as written; empty for none
};

// The per-user courses folder inside the per-user data folder (`dataDir` ends in "/"); empty
// when there is none. Ends in "/".
std::string UserCoursesDir(const std::string& dataDir);
// Creates that folder (and its parents) when it is missing; false when it cannot be.
bool EnsureUserCoursesDir(const std::string& dir);

// The course files directly in `dir`, sorted by name; none when it cannot be read.
std::vector<std::string> CourseFilesIn(const std::string& dir);

// The text of a course file's first comment line, when comments (and blank lines) are all that
// precede it: the ";" and the blanks around the text removed.
std::string LeadingComment(std::string_view fileBytes);

// The leading comment of the course file at `path` (see LeadingComment); empty when it has none
// or cannot be read.
std::string CourseDescriptionOf(const std::string& path);

// The program's courses, then the player's own; a file found in both folders (the same path)
// is listed once.
std::vector<CatalogCourse> ListCourses(const std::string& programDir, const std::string& userDir);

// The best score of the course's table as the file is now, if the table holds any.
std::optional<int32_t> BestScoreOf(const HiScoreBook& book, const std::string& coursePath);
