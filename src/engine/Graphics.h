#pragma once
// The drawing device and the one sprite batch every image, text and panel goes through.

#include <memory>

#include "platform/D3DX.h"
#include "platform/Window.h"

using LP_TEXTURE = IDirect3DTexture9*;
using LP_SPRITE = ID3DXSprite*;
using LP_3DDEVICE = IDirect3DDevice9*;
using LP_3D = IDirect3D9*;
using LP_VERTEXBUFFER = IDirect3DVertexBuffer9*;
using LP_DXFONT = ID3DXFont*;
using VECTOR2 = D3DXVECTOR2;

namespace graphicsNS {
constexpr COLOR_ARGB ORANGE = D3DCOLOR_ARGB(255, 255, 165, 0);
constexpr COLOR_ARGB BROWN = D3DCOLOR_ARGB(255, 139, 69, 19);
constexpr COLOR_ARGB LTGRAY = D3DCOLOR_ARGB(255, 192, 192, 192);
constexpr COLOR_ARGB GRAY = D3DCOLOR_ARGB(255, 128, 128, 128);
constexpr COLOR_ARGB OLIVE = D3DCOLOR_ARGB(255, 128, 128, 0);
constexpr COLOR_ARGB PURPLE = D3DCOLOR_ARGB(255, 128, 0, 128);
constexpr COLOR_ARGB MAROON = D3DCOLOR_ARGB(255, 128, 0, 0);
constexpr COLOR_ARGB TEAL = D3DCOLOR_ARGB(255, 0, 128, 128);
constexpr COLOR_ARGB NAVY = D3DCOLOR_ARGB(255, 0, 0, 128);
constexpr COLOR_ARGB RED = D3DCOLOR_ARGB(255, 255, 0, 0);
constexpr COLOR_ARGB GREEN = D3DCOLOR_ARGB(255, 0, 255, 0);
constexpr COLOR_ARGB LIME = D3DCOLOR_ARGB(255, 0, 255, 0);
constexpr COLOR_ARGB BLUE = D3DCOLOR_ARGB(255, 0, 0, 255);
constexpr COLOR_ARGB YELLOW = D3DCOLOR_ARGB(255, 255, 255, 0);
constexpr COLOR_ARGB MAGENTA = D3DCOLOR_ARGB(255, 255, 0, 255);
constexpr COLOR_ARGB CYAN = D3DCOLOR_ARGB(255, 0, 255, 255);
constexpr COLOR_ARGB WHITE = D3DCOLOR_ARGB(255, 255, 255, 255);
constexpr COLOR_ARGB BLACK = D3DCOLOR_ARGB(255, 0, 0, 0);
// Images with this colour as their filter colour draw with no tint.
constexpr COLOR_ARGB FILTER = D3DCOLOR_ARGB(0, 0, 0, 0);
constexpr COLOR_ARGB ALPHA25 = D3DCOLOR_ARGB(64, 255, 255, 255);
constexpr COLOR_ARGB ALPHA50 = D3DCOLOR_ARGB(128, 255, 255, 255);
// Pure opaque green in a picture file is transparent.
constexpr COLOR_ARGB TRANSCOLOR = D3DCOLOR_ARGB(255, 0, 255, 0);
constexpr COLOR_ARGB BACK_COLOR = NAVY;

enum DISPLAY_MODE { TOGGLE = 0, FULLSCREEN = 1, WINDOW = 2 };
} // namespace graphicsNS

// A pre-transformed, coloured vertex of the console and dialogue panels.
struct VertexC {
    float x, y, z;
    float rhw;
    DWORD color;
};
constexpr DWORD D3DFVF_VERTEX = D3DFVF_XYZRHW | D3DFVF_DIFFUSE;
static_assert(sizeof(VertexC) == 20, "a panel vertex is 20 bytes");

// What Graphics::drawSprite draws.
struct SpriteData {
    int width;
    int height;
    float x;
    float y;
    float scale;
    float angle; // radians, clockwise on screen
    RECT rect;   // source rectangle in the texture
    LP_TEXTURE texture;
    bool flipHorizontal;
    bool flipVertical;
};

class Graphics {
public:
    Graphics();
    virtual ~Graphics();

    void releaseAll();
    // Throws GameError on failure.
    void initialize(HWND window, int width, int height, bool fullscreen);
    void initPresentParameters();
    bool isAdapterCompatible();

    HRESULT loadTexture(const char* file, COLOR_ARGB transparentColor, UINT& width, UINT& height,
                        std::unique_ptr<IDirect3DTexture9>& texture);
    void drawSprite(const SpriteData& spriteData, COLOR_ARGB color = graphicsNS::WHITE);
    HRESULT createVertexBuffer(const VertexC vertices[], UINT size, std::unique_ptr<IDirect3DVertexBuffer9>& buffer);
    bool drawQuad(LP_VERTEXBUFFER buffer);

    HRESULT getDeviceState();
    HRESULT reset();
    void changeDisplayMode(graphicsNS::DISPLAY_MODE mode = graphicsNS::TOGGLE);

    HRESULT beginScene();
    HRESULT endScene();
    HRESULT showBackbuffer();
    void spriteBegin();
    void spriteEnd();

    LP_3D get3D() { return direct3d.get(); }
    LP_3DDEVICE getDevice() { return device3d.get(); }
    LP_SPRITE getSprite() { return sprite.get(); }
    bool getFullscreen() const { return fullscreen; }
    COLOR_ARGB getBackColor() const { return backColor; }
    void setBackColor(COLOR_ARGB color) { backColor = color; }
    int getWidth() const { return width; }
    int getHeight() const { return height; }

private:
    std::unique_ptr<IDirect3D9> direct3d;
    std::unique_ptr<IDirect3DDevice9> device3d;
    std::unique_ptr<ID3DXSprite> sprite;
    D3DPRESENT_PARAMETERS presentParameters;
    D3DDISPLAYMODE displayMode;
    HRESULT result;
    HWND window;
    bool fullscreen;
    int width;
    int height;
    COLOR_ARGB backColor;
};
