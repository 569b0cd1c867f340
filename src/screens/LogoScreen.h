#pragma once
// The studio's logo rising between two puddles, after the group's logo. It moves on
// by itself, or on Enter or START once it has been up for a second.

#include "Screen.h"
#include "engine/Image.h"
#include "engine/TextureManager.h"

class LogoScreen : public Screen {
public:
    LogoScreen(Graphics* graphics, Input* input, Audio* audio, Grocerush* game);
    void initialize() override;
    void update(float frameTime) override;
    void render() override;
    void releaseAll() override { logoTexture.onLostDevice(); }
    void resetAll() override { logoTexture.onResetDevice(); }

    float getRise() const { return rise; }

private:
    TextureManager logoTexture;
    Image bottomPuddle;
    Image topPuddle;
    Image studioLogo;
    float timer = 0;
    float rise = 0;
};
