#include "check/DemoSoak.h"

#include "platform/Random.h"
#include "rules/HeadlessHost.h"

namespace check_detail {
namespace {
// Puts back the thread's clock, seed and tick count, whatever the soak left them at.
class SharedStateGuard {
public:
    SharedStateGuard() : clock_(brv::CurrentClock()), seed_(brv::RandomSeed()), depth_(TickDepth) {}
    ~SharedStateGuard()
    {
        brv::SetClock(clock_);
        brv::SetRandomSeed(seed_);
        TickDepth = depth_;
    }
    SharedStateGuard(const SharedStateGuard&) = delete;
    SharedStateGuard& operator=(const SharedStateGuard&) = delete;

private:
    brv::ClockFunction clock_;
    uint32_t seed_;
    uint32_t depth_;
};

bool MetDeadEnd(const TCar& car)
{
    const int32_t tile = car.Map->TileAt(car.Position);
    const WallBits bits = WallMask[(car.Direction / 2) & 3];
    return (tile & bits.left) && (tile & bits.ahead) && (tile & bits.right);
}
} // namespace

std::optional<SoakFault> SoakDemo(const TMap& map, int32_t tileSize, int32_t ticks, uint32_t clock)
{
    SharedStateGuard guard;
    brv::SetClock([clock] { return clock; });
    TickDepth = 0;

    HeadlessHost host;
    TGameRules rules(host);
    rules.Map = std::make_unique<TMap>(map);
    rules.Map->TileSize = tileSize;
    rules.SpeedTable = SpeedTableFor(tileSize);
    rules.Demo = true;
    rules.StartPlay();
    host.SetRunning(true);

    std::vector<TPoint> before;
    for (int64_t tick = 1; tick <= ticks; ++tick) {
        // Where each car stood: the fatal one is the one that moved into its fault.
        before.assign(1, rules.MyCar->Position);
        for (int32_t i = 0; i < rules.ActiveCars; ++i)
            before.push_back(rules.Cars[static_cast<size_t>(i)]->Position);
        rules.Timer1Timer();
        if (!host.Closed)
            continue;
        for (size_t k = 0; k < before.size(); ++k) {
            const TCar& car = k == 0 ? *rules.MyCar : *rules.Cars[k - 1];
            if (car.Position == before[k])
                continue;
            const bool left = rules.Map->IsOutside(car.Position);
            if (left || MetDeadEnd(car))
                return SoakFault{clock, tick, static_cast<int32_t>(k), left,
                                 left ? before[k] : car.Position};
        }
        return SoakFault{clock, tick, 0, false, rules.MyCar->Position};
    }
    return std::nullopt;
}

} // namespace check_detail
