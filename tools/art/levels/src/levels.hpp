// Where each level puts its sprites: the floors follow these layouts and the review screens
// are composed from them exactly as the game draws them.
#pragma once

#include <string>
#include <vector>

namespace art {

struct Placed {
  int frame;
  double x, y;        // top-left corner of the frame on screen
  double angle = 0;   // degrees, clockwise on screen
  double scale = 1;
};

struct Level {
  int number;
  std::vector<Placed> scenery;    // sceneryTextures.png, 66 x 172
  std::vector<Placed> products;   // pickupTextures1.png, 80 x 80 (power-ups included)
  std::vector<Placed> obstacles;  // obstacles.png, 100 x 100 (signs, pushchair, shoppers)
  std::vector<Placed> checklist;  // checklistUI.png, 150 x 40: the unticked lines
  std::vector<Placed> crossed;    // and where the crossed-out lines go
  bool weighing = false;          // mini scale and waste bin instead of the clock
  bool wantedList = false;        // printed wanted list with strike marks
  std::vector<std::string> wanted;  // lines of the printed list, top to bottom
};

const std::vector<Level>& allLevels();

// Fixed places shared by every level.
namespace spot {
inline constexpr double checkoutX = 210, checkoutY = 560;
inline constexpr double arrowX = 155, arrowY = 580;
inline constexpr double trolleyX = 145, trolleyY = 580;
inline constexpr double miniScaleX = 420, miniScaleY = 580;
inline constexpr double binX = 420, binY = 680;
inline constexpr double stopwatchX = 5, stopwatchY = 510, stopwatchScale = 1.3;
inline constexpr double listHeadingX = 10, listHeadingY = 90;
inline constexpr double strikeX = 10;
inline constexpr double strikeY[7] = {130, 180, 220, 270, 310, 360, 405};
inline constexpr double scalesX = 140, scalesY = 20;
inline constexpr double binBoxX = 300, binBoxY = 150;
inline constexpr double objectivesX = 190, objectivesY = 100;
}  // namespace spot

// The notepad of the HUD: a window in the HUD through which the floor's paper shows.
namespace notepad {
inline constexpr double x = 6, y = 84, w = 128, h = 416;
}

}  // namespace art
