#include <SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "support/TestSupport.h"

namespace {

// Every picture the game loads, by the name its code uses, with the frame grid the
// code cuts it into and the frames it shows. A frame size of 0 means the whole picture.
struct Sheet {
    const char* name;
    int frameWidth, frameHeight, columns;
    std::vector<int> frames;
    int width = 0, height = 0; // the whole picture's size, where it is fixed
};

std::vector<int> range(int first, int last)
{
    std::vector<int> frames;
    for (int f = first; f <= last; ++f) frames.push_back(f);
    return frames;
}

const std::vector<Sheet>& sheets()
{
    static const std::vector<Sheet> all = {
        {"shoppingCart.png", 120, 120, 4, {0, 1, 2, 3, 33}},
        {"pickupTextures1.png", 80, 80, 5, {0, 1, 3, 6, 7, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 32}},
        {"checklistUI.png", 150, 40, 6, range(0, 39)},
        {"sceneryTextures.png", 66, 172, 9, {0, 1, 2, 4, 5, 6, 7, 8}},
        {"obstacles.png", 100, 100, 4, range(0, 10)},
        {"marker.png", 0, 0, 1, {}, 20, 20},
        {"checkout.png", 200, 200, 1, {0}, 200, 200},
        {"checkoutLights.png", 200, 200, 2, {0, 1}},
        {"arrows.png", 80, 150, 1, {0}, 80, 150},
        {"arrowLights.png", 80, 150, 3, {0, 1, 2}},
        {"stopWatch.png", 150, 150, 1, {0}, 150, 150},
        {"HUD.png", 0, 0, 1, {0}, 1024, 768},
        {"levelobjectives.png", 700, 500, 5, range(0, 9)},
        {"largeScales.png", 857, 632, 1, {0}, 857, 632},
        {"scaleLights.png", 857, 632, 3, range(0, 8)},
        {"scaleArrows.png", 857, 632, 3, range(0, 8)},
        {"miniScale.png", 100, 75, 1, {0}, 100, 75},
        {"wasteBin.png", 100, 75, 1, {0}, 100, 75},
        {"binBox.png", 0, 0, 1, {0}},
        {"kelbrinLogo.png", 341, 250, 10, range(0, 17)},
        {"vantrelgames.png", 1024, 461, 3, {0, 1, 2}},
        {"Titlescreen3.png", 1024, 768, 1, {0}, 1024, 768},
        {"TitleScreen.png", 1024, 768, 2, {0, 1}},
        {"TitleScreenUi.png", 1024, 768, 6, range(0, 5)},
        {"instructions1.png", 1024, 4100, 2, {0, 1}},
        {"credits.png", 1024, 1400, 2, {0, 1}},
        {"highScore.png", 0, 0, 1, {0}, 1024, 768},
        {"victory.png", 0, 0, 1, {0}, 1024, 768},
        {"gameOver.png", 0, 0, 1, {0}, 1024, 768},
        {"highScoreBox.png", 0, 0, 1, {0}},
        {"floor1.png", 0, 0, 1, {0}, 1024, 768},
        {"floor2.png", 0, 0, 1, {0}, 1024, 768},
        {"floor3.png", 0, 0, 1, {0}, 1024, 768},
        {"floor4.png", 0, 0, 1, {0}, 1024, 768},
        {"floor5.png", 0, 0, 1, {0}, 1024, 768},
        {"floor6.png", 0, 0, 1, {0}, 1024, 768},
        {"floor7.png", 0, 0, 1, {0}, 1024, 768},
        {"floor8.png", 0, 0, 1, {0}, 1024, 768},
        {"floor9.png", 0, 0, 1, {0}, 1024, 768},
        {"floor10.png", 0, 0, 1, {0}, 1024, 768},
    };
    return all;
}

class Pictures : public ::testing::TestWithParam<Sheet> {};

TEST_P(Pictures, FitTheirFrameGridAndEveryFrameShownHasSomethingInIt)
{
    const Sheet& sheet = GetParam();
    // The game lower-cases every picture name before it opens the file.
    std::string file = sheet.name;
    std::transform(file.begin(), file.end(), file.begin(), [](unsigned char c) { return std::tolower(c); });
    const auto path = testing_support::repositoryRoot() / "resources" / "images" / file;
    SDL_Surface* loaded = IMG_Load(path.string().c_str());
    ASSERT_NE(loaded, nullptr) << path << ": " << IMG_GetError();
    SDL_Surface* picture = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(loaded);
    ASSERT_NE(picture, nullptr);

    if (sheet.width) {
        EXPECT_EQ(picture->w, sheet.width);
        EXPECT_EQ(picture->h, sheet.height);
    }
    const int frameW = sheet.frameWidth ? sheet.frameWidth : picture->w;
    const int frameH = sheet.frameHeight ? sheet.frameHeight : picture->h;
    if (sheet.frameWidth) {
        EXPECT_EQ(picture->w, sheet.columns * frameW) << "columns of frames, no more, no less";
    }
    for (int frame : sheet.frames) {
        const int left = (frame % sheet.columns) * frameW, top = (frame / sheet.columns) * frameH;
        ASSERT_LE(left + frameW, picture->w) << "frame " << frame;
        ASSERT_LE(top + frameH, picture->h) << "frame " << frame;
        bool visible = false;
        for (int y = top; y < top + frameH && !visible; ++y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(static_cast<const char*>(picture->pixels) + y * picture->pitch);
            for (int x = left; x < left + frameW; ++x) {
                // The colour key is transparent too.
                if ((row[x] >> 24) != 0 && row[x] != 0xFF00FF00u) {
                    visible = true;
                    break;
                }
            }
        }
        EXPECT_TRUE(visible) << "frame " << frame << " is empty";
    }
    SDL_FreeSurface(picture);
}

INSTANTIATE_TEST_SUITE_P(Art, Pictures, ::testing::ValuesIn(sheets()), [](const auto& info) {
    std::string name;
    for (const char* p = info.param.name; *p && *p != '.'; ++p) name += *p;
    return name;
});

} // namespace
