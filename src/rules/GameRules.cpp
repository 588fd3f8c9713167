// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/GameRules.h"

#include "platform/Canvas.h"
#include "platform/Random.h"

#include <QRect>

#include <utility>

namespace {
// While a tick runs, what it draws on the field goes into its outcome instead of to whoever
// listens to the canvas otherwise: the host learns of it from the outcome.
class ChangeRecorder {
public:
    ChangeRecorder(brv::Canvas* canvas, TickOutcome& outcome) : canvas_(canvas)
    {
        if (canvas_)
            previous_ = canvas_->ReplaceChangeListener([&outcome](const QRect& rect) {
                outcome.Changed.push_back({rect.x(), rect.y(), rect.width(), rect.height()});
            });
    }
    ~ChangeRecorder()
    {
        if (canvas_)
            canvas_->ReplaceChangeListener(std::move(previous_));
    }
    ChangeRecorder(const ChangeRecorder&) = delete;
    ChangeRecorder& operator=(const ChangeRecorder&) = delete;

private:
    brv::Canvas* canvas_;
    std::function<void(const QRect&)> previous_;
};
} // namespace

std::vector<int32_t> SpeedTableFor(int32_t tileSize)
{
    std::vector<int32_t> table;
    for (int32_t d = 2; d <= tileSize; d += 2)
        if (tileSize % d == 0)
            table.push_back(d);
    return table;
}

CourseLoad TGameRules::LoadCourse()
{
    Map->LoadFromFile(MapName);
    std::vector<int32_t> table = SpeedTableFor(Map->TileSize);
    if (!table.empty())
        SpeedTable = std::move(table);
    return CourseLoad::Loaded;
}

TGameRules::StagePlan TGameRules::PlanStage() const
{
    const int32_t n = Map->CarCount();
    const int32_t stage = MyCar->Stage;
    const int64_t highest = static_cast<int64_t>(SpeedTable.size()) - 1;
    if (n <= 0) {
        // A course for the player's car alone: each stage is one step up the table.
        const int64_t index = int64_t{stage} - 1 + MoveSpeed;
        if (index < 0 || index > highest)
            return {0, Map->TileSize};
        return {0, SpeedTable[static_cast<size_t>(index)]};
    }
    const int64_t played = int64_t{stage} - 1;
    StagePlan plan{static_cast<int32_t>(played % n + 1), 0};
    const int64_t index = played / n + MoveSpeed;
    if (index > highest || index < 0) {
        plan.speed = Map->TileSize;
        plan.activeCars = n;
    } else {
        plan.speed = SpeedTable[static_cast<size_t>(index)];
    }
    return plan;
}

void TGameRules::PlaceCars()
{
    const StagePlan plan = PlanStage();
    ActiveCars = plan.activeCars;
    auto kind = [this](int32_t entry) { return Map->StartKinds[static_cast<size_t>(entry)]; };
    auto side = [this](int32_t entry) { return Map->StartSides[static_cast<size_t>(entry)]; };
    MyCar->Place(Map->StartEntry(0), kind(0), side(0), plan.speed);
    for (int32_t i = 0; i < ActiveCars; ++i)
        Cars[static_cast<size_t>(i)]->Place(Map->StartEntry(i + 1), kind(i + 1), side(i + 1),
                                            plan.speed);
    if (!(Demo && RandomInit))
        brv::Randomize();
}

void TGameRules::Restart(RestartMode mode)
{
    if (mode == RestartMode::NewGame)
        MyCar->Reset(true, MaxCar);
    if (mode == RestartMode::NewGame || mode == RestartMode::NextStage)
        Map->ResetDots();
    PlaceCars();
    const uint32_t interval = static_cast<uint32_t>(TimerInterval);
    StartWait = interval >= 50 ? static_cast<int32_t>(3000u / interval) : 60;
}

void TGameRules::StartPlay()
{
    const int64_t highest = static_cast<int64_t>(SpeedTable.size()) - 1;
    if (MoveSpeed < 0 || MoveSpeed > highest)
        MoveSpeed = 1;
    MyCar = std::make_unique<TMyCar>(Map.get(), 0);
    Cars.clear();
    ResizeCars();
    MyCar->Reset(true, MaxCar);
    PlaceCars();
    brv::Randomize();
}

void TGameRules::ResizeCars()
{
    const size_t count = static_cast<size_t>(std::max(Map->CarCount(), 0));
    if (count < Cars.size())
        Cars.resize(count);
    while (Cars.size() < count)
        Cars.push_back(std::make_unique<TCar>(Map.get(), 1));
}

void TGameRules::NewGame()
{
    Demo = false;
    Restart(RestartMode::NewGame);
}

TickOutcome TGameRules::Timer1Timer()
{
    TickOutcome outcome;
    if (StartWait > 0) {
        --StartWait;
        return outcome;
    }
    ++TickDepth;
    if (TickDepth > 1) {
        if (TickDepth > MaxOverlap)
            MaxOverlap = TickDepth;
        return outcome;
    }
    outcome.Moved = true;
    outcome.InGame = !Demo;
    const ChangeRecorder recorder(Field, outcome);

    MoveResult r = MyCar->MoveStep(Demo);
    bool crash = false;
    TCar* faulty = IsCourseFault(r) ? MyCar.get() : nullptr;
    int32_t faultyCar = 0;
    if (r == MoveResult::Arrived) {
        if (MyCar->OnDot()) {
            Map->EatDot(MyCar->Position);
            ++outcome.DotsEaten;
            if (!Demo) {
                const int32_t before = MyCar->Score;
                MyCar->AddDotScore();
                outcome.PointsScored = brv::WrapSub(MyCar->Score, before);
                if (Field)
                    Map->DrawScore(*Field, MyCar->Score, false);
            }
            if (Map->AllDotsEaten()) {
                MyCar->NextStage();
                MyCar->SpeedMode = 0;
                Restart(RestartMode::NextStage);
                outcome.StageCleared = MyCar->Stage;
                outcome.FullRepaint = true;
            }
        }
        for (int32_t i = 0; i < ActiveCars; ++i) {
            if (MyCar->SameCell(Cars[static_cast<size_t>(i)]->Position)) {
                crash = true;
                break;
            }
        }
    }

    if (!crash && !faulty) {
        for (int32_t i = 0; i < ActiveCars; ++i) {
            TCar& car = *Cars[static_cast<size_t>(i)];
            r = car.Step(MyCar->Lane, MyCar->Block);
            if (IsCourseFault(r)) {
                faulty = &car;
                faultyCar = i + 1;
                break;
            }
            if (r == MoveResult::Arrived && MyCar->SameCell(car.Position)) {
                crash = true;
                break;
            }
        }
    }

    if (faulty) {
        // Play cannot go on: the depth stays, so no later tick does anything either.
        const bool left = r == MoveResult::LeftCourse;
        outcome.Fault = CourseFault{left ? CourseFaultKind::LeftCourse : CourseFaultKind::DeadEnd,
                                    faultyCar, left ? faulty->PreviousCell : faulty->Position};
        return outcome;
    }
    if (crash)
        CrashHappened(outcome);
    DrawMovingCars();
    TickDepth = 0;
    return outcome;
}

void TGameRules::CrashHappened(TickOutcome& outcome)
{
    outcome.Crash = true;
    MyCar->LoseCar();
    if (MyCar->Rest >= 1) {
        MyCar->SpeedMode = 0;
    } else {
        if (!Demo && MyCar->Score > HiScore)
            HiScore = MyCar->Score;
        if (!Demo)
            outcome.GameOver = EndedGame{MyCar->Score, MyCar->Stage};
        Demo = true;
        outcome.FellBackToDemo = true;
        Map->ResetDots();
        MyCar->Reset(false, MaxCar);
    }
    Restart(RestartMode::AfterCrash);
    outcome.FullRepaint = true;
}

void TGameRules::DrawMovingCars()
{
    if (!Field)
        return;
    MyCar->Draw(*Field, true);
    for (int32_t i = 0; i < ActiveCars; ++i)
        Cars[static_cast<size_t>(i)]->Draw(*Field, true);
}

bool TGameRules::KeyDirection(int32_t direction)
{
    if (Demo)
        return false;
    MyCar->WantDirection = direction;
    return true;
}

bool TGameRules::KeyToggleDoubleSpeed()
{
    if (Demo)
        return false;
    MyCar->SpeedMode = MyCar->SpeedMode == 1 ? 0 : 1;
    return true;
}

bool TGameRules::KeyToggleStop()
{
    if (Demo)
        return false;
    MyCar->SpeedMode = MyCar->SpeedMode == 2 ? 0 : 2;
    return true;
}
