#include "LevelFixture.h"

namespace {


TEST_F(Levels, TheClockStartsOnlyWithAnArrowPressedAfterTheTrolleysFirstTwoSeconds)
{
    enterLevel("LEVEL1");
    seconds(1);
    session->press(VK_RIGHT);
    session->frame();
    EXPECT_FALSE(game->clockRunning) << "too early";
    seconds(1.1);
    EXPECT_FALSE(game->clockRunning) << "waiting alone starts nothing";
    session->press(VK_UP);
    session->frame();
    EXPECT_TRUE(game->clockRunning);
}

TEST_F(Levels, AHeldPadDirectionStartsTheClockOnTheFirstFrameAfterTwoSeconds)
{
    enterLevel("LEVEL1");
    session->pad(XINPUT_GAMEPAD_DPAD_DOWN);
    session->frames(99); // 1.98 s
    EXPECT_FALSE(game->clockRunning);
    // The trolley's timer is a sum of frame times: it passes 2.0 in frame 101 or 102.
    session->frames(3);
    EXPECT_TRUE(game->clockRunning);
}

TEST_F(Levels, ATickComesOnTheFrameThatPassesASecondAndTheRestIsDropped)
{
    enterLevel("LEVEL1");
    startClock();
    const int before = game->secondsLeft;
    game->clockAccumulator = 0;
    session->setFrameTime(0.0625);
    session->frames(16); // exactly 1.0: not yet
    EXPECT_EQ(game->secondsLeft, before);
    session->frame();
    EXPECT_EQ(game->secondsLeft, before - 1);
    EXPECT_FLOAT_EQ(game->clockAccumulator, 0) << "the part past the second is dropped";
}

TEST_F(Levels, OStopsTheClockAndBringsBackTheObjectives)
{
    enterLevel("LEVEL1");
    startClock();
    session->press('O');
    session->frame();
    EXPECT_FALSE(game->clockRunning);
    const int left = game->secondsLeft;
    seconds(3);
    EXPECT_EQ(game->secondsLeft, left);
    session->press(VK_LEFT);
    session->frame();
    EXPECT_TRUE(game->clockRunning);
}

TEST_F(Levels, TheClockAtZeroEndsTheGame)
{
    enterLevel("LEVEL1");
    startClock();
    game->secondsLeft = 1;
    seconds(1.1);
    EXPECT_TRUE(showing("GAMEOVER"));
    EXPECT_TRUE(game->gameOverShown);
}

struct BonusCase {
    int secondsLeft;
    int bonus;
};

class TimeBonus : public Levels, public ::testing::WithParamInterface<BonusCase> {};

TEST_P(TimeBonus, PayingAddsFiftyAndTheBonusForTheSecondsLeft)
{
    enterLevel("LEVEL1");
    trolley().score = 1000;
    game->collectedCount = 6; // the list is complete
    game->secondsLeft = GetParam().secondsLeft;
    // The trolley starts on the pay spot; the clock is stopped, so the seconds stay.
    for (int frame = 0; frame < 200 && showing("LEVEL1"); ++frame) session->frame();
    EXPECT_TRUE(showing("LEVEL2"));
    EXPECT_EQ(trolley().score, 1000 + 50 + GetParam().bonus);
}

INSTANTIATE_TEST_SUITE_P(Level, TimeBonus,
                         ::testing::Values(BonusCase{60, 0}, BonusCase{56, 0}, BonusCase{55, 15}, BonusCase{45, 15},
                                           BonusCase{44, 10}, BonusCase{35, 10}, BonusCase{34, 5}, BonusCase{25, 5},
                                           BonusCase{24, 0}, BonusCase{3, 0}),
                         [](const auto& info) { return "SecondsLeft" + std::to_string(info.param.secondsLeft); });

TEST_F(Levels, TimeOnThePaySpotAddsUpOverVisitsAndPaysOnTheFirstFrameTheListIsComplete)
{
    enterLevel("LEVEL1");
    seconds(3.5); // waiting on the spot with nothing in the trolley
    EXPECT_TRUE(showing("LEVEL1"));
    EXPECT_GT(level->getCheckoutTimer(), 3.0f);
    placeTrolley(600, 520); // off the spot
    session->frame();
    game->collectedCount = 6;
    session->frame();
    EXPECT_TRUE(showing("LEVEL1"));
    placeTrolley(205, 640);
    session->frame();
    EXPECT_TRUE(showing("LEVEL2")) << "paid in the very frame it came back";
    EXPECT_EQ(trolley().score, 50);
}

TEST_F(Levels, TheLightsOverThePaySpotComeOnTheFrameAfterTheLastProduct)
{
    enterLevel("LEVEL1");
    session->frame();
    game->collectedCount = 6;
    EXPECT_FALSE(level->payLights().getVisible());
    session->frame();
    EXPECT_TRUE(level->payLights().getVisible()) << "switched on while drawing";
    EXPECT_TRUE(level->payLights().getActive());
    game->collectedCount = 5;
    session->frame();
    EXPECT_FALSE(level->payLights().getVisible());
}

TEST_F(Levels, EscapeLeavesAndLevelOneStartsANewGameEveryTime)
{
    enterLevel("LEVEL1");
    startClock();
    placeTrolley(220, 140); // on the pizza
    session->frame();
    EXPECT_EQ(game->collectedCount, 1);
    EXPECT_EQ(trolley().score, 10);
    EXPECT_TRUE(game->productCollected[levelsNS::PIZZA]);
    session->press(VK_ESCAPE);
    session->frame();
    EXPECT_TRUE(showing("FRONTEND"));
    EXPECT_FALSE(game->productCollected[levelsNS::PIZZA]) << "leaving clears the level's flags";
    go("LEVEL1");
    EXPECT_EQ(trolley().score, 0);
    EXPECT_EQ(game->secondsLeft, 60);
    EXPECT_FALSE(game->clockRunning);
    EXPECT_EQ(game->collectedCount, 0);
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_TRUE(level->product(i).getVisible());
        EXPECT_TRUE(level->product(i).getActive());
    }
    EXPECT_FLOAT_EQ(trolley().getX(), 145);
    EXPECT_FLOAT_EQ(trolley().getY(), 580);
}

TEST_F(Levels, AProductCountsOncePerVisit)
{
    enterLevel("LEVEL1");
    placeTrolley(220, 140);
    session->frames(10);
    EXPECT_EQ(game->collectedCount, 1);
    EXPECT_EQ(trolley().score, 10);
    EXPECT_FALSE(level->product(0).getVisible());
}

TEST_F(Levels, LevelTwoKeepsTheScorePutsAllNineBackAndTicksMilkWithEitherCarton)
{
    enterLevel("LEVEL2");
    trolley().score = 123;
    // Every product but the second milk carton: the list is complete with eight.
    for (std::size_t i = 0; i < 9; ++i) {
        if (i == 6) continue;
        placeTrolley(level->product(i).getCenterX(), level->product(i).getCenterY());
        session->frame();
    }
    EXPECT_EQ(game->collectedCount, 8);
    EXPECT_TRUE(level->payCondition());
    placeTrolley(level->product(6).getCenterX(), level->product(6).getCenterY());
    session->frame();
    EXPECT_EQ(game->collectedCount, 9) << "the second carton counts and scores too";
    EXPECT_EQ(trolley().score, 123 + 80 + 10);
    go("FRONTEND");
    go("LEVEL2");
    EXPECT_EQ(trolley().score, 213);
    EXPECT_EQ(game->collectedCount, 0);
    for (std::size_t i = 0; i < 9; ++i) EXPECT_TRUE(level->product(i).getActive());
}

TEST_F(Levels, LevelTwosPuddleSlowsTheTrolleyOnlyUnderItsMiddle)
{
    enterLevel("LEVEL2");
    seconds(2.1);
    trolley().speed = 400; // whatever it brought from before
    const Entity& sign = level->obstacle(0);
    const float cx = const_cast<Entity&>(sign).getCenterX(), cy = const_cast<Entity&>(sign).getCenterY();
    placeTrolley(cx + 63, cy); // its box reaches the sign's centre
    session->frame();
    EXPECT_FLOAT_EQ(trolley().speed, 50);
    placeTrolley(cx + 66, cy); // just past it
    session->frame();
    EXPECT_FLOAT_EQ(trolley().speed, 150);
    placeTrolley(cx, cy);
    session->keyDown(VK_RIGHT);
    session->frame(); // drives at the last frame's speed, then finds itself on the sign
    const float x = trolley().getCenterX();
    session->frame();
    EXPECT_NEAR(trolley().getCenterX() - x, 50 * 0.02, 1e-3) << "50 pixels a second while on it";
}

struct WallCase {
    const char* name;
    const char* level;
    int kind; // -1 checkout, -2 first obstacle, else a scenery group
    std::size_t index;
    UINT key;
};

class Walls : public Levels, public ::testing::WithParamInterface<WallCase> {};

TEST_P(Walls, KeepTheTrolleyOut)
{
    const WallCase& c = GetParam();
    enterLevel(c.level);
    seconds(2.1);
    Entity& wall = c.kind == -1 ? level->checkoutCounter()
                   : c.kind == -2 ? level->obstacle(0)
                                  : level->sceneryPiece(static_cast<SceneryGroup>(c.kind), c.index);
    // Start just clear of the wall on the side the key drives into it from.
    const float cx = wall.getCenterX(), cy = wall.getCenterY();
    const RECT& e = *wall.getEdge();
    if (c.key == VK_RIGHT) placeTrolley(cx + e.left - 70, cy);
    if (c.key == VK_LEFT) placeTrolley(cx + e.right + 70, cy);
    if (c.key == VK_DOWN) placeTrolley(cx, cy + e.top - 70);
    if (c.key == VK_UP) placeTrolley(cx, cy + e.bottom + 70);
    session->frame();
    session->keyDown(c.key);
    VECTOR2 v;
    for (int frame = 0; frame < 60; ++frame) {
        session->frame();
        EXPECT_FALSE(trolley().collidesWith(wall, v)) << "frame " << frame;
    }
    const float moved = std::abs(trolley().getCenterX() - cx) + std::abs(trolley().getCenterY() - cy);
    EXPECT_GT(moved, 60) << "it stays outside, on its own side";
}

INSTANTIATE_TEST_SUITE_P(Level, Walls,
                         ::testing::Values(WallCase{"Checkout", "LEVEL1", -1, 0, VK_DOWN},
                                           WallCase{"WetFloorSign", "LEVEL1", -2, 0, VK_LEFT},
                                           WallCase{"Shelf", "LEVEL1", levelsNS::SHELVES, 2, VK_RIGHT},
                                           WallCase{"ShelfFromBelow", "LEVEL1", levelsNS::SHELVES, 3, VK_UP},
                                           WallCase{"Freezer", "LEVEL2", levelsNS::FREEZERS, 1, VK_RIGHT},
                                           WallCase{"VegCounter", "LEVEL1", levelsNS::VEG_COUNTERS, 1, VK_DOWN},
                                           WallCase{"FishCounter", "LEVEL2", levelsNS::FISH_COUNTERS, 0, VK_DOWN}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
