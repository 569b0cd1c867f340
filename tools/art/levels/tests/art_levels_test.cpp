// Checks of the level-art generator against the pictures committed in resources/images: the
// generator must be repeatable, the commit must not be stale, every sheet must match the frame
// grid the game cuts it into, and no picture may hold the game's colour key.
#include <cairo.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Expected {
  const char* file;
  int width, height;  // columns x frame width, rows needed x frame height
};

// Frame size x columns, and enough rows for the highest frame the game uses.
const Expected expected[] = {
    {"shoppingcart.png", 4 * 120, 9 * 120},       // frames 0..3 and the shot 33
    {"pickuptextures1.png", 5 * 80, 7 * 80},      // frames 0..34
    {"checklistui.png", 6 * 150, 7 * 40},         // frames 0..39
    {"scenerytextures.png", 9 * 66, 172},         // frames 0..8
    {"obstacles.png", 4 * 100, 3 * 100},          // frames 0..10
    {"marker.png", 20, 20},
    {"checkout.png", 200, 200},
    {"checkoutlights.png", 2 * 200, 200},
    {"arrows.png", 80, 150},
    {"arrowlights.png", 3 * 80, 150},
    {"stopwatch.png", 150, 150},
    {"hud.png", 1024, 768},
    {"floor1.png", 1024, 768},
    {"floor2.png", 1024, 768},
    {"floor3.png", 1024, 768},
    {"floor4.png", 1024, 768},
    {"floor5.png", 1024, 768},
    {"floor6.png", 1024, 768},
    {"floor7.png", 1024, 768},
    {"floor8.png", 1024, 768},
    {"floor9.png", 1024, 768},
    {"floor10.png", 1024, 768},
    {"levelobjectives.png", 5 * 700, 2 * 500},    // pages 0..9
    {"largescales.png", 857, 632},
    {"scalelights.png", 3 * 857, 3 * 632},        // frames 0..8
    {"scalearrows.png", 3 * 857, 3 * 632},
    {"miniscale.png", 100, 75},
    {"wastebin.png", 100, 75},
};

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool exists(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0;
}

struct Png {
  std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> s{nullptr, cairo_surface_destroy};
  bool ok() const { return s && cairo_surface_status(s.get()) == CAIRO_STATUS_SUCCESS; }
  int width() const { return cairo_image_surface_get_width(s.get()); }
  int height() const { return cairo_image_surface_get_height(s.get()); }
  // Premultiplied ARGB; opaque pixels keep their colour exactly.
  uint32_t at(int x, int y) const {
    const uint8_t* row = cairo_image_surface_get_data(s.get()) + y * cairo_image_surface_get_stride(s.get());
    return reinterpret_cast<const uint32_t*>(row)[x];
  }
  int alpha(int x, int y) const { return at(x, y) >> 24; }
};

Png load(const std::string& path) {
  Png p;
  p.s.reset(cairo_image_surface_create_from_png(path.c_str()));
  return p;
}

class ArtLevels : public ::testing::Test {
 protected:
  // One run serves every check; only the repeatability check asks for a second.
  static void SetUpTestSuite() { first = generate(); }
  static std::string generate() {
    std::string pattern = (std::filesystem::temp_directory_path() / "art-levels-test-XXXXXX").string();
    std::vector<char> dir(pattern.begin(), pattern.end());
    dir.push_back('\0');
    if (!mkdtemp(dir.data())) return "";
    std::string cmd = std::string("\"") + ART_LEVELS_GENERATOR + "\" \"" + dir.data() + "\" > /dev/null";
    if (std::system(cmd.c_str()) != 0) return "";
    return dir.data();
  }
  static void TearDownTestSuite() {
    for (const std::string& d : {first, second})
      if (!d.empty()) std::system(("rm -rf \"" + d + "\"").c_str());
  }
  static std::string first, second;
};

std::string ArtLevels::first;
std::string ArtLevels::second;

TEST_F(ArtLevels, GeneratorWritesEveryPicture) {
  ASSERT_FALSE(first.empty()) << "the generator failed";
  for (const Expected& e : expected) EXPECT_TRUE(exists(first + "/" + e.file)) << e.file;
  EXPECT_TRUE(exists(first + "/binbox.png"));
}

TEST_F(ArtLevels, TwoRunsGiveTheSameBytes) {
  second = generate();
  ASSERT_FALSE(first.empty() || second.empty());
  for (const Expected& e : expected) {
    std::string a = readFile(first + "/" + e.file), b = readFile(second + "/" + e.file);
    EXPECT_FALSE(a.empty()) << e.file;
    EXPECT_TRUE(a == b) << e.file << " differs between two runs";
  }
  EXPECT_TRUE(readFile(first + "/binbox.png") == readFile(second + "/binbox.png"));
}

TEST_F(ArtLevels, CommittedPicturesAreUpToDate) {
  ASSERT_FALSE(first.empty());
  const std::string committed = ART_LEVELS_COMMITTED;
  std::vector<std::string> files;
  for (const Expected& e : expected) files.push_back(e.file);
  files.push_back("binbox.png");
  for (const std::string& f : files) {
    std::string made = readFile(first + "/" + f), kept = readFile(committed + "/" + f);
    ASSERT_FALSE(kept.empty()) << f << " is not committed in resources/images";
    EXPECT_TRUE(made == kept) << f << " in resources/images is stale: run tools/art/levels/build";
  }
}

TEST_F(ArtLevels, SheetsMatchTheirFrameGrids) {
  ASSERT_FALSE(first.empty());
  for (const Expected& e : expected) {
    Png p = load(first + "/" + e.file);
    ASSERT_TRUE(p.ok()) << e.file;
    EXPECT_EQ(p.width(), e.width) << e.file;
    EXPECT_EQ(p.height(), e.height) << e.file;
  }
  Png box = load(first + "/binbox.png");
  ASSERT_TRUE(box.ok());
  // Drawn at (300, 150): it has to stay on the 1024 x 768 screen.
  EXPECT_LE(300 + box.width(), 1024);
  EXPECT_LE(150 + box.height(), 768);
}

TEST_F(ArtLevels, NoPixelIsTheColourKey) {
  ASSERT_FALSE(first.empty());
  std::vector<std::string> files;
  for (const Expected& e : expected) files.push_back(e.file);
  files.push_back("binbox.png");
  for (const std::string& f : files) {
    Png p = load(first + "/" + f);
    ASSERT_TRUE(p.ok()) << f;
    long keyed = 0;
    for (int y = 0; y < p.height(); ++y)
      for (int x = 0; x < p.width(); ++x)
        if (p.at(x, y) == 0xFF00FF00u) ++keyed;
    EXPECT_EQ(keyed, 0) << f << " has pixels the game would make transparent";
  }
}

// Parts of a picture that must stay clear, because the game draws or collides there.
struct Clear {
  const char* file;
  int frameW, frameH, columns;
  std::vector<int> frames;
  int x0, y0, x1, y1;  // the region, in frame pixels, where solid pixels are allowed
  int solid;           // alpha above which a pixel counts as solid
};

TEST_F(ArtLevels, SpritesStayInsideTheirCollisionShapes) {
  ASSERT_FALSE(first.empty());
  const Clear cases[] = {
      // The trolley's box is far bigger than a shelf's: its body keeps to the middle.
      {"shoppingcart.png", 120, 120, 4, {0, 1, 2, 3}, 17, 17, 103, 103, 128},
      // Scenery bodies keep to the central 50 x 164 px.
      {"scenerytextures.png", 66, 172, 9, {0, 1, 2, 3, 4, 5, 6, 7, 8}, 7, 3, 59, 169, 128},
      // Shoppers keep to the central 64 px.
      {"obstacles.png", 100, 100, 4, {0, 1, 2, 3, 4, 5, 6, 7}, 17, 17, 83, 83, 128},
      // List lines are drawn up to 40 px into a 140 px panel.
      {"checklistui.png", 150, 40, 6, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19,
                                       20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37},
       0, 0, 106, 40, 16},
      // The wanted-list heading and the strike marks are always drawn at x 10.
      {"checklistui.png", 150, 40, 6, {38, 39}, 0, 0, 128, 40, 16},
      // The checkout's counter sits on its solid box; the lamp too.
      {"checkout.png", 200, 200, 1, {0}, 52, 16, 176, 192, 128},
  };
  for (const Clear& c : cases) {
    Png p = load(first + "/" + c.file);
    ASSERT_TRUE(p.ok()) << c.file;
    for (int f : c.frames) {
      int ox = (f % c.columns) * c.frameW, oy = (f / c.columns) * c.frameH;
      int outside = 0;
      for (int y = 0; y < c.frameH; ++y)
        for (int x = 0; x < c.frameW; ++x)
          if ((x < c.x0 || x >= c.x1 || y < c.y0 || y >= c.y1) && p.alpha(ox + x, oy + y) > c.solid) ++outside;
      EXPECT_EQ(outside, 0) << c.file << " frame " << f << " reaches outside its shape";
    }
  }
}

TEST_F(ArtLevels, HudLeavesThePlayAreaAndNotepadOpen) {
  ASSERT_FALSE(first.empty());
  Png hud = load(first + "/hud.png");
  ASSERT_TRUE(hud.ok());
  // The floor shows through everywhere right of the panel (a soft edge shadow aside) ...
  for (int y = 12; y < 756; y += 3)
    for (int x = 156; x < 1012; x += 3) ASSERT_EQ(hud.alpha(x, y), 0) << "hud covers the floor at " << x << "," << y;
  // ... and through the notepad, where each floor paints its paper and list.
  for (int y = 96; y < 496; y += 2)
    for (int x = 10; x < 130; x += 2) ASSERT_EQ(hud.alpha(x, y), 0) << "hud covers the notepad at " << x << "," << y;
  // The panel itself is solid, so the black HUD numbers have a light card under them.
  for (int y : {40, 700})
    for (int x : {20, 70, 120}) {
      uint32_t px = hud.at(x, y);
      EXPECT_EQ(px >> 24, 255u);
      EXPECT_GT((px >> 16) & 0xFF, 200u) << "dark card under a HUD number at " << x << "," << y;
    }
}

}  // namespace
