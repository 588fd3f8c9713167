// SPDX-License-Identifier: GPL-3.0-or-later
// The checker's whole run: the grid, the blocks and the captions as drawn, then where each car
// can drive, then the demo played for a while.
#include "check/CourseCheck.h"

#include "check/CheckParts.h"
#include "platform/IniFile.h"

#include <algorithm>

namespace check_detail {

std::string CellText(TPoint cell)
{
    return "(" + std::to_string(cell.X) + "," + std::to_string(cell.Y) + ")";
}

void Add(Findings& out, FindingLevel level, const char* code, TPoint cell, int32_t entry,
         std::string message)
{
    CourseFinding finding;
    finding.Level = level;
    finding.Code = code;
    finding.Cell = cell;
    finding.Entry = entry;
    finding.Message = std::move(message);
    out.push_back(std::move(finding));
}

std::string CarName(int32_t entry)
{
    return entry == 0 ? std::string("the player's car")
                      : "computer car " + std::to_string(entry) + " (Pos" +
                            std::to_string(entry) + ")";
}

CourseStart StartOf(const TMap& map, int32_t entry)
{
    const auto k = static_cast<size_t>(entry);
    if (entry < 0 || k >= map.Starts.size() || k >= map.StartSides.size() ||
        k >= map.StartKinds.size())
        return {};
    return CourseStart::FromRecord(map.Starts[k], map.StartSides[k], map.StartKinds[k]);
}

bool EntryOnCourse(const TMap& map, int32_t entry)
{
    return StartOf(map, entry).FitsCourse(map.MapWidth, map.MapHeight);
}

namespace {
// A copy the parts can read without bounds checks: grids as long as the course (missing cells
// closed, without dots) and as many start entries as every list has. An editor's document may
// be caught halfway through a change.
TMap WorkingCopy(const TMap& map, Findings& out)
{
    TMap work = map;
    const size_t cells = static_cast<size_t>(map.MapWidth) * static_cast<size_t>(map.MapHeight);
    if (work.Tiles.size() < cells)
        work.Tiles.resize(cells, 'F');
    if (work.Dots.size() < cells)
        work.Dots.resize(cells, '.');
    const size_t entries = std::min({work.Starts.size(), work.StartKinds.size(),
                                     work.StartSides.size()});
    if (map.StartNumber < 0 || static_cast<size_t>(map.StartNumber) != entries)
        Add(out, FindingLevel::Warning, check_codes::StartNumberMismatch, {0, 0}, -1,
            "StartNumber is " + std::to_string(map.StartNumber) + " but " +
                std::to_string(entries) + " start entries are given.");
    work.StartNumber = static_cast<int32_t>(
        std::min<size_t>(entries, static_cast<size_t>(std::max(map.StartNumber, 0))));
    work.Starts.resize(static_cast<size_t>(work.StartNumber));
    work.StartKinds.resize(static_cast<size_t>(work.StartNumber));
    work.StartSides.resize(static_cast<size_t>(work.StartNumber));
    return work;
}

} // namespace
} // namespace check_detail

using namespace check_detail;

std::vector<CourseFinding> CheckCourse(const TMap& map, const CheckOptions& options)
{
    Findings out;
    if (map.MapWidth < 1 || map.MapHeight < 1)
        return out;
    CheckOptions used = options;
    // A tile no larger than a whole field: the speeds are the tile size's divisors.
    used.TileSize = static_cast<int32_t>(std::clamp<int64_t>(options.TileSize, 2, MaxFieldPixels));
    const TMap work = WorkingCopy(map, out);
    CheckWalls(work, out);
    CheckBlocks(work, out);
    CheckCaptions(work, used.TileSize, out);
    CheckField(work, out);
    CheckStarts(work, out);
    CheckDriving(work, out);
    CheckDemo(work, used, out);
    std::stable_partition(out.begin(), out.end(),
                          [](const CourseFinding& f) { return f.Level == FindingLevel::Error; });
    return out;
}

std::vector<CourseFinding> CheckCourseFile(const TMap& map, const CheckOptions& options)
{
    return CheckCourseFile(map, brv::IniFile(options.CourseFile), options);
}

std::vector<CourseFinding> CheckCourseFile(const TMap& map, const brv::IniFile& file,
                                           const CheckOptions& options)
{
    return CheckCourseFile(map, ParseCourse(file), options);
}

std::vector<CourseFinding> CheckCourseFile(const TMap& map, const ParsedCourse& course,
                                           const CheckOptions& options)
{
    Findings out = CheckCourse(map, options);
    // The loader reads Pos0 .. Pos(StartNumber - 1) and counts only keys with a value, so an
    // empty Pos key, or one past the last entry, passes unnoticed.
    for (const CourseProblem& problem : course.Problems) {
        if (problem.Kind != CourseProblemKind::StartKeyIgnored)
            continue;
        Add(out, FindingLevel::Warning, check_codes::StartNumberMismatch, {0, 0}, problem.Entry,
            "START has " + problem.Key + " but StartNumber is " +
                std::to_string(course.Data.StartNumber) + ", so that car never takes part.");
    }
    return out;
}
