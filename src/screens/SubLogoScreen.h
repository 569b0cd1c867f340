#pragma once
// The group's animated logo, the first thing the game shows. It moves on by itself,
// or on Enter or START once it has been up for a second.

#include "Screen.h"
#include "engine/Image.h"
#include "engine/TextureManager.h"

class SubLogoScreen : public Screen {
public:
    // Loads its pictures at once and starts active: it is the first thing shown.
    SubLogoScreen(Graphics* graphics, Input* input, Audio* audio, Grocerush* game);
    void initialize() override;
    void update(float frameTime) override;
    void render() override;
    void releaseAll() override { logoTexture.onLostDevice(); }
    void resetAll() override { logoTexture.onResetDevice(); }

private:
    TextureManager logoTexture;
    Image logo;
    float timer = 0;
};
