// SPDX-License-Identifier: GPL-3.0-or-later
// brevanto-sim check: what can go wrong in a course, one JSON line per finding, then a summary.
#include "Commands.h"
#include "SimSupport.h"

#include "check/CourseCheck.h"

#include <optional>
#include <string>

namespace {
std::string Cell(TPoint p) { return "[" + std::to_string(p.X) + "," + std::to_string(p.Y) + "]"; }

void PrintFinding(const CourseFinding& f)
{
    std::string out = "{\"level\":";
    out += f.Level == FindingLevel::Error ? "\"error\"" : "\"warning\"";
    out += ",\"code\":" + JsonString(f.Code) + ",\"cell\":" + Cell(f.Cell) +
           ",\"entry\":" + std::to_string(f.Entry) + ",\"message\":" + JsonString(f.Message);
    if (!f.Route.empty()) {
        out += ",\"route\":[";
        for (size_t i = 0; i < f.Route.size(); ++i)
            out += (i ? "," : "") + Cell(f.Route[i]);
        out += "]";
    }
    if (f.Tick >= 0)
        out += ",\"tick\":" + std::to_string(f.Tick) + ",\"repro\":" + JsonString(f.Repro);
    out += "}\n";
    PrintOut(out);
}
} // namespace

int RunCheckCommand(const std::vector<std::string>& args)
{
    ArgReader reader(args);
    std::vector<std::string> courses;
    CheckOptions options;
    while (!reader.Done()) {
        const std::string arg = reader.Next();
        if (arg == "--tile-size")
            options.TileSize = ParseInt32Option(arg, reader.Value(arg), 2, INT32_MAX);
        else if (arg == "--ticks")
            options.Ticks = ParseInt32Option(arg, reader.Value(arg), 0, MaxTicks);
        else if (arg.rfind("--", 0) == 0)
            throw UsageError("unknown option for check: " + arg);
        else
            courses.push_back(arg);
    }
    if (courses.size() != 1)
        throw UsageError("check takes exactly one course file");
    options.CourseFile = courses[0];

    TMap map = SimMap(options.TileSize);
    // The file is read once: the loader and the checker take the same parse.
    const std::optional<ParsedCourse> course = LoadParsedCourseOrReport(map, options.CourseFile);
    if (!course)
        return 2;
    int errors = 0;
    int warnings = 0;
    for (const CourseFinding& finding : CheckCourseFile(map, *course, options)) {
        PrintFinding(finding);
        (finding.Level == FindingLevel::Error ? errors : warnings) += 1;
    }
    PrintOut("{\"summary\":{\"errors\":" + std::to_string(errors) + ",\"warnings\":"
             + std::to_string(warnings) + "}}\n");
    return errors > 0 ? ExitCourseErrors : 0;
}
