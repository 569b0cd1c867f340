#include "SdlSystem.h"

#include <cstdlib>
#include <cstring>
#include <deque>
#include <vector>

#include "../Messages.h"
#include "../RawInput.h"

namespace {

std::deque<MSG> messageQueue;
std::vector<WindowImpl*> windows;
HWND theMainWindow = nullptr;
bool systemMessages = true;
bool rawMouse = false;
WPARAM mouseButtons = 0;
platform::sdl::RenderResetHandler renderResetHandler = nullptr;

void post(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    messageQueue.push_back(MSG{window, message, wParam, lParam});
}

UINT virtualKey(const SDL_Keysym& key)
{
    // The key left of 1 is found by its position, whatever the layout prints on it.
    if (key.scancode == SDL_SCANCODE_GRAVE) return VK_OEM_3;
    const SDL_Keycode code = key.sym;
    if (code >= SDLK_a && code <= SDLK_z) return static_cast<UINT>('A' + (code - SDLK_a));
    if (code >= SDLK_0 && code <= SDLK_9) return static_cast<UINT>('0' + (code - SDLK_0));
    if (code >= SDLK_F1 && code <= SDLK_F12) return VK_F1 + static_cast<UINT>(code - SDLK_F1);
    if (code >= SDLK_KP_1 && code <= SDLK_KP_9) return VK_NUMPAD0 + 1 + static_cast<UINT>(code - SDLK_KP_1);
    switch (code) {
    case SDLK_RETURN: case SDLK_KP_ENTER: return VK_RETURN;
    case SDLK_ESCAPE: return VK_ESCAPE;
    case SDLK_BACKSPACE: return VK_BACK;
    case SDLK_TAB: return VK_TAB;
    case SDLK_SPACE: return VK_SPACE;
    case SDLK_LEFT: return VK_LEFT;
    case SDLK_RIGHT: return VK_RIGHT;
    case SDLK_UP: return VK_UP;
    case SDLK_DOWN: return VK_DOWN;
    case SDLK_HOME: return VK_HOME;
    case SDLK_END: return VK_END;
    case SDLK_PAGEUP: return VK_PRIOR;
    case SDLK_PAGEDOWN: return VK_NEXT;
    case SDLK_INSERT: return VK_INSERT;
    case SDLK_DELETE: return VK_DELETE;
    case SDLK_PAUSE: return VK_PAUSE;
    case SDLK_CAPSLOCK: return VK_CAPITAL;
    case SDLK_LSHIFT: case SDLK_RSHIFT: return VK_SHIFT;
    case SDLK_LCTRL: case SDLK_RCTRL: return VK_CONTROL;
    case SDLK_LALT: case SDLK_RALT: return VK_MENU;
    case SDLK_KP_0: return VK_NUMPAD0;
    case SDLK_KP_MULTIPLY: return VK_MULTIPLY;
    case SDLK_KP_PLUS: return VK_ADD;
    case SDLK_KP_MINUS: return VK_SUBTRACT;
    case SDLK_KP_PERIOD: return VK_DECIMAL;
    case SDLK_KP_DIVIDE: return VK_DIVIDE;
    case SDLK_SEMICOLON: return VK_OEM_1;
    case SDLK_EQUALS: return VK_OEM_PLUS;
    case SDLK_COMMA: return VK_OEM_COMMA;
    case SDLK_MINUS: return VK_OEM_MINUS;
    case SDLK_PERIOD: return VK_OEM_PERIOD;
    case SDLK_SLASH: return VK_OEM_2;
    case SDLK_LEFTBRACKET: return VK_OEM_4;
    case SDLK_BACKSLASH: return VK_OEM_5;
    case SDLK_RIGHTBRACKET: return VK_OEM_6;
    case SDLK_QUOTE: return VK_OEM_7;
    default: return 0;
    }
}

void translateKey(const SDL_KeyboardEvent& key)
{
    const UINT vk = virtualKey(key.keysym);
    if (vk == 0) return;
    const bool alt = (key.keysym.mod & KMOD_ALT) != 0 || vk == VK_MENU;
    if (key.type == SDL_KEYDOWN) {
        post(theMainWindow, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, key.repeat ? 0x40000000 : 0);
        // Enter and Backspace type a character too; the text events never carry them.
        const bool ctrl = (key.keysym.mod & KMOD_CTRL) != 0;
        if (!alt && !ctrl && (vk == VK_RETURN || vk == VK_BACK)) post(theMainWindow, WM_CHAR, vk == VK_RETURN ? 13 : 8, 0);
    } else {
        post(theMainWindow, alt ? WM_SYSKEYUP : WM_KEYUP, vk, static_cast<LPARAM>(0xC0000000u));
    }
}

void translateText(const char* utf8)
{
    // Each character becomes one WM_CHAR; only the single-byte range reaches the game.
    const auto* p = reinterpret_cast<const unsigned char*>(utf8);
    while (*p) {
        unsigned codePoint = *p;
        int extra = 0;
        if (codePoint >= 0xF0) { codePoint &= 0x07; extra = 3; }
        else if (codePoint >= 0xE0) { codePoint &= 0x0F; extra = 2; }
        else if (codePoint >= 0xC0) { codePoint &= 0x1F; extra = 1; }
        ++p;
        for (; extra > 0 && (*p & 0xC0) == 0x80; --extra, ++p) codePoint = (codePoint << 6) | (*p & 0x3F);
        if (extra == 0 && codePoint < 256) post(theMainWindow, WM_CHAR, codePoint, 0);
    }
}

WPARAM buttonBit(Uint8 button)
{
    switch (button) {
    case SDL_BUTTON_LEFT: return MK_LBUTTON;
    case SDL_BUTTON_RIGHT: return MK_RBUTTON;
    case SDL_BUTTON_MIDDLE: return MK_MBUTTON;
    case SDL_BUTTON_X1: return MK_XBUTTON1;
    case SDL_BUTTON_X2: return MK_XBUTTON2;
    default: return 0;
    }
}

void translateButton(const SDL_MouseButtonEvent& button)
{
    const WPARAM bit = buttonBit(button.button);
    if (bit == 0) return;
    const bool down = button.type == SDL_MOUSEBUTTONDOWN;
    mouseButtons = down ? (mouseButtons | bit) : (mouseButtons & ~bit);
    UINT message = 0;
    switch (button.button) {
    case SDL_BUTTON_LEFT: message = down ? WM_LBUTTONDOWN : WM_LBUTTONUP; break;
    case SDL_BUTTON_RIGHT: message = down ? WM_RBUTTONDOWN : WM_RBUTTONUP; break;
    case SDL_BUTTON_MIDDLE: message = down ? WM_MBUTTONDOWN : WM_MBUTTONUP; break;
    default: message = down ? WM_XBUTTONDOWN : WM_XBUTTONUP; break;
    }
    post(theMainWindow, message, mouseButtons, MAKELPARAM(button.x, button.y));
}

void translate(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_QUIT:
        post(theMainWindow, WM_CLOSE, 0, 0);
        break;
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_CLOSE) post(theMainWindow, WM_CLOSE, 0, 0);
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        translateKey(event.key);
        break;
    case SDL_TEXTINPUT:
        translateText(event.text.text);
        break;
    case SDL_MOUSEMOTION:
        if (rawMouse) post(theMainWindow, WM_INPUT, 0, platform::makeRawMouseInput(event.motion.xrel, event.motion.yrel));
        post(theMainWindow, WM_MOUSEMOVE, mouseButtons, MAKELPARAM(event.motion.x, event.motion.y));
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        translateButton(event.button);
        break;
    case SDL_MOUSEWHEEL: {
        int steps = event.wheel.y;
        if (event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) steps = -steps;
        const auto delta = static_cast<WORD>(static_cast<SHORT>(steps * WHEEL_DELTA));
        post(theMainWindow, WM_MOUSEWHEEL, (static_cast<WPARAM>(delta) << 16) | mouseButtons, 0);
        break;
    }
    case SDL_CONTROLLERDEVICEADDED:
    case SDL_CONTROLLERDEVICEREMOVED:
        platform::sdl::onControllerDeviceEvent(event);
        post(theMainWindow, WM_DEVICECHANGE, 0x0007, 0);
        break;
    case SDL_RENDER_TARGETS_RESET:
    case SDL_RENDER_DEVICE_RESET:
        platform::sdl::onRenderReset();
        break;
    default:
        break;
    }
}

bool isLive(HWND window)
{
    for (WindowImpl* w : windows) {
        if (w == window) return !w->destroyed;
    }
    return false;
}

} // namespace

namespace platform::sdl {

bool ensureVideo()
{
    if (SDL_WasInit(SDL_INIT_VIDEO)) return true;
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    return SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) == 0;
}

SDL_Window* sdlWindow(HWND window) { return window ? window->sdlWindow : nullptr; }
HWND mainWindow() { return theMainWindow; }
void setRawMouse(bool enabled) { rawMouse = enabled; }
void setRenderResetHandler(RenderResetHandler handler) { renderResetHandler = handler; }
void onRenderReset()
{
    if (renderResetHandler) renderResetHandler();
}

void shutDown()
{
    closeControllers();
    for (WindowImpl* w : windows) {
        if (w->sdlWindow) SDL_DestroyWindow(w->sdlWindow);
        delete w;
    }
    windows.clear();
    theMainWindow = nullptr;
    messageQueue.clear();
    SDL_Quit();
}

} // namespace platform::sdl

namespace platform {

HWND createWindow(const char* title, int clientWidth, int clientHeight, WNDPROC procedure)
{
    // The window manager groups and names windows by class; give ours the game's name.
    setenv("SDL_VIDEO_X11_WMCLASS", title, 0);
    SDL_SetHint(SDL_HINT_APP_NAME, title);
    if (!sdl::ensureVideo()) return nullptr;
    SDL_Window* w = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, clientWidth, clientHeight,
                                     SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE);
    if (!w) return nullptr;
    auto* impl = new WindowImpl{w, procedure, false, false};
    windows.push_back(impl);
    if (!theMainWindow) theMainWindow = impl;
    return impl;
}

void showWindow(HWND window)
{
    if (isLive(window)) SDL_ShowWindow(window->sdlWindow);
}

void destroyWindow(HWND window)
{
    if (!isLive(window)) return;
    window->destroyed = true;
    if (window->procedure) window->procedure(window, WM_DESTROY, 0, 0);
    // The SDL window itself stays until shut-down: a renderer made for it may still
    // be alive until the game object that owns it is deleted.
    SDL_HideWindow(window->sdlWindow);
}

void releaseWindow(HWND window)
{
    for (auto it = windows.begin(); it != windows.end(); ++it) {
        if (*it != window) continue;
        if (!window->destroyed) destroyWindow(window);
        SDL_DestroyWindow(window->sdlWindow);
        if (theMainWindow == window) theMainWindow = nullptr;
        delete window;
        windows.erase(it);
        return;
    }
}

void shutDown() { sdl::shutDown(); }

bool getClientSize(HWND window, int& width, int& height)
{
    if (!isLive(window)) return false;
    SDL_GetWindowSize(window->sdlWindow, &width, &height);
    return true;
}

void setClientSize(HWND window, int width, int height)
{
    if (!isLive(window)) return;
    if (window->fullscreen) setFullscreen(window, false);
    SDL_SetWindowSize(window->sdlWindow, width, height);
}

void setFullscreen(HWND window, bool fullscreen)
{
    if (!isLive(window)) return;
    window->fullscreen = fullscreen;
    SDL_SetWindowFullscreen(window->sdlWindow, fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
}

bool isFullscreen(HWND window) { return isLive(window) && window->fullscreen; }

void setSystemMessages(bool enabled) { systemMessages = enabled; }

} // namespace platform

bool PeekMessage(MSG* message)
{
    if (messageQueue.empty() && systemMessages && SDL_WasInit(SDL_INIT_EVENTS)) {
        SDL_Event event;
        while (messageQueue.empty() && SDL_PollEvent(&event)) translate(event);
    }
    if (messageQueue.empty()) return false;
    *message = messageQueue.front();
    messageQueue.pop_front();
    return true;
}

LRESULT DispatchMessage(const MSG* message)
{
    if (message->message == WM_QUIT || !isLive(message->hwnd) || !message->hwnd->procedure) return 0;
    return message->hwnd->procedure(message->hwnd, message->message, message->wParam, message->lParam);
}

void PostQuitMessage(int exitCode)
{
    post(nullptr, WM_QUIT, static_cast<WPARAM>(exitCode), 0);
}

bool PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    post(window, message, wParam, lParam);
    return true;
}

LRESULT DefWindowProc(HWND window, UINT message, WPARAM, LPARAM)
{
    if (message == WM_CLOSE) platform::destroyWindow(window);
    return 0;
}
