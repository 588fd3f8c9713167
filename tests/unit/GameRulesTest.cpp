// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestFiles.h"

#include "rules/GameRules.h"
#include "rules/HeadlessHost.h"
#include "platform/Canvas.h"
#include "platform/Random.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {
// Rules on a course text with 24-pixel tiles, started as the window starts them.
struct Game {
    Game(const std::string& courseText, int32_t moveSpeed = 1, int32_t tileHeight = 96)
    {
        brv::SetClock([] { return 4242u; });
        rules.MapName = dir.Write("course.dat", courseText);
        rules.Map = std::make_unique<TMap>(tileHeight, 160, 60, false);
        rules.MoveSpeed = moveSpeed;
        rules.LoadCourse();
        rules.StartPlay();
    }
    ~Game() { brv::SetClock({}); }
    // n ticks; what the last one reported.
    TickOutcome Ticks(int n)
    {
        TickOutcome last;
        for (int i = 0; i < n; ++i)
            last = rules.Timer1Timer();
        return last;
    }

    TempDir dir;
    TGameRules rules;
};

// A corridor one row high: closed at both ends, so a car that reaches an end is stuck.
std::string Corridor(const std::string& starts, int count, const std::string& dots = "......")
{
    return CourseText("MapSize=6,1\nStartNumber=" + std::to_string(count), "1=D55557",
                      "1=" + dots, starts);
}

// The ring of three by three cells around a closed centre.
std::string Ring(const std::string& starts, int count, const std::string& dots = "OOO\n2=O.O\n3=OOO")
{
    return CourseText("MapSize=3,3\nStartNumber=" + std::to_string(count), "1=953\n2=AFA\n3=C56",
                      "1=" + dots, starts);
}

std::vector<std::pair<int32_t, int32_t>> Plan(TGameRules& rules, int stages)
{
    std::vector<std::pair<int32_t, int32_t>> plan;
    for (int stage = 1; stage <= stages; ++stage) {
        rules.MyCar->Stage = stage;
        rules.PlaceCars();
        plan.emplace_back(rules.MyCar->Speed, rules.ActiveCars);
    }
    return plan;
}
} // namespace

TEST(GameRules, SpeedTables)
{
    const std::string course = Ring("Pos0=1,1,2,1\nPos1=3,3,6,1", 2);
    EXPECT_EQ(Game(course, 1, 64).rules.SpeedTable, (std::vector<int32_t>{2, 4, 8, 16}));
    EXPECT_EQ(Game(course, 1, 96).rules.SpeedTable, (std::vector<int32_t>{2, 4, 6, 8, 12, 24}));
    EXPECT_EQ(Game(course, 1, 80).rules.SpeedTable, (std::vector<int32_t>{2, 4, 10, 20}));
    EXPECT_TRUE(Game(course, 1, 60).rules.SpeedTable.empty());
}

TEST(GameRules, StagePlanComesInGroupsOfTheComputerCars)
{
    Game three(Ring("Pos0=1,1,2,1\nPos1=3,3,6,1\nPos2=3,1,4,1\nPos3=1,3,0,1", 4), 1, 64);
    EXPECT_EQ(Plan(three.rules, 11),
              (std::vector<std::pair<int32_t, int32_t>>{{4, 1}, {4, 2}, {4, 3}, {8, 1}, {8, 2},
                                                        {8, 3}, {16, 1}, {16, 2}, {16, 3},
                                                        {16, 3}, {16, 3}}));
    Game two(Ring("Pos0=1,1,2,1\nPos1=3,3,6,1\nPos2=3,1,4,1", 3), 1, 96);
    const auto plan = Plan(two.rules, 12);
    EXPECT_EQ(plan[2], (std::pair<int32_t, int32_t>{6, 1}));
    EXPECT_EQ(plan[7], (std::pair<int32_t, int32_t>{12, 2}));
    EXPECT_EQ(plan[8], (std::pair<int32_t, int32_t>{24, 1}));
    EXPECT_EQ(plan[11], (std::pair<int32_t, int32_t>{24, 2}));

    Game odd(Ring("Pos0=1,1,2,1\nPos1=3,3,6,1\nPos2=3,1,4,1", 3), 1, 60);
    EXPECT_EQ(Plan(odd.rules, 1), (std::vector<std::pair<int32_t, int32_t>>{{15, 2}}))
        << "no table: every stage at the tile size with all computer cars";
}

TEST(GameRules, PlayerAloneClimbsTheTable)
{
    Game alone(Ring("Pos0=1,1,2,1", 1), 1, 96);
    EXPECT_EQ(Plan(alone.rules, 7),
              (std::vector<std::pair<int32_t, int32_t>>{{4, 0}, {6, 0}, {8, 0}, {12, 0}, {24, 0},
                                                        {24, 0}, {24, 0}}));
    for (int tick = 0; tick < 200; ++tick) // round and round, clearing stages, never crashing
        ASSERT_FALSE(alone.rules.Timer1Timer().Fault);
    EXPECT_GT(alone.rules.MyCar->Stage, 1);
}

TEST(GameRules, StartUpCheckOfTheMoveSpeed)
{
    const std::string course = Ring("Pos0=1,1,2,1\nPos1=3,3,6,1", 2);
    EXPECT_EQ(Game(course, 3, 64).rules.MoveSpeed, 3);
    EXPECT_EQ(Game(course, 4, 64).rules.MoveSpeed, 1);
    EXPECT_EQ(Game(course, -1, 64).rules.MoveSpeed, 1);
}

TEST(GameRules, StartWaitFollowsTheInterval)
{
    Game game(Ring("Pos0=1,1,2,1\nPos1=3,3,6,1", 2));
    EXPECT_EQ(game.rules.StartWait, 0) << "the demo moves at once after start-up";
    for (const auto& [interval, wait] : {std::pair{50, 60}, std::pair{100, 30}, std::pair{40, 60},
                                         std::pair{3000, 1}, std::pair{4000, 0}, std::pair{0, 60},
                                         std::pair{-5, 0}}) {
        game.rules.TimerInterval = interval;
        game.rules.Restart(RestartMode::AfterCrash);
        EXPECT_EQ(game.rules.StartWait, wait) << "interval " << interval;
    }
    game.rules.TimerInterval = 50;
    game.rules.Restart(RestartMode::AfterCrash);
    const TPoint placed = game.rules.MyCar->Position;
    for (int tick = 0; tick < 60; ++tick)
        EXPECT_FALSE(game.rules.Timer1Timer().Moved) << "nothing moves during the wait";
    EXPECT_EQ(game.rules.MyCar->Position, placed);
    EXPECT_EQ(game.rules.MyCar->Progress, 0);
    EXPECT_TRUE(game.Ticks(1).Moved);
    EXPECT_EQ(game.rules.MyCar->Progress, 4);
}

TEST(GameRules, EatingScoresOnlyInAGame)
{
    Game demo(Corridor("Pos0=1,1,2,1", 1, ".OOOO."), 5);
    const TickOutcome demoEats = demo.Ticks(1);
    EXPECT_EQ(demoEats.DotsEaten, 1);
    EXPECT_EQ(demoEats.PointsScored, 0);
    EXPECT_FALSE(demoEats.InGame) << "the demo's eating has no sound";
    EXPECT_EQ(demo.rules.Map->DotsEaten, 1);
    EXPECT_EQ(demo.rules.MyCar->Score, 0);

    Game game(Corridor("Pos0=1,1,2,1", 1, ".OOOO."), 5);
    game.rules.NewGame();
    EXPECT_EQ(game.rules.StartWait, 60);
    const TickOutcome eats = game.Ticks(61);
    EXPECT_TRUE(eats.InGame);
    EXPECT_EQ(eats.DotsEaten, 1);
    EXPECT_EQ(eats.PointsScored, 10);
    EXPECT_FALSE(eats.Crash || eats.FullRepaint || eats.StageCleared || eats.Fault);
    EXPECT_EQ(game.rules.MyCar->Score, 10);
    game.rules.MyCar->Stage = 3;
    EXPECT_EQ(game.Ticks(1).PointsScored, 30);
    EXPECT_EQ(game.rules.MyCar->Score, 40);
    EXPECT_EQ(game.Ticks(1).DotsEaten, 1);
}

TEST(GameRules, LastDotStartsTheNextStage)
{
    Game game(Corridor("Pos0=1,1,2,1\nPos1=6,1,6,1", 2, ".O...."), 1);
    game.rules.StartWait = 0;
    EXPECT_EQ(game.Ticks(5).StageCleared, 0);
    const TickOutcome cleared = game.Ticks(1); // 4 pixels a tick: (2,1) at the sixth tick
    EXPECT_EQ(cleared.StageCleared, 2);
    EXPECT_TRUE(cleared.FullRepaint);
    EXPECT_FALSE(cleared.Crash);
    EXPECT_EQ(game.rules.MyCar->Stage, 2);
    EXPECT_EQ(game.rules.Map->DotAt(2, 1), 'O') << "dots reset for the new stage";
    EXPECT_EQ(game.rules.MyCar->Position, (TPoint{1, 1})) << "placed again";
    EXPECT_EQ(game.rules.Cars[0]->Progress, 6) << "the computer car took one step at stage 2's speed";
    EXPECT_EQ(game.rules.StartWait, 60);
}

TEST(GameRules, PlayersArrivalIsCheckedBeforeAnyComputerCarMoves)
{
    Game game(Corridor("Pos0=1,1,2,1\nPos1=4,1,6,1\nPos2=5,1,6,1", 3), 5);
    game.rules.MyCar->Stage = 2; // two computer cars at 24 pixels a tick
    game.rules.PlaceCars();
    game.rules.MaxCar = 3;
    game.Ticks(1); // player to (2,1), car 0 to (3,1), car 1 to (4,1)
    ASSERT_EQ(game.rules.MyCar->Position, (TPoint{2, 1}));
    // The player into (3,1), where car 0 stands: a crash before anything else moves.
    const TickOutcome crash = game.Ticks(1);
    EXPECT_TRUE(crash.Crash);
    EXPECT_TRUE(crash.FullRepaint);
    EXPECT_FALSE(crash.FellBackToDemo);
    EXPECT_FALSE(crash.InGame) << "a crash in the demo";
    EXPECT_EQ(game.rules.MyCar->Rest, 2);
    EXPECT_EQ(game.rules.Cars[1]->Position, (TPoint{5, 1})) << "placed again after the crash";
    EXPECT_EQ(game.rules.StartWait, 60);
}

TEST(GameRules, ComputerCarArrivalStopsTheLoop)
{
    Game game(Corridor("Pos0=2,1,2,1\nPos1=4,1,6,1\nPos2=6,1,6,1", 3), 5);
    game.rules.NewGame();
    game.rules.StartWait = 0;
    game.rules.MyCar->Stage = 2;
    game.rules.PlaceCars();
    game.rules.MyCar->SpeedMode = 2; // the player stands at (2,1)
    game.Ticks(1);                   // car 0 to (3,1), car 1 to (5,1)
    ASSERT_EQ(game.rules.Cars[1]->Position, (TPoint{5, 1}));
    const int32_t rest = game.rules.MyCar->Rest;
    game.rules.MyCar->SpeedMode = 2;
    const TickOutcome crash = game.Ticks(1); // car 0 into the player's cell
    EXPECT_TRUE(crash.Crash);
    EXPECT_TRUE(crash.InGame);
    EXPECT_EQ(game.rules.MyCar->Rest, rest - 1);
    EXPECT_EQ(game.rules.MyCar->SpeedMode, 0) << "a new life drives at normal speed";
}

TEST(GameRules, CrashKeepsEatenDotsAndGameOverFallsBackToTheDemo)
{
    Game game(Corridor("Pos0=1,1,2,1\nPos1=4,1,6,1", 2, ".OOOO."), 5);
    game.rules.MaxCar = 2;
    game.rules.HiScore = 5;
    game.rules.NewGame();
    game.rules.StartWait = 0;
    game.Ticks(1);
    // Eats (3,1), where car 0 has just arrived: the dot and the crash in one tick.
    const TickOutcome crash = game.Ticks(1);
    EXPECT_TRUE(crash.InGame);
    EXPECT_EQ(crash.DotsEaten, 1);
    EXPECT_TRUE(crash.Crash);
    EXPECT_FALSE(crash.FellBackToDemo);
    EXPECT_FALSE(crash.GameOver);
    EXPECT_EQ(game.rules.MyCar->Rest, 1);
    EXPECT_EQ(game.rules.Map->DotAt(2, 1), 'o') << "a crash keeps the eaten dots";
    EXPECT_FALSE(game.rules.Demo);

    game.rules.StartWait = 0;
    game.Ticks(1);
    const TickOutcome over = game.Ticks(1);
    EXPECT_TRUE(over.InGame) << "the tick began in the game";
    EXPECT_TRUE(over.FellBackToDemo);
    ASSERT_TRUE(over.GameOver);
    EXPECT_EQ(over.GameOver->Score, 20);
    EXPECT_EQ(over.GameOver->Stage, 1);
    EXPECT_TRUE(game.rules.Demo) << "no car left: the demo takes over";
    EXPECT_EQ(game.rules.HiScore, 20);
    EXPECT_EQ(game.rules.MyCar->Score, 20) << "the last score stays on show";
    EXPECT_EQ(game.rules.MyCar->Rest, 2);
    EXPECT_EQ(game.rules.MyCar->Stage, 1);
    EXPECT_EQ(game.rules.Map->DotAt(2, 1), 'O');

    // A game over in the demo never changes the hi-score and is no game that ended.
    game.rules.HiScore = 0;
    int fallBacks = 0;
    for (int i = 0; i < 8; ++i) {
        game.rules.StartWait = 0;
        const TickOutcome outcome = game.rules.Timer1Timer();
        EXPECT_FALSE(outcome.InGame || outcome.GameOver);
        fallBacks += outcome.FellBackToDemo;
    }
    EXPECT_GE(fallBacks, 1);
    EXPECT_EQ(game.rules.HiScore, 0);
}

TEST(GameRules, HiScoreNeedsAStrictlyHigherScore)
{
    // The game scores 10: a hi-score as high, or higher, stays.
    for (const int32_t hiScore : {10, 50}) {
        Game game(Corridor("Pos0=1,1,2,1\nPos1=4,1,6,1", 2, ".O...."), 5);
        game.rules.MaxCar = 1;
        game.rules.HiScore = hiScore;
        game.rules.NewGame();
        game.rules.StartWait = 0;
        game.rules.Map->DotTotal = 99; // keep the stage going
        game.Ticks(2);
        ASSERT_TRUE(game.rules.Demo);
        EXPECT_EQ(game.rules.MyCar->Score, 10);
        EXPECT_EQ(game.rules.HiScore, hiScore);
    }
}

TEST(GameRules, ReseedingRules)
{
    Game game(Ring("Pos0=1,1,2,1\nPos1=3,3,6,1", 2));
    for (const auto& [demo, randomInit, reseeds] :
         {std::tuple{true, true, false}, std::tuple{true, false, true},
          std::tuple{false, true, true}, std::tuple{false, false, true}}) {
        game.rules.Demo = demo;
        game.rules.RandomInit = randomInit;
        brv::SetRandomSeed(99);
        game.rules.PlaceCars();
        EXPECT_EQ(brv::RandomSeed(), reseeds ? 4242u : 99u) << demo << randomInit;
    }
}

TEST(GameRules, NestedTickOnlyRecordsItsDepth)
{
    Game game(Ring("Pos0=1,1,2,1\nPos1=3,3,6,1", 2));
    game.rules.TickDepth = 1; // a tick is under way further up
    const int32_t progress = game.rules.MyCar->Progress;
    EXPECT_FALSE(game.rules.Timer1Timer().Moved);
    EXPECT_EQ(game.rules.MaxOverlap, 2u);
    EXPECT_EQ(game.rules.MyCar->Progress, progress);
    EXPECT_EQ(game.rules.TickDepth, 2u);
    game.rules.TickDepth = 0; // the tick further up has ended
    EXPECT_TRUE(game.rules.Timer1Timer().Moved);
    EXPECT_EQ(game.rules.TickDepth, 0u);
    EXPECT_EQ(game.rules.MaxOverlap, 2u) << "never lowered";

    Game other(Ring("Pos0=1,1,2,1\nPos1=3,3,6,1", 2));
    EXPECT_EQ(other.rules.TickDepth, 0u) << "each game counts its own ticks";
    EXPECT_TRUE(other.rules.Timer1Timer().Moved);
}

TEST(GameRules, CourseFaultsSayWhatAndWhereAndStopEverything)
{
    Game deadEnd(Corridor("Pos0=5,1,2,1", 1), 5);
    const TickOutcome fault = deadEnd.Ticks(1); // into (6,1): closed ahead and on both sides
    ASSERT_TRUE(fault.Fault);
    EXPECT_EQ(fault.Fault->Kind, CourseFaultKind::DeadEnd);
    EXPECT_EQ(fault.Fault->Car, 0);
    EXPECT_EQ(fault.Fault->Cell, (TPoint{6, 1}));
    EXPECT_FALSE(fault.Crash || fault.FullRepaint);
    EXPECT_EQ(deadEnd.rules.TickDepth, 1u);
    const TPoint stuck = deadEnd.rules.MyCar->Position;
    for (int tick = 0; tick < 5; ++tick) {
        const TickOutcome after = deadEnd.rules.Timer1Timer();
        EXPECT_FALSE(after.Moved || after.Fault) << "no tick works after a fault";
    }
    EXPECT_EQ(deadEnd.rules.MyCar->Position, stuck);

    // A computer car's fault names the car; one that drives off names the cell it left.
    Game computer(Corridor("Pos0=1,1,2,1\nPos1=5,1,2,1", 2), 5);
    const TickOutcome carFault = computer.Ticks(1);
    ASSERT_TRUE(carFault.Fault);
    EXPECT_EQ(carFault.Fault->Kind, CourseFaultKind::DeadEnd);
    EXPECT_EQ(carFault.Fault->Car, 1);
    EXPECT_EQ(carFault.Fault->Cell, (TPoint{6, 1}));

    Game open(CourseText("MapSize=6,1\nStartNumber=1", "1=D55555", "1=......", "Pos0=5,1,2,1"),
              5);
    EXPECT_FALSE(open.Ticks(1).Fault);
    const TickOutcome left = open.Ticks(1);
    ASSERT_TRUE(left.Fault);
    EXPECT_EQ(left.Fault->Kind, CourseFaultKind::LeftCourse);
    EXPECT_EQ(left.Fault->Cell, (TPoint{6, 1}));
    EXPECT_EQ(std::string(FaultKindName(left.Fault->Kind)), "left-course");
}

TEST(GameRules, TickReportsWhatItDrewAndLeavesTheFieldsListenerInPlace)
{
    Game game(Corridor("Pos0=1,1,2,1\nPos1=4,1,6,1", 2, ".OOOO."), 1);
    QImage field(game.rules.Map->ScreenWidth, game.rules.Map->ScreenHeight, QImage::Format_RGB32);
    field.fill(Qt::black);
    brv::Canvas canvas(field);
    int heard = 0;
    canvas.SetChangeListener([&heard](const QRect&) { ++heard; });
    game.rules.Field = &canvas;
    game.rules.NewGame();
    game.rules.StartWait = 0;

    EXPECT_TRUE(game.Ticks(1).Changed.empty()) << "a first draw copies from the sheet: none here";
    const TickOutcome moved = game.Ticks(1);
    ASSERT_EQ(moved.Changed.size(), 2u) << "the player's car, then the computer car";
    const QRect whole = field.rect();
    for (const FieldRect& r : moved.Changed)
        EXPECT_TRUE(whole.contains(QRect(r.X, r.Y, r.Width, r.Height))) << r.X << "," << r.Y;
    EXPECT_LT(moved.Changed[0].X, moved.Changed[1].X) << "the player drives left of the car";
    EXPECT_EQ(heard, 0) << "while ticking, what is drawn goes into the outcome";
    canvas.TextOut(1, 1, "8");
    EXPECT_EQ(heard, 1) << "the canvas's own listener is back after the tick";

    game.rules.Field = nullptr;
    EXPECT_TRUE(game.Ticks(1).Changed.empty()) << "no field, nothing drawn";
}

TEST(GameRules, KeysAreIgnoredInTheDemo)
{
    Game game(Ring("Pos0=1,1,2,1\nPos1=3,3,6,1", 2));
    EXPECT_FALSE(game.rules.KeyDirection(4));
    EXPECT_FALSE(game.rules.KeyToggleStop());
    EXPECT_EQ(game.rules.MyCar->WantDirection, 0);
    EXPECT_EQ(game.rules.MyCar->SpeedMode, 0);
    game.rules.NewGame();
    EXPECT_TRUE(game.rules.KeyDirection(4));
    EXPECT_EQ(game.rules.MyCar->WantDirection, 4);
    game.rules.KeyToggleStop();
    EXPECT_EQ(game.rules.MyCar->SpeedMode, 2);
    game.rules.KeyToggleDoubleSpeed();
    EXPECT_EQ(game.rules.MyCar->SpeedMode, 1);
    game.rules.KeyToggleDoubleSpeed();
    EXPECT_EQ(game.rules.MyCar->SpeedMode, 0);
}

TEST(GameRules, FewerCarsOnANewCourse)
{
    Game game(Ring("Pos0=1,1,2,1\nPos1=3,3,6,1\nPos2=3,1,4,1", 3));
    ASSERT_EQ(game.rules.Cars.size(), 2u);
    game.rules.MapName = game.dir.Write("one.dat", Ring("Pos0=1,1,2,1\nPos1=3,3,6,1", 2));
    game.rules.LoadCourse();
    game.rules.ResizeCars();
    EXPECT_EQ(game.rules.Cars.size(), 1u);
}

TEST(GameRules, GameOverIsReportedForAGameButNeverForTheDemo)
{
    Game game(Corridor("Pos0=1,1,2,1\nPos1=4,1,6,1", 2, ".O...."), 5);
    game.rules.MaxCar = 1;
    game.rules.MyCar->Reset(true, 1);
    game.rules.Map->DotTotal = 99; // keep the stage going
    bool fellBack = false;
    for (int i = 0; i < 6; ++i) { // demo games end without a report
        game.rules.StartWait = 0;
        const TickOutcome outcome = game.rules.Timer1Timer();
        fellBack = fellBack || outcome.FellBackToDemo;
        EXPECT_FALSE(outcome.GameOver);
    }
    ASSERT_TRUE(fellBack) << "the demo lost its car";

    game.rules.NewGame();
    game.rules.MyCar->Stage = 3;
    game.rules.StartWait = 0;
    game.rules.Map->DotTotal = 99; // keep the stage going
    game.Ticks(1);
    const TickOutcome over = game.Ticks(1); // eats the dot at stage 3, then the crash ends the game
    ASSERT_TRUE(game.rules.Demo);
    ASSERT_TRUE(over.GameOver);
    EXPECT_EQ(over.GameOver->Score, 30);
    EXPECT_EQ(over.GameOver->Stage, 3);
}

TEST(HeadlessHost, AnswersEachTickAsTheWindowDoes)
{
    // The eating and crash sounds of a game, in that order within one tick; the demo's status
    // text once the last car is lost; the game that ended.
    Game game(Corridor("Pos0=1,1,2,1\nPos1=4,1,6,1", 2, ".OOOO."), 5);
    HeadlessHost host;
    host.SoundOn = true;
    host.EatWave = "eat.wav";
    host.CrashWave = "crash.wav";
    host.ErrorText = {"", "e1", "e2", "e3", "e4", "fatal course"};
    host.StatusText = {"", "playing", "paused", "demo"};
    game.rules.MaxCar = 1;
    game.rules.NewGame();
    game.rules.StartWait = 0;
    host.Tick(game.rules);
    host.Tick(game.rules); // eats (3,1), where car 0 has just arrived: the game is over
    EXPECT_EQ(host.SoundsPlayed, (std::vector<std::string>{"eat.wav", "eat.wav", "crash.wav"}));
    EXPECT_EQ(host.Status, "demo");
    ASSERT_EQ(host.GamesOver.size(), 1u);
    EXPECT_EQ(host.GamesOver[0].Score, 20);
    EXPECT_TRUE(host.RepaintPending);

    // The demo plays no sound; without SoundOn a game plays none either.
    host.SoundsPlayed.clear();
    for (int tick = 0; tick < 4; ++tick) {
        game.rules.StartWait = 0;
        host.Tick(game.rules);
    }
    EXPECT_TRUE(host.SoundsPlayed.empty());
    host.SoundOn = false;
    game.rules.NewGame();
    game.rules.StartWait = 0;
    host.Tick(game.rules);
    EXPECT_TRUE(host.SoundsPlayed.empty());
    EXPECT_FALSE(host.Closed);

    // A course fault: the clock stops, error text 5 is shown, the window closes.
    Game fatal(Corridor("Pos0=5,1,2,1", 1), 5);
    HeadlessHost closing = host;
    closing.Running = true;
    closing.SoundOn = true;
    closing.Tick(fatal.rules);
    EXPECT_FALSE(closing.Running);
    EXPECT_EQ(closing.Status, "paused");
    EXPECT_EQ(closing.ErrorsShown, (std::vector<std::string>{"fatal course"}));
    EXPECT_TRUE(closing.Closed);
    ASSERT_TRUE(closing.Fault);
    EXPECT_EQ(closing.Fault->Kind, CourseFaultKind::DeadEnd);
}
