#include <fstream>

#include "DrawingFixture.h"

namespace {

struct SpriteCase {
    const char* name;
    float x, y, scale, degrees;
    InkBox expected; // with a tolerance of the renderer's whole-pixel rounding
};

class SpritePlacement : public Drawing, public ::testing::WithParamInterface<SpriteCase> {};

// A 100 x 20 white picture placed, scaled and turned as the game does it.
TEST_P(SpritePlacement, ScalesAndTurnsAboutTheScaledHalfSize)
{
    const SpriteCase& c = GetParam();
    TextureManager manager;
    makePicture(manager, "bar.png", 100, 20, solid(100, 20, 0xFFFFFFFF));
    Image image;
    ASSERT_TRUE(image.initialize(&graphics, 0, 0, 0, &manager));
    image.setX(c.x);
    image.setY(c.y);
    image.setScale(c.scale);
    image.setDegrees(c.degrees);
    frame([&] { image.draw(); });
    const InkBox box = ink();
    ASSERT_FALSE(box.empty());
    EXPECT_NEAR(box.left, c.expected.left, 1);
    EXPECT_NEAR(box.right, c.expected.right, 1);
    EXPECT_NEAR(box.top, c.expected.top, 1);
    EXPECT_NEAR(box.bottom, c.expected.bottom, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Graphics, SpritePlacement,
    ::testing::Values(
        // Scale 1 covers the picture's own size.
        SpriteCase{"ScaleOne", 0, 100, 1.0f, 0, InkBox{0, 100, 99, 119}},
        // Scale 0.5 about the point 25 pixels in: x 12.5 to 62.5.
        SpriteCase{"ScaleHalf", 0, 100, 0.5f, 0, InkBox{13, 103, 62, 112}},
        // Scale 2 about the point 100 pixels in: x 0 to 200.
        SpriteCase{"ScaleTwo", 100, 100, 2.0f, 0, InkBox{0, 80, 199, 119}},
        // A quarter turn about the middle (50, 110): upright, 20 wide and 100 tall.
        SpriteCase{"QuarterTurn", 0, 100, 1.0f, 90, InkBox{40, 60, 59, 159}},
        SpriteCase{"HalfTurnStaysInPlace", 300, 300, 1.0f, 180, InkBox{300, 300, 399, 319}}),
    [](const auto& info) { return std::string(info.param.name); });

class SpriteLooks : public Drawing {
protected:
    // Left half red, right half blue, top row white.
    std::vector<std::uint32_t> halves()
    {
        std::vector<std::uint32_t> p(40 * 10);
        for (int y = 0; y < 10; ++y) {
            for (int x = 0; x < 40; ++x) p[y * 40 + x] = y == 0 ? 0xFFFFFFFF : (x < 20 ? 0xFFFF0000 : 0xFF0000FF);
        }
        return p;
    }
};

TEST_F(SpriteLooks, EachFlipMirrorsInPlace)
{
    TextureManager manager;
    makePicture(manager, "halves.png", 40, 10, halves());
    Image image;
    image.initialize(&graphics, 0, 0, 0, &manager);
    image.setX(200);
    image.setY(200);

    frame([&] { image.draw(); });
    EXPECT_EQ(at(205, 205), 0xFF0000u);
    EXPECT_EQ(at(235, 205), 0x0000FFu);
    EXPECT_EQ(at(220, 200), 0xFFFFFFu);

    image.setFlipHorizontal(true);
    frame([&] { image.draw(); });
    EXPECT_EQ(at(205, 205), 0x0000FFu);
    EXPECT_EQ(at(235, 205), 0xFF0000u);
    EXPECT_EQ(ink().left, 200);
    EXPECT_EQ(ink().right, 239);

    image.setFlipHorizontal(false);
    image.setFlipVertical(true);
    frame([&] { image.draw(); });
    EXPECT_EQ(at(205, 205), 0xFF0000u);
    EXPECT_EQ(at(220, 209), 0xFFFFFFu) << "the top row is now the bottom one";
    EXPECT_EQ(ink().top, 200);
    EXPECT_EQ(ink().bottom, 209);
}

TEST_F(SpriteLooks, TheColourTintsAndColourZeroMeansTheImagesFilter)
{
    TextureManager manager;
    makePicture(manager, "white.png", 10, 10, solid(10, 10, 0xFFFFFFFF));
    Image image;
    image.initialize(&graphics, 0, 0, 0, &manager);
    image.setX(10);
    image.setY(10);
    frame([&] { image.draw(0xFF808080); });
    const std::uint32_t grey = at(15, 15);
    EXPECT_NEAR(static_cast<int>(grey >> 16), 0x80, 2);
    EXPECT_NEAR(static_cast<int>(grey & 0xFF), 0x80, 2);

    image.setColorFilter(0xFFFF0000);
    frame([&] { image.draw(graphicsNS::FILTER); });
    EXPECT_EQ(at(15, 15), 0xFF0000u);
    frame([&] { image.draw(graphicsNS::WHITE); });
    EXPECT_EQ(at(15, 15), 0xFFFFFFu) << "white draws the picture unchanged, whatever the filter";
}

TEST_F(SpriteLooks, OnlyExactlyOpaquePureGreenIsTransparent)
{
    // Over a white background, each column of the picture is one candidate colour.
    const std::vector<std::uint32_t> candidates = {0xFF00FF00, 0xFF00FE00, 0xFF01FF00, 0xFF00FF01, 0xFE00FF00};
    std::vector<std::uint32_t> picture;
    for (int y = 0; y < 4; ++y) {
        for (std::uint32_t c : candidates) picture.push_back(c);
    }
    TextureManager manager;
    makePicture(manager, "key.png", static_cast<int>(candidates.size()), 4, picture);
    Image image;
    image.initialize(&graphics, 0, 0, 0, &manager);
    image.setX(50);
    image.setY(50);
    graphics.setBackColor(graphicsNS::WHITE);
    frame([&] { image.draw(); });
    EXPECT_EQ(at(50, 51), 0xFFFFFFu) << "the key colour shows the background";
    EXPECT_NEAR(static_cast<int>(at(51, 51) >> 8 & 0xFF), 0xFE, 1);
    EXPECT_EQ(at(51, 51) >> 16, 0u);
    EXPECT_EQ(at(52, 51) >> 16, 0x01u);
    EXPECT_EQ(at(53, 51) & 0xFF, 0x01u);
    EXPECT_LT(at(54, 51) & 0xFF, 0x10u) << "almost opaque green is still drawn";
}

TEST_F(Drawing, TextureFailuresDrawNothingAndNeverTouchTheDisk)
{
    std::unique_ptr<IDirect3DTexture9> texture;
    UINT w = 7, h = 7;
    EXPECT_EQ(graphics.loadTexture(nullptr, graphicsNS::TRANSCOLOR, w, h, texture), D3DERR_INVALIDCALL);
    EXPECT_EQ(texture, nullptr);

    TextureManager missing;
    ASSERT_TRUE(missing.initialize(&graphics, (dir.path() / "NoSuchFile.PNG").string()));
    EXPECT_EQ(missing.getTexture(), nullptr);
    EXPECT_EQ(missing.getWidth(), 0u);
    Image ghost;
    ghost.initialize(&graphics, 0, 0, 0, &missing);
    ghost.setX(10);
    ghost.setY(10);

    TextureManager one;
    makePicture(one, "one.png", 10, 10, solid(10, 10, 0xFFFFFFFF));
    Image image;
    image.initialize(&graphics, 0, 0, 0, &one);
    frame([&] {
        ghost.draw();
        image.drawColoredTexture(graphicsNS::WHITE, 3); // past the manager's one texture
    });
    EXPECT_TRUE(ink().empty());
}

TEST_F(Drawing, FileNamesAreLowerCasedBeforeLoading)
{
    testing_support::writePng(dir.path() / "mixed.png", 4, 4, solid(4, 4, 0xFFFFFFFF));
    TextureManager manager;
    ASSERT_TRUE(manager.initialize(&graphics, (dir.path() / "MiXeD.PNG").string()));
    EXPECT_NE(manager.getTexture(), nullptr);
    EXPECT_EQ(manager.getWidth(), 4u);
    EXPECT_EQ(manager.getFileName(0), (dir.path() / "mixed.png").string());
}

TEST_F(Drawing, AListFileLoadsOnlyItsFinishedLines)
{
    testing_support::writePng(dir.path() / "a.png", 2, 3, solid(2, 3, 0xFFFFFFFF));
    testing_support::writePng(dir.path() / "b.png", 5, 4, solid(5, 4, 0xFFFFFFFF));
    {
        std::ofstream list(dir.path() / "pictures.txt");
        list << (dir.path() / "a.png").string() << "\n" << (dir.path() / "b.png").string(); // no last line feed
    }
    TextureManager manager;
    ASSERT_TRUE(manager.initialize(&graphics, (dir.path() / "pictures.txt").string()));
    EXPECT_EQ(manager.count(), 1u);
    EXPECT_EQ(manager.getHeight(0), 3u);
    TextureManager none;
    EXPECT_FALSE(none.initialize(&graphics, (dir.path() / "absent.txt").string()));
}

struct AnimationCase {
    const char* name;
    int initial, start, end;
    bool loop;
    float delay;
    std::vector<float> updates;
    int expectedFrame;
    bool expectedComplete;
};

class Animation : public ::testing::TestWithParam<AnimationCase> {};

TEST_P(Animation, AdvancesAtMostOneFramePerUpdate)
{
    const AnimationCase& c = GetParam();
    TextureManager none;
    Image image;
    image.initialize(nullptr, 10, 10, 4, &none);
    image.setFrames(c.start, c.end);
    image.setCurrentFrame(c.initial);
    image.setLoop(c.loop);
    image.setFrameDelay(c.delay);
    for (float t : c.updates) image.update(t);
    EXPECT_EQ(image.getCurrentFrame(), c.expectedFrame);
    EXPECT_EQ(image.getAnimationComplete(), c.expectedComplete);
    const RECT r = image.getSourceRect();
    EXPECT_EQ(r.left, (c.expectedFrame % 4) * 10);
    EXPECT_EQ(r.top, (c.expectedFrame / 4) * 10);
}

INSTANTIATE_TEST_SUITE_P(
    Image, Animation,
    ::testing::Values(
        // From frame 0, below the range: the first step jumps to the start.
        AnimationCase{"LoopReachesTheEnd", 0, 2, 5, true, 0.1f, {0.11f, 0.11f, 0.11f, 0.11f}, 5, false},
        AnimationCase{"LoopStartsOver", 0, 2, 5, true, 0.1f, {0.11f, 0.11f, 0.11f, 0.11f, 0.11f}, 2, false},
        AnimationCase{"OnceStopsOnTheEnd", 2, 2, 5, false, 0.1f, {0.11f, 0.11f, 0.11f, 0.11f, 0.11f}, 5, true},
        AnimationCase{"OnceNotYetComplete", 2, 2, 5, false, 0.1f, {0.11f, 0.11f, 0.11f}, 5, false},
        AnimationCase{"ALongUpdateIsOneFrame", 2, 2, 5, true, 0.1f, {1.0f}, 3, false},
        AnimationCase{"ExactlyTheDelayIsNotEnough", 2, 2, 5, true, 0.25f, {0.25f}, 2, false},
        AnimationCase{"SingleFrameNeverMoves", 7, 7, 7, true, 0.1f, {0.5f, 0.5f}, 7, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Image, SetCurrentFrameIgnoresNegativesAndClearsCompletion)
{
    TextureManager none;
    Image image;
    image.initialize(nullptr, 10, 10, 4, &none);
    image.setFrames(0, 1);
    image.setLoop(false);
    image.update(1.1f);
    image.update(1.1f);
    ASSERT_TRUE(image.getAnimationComplete());
    image.setCurrentFrame(-1);
    EXPECT_EQ(image.getCurrentFrame(), 1);
    EXPECT_TRUE(image.getAnimationComplete());
    image.setCurrentFrame(0);
    EXPECT_FALSE(image.getAnimationComplete());
}

TEST(Image, AnglesConvertWithTheSinglePrecisionPi)
{
    Image image;
    image.setDegrees(90);
    EXPECT_FLOAT_EQ(image.getRadians(), static_cast<float>(90 * 0.017453293005625408));
    EXPECT_NEAR(image.getDegrees(), 90.0f, 1e-4);
    image.setScale(1.5f);
    image.setX(10);
    EXPECT_FLOAT_EQ(image.getCenterX(), 10 + 1 * 1.5f) << "half of the default width 2, scaled";
}

} // namespace
