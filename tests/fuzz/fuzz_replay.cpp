// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a replay file: reading returns in bounded time and memory with either a replay
// or a reason; what reads holds only events the player can apply, writes back to a text that
// reads the same, and plays (its first ticks) on a course without harm.
#include "FuzzSupport.h"

#include "platform/IniFile.h"
#include "replay/ReplayFile.h"
#include "replay/ReplayPlayer.h"
#include "rules/GameRules.h"

#include <cstdint>
#include <memory>
#include <string_view>

namespace {

// Two lanes around a closed centre, with a pursuing and a wandering car.
constexpr std::string_view Course =
    "[DEFINE]\nMapSize=10,11\nStartNumber=3\n"
    "[MAP]\n1=9555115553\n2=A95544553A\n3=AAFFFFFFAA\n4=AAFFFFFFAA\n5=AAFFFFFFAA\n6=AAFFFFFFAA\n"
    "7=AAFFFFFFAA\n8=AAFFFFFFAA\n9=AAFFFFFFAA\n10=AC5511556A\n11=C555445556\n"
    "[MAPDOT]\n1=OOOOOOOOOO\n2=OOOOOOOOOO\n3=OO......OO\n4=OO......OO\n5=OO......OO\n"
    "6=OO......OO\n7=OO......OO\n8=OO......OO\n9=OO......OO\n10=OOOOOOOOOO\n11=OOOOOOOOOO\n"
    "[START]\nPos0=3,11,2,1,L,P\nPos1=8,1,2,1,L,P\nPos2=3,2,2,2,R,R\n";
constexpr uint32_t PlayedTicks = 3000;

void CheckEvents(const Replay& replay)
{
    uint32_t tick = 0;
    for (const ReplayEvent& event : replay.Events) {
        Check(event.Tick >= tick && event.Tick < replay.Ticks, "events in order within the game");
        tick = event.Tick;
        if (event.What == ReplayEvent::Direction)
            Check(event.Value >= 0 && event.Value <= 6 && event.Value % 2 == 0, "a direction");
        if (event.What == ReplayEvent::SpeedMode)
            Check(event.Value >= 0 && event.Value <= 2, "a speed mode");
        Check(event.What < ReplayEvent::KindCount, "a known kind");
    }
    Check(replay.Events.size() <= Replay::MaxEvents, "events bounded");
    Check(replay.Ticks >= 1 && replay.Ticks <= Replay::MaxTicks, "ticks bounded");
}

void Play(const Replay& replay)
{
    TGameRules rules;
    rules.Map = std::make_unique<TMap>(0, 0, 0, false);
    rules.Map->TileSize = replay.TileSize;
    rules.Map->LoadFromIni(brv::IniFile::FromBytes("course.dat", Course));
    if (std::vector<int32_t> table = SpeedTableFor(replay.TileSize); !table.empty())
        rules.SpeedTable = std::move(table);
    rules.StartPlay();
    ReplayPlayer player(replay, rules);
    player.Begin();
    while (!player.AllTicksPlayed() && player.TicksPlayed() < PlayedTicks) {
        const TickOutcome outcome = player.Tick();
        if (outcome.GameOver || outcome.Fault)
            break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ReplayReading reading = ReadReplay(bytes);
    Check(reading.Read.has_value() != !reading.Error.empty(), "a replay or a reason");
    if (!reading.Read)
        return 0;
    const Replay& replay = *reading.Read;
    CheckEvents(replay);
    const ReplayReading again = ReadReplay(ReplayText(replay));
    Check(again.Read && *again.Read == replay, "a replay reads back as written");
    Play(replay);
    return 0;
}
