#pragma once
// The rules' window hooks without a window, for the simulator, the benchmarks and the tests:
// it records what a window would have shown. With a Field canvas, the tick draws the moving
// cars on it as on the window's field.
#include "rules/GameRules.h"

#include <string>
#include <vector>

class HeadlessHost : public GameHost {
public:
    void SetRunning(bool run) override { Running = run; }
    int32_t TimerInterval() const override { return Interval; }
    void SetStatusText(const std::string& text) override { StatusText = text; }
    void InvalidateField() override
    {
        RepaintPending = true;
        ++Repaints;
    }
    void CloseWindow() override { Closed = true; }
    void ShowErrorBox(const std::string& text) override { ErrorsShown.push_back(text); }
    void PlaySound(const std::string& path) override { SoundsPlayed.push_back(path); }
    brv::Canvas* FieldCanvas() override { return Field; }
    void GameOver(int32_t score, int32_t stage) override { GamesOver.push_back({score, stage}); }

    brv::Canvas* Field = nullptr;
    bool Running = false;
    int32_t Interval = 50;
    std::string StatusText;
    bool RepaintPending = false;
    int Repaints = 0;
    bool Closed = false;
    std::vector<std::string> ErrorsShown;
    std::vector<std::string> SoundsPlayed;
    struct EndedGame {
        int32_t Score;
        int32_t Stage;
    };
    std::vector<EndedGame> GamesOver;
};
