// One level-like frame (a full-screen floor, a full-screen HUD overlay, 40 turned and
// scaled 80 x 80 sprites, four lines of text) drawn through the game's Graphics, and
// the same pictures drawn with bare SDL calls on the same renderer, for the ratio.

#include <SDL.h>
#include <SDL_ttf.h>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "engine/Graphics.h"
#include "engine/Image.h"
#include "engine/TextDX.h"
#include "engine/TextureManager.h"
#include "platform/sdl/d3dx/D3DXInternal.h"

namespace {

const char* const lines[4] = {" 6 ", " 125 ", " 42 ", "fps 200 "};

struct Scene {
    Scene()
    {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        std::filesystem::current_path(GROCERUSH_SOURCE_DIR);
        graphics.initialize(nullptr, 1024, 768, false);
        floorTexture.initialize(&graphics, "resources\\images\\floor1.png");
        hudTexture.initialize(&graphics, "resources\\images\\HUD.png");
        productTexture.initialize(&graphics, "resources\\images\\pickupTextures1.png");
        floor.initialize(&graphics, 0, 0, 0, &floorTexture);
        hud.initialize(&graphics, 0, 0, 0, &hudTexture);
        products.resize(40);
        for (int i = 0; i < 40; ++i) {
            Image& p = products[static_cast<size_t>(i)];
            p.initialize(&graphics, 80, 80, 5, &productTexture);
            p.setCurrentFrame(i % 30);
            p.setX(static_cast<float>(150 + (i % 8) * 100));
            p.setY(static_cast<float>(50 + (i / 8) * 130));
            p.setScale(0.7f + 0.01f * i);
            p.setDegrees(static_cast<float>(i * 9));
        }
        font.initialize(&graphics, 50, false, false, "Stencil");
        renderer = platform::sdl::sdlDevice(graphics.getDevice())->renderer();
    }

    SDL_Texture* sdlTexture(TextureManager& m)
    {
        // The bare version draws the very same textures.
        return static_cast<platform::sdl::SdlTexture*>(m.getTexture())->live();
    }

    Graphics graphics;
    TextureManager floorTexture, hudTexture, productTexture;
    Image floor, hud;
    std::vector<Image> products;
    TextDX font;
    SDL_Renderer* renderer = nullptr;
};

Scene& scene()
{
    static Scene s;
    return s;
}

void ThroughGraphics(benchmark::State& state)
{
    Scene& s = scene();
    for (auto _ : state) {
        s.graphics.beginScene();
        s.graphics.spriteBegin();
        s.floor.draw();
        s.hud.draw();
        for (Image& p : s.products) p.draw();
        s.font.setFontColor(graphicsNS::BLACK);
        for (int i = 0; i < 4; ++i) s.font.print(lines[i], 10, 30 + 160 * i);
        s.graphics.spriteEnd();
        s.graphics.endScene();
        s.graphics.showBackbuffer();
    }
}
BENCHMARK(ThroughGraphics)->Unit(benchmark::kMillisecond);

void BareSdl(benchmark::State& state)
{
    Scene& s = scene();
    SDL_Renderer* r = s.renderer;
    SDL_Texture* floor = s.sdlTexture(s.floorTexture);
    SDL_Texture* hud = s.sdlTexture(s.hudTexture);
    SDL_Texture* products = s.sdlTexture(s.productTexture);
    // Text as a bare program would draw it: each line rendered once, then copied.
    TTF_Font* ttf = TTF_OpenFont("/usr/share/fonts/opentype/allerta/allerta_stencil.otf", 40);
    std::vector<SDL_Texture*> text;
    for (const char* line : lines) {
        SDL_Surface* surface = TTF_RenderText_Blended(ttf, line, SDL_Color{0, 0, 0, 255});
        text.push_back(SDL_CreateTextureFromSurface(r, surface));
        SDL_FreeSurface(surface);
    }
    for (auto _ : state) {
        SDL_SetRenderDrawColor(r, 0, 0, 128, 255);
        SDL_RenderClear(r);
        SDL_RenderCopy(r, floor, nullptr, nullptr);
        SDL_RenderCopy(r, hud, nullptr, nullptr);
        for (Image& p : s.products) {
            const RECT src = p.getSourceRect();
            const SDL_Rect from{src.left, src.top, 80, 80};
            const float size = 80 * p.getScale();
            const SDL_FRect to{p.getX() + 40 * p.getScale() * (1 - p.getScale()), p.getY() + 40 * p.getScale() * (1 - p.getScale()),
                               size, size};
            SDL_RenderCopyExF(r, products, &from, &to, p.getDegrees(), nullptr, SDL_FLIP_NONE);
        }
        for (std::size_t i = 0; i < text.size(); ++i) {
            int w = 0, h = 0;
            SDL_QueryTexture(text[i], nullptr, nullptr, &w, &h);
            const SDL_Rect to{10, static_cast<int>(30 + 160 * i), w, h};
            SDL_RenderCopy(r, text[i], nullptr, &to);
        }
        SDL_RenderPresent(r);
    }
    for (SDL_Texture* t : text) SDL_DestroyTexture(t);
    TTF_CloseFont(ttf);
}
BENCHMARK(BareSdl)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
