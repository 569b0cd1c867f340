#pragma once
// "COMPLETE": the end of a run that paid at the checkout of the last level.

#include "LevelEndScreen.h"

class CompleteScreen : public LevelEndScreen {
public:
    CompleteScreen(Graphics* graphics, Input* input, Audio* audio, Player* player, Grocerush* game);
    void enter() override;
};
