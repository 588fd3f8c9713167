// SPDX-License-Identifier: GPL-3.0-or-later
// What the window says over the field as play goes on: the start wait with its countdown, the
// stage that begins, a pause, and the end of a game while the demo already runs.
#include "rules/GameRules.h"
#include "rules/PlayMessages.h"

#include <gtest/gtest.h>

namespace {

struct Play {
    TMap map{24, 240, 60, false};
    TGameRules rules;
    PlayMessages messages;
    int64_t now = 0;

    Play()
    {
        rules.MyCar = std::make_unique<TMyCar>(&map, 0);
        rules.MyCar->Stage = 1;
    }
    // A start wait of `ticks` ticks of 50 ms, as Restart begins one.
    void Wait(int32_t ticks = 60) { rules.StartWait = ticks; }
    PlayMessage Look(bool paused = false) { return messages.Update(rules, paused, 50, now); }
};

PlayMessage Ready(int32_t stage, int32_t countdown)
{
    return {PlayMessage::Kind::Ready, stage, countdown, 0};
}

} // namespace

TEST(PlayMessagesTest, ANewGameAnnouncesItsStageAndCountsDown)
{
    Play play;
    play.messages.NewGame();
    play.rules.Demo = false;
    play.Wait(60);
    EXPECT_EQ(play.Look(), Ready(1, 3));
    play.rules.StartWait = 40; // 2.0 s left
    EXPECT_EQ(play.Look(), Ready(1, 2));
    play.rules.StartWait = 21; // 1.05 s left: still two seconds to count
    EXPECT_EQ(play.Look(), Ready(1, 2));
    play.rules.StartWait = 1;
    EXPECT_EQ(play.Look(), Ready(1, 1));
    play.rules.StartWait = 0;
    EXPECT_EQ(play.Look().Shown, PlayMessage::Kind::None);
}

TEST(PlayMessagesTest, OnlyANewStageIsAnnouncedNotTheWaitAfterACrash)
{
    Play play;
    play.messages.NewGame();
    play.rules.Demo = false;
    play.Wait();
    play.Look();
    play.rules.StartWait = 0;
    play.Look();
    play.Wait(); // a crash: the stage goes on
    EXPECT_EQ(play.Look(), Ready(0, 3));
    play.rules.StartWait = 0;
    play.Look();
    play.rules.MyCar->Stage = 2; // cleared
    play.Wait();
    EXPECT_EQ(play.Look(), Ready(2, 3));
    // A new game starts at stage 1 again and announces it, even right after another wait.
    play.messages.NewGame();
    play.rules.MyCar->Stage = 1;
    EXPECT_EQ(play.Look(), Ready(1, 3));
}

TEST(PlayMessagesTest, TheDemoWaitsSilentlyAndAPauseIsAlwaysSaid)
{
    Play play;
    play.Wait();
    EXPECT_EQ(play.Look().Shown, PlayMessage::Kind::None);
    EXPECT_EQ(play.Look(true).Shown, PlayMessage::Kind::Paused);
    play.rules.Demo = false;
    EXPECT_EQ(play.Look(true).Shown, PlayMessage::Kind::Paused);
}

TEST(PlayMessagesTest, GameOverStaysTwoSecondsWhileTheDemoRuns)
{
    Play play;
    play.rules.Demo = false;
    play.rules.MyCar->Stage = 4;
    play.Wait();
    play.Look();
    play.now = 10'000;
    play.messages.GameEnded(1230, play.now);
    play.rules.Demo = true; // the rules fall back into the demo at once
    const PlayMessage over{PlayMessage::Kind::GameOver, 0, 0, 1230};
    EXPECT_EQ(play.Look(), over);
    play.now += PlayMessages::GameOverMs - 1;
    EXPECT_EQ(play.Look(), over);
    EXPECT_TRUE(play.messages.GameOverShowing(play.now));
    play.now += 1;
    EXPECT_EQ(play.Look().Shown, PlayMessage::Kind::None);
    // The next game announces its first stage, although the last one ended in stage 4.
    play.messages.NewGame();
    play.rules.Demo = false;
    play.rules.MyCar->Stage = 1;
    play.Wait();
    EXPECT_EQ(play.Look(), Ready(1, 3));
}
