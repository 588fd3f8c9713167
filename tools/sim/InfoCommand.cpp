// SPDX-License-Identifier: GPL-3.0-or-later
// brevanto-sim info: what the game reads from a course file, as one line of JSON.
#include "Commands.h"
#include "SimSupport.h"

#include "course/TMap.h"

#include <cstdio>
#include <string>

namespace {
std::string Pair(TPoint p) { return "[" + std::to_string(p.X) + "," + std::to_string(p.Y) + "]"; }

void PrintInfo(const TMap& map)
{
    std::string out = "{\"map_width\":" + std::to_string(map.MapWidth) +
                      ",\"map_height\":" + std::to_string(map.MapHeight) +
                      ",\"screen_width\":" + std::to_string(map.ScreenWidth) +
                      ",\"screen_height\":" + std::to_string(map.ScreenHeight) +
                      ",\"tile_size\":" + std::to_string(map.TileSize) +
                      ",\"dot_total\":" + std::to_string(map.DotTotal) +
                      ",\"block_count\":" + std::to_string(map.BlockCount) + ",\"blocks\":[";
    for (size_t k = 0; k < map.Blocks.size(); ++k) {
        const TRect& b = map.Blocks[k];
        out += (k ? ",[" : "[") + std::to_string(b.Left) + "," + std::to_string(b.Top) + "," +
               std::to_string(b.Right) + "," + std::to_string(b.Bottom) + "]";
    }
    out += "],\"path\":" + JsonString(map.Path) +
           ",\"start_number\":" + std::to_string(map.StartNumber) + ",\"starts\":[";
    for (size_t i = 0; i < map.Starts.size(); ++i) {
        const TRect& s = map.Starts[i];
        out += (i ? ",{" : "{");
        out += "\"x\":" + std::to_string(s.Left) + ",\"y\":" + std::to_string(s.Top) +
               ",\"dir\":" + std::to_string(s.Right) + ",\"lane\":" + std::to_string(s.Bottom) +
               ",\"side\":" + JsonLetter(map.StartSides[i]) + ",\"kind\":" + JsonLetter(map.StartKinds[i]) +
               "}";
    }
    out += "],\"display\":{\"program\":" + Pair(map.ProgramPos) + ",\"score\":" +
           Pair(map.ScorePos) + ",\"point\":" + Pair(map.PointPos) + ",\"hiscore\":" +
           Pair(map.HiScorePos) + ",\"hipoint\":" + Pair(map.HiPointPos) + ",\"rest\":" +
           Pair(map.RestPos) + ",\"restplay\":" + Pair(map.RestPlayPos) + "},\"speed_table\":[";
    bool first = true;
    for (const int32_t speed : SpeedTableFor(map.TileSize)) {
        out += (first ? "" : ",") + std::to_string(speed);
        first = false;
    }
    out += "]}\n";
    PrintOut(out);
}
} // namespace

int RunInfoCommand(const std::vector<std::string>& args)
{
    ArgReader reader(args);
    std::vector<std::string> courses;
    int32_t tileSize = 24;
    while (!reader.Done()) {
        const std::string arg = reader.Next();
        if (arg == "--tile-size")
            tileSize = ParseInt32Option(arg, reader.Value(arg), 2, INT32_MAX);
        else if (arg.rfind("--", 0) == 0)
            throw UsageError("unknown option for info: " + arg);
        else
            courses.push_back(arg);
    }
    if (courses.size() != 1)
        throw UsageError("info takes exactly one course file");

    TMap map = SimMap(tileSize);
    if (!LoadCourseOrReport(map, courses[0]))
        return 2;
    PrintInfo(map);
    return 0;
}
