// SPDX-License-Identifier: GPL-3.0-or-later
// brevanto-sim run: plays a course tick by tick without a window and prints the state.
#include "Commands.h"
#include "SimSupport.h"

#include "config/model/HiScoreBook.h"
#include "platform/IniFile.h"
#include "platform/WholeFileRead.h"
#include "platform/Wrap.h"
#include "replay/ReplayRecorder.h"

#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>

namespace {
struct KeyScript {
    std::multimap<int64_t, std::string> keys; // tick -> key name, in file order per tick
};

std::string Lower(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

bool IsKeyName(const std::string& key)
{
    static const char* const names[] = {"up", "right", "down", "left", "kp8",
                                        "kp6", "kp2", "kp4", "z", "x"};
    for (const char* name : names)
        if (key == name)
            return true;
    return false;
}

KeyScript ReadKeyScript(const std::string& fileName, int64_t ticks)
{
    // Read as the game reads its files: a FIFO or a device is refused rather than waited on or
    // read without end, and so is a script beyond the size limit.
    const brv::WholeFile file = brv::ReadWholeFile(fileName, MaxKeyScriptBytes);
    if (!file.Ok())
        throw UsageError("cannot read the key script " + fileName + ": " + file.Problem());
    KeyScript script;
    std::istringstream in(file.Bytes);
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        line = line.substr(0, line.find('#'));
        std::istringstream fields(line);
        std::string tick, key, extra;
        if (!(fields >> tick))
            continue;
        const std::string where = fileName + ":" + std::to_string(lineNumber);
        if (!(fields >> key) || (fields >> extra))
            throw UsageError(where + ": a key line is \"TICK KEY\"");
        const int64_t t = ParseIntegerOption(where + " tick", tick, INT64_MIN / 2, INT64_MAX / 2);
        key = Lower(key);
        if (!IsKeyName(key))
            throw UsageError(where + ": unknown key '" + key + "'");
        if (t >= 1 && t <= ticks)
            script.keys.emplace(t, key);
    }
    return script;
}

void PressKey(TGameRules& rules, const std::string& key)
{
    if (key == "up" || key == "kp8")
        rules.KeyDirection(0);
    else if (key == "right" || key == "kp6")
        rules.KeyDirection(2);
    else if (key == "down" || key == "kp2")
        rules.KeyDirection(4);
    else if (key == "left" || key == "kp4")
        rules.KeyDirection(6);
    else if (key == "z")
        rules.KeyToggleDoubleSpeed();
    else if (key == "x")
        rules.KeyToggleStop();
}

std::string CarFields(const TCar& car)
{
    return "\"x\":" + std::to_string(car.Position.X) + ",\"y\":" + std::to_string(car.Position.Y) +
           ",\"dir\":" + std::to_string(car.Direction) +
           ",\"turn\":" + std::to_string(car.TurnDirection) +
           ",\"lane\":" + std::to_string(car.Lane) + ",\"block\":" + std::to_string(car.Block) +
           ",\"side\":" + JsonLetter(car.Side) + ",\"kind\":" + JsonLetter(car.Kind) +
           ",\"progress\":" + std::to_string(car.Progress) +
           ",\"speed\":" + std::to_string(car.Speed);
}

void PrintState(int64_t tick, const SimGame& game)
{
    const TGameRules& rules = game.Rules;
    const TMyCar& player = *rules.MyCar;
    const auto flag = [](bool b) { return b ? "true" : "false"; };
    std::string out = "{\"tick\":" + std::to_string(tick) + ",\"demo\":" + flag(rules.Demo) +
                      ",\"stage\":" + std::to_string(player.Stage) +
                      ",\"score\":" + std::to_string(player.Score) +
                      ",\"rest\":" + std::to_string(player.Rest) +
                      ",\"hiscore\":" + std::to_string(rules.HiScore) +
                      ",\"start_wait\":" + std::to_string(rules.StartWait) +
                      ",\"active_cars\":" + std::to_string(rules.ActiveCars) +
                      ",\"dots_eaten\":" + std::to_string(rules.Map->DotsEaten) +
                      ",\"dot_total\":" + std::to_string(rules.Map->DotTotal) +
                      ",\"fatal\":" + flag(game.Host.Closed) + ",\"player\":{" +
                      CarFields(player) + ",\"want\":" + std::to_string(player.WantDirection) +
                      ",\"speed_mode\":" + std::to_string(player.SpeedMode) + "},\"cars\":[";
    for (int32_t i = 0; i < rules.ActiveCars; ++i)
        out += (i ? ",{" : "{") + CarFields(*rules.Cars[static_cast<size_t>(i)]) + "}";
    out += "]";
    if (const std::optional<CourseFault>& fault = game.Host.Fault)
        out += ",\"fault\":{\"kind\":" + JsonString(FaultKindName(fault->Kind)) +
               ",\"car\":" + std::to_string(fault->Car) + ",\"x\":" + std::to_string(fault->Cell.X) +
               ",\"y\":" + std::to_string(fault->Cell.Y) + "}";
    out += "}\n";
    PrintOut(out);
}
} // namespace

int RunRunCommand(const std::vector<std::string>& args)
{
    ArgReader reader(args);
    std::vector<std::string> courses;
    GameOptions options;
    int32_t tileSize = 24;
    int64_t ticks = 1000;
    std::string keysFile;
    bool trace = false;
    std::string recordFile;
    while (!reader.Done()) {
        const std::string arg = reader.Next();
        if (arg == "--tile-size")
            tileSize = ParseInt32Option(arg, reader.Value(arg), 2, INT32_MAX);
        else if (arg == "--ticks")
            ticks = ParseIntegerOption(arg, reader.Value(arg), 0, MaxTicks);
        else if (arg == "--game")
            options.NewGame = true;
        else if (arg == "--keys")
            keysFile = reader.Value(arg);
        else if (arg == "--move-fast")
            options.MoveFast = ParseInt32Option(arg, reader.Value(arg), INT32_MIN, INT32_MAX);
        else if (arg == "--max-car")
            options.MaxCar = ParseInt32Option(arg, reader.Value(arg), INT32_MIN, INT32_MAX);
        else if (arg == "--hiscore")
            options.HiScore = ParseInt32Option(arg, reader.Value(arg), INT32_MIN, INT32_MAX);
        else if (arg == "--random-init")
            options.RandomInit = true;
        else if (arg == "--interval")
            options.Interval = ParseInt32Option(arg, reader.Value(arg), INT32_MIN, INT32_MAX);
        else if (arg == "--clock")
            options.Clock = static_cast<uint32_t>(ParseIntegerOption(arg, reader.Value(arg), 0, 86399999));
        else if (arg == "--trace")
            trace = true;
        else if (arg == "--record")
            recordFile = reader.Value(arg);
        else if (arg.rfind("--", 0) == 0)
            throw UsageError("unknown option for run: " + arg);
        else
            courses.push_back(arg);
    }
    if (courses.size() != 1)
        throw UsageError("run takes exactly one course file");
    if (!recordFile.empty() && !options.NewGame)
        throw UsageError("--record records a game: it needs --game");
    const KeyScript script = keysFile.empty() ? KeyScript{} : ReadKeyScript(keysFile, ticks);

    std::unique_ptr<SimGame> game;
    try {
        game = StartGame(courses[0], std::make_unique<TMap>(SimMap(tileSize)), options);
    } catch (const CourseError& error) {
        PrintError(error.Number, error.what());
        return 2;
    }

    ReplayRecorder recorder;
    if (!recordFile.empty()) {
        const std::string course = std::filesystem::absolute(courses[0]).string();
        recorder.Start(game->Rules, course, CourseKeyOf(course).ContentHash, std::nullopt);
    }

    if (ticks == 0)
        PrintState(0, *game);
    for (int64_t tick = 1; tick <= ticks; ++tick) {
        const auto [first, last] = script.keys.equal_range(tick);
        for (auto it = first; it != last; ++it)
            PressKey(game->Rules, it->second);
        recorder.BeforeTick(game->Rules);
        const TickOutcome outcome = game->Host.Tick(game->Rules);
        recorder.AfterTick(game->Rules);
        if (recorder.Recording() && outcome.GameOver) {
            try {
                if (const std::optional<Replay> replay =
                        recorder.Finish(outcome.GameOver->Score, outcome.GameOver->Stage))
                    SaveReplay(*replay, recordFile);
            } catch (const brv::IniWriteError& error) {
                std::fprintf(stderr, "brevanto-sim: %s\n", error.what());
                return 1;
            }
        }
        if (game->Host.Closed) {
            PrintState(tick, *game);
            return 3;
        }
        if (trace || tick == ticks)
            PrintState(tick, *game);
    }
    if (recorder.Recording()) {
        std::fprintf(stderr, "brevanto-sim: the game did not end within %lld ticks: no replay written\n",
                     static_cast<long long>(ticks));
        return 1;
    }
    return 0;
}
