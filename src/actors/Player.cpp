#include "Player.h"

#include "platform/Messages.h"

Player::Player() : ammo(playerNS::START_AMMO), score(0), speed(playerNS::SPEED), startTimer(0), fireTimer(0)
{
    spriteData.x = playerNS::START_X;
    spriteData.y = playerNS::START_Y;
    spriteData.width = playerNS::WIDTH;
    spriteData.height = playerNS::HEIGHT;
    spriteData.rect = RECT{0, 0, playerNS::WIDTH, playerNS::HEIGHT};
    frameDelay = playerNS::ANIMATION_DELAY;
    startFrame = endFrame = currentFrame = 0;
    collisionType = BOX;
    edge = RECT{-64, -64, 64, 64};
    velocity = VECTOR2(0, 0);
    mass = playerNS::MASS;
    health = 100;
    for (auto& shot : shots) shot = std::make_unique<Cannon>();
}

Player::~Player() = default;

bool Player::initialize(Game* game, int width, int height, int ncols, TextureManager* texture)
{
    for (auto& shot : shots) {
        if (!shot->Entity::initialize(game, width, height, ncols, texture)) {
            throw GameError(gameErrorNS::FATAL_ERROR, "Error initializing cannon");
        }
        shot->setFrames(cannonNS::FRAME, cannonNS::FRAME);
        shot->setCurrentFrame(cannonNS::FRAME);
        shot->setColorFilter(D3DCOLOR_ARGB(255, 128, 128, 255));
        shot->setScale(0.25f);
    }
    return Entity::initialize(game, width, height, ncols, texture);
}

void Player::update(float frameTime)
{
    Entity::update(frameTime);
    if (health > 100) health = 100;
    startTimer += frameTime;

    const WORD buttons = input ? input->getGamepadButtons(0) : 0;
    if (input && startTimer > playerNS::START_DELAY) {
        if (input->isKeyDown(VK_RIGHT) || (buttons & XINPUT_GAMEPAD_DPAD_RIGHT)) moveRight(frameTime);
        if (input->isKeyDown(VK_LEFT) || (buttons & XINPUT_GAMEPAD_DPAD_LEFT)) moveLeft(frameTime);
        if (input->isKeyDown(VK_UP) || (buttons & XINPUT_GAMEPAD_DPAD_UP)) moveUp(frameTime);
        if (input->isKeyDown(VK_DOWN) || (buttons & XINPUT_GAMEPAD_DPAD_DOWN)) moveDown(frameTime);
    }
    if (input) {
        if (input->getGamepadLeftTrigger(0) == 255) input->gamepadVibrateLeft(0, playerNS::RUMBLE_SPEED, playerNS::RUMBLE_TIME);
        if (input->getGamepadRightTrigger(0) == 255) {
            input->gamepadVibrateRight(0, playerNS::RUMBLE_SPEED, playerNS::RUMBLE_TIME);
        }
    }
    for (auto& shot : shots) {
        if (shot->getActive()) shot->update(frameTime);
    }
    fireTimer += frameTime;
    if (input && (input->wasKeyPressed(VK_SPACE) || (buttons & XINPUT_GAMEPAD_RIGHT_SHOULDER))
        && fireTimer > playerNS::FIRE_INTERVAL) {
        fire();
    }
}

void Player::fire()
{
    for (auto& shot : shots) {
        if (shot->getActive()) continue;
        shot->setActive(true);
        if (ammo >= 1) {
            // A trolley that has not moved yet shows its "up" picture, so it shoots up.
            VECTOR2 v(0, -playerNS::SHOT_SPEED);
            if (facingUp) v = VECTOR2(0, -playerNS::SHOT_SPEED);
            else if (facingDown) v = VECTOR2(0, playerNS::SHOT_SPEED);
            else if (facingLeft) v = VECTOR2(-playerNS::SHOT_SPEED, 0);
            else if (facingRight) v = VECTOR2(playerNS::SHOT_SPEED, 0);
            shot->setVelocity(v);
            shot->setX(getCenterX() - static_cast<float>(shot->getWidth() / 10));
            shot->setY(getCenterY() - static_cast<float>(shot->getHeight() / 10));
            shot->setVisible(true);
            shot->setActive(true);
        }
        fireTimer = 0;
        subtractAmmo(1);
        return;
    }
}

void Player::moveUp(float frameTime)
{
    faceUp();
    setFrames(0, 0);
    setCurrentFrame(0);
    spriteData.y -= speed * frameTime;
    keepOnFloor();
}

void Player::moveDown(float frameTime)
{
    faceDown();
    setFrames(2, 2);
    setCurrentFrame(2);
    spriteData.y += speed * frameTime;
    keepOnFloor();
}

void Player::moveLeft(float frameTime)
{
    faceLeft();
    setFrames(3, 3);
    setCurrentFrame(3);
    spriteData.x -= speed * frameTime;
    keepOnFloor();
}

void Player::moveRight(float frameTime)
{
    faceRight();
    setFrames(1, 1);
    setCurrentFrame(1);
    spriteData.x += speed * frameTime;
    keepOnFloor();
}

void Player::keepOnFloor()
{
    if (spriteData.x < playerNS::MIN_X) spriteData.x = playerNS::MIN_X;
    if (spriteData.x > playerNS::MAX_X) spriteData.x = playerNS::MAX_X;
    if (spriteData.y < playerNS::MIN_Y) spriteData.y = playerNS::MIN_Y;
    if (spriteData.y > playerNS::MAX_Y) spriteData.y = playerNS::MAX_Y;
}

void Player::draw()
{
    drawColoredTexture(graphicsNS::WHITE, 0);
    for (auto& shot : shots) {
        if (shot->getActive()) shot->draw(graphicsNS::WHITE);
    }
}
