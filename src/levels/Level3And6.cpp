#include "LevelTables.h"
#include "LevelPlans.h"

namespace levelsNS {

namespace {

constexpr FontStep weighingFonts[3] = {{FontRole::SCORE, "Error initializing dxscore"},
                                       {FontRole::ITEMS, "Error initializing dxitems"},
                                       {FontRole::WEIGHT, "Error initializing dxweight"}};

// --- Level 3: 285 of produce -------------------------------------------------------------

constexpr Kind level3List[] = {TOMATOES, POTATOES, ORANGES, CARROTS};

// In the order they are tested: potatoes, oranges, carrots, tomatoes.
constexpr Product level3Products[] = {
    {POTATOES, 18, 466, 20, 0.7f, 10, "Error initializing potatoes", 0, 45},
    {POTATOES, 18, 466, 90, 0.7f, 10, "Error initializing potatoes", 0, 45},
    {POTATOES, 18, 700, 650, 0.7f, 10, "Error initializing potatoes", 0, 45},
    {POTATOES, 18, 466, 230, 0.7f, 10, "Error initializing potatoes", 0, 45},
    {POTATOES, 18, 765, 300, 0.7f, 10, "Error initializing potatoes", 0, 45},
    {ORANGES, 15, 765, 20, 0.7f, 10, "Error initializing oranges", 0, 15},
    {ORANGES, 15, 315, 90, 0.7f, 10, "Error initializing oranges", 0, 15},
    {ORANGES, 15, 700, 570, 0.7f, 10, "Error initializing oranges", 0, 15},
    {ORANGES, 15, 315, 230, 0.7f, 10, "Error initializing oranges", 0, 15},
    {ORANGES, 15, 940, 50, 0.7f, 10, "Error initializing oranges", 0, 15},
    {CARROTS, 14, 160, 20, 0.7f, 10, "Error initializing carrots", 0, 25},
    {CARROTS, 14, 940, 200, 0.7f, 10, "Error initializing carrots", 0, 25},
    {CARROTS, 14, 765, 160, 0.7f, 10, "Error initializing carrots", 0, 25},
    {CARROTS, 14, 765, 230, 0.7f, 10, "Error initializing carrots", 0, 25},
    {CARROTS, 14, 466, 300, 0.7f, 10, "Error initializing carrots", 0, 25},
    {TOMATOES, 10, 615, 20, 0.7f, 10, "Error initializing tomatoes", 0, 15},
    {TOMATOES, 10, 615, 90, 0.7f, 10, "Error initializing tomatoes", 0, 15},
    {TOMATOES, 10, 615, 160, 0.7f, 10, "Error initializing tomatoes", 0, 15},
    {TOMATOES, 10, 615, 230, 0.7f, 10, "Error initializing tomatoes", 0, 15},
    {TOMATOES, 10, 615, 300, 0.7f, 10, "Error initializing tomatoes", 0, 15},
};
// Drawn carrots, potatoes, tomatoes, oranges.
constexpr int level3ProductOrder[] = {10, 11, 12, 13, 14, 0, 1, 2, 3, 4, 15, 16, 17, 18, 19, 5, 6, 7, 8, 9};

constexpr ChecklistLine level3Checklist[] = {
    {TOMATOES, 26, 5, 90, "Error initializing tomatoes checklist", 27, -5, 90, "Error initializing tomatoes crossed "},
    {POTATOES, 36, 0, 140, "Error initializing potatoes checklist", 37, -10, 140, "Error initializing potatoes crossed"},
    {ORANGES, 20, 10, 175, "Error initializing oranges checklist", 21, 0, 175, "Error initializing oranges crossed"},
    {CARROTS, 30, 6, 226, "Error initializing carrots checklist", 31, 2, 225, "Error initializing carrots crossed"},
};
// Drawn oranges, tomatoes, potatoes, carrots.
constexpr int level3ChecklistOrder[] = {2, 0, 1, 3};

constexpr SceneryPiece level3VegCounters[] = {{5, 0, 600, 540, UPRIGHT}, {5, 0, 800, 540, UPRIGHT}};
constexpr SceneryPiece level3FishCounters[] = {{2, 0, 955, 540, UPRIGHT}};
constexpr SceneryPiece level3Shelves[] = {
    {4, 0, 250, 0, UPRIGHT},   {6, 0, 400, 0, UPRIGHT},   {4, 0, 550, 0, UPRIGHT},   {4, 0, 700, 0, UPRIGHT},
    {4, 0, 850, 0, UPRIGHT},   {4, 0, 250, 170, UPRIGHT}, {6, 0, 400, 170, UPRIGHT}, {6, 0, 550, 170, UPRIGHT},
    {4, 0, 700, 170, UPRIGHT}, {4, 0, 850, 170, UPRIGHT},
};
constexpr Scenery level3Scenery[] = {
    {VEG_COUNTERS, "Error initializing checkout veg counter", table(level3VegCounters)},
    {FISH_COUNTERS, "Error initializing checkout fish counter", table(level3FishCounters)},
    {SHELVES, "Error initializing checkout shelves", table(level3Shelves)},
};
constexpr SceneryGroup level3CollisionOrder[] = {VEG_COUNTERS, FISH_COUNTERS, SHELVES};
constexpr SceneryGroup level3RenderOrder[] = {SHELVES, VEG_COUNTERS, FISH_COUNTERS};

constexpr WeightBand level3Bands[] = {{79, 119, 2}, {122, 284, 4}, {285, 285, 5}, {290, 399, 7}, {402, 1 << 30, 9}};

// --- Level 6: 300 of fresh food --------------------------------------------------------

constexpr Kind level6List[] = {CHICKEN, STRAWBERRY, CHEESE, FISH, SAUSAGES};

// In the order they are tested: strawberry, sausages, fish, chicken, cheese.
constexpr Product level6Products[] = {
    {STRAWBERRY, 13, 950, 400, 0.7f, 10, "Error initializing strawberries", 0, 10},
    {STRAWBERRY, 13, 950, 450, 0.7f, 10, "Error initializing strawberries", 0, 10},
    {STRAWBERRY, 13, 950, 500, 0.7f, 10, "Error initializing strawberries", 0, 10},
    {STRAWBERRY, 13, 950, 550, 0.7f, 10, "Error initializing strawberries", 0, 10},
    {SAUSAGES, 16, 875, 20, 0.7f, 15, "Error initializing sausages", 0, 25},
    {SAUSAGES, 16, 650, 20, 0.7f, 15, "Error initializing sausages", 0, 25},
    {FISH, 1, 160, 80, 0.7f, 15, "Error initializing fish", 0, 30},
    {FISH, 1, 160, 160, 0.7f, 15, "Error initializing fish", 0, 30},
    {FISH, 1, 875, 180, 0.7f, 15, "Error initializing fish", 0, 30},
    {FISH, 1, 320, 20, 0.7f, 15, "Error initializing fish", 0, 30},
    {FISH, 1, 400, 20, 0.7f, 15, "Error initializing fish", 0, 30},
    {CHICKEN, 24, 325, 400, 0.7f, 20, "Error initializing chicken", 0, 40},
    {CHICKEN, 24, 495, 400, 0.7f, 20, "Error initializing chicken", 0, 40},
    {CHICKEN, 24, 665, 400, 0.7f, 20, "Error initializing chicken", 0, 40},
    {CHEESE, 17, 875, 80, 0.7f, 5, "Error initializing cheese", 0, 15},
    {CHEESE, 17, 600, 90, 0.7f, 5, "Error initializing cheese", 0, 15},
    {CHEESE, 17, 160, 20, 0.7f, 5, "Error initializing cheese", 0, 15},
};
// Drawn fish, strawberry, chicken, sausages, cheese.
constexpr int level6ProductOrder[] = {6, 7, 8, 9, 10, 0, 1, 2, 3, 11, 12, 13, 4, 5, 14, 15, 16};

constexpr ChecklistLine level6Checklist[] = {
    {CHICKEN, 34, 5, 95, "Error initializing chicken checklist", 35, -5, 95, "Error initializing chicken crossed "},
    {STRAWBERRY, 2, 5, 140, "Error initializing strawberries checklist", 3, 2, 137, "Error initializing strawberries crossed"},
    {CHEESE, 14, 24, 260, "Error initializing cheese checklist", 15, 20, 260, "Error initializing cheese crossed"},
    {SAUSAGES, 32, 10, 180, "Error initializing sausages checklist", 33, 0, 180, "Error initializing sausages crossed"},
    {FISH, 8, 25, 213, "Error initializing fish checklist", 9, 20, 210, "Error initializing fish crossed"},
};
// Drawn sausages, chicken, strawberry, fish, cheese.
constexpr int level6ChecklistOrder[] = {3, 0, 1, 4, 2};

constexpr SceneryPiece level6VegCounters[] = {{5, 0, 880, 340, UPRIGHT}, {5, 0, 880, 510, UPRIGHT}};
constexpr SceneryPiece level6Freezers[] = {{8, 90, 330, 288, ACROSS}, {7, 90, 500, 288, ACROSS}, {8, 90, 670, 288, ACROSS}};
constexpr SceneryPiece level6Shelves[] = {
    {4, 0, 250, 0, UPRIGHT}, {6, 0, 500, 0, UPRIGHT}, {4, 0, 750, 0, UPRIGHT},
    {4, 90, 300, 119, ACROSS}, {6, 0, 500, 170, UPRIGHT}, {6, 90, 700, 119, ACROSS},
};
constexpr Scenery level6Scenery[] = {
    {VEG_COUNTERS, "Error initializing checkout veg counter", table(level6VegCounters)},
    {FREEZERS, "Error initializing checkout freezer", table(level6Freezers)},
    {SHELVES, "Error initializing checkout shelves", table(level6Shelves)},
};
constexpr SceneryGroup level6CollisionOrder[] = {VEG_COUNTERS, FREEZERS, SHELVES};
constexpr SceneryGroup level6RenderOrder[] = {SHELVES, VEG_COUNTERS, FREEZERS};

constexpr WeightBand level6Bands[] = {{101, 159, 2}, {162, 299, 4}, {300, 300, 5}, {304, 349, 7}, {352, 1 << 30, 9}};

} // namespace

const LevelPlan level3{
    .name = "LEVEL3",
    .next = "LEVEL4",
    .objectivesPage = 2,
    .floor = "resources\\images\\floor3.png",
    .fonts = {weighingFonts[0], weighingFonts[1], weighingFonts[2]},
    .listKinds = table(level3List),
    .products = table(level3Products),
    .productRenderOrder = table(level3ProductOrder),
    .checklist = table(level3Checklist),
    .checklistRenderOrder = table(level3ChecklistOrder),
    .scenery = table(level3Scenery),
    .sceneryCollisionOrder = table(level3CollisionOrder),
    .sceneryRenderOrder = table(level3RenderOrder),
};
const WeighingPlan level3Weighing{285, table(level3Bands), true};

const LevelPlan level6{
    .name = "LEVEL6",
    .next = "LEVEL7",
    .objectivesPage = 5,
    .floor = "resources\\images\\floor6.png",
    .fonts = {weighingFonts[0], weighingFonts[1], weighingFonts[2]},
    .listKinds = table(level6List),
    .products = table(level6Products),
    .productRenderOrder = table(level6ProductOrder),
    .checklist = table(level6Checklist),
    .checklistRenderOrder = table(level6ChecklistOrder),
    .scenery = table(level6Scenery),
    .sceneryCollisionOrder = table(level6CollisionOrder),
    .sceneryRenderOrder = table(level6RenderOrder),
};
const WeighingPlan level6Weighing{300, table(level6Bands), false};

} // namespace levelsNS
