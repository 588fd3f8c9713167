// SPDX-License-Identifier: GPL-3.0-or-later
// Saving never damages a file: over many mangled versions of the shipped courses, whatever the
// editor opens saves back unchanged without edits, and an edited course reads back as edited.
#include "editor/model/CourseEdits.h"
#include "editor/model/CourseReader.h"
#include "editor/model/CourseWriter.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// The course with a few bytes replaced, dropped or doubled: broken rows, lost line endings,
// changed numbers and names.
std::string Mangle(std::string bytes, std::mt19937& random)
{
    const char pieces[] = "0123456789ABCDEFOo.,=[]\r\n ;PosMAPDOT";
    const int edits = 1 + static_cast<int>(random() % 4);
    for (int k = 0; k < edits && !bytes.empty(); ++k) {
        const size_t at = random() % bytes.size();
        switch (random() % 3) {
        case 0: bytes[at] = pieces[random() % (sizeof pieces - 1)]; break;
        case 1: bytes.erase(at, 1 + random() % 3); break;
        default: bytes.insert(at, bytes.substr(at, 1 + random() % 8)); break;
        }
    }
    return bytes;
}

} // namespace

TEST(CourseRoundTrip, MangledCoursesSaveBackWithoutDamage)
{
    std::mt19937 random(20261208);
    int opened = 0;
    for (const char* name : {"COURSE1.DAT", "COURSE2.DAT"}) {
        const std::string shipped = ReadBytes(std::string(BREVANTO_ASSETS_DIR "/") + name);
        for (int round = 0; round < 400; ++round) {
            const std::string bytes = Mangle(shipped, random);
            OpenedCourse course;
            try {
                course = ReadCourse(bytes);
            } catch (const NotACourse&) {
                continue;
            }
            ++opened;
            SCOPED_TRACE(bytes);
            if (course.Problems.empty()) {
                ASSERT_EQ(SavedBytes(bytes, course.Document, course.Document, {}), bytes);
            }

            CourseDocument edited = course.Document;
            SetWall(edited, {1, 1}, WallEast, (edited.Mask({1, 1}) & WallEast) == 0);
            AddStart(edited, {1, 1});
            const std::string saved = SavedBytes(bytes, course.Document, edited, course.Problems);
            const OpenedCourse back = ReadCourse(saved);
            ASSERT_EQ(back.Document.Tiles, edited.Tiles);
            ASSERT_EQ(back.Document.Dots, edited.Dots);
            ASSERT_EQ(back.Document.Starts, edited.Starts);
            ASSERT_EQ(back.Document.Width, edited.Width);
        }
    }
    EXPECT_GT(opened, 400);
}
