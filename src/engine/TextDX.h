#pragma once
// Text in a chosen face, height and colour, printed at a point (optionally turned
// about it) or into a rectangle, through the shared sprite batch.

#include <memory>
#include <string>

#include "Graphics.h"

class TextDX {
public:
    TextDX();
    virtual ~TextDX();
    virtual bool initialize(Graphics* graphics, int height, bool bold, bool italic, const std::string& fontName);
    virtual int printInRect(const std::string& str, RECT& rect, UINT format);
    virtual int print(const std::string& str, int x, int y);
    virtual float getDegrees() { return static_cast<float>(angle * 57.29577791868205); }
    virtual float getRadians() { return angle; }
    virtual COLOR_ARGB getFontColor() { return color; }
    virtual void setDegrees(float degrees) { angle = static_cast<float>(degrees * 0.017453293005625408); }
    virtual void setRadians(float radians) { angle = radians; }
    virtual void setFontColor(COLOR_ARGB c) { color = c; }
    virtual void onLostDevice();
    virtual void onResetDevice();

    LP_DXFONT getFont() { return dxFont.get(); }

private:
    Graphics* graphics;
    COLOR_ARGB color;
    std::unique_ptr<ID3DXFont> dxFont;
    RECT fontRect;
    D3DXMATRIX matrix;
    float angle;
};
