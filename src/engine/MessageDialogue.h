#pragma once
// A small framed box in the middle of the screen showing one short text above the
// game: the pause indicator. InputDialogue adds a line of typed text.

#include <memory>
#include <string>

#include "Graphics.h"
#include "Input.h"
#include "TextDX.h"

namespace messageDialogueNS {
constexpr UINT WIDTH = 100;
constexpr UINT HEIGHT = 40;
constexpr UINT BORDER = 5;
constexpr UINT MARGIN = 5;
constexpr const char* FONT = "Arial";
constexpr int FONT_HEIGHT = 25;
constexpr COLOR_ARGB FONT_COLOR = graphicsNS::BLACK;
constexpr COLOR_ARGB BORDER_COLOR = D3DCOLOR_ARGB(192, 192, 192, 192);
constexpr COLOR_ARGB BACK_COLOR = D3DCOLOR_ARGB(255, 100, 100, 192);
constexpr float X = 1024 / 2.0f - WIDTH / 2.0f;
constexpr float Y = 768 / 2.0f - HEIGHT / 2.0f;
} // namespace messageDialogueNS

class MessageDialogue {
public:
    MessageDialogue();
    virtual ~MessageDialogue();
    bool initialize(Graphics* graphics, Input* input, HWND window);
    void prepareVerts();
    void draw();
    void update();
    void print(const std::string& message);
    void onLostDevice();
    void onResetDevice();

    void setFontColor(COLOR_ARGB color) { fontColor = color; }
    void setBorderColor(COLOR_ARGB color) { borderColor = color; }
    void setBackColor(COLOR_ARGB color) { backColor = color; }
    bool getVisible() const { return visible; }
    void setVisible(bool v) { visible = v; }
    const std::string& getMessage() const { return text; }
    COLOR_ARGB getBorderColor() const { return borderColor; }
    COLOR_ARGB getBackColor() const { return backColor; }

protected:
    Graphics* graphics;
    Input* input;
    TextDX dxFont;
    float x, y;
    UINT height;
    UINT width;
    std::string text;
    RECT textRect;
    COLOR_ARGB fontColor;
    COLOR_ARGB borderColor;
    COLOR_ARGB backColor;
    VertexC vtx[4];
    std::unique_ptr<IDirect3DVertexBuffer9> dialogVerts;
    std::unique_ptr<IDirect3DVertexBuffer9> borderVerts;
    bool initialized;
    bool visible;
    HWND window;
};
