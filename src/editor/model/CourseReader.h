// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The editor's own opening of a course file, read by the course parser. It takes what the game
// would refuse, reads what can be read and words each problem the game's loader would stop at,
// so the author sees the course and can mend it. Only a file that is no course at all is
// refused.
#include "course/CourseParser.h"
#include "editor/model/CourseDocument.h"

#include <stdexcept>
#include <string>
#include <vector>

// A problem of the file as it stands, in the loader's terms: which key, which cell or entry.
struct FileProblem {
    std::string Section;
    std::string Key;
    TPoint Cell{};    // 1-based, {0,0} when none
    int32_t Entry = -1; // start entry, -1 when none
    std::string Message;
    // What kind of problem, for texts in other languages: "map-row", "dot-row", "map-size",
    // "no-start", "start-number", "start-missing", "start-off-course", "start-direction".
    std::string Code;
};

struct OpenedCourse {
    CourseDocument Document;
    std::vector<FileProblem> Problems;
};

// Not a course: the message says why in one sentence.
class NotACourse : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The document and problems of a course parsed with BadMapSize::SizedByRows. Throws NotACourse.
OpenedCourse OpenParsedCourse(const ParsedCourse& course);
// The same from the bytes of a course file.
OpenedCourse ReadCourse(const std::string& bytes);
