#pragma once
// A drawable sprite over a borrowed texture: position, scale, rotation, flips, and a
// frame animation over a sheet of equal frames laid out in rows of `columns`.

#include "Graphics.h"
#include "TextureManager.h"

namespace imageNS {
// 180 and pi over the single-precision value of pi, as the game has always converted angles.
constexpr double RADIANS_TO_DEGREES = 57.29577791868205;
constexpr double DEGREES_TO_RADIANS = 0.017453293005625408;
} // namespace imageNS

class Image {
public:
    Image();
    virtual ~Image();

    virtual const SpriteData& getSpriteData() { return spriteData; }
    virtual bool getVisible() { return visible; }
    virtual float getX() { return spriteData.x; }
    virtual float getY() { return spriteData.y; }
    virtual float getScale() { return spriteData.scale; }
    virtual int getWidth() { return spriteData.width; }
    virtual int getHeight() { return spriteData.height; }
    virtual float getCenterX() { return spriteData.x + static_cast<float>(spriteData.width / 2) * getScale(); }
    virtual float getCenterY() { return spriteData.y + static_cast<float>(spriteData.height / 2) * getScale(); }
    virtual float getDegrees() { return static_cast<float>(spriteData.angle * imageNS::RADIANS_TO_DEGREES); }
    virtual float getRadians() { return spriteData.angle; }
    virtual float getFrameDelay() { return frameDelay; }
    virtual int getStartFrame() { return startFrame; }
    virtual int getEndFrame() { return endFrame; }
    virtual int getCurrentFrame() { return currentFrame; }
    virtual RECT getSourceRect() { return spriteData.rect; }
    virtual bool getAnimationComplete() { return animComplete; }
    virtual COLOR_ARGB getColorFilter() { return colorFilter; }

    virtual void setX(float x) { spriteData.x = x; }
    virtual void setY(float y) { spriteData.y = y; }
    virtual void setScale(float s) { spriteData.scale = s; }
    virtual void setDegrees(float degrees) { spriteData.angle = static_cast<float>(degrees * imageNS::DEGREES_TO_RADIANS); }
    virtual void setRadians(float radians) { spriteData.angle = radians; }
    virtual void setVisible(bool v) { visible = v; }
    virtual void setFrameDelay(float d) { frameDelay = d; }
    virtual void setFrames(int start, int end)
    {
        startFrame = start;
        endFrame = end;
    }
    virtual void setCurrentFrame(int frame);
    virtual void setRectFromFrame();
    virtual void setSourceRect(LONG left, LONG top, LONG right, LONG bottom) { spriteData.rect = RECT{left, top, right, bottom}; }
    virtual void setLoop(bool l) { loop = l; }
    virtual void setAnimationComplete(bool a) { animComplete = a; }
    virtual void setColorFilter(COLOR_ARGB color) { colorFilter = color; }
    virtual void setTextureManager(TextureManager* manager) { textureManager = manager; }

    // Width, height and columns of 0 take the whole texture as one frame.
    virtual bool initialize(Graphics* graphics, int width, int height, int columns, TextureManager* manager);
    virtual void setFlipHorizontal(bool flip) { spriteData.flipHorizontal = flip; }
    virtual void setFlipVertical(bool flip) { spriteData.flipVertical = flip; }

    // Draws with another image's position, scale, angle and flips but this image's frame.
    virtual void drawWithSpriteData(SpriteData sd, COLOR_ARGB color = graphicsNS::WHITE, UINT textureN = 0);
    virtual void drawTexture(UINT textureN) { drawColoredTexture(graphicsNS::WHITE, textureN); }
    virtual void draw(COLOR_ARGB color = graphicsNS::WHITE) { drawColoredTexture(color, 0); }
    virtual void drawColoredTexture(COLOR_ARGB color, UINT textureN);
    virtual void update(float frameTime);

protected:
    Graphics* graphics;
    TextureManager* textureManager;
    SpriteData spriteData;
    COLOR_ARGB colorFilter;
    int columns;
    int startFrame;
    int endFrame;
    int currentFrame;
    float frameDelay;
    float animTimer;
    HRESULT hr;
    bool loop;
    bool visible;
    bool initialized;
    bool animComplete;
};
