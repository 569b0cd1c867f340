#pragma once
// The high-score table after a run, and the way on: to the credits after a completed
// game, back to the title menu after a game over.

#include "Screen.h"
#include "engine/Image.h"
#include "engine/TextureManager.h"

class HighScoreScreen : public Screen {
public:
    HighScoreScreen(Graphics* graphics, Input* input, Audio* audio, Grocerush* game);
    void initialize() override;
    void update(float frameTime) override;
    void render() override;
    void releaseAll() override { pictureTexture.onLostDevice(); }
    void resetAll() override { pictureTexture.onResetDevice(); }

private:
    float timer = 0;
    TextureManager pictureTexture;
    Image picture;
};
