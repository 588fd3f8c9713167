// The full repaint of the window, and loading the course file.
#include "BenchSupport.h"

static void FullRepaint(benchmark::State& state)
{
    BenchGame game;
    TMap& map = *game.rules.Map;
    QImage window(map.ScreenWidth, map.ScreenHeight, QImage::Format_RGB32);
    brv::Canvas windowCanvas(window);
    for (auto _ : state) {
        QImage field(map.ScreenWidth, map.ScreenHeight, QImage::Format_RGB32);
        game.rules.DrawWholeField(field);
        windowCanvas.CopyRect(0, 0, field, field.rect());
        benchmark::DoNotOptimize(window.constBits());
    }
}
BENCHMARK(FullRepaint)->Unit(benchmark::kMicrosecond);

static void LoadCourse1(benchmark::State& state)
{
    TMap map(96, 160, 60, false);
    const std::string path = AssetPath("COURSE1.DAT");
    for (auto _ : state)
        map.LoadFromFile(path);
}
BENCHMARK(LoadCourse1)->Unit(benchmark::kMicrosecond);

BREVANTO_BENCHMARK_MAIN();
