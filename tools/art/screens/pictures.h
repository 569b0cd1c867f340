// Every picture the screens show, each made from scratch by one function.
#pragma once

#include "canvas.h"

#include <string>
#include <vector>

namespace art {

struct Picture {
    std::string file;  // under resources/images, lower case
    int frameW, frameH, columns, frames;
    Surface (*make)();
};

// The list the build writes, and the frame grid each file must have.
const std::vector<Picture>& pictures();

Surface kelbrinLogo();
Surface vantrelGames();
Surface titleBackground();
Surface titleOverlays();
Surface titleButtons();
Surface instructions();
Surface credits();
Surface highScore();
Surface victory();
Surface gameOver();
Surface highScoreBox();

// Where the rising studio logo meets the water, in screen pixels; the logo,
// the two puddles and their screen offsets are drawn around it.
namespace vantrel {
constexpr double kWaterline = 400;
constexpr double kLogoStartY = 200, kLogoEndY = 200 - 287.5;
constexpr double kBottomPuddleY = 340, kTopPuddleY = 110;
}  // namespace vantrel

// Menu buttons: the left edge and top of each, as they appear on screen.
namespace menu {
constexpr double kX = 124, kW = 340, kH = 86;
constexpr double kStartY = 318, kInstructionsY = 430, kQuitY = 542;
// The game draws the plain Instructions frame at (15, -15).
constexpr double kInstructionsDx = 15, kInstructionsDy = -15;
}  // namespace menu

}  // namespace art
