// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/CarReach.h"

#include "check/CheckParts.h"

#include "cars/TCar.h"
#include "platform/Random.h"

#include <array>
#include <string>
#include <unordered_set>

namespace check_detail {
namespace {
// Every arrival is one step: the car is put just short of the next cell and moved once.
constexpr int32_t ProbeTileSize = 24;

uint64_t StateKey(const TMap& map, const CarState& s)
{
    const uint64_t turn = s.turnDirection == 0 ? 0 : static_cast<uint64_t>(s.turnDirection / 2 + 1);
    uint64_t key = CellIndex(map, s.position);
    key = key * 4 + static_cast<uint64_t>(s.direction / 2);
    key = key * 5 + turn;
    key = key * 2 + (s.block == 0 ? 1 : 0); // otherwise the block is that of the cell
    return key * 2 + (s.side == 'R' ? 1 : 0);
}

struct Outcome {
    MoveResult result;
    CarState state;
};

CarState StateOf(const TCar& car)
{
    return {car.Position, car.Direction, car.TurnDirection, car.Block, car.Side};
}

void PutCar(TCar& car, const CarState& s)
{
    car.Position = s.position;
    car.Direction = s.direction;
    car.TurnDirection = s.turnDirection;
    car.Block = s.block;
    car.Side = s.side;
    car.Lane = 0;
    car.Speed = ProbeTileSize;
    car.Progress = 0;
}

// Breadth first over arrivals, so the first route found to a cell is a shortest one. States
// in `seen` already are not explored again.
template <class Moves>
Reach Explore(const TMap& map, const CarState& start, SeenStates& seen, Moves&& moves)
{
    struct Node {
        CarState state;
        int32_t parent;
    };
    Reach reach;
    reach.arrivedCells.assign(static_cast<size_t>(map.MapWidth) * static_cast<size_t>(map.MapHeight),
                              false);
    std::vector<Node> nodes;
    if (seen.FirstVisit(StateKey(map, start)))
        nodes.push_back({start, -1});
    std::unordered_set<uint64_t> fatalCells;
    const auto routeTo = [&](int32_t node) {
        std::vector<TPoint> route;
        for (int32_t n = node; n >= 0; n = nodes[static_cast<size_t>(n)].parent)
            route.push_back(nodes[static_cast<size_t>(n)].state.position);
        return std::vector<TPoint>(route.rbegin(), route.rend());
    };

    std::vector<Outcome> outcomes;
    for (size_t i = 0; i < nodes.size(); ++i) {
        const CarState from = nodes[i].state;
        outcomes.clear();
        moves(from, outcomes);
        for (const Outcome& o : outcomes) {
            if (IsCourseFault(o.result)) {
                FatalArrival fatal;
                fatal.leftCourse = map.IsOutside(o.state.position);
                fatal.cell = fatal.leftCourse ? from.position : o.state.position;
                if (!fatalCells.insert(CellIndex(map, fatal.cell) * 2 + fatal.leftCourse).second)
                    continue;
                fatal.route = routeTo(static_cast<int32_t>(i));
                if (!fatal.leftCourse)
                    fatal.route.push_back(fatal.cell);
                reach.fatal.push_back(std::move(fatal));
                continue;
            }
            reach.arrivedCells[CellIndex(map, o.state.position)] = true;
            if (seen.FirstVisit(StateKey(map, o.state)))
                nodes.push_back({o.state, static_cast<int32_t>(i)});
        }
    }
    for (const Node& node : nodes)
        reach.states.push_back(node.state);
    return reach;
}

CarState StartState(const TMap& map, int32_t entry)
{
    const CourseStart start = StartOf(map, entry);
    return {start.Cell, start.Facing.Code, 0, map.BlockAt(start.Cell), start.Side};
}

void AddOutcome(std::vector<Outcome>& outcomes, MoveResult result, const CarState& state)
{
    for (const Outcome& o : outcomes)
        if (o.result == result && o.state.position == state.position &&
            o.state.direction == state.direction && o.state.turnDirection == state.turnDirection &&
            o.state.block == state.block && o.state.side == state.side)
            return;
    outcomes.push_back({result, state});
}

// Seeds after which the shared generator draws 0, 1 and 2 out of three.
std::array<uint32_t, 3> SeedsForEachDraw()
{
    std::array<uint32_t, 3> seeds{};
    std::array<bool, 3> found{};
    for (uint32_t s = 0; !(found[0] && found[1] && found[2]); ++s) {
        brv::SetRandomSeed(s);
        const int32_t draw = brv::Random(3);
        if (!found[static_cast<size_t>(draw)]) {
            found[static_cast<size_t>(draw)] = true;
            seeds[static_cast<size_t>(draw)] = s;
        }
    }
    return seeds;
}

TMap ProbeMap(const TMap& map)
{
    TMap work = map;
    work.TileSize = ProbeTileSize;
    return work;
}
} // namespace

Reach ExplorePlayer(const TMap& map)
{
    TMap work = ProbeMap(map);
    TMyCar car(&work, 0);
    CarState start = StartState(work, 0);
    start.side = 'L'; // the player's side steers nothing
    SeenStates seen(work);
    return Explore(work, start, seen, [&](const CarState& from, std::vector<Outcome>& outcomes) {
        // Straight on, or a key to the left or right of the heading.
        for (const int32_t turn : {0, 6, 2}) {
            PutCar(car, from);
            car.SpeedMode = 0;
            car.WantDirection = (from.direction + turn) % 8;
            const MoveResult result = car.MoveStep(false);
            CarState to = StateOf(car);
            to.side = 'L';
            AddOutcome(outcomes, result, to);
        }
    });
}

Reach ExploreComputerCar(const TMap& map, int32_t entry, const std::vector<int32_t>& playerBlocks,
                         ComputerCarStates& explored)
{
    TMap work = ProbeMap(map);
    TCar car(&work, 1);
    car.Kind = work.StartKinds[static_cast<size_t>(entry)];
    const uint32_t savedSeed = brv::RandomSeed();
    CarState start = StartState(work, entry);
    Reach reach;
    if (car.Kind != 'P') {
        // A random car: block and side steer nothing; every draw is open.
        start.block = 0;
        start.side = 'L';
        const std::array<uint32_t, 3> seeds = SeedsForEachDraw();
        reach = Explore(work, start, explored.Random, [&](const CarState& from, std::vector<Outcome>& outcomes) {
            for (const uint32_t seed : seeds) {
                PutCar(car, from);
                brv::SetRandomSeed(seed);
                const MoveResult result = car.Step(0, 0);
                AddOutcome(outcomes, result, StateOf(car));
            }
        });
    } else {
        // A pursuing car: the player's block matters only by being the car's own or by where it
        // stands in Path before, at or after the car's own; the player's lane only by being
        // below, at or above the car's.
        struct PlayerPlace {
            int32_t block;
            int32_t place;
        };
        std::vector<PlayerPlace> places;
        for (const int32_t block : playerBlocks)
            places.push_back({block, work.PathPlace(block)});
        reach = Explore(work, start, explored.Pursuing, [&](const CarState& from, std::vector<Outcome>& outcomes) {
            const int32_t own = work.PathPlace(from.block);
            std::array<const PlayerPlace*, 3> byOrder{}; // before, at, after the car's place
            bool sameBlock = false;
            for (const PlayerPlace& p : places) {
                if (p.block == from.block) {
                    sameBlock = true;
                    continue;
                }
                byOrder[p.place < own ? 0 : p.place == own ? 1 : 2] = &p;
            }
            for (const PlayerPlace* p : byOrder) {
                if (!p)
                    continue;
                PutCar(car, from);
                AddOutcome(outcomes, car.Step(0, p->block), StateOf(car));
            }
            if (sameBlock) {
                for (const int32_t lane : {-1, 0, 1}) {
                    PutCar(car, from);
                    AddOutcome(outcomes, car.Step(lane, from.block), StateOf(car));
                }
            }
        });
    }
    brv::SetRandomSeed(savedSeed);
    return reach;
}

} // namespace check_detail
