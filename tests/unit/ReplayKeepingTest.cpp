// SPDX-License-Identifier: GPL-3.0-or-later
// Which replays the game keeps: the hi-score entries link theirs, the newest others stay, and
// nothing the game did not name is touched.
#include "TestFiles.h"

#include "config/model/HiScoreBook.h"
#include "replay/ReplayFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

HiScoreEntry Entry(const std::string& name, int32_t score, const std::string& replay)
{
    return {name, score, 2, 1765209900, replay};
}

std::vector<std::string> FilesIn(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(ReplayKeeping, HiScoreEntriesLinkTheirReplaysAndTheLinksMoveWithThem)
{
    TempDir dir;
    const std::string file = dir.File("HISCORES.INI");
    const CourseKey course{"/c/COURSE1.DAT", 0x1234};
    HiScoreTable table;
    table.Insert(Entry("ann", 500, "a.replay"));
    table.Insert(Entry("bob", 300, ""));
    HiScoreBook(file).Store(course, table);
    EXPECT_EQ(HiScoreBook(file).TableOf(course).Entries(), table.Entries());

    // A better game takes the first place: ann's link moves to the second with her entry.
    table.Insert(Entry("cy", 900, "c.replay"));
    HiScoreBook(file).Store(course, table);
    const std::string text = ReadBytes(file);
    EXPECT_NE(text.find("Replay1=c.replay"), std::string::npos) << text;
    EXPECT_NE(text.find("Replay2=a.replay"), std::string::npos) << text;
    EXPECT_EQ(HiScoreBook(file).TableOf(course).Entries(), table.Entries());
    std::vector<std::string> linked = HiScoreBook(file).ReplayFiles();
    std::sort(linked.begin(), linked.end());
    EXPECT_EQ(linked, (std::vector<std::string>{"a.replay", "c.replay"}));

    // Cleared, the table leaves no link behind.
    HiScoreBook(file).Store(course, HiScoreTable());
    EXPECT_TRUE(HiScoreBook(file).ReplayFiles().empty()) << ReadBytes(file);
}

TEST(ReplayKeeping, LinksOutsideTheReplaysFolderAreNotFollowed)
{
    const std::string text = "[Course 1-0000000000001234]\nPath=/c/X.DAT\nHash=1234\n"
                             "1=500,2,,ann\nReplay1=../../.ssh/id_rsa\n"
                             "2=400,2,,bob\nReplay2=/etc/passwd\n"
                             "3=300,2,,cy\nReplay3=.hidden\n"
                             "4=200,2,,dee\nReplay4=good.replay\nReplay11=x.replay\n";
    const HiScoreBook book = HiScoreBook::FromBytes("mem", text);
    const std::vector<CourseTable> tables = book.Tables(10);
    ASSERT_EQ(tables.size(), 1u);
    const std::vector<HiScoreEntry>& entries = tables[0].Table.Entries();
    ASSERT_EQ(entries.size(), 4u); // a link is never read as an entry of its own
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(entries[i].Replay, "") << i;
    EXPECT_EQ(entries[3].Replay, "good.replay");
    EXPECT_EQ(book.ReplayFiles(), std::vector<std::string>{"good.replay"});
}

TEST(ReplayKeeping, TheNewestUnlinkedReplaysStayWithEveryLinkedOne)
{
    TempDir dir;
    const std::string folder = ReplayFolderOf(dir.Path().string() + "/");
    Replay replay;
    replay.CoursePath = "/home/ann/my course.DAT";
    replay.Score = 640;
    replay.Ticks = 1;
    std::vector<std::string> kept;
    for (int game = 0; game < 26; ++game) {
        replay.Played = 1765209900 + game * 60;
        kept.push_back(KeepReplay(replay, folder));
    }
    EXPECT_EQ(kept[0], "20251208-160500-my_course-640.replay");
    // Two games of one second get names of their own.
    EXPECT_EQ(KeepReplay(replay, folder), "20251208-163000-my_course-640-2.replay");
    dir.Write("replays/notes.txt", "mine");
    dir.Write("replays/favourite.replay", "mine");

    PruneReplays(folder, {kept[1], "gone.replay"}, KeptUnlinkedReplays);
    const std::vector<std::string> left = FilesIn(folder);
    EXPECT_EQ(left.size(), 20u + 1 + 2);
    EXPECT_TRUE(std::count(left.begin(), left.end(), kept[1])) << "the linked one stays";
    EXPECT_FALSE(std::count(left.begin(), left.end(), kept[0]));
    // 26 unlinked games: the six oldest go.
    EXPECT_FALSE(std::count(left.begin(), left.end(), kept[6]));
    EXPECT_TRUE(std::count(left.begin(), left.end(), kept[7]));
    EXPECT_TRUE(std::count(left.begin(), left.end(), "notes.txt"));
    EXPECT_TRUE(std::count(left.begin(), left.end(), "favourite.replay"));
    EXPECT_TRUE(LoadReplay(folder + kept[25]).Read);
}
