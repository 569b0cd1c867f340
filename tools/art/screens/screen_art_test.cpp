// Regression checks for the screen pictures: the generator is repeatable and
// matches what is committed, every sheet has the frame grid the game cuts it
// into, nothing hits the colour key, and the pictures that must line up with
// what the game draws over them or around them do.
#include <cairo.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

// What the game expects of each file: frame size, columns, frames it uses.
struct Expected {
    const char* file;
    int frameW, frameH, columns, frames;
};
const Expected kSheets[] = {
    {"kelbrinlogo.png", 341, 250, 10, 18},   {"vantrelgames.png", 1024, 461, 3, 3},
    {"titlescreen3.png", 1024, 768, 1, 1},   {"titlescreen.png", 1024, 768, 2, 2},
    {"titlescreenui.png", 1024, 768, 6, 6},  {"instructions1.png", 1024, 4100, 2, 2},
    {"credits.png", 1024, 1400, 2, 2},       {"highscore.png", 1024, 768, 1, 1},
    {"victory.png", 1024, 768, 1, 1},        {"gameover.png", 1024, 768, 1, 1},
};

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

struct SurfaceFree {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
using Png = std::unique_ptr<cairo_surface_t, SurfaceFree>;

Png loadPng(const std::string& path) {
    Png p(cairo_image_surface_create_from_png(path.c_str()));
    if (cairo_surface_status(p.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
    return p;
}

// Pixel as cairo stores it (premultiplied ARGB; for opaque pixels the plain colour).
uint32_t pixel(cairo_surface_t* s, int x, int y) {
    const unsigned char* d = cairo_image_surface_get_data(s);
    return reinterpret_cast<const uint32_t*>(d + size_t(y) * cairo_image_surface_get_stride(s))[x];
}
int alphaAt(cairo_surface_t* s, int x, int y) { return int(pixel(s, x, y) >> 24); }

struct Box {
    int x0 = 1 << 30, y0 = 1 << 30, x1 = -1, y1 = -1;
};
// Bounds of the clearly visible content of one frame (ignores faint shadow fringes).
Box contentBox(cairo_surface_t* s, int fx, int fy, int w, int h, int minAlpha = 200) {
    Box b;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (alphaAt(s, fx + x, fy + y) >= minAlpha) {
                b.x0 = std::min(b.x0, x), b.y0 = std::min(b.y0, y);
                b.x1 = std::max(b.x1, x), b.y1 = std::max(b.y1, y);
            }
    return b;
}

class ScreenArt : public ::testing::Test {
protected:
    static std::string runA, runB;

    // One run serves every check; only the repeatability check pays for a second.
    static void SetUpTestSuite() { runA = makeRun(); }
    static void TearDownTestSuite() {
        for (const std::string& d : {runA, runB})
            if (!d.empty()) std::system(("rm -rf '" + d + "'").c_str());
    }
    static std::string makeRun() {
        char tmpl[] = "/tmp/screen-art-test-XXXXXX";
        const char* dir = mkdtemp(tmpl);
        if (!dir) return "";
        const std::string cmd = std::string("'") + SCREEN_ART_GENERATOR + "' '" + dir + "'";
        if (std::system(cmd.c_str()) != 0) return "";
        return dir;
    }
    static std::vector<std::string> files() {
        std::vector<std::string> f;
        for (const Expected& e : kSheets) f.push_back(e.file);
        f.push_back("highscorebox.png");
        return f;
    }
    void SetUp() override { ASSERT_FALSE(runA.empty()) << "the generator failed"; }
};
std::string ScreenArt::runA, ScreenArt::runB;

TEST_F(ScreenArt, TwoRunsWriteTheSameBytesAsTheCommittedFiles) {
    runB = makeRun();
    ASSERT_FALSE(runB.empty()) << "the generator failed on the second run";
    for (const std::string& f : files()) {
        const std::string a = readFile(runA + "/" + f), b = readFile(runB + "/" + f);
        const std::string committed = readFile(std::string(SCREEN_ART_COMMITTED) + "/" + f);
        ASSERT_FALSE(a.empty()) << f << " was not written";
        EXPECT_TRUE(a == b) << f << " differs between two runs";
        EXPECT_TRUE(a == committed) << f << " differs from the committed file; rebuild with tools/art/screens/build";
    }
}

TEST_F(ScreenArt, EverySheetHasItsFrameGrid) {
    for (const Expected& e : kSheets) {
        Png p = loadPng(runA + "/" + e.file);
        ASSERT_TRUE(p) << e.file;
        const int rows = (e.frames + e.columns - 1) / e.columns;
        EXPECT_EQ(cairo_image_surface_get_width(p.get()), e.columns * e.frameW) << e.file;
        EXPECT_EQ(cairo_image_surface_get_height(p.get()), rows * e.frameH) << e.file;
    }
    // The score box is drawn at (230, 420) at its own size and must stay on screen.
    Png box = loadPng(runA + "/highscorebox.png");
    ASSERT_TRUE(box);
    EXPECT_LE(230 + cairo_image_surface_get_width(box.get()), 1024);
    EXPECT_LE(420 + cairo_image_surface_get_height(box.get()), 768);
    EXPECT_GE(cairo_image_surface_get_width(box.get()), 220 + 150);
    EXPECT_GE(cairo_image_surface_get_height(box.get()), 220 + 50);
}

TEST_F(ScreenArt, NoPixelIsTheTransparentColourKey) {
    for (const std::string& f : files()) {
        Png p = loadPng(runA + "/" + f);
        ASSERT_TRUE(p) << f;
        const int w = cairo_image_surface_get_width(p.get()), h = cairo_image_surface_get_height(p.get());
        long keyed = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) keyed += pixel(p.get(), x, y) == 0xFF00FF00u;
        EXPECT_EQ(keyed, 0) << f;
    }
}

// The studio logo starts at y 200 under the bottom puddle (drawn over it at
// y 340) and rises 287.5 px; it must start out of sight and end in full view.
TEST_F(ScreenArt, StudioLogoRisesOutOfTheBottomPuddle) {
    Png p = loadPng(runA + "/vantrelgames.png");
    ASSERT_TRUE(p);
    const int W = 1024, H = 461;
    long visibleAtStart = 0, coveredAtEnd = 0, logoPixels = 0;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            if (alphaAt(p.get(), x, y) == 0) continue;
            ++logoPixels;
            const int startY = y + 200 - 340;
            if (startY < 0 || startY >= H || alphaAt(p.get(), W + x, startY) < 255) ++visibleAtStart;
            const int endY = int(std::floor(y - 87.5 - 340));
            if (endY >= 0 && endY < H && alphaAt(p.get(), W + x, endY) > 0) ++coveredAtEnd;
        }
    EXPECT_GT(logoPixels, 20000);
    EXPECT_EQ(visibleAtStart, 0) << "logo pixels showing before it rises";
    EXPECT_EQ(coveredAtEnd, 0) << "logo pixels still under the puddle after the rise";
}

// The game draws the plain Instructions frame at (15, -15) and every other
// button frame at (0, 0): on screen the three plain buttons must line up.
TEST_F(ScreenArt, PlainMenuButtonsLineUpOnScreen) {
    Png p = loadPng(runA + "/titlescreenui.png");
    ASSERT_TRUE(p);
    const Box start = contentBox(p.get(), 0, 0, 1024, 768);
    Box instr = contentBox(p.get(), 1024, 0, 1024, 768);
    const Box quit = contentBox(p.get(), 2048, 0, 1024, 768);
    const Box lit = contentBox(p.get(), 3 * 1024, 0, 1024, 768, 250);
    instr.x0 += 15, instr.x1 += 15, instr.y0 -= 15, instr.y1 -= 15;
    EXPECT_EQ(instr.x0, start.x0);
    EXPECT_EQ(instr.x0, quit.x0);
    EXPECT_EQ(instr.x1 - instr.x0, start.x1 - start.x0);
    // The lit look covers the plain one where the game puts it.
    EXPECT_LE(lit.y0, instr.y0);
    EXPECT_GE(lit.y1, instr.y1);
    // No two buttons overlap.
    EXPECT_LT(start.y1, instr.y0);
    EXPECT_LT(instr.y1, quit.y0);
}

// Dark text is printed by the game over these places; they must be light.
TEST_F(ScreenArt, LightPanelsWhereTheGamePrints) {
    auto lightness = [](uint32_t px) {
        return std::min({int((px >> 16) & 255), int((px >> 8) & 255), int(px & 255)});
    };
    struct Area {
        const char* file;
        int x0, y0, x1, y1;
    };
    // The table rows of the high-score screen; the initials field of the box.
    const Area areas[] = {{"highscore.png", 440, 282, 700, 590}, {"highscorebox.png", 214, 220, 368, 262}};
    for (const Area& a : areas) {
        Png p = loadPng(runA + "/" + a.file);
        ASSERT_TRUE(p) << a.file;
        int darkest = 255;
        for (int y = a.y0; y < a.y1; ++y)
            for (int x = a.x0; x < a.x1; ++x) {
                const uint32_t px = pixel(p.get(), x, y);
                ASSERT_EQ(px >> 24, 255u) << a.file << " is see-through at " << x << "," << y;
                darkest = std::min(darkest, lightness(px));
            }
        EXPECT_GE(darkest, 170) << a.file;
    }
}

}  // namespace
