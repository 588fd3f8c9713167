// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the course loader: every input ends in a loaded course or a numbered
// course error, and a loaded course answers its cell queries within its bounds. The course
// checker then runs on a share of the courses that load, with a short demo soak.
#include "FuzzSupport.h"

#include "check/CourseCheck.h"
#include "course/TMap.h"
#include "platform/IniFile.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The loader reads a course file that exists; its bytes come from memory here.
    const brv::IniFile course = brv::IniFile::FromBytes("COURSE.DAT", InputText(data, size));
    TMap map(96, 160, 60, false);
    map.SetErrorTexts({"", "1", "2", "3", "4"});
    try {
        map.LoadFromIni(course);
    } catch (const CourseError& error) {
        Check(error.Number >= 1 && error.Number <= 4, "a numbered course error");
        return 0;
    }
    Check(map.MapWidth >= 1 && map.MapHeight >= 1, "a map of at least one cell");
    Check(FieldFits(map.ScreenWidth, map.ScreenHeight), "a bounded field");
    Check(map.Starts.size() == size_t(map.StartNumber), "one start per entry");
    int32_t sum = 0;
    for (int32_t y = 1; y <= map.MapHeight; ++y)
        for (int32_t x = 1; x <= map.MapWidth; ++x)
            sum += map.TileAt({x, y}) + map.DotAt(x, y) + map.BlockAt({x, y});
    for (int32_t i = 0; i < map.StartNumber; ++i)
        Check(!map.IsOutside({map.StartEntry(i).Left, map.StartEntry(i).Top}), "starts on the course");
    map.ResetDots();

    // The checker explores every car's moves and plays a short demo, which costs as much as
    // many loads: it runs for one loaded course in eight, so the loader keeps most inputs.
    if (!TakesCostlyPath(data, size, 8))
        return sum == 12345678 ? 1 : 0;
    CheckOptions options;
    options.Ticks = 300;
    options.CourseFile = course.FileName();
    for (const CourseFinding& finding : CheckCourseFile(map, course, options)) {
        const bool caption = finding.Code.rfind("caption", 0) == 0; // may name any place
        Check(caption || finding.Cell == TPoint{0, 0} || !map.IsOutside(finding.Cell),
              "a finding's cell on the course");
        for (const TPoint cell : finding.Route)
            Check(!map.IsOutside(cell), "a route on the course");
    }
    return sum == 12345678 ? 1 : 0;
}
