#pragma once
// Up to four game controllers with the XInput 1.3 meaning: user indices 0 to 3,
// XInput's button bits, triggers 0-255, thumb sticks signed 16-bit with up positive,
// and two rumble motors.

#include "WinTypes.h"

constexpr DWORD XUSER_MAX_COUNT = 4;

constexpr WORD XINPUT_GAMEPAD_DPAD_UP = 0x0001;
constexpr WORD XINPUT_GAMEPAD_DPAD_DOWN = 0x0002;
constexpr WORD XINPUT_GAMEPAD_DPAD_LEFT = 0x0004;
constexpr WORD XINPUT_GAMEPAD_DPAD_RIGHT = 0x0008;
constexpr WORD XINPUT_GAMEPAD_START = 0x0010;
constexpr WORD XINPUT_GAMEPAD_BACK = 0x0020;
constexpr WORD XINPUT_GAMEPAD_LEFT_THUMB = 0x0040;
constexpr WORD XINPUT_GAMEPAD_RIGHT_THUMB = 0x0080;
constexpr WORD XINPUT_GAMEPAD_LEFT_SHOULDER = 0x0100;
constexpr WORD XINPUT_GAMEPAD_RIGHT_SHOULDER = 0x0200;
constexpr WORD XINPUT_GAMEPAD_A = 0x1000;
constexpr WORD XINPUT_GAMEPAD_B = 0x2000;
constexpr WORD XINPUT_GAMEPAD_X = 0x4000;
constexpr WORD XINPUT_GAMEPAD_Y = 0x8000;

struct XINPUT_GAMEPAD {
    WORD wButtons;
    BYTE bLeftTrigger;
    BYTE bRightTrigger;
    SHORT sThumbLX;
    SHORT sThumbLY;
    SHORT sThumbRX;
    SHORT sThumbRY;
};

struct XINPUT_STATE {
    DWORD dwPacketNumber;
    XINPUT_GAMEPAD Gamepad;
};

struct XINPUT_VIBRATION {
    WORD wLeftMotorSpeed;
    WORD wRightMotorSpeed;
};

// ERROR_SUCCESS for a connected controller, ERROR_DEVICE_NOT_CONNECTED otherwise.
DWORD XInputGetState(DWORD userIndex, XINPUT_STATE* state);
DWORD XInputSetState(DWORD userIndex, XINPUT_VIBRATION* vibration);

namespace platform {

// Scripted controllers replace the real ones (the replay runner): while scripting is
// on, only pads set here exist. A null state disconnects the pad.
void scriptControllers(bool enabled);
void setScriptedPad(DWORD userIndex, const XINPUT_GAMEPAD* state);
// The last vibration sent to a scripted pad.
XINPUT_VIBRATION scriptedVibration(DWORD userIndex);

} // namespace platform
