#include <SDL_image.h>

#include <cstdio>
#include <cstring>

#include "../../Files.h"
#include "D3DXInternal.h"

namespace platform::sdl {

SdlTexture::SdlTexture(std::shared_ptr<DeviceLife> l, SDL_Texture* t, UINT width, UINT height)
    : life(std::move(l)), texture(t), generation(life->generation), w(width), h(height)
{
}

SdlTexture::~SdlTexture()
{
    // A reset or the device's end already took the SDL texture with its renderer.
    if (live()) SDL_DestroyTexture(texture);
}

SDL_Texture* SdlTexture::live() const
{
    return (life->alive && life->generation == generation && life->renderer) ? texture : nullptr;
}

SDL_Texture* createTexture(SDL_Renderer* renderer, const SDL_Surface* argb)
{
    SDL_Texture* texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, argb->w, argb->h);
    if (!texture) return nullptr;
    SDL_UpdateTexture(texture, nullptr, argb->pixels, argb->pitch);
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
    SDL_SetTextureScaleMode(texture, SDL_ScaleModeLinear);
    return texture;
}

namespace {

std::uint32_t readBigEndian(const unsigned char* p)
{
    return (static_cast<std::uint32_t>(p[0]) << 24) | (static_cast<std::uint32_t>(p[1]) << 16)
           | (static_cast<std::uint32_t>(p[2]) << 8) | p[3];
}

// A PNG says its size in its first chunk; reading that avoids decoding the picture twice.
bool pngSize(const std::string& path, UINT& width, UINT& height)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    unsigned char head[24];
    const bool read = std::fread(head, 1, sizeof head, f) == sizeof head;
    std::fclose(f);
    static const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (!read || std::memcmp(head, signature, 8) != 0 || std::memcmp(head + 12, "IHDR", 4) != 0) return false;
    width = readBigEndian(head + 16);
    height = readBigEndian(head + 20);
    return width > 0 && height > 0 && width <= 32768 && height <= 32768;
}

} // namespace

} // namespace platform::sdl

HRESULT D3DXGetImageInfoFromFileA(const char* file, D3DXIMAGE_INFO* info)
{
    if (!file || !info) return D3DERR_INVALIDCALL;
    const std::string path = platform::nativePath(file);
    if (platform::sdl::pngSize(path, info->Width, info->Height)) return S_OK;
    SDL_Surface* surface = IMG_Load(path.c_str());
    if (!surface) return D3DXERR_INVALIDDATA;
    info->Width = static_cast<UINT>(surface->w);
    info->Height = static_cast<UINT>(surface->h);
    SDL_FreeSurface(surface);
    return S_OK;
}

HRESULT D3DXCreateTextureFromFileExA(IDirect3DDevice9* device, const char* file, UINT width, UINT height, D3DCOLOR colorKey,
                                     D3DXIMAGE_INFO* info, std::unique_ptr<IDirect3DTexture9>& texture)
{
    texture.reset();
    if (!device || !file) return D3DERR_INVALIDCALL;
    platform::sdl::SdlDevice* sdl = platform::sdl::sdlDevice(device);
    if (!sdl->renderer()) return D3DERR_INVALIDCALL;
    SDL_Surface* loaded = IMG_Load(platform::nativePath(file).c_str());
    if (!loaded) return D3DXERR_INVALIDDATA;
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(loaded);
    if (!argb) return E_OUTOFMEMORY;
    if (width && height && (static_cast<int>(width) != argb->w || static_cast<int>(height) != argb->h)) {
        SDL_Surface* sized = SDL_CreateRGBSurfaceWithFormat(0, static_cast<int>(width), static_cast<int>(height), 32,
                                                            SDL_PIXELFORMAT_ARGB8888);
        if (!sized) {
            SDL_FreeSurface(argb);
            return E_OUTOFMEMORY;
        }
        SDL_SetSurfaceBlendMode(argb, SDL_BLENDMODE_NONE);
        SDL_BlitScaled(argb, nullptr, sized, nullptr);
        SDL_FreeSurface(argb);
        argb = sized;
    }
    if (colorKey != 0) {
        // Only the exact key colour goes; near misses are the artist's and stay.
        for (int y = 0; y < argb->h; ++y) {
            auto* row = reinterpret_cast<std::uint32_t*>(static_cast<unsigned char*>(argb->pixels) + y * argb->pitch);
            for (int x = 0; x < argb->w; ++x) {
                if (row[x] == colorKey) row[x] = 0;
            }
        }
    }
    SDL_Texture* sdlTexture = platform::sdl::createTexture(sdl->renderer(), argb);
    const UINT w = static_cast<UINT>(argb->w), h = static_cast<UINT>(argb->h);
    SDL_FreeSurface(argb);
    if (!sdlTexture) return E_OUTOFMEMORY;
    if (info) *info = D3DXIMAGE_INFO{w, h};
    texture = std::make_unique<platform::sdl::SdlTexture>(sdl->lifetime(), sdlTexture, w, h);
    return S_OK;
}
