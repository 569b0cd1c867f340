#include "WeighingLevel.h"

#include <cstdio>

#include "game/Loading.h"
#include "platform/Messages.h"

using namespace levelsNS;

namespace {

constexpr int BIN_PENALTY = 50;
constexpr RECT PAD_EDGE{-5, -5, 5, 5};
constexpr float DISPLAY_X = 140, DISPLAY_Y = 20;
// The time on the mini scale at which each step of the gauge is reached (step 0 at once).
constexpr float stepTimes[10] = {0, 0.5f, 0.75f, 1.0f, 1.25f, 1.5f, 1.75f, 2.0f, 2.25f, 2.5f};
constexpr int GREEN_STEP = 5;
const char* const lightFailures[9] = {"Error initializing red 1",  "Error initializing red 2",   "Error initializing Amber 1",
                                      "Error initializing Amber 2", "Error initializing green",  "Error initializing Amber 3",
                                      "Error initializing Amber 4", "Error initializing red 3",  "Error initializing red 4"};
const char* const arrowFailures[9] = {"Error initializing Arrow1", "Error initializing Arrow2", "Error initializing Arrow3",
                                      "Error initializing Arrow4", "Error initializing Arrow5", "Error initializing Arrow6",
                                      "Error initializing Arrow7", "Error initializing Arrow8", "Error initializing Arrow9"};

} // namespace

WeighingLevel::WeighingLevel(const LevelPlan& s, const WeighingPlan& w, Graphics* g, Game* gb, Input* in, Audio* a,
                             Player* p, Grocerush* gm)
    : Level(s, g, gb, in, a, p, gm), weighing(w)
{
    // These levels have no stopwatch and no obstacles.
    textureManagers = {&objectivesTexture, &binBoxTexture, &floorTexture, &cartTexture, &checkoutTexture, &arrowTexture,
                       &arrowLightsTexture, &checkoutLightsTexture, &scalesDisplayTexture, &scaleLightsTexture,
                       &scaleArrowsTexture, &miniScaleTexture, &wasteBinTexture, &pickupTexture, &hudTexture,
                       &checklistTexture, &sceneryTexture};
}

void WeighingLevel::initialize()
{
    initFonts();
    initObjectives();
    loadTexture(binBoxTexture, graphics, "resources\\images\\binBox.png", "Error initializing bin box texture");
    initImage(binBox, graphics, 0, 0, 0, binBoxTexture, "Error initializing bin box screen");
    binBox.setX(300);
    binBox.setY(150);
    initFloor();
    initCheckout();

    loadTexture(scalesDisplayTexture, graphics, "resources\\images\\largeScales.png", "Error initializing mini scales texture");
    initImage(scalesDisplay, graphics, 857, 632, 1, scalesDisplayTexture, "Error initializing mini scales");
    loadTexture(scaleLightsTexture, graphics, "resources\\images\\scaleLights.png", "Error initializing scale lights texture");
    loadTexture(scaleArrowsTexture, graphics, "resources\\images\\scaleArrows.png", "Error initializing scale arrows texture");
    for (int i = 0; i < 9; ++i) {
        initImage(scaleLights[i], graphics, 857, 632, 3, scaleLightsTexture, lightFailures[i]);
        scaleLights[i].setCurrentFrame(i);
        initImage(scaleArrows[i], graphics, 857, 632, 3, scaleArrowsTexture, arrowFailures[i]);
        scaleArrows[i].setCurrentFrame(i);
    }
    scalesDisplay.setX(DISPLAY_X);
    scalesDisplay.setY(DISPLAY_Y);
    for (int i = 0; i < 9; ++i) {
        scaleLights[i].setX(i == 8 ? DISPLAY_X + 1 : DISPLAY_X);
        scaleLights[i].setY(DISPLAY_Y);
        scaleArrows[i].setX(DISPLAY_X);
        scaleArrows[i].setY(DISPLAY_Y);
    }
    loadTexture(miniScaleTexture, graphics, "resources\\images\\miniScale.png", "Error initializing mini scales texture");
    initEntity(miniScale, gameBase, 100, 75, 1, miniScaleTexture, "Error initializing mini scales");
    loadTexture(wasteBinTexture, graphics, "resources\\images\\wasteBin.png", "Error initializing bin texture");
    initEntity(wasteBin, gameBase, 100, 75, 1, wasteBinTexture, "Error initializing bin");
    for (Entity* pad : {&miniScale, &wasteBin}) {
        pad->setCollisionType(BOX);
        pad->setEdge(PAD_EDGE);
        pad->setX(420);
    }
    miniScale.setY(580);
    wasteBin.setY(680);

    initProducts();
    initHud();
    initChecklist();
    initScenery();
}

void WeighingLevel::enter()
{
    putProductsBack();
    game->gameOverShown = false;
    game->clockRunning = false;
    game->collectedCount = 0;
    placeTrolley();
    player->startTimer = 0;
    if (weighing.forgetsWeighing) game->weighed = false;
}

void WeighingLevel::leave()
{
    clearListFlags();
    game->basketWeight = 0;
    if (weighing.forgetsWeighing) {
        game->weighed = false;
        game->clockRunning = false;
    }
}

bool WeighingLevel::payCondition()
{
    return Level::payCondition() && game->weighed && game->basketWeight == weighing.targetWeight;
}

void WeighingLevel::emptyTrolley()
{
    clearListFlags();
    putProductsBack();
    game->clockRunning = false;
    game->weighed = false;
    game->collectedCount = 0;
    game->basketWeight = 0;
}

int WeighingLevel::highestStep(int weight) const
{
    for (const WeightBand& band : weighing.bands) {
        if (weight >= band.from && weight <= band.to) return band.highestStep;
    }
    return 0;
}

void WeighingLevel::weighAndBin(float frameTime)
{
    VECTOR2 vector;
    if (player->collidesWith(miniScale, vector)) {
        game->scalesTimer += frameTime;
        game->onScales = true;
    } else {
        game->onScales = false;
        game->scalesTimer = 0;
    }
    if (player->collidesWith(wasteBin, vector)) {
        game->binPromptHidden = false;
        if (input->wasKeyPressed('Y')) {
            emptyTrolley();
            player->score -= BIN_PENALTY;
            game->binPromptHidden = true;
        }
    } else {
        game->binPromptHidden = true;
    }
}

void WeighingLevel::animate(float frameTime)
{
    player->update(frameTime);
    for (Entity& p : products) p.update(frameTime);
    for (Image& line : checklistLines) line.update(frameTime);
    scalesDisplay.update(frameTime);
    for (Image& light : scaleLights) light.update(frameTime);
    for (Image& arrowImage : scaleArrows) arrowImage.update(frameTime);
    checkout.update(frameTime);
    arrow.update(frameTime);
    checkoutLights.update(frameTime);
    lightRed.update(frameTime);
    lightBlue.update(frameTime);
    miniScale.update(frameTime);
    wasteBin.update(frameTime);
    for (auto& group : scenery) {
        for (Entity& piece : group) piece.update(frameTime);
    }
}

void WeighingLevel::update(float frameTime)
{
    // No clock here: its start only decides whether the objectives are shown.
    if (objectivesOrEscape()) return;
    startClockOnFirstMove();
    if (pay(frameTime)) return;
    weighAndBin(frameTime);
    animate(frameTime);
}

void WeighingLevel::pickUp(std::size_t i)
{
    Level::pickUp(i);
    game->basketWeight += plan.products[i].weight;
}

void WeighingLevel::collisions(float)
{
    pickUpProducts();
    if (player->collidesWith(checkout, collisionVector)) player->bounce(collisionVector, checkout);
    bounceOffScenery();
}

void WeighingLevel::drawGauge()
{
    if (!game->onScales) {
        scalesDisplay.setVisible(false);
        return;
    }
    // Shown from the second frame on the scale: drawn before it is switched on.
    scalesDisplay.draw(graphicsNS::WHITE);
    scalesDisplay.setVisible(true);
    scaleArrows[0].draw(graphicsNS::WHITE);
    scaleArrows[0].setVisible(true);
    char buffer[30];
    dxtime->setFontColor(graphicsNS::BLACK);
    std::snprintf(buffer, sizeof buffer, " %d ", game->basketWeight);
    dxtime->print(buffer, 670, 482);

    const int highest = highestStep(game->basketWeight);
    for (int step = 1; step <= highest && game->scalesTimer >= stepTimes[step]; ++step) {
        scaleLights[static_cast<std::size_t>(step - 1)].draw(graphicsNS::WHITE);
        if (step >= 2) {
            // The newly reached needle takes over from the one before, from the next frame on.
            scaleArrows[static_cast<std::size_t>(step - 1)].draw(graphicsNS::WHITE);
            scaleArrows[static_cast<std::size_t>(step - 2)].setVisible(false);
            scaleArrows[static_cast<std::size_t>(step - 1)].setVisible(true);
        }
        if (step == GREEN_STEP && game->basketWeight == weighing.targetWeight) game->weighed = true;
    }
}

void WeighingLevel::render()
{
    graphics->spriteBegin();
    floor.draw(graphicsNS::WHITE);
    hud.draw(graphicsNS::WHITE);
    drawProducts();
    drawChecklist();
    drawPaySpot();
    checkout.draw(graphicsNS::WHITE);
    drawCheckoutLight();
    miniScale.draw(graphicsNS::WHITE);
    drawScenery();
    wasteBin.draw(graphicsNS::WHITE);
    player->draw();
    if (!game->binPromptHidden) binBox.draw(graphicsNS::WHITE);
    drawGauge();
    if (!game->clockRunning) objectivesBox.draw(graphicsNS::WHITE);
    drawHudNumbers(false);
    graphics->spriteEnd();
}
