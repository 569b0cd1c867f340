#pragma once
// What every screen holds: the shared services and the game it belongs to.

#include "engine/Audio.h"
#include "engine/Graphics.h"
#include "engine/Input.h"
#include "game/GameState.h"
#include "game/Grocerush.h"
#include "platform/Messages.h"

class Screen : public GameState {
public:
    Screen(Graphics* g, Input* in, Audio* a, Grocerush* gm, const char* stateName) : graphics(g), input(in), audio(a), game(gm)
    {
        name = stateName;
    }

protected:
    // Enter, or the first controller's START held.
    bool enterOrStart() { return input->wasKeyPressed(VK_RETURN) || (input->getGamepadButtons(0) & XINPUT_GAMEPAD_START); }

    Graphics* graphics;
    Input* input;
    Audio* audio;
    Grocerush* game;
};
