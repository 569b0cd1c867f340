#include "Session.h"

#include "MainWindow.h"
#include "platform/Messages.h"
#include "platform/Timer.h"
#include "platform/XInput.h"

namespace app {

Session::Session(Game* game) : theGame(game)
{
    platform::useVirtualClock(true);
    platform::scriptControllers(true);
    platform::setSystemMessages(false);
    currentGame() = theGame;
}

Session::~Session()
{
    delete theGame;
    currentGame() = nullptr;
    // Messages the game posted after its last frame belong to nobody now.
    MSG leftover;
    while (PeekMessage(&leftover)) {
    }
    platform::releaseWindow(theWindow);
    platform::scriptControllers(false);
    platform::setSystemMessages(true);
    platform::useVirtualClock(false);
}

void Session::start()
{
    if (!createMainWindow(theWindow)) throw GameError(gameErrorNS::FATAL_ERROR, "The window could not be created.");
    theGame->initialize(theWindow);
}

void Session::deliverMessages()
{
    bool quit = false;
    while (pumpOneMessage(quit, code)) {
        if (quit) quitSeen = true;
    }
}

bool Session::frame()
{
    if (quitSeen) return false;
    platform::advanceVirtualClock(frameTime);
    deliverMessages();
    if (quitSeen) return false;
    theGame->run(theWindow);
    ++frameCount;
    for (int i = 0; i < pendingReleases; ++i) keyUp(pendingRelease[i]);
    pendingReleases = 0;
    return true;
}

bool Session::frames(int count)
{
    for (int i = 0; i < count; ++i) {
        if (!frame()) return false;
    }
    return true;
}

void Session::post(UINT message, WPARAM wParam, LPARAM lParam) { PostMessage(theWindow, message, wParam, lParam); }

void Session::keyDown(UINT key) { post(key == VK_MENU ? WM_SYSKEYDOWN : WM_KEYDOWN, key, 0); }

void Session::keyUp(UINT key) { post(key == VK_MENU ? WM_SYSKEYUP : WM_KEYUP, key, static_cast<LPARAM>(0xC0000000u)); }

WPARAM Session::characterOf(UINT key)
{
    if (key >= 'A' && key <= 'Z') return key - 'A' + 'a';
    if (key >= '0' && key <= '9') return key;
    if (key == VK_RETURN) return 13;
    if (key == VK_BACK) return 8;
    if (key == VK_SPACE) return 32;
    return 0;
}

void Session::press(UINT key)
{
    keyDown(key);
    if (const WPARAM c = characterOf(key)) post(WM_CHAR, c, 0);
    if (pendingReleases < 16) pendingRelease[pendingReleases++] = key;
}

void Session::typeText(const std::string& text)
{
    for (unsigned char c : text) post(WM_CHAR, c, 0);
}

void Session::pad(WORD buttons, BYTE leftTrigger, BYTE rightTrigger)
{
    XINPUT_GAMEPAD state{};
    state.wButtons = buttons;
    state.bLeftTrigger = leftTrigger;
    state.bRightTrigger = rightTrigger;
    platform::setScriptedPad(0, &state);
    if (!padConnected) post(WM_DEVICECHANGE, 0x0007, 0);
    padConnected = true;
}

void Session::padNone()
{
    platform::setScriptedPad(0, nullptr);
    if (padConnected) post(WM_DEVICECHANGE, 0x0007, 0);
    padConnected = false;
}

} // namespace app
