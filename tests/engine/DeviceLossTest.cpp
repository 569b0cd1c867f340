#include <gtest/gtest.h>

#include "app/Session.h"
#include "engine/Image.h"
#include "engine/TextDX.h"
#include "engine/TextureManager.h"
#include "platform/Direct3D.h"
#include "platform/Messages.h"
#include "platform/Timer.h"
#include "support/TestSupport.h"

namespace {

// Draws one picture and one line of text every frame, and counts the device protocol.
class PictureGame : public Game {
public:
    explicit PictureGame(std::string file) : picture(std::move(file)) {}
    void initialize(HWND window) override
    {
        Game::initialize(window);
        graphics->setBackColor(graphicsNS::BLACK);
        textures.initialize(graphics, picture);
        image.initialize(graphics, 0, 0, 0, &textures);
        image.setX(100);
        image.setY(100);
        font.initialize(graphics, 30, false, false, "Arial");
    }
    void update() override {}
    void ai() override {}
    void collisions() override {}
    void render() override
    {
        ++renders;
        graphics->spriteBegin();
        image.draw();
        font.print("Still here", 400, 400);
        graphics->spriteEnd();
    }
    void releaseAll() override
    {
        ++releases;
        textures.onLostDevice();
        font.onLostDevice();
        Game::releaseAll();
    }
    void resetAll() override
    {
        ++resets;
        textures.onResetDevice();
        font.onResetDevice();
        Game::resetAll();
    }

    std::string picture;
    TextureManager textures;
    Image image;
    TextDX font;
    int renders = 0, releases = 0, resets = 0;
};

class DeviceLoss : public ::testing::Test {
protected:
    void SetUp() override
    {
        testing_support::writePng(dir.path() / "square.png", 50, 50, std::vector<std::uint32_t>(2500, 0xFFFFFFFF));
        game = new PictureGame((dir.path() / "square.png").string());
        session = std::make_unique<app::Session>(game);
        session->start();
        platform::captureFrames(*game->getGraphics()->getDevice(), true);
    }

    // True when the last presented frame shows the square and the text.
    bool pictureAndTextShow()
    {
        std::vector<std::uint32_t> pixels;
        int w = 0, h = 0;
        if (!platform::lastFrame(*game->getGraphics()->getDevice(), pixels, w, h)) return false;
        const auto lit = [&](int x0, int y0, int x1, int y1) {
            for (int y = y0; y < y1; ++y) {
                for (int x = x0; x < x1; ++x) {
                    if (pixels[static_cast<size_t>(y) * w + x] & 0xFFFFFF) return true;
                }
            }
            return false;
        };
        return (pixels[125 * w + 125] & 0xFFFFFF) == 0xFFFFFF && lit(400, 400, 600, 430) && !lit(700, 100, 800, 200);
    }

    testing_support::TempDir dir;
    PictureGame* game = nullptr;
    std::unique_ptr<app::Session> session;
};

TEST_F(DeviceLoss, ALostDeviceSleepsEachFrameThenIsResetAndEverythingDrawsAgain)
{
    session->frame();
    ASSERT_TRUE(pictureAndTextShow());

    platform::simulateDeviceLoss(*game->getGraphics()->getDevice(), 2);
    const DWORD slept = platform::virtualSleepTotal();
    session->frame();
    session->frame();
    EXPECT_EQ(platform::virtualSleepTotal() - slept, 200u) << "100 ms for each frame the device stays lost";
    EXPECT_EQ(game->releases, 0);

    session->frame(); // now it can be reset
    EXPECT_EQ(game->releases, 1);
    EXPECT_EQ(game->resets, 1);

    session->frame();
    EXPECT_TRUE(pictureAndTextShow()) << "the picture and the font were made again on the new device";
}

TEST_F(DeviceLoss, EscapeHeldInAWindowDoesNotReloadAnything)
{
    session->keyDown(VK_ESCAPE);
    session->frames(10);
    EXPECT_EQ(game->releases, 0);
    EXPECT_EQ(game->resets, 0);
    EXPECT_FALSE(game->getGraphics()->getFullscreen());
}

TEST_F(DeviceLoss, AltEnterTogglesFullScreenThroughTheReleaseAndResetProtocol)
{
    session->keyDown(VK_MENU);
    session->press(VK_RETURN);
    session->frame();
    EXPECT_TRUE(game->getGraphics()->getFullscreen());
    EXPECT_EQ(game->releases, 1);
    EXPECT_EQ(game->resets, 1);
    session->keyUp(VK_MENU);
    session->frame();
    EXPECT_TRUE(pictureAndTextShow());

    session->keyDown(VK_ESCAPE); // back to a window, once, however long it is held
    session->frames(5);
    EXPECT_FALSE(game->getGraphics()->getFullscreen());
    EXPECT_EQ(game->releases, 2);
    EXPECT_EQ(game->resets, 2);
    int w = 0, h = 0;
    ASSERT_TRUE(platform::getClientSize(session->window(), w, h));
    EXPECT_EQ(w, 1024);
    EXPECT_EQ(h, 768);
}

} // namespace
