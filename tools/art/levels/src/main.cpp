// Writes every picture of the shop floor into the folder given on the command line.
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include "assets.hpp"

int main(int argc, char** argv) {
  using namespace art;
  std::string out;
  std::string review;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--review") == 0 && i + 1 < argc) {
      review = argv[++i];
    } else if (out.empty()) {
      out = argv[i];
    } else {
      std::fprintf(stderr, "usage: %s OUTPUT_DIR [--review DIR]\n", argv[0]);
      return 2;
    }
  }
  if (out.empty()) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIR [--review DIR]\n", argv[0]);
    return 2;
  }
  try {
    initFonts();
    std::vector<Output> outputs;
    auto add = [&](const char* file, int fw, int fh, int cols, int frames, Surface s) {
      outputs.push_back(Output{file, fw, fh, cols, frames, std::move(s)});
    };
    add("shoppingcart.png", 120, 120, 4, 34, makeShoppingCart());
    add("pickuptextures1.png", 80, 80, 5, 35, makePickups());
    add("checklistui.png", 150, 40, 6, 40, makeChecklist());
    add("scenerytextures.png", 66, 172, 9, 9, makeScenery());
    add("obstacles.png", 100, 100, 4, 11, makeObstacles());
    add("marker.png", 20, 20, 1, 0, makeMarker());
    add("checkout.png", 200, 200, 1, 0, makeCheckout());
    add("checkoutlights.png", 200, 200, 2, 2, makeCheckoutLights());
    add("arrows.png", 80, 150, 1, 0, makeArrows());
    add("arrowlights.png", 80, 150, 3, 3, makeArrowLights());
    add("stopwatch.png", 150, 150, 1, 0, makeStopwatch());
    add("hud.png", 1024, 768, 1, 0, makeHud());
    for (const Level& level : allLevels())
      add(("floor" + std::to_string(level.number) + ".png").c_str(), 1024, 768, 1, 0, makeFloor(level));
    add("largescales.png", 857, 632, 1, 0, makeLargeScales());
    add("scalelights.png", 857, 632, 3, 9, makeScaleLights());
    add("scalearrows.png", 857, 632, 3, 9, makeScaleArrows());
    add("miniscale.png", 100, 75, 1, 0, makeMiniScale());
    add("wastebin.png", 100, 75, 1, 0, makeWasteBin());
    add("binbox.png", 0, 0, 1, 0, makeBinBox());
    add("levelobjectives.png", 700, 500, 5, 10, makeObjectives(outputs));
    mkdir(out.c_str(), 0755);
    for (const Output& o : outputs) writePng(o.picture, out + "/" + o.file);
    if (!review.empty()) writeReview(outputs, review);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "level art: %s\n", e.what());
    return 1;
  }
  return 0;
}
