#include "../XInput.h"

#include <array>
#include <cstring>

#include "SdlSystem.h"

namespace {

struct Slot {
    SDL_GameController* controller = nullptr;
    SDL_JoystickID instance = -1;
    XINPUT_GAMEPAD last{};
    DWORD packet = 0;
};

std::array<Slot, XUSER_MAX_COUNT> slots;

bool scripting = false;
std::array<bool, XUSER_MAX_COUNT> scriptedConnected{};
std::array<XINPUT_GAMEPAD, XUSER_MAX_COUNT> scriptedPads{};
std::array<XINPUT_VIBRATION, XUSER_MAX_COUNT> scriptedVibrations{};
std::array<DWORD, XUSER_MAX_COUNT> scriptedPackets{};

void closeSlot(Slot& slot)
{
    if (slot.controller) SDL_GameControllerClose(slot.controller);
    slot = Slot{};
}

bool isOpen(SDL_JoystickID instance)
{
    for (const Slot& slot : slots) {
        if (slot.controller && slot.instance == instance) return true;
    }
    return false;
}

// Keeps the four user slots in step with the controllers SDL knows: a pad that went
// away frees its slot, a new one takes the lowest free slot, as XInput numbers them.
void syncSlots()
{
    if (!platform::sdl::ensureControllers()) return;
    SDL_GameControllerUpdate();
    for (Slot& slot : slots) {
        if (slot.controller && !SDL_GameControllerGetAttached(slot.controller)) closeSlot(slot);
    }
    const int count = SDL_NumJoysticks();
    for (int device = 0; device < count; ++device) {
        if (!SDL_IsGameController(device)) continue;
        const SDL_JoystickID instance = SDL_JoystickGetDeviceInstanceID(device);
        if (instance < 0 || isOpen(instance)) continue;
        for (Slot& slot : slots) {
            if (slot.controller) continue;
            slot.controller = SDL_GameControllerOpen(device);
            if (slot.controller) slot.instance = instance;
            break;
        }
    }
}

BYTE triggerValue(Sint16 axis)
{
    if (axis <= 0) return 0;
    return static_cast<BYTE>((static_cast<int>(axis) * 255 + 16383) / 32767);
}

// SDL's stick Y grows downwards; XInput's grows upwards.
SHORT upwards(Sint16 axis)
{
    const int flipped = -static_cast<int>(axis);
    return static_cast<SHORT>(flipped > 32767 ? 32767 : flipped);
}

XINPUT_GAMEPAD readPad(SDL_GameController* c)
{
    static constexpr struct {
        SDL_GameControllerButton button;
        WORD bit;
    } buttonMap[] = {
        {SDL_CONTROLLER_BUTTON_DPAD_UP, XINPUT_GAMEPAD_DPAD_UP},
        {SDL_CONTROLLER_BUTTON_DPAD_DOWN, XINPUT_GAMEPAD_DPAD_DOWN},
        {SDL_CONTROLLER_BUTTON_DPAD_LEFT, XINPUT_GAMEPAD_DPAD_LEFT},
        {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, XINPUT_GAMEPAD_DPAD_RIGHT},
        {SDL_CONTROLLER_BUTTON_START, XINPUT_GAMEPAD_START},
        {SDL_CONTROLLER_BUTTON_BACK, XINPUT_GAMEPAD_BACK},
        {SDL_CONTROLLER_BUTTON_LEFTSTICK, XINPUT_GAMEPAD_LEFT_THUMB},
        {SDL_CONTROLLER_BUTTON_RIGHTSTICK, XINPUT_GAMEPAD_RIGHT_THUMB},
        {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, XINPUT_GAMEPAD_LEFT_SHOULDER},
        {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, XINPUT_GAMEPAD_RIGHT_SHOULDER},
        {SDL_CONTROLLER_BUTTON_A, XINPUT_GAMEPAD_A},
        {SDL_CONTROLLER_BUTTON_B, XINPUT_GAMEPAD_B},
        {SDL_CONTROLLER_BUTTON_X, XINPUT_GAMEPAD_X},
        {SDL_CONTROLLER_BUTTON_Y, XINPUT_GAMEPAD_Y},
    };
    XINPUT_GAMEPAD pad{};
    for (const auto& entry : buttonMap) {
        if (SDL_GameControllerGetButton(c, entry.button)) pad.wButtons |= entry.bit;
    }
    pad.bLeftTrigger = triggerValue(SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_TRIGGERLEFT));
    pad.bRightTrigger = triggerValue(SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_TRIGGERRIGHT));
    pad.sThumbLX = SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_LEFTX);
    pad.sThumbLY = upwards(SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_LEFTY));
    pad.sThumbRX = SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_RIGHTX);
    pad.sThumbRY = upwards(SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_RIGHTY));
    return pad;
}

} // namespace

namespace platform::sdl {

bool ensureControllers()
{
    if (SDL_WasInit(SDL_INIT_GAMECONTROLLER)) return true;
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    return SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
}

void closeControllers()
{
    for (Slot& slot : slots) closeSlot(slot);
}

void onControllerDeviceEvent(const SDL_Event&)
{
    if (!scripting) syncSlots();
}

} // namespace platform::sdl

DWORD XInputGetState(DWORD userIndex, XINPUT_STATE* state)
{
    if (userIndex >= XUSER_MAX_COUNT || !state) return ERROR_DEVICE_NOT_CONNECTED;
    std::memset(state, 0, sizeof *state);
    if (scripting) {
        if (!scriptedConnected[userIndex]) return ERROR_DEVICE_NOT_CONNECTED;
        state->dwPacketNumber = scriptedPackets[userIndex];
        state->Gamepad = scriptedPads[userIndex];
        return ERROR_SUCCESS;
    }
    syncSlots();
    Slot& slot = slots[userIndex];
    if (!slot.controller) return ERROR_DEVICE_NOT_CONNECTED;
    const XINPUT_GAMEPAD pad = readPad(slot.controller);
    if (std::memcmp(&pad, &slot.last, sizeof pad) != 0) {
        slot.last = pad;
        ++slot.packet;
    }
    state->dwPacketNumber = slot.packet;
    state->Gamepad = pad;
    return ERROR_SUCCESS;
}

DWORD XInputSetState(DWORD userIndex, XINPUT_VIBRATION* vibration)
{
    if (userIndex >= XUSER_MAX_COUNT || !vibration) return ERROR_DEVICE_NOT_CONNECTED;
    if (scripting) {
        if (!scriptedConnected[userIndex]) return ERROR_DEVICE_NOT_CONNECTED;
        scriptedVibrations[userIndex] = *vibration;
        return ERROR_SUCCESS;
    }
    Slot& slot = slots[userIndex];
    if (!slot.controller) return ERROR_DEVICE_NOT_CONNECTED;
    // XInput motors run until told otherwise; SDL's rumble needs a duration. The game
    // sends its state every frame, so a short duration that each call renews is enough
    // and stops by itself if the game ever stops sending.
    const bool running = vibration->wLeftMotorSpeed || vibration->wRightMotorSpeed;
    SDL_GameControllerRumble(slot.controller, vibration->wLeftMotorSpeed, vibration->wRightMotorSpeed, running ? 250 : 0);
    return ERROR_SUCCESS;
}

namespace platform {

void scriptControllers(bool enabled)
{
    scripting = enabled;
    if (enabled) {
        for (Slot& slot : slots) closeSlot(slot);
    }
}

void setScriptedPad(DWORD userIndex, const XINPUT_GAMEPAD* state)
{
    if (userIndex >= XUSER_MAX_COUNT) return;
    scriptedConnected[userIndex] = state != nullptr;
    if (state) {
        if (std::memcmp(state, &scriptedPads[userIndex], sizeof *state) != 0) ++scriptedPackets[userIndex];
        scriptedPads[userIndex] = *state;
    } else {
        scriptedPads[userIndex] = XINPUT_GAMEPAD{};
        scriptedVibrations[userIndex] = XINPUT_VIBRATION{};
    }
}

XINPUT_VIBRATION scriptedVibration(DWORD userIndex)
{
    return userIndex < XUSER_MAX_COUNT ? scriptedVibrations[userIndex] : XINPUT_VIBRATION{};
}

} // namespace platform
