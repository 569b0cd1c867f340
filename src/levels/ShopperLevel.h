#pragma once
// A level with other shoppers walking the aisles: they turn at invisible markers,
// and the trolley bounces off them and loses 5 points a bump, once a second at most.

#include <vector>

#include "Level.h"
#include "actors/BlondePerson.h"
#include "actors/GingerPerson.h"
#include "actors/InvisibleMarker.h"

namespace levelsNS {

enum class MarkerTurn { AROUND, QUARTER };

struct Shopper {
    float x, y;
    ShopperMode mode;
    int direction; // 1 up, 2 down, 3 left, 4 right; the shopper shows that way's frame
    MarkerTurn turn;
};

struct Point {
    float x, y;
};

struct ShopperPlan {
    Table<Shopper> blondes;
    Table<Shopper> gingers;
    Table<Point> markers;
};

} // namespace levelsNS

class ShopperLevel : public Level {
public:
    ShopperLevel(const levelsNS::LevelPlan& plan, const levelsNS::ShopperPlan& shoppers, Graphics* graphics, Game* game,
                 Input* input, Audio* audio, Player* player, Grocerush* grocerush);
    void initialize() override;
    void enter() override;
    void update(float frameTime) override;
    void collisions(float frameTime) override;

    EnemyBase& blonde(std::size_t i) { return blondes[i]; }
    EnemyBase& ginger(std::size_t i) { return gingers[i]; }
    InvisibleMarker& marker(std::size_t i) { return markers[i]; }

protected:
    void drawAboveCheckout() override;

private:
    template <typename Walker>
    void turnAtMarkers(std::vector<Walker>& walkers, const levelsNS::Table<levelsNS::Shopper>& setups);
    template <typename Walker>
    void bumpInto(std::vector<Walker>& walkers);
    void setUp(EnemyBase& shopper, const levelsNS::Shopper& setup, const char* failure);

    const levelsNS::ShopperPlan& shopperPlan;
    TextureManager markerTexture;
    std::vector<InvisibleMarker> markers;
    std::vector<BlondePerson> blondes;
    std::vector<GingerPerson> gingers;
    float bumpTimer = 0;
};
