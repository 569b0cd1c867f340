#include "LogoScreen.h"
#include "SubLogoScreen.h"

#include "game/Loading.h"

namespace {
constexpr float LOGO_SECONDS = 3.0f;
constexpr float STUDIO_SECONDS = 6.0f;
constexpr float SKIP_AFTER = 1.0f;
constexpr COLOR_ARGB DARK_GREY = D3DCOLOR_ARGB(255, 49, 48, 48);
} // namespace

SubLogoScreen::SubLogoScreen(Graphics* g, Input* in, Audio* a, Grocerush* gm) : Screen(g, in, a, gm, "SUBLOGO")
{
    initialize();
    initialized = true;
    active = true;
}

void SubLogoScreen::initialize()
{
    loadTexture(logoTexture, graphics, "resources\\images\\kelbrinLogo.png", "Error initializing logo texture");
    initImage(logo, graphics, 341, 250, 10, logoTexture, "Error initializing kelbrin logo");
    logo.setX(380);
    logo.setY(260);
    logo.setScale(1.6f);
    logo.setFrames(0, 17);
    logo.setCurrentFrame(0);
    logo.setFrameDelay(0.1f);
    logo.setLoop(false);
    // Every later frame of the game clears to this dark grey.
    graphics->setBackColor(DARK_GREY);
}

void SubLogoScreen::update(float frameTime)
{
    logo.update(frameTime);
    timer += frameTime;
    if (timer >= LOGO_SECONDS) {
        game->changeState("LOGO", "SUBLOGO");
    } else if (timer >= SKIP_AFTER && enterOrStart()) {
        game->changeState("LOGO", "SUBLOGO");
        timer = 0;
    }
}

void SubLogoScreen::render()
{
    graphics->spriteBegin();
    logo.draw(graphicsNS::WHITE);
    graphics->spriteEnd();
}

LogoScreen::LogoScreen(Graphics* g, Input* in, Audio* a, Grocerush* gm) : Screen(g, in, a, gm, "LOGO") {}

void LogoScreen::initialize()
{
    loadTexture(logoTexture, graphics, "resources\\images\\vantrelgames.png", "Error initializing vantrel texture");
    initImage(bottomPuddle, graphics, 1024, 461, 3, logoTexture, "Error initializing bottom puddle screen");
    bottomPuddle.setCurrentFrame(1);
    bottomPuddle.setY(340);
    initImage(topPuddle, graphics, 1024, 461, 3, logoTexture, "Error initializing top puddle screen");
    topPuddle.setCurrentFrame(2);
    topPuddle.setY(110);
    initImage(studioLogo, graphics, 1024, 461, 3, logoTexture, "Error initializing vantrel screen");
    studioLogo.setCurrentFrame(0);
    studioLogo.setY(200);
}

void LogoScreen::update(float frameTime)
{
    studioLogo.update(frameTime);
    bottomPuddle.update(frameTime);
    topPuddle.update(frameTime);
    timer += frameTime;
    if (timer >= STUDIO_SECONDS) {
        game->changeState("FRONTEND", "LOGO");
    } else if (timer >= SKIP_AFTER && enterOrStart()) {
        game->changeState("FRONTEND", "LOGO");
        timer = 0;
    }
    // The logo rises for about 2.3 s, some 287 pixels, then stays.
    if (rise < 115) {
        rise += 50 * frameTime;
        studioLogo.setY(studioLogo.getY() - 125 * frameTime);
    }
}

void LogoScreen::render()
{
    graphics->spriteBegin();
    topPuddle.draw(graphicsNS::WHITE);
    studioLogo.draw(graphicsNS::WHITE);
    bottomPuddle.draw(graphicsNS::WHITE);
    graphics->spriteEnd();
}
