// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/DemoSoak.h"

#include "platform/Random.h"
#include "rules/GameRules.h"

namespace check_detail {
namespace {
// Puts back the thread's clock and seed, whatever the soak left them at.
class SharedStateGuard {
public:
    SharedStateGuard() : clock_(brv::CurrentClock()), seed_(brv::RandomSeed()) {}
    ~SharedStateGuard()
    {
        brv::SetClock(clock_);
        brv::SetRandomSeed(seed_);
    }
    SharedStateGuard(const SharedStateGuard&) = delete;
    SharedStateGuard& operator=(const SharedStateGuard&) = delete;

private:
    brv::ClockFunction clock_;
    uint32_t seed_;
};
} // namespace

std::optional<SoakFault> SoakDemo(const TMap& map, int32_t tileSize, int32_t ticks, uint32_t clock)
{
    SharedStateGuard guard;
    brv::SetClock([clock] { return clock; });

    TGameRules rules;
    rules.Map = std::make_unique<TMap>(map);
    rules.Map->TileSize = tileSize;
    rules.SpeedTable = SpeedTableFor(tileSize);
    rules.Demo = true;
    rules.StartPlay();

    for (int64_t tick = 1; tick <= ticks; ++tick) {
        const TickOutcome outcome = rules.Timer1Timer();
        if (const std::optional<CourseFault>& fault = outcome.Fault)
            return SoakFault{clock, tick, fault->Car, fault->Kind == CourseFaultKind::LeftCourse,
                             fault->Cell};
    }
    return std::nullopt;
}

} // namespace check_detail
