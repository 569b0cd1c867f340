#pragma once
// The trolley: four directions under the arrow keys or the first controller's D-pad,
// at a speed levels may change, inside the shop floor, and only two seconds after it
// has been placed. It carries twenty shots it can fire the way it faces.

#include <array>
#include <memory>

#include "Cannon.h"
#include "Entity.h"

namespace playerNS {
constexpr int WIDTH = 120;
constexpr int HEIGHT = 120;
constexpr int TEXTURE_COLS = 4;
constexpr float START_X = 452;
constexpr float START_Y = 324;
constexpr float ANIMATION_DELAY = 0.2f;
constexpr float SPEED = 150.0f;
constexpr float MASS = 0.1f;
constexpr float START_DELAY = 2.0f;   // seconds after placing before it drives
constexpr float FIRE_INTERVAL = 1.55f;
constexpr float SHOT_SPEED = 600.0f;
constexpr int SHOTS = 20;
// Every firing attempt uses one, and nothing hands out more: enough for days of play.
constexpr int START_AMMO = 100000;
constexpr float MIN_X = 140, MAX_X = 930;
constexpr float MIN_Y = -25, MAX_Y = 670;
constexpr WORD RUMBLE_SPEED = 65280;
constexpr float RUMBLE_TIME = 0.1f;
constexpr const char* TEXTURE = "resources\\images\\shoppingCart.png";
} // namespace playerNS

class Player : public Entity {
public:
    Player();
    ~Player() override;
    void update(float frameTime) override;
    void addAmmo(int n) override { ammo += n; }
    void addSpeed(float x) override { speed += x; }
    void subtractAmmo(int n) override { ammo -= n; }
    bool initialize(Game* game, int width, int height, int columns, TextureManager* texture) override;
    virtual void draw();
    virtual void moveUp(float frameTime);
    virtual void moveDown(float frameTime);
    virtual void moveLeft(float frameTime);
    virtual void moveRight(float frameTime);

    Cannon& shot(int n) { return *shots[static_cast<size_t>(n)]; }
    float getFireTimer() const { return fireTimer; }

    // What the levels read and write directly.
    int ammo;
    int score;
    float speed;
    float startTimer;

private:
    void keepOnFloor();
    void fire();

    float fireTimer;
    std::array<std::unique_ptr<Cannon>, playerNS::SHOTS> shots;
};
