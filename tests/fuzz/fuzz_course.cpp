// Feeds arbitrary bytes to the course loader: every input ends in a loaded course or a numbered
// course error, and a loaded course answers its cell queries within its bounds.
#include "course/TMap.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = "/tmp/brevanto-fuzz-course-" + std::to_string(getpid()) + ".dat";
    if (FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    TMap map(96, 160, 60, false);
    map.SetErrorTexts({"", "1", "2", "3", "4"});
    try {
        map.LoadFromFile(path);
    } catch (const CourseError& error) {
        if (error.Number < 1 || error.Number > 4)
            __builtin_trap();
        return 0;
    }
    if (map.MapWidth < 1 || map.MapHeight < 1 || map.ScreenWidth > MaxFieldPixels ||
        map.ScreenHeight > MaxFieldPixels || map.Starts.size() != size_t(map.StartNumber))
        __builtin_trap();
    int32_t sum = 0;
    for (int32_t y = 1; y <= map.MapHeight; ++y)
        for (int32_t x = 1; x <= map.MapWidth; ++x)
            sum += map.TileAt({x, y}) + map.DotAt(x, y) + map.BlockAt({x, y});
    for (int32_t i = 0; i < map.StartNumber; ++i)
        if (map.IsOutside({map.StartEntry(i).Left, map.StartEntry(i).Top}))
            __builtin_trap();
    map.ResetDots();
    return sum == 12345678 ? 1 : 0;
}
