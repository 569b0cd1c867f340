#pragma once
// The utility services drawn on the device: 2-D transforms, textures from image
// files with a colour key, one sprite batch, and fonts by face name drawn through it.
// This library exists in two flavours (runtime 43 and 42) that behave the same.

#include <memory>
#include <string>

#include "Direct3D.h"

#ifndef D3DX_SDK_VERSION
#define D3DX_SDK_VERSION 43
#endif

// The flavour this program was linked with.
UINT D3DXGetRuntimeVersion();

struct D3DXVECTOR2 {
    float x = 0;
    float y = 0;
    D3DXVECTOR2() = default;
    D3DXVECTOR2(float xx, float yy) : x(xx), y(yy) {}
    D3DXVECTOR2 operator+(const D3DXVECTOR2& o) const { return {x + o.x, y + o.y}; }
    D3DXVECTOR2 operator-(const D3DXVECTOR2& o) const { return {x - o.x, y - o.y}; }
    D3DXVECTOR2 operator*(float f) const { return {x * f, y * f}; }
    D3DXVECTOR2 operator-() const { return {-x, -y}; }
    D3DXVECTOR2& operator+=(const D3DXVECTOR2& o) { x += o.x; y += o.y; return *this; }
    D3DXVECTOR2& operator-=(const D3DXVECTOR2& o) { x -= o.x; y -= o.y; return *this; }
    D3DXVECTOR2& operator*=(float f) { x *= f; y *= f; return *this; }
    bool operator==(const D3DXVECTOR2& o) const { return x == o.x && y == o.y; }
    bool operator!=(const D3DXVECTOR2& o) const { return !(*this == o); }
};

// Row-vector convention: a point (x, y, 0, 1) times the matrix.
struct D3DXMATRIX {
    float m[4][4];
};

D3DXMATRIX* D3DXMatrixIdentity(D3DXMATRIX* out);
// out = a then b (a point is transformed by a first); out may be a or b.
D3DXMATRIX* D3DXMatrixMultiply(D3DXMATRIX* out, const D3DXMATRIX* a, const D3DXMATRIX* b);
D3DXMATRIX* D3DXMatrixTransformation2D(D3DXMATRIX* out, const D3DXVECTOR2* scalingCenter, float scalingRotation,
                                       const D3DXVECTOR2* scaling, const D3DXVECTOR2* rotationCenter, float rotation,
                                       const D3DXVECTOR2* translation);
// Unit length; the zero vector stays zero.
D3DXVECTOR2* D3DXVec2Normalize(D3DXVECTOR2* out, const D3DXVECTOR2* v);
inline float D3DXVec2Dot(const D3DXVECTOR2* a, const D3DXVECTOR2* b) { return a->x * b->x + a->y * b->y; }
inline float D3DXVec2LengthSq(const D3DXVECTOR2* v) { return v->x * v->x + v->y * v->y; }

// --- Textures -------------------------------------------------------------------

struct D3DXIMAGE_INFO {
    UINT Width;
    UINT Height;
};

class IDirect3DTexture9 {
public:
    virtual ~IDirect3DTexture9() = default;
    virtual UINT Width() const = 0;
    virtual UINT Height() const = 0;
};

HRESULT D3DXGetImageInfoFromFileA(const char* file, D3DXIMAGE_INFO* info);
// A texture of exactly the requested size (the callers pass the file's own size);
// pixels of exactly `colorKey` become fully transparent, every other pixel is kept.
HRESULT D3DXCreateTextureFromFileExA(IDirect3DDevice9* device, const char* file, UINT width, UINT height, D3DCOLOR colorKey,
                                     D3DXIMAGE_INFO* info, std::unique_ptr<IDirect3DTexture9>& texture);

// --- Sprite batch -----------------------------------------------------------------

constexpr DWORD D3DXSPRITE_ALPHABLEND = 0x00000010;

class ID3DXSprite {
public:
    virtual ~ID3DXSprite() = default;
    virtual HRESULT Begin(DWORD flags) = 0;
    virtual HRESULT End() = 0;
    virtual HRESULT SetTransform(const D3DXMATRIX* transform) = 0;
    // Draws the source rectangle of the texture (whole texture for null) at the origin
    // under the current transform, modulated by the colour.
    virtual HRESULT Draw(IDirect3DTexture9* texture, const RECT* source, D3DCOLOR color) = 0;
    virtual HRESULT OnLostDevice() = 0;
    virtual HRESULT OnResetDevice() = 0;
};

HRESULT D3DXCreateSprite(IDirect3DDevice9* device, std::unique_ptr<ID3DXSprite>& sprite);

// --- Fonts ------------------------------------------------------------------------

constexpr DWORD DT_TOP = 0x0000;
constexpr DWORD DT_LEFT = 0x0000;
constexpr DWORD DT_CENTER = 0x0001;
constexpr DWORD DT_RIGHT = 0x0002;
constexpr DWORD DT_VCENTER = 0x0004;
constexpr DWORD DT_BOTTOM = 0x0008;
constexpr DWORD DT_WORDBREAK = 0x0010;
constexpr DWORD DT_SINGLELINE = 0x0020;
constexpr DWORD DT_NOCLIP = 0x0100;
constexpr DWORD DT_CALCRECT = 0x0400;

constexpr UINT FW_NORMAL = 400;
constexpr UINT FW_BOLD = 700;
constexpr DWORD DEFAULT_CHARSET = 1;
constexpr DWORD OUT_DEFAULT_PRECIS = 0;
constexpr DWORD DEFAULT_QUALITY = 0;
constexpr DWORD DEFAULT_PITCH = 0;
constexpr DWORD FF_DONTCARE = 0;

namespace platform {
// What a face name resolves to through the game's font settings (and the system's
// substitutes for faces nobody has).
struct FontMatch {
    std::string family;
    std::string style;
    std::string file;
};
FontMatch resolveFont(const char* faceName, bool bold, bool italic);
} // namespace platform

class ID3DXFont {
public:
    virtual ~ID3DXFont() = default;
    // Draws `count` characters of text (all of it for -1) into the rectangle with the
    // DT_ format, through the sprite (or on its own when sprite is null); returns the
    // height of the text. DT_CALCRECT only measures and updates the rectangle.
    virtual int DrawTextA(ID3DXSprite* sprite, const char* text, int count, RECT* rect, DWORD format, D3DCOLOR color) = 0;
    virtual HRESULT OnLostDevice() = 0;
    virtual HRESULT OnResetDevice() = 0;
    // What the face name resolved to on this system.
    virtual platform::FontMatch Match() const = 0;
};

// `height` is the character cell height in pixels.
HRESULT D3DXCreateFontA(IDirect3DDevice9* device, int height, UINT width, UINT weight, UINT mipLevels, bool italic,
                        DWORD charSet, DWORD outputPrecision, DWORD quality, DWORD pitchAndFamily, const char* faceName,
                        std::unique_ptr<ID3DXFont>& font);

