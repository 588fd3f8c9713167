// SPDX-License-Identifier: GPL-3.0-or-later
#include "course/CourseParser.h"

#include "course/StrLib.h"
#include "platform/AsciiText.h"
#include "platform/IniFile.h"

#include <algorithm>

namespace {

// Past StartNumber, Pos keys are read for the editor and the checker up to the highest one the
// file holds below this many entries beyond the keys START has: a key such as Pos2000000000 is
// passed over and cannot claim unbounded memory, nor can a huge StartNumber. A course the game
// loads never reaches the bound, since its StartNumber equals the number of keys.
constexpr int64_t MaxStartGap = 256;
// The checker looks this far past the last entry for Pos keys the game passes over.
constexpr int32_t IgnoredStartKeyReach = 100;

using Kind = CourseProblemKind;

// The highest key 1..limit of a section that is a number (written without leading zeros) and has
// a value; 0 when none.
int32_t HighestNumberedKey(const brv::IniFile& ini, const char* section, int32_t limit)
{
    int32_t highest = 0;
    for (const std::string& key : ini.ReadSection(section)) {
        const auto number = brv::ParseInteger(key);
        if (number && *number >= 1 && *number <= limit && std::to_string(*number) == key)
            highest = std::max(highest, *number);
    }
    return highest;
}

struct Parser {
    const brv::IniFile& ini;
    ParsedCourse& out;

    CourseData& data() { return out.Data; }
    bool SizeValid() const { return out.Data.Width >= 1 && out.Data.Height >= 1; }

    void Problem(Kind kind, std::string section, std::string key, TPoint cell = {},
                 int32_t entry = -1)
    {
        out.Problems.push_back({kind, std::move(section), std::move(key), cell, entry});
    }

    TPoint Pair(const std::string& value)
    {
        int32_t cursor = 1;
        const int32_t x = NextInt(value, cursor);
        const int32_t y = NextInt(value, cursor);
        return {x, y};
    }

    void MapSize()
    {
        const TPoint size = Pair(ini.ReadString("DEFINE", "MapSize", ","));
        data().Width = size.X;
        data().Height = size.Y;
        if (!SizeValid())
            Problem(Kind::MapSize, "DEFINE", "MapSize");
    }

    // Rows are taken by key number 1..count, wherever they stand in the file; each must be
    // exactly one course wide, and there must be a row for every line of the course. When there
    // are fewer keys than lines, the rows up to the course's height that the file has are read
    // too (the game refuses the course, the editor shows them).
    std::vector<std::string> Rows(const char* section, Kind wrongLength, Kind missing)
    {
        const size_t count = ini.CountKeys(section);
        size_t read = count;
        if (SizeValid() && count < static_cast<size_t>(data().Height))
            read = std::max<size_t>(count, HighestNumberedKey(ini, section, data().Height));
        std::vector<std::string> rows;
        rows.reserve(read);
        for (size_t k = 1; k <= read; ++k) {
            const std::string key = std::to_string(k);
            rows.push_back(ini.ReadString(section, key, ""));
            if (k <= count && SizeValid() && rows.back().size() != static_cast<size_t>(data().Width))
                Problem(wrongLength, section, key, {1, static_cast<int32_t>(k)});
        }
        if (SizeValid() && count < static_cast<size_t>(data().Height)) {
            const auto first = static_cast<int32_t>(count + 1);
            Problem(missing, section, std::to_string(first), {1, first});
        }
        return rows;
    }

    // A course without a valid MapSize, sized by its MAP rows: as many as there are keys, as
    // wide as the widest row 1..count.
    void SizeByRows()
    {
        const size_t count = ini.CountKeys("MAP");
        size_t width = 0;
        for (size_t k = 1; k <= count; ++k)
            width = std::max(width, ini.ReadString("MAP", std::to_string(k), "").size());
        constexpr size_t most = INT32_MAX;
        data().Width = static_cast<int32_t>(std::min(width, most));
        data().Height = static_cast<int32_t>(std::min(count, most));
    }

    void Blocks()
    {
        data().BlockCount = ini.ReadInteger("BLOCK", "Number", 0);
        if (data().BlockCount <= 0)
            return;
        // Absent keys read as empty rectangles, which hold no cell; only the blocks up to the
        // highest key present are kept, so a huge Number cannot claim unbounded memory.
        data().Blocks.resize(static_cast<size_t>(HighestNumberedKey(ini, "BLOCK", data().BlockCount)));
        for (size_t k = 1; k <= data().Blocks.size(); ++k) {
            const std::string value = ini.ReadString("BLOCK", std::to_string(k), "");
            int32_t c = 1;
            TRect& block = data().Blocks[k - 1];
            block.Left = NextInt(value, c);
            block.Top = NextInt(value, c);
            block.Right = NextInt(value, c);
            block.Bottom = NextInt(value, c);
        }
        data().Path = ini.ReadString("BLOCK", "Path", "");
    }

    // The highest n below `bound` of a key "Pos<n>" (written without leading zeros) with a
    // value, or -1.
    int64_t HighestStartKey(int64_t bound)
    {
        int64_t highest = -1;
        for (const std::string& key : ini.ReadSection("START")) {
            if (key.size() < 4 || brv::AsciiUpper(key[0]) != 'P' ||
                brv::AsciiUpper(key[1]) != 'O' || brv::AsciiUpper(key[2]) != 'S')
                continue;
            const std::string digits = key.substr(3);
            const auto index = brv::ParseInteger(digits);
            if (index && *index >= 0 && *index < bound && std::to_string(*index) == digits)
                highest = std::max<int64_t>(highest, *index);
        }
        return highest;
    }

    static CourseStart Start(const std::string& value)
    {
        CourseStart s;
        int32_t c = 1;
        s.Cell.X = NextInt(value, c);
        s.Cell.Y = NextInt(value, c);
        s.Facing.Code = NextInt(value, c);
        s.Lane = NextInt(value, c);
        const std::string side = NextField(value, c);
        const std::string kind = NextField(value, c);
        s.Side = FirstUpper(side, 'R', 'L');
        s.Kind = FirstUpper(kind, 'R', 'P');
        return s;
    }

    void Starts()
    {
        const int32_t number = ini.ReadInteger("DEFINE", "StartNumber", 0);
        data().StartNumber = number;
        const size_t keys = ini.CountKeys("START");
        data().StartKeys = static_cast<int32_t>(std::min<size_t>(keys, INT32_MAX));
        if (number < 1)
            Problem(Kind::NoStartNumber, "DEFINE", "StartNumber");
        else if (keys != static_cast<size_t>(number))
            Problem(Kind::StartCount, "DEFINE", "StartNumber");

        const int64_t bound = static_cast<int64_t>(keys) + MaxStartGap;
        const int64_t count = std::min(std::max<int64_t>(number, HighestStartKey(bound) + 1), bound);
        data().Starts.reserve(static_cast<size_t>(std::max<int64_t>(count, 0)));
        for (int32_t i = 0; i < count; ++i) {
            const std::string key = "Pos" + std::to_string(i);
            const std::string value = ini.ReadString("START", key, "");
            const CourseStart start = Start(value);
            data().Starts.push_back(start);
            const size_t noted = out.Problems.size();
            if (value.empty())
                Problem(Kind::StartMissing, "START", key, {}, i);
            else if (SizeValid() && !start.OnCourse(data().Width, data().Height))
                Problem(Kind::StartOffCourse, "START", key, {}, i);
            else if (!start.Facing.IsStraight())
                Problem(Kind::StartDirection, "START", key, start.Cell, i);
            if (i >= number && out.Problems.size() > noted)
                out.Problems.back().PastStartNumber = true;
        }

        // Keys just past the last entry, present even with an empty value, are passed over.
        const int32_t first = std::max(number, 0);
        const std::string absent(1, '\0');
        for (int32_t k = first; k < first + IgnoredStartKeyReach; ++k) {
            const std::string key = "Pos" + std::to_string(k);
            if (ini.ReadString("START", key, absent) != absent)
                Problem(Kind::StartKeyIgnored, "START", key, {}, k);
        }
    }

    void Display()
    {
        for (size_t k = 0; k < DisplayKeys.size(); ++k) {
            const std::string value = ini.ReadString("DISPLAY", DisplayKeys[k], "");
            if (!value.empty())
                data().Display[k] = Pair(value);
        }
        const std::string screen = ini.ReadString("DEFINE", "ScreenSize", "");
        if (!screen.empty())
            data().ScreenSize = Pair(screen);
    }
};

} // namespace

int CourseProblem::ErrorNumber() const
{
    if (PastStartNumber)
        return 0;
    switch (Kind) {
    case Kind::MapSize:
    case Kind::MapRow:
    case Kind::MapRowsMissing: return 2;
    case Kind::DotRow:
    case Kind::DotRowsMissing: return 3;
    case Kind::NoStartNumber:
    case Kind::StartCount:
    case Kind::StartMissing:
    case Kind::StartOffCourse:
    case Kind::StartDirection: return 4;
    case Kind::StartKeyIgnored: return 0;
    }
    return 0;
}

const char* CourseProblem::Code() const
{
    switch (Kind) {
    case Kind::MapSize: return "map-size";
    case Kind::MapRow: return "map-row";
    case Kind::MapRowsMissing: return "map-rows-missing";
    case Kind::DotRow: return "dot-row";
    case Kind::DotRowsMissing: return "dot-rows-missing";
    case Kind::NoStartNumber: return "no-start";
    case Kind::StartCount: return "start-number";
    case Kind::StartMissing: return "start-missing";
    case Kind::StartOffCourse: return "start-off-course";
    case Kind::StartDirection: return "start-direction";
    case Kind::StartKeyIgnored: return "start-key-ignored";
    }
    return "";
}

const CourseProblem* ParsedCourse::Refusal() const
{
    for (const CourseProblem& problem : Problems)
        if (problem.ErrorNumber() != 0)
            return &problem;
    return nullptr;
}

ParsedCourse ParseCourse(const brv::IniFile& ini, BadMapSize badSize)
{
    ParsedCourse out;
    Parser parser{ini, out};
    // The order of the loader's checks: size, MAP rows, (blocks), MAPDOT rows, starts.
    parser.MapSize();
    if (badSize == BadMapSize::SizedByRows && !parser.SizeValid())
        parser.SizeByRows();
    out.Data.TileRows = parser.Rows("MAP", Kind::MapRow, Kind::MapRowsMissing);
    parser.Blocks();
    out.Data.DotRows = parser.Rows("MAPDOT", Kind::DotRow, Kind::DotRowsMissing);
    parser.Starts();
    parser.Display();
    return out;
}

int32_t BlockAt(const std::vector<TRect>& blocks, TPoint cell)
{
    for (size_t k = 0; k < blocks.size(); ++k) {
        const TRect& b = blocks[k];
        if (b.Left <= cell.X && cell.X <= b.Right && b.Top <= cell.Y && cell.Y <= b.Bottom)
            return static_cast<int32_t>(k + 1);
    }
    return 0;
}
