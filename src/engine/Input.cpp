#include "Input.h"

#include <cstring>

#include "platform/Messages.h"

Input::Input()
    : charIn(0), newLine(true), mouseX(0), mouseY(0), mouseRawX(0), mouseRawY(0), mouseWheel(0), rawInputDevice{},
      mouseCaptured(false), mouseLButton(false), mouseMButton(false), mouseRButton(false), mouseX1Button(false),
      mouseX2Button(false)
{
    clearKeysDown();
    clearKeysPressed();
    std::memset(controllers, 0, sizeof controllers);
}

Input::~Input()
{
    if (mouseCaptured) ReleaseCapture();
}

void Input::initialize(HWND window, bool capture)
{
    mouseCaptured = capture;
    rawInputDevice[0].usUsagePage = HID_USAGE_PAGE_GENERIC;
    rawInputDevice[0].usUsage = HID_USAGE_GENERIC_MOUSE;
    rawInputDevice[0].dwFlags = RIDEV_INPUTSINK;
    rawInputDevice[0].hwndTarget = window;
    RegisterRawInputDevices(rawInputDevice, 1);
    if (mouseCaptured) SetCapture(window);
    std::memset(controllers, 0, sizeof controllers);
    checkControllers();
}

void Input::keyDown(WPARAM key)
{
    if (key < inputNS::KEYS_ARRAY_LEN) {
        keysDown[key] = true;
        keysPressed[key] = true;
    }
}

void Input::keyUp(WPARAM key)
{
    if (key < inputNS::KEYS_ARRAY_LEN) keysDown[key] = false;
}

void Input::keyIn(WPARAM character)
{
    if (newLine) {
        textIn.clear();
        newLine = false;
    }
    if (character == '\b') {
        if (!textIn.empty()) textIn.erase(textIn.size() - 1);
    } else {
        textIn += static_cast<char>(character);
        charIn = static_cast<char>(character);
    }
    if (textIn.size() > inputNS::TEXT_IN_LENGTH) textIn.resize(inputNS::TEXT_IN_LENGTH);
    if (character == '\r') newLine = true;
}

bool Input::isKeyDown(UINT key) const { return key < inputNS::KEYS_ARRAY_LEN && keysDown[key]; }

bool Input::wasKeyPressed(UINT key) const { return key < inputNS::KEYS_ARRAY_LEN && keysPressed[key]; }

bool Input::anyKeyPressed() const
{
    for (bool pressed : keysPressed) {
        if (pressed) return true;
    }
    return false;
}

void Input::clearKeyPress(UINT key)
{
    if (key < inputNS::KEYS_ARRAY_LEN) keysPressed[key] = false;
}

void Input::clearKeysDown()
{
    for (bool& down : keysDown) down = false;
}

void Input::clearKeysPressed()
{
    for (bool& pressed : keysPressed) pressed = false;
}

void Input::clearMouse()
{
    mouseX = mouseY = 0;
    mouseRawX = mouseRawY = 0;
    mouseWheel = 0;
}

void Input::mouseIn(LPARAM position)
{
    mouseX = GET_X_LPARAM(position);
    mouseY = GET_Y_LPARAM(position);
}

void Input::mouseRawIn(LPARAM rawInput)
{
    RAWINPUT raw{};
    if (!GetRawInputData(rawInput, &raw)) return;
    if (raw.type == RIM_TYPEMOUSE) {
        mouseRawX = raw.mouse.lLastX;
        mouseRawY = raw.mouse.lLastY;
    }
}

void Input::mouseWheelIn(WPARAM wParam) { mouseWheel = static_cast<SHORT>(HIWORD(wParam)); }

void Input::setMouseXButton(WPARAM wParam)
{
    mouseX1Button = (wParam & MK_XBUTTON1) != 0;
    mouseX2Button = (wParam & MK_XBUTTON2) != 0;
}

void Input::checkControllers()
{
    for (DWORD i = 0; i < inputNS::MAX_CONTROLLERS; ++i) {
        controllers[i].connected = XInputGetState(i, &controllers[i].state) == ERROR_SUCCESS;
    }
}

void Input::readControllers()
{
    for (DWORD i = 0; i < inputNS::MAX_CONTROLLERS; ++i) {
        if (!controllers[i].connected) continue;
        if (XInputGetState(i, &controllers[i].state) == ERROR_DEVICE_NOT_CONNECTED) controllers[i].connected = false;
    }
}

void Input::vibrateControllers(float frameTime)
{
    for (DWORD i = 0; i < inputNS::MAX_CONTROLLERS; ++i) {
        ControllerState& c = controllers[i];
        if (!c.connected) continue;
        c.vibrateTimeLeft -= frameTime;
        if (c.vibrateTimeLeft < 0) {
            c.vibrateTimeLeft = 0;
            c.vibration.wLeftMotorSpeed = 0;
        }
        c.vibrateTimeRight -= frameTime;
        if (c.vibrateTimeRight < 0) {
            c.vibrateTimeRight = 0;
            c.vibration.wRightMotorSpeed = 0;
        }
        XInputSetState(i, &c.vibration);
    }
}

void Input::gamepadVibrateLeft(UINT n, WORD speed, float seconds)
{
    if (n >= inputNS::MAX_CONTROLLERS) return;
    controllers[n].vibration.wLeftMotorSpeed = speed;
    controllers[n].vibrateTimeLeft = seconds;
}

void Input::gamepadVibrateRight(UINT n, WORD speed, float seconds)
{
    if (n >= inputNS::MAX_CONTROLLERS) return;
    controllers[n].vibration.wRightMotorSpeed = speed;
    controllers[n].vibrateTimeRight = seconds;
}

const ControllerState* Input::getControllerState(UINT n) const
{
    return n < inputNS::MAX_CONTROLLERS ? &controllers[n] : nullptr;
}

bool Input::getGamepadConnected(UINT n) const { return n < inputNS::MAX_CONTROLLERS && controllers[n].connected; }

const XINPUT_GAMEPAD& Input::pad(UINT n) const
{
    static const XINPUT_GAMEPAD none{};
    return n < inputNS::MAX_CONTROLLERS ? controllers[n].state.Gamepad : none;
}
