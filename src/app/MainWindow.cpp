#include "MainWindow.h"

#include "platform/MessageBox.h"
#include "platform/Messages.h"

namespace app {

namespace {
HWND mainWindow = nullptr;
}

Game*& currentGame()
{
    static Game* game = nullptr;
    return game;
}

LRESULT WinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Game* game = currentGame();
    if (!game) return DefWindowProc(window, message, wParam, lParam);
    return game->messageHandler(window, message, wParam, lParam);
}

bool createMainWindow(HWND& window)
{
    window = platform::createWindow(gameNS::GAME_TITLE, gameNS::GAME_WIDTH, gameNS::GAME_HEIGHT, WinProc);
    if (!window) return false;
    int width = 0, height = 0;
    platform::getClientSize(window, width, height);
    if (width != gameNS::GAME_WIDTH || height != gameNS::GAME_HEIGHT) {
        platform::setClientSize(window, gameNS::GAME_WIDTH + (gameNS::GAME_WIDTH - width),
                                gameNS::GAME_HEIGHT + (gameNS::GAME_HEIGHT - height));
    }
    platform::showWindow(window);
    mainWindow = window;
    return true;
}

bool pumpOneMessage(bool& quit, int& exitCode)
{
    MSG message;
    if (!PeekMessage(&message)) return false;
    if (message.message == WM_QUIT) {
        quit = true;
        exitCode = static_cast<int>(message.wParam);
    }
    TranslateMessage(&message);
    DispatchMessage(&message);
    return true;
}

int runGame(Game* game)
{
    currentGame() = game;
    HWND window = nullptr;
    if (!createMainWindow(window)) return EXIT_NO_WINDOW;
    int exitCode = 0;
    try {
        game->initialize(window);
        bool quit = false;
        while (!quit) {
            if (!pumpOneMessage(quit, exitCode)) game->run(window);
        }
        delete game;
        currentGame() = nullptr;
        return exitCode;
    } catch (const GameError& error) {
        game->deleteAll();
        platform::destroyWindow(window);
        MessageBox(nullptr, error.getMessage().c_str(), "Error", MB_OK);
        exitCode = EXIT_GAME_ERROR;
    } catch (...) {
        game->deleteAll();
        platform::destroyWindow(window);
        MessageBox(nullptr, "Unknown error occured in game.", "Error", MB_OK);
        exitCode = EXIT_UNKNOWN_ERROR;
    }
    // A failure is never reported as success to whoever started the game.
    delete currentGame();
    currentGame() = nullptr;
    return exitCode;
}

} // namespace app
