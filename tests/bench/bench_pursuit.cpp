// SPDX-License-Identifier: GPL-3.0-or-later
// Block look-ups and the pursuit decision on a course of forty blocks: an 8 x 5 grid of blocks
// over a 40 x 25 open field, with a path that orders them row by row.
#include "BenchSupport.h"

#include <cstdio>
#include <fstream>
#include <unistd.h>

namespace {
std::string FortyBlockCourse()
{
    const std::string path = "/tmp/brevanto-bench-40-" + std::to_string(getpid()) + ".dat";
    std::ofstream out(path);
    out << "[DEFINE]\nMapSize=40,25\nStartNumber=1\n[MAP]\n";
    for (int row = 1; row <= 25; ++row)
        out << row << "=" << std::string(40, '0') << "\n";
    out << "[MAPDOT]\n";
    for (int row = 1; row <= 25; ++row)
        out << row << "=" << std::string(40, '.') << "\n";
    out << "[BLOCK]\nNumber=40\n";
    std::string pathText;
    for (int k = 0; k < 40; ++k) {
        const int left = (k % 8) * 5 + 1, top = (k / 8) * 5 + 1;
        out << k + 1 << "=" << left << "," << top << "," << left + 4 << "," << top + 4 << "\n";
        pathText += std::to_string(k + 1) + " ";
    }
    out << "Path=" << pathText << "\n[START]\nPos0=1,1,2,1\n";
    return path;
}

struct FortyBlocks {
    FortyBlocks() : path(FortyBlockCourse()), map(96, 160, 60, false) { map.LoadFromFile(path); }
    ~FortyBlocks() { std::remove(path.c_str()); }
    std::string path;
    TMap map;
};
} // namespace

static void BlockAtLastBlock(benchmark::State& state)
{
    FortyBlocks course;
    for (auto _ : state)
        benchmark::DoNotOptimize(course.map.BlockAt({38, 23}));
}
BENCHMARK(BlockAtLastBlock);

static void PursuitDecision(benchmark::State& state)
{
    FortyBlocks course;
    TCar car(&course.map, 1);
    for (auto _ : state) {
        // Driving up through block 39 towards a player in block 2: one arrival, one decision.
        car.Place({33, 24, 0, 0}, 'P', 'L', 24);
        benchmark::DoNotOptimize(car.Step(3, 2));
    }
}
BENCHMARK(PursuitDecision);

BREVANTO_BENCHMARK_MAIN();
