#include <SDL.h>
#include <gtest/gtest.h>

#include "engine/Input.h"
#include "platform/Messages.h"
#include "platform/Window.h"

namespace {

// A controller that exists only in SDL, with a rumble motor the test can read.
class VirtualPad {
public:
    VirtualPad()
    {
        SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);
        attach();
    }
    ~VirtualPad()
    {
        detach();
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    }

    void attach()
    {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = 6;
        desc.nbuttons = 21;
        desc.userdata = this;
        desc.Rumble = [](void* self, Uint16 low, Uint16 high) {
            static_cast<VirtualPad*>(self)->low = low;
            static_cast<VirtualPad*>(self)->high = high;
            return 0;
        };
        index = SDL_JoystickAttachVirtualEx(&desc);
        ASSERT_GE(index, 0) << SDL_GetError();
        joystick = SDL_JoystickOpen(index);
        ASSERT_NE(joystick, nullptr);
        // Triggers rest at the bottom of their range.
        SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_TRIGGERLEFT, -32768);
        SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, -32768);
    }

    void detach()
    {
        if (joystick) SDL_JoystickClose(joystick);
        joystick = nullptr;
        if (index >= 0) SDL_JoystickDetachVirtual(index);
        index = -1;
        SDL_JoystickUpdate();
    }

    void button(SDL_GameControllerButton b, bool down) { SDL_JoystickSetVirtualButton(joystick, b, down ? 1 : 0); }
    void axis(SDL_GameControllerAxis a, Sint16 value) { SDL_JoystickSetVirtualAxis(joystick, a, value); }

    int index = -1;
    SDL_Joystick* joystick = nullptr;
    Uint16 low = 0, high = 0;
};

bool deviceChangeArrives()
{
    bool seen = false;
    MSG message;
    for (int i = 0; i < 50 && !seen; ++i) {
        while (PeekMessage(&message)) seen |= message.message == WM_DEVICECHANGE;
        if (!seen) SDL_Delay(2);
    }
    return seen;
}

TEST(Controllers, ReadBackWithXInputMeanings)
{
    VirtualPad pad;
    Input input;
    input.checkControllers();
    ASSERT_TRUE(input.getGamepadConnected(0));
    EXPECT_FALSE(input.getGamepadConnected(1));

    pad.button(SDL_CONTROLLER_BUTTON_A, true);
    pad.button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
    pad.button(SDL_CONTROLLER_BUTTON_START, true);
    pad.axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767);
    pad.axis(SDL_CONTROLLER_AXIS_LEFTY, 10000); // pushed down
    pad.axis(SDL_CONTROLLER_AXIS_LEFTX, -32768);
    input.readControllers();
    EXPECT_EQ(input.getGamepadButtons(0), XINPUT_GAMEPAD_A | XINPUT_GAMEPAD_DPAD_LEFT | XINPUT_GAMEPAD_START);
    EXPECT_EQ(input.getGamepadRightTrigger(0), 255);
    EXPECT_EQ(input.getGamepadLeftTrigger(0), 0);
    EXPECT_EQ(input.getGamepadThumbLY(0), -10000) << "up is positive";
    EXPECT_EQ(input.getGamepadThumbLX(0), -32768);
}

TEST(Controllers, UnpluggedIsNoticedByReadingAndPluggedAgainOnlyAfterDeviceChange)
{
    VirtualPad pad;
    Input input;
    input.checkControllers();
    ASSERT_TRUE(input.getGamepadConnected(0));
    while (deviceChangeArrives()) {
    }

    pad.detach();
    input.readControllers();
    EXPECT_FALSE(input.getGamepadConnected(0));

    pad.attach();
    input.readControllers();
    EXPECT_FALSE(input.getGamepadConnected(0)) << "a lost controller is polled again only on a device change";
    EXPECT_TRUE(deviceChangeArrives());
    input.checkControllers(); // what the game does on WM_DEVICECHANGE
    EXPECT_TRUE(input.getGamepadConnected(0));
}

TEST(Controllers, VibrationStopsAfterTheFrameThatPassesItsTime)
{
    VirtualPad pad;
    Input input;
    input.checkControllers();
    ASSERT_TRUE(input.getGamepadConnected(0));
    input.gamepadVibrateLeft(0, 65280, 0.5f);
    input.gamepadVibrateRight(0, 1000, 0.25f);
    for (int frame = 1; frame <= 4; ++frame) {
        input.vibrateControllers(0.125f);
        EXPECT_EQ(pad.low, 65280) << "frame " << frame;
        EXPECT_EQ(pad.high, frame <= 2 ? 1000 : 0) << "frame " << frame;
    }
    input.vibrateControllers(0.125f); // 0.625 s: past the half second
    EXPECT_EQ(pad.low, 0);
    EXPECT_EQ(input.getControllerState(0)->vibrateTimeLeft, 0.0f);
}

} // namespace
