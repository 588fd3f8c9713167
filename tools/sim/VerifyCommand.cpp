// SPDX-License-Identifier: GPL-3.0-or-later
// brevanto-sim verify: plays replays without a window and checks the result each one claims.
#include "Commands.h"
#include "SimSupport.h"

#include "platform/Paths.h"
#include "replay/ReplayVerify.h"

#include <algorithm>
#include <filesystem>

namespace {

constexpr int ExitUnreadable = 2;
constexpr int ExitMismatch = 3;

std::string Field(const char* name, int64_t value)
{
    return std::string("\"") + name + "\":" + std::to_string(value);
}

// One replay: its line of JSON on standard output, and its exit status.
int VerifyOne(const std::string& file, const std::string& courseOption)
{
    const std::string head = "{\"file\":" + JsonString(file) + ",";
    const auto unreadable = [&head](const std::string& message) {
        PrintOut(head + "\"error\":{\"code\":" + std::to_string(ExitUnreadable) +
                 ",\"message\":" + JsonString(message) + "}}\n");
        return ExitUnreadable;
    };
    const ReplayReading reading = LoadReplay(file);
    if (!reading.Read)
        return unreadable(reading.Error);
    const Replay& replay = *reading.Read;
    const std::string course =
        courseOption.empty() ? ReplayCourseFile(replay, brv::ProgramDir()) : courseOption;
    const ReplayVerification verified = VerifyReplay(replay, course, LanguageErrorTexts());
    if (!verified.Outcome)
        return unreadable(verified.Error);
    const ReplayOutcome& outcome = *verified.Outcome;
    const bool match = outcome.Matches(replay);
    std::string out = head + "\"course\":" + JsonString(course) + "," +
                      Field("score", outcome.Score) + "," + Field("stage", outcome.Stage) + "," +
                      Field("ticks", outcome.Ticks) + ",\"ended\":" +
                      (outcome.Ended ? "true" : "false") + ",\"claimed\":{" +
                      Field("score", replay.Score) + "," + Field("stage", replay.Stage) + "," +
                      Field("ticks", replay.Ticks) + "},\"match\":" + (match ? "true" : "false");
    if (!outcome.Divergence.empty())
        out += ",\"divergence\":" + JsonString(outcome.Divergence);
    PrintOut(out + "}\n");
    return match ? 0 : ExitMismatch;
}

int VerifyFolder(const std::string& dir, const std::string& courseOption)
{
    namespace fs = std::filesystem;
    std::vector<std::string> files;
    std::error_code error;
    for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
        const fs::path& path = it->path();
        if (path.extension() == ".replay" && it->is_regular_file(error))
            files.push_back(path.string());
    }
    if (error) {
        PrintError(ExitUnreadable, "cannot read the folder " + dir + ": " + error.message());
        return ExitUnreadable;
    }
    std::sort(files.begin(), files.end());
    int matched = 0, mismatched = 0, unreadable = 0;
    for (const std::string& file : files) {
        const int status = VerifyOne(file, courseOption);
        (status == 0 ? matched : status == ExitMismatch ? mismatched : unreadable) += 1;
    }
    PrintOut("{\"summary\":{" + Field("files", static_cast<int64_t>(files.size())) + "," +
             Field("matched", matched) + "," + Field("mismatched", mismatched) + "," +
             Field("unreadable", unreadable) + "}}\n");
    return mismatched ? ExitMismatch : unreadable ? ExitUnreadable : 0;
}

} // namespace

int RunVerifyCommand(const std::vector<std::string>& args)
{
    ArgReader reader(args);
    std::vector<std::string> files;
    std::string course;
    std::string dir;
    while (!reader.Done()) {
        const std::string arg = reader.Next();
        if (arg == "--course")
            course = reader.Value(arg);
        else if (arg == "--dir")
            dir = reader.Value(arg);
        else if (arg.rfind("--", 0) == 0)
            throw UsageError("unknown option for verify: " + arg);
        else
            files.push_back(arg);
    }
    if (dir.empty() ? files.size() != 1 : !files.empty())
        throw UsageError("verify takes one replay file, or --dir with a folder of them");
    return dir.empty() ? VerifyOne(files[0], course) : VerifyFolder(dir, course);
}
