#include "D3DXInternal.h"

namespace platform::sdl {

namespace {
// Big enough for a full frame of the game in one or two batches; reserved once so
// that drawing never allocates.
constexpr size_t batchQuads = 2048;
} // namespace

SdlSprite::SdlSprite(IDirect3DDevice9* d) : device(sdlDevice(d))
{
    D3DXMatrixIdentity(&transform);
    vertices.reserve(batchQuads * 4);
    indices.reserve(batchQuads * 6);
}

HRESULT SdlSprite::Begin(DWORD)
{
    if (begun) return D3DERR_INVALIDCALL;
    begun = true;
    return S_OK;
}

HRESULT SdlSprite::End()
{
    if (!begun) return D3DERR_INVALIDCALL;
    flush();
    begun = false;
    return S_OK;
}

HRESULT SdlSprite::SetTransform(const D3DXMATRIX* t)
{
    if (!t) return D3DERR_INVALIDCALL;
    transform = *t;
    return S_OK;
}

HRESULT SdlSprite::Draw(IDirect3DTexture9* texture, const RECT* source, D3DCOLOR color)
{
    if (!texture) return D3DERR_INVALIDCALL;
    SDL_Texture* sdl = static_cast<SdlTexture*>(texture)->live();
    if (!sdl) return D3DERR_INVALIDCALL;
    const float texW = static_cast<float>(texture->Width()), texH = static_cast<float>(texture->Height());
    RECT r = source ? *source : RECT{0, 0, static_cast<LONG>(texture->Width()), static_cast<LONG>(texture->Height())};
    const float w = static_cast<float>(r.right - r.left), h = static_cast<float>(r.bottom - r.top);
    drawQuad(sdl, texW, texH, 0, 0, w, h, static_cast<float>(r.left), static_cast<float>(r.top), static_cast<float>(r.right),
             static_cast<float>(r.bottom), color);
    return S_OK;
}

void SdlSprite::drawQuad(SDL_Texture* texture, float texW, float texH, float x0, float y0, float x1, float y1, float u0,
                         float v0, float u1, float v1, D3DCOLOR color)
{
    if (texture != batchTexture || vertices.size() + 4 > batchQuads * 4) {
        flush();
        batchTexture = texture;
    }
    const auto& m = transform.m;
    auto place = [&](float x, float y, float u, float v) {
        const SDL_FPoint position{x * m[0][0] + y * m[1][0] + m[3][0], x * m[0][1] + y * m[1][1] + m[3][1]};
        vertices.push_back(SDL_Vertex{position, sdlColor(color), SDL_FPoint{u / texW, v / texH}});
    };
    const int first = static_cast<int>(vertices.size());
    place(x0, y0, u0, v0);
    place(x1, y0, u1, v0);
    place(x1, y1, u1, v1);
    place(x0, y1, u0, v1);
    const int quad[6] = {first, first + 1, first + 2, first, first + 2, first + 3};
    indices.insert(indices.end(), quad, quad + 6);
    if (!begun) flush();
}

void SdlSprite::flush()
{
    if (vertices.empty()) return;
    SDL_Renderer* renderer = device->renderer();
    if (renderer && batchTexture) {
        // The software renderer's fast path for single quads changes the texture's
        // modulation and leaves it changed; the vertex colours carry the tint, so
        // make the texture neutral before every batch.
        SDL_SetTextureColorMod(batchTexture, 255, 255, 255);
        SDL_SetTextureAlphaMod(batchTexture, 255);
        SDL_SetTextureBlendMode(batchTexture, SDL_BLENDMODE_BLEND);
        SDL_RenderGeometry(renderer, batchTexture, vertices.data(), static_cast<int>(vertices.size()), indices.data(),
                           static_cast<int>(indices.size()));
    }
    vertices.clear();
    indices.clear();
}

} // namespace platform::sdl

HRESULT D3DXCreateSprite(IDirect3DDevice9* device, std::unique_ptr<ID3DXSprite>& sprite)
{
    sprite.reset();
    if (!device) return D3DERR_INVALIDCALL;
    sprite = std::make_unique<platform::sdl::SdlSprite>(device);
    return S_OK;
}
