#include <SDL_image.h>

#include <cstring>
#include <set>

#include "RenderInternal.h"

namespace platform::sdl {

namespace {

std::set<SdlDevice*> liveDevices;

void markAllForReset()
{
    for (SdlDevice* device : liveDevices) device->needsReset = true;
}

class SdlDirect3D final : public IDirect3D9 {
public:
    UINT GetAdapterModeCount(UINT adapter, D3DFORMAT) override
    {
        if (adapter != D3DADAPTER_DEFAULT || !ensureVideo()) return 0;
        const int count = SDL_GetNumDisplayModes(0);
        return count > 0 ? static_cast<UINT>(count) : 0;
    }

    HRESULT EnumAdapterModes(UINT adapter, D3DFORMAT format, UINT mode, D3DDISPLAYMODE* displayMode) override
    {
        if (adapter != D3DADAPTER_DEFAULT || !displayMode || !ensureVideo()) return D3DERR_INVALIDCALL;
        SDL_DisplayMode sdlMode{};
        if (SDL_GetDisplayMode(0, static_cast<int>(mode), &sdlMode) != 0) return D3DERR_INVALIDCALL;
        displayMode->Width = static_cast<UINT>(sdlMode.w);
        displayMode->Height = static_cast<UINT>(sdlMode.h);
        displayMode->RefreshRate = static_cast<UINT>(sdlMode.refresh_rate);
        displayMode->Format = format;
        return S_OK;
    }

    HRESULT GetDeviceCaps(UINT adapter, D3DDEVTYPE, D3DCAPS9* caps) override
    {
        if (adapter != D3DADAPTER_DEFAULT || !caps) return D3DERR_INVALIDCALL;
        caps->DevCaps = 0;
        caps->VertexShaderVersion = 0;
        for (int i = 0; i < SDL_GetNumRenderDrivers(); ++i) {
            SDL_RendererInfo info{};
            if (SDL_GetRenderDriverInfo(i, &info) == 0 && (info.flags & SDL_RENDERER_ACCELERATED)) {
                caps->DevCaps = D3DDEVCAPS_HWTRANSFORMANDLIGHT;
                caps->VertexShaderVersion = D3DVS_VERSION(2, 0);
                break;
            }
        }
        return S_OK;
    }

    HRESULT CreateDevice(UINT adapter, D3DDEVTYPE, HWND focusWindow, DWORD, D3DPRESENT_PARAMETERS* parameters,
                         std::unique_ptr<IDirect3DDevice9>& device) override
    {
        device.reset();
        if (adapter != D3DADAPTER_DEFAULT || !parameters) return D3DERR_INVALIDCALL;
        HWND window = parameters->hDeviceWindow ? parameters->hDeviceWindow : focusWindow;
        auto created = std::make_unique<SdlDevice>(window, *parameters);
        if (!created->createRenderer()) return D3DERR_NOTAVAILABLE;
        device = std::move(created);
        return S_OK;
    }
};

} // namespace

SdlDevice::SdlDevice(HWND w, const D3DPRESENT_PARAMETERS& p) : window(w), parameters(p), life(std::make_shared<DeviceLife>())
{
    liveDevices.insert(this);
    setRenderResetHandler(&markAllForReset);
}

SdlDevice::~SdlDevice()
{
    liveDevices.erase(this);
    destroyRenderer();
    life->alive = false;
}

bool SdlDevice::createRenderer()
{
    const int width = parameters.BackBufferWidth ? static_cast<int>(parameters.BackBufferWidth) : 1024;
    const int height = parameters.BackBufferHeight ? static_cast<int>(parameters.BackBufferHeight) : 768;
    SDL_Renderer* renderer = nullptr;
    if (SDL_Window* sdl = sdlWindow(window)) {
        // Accelerated where the machine has it (unless the software renderer is asked
        // for by name); presenting never waits for the retrace.
        const char* wanted = SDL_GetHint(SDL_HINT_RENDER_DRIVER);
        const bool software = wanted && SDL_strcasecmp(wanted, "software") == 0;
        if (!software) renderer = SDL_CreateRenderer(sdl, -1, SDL_RENDERER_ACCELERATED);
        if (!renderer) renderer = SDL_CreateRenderer(sdl, -1, SDL_RENDERER_SOFTWARE);
    } else {
        offscreen = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
        if (offscreen) renderer = SDL_CreateSoftwareRenderer(offscreen);
    }
    if (!renderer) return false;
    // The picture is always made at the back-buffer size; a bigger window or a full
    // screen shows it scaled to fit with the aspect kept, and mouse positions come
    // back in picture pixels.
    SDL_RenderSetLogicalSize(renderer, width, height);
    life->renderer = renderer;
    return true;
}

void SdlDevice::destroyRenderer()
{
    if (life->renderer) SDL_DestroyRenderer(life->renderer);
    life->renderer = nullptr;
    if (offscreen) SDL_FreeSurface(offscreen);
    offscreen = nullptr;
}

HRESULT SdlDevice::TestCooperativeLevel()
{
    if (simulatedLostTests > 0) {
        --simulatedLostTests;
        needsReset = true;
        return D3DERR_DEVICELOST;
    }
    if (needsReset || !life->renderer) return D3DERR_DEVICENOTRESET;
    return S_OK;
}

HRESULT SdlDevice::Reset(D3DPRESENT_PARAMETERS* p)
{
    if (!p) return D3DERR_INVALIDCALL;
    if (inScene) return D3DERR_INVALIDCALL;
    parameters = *p;
    if (window) {
        platform::setFullscreen(window, !parameters.Windowed);
        if (parameters.Windowed) {
            platform::setClientSize(window, static_cast<int>(parameters.BackBufferWidth),
                                    static_cast<int>(parameters.BackBufferHeight));
        }
    }
    destroyRenderer();
    ++life->generation;
    simulatedLostTests = 0;
    needsReset = false;
    return createRenderer() ? S_OK : D3DERR_DEVICELOST;
}

HRESULT SdlDevice::Clear(DWORD flags, D3DCOLOR color, float, DWORD)
{
    if (!life->renderer) return D3DERR_INVALIDCALL;
    if (flags & D3DCLEAR_TARGET) {
        const SDL_Color c = sdlColor(color);
        SDL_SetRenderDrawBlendMode(life->renderer, SDL_BLENDMODE_NONE);
        SDL_SetRenderDrawColor(life->renderer, c.r, c.g, c.b, c.a);
        SDL_RenderClear(life->renderer);
    }
    return S_OK;
}

HRESULT SdlDevice::BeginScene()
{
    if (!life->renderer || inScene) return D3DERR_INVALIDCALL;
    inScene = true;
    return S_OK;
}

HRESULT SdlDevice::EndScene()
{
    if (!inScene) return D3DERR_INVALIDCALL;
    inScene = false;
    return S_OK;
}

HRESULT SdlDevice::Present()
{
    if (!life->renderer) return D3DERR_DEVICELOST;
    if (capturing) readPixels(captured, capturedWidth, capturedHeight);
    if (!offscreen) SDL_RenderPresent(life->renderer);
    return S_OK;
}

HRESULT SdlDevice::SetRenderState(D3DRENDERSTATETYPE state, DWORD value)
{
    // Only the standard "source alpha over" blend is ever asked for; it is the one
    // blend every renderer has, so the three blend states need no translation.
    if (state == D3DRS_ALPHABLENDENABLE) alphaBlendEnable = value != 0;
    return S_OK;
}

HRESULT SdlDevice::CreateVertexBuffer(UINT length, DWORD, DWORD, std::unique_ptr<IDirect3DVertexBuffer9>& buffer)
{
    buffer.reset();
    if (!life->renderer || length == 0) return D3DERR_INVALIDCALL;
    buffer = std::make_unique<IDirect3DVertexBuffer9>(length);
    buffer->generation = life->generation;
    return S_OK;
}

HRESULT SdlDevice::DrawTriangleFan(const IDirect3DVertexBuffer9& buffer, UINT startVertex, UINT primitiveCount)
{
    if (!life->renderer || buffer.generation != life->generation) return D3DERR_INVALIDCALL;
    const UINT vertexCount = primitiveCount + 2;
    const auto& bytes = buffer.contents();
    if ((startVertex + vertexCount) * sizeof(D3DVERTEX_XYZRHW_DIFFUSE) > bytes.size()) return D3DERR_INVALIDCALL;
    fanVertices.resize(vertexCount);
    for (UINT i = 0; i < vertexCount; ++i) {
        D3DVERTEX_XYZRHW_DIFFUSE v;
        std::memcpy(&v, bytes.data() + (startVertex + i) * sizeof v, sizeof v);
        fanVertices[i] = SDL_Vertex{SDL_FPoint{v.x, v.y}, sdlColor(v.color), SDL_FPoint{0, 0}};
    }
    fanIndices.resize(primitiveCount * 3);
    for (UINT i = 0; i < primitiveCount; ++i) {
        fanIndices[i * 3] = 0;
        fanIndices[i * 3 + 1] = static_cast<int>(i + 1);
        fanIndices[i * 3 + 2] = static_cast<int>(i + 2);
    }
    SDL_SetRenderDrawBlendMode(life->renderer, alphaBlendEnable ? SDL_BLENDMODE_BLEND : SDL_BLENDMODE_NONE);
    const int ok = SDL_RenderGeometry(life->renderer, nullptr, fanVertices.data(), static_cast<int>(vertexCount),
                                      fanIndices.data(), static_cast<int>(fanIndices.size()));
    return ok == 0 ? S_OK : D3DERR_INVALIDCALL;
}

bool SdlDevice::readPixels(std::vector<std::uint32_t>& pixels, int& width, int& height)
{
    if (!life->renderer) return false;
    if (offscreen) {
        width = offscreen->w;
        height = offscreen->h;
        pixels.resize(static_cast<size_t>(width) * height);
        for (int y = 0; y < height; ++y) {
            std::memcpy(pixels.data() + static_cast<size_t>(y) * width,
                        static_cast<const unsigned char*>(offscreen->pixels) + static_cast<size_t>(y) * offscreen->pitch,
                        static_cast<size_t>(width) * 4);
        }
        return true;
    }
    // Read the whole output (a full screen's bars included): the logical scaling is
    // switched off for the read so that the size read is exactly the output's.
    int outW = 0, outH = 0;
    if (SDL_GetRendererOutputSize(life->renderer, &outW, &outH) != 0 || outW <= 0 || outH <= 0) return false;
    int logicalW = 0, logicalH = 0;
    SDL_RenderGetLogicalSize(life->renderer, &logicalW, &logicalH);
    SDL_RenderSetLogicalSize(life->renderer, 0, 0);
    SDL_RenderSetViewport(life->renderer, nullptr);
    pixels.resize(static_cast<size_t>(outW) * outH);
    const bool ok = SDL_RenderReadPixels(life->renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, pixels.data(), outW * 4) == 0;
    SDL_RenderSetLogicalSize(life->renderer, logicalW, logicalH);
    if (!ok) return false;
    width = outW;
    height = outH;
    return true;
}

SdlDevice* sdlDevice(IDirect3DDevice9* device) { return static_cast<SdlDevice*>(device); }

} // namespace platform::sdl

std::unique_ptr<IDirect3D9> Direct3DCreate9(UINT sdkVersion)
{
    if (sdkVersion != D3D_SDK_VERSION) return nullptr;
    return std::make_unique<platform::sdl::SdlDirect3D>();
}

HRESULT IDirect3DVertexBuffer9::Fill(const void* source, UINT bytes)
{
    if (!source || bytes > data.size()) return D3DERR_INVALIDCALL;
    std::memcpy(data.data(), source, bytes);
    return S_OK;
}

namespace platform {

bool readPixels(IDirect3DDevice9& device, std::vector<std::uint32_t>& pixels, int& width, int& height)
{
    return sdl::sdlDevice(&device)->readPixels(pixels, width, height);
}

void captureFrames(IDirect3DDevice9& device, bool enabled) { sdl::sdlDevice(&device)->capturing = enabled; }

bool lastFrame(IDirect3DDevice9& device, std::vector<std::uint32_t>& pixels, int& width, int& height)
{
    auto* d = sdl::sdlDevice(&device);
    if (d->captured.empty()) return false;
    pixels = d->captured;
    width = d->capturedWidth;
    height = d->capturedHeight;
    return true;
}

bool savePng(const char* file, const std::vector<std::uint32_t>& pixels, int width, int height)
{
    if (pixels.size() < static_cast<size_t>(width) * height) return false;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint32_t*>(pixels.data()), width, height, 32,
                                                              width * 4, SDL_PIXELFORMAT_ARGB8888);
    if (!surface) return false;
    const bool ok = IMG_SavePNG(surface, file) == 0;
    SDL_FreeSurface(surface);
    return ok;
}

void simulateDeviceLoss(IDirect3DDevice9& device, int lostTests)
{
    auto* d = sdl::sdlDevice(&device);
    d->simulatedLostTests = lostTests;
    d->needsReset = true;
}

} // namespace platform
