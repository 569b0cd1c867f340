#pragma once
// The instructions page, scrolled by the player.

#include "PageScreen.h"

class InstructionsScreen : public PageScreen {
public:
    InstructionsScreen(Graphics* graphics, Input* input, Audio* audio, Grocerush* game);
    void enter() override;
    void update(float frameTime) override;
};
