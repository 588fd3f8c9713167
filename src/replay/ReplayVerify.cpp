#include "replay/ReplayVerify.h"

#include "replay/ReplayPlayer.h"

#include "config/model/HiScoreBook.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "rules/GameRules.h"
#include "rules/HeadlessHost.h"

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

    HeadlessHost host;
    TGameRules rules(host);
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
    {
        ReplayPlayer player(replay, rules, [&host](int32_t interval) { host.Interval = interval; });
        player.Begin();
        while (!player.AllTicksPlayed() && host.GamesOver.empty() && !host.Closed)
            player.Tick();
        // A course fault stops play in the middle of a tick, which then never finishes.
        if (host.Closed)
            TickDepth = 0;
        outcome.Ticks = player.TicksPlayed();
        outcome.Divergence = player.Divergence();
    }
    if (!host.GamesOver.empty()) {
        outcome.Ended = true;
        outcome.Score = host.GamesOver.front().Score;
        outcome.Stage = host.GamesOver.front().Stage;
    } else {
        outcome.Score = rules.MyCar->Score;
        outcome.Stage = rules.MyCar->Stage;
    }
    return {outcome, {}};
}
