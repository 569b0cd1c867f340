// Every picture the levels use, one maker each.
#pragma once

#include <string>
#include <vector>

#include "levels.hpp"
#include "paint.hpp"

namespace art {

// Products: the raw drawing of one frame in an 80 x 80 box, and the finished sprite with its
// light rim and shadow.
void drawProduct(cairo_t* cr, int frame);
void productSprite(cairo_t* cr, int frame);
Surface makePickups();

Surface makeShoppingCart();
Surface makeObstacles();
Surface makeMarker();
Surface makeScenery();

Surface makeCheckout();
Surface makeCheckoutLights();
Surface makeArrows();
Surface makeArrowLights();
Surface makeStopwatch();
Surface makeMiniScale();
Surface makeWasteBin();
Surface makeBinBox();

Surface makeChecklist();
Surface makeHud();
// The notepad paper every floor paints where the HUD leaves its window open.
void paintNotepadPaper(cairo_t* cr, const Level& level);
Surface makeFloor(const Level& level);

struct Output;
Surface makeObjectives(const std::vector<Output>& made);
Surface makeLargeScales();
Surface makeScaleLights();
Surface makeScaleArrows();

// Where the clock digits print on the stopwatch, in the stopwatch's own pixels.
struct ClockDigits {
  double x0, y0, x1, y1;
};
ClockDigits clockDigitsOnStopwatch();

// Handwriting of the shopping list, shared by the checklist lines and the printed wanted lists.
Font listHand(double px);
void listWord(cairo_t* cr, const std::string& word, double x, double centreY, double maxWidth);

struct Output {
  std::string file;
  int frameW, frameH, columns, frames;  // frames 0: one picture of the whole size
  Surface picture;
};

// Review pictures: contact sheets of every sheet and a mock screen of every level.
void writeReview(const std::vector<Output>& outputs, const std::string& dir);

}  // namespace art
