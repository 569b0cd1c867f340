#pragma once
// What ends a run, level complete or game over: a picture and a box that shows the
// initials being typed; Enter or START submits the trolley's score under them and
// goes on to the high-score table.

#include <memory>

#include "Screen.h"
#include "actors/Player.h"
#include "engine/Image.h"
#include "engine/TextureManager.h"

class LevelEndScreen : public Screen {
public:
    struct Pictures {
        const char* file;
        const char* textureFailure;
        const char* pictureFailure;
    };

    LevelEndScreen(Graphics* graphics, Input* input, Audio* audio, Player* player, Grocerush* game, const char* stateName,
                   const Pictures& pictures);
    void initialize() override;
    void update(float frameTime) override;
    void render() override;
    void releaseAll() override;
    void resetAll() override;

protected:
    Player* player;
    Pictures pictures;
    TextureManager pictureTexture;
    Image picture;
    TextureManager scoreBoxTexture;
    Image scoreBox;
    // Drawn on its own, after the sprite batch, so the initials sit above everything.
    std::unique_ptr<ID3DXFont> nameFont;
    RECT nameRect{450, 640, 0, 0};
};
