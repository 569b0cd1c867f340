#include "CompleteScreen.h"
#include "GameOverScreen.h"

#include "game/Loading.h"

namespace {
const LevelEndScreen::Pictures completePictures{"resources\\images\\victory.png", "Error initializing complete texture",
                                                "Error initializing complete screen"};
const LevelEndScreen::Pictures gameOverPictures{"resources\\images\\gameOver.png", "Error initializing pause texture",
                                                "Error initializing pause screen"};
} // namespace

LevelEndScreen::LevelEndScreen(Graphics* g, Input* in, Audio* a, Player* p, Grocerush* gm, const char* stateName,
                               const Pictures& pics)
    : Screen(g, in, a, gm, stateName), player(p), pictures(pics)
{
}

void LevelEndScreen::initialize()
{
    loadTexture(pictureTexture, graphics, pictures.file, pictures.textureFailure);
    initImage(picture, graphics, 0, 0, 0, pictureTexture, pictures.pictureFailure);
    loadTexture(scoreBoxTexture, graphics, "resources\\images\\highScoreBox.png", "Error initializing pause texture");
    initImage(scoreBox, graphics, 0, 0, 0, scoreBoxTexture, "Error initializing pause screen");
    scoreBox.setX(230);
    scoreBox.setY(420);
    nameFont.reset();
    // A face that cannot be made leaves the box without its typed text, nothing worse.
    D3DXCreateFontA(graphics->getDevice(), 40, 0, FW_NORMAL, 1, false, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, DEFAULT_QUALITY,
                    DEFAULT_PITCH | FF_DONTCARE, "Ravie", nameFont);
    nameRect.left = 450;
    nameRect.top = 640;
}

void LevelEndScreen::update(float)
{
    if (input->wasKeyPressed(VK_RETURN) || (input->getGamepadButtons(0) & XINPUT_GAMEPAD_START)) {
        const std::string initials = input->getTextIn();
        game->submitHighScore(player->score, initials);
        game->changeState("HIGHSCORE", name);
    }
}

void LevelEndScreen::render()
{
    graphics->spriteBegin();
    picture.draw(graphicsNS::WHITE);
    scoreBox.draw(graphicsNS::WHITE);
    graphics->spriteEnd();
    if (nameFont) {
        RECT rect = nameRect;
        nameFont->DrawTextA(nullptr, input->getTextIn().c_str(), -1, &rect, DT_NOCLIP, D3DCOLOR_ARGB(255, 0, 0, 0));
    }
}

void LevelEndScreen::releaseAll()
{
    pictureTexture.onLostDevice();
    scoreBoxTexture.onLostDevice();
    if (nameFont) nameFont->OnLostDevice();
}

void LevelEndScreen::resetAll()
{
    pictureTexture.onResetDevice();
    scoreBoxTexture.onResetDevice();
    if (nameFont) nameFont->OnResetDevice();
}

CompleteScreen::CompleteScreen(Graphics* g, Input* in, Audio* a, Player* p, Grocerush* gm)
    : LevelEndScreen(g, in, a, p, gm, "COMPLETE", completePictures)
{
}

void CompleteScreen::enter()
{
    audio->stopCue(audioNS::TITLE_MUSIC);
    audio->playCue(audioNS::VICTORY_MUSIC);
}

GameOverScreen::GameOverScreen(Graphics* g, Input* in, Audio* a, Player* p, Grocerush* gm)
    : LevelEndScreen(g, in, a, p, gm, "GAMEOVER", gameOverPictures)
{
}

void GameOverScreen::enter() { game->gameOverShown = true; }
