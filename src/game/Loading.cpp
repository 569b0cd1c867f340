#include "Loading.h"

#include "engine/GameError.h"

void loadTexture(TextureManager& textures, Graphics* graphics, const char* file, const char* failure)
{
    if (!textures.initialize(graphics, file)) throw GameError(gameErrorNS::FATAL_ERROR, failure);
}

void initImage(Image& image, Graphics* graphics, int width, int height, int columns, TextureManager& textures,
               const char* failure)
{
    if (!image.initialize(graphics, width, height, columns, &textures)) throw GameError(gameErrorNS::FATAL_ERROR, failure);
}

void initEntity(Entity& entity, Game* game, int width, int height, int columns, TextureManager& textures,
                const char* failure)
{
    if (!entity.initialize(game, width, height, columns, &textures)) throw GameError(gameErrorNS::FATAL_ERROR, failure);
}

void initFont(TextDX& font, Graphics* graphics, int height, const char* face, const char* failure)
{
    if (!font.initialize(graphics, height, false, false, face)) throw GameError(gameErrorNS::FATAL_ERROR, failure);
}
