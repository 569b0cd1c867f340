#include "LevelTables.h"
#include "LevelPlans.h"

namespace levelsNS {

namespace {

// --- Level 1 -------------------------------------------------------------------------

constexpr Kind level1List[] = {PIZZA, EGGS, STRAWBERRY, MILK, BREAD, FISH};

constexpr Product level1Products[] = {
    {PIZZA, 7, 180, 100, 1, 10, "Error initializing pizza"},
    {FISH, 1, 820, 100, 1, 15, "Error initializing fish"},
    {STRAWBERRY, 13, 490, 490, 1, 10, "Error initializing strawberry"},
    {EGGS, 0, 480, 660, 1, 5, "Error initializing eggs"},
    {BREAD, 21, 700, 660, 1, 5, "Error initializing bread"},
    {MILK, 3, 520, 150, 1, 5, "Error initializing milk"},
};

constexpr ChecklistLine level1Checklist[] = {
    {PIZZA, 0, 10, 100, "Error initializing pizza checklist", 1, 20, 95, "Error initializing pizza crossed "},
    {STRAWBERRY, 2, 5, 140, "Error initializing strawberry checklist", 3, 5, 140, "Error initializing strawberry crossed"},
    {EGGS, 4, 10, 180, "Error initializing eggs checklist", 5, 10, 180, "Error initializing eggs crossed"},
    {MILK, 10, 20, 215, "Error initializing milk checklist", 11, 20, 215, "Error initializing milk crossed"},
    {BREAD, 6, 15, 270, "Error initializing bread checklist", 7, 30, 270, "Error initializing bread crossed"},
    {FISH, 8, 35, 315, "Error initializing fish", 9, 40, 310, "Error initializing fish crossed"},
};

constexpr Obstacle level1Obstacles[] = {
    {ObstacleRole::SOLID, 8, 0, 330, 470, 1, true, {-35, -35, 35, 35}, "Error initializing wet floor"},
};

constexpr SceneryPiece level1Freezers[] = {
    {8, 90, 215, -55, {-80, -8, 150, 8}}, {7, 90, 555, -55, ACROSS}, {7, 90, 725, -55, ACROSS},
    {8, 90, 895, -55, ACROSS},          {7, 90, 385, -55, ACROSS},
};
constexpr SceneryPiece level1VegCounters[] = {{5, 90, 500, 530, ACROSS}, {5, 90, 680, 530, ACROSS}};
constexpr SceneryPiece level1FishCounters[] = {
    {0, 0, 955, 360, UPRIGHT}, {1, 0, 955, 140, UPRIGHT}, {2, 0, 955, 580, {-8, -150, 8, 150}}};
constexpr SceneryPiece level1Shelves[] = {
    {4, 0, 260, 140, UPRIGHT}, {6, 0, 440, 140, UPRIGHT}, {6, 0, 620, 140, UPRIGHT},
    {4, 0, 440, 300, UPRIGHT}, {4, 0, 620, 300, UPRIGHT}, {6, 0, 260, 300, UPRIGHT},
};
constexpr Scenery level1Scenery[] = {
    {FREEZERS, "Error initializing checkout freezer", table(level1Freezers)},
    {VEG_COUNTERS, "Error initializing checkout veg counter", table(level1VegCounters)},
    {FISH_COUNTERS, "Error initializing checkout fish counter", table(level1FishCounters)},
    {SHELVES, "Error initializing checkout shelves", table(level1Shelves)},
};

// --- Level 2 -------------------------------------------------------------------------

constexpr Kind level2List[] = {PIZZA, EGGS, STRAWBERRY, MILK, FISH, ICE_CREAM, TOMATOES, GRAPES};

constexpr Product level2Products[] = {
    {PIZZA, 7, 630, 60, 1, 10, "Error initializing pizza"},
    {FISH, 1, 160, 350, 1, 15, "Error initializing fish"},
    {STRAWBERRY, 13, 370, 200, 1, 10, "Error initializing strawberry"},
    {EGGS, 0, 880, 635, 1, 5, "Error initializing eggs"},
    {TOMATOES, 10, 330, 50, 1, 10, "Error initializing tomatoes"},
    {MILK, 3, 880, 100, 1, 10, "Error initializing milk"},
    {MILK, 9, 420, 635, 1, 10, "Error initializing milk"},
    {GRAPES, 12, 160, 10, 1, 10, "Error initializing grapes"},
    {ICE_CREAM, 6, 600, 300, 1, 10, "Error initializing ice cream"},
};

constexpr ChecklistLine level2Checklist[] = {
    {PIZZA, 0, 10, 100, "Error initializing pizza checklist", 1, 20, 95, "Error initializing pizza crossed "},
    {STRAWBERRY, 2, 5, 140, "Error initializing strawberry checklist", 3, 5, 140, "Error initializing strawberry crossed"},
    {EGGS, 4, 10, 180, "Error initializing eggs checklist", 5, 10, 180, "Error initializing eggs crossed"},
    {MILK, 10, 20, 215, "Error initializing milk checklist", 11, 20, 215, "Error initializing milk crossed"},
    {TOMATOES, 26, 15, 270, "Error initializing tomatoes checklist", 27, 5, 270, "Error initializing tomatoes crossed"},
    {FISH, 8, 35, 315, "Error initializing fish", 9, 40, 310, "Error initializing fish crossed"},
    {GRAPES, 28, 15, 370, "Error initializing grapes", 29, 20, 370, "Error initializing grapes crossed"},
    {ICE_CREAM, 24, 15, 410, "Error initializing ice cream", 25, 10, 410, "Error initializing ice cream crossed"},
};

constexpr Obstacle level2Obstacles[] = {
    {ObstacleRole::SLOW_ZONE, 9, 0, 500, 620, 1, false, {}, "Error initializing no wet floor sign"},
};

constexpr SceneryPiece level2Freezers[] = {
    {7, 0, 780, 0, UPRIGHT}, {8, 0, 780, 170, UPRIGHT}, {8, 0, 780, 340, UPRIGHT}, {7, 0, 780, 510, UPRIGHT}};
constexpr SceneryPiece level2VegCounters[] = {{5, 0, 520, 360, UPRIGHT}, {5, 0, 520, 190, UPRIGHT}};
constexpr SceneryPiece level2FishCounters[] = {{2, 90, 500, 70, ACROSS}, {1, 270, 500, 480, ACROSS}, {2, 270, 902, -52, ACROSS}};
constexpr SceneryPiece level2Shelves[] = {{4, 0, 260, 0, UPRIGHT}, {6, 0, 260, 170, UPRIGHT}, {4, 90, 312, 289, ACROSS}};
constexpr Scenery level2Scenery[] = {
    {FREEZERS, "Error initializing checkout freezer", table(level2Freezers)},
    {VEG_COUNTERS, "Error initializing checkout veg counter", table(level2VegCounters)},
    {FISH_COUNTERS, "Error initializing checkout fish counter", table(level2FishCounters)},
    {SHELVES, "Error initializing checkout shelves", table(level2Shelves)},
};

} // namespace

const LevelPlan level1{
    .name = "LEVEL1",
    .next = "LEVEL2",
    .objectivesPage = 0,
    .floor = "resources\\images\\floor1.png",
    .fonts = {{FontRole::ITEMS, "Error initializing dxitems"}, {FontRole::TIME, "Error initializing dxtime"},
              {FontRole::SCORE, "Error initializing dxscore"}},
    .payWhen = PayWhen::COUNT,
    .payCount = 6,
    .newGame = true,
    .listKinds = table(level1List),
    .products = table(level1Products),
    .checklist = table(level1Checklist),
    .obstacles = table(level1Obstacles),
    .scenery = table(level1Scenery),
    .sceneryCollisionOrder = table(usualCollisionOrder),
    .sceneryRenderOrder = table(usualRenderOrder),
};

const LevelPlan level2{
    .name = "LEVEL2",
    .next = "LEVEL3",
    .objectivesPage = 1,
    .floor = "resources\\images\\floor2.png",
    .fonts = {{FontRole::SCORE, "Error initializing dxscore"}, {FontRole::TIME, "Error initializing dxtime"},
              {FontRole::ITEMS, "Error initializing dxitems"}},
    .objectivesBeforeStopwatch = true,
    .payWhen = PayWhen::WHOLE_LIST,
    .listKinds = table(level2List),
    .products = table(level2Products),
    .checklist = table(level2Checklist),
    .obstacles = table(level2Obstacles),
    .scenery = table(level2Scenery),
    .sceneryCollisionOrder = table(usualCollisionOrder),
    .sceneryRenderOrder = table(usualRenderOrder),
};

} // namespace levelsNS
