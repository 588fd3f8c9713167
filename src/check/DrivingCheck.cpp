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

} // namespace

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

} // namespace check_detail
