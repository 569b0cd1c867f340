#pragma once
// Keyboard, mouse and controller state as the game sees it each frame. The window's
// message handler feeds it as messages arrive; the frame polls the controllers,
// counts down vibration and clears the per-frame key presses.

#include <string>

#include "platform/RawInput.h"
#include "platform/Window.h"
#include "platform/XInput.h"

namespace inputNS {
constexpr int KEYS_ARRAY_LEN = 256;
constexpr int MAX_CONTROLLERS = 4;
constexpr unsigned TEXT_IN_LENGTH = 3;
} // namespace inputNS

struct ControllerState {
    XINPUT_STATE state;
    XINPUT_VIBRATION vibration;
    float vibrateTimeLeft;
    float vibrateTimeRight;
    bool connected;
};

class Input {
public:
    Input();
    virtual ~Input();

    void initialize(HWND window, bool capture);

    // Message feeding.
    void keyDown(WPARAM key);
    void keyUp(WPARAM key);
    void keyIn(WPARAM character);
    void mouseIn(LPARAM position);
    void mouseRawIn(LPARAM rawInput);
    void mouseWheelIn(WPARAM wParam);
    void setMouseLButton(bool held) { mouseLButton = held; }
    void setMouseMButton(bool held) { mouseMButton = held; }
    void setMouseRButton(bool held) { mouseRButton = held; }
    void setMouseXButton(WPARAM wParam);
    void checkControllers();

    // Per frame.
    void readControllers();
    void vibrateControllers(float frameTime);

    // Queries.
    bool isKeyDown(UINT key) const;
    bool wasKeyPressed(UINT key) const;
    bool anyKeyPressed() const;
    std::string getTextIn() const { return textIn; }
    char getCharIn() const { return charIn; }
    int getMouseX() const { return mouseX; }
    int getMouseY() const { return mouseY; }
    int getMouseRawX() const { return mouseRawX; }
    int getMouseRawY() const { return mouseRawY; }
    int getMouseWheel() const { return mouseWheel; }
    bool getMouseLButton() const { return mouseLButton; }
    bool getMouseMButton() const { return mouseMButton; }
    bool getMouseRButton() const { return mouseRButton; }
    bool getMouseX1Button() const { return mouseX1Button; }
    bool getMouseX2Button() const { return mouseX2Button; }

    const ControllerState* getControllerState(UINT n) const;
    bool getGamepadConnected(UINT n) const;
    WORD getGamepadButtons(UINT n) const { return pad(n).wButtons; }
    BYTE getGamepadLeftTrigger(UINT n) const { return pad(n).bLeftTrigger; }
    BYTE getGamepadRightTrigger(UINT n) const { return pad(n).bRightTrigger; }
    SHORT getGamepadThumbLX(UINT n) const { return pad(n).sThumbLX; }
    SHORT getGamepadThumbLY(UINT n) const { return pad(n).sThumbLY; }
    SHORT getGamepadThumbRX(UINT n) const { return pad(n).sThumbRX; }
    SHORT getGamepadThumbRY(UINT n) const { return pad(n).sThumbRY; }

    // Changes.
    void clearKeyPress(UINT key);
    void clearKeysDown();
    void clearKeysPressed();
    void clearMouse();
    void clearTextIn() { textIn.clear(); }
    void gamepadVibrateLeft(UINT n, WORD speed, float seconds);
    void gamepadVibrateRight(UINT n, WORD speed, float seconds);

private:
    // Controller n's last state; all zero for an index past the four.
    const XINPUT_GAMEPAD& pad(UINT n) const;

    bool keysDown[inputNS::KEYS_ARRAY_LEN];
    bool keysPressed[inputNS::KEYS_ARRAY_LEN];
    std::string textIn;
    char charIn;
    bool newLine;
    int mouseX, mouseY;
    int mouseRawX, mouseRawY;
    int mouseWheel;
    RAWINPUTDEVICE rawInputDevice[1];
    bool mouseCaptured;
    bool mouseLButton;
    bool mouseMButton;
    bool mouseRButton;
    bool mouseX1Button;
    bool mouseX2Button;
    ControllerState controllers[inputNS::MAX_CONTROLLERS];
};
