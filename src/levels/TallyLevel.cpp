#include "TallyLevel.h"

#include "game/Loading.h"

using namespace levelsNS;

namespace {
constexpr float BOOST_SPEED = 300.0f;
constexpr float BOOST_SECONDS = 5.0f;
constexpr float strikeY[7] = {130, 180, 220, 270, 310, 360, 405};
} // namespace

TallyLevel::TallyLevel(const LevelPlan& s, const TallyPlan& t, Graphics* g, Game* gb, Input* in, Audio* a, Player* p,
                       Grocerush* gm)
    : Level(s, g, gb, in, a, p, gm), tally(t)
{
}

Entity* TallyLevel::powerUp(ObstacleRole role)
{
    for (std::size_t i = 0; i < obstacles.size(); ++i) {
        if (plan.obstacles[i].role == role) return &obstacles[i];
    }
    return nullptr;
}

void TallyLevel::initialize()
{
    initFonts();
    initObjectives();
    initStopwatch();
    initFloor();
    // The power-ups are set up before their sheet is loaded: it is looked up only when drawing.
    initObstacles();
    initCheckout();
    initProducts();
    initHud();
    loadTexture(checklistTexture, graphics, "resources\\images\\checklistUI.png", "Error initializing checklist UI texture");
    initImage(listImage, graphics, 150, 40, 6, checklistTexture, "Error initializing pizza checklist");
    listImage.setCurrentFrame(38);
    listImage.setX(10);
    listImage.setY(90);
    for (std::size_t i = 0; i < strikeMarks.size(); ++i) {
        initImage(strikeMarks[i], graphics, 150, 40, 6, checklistTexture, "Error initializing pizza crossed ");
        strikeMarks[i].setCurrentFrame(39);
        strikeMarks[i].setX(10);
        strikeMarks[i].setY(strikeY[i]);
    }
    initScenery();
}

void TallyLevel::enter()
{
    for (ObstacleRole role : {ObstacleRole::BOOST, ObstacleRole::ITEM_DROP}) {
        if (Entity* p = powerUp(role)) {
            p->setVisible(true);
            p->setActive(true);
        }
    }
    putProductsBack();
    game->gameOverShown = false;
    game->clockRunning = false;
    game->secondsLeft = CLOCK_SECONDS;
    player->startTimer = 0;
    game->collectedCount = 0;
    game->listTally = 0;
    game->boostActive = false;
    boostTimer = 0;
    placeTrolley();
}

// Every product back on the floor and the tally from nothing; the points stay.
void TallyLevel::dropItems()
{
    putProductsBack();
    game->collectedCount = 0;
    game->listTally = 0;
}

int TallyLevel::payBonus()
{
    const int t = game->listTally;
    return t >= 0 && t < 8 ? tally.bonus[t] : 0;
}

void TallyLevel::animate(float frameTime)
{
    Level::animate(frameTime);
    listImage.update(frameTime);
    for (Image& mark : strikeMarks) mark.update(frameTime);
}

void TallyLevel::update(float frameTime)
{
    tickClock(frameTime);
    startClockOnFirstMove();
    stopwatch.update(frameTime);
    // Paying comes before the clock test here: a level paid for in its last second is won.
    if (objectivesOrEscape() || pay(frameTime) || clockRanOut()) return;
    animate(frameTime);
    if (game->listTally <= 0) game->listTally = 0;
}

void TallyLevel::updatePowerUps(float frameTime)
{
    Entity* itemDrop = powerUp(ObstacleRole::ITEM_DROP);
    if (itemDrop && player->collidesWith(*itemDrop, collisionVector)) {
        dropItems();
        itemDrop->setVisible(false);
        itemDrop->setActive(false);
    }
    Entity* boost = powerUp(ObstacleRole::BOOST);
    if (boost && player->collidesWith(*boost, collisionVector)) {
        game->boostActive = true;
        boost->setVisible(false);
        boost->setActive(false);
    }
    if (game->boostActive) {
        boostTimer += frameTime;
        if (boostTimer < BOOST_SECONDS) {
            player->speed = BOOST_SPEED;
        } else {
            player->speed = NORMAL_SPEED;
            game->boostActive = false;
            boostTimer = 0;
        }
    }
    if (game->boostActive) return;
    bool slowed = false;
    for (std::size_t i = 0; i < obstacles.size() && !slowed; ++i) {
        if (plan.obstacles[i].role == ObstacleRole::SLOW_ZONE) slowed = player->collidesWith(obstacles[i], collisionVector);
    }
    player->speed = slowed ? SLOW_SPEED : NORMAL_SPEED;
}

void TallyLevel::pickUp(std::size_t i)
{
    Level::pickUp(i);
    game->listTally += plan.products[i].tally;
}

void TallyLevel::collisions(float frameTime)
{
    updatePowerUps(frameTime);
    pickUpProducts();
    if (player->collidesWith(checkout, collisionVector)) player->bounce(collisionVector, checkout);
    bounceOffScenery();
}

void TallyLevel::render()
{
    graphics->spriteBegin();
    floor.draw(graphicsNS::WHITE);
    hud.draw(graphicsNS::WHITE);
    listImage.draw(graphicsNS::WHITE);
    // A tally of 8 (everything, on the last level) has no line left to strike.
    if (game->listTally >= 1 && game->listTally <= 7) {
        for (int i = 0; i < game->listTally; ++i) strikeMarks[static_cast<std::size_t>(i)].draw(graphicsNS::WHITE);
    }
    stopwatch.draw(graphicsNS::WHITE);
    drawProducts();
    drawShopFloor();
    if (!game->clockRunning) objectivesBox.draw(graphicsNS::WHITE);
    drawHudNumbers(true);
    graphics->spriteEnd();
}
