// SPDX-License-Identifier: GPL-3.0-or-later
// brevanto-sim: checks, plays and draws a course without a window.
#include "Commands.h"
#include "SimSupport.h"

#include "BrevantoBuild.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {
const char* const Usage =
    "usage: brevanto-sim info COURSE.DAT [--tile-size N]\n"
    "       brevanto-sim run COURSE.DAT [--tile-size N] [--ticks N] [--game] [--keys FILE]\n"
    "                    [--move-fast K] [--max-car M] [--hiscore H] [--random-init]\n"
    "                    [--interval MS] [--clock MS] [--trace] [--record FILE]\n"
    "       brevanto-sim render COURSE.DAT OUT.png [--ground FILE.BMP] [--car FILE.BMP]\n"
    "                    [--ticks N] [--clock MS]\n"
    "       brevanto-sim check COURSE.DAT [--ticks N] [--tile-size N]\n"
    "       brevanto-sim verify REPLAY [--course FILE] | verify --dir DIR [--course FILE]\n"
    "       brevanto-sim --version | --help\n";

int RunCommand(const std::string& command, const std::vector<std::string>& args)
{
    if (command == "--version") {
        PrintOut(std::string("brevanto-sim ") + BrevantoVersion + "\n");
        return 0;
    }
    if (command == "--help") {
        PrintOut(Usage);
        return 0;
    }
    if (command == "info")
        return RunInfoCommand(args);
    if (command == "run")
        return RunRunCommand(args);
    if (command == "render")
        return RunRenderCommand(args);
    if (command == "check")
        return RunCheckCommand(args);
    if (command == "verify")
        return RunVerifyCommand(args);
    throw UsageError("unknown subcommand '" + command + "'");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fputs(Usage, stderr);
        return ExitUsage;
    }
    GuardStandardOutput();
    try {
        const int status = RunCommand(argv[1], std::vector<std::string>(argv + 2, argv + argc));
        FinishOutput();
        return status;
    } catch (const UsageError& error) {
        std::fprintf(stderr, "brevanto-sim: %s\n%s", error.what(), Usage);
        return ExitUsage;
    } catch (const OutputError& error) {
        std::fprintf(stderr, "brevanto-sim: %s\n", error.what());
        return ExitOutputError;
    }
}
