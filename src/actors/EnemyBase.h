#pragma once
// Another shopper: stands, walks back and forth along one axis, or follows a route
// of markers, at half its velocity. Levels push it back out of the markers it runs
// into and make it turn.

#include "Entity.h"

enum ShopperMode { STANDING = 0, PATROL_HORIZONTAL = 1, PATROL_VERTICAL = 2, ROUTE = 3, HALTED = 4 };

namespace shopperNS {
constexpr int WIDTH = 100;
constexpr int HEIGHT = 100;
constexpr int TEXTURE_COLS = 4;
constexpr const char* TEXTURE = "resources\\images\\obstacles.png";
} // namespace shopperNS

// How one look of shopper is drawn and how much of it is solid.
struct ShopperLook {
    RECT edge;
    int frameUp, frameDown, frameLeft, frameRight;
    int firstFrame;
};

class EnemyBase : public Entity {
public:
    explicit EnemyBase(const ShopperLook& look);
    void update(float frameTime) override;
    void turnAround() override;
    virtual void standStill() { mode = STANDING; }
    virtual void patrolHorizontally() { mode = PATROL_HORIZONTAL; }
    virtual void patrolVertically() { mode = PATROL_VERTICAL; }
    virtual void followRoute() { mode = ROUTE; }
    virtual void halt() { mode = HALTED; }
    virtual void draw() { drawColoredTexture(graphicsNS::WHITE, 0); }
    bool initialize(Game* game, int width, int height, int columns, TextureManager* texture) override;
    // A quarter turn anticlockwise on screen, on a route only.
    void turnAtMarker();

    ShopperMode getMode() const { return mode; }
    int getFrameUp() const { return frameUp; }
    int getFrameDown() const { return frameDown; }
    int getFrameLeft() const { return frameLeft; }
    int getFrameRight() const { return frameRight; }

protected:
    void faceDirection(int newDirection);

    ShopperMode mode;
    int frameRight;
    int frameLeft;
    int frameUp;
    int frameDown;
};
