// SPDX-License-Identifier: GPL-3.0-or-later
#include "replay/ReplayVerify.h"

#include "replay/ReplayPlayer.h"

#include "config/model/HiScoreBook.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "rules/GameRules.h"

#include <memory>

namespace {

bool HoldsCourse(const std::string& path, uint64_t hash)
{
    return brv::FileExists(path) && CourseKeyOf(path).ContentHash == hash;
}

std::string BaseName(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

std::string ReplayCourseFile(const Replay& replay, const std::string& programDir)
{
    if (HoldsCourse(replay.CoursePath, replay.CourseHash))
        return replay.CoursePath;
    const std::string shipped = programDir + BaseName(replay.CoursePath);
    if (!BaseName(replay.CoursePath).empty() && HoldsCourse(shipped, replay.CourseHash))
        return shipped;
    return replay.CoursePath;
}

ReplayVerification VerifyReplay(const Replay& replay, const std::string& courseFile,
                                const std::vector<std::string>& errorTexts)
{
    if (!brv::FileExists(courseFile))
        return {std::nullopt, "the course file " + courseFile + " cannot be read"};
    if (CourseKeyOf(courseFile).ContentHash != replay.CourseHash)
        return {std::nullopt, "the course file " + courseFile +
                                  " holds another course than the one the replay was recorded on"};

    TGameRules rules;
    rules.MapName = courseFile;
    rules.Map = std::make_unique<TMap>(0, 0, 0, false);
    rules.Map->TileSize = replay.TileSize;
    rules.Map->SetErrorTexts(errorTexts);
    try {
        rules.LoadCourse();
    } catch (const CourseError& error) {
        return {std::nullopt, "the course " + courseFile + " is refused: " + error.what()};
    }
    rules.StartPlay();

    ReplayOutcome outcome;
    std::string fault;
    ReplayPlayer player(replay, rules);
    player.Begin();
    while (!player.AllTicksPlayed()) {
        const TickOutcome tick = player.Tick();
        if (tick.GameOver) {
            outcome.Ended = true;
            outcome.Score = tick.GameOver->Score;
            outcome.Stage = tick.GameOver->Stage;
            break;
        }
        if (tick.Fault) {
            fault = "tick " + std::to_string(player.TicksPlayed() - 1) +
                                 ": a car found a fault in the course (" + FaultKindName(tick.Fault->Kind) + ")";
            break;
        }
    }
    outcome.Ticks = player.TicksPlayed();
    // The first tick where the game went another way explains a fault after it.
    outcome.Divergence = player.Divergence().empty() ? fault : player.Divergence();
    if (!outcome.Ended) {
        outcome.Score = rules.MyCar->Score;
        outcome.Stage = rules.MyCar->Stage;
    }
    return {outcome, {}};
}
