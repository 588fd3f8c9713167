// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a window says over the field about the state of play: "Ready" with the seconds left while
// a game waits to start (after New, after a crash and at each stage), the stage number when a
// stage begins, "Paused" while the clock stands, and "Game over" with the score for a while
// after a game ended (the rules do not wait: the demo runs meanwhile). The window feeds it what
// happened and asks what to show; times are the caller's monotonic milliseconds.
#include <cstdint>

class TGameRules;

struct PlayMessage {
    enum class Kind { None, Ready, Paused, GameOver };
    Kind Shown = Kind::None;
    int32_t Stage = 0;     // with Ready: the stage that begins, 0 when it goes on after a crash
    int32_t Countdown = 0; // with Ready: whole seconds left, at least 1
    int32_t Score = 0;     // with GameOver
    friend bool operator==(const PlayMessage&, const PlayMessage&) = default;
};

class PlayMessages {
public:
    // How long "Game over" stays.
    static constexpr int64_t GameOverMs = 2000;

    // A new game starts: its first stage is announced.
    void NewGame();
    // A game ended with this score.
    void GameEnded(int32_t score, int64_t nowMs);
    // What to show for the rules as they are after a tick (or a command); `paused` is the pause
    // the player sees, `tickMs` the clock's real period. Call it after every tick, so that the
    // start of each wait is seen.
    PlayMessage Update(const TGameRules& rules, bool paused, int32_t tickMs, int64_t nowMs);
    // When the game-over message ends, if one shows; the caller looks again then.
    bool GameOverShowing(int64_t nowMs) const { return gameOverUntil_ > nowMs; }

private:
    int32_t announcedStage_ = 0; // the stage whose start was shown last in this game
    bool waiting_ = false;       // within a start wait
    bool announcing_ = false;    // the wait under way begins a stage
    int32_t gameOverScore_ = 0;
    int64_t gameOverUntil_ = INT64_MIN;
};
