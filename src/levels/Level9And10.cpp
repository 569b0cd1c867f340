#include "LevelTables.h"
#include "LevelPlans.h"

namespace levelsNS {

namespace {

constexpr RECT POWER_EDGE{-25, -25, 25, 25};
constexpr const char* SIGN_FAILURE = "Error initializing no wet floor sign";

// --- Level 9: the fruit is wanted ---------------------------------------------------------

constexpr Product level9Products[] = {
    {PIZZA, 7, 660, 20, 1, -10, "Error initializing pizza", -1},
    {SAUSAGES, 16, 950, 400, 0.7f, -15, "Error initializing sausages", -1},
    {STRAWBERRY, 13, 370, 230, 1, 10, "Error initializing strawberry", 1},
    {STRAWBERRY, 13, 680, 230, 1, 10, "Error initializing strawberry", 1},
    {BACON, 19, 680, 680, 1, -15, "Error initializing bacon", -1},
    {BANANAS, 25, 420, 20, 0.7f, 10, "Error initializing bananas", 1},
    {BANANAS, 25, 680, 500, 0.7f, 10, "Error initializing bananas", 1},
    {ORANGES, 15, 950, 20, 0.7f, 10, "Error initializing oranges", 1},
    {ORANGES, 15, 950, 650, 0.7f, 10, "Error initializing oranges", 1},
    {GRAPES, 12, 160, 250, 0.8f, 10, "Error initializing grapes", 1},
    {ICE_CREAM, 6, 565, 325, 1, -10, "Error initializing ice cream", -1},
};

constexpr Obstacle level9Obstacles[] = {
    {ObstacleRole::SLOW_ZONE, 9, 0, 270, 20, 1, true, POWER_EDGE, SIGN_FAILURE},
    {ObstacleRole::SLOW_ZONE, 9, 0, 520, 20, 1, true, POWER_EDGE, SIGN_FAILURE},
    {ObstacleRole::SLOW_ZONE, 9, 0, 770, 20, 1, true, POWER_EDGE, SIGN_FAILURE},
    {ObstacleRole::BOOST, 27, 0, 160, 20, 1, true, POWER_EDGE, "Error initializing boost"},
    {ObstacleRole::ITEM_DROP, 26, 0, 950, 270, 0.8f, true, POWER_EDGE, "Error initializing itemDrop"},
};

constexpr SceneryPiece level9Freezers[] = {{8, 90, 420, 290, ACROSS}, {7, 90, 720, 290, ACROSS}};
constexpr SceneryPiece level9VegCounters[] = {{5, 0, 270, 290, UPRIGHT}, {5, 0, 880, 290, UPRIGHT}};
constexpr SceneryPiece level9Shelves[] = {
    {4, 90, 310, 90, ACROSS}, {4, 90, 480, 90, ACROSS},  {4, 90, 650, 90, ACROSS},
    {4, 90, 820, 90, ACROSS}, {4, 90, 560, 525, ACROSS}, {4, 90, 730, 525, ACROSS},
};
constexpr Scenery level9Scenery[] = {
    {FREEZERS, "Error initializing checkout freezer", table(level9Freezers)},
    {VEG_COUNTERS, "Error initializing checkout veg counter", table(level9VegCounters)},
    {SHELVES, "Error initializing checkout shelves", table(level9Shelves)},
};

// --- Level 10: the treats are wanted --------------------------------------------------------

constexpr Product level10Products[] = {
    {PIZZA, 7, 660, 20, 1, 10, "Error initializing pizza", 1},
    {CHOC, 29, 950, 100, 0.7f, 20, "Error initializing choc", 2},
    {STRAWBERRY, 13, 390, 230, 1, -10, "Error initializing strawberry", -1},
    {STRAWBERRY, 13, 680, 230, 1, -10, "Error initializing strawberry", -1},
    {CRISP, 32, 680, 680, 1, 10, "Error initializing crisp", 1},
    {BANANAS, 25, 420, 20, 0.7f, -10, "Error initializing bananas", -1},
    {BANANAS, 25, 680, 500, 0.7f, -10, "Error initializing bananas", -1},
    {ORANGES, 15, 950, 460, 0.7f, -10, "Error initializing oranges", -1},
    {ORANGES, 15, 950, 250, 0.7f, -10, "Error initializing oranges", -1},
    {GRAPES, 12, 950, 10, 0.8f, -10, "Error initializing grapes", -1},
    {ICE_CREAM, 6, 420, 480, 1, 10, "Error initializing ice cream", 2},
    {MILK, 28, 950, 650, 1, 10, "Error initializing chocMilk", 1},
    {CEREALS, 22, 950, 550, 1, 10, "Error initializing cereal", 1},
    // The other box: not wanted, and not taken in the frame the wanted one is.
    {CEREALS, 23, 240, 10, 1, -10, "Error initializing cereal", -1, 0, true},
};

constexpr Obstacle level10Obstacles[] = {
    {ObstacleRole::SLOW_ZONE, 9, 0, 590, 420, 0.8f, true, POWER_EDGE, SIGN_FAILURE},
    {ObstacleRole::BOOST, 27, 0, 160, 20, 1, true, POWER_EDGE, "Error initializing boost"},
    {ObstacleRole::ITEM_DROP, 26, 0, 450, 650, 0.8f, true, POWER_EDGE, "Error initializing itemDrop"},
};

constexpr SceneryPiece level10Freezers[] = {
    {7, 0, 240, 380, UPRIGHT}, {8, 0, 240, 210, UPRIGHT}, {8, 0, 306, 380, UPRIGHT}, {7, 0, 306, 210, UPRIGHT}};
constexpr SceneryPiece level10VegCounters[] = {{5, 0, 600, 75, UPRIGHT}, {5, 0, 600, 245, UPRIGHT}, {5, 0, 600, 520, UPRIGHT}};
constexpr SceneryPiece level10Shelves[] = {
    {4, 0, 850, 0, UPRIGHT}, {4, 0, 850, 170, UPRIGHT}, {4, 0, 850, 425, UPRIGHT}, {4, 0, 850, 595, UPRIGHT}};
constexpr Scenery level10Scenery[] = {
    {FREEZERS, "Error initializing checkout freezer", table(level10Freezers)},
    {VEG_COUNTERS, "Error initializing checkout veg counter", table(level10VegCounters)},
    {SHELVES, "Error initializing checkout shelves", table(level10Shelves)},
};

constexpr SceneryGroup tallyCollisionOrder[] = {FREEZERS, VEG_COUNTERS, SHELVES};
constexpr SceneryGroup tallyRenderOrder[] = {FREEZERS, SHELVES, VEG_COUNTERS};

} // namespace

const LevelPlan level9{
    .name = "LEVEL9",
    .next = "LEVEL10",
    .objectivesPage = 8,
    .floor = "resources\\images\\floor9.png",
    .fonts = {{FontRole::SCORE, "Error initializing dxscore"}, {FontRole::ITEMS, "Error initializing dxitems"},
              {FontRole::TIME, "Error initializing dxscore"}},
    .objectivesBeforeStopwatch = true,
    .products = table(level9Products),
    .obstacles = table(level9Obstacles),
    .scenery = table(level9Scenery),
    .sceneryCollisionOrder = table(tallyCollisionOrder),
    .sceneryRenderOrder = table(tallyRenderOrder),
};
const TallyPlan level9Tally{4, {0, 0, 0, 0, 0, 5, 10, 15}};

const LevelPlan level10{
    .name = "LEVEL10",
    .next = "COMPLETE",
    .objectivesPage = 9,
    .floor = "resources\\images\\floor10.png",
    .fonts = {{FontRole::SCORE, "Error initializing dxscore"}, {FontRole::ITEMS, "Error initializing dxitems"},
              {FontRole::TIME, "Error initializing dxtime"}},
    .objectivesBeforeStopwatch = true,
    .products = table(level10Products),
    .obstacles = table(level10Obstacles),
    .scenery = table(level10Scenery),
    .sceneryCollisionOrder = table(tallyCollisionOrder),
    .sceneryRenderOrder = table(tallyRenderOrder),
};
const TallyPlan level10Tally{5, {0, 0, 0, 0, 0, 5, 10, 15}};

} // namespace levelsNS
