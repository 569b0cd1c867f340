#pragma once
// "GAMEOVER": the end of a run whose clock ran out.

#include "LevelEndScreen.h"

class GameOverScreen : public LevelEndScreen {
public:
    GameOverScreen(Graphics* graphics, Input* input, Audio* audio, Player* player, Grocerush* game);
    void enter() override;
};
