#include "TestFiles.h"

#include "rules/GameRules.h"
#include "rules/HeadlessHost.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

namespace {
// Rules on a course text with 24-pixel tiles, started as the window starts them.
struct Game {
    Game(const std::string& courseText, int32_t moveSpeed = 1, int32_t tileHeight = 96)
    {
        TickDepth = 0;
        brv::SetClock([] { return 4242u; });
        rules.MapName = dir.Write("course.dat", courseText);
        rules.Map = std::make_unique<TMap>(tileHeight, 160, 60, false);
        rules.MoveSpeed = moveSpeed;
        rules.ErrorText = {"", "e1", "e2", "e3", "e4", "fatal course"};
        rules.StatusText = {"", "playing", "paused", "demo"};
        rules.LoadCourse();
        rules.StartPlay();
        host.Running = true;
    }
    ~Game() { brv::SetClock({}); }
    void Ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            rules.Timer1Timer();
    }

    TempDir dir;
    HeadlessHost host;
    TGameRules rules{host};
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
    alone.Ticks(200); // drives round and round, clearing stages, never crashing
    EXPECT_FALSE(alone.host.Closed);
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
        game.host.Interval = interval;
        game.rules.Restart(2);
        EXPECT_EQ(game.rules.StartWait, wait) << "interval " << interval;
    }
    const int repaints = game.host.Repaints;
    game.host.Interval = 50;
    game.rules.Restart(2);
    EXPECT_EQ(game.host.Repaints, repaints + 1);
    const TPoint placed = game.rules.MyCar->Position;
    game.Ticks(60);
    EXPECT_EQ(game.rules.MyCar->Position, placed) << "nothing moves during the wait";
    EXPECT_EQ(game.rules.MyCar->Progress, 0);
    game.Ticks(1);
    EXPECT_EQ(game.rules.MyCar->Progress, 4);
}

TEST(GameRules, EatingScoresOnlyInAGame)
{
    Game demo(Corridor("Pos0=1,1,2,1", 1, ".OOOO."), 5);
    demo.rules.SoundOn = true;
    demo.rules.EatWave = "eat.wav";
    demo.Ticks(1);
    EXPECT_EQ(demo.rules.Map->DotsEaten, 1);
    EXPECT_EQ(demo.rules.MyCar->Score, 0);
    EXPECT_TRUE(demo.host.SoundsPlayed.empty());

    Game game(Corridor("Pos0=1,1,2,1", 1, ".OOOO."), 5);
    game.rules.SoundOn = true;
    game.rules.EatWave = "eat.wav";
    game.rules.NewGame();
    EXPECT_EQ(game.host.StatusText, "playing");
    EXPECT_EQ(game.rules.StartWait, 60);
    game.Ticks(61);
    EXPECT_EQ(game.rules.MyCar->Score, 10);
    EXPECT_EQ(game.host.SoundsPlayed, (std::vector<std::string>{"eat.wav"}));
    game.rules.SoundOn = false;
    game.Ticks(1);
    EXPECT_EQ(game.rules.MyCar->Score, 20);
    EXPECT_EQ(game.host.SoundsPlayed.size(), 1u);
}

TEST(GameRules, LastDotStartsTheNextStage)
{
    Game game(Corridor("Pos0=1,1,2,1\nPos1=6,1,6,1", 2, ".O...."), 1);
    game.rules.StartWait = 0;
    game.Ticks(6); // 4 pixels a tick: the player reaches (2,1) at the sixth tick
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
    game.Ticks(1); // player into (3,1), where car 0 stands: crash before anything else moves
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
    game.Ticks(1); // car 0 into the player's cell
    EXPECT_EQ(game.rules.MyCar->Rest, rest - 1);
    EXPECT_EQ(game.rules.MyCar->SpeedMode, 0) << "a new life drives at normal speed";
}

TEST(GameRules, CrashKeepsEatenDotsAndGameOverFallsBackToTheDemo)
{
    Game game(Corridor("Pos0=1,1,2,1\nPos1=4,1,6,1", 2, ".OOOO."), 5);
    game.rules.MaxCar = 2;
    game.rules.HiScore = 5;
    game.rules.CrashWave = "crash.wav";
    game.rules.SoundOn = true;
    game.rules.NewGame();
    game.rules.StartWait = 0;
    game.Ticks(2); // eats (2,1) and (3,1), where car 0 has just arrived: crash
    EXPECT_EQ(game.rules.MyCar->Rest, 1);
    EXPECT_EQ(game.rules.Map->DotAt(2, 1), 'o') << "a crash keeps the eaten dots";
    EXPECT_EQ(game.host.SoundsPlayed.back(), "crash.wav");
    EXPECT_FALSE(game.rules.Demo);

    game.rules.StartWait = 0;
    game.Ticks(2);
    EXPECT_TRUE(game.rules.Demo) << "no car left: the demo takes over";
    EXPECT_EQ(game.host.StatusText, "demo");
    EXPECT_EQ(game.rules.HiScore, 20);
    EXPECT_EQ(game.rules.MyCar->Score, 20) << "the last score stays on show";
    EXPECT_EQ(game.rules.MyCar->Rest, 2);
    EXPECT_EQ(game.rules.MyCar->Stage, 1);
    EXPECT_EQ(game.rules.Map->DotAt(2, 1), 'O');

    // A game over in the demo never changes the hi-score and plays no sound.
    const size_t sounds = game.host.SoundsPlayed.size();
    game.rules.HiScore = 0;
    for (int i = 0; i < 4; ++i) {
        game.rules.StartWait = 0;
        game.Ticks(2);
    }
    EXPECT_EQ(game.rules.HiScore, 0);
    EXPECT_EQ(game.host.SoundsPlayed.size(), sounds);
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
    TickDepth = 1; // a tick is under way further up
    const int32_t progress = game.rules.MyCar->Progress;
    game.rules.Timer1Timer();
    EXPECT_EQ(game.rules.MaxOverlap, 2u);
    EXPECT_EQ(game.rules.MyCar->Progress, progress);
    EXPECT_EQ(TickDepth, 2u);
    TickDepth = 0;
    game.rules.Timer1Timer();
    EXPECT_EQ(TickDepth, 0u);
    EXPECT_EQ(game.rules.MaxOverlap, 2u) << "never lowered";
}

TEST(GameRules, FatalCourseErrorStopsEverything)
{
    Game game(Corridor("Pos0=5,1,2,1", 1), 5);
    game.Ticks(1); // into (6,1): closed ahead and on both sides
    EXPECT_FALSE(game.host.Running);
    EXPECT_EQ(game.host.ErrorsShown, (std::vector<std::string>{"fatal course"}));
    EXPECT_TRUE(game.host.Closed);
    EXPECT_EQ(TickDepth, 1u);
    TickDepth = 0;
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
    for (int i = 0; i < 3; ++i) { // demo games end without a report
        game.rules.StartWait = 0;
        game.Ticks(2);
    }
    ASSERT_EQ(game.host.StatusText, "demo") << "the demo lost its car";
    EXPECT_TRUE(game.host.GamesOver.empty());

    game.rules.NewGame();
    game.rules.MyCar->Stage = 3;
    game.rules.StartWait = 0;
    game.rules.Map->DotTotal = 99; // keep the stage going
    game.Ticks(2);                 // eats the dot at stage 3, then the crash ends the game
    ASSERT_TRUE(game.rules.Demo);
    ASSERT_EQ(game.host.GamesOver.size(), 1u);
    EXPECT_EQ(game.host.GamesOver[0].Score, 30);
    EXPECT_EQ(game.host.GamesOver[0].Stage, 3);
}
