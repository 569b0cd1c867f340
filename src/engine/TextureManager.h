#pragma once
// Loads picture files into textures and keeps their sizes, so that the textures can
// be released and loaded again around a device reset.

#include <memory>
#include <string>
#include <vector>

#include "Graphics.h"

class TextureManager {
public:
    TextureManager();
    virtual ~TextureManager();
    // One picture file, or a ".txt" list of them (one per line). False only when a
    // list cannot be opened; a picture that does not load leaves a null texture.
    virtual bool initialize(Graphics* graphics, std::string file);
    virtual void onLostDevice();
    virtual void onResetDevice();

    LP_TEXTURE getTexture(UINT n = 0) const { return n < textures.size() ? textures[n].get() : nullptr; }
    UINT getWidth(UINT n = 0) const { return n < textures.size() ? widths[n] : 0; }
    UINT getHeight(UINT n = 0) const { return n < textures.size() ? heights[n] : 0; }
    UINT count() const { return static_cast<UINT>(textures.size()); }
    const std::string& getFileName(UINT n) const { return fileNames[n]; }

private:
    void load(UINT n);

    std::vector<UINT> widths;
    std::vector<UINT> heights;
    std::vector<std::unique_ptr<IDirect3DTexture9>> textures;
    std::vector<std::string> fileNames;
    Graphics* graphics;
    bool initialized;
    HRESULT hr;
};
