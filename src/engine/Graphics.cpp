#include "Graphics.h"

#include <cstring>

#include "GameError.h"

Graphics::Graphics()
    : presentParameters{}, displayMode{}, result(E_FAIL), window(nullptr), fullscreen(false), width(1024), height(768),
      backColor(graphicsNS::BACK_COLOR)
{
}

Graphics::~Graphics() { releaseAll(); }

void Graphics::releaseAll()
{
    sprite.reset();
    device3d.reset();
    direct3d.reset();
}

void Graphics::initialize(HWND w, int wide, int high, bool full)
{
    window = w;
    width = wide;
    height = high;
    fullscreen = full;

    direct3d = Direct3DCreate9(D3D_SDK_VERSION);
    if (!direct3d) throw GameError(gameErrorNS::FATAL_ERROR, "Error initializing Direct3D");

    initPresentParameters();
    if (fullscreen) {
        if (isAdapterCompatible()) {
            presentParameters.FullScreen_RefreshRateInHz = displayMode.RefreshRate;
        } else {
            throw GameError(gameErrorNS::FATAL_ERROR,
                            "The graphics device does not support the specified resolution and/or format.");
        }
    }

    D3DCAPS9 caps{};
    direct3d->GetDeviceCaps(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, &caps);
    const DWORD behaviour = ((caps.DevCaps & D3DDEVCAPS_HWTRANSFORMANDLIGHT) == 0 || caps.VertexShaderVersion < D3DVS_VERSION(1, 1))
                                ? D3DCREATE_SOFTWARE_VERTEXPROCESSING
                                : D3DCREATE_HARDWARE_VERTEXPROCESSING;

    result = direct3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, window, behaviour, &presentParameters, device3d);
    if (FAILED(result)) throw GameError(gameErrorNS::FATAL_ERROR, "Error creating Direct3D device");

    result = D3DXCreateSprite(device3d.get(), sprite);
    if (FAILED(result)) throw GameError(gameErrorNS::FATAL_ERROR, "Error creating Direct3D sprite");

    device3d->SetRenderState(D3DRS_BLENDOP, D3DBLENDOP_ADD);
    device3d->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    device3d->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
}

void Graphics::initPresentParameters()
{
    std::memset(&presentParameters, 0, sizeof presentParameters);
    presentParameters.BackBufferWidth = static_cast<UINT>(width);
    presentParameters.BackBufferHeight = static_cast<UINT>(height);
    presentParameters.BackBufferFormat = fullscreen ? D3DFMT_X8R8G8B8 : D3DFMT_UNKNOWN;
    presentParameters.BackBufferCount = 1;
    presentParameters.SwapEffect = D3DSWAPEFFECT_DISCARD;
    presentParameters.hDeviceWindow = window;
    presentParameters.Windowed = !fullscreen;
    presentParameters.PresentationInterval = D3DPRESENT_INTERVAL_IMMEDIATE;
}

bool Graphics::isAdapterCompatible()
{
    const UINT modes = direct3d->GetAdapterModeCount(D3DADAPTER_DEFAULT, presentParameters.BackBufferFormat);
    for (UINT i = 0; i < modes; ++i) {
        result = direct3d->EnumAdapterModes(D3DADAPTER_DEFAULT, presentParameters.BackBufferFormat, i, &displayMode);
        if (displayMode.Height == presentParameters.BackBufferHeight && displayMode.Width == presentParameters.BackBufferWidth
            && displayMode.RefreshRate >= presentParameters.FullScreen_RefreshRateInHz) {
            return true;
        }
    }
    return false;
}

HRESULT Graphics::loadTexture(const char* file, COLOR_ARGB transparentColor, UINT& w, UINT& h,
                              std::unique_ptr<IDirect3DTexture9>& texture)
{
    result = E_FAIL;
    if (!file) {
        texture.reset();
        return D3DERR_INVALIDCALL;
    }
    D3DXIMAGE_INFO info{};
    result = D3DXGetImageInfoFromFileA(file, &info);
    if (result != S_OK) return result;
    w = info.Width;
    h = info.Height;
    result = D3DXCreateTextureFromFileExA(device3d.get(), file, info.Width, info.Height, transparentColor, &info, texture);
    return result;
}

void Graphics::drawSprite(const SpriteData& spriteData, COLOR_ARGB color)
{
    if (!spriteData.texture || !sprite) return;

    // The centre is computed with whole-pixel halves, then scaled: the image scales
    // and turns about that point.
    const D3DXVECTOR2 spriteCenter(static_cast<float>(spriteData.width / 2) * spriteData.scale,
                             static_cast<float>(spriteData.height / 2) * spriteData.scale);
    const D3DXVECTOR2 translate(spriteData.x, spriteData.y);
    const D3DXVECTOR2 scaling(spriteData.scale, spriteData.scale);
    D3DXMATRIX matrix;
    D3DXMatrixTransformation2D(&matrix, &spriteCenter, 0.0f, &scaling, &spriteCenter, spriteData.angle, &translate);
    if (spriteData.flipHorizontal || spriteData.flipVertical) {
        // Mirror the frame within its own rectangle first, so that a flipped image
        // stays exactly where the unflipped one is and turns about the same point.
        D3DXMATRIX mirror;
        D3DXMatrixIdentity(&mirror);
        if (spriteData.flipHorizontal) {
            mirror.m[0][0] = -1;
            mirror.m[3][0] = static_cast<float>(spriteData.width);
        }
        if (spriteData.flipVertical) {
            mirror.m[1][1] = -1;
            mirror.m[3][1] = static_cast<float>(spriteData.height);
        }
        D3DXMatrixMultiply(&matrix, &mirror, &matrix);
    }
    sprite->SetTransform(&matrix);
    sprite->Draw(spriteData.texture, &spriteData.rect, color);
}

HRESULT Graphics::createVertexBuffer(const VertexC vertices[], UINT size, std::unique_ptr<IDirect3DVertexBuffer9>& buffer)
{
    result = E_FAIL;
    if (!device3d) return result;
    result = device3d->CreateVertexBuffer(size, D3DUSAGE_WRITEONLY, D3DFVF_VERTEX, buffer);
    if (SUCCEEDED(result) && buffer) result = buffer->Fill(vertices, size);
    return result;
}

bool Graphics::drawQuad(LP_VERTEXBUFFER buffer)
{
    if (!buffer || !device3d) return false;
    device3d->SetRenderState(D3DRS_ALPHABLENDENABLE, 1);
    result = device3d->DrawTriangleFan(*buffer, 0, 2);
    device3d->SetRenderState(D3DRS_ALPHABLENDENABLE, 0);
    return SUCCEEDED(result);
}

HRESULT Graphics::getDeviceState()
{
    result = E_FAIL;
    if (!device3d) return result;
    result = device3d->TestCooperativeLevel();
    return result;
}

HRESULT Graphics::reset()
{
    result = E_FAIL;
    if (!device3d) return result;
    initPresentParameters();
    if (sprite) sprite->OnLostDevice();
    result = device3d->Reset(&presentParameters);
    device3d->SetRenderState(D3DRS_BLENDOP, D3DBLENDOP_ADD);
    device3d->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    device3d->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    if (sprite) sprite->OnResetDevice();
    return result;
}

void Graphics::changeDisplayMode(graphicsNS::DISPLAY_MODE mode)
{
    try {
        switch (mode) {
        case graphicsNS::FULLSCREEN:
            if (fullscreen) return;
            fullscreen = true;
            break;
        case graphicsNS::WINDOW:
            if (!fullscreen) return;
            fullscreen = false;
            break;
        default:
            fullscreen = !fullscreen;
        }
        reset();
        if (!fullscreen) platform::setClientSize(window, width, height);
    } catch (...) {
        // A window that stays usable matters more than the mode that was asked for.
        fullscreen = false;
        platform::setClientSize(window, width, height);
    }
}

HRESULT Graphics::beginScene()
{
    result = E_FAIL;
    if (!device3d) return result;
    device3d->Clear(D3DCLEAR_TARGET, backColor, 1.0f, 0);
    result = device3d->BeginScene();
    return result;
}

HRESULT Graphics::endScene()
{
    result = E_FAIL;
    if (device3d) result = device3d->EndScene();
    return result;
}

HRESULT Graphics::showBackbuffer()
{
    result = E_FAIL;
    if (device3d) result = device3d->Present();
    return result;
}

void Graphics::spriteBegin()
{
    if (sprite) sprite->Begin(D3DXSPRITE_ALPHABLEND);
}

void Graphics::spriteEnd()
{
    if (sprite) sprite->End();
}
