#include "Game.h"

#include <cstdio>

#include "platform/Cursor.h"
#include "platform/Messages.h"
#include "platform/Timer.h"

Game::Game()
    : graphics(nullptr), input(new Input()), audio(nullptr), console(nullptr), messageDialogue(nullptr),
      inputDialogue(nullptr), window(nullptr), result(E_FAIL), timeStart(0), timeEnd(0), timerFrequency(0), frameTime(0),
      fps(100.0f), fpsOn(false), sleepTime(0), paused(false), initialized(false)
{
}

Game::~Game()
{
    deleteAll();
    ShowCursor(true);
}

LRESULT Game::messageHandler(HWND w, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!initialized) return DefWindowProc(w, message, wParam, lParam);
    switch (message) {
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        input->keyDown(wParam);
        return 0;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        input->keyUp(wParam);
        return 0;
    case WM_CHAR:
        input->keyIn(wParam);
        // The shared text input holds only three characters (the initials); the
        // console keeps a full line of its own while it is open.
        if (console && console->getVisible()) console->keyIn(wParam);
        return 0;
    case WM_MOUSEMOVE:
        input->mouseIn(lParam);
        return 0;
    case WM_INPUT:
        input->mouseRawIn(lParam);
        return 0;
    case WM_LBUTTONDOWN:
        input->setMouseLButton(true);
        input->mouseIn(lParam);
        return 0;
    case WM_LBUTTONUP:
        input->setMouseLButton(false);
        input->mouseIn(lParam);
        return 0;
    case WM_MBUTTONDOWN:
        input->setMouseMButton(true);
        input->mouseIn(lParam);
        return 0;
    case WM_MBUTTONUP:
        input->setMouseMButton(false);
        input->mouseIn(lParam);
        return 0;
    case WM_RBUTTONDOWN:
        input->setMouseRButton(true);
        input->mouseIn(lParam);
        return 0;
    case WM_RBUTTONUP:
        input->setMouseRButton(false);
        input->mouseIn(lParam);
        return 0;
    case WM_XBUTTONDOWN:
    case WM_XBUTTONUP:
        input->setMouseXButton(wParam);
        input->mouseIn(lParam);
        return 0;
    case WM_MOUSEWHEEL:
        input->mouseWheelIn(wParam);
        return 0;
    case WM_DEVICECHANGE:
        input->checkControllers();
        return 0;
    default:
        return DefWindowProc(w, message, wParam, lParam);
    }
}

void Game::initialize(HWND w)
{
    window = w;

    graphics = new Graphics();
    graphics->initialize(window, gameNS::GAME_WIDTH, gameNS::GAME_HEIGHT, gameNS::FULLSCREEN);

    input->initialize(window, false);

    console = new Console();
    console->initialize(graphics, input);
    console->print("---Console--- (Please don't use this for cheating)");

    messageDialogue = new MessageDialogue();
    messageDialogue->initialize(graphics, input, window);
    inputDialogue = new InputDialogue();
    inputDialogue->initialize(graphics, input, window);

    if (!dxFont.initialize(graphics, gameNS::POINT_SIZE, false, false, gameNS::FONT)) {
        throw GameError(gameErrorNS::FATAL_ERROR, "Failed to initialize DirectX font.");
    }
    dxFont.setFontColor(gameNS::FONT_COLOR);

    audio = new Audio();
    result = audio->initialize();
    if (FAILED(result)) {
        if (result == HRESULT_FILE_NOT_FOUND) {
            throw GameError(gameErrorNS::FATAL_ERROR, "Failed to initialise sound system because media file not found.");
        }
        throw GameError(gameErrorNS::FATAL_ERROR, "Failed to initialise sound system.");
    }

    if (!QueryPerformanceFrequency(&timerFrequency)) {
        throw GameError(gameErrorNS::FATAL_ERROR, "Error initialisaing high resolution timer");
    }
    QueryPerformanceCounter(&timeStart);
    initialized = true;
}

void Game::run(HWND)
{
    if (!graphics) return;

    QueryPerformanceCounter(&timeEnd);
    frameTime = static_cast<float>(static_cast<double>(timeEnd - timeStart) / static_cast<double>(timerFrequency));

    if (frameTime < gameNS::MIN_FRAME_TIME) {
        // Too soon for another frame: sleep the rest of it instead of spinning.
        sleepTime = static_cast<DWORD>((gameNS::MIN_FRAME_TIME - frameTime) * 1000);
        Sleep(sleepTime);
        return;
    }
    if (frameTime > 0.0f) fps = (fps * 0.99f) + (0.01f / frameTime);
    if (frameTime > gameNS::MAX_FRAME_TIME) frameTime = gameNS::MAX_FRAME_TIME;
    timeStart = timeEnd;

    if (!paused) {
        update();
        ai();
        collisions();
        input->vibrateControllers(frameTime);
    }
    renderGame();

    if (input->wasKeyPressed(gameNS::CONSOLE_KEY)) {
        console->showHide();
        paused = console->getVisible();
    }
    consoleCommand();
    input->readControllers();
    messageDialogue->update();
    inputDialogue->update();
    audio->run();

    if (input->wasKeyPressed(VK_HOME)) {
        paused = !paused;
        if (paused) {
            messageDialogue->setBorderColor(graphicsNS::LTGRAY);
            messageDialogue->setBackColor(D3DCOLOR_ARGB(255, 50, 50, 50));
            messageDialogue->print("Paused");
        } else {
            messageDialogue->setVisible(false);
        }
    }

    if (input->isKeyDown(VK_MENU) && input->wasKeyPressed(VK_RETURN)) setDisplayMode(graphicsNS::TOGGLE);
    if (input->isKeyDown(VK_ESCAPE)) setDisplayMode(graphicsNS::WINDOW);

    input->clearKeysPressed();
}

void Game::setDisplayMode(graphicsNS::DISPLAY_MODE mode)
{
    if (!graphics) return;
    const bool full = graphics->getFullscreen();
    if ((mode == graphicsNS::WINDOW && !full) || (mode == graphicsNS::FULLSCREEN && full)) return;
    releaseAll();
    graphics->changeDisplayMode(mode);
    resetAll();
}

void Game::renderGame()
{
    if (SUCCEEDED(graphics->beginScene())) {
        render();
        graphics->spriteBegin();
        if (fpsOn) {
            char buffer[20];
            std::snprintf(buffer, sizeof buffer, "fps %d ", static_cast<int>(fps));
            dxFont.print(buffer, gameNS::GAME_WIDTH - 100, gameNS::GAME_HEIGHT - 28);
        }
        graphics->spriteEnd();
        console->draw();
        messageDialogue->draw();
        inputDialogue->draw();
        graphics->endScene();
    }
    handleLostGraphicsDevice();
    graphics->showBackbuffer();
}

void Game::handleLostGraphicsDevice()
{
    result = graphics->getDeviceState();
    if (SUCCEEDED(result)) return;
    if (result == D3DERR_DEVICELOST) {
        Sleep(100);
        return;
    }
    if (result == D3DERR_DEVICENOTRESET) {
        releaseAll();
        result = graphics->reset();
        if (SUCCEEDED(result)) resetAll();
    }
}

void Game::releaseAll()
{
    if (inputDialogue) inputDialogue->onLostDevice();
    if (messageDialogue) messageDialogue->onLostDevice();
    if (console) console->onLostDevice();
    dxFont.onLostDevice();
}

void Game::resetAll()
{
    dxFont.onResetDevice();
    if (console) console->onResetDevice();
    if (messageDialogue) messageDialogue->onResetDevice();
    if (inputDialogue) inputDialogue->onResetDevice();
}

void Game::deleteAll()
{
    releaseAll();
    delete audio;
    audio = nullptr;
    delete graphics;
    graphics = nullptr;
    delete input;
    input = nullptr;
    delete console;
    console = nullptr;
    delete messageDialogue;
    messageDialogue = nullptr;
    delete inputDialogue;
    inputDialogue = nullptr;
    initialized = false;
}
