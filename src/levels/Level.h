#pragma once
// One supermarket level, built from its LevelPlan: the floor, the HUD with the clock
// and the shopping list, the checkout with its pay spot and lights, the products,
// obstacles and scenery, the pick-up rule, paying, and the switches to the next
// level, "GAMEOVER" and "FRONTEND". Levels with rules of their own derive from it and
// override the steps they change.

#include <memory>
#include <vector>

#include "LevelPlan.h"
#include "actors/Entity.h"
#include "actors/Player.h"
#include "engine/Image.h"
#include "engine/TextDX.h"
#include "engine/TextureManager.h"
#include "game/GameState.h"
#include "game/Grocerush.h"

class Level : public GameState {
public:
    Level(const levelsNS::LevelPlan& plan, Graphics* graphics, Game* game, Input* input, Audio* audio, Player* player,
          Grocerush* grocerush);
    ~Level() override;

    void initialize() override;
    void enter() override;
    void leave() override;
    void update(float frameTime) override;
    void render() override;
    void resetAll() override;
    void releaseAll() override;
    void collisions(float frameTime) override;
    void save() override;
    void load() override;

    // Whether the list is complete (and the trolley may pay).
    virtual bool payCondition();
    float getCheckoutTimer() const { return checkoutTimer; }
    const levelsNS::LevelPlan& getPlan() const { return plan; }
    Entity& product(std::size_t i) { return products[i]; }
    Entity& obstacle(std::size_t i) { return obstacles[i]; }
    Entity& sceneryPiece(levelsNS::SceneryGroup group, std::size_t i) { return scenery[group][i]; }
    Entity& checkoutCounter() { return checkout; }
    Entity& payLights() { return checkoutLights; }

protected:
    // The steps of update, in their usual order; each returns true when it switched
    // to another state, after which the rest of the frame's update is skipped.
    void tickClock(float frameTime);
    void startClockOnFirstMove();
    bool objectivesOrEscape();
    bool clockRanOut();
    bool pay(float frameTime);
    virtual int payBonus();
    virtual void animate(float frameTime);

    virtual void pickUp(std::size_t product);
    void pickUpProducts();
    void bounceOffScenery();
    void obstacleCollisions();

    void drawProducts();
    void drawChecklist();
    void drawPaySpot();
    void drawScenery();
    void drawObstacles();
    void drawShopFloor();
    void drawCheckoutLight();
    // What a level draws over the checkout and under the objectives (its shoppers).
    virtual void drawAboveCheckout() {}
    void drawHudNumbers(bool withClock);

    // Set-up steps shared by every level.
    void initFonts();
    void initBoard();
    void initStopwatch();
    void initObjectives();
    void initFloor();
    void initCheckout();
    void initProducts();
    void initHud();
    void initChecklist();
    void initScenery();
    void initObstacles();
    void putProductsBack();
    void clearListFlags();
    void placeTrolley();
    TextDX& font(levelsNS::FontRole role);

    const levelsNS::LevelPlan& plan;
    float checkoutTimer = 0;
    VECTOR2 collisionVector;
    Graphics* graphics;
    Game* gameBase;
    Input* input;
    Audio* audio;
    Player* player;
    Grocerush* game;

    std::unique_ptr<TextDX> dxitems, dxtime, dxscore;
    TextureManager floorTexture, hudTexture, checklistTexture, cartTexture, pickupTexture, checkoutTexture,
        checkoutLightsTexture, arrowTexture, arrowLightsTexture, sceneryTexture, obstacleTexture, objectivesTexture,
        stopwatchTexture;
    Image floor, hud, stopwatch, objectivesBox, lightRed, lightBlue;
    Entity checkout, arrow, checkoutLights;
    std::vector<Image> checklistLines;   // unticked, crossed, for each line of the list
    std::vector<Entity> products;
    std::vector<Entity> obstacles;
    std::vector<std::vector<Entity>> scenery; // by group
    // Everything released and restored around a device reset; levels add their own.
    std::vector<TextureManager*> textureManagers;
    std::vector<TextDX*> fonts;
};
