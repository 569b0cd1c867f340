#pragma once
// The program's one window, the window procedure that hands every message to the
// game, and the message pump that runs a frame whenever no message is waiting.

#include "engine/Game.h"

namespace app {

constexpr int EXIT_NO_WINDOW = 1;
constexpr int EXIT_GAME_ERROR = 3;
constexpr int EXIT_UNKNOWN_ERROR = 4;

// The game the window procedure forwards to; null before and after its life.
Game*& currentGame();
LRESULT WinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Makes the window ("Grocerush", client area exactly 1024 x 768) and shows it.
bool createMainWindow(HWND& window);
// Takes one waiting message and dispatches it; false if none was waiting. Sets `quit`
// (and the exit code) when it was the quit message.
bool pumpOneMessage(bool& quit, int& exitCode);
// Everything the program does: creates the window, initialises the game, pumps
// messages and frames until the quit message, and reports any error in a box.
// Takes ownership of the game. Returns the process exit code.
int runGame(Game* game);

} // namespace app
