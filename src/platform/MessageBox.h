#pragma once
// A modal box with a caption and a text. The text always goes to standard error too
// ("Caption: text"), so a failure on a machine without a display is still seen.

#include "Window.h"

constexpr UINT MB_OK = 0x00000000;

int MessageBox(HWND owner, const char* text, const char* caption, UINT type);
