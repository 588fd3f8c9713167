// SPDX-License-Identifier: GPL-3.0-or-later
// The replay file: what it holds reads back as written, and a damaged, cut or hostile file is
// refused with a message that says what is wrong.
#include "TestFiles.h"

#include "platform/IniFile.h"
#include "replay/ReplayFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

Replay Sample()
{
    Replay replay;
    replay.Program = "Brevanto 3.0";
    replay.CoursePath = "/home/ann/my courses/COURSE=1;[x].DAT";
    replay.CourseHash = 0x09ab51c2d4e6f801ull;
    replay.TileSize = 24;
    replay.MoveFast = 2;
    replay.MaxCar = 3;
    replay.RandamInit = true;
    replay.Interval = 50;
    replay.HiScore = 1200;
    replay.Seed = 4294967295u;
    replay.Played = 1765209900;
    replay.Score = 1230;
    replay.Stage = 3;
    replay.Ticks = 5120;
    replay.Events = {{0, ReplayEvent::Direction, 2},   {60, ReplayEvent::SpeedMode, 1},
                     {60, ReplayEvent::Clock, 58823411}, {60, ReplayEvent::Clock, 0},
                     {74, ReplayEvent::MoveFast, 5},   {74, ReplayEvent::Interval, -30},
                     {74, ReplayEvent::HiScore, 0},    {74, ReplayEvent::RandamInit, 0},
                     {74, ReplayEvent::MaxCar, -2},    {5119, ReplayEvent::Direction, 6}};
    return replay;
}

// The sample's text with one header line replaced (or, with an empty `with`, removed).
std::string WithHeaderLine(const std::string& key, const std::string& with)
{
    std::string text = ReplayText(Sample());
    const size_t at = text.find("\n" + key + "=");
    EXPECT_NE(at, std::string::npos) << key;
    const size_t end = text.find('\n', at + 1);
    text.replace(at + 1, end - at, with.empty() ? "" : with + "\n");
    return text;
}

std::string Input(const std::string& header, const std::vector<std::string>& lines)
{
    std::string text = header + "Lines=" + std::to_string(lines.size()) + "\n[INPUT]\n";
    for (size_t i = 0; i < lines.size(); ++i)
        text += std::to_string(i + 1) + "=" + lines[i] + "\n";
    return text;
}

std::string MinimalHeader()
{
    return "[REPLAY]\nFormat=1\nCourse=C.DAT\nCourseHash=1\nTileSize=24\nMoveFast=1\nMaxCar=3\n"
           "RandamInit=0\nInterval=50\nHiScore=0\nSeed=1\nScore=0\nStage=1\nTicks=100\n";
}

} // namespace

TEST(ReplayFile, EverythingReadsBackAsWrittenThroughAFile)
{
    TempDir dir;
    const std::string file = dir.File("game.replay");
    SaveReplay(Sample(), file);
    const ReplayReading reading = LoadReplay(file);
    ASSERT_TRUE(reading.Read) << reading.Error;
    EXPECT_EQ(*reading.Read, Sample());

    // Many events spread over lines that stay within the limit, and still read back.
    Replay many = Sample();
    many.Events.clear();
    for (uint32_t t = 0; t < 5000; ++t)
        many.Events.push_back({t, ReplayEvent::Direction, (t % 4) * 2});
    const std::string text = ReplayText(many);
    EXPECT_GT(std::count(text.begin(), text.end(), '\n'), 20);
    for (size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        EXPECT_LE(end - start, Replay::MaxLineBytes + 8);
    const ReplayReading back = ReadReplay(text);
    ASSERT_TRUE(back.Read) << back.Error;
    EXPECT_EQ(back.Read->Events, many.Events);

    // A course path as long as the limit reads back; one byte more is refused.
    Replay deep = Sample();
    deep.CoursePath = "/" + std::string(1023, 'd');
    SaveReplay(deep, dir.File("deep.replay"));
    const ReplayReading longest = LoadReplay(dir.File("deep.replay"));
    ASSERT_TRUE(longest.Read) << longest.Error;
    EXPECT_EQ(longest.Read->CoursePath, deep.CoursePath);
    deep.CoursePath += 'd';
    EXPECT_NE(ReadReplay(ReplayText(deep)).Error.find("longer than 1024"), std::string::npos);
    // Such a replay is never saved: it could not be watched.
    const std::string unreadable = dir.File("long-course.replay");
    EXPECT_THROW(SaveReplay(deep, unreadable), brv::IniWriteError);
    EXPECT_FALSE(std::filesystem::exists(unreadable));
}

TEST(ReplayFile, DamagedFilesAreRefusedWithAReason)
{
    const std::string header = MinimalHeader();
    const struct {
        std::string text;
        std::string reason;
    } cases[] = {
        {"", "no [REPLAY]"},
        {"\x01\x02\xff garbage", "no [REPLAY]"},
        {"[OTHER]\nx=1\n", "Format"},
        {WithHeaderLine("Format", "Format=2"), "newer version"},
        {WithHeaderLine("Format", "Format=x"), "not a replay format"},
        {WithHeaderLine("Format", "Format=0"), "not a replay format"},
        {WithHeaderLine("Ticks", ""), "no Ticks"},
        {WithHeaderLine("Ticks", "Ticks=0"), "Ticks=0"},
        {WithHeaderLine("Ticks", "Ticks=99999999999"), "Ticks="},
        {WithHeaderLine("Seed", "Seed=-1"), "Seed=-1"},
        {WithHeaderLine("CourseHash", "CourseHash=xyz"), "16 hex digits"},
        {WithHeaderLine("TileSize", "TileSize=0"), "TileSize=0"},
        {WithHeaderLine("RandamInit", "RandamInit=2"), "RandamInit=2"},
        {WithHeaderLine("Lines", "Lines=5"), "cut short: 1 of 5"},
        {WithHeaderLine("Lines", "Lines=0"), "more input lines than Lines=0"},
        {header + "Lines=2\n[INPUT]\n1=5R\n3=5L\n", "line 2 is missing or out of order"},
        {Input(header, {"100R"}), "past the game's end at tick 99"},
        {Input(header, {"5R 99999999999L"}), "starts with the ticks"},
        {Input(header, {"R"}), "starts with the ticks"},
        {Input(header, {"5Q"}), "unknown event"},
        {Input(header, {"5?"}), "unknown event"},
        {Input(header, {std::string("5") + '\0'}), "unknown event"},
        {Input(header, {"5R 0L"}), "too many events of one kind in tick 5"},
        {Input(header, {"5@1 0@2 0@3 0@4 0@5"}), "too many events"},
        {Input(header, {"5@4294967296"}), "clock reading"},
        {Input(header, {"5MoveFast:-1"}), "not a value MoveFast can take"},
        {Input(header, {"5RandamInit:7"}), "not a value RandamInit can take"},
        {Input(header, {"5Interval:"}), "not a value Interval can take"},
        {Input(header, {"5Sound:1"}), "unknown event"},
        {Input(header, {std::string(1100, '0') + "R"}), "longer than 1024"},
    };
    for (const auto& c : cases) {
        const ReplayReading reading = ReadReplay(c.text);
        EXPECT_FALSE(reading.Read) << c.text;
        EXPECT_NE(reading.Error.find(c.reason), std::string::npos)
            << "expected \"" << c.reason << "\", got \"" << reading.Error << "\"";
    }
    // A missing file or a folder says that it cannot be read.
    TempDir dir;
    EXPECT_NE(LoadReplay(dir.File("none.replay")).Error.find("cannot read"), std::string::npos);
    EXPECT_NE(LoadReplay(dir.Path().string()).Error.find("cannot read"), std::string::npos);
}

TEST(ReplayFile, HostileSizesStayWithinTheLimits)
{
    // Lines counted beyond the cap, and a file larger than any replay, are refused unread.
    EXPECT_FALSE(ReadReplay(MinimalHeader() + "Lines=4000000\n").Read);
    EXPECT_NE(ReadReplay(std::string(Replay::MaxFileBytes + 1, ';')).Error.find("larger"),
              std::string::npos);
    // Events beyond the cap: a long run of one-tick tokens over many lines.
    std::string header = MinimalHeader();
    header.replace(header.find("Ticks=100"), 9, "Ticks=20000000");
    std::vector<std::string> lines;
    std::string line;
    for (size_t n = 0; n <= Replay::MaxEvents; ++n) {
        const char* token = n % 2 ? "1R" : "0N";
        if (line.size() + 3 > Replay::MaxLineBytes) {
            lines.push_back(line);
            line.clear();
        }
        line += line.empty() ? token : std::string(" ") + token;
    }
    lines.push_back(line);
    const ReplayReading reading = ReadReplay(Input(header, lines));
    EXPECT_FALSE(reading.Read);
    EXPECT_NE(reading.Error.find("more than"), std::string::npos) << reading.Error;
}
