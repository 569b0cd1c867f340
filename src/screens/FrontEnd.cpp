#include "FrontEnd.h"

#include "game/Loading.h"

namespace {
constexpr float INTRO_SPEED = 500.0f;  // pixels a second
constexpr float MENU_SHOWS_AFTER = 3.5f;
constexpr float KEYS_AFTER = 5.0f;     // the keyboard is ignored before this
constexpr WORD PAD_MENU_BUTTONS = XINPUT_GAMEPAD_DPAD_UP | XINPUT_GAMEPAD_DPAD_DOWN | XINPUT_GAMEPAD_DPAD_LEFT
                                  | XINPUT_GAMEPAD_DPAD_RIGHT | XINPUT_GAMEPAD_A;

struct ButtonLook {
    int frame;
    float x, y;
};
// Start, Instructions and Quit for each highlighted entry.
constexpr ButtonLook looks[3][3] = {
    {{4, 0, 0}, {1, 15, -15}, {2, 0, 0}},
    {{0, 0, 0}, {3, 0, 0}, {2, 0, 0}},
    {{0, 0, 0}, {1, 15, -15}, {5, 0, 0}},
};
} // namespace

FrontEnd::FrontEnd(Graphics* g, Input* in, Audio* a, Grocerush* gm) : Screen(g, in, a, gm, "FRONTEND") {}

void FrontEnd::initialize()
{
    loadTexture(backgroundTexture, graphics, "resources\\images\\Titlescreen3.png", "Error initializing background texture");
    initImage(background, graphics, 1024, 768, 1, backgroundTexture, "Error initializing background screen");
    background.setX(0);
    background.setY(0);
    loadTexture(titleTexture, graphics, "resources\\images\\TitleScreen.png", "Error initializing frontend texture");
    initImage(slideIn, graphics, 1024, 768, 2, titleTexture, "Error initializing frontend screen");
    slideIn.setFrames(0, 0);
    slideIn.setCurrentFrame(0);
    slideIn.setLoop(false);
    slideIn.setX(1024);
    slideIn.setY(0);
    initImage(dropIn, graphics, 1024, 768, 2, titleTexture, "Error initializing frontend screen");
    dropIn.setFrames(1, 1);
    dropIn.setCurrentFrame(1);
    dropIn.setLoop(false);
    dropIn.setX(0);
    dropIn.setY(-768);
    loadTexture(titleUiTexture, graphics, "resources\\images\\TitleScreenUi.png", "Error initializing titleui texture");
    initImage(startButton, graphics, 1024, 768, 6, titleUiTexture, "Error initializing start screen");
    startButton.setCurrentFrame(0);
    initImage(instructionsButton, graphics, 1024, 768, 6, titleUiTexture, "Error initializing start screen");
    instructionsButton.setCurrentFrame(1);
    instructionsButton.setX(15);
    instructionsButton.setY(-15);
    initImage(quitButton, graphics, 1024, 768, 6, titleUiTexture, "Error initializing quit screen");
    quitButton.setCurrentFrame(2);
}

// Runs before initialize on the first visit, so it touches no picture.
void FrontEnd::enter()
{
    timer = 0;
    slideIn.setCurrentFrame(0);
    selection = 0;
    audio->playCue(audioNS::TITLE_MUSIC);
    audio->stopCue(audioNS::VICTORY_MUSIC);
}

void FrontEnd::leave()
{
    slideIn.setX(1024);
    dropIn.setY(-768);
    introPhase = 0;
    game->menuVisible = false;
}

void FrontEnd::update(float frameTime)
{
    background.update(frameTime);
    slideIn.update(frameTime);
    startButton.update(frameTime);
    instructionsButton.update(frameTime);
    quitButton.update(frameTime);

    if (introPhase == 0) {
        slideIn.setX(slideIn.getX() - INTRO_SPEED * frameTime);
        if (slideIn.getX() <= 0) {
            slideIn.setX(0);
            introPhase = 1;
        }
    } else if (introPhase == 1) {
        dropIn.setY(dropIn.getY() + INTRO_SPEED * frameTime);
        if (dropIn.getY() >= 0) {
            dropIn.setY(0);
            introPhase = 2;
        }
    }

    timer += frameTime;
    if (timer > MENU_SHOWS_AFTER) game->menuVisible = true;

    const WORD buttons = input->getGamepadButtons(0);
    const bool keys = timer > KEYS_AFTER;
    if ((keys && input->wasKeyPressed(VK_DOWN)) || ((buttons & XINPUT_GAMEPAD_DPAD_DOWN) && padReleased)) {
        if (selection < 2) ++selection;
        padReleased = false;
    }
    if ((keys && input->wasKeyPressed(VK_UP)) || ((buttons & XINPUT_GAMEPAD_DPAD_UP) && padReleased)) {
        if (selection > 0) --selection;
        padReleased = false;
    }
    if ((keys && input->wasKeyPressed(VK_RETURN)) || ((buttons & XINPUT_GAMEPAD_A) && padReleased)) {
        // The next state must not see this same press.
        input->clearKeyPress(VK_RETURN);
        if (selection == 0) game->changeState("LEVEL1", "FRONTEND");
        else if (selection == 1) game->changeState("INSTRUCTIONS", "FRONTEND");
        else PostQuitMessage(0);
        padReleased = false;
    }
    if ((buttons & PAD_MENU_BUTTONS) == 0) padReleased = true;
}

void FrontEnd::render()
{
    graphics->spriteBegin();
    background.draw(graphicsNS::WHITE);
    slideIn.draw(graphicsNS::WHITE);
    dropIn.draw(graphicsNS::WHITE);
    if (game->menuVisible) {
        startButton.draw(graphicsNS::WHITE);
        instructionsButton.draw(graphicsNS::WHITE);
        quitButton.draw(graphicsNS::WHITE);
        // The new highlight shows from the next frame on.
        Image* buttons[3] = {&startButton, &instructionsButton, &quitButton};
        for (int i = 0; i < 3; ++i) {
            const ButtonLook& look = looks[selection][i];
            buttons[i]->setCurrentFrame(look.frame);
            buttons[i]->setX(look.x);
            buttons[i]->setY(look.y);
        }
    }
    graphics->spriteEnd();
}

void FrontEnd::releaseAll()
{
    titleTexture.onLostDevice();
    titleUiTexture.onLostDevice();
    backgroundTexture.onLostDevice();
}

void FrontEnd::resetAll()
{
    titleTexture.onResetDevice();
    titleUiTexture.onResetDevice();
    backgroundTexture.onResetDevice();
}
