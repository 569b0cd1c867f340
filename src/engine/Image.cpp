#include "Image.h"

Image::Image()
    : graphics(nullptr), textureManager(nullptr), spriteData{2, 2, 0.0f, 0.0f, 1.0f, 0.0f, RECT{0, 0, 2, 2}, nullptr, false, false},
      colorFilter(graphicsNS::WHITE), columns(1), startFrame(0), endFrame(0), currentFrame(0), frameDelay(1.0f),
      animTimer(0.0f), hr(S_OK), loop(true), visible(true), initialized(false), animComplete(false)
{
}

Image::~Image() = default;

bool Image::initialize(Graphics* g, int width, int height, int ncols, TextureManager* manager)
{
    graphics = g;
    textureManager = manager;
    spriteData.texture = textureManager ? textureManager->getTexture() : nullptr;
    if (width == 0) width = textureManager ? static_cast<int>(textureManager->getWidth()) : 0;
    spriteData.width = width;
    if (height == 0) height = textureManager ? static_cast<int>(textureManager->getHeight()) : 0;
    spriteData.height = height;
    columns = ncols == 0 ? 1 : ncols;
    setRectFromFrame();
    initialized = true;
    return true;
}

void Image::setCurrentFrame(int frame)
{
    if (frame < 0) return;
    currentFrame = frame;
    animComplete = false;
    setRectFromFrame();
}

void Image::setRectFromFrame()
{
    spriteData.rect.left = (currentFrame % columns) * spriteData.width;
    spriteData.rect.right = spriteData.rect.left + spriteData.width;
    spriteData.rect.top = (currentFrame / columns) * spriteData.height;
    spriteData.rect.bottom = spriteData.rect.top + spriteData.height;
}

void Image::drawColoredTexture(COLOR_ARGB color, UINT textureN)
{
    if (!visible || !graphics) return;
    spriteData.texture = textureManager ? textureManager->getTexture(textureN) : nullptr;
    if (color == graphicsNS::FILTER) color = colorFilter;
    graphics->drawSprite(spriteData, color);
}

void Image::drawWithSpriteData(SpriteData sd, COLOR_ARGB color, UINT textureN)
{
    if (!visible || !graphics) return;
    sd.rect = spriteData.rect;
    sd.texture = textureManager ? textureManager->getTexture(textureN) : nullptr;
    if (color == graphicsNS::FILTER) color = colorFilter;
    graphics->drawSprite(sd, color);
}

void Image::update(float frameTime)
{
    if (endFrame - startFrame <= 0) return;
    animTimer += frameTime;
    if (animTimer > frameDelay) {
        animTimer -= frameDelay;
        ++currentFrame;
        if (currentFrame < startFrame || currentFrame > endFrame) {
            if (loop) {
                currentFrame = startFrame;
            } else {
                currentFrame = endFrame;
                animComplete = true;
            }
        }
        setRectFromFrame();
    }
}
