#include "rules/GameRules.h"

#include "platform/Random.h"

thread_local uint32_t TickDepth = 0;

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

void TGameRules::Restart(int32_t mode)
{
    if (mode <= 0)
        MyCar->Reset(true, MaxCar);
    if (mode <= 1)
        Map->ResetDots();
    PlaceCars();
    Host.InvalidateField();
    const uint32_t interval = static_cast<uint32_t>(Host.TimerInterval());
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

void TGameRules::PassErrorTextsToMap()
{
    Map->SetErrorTexts(std::vector<std::string>(ErrorText.begin() + 1, ErrorText.end()));
}

void TGameRules::NewGame()
{
    Demo = false;
    Host.SetStatusText(StatusText[1]);
    Restart(0);
}

void TGameRules::Timer1Timer()
{
    if (StartWait > 0) {
        --StartWait;
        return;
    }
    ++TickDepth;
    if (TickDepth > 1) {
        if (TickDepth > MaxOverlap)
            MaxOverlap = TickDepth;
        return;
    }

    int32_t r = MyCar->MoveStep(Demo);
    if (r == MoveArrived) {
        if (MyCar->OnDot()) {
            Map->EatDot(MyCar->Position);
            if (!Demo) {
                MyCar->AddDotScore();
                if (brv::Canvas* canvas = Host.FieldCanvas())
                    Map->DrawScore(*canvas, MyCar->Score, false);
                if (SoundOn && !EatWave.empty())
                    Host.PlaySound(EatWave);
            }
            if (Map->AllDotsEaten()) {
                MyCar->NextStage();
                MyCar->SpeedMode = 0;
                Restart(1);
            }
        }
        for (int32_t i = 0; i < ActiveCars; ++i) {
            if (MyCar->SameCell(Cars[static_cast<size_t>(i)]->Position)) {
                r = MoveCrash;
                break;
            }
        }
    }

    if (r < MoveFatal) {
        for (int32_t i = 0; i < ActiveCars; ++i) {
            TCar& car = *Cars[static_cast<size_t>(i)];
            r = car.Step(MyCar->Lane, MyCar->Block);
            if (r > MoveArrived)
                break;
            if (r == MoveArrived && MyCar->SameCell(car.Position)) {
                r = MoveCrash;
                break;
            }
        }
    }

    if (r == MoveFatal) {
        Host.SetRunning(false);
        Host.ShowErrorBox(ErrorText[5]);
        Host.CloseWindow();
        return;
    }
    if (r == MoveCrash)
        CrashHappened();
    DrawMovingCars();
    TickDepth = 0;
}

void TGameRules::CrashHappened()
{
    if (!Demo && SoundOn && !CrashWave.empty())
        Host.PlaySound(CrashWave);
    MyCar->LoseCar();
    if (MyCar->Rest >= 1) {
        MyCar->SpeedMode = 0;
    } else {
        if (!Demo && MyCar->Score > HiScore)
            HiScore = MyCar->Score;
        if (!Demo)
            Host.GameOver(MyCar->Score, MyCar->Stage);
        Demo = true;
        Host.SetStatusText(StatusText[3]);
        Map->ResetDots();
        MyCar->Reset(false, MaxCar);
    }
    Restart(2);
}

void TGameRules::DrawMovingCars()
{
    brv::Canvas* canvas = Host.FieldCanvas();
    if (!canvas)
        return;
    MyCar->Draw(*canvas, true);
    for (int32_t i = 0; i < ActiveCars; ++i)
        Cars[static_cast<size_t>(i)]->Draw(*canvas, true);
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
