// SPDX-License-Identifier: GPL-3.0-or-later
#include "replay/ReplayFolder.h"

#include "config/model/HiScoreText.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"

#include <algorithm>
#include <filesystem>
#include <set>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view Extension = ".replay";

// "YYYYMMDD-HHMMSS-": how every name the game gives begins.
bool NamedByTheGame(const std::string& name)
{
    if (name.size() < 16 + Extension.size() || !name.ends_with(Extension))
        return false;
    for (size_t i = 0; i < 15; ++i)
        if (i == 8 ? name[i] != '-' : (name[i] < '0' || name[i] > '9'))
            return false;
    return name[15] == '-';
}

std::string StampOf(const Replay& replay)
{
    // 2026-12-08T16:05:00Z -> 20261208-160500
    const std::string utc = replay.Played ? FormatUtcTime(*replay.Played) : std::string();
    if (utc.size() != 20)
        return "00000000-000000";
    return utc.substr(0, 4) + utc.substr(5, 2) + utc.substr(8, 2) + "-" + utc.substr(11, 2) +
           utc.substr(14, 2) + utc.substr(17, 2);
}

std::string CourseNameOf(const std::string& path)
{
    std::string name = fs::path(path).stem().string().substr(0, 40);
    for (char& c : name)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
              c == '.' || c == '-' || c == '_'))
            c = '_';
    return name.empty() ? "course" : name;
}

} // namespace

std::string ReplayFolderOf(const std::string& dataDir)
{
    return dataDir.empty() ? std::string() : dataDir + "replays/";
}

std::string ReplayFileNameFor(const Replay& replay)
{
    return StampOf(replay) + "-" + CourseNameOf(replay.CoursePath) + "-" +
           std::to_string(replay.Score) + std::string(Extension);
}

std::string KeepReplay(const Replay& replay, const std::string& folder)
{
    std::error_code ignored; // a folder that cannot be made fails the write, which reports it
    fs::create_directories(folder, ignored);
    const std::string name = ReplayFileNameFor(replay);
    std::string chosen = name;
    // Two games that began in the same second on one course with one score: -2, -3, ...
    for (int n = 2; brv::FileExists(folder + chosen) && n < 1000; ++n)
        chosen = name.substr(0, name.size() - Extension.size()) + "-" + std::to_string(n) +
                 std::string(Extension);
    SaveReplay(replay, folder + chosen);
    return chosen;
}

void PruneReplays(const std::string& folder, const std::vector<std::string>& linked, size_t keep)
{
    const std::set<std::string> links(linked.begin(), linked.end());
    std::vector<std::string> unlinked;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (NamedByTheGame(name) && !links.count(name) && it->is_regular_file(error))
            unlinked.push_back(name);
    }
    if (unlinked.size() <= keep)
        return;
    // Names begin with the time in UTC: their order is the games' order.
    std::sort(unlinked.begin(), unlinked.end());
    for (size_t i = 0; i + keep < unlinked.size(); ++i)
        fs::remove(folder + unlinked[i], error);
}
