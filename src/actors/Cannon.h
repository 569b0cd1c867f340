#pragma once
// One of the trolley's small shots: launched in the facing direction, gone once it
// leaves the screen.

#include "Entity.h"

namespace cannonNS {
constexpr int WIDTH = 64;
constexpr int HEIGHT = 64;
constexpr int TEXTURE_COLS = 4;
constexpr int FRAME = 33;
constexpr float ANIMATION_DELAY = 0.1f;
constexpr float MASS = 0.1f;
} // namespace cannonNS

class Cannon : public Entity {
public:
    Cannon();
    void update(float frameTime) override;
    float getMass() const override { return cannonNS::MASS; }

private:
    float launchTimer;
};
