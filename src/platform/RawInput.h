#pragma once
// Relative mouse movement, delivered as WM_INPUT messages once a mouse is registered.

#include "Window.h"

constexpr DWORD RIDEV_INPUTSINK = 0x00000100;
constexpr DWORD RIM_TYPEMOUSE = 0;
constexpr DWORD RIM_TYPEKEYBOARD = 1;
constexpr WORD HID_USAGE_PAGE_GENERIC = 0x01;
constexpr WORD HID_USAGE_GENERIC_MOUSE = 0x02;

struct RAWINPUTDEVICE {
    WORD usUsagePage;
    WORD usUsage;
    DWORD dwFlags;
    HWND hwndTarget;
};

struct RAWMOUSE {
    LONG lLastX;
    LONG lLastY;
};

struct RAWINPUT {
    DWORD type;
    RAWMOUSE mouse;
};

bool RegisterRawInputDevices(const RAWINPUTDEVICE* devices, UINT count);
// Reads the record a WM_INPUT message refers to; false if it refers to nothing.
bool GetRawInputData(LPARAM rawInput, RAWINPUT* data);
void SetCapture(HWND window);
void ReleaseCapture();

namespace platform {
// Builds the lParam of a WM_INPUT message carrying one mouse movement.
LPARAM makeRawMouseInput(LONG dx, LONG dy);
}
