// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/model/CourseReader.h"

#include "platform/IniFile.h"

#include <algorithm>

namespace {

using Kind = CourseProblemKind;

std::string Number(size_t n) { return std::to_string(n); }

// Rows 1..height of the document, each made exactly `width` long; rows beyond are kept aside.
std::string FitRows(const std::vector<std::string>& rows, const CourseDocument& d, char fill,
                    std::vector<std::string>& spare)
{
    std::string cells;
    cells.reserve(static_cast<size_t>(d.Width) * static_cast<size_t>(d.Height));
    for (size_t k = 0; k < static_cast<size_t>(d.Height); ++k) {
        std::string row = k < rows.size() ? rows[k] : std::string();
        row.resize(static_cast<size_t>(d.Width), fill);
        cells += row;
    }
    for (size_t k = static_cast<size_t>(d.Height); k < rows.size(); ++k)
        spare.push_back(rows[k]);
    return cells;
}

struct Problems {
    const CourseData& data;
    const CourseDocument& d;
    std::vector<FileProblem>& out;

    void Add(const char* code, const CourseProblem& p, std::string message)
    {
        out.push_back({p.Section, p.Key, p.Cell, p.Entry, std::move(message), code});
    }

    // A row of the course that is not one course wide; a row the file lacks has 0 characters.
    void Row(const CourseProblem& p, int32_t row)
    {
        const bool dots = p.Kind == Kind::DotRow || p.Kind == Kind::DotRowsMissing;
        const std::vector<std::string>& rows = dots ? data.DotRows : data.TileRows;
        const auto index = static_cast<size_t>(row - 1);
        const size_t length = index < rows.size() ? rows[index].size() : 0;
        if (length == static_cast<size_t>(d.Width))
            return;
        const std::string key = Number(static_cast<size_t>(row));
        out.push_back({p.Section, key, {1, row}, -1,
                       std::string(dots ? "Dot" : "Map") + " row " + key + " has " +
                           Number(length) + " characters; the course is " + std::to_string(d.Width) +
                           " wide.",
                       dots ? "dot-row" : "map-row"});
    }

    void StartCount(const CourseProblem& p)
    {
        if (p.Kind == Kind::NoStartNumber && data.StartKeys == 0)
            Add("no-start", p,
                "The course has no start entry, and the game needs one for the player's car: "
                "place it with the Start tool (S).");
        else
            Add("start-number", p,
                "StartNumber (in DEFINE) is " + std::to_string(data.StartNumber) + " but START has " +
                    std::to_string(data.StartKeys) +
                    " Pos keys; the game needs them equal. Saving writes the number of start "
                    "entries the editor shows.");
    }

    void Entry(const CourseProblem& p)
    {
        const CourseStart& s = data.Starts[static_cast<size_t>(p.Entry)];
        if (p.Kind == Kind::StartMissing)
            Add("start-missing", p,
                "Start entry " + p.Key + " is missing: give it a cell in its dialog or delete it "
                "(select this line, then Delete).");
        else if (p.Kind == Kind::StartOffCourse)
            Add("start-off-course", p,
                "Start entry " + p.Key + " at (" + std::to_string(s.Cell.X) + "," +
                    std::to_string(s.Cell.Y) + ") lies off the course of " +
                    std::to_string(d.Width) + " x " + std::to_string(d.Height) +
                    " cells: give it a cell in its dialog or delete it.");
        else
            Add("start-direction", p,
                "Start entry " + p.Key + " has direction " + std::to_string(s.Facing.Code) +
                    "; a car starts facing up (0), right (2), down (4) or left (6): turn it with "
                    "the Start tool.");
    }

    // The editor's wording of each problem. Rows past the course's height are spare rows the
    // editor keeps as they are, and keys the game passes over are no entries of the document.
    void Take(const CourseProblem& p)
    {
        switch (p.Kind) {
        case Kind::MapSize:
            Add("map-size", p,
                "The map size is missing or not above zero; the rows give " +
                    std::to_string(d.Width) + "," + std::to_string(d.Height) + ".");
            break;
        case Kind::MapRow:
        case Kind::DotRow:
            if (p.Cell.Y <= d.Height)
                Row(p, p.Cell.Y);
            break;
        case Kind::MapRowsMissing:
        case Kind::DotRowsMissing:
            for (int32_t row = p.Cell.Y; row <= d.Height; ++row)
                Row(p, row);
            break;
        case Kind::NoStartNumber:
        case Kind::StartCount: StartCount(p); break;
        case Kind::StartMissing:
        case Kind::StartOffCourse:
        case Kind::StartDirection: Entry(p); break;
        case Kind::StartKeyIgnored: break;
        }
    }
};

} // namespace

OpenedCourse OpenParsedCourse(const ParsedCourse& course)
{
    const CourseData& data = course.Data;
    OpenedCourse result;
    CourseDocument& d = result.Document;
    d.Width = data.Width;
    d.Height = data.Height;
    const bool sizedByRows = !course.Problems.empty() && course.Problems[0].Kind == Kind::MapSize;
    if (sizedByRows && d.Height < 1)
        throw NotACourse("The file holds no course: it has neither a map size nor map rows.");
    if (sizedByRows && d.Width < 1)
        throw NotACourse("The file holds no course: its map rows are empty.");
    if (d.Width > MaxCourseSide || d.Height > MaxCourseSide)
        throw NotACourse("The course is larger than " + std::to_string(MaxCourseSide) +
                         " cells on a side.");

    d.Tiles = FitRows(data.TileRows, d, WallMaskCharacter(ClosedCell), d.SpareTileRows);
    d.Dots = FitRows(data.DotRows, d, '.', d.SpareDotRows);
    d.Blocks = data.Blocks;
    d.Path = data.Path;
    d.Starts.reserve(data.Starts.size());
    for (const CourseStart& s : data.Starts)
        d.Starts.push_back(StartPlace::FromCourse(s));
    d.Captions = data.Display;
    d.ScreenSize = data.ScreenSize;

    Problems problems{data, d, result.Problems};
    for (const CourseProblem& p : course.Problems)
        problems.Take(p);
    return result;
}

OpenedCourse ReadCourse(const std::string& bytes)
{
    return OpenParsedCourse(ParseCourse(brv::IniFile::FromBytes("", bytes), BadMapSize::SizedByRows));
}
