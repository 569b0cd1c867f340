#pragma once
// What the SDL backend's parts share among themselves. Nothing outside
// src/platform/sdl includes this.

#include <SDL.h>

#include "../Window.h"

struct WindowImpl {
    SDL_Window* sdlWindow = nullptr;
    WNDPROC procedure = nullptr;
    bool destroyed = false;
    bool fullscreen = false;
};

namespace platform::sdl {

// Starts SDL's video and event subsystems once; false if they cannot start.
bool ensureVideo();
// Starts SDL's controller subsystem once; false if it cannot start.
bool ensureControllers();

// The SDL window behind a handle, or null.
SDL_Window* sdlWindow(HWND window);
HWND mainWindow();

// Raw mouse messages are produced only after a mouse has been registered.
void setRawMouse(bool enabled);

// Called by the message pump for SDL events that concern another part.
void onControllerDeviceEvent(const SDL_Event& event);
void onRenderReset();
using RenderResetHandler = void (*)();
void setRenderResetHandler(RenderResetHandler handler);

// Closes every controller the slots hold.
void closeControllers();

// Destroys the SDL windows that were only hidden by destroyWindow, and quits SDL.
void shutDown();

} // namespace platform::sdl
