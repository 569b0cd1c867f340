// The trolley, the other shoppers and the things standing in the aisles, all seen from above.
#include <cmath>

#include "assets.hpp"

namespace art {

namespace {

constexpr double LW = 2.5;

Color chrome() { return rgb(0xDCE3EA); }

// Rotates a drawing made facing up by a number of quarter turns about a point, clockwise.
void turned(cairo_t* cr, int quarter, double cx, double cy, const Draw& draw) {
  Saved s(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, quarter * M_PI / 2);
  cairo_translate(cr, -cx, -cy);
  draw(cr);
}

// The trolley facing up in a 120 x 120 frame: the basket narrows towards the front,
// the handle runs across the back.
void trolley(cairo_t* cr) {
  // Wheels under the corners.
  auto wheel = [&](double x, double y) {
    roundedRect(cr, x - 4, y - 6.5, 8, 13, 3);
    fillOutline(cr, pal::dkgrey, 2.0);
    cairo_move_to(cr, x, y - 4);
    cairo_line_to(cr, x, y + 4);
    stroke(cr, rgb(0x6C757D), 1.5);
  };
  wheel(31, 30);
  wheel(89, 30);
  wheel(27, 86);
  wheel(93, 86);
  // Handle bar with its red grip, on two arms.
  cairo_move_to(cr, 30, 87);
  cairo_line_to(cr, 29, 95);
  cairo_move_to(cr, 90, 87);
  cairo_line_to(cr, 91, 95);
  stroke(cr, pal::ink, 5.5);
  cairo_move_to(cr, 30, 87);
  cairo_line_to(cr, 29, 95);
  cairo_move_to(cr, 90, 87);
  cairo_line_to(cr, 91, 95);
  stroke(cr, chrome(), 2.5);
  roundedRect(cr, 22, 92, 76, 8.5, 4.2);
  fillOutline(cr, pal::red, LW);
  roundedRect(cr, 26, 94, 68, 2.5, 1.2);
  fill(cr, withAlpha(pal::white, 0.45));
  // Basket.
  auto basket = [](cairo_t* c) {
    cairo_move_to(c, 31, 23);
    cairo_line_to(c, 89, 23);
    cairo_line_to(c, 96, 88);
    cairo_line_to(c, 24, 88);
    cairo_close_path(c);
  };
  basket(cr);
  fill(cr, rgb(0x8A96A3));
  {
    Saved k(cr);
    basket(cr);
    cairo_clip(cr);
    // Basket floor, seen through the mesh.
    polygon(cr, {{37, 30}, {83, 30}, {88, 81}, {32, 81}});
    fill(cr, rgb(0x6C7A89));
    // The wire mesh.
    for (int i = 0; i <= 10; ++i) {
      double t = i / 10.0;
      cairo_move_to(cr, 31 + 58 * t, 23);
      cairo_line_to(cr, 24 + 72 * t, 88);
    }
    for (int j = 0; j <= 9; ++j) {
      double y = 23 + j * 65 / 9.0;
      cairo_move_to(cr, 0, y);
      cairo_line_to(cr, 120, y);
    }
    stroke(cr, chrome(), 1.3);
    // Inner rim of the floor.
    polygon(cr, {{37, 30}, {83, 30}, {88, 81}, {32, 81}});
    stroke(cr, withAlpha(pal::ink, 0.45), 1.4);
  }
  // Chrome top rim with the ink outline.
  basket(cr);
  stroke(cr, pal::ink, 6.0);
  basket(cr);
  stroke(cr, chrome(), 3.0);
  // The fold-down child seat by the handle, in the shop's red.
  roundedRect(cr, 38, 74, 44, 12, 3);
  fillOutline(cr, pal::tomato, 2.0);
  roundedRect(cr, 42, 76.5, 36, 3, 1.5);
  fill(cr, withAlpha(pal::white, 0.4));
  // Red corner bumpers at the front.
  roundedRect(cr, 27, 20, 12, 7, 3);
  fillOutline(cr, pal::red, 2.0);
  roundedRect(cr, 81, 20, 12, 7, 3);
  fillOutline(cr, pal::red, 2.0);
  // Shine along the left rim.
  cairo_move_to(cr, 32, 28);
  cairo_line_to(cr, 27, 80);
  stroke(cr, withAlpha(pal::white, 0.8), 1.5);
}

void shot(cairo_t* cr) {
  // Drawn small and tinted blue by the game: a white-hot core in a soft glow.
  radial(cr, 60, 60, 46, rgb(0xFFFFFF, 1.0), rgb(0xBFE4FF, 0.0));
  circle(cr, 60, 60, 46);
  cairo_fill(cr);
  radial(cr, 60, 60, 26, rgb(0xFFFFFF, 1.0), rgb(0xD8F0FF, 0.9));
  circle(cr, 60, 60, 26);
  cairo_fill(cr);
  circle(cr, 60, 60, 26);
  stroke(cr, rgb(0xFFFFFF, 0.9), 3);
  shine(cr, 52, 51, 9, 6, 0.9);
}

// ---------------------------------------------------------------------------------------------
// Shoppers, facing up in a 100 x 100 frame, kept inside the central 64 px.

struct Look {
  Color hair, shirt, trousers, skin, basket;
  bool ponytail;
};

void shopper(cairo_t* cr, const Look& k) {
  // A shoe just showing behind, mid-stride.
  ellipse(cr, 57, 69, 4.5, 5.5);
  fillOutline(cr, pal::ink, 1.5);
  // Shoulders and back.
  auto torso = [](cairo_t* c) {
    smoothClosed(c, {{50, 44}, {66, 45}, {74, 54}, {68, 64}, {50, 66}, {32, 64}, {26, 54}, {34, 45}});
  };
  body(cr, torso, k.shirt, 0.22, 0.18, LW);
  // Basket carried in front.
  roundedRect(cr, 35, 18, 30, 17, 4);
  fillOutline(cr, k.basket, LW);
  for (int i = 1; i < 4; ++i) {
    cairo_move_to(cr, 35 + i * 7.5, 20);
    cairo_line_to(cr, 35 + i * 7.5, 33);
  }
  stroke(cr, darker(k.basket, 0.3), 1.3);
  circle(cr, 44, 25, 4);
  fillOutline(cr, pal::tomato, 1.4);
  roundedRect(cr, 50, 21, 9, 8, 2);
  fillOutline(cr, pal::yellow, 1.4);
  // Arms reaching forward from the shoulders to the basket handle.
  auto arm = [&](double sx, double hx) {
    cairo_move_to(cr, sx, 52);
    cairo_curve_to(cr, sx, 42, hx, 42, hx, 34);
    stroke(cr, pal::ink, 10);
    cairo_move_to(cr, sx, 52);
    cairo_curve_to(cr, sx, 42, hx, 42, hx, 34);
    stroke(cr, lighter(k.shirt, 0.12), 6);
    circle(cr, hx, 32.5, 4.3);
    fillOutline(cr, k.skin, 1.6);
  };
  arm(31, 39);
  arm(69, 61);
  cairo_move_to(cr, 37, 30);
  cairo_curve_to(cr, 42, 23, 58, 23, 63, 30);
  stroke(cr, pal::ink, 2);
  // Head: the face shows at the front, the hair covers the crown and the back.
  circle(cr, 50, 54, 11.5);
  fillOutline(cr, k.skin, LW);
  circle(cr, 50, 42.8, 2.2);
  fillOutline(cr, k.skin, 1.4);
  auto hair = [](cairo_t* c) {
    cairo_move_to(c, 38.6, 55);
    cairo_curve_to(c, 38, 46, 44, 46.5, 50, 48);
    cairo_curve_to(c, 56, 46.5, 62, 46, 61.4, 55);
    cairo_arc(c, 50, 54, 11.4, 0.09, M_PI - 0.09);
    cairo_close_path(c);
  };
  body(cr, hair, k.hair, 0.25, 0.25, 2.0);
  circle(cr, 38.5, 53, 2.4);
  fillOutline(cr, k.skin, 1.3);
  circle(cr, 61.5, 53, 2.4);
  fillOutline(cr, k.skin, 1.3);
  if (k.ponytail) {
    auto tail = [](cairo_t* c) {
      cairo_move_to(c, 46, 63);
      cairo_curve_to(c, 44, 71, 51, 76, 53, 80);
      cairo_curve_to(c, 57, 74, 56, 69, 54, 63);
      cairo_close_path(c);
    };
    body(cr, tail, k.hair, 0.2, 0.2, 2.0);
    roundedRect(cr, 46, 62, 8, 4, 2);
    fillOutline(cr, pal::pink, 1.3);
  } else {
    const Pt curls[] = {{43, 51}, {48, 49}, {54, 50}, {58, 53}, {45, 58}, {55, 59}, {50, 55}};
    for (const Pt& p : curls) {
      cairo_arc(cr, p.x, p.y, 2.4, 0.2, M_PI * 1.4);
      stroke(cr, withAlpha(darker(k.hair, 0.35), 0.8), 1.3);
    }
  }
  shine(cr, 45, 51, 3.2, 1.8, 0.45);
}

Look ginger() {
  return Look{mix(pal::orange, pal::tomato, 0.55), pal::teal, pal::navy, rgb(0xF6D3B3), pal::red, false};
}
Look blonde() {
  return Look{mix(pal::yellow, pal::paper, 0.15), pal::purple, pal::navy, rgb(0xF2C9A5), pal::sky, true};
}

// The yellow caution sign, an A-frame seen from a little above the front.
void wetFloorSign(cairo_t* cr) {
  Color y = pal::yellow;
  // Back leg peeking out, then the front panel.
  polygon(cr, {{30, 24}, {70, 24}, {80, 86}, {20, 86}});
  fillOutline(cr, darker(y, 0.22), LW);
  polygon(cr, {{34, 20}, {66, 20}, {76, 82}, {24, 82}});
  fillOutline(cr, y, LW);
  roundedRect(cr, 40, 12, 20, 11, 4);
  fillOutline(cr, y, LW);
  roundedRect(cr, 45, 15, 10, 4, 2);
  fill(cr, pal::ink);
  // Warning triangle with a slipping figure.
  polygon(cr, {{50, 28}, {68, 60}, {32, 60}});
  fillOutline(cr, pal::white, 2.2);
  polygon(cr, {{50, 33}, {64, 57}, {36, 57}});
  stroke(cr, pal::ink, 2.0);
  circle(cr, 47, 41, 2.6);
  fill(cr, pal::ink);
  cairo_move_to(cr, 48, 44);
  cairo_line_to(cr, 52, 51);
  cairo_move_to(cr, 50, 47);
  cairo_line_to(cr, 56, 45);
  cairo_move_to(cr, 52, 51);
  cairo_line_to(cr, 57, 54);
  cairo_move_to(cr, 52, 51);
  cairo_line_to(cr, 46, 55);
  stroke(cr, pal::ink, 2.4);
  // Text bands.
  Font f = fitted("CAUTION", sans(11, true), 36);
  text(cr, "CAUTION", f, 50, 71, pal::ink, 0.5);
  Font g = fitted("WET FLOOR", sans(9, true), 42);
  text(cr, "WET FLOOR", g, 50, 79.5, pal::ink, 0.5);
  shine(cr, 38, 40, 2, 12, 0.35);
}

// The slow zone: a wide spilt puddle with a small sign standing in it.
void slowZone(cairo_t* cr) {
  auto puddle = [](cairo_t* c) {
    smoothClosed(c, {{50, 6}, {66, 9}, {80, 8}, {93, 22}, {90, 38}, {96, 54}, {90, 74}, {74, 90},
                     {56, 88}, {40, 95}, {22, 86}, {9, 70}, {12, 52}, {5, 34}, {16, 16}, {32, 12}});
  };
  puddle(cr);
  radial(cr, 46, 44, 56, rgb(0xBFE6F7, 0.55), rgb(0x8ECAE6, 0.78));
  cairo_fill(cr);
  crescent(cr, puddle, 3, 4, rgb(0x457B9D, 0.35));
  puddle(cr);
  stroke(cr, rgb(0x457B9D, 0.85), 2.0);
  // Ripples and glints.
  for (double r : {14.0, 22.0}) {
    ellipse(cr, 28, 70, r * 0.9, r * 0.45);
    stroke(cr, rgb(0xFFFFFF, 0.5), 1.4);
  }
  ellipse(cr, 72, 28, 12, 5);
  stroke(cr, rgb(0xFFFFFF, 0.5), 1.4);
  shine(cr, 30, 26, 12, 3, 0.55);
  shine(cr, 76, 72, 7, 2, 0.5);
  // Sign: a round "slow" plate with a snail on a short post.
  ellipse(cr, 52, 72, 12, 4);
  fill(cr, rgb(0x1D3557, 0.35));
  roundedRect(cr, 49.5, 50, 5, 22, 2);
  fillOutline(cr, pal::grey, 1.8);
  ellipse(cr, 52, 72, 10, 3.5);
  fillOutline(cr, pal::dkgrey, 1.8);
  circle(cr, 52, 40, 17);
  fillOutline(cr, pal::white, LW);
  circle(cr, 52, 40, 13.5);
  stroke(cr, pal::red, 4);
  // Snail.
  circle(cr, 54, 33.5, 4.6);
  fillOutline(cr, pal::orange, 1.5);
  cairo_arc(cr, 54, 33.5, 2.1, 0, 1.6 * M_PI);
  stroke(cr, pal::ink, 1.1);
  cairo_move_to(cr, 45, 39);
  cairo_line_to(cr, 60, 39);
  stroke(cr, pal::ink, 2.4);
  cairo_move_to(cr, 47, 38.5);
  cairo_line_to(cr, 46, 32);
  stroke(cr, pal::ink, 1.3);
  Font f = fitted("SLOW", sans(8, true), 17);
  text(cr, "SLOW", f, 52, 49.5, pal::ink, 0.5);
}

// A pushchair from above, handle at the bottom; levels turn it.
void pushchair(cairo_t* cr) {
  auto wheel = [&](double x, double y) {
    roundedRect(cr, x - 4.5, y - 8, 9, 16, 4);
    fillOutline(cr, pal::dkgrey, 2.0);
  };
  wheel(30, 26);
  wheel(70, 26);
  wheel(28, 74);
  wheel(72, 74);
  // Frame and handle.
  cairo_move_to(cr, 34, 78);
  cairo_line_to(cr, 34, 88);
  cairo_move_to(cr, 66, 78);
  cairo_line_to(cr, 66, 88);
  stroke(cr, pal::ink, 5);
  cairo_move_to(cr, 34, 78);
  cairo_line_to(cr, 34, 88);
  cairo_move_to(cr, 66, 78);
  cairo_line_to(cr, 66, 88);
  stroke(cr, chrome(), 2.2);
  roundedRect(cr, 28, 86, 44, 8, 4);
  fillOutline(cr, pal::dkgrey, LW);
  // Body of the pram.
  auto tub = [](cairo_t* c) { roundedRect(c, 31, 14, 38, 66, 15); };
  body(cr, tub, pal::pink, 0.22, 0.2, LW);
  // Blanket and baby.
  roundedRect(cr, 36, 22, 28, 28, 10);
  fillOutline(cr, pal::sky, 2.0);
  for (int i = 0; i < 3; ++i) {
    cairo_move_to(cr, 38, 28 + i * 8);
    cairo_line_to(cr, 62, 28 + i * 8);
  }
  stroke(cr, withAlpha(pal::white, 0.7), 1.5);
  circle(cr, 50, 54, 7);
  fillOutline(cr, rgb(0xF6D3B3), 2.0);
  // Hood folded over the head end, with ribs.
  auto hood = [](cairo_t* c) {
    cairo_move_to(c, 31, 56);
    cairo_curve_to(c, 31, 50, 69, 50, 69, 56);
    cairo_line_to(c, 69, 66);
    cairo_curve_to(c, 69, 78, 31, 78, 31, 66);
    cairo_close_path(c);
  };
  body(cr, hood, pal::navy, 0.2, 0.25, LW);
  for (int i = 1; i < 3; ++i) {
    cairo_move_to(cr, 33, 56 + i * 6);
    cairo_curve_to(cr, 40, 54 + i * 6, 60, 54 + i * 6, 67, 56 + i * 6);
  }
  stroke(cr, withAlpha(pal::sky, 0.6), 1.3);
}

}  // namespace

Surface makeShoppingCart() {
  Sheet sheet(120, 120, 4, 34);
  for (int f = 0; f < 4; ++f)
    sheet.frame(f, [&](cairo_t* cr) {
      shadowed(cr, [&](cairo_t* c) { turned(c, f, 60, 60, trolley); }, Shadow{3, 4, 5, 0.28});
    });
  sheet.frame(33, shot);
  return std::move(sheet.surf);
}

Surface makeObstacles() {
  Sheet sheet(100, 100, 4, 11);
  const Look looks[2] = {ginger(), blonde()};
  for (int who = 0; who < 2; ++who)
    for (int dir = 0; dir < 4; ++dir)
      sheet.frame(who * 4 + dir, [&](cairo_t* cr) {
        shadowed(cr, [&](cairo_t* c) { turned(c, dir, 50, 50, [&](cairo_t* c2) { shopper(c2, looks[who]); }); },
                 Shadow{3, 4, 4, 0.28});
      });
  sheet.frame(8, [](cairo_t* cr) { shadowed(cr, wetFloorSign, Shadow{4, 4, 4, 0.3}); });
  sheet.frame(9, [](cairo_t* cr) { slowZone(cr); });
  sheet.frame(10, [](cairo_t* cr) { shadowed(cr, pushchair, Shadow{3, 4, 4, 0.28}); });
  return std::move(sheet.surf);
}

Surface makeMarker() {
  Surface s(20, 20);
  Context cr(s);
  circle(cr, 10, 10, 5);
  fill(cr, rgb(0x2B2D42, 0.25));
  return s;
}

}  // namespace art
