#include "LevelTables.h"
#include "LevelPlans.h"

namespace levelsNS {

namespace {

constexpr ChecklistLine shopperChecklist[] = {
    {ICE_CREAM, 24, 5, 140, "Error initializing icecream checklist", 25, 5, 140, "Error initializing icecream crossed"},
    {CHICKEN, 34, 10, 180, "Error initializing chicken checklist", 35, 10, 180, "Error initializing chicken crossed"},
    {BACON, 22, 20, 215, "Error initializing bacon checklist", 23, 20, 215, "Error initializing bacon crossed"},
    {SAUSAGES, 32, 15, 270, "Error initializing sausages checklist", 33, 10, 270, "Error initializing sausages crossed"},
    {FISH, 8, 35, 80, "Error initializing fish", 9, 40, 80, "Error initializing fish crossed"},
    {CEREALS, 12, 20, 320, "Error initializing cereals", 13, 25, 320, "Error initializing cereals crossed"},
    {POTATOES, 36, 10, 360, "Error initializing potatoes", 37, 10, 360, "Error initializing potatoes crossed"},
    {BUTTER, 16, 10, 400, "Error initializing butter", 17, 10, 400, "Error initializing butter crossed"},
    {CARROTS, 30, 10, 450, "Error initializing carrots", 31, 10, 450, "Error initializing carrots crossed"},
};
// Drawn chicken, ice cream, fish, bacon, sausages, potatoes, cereals, then carrots and butter.
constexpr int shopperChecklistOrder[] = {1, 0, 4, 2, 3, 6, 5, 8, 7};

constexpr FontStep shopperFonts[3] = {{FontRole::SCORE, "Error initializing dxscore"},
                                      {FontRole::ITEMS, "Error initializing dxitems"},
                                      {FontRole::TIME, "Error initializing dxtime"}};
constexpr const char* SHOPPER_SHEET_FAILURE = "Error initializing no wet sign texture";

// --- Level 5 -------------------------------------------------------------------------

constexpr Kind level5List[] = {ICE_CREAM, CHICKEN, BACON, SAUSAGES, FISH, CEREALS, POTATOES};

constexpr Product level5Products[] = {
    {FISH, 1, 850, 180, 1, 25, "Error initializing fish"},
    {BACON, 19, 650, 190, 1, 40, "Error initializing bacon"},
    {SAUSAGES, 16, 520, 15, 1, 15, "Error initializing sausages"},
    {ICE_CREAM, 6, 160, 100, 1, 10, "Error initializing icecream"},
    {CHICKEN, 24, 430, 610, 1, 20, "Error initializing chicken"},
    {POTATOES, 18, 920, 600, 1, 10, "Error initializing potatoes"},
    {CEREALS, 22, 490, 200, 1, 10, "Error initializing cereals"},
};
// Drawn chicken, ice cream, sausages, bacon, fish, potatoes, cereals.
constexpr int level5ProductOrder[] = {4, 3, 2, 1, 0, 5, 6};

constexpr SceneryPiece level5Freezers[] = {{7, 90, 460, 645, ACROSS}, {8, 90, 630, 645, ACROSS}, {7, 90, 800, 645, ACROSS}};
constexpr SceneryPiece level5VegCounters[] = {{5, 0, 740, 100, UPRIGHT}, {5, 0, 740, 270, UPRIGHT}};
constexpr SceneryPiece level5FishCounters[] = {{1, 0, 956, 0, UPRIGHT}, {1, 0, 956, 200, UPRIGHT}, {1, 0, 956, 400, UPRIGHT}};
constexpr SceneryPiece level5Shelves[] = {
    {4, 0, 260, 270, UPRIGHT}, {6, 0, 260, 100, UPRIGHT}, {6, 0, 420, 270, UPRIGHT},
    {4, 0, 420, 100, UPRIGHT}, {4, 0, 580, 270, UPRIGHT}, {6, 0, 580, 100, UPRIGHT},
};
constexpr Scenery level5Scenery[] = {
    {FREEZERS, "Error initializing checkout freezer", table(level5Freezers)},
    {VEG_COUNTERS, "Error initializing checkout veg counter", table(level5VegCounters)},
    {FISH_COUNTERS, "Error initializing checkout fish counter", table(level5FishCounters)},
    {SHELVES, "Error initializing checkout shelves", table(level5Shelves)},
};

constexpr Shopper level5Blondes[] = {{483, 150, PATROL_VERTICAL, 2, MarkerTurn::AROUND}};
constexpr Shopper level5Gingers[] = {{600, 590, PATROL_HORIZONTAL, 3, MarkerTurn::AROUND}};
constexpr Point level5Markers[] = {{500, 40}, {500, 410}, {370, 590}, {960, 590}};

// --- Level 8 -------------------------------------------------------------------------

constexpr Kind level8List[] = {ICE_CREAM, CHICKEN, BACON, SAUSAGES, FISH, CEREALS, POTATOES, BUTTER, CARROTS};

constexpr Product level8Products[] = {
    {FISH, 1, 950, 300, 0.7f, 15, "Error initializing fish"},
    {CARROTS, 14, 180, 20, 0.7f, 10, "Error initializing carrots"},
    {BUTTER, 20, 400, 20, 0.7f, 5, "Error initializing butter"},
    {BACON, 19, 560, 220, 0.7f, 15, "Error initializing bacon"},
    {SAUSAGES, 16, 950, 20, 0.7f, 15, "Error initializing sausages"},
    {ICE_CREAM, 6, 420, 220, 0.7f, 10, "Error initializing icecream"},
    {CHICKEN, 24, 460, 690, 0.7f, 20, "Error initializing chicken"},
    {POTATOES, 18, 900, 650, 0.7f, 10, "Error initializing potatoes"},
    {CEREALS, 22, 490, 220, 0.7f, 10, "Error initializing cereals"},
};
// Drawn chicken, ice cream, sausages, bacon, fish, potatoes, cereals, carrots, butter.
constexpr int level8ProductOrder[] = {6, 5, 4, 3, 0, 7, 8, 1, 2};

constexpr SceneryPiece level8Freezers[] = {{8, 90, 500, 325, ACROSS}, {7, 90, 500, 45, ACROSS}};
constexpr SceneryPiece level8VegCounters[] = {{5, 90, 580, 550, ACROSS}, {5, 90, 750, 550, ACROSS}};
constexpr SceneryPiece level8FishCounters[] = {{1, 0, 956, 110, UPRIGHT}, {1, 0, 956, 410, UPRIGHT}};
constexpr SceneryPiece level8Shelves[] = {
    {4, 0, 260, 275, UPRIGHT}, {4, 0, 260, 105, UPRIGHT}, {4, 0, 730, 275, UPRIGHT}, {4, 0, 730, 105, UPRIGHT}};
constexpr Scenery level8Scenery[] = {
    {FREEZERS, "Error initializing checkout freezer", table(level8Freezers)},
    {VEG_COUNTERS, "Error initializing checkout veg counter", table(level8VegCounters)},
    {FISH_COUNTERS, "Error initializing checkout fish counter", table(level8FishCounters)},
    {SHELVES, "Error initializing checkout shelves", table(level8Shelves)},
};

// Three walk loops, turning a quarter at every marker; one walks back and forth.
constexpr Shopper level8Blondes[] = {{450, 165, ROUTE, 3, MarkerTurn::QUARTER}, {450, 0, ROUTE, 3, MarkerTurn::QUARTER}};
constexpr Shopper level8Gingers[] = {{460, 275, ROUTE, 4, MarkerTurn::QUARTER}, {700, 670, PATROL_HORIZONTAL, 3, MarkerTurn::AROUND}};
constexpr Point level8Markers[] = {{310, 170}, {340, 330}, {650, 320}, {630, 160}, {130, 0},
                                   {160, 510}, {890, 480}, {850, -30}, {400, 700}, {930, 700}};

} // namespace

const LevelPlan level5{
    .name = "LEVEL5",
    .next = "LEVEL6",
    .objectivesPage = 4,
    .floor = "resources\\images\\floor5.png",
    .fonts = {shopperFonts[0], shopperFonts[1], shopperFonts[2]},
    .payWhen = PayWhen::COUNT,
    .payCount = 7,
    .listKinds = table(level5List),
    .products = table(level5Products),
    .productRenderOrder = table(level5ProductOrder),
    .checklist = {shopperChecklist, 7},
    .checklistRenderOrder = {shopperChecklistOrder, 7},
    .obstacleTextureFailure = SHOPPER_SHEET_FAILURE,
    .scenery = table(level5Scenery),
    .sceneryCollisionOrder = table(usualCollisionOrder),
    .sceneryRenderOrder = table(usualRenderOrder),
};
const ShopperPlan level5Shoppers{table(level5Blondes), table(level5Gingers), table(level5Markers)};

const LevelPlan level8{
    .name = "LEVEL8",
    .next = "LEVEL9",
    .objectivesPage = 7,
    .floor = "resources\\images\\floor8.png",
    .fonts = {shopperFonts[0], shopperFonts[1], shopperFonts[2]},
    .payWhen = PayWhen::COUNT,
    .payCount = 9,
    .listKinds = table(level8List),
    .products = table(level8Products),
    .productRenderOrder = table(level8ProductOrder),
    .checklist = table(shopperChecklist),
    .checklistRenderOrder = table(shopperChecklistOrder),
    .obstacleTextureFailure = SHOPPER_SHEET_FAILURE,
    .scenery = table(level8Scenery),
    .sceneryCollisionOrder = table(usualCollisionOrder),
    .sceneryRenderOrder = table(usualRenderOrder),
};
const ShopperPlan level8Shoppers{table(level8Blondes), table(level8Gingers), table(level8Markers)};

} // namespace levelsNS
