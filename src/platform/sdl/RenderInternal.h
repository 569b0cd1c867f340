#pragma once
// The SDL device behind IDirect3DDevice9, shared with the utility library (sprites,
// textures, fonts) that draws on it.

#include <memory>
#include <vector>

#include "../Direct3D.h"
#include "SdlSystem.h"

namespace platform::sdl {

// Outlives the device so that resources made on it can tell whether the renderer
// they were made on still exists (a reset makes a new one).
struct DeviceLife {
    bool alive = true;
    unsigned generation = 1;
    SDL_Renderer* renderer = nullptr;
};

class SdlDevice final : public IDirect3DDevice9 {
public:
    SdlDevice(HWND window, const D3DPRESENT_PARAMETERS& parameters);
    ~SdlDevice() override;
    bool createRenderer();

    HRESULT TestCooperativeLevel() override;
    HRESULT Reset(D3DPRESENT_PARAMETERS* parameters) override;
    HRESULT Clear(DWORD flags, D3DCOLOR color, float z, DWORD stencil) override;
    HRESULT BeginScene() override;
    HRESULT EndScene() override;
    HRESULT Present() override;
    HRESULT SetRenderState(D3DRENDERSTATETYPE state, DWORD value) override;
    HRESULT CreateVertexBuffer(UINT length, DWORD usage, DWORD fvf, std::unique_ptr<IDirect3DVertexBuffer9>& buffer) override;
    HRESULT DrawTriangleFan(const IDirect3DVertexBuffer9& buffer, UINT startVertex, UINT primitiveCount) override;

    SDL_Renderer* renderer() const { return life->renderer; }
    const std::shared_ptr<DeviceLife>& lifetime() const { return life; }
    bool readPixels(std::vector<std::uint32_t>& pixels, int& width, int& height);

    bool capturing = false;
    std::vector<std::uint32_t> captured;
    int capturedWidth = 0;
    int capturedHeight = 0;
    int simulatedLostTests = 0;
    bool needsReset = false;

private:
    void destroyRenderer();

    HWND window;
    D3DPRESENT_PARAMETERS parameters;
    std::shared_ptr<DeviceLife> life;
    SDL_Surface* offscreen = nullptr;
    bool inScene = false;
    bool alphaBlendEnable = false;
    std::vector<SDL_Vertex> fanVertices;
    std::vector<int> fanIndices;
};

SdlDevice* sdlDevice(IDirect3DDevice9* device);

inline SDL_Color sdlColor(D3DCOLOR c)
{
    return SDL_Color{static_cast<Uint8>((c >> 16) & 0xFF), static_cast<Uint8>((c >> 8) & 0xFF),
                     static_cast<Uint8>(c & 0xFF), static_cast<Uint8>((c >> 24) & 0xFF)};
}

} // namespace platform::sdl
