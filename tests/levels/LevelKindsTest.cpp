#include "LevelFixture.h"
#include "actors/EnemyBase.h"
#include "levels/ShopperLevel.h"
#include "levels/TallyLevel.h"
#include "levels/WeighingLevel.h"

namespace {

// --- Levels 4 and 7: more points, a slow aisle, a pushchair ----------------------------

TEST_F(Levels, LevelFourPaysForAllFiveAndFishWithBaconIsSixtyFive)
{
    enterLevel("LEVEL4");
    onto(level->product(0));
    session->frame();
    onto(level->product(1));
    session->frame();
    EXPECT_EQ(trolley().score, 65);
    EXPECT_FALSE(level->payCondition());
    for (std::size_t i = 2; i < 5; ++i) {
        onto(level->product(i));
        session->frame();
    }
    EXPECT_TRUE(level->payCondition());
}

TEST_F(Levels, LevelSevenIsCompleteWithOneOfEachKindAndCountsAllEleven)
{
    enterLevel("LEVEL7");
    const std::size_t firstOfEach[] = {0, 1, 2, 4, 5, 6, 8, 10};
    for (std::size_t i : firstOfEach) {
        onto(level->product(i));
        session->frame();
    }
    EXPECT_TRUE(level->payCondition());
    for (std::size_t i : {std::size_t{3}, std::size_t{7}, std::size_t{9}}) {
        onto(level->product(i));
        session->frame();
    }
    EXPECT_EQ(game->collectedCount, 11);
    EXPECT_EQ(trolley().score, 175);
}

TEST_F(Levels, ThePushchairIsSolidOnlyAtItsMiddle)
{
    enterLevel("LEVEL7");
    seconds(2.1);
    Entity& pushchair = level->obstacle(1);
    // From below: the aisle between the freezers and the veg counters is clear.
    placeTrolley(pushchair.getCenterX(), pushchair.getCenterY() + 75);
    session->keyDown(VK_UP);
    seconds(1);
    VECTOR2 v;
    EXPECT_FALSE(trolley().collidesWith(pushchair, v));
    EXPECT_GT(trolley().getCenterY(), pushchair.getCenterY() + 68) << "stopped at its small box";
}

// --- Levels 5 and 8: other shoppers -----------------------------------------------------

class Shoppers : public Levels {
protected:
    ShopperLevel& shoppers() { return static_cast<ShopperLevel&>(*level); }
};

TEST_F(Shoppers, TheyWalkFromTheFirstFrameAtSeventyFivePixelsASecond)
{
    enterLevel("LEVEL5");
    EnemyBase& blonde = shoppers().blonde(0);
    EnemyBase& ginger = shoppers().ginger(0);
    const float blondeY = blonde.getY(), gingerX = ginger.getX();
    session->frames(10); // the clock is stopped, the objectives are up: they walk anyway
    EXPECT_NEAR(blonde.getY() - blondeY, 75 * 0.2, 1e-3) << "down";
    EXPECT_NEAR(ginger.getX() - gingerX, -75 * 0.2, 1e-3) << "left";
}

TEST_F(Shoppers, APatrollingShopperTurnsBackAtItsMarker)
{
    enterLevel("LEVEL5");
    EnemyBase& ginger = shoppers().ginger(0);
    // Walking left from x 600 towards the marker at x 370.
    int frame = 0;
    while (ginger.direction == 3 && frame++ < 500) session->frame();
    EXPECT_EQ(ginger.direction, 4);
    EXPECT_EQ(ginger.getCurrentFrame(), ginger.getFrameRight());
    const float x = ginger.getX();
    session->frames(10);
    EXPECT_GT(ginger.getX(), x) << "now walking right";
}

TEST_F(Shoppers, ARouteWalkerTurnsAQuarterAtEachMarker)
{
    enterLevel("LEVEL8");
    EnemyBase& walker = shoppers().blonde(0); // starts walking left
    int turns = 0, last = walker.direction, frames = 0;
    while (turns < 2 && frames++ < 2000) {
        session->frame();
        if (walker.direction != last) {
            const int expectedNext[5] = {0, 3, 4, 2, 1};
            EXPECT_EQ(walker.direction, expectedNext[last]);
            last = walker.direction;
            ++turns;
        }
    }
    EXPECT_EQ(turns, 2);
}

TEST_F(Shoppers, BumpsCostFivePointsAtMostOnceASecondAndNotInTheFirstSecond)
{
    enterLevel("LEVEL5");
    trolley().score = 100;
    EnemyBase& ginger = shoppers().ginger(0);
    ginger.halt(); // keep it where the trolley is pushed against it
    const auto pressAgainst = [&] { placeTrolley(ginger.getCenterX() - 60, ginger.getCenterY()); };
    for (int i = 0; i < 40; ++i) { // 0.8 s
        pressAgainst();
        session->frame();
    }
    EXPECT_EQ(trolley().score, 100) << "nothing in the first second after entering";
    for (int i = 0; i < 15; ++i) {
        pressAgainst();
        session->frame();
    }
    EXPECT_EQ(trolley().score, 95);
    for (int i = 0; i < 45; ++i) {
        pressAgainst();
        session->frame();
    }
    EXPECT_EQ(trolley().score, 95) << "once a second";
    for (int i = 0; i < 10; ++i) {
        pressAgainst();
        session->frame();
    }
    EXPECT_EQ(trolley().score, 90);
}

TEST_F(Shoppers, LeavingAndComingBackFindsThemWhereTheyWere)
{
    enterLevel("LEVEL5");
    session->frames(20);
    session->press(VK_ESCAPE);
    session->frame();
    const float y = shoppers().blonde(0).getY();
    go("LEVEL5");
    EXPECT_FLOAT_EQ(shoppers().blonde(0).getY(), y);
}

// --- Levels 3 and 6: the weighing task --------------------------------------------------

class Weighing : public Levels {
protected:
    WeighingLevel& scales() { return static_cast<WeighingLevel&>(*level); }
    void pickUp(std::size_t i)
    {
        onto(level->product(i));
        session->frame();
    }
    // Level 3's table: potatoes 0-4, oranges 5-9, carrots 10-14, tomatoes 15-19.
    void fillTo285()
    {
        for (std::size_t i : {0, 1, 2, 5, 6, 7, 10, 11, 12, 15, 16}) pickUp(i);
        ASSERT_EQ(game->basketWeight, 285);
    }
    void standOnScale() { placeTrolley(470, 617); }
};

TEST_F(Weighing, TheGaugeClimbsStepByStepAndGreenWeighsTheExactBasket)
{
    enterLevel("LEVEL3");
    fillTo285();
    EXPECT_TRUE(level->getPlan().listKinds.count == 4);
    for (int frame = 0; frame < 74; ++frame) { // 1.48 s on the scale
        standOnScale();
        session->frame();
    }
    EXPECT_TRUE(game->onScales);
    EXPECT_FALSE(game->weighed);
    for (int frame = 0; frame < 3; ++frame) {
        standOnScale();
        session->frame();
    }
    EXPECT_TRUE(game->weighed) << "green at 1.5 s with the exact weight";
    EXPECT_FALSE(level->payCondition() && false);
    placeTrolley(205, 640); // to the pay spot
    session->frames(160);
    EXPECT_TRUE(showing("LEVEL4"));
    EXPECT_EQ(trolley().score, 11 * 10 + 50) << "no time bonus";
}

struct BandCase {
    const char* level;
    int weight, step;
};

class WeightBands : public Weighing, public ::testing::WithParamInterface<BandCase> {};

TEST_P(WeightBands, EachWeightReachesItsHighestStep)
{
    enterLevel(GetParam().level);
    EXPECT_EQ(scales().highestStep(GetParam().weight), GetParam().step);
}

INSTANTIATE_TEST_SUITE_P(Level, WeightBands,
                         ::testing::Values(BandCase{"LEVEL3", 78, 0}, BandCase{"LEVEL3", 79, 2}, BandCase{"LEVEL3", 119, 2},
                                           BandCase{"LEVEL3", 120, 0}, BandCase{"LEVEL3", 121, 0}, BandCase{"LEVEL3", 122, 4},
                                           BandCase{"LEVEL3", 284, 4}, BandCase{"LEVEL3", 285, 5}, BandCase{"LEVEL3", 286, 0},
                                           BandCase{"LEVEL3", 290, 7}, BandCase{"LEVEL3", 400, 0}, BandCase{"LEVEL3", 402, 9},
                                           BandCase{"LEVEL6", 100, 0}, BandCase{"LEVEL6", 101, 2}, BandCase{"LEVEL6", 160, 0},
                                           BandCase{"LEVEL6", 299, 4}, BandCase{"LEVEL6", 300, 5}, BandCase{"LEVEL6", 303, 0},
                                           BandCase{"LEVEL6", 349, 7}, BandCase{"LEVEL6", 350, 0}, BandCase{"LEVEL6", 352, 9}),
                         [](const auto& info) { return std::string(info.param.level) + "Weight" + std::to_string(info.param.weight); });

TEST_F(Weighing, SteppingOffBeforeGreenWeighsNothingAndOneMoreProductSpoilsTheWeight)
{
    enterLevel("LEVEL3");
    fillTo285();
    for (int frame = 0; frame < 70; ++frame) { // 1.4 s
        standOnScale();
        session->frame();
    }
    placeTrolley(800, 450);
    session->frame();
    EXPECT_FALSE(game->weighed);
    EXPECT_FLOAT_EQ(game->scalesTimer, 0);
    for (int frame = 0; frame < 80; ++frame) {
        standOnScale();
        session->frame();
    }
    ASSERT_TRUE(game->weighed);
    EXPECT_TRUE(level->payCondition());
    pickUp(17); // a third tomato
    EXPECT_TRUE(game->weighed) << "weighed stays";
    EXPECT_FALSE(level->payCondition()) << "but the weight is no longer right";
}

TEST_F(Weighing, TheBinEmptiesTheTrolleyForFiftyPointsAndOnlyOnTheBin)
{
    enterLevel("LEVEL3");
    trolley().score = 20;
    pickUp(0);
    placeTrolley(470, 717); // on the bin
    session->frame();
    EXPECT_FALSE(game->binPromptHidden);
    session->press('Y');
    session->frame();
    EXPECT_EQ(trolley().score, 20 + 10 - 50);
    EXPECT_EQ(game->basketWeight, 0);
    EXPECT_EQ(game->collectedCount, 0);
    EXPECT_TRUE(level->product(0).getActive()) << "the products are back on the floor";
    EXPECT_FALSE(game->clockRunning) << "the objectives come back";
    session->press('Y');
    session->frame();
    EXPECT_EQ(trolley().score, -70) << "an empty trolley costs the same";
    placeTrolley(800, 450);
    session->press('Y');
    session->frame();
    EXPECT_EQ(trolley().score, -70) << "off the bin, Y does nothing";
    EXPECT_TRUE(game->binPromptHidden);
}

TEST_F(Weighing, ThereIsNoClockAndNoGameOver)
{
    enterLevel("LEVEL6");
    game->secondsLeft = 0;
    startClock();
    seconds(3);
    EXPECT_TRUE(showing("LEVEL6"));
}

TEST_F(Weighing, LevelSixRemembersAWeighingAcrossAVisitAndLevelThreeDoesNot)
{
    enterLevel("LEVEL6");
    game->weighed = true;
    go("FRONTEND");
    go("LEVEL6");
    EXPECT_TRUE(game->weighed);
    go("LEVEL3");
    EXPECT_FALSE(game->weighed);
}

// --- Levels 9 and 10: the tally ---------------------------------------------------------

class Tally : public Levels {
protected:
    TallyLevel& tallyLevel() { return static_cast<TallyLevel&>(*level); }
    void pickUp(std::size_t i)
    {
        onto(level->product(i));
        session->frame();
    }
};

TEST_F(Tally, UnwantedProductsCostPointsAndTheTallyNeverStaysBelowZero)
{
    enterLevel("LEVEL9");
    trolley().score = 0;
    pickUp(0); // the pizza is not wanted
    EXPECT_EQ(trolley().score, -10);
    EXPECT_EQ(game->listTally, -1) << "below zero for the rest of the frame";
    placeTrolley(800, 450);
    session->frame();
    EXPECT_EQ(game->listTally, 0) << "clamped at the end of the next update";
    for (std::size_t i : {2, 3, 5, 6}) pickUp(i);
    EXPECT_EQ(game->listTally, 4);
    EXPECT_TRUE(level->payCondition());
}

struct TallyBonusCase {
    const char* level;
    int tally, bonus;
};

class TallyBonus : public Tally, public ::testing::WithParamInterface<TallyBonusCase> {};

TEST_P(TallyBonus, PayingGivesFiftyAndTheTallyBonus)
{
    enterLevel(GetParam().level);
    trolley().score = 1000;
    game->listTally = GetParam().tally;
    session->frames(170);
    EXPECT_EQ(trolley().score, 1000 + 50 + GetParam().bonus);
}

INSTANTIATE_TEST_SUITE_P(Level, TallyBonus,
                         ::testing::Values(TallyBonusCase{"LEVEL9", 4, 0}, TallyBonusCase{"LEVEL9", 5, 5},
                                           TallyBonusCase{"LEVEL9", 6, 10}, TallyBonusCase{"LEVEL9", 7, 15},
                                           TallyBonusCase{"LEVEL10", 5, 5}, TallyBonusCase{"LEVEL10", 8, 0}),
                         [](const auto& info) { return std::string(info.param.level) + "Tally" + std::to_string(info.param.tally); });

TEST_F(Tally, TheBoostDoublesTheSpeedForFiveSecondsAndTheSignsSlowOtherwise)
{
    enterLevel("LEVEL9");
    seconds(2.1);
    Entity& sign = level->obstacle(0);
    placeTrolley(sign.getCenterX(), sign.getCenterY());
    session->frame();
    EXPECT_FLOAT_EQ(trolley().speed, 50);
    Entity& boost = level->obstacle(3);
    onto(boost);
    session->frame();
    EXPECT_TRUE(game->boostActive);
    EXPECT_FALSE(boost.getVisible());
    placeTrolley(sign.getCenterX(), sign.getCenterY());
    session->frame();
    EXPECT_FLOAT_EQ(trolley().speed, 300) << "signs do not slow a boosted trolley";
    seconds(5);
    EXPECT_FALSE(game->boostActive);
    EXPECT_FLOAT_EQ(trolley().speed, 50) << "the signs count again the frame the boost ends";
}

TEST_F(Tally, TheItemDropPutsEverythingBackAndKeepsThePoints)
{
    enterLevel("LEVEL9");
    trolley().score = 0;
    for (std::size_t i : {2, 3}) pickUp(i);
    EXPECT_EQ(game->listTally, 2);
    onto(level->obstacle(4));
    session->frame();
    EXPECT_EQ(game->listTally, 0);
    EXPECT_EQ(game->collectedCount, 0);
    EXPECT_TRUE(level->product(2).getActive());
    EXPECT_EQ(trolley().score, 20);
    EXPECT_FALSE(level->obstacle(4).getActive()) << "once a visit";
}

TEST_F(Tally, PayingInTheLastSecondWinsTheLevel)
{
    enterLevel("LEVEL9");
    startClock();
    placeTrolley(205, 640);
    session->frames(160); // more than 3 s on the pay spot, with nothing in the trolley
    game->listTally = 4;
    game->secondsLeft = 1;
    game->clockAccumulator = 0.99f;
    session->frame(); // the clock reaches 0 and the trolley pays in the same frame
    EXPECT_TRUE(showing("LEVEL10"));
    EXPECT_EQ(game->secondsLeft, 60);
}

TEST_F(Tally, TheUnwantedCerealIsNotTakenInTheFrameTheWantedOneIs)
{
    enterLevel("LEVEL10");
    Entity& wanted = level->product(12);
    Entity& unwanted = level->product(13);
    // Put both boxes under the trolley at once.
    unwanted.setX(wanted.getX());
    unwanted.setY(wanted.getY());
    onto(wanted);
    session->frame();
    EXPECT_FALSE(wanted.getActive());
    EXPECT_TRUE(unwanted.getActive());
    session->frame();
    EXPECT_FALSE(unwanted.getActive()) << "the next frame it is";
}

TEST_F(Tally, LevelTenLeadsToTheCompleteScreen)
{
    enterLevel("LEVEL10");
    game->listTally = 5;
    session->frames(170);
    EXPECT_TRUE(showing("COMPLETE"));
}

} // namespace
