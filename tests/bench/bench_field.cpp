// SPDX-License-Identifier: GPL-3.0-or-later
// The full repaint of the window, and loading the course file.
#include "BenchSupport.h"

#include "platform/PixelZoom.h"

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

// The whole field enlarged for the screen, as a full paint of a zoomed window does.
static void ZoomWholeField(benchmark::State& state)
{
    const int zoom = static_cast<int>(state.range(0));
    BenchGame game;
    TMap& map = *game.rules.Map;
    QImage field(map.ScreenWidth, map.ScreenHeight, QImage::Format_RGB32);
    game.rules.DrawWholeField(field);
    for (auto _ : state) {
        const QImage zoomed = brv::ZoomPixels(field, field.rect(), zoom);
        benchmark::DoNotOptimize(zoomed.constBits());
    }
}
BENCHMARK(ZoomWholeField)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);

static void LoadCourse1(benchmark::State& state)
{
    TMap map(96, 160, 60, false);
    const std::string path = AssetPath("COURSE1.DAT");
    for (auto _ : state)
        map.LoadFromFile(path);
}
BENCHMARK(LoadCourse1)->Unit(benchmark::kMicrosecond);

BREVANTO_BENCHMARK_MAIN();
