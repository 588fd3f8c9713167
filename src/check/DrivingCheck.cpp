// SPDX-License-Identifier: GPL-3.0-or-later
// Where the cars can drive: faults on the way, dots the player never reaches, and lanes that lie
// in no block while pursuing cars steer by blocks.
#include "check/CarReach.h"
#include "check/CheckParts.h"

#include <algorithm>
#include <set>

namespace check_detail {
namespace {
void AddFatal(Findings& out, std::set<std::pair<bool, size_t>>& reported, const TMap& map,
              int32_t entry, const FatalArrival& fatal)
{
    if (!reported.insert({fatal.leftCourse, CellIndex(map, fatal.cell)}).second)
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

// Every dot must lie where the player's car arrives.
void ReportUnreachableDots(const TMap& work, const Reach& player, Findings& out)
{
    for (int32_t y = 1; y <= work.MapHeight; ++y)
        for (int32_t x = 1; x <= work.MapWidth; ++x)
            if (work.DotAt(x, y) == 'O' && !player.arrivedCells[CellIndex(work, {x, y})])
                Add(out, FindingLevel::Error, check_codes::DotUnreachable, {x, y}, 0,
                    "The dot at " + CellText({x, y}) +
                        " lies where the player's car never drives, so the stage can never be "
                        "cleared.");
}

// A car whose block number once becomes 0 keeps it, and pursuing cars compare block numbers.
void ReportLanesOutsideBlocks(const TMap& work, const std::vector<bool>& driven, Findings& out)
{
    std::vector<TPoint> outside;
    bool anyInside = false;
    for (int32_t y = 1; y <= work.MapHeight; ++y) {
        for (int32_t x = 1; x <= work.MapWidth; ++x) {
            if (!driven[CellIndex(work, {x, y})])
                continue;
            if (work.BlockAt({x, y}) == 0)
                outside.push_back({x, y});
            else
                anyInside = true;
        }
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
} // namespace

void CheckDriving(const TMap& work, Findings& out)
{
    if (work.StartNumber < 1 || !EntryOnCourse(work, 0))
        return;
    const Reach player = ExplorePlayer(work);
    std::set<std::pair<bool, size_t>> reported;
    for (const FatalArrival& fatal : player.fatal)
        AddFatal(out, reported, work, 0, fatal);
    ReportUnreachableDots(work, player, out);

    // The computer cars steer by the player's block, so they go where any of its blocks leads.
    std::vector<int32_t> playerBlocks;
    for (const CarState& s : player.states)
        if (std::find(playerBlocks.begin(), playerBlocks.end(), s.block) == playerBlocks.end())
            playerBlocks.push_back(s.block);
    std::vector<bool> driven = player.arrivedCells;
    const auto startCell = [&](int32_t entry) {
        const TRect& s = work.Starts[static_cast<size_t>(entry)];
        return CellIndex(work, {s.Left, s.Top});
    };
    driven[startCell(0)] = true;
    bool pursuers = false;
    ComputerCarStates explored(work);
    for (int32_t entry = 1; entry < work.StartNumber; ++entry) {
        if (!EntryOnCourse(work, entry))
            continue;
        pursuers = pursuers || work.StartKinds[static_cast<size_t>(entry)] == 'P';
        const Reach car = ExploreComputerCar(work, entry, playerBlocks, explored);
        for (const FatalArrival& fatal : car.fatal)
            AddFatal(out, reported, work, entry, fatal);
        for (size_t c = 0; c < driven.size(); ++c)
            if (car.arrivedCells[c])
                driven[c] = true;
        driven[startCell(entry)] = true;
    }
    if (pursuers)
        ReportLanesOutsideBlocks(work, driven, out);
}

} // namespace check_detail
