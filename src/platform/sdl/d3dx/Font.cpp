#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>
#include <limits.h>
#include <stdlib.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "../../Files.h"
#include "D3DXInternal.h"

namespace platform::sdl {

namespace {

// The game's own face names are mapped to free fonts by this file.
const char* const fontSettingsFile = "resources\\fonts\\fonts.conf";

FcConfig* fontConfig()
{
    static FcConfig* config = [] {
        FcConfig* c = FcInitLoadConfigAndFonts();
        // fontconfig resolves a relative path against its own folder, so hand it the full one.
        char absolute[PATH_MAX];
        if (c && realpath(nativePath(fontSettingsFile).c_str(), absolute)) {
            FcConfigParseAndLoad(c, reinterpret_cast<const FcChar8*>(absolute), FcFalse);
        }
        return c;
    }();
    return config;
}

struct FaceMatch {
    FontMatch names;
    int index = 0;
    int weight = FC_WEIGHT_REGULAR;
    int slant = FC_SLANT_ROMAN;
};

bool findFont(const char* faceName, bool bold, bool italic, FaceMatch& out)
{
    FcConfig* config = fontConfig();
    if (!config) return false;
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(faceName ? faceName : ""));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match) return false;
    FcChar8* value = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &value) == FcResultMatch) out.names.file = reinterpret_cast<char*>(value);
    if (FcPatternGetString(match, FC_FAMILY, 0, &value) == FcResultMatch) out.names.family = reinterpret_cast<char*>(value);
    if (FcPatternGetString(match, FC_STYLE, 0, &value) == FcResultMatch) out.names.style = reinterpret_cast<char*>(value);
    FcPatternGetInteger(match, FC_INDEX, 0, &out.index);
    FcPatternGetInteger(match, FC_WEIGHT, 0, &out.weight);
    FcPatternGetInteger(match, FC_SLANT, 0, &out.slant);
    FcPatternDestroy(match);
    return !out.names.file.empty();
}

// Opens the font so that its cell (ascent plus descent) is exactly `height` pixels,
// which is what a font asked for by height means; whole point sizes at one fixed
// resolution cannot hit every height, so the resolution is searched instead.
TTF_Font* openAtCellHeight(const FaceMatch& match, int height)
{
    TTF_Font* font = TTF_OpenFontIndexDPI(match.names.file.c_str(), height, match.index, 72, 72);
    if (!font) return nullptr;
    const int atDefault = std::max(1, TTF_FontHeight(font));
    unsigned dpi = static_cast<unsigned>(std::lround(72.0 * height / atDefault));
    unsigned best = dpi;
    int bestError = INT_MAX;
    for (int step = 0; step < 40; ++step) {
        dpi = std::clamp(dpi, 8u, 1000u);
        TTF_SetFontSizeDPI(font, height, dpi, dpi);
        const int got = TTF_FontHeight(font);
        const int error = std::abs(got - height);
        if (error < bestError || (error == bestError && got < height)) {
            bestError = error;
            best = dpi;
        }
        if (got == height) break;
        dpi = got < height ? dpi + 1 : dpi - 1;
    }
    TTF_SetFontSizeDPI(font, height, best, best);
    return font;
}

constexpr int firstChar = 32;
constexpr int charCount = 256 - firstChar;

struct Glyph {
    bool present = false;
    int advance = 0;
    int originX = 0; // the pen position inside the glyph's cell
    int cellW = 0;
    int atlasX = 0, atlasY = 0;
};

struct Line {
    int begin, end; // character range of the text
    int width;
};

class SdlFont final : public ID3DXFont {
public:
    SdlFont(IDirect3DDevice9* d, TTF_Font* f, const FaceMatch& m) : device(sdlDevice(d)), ttf(f), match(m), ownSprite(d)
    {
        buildAtlas();
        lines.reserve(64);
    }

    ~SdlFont() override
    {
        OnLostDevice();
        if (atlasSurface) SDL_FreeSurface(atlasSurface);
        TTF_CloseFont(ttf);
    }

    bool valid() const { return atlasSurface != nullptr; }

    int DrawTextA(ID3DXSprite* sprite, const char* text, int count, RECT* rect, DWORD format, D3DCOLOR color) override;

    HRESULT OnLostDevice() override
    {
        if (atlas && atlasLife && atlasLife->alive && atlasLife->generation == atlasGeneration && atlasLife->renderer) {
            SDL_DestroyTexture(atlas);
        }
        atlas = nullptr;
        return S_OK;
    }

    HRESULT OnResetDevice() override
    {
        liveAtlas();
        return S_OK;
    }

    FontMatch Match() const override { return match.names; }

private:
    void buildAtlas();
    SDL_Texture* liveAtlas();
    void layout(const unsigned char* text, int length, int maxWidth, bool wrap, bool singleLine);
    int charWidth(const unsigned char* text, int i) const;

    SdlDevice* device;
    TTF_Font* ttf;
    FaceMatch match;
    SdlSprite ownSprite;
    int lineHeight = 0;
    std::array<Glyph, charCount> glyphs{};
    SDL_Surface* atlasSurface = nullptr;
    SDL_Texture* atlas = nullptr;
    std::shared_ptr<DeviceLife> atlasLife;
    unsigned atlasGeneration = 0;
    std::vector<Line> lines;
};

void SdlFont::buildAtlas()
{
    lineHeight = TTF_FontHeight(ttf);
    const SDL_Color white{255, 255, 255, 255};
    std::array<SDL_Surface*, charCount> rendered{};
    const int atlasWidth = 1024;
    int x = 0, y = 0;
    for (int i = 0; i < charCount; ++i) {
        const Uint32 ch = static_cast<Uint32>(firstChar + i);
        if (ch > 126 && ch < 160) continue;
        Glyph& g = glyphs[i];
        int minx = 0, maxx = 0, miny = 0, maxy = 0, advance = 0;
        if (!TTF_GlyphIsProvided32(ttf, ch) || TTF_GlyphMetrics32(ttf, ch, &minx, &maxx, &miny, &maxy, &advance) != 0) {
            continue;
        }
        g.advance = advance;
        SDL_Surface* surface = ch == ' ' ? nullptr : TTF_RenderGlyph32_Blended(ttf, ch, white);
        if (surface) {
            SDL_Surface* argb = SDL_ConvertSurfaceFormat(surface, SDL_PIXELFORMAT_ARGB8888, 0);
            SDL_FreeSurface(surface);
            surface = argb;
        }
        g.present = true;
        if (!surface) continue;
        // A glyph that reaches left of its pen position is rendered shifted right by that much.
        g.originX = minx < 0 ? -minx : 0;
        g.cellW = surface->w;
        if (x + g.cellW + 1 > atlasWidth) {
            x = 0;
            y += lineHeight + 1;
        }
        g.atlasX = x;
        g.atlasY = y;
        x += g.cellW + 1;
        rendered[i] = surface;
    }
    const int atlasHeight = y + lineHeight + 1;
    atlasSurface = SDL_CreateRGBSurfaceWithFormat(0, atlasWidth, atlasHeight, 32, SDL_PIXELFORMAT_ARGB8888);
    if (atlasSurface) SDL_FillRect(atlasSurface, nullptr, 0x00FFFFFF);
    for (int i = 0; i < charCount; ++i) {
        if (!rendered[i]) continue;
        if (atlasSurface) {
            SDL_SetSurfaceBlendMode(rendered[i], SDL_BLENDMODE_NONE);
            SDL_Rect to{glyphs[i].atlasX, glyphs[i].atlasY, rendered[i]->w, rendered[i]->h};
            SDL_BlitSurface(rendered[i], nullptr, atlasSurface, &to);
        }
        SDL_FreeSurface(rendered[i]);
    }
}

SDL_Texture* SdlFont::liveAtlas()
{
    const auto& life = device->lifetime();
    if (atlas && atlasLife == life && life->generation == atlasGeneration) return atlas;
    if (atlas) OnLostDevice();
    if (!atlasSurface || !life->renderer) return nullptr;
    atlas = createTexture(life->renderer, atlasSurface);
    atlasLife = life;
    atlasGeneration = life->generation;
    return atlas;
}

int SdlFont::charWidth(const unsigned char* text, int i) const
{
    const int c = text[i];
    if (c < firstChar) return 0;
    int width = glyphs[c - firstChar].present ? glyphs[c - firstChar].advance : 0;
    if (i > 0 && text[i - 1] >= firstChar) {
        width += TTF_GetFontKerningSizeGlyphs32(ttf, text[i - 1], static_cast<Uint32>(c));
    }
    return width;
}

void SdlFont::layout(const unsigned char* text, int length, int maxWidth, bool wrap, bool singleLine)
{
    lines.clear();
    int lineBegin = 0;
    int width = 0;
    int lastSpace = -1;
    int widthAtSpace = 0;
    for (int i = 0; i < length; ++i) {
        const unsigned char c = text[i];
        if (c == '\n' && !singleLine) {
            lines.push_back(Line{lineBegin, i, width});
            lineBegin = i + 1;
            width = 0;
            lastSpace = -1;
            continue;
        }
        const int w = charWidth(text, i);
        if (wrap && c != ' ' && width + w > maxWidth && lastSpace >= lineBegin) {
            // Break at the last space; the space itself is dropped.
            lines.push_back(Line{lineBegin, lastSpace, widthAtSpace});
            lineBegin = lastSpace + 1;
            width = 0;
            for (int j = lineBegin; j < i; ++j) width += charWidth(text, j);
            lastSpace = -1;
        }
        if (c == ' ') {
            lastSpace = i;
            widthAtSpace = width;
        }
        width += w;
    }
    lines.push_back(Line{lineBegin, length, width});
}

int SdlFont::DrawTextA(ID3DXSprite* sprite, const char* text, int count, RECT* rect, DWORD format, D3DCOLOR color)
{
    if (!text || !rect) return 0;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    int length = count < 0 ? static_cast<int>(std::strlen(text)) : count;
    const int boxWidth = rect->right - rect->left;
    layout(bytes, length, boxWidth, (format & DT_WORDBREAK) != 0, (format & DT_SINGLELINE) != 0);
    const int textHeight = static_cast<int>(lines.size()) * lineHeight;
    int maxWidth = 0;
    for (const Line& line : lines) maxWidth = std::max(maxWidth, line.width);

    if (format & DT_CALCRECT) {
        if (format & DT_CENTER) {
            // Measured text stays centred where it would be drawn.
            const int middle = (rect->left + rect->right) / 2;
            rect->left = middle - maxWidth / 2;
            rect->right = rect->left + maxWidth;
        } else if (format & DT_RIGHT) {
            rect->left = rect->right - maxWidth;
        } else {
            rect->right = rect->left + maxWidth;
        }
        rect->bottom = rect->top + textHeight;
        return textHeight;
    }

    SDL_Texture* texture = liveAtlas();
    if (!texture) return textHeight;
    SdlSprite* target = sprite ? static_cast<SdlSprite*>(sprite) : &ownSprite;
    const bool own = !sprite || !target->inBatch();
    if (own) {
        if (!sprite) {
            D3DXMATRIX identity;
            target->SetTransform(D3DXMatrixIdentity(&identity));
        }
        target->Begin(D3DXSPRITE_ALPHABLEND);
    }
    float top = static_cast<float>(rect->top);
    if ((format & DT_SINGLELINE) && (format & DT_VCENTER)) top = (rect->top + rect->bottom - textHeight) / 2.0f;
    else if ((format & DT_SINGLELINE) && (format & DT_BOTTOM)) top = static_cast<float>(rect->bottom - textHeight);
    const bool clip = (format & DT_NOCLIP) == 0;
    const float clipL = static_cast<float>(rect->left), clipR = static_cast<float>(rect->right);
    const float clipT = static_cast<float>(rect->top), clipB = static_cast<float>(rect->bottom);
    const float texW = static_cast<float>(atlasSurface->w), texH = static_cast<float>(atlasSurface->h);
    for (const Line& line : lines) {
        float pen = static_cast<float>(rect->left);
        if (format & DT_CENTER) pen = std::floor((rect->left + rect->right - line.width) / 2.0f);
        else if (format & DT_RIGHT) pen = static_cast<float>(rect->right - line.width);
        for (int i = line.begin; i < line.end; ++i) {
            const int c = bytes[i];
            if (c < firstChar) continue;
            const int kerning = i > line.begin ? charWidth(bytes, i) - glyphs[c - firstChar].advance : 0;
            pen += static_cast<float>(kerning);
            const Glyph& g = glyphs[c - firstChar];
            if (g.present && g.cellW > 0) {
                float x0 = pen - static_cast<float>(g.originX), x1 = x0 + static_cast<float>(g.cellW);
                float y0 = top, y1 = top + static_cast<float>(lineHeight);
                float u0 = static_cast<float>(g.atlasX), u1 = u0 + static_cast<float>(g.cellW);
                float v0 = static_cast<float>(g.atlasY), v1 = v0 + static_cast<float>(lineHeight);
                bool visible = true;
                if (clip) {
                    if (x0 < clipL) { u0 += clipL - x0; x0 = clipL; }
                    if (x1 > clipR) { u1 -= x1 - clipR; x1 = clipR; }
                    if (y0 < clipT) { v0 += clipT - y0; y0 = clipT; }
                    if (y1 > clipB) { v1 -= y1 - clipB; y1 = clipB; }
                    visible = x1 > x0 && y1 > y0;
                }
                if (visible) target->drawQuad(texture, texW, texH, x0, y0, x1, y1, u0, v0, u1, v1, color);
            }
            if (g.present) pen += static_cast<float>(g.advance);
        }
        top += static_cast<float>(lineHeight);
    }
    if (own) target->End();
    return textHeight;
}

} // namespace

FontMatch resolveFontMatch(const char* faceName, bool bold, bool italic)
{
    FaceMatch match;
    findFont(faceName, bold, italic, match);
    return match.names;
}

} // namespace platform::sdl

platform::FontMatch platform::resolveFont(const char* faceName, bool bold, bool italic)
{
    return sdl::resolveFontMatch(faceName, bold, italic);
}

HRESULT D3DXCreateFontA(IDirect3DDevice9* device, int height, UINT, UINT weight, UINT, bool italic, DWORD, DWORD, DWORD,
                        DWORD, const char* faceName, std::unique_ptr<ID3DXFont>& font)
{
    using namespace platform::sdl;
    font.reset();
    if (!device || height <= 0) return D3DERR_INVALIDCALL;
    if (!TTF_WasInit() && TTF_Init() != 0) return E_FAIL;
    const bool bold = weight >= 600;
    FaceMatch match;
    if (!findFont(faceName, bold, italic, match)) return D3DXERR_INVALIDDATA;
    TTF_Font* ttf = openAtCellHeight(match, height);
    if (!ttf) return D3DXERR_INVALIDDATA;
    int style = TTF_STYLE_NORMAL;
    // Faces without a bold or italic cut are given one, as the system would.
    if (bold && match.weight < FC_WEIGHT_DEMIBOLD) style |= TTF_STYLE_BOLD;
    if (italic && match.slant == FC_SLANT_ROMAN) style |= TTF_STYLE_ITALIC;
    TTF_SetFontStyle(ttf, style);
    TTF_SetFontHinting(ttf, TTF_HINTING_LIGHT);
    auto created = std::make_unique<SdlFont>(device, ttf, match);
    if (!created->valid()) return E_OUTOFMEMORY;
    font = std::move(created);
    return S_OK;
}
