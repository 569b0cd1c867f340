#pragma once
// The main window and its message queue. Messages are taken one at a time without
// blocking and handed to the window procedure, exactly as the game's pump expects.

#include "WinTypes.h"

struct WindowImpl;
using HWND = WindowImpl*;
using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

struct MSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

namespace platform {

// Creates the window with the given client size (hidden until showWindow). Returns
// null when no window can be made (no display, or the video system cannot start).
HWND createWindow(const char* title, int clientWidth, int clientHeight, WNDPROC procedure);
void showWindow(HWND window);
void destroyWindow(HWND window);
// Frees a destroyed window for good, once nothing draws into it any more.
void releaseWindow(HWND window);
// Ends the window system: every window, controller and subsystem goes.
void shutDown();
bool getClientSize(HWND window, int& width, int& height);
// Makes the client area the given size again (leaving full screen if needed).
void setClientSize(HWND window, int width, int height);
// Full screen covers the desktop at its own resolution; windowed restores the frame.
void setFullscreen(HWND window, bool fullscreen);
bool isFullscreen(HWND window);
// Messages from the window system are normally produced by the OS; tests and the
// replay runner can switch that off so that only posted messages arrive.
void setSystemMessages(bool enabled);

} // namespace platform

// Takes the next message if one is waiting (never blocks). Returns false when the queue is empty.
bool PeekMessage(MSG* message);
// Key messages already carry their characters, so translation has nothing left to do.
inline void TranslateMessage(const MSG*) {}
LRESULT DispatchMessage(const MSG* message);
void PostQuitMessage(int exitCode);
bool PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
