// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the game keeps the replays of its games: the replays folder of the per-user data
// folder. Each game's file is named by when it began, its course and its score; a game with a
// hi-score entry keeps its file for as long as the entry links to it, of the others the newest
// few are kept.
#include "replay/ReplayFile.h"

#include <cstddef>
#include <string>
#include <vector>

// The replays folder of a data folder ending in "/" (empty stays empty); ends in "/".
std::string ReplayFolderOf(const std::string& dataDir);

// "20261208-160500-COURSE1-1230.replay": the start in UTC, the course file's name without its
// extension (letters, digits, '.', '-' and '_' kept, anything else '_'), the score.
std::string ReplayFileNameFor(const Replay& replay);

// Writes the replay atomically into `folder` (made when missing) under a name of its own and
// returns that name. Throws brv::IniWriteError when it cannot be written.
std::string KeepReplay(const Replay& replay, const std::string& folder);

// Removes the files the game named in `folder`, beyond the newest `keep` of them, that no entry
// links to (`linked`: file names). Files the game did not name are never touched.
void PruneReplays(const std::string& folder, const std::vector<std::string>& linked, size_t keep);

inline constexpr size_t KeptUnlinkedReplays = 20;
