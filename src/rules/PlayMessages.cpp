// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/PlayMessages.h"

#include "rules/GameRules.h"

void PlayMessages::NewGame()
{
    announcedStage_ = 0;
    waiting_ = false;
    announcing_ = false;
    gameOverUntil_ = INT64_MIN;
}

void PlayMessages::GameEnded(int32_t score, int64_t nowMs)
{
    gameOverScore_ = score;
    gameOverUntil_ = nowMs + GameOverMs;
    announcedStage_ = 0;
    waiting_ = false;
    announcing_ = false;
}

PlayMessage PlayMessages::Update(const TGameRules& rules, bool paused, int32_t tickMs, int64_t nowMs)
{
    const bool playing = !rules.Demo && rules.MyCar;
    const bool waiting = playing && rules.StartWait > 0;
    if (waiting && !waiting_) {
        // A wait begins: a stage starts unless the stage is the one already under way (a crash).
        const int32_t stage = rules.MyCar->Stage;
        announcing_ = stage != announcedStage_;
        announcedStage_ = stage;
    }
    waiting_ = waiting;

    PlayMessage message;
    if (paused) {
        message.Shown = PlayMessage::Kind::Paused;
    } else if (GameOverShowing(nowMs)) {
        message.Shown = PlayMessage::Kind::GameOver;
        message.Score = gameOverScore_;
    } else if (waiting) {
        message.Shown = PlayMessage::Kind::Ready;
        message.Stage = announcing_ ? announcedStage_ : 0;
        const int64_t leftMs = int64_t{rules.StartWait} * (tickMs > 0 ? tickMs : 1);
        message.Countdown = static_cast<int32_t>((leftMs + 999) / 1000);
    }
    return message;
}
