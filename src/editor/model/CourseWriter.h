// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writing a course back. Only the keys whose value changed since the file was read (or that the
// reading had to mend) are written, each on its own line, so comments, unknown keys, key order
// and line endings stay as they were; keys the course no longer has are removed.
#include "editor/model/CourseDocument.h"
#include "editor/model/CourseReader.h"

#include <string>
#include <vector>

// One line of a course file: a key of a section and its value.
struct CourseFileValue {
    std::string Section;
    std::string Key;
    std::string Value;
};

// Every key the document writes, in the order a new file lists them.
std::vector<CourseFileValue> CourseFileValues(const CourseDocument& document);

// The bytes of `original` (the file as read, empty for a new course) with the changes from
// `loaded` (the document as read from it) to `current` applied, plus every key named by
// `mended`.
std::string SavedBytes(const std::string& original, const CourseDocument& loaded,
                       const CourseDocument& current, const std::vector<FileProblem>& mended);

// The game loader's verdict on course bytes: empty when it accepts them, else its error text.
// `errorTexts` are the course error texts (1..4) the game would show; where they are empty, the
// rule each error stands for. `error` receives the loader's error number, 0 when it accepts.
std::string LoaderVerdict(const std::string& bytes, const std::vector<std::string>& errorTexts,
                          int32_t* error = nullptr);
// The same over a course already parsed; `map` takes the course when the loader accepts it.
std::string LoaderVerdict(const ParsedCourse& course, TMap& map,
                          const std::vector<std::string>& errorTexts, int32_t* error = nullptr);

// Saves atomically through the INI layer. Throws brv::IniWriteError when it cannot.
void WriteCourseFile(const std::string& fileName, const std::string& bytes);
