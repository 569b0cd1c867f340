#include "Level.h"

#include <cstdio>
#include <fstream>

#include "game/Loading.h"
#include "platform/Files.h"
#include "platform/Messages.h"

using namespace levelsNS;

namespace {

constexpr RECT PRODUCT_EDGE{-5, -5, 5, 5};
constexpr RECT CHECKOUT_EDGE{-40, -75, 67, 82};
constexpr RECT PAY_SPOT_EDGE{-5, -5, 5, 5};
constexpr float CHECKOUT_X = 210, CHECKOUT_Y = 560;
constexpr float PAY_SPOT_X = 155, PAY_SPOT_Y = 580;
constexpr const char* SAVE_FILE = "saveFiles\\BrinemarkSave.txt";
constexpr WORD PAD_DIRECTIONS =
    XINPUT_GAMEPAD_DPAD_DOWN | XINPUT_GAMEPAD_DPAD_LEFT | XINPUT_GAMEPAD_DPAD_RIGHT | XINPUT_GAMEPAD_DPAD_UP;

int timeBonus(int secondsLeft)
{
    if (secondsLeft >= 45 && secondsLeft <= 55) return 15;
    if (secondsLeft >= 35 && secondsLeft <= 44) return 10;
    if (secondsLeft >= 25 && secondsLeft <= 34) return 5;
    return 0;
}

} // namespace

Level::Level(const LevelPlan& s, Graphics* g, Game* gb, Input* in, Audio* a, Player* p, Grocerush* gm)
    : plan(s), graphics(g), gameBase(gb), input(in), audio(a), player(p), game(gm), dxitems(std::make_unique<TextDX>()),
      dxtime(std::make_unique<TextDX>()), dxscore(std::make_unique<TextDX>()), checklistLines(2 * s.checklist.count),
      products(s.products.count), obstacles(s.obstacles.count), scenery(SCENERY_GROUPS)
{
    name = plan.name;
    textureManagers = {&floorTexture, &hudTexture, &checklistTexture, &cartTexture, &pickupTexture, &checkoutTexture,
                       &checkoutLightsTexture, &arrowTexture, &arrowLightsTexture, &sceneryTexture, &obstacleTexture,
                       &objectivesTexture, &stopwatchTexture};
    fonts = {dxitems.get(), dxtime.get(), dxscore.get()};
    for (const Scenery& group : plan.scenery) scenery[group.group].resize(group.pieces.count);
    game->clockAccumulator = 0;
}

Level::~Level() = default;

TextDX& Level::font(FontRole role)
{
    switch (role) {
    case FontRole::ITEMS: return *dxitems;
    case FontRole::TIME:
    case FontRole::WEIGHT: return *dxtime;
    default: return *dxscore;
    }
}

// --- Set-up ---------------------------------------------------------------------

void Level::initFonts()
{
    for (const FontStep& step : plan.fonts) {
        if (step.role == FontRole::TIME) initFont(*dxtime, graphics, 35, "Digital Dream", step.failure);
        else if (step.role == FontRole::WEIGHT) initFont(*dxtime, graphics, 40, "Digital Readout Upright", step.failure);
        else initFont(font(step.role), graphics, 50, "Stencil", step.failure);
    }
}

void Level::initStopwatch()
{
    loadTexture(stopwatchTexture, graphics, "resources\\images\\stopWatch.png", "Error initializing objectives box texture");
    initImage(stopwatch, graphics, 150, 150, 1, stopwatchTexture, "Error initializing objectives box screen");
    stopwatch.setScale(1.3f);
    stopwatch.setX(5);
    stopwatch.setY(510);
}

void Level::initObjectives()
{
    loadTexture(objectivesTexture, graphics, "resources\\images\\levelobjectives.png",
                "Error initializing objectives box texture");
    initImage(objectivesBox, graphics, 700, 500, 5, objectivesTexture, "Error initializing objectives box screen");
    objectivesBox.setCurrentFrame(plan.objectivesPage);
    objectivesBox.setX(190);
    objectivesBox.setY(100);
}

void Level::initFloor()
{
    loadTexture(floorTexture, graphics, plan.floor, "Error initializing background texture");
    initImage(floor, graphics, 0, 0, 0, floorTexture, "Error initializing menu");
    floor.setX(0);
    floor.setY(0);
    loadTexture(cartTexture, graphics, "resources\\images\\shoppingCart.png", "Error initializing shopping cart textures");
}

void Level::initObstacles()
{
    loadTexture(obstacleTexture, graphics, "resources\\images\\obstacles.png", plan.obstacleTextureFailure);
    for (std::size_t i = 0; i < obstacles.size(); ++i) {
        const Obstacle& o = plan.obstacles[i];
        Entity& e = obstacles[i];
        // Power-ups are pictures on the products' sheet; everything else on the obstacles'.
        const bool powerUp = o.role == ObstacleRole::BOOST || o.role == ObstacleRole::ITEM_DROP;
        if (powerUp) initEntity(e, gameBase, 80, 80, 5, pickupTexture, o.failure);
        else initEntity(e, gameBase, 100, 100, 4, obstacleTexture, o.failure);
        e.setCurrentFrame(o.frame);
        e.setDegrees(o.degrees);
        e.setX(o.x);
        e.setY(o.y);
        e.setScale(o.scale);
        if (o.hasBox) {
            e.setCollisionType(BOX);
            e.setEdge(o.edge);
        }
    }
}

void Level::initCheckout()
{
    loadTexture(checkoutTexture, graphics, "resources\\images\\checkout.png", "Error initializing checkout texture");
    initEntity(checkout, gameBase, 200, 200, 1, checkoutTexture, "Error initializing checkout Red");
    checkout.setCollisionType(BOX);
    checkout.setEdge(CHECKOUT_EDGE);
    checkout.setX(CHECKOUT_X);
    checkout.setY(CHECKOUT_Y);

    loadTexture(arrowTexture, graphics, "resources\\images\\arrows.png", "Error initializing arrow texture");
    initEntity(arrow, gameBase, 80, 150, 1, arrowTexture, "Error initializing arrow");
    arrow.setCollisionType(BOX);
    arrow.setEdge(PAY_SPOT_EDGE);
    arrow.setX(PAY_SPOT_X);
    arrow.setY(PAY_SPOT_Y);

    loadTexture(arrowLightsTexture, graphics, "resources\\images\\arrowLights.png", "Error initializing arrow lights texture");
    initEntity(checkoutLights, gameBase, 80, 150, 3, arrowLightsTexture, "Error initializing checkout lights");
    checkoutLights.setFrames(0, 2);
    checkoutLights.setCurrentFrame(0);
    checkoutLights.setLoop(true);
    checkoutLights.setFrameDelay(0.2f);
    checkoutLights.setX(PAY_SPOT_X);
    checkoutLights.setY(PAY_SPOT_Y);

    loadTexture(checkoutLightsTexture, graphics, "resources\\images\\checkoutLights.png",
                "Error initializing checkout lights texture");
    initImage(lightRed, graphics, 200, 200, 2, checkoutLightsTexture, "Error initializing light red");
    lightRed.setCurrentFrame(0);
    initImage(lightBlue, graphics, 200, 200, 2, checkoutLightsTexture, "Error initializing light blue");
    lightBlue.setCurrentFrame(1);
    for (Image* light : {&lightRed, &lightBlue}) {
        light->setX(CHECKOUT_X);
        light->setY(CHECKOUT_Y);
    }
}

void Level::initProducts()
{
    loadTexture(pickupTexture, graphics, "resources\\images\\pickupTextures1.png", "Error initializing pick up textures");
    for (std::size_t i = 0; i < products.size(); ++i) {
        const Product& p = plan.products[i];
        Entity& e = products[i];
        initEntity(e, gameBase, 80, 80, 5, pickupTexture, p.failure);
        e.setCurrentFrame(p.frame);
        e.setCollisionType(BOX);
        e.setEdge(PRODUCT_EDGE);
        e.setX(p.x);
        e.setY(p.y);
        e.setScale(p.scale);
    }
}

void Level::initHud()
{
    loadTexture(hudTexture, graphics, "resources\\images\\HUD.png", "Error initializing hud texture");
    initImage(hud, graphics, 0, 0, 0, hudTexture, "Error initializing hud");
    hud.setX(0);
    hud.setY(0);
}

void Level::initChecklist()
{
    loadTexture(checklistTexture, graphics, "resources\\images\\checklistUI.png", "Error initializing checklist UI texture");
    for (std::size_t i = 0; i < plan.checklist.count; ++i) {
        const ChecklistLine& line = plan.checklist[i];
        Image& unticked = checklistLines[2 * i];
        Image& crossed = checklistLines[2 * i + 1];
        initImage(unticked, graphics, 150, 40, 6, checklistTexture, line.failure);
        unticked.setCurrentFrame(line.frame);
        unticked.setX(line.x);
        unticked.setY(line.y);
        initImage(crossed, graphics, 150, 40, 6, checklistTexture, line.crossedFailure);
        crossed.setCurrentFrame(line.crossedFrame);
        crossed.setX(line.crossedX);
        crossed.setY(line.crossedY);
    }
}

void Level::initScenery()
{
    loadTexture(sceneryTexture, graphics, "resources\\images\\sceneryTextures.png", "Error initializing checkout texture");
    for (const Scenery& group : plan.scenery) {
        std::vector<Entity>& pieces = scenery[group.group];
        for (Entity& e : pieces) {
            initEntity(e, gameBase, 66, 172, 9, sceneryTexture, group.failure);
            e.setCollisionType(BOX);
        }
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            const SceneryPiece& piece = group.pieces[i];
            pieces[i].setEdge(piece.edge);
            pieces[i].setCurrentFrame(piece.frame);
            pieces[i].setDegrees(piece.degrees);
            pieces[i].setX(piece.x);
            pieces[i].setY(piece.y);
        }
    }
}

void Level::initialize()
{
    initFonts();
    initBoard();
}

// Everything after the fonts, in the order whose first failure the player is told of.
void Level::initBoard()
{
    if (plan.objectivesBeforeStopwatch) {
        initObjectives();
        initStopwatch();
    } else {
        initStopwatch();
        initObjectives();
    }
    initFloor();
    initObstacles();
    initCheckout();
    initProducts();
    initHud();
    initChecklist();
    initScenery();
}

// --- Entering and leaving ---------------------------------------------------------

void Level::putProductsBack()
{
    for (Entity& p : products) {
        p.setVisible(true);
        p.setActive(true);
    }
}

void Level::clearListFlags()
{
    for (Kind kind : plan.listKinds) game->productCollected[kind] = false;
}

void Level::placeTrolley()
{
    player->setCurrentFrame(0);
    player->setX(TROLLEY_START_X);
    player->setY(TROLLEY_START_Y);
}

void Level::enter()
{
    player->startTimer = 0;
    putProductsBack();
    game->gameOverShown = false;
    game->clockRunning = false;
    game->secondsLeft = CLOCK_SECONDS;
    game->collectedCount = 0;
    placeTrolley();
    if (plan.newGame) player->score = 0;
    clearListFlags();
}

void Level::leave() { clearListFlags(); }

// --- A frame --------------------------------------------------------------------------

void Level::tickClock(float frameTime)
{
    if (!game->clockRunning) return;
    game->clockAccumulator += frameTime;
    // The part past the second is dropped, not carried on.
    if (game->clockAccumulator > 1.0f) {
        game->clockAccumulator = 0;
        game->secondsLeft -= 1;
    }
}

void Level::startClockOnFirstMove()
{
    // Whole seconds since the trolley was placed: "more than 1.5" means at least 2,
    // the moment it may first drive.
    const int placed = static_cast<int>(player->startTimer);
    if (placed <= 1.5f) return;
    const bool key = input->wasKeyPressed(VK_LEFT) || input->wasKeyPressed(VK_RIGHT) || input->wasKeyPressed(VK_UP)
                     || input->wasKeyPressed(VK_DOWN);
    if (key || (input->getGamepadButtons(0) & PAD_DIRECTIONS)) game->clockRunning = true;
}

bool Level::objectivesOrEscape()
{
    if (input->wasKeyPressed('O')) {
        game->clockRunning = false;
        return false;
    }
    if (input->wasKeyPressed(VK_ESCAPE)) {
        game->changeState("FRONTEND", name);
        return true;
    }
    return false;
}

bool Level::clockRanOut()
{
    if (game->secondsLeft != 0) return false;
    game->changeState("GAMEOVER", name);
    return true;
}

int Level::payBonus() { return timeBonus(game->secondsLeft); }

bool Level::pay(float frameTime)
{
    if (!player->collidesWith(arrow, collisionVector)) return false;
    // Time on the spot adds up over separate visits, complete list or not.
    checkoutTimer += frameTime;
    if (checkoutTimer <= PAY_SECONDS || !payCondition()) return false;
    player->score += PAY_BONUS;
    player->score += payBonus();
    game->changeState(plan.next, name);
    checkoutTimer = 0;
    return true;
}

void Level::animate(float frameTime)
{
    player->update(frameTime);
    for (Entity& p : products) p.update(frameTime);
    for (Image& line : checklistLines) line.update(frameTime);
    for (Entity& o : obstacles) o.update(frameTime);
    checkout.update(frameTime);
    arrow.update(frameTime);
    checkoutLights.update(frameTime);
    lightRed.update(frameTime);
    lightBlue.update(frameTime);
    for (auto& group : scenery) {
        for (Entity& piece : group) piece.update(frameTime);
    }
}

void Level::update(float frameTime)
{
    tickClock(frameTime);
    startClockOnFirstMove();
    stopwatch.update(frameTime);
    // One switch a frame: once this level has handed over, it does nothing more.
    if (objectivesOrEscape() || clockRanOut() || pay(frameTime)) return;
    animate(frameTime);
}

bool Level::payCondition()
{
    if (plan.payWhen == PayWhen::COUNT) return game->collectedCount == plan.payCount;
    for (Kind kind : plan.listKinds) {
        if (!game->productCollected[kind]) return false;
    }
    return true;
}

// --- Collisions ---------------------------------------------------------------------

void Level::pickUp(std::size_t i)
{
    Entity& p = products[i];
    player->score += plan.products[i].points;
    p.setVisible(false);
    p.setActive(false);
    game->productCollected[plan.products[i].kind] = true;
    game->collectedCount += 1;
    audio->playCue(audioNS::DING);
}

void Level::pickUpProducts()
{
    VECTOR2 vector;
    bool previousTaken = false;
    for (std::size_t i = 0; i < products.size(); ++i) {
        const bool skip = plan.products[i].afterPrevious && previousTaken;
        previousTaken = !skip && player->collidesWith(products[i], vector);
        if (previousTaken) pickUp(i);
    }
}

void Level::obstacleCollisions()
{
    if (player->collidesWith(checkout, collisionVector)) player->bounce(collisionVector, checkout);
    for (std::size_t i = 0; i < obstacles.size(); ++i) {
        Entity& o = obstacles[i];
        const bool touching = player->collidesWith(o, collisionVector);
        switch (plan.obstacles[i].role) {
        case ObstacleRole::SOLID:
            if (touching) player->bounce(collisionVector, o);
            break;
        case ObstacleRole::SLOW_ZONE:
            player->speed = touching ? SLOW_SPEED : NORMAL_SPEED;
            break;
        default:
            break; // power-ups belong to the levels that have them
        }
    }
}

void Level::bounceOffScenery()
{
    for (SceneryGroup group : plan.sceneryCollisionOrder) {
        for (Entity& piece : scenery[group]) {
            if (player->collidesWith(piece, collisionVector)) player->bounce(collisionVector, piece);
        }
    }
}

void Level::collisions(float)
{
    pickUpProducts();
    obstacleCollisions();
    bounceOffScenery();
}

// --- Drawing ------------------------------------------------------------------------

void Level::drawProducts()
{
    if (plan.productRenderOrder.count == 0) {
        for (Entity& p : products) p.draw(graphicsNS::WHITE);
        return;
    }
    for (int i : plan.productRenderOrder) products[static_cast<std::size_t>(i)].draw(graphicsNS::WHITE);
}

void Level::drawChecklist()
{
    const auto drawLine = [this](std::size_t i) {
        const bool ticked = game->productCollected[plan.checklist[i].kind];
        checklistLines[2 * i + (ticked ? 1 : 0)].draw(graphicsNS::WHITE);
    };
    if (plan.checklistRenderOrder.count == 0) {
        for (std::size_t i = 0; i < plan.checklist.count; ++i) drawLine(i);
        return;
    }
    for (int i : plan.checklistRenderOrder) drawLine(static_cast<std::size_t>(i));
}

void Level::drawPaySpot()
{
    arrow.draw(graphicsNS::WHITE);
    // Shown from the frame after the list is complete: the lights draw before they are switched on.
    const bool complete = payCondition();
    if (complete) checkoutLights.draw(graphicsNS::WHITE);
    checkoutLights.setVisible(complete);
    checkoutLights.setActive(complete);
}

void Level::drawScenery()
{
    for (SceneryGroup group : plan.sceneryRenderOrder) {
        for (Entity& piece : scenery[group]) piece.draw(graphicsNS::WHITE);
    }
}

void Level::drawObstacles()
{
    for (Entity& o : obstacles) o.draw(graphicsNS::WHITE);
}

void Level::drawCheckoutLight()
{
    if (payCondition()) lightBlue.draw(graphicsNS::WHITE);
    else lightRed.draw(graphicsNS::WHITE);
}

void Level::drawHudNumbers(bool withClock)
{
    char buffer[20];
    dxitems->setFontColor(graphicsNS::BLACK);
    std::snprintf(buffer, sizeof buffer, " %d ", game->collectedCount);
    dxitems->print(buffer, 0, 30);
    dxscore->setFontColor(graphicsNS::BLACK);
    std::snprintf(buffer, sizeof buffer, " %d ", player->score);
    dxscore->print(buffer, 0, 670);
    if (withClock) {
        char clock[10];
        dxtime->setFontColor(graphicsNS::WHITE);
        std::snprintf(clock, sizeof clock, " %d ", game->secondsLeft);
        dxtime->print(clock, 22, 588);
    }
}

// What stands on the floor, from the pay spot up to the trolley and the till over it.
void Level::drawShopFloor()
{
    drawPaySpot();
    drawScenery();
    drawObstacles();
    player->draw();
    checkout.draw(graphicsNS::WHITE);
    drawCheckoutLight();
}

void Level::render()
{
    graphics->spriteBegin();
    floor.draw(graphicsNS::WHITE);
    hud.draw(graphicsNS::WHITE);
    stopwatch.draw(graphicsNS::WHITE);
    drawProducts();
    drawChecklist();
    drawShopFloor();
    drawAboveCheckout();
    if (!game->clockRunning) objectivesBox.draw(graphicsNS::WHITE);
    drawHudNumbers(true);
    graphics->spriteEnd();
}

// --- Device loss and the save hooks -----------------------------------------------------

void Level::releaseAll()
{
    for (TextureManager* t : textureManagers) t->onLostDevice();
    for (TextDX* f : fonts) f->onLostDevice();
}

void Level::resetAll()
{
    for (TextureManager* t : textureManagers) t->onResetDevice();
    for (TextDX* f : fonts) f->onResetDevice();
}

// Nothing calls these; they open the level save file and transfer nothing.
void Level::save()
{
    std::ofstream file(platform::nativePath(SAVE_FILE), std::ios::trunc);
    if (!file) throw GameError(gameErrorNS::FATAL_ERROR, "Error creating save file");
}

void Level::load()
{
    std::fstream file(platform::nativePath(SAVE_FILE), std::ios::in | std::ios::out);
    if (!file) throw GameError(gameErrorNS::FATAL_ERROR, "Error opening save file");
}
