#pragma once
// What a level is made of, as plain tables: its facts, products, shopping list,
// obstacles and scenery. The framework in Level turns a LevelPlan into a playable
// level; each level adds only its own rules on top.

#include <cstddef>

#include "actors/Entity.h"

namespace levelsNS {

// The product kinds, numbered as the game-wide collected flags are.
enum Kind {
    PIZZA = 0, EGGS, STRAWBERRY, MILK, BREAD, FISH, ICE_CREAM, BACON, CRISP, CHOC,
    TOMATOES, BANANAS, CEREALS, CHEESE, ORANGES, POTATOES, BUTTER, SAUSAGES, GRAPES, CARROTS, CHICKEN,
};

constexpr int LEVEL_COUNT = 10;
constexpr float NORMAL_SPEED = 150.0f;
constexpr float SLOW_SPEED = 50.0f;
constexpr float PAY_SECONDS = 3.0f;
constexpr int PAY_BONUS = 50;
constexpr int CLOCK_SECONDS = 60;
constexpr float TROLLEY_START_X = 145;
constexpr float TROLLEY_START_Y = 580;

template <typename T>
struct Table {
    const T* items;
    std::size_t count;
    constexpr const T* begin() const { return items; }
    constexpr const T* end() const { return items + count; }
    constexpr const T& operator[](std::size_t i) const { return items[i]; }
};

template <typename T, std::size_t N>
constexpr Table<T> table(const T (&items)[N])
{
    return Table<T>{items, N};
}

struct Product {
    Kind kind;
    int frame;
    float x, y;
    float scale;
    int points;
    const char* failure;
    int tally = 0;       // wanted (+) or unwanted (-) on a tally list
    int weight = 0;      // added to the basket's weight on a weighing level
    // Tested only in a frame in which the product before it in the table was not picked up.
    bool afterPrevious = false;
};

struct ChecklistLine {
    Kind kind;
    int frame;
    float x, y;
    const char* failure;
    int crossedFrame;
    float crossedX, crossedY;
    const char* crossedFailure;
};

enum class ObstacleRole {
    SOLID,     // the trolley bounces off it
    SLOW_ZONE, // the trolley drives slowly while on it
    BOOST,     // a power-up: double speed for a while
    ITEM_DROP, // a power-up: every product back on the floor
};

struct Obstacle {
    ObstacleRole role;
    int frame;
    float degrees;
    float x, y;
    float scale;
    // An obstacle with no collision box set keeps an entity's defaults: a circle of
    // radius 1 at its centre, so it touches the trolley only under its middle.
    bool hasBox;
    RECT edge;
    const char* failure;
};

struct SceneryPiece {
    int frame;
    float degrees;
    float x, y;
    RECT edge;
};

enum SceneryGroup { FREEZERS = 0, VEG_COUNTERS, FISH_COUNTERS, SHELVES, SCENERY_GROUPS };

struct Scenery {
    SceneryGroup group;
    const char* failure;
    Table<SceneryPiece> pieces;
};

// The weighing levels show the basket's weight where the others show the clock.
enum class FontRole { ITEMS, TIME, SCORE, WEIGHT };

struct FontStep {
    FontRole role;
    const char* failure;
};

enum class PayWhen {
    COUNT,         // exactly `payCount` products collected
    WHOLE_LIST,    // every kind on the list collected
};

struct LevelPlan {
    const char* name;
    const char* next;
    int objectivesPage;
    const char* floor;
    FontStep fonts[3];
    bool objectivesBeforeStopwatch = false;
    PayWhen payWhen = PayWhen::WHOLE_LIST;
    int payCount = 0;
    bool newGame = false; // the first level starts the score from nothing
    Table<Kind> listKinds{};
    Table<Product> products{};          // in the order collisions test them
    Table<int> productRenderOrder{};    // empty: the table's order
    Table<ChecklistLine> checklist{};   // in set-up order
    Table<int> checklistRenderOrder{};  // empty: the table's order
    Table<Obstacle> obstacles{};        // in the order they are tested and drawn
    const char* obstacleTextureFailure = "Error initializing obstacles texture";
    Table<Scenery> scenery{};           // in set-up order
    Table<SceneryGroup> sceneryCollisionOrder{};
    Table<SceneryGroup> sceneryRenderOrder{};
};

} // namespace levelsNS
