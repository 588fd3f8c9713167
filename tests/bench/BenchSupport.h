// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared set-up for the benchmark programs: the shipped course and sheets, a game in demo mode
// with every computer car of the course in play, and a window-less host.
#include "rules/GameRules.h"
#include "rules/HeadlessHost.h"
#include "platform/Canvas.h"
#include "platform/Random.h"
#include "platform/Sheets.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

inline std::string AssetPath(const char* name) { return std::string(BREVANTO_ASSETS_DIR) + "/" + name; }

struct BenchGame {
    BenchGame()
        : sheets(brv::LoadSheets(AssetPath("GROUND.BMP"), AssetPath("MYCAR.BMP"), 0, true))
    {
        brv::SetClock([] { return 123456u; });
        rules.MapName = AssetPath("COURSE1.DAT");
        rules.Map = std::make_unique<TMap>(&sheets.Ground, &sheets.Car, true);
        rules.LoadCourse();
        rules.StartPlay();
        // The last stage of the first group, with lives enough that no game ever ends: every
        // computer car of the course stays in play.
        rules.MyCar->Stage = rules.Map->CarCount();
        rules.MyCar->Rest = 1 << 30;
        rules.PlaceCars();
    }
    // One tick of play as a window-less host runs it; the start wait after a crash is skipped
    // so every tick moves the cars.
    TickOutcome Tick()
    {
        rules.StartWait = 0;
        return host.Tick(rules);
    }

    brv::LoadedSheets sheets;
    HeadlessHost host;
    TGameRules rules;
};

// Benchmarks that draw need the GUI application object for fonts.
#define BREVANTO_BENCHMARK_MAIN()                                                              \
    int main(int argc, char** argv)                                                            \
    {                                                                                          \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                    \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                           \
        QGuiApplication app(argc, argv);                                                       \
        benchmark::Initialize(&argc, argv);                                                    \
        benchmark::RunSpecifiedBenchmarks();                                                   \
        benchmark::Shutdown();                                                                 \
        return 0;                                                                              \
    }
