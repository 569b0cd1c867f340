#include "CreditScreen.h"
#include "InstructionsScreen.h"

#include "game/Loading.h"

namespace {

const PageScreen::Sheet instructionsSheet{"resources\\images\\instructions1.png", 1024, 4100,
                                          "Error initializing instruct texture", "Error initializing instruct image",
                                          "Error initializing instruct write image"};
const PageScreen::Sheet creditsSheet{"resources\\images\\credits.png", 1024, 1400, "Error initializing credits texture",
                                     "Error initializing credits screen", "Error initializing credits write screen"};

constexpr float INSTRUCTIONS_PAGE_SPEED = 200.0f; // pixels a second while an arrow is held
constexpr float INSTRUCTIONS_LIMIT = -820.0f;     // the page's scroll value at its bottom
constexpr float CREDITS_PAGE_SPEED = 100.0f;
constexpr float CREDITS_LIMIT = -510.0f;
constexpr float CREDITS_SKIP_AFTER = 2.0f;
constexpr float CREDITS_SECONDS = 12.0f;

} // namespace

PageScreen::PageScreen(Graphics* g, Input* in, Audio* a, Grocerush* gm, const char* stateName, const Sheet& s)
    : Screen(g, in, a, gm, stateName), sheet(s)
{
}

void PageScreen::initialize()
{
    loadTexture(texture, graphics, sheet.file, sheet.textureFailure);
    initImage(background, graphics, sheet.frameWidth, sheet.frameHeight, 2, texture, sheet.backgroundFailure);
    background.setCurrentFrame(0);
    initImage(textImage, graphics, sheet.frameWidth, sheet.frameHeight, 2, texture, sheet.pageFailure);
    textImage.setCurrentFrame(1);
}

void PageScreen::updateImages(float frameTime)
{
    background.update(frameTime);
    textImage.update(frameTime);
}

void PageScreen::render()
{
    graphics->spriteBegin();
    background.draw(graphicsNS::WHITE);
    textImage.draw(graphicsNS::WHITE);
    graphics->spriteEnd();
}

InstructionsScreen::InstructionsScreen(Graphics* g, Input* in, Audio* a, Grocerush* gm)
    : PageScreen(g, in, a, gm, "INSTRUCTIONS", instructionsSheet)
{
    gm->instructionsScroll = 0;
}

void InstructionsScreen::enter()
{
    game->instructionsScroll = 0;
    textImage.setY(0);
}

void InstructionsScreen::update(float frameTime)
{
    updateImages(frameTime);
    float& scroll = game->instructionsScroll;
    // A frame in which the page moved looks at nothing else.
    if (input->isKeyDown(VK_UP) && scroll < 0) {
        scroll += 50 * frameTime;
        textImage.setY(textImage.getY() + INSTRUCTIONS_PAGE_SPEED * frameTime);
        return;
    }
    if (input->isKeyDown(VK_DOWN) && scroll > INSTRUCTIONS_LIMIT) {
        scroll -= 50 * frameTime;
        textImage.setY(textImage.getY() - INSTRUCTIONS_PAGE_SPEED * frameTime);
        return;
    }
    if (enterOrStart()) game->changeState("FRONTEND", "INSTRUCTIONS");
}

CreditScreen::CreditScreen(Graphics* g, Input* in, Audio* a, Grocerush* gm) : PageScreen(g, in, a, gm, "CREDITS", creditsSheet) {}

void CreditScreen::leave()
{
    timer = 0;
    textImage.setY(0);
    scroll = 0;
}

void CreditScreen::update(float frameTime)
{
    updateImages(frameTime);
    if (scroll > CREDITS_LIMIT) {
        textImage.setY(textImage.getY() - CREDITS_PAGE_SPEED * frameTime);
        scroll -= 50 * frameTime;
    }
    timer += frameTime;
    if (timer >= CREDITS_SKIP_AFTER && enterOrStart()) game->changeState("FRONTEND", "CREDITS");
    if (timer >= CREDITS_SECONDS) game->changeState("FRONTEND", "CREDITS");
}
