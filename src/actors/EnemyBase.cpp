#include "EnemyBase.h"

#include "BlondePerson.h"
#include "GingerPerson.h"
#include "InvisibleMarker.h"

EnemyBase::EnemyBase(const ShopperLook& look)
    : mode(STANDING), frameRight(look.frameRight), frameLeft(look.frameLeft), frameUp(look.frameUp), frameDown(look.frameDown)
{
    edge = look.edge;
    startFrame = currentFrame = look.firstFrame;
    spriteData.width = shopperNS::WIDTH;
    spriteData.height = shopperNS::HEIGHT;
    spriteData.rect = RECT{0, 0, shopperNS::WIDTH, shopperNS::HEIGHT};
    spriteData.x = 462;
    spriteData.y = 334;
    velocity = VECTOR2(100, 100);
    radius = 50.0f;
    mass = 0.1f;
    collisionType = BOX;
    direction = 1;
}

bool EnemyBase::initialize(Game* game, int width, int height, int ncols, TextureManager* texture)
{
    return Entity::initialize(game, width, height, ncols, texture);
}

void EnemyBase::update(float frameTime)
{
    Entity::update(frameTime);
    const float step = 0.5f * frameTime;
    switch (mode) {
    case STANDING:
        velocity = VECTOR2(0, 0);
        break;
    case PATROL_HORIZONTAL:
        spriteData.x -= velocity.x * step;
        break;
    case PATROL_VERTICAL:
        spriteData.y -= velocity.y * step;
        break;
    case ROUTE:
        switch (direction) {
        case 1: spriteData.y += velocity.y * step; break;
        case 2: spriteData.y -= velocity.y * step; break;
        case 3: spriteData.x -= velocity.x * step; break;
        case 4: spriteData.x += velocity.x * step; break;
        default: break;
        }
        break;
    case HALTED:
        break;
    }
}

void EnemyBase::faceDirection(int newDirection)
{
    direction = newDirection;
    switch (newDirection) {
    case 1: setCurrentFrame(frameUp); break;
    case 2: setCurrentFrame(frameDown); break;
    case 3: setCurrentFrame(frameLeft); break;
    case 4: setCurrentFrame(frameRight); break;
    default: break;
    }
}

void EnemyBase::turnAround()
{
    if (mode != PATROL_HORIZONTAL && mode != PATROL_VERTICAL) return;
    setVelocity(-velocity);
    if (direction == 4) faceDirection(3);
    else if (direction == 3) faceDirection(4);
    if (direction == 1) faceDirection(2);
    else if (direction == 2) faceDirection(1);
}

void EnemyBase::turnAtMarker()
{
    if (mode != ROUTE) return;
    static constexpr int next[5] = {0, 3, 4, 2, 1}; // up->left, down->right, left->down, right->up
    if (direction >= 1 && direction <= 4) faceDirection(next[direction]);
}

BlondePerson::BlondePerson() : EnemyBase(ShopperLook{{-30, -25, 30, 25}, 4, 6, 7, 5, 4}) {}

GingerPerson::GingerPerson() : EnemyBase(ShopperLook{{-25, -30, 25, 30}, 0, 2, 3, 1, 3}) {}

InvisibleMarker::InvisibleMarker()
{
    mass = 1.0f;
    edge = RECT{-10, -10, 10, 10};
    collisionType = BOX;
}
