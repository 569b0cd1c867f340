#pragma once
// A tall page over a background, both cut from one sheet: the base of the
// instructions, scrolled by the player, and the credits, which rise by themselves.

#include "Screen.h"
#include "engine/Image.h"
#include "engine/TextureManager.h"

class PageScreen : public Screen {
public:
    struct Sheet {
        const char* file;
        int frameWidth, frameHeight;
        const char* textureFailure;
        const char* backgroundFailure;
        const char* pageFailure;
    };

    PageScreen(Graphics* graphics, Input* input, Audio* audio, Grocerush* game, const char* stateName, const Sheet& sheet);
    void initialize() override;
    void render() override;
    void releaseAll() override { texture.onLostDevice(); }
    void resetAll() override { texture.onResetDevice(); }

    float getPageY() { return textImage.getY(); }

protected:
    void updateImages(float frameTime);

    Sheet sheet;
    TextureManager texture;
    Image background;
    Image textImage;
};
