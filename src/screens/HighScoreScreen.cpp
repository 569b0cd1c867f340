#include "HighScoreScreen.h"

#include "game/Loading.h"

namespace {
constexpr float WAIT = 2.0f;
}

HighScoreScreen::HighScoreScreen(Graphics* g, Input* in, Audio* a, Grocerush* gm) : Screen(g, in, a, gm, "HIGHSCORE") {}

void HighScoreScreen::initialize()
{
    loadTexture(pictureTexture, graphics, "resources\\images\\highScore.png", "Error initializing pause texture");
    initImage(picture, graphics, 0, 0, 0, pictureTexture, "Error initializing pause screen");
}

void HighScoreScreen::update(float frameTime)
{
    timer += frameTime;
    const WORD buttons = input->getGamepadButtons(0);
    const bool enter = input->wasKeyPressed(VK_RETURN);
    if (timer >= WAIT && !game->gameOverShown && (enter || (buttons & XINPUT_GAMEPAD_START))) {
        game->changeState("CREDITS", name);
        timer = 0;
    }
    if (timer >= WAIT && game->gameOverShown && (enter || (buttons & XINPUT_GAMEPAD_A))) {
        game->changeState("FRONTEND", name);
        timer = 0;
        game->gameOverShown = false;
    }
}

void HighScoreScreen::render()
{
    graphics->spriteBegin();
    picture.draw(graphicsNS::WHITE);
    game->drawHighScores();
    graphics->spriteEnd();
}
