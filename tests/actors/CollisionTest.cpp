#include <gtest/gtest.h>

#include <cmath>

#include "actors/Entity.h"

namespace {

// An entity of the given frame size with its top-left corner placed so that its
// centre is at (cx, cy).
struct Thing {
    Thing(float cx, float cy, CollisionType type, RECT edge, float degrees = 0, int size = 100)
    {
        entity.Image::initialize(nullptr, size, size, 1, &none);
        entity.setX(cx - size / 2.0f);
        entity.setY(cy - size / 2.0f);
        entity.setCollisionType(type);
        entity.setEdge(edge);
        entity.setRadius(static_cast<float>(edge.right));
        entity.setDegrees(degrees);
    }
    TextureManager none;
    Entity entity;
};

struct CollisionCase {
    const char* name;
    float ax, ay;
    CollisionType aType;
    RECT aEdge;
    float aDegrees;
    float bx, by;
    CollisionType bType;
    RECT bEdge;
    float bDegrees;
    bool collides;
    VECTOR2 vector; // checked when it collides; (0, 0) means "do not check"
};

constexpr RECT box20{-10, -10, 10, 10};
constexpr RECT bar{-40, -5, 40, 5};

class Collision : public ::testing::TestWithParam<CollisionCase> {};

TEST_P(Collision, GivesTheResultAndVectorOfItsShapes)
{
    const CollisionCase& c = GetParam();
    Thing a(c.ax, c.ay, c.aType, c.aEdge, c.aDegrees);
    Thing b(c.bx, c.by, c.bType, c.bEdge, c.bDegrees);
    VECTOR2 vector(123, 456);
    EXPECT_EQ(a.entity.collidesWith(b.entity, vector), c.collides);
    if (c.collides && (c.vector.x != 0 || c.vector.y != 0)) {
        EXPECT_NEAR(vector.x, c.vector.x, 1e-3);
        EXPECT_NEAR(vector.y, c.vector.y, 1e-3);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Entity, Collision,
    ::testing::Values(
        // Boxes: the vector points from this centre to the other's.
        CollisionCase{"BoxesThatJustTouch", 100, 100, BOX, box20, 0, 120, 100, BOX, box20, 0, true, {20, 0}},
        CollisionCase{"BoxesAPixelApart", 100, 100, BOX, box20, 0, 121, 100, BOX, box20, 0, false, {}},
        CollisionCase{"BoxesIgnoreRotation", 100, 100, BOX, bar, 90, 135, 100, BOX, box20, 0, true, {35, 0}},
        // Circles compare the sum of the radii with the distance between centres.
        CollisionCase{"CirclesTouching", 100, 100, CIRCLE, box20, 0, 120, 100, CIRCLE, box20, 0, true, {20, 0}},
        CollisionCase{"CirclesApart", 100, 100, CIRCLE, box20, 0, 115, 115, CIRCLE, box20, 0, false, {}},
        // Rotated boxes: the vector is along one of the edges of the other's box.
        CollisionCase{"RotatedUnturnedOverlap", 100, 100, ROTATED_BOX, box20, 0, 115, 100, ROTATED_BOX, box20, 0, true,
                      {20, 0}},
        CollisionCase{"RotatedUnturnedApart", 100, 100, ROTATED_BOX, box20, 0, 121, 100, ROTATED_BOX, box20, 0, false, {}},
        // A bar turned upright misses a box beside its old ends...
        CollisionCase{"QuarterTurnedBarMisses", 100, 100, ROTATED_BOX, bar, 90, 135, 100, ROTATED_BOX, box20, 0, false, {}},
        // ...and hits one above its middle.
        CollisionCase{"QuarterTurnedBarHits", 100, 100, ROTATED_BOX, bar, 90, 100, 140, ROTATED_BOX, box20, 0, true, {}},
        CollisionCase{"ThirtyDegreesHitsAlongItsLength", 100, 100, ROTATED_BOX, bar, 30, 128, 116, BOX, box20, 0, true, {}},
        CollisionCase{"ThirtyDegreesMissesOffItsSide", 100, 100, ROTATED_BOX, bar, 30, 120, 80, BOX, box20, 0, false, {}},
        // A box against a circle: edge regions and corner regions.
        CollisionCase{"BoxAndCircleOnAnEdge", 100, 100, BOX, box20, 0, 118, 100, CIRCLE, box20, 0, true, {-20, 0}},
        CollisionCase{"BoxAndCircleNearACornerMiss", 100, 100, BOX, box20, 0, 118, 118, CIRCLE, box20, 0, false, {}},
        CollisionCase{"BoxAndCircleOnACorner", 100, 100, BOX, box20, 0, 115, 115, CIRCLE, box20, 0, true, {5, 5}},
        CollisionCase{"TurnedBoxAndCircle", 100, 100, ROTATED_BOX, bar, 90, 100, 148, CIRCLE, box20, 0, true, {}},
        CollisionCase{"TurnedBoxAndCircleMiss", 100, 100, ROTATED_BOX, bar, 90, 122, 100, CIRCLE, box20, 0, false, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Entity, ACircleAgainstABoxGivesTheReverseOfTheBoxAgainstTheCircle)
{
    for (float degrees : {0.0f, 30.0f, 90.0f}) {
        Thing box(100, 100, ROTATED_BOX, bar, degrees);
        Thing circle(110, 106, CIRCLE, box20);
        VECTOR2 boxFirst, circleFirst;
        ASSERT_TRUE(box.entity.collidesWith(circle.entity, boxFirst)) << degrees;
        ASSERT_TRUE(circle.entity.collidesWith(box.entity, circleFirst)) << degrees;
        EXPECT_FLOAT_EQ(circleFirst.x, -boxFirst.x);
        EXPECT_FLOAT_EQ(circleFirst.y, -boxFirst.y);
    }
}

TEST(Entity, AnInactiveEntityNeverCollidesFromEitherSide)
{
    for (CollisionType type : {BOX, CIRCLE, ROTATED_BOX}) {
        Thing a(100, 100, type, box20), b(105, 100, type, box20);
        VECTOR2 v;
        a.entity.setActive(false);
        EXPECT_FALSE(a.entity.collidesWith(b.entity, v));
        EXPECT_FALSE(b.entity.collidesWith(a.entity, v));
        a.entity.activate();
        EXPECT_TRUE(b.entity.collidesWith(a.entity, v));
    }
}

TEST(Entity, CornersAreInBoxOrderAndAnyIndexPastThreeIsCornerZero)
{
    Thing a(100, 100, ROTATED_BOX, RECT{-20, -10, 20, 10});
    Thing b(100, 100, ROTATED_BOX, box20);
    VECTOR2 v;
    ASSERT_TRUE(a.entity.collidesWith(b.entity, v));
    EXPECT_FLOAT_EQ(a.entity.getCorner(0)->x, 80);
    EXPECT_FLOAT_EQ(a.entity.getCorner(0)->y, 90);
    EXPECT_FLOAT_EQ(a.entity.getCorner(2)->x, 120);
    EXPECT_FLOAT_EQ(a.entity.getCorner(2)->y, 110);
    EXPECT_EQ(a.entity.getCorner(7), a.entity.getCorner(0));
}

TEST(Entity, BounceOffAStandingObstacleStepsBackAPixelAtATimeAtMostTen)
{
    // Touching still counts, so six one-pixel steps clear it; the velocity stays.
    Thing mover(115, 100, BOX, box20), wall(100, 100, BOX, box20);
    mover.entity.setVelocity(VECTOR2(-50, 0));
    VECTOR2 v;
    ASSERT_TRUE(mover.entity.collidesWith(wall.entity, v));
    mover.entity.bounce(v, wall.entity);
    EXPECT_FLOAT_EQ(mover.entity.getCenterX(), 121);
    EXPECT_FALSE(mover.entity.collidesWith(wall.entity, v));
    mover.entity.update(0.01f);
    EXPECT_EQ(mover.entity.getVelocity(), VECTOR2(-50, 0));
    EXPECT_FLOAT_EQ(wall.entity.getCenterX(), 100) << "the other entity is not moved";

    // Deep inside: ten pixels and no more in one call.
    Thing deep(101, 100, BOX, box20);
    ASSERT_TRUE(deep.entity.collidesWith(wall.entity, v));
    deep.entity.bounce(v, wall.entity);
    EXPECT_FLOAT_EQ(deep.entity.getCenterX(), 111);
}

TEST(Entity, BounceAddsTheOthersVelocityAlongTheCollisionAtTheNextUpdate)
{
    Thing mover(115, 100, BOX, box20), pusher(100, 100, BOX, box20);
    pusher.entity.setVelocity(VECTOR2(40, 0));
    VECTOR2 v;
    ASSERT_TRUE(mover.entity.collidesWith(pusher.entity, v));
    mover.entity.bounce(v, pusher.entity);
    EXPECT_EQ(mover.entity.getVelocity(), VECTOR2(0, 0)) << "the change waits for the next update";
    mover.entity.update(0.01f);
    // Collision vector (-15, 0) normalised is (-1, 0); dot with (40, 0) is -40; equal masses give half:
    // the mover is sent away from the pusher.
    EXPECT_FLOAT_EQ(mover.entity.getVelocity().x, 20);
}

TEST(Entity, BounceWithAZeroVectorChangesNothing)
{
    Thing mover(100, 100, BOX, box20), other(100, 100, BOX, box20);
    other.entity.setVelocity(VECTOR2(30, 30));
    VECTOR2 zero(0, 0);
    mover.entity.bounce(zero, other.entity);
    mover.entity.update(0.01f);
    EXPECT_FLOAT_EQ(mover.entity.getX(), 50);
    EXPECT_FLOAT_EQ(mover.entity.getY(), 50);
    EXPECT_EQ(mover.entity.getVelocity(), VECTOR2(0, 0));
    EXPECT_FALSE(std::isnan(mover.entity.getX()));
}

TEST(Entity, UpdateAppliesThePendingChangeButNeverMoves)
{
    Thing a(100, 100, BOX, box20);
    a.entity.setVelocity(VECTOR2(5, 5));
    a.entity.setDeltaV(VECTOR2(10, 0));
    a.entity.update(1.0f);
    EXPECT_EQ(a.entity.getVelocity(), VECTOR2(15, 5));
    a.entity.update(1.0f);
    EXPECT_EQ(a.entity.getVelocity(), VECTOR2(15, 5)) << "the pending change was used up";
    EXPECT_FLOAT_EQ(a.entity.getCenterX(), 100);
}

TEST(Entity, HealthIsStoredAsAWholeNumberAndTurnAroundSwapsTheWalkingFrames)
{
    Entity e;
    e.setHealth(99.9f);
    EXPECT_FLOAT_EQ(e.getHealth(), 99.0f);
    TextureManager none;
    e.Image::initialize(nullptr, 10, 10, 8, &none);
    e.setCurrentFrame(39);
    e.setVelocity(VECTOR2(-50, 0));
    e.turnAround();
    EXPECT_EQ(e.getCurrentFrame(), 38);
    EXPECT_EQ(e.getVelocity(), VECTOR2(50, 0));
    e.setCurrentFrame(41);
    e.turnAround();
    EXPECT_EQ(e.getCurrentFrame(), 40);
}

TEST(Entity, OutsideRectTellsWhetherTheSpriteLiesWhollyOutside)
{
    Thing a(100, 100, BOX, box20, 0, 40); // covers 80..120
    EXPECT_FALSE(a.entity.outsideRect(RECT{0, 0, 1024, 768}));
    EXPECT_FALSE(a.entity.outsideRect(RECT{120, 120, 200, 200}));
    EXPECT_TRUE(a.entity.outsideRect(RECT{121, 0, 200, 768}));
    EXPECT_TRUE(a.entity.outsideRect(RECT{0, 0, 79, 768}));
}

} // namespace
