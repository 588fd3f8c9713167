// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/model/CourseReader.h"

#include "course/StrLib.h"
#include "course/TMap.h"
#include "platform/AsciiText.h"
#include "platform/IniFile.h"

#include <algorithm>

namespace {

// More start entries than this are not read; no course needs them.
constexpr int32_t MaxStartEntries = 256;

struct Reader {
    const brv::IniFile& ini;
    OpenedCourse& result;

    void Problem(const char* code, const std::string& section, const std::string& key, TPoint cell,
                 int32_t entry, const std::string& message)
    {
        result.Problems.push_back({section, key, cell, entry, message, code});
    }

    // Rows 1..height, each made exactly `width` long; rows beyond are kept aside.
    std::string Rows(const char* section, char fill, std::vector<std::string>& spare,
                     const char* what)
    {
        CourseDocument& d = result.Document;
        const size_t count = ini.CountKeys(section);
        std::string cells;
        for (int32_t k = 1; k <= d.Height; ++k) {
            const std::string key = std::to_string(k);
            std::string row = ini.ReadString(section, key, "");
            if (row.size() != static_cast<size_t>(d.Width)) {
                Problem(fill == '.' ? "dot-row" : "map-row", section, key, {1, k}, -1,
                        std::string(what) + " row " + key + " has " + std::to_string(row.size()) +
                            " characters; the course is " + std::to_string(d.Width) + " wide.");
                row.resize(static_cast<size_t>(d.Width), fill);
            }
            cells += row;
        }
        for (size_t k = static_cast<size_t>(d.Height) + 1; k <= count; ++k)
            spare.push_back(ini.ReadString(section, std::to_string(k), ""));
        return cells;
    }

    StartPlace Start(const std::string& value)
    {
        StartPlace s;
        int32_t c = 1;
        s.Column = NextInt(value, c);
        s.Row = NextInt(value, c);
        s.Direction = NextInt(value, c);
        s.Lane = NextInt(value, c);
        const std::string side = NextField(value, c);
        const std::string kind = NextField(value, c);
        s.Side = FirstUpper(side, 'R', 'L');
        s.Kind = FirstUpper(kind, 'R', 'P');
        return s;
    }

    void Starts()
    {
        CourseDocument& d = result.Document;
        const int32_t number = ini.ReadInteger("DEFINE", "StartNumber", 0);
        // Entries are Pos0, Pos1, ...; a gap is read as an entry off the course to be mended.
        int32_t highest = -1;
        for (const std::string& key : ini.ReadSection("START")) {
            if (key.size() < 4 || brv::AsciiUpper(key[0]) != 'P' ||
                brv::AsciiUpper(key[1]) != 'O' || brv::AsciiUpper(key[2]) != 'S')
                continue;
            const auto index = brv::ParseInteger(key.substr(3));
            if (index && *index >= 0 && *index < MaxStartEntries &&
                std::to_string(*index) == key.substr(3))
                highest = std::max(highest, *index);
        }
        const int32_t count = std::clamp(std::max(number, highest + 1), 0, MaxStartEntries);
        const size_t entries = ini.CountKeys("START");
        if (number < 1 && entries == 0)
            Problem("no-start", "DEFINE", "StartNumber", {}, -1,
                    "The course has no start entry, and the game needs one for the player's "
                    "car: place it with the Start tool (S).");
        else if (number < 1 || entries != static_cast<size_t>(number))
            Problem("start-number", "DEFINE", "StartNumber", {}, -1,
                    "StartNumber (in DEFINE) is " + std::to_string(number) + " but START has " +
                        std::to_string(entries) +
                        " Pos keys; the game needs them equal. Saving writes the number of "
                        "start entries the editor shows.");
        for (int32_t i = 0; i < count; ++i) {
            const std::string key = "Pos" + std::to_string(i);
            const std::string value = ini.ReadString("START", key, "");
            StartPlace s = Start(value);
            if (value.empty())
                Problem("start-missing", "START", key, {}, i,
                        "Start entry " + key + " is missing: give it a cell in its dialog or "
                        "delete it (select this line, then Delete).");
            else if (!d.OnCourse({s.Column, s.Row}))
                Problem("start-off-course", "START", key, {}, i,
                        "Start entry " + key + " at (" + std::to_string(s.Column) + "," +
                            std::to_string(s.Row) + ") lies off the course of " +
                            std::to_string(d.Width) + " x " + std::to_string(d.Height) +
                            " cells: give it a cell in its dialog or delete it.");
            else if (s.Direction != 0 && s.Direction != 2 && s.Direction != 4 && s.Direction != 6)
                Problem("start-direction", "START", key, {s.Column, s.Row}, i,
                        "Start entry " + key + " has direction " + std::to_string(s.Direction) +
                            "; a car starts facing up (0), right (2), down (4) or left (6): turn it with the Start tool.");
            d.Starts.push_back(s);
        }
    }

    void Blocks()
    {
        CourseDocument& d = result.Document;
        const int32_t number = ini.ReadInteger("BLOCK", "Number", 0);
        if (number <= 0)
            return;
        // Only keys present count, as in the game, so a huge Number claims no memory.
        const int32_t highest = HighestBlockKey(ini, number);
        for (int32_t k = 1; k <= highest; ++k) {
            const std::string value = ini.ReadString("BLOCK", std::to_string(k), "");
            int32_t c = 1;
            TRect b;
            b.Left = NextInt(value, c);
            b.Top = NextInt(value, c);
            b.Right = NextInt(value, c);
            b.Bottom = NextInt(value, c);
            d.Blocks.push_back(b);
        }
        d.Path = ini.ReadString("BLOCK", "Path", "");
    }

    void Display()
    {
        CourseDocument& d = result.Document;
        for (int k = 0; k < CaptionCount; ++k) {
            const std::string value =
                ini.ReadString("DISPLAY", CaptionKeys[static_cast<size_t>(k)], "");
            if (value.empty())
                continue;
            int32_t c = 1;
            const int32_t x = NextInt(value, c);
            const int32_t y = NextInt(value, c);
            d.Captions[static_cast<size_t>(k)] = TPoint{x, y};
        }
        const std::string screen = ini.ReadString("DEFINE", "ScreenSize", "");
        if (!screen.empty()) {
            int32_t c = 1;
            const int32_t w = NextInt(screen, c);
            const int32_t h = NextInt(screen, c);
            d.ScreenSize = TPoint{w, h};
        }
    }
};

} // namespace

OpenedCourse ReadCourse(const std::string& bytes)
{
    const brv::IniFile ini = brv::IniFile::FromBytes("", bytes);
    OpenedCourse result;
    CourseDocument& d = result.Document;
    Reader reader{ini, result};

    const std::string size = ini.ReadString("DEFINE", "MapSize", "");
    int32_t c = 1;
    d.Width = NextInt(size, c);
    d.Height = NextInt(size, c);
    if (d.Width < 1 || d.Height < 1) {
        // Without a size, the rows tell it, if there are any.
        const std::vector<std::string> rows = ini.ReadSection("MAP");
        if (rows.empty())
            throw NotACourse("The file holds no course: it has neither a map size nor map rows.");
        d.Height = static_cast<int32_t>(std::min<size_t>(rows.size(), MaxCourseSide + 1));
        d.Width = 0;
        for (int32_t k = 1; k <= d.Height; ++k)
            d.Width = std::max(d.Width, static_cast<int32_t>(std::min<size_t>(
                                            ini.ReadString("MAP", std::to_string(k), "").size(),
                                            MaxCourseSide + 1)));
        if (d.Width < 1)
            throw NotACourse("The file holds no course: its map rows are empty.");
        reader.Problem("map-size", "DEFINE", "MapSize", {}, -1,
                       "The map size is missing or not above zero; the rows give " +
                           std::to_string(d.Width) + "," + std::to_string(d.Height) + ".");
    }
    if (d.Width > MaxCourseSide || d.Height > MaxCourseSide)
        throw NotACourse("The course is larger than " + std::to_string(MaxCourseSide) +
                         " cells on a side.");

    d.Tiles = reader.Rows("MAP", MaskChar(ClosedCell), d.SpareTileRows, "Map");
    d.Dots = reader.Rows("MAPDOT", '.', d.SpareDotRows, "Dot");
    reader.Blocks();
    reader.Starts();
    reader.Display();
    return result;
}
