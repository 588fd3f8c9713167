// SPDX-License-Identifier: GPL-3.0-or-later
#include "StoppedWriters.h"
#include "TestFiles.h"

#include "config/model/HiScoreBook.h"
#include "config/model/HiScoreText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sys/stat.h>
#include <unistd.h>

namespace {

HiScoreEntry Entry(const std::string& name, int32_t score, int32_t stage = 1,
                   std::optional<int64_t> when = 1'796'712'536)
{
    return {name, score, stage, when, {}};
}

std::vector<std::string> NamesOf(const HiScoreTable& table)
{
    std::vector<std::string> names;
    for (const HiScoreEntry& entry : table.Entries())
        names.push_back(entry.Name);
    return names;
}

// Ten entries: "s1000" (1000 points) down to "s100".
HiScoreTable FullTable()
{
    HiScoreTable table;
    for (int32_t score = 100; score <= 1000; score += 100)
        table.Insert(Entry("s" + std::to_string(score), score));
    return table;
}

const CourseKey CourseA{"/games/COURSE1.DAT", 0x1111};

} // namespace

TEST(HiScoreTable, BestFirstAndAnEqualScoreBelowTheOlderEntry)
{
    HiScoreTable table;
    EXPECT_EQ(table.Insert(Entry("ann", 500)), 0u);
    EXPECT_EQ(table.Insert(Entry("bob", 300)), 1u);
    EXPECT_EQ(table.Insert(Entry("cy", 800)), 0u);
    EXPECT_EQ(table.Insert(Entry("dee", 500)), 2u);
    EXPECT_EQ(table.Insert(Entry("eve", 300)), 4u);
    EXPECT_EQ(NamesOf(table), (std::vector<std::string>{"cy", "ann", "dee", "bob", "eve"}));

    // Nothing for a game that scored nothing.
    EXPECT_EQ(table.PlaceFor(0), std::nullopt);
    EXPECT_EQ(table.Insert(Entry("zero", 0)), std::nullopt);
    EXPECT_EQ(table.Insert(Entry("minus", -5)), std::nullopt);
    EXPECT_EQ(table.Entries().size(), 5u);
}

TEST(HiScoreTable, TheEleventhScore)
{
    HiScoreTable table = FullTable();
    ASSERT_EQ(table.Entries().size(), HiScoreTable::Places);
    // Equal to the last place is not enough in a full table.
    EXPECT_EQ(table.PlaceFor(100), std::nullopt);
    EXPECT_EQ(table.Insert(Entry("late", 100)), std::nullopt);
    EXPECT_EQ(table.Entries().back().Name, "s100");

    EXPECT_EQ(table.PlaceFor(101), 9u);
    EXPECT_EQ(table.Insert(Entry("new", 650)), 4u);
    ASSERT_EQ(table.Entries().size(), HiScoreTable::Places);
    EXPECT_EQ(table.Entries()[4].Name, "new");
    EXPECT_EQ(table.Entries().back().Name, "s200") << "the last place dropped out";
}

TEST(HiScoreText, NamesOfAnyTextRoundTripThroughTheFile)
{
    TempDir dir;
    const std::string file = dir.File("HISCORES.INI");
    const std::vector<std::string> names = {
        "a=b", ";comment", "山田 太郎", "two\nlines", "cr\rlf\r\n", "  spaced  ", "\ttab",
        "100%", "%41 stays", "comma, too", "[section]", "Zoë Ñúñez", "", " ", "=;[",
        std::string("nul\0byte", 8)};
    HiScoreTable table;
    for (size_t i = 0; i < names.size() && i < HiScoreTable::Places; ++i)
        table.Insert(Entry(names[i], static_cast<int32_t>(1000 - i), static_cast<int32_t>(i + 1)));
    HiScoreBook(file).Store(CourseA, table);

    const HiScoreTable back = HiScoreBook(file).TableOf(CourseA);
    EXPECT_EQ(back.Entries(), table.Entries());
    for (size_t i = HiScoreTable::Places; i < names.size(); ++i) {
        HiScoreBook(file).StoreLastName(names[i]);
        EXPECT_EQ(HiScoreBook(file).LastName(), names[i]);
    }
    // Every byte the INI layer would read differently is encoded, so each entry is one line.
    const std::string bytes = ReadBytes(file);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 1 + 2 + 10 + 2);
    EXPECT_EQ(bytes.find('\r'), std::string::npos);

    EXPECT_EQ(EncodeStoredText(" a=b; [c] "), "%20a%3Db%3B %5Bc%5D%20");
    EXPECT_EQ(DecodeStoredText("%zz %4 %%41 end%"), "%zz %4 %A end%") << "stray % read as is";
}

TEST(HiScoreText, UtcTimes)
{
    EXPECT_EQ(FormatUtcTime(0), "1970-01-01T00:00:00Z");
    EXPECT_EQ(FormatUtcTime(951782400), "2000-02-29T00:00:00Z");
    EXPECT_EQ(ParseUtcTime("2026-12-08T06:48:56Z"), 1796712536);
    for (const int64_t t : {int64_t{0}, int64_t{951782399}, int64_t{4102444800}, int64_t{253402300799}})
        EXPECT_EQ(ParseUtcTime(FormatUtcTime(t)), t) << t;
    EXPECT_EQ(FormatUtcTime(-1), "");
    EXPECT_EQ(FormatUtcTime(253402300800), "") << "beyond the year 9999";
    for (const char* bad : {"2026-02-29T00:00:00Z", "2026-13-01T00:00:00Z", "2026-01-01T24:00:00Z",
                            "2026-01-01T00:60:00Z", "2026-01-01 00:00:00Z", "2026-1-01T00:00:00Z",
                            "1969-12-31T23:59:59Z", "2026-01-01T00:00:00", "2O26-01-01T00:00:00Z", ""})
        EXPECT_EQ(ParseUtcTime(bad), std::nullopt) << bad;
}

TEST(HiScoreBook, TablesAreKeptPerCourseFileAndPerContent)
{
    TempDir dir;
    const std::string course = dir.Write("COURSE.DAT", "[DEFINE]\nMapSize=3,3\n");
    const std::string copy = dir.Write("COPY.DAT", "[DEFINE]\nMapSize=3,3\n");
    const CourseKey key = CourseKeyOf(course);
    EXPECT_EQ(key.Path, course);
    EXPECT_EQ(CourseKeyOf(copy).ContentHash, key.ContentHash) << "the same bytes";
    EXPECT_EQ(key.ContentHash, ContentHashOf("[DEFINE]\nMapSize=3,3\n"));

    // The data folder is made by the first store.
    const std::string file = dir.File("data/brevanto/HISCORES.INI");
    HiScoreTable table;
    table.Insert(Entry("ann", 300));
    HiScoreBook(file).Store(key, table);

    const HiScoreBook book(file);
    EXPECT_EQ(NamesOf(book.TableOf(key)), std::vector<std::string>{"ann"});
    EXPECT_TRUE(book.TableOf(CourseKeyOf(copy)).Empty()) << "another file, same content";
    dir.Write("COURSE.DAT", "[DEFINE]\nMapSize=3,4\n");
    const CourseKey edited = CourseKeyOf(course);
    EXPECT_NE(edited.ContentHash, key.ContentHash);
    EXPECT_TRUE(book.TableOf(edited).Empty()) << "an edited course starts a fresh table";

    HiScoreTable other;
    other.Insert(Entry("bob", 90));
    HiScoreBook(file).Store(edited, other);
    HiScoreBook(file).Store(CourseKeyOf(copy), HiScoreTable());
    const std::vector<CourseTable> tables = HiScoreBook(file).Tables(100);
    ASSERT_EQ(tables.size(), 2u) << "empty tables are not listed";
    EXPECT_EQ(tables[0].Key, key);
    EXPECT_EQ(tables[1].Key, edited);
    EXPECT_EQ(NamesOf(tables[1].Table), std::vector<std::string>{"bob"});
    EXPECT_EQ(HiScoreBook(file).Tables(1).size(), 1u);

    // Clearing keeps the other course's table.
    HiScoreBook(file).Store(key, HiScoreTable());
    EXPECT_TRUE(HiScoreBook(file).TableOf(key).Empty());
    EXPECT_EQ(HiScoreBook(file).Tables(100).size(), 1u);
}

TEST(HiScoreBook, AFullTableKeepsAllTenPlacesStoreAfterStore)
{
    TempDir dir;
    const std::string file = dir.File("HISCORES.INI");
    HiScoreTable table = FullTable();
    HiScoreBook(file).Store(CourseA, table);
    // The second store rewrites places the file already holds, the tenth among them.
    ASSERT_EQ(table.Insert(Entry("new", 650)), 4u);
    HiScoreBook(file).Store(CourseA, table);
    EXPECT_EQ(HiScoreBook(file).TableOf(CourseA).Entries(), table.Entries());
}

TEST(HiScoreBook, DamagedFileKeepsEveryEntryThatStillReads)
{
    TempDir dir;
    const CourseKey key{"/c.dat", 0xabc};
    std::string text;
    {
        // Where a table of this course is stored.
        const std::string probe = dir.File("probe.ini");
        HiScoreBook(probe).Store(key, HiScoreTable());
        text = ReadBytes(probe);
        text = text.substr(0, text.find('\n') + 1);
    }
    text += "Path=/c.dat\n"
            "1=100,2,2026-01-31T18:05:00Z,low\n"
            "2=900,5,2026-01-31T18:06:00Z,high\n"
            "3=abc,1,2026-01-31T18:05:00Z,bad score\n"
            "4=500\n"
            "5=-50,1,,negative\n"
            "6=700,x,yesterday,odd fields\n"
            "garbage line\n"
            "\x01\xff\xfe=\x80\n"
            "extra=400,3,2026-01-31T18:07:00Z,hand added\n"
            "7=900,4,2026-01-31T18:08:00Z,tie\n";
    const std::string file = dir.Write("HISCORES.INI", text);

    const HiScoreTable table = HiScoreBook(file).TableOf(key);
    EXPECT_EQ(NamesOf(table),
              (std::vector<std::string>{"high", "tie", "odd fields", "hand added", "low"}));
    const HiScoreEntry& odd = table.Entries()[2];
    EXPECT_EQ(odd.Stage, 0);
    EXPECT_EQ(odd.When, std::nullopt);

    // Stored back, the table reads the same, and no entry comes back twice.
    HiScoreBook(file).Store(key, table);
    EXPECT_EQ(HiScoreBook(file).TableOf(key).Entries(), table.Entries());
    EXPECT_EQ(ReadBytes(file).find("hand added"), ReadBytes(file).rfind("hand added"));

    // A section stuffed with entries reads only a bounded number of them.
    std::string stuffed = text.substr(0, text.find('\n') + 1);
    for (int i = 0; i < 20000; ++i)
        stuffed += "k" + std::to_string(i) + "=" + std::to_string(i + 1) + ",1,,x\n";
    const HiScoreTable bounded = HiScoreBook::FromBytes("mem", stuffed).TableOf(key);
    ASSERT_EQ(bounded.Entries().size(), HiScoreTable::Places);
    EXPECT_LT(bounded.Entries().front().Score, 100);

    // Bytes that are no INI file at all read as no tables.
    EXPECT_TRUE(HiScoreBook::FromBytes("mem", std::string("\0\xff[\n=\r", 6)).Tables(100).empty());
}

TEST(HiScoreBook, AStoreThatCannotBeWrittenFailsAndKeepsTheFile)
{
    TempDir dir;
    HiScoreTable table;
    table.Insert(Entry("ann", 300));
    // A file where the data folder should be.
    dir.Write("data", "not a folder");
    EXPECT_THROW(HiScoreBook(dir.File("data/HISCORES.INI")).Store(CourseA, table), brv::IniWriteError);
    EXPECT_THROW(HiScoreBook(dir.File("data/HISCORES.INI")).StoreLastName("ann"), brv::IniWriteError);
    EXPECT_EQ(ReadBytes(dir.File("data")), "not a folder");
    // The refusal names the folder that could not be made, and the hi-score file as no settings file.
    try {
        HiScoreBook(dir.File("data/brevanto/HISCORES.INI")).Add(CourseA, Entry("ann", 300));
        ADD_FAILURE() << "stored without a folder";
    } catch (const brv::IniWriteError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("the folder " + dir.File("data/brevanto")), std::string::npos) << message;
        EXPECT_EQ(message.find("settings"), std::string::npos) << message;
    }

    if (geteuid() == 0)
        GTEST_SKIP() << "root writes read-only files";
    const std::string file = dir.File("HISCORES.INI");
    HiScoreBook(file).Store(CourseA, table);
    const std::string before = ReadBytes(file);
    chmod(file.c_str(), 0444);
    table.Insert(Entry("bob", 500));
    EXPECT_THROW(HiScoreBook(file).Store(CourseA, table), brv::IniWriteError);
    EXPECT_EQ(ReadBytes(file), before);
}

// Two copies of the game store at once: each entry is added to the table as the file holds it
// when that copy's turn comes, so neither is lost, however the stores line up.
TEST(HiScoreBook, TwoCopiesStoringAtOnceKeepBothEntries)
{
    TempDir dir;
    const std::string file = dir.File("data/HISCORES.INI");
    // Both copies read the file while their name dialogs were open, before either stored.
    HiScoreBook first(file);
    HiScoreBook second(file);
    const bool gotIn = SecondGotInWhileFirstHeld([&] { first.Add(CourseA, Entry("ann", 300)); },
                                                 [&] { second.Add(CourseA, Entry("bob", 500)); });
    EXPECT_FALSE(gotIn) << "the second store waits for the first one's lock";
    EXPECT_EQ(NamesOf(HiScoreBook(file).TableOf(CourseA)), (std::vector<std::string>{"bob", "ann"}));

    // A full table keeps its ten best across stores made from a stale view.
    const CourseKey full{"/games/FULL.DAT", 0x2222};
    HiScoreBook stale(file);
    for (int32_t score = 100; score <= 1000; score += 100)
        HiScoreBook(file).Add(full, Entry("s" + std::to_string(score), score));
    EXPECT_EQ(stale.Add(full, Entry("late", 100)), std::nullopt) << "no better than the ten stored meanwhile";
    EXPECT_EQ(stale.Add(full, Entry("top", 2000)), 0u);
    const HiScoreTable table = HiScoreBook(file).TableOf(full);
    ASSERT_EQ(table.Entries().size(), HiScoreTable::Places);
    EXPECT_EQ(table.Entries().front().Name, "top");
    EXPECT_EQ(table.Entries().back().Name, "s200");
}
