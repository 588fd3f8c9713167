// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/CommandLine.h"

const char* const GameUsage =
    "usage: brevanto [OPTION]... [COURSE.DAT]\n"
    "Plays Brevanto. A course file, when given, is opened for this run as File > Load Course\n"
    "would open it, and becomes the course the settings remember.\n"
    "\n"
    "  -h, --help     show this help and exit\n"
    "      --version  show the version and exit\n";

GameCommandLine ParseGameCommandLine(const std::vector<std::string>& arguments)
{
    GameCommandLine line;
    const auto fail = [&line](std::string error) {
        if (line.Error.empty())
            line.Error = std::move(error);
    };
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && (argument == "--help" || argument == "-h")) {
            line.Help = true;
        } else if (!optionsEnded && argument == "--version") {
            line.Version = true;
        } else if (!optionsEnded && argument.size() > 1 && argument[0] == '-') {
            fail("unknown option '" + argument + "'");
        } else if (!line.CourseFile.empty()) {
            fail("more than one course file ('" + line.CourseFile + "', '" + argument + "')");
        } else if (argument.empty()) {
            fail("an empty course file name");
        } else {
            line.CourseFile = argument;
        }
    }
    return line;
}
