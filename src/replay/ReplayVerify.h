// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays a replay without a window, at full speed, and tells whether the game it records ends
// as the file claims.
#include "replay/ReplayFile.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct ReplayOutcome {
    bool Ended = false;  // the game was over by the claimed number of ticks
    int32_t Score = 0;   // at the end, or after the last tick played
    int32_t Stage = 0;
    uint32_t Ticks = 0;  // ticks played
    std::string Divergence; // where the game first went another way than recorded

    // The game ended at the claimed tick with the claimed score and stage, as recorded.
    bool Matches(const Replay& replay) const
    {
        return Ended && Divergence.empty() && Score == replay.Score && Stage == replay.Stage &&
               Ticks == replay.Ticks;
    }
};

// What stops a replay from being played on a course file.
struct ReplayCourseError {
    std::string Message;
};

// Plays `replay` on `courseFile`, which must hold the bytes the replay was recorded on.
// `errorTexts` are the course model's error texts (1..4). Returns the outcome, or the error
// when the course cannot be read, differs from the recorded one, or is refused.
struct ReplayVerification {
    std::optional<ReplayOutcome> Outcome;
    std::string Error;
};
ReplayVerification VerifyReplay(const Replay& replay, const std::string& courseFile,
                                const std::vector<std::string>& errorTexts = {});

// The course file a replay names, for a player who did not choose one: its own path when the
// file there still holds the recorded course, else the file of that name in `programDir`
// (where the shipped courses are), else the path as recorded.
std::string ReplayCourseFile(const Replay& replay, const std::string& programDir);
