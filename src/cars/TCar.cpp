// SPDX-License-Identifier: GPL-3.0-or-later
#include "cars/TCar.h"

#include "platform/Random.h"
#include "platform/Wrap.h"


namespace {
TPoint Moved(TPoint p, int32_t direction)
{
    const Delta d = DirectionDelta[direction & 7];
    return {brv::WrapAdd(p.X, d.dx), brv::WrapAdd(p.Y, d.dy)};
}
} // namespace

TCar::TCar(TMap* map, int32_t spriteRow) : SpriteRow(spriteRow), Map(map)
{
    // A sheet too small for a sprite has no frames; the window refuses such sheets anyway.
    const int32_t columnWidth = 4 * map->SpriteSize;
    FrameCount = columnWidth > 0 ? map->CarBitmapWidth / columnWidth : 0;
}

void TCar::Place(TRect start, char kind, char side, int32_t speed)
{
    Position = {start.Left, start.Top};
    PreviousCell = Position;
    Direction = start.Right;
    TurnDirection = 0;
    Lane = start.Bottom;
    Block = Map->BlockAt(Position);
    Kind = kind;
    Side = side;
    DrawnPos = {0, 0};
    Speed = speed;
    Progress = 0;
    // The frame advances at the start of a cell and at the last step not beyond its middle.
    const int32_t halfTile = speed > 0 ? (Map->TileSize / 2) / speed * speed : 0;
    AnimSteps.reset();
    AnimSteps.set(0);
    if (halfTile >= 0 && halfTile <= 255)
        AnimSteps.set(static_cast<size_t>(halfTile));
    AnimFrame = 0;
    Drawn = false;
}

TCar::Arrival TCar::Arrive(int32_t laneStepRight)
{
    Arrival arrival;
    PreviousCell = Position;
    if (TurnDirection != 0) {
        Position = Moved(Position, TurnDirection);
        const bool toTheRight = TurnDirection == Direction + 1;
        Lane = brv::WrapAdd(Lane, toTheRight ? laneStepRight : -laneStepRight);
        TurnDirection = 0;
        arrival.completedLaneChange = true;
    } else {
        Position = Moved(Position, Direction);
    }

    if (Block != 0) {
        const int32_t block = Map->BlockAt(Position);
        if (block != Block)
            Side = Side == 'L' ? 'R' : 'L';
        Block = block;
    }

    if (Map->IsOutside(Position)) {
        arrival.result = MoveResult::LeftCourse;
        return arrival;
    }

    const int32_t tile = Map->TileAt(Position);
    const WallBits bits = WallMask[(Direction / 2) & 3];
    if (tile & bits.ahead) {
        if (!(tile & bits.left))
            Direction = (Direction + 6) % 8;
        else if (!(tile & bits.right))
            Direction = (Direction + 2) % 8;
        else
            arrival.result = MoveResult::DeadEnd;
        return arrival;
    }

    const TPoint next = Moved(Position, Direction);
    const int32_t ahead = Map->IsOutside(next) ? 15 : Map->TileAt(next);
    arrival.decide = true;
    arrival.leftOpening = !(tile & bits.left) && !(ahead & bits.left);
    arrival.rightOpening = !(tile & bits.right) && !(ahead & bits.right);
    return arrival;
}

void TCar::StartLaneChange(bool toTheLeft)
{
    TurnDirection = toTheLeft ? (Direction + 7) % 8 : Direction + 1;
}

MoveResult TCar::Step(int32_t playerLane, int32_t playerBlock)
{
    Progress = brv::WrapAdd(Progress, Speed);
    if (Progress < Map->TileSize)
        return MoveResult::Moving;
    Progress = 0;
    const Arrival arrival = Arrive(+1);
    // No new lane change on the cell where one has just finished.
    if (!arrival.decide || arrival.completedLaneChange)
        return arrival.result;
    if (!arrival.leftOpening && !arrival.rightOpening)
        return MoveResult::Arrived;

    int32_t choice = 0;
    if (Kind == 'P') {
        // Side "L" favours a change to the right, "R" one to the left.
        const int32_t sideChoice = Side == 'L' ? +2 : -2;
        if (Block == playerBlock) {
            choice = Lane > playerLane ? -2 : Lane < playerLane ? +2 : 0;
        } else if ((Side == 'L' && arrival.rightOpening) || (Side == 'R' && arrival.leftOpening)) {
            const int32_t probeDirection = Side == 'L' ? Direction + 1 : (Direction + 7) % 8;
            const int32_t probeBlock = Map->BlockAt(Moved(Position, probeDirection));
            if (probeBlock == Block) {
                choice = sideChoice;
            } else {
                const int32_t own = Map->PathPlace(Block);
                const int32_t probe = Map->PathPlace(probeBlock);
                const int32_t player = Map->PathPlace(playerBlock);
                if ((own > player && own >= probe) || (own < player && own <= probe))
                    choice = sideChoice;
            }
        }
    } else {
        choice = 2 * brv::Random(3) - 2;
    }

    if (choice == -2 && arrival.leftOpening)
        StartLaneChange(true);
    else if (choice == +2 && arrival.rightOpening)
        StartLaneChange(false);
    return MoveResult::Arrived;
}

MoveResult TMyCar::MoveStep(bool demo)
{
    if (SpeedMode == 2)
        return MoveResult::Moving;
    Progress = brv::WrapAdd(Progress, Speed);
    if (SpeedMode == 1)
        Progress = brv::WrapAdd(Progress, Speed);
    if (Progress < Map->TileSize)
        return MoveResult::Moving;
    // At most one arrival per tick: what a double step carries past the next cell is dropped.
    Progress -= Map->TileSize;
    if (Map->TileSize > 0)
        Progress %= Map->TileSize;
    const Arrival arrival = Arrive(-1);
    if (!arrival.decide)
        return arrival.result;

    if (demo) {
        WantDirection = Direction + 2 * brv::Random(3) - 2;
        if (WantDirection < 0)
            WantDirection = 6;
        else if (WantDirection > 6)
            WantDirection = 0;
    }
    int32_t d = brv::WrapSub(Direction, WantDirection);
    if (d == 6)
        d = -2;
    else if (d == -6)
        d = 2;
    if (d == 2 && arrival.leftOpening)
        StartLaneChange(true);
    else if (d == -2 && arrival.rightOpening)
        StartLaneChange(false);
    WantDirection = Direction;
    return MoveResult::Arrived;
}

void TMyCar::AddDotScore() { Score = brv::WrapAdd(Score, brv::WrapMul(Stage, 10)); }

void TMyCar::Reset(bool newGame, int32_t startRest)
{
    WantDirection = 0;
    SpeedMode = 0;
    Stage = 1;
    Rest = startRest;
    if (newGame)
        Score = 0;
}
