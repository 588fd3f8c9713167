// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Scratch files for tests: a fresh directory per test, removed afterwards.
#include "course/TMap.h"

#include <filesystem>
#include <string>
#include <vector>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // Writes the text (bytes as given) to a file in the directory and returns its full path.
    std::string Write(const std::string& name, const std::string& text) const;
    // The path of a file in the directory (which need not exist).
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// The whole content of a file, empty when it cannot be read.
std::string ReadBytes(const std::string& path);

// A course text from its sections; rows and entries are "key=value" lines joined with "\n".
std::string CourseText(const std::string& define, const std::string& map, const std::string& dots,
                       const std::string& start, const std::string& extra = "");

// Loads a course text into a model with 24-pixel tiles and 20-pixel sprites, no sheets.
TMap LoadCourseText(const TempDir& dir, const std::string& text);

// The file names of every course the game ships (*.DAT in the assets folder), sorted.
std::vector<std::string> ShippedCourseFiles();
