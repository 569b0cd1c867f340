#pragma once
// Pieces of the utility library that its sprite, texture and font parts share.

#include <vector>

#include "../../D3DX.h"
#include "../RenderInternal.h"

namespace platform::sdl {

class SdlTexture final : public IDirect3DTexture9 {
public:
    SdlTexture(std::shared_ptr<DeviceLife> life, SDL_Texture* texture, UINT width, UINT height);
    ~SdlTexture() override;
    UINT Width() const override { return w; }
    UINT Height() const override { return h; }
    // The SDL texture while the renderer it was made on still exists, else null.
    SDL_Texture* live() const;

private:
    std::shared_ptr<DeviceLife> life;
    SDL_Texture* texture;
    unsigned generation;
    UINT w, h;
};

// Makes a texture from ARGB8888 pixels on the device's current renderer.
SDL_Texture* createTexture(SDL_Renderer* renderer, const SDL_Surface* argb);

class SdlSprite final : public ID3DXSprite {
public:
    explicit SdlSprite(IDirect3DDevice9* device);
    HRESULT Begin(DWORD flags) override;
    HRESULT End() override;
    HRESULT SetTransform(const D3DXMATRIX* transform) override;
    HRESULT Draw(IDirect3DTexture9* texture, const RECT* source, D3DCOLOR color) override;
    HRESULT OnLostDevice() override { return S_OK; }
    HRESULT OnResetDevice() override { return S_OK; }

    // One textured quad: `x0..x1, y0..y1` before the current transform, sampling the
    // texel rectangle `u0..u1, v0..v1` of a texture `texW` by `texH`.
    void drawQuad(SDL_Texture* texture, float texW, float texH, float x0, float y0, float x1, float y1, float u0, float v0,
                  float u1, float v1, D3DCOLOR color);
    void flush();
    bool inBatch() const { return begun; }

private:
    SdlDevice* device;
    D3DXMATRIX transform;
    bool begun = false;
    SDL_Texture* batchTexture = nullptr;
    std::vector<SDL_Vertex> vertices;
    std::vector<int> indices;
};

} // namespace platform::sdl
