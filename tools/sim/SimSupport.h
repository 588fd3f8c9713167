// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the simulator's subcommands share: a headless host for the rules, start-up as the
// window does it, JSON output and the usual usage errors.
#include "rules/GameRules.h"
#include "rules/HeadlessHost.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A usage error: exit status 64 with the message on standard error.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Standard output could not be written (a full disk, a closed descriptor): exit status 74 with
// the message on standard error.
class OutputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
inline constexpr int ExitOutputError = 74;

// The most ticks run, render and check play: at 50 ms a tick, about 58 days of play.
inline constexpr int64_t MaxTicks = 100'000'000;
// The largest key script read (a line per key press).
inline constexpr size_t MaxKeyScriptBytes = size_t{16} << 20;

// One piece of output on standard output, checked: throws OutputError when it cannot be written.
void PrintOut(std::string_view text);
// Before the first output: a standard output that is closed is taken by /dev/null for the time
// being, so no file the command opens gets its descriptor, and PrintOut reports it closed.
void GuardStandardOutput();
// After the last output: flushes and closes standard output, throwing OutputError on failure.
void FinishOutput();

// The options that set up a game as the window's start-up does.
struct GameOptions {
    int32_t MoveFast = 1;
    int32_t MaxCar = 3;
    int32_t HiScore = 0;
    bool RandomInit = false;
    int32_t Interval = 50;
    uint32_t Clock = 0; // millisecond of the day every seeding reads
    bool NewGame = false;
};

struct SimGame {
    HeadlessHost Host;
    TGameRules Rules;
};

// Loads the course into `map` and starts play as the window does (demo, no start wait); with
// NewGame, issues the New command after. Throws CourseError for a rejected course.
std::unique_ptr<SimGame> StartGame(const std::string& courseFile, std::unique_ptr<TMap> map,
                                   const GameOptions& options);

// The course error texts: those of the first language of LANGUAGE.INI beside the program.
std::vector<std::string> LanguageErrorTexts();
// {"error":{"code":K,"message":"..."}} on standard output.
void PrintError(int code, const std::string& message);
// Loads the course with the language's error texts; a refused course prints its error object
// and gives false.
bool LoadCourseOrReport(TMap& map, const std::string& courseFile);
// The same, giving the parse the course was loaded from; nothing when it was refused.
std::optional<ParsedCourse> LoadParsedCourseOrReport(TMap& map, const std::string& courseFile);

std::string JsonString(std::string_view bytes);
// A one-letter JSON string ("L", "P" ...).
inline std::string JsonLetter(char c) { return JsonString(std::string(1, c)); }

// Option values: whole decimal numbers in [min, max], else a UsageError.
int64_t ParseIntegerOption(const std::string& option, const std::string& value, int64_t min,
                           int64_t max);
inline int32_t ParseInt32Option(const std::string& option, const std::string& value, int64_t min,
                                int64_t max)
{
    return static_cast<int32_t>(ParseIntegerOption(option, value, min, max));
}

// A course model with the given tile size and no sheets (nothing is drawn).
TMap SimMap(int32_t tileSize);

// Walks the arguments of a subcommand: options with or without a value, and positionals.
class ArgReader {
public:
    explicit ArgReader(const std::vector<std::string>& args) : args_(args) {}
    bool Done() const { return index_ >= args_.size(); }
    const std::string& Peek() const { return args_[index_]; }
    std::string Next() { return args_[index_++]; }
    std::string Value(const std::string& option); // the value after an option, or UsageError

private:
    const std::vector<std::string>& args_;
    size_t index_ = 0;
};
