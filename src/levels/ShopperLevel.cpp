#include "ShopperLevel.h"

#include "game/Loading.h"

using namespace levelsNS;

namespace {
constexpr float SHOPPER_SPEED = 150.0f; // the shoppers step at half of it
constexpr float BUMP_INTERVAL = 1.0f;
constexpr int BUMP_PENALTY = 5;
} // namespace

ShopperLevel::ShopperLevel(const LevelPlan& s, const ShopperPlan& shoppers, Graphics* g, Game* gb, Input* in, Audio* a,
                           Player* p, Grocerush* gm)
    : Level(s, g, gb, in, a, p, gm), shopperPlan(shoppers), markers(shoppers.markers.count),
      blondes(shoppers.blondes.count), gingers(shoppers.gingers.count)
{
    textureManagers.push_back(&markerTexture);
}

void ShopperLevel::setUp(EnemyBase& shopper, const Shopper& setup, const char* failure)
{
    // The shoppers' sheet is loaded after them: it is looked up only when they are drawn.
    initEntity(shopper, gameBase, shopperNS::WIDTH, shopperNS::HEIGHT, shopperNS::TEXTURE_COLS, obstacleTexture, failure);
    shopper.setVelocity(VECTOR2(SHOPPER_SPEED, -SHOPPER_SPEED));
    shopper.setX(setup.x);
    shopper.setY(setup.y);
    switch (setup.mode) {
    case PATROL_HORIZONTAL: shopper.patrolHorizontally(); break;
    case PATROL_VERTICAL: shopper.patrolVertically(); break;
    case ROUTE: shopper.followRoute(); break;
    case HALTED: shopper.halt(); break;
    default: shopper.standStill(); break;
    }
    const int frames[5] = {0, shopper.getFrameUp(), shopper.getFrameDown(), shopper.getFrameLeft(), shopper.getFrameRight()};
    shopper.setCurrentFrame(frames[setup.direction]);
    shopper.direction = setup.direction;
}

void ShopperLevel::initialize()
{
    initFonts();
    loadTexture(markerTexture, graphics, "resources\\images\\marker.png", "Error iniitialising invisible marker texture");
    for (InvisibleMarker& marker : markers) initEntity(marker, gameBase, 0, 0, 0, markerTexture, "Error initialising invisible marker");
    for (std::size_t i = 0; i < markers.size(); ++i) {
        markers[i].setX(shopperPlan.markers[i].x);
        markers[i].setY(shopperPlan.markers[i].y);
    }
    for (std::size_t i = 0; i < blondes.size(); ++i) {
        setUp(blondes[i], shopperPlan.blondes[i], "Error initializing blonde person");
        blondes[i].setCollisionType(BOX);
    }
    for (std::size_t i = 0; i < gingers.size(); ++i) setUp(gingers[i], shopperPlan.gingers[i], "Error initializing ginger person");
    initBoard();
}

// The shoppers are not put back: they carry on from wherever they were.
void ShopperLevel::enter()
{
    Level::enter();
    bumpTimer = 0;
}

// They walk from the first frame, clock running or not.
void ShopperLevel::update(float frameTime)
{
    for (BlondePerson& b : blondes) b.update(frameTime);
    for (GingerPerson& g : gingers) g.update(frameTime);
    Level::update(frameTime);
}

template <typename Walker>
void ShopperLevel::turnAtMarkers(std::vector<Walker>& walkers, const Table<Shopper>& setups)
{
    VECTOR2 vector;
    for (InvisibleMarker& marker : markers) {
        for (std::size_t i = 0; i < walkers.size(); ++i) {
            if (!walkers[i].collidesWith(marker, vector)) continue;
            walkers[i].bounce(vector, marker);
            if (setups[i].turn == MarkerTurn::QUARTER) walkers[i].turnAtMarker();
            else walkers[i].turnAround();
        }
    }
}

template <typename Walker>
void ShopperLevel::bumpInto(std::vector<Walker>& walkers)
{
    for (Walker& shopper : walkers) {
        if (!player->collidesWith(shopper, collisionVector)) continue;
        player->bounce(collisionVector, shopper);
        if (bumpTimer >= BUMP_INTERVAL) {
            player->score -= BUMP_PENALTY;
            bumpTimer = 0;
        }
    }
}

void ShopperLevel::collisions(float frameTime)
{
    Level::collisions(frameTime);
    turnAtMarkers(blondes, shopperPlan.blondes);
    turnAtMarkers(gingers, shopperPlan.gingers);
    bumpTimer += frameTime;
    bumpInto(gingers);
    bumpInto(blondes);
}

void ShopperLevel::drawAboveCheckout()
{
    for (GingerPerson& g : gingers) g.draw();
    for (BlondePerson& b : blondes) b.draw();
}
