#include <gtest/gtest.h>

#include "actors/BlondePerson.h"
#include "actors/GingerPerson.h"
#include "actors/InvisibleMarker.h"

namespace {

struct ModeCase {
    const char* name;
    void (EnemyBase::*setMode)();
    int direction;
    float dx, dy; // movement over one second with the levels' velocity (150, -150)
};

class ShopperModes : public ::testing::TestWithParam<ModeCase> {};

TEST_P(ShopperModes, WalkAtHalfTheirVelocity)
{
    const ModeCase& c = GetParam();
    TextureManager none;
    BlondePerson shopper;
    shopper.Image::initialize(nullptr, 100, 100, 4, &none);
    shopper.setVelocity(VECTOR2(150, -150));
    (shopper.*c.setMode)();
    shopper.direction = c.direction;
    const float x = shopper.getX(), y = shopper.getY();
    for (int i = 0; i < 10; ++i) shopper.update(0.1f);
    EXPECT_NEAR(shopper.getX() - x, c.dx, 1e-3);
    EXPECT_NEAR(shopper.getY() - y, c.dy, 1e-3);
}

INSTANTIATE_TEST_SUITE_P(EnemyBase, ShopperModes,
                         ::testing::Values(ModeCase{"PatrolHorizontal", &EnemyBase::patrolHorizontally, 3, -75, 0},
                                           ModeCase{"PatrolVertical", &EnemyBase::patrolVertically, 2, 0, 75},
                                           ModeCase{"RouteUp", &EnemyBase::followRoute, 1, 0, -75},
                                           ModeCase{"RouteDown", &EnemyBase::followRoute, 2, 0, 75},
                                           ModeCase{"RouteLeft", &EnemyBase::followRoute, 3, -75, 0},
                                           ModeCase{"RouteRight", &EnemyBase::followRoute, 4, 75, 0},
                                           ModeCase{"RouteWithNoDirection", &EnemyBase::followRoute, 0, 0, 0},
                                           ModeCase{"Halted", &EnemyBase::halt, 3, 0, 0},
                                           ModeCase{"Standing", &EnemyBase::standStill, 3, 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EnemyBase, AStandingShopperLosesAnyVelocityItIsGiven)
{
    GingerPerson shopper;
    shopper.setVelocity(VECTOR2(150, -150));
    shopper.update(0.5f);
    EXPECT_EQ(shopper.getVelocity(), VECTOR2(0, 0));
    EXPECT_FLOAT_EQ(shopper.getX(), 462);
    EXPECT_FLOAT_EQ(shopper.getY(), 334);
    shopper.halt();
    shopper.setVelocity(VECTOR2(10, 10));
    shopper.update(0.5f);
    EXPECT_EQ(shopper.getVelocity(), VECTOR2(10, 10)) << "a halted shopper keeps its velocity";
}

TEST(EnemyBase, PatrollersReverseAndShowTheOppositeFrame)
{
    TextureManager none;
    GingerPerson ginger;
    ginger.Image::initialize(nullptr, 100, 100, 4, &none);
    ginger.setVelocity(VECTOR2(150, -150));
    ginger.patrolHorizontally();
    ginger.direction = 3;
    ginger.turnAround();
    EXPECT_EQ(ginger.direction, 4);
    EXPECT_EQ(ginger.getCurrentFrame(), ginger.getFrameRight());
    const float x = ginger.getX();
    ginger.update(1.0f);
    EXPECT_FLOAT_EQ(ginger.getX() - x, 75) << "now walking right";

    // A horizontal patroller never given a side alternates between down and up.
    BlondePerson blonde;
    blonde.Image::initialize(nullptr, 100, 100, 4, &none);
    blonde.patrolHorizontally();
    blonde.direction = 1;
    blonde.turnAround();
    EXPECT_EQ(blonde.getCurrentFrame(), 6);
    blonde.turnAround();
    EXPECT_EQ(blonde.getCurrentFrame(), 4);
}

TEST(EnemyBase, EachTurnActsOnlyInItsOwnModes)
{
    TextureManager none;
    BlondePerson router;
    router.Image::initialize(nullptr, 100, 100, 4, &none);
    router.setVelocity(VECTOR2(150, -150));
    router.followRoute();
    router.direction = 3;
    router.turnAround();
    EXPECT_EQ(router.direction, 3);
    EXPECT_EQ(router.getVelocity(), VECTOR2(150, -150));

    BlondePerson patroller;
    patroller.patrolVertically();
    patroller.direction = 2;
    patroller.turnAtMarker();
    EXPECT_EQ(patroller.direction, 2);
}

TEST(EnemyBase, OnARouteEachMarkerIsAQuarterTurnAnticlockwise)
{
    TextureManager none;
    GingerPerson shopper;
    shopper.Image::initialize(nullptr, 100, 100, 4, &none);
    shopper.followRoute();
    shopper.direction = 3; // left
    const int expected[][2] = {{2, 2}, {4, 1}, {1, 0}, {3, 3}}; // direction, ginger frame
    for (const auto& step : expected) {
        shopper.turnAtMarker();
        EXPECT_EQ(shopper.direction, step[0]);
        EXPECT_EQ(shopper.getCurrentFrame(), step[1]);
    }
}

TEST(EnemyBase, EachLookStartsWithItsOwnValues)
{
    BlondePerson blonde;
    GingerPerson ginger;
    InvisibleMarker marker;
    EXPECT_EQ(blonde.getEdge()->left, -30);
    EXPECT_EQ(blonde.getEdge()->top, -25);
    EXPECT_EQ(ginger.getEdge()->left, -25);
    EXPECT_EQ(ginger.getEdge()->top, -30);
    EXPECT_EQ(blonde.getCurrentFrame(), 4);
    EXPECT_EQ(ginger.getCurrentFrame(), 3);
    EXPECT_EQ(blonde.getVelocity(), VECTOR2(100, 100));
    EXPECT_FLOAT_EQ(blonde.getMass(), 0.1f);
    EXPECT_FLOAT_EQ(blonde.getRadius(), 50);
    EXPECT_EQ(blonde.direction, 1);
    EXPECT_EQ(blonde.getMode(), STANDING);
    EXPECT_EQ(marker.getEdge()->right, 10);
    EXPECT_EQ(marker.getCollisionType(), BOX);
    EXPECT_FLOAT_EQ(marker.getMass(), 1.0f);
}

} // namespace
