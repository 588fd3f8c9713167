// The timer tick: the rules alone, and the rules with the incremental car drawing the window
// does at the end of every tick.
#include "BenchSupport.h"

#include "platform/PixelZoom.h"

static void RulesTickWithoutDrawing(benchmark::State& state)
{
    BenchGame game;
    for (auto _ : state)
        game.Tick();
    state.counters["computer_cars"] = game.rules.ActiveCars;
}
BENCHMARK(RulesTickWithoutDrawing);

static void TickWithIncrementalDrawing(benchmark::State& state)
{
    BenchGame game;
    QImage field(game.rules.Map->ScreenWidth, game.rules.Map->ScreenHeight, QImage::Format_RGB32);
    field.fill(Qt::black);
    brv::Canvas canvas(field);
    game.host.Field = &canvas;
    for (auto _ : state)
        game.Tick();
    state.counters["cars_drawn"] = game.rules.ActiveCars + 1;
}
BENCHMARK(TickWithIncrementalDrawing);

static void IncrementalDrawOfEveryCar(benchmark::State& state)
{
    BenchGame game;
    QImage field(game.rules.Map->ScreenWidth, game.rules.Map->ScreenHeight, QImage::Format_RGB32);
    brv::Canvas canvas(field);
    for (auto _ : state) {
        game.rules.MyCar->Draw(canvas, true);
        for (int32_t i = 0; i < game.rules.ActiveCars; ++i)
            game.rules.Cars[static_cast<size_t>(i)]->Draw(canvas, true);
    }
}
BENCHMARK(IncrementalDrawOfEveryCar);

// What a zoomed window adds to a tick: each changed rectangle of the field enlarged by pixel
// repetition for the screen, as the paint box does on its paint.
static void TickWithZoomedRectangles(benchmark::State& state)
{
    const int zoom = static_cast<int>(state.range(0));
    BenchGame game;
    QImage field(game.rules.Map->ScreenWidth, game.rules.Map->ScreenHeight, QImage::Format_RGB32);
    field.fill(Qt::black);
    brv::Canvas canvas(field);
    int64_t zoomedPixels = 0;
    canvas.SetChangeListener([&](const QRect& rect) {
        const QImage zoomed = brv::ZoomPixels(field, rect, zoom);
        zoomedPixels += qint64{zoomed.width()} * zoomed.height();
        benchmark::DoNotOptimize(zoomed.constBits());
    });
    game.host.Field = &canvas;
    for (auto _ : state)
        game.Tick();
    state.counters["zoomed_pixels_per_tick"] =
        benchmark::Counter(static_cast<double>(zoomedPixels), benchmark::Counter::kAvgIterations);
}
BENCHMARK(TickWithZoomedRectangles)->Arg(2)->Arg(3);

BREVANTO_BENCHMARK_MAIN();
