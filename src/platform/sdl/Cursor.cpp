#include "../Cursor.h"

#include "SdlSystem.h"

namespace {
int showCounter = 0;
}

int ShowCursor(bool show)
{
    showCounter += show ? 1 : -1;
    if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_ShowCursor(showCounter >= 0 ? SDL_ENABLE : SDL_DISABLE);
    return showCounter;
}
