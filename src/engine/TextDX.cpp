#include "TextDX.h"

TextDX::TextDX() : graphics(nullptr), color(graphicsNS::WHITE), fontRect{0, 0, 1024, 768}, matrix{}, angle(0) {}

TextDX::~TextDX() = default;

bool TextDX::initialize(Graphics* g, int height, bool bold, bool italic, const std::string& fontName)
{
    graphics = g;
    if (!graphics) return false;
    const UINT weight = bold ? FW_BOLD : FW_NORMAL;
    if (FAILED(D3DXCreateFontA(graphics->getDevice(), height, 0, weight, 1, italic, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                               DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, fontName.c_str(), dxFont))) {
        return false;
    }
    D3DXMatrixIdentity(&matrix);
    return true;
}

int TextDX::print(const std::string& str, int x, int y)
{
    if (!dxFont || !graphics) return 0;
    fontRect.left = x;
    fontRect.top = y;
    const D3DXVECTOR2 rotationCenter(static_cast<float>(x), static_cast<float>(y));
    D3DXMatrixTransformation2D(&matrix, nullptr, 0.0f, nullptr, &rotationCenter, angle, nullptr);
    if (LP_SPRITE sprite = graphics->getSprite()) sprite->SetTransform(&matrix);
    return dxFont->DrawTextA(graphics->getSprite(), str.c_str(), -1, &fontRect, DT_LEFT, color);
}

int TextDX::printInRect(const std::string& str, RECT& rect, UINT format)
{
    if (!dxFont || !graphics) return 0;
    D3DXMatrixIdentity(&matrix);
    if (LP_SPRITE sprite = graphics->getSprite()) sprite->SetTransform(&matrix);
    return dxFont->DrawTextA(graphics->getSprite(), str.c_str(), -1, &rect, format, color);
}

void TextDX::onLostDevice()
{
    if (dxFont) dxFont->OnLostDevice();
}

void TextDX::onResetDevice()
{
    if (dxFont) dxFont->OnResetDevice();
}
