// SPDX-License-Identifier: GPL-3.0-or-later
// The demo soak's faults as findings, with the command that replays each.
#include "check/CheckParts.h"
#include "check/DemoSoak.h"

#include <set>

namespace check_detail {
namespace {
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

} // namespace

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
} // namespace check_detail
