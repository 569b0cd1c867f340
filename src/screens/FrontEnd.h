#pragma once
// The title menu: an animated title picture, then Start, Instructions and Quit,
// worked with the arrow keys and Enter or the first controller's D-pad and A.

#include "Screen.h"
#include "engine/Image.h"
#include "engine/TextureManager.h"

class FrontEnd : public Screen {
public:
    FrontEnd(Graphics* graphics, Input* input, Audio* audio, Grocerush* game);
    void initialize() override;
    void enter() override;
    void leave() override;
    void update(float frameTime) override;
    void render() override;
    void releaseAll() override;
    void resetAll() override;

    int getSelection() const { return selection; }
    int getIntroPhase() const { return introPhase; }
    float getTimer() const { return timer; }

private:
    float timer = 0;
    int selection = 0; // 0 Start, 1 Instructions, 2 Quit
    int introPhase = 0;
    bool padReleased = true;
    TextureManager backgroundTexture;
    TextureManager titleTexture;
    TextureManager titleUiTexture;
    Image background;
    Image slideIn;
    Image dropIn;
    Image startButton;
    Image instructionsButton;
    Image quitButton;
};
