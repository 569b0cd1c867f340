#include "../MessageBox.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "SdlSystem.h"

namespace {

// A box can only be shown, and dismissed, where a real display is in use; the
// headless drivers have nobody to click it away.
bool displayAvailable()
{
    const char* driver = std::getenv("SDL_VIDEODRIVER");
    if (driver && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0)) return false;
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

} // namespace

int MessageBox(HWND owner, const char* text, const char* caption, UINT)
{
    std::fprintf(stderr, "%s: %s\n", caption ? caption : "", text ? text : "");
    std::fflush(stderr);
    if (displayAvailable()) {
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption ? caption : "", text ? text : "",
                                 platform::sdl::sdlWindow(owner));
    }
    return 1; // IDOK
}
