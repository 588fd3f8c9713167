// The timer tick: the rules alone, and the rules with the incremental car drawing the window
// does at the end of every tick.
#include "BenchSupport.h"

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

BREVANTO_BENCHMARK_MAIN();
