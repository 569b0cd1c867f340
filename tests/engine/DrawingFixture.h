#pragma once
// A Graphics object on the offscreen software target, with helpers to draw one
// frame and look at its pixels.

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "engine/Graphics.h"
#include "engine/Image.h"
#include "engine/TextureManager.h"
#include "platform/Direct3D.h"
#include "support/TestSupport.h"

struct InkBox {
    int left = -1, top = -1, right = -1, bottom = -1; // inclusive; -1 when nothing was drawn
    bool empty() const { return left < 0; }
};

class Drawing : public ::testing::Test {
protected:
    void SetUp() override
    {
        graphics.initialize(nullptr, width, height, false);
        graphics.setBackColor(graphicsNS::BLACK);
    }

    // Draws one frame with `draw` inside the sprite batch and reads it back.
    void frame(const std::function<void()>& draw)
    {
        ASSERT_EQ(graphics.beginScene(), S_OK);
        graphics.spriteBegin();
        draw();
        graphics.spriteEnd();
        graphics.endScene();
        int w = 0, h = 0;
        ASSERT_TRUE(platform::readPixels(*graphics.getDevice(), pixels, w, h));
        ASSERT_EQ(w, width);
        ASSERT_EQ(h, height);
    }

    std::uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x] & 0x00FFFFFF; }

    // The box of pixels that differ from the black background.
    InkBox ink() const
    {
        InkBox box;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if (at(x, y) == 0) continue;
                if (box.empty()) box = InkBox{x, y, x, y};
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y);
            }
        }
        return box;
    }

    // A picture file of solid or patterned pixels, loaded into a texture manager.
    void makePicture(TextureManager& manager, const char* name, int w, int h, const std::vector<std::uint32_t>& argb)
    {
        const auto file = dir.path() / name;
        testing_support::writePng(file, w, h, argb);
        ASSERT_TRUE(manager.initialize(&graphics, file.string()));
        ASSERT_NE(manager.getTexture(), nullptr);
    }

    std::vector<std::uint32_t> solid(int w, int h, std::uint32_t color) { return std::vector<std::uint32_t>(w * h, color); }

    int width = 1024;
    int height = 768;
    Graphics graphics;
    std::vector<std::uint32_t> pixels;
    testing_support::TempDir dir;
};
