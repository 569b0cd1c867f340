#include "LevelTables.h"
#include "LevelPlans.h"

namespace levelsNS {

namespace {

// The clock's font shares its failure message with the score's on these levels.
constexpr const char* SCORE_FAILURE = "Error initializing dxscore";

constexpr ChecklistLine iceCreamLine{ICE_CREAM, 24, 5, 140, "Error initializing icecream checklist", 25, 5, 140,
                                     "Error initializing icecream crossed"};
constexpr ChecklistLine chickenLine{CHICKEN, 34, 10, 180, "Error initializing chicken checklist", 35, 10, 180,
                                    "Error initializing chicken crossed"};
constexpr ChecklistLine baconLine{BACON, 22, 20, 215, "Error initializing bacon checklist", 23, 20, 215,
                                  "Error initializing bacon crossed"};
constexpr ChecklistLine sausagesLine{SAUSAGES, 32, 15, 270, "Error initializing sausages checklist", 33, 10, 270,
                                     "Error initializing sausages crossed"};
constexpr ChecklistLine fishLine{FISH, 8, 35, 80, "Error initializing fish", 9, 40, 80, "Error initializing fish crossed"};

constexpr Obstacle slowZone{ObstacleRole::SLOW_ZONE, 9, 0, 250, 450, 1, false, {}, "Error initializing no wet floor sign"};

// --- Level 4 -------------------------------------------------------------------------

constexpr Kind level4List[] = {FISH, ICE_CREAM, BACON, SAUSAGES, CHICKEN};

constexpr Product level4Products[] = {
    {FISH, 1, 850, 180, 1, 25, "Error initializing fish"},
    {BACON, 19, 480, 190, 1, 40, "Error initializing bacon"},
    {SAUSAGES, 16, 520, 20, 1, 15, "Error initializing sausages"},
    {ICE_CREAM, 6, 490, 440, 1, 10, "Error initializing icecream"},
    {CHICKEN, 24, 430, 610, 1, 20, "Error initializing chicken"},
};

constexpr ChecklistLine level4Checklist[] = {iceCreamLine, chickenLine, baconLine, sausagesLine, fishLine};

constexpr Obstacle level4Obstacles[] = {slowZone};

constexpr SceneryPiece level4Freezers[] = {{8, 90, 460, 645, ACROSS}, {7, 90, 630, 645, ACROSS}, {8, 90, 905, 645, ACROSS}};
constexpr SceneryPiece level4VegCounters[] = {{5, 0, 420, 250, UPRIGHT}, {5, 0, 590, 250, UPRIGHT}, {5, 90, 500, 480, ACROSS}};
constexpr SceneryPiece level4FishCounters[] = {{1, 0, 956, 0, UPRIGHT}, {0, 0, 956, 220, UPRIGHT}, {2, 0, 956, 450, UPRIGHT}};
constexpr SceneryPiece level4Shelves[] = {
    {6, 0, 260, 270, UPRIGHT}, {4, 0, 260, 100, UPRIGHT}, {4, 90, 378, 48, ACROSS}, {6, 90, 548, 48, ACROSS},
    {6, 90, 718, 48, ACROSS},  {4, 0, 770, 168, UPRIGHT}, {4, 0, 770, 340, UPRIGHT},
};
constexpr Scenery level4Scenery[] = {
    {FREEZERS, "Error initializing checkout freezer", table(level4Freezers)},
    {VEG_COUNTERS, "Error initializing checkout veg counter", table(level4VegCounters)},
    {FISH_COUNTERS, "Error initializing checkout fish counter", table(level4FishCounters)},
    {SHELVES, "Error initializing checkout shelves", table(level4Shelves)},
};

// --- Level 7 -------------------------------------------------------------------------

constexpr Kind level7List[] = {FISH, BACON, SAUSAGES, ICE_CREAM, CHICKEN, GRAPES, CEREALS, BANANAS};

constexpr Product level7Products[] = {
    {FISH, 1, 850, 180, 1, 25, "Error initializing fish"},
    {BACON, 19, 160, 190, 1, 40, "Error initializing bacon"},
    {SAUSAGES, 16, 590, 20, 0.8f, 15, "Error initializing sausages"},
    {SAUSAGES, 16, 350, 20, 0.8f, 15, "Error initializing sausages"},
    {ICE_CREAM, 6, 380, 440, 1, 10, "Error initializing icecream"},
    {CHICKEN, 24, 480, 690, 0.8f, 20, "Error initializing chicken"},
    {GRAPES, 12, 590, 140, 0.8f, 10, "Error initializing grapes"},
    {GRAPES, 11, 590, 380, 0.8f, 10, "Error initializing grapes"},
    {CEREALS, 23, 800, 440, 0.8f, 10, "Error initializing cereals"},
    {CEREALS, 22, 160, 20, 0.8f, 10, "Error initializing cereals"},
    {BANANAS, 25, 380, 240, 1, 10, "Error initializing bananas"},
};

constexpr ChecklistLine level7Checklist[] = {
    iceCreamLine, chickenLine, baconLine, sausagesLine, fishLine,
    {GRAPES, 28, 15, 320, "Error initializing grapes checklist", 29, 10, 320, "Error initializing grapes crossed"},
    {BANANAS, 18, 15, 360, "Error initializing bananas checklist", 19, 10, 360, "Error initializing bananas crossed"},
    {CEREALS, 12, 20, 415, "Error initializing cereals checklist", 13, 23, 415, "Error initializing cereals crossed"},
};

// The pushchair is solid only at its middle: its box is 10 pixels square.
constexpr Obstacle level7Obstacles[] = {
    slowZone,
    {ObstacleRole::SOLID, 10, 90, 590, 270, 1, true, {-5, -5, 5, 5}, "Error initializing pushchair"},
};

constexpr SceneryPiece level7Freezers[] = {
    {7, 0, 500, 0, UPRIGHT}, {8, 0, 500, 170, UPRIGHT}, {8, 0, 500, 340, UPRIGHT}, {7, 0, 500, 510, UPRIGHT}};
constexpr SceneryPiece level7VegCounters[] = {{5, 0, 700, 280, UPRIGHT}, {5, 0, 700, 450, UPRIGHT}, {5, 0, 700, 110, UPRIGHT}};
constexpr SceneryPiece level7FishCounters[] = {{1, 0, 956, 30, UPRIGHT}, {1, 0, 956, 280, UPRIGHT}, {1, 0, 956, 530, UPRIGHT}};
constexpr SceneryPiece level7Shelves[] = {{6, 0, 260, 270, UPRIGHT}, {4, 0, 260, 0, UPRIGHT}};
constexpr Scenery level7Scenery[] = {
    {FREEZERS, "Error initializing checkout freezer", table(level7Freezers)},
    {VEG_COUNTERS, "Error initializing checkout veg counter", table(level7VegCounters)},
    {FISH_COUNTERS, "Error initializing checkout fish counter", table(level7FishCounters)},
    {SHELVES, "Error initializing checkout shelves", table(level7Shelves)},
};

} // namespace

const LevelPlan level4{
    .name = "LEVEL4",
    .next = "LEVEL5",
    .objectivesPage = 3,
    .floor = "resources\\images\\floor4.png",
    .fonts = {{FontRole::SCORE, "Error initializing dxscore"}, {FontRole::TIME, SCORE_FAILURE},
              {FontRole::ITEMS, "Error initializing dxitems"}},
    .payWhen = PayWhen::COUNT,
    .payCount = 5,
    .listKinds = table(level4List),
    .products = table(level4Products),
    .checklist = table(level4Checklist),
    .obstacles = table(level4Obstacles),
    .scenery = table(level4Scenery),
    .sceneryCollisionOrder = table(usualCollisionOrder),
    .sceneryRenderOrder = table(usualRenderOrder),
};

const LevelPlan level7{
    .name = "LEVEL7",
    .next = "LEVEL8",
    .objectivesPage = 6,
    .floor = "resources\\images\\floor7.png",
    .fonts = {{FontRole::SCORE, "Error initializing dxscore"}, {FontRole::ITEMS, "Error initializing dxitems"},
              {FontRole::TIME, SCORE_FAILURE}},
    .payWhen = PayWhen::WHOLE_LIST,
    .listKinds = table(level7List),
    .products = table(level7Products),
    .checklist = table(level7Checklist),
    .obstacles = table(level7Obstacles),
    .scenery = table(level7Scenery),
    .sceneryCollisionOrder = table(usualCollisionOrder),
    .sceneryRenderOrder = table(usualRenderOrder),
};

} // namespace levelsNS
