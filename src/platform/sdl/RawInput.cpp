#include "../RawInput.h"

#include "SdlSystem.h"

bool RegisterRawInputDevices(const RAWINPUTDEVICE* devices, UINT count)
{
    if (!devices) return false;
    for (UINT i = 0; i < count; ++i) {
        if (devices[i].usUsagePage == HID_USAGE_PAGE_GENERIC && devices[i].usUsage == HID_USAGE_GENERIC_MOUSE) {
            platform::sdl::setRawMouse(true);
        }
    }
    return true;
}

// A WM_INPUT message carries its one movement in its lParam: x in the low half, y in the high.
LPARAM platform::makeRawMouseInput(LONG dx, LONG dy)
{
    const auto low = static_cast<std::uint64_t>(static_cast<std::uint32_t>(dx));
    const auto high = static_cast<std::uint64_t>(static_cast<std::uint32_t>(dy));
    return static_cast<LPARAM>(low | (high << 32));
}

bool GetRawInputData(LPARAM rawInput, RAWINPUT* data)
{
    if (!data) return false;
    const auto bits = static_cast<std::uint64_t>(rawInput);
    data->type = RIM_TYPEMOUSE;
    data->mouse.lLastX = static_cast<LONG>(static_cast<std::uint32_t>(bits & 0xFFFFFFFFu));
    data->mouse.lLastY = static_cast<LONG>(static_cast<std::uint32_t>(bits >> 32));
    return true;
}

void SetCapture(HWND)
{
    if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_CaptureMouse(SDL_TRUE);
}

void ReleaseCapture()
{
    if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_CaptureMouse(SDL_FALSE);
}
