#pragma once
// Set-up steps every screen and level repeats: each loads or initialises one thing
// and throws the step's own GameError message when that fails.

#include "actors/Entity.h"
#include "engine/Image.h"
#include "engine/TextDX.h"
#include "engine/TextureManager.h"

void loadTexture(TextureManager& textures, Graphics* graphics, const char* file, const char* failure);
// Width, height and columns of 0 take the whole texture as one frame.
void initImage(Image& image, Graphics* graphics, int width, int height, int columns, TextureManager& textures,
               const char* failure);
void initEntity(Entity& entity, Game* game, int width, int height, int columns, TextureManager& textures,
                const char* failure);
void initFont(TextDX& font, Graphics* graphics, int height, const char* face, const char* failure);
