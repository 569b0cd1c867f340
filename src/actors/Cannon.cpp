#include "Cannon.h"

Cannon::Cannon() : launchTimer(0)
{
    spriteData.width = cannonNS::WIDTH;
    spriteData.height = cannonNS::HEIGHT;
    spriteData.rect = RECT{0, 0, cannonNS::WIDTH, cannonNS::HEIGHT};
    columns = cannonNS::TEXTURE_COLS;
    frameDelay = cannonNS::ANIMATION_DELAY;
    startFrame = endFrame = currentFrame = cannonNS::FRAME;
    radius = 4.0f;
    edge = RECT{-30, -30, 30, 30};
    mass = cannonNS::MASS;
    collisionType = BOX;
    active = false;
    visible = false;
}

void Cannon::update(float frameTime)
{
    launchTimer = 0;
    if (!visible) return;
    Image::update(frameTime);
    spriteData.x += frameTime * velocity.x;
    spriteData.y += frameTime * velocity.y;
    if (spriteData.x > 1024 || spriteData.x < 0 || spriteData.y > 768 || spriteData.y < 0) {
        visible = false;
        active = false;
    }
}
