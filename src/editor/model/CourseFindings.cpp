// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/model/CourseFindings.h"

#include "editor/model/CourseReader.h"
#include "editor/model/CourseWriter.h"
#include "platform/IniFile.h"

#include <algorithm>
#include <map>

namespace {

// Causes first: a car's way off the course or into a dead end, then cars that meet, then what
// the field hides, then the Path, the demo, and last the dots those leave out of reach.
int CauseRank(const std::string& code)
{
    static const char* const order[] = {
        check_codes::CarLeavesCourse,  check_codes::DeadEnd,          check_codes::StartsShareCell,
        check_codes::StartsCollide,    check_codes::StartOutsideField, check_codes::LaneOutsideField,
        check_codes::PathUnknownBlock, check_codes::DemoFatal,        check_codes::DotUnreachable};
    for (size_t k = 0; k < std::size(order); ++k)
        if (code == order[k])
            return static_cast<int>(k);
    return static_cast<int>(std::size(order));
}

EditorFinding Finding(bool error, std::string code, TPoint cell, int32_t entry, std::string message)
{
    EditorFinding f;
    f.Error = error;
    f.Code = std::move(code);
    f.Cell = cell;
    f.Entry = entry;
    f.Message = std::move(message);
    return f;
}

std::string CellText(TPoint cell)
{
    return "(" + std::to_string(cell.X) + "," + std::to_string(cell.Y) + ")";
}

// Cells of `code` findings that touch side by side form one region, listed in reading order.
std::vector<std::vector<TPoint>> Regions(const std::vector<CourseFinding>& findings, const char* code)
{
    std::map<std::pair<int32_t, int32_t>, bool> cells; // (row, column) -> taken into a region
    for (const CourseFinding& f : findings)
        if (f.Code == code && f.Cell != TPoint{0, 0})
            cells[{f.Cell.Y, f.Cell.X}] = false;
    std::vector<std::vector<TPoint>> regions;
    for (auto& [at, taken] : cells) {
        if (taken)
            continue;
        std::vector<TPoint> region;
        std::vector<std::pair<int32_t, int32_t>> todo{at};
        taken = true;
        while (!todo.empty()) {
            const auto [y, x] = todo.back();
            todo.pop_back();
            region.push_back({x, y});
            for (const auto& next : {std::pair{y - 1, x}, std::pair{y + 1, x}, std::pair{y, x - 1},
                                     std::pair{y, x + 1}}) {
                const auto found = cells.find(next);
                if (found != cells.end() && !found->second) {
                    found->second = true;
                    todo.push_back(next);
                }
            }
        }
        std::sort(region.begin(), region.end(),
                  [](TPoint a, TPoint b) { return a.Y != b.Y ? a.Y < b.Y : a.X < b.X; });
        regions.push_back(std::move(region));
    }
    return regions;
}

EditorFinding FromChecker(const CourseFinding& f)
{
    EditorFinding e = Finding(f.Level == FindingLevel::Error, f.Code, f.Cell, f.Entry, f.Message);
    e.Cells = f.Route;
    e.Count = f.Route.empty() || f.Code != check_codes::LaneOutsideField
                  ? 1
                  : static_cast<int32_t>(f.Route.size());
    return e;
}

} // namespace

std::vector<EditorFinding> GroupFindings(const std::vector<CourseFinding>& findings)
{
    std::vector<EditorFinding> out;
    // Each code whose findings come one per cell: the text of a region of them.
    struct Grouped {
        const char* code;
        std::string (*text)(size_t count, TPoint first);
    };
    const Grouped grouped[] = {
        {check_codes::DotUnreachable,
         [](size_t count, TPoint first) {
             return std::to_string(count) + " dots from " + CellText(first) +
                    " on lie where the player's car never drives, so the stage can never be "
                    "cleared: open a lane to them or take them away.";
         }},
        {check_codes::LaneOutsideBlocks,
         [](size_t count, TPoint first) {
             return std::to_string(count) + " lane cells from " + CellText(first) +
                    " on lie in no block; a car that drives through them stops tracking blocks, "
                    "which spoils the pursuit: draw a block over them.";
         }},
    };
    for (const CourseFinding& f : findings) {
        const bool isGrouped = std::any_of(std::begin(grouped), std::end(grouped), [&](const Grouped& g) {
            return f.Code == g.code && f.Cell != TPoint{0, 0};
        });
        if (!isGrouped)
            out.push_back(FromChecker(f));
    }
    for (const Grouped& g : grouped) {
        const auto first = std::find_if(findings.begin(), findings.end(),
                                        [&](const CourseFinding& f) { return f.Code == g.code; });
        if (first == findings.end())
            continue;
        for (const std::vector<TPoint>& region : Regions(findings, g.code)) {
            EditorFinding e = Finding(first->Level == FindingLevel::Error, g.code, region.front(),
                                      first->Entry, "");
            if (region.size() == 1) {
                // One cell says it best in the checker's own words.
                for (const CourseFinding& f : findings)
                    if (f.Code == g.code && f.Cell == region.front())
                        e.Message = f.Message;
            } else {
                e.Message = g.text(region.size(), region.front());
            }
            e.Count = static_cast<int32_t>(region.size());
            e.Cells = region;
            out.push_back(std::move(e));
        }
    }
    std::stable_sort(out.begin(), out.end(), [](const EditorFinding& a, const EditorFinding& b) {
        if (a.Error != b.Error)
            return a.Error;
        return CauseRank(a.Code) < CauseRank(b.Code);
    });
    return out;
}

CourseAnalysis AnalyseCourse(const std::string& bytes, int32_t soakTicks)
{
    return AnalyseParsedCourse(
        ParseCourse(brv::IniFile::FromBytes("", bytes), BadMapSize::SizedByRows), soakTicks);
}

CourseAnalysis AnalyseParsedCourse(const ParsedCourse& course, int32_t soakTicks)
{
    CourseAnalysis analysis;
    // The checker's cars move on 24-pixel tiles with 20-pixel sprites, as the shipped sheets.
    TMap map(96, 60, 60, false);
    analysis.Verdict = LoaderVerdict(course, map, {}, &analysis.VerdictError);
    try {
        for (const FileProblem& p : OpenParsedCourse(course).Problems)
            analysis.Findings.push_back(Finding(true, "loader-" + p.Code, p.Cell, p.Entry, p.Message));
    } catch (const NotACourse& error) {
        analysis.Findings.push_back(Finding(true, "loader-not-a-course", {}, -1, error.what()));
    }
    if (!analysis.Verdict.empty() && analysis.Findings.empty())
        analysis.Findings.push_back(Finding(true, "loader", {}, -1, analysis.Verdict));
    if (analysis.Verdict.empty()) {
        CheckOptions options;
        options.Ticks = soakTicks;
        for (EditorFinding& f : GroupFindings(CheckCourse(map, options)))
            analysis.Findings.push_back(std::move(f));
        analysis.Checked = true;
    }
    return analysis;
}
