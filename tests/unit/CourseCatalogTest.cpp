// SPDX-License-Identifier: GPL-3.0-or-later
// The courses the chooser offers: which files count, their descriptions and best scores.
#include "TestFiles.h"

#include "config/model/CourseCatalog.h"
#include "config/model/HiScoreBook.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(CourseCatalogTest, TheDescriptionIsTheFirstCommentBeforeAnythingElse)
{
    EXPECT_EQ(LeadingComment("; Two rings and a crossing\n[DEFINE]\n"), "Two rings and a crossing");
    // A byte-order mark, blank lines, CR line ends, blanks and empty comments come first.
    EXPECT_EQ(LeadingComment("\xEF\xBB\xBF\r\n  ;\r\n\t;  Wide track \t\r\n; second\r\n"),
              "Wide track");
    // Comments further down describe sections, not the course.
    EXPECT_EQ(LeadingComment("[DEFINE]\n; width,height\nMapSize=3,3\n"), "");
    EXPECT_EQ(LeadingComment(""), "");
    // Bytes stay as written (a Shift_JIS comment is decoded only where it is shown).
    EXPECT_EQ(LeadingComment(";\x83\x52\x81\x5b\x83\x58\n"), "\x83\x52\x81\x5b\x83\x58");
}

TEST(CourseCatalogTest, ListsCourseFilesOfBothFoldersOnceEach)
{
    TempDir program;
    TempDir user;
    program.Write("COURSE2.DAT", "; second\n[DEFINE]\n");
    program.Write("COURSE1.DAT", "; first\n[DEFINE]\n");
    program.Write("GROUND.BMP", "not a course");
    program.Write("notes.dat.txt", "not a course");
    program.Write(".DAT", "; a name that is only the extension");
    std::filesystem::create_directory(program.Path() / "folder.DAT");
    user.Write("mine.dat", "; my own\n");
    const std::string programDir = program.Path().string() + "/";
    const std::string userDir = user.Path().string() + "/";

    const std::vector<CatalogCourse> courses = ListCourses(programDir, userDir);
    ASSERT_EQ(courses.size(), 3u);
    EXPECT_EQ(courses[0].Path, program.File("COURSE1.DAT"));
    EXPECT_EQ(courses[0].Description, "first");
    EXPECT_FALSE(courses[0].PerUser);
    EXPECT_EQ(courses[1].Path, program.File("COURSE2.DAT"));
    EXPECT_EQ(courses[2].Path, user.File("mine.dat"));
    EXPECT_TRUE(courses[2].PerUser);
    EXPECT_EQ(courses[2].Description, "my own");

    // The same folder given twice lists its courses once; a missing folder lists none.
    EXPECT_EQ(ListCourses(programDir, programDir).size(), 2u);
    EXPECT_EQ(ListCourses(program.File("missing/"), "").size(), 0u);
}

TEST(CourseCatalogTest, ThePerUserFolderIsMadeOnDemand)
{
    TempDir data;
    const std::string dir = UserCoursesDir(data.Path().string() + "/brevanto/");
    EXPECT_EQ(dir, data.Path().string() + "/brevanto/courses/");
    EXPECT_TRUE(EnsureUserCoursesDir(dir));
    EXPECT_TRUE(std::filesystem::is_directory(dir));
    EXPECT_TRUE(EnsureUserCoursesDir(dir));
    EXPECT_EQ(UserCoursesDir(""), "");
    EXPECT_FALSE(EnsureUserCoursesDir(""));
    // A file in the way is reported, not replaced.
    data.Write("blocked", "");
    EXPECT_FALSE(EnsureUserCoursesDir(data.File("blocked") + "/"));
}

TEST(CourseCatalogTest, TheBestScoreIsThatOfTheCoursesPresentContent)
{
    TempDir dir;
    const std::string course = dir.Write("RING.DAT", "; ring\n");
    HiScoreBook book(dir.File("HISCORES.INI"));
    EXPECT_FALSE(BestScoreOf(book, course).has_value());
    HiScoreTable table;
    table.Insert({"Ann", 450, 2, {}, {}});
    table.Insert({"Bob", 1200, 3, {}, {}});
    book.Store(CourseKeyOf(course), table);
    EXPECT_EQ(BestScoreOf(HiScoreBook(dir.File("HISCORES.INI")), course), 1200);
    // An edited course starts a fresh table.
    dir.Write("RING.DAT", "; ring, edited\n");
    EXPECT_FALSE(BestScoreOf(HiScoreBook(dir.File("HISCORES.INI")), course).has_value());
}
