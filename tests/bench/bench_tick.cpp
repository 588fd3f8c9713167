// SPDX-License-Identifier: GPL-3.0-or-later
// The timer tick: the rules alone, and the rules with the incremental car drawing the window
// does at the end of every tick.
#include "BenchSupport.h"

#include "platform/Gamepad.h"

#include <memory>
#include <vector>
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
    game.rules.Field = &canvas;
    for (auto _ : state)
        benchmark::DoNotOptimize(game.Tick());
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

// What the window's controller poll costs while no controller is attached, to set against a
// tick: it runs four times a second then, once every five ticks of the default 50 ms clock.
static void GamepadPollWithoutController(benchmark::State& state)
{
    const std::unique_ptr<brv::Gamepad> pad = brv::Gamepad::Open();
    if (!pad) {
        state.SkipWithError("SDL's game-controller subsystem is not available");
        return;
    }
    std::vector<brv::PadButton> presses;
    for (auto _ : state) {
        presses.clear();
        pad->Poll(presses);
    }
    state.counters["controllers"] = pad->Attached();
}
BENCHMARK(GamepadPollWithoutController);
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
    game.rules.Field = &canvas;
    for (auto _ : state) {
        for (const FieldRect& rect : game.Tick().Changed) {
            const QImage zoomed =
                brv::ZoomPixels(field, QRect(rect.X, rect.Y, rect.Width, rect.Height), zoom);
            zoomedPixels += qint64{zoomed.width()} * zoomed.height();
            benchmark::DoNotOptimize(zoomed.constBits());
        }
    }
    state.counters["zoomed_pixels_per_tick"] =
        benchmark::Counter(static_cast<double>(zoomedPixels), benchmark::Counter::kAvgIterations);
}
BENCHMARK(TickWithZoomedRectangles)->Arg(2)->Arg(3);

BREVANTO_BENCHMARK_MAIN();
