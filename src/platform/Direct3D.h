#pragma once
// The drawing device the game renders with: clear, begin/end scene, present,
// translucent coloured panels, a cooperative-level test that reports a lost device,
// and a reset. Everything made on the device (textures, fonts, vertex buffers) is
// lost at a reset and must be released before it and made again after it.

#include <memory>
#include <vector>

#include "Window.h"

constexpr UINT D3D_SDK_VERSION = 32;
constexpr UINT D3DADAPTER_DEFAULT = 0;

enum D3DFORMAT : DWORD { D3DFMT_UNKNOWN = 0, D3DFMT_A8R8G8B8 = 21, D3DFMT_X8R8G8B8 = 22 };
enum D3DDEVTYPE : DWORD { D3DDEVTYPE_HAL = 1 };
enum D3DSWAPEFFECT : DWORD { D3DSWAPEFFECT_DISCARD = 1 };
enum D3DRENDERSTATETYPE : DWORD {
    D3DRS_SRCBLEND = 19,
    D3DRS_DESTBLEND = 20,
    D3DRS_ALPHABLENDENABLE = 27,
    D3DRS_BLENDOP = 171,
};
constexpr DWORD D3DBLEND_SRCALPHA = 5;
constexpr DWORD D3DBLEND_INVSRCALPHA = 6;
constexpr DWORD D3DBLENDOP_ADD = 1;
constexpr DWORD D3DCLEAR_TARGET = 0x1;
constexpr UINT D3DPRESENT_INTERVAL_IMMEDIATE = 0x80000000u;
constexpr DWORD D3DCREATE_SOFTWARE_VERTEXPROCESSING = 0x20;
constexpr DWORD D3DCREATE_HARDWARE_VERTEXPROCESSING = 0x40;
constexpr DWORD D3DDEVCAPS_HWTRANSFORMANDLIGHT = 0x00010000;
constexpr DWORD D3DVS_VERSION(DWORD major, DWORD minor) { return 0xFFFE0000u | (major << 8) | minor; }
constexpr DWORD D3DFVF_XYZRHW = 0x004;
constexpr DWORD D3DFVF_DIFFUSE = 0x040;
constexpr DWORD D3DUSAGE_WRITEONLY = 0x8;

struct D3DPRESENT_PARAMETERS {
    UINT BackBufferWidth;
    UINT BackBufferHeight;
    D3DFORMAT BackBufferFormat;
    UINT BackBufferCount;
    D3DSWAPEFFECT SwapEffect;
    HWND hDeviceWindow;
    bool Windowed;
    UINT FullScreen_RefreshRateInHz;
    UINT PresentationInterval;
};

struct D3DDISPLAYMODE {
    UINT Width;
    UINT Height;
    UINT RefreshRate;
    D3DFORMAT Format;
};

struct D3DCAPS9 {
    DWORD DevCaps;
    DWORD VertexShaderVersion;
};

// A pre-transformed, coloured vertex (position in screen pixels): the panels of the
// console and the dialogues are made of these.
struct D3DVERTEX_XYZRHW_DIFFUSE {
    float x, y, z, rhw;
    D3DCOLOR color;
};

class IDirect3DDevice9;

class IDirect3DVertexBuffer9 {
public:
    explicit IDirect3DVertexBuffer9(UINT bytes) : data(bytes) {}
    // Fills the whole buffer; the caller writes once after creating it (write-only).
    HRESULT Fill(const void* source, UINT bytes);
    const std::vector<unsigned char>& contents() const { return data; }
    unsigned generation = 0; // the device reset this buffer was made in

private:
    std::vector<unsigned char> data;
};

class IDirect3DDevice9 {
public:
    virtual ~IDirect3DDevice9() = default;
    // D3DERR_DEVICELOST while the device cannot be used, D3DERR_DEVICENOTRESET when it
    // can be reset again, S_OK otherwise.
    virtual HRESULT TestCooperativeLevel() = 0;
    virtual HRESULT Reset(D3DPRESENT_PARAMETERS* parameters) = 0;
    virtual HRESULT Clear(DWORD flags, D3DCOLOR color, float z, DWORD stencil) = 0;
    virtual HRESULT BeginScene() = 0;
    virtual HRESULT EndScene() = 0;
    virtual HRESULT Present() = 0;
    virtual HRESULT SetRenderState(D3DRENDERSTATETYPE state, DWORD value) = 0;
    virtual HRESULT CreateVertexBuffer(UINT length, DWORD usage, DWORD fvf, std::unique_ptr<IDirect3DVertexBuffer9>& buffer) = 0;
    // Draws a fan of coloured, pre-transformed vertices (D3DVERTEX_XYZRHW_DIFFUSE).
    virtual HRESULT DrawTriangleFan(const IDirect3DVertexBuffer9& buffer, UINT startVertex, UINT primitiveCount) = 0;
};

class IDirect3D9 {
public:
    virtual ~IDirect3D9() = default;
    virtual UINT GetAdapterModeCount(UINT adapter, D3DFORMAT format) = 0;
    virtual HRESULT EnumAdapterModes(UINT adapter, D3DFORMAT format, UINT mode, D3DDISPLAYMODE* displayMode) = 0;
    virtual HRESULT GetDeviceCaps(UINT adapter, D3DDEVTYPE type, D3DCAPS9* caps) = 0;
    virtual HRESULT CreateDevice(UINT adapter, D3DDEVTYPE type, HWND focusWindow, DWORD behaviour,
                                 D3DPRESENT_PARAMETERS* parameters, std::unique_ptr<IDirect3DDevice9>& device) = 0;
};

// Null when no drawing system is available.
std::unique_ptr<IDirect3D9> Direct3DCreate9(UINT sdkVersion);

namespace platform {

// A device made for a null window draws into an offscreen software target of the
// back-buffer size; tests read its pixels back exactly.
// Copies the pixels of the frame drawn so far (or, after present, the last presented
// one when capturing is on) as 0xAARRGGBB, row by row.
bool readPixels(IDirect3DDevice9& device, std::vector<std::uint32_t>& pixels, int& width, int& height);
// Keeps a copy of every frame just before it is presented, for screenshots.
void captureFrames(IDirect3DDevice9& device, bool enabled);
bool lastFrame(IDirect3DDevice9& device, std::vector<std::uint32_t>& pixels, int& width, int& height);
bool savePng(const char* file, const std::vector<std::uint32_t>& pixels, int width, int height);

// Linux renderers never lose their device; this makes one behave as if it had:
// the next `lostTests` cooperative-level tests report D3DERR_DEVICELOST, the ones
// after report D3DERR_DEVICENOTRESET until the device is reset.
void simulateDeviceLoss(IDirect3DDevice9& device, int lostTests);

} // namespace platform
