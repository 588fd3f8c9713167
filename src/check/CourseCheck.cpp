// The checker's whole run: the grid, the blocks and the captions as drawn, then where each car
// can drive, then the demo played for a while.
#include "check/CourseCheck.h"

#include "check/CarReach.h"
#include "check/CheckParts.h"
#include "check/DemoSoak.h"
#include "platform/IniFile.h"

#include <algorithm>
#include <set>

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

namespace {
std::string CarName(int32_t entry)
{
    return entry == 0 ? std::string("the player's car")
                      : "computer car " + std::to_string(entry) + " (Pos" +
                            std::to_string(entry) + ")";
}

bool EntryOnCourse(const TMap& map, int32_t entry)
{
    const TRect s = map.Starts[static_cast<size_t>(entry)];
    return !map.IsOutside({s.Left, s.Top}) &&
           (s.Right == 0 || s.Right == 2 || s.Right == 4 || s.Right == 6);
}

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

void AddFatal(Findings& out, std::set<std::pair<bool, size_t>>& reported, const TMap& map,
              int32_t entry, const FatalArrival& fatal)
{
    const size_t cell = static_cast<size_t>(fatal.cell.Y) * static_cast<size_t>(map.MapWidth + 1) +
                        static_cast<size_t>(fatal.cell.X);
    if (!reported.insert({fatal.leftCourse, cell}).second)
        return;
    const std::string steps = std::to_string(fatal.route.size() - 1);
    Add(out, FindingLevel::Error,
        fatal.leftCourse ? check_codes::CarLeavesCourse : check_codes::DeadEnd, fatal.cell, entry,
        fatal.leftCourse
            ? "Starting from Pos" + std::to_string(entry) + ", " + CarName(entry) +
                  " can drive off the course from " + CellText(fatal.cell) + " after " + steps +
                  " cells, which ends the game with a course error."
            : "Starting from Pos" + std::to_string(entry) + ", " + CarName(entry) +
                  " can run into " + CellText(fatal.cell) +
                  ", closed ahead and on both sides, after " + steps +
                  " cells, which ends the game with a course error.");
    out.back().Route = fatal.route;
}

// Where the cars can drive: faults on the way, dots the player never reaches, and lanes that
// lie in no block while pursuing cars steer by blocks.
void CheckDriving(const TMap& work, Findings& out)
{
    if (work.StartNumber < 1 || !EntryOnCourse(work, 0))
        return;
    const Reach player = ExplorePlayer(work);
    std::set<std::pair<bool, size_t>> reported;
    for (const FatalArrival& fatal : player.fatal)
        AddFatal(out, reported, work, 0, fatal);

    std::vector<bool> driven = player.arrivedCells;
    std::vector<int32_t> playerBlocks;
    for (const CarState& s : player.states)
        if (std::find(playerBlocks.begin(), playerBlocks.end(), s.block) == playerBlocks.end())
            playerBlocks.push_back(s.block);
    bool pursuers = false;
    const auto mark = [&](TPoint cell) {
        driven[static_cast<size_t>(cell.Y - 1) * static_cast<size_t>(work.MapWidth) +
               static_cast<size_t>(cell.X - 1)] = true;
    };
    mark({work.Starts[0].Left, work.Starts[0].Top});
    for (int32_t entry = 1; entry < work.StartNumber; ++entry) {
        if (!EntryOnCourse(work, entry))
            continue;
        pursuers = pursuers || work.StartKinds[static_cast<size_t>(entry)] == 'P';
        const Reach car = ExploreComputerCar(work, entry, playerBlocks);
        for (const FatalArrival& fatal : car.fatal)
            AddFatal(out, reported, work, entry, fatal);
        for (size_t c = 0; c < driven.size(); ++c)
            if (car.arrivedCells[c])
                driven[c] = true;
        mark({work.Starts[static_cast<size_t>(entry)].Left,
              work.Starts[static_cast<size_t>(entry)].Top});
    }

    for (int32_t y = 1; y <= work.MapHeight; ++y)
        for (int32_t x = 1; x <= work.MapWidth; ++x)
            if (work.DotAt(x, y) == 'O' &&
                !player.arrivedCells[static_cast<size_t>(y - 1) * static_cast<size_t>(work.MapWidth) +
                                     static_cast<size_t>(x - 1)])
                Add(out, FindingLevel::Error, check_codes::DotUnreachable, {x, y}, 0,
                    "The dot at " + CellText({x, y}) +
                        " lies where the player's car never drives, so the stage can never be "
                        "cleared.");

    if (!pursuers)
        return;
    std::vector<TPoint> outside;
    bool anyInside = false;
    for (int32_t y = 1; y <= work.MapHeight; ++y)
        for (int32_t x = 1; x <= work.MapWidth; ++x)
            if (driven[static_cast<size_t>(y - 1) * static_cast<size_t>(work.MapWidth) +
                       static_cast<size_t>(x - 1)]) {
                if (work.BlockAt({x, y}) == 0)
                    outside.push_back({x, y});
                else
                    anyInside = true;
            }
    if (!outside.empty() && !anyInside) {
        Add(out, FindingLevel::Warning, check_codes::LaneOutsideBlocks, {0, 0}, -1,
            "No block holds a lane, so the pursuing cars cannot tell where the player is and "
            "only follow the player's lane number.");
        return;
    }
    for (const TPoint cell : outside)
        Add(out, FindingLevel::Warning, check_codes::LaneOutsideBlocks, cell, -1,
            "The lane cell " + CellText(cell) +
                " lies in no block; a car that drives through it stops tracking blocks, which "
                "spoils the pursuit.");
}

std::string ShellWord(const std::string& word)
{
    if (!word.empty() && word.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                                "0123456789_-./+:=") == std::string::npos)
        return word;
    std::string quoted = "'";
    for (const char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

void CheckDemo(const TMap& work, const CheckOptions& options, Findings& out)
{
    if (options.Ticks <= 0 || work.StartNumber < 1)
        return;
    for (int32_t entry = 0; entry < work.StartNumber; ++entry)
        if (!EntryOnCourse(work, entry))
            return;
    std::set<std::pair<bool, std::pair<int32_t, int32_t>>> reported;
    for (const uint32_t clock : SoakClocks) {
        const auto fault = SoakDemo(work, options.TileSize, options.Ticks, clock);
        if (!fault || !reported.insert({fault->leftCourse, {fault->cell.X, fault->cell.Y}}).second)
            continue;
        std::string repro = "brevanto-sim run " +
                            ShellWord(options.CourseFile.empty() ? "COURSE.DAT" : options.CourseFile) +
                            " --ticks " + std::to_string(fault->tick) + " --clock " +
                            std::to_string(clock);
        if (options.TileSize != 24)
            repro += " --tile-size " + std::to_string(options.TileSize);
        Add(out, FindingLevel::Error, check_codes::DemoFatal, fault->cell, fault->entry,
            "The demo ends in a course error at tick " + std::to_string(fault->tick) +
                " (clock " + std::to_string(clock) + " ms): " + CarName(fault->entry) +
                (fault->leftCourse ? " drives off the course from "
                                   : " runs into the dead end at ") +
                CellText(fault->cell) + ".");
        out.back().Tick = fault->tick;
        out.back().Repro = repro;
    }
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
    used.TileSize = std::max(options.TileSize, 2);
    const TMap work = WorkingCopy(map, out);
    CheckWalls(work, out);
    CheckBlocks(work, out);
    CheckCaptions(work, used.TileSize, out);
    CheckDriving(work, out);
    CheckDemo(work, used, out);
    std::stable_partition(out.begin(), out.end(),
                          [](const CourseFinding& f) { return f.Level == FindingLevel::Error; });
    return out;
}

std::vector<CourseFinding> CheckCourseFile(const TMap& map, const CheckOptions& options)
{
    Findings out = CheckCourse(map, options);
    // The loader reads Pos0 .. Pos(StartNumber - 1) and counts only keys with a value, so an
    // empty Pos key, or one past the last entry, passes unnoticed.
    const brv::IniFile file(options.CourseFile);
    const std::string absent(1, '\0');
    for (int32_t k = std::max(map.StartNumber, 0); k < std::max(map.StartNumber, 0) + 100; ++k) {
        const std::string key = "Pos" + std::to_string(k);
        if (file.ReadString("START", key, absent) == absent)
            continue;
        Add(out, FindingLevel::Warning, check_codes::StartNumberMismatch, {0, 0}, k,
            "START has " + key + " but StartNumber is " + std::to_string(map.StartNumber) +
                ", so that car never takes part.");
    }
    return out;
}
