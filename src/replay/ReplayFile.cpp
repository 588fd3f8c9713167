// SPDX-License-Identifier: GPL-3.0-or-later
#include "replay/ReplayFile.h"

#include "config/model/HiScoreBook.h"
#include "config/model/HiScoreText.h"
#include "platform/IniFile.h"
#include "platform/WholeFileRead.h"

#include <array>
#include <limits>

namespace {

constexpr std::string_view HeaderSection = "REPLAY";
constexpr std::string_view InputSection = "INPUT";
constexpr char FileComment[] =
    "; A recorded game of Brevanto: `brevanto-sim verify` plays it again, File > Watch Replay shows it.\n";

// How each event kind is written in a token; the settings by their names in BREVANTO.INI.
constexpr char DirectionLetters[] = "U?R?D?L"; // indexed by direction 0, 2, 4, 6
constexpr char SpeedLetters[] = "NFS";         // indexed by speed mode 0, 1, 2
constexpr std::array<std::string_view, ReplayEvent::KindCount> SettingNames{
    "", "", "", "MoveFast", "MaxCar", "RandamInit", "Interval", "HiScore"};
// The seedings one tick may read the clock for: a stage cleared and a crash make two.
constexpr int MaxClockReadsPerTick = 4;
constexpr size_t MaxProgramBytes = 64;
constexpr size_t MaxCoursePathBytes = 1024;

std::string Number(int64_t value) { return std::to_string(value); }

std::string Token(uint32_t delta, const ReplayEvent& event)
{
    std::string token = std::to_string(delta);
    switch (event.What) {
    case ReplayEvent::Direction:
        token += DirectionLetters[event.Value];
        break;
    case ReplayEvent::SpeedMode:
        token += SpeedLetters[event.Value];
        break;
    case ReplayEvent::Clock:
        token += '@' + Number(event.Value);
        break;
    default:
        token += std::string(SettingNames[event.What]) + ':' + Number(event.Value);
        break;
    }
    return token;
}

std::vector<std::string> InputLines(const std::vector<ReplayEvent>& events)
{
    std::vector<std::string> lines;
    std::string line;
    uint32_t previous = 0;
    for (const ReplayEvent& event : events) {
        const std::string token = Token(event.Tick - previous, event);
        previous = event.Tick;
        if (!line.empty() && line.size() + 1 + token.size() > Replay::MaxLineBytes) {
            lines.push_back(std::move(line));
            line.clear();
        }
        if (!line.empty())
            line += ' ';
        line += token;
    }
    if (!line.empty())
        lines.push_back(std::move(line));
    return lines;
}

// A refusal while reading: the message says what is wrong with the file.
struct Damaged {
    std::string Message;
};

// Whole decimal numbers only (no sign, no hex), up to `max`.
std::optional<uint64_t> ParseUnsigned(std::string_view text, uint64_t max)
{
    if (text.empty() || text.size() > 20)
        return std::nullopt;
    uint64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        const uint64_t digit = static_cast<uint64_t>(c - '0');
        if (value > (max - digit) / 10)
            return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

class HeaderReader {
public:
    explicit HeaderReader(const brv::IniFile& ini) : ini_(ini) {}

    std::string Text(std::string_view key, bool required) const
    {
        std::string value = ini_.ReadString(HeaderSection, key, "");
        if (value.empty() && required)
            throw Damaged{"the header has no " + std::string(key)};
        return value;
    }
    int32_t Integer(std::string_view key, int64_t min, int64_t max) const
    {
        const std::string text = Text(key, true);
        const std::optional<int32_t> value = brv::ParseInteger(text);
        if (!value || *value < min || *value > max)
            throw Damaged{std::string(key) + "=" + text + " is not a number from " + Number(min) +
                          " to " + Number(max)};
        return *value;
    }
    uint32_t Unsigned(std::string_view key, uint64_t min, uint64_t max) const
    {
        const std::string text = Text(key, true);
        const std::optional<uint64_t> value = ParseUnsigned(text, max);
        if (!value || *value < min)
            throw Damaged{std::string(key) + "=" + text + " is not a number from " + Number(min) +
                          " to " + std::to_string(max)};
        return static_cast<uint32_t>(*value);
    }

private:
    const brv::IniFile& ini_;
};

constexpr int64_t Int32Min = std::numeric_limits<int32_t>::min();
constexpr int64_t Int32Max = std::numeric_limits<int32_t>::max();

// The range a setting change may hold: what the settings dialog can set.
bool SettingValueFits(ReplayEvent::Kind kind, int64_t value)
{
    switch (kind) {
    case ReplayEvent::MoveFast:
        return value >= 0 && value <= Int32Max;
    case ReplayEvent::RandamInit:
        return value == 0 || value == 1;
    default:
        return value >= Int32Min && value <= Int32Max;
    }
}

class InputReader {
public:
    InputReader(Replay& replay) : replay_(replay) {}

    void Line(size_t number, std::string_view line)
    {
        line_ = number;
        size_t start = 0;
        while (start <= line.size()) {
            size_t end = line.find(' ', start);
            if (end == std::string_view::npos)
                end = line.size();
            if (end > start)
                TokenAt(line.substr(start, end - start));
            start = end + 1;
        }
    }

private:
    [[noreturn]] void Fail(std::string_view token, const std::string& why) const
    {
        throw Damaged{"input line " + std::to_string(line_) + ", \"" +
                      std::string(token.substr(0, 40)) + "\": " + why};
    }

    void TokenAt(std::string_view token)
    {
        size_t digits = 0;
        while (digits < token.size() && token[digits] >= '0' && token[digits] <= '9')
            ++digits;
        const std::optional<uint64_t> delta = ParseUnsigned(token.substr(0, digits), Replay::MaxTicks);
        if (!delta)
            Fail(token, "a token starts with the ticks since the one before");
        const uint64_t tick = uint64_t{tick_} + *delta;
        if (tick >= replay_.Ticks)
            Fail(token, "tick " + std::to_string(tick) + " is past the game's end at tick " +
                            std::to_string(replay_.Ticks - 1));
        if (tick != tick_) {
            tick_ = static_cast<uint32_t>(tick);
            seen_ = {};
        }
        const ReplayEvent event = EventOf(token, token.substr(digits));
        int& count = seen_[event.What];
        if (++count > (event.What == ReplayEvent::Clock ? MaxClockReadsPerTick : 1))
            Fail(token, "too many events of one kind in tick " + std::to_string(tick_));
        if (replay_.Events.size() >= Replay::MaxEvents)
            Fail(token, "more than " + std::to_string(Replay::MaxEvents) + " events");
        replay_.Events.push_back(event);
    }

    ReplayEvent EventOf(std::string_view token, std::string_view item) const
    {
        if (item.size() == 1) {
            for (int64_t d = 0; d < 8; d += 2)
                if (item[0] == DirectionLetters[d])
                    return {tick_, ReplayEvent::Direction, d};
            for (int64_t m = 0; m < 3; ++m)
                if (item[0] == SpeedLetters[m])
                    return {tick_, ReplayEvent::SpeedMode, m};
        }
        if (!item.empty() && item[0] == '@') {
            const std::optional<uint64_t> clock =
                ParseUnsigned(item.substr(1), std::numeric_limits<uint32_t>::max());
            if (!clock)
                Fail(token, "a clock reading is @ and a number up to 4294967295");
            return {tick_, ReplayEvent::Clock, static_cast<int64_t>(*clock)};
        }
        const size_t colon = item.find(':');
        for (size_t k = ReplayEvent::MoveFast; colon != std::string_view::npos && k < SettingNames.size(); ++k) {
            if (item.substr(0, colon) != SettingNames[k])
                continue;
            const auto kind = static_cast<ReplayEvent::Kind>(k);
            const std::optional<int32_t> value = brv::ParseInteger(item.substr(colon + 1));
            if (!value || !SettingValueFits(kind, *value) || item.size() > colon + 12)
                Fail(token, "not a value " + std::string(SettingNames[k]) + " can take");
            return {tick_, kind, *value};
        }
        Fail(token, "unknown event (U R D L N F S, @clock or Setting:value)");
    }

    Replay& replay_;
    size_t line_ = 0;
    uint32_t tick_ = 0;
    std::array<int, ReplayEvent::KindCount> seen_{};
};

std::string TooLarge()
{
    return "the file is larger than any replay (" + brv::SizeText(Replay::MaxFileBytes) + ")";
}

Replay ReadValidated(const brv::IniFile& ini)
{
    if (ini.ReadSectionNames().empty())
        throw Damaged{"not a replay: it has no [REPLAY] section"};
    const HeaderReader header(ini);
    const std::string format = header.Text("Format", false);
    if (format.empty())
        throw Damaged{"not a replay: it has no [REPLAY] section with a Format"};
    const std::optional<int32_t> version = brv::ParseInteger(format);
    if (!version || *version < 1)
        throw Damaged{"Format=" + format + " is not a replay format"};
    if (*version > Replay::FormatVersion)
        throw Damaged{"made by a newer version of the game (format " + format + ")"};

    Replay replay;
    // The program's name and version, shown as it is: plain printable text only.
    replay.Program = header.Text("Program", false).substr(0, MaxProgramBytes);
    for (const char c : replay.Program)
        if (c < ' ' || c > '~')
            replay.Program.clear();
    replay.CoursePath = DecodeStoredText(header.Text("Course", true));
    if (EncodeStoredText(replay.CoursePath).size() > MaxCoursePathBytes)
        throw Damaged{"the course path is longer than " + std::to_string(MaxCoursePathBytes) +
                      " characters"};
    const std::string hash = header.Text("CourseHash", true);
    const std::optional<uint64_t> courseHash = ParseHashText(hash);
    if (!courseHash)
        throw Damaged{"CourseHash=" + hash + " is not a hash of 16 hex digits"};
    replay.CourseHash = *courseHash;
    replay.TileSize = header.Integer("TileSize", 1, 4096);
    replay.MoveFast = header.Integer("MoveFast", 0, Int32Max);
    replay.MaxCar = header.Integer("MaxCar", Int32Min, Int32Max);
    replay.RandamInit = header.Integer("RandamInit", 0, 1) != 0;
    replay.Interval = header.Integer("Interval", Int32Min, Int32Max);
    replay.HiScore = header.Integer("HiScore", Int32Min, Int32Max);
    replay.Seed = header.Unsigned("Seed", 0, std::numeric_limits<uint32_t>::max());
    if (const std::string played = header.Text("Played", false); !played.empty())
        replay.Played = ParseUtcTime(played);
    replay.Score = header.Integer("Score", Int32Min, Int32Max);
    replay.Stage = header.Integer("Stage", Int32Min, Int32Max);
    replay.Ticks = header.Unsigned("Ticks", 1, Replay::MaxTicks);
    const uint32_t lines = header.Unsigned("Lines", 0, Replay::MaxLines);

    const std::vector<std::pair<std::string, std::string>> values = ini.ReadSectionValues(InputSection);
    InputReader input(replay);
    size_t number = 0;
    for (const auto& [key, value] : values) {
        ++number;
        if (number > lines)
            throw Damaged{"more input lines than Lines=" + std::to_string(lines)};
        if (key != std::to_string(number))
            throw Damaged{"input line " + std::to_string(number) + " is missing or out of order"};
        if (value.size() > Replay::MaxLineBytes)
            throw Damaged{"input line " + std::to_string(number) + " is longer than " +
                          std::to_string(Replay::MaxLineBytes) + " characters"};
        input.Line(number, value);
    }
    if (number < lines)
        throw Damaged{"the file is cut short: " + std::to_string(number) + " of " +
                      std::to_string(lines) + " input lines"};
    return replay;
}

} // namespace

std::string ReplayText(const Replay& replay)
{
    brv::IniFile ini = brv::IniFile::FromBytes({}, FileComment);
    const auto set = [&ini](std::string_view key, const std::string& value) {
        ini.SetString(HeaderSection, key, value);
    };
    set("Format", Number(Replay::FormatVersion));
    set("Program", replay.Program);
    set("Course", EncodeStoredText(replay.CoursePath));
    set("CourseHash", HashText(replay.CourseHash));
    set("TileSize", Number(replay.TileSize));
    set("MoveFast", Number(replay.MoveFast));
    set("MaxCar", Number(replay.MaxCar));
    set("RandamInit", replay.RandamInit ? "1" : "0");
    set("Interval", Number(replay.Interval));
    set("HiScore", Number(replay.HiScore));
    set("Seed", Number(replay.Seed));
    if (replay.Played)
        set("Played", FormatUtcTime(*replay.Played));
    set("Score", Number(replay.Score));
    set("Stage", Number(replay.Stage));
    set("Ticks", Number(replay.Ticks));
    const std::vector<std::string> lines = InputLines(replay.Events);
    set("Lines", Number(static_cast<int64_t>(lines.size())));
    // Appended as text: one SetString per line would re-index the whole file each time.
    std::string text = ini.Bytes();
    text += "[INPUT]\n";
    for (size_t i = 0; i < lines.size(); ++i)
        text += std::to_string(i + 1) + "=" + lines[i] + "\n";
    return text;
}

void SaveReplay(const Replay& replay, const std::string& fileName)
{
    // A replay that would not read back is never written: its course could not be found.
    if (EncodeStoredText(replay.CoursePath).size() > MaxCoursePathBytes)
        throw brv::IniWriteError(fileName, "the course path is longer than " +
                                               std::to_string(MaxCoursePathBytes) + " characters");
    brv::IniFile::FromBytes(fileName, ReplayText(replay)).SaveAs(fileName);
}

ReplayReading ReadReplay(std::string_view bytes)
{
    if (bytes.size() > Replay::MaxFileBytes)
        return {std::nullopt, TooLarge()};
    try {
        return {ReadValidated(brv::IniFile::FromBytes({}, bytes)), {}};
    } catch (const Damaged& damaged) {
        return {std::nullopt, damaged.Message};
    }
}

ReplayReading LoadReplay(const std::string& fileName)
{
    // Only a regular file is read (a FIFO or a device never blocks the reader), and only as
    // much of it as any replay can hold.
    const brv::WholeFile file = brv::ReadWholeFile(fileName, Replay::MaxFileBytes);
    if (file.Outcome == brv::WholeFileOutcome::TooLarge)
        return {std::nullopt, TooLarge()};
    if (!file.Ok())
        return {std::nullopt, "cannot read " + fileName + ": " + file.Problem()};
    return ReadReplay(file.Bytes);
}
