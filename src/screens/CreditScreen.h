#pragma once
// The credits, which rise by themselves and then go back to the menu.

#include "PageScreen.h"

class CreditScreen : public PageScreen {
public:
    CreditScreen(Graphics* graphics, Input* input, Audio* audio, Grocerush* game);
    void leave() override;
    void update(float frameTime) override;

    float getTimer() const { return timer; }

private:
    float scroll = 0;
    float timer = 0;
};
