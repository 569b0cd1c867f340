// The checkout and everything round it: the till, its lamp, the pay spot with its chasing
// lights, the stopwatch, and the weighing pad, waste bin and bin prompt of the weighing levels.
#include <cmath>

#include "assets.hpp"

namespace art {

namespace {

constexpr double LW = 2.5;

Color steel() { return rgb(0xC9D2DA); }
Color belt() { return rgb(0x3D4250); }

// The checkout's lamp, on the counter's far corner (frame pixels).
constexpr double lampX = 150, lampY = 44;

void counter(cairo_t* cr) {
  // Counter body over its solid box (x 60..167, y 25..182).
  auto top = [](cairo_t* c) { roundedRect(c, 58, 22, 112, 163, 8); };
  body(cr, top, pal::navy, 0.0, 0.0, LW);
  roundedRect(cr, 62, 26, 104, 155, 6);
  fill(cr, rgb(0xF4F1EA));
  // Red kick strip along the customer side.
  roundedRect(cr, 58, 22, 7, 163, 3);
  fillOutline(cr, pal::red, 2.0);
  // Conveyor belt running down towards the scanner.
  roundedRect(cr, 70, 30, 40, 96, 5);
  fillOutline(cr, belt(), 2.0);
  for (int i = 0; i < 15; ++i) {
    cairo_move_to(cr, 73, 35 + i * 6);
    cairo_line_to(cr, 107, 35 + i * 6);
  }
  stroke(cr, rgb(0x555B6E), 1.5);
  roundedRect(cr, 70, 30, 40, 5, 2);
  fillOutline(cr, steel(), 1.4);
  roundedRect(cr, 70, 121, 40, 5, 2);
  fillOutline(cr, steel(), 1.4);
  // Groceries riding the belt and the divider bar.
  roundedRect(cr, 76, 44, 14, 18, 2);
  fillOutline(cr, pal::yellow, 1.5);
  circle(cr, 98, 52, 6);
  fillOutline(cr, pal::tomato, 1.5);
  roundedRect(cr, 72, 70, 36, 4, 2);
  fillOutline(cr, pal::tomato, 1.4);
  roundedRect(cr, 80, 84, 20, 12, 3);
  fillOutline(cr, pal::sky, 1.5);
  circle(cr, 88, 106, 5);
  fillOutline(cr, pal::leaf, 1.5);
  // Scanner glass.
  roundedRect(cr, 72, 131, 36, 16, 3);
  fillOutline(cr, rgb(0x2B2D42), 2.0);
  cairo_move_to(cr, 75, 139);
  cairo_line_to(cr, 105, 139);
  stroke(cr, rgb(0xE63946, 0.9), 1.6);
  roundedRect(cr, 74, 133, 12, 3, 1.5);
  fill(cr, withAlpha(pal::white, 0.3));
  // Bagging area with a full bag.
  roundedRect(cr, 68, 152, 92, 27, 4);
  fillOutline(cr, steel(), 1.8);
  auto bag = [](cairo_t* c) { roundedRect(c, 76, 155, 30, 21, 5); };
  body(cr, bag, pal::paper, 0.15, 0.0, 1.8);
  circle(cr, 84, 162, 4);
  fillOutline(cr, pal::leaf, 1.2);
  roundedRect(cr, 88, 158, 8, 10, 2);
  fillOutline(cr, pal::orange, 1.2);
  cairo_arc(cr, 91, 165, 7, M_PI, 2 * M_PI);
  stroke(cr, darker(pal::paper, 0.3), 1.4);
  roundedRect(cr, 114, 158, 20, 16, 4);
  fillOutline(cr, pal::tomato, 1.6);
  // The till: screen on a stand, keypad, drawer and card reader.
  roundedRect(cr, 118, 64, 44, 56, 5);
  fillOutline(cr, rgb(0xE1E5EA), 2.2);
  roundedRect(cr, 122, 98, 36, 18, 3);
  fillOutline(cr, rgb(0xB9C2CB), 1.6);
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 4; ++c) {
      roundedRect(cr, 125 + c * 8, 100 + r * 5, 6, 3.5, 1);
      fill(cr, c == 3 ? pal::red : rgb(0x6C757D));
    }
  roundedRect(cr, 121, 68, 38, 26, 3);
  fillOutline(cr, pal::dkgrey, 2.0);
  roundedRect(cr, 124, 71, 32, 20, 2);
  vgradient(cr, 71, 91, rgb(0x2A9D8F), rgb(0x1D6F66));
  cairo_fill(cr);
  Font f = fitted("TOTAL", sans(7, true), 28);
  text(cr, "TOTAL", f, 140, 79, pal::white, 0.5);
  Font g = fitted("12.50", Font{"DSEG7 Classic", 8}, 28);
  text(cr, "12.50", g, 140, 88.5, pal::yellow, 0.5);
  roundedRect(cr, 122, 128, 18, 14, 3);
  fillOutline(cr, pal::dkgrey, 1.6);
  roundedRect(cr, 125, 131, 12, 5, 1);
  fill(cr, pal::leaf);
  // Lamp post base (the light itself is its own picture).
  circle(cr, lampX, lampY, 11);
  fillOutline(cr, steel(), 2.2);
  circle(cr, lampX, lampY, 7.5);
  fillOutline(cr, rgb(0x6C757D), 1.6);
  Font n = fitted("1", stencil(12), 10);
  text(cr, "1", n, lampX - 21, lampY + 5, pal::navy, 0.5);
}

void lamp(cairo_t* cr, Color c) {
  radial(cr, lampX, lampY, 30, withAlpha(c, 0.55), withAlpha(c, 0.0));
  circle(cr, lampX, lampY, 30);
  cairo_fill(cr);
  circle(cr, lampX, lampY, 8.5);
  radial(cr, lampX - 2.5, lampY - 2.5, 10, lighter(c, 0.7), c);
  cairo_fill_preserve(cr);
  stroke(cr, pal::ink, 2.0);
  shine(cr, lampX - 2.5, lampY - 3, 3, 2, 0.85);
}

// The pay spot, 80 x 150: painted floor marking, bulbs round its edge.
constexpr double padX = 6, padY = 6, padW = 68, padH = 138, padR = 14;
constexpr int bulbCount = 24;

Pt bulbAt(int i) {
  // Evenly spaced along the rounded rectangle's straight edges and corners.
  double straightW = padW - 2 * padR, straightH = padH - 2 * padR;
  double arc = M_PI / 2 * padR;
  double per = 2 * straightW + 2 * straightH + 4 * arc;
  double d = per * i / bulbCount;
  const double inset = 0;
  double x0 = padX + inset, y0 = padY + inset;
  auto corner = [&](double cx, double cy, double a0, double t) {
    double a = a0 + t / padR;
    return Pt{cx + padR * std::cos(a), cy + padR * std::sin(a)};
  };
  if (d < straightW) return Pt{x0 + padR + d, y0};
  d -= straightW;
  if (d < arc) return corner(x0 + padW - padR, y0 + padR, -M_PI / 2, d);
  d -= arc;
  if (d < straightH) return Pt{x0 + padW, y0 + padR + d};
  d -= straightH;
  if (d < arc) return corner(x0 + padW - padR, y0 + padH - padR, 0, d);
  d -= arc;
  if (d < straightW) return Pt{x0 + padW - padR - d, y0 + padH};
  d -= straightW;
  if (d < arc) return corner(x0 + padR, y0 + padH - padR, M_PI / 2, d);
  d -= arc;
  if (d < straightH) return Pt{x0, y0 + padH - padR - d};
  d -= straightH;
  return corner(x0 + padR, y0 + padR, M_PI, d);
}

void chevron(cairo_t* cr, double cx, double cy) {
  polygon(cr, {{cx - 12, cy - 13}, {cx - 2, cy - 13}, {cx + 12, cy}, {cx - 2, cy + 13}, {cx - 12, cy + 13},
               {cx + 2, cy}});
}

constexpr double chevronY[3] = {40, 68, 96};

void payPad(cairo_t* cr) {
  roundedRect(cr, padX, padY, padW, padH, padR);
  fill(cr, rgb(0x1D3557, 0.16));
  roundedRect(cr, padX, padY, padW, padH, padR);
  stroke(cr, withAlpha(pal::yellow, 0.95), 5);
  roundedRect(cr, padX + 6, padY + 6, padW - 12, padH - 12, padR - 5);
  stroke(cr, withAlpha(pal::white, 0.6), 1.5);
  for (double y : chevronY) {
    chevron(cr, 40, y);
    fill(cr, withAlpha(pal::yellow, 0.85));
  }
  Font f = fitted("PAY", stencil(22), 52);
  text(cr, "PAY", f, 40, 128, withAlpha(pal::navy, 0.85), 0.5);
  Font g = fitted("HERE", stencil(12), 44);
  text(cr, "HERE", g, 40, 23, withAlpha(pal::navy, 0.8), 0.5);
  // Bulb sockets.
  for (int i = 0; i < bulbCount; ++i) {
    Pt p = bulbAt(i);
    circle(cr, p.x, p.y, 3.2);
    fillOutline(cr, rgb(0xE6D7B8), 1.3);
  }
}

void payLights(cairo_t* cr, int phase) {
  for (int i = phase; i < bulbCount; i += 3) {
    Pt p = bulbAt(i);
    radial(cr, p.x, p.y, 9, rgb(0xFFE9A8, 0.8), rgb(0xFFD166, 0.0));
    circle(cr, p.x, p.y, 9);
    cairo_fill(cr);
    circle(cr, p.x, p.y, 3.4);
    fillOutline(cr, rgb(0xFFF6D6), 1.2, pal::orange);
  }
  // The chevron of this phase glows, so the arrows chase towards the till.
  double y = chevronY[phase];
  {
    Saved s(cr);
    chevron(cr, 40, y);
    source(cr, rgb(0xFFF3C4, 0.95));
    cairo_fill_preserve(cr);
    stroke(cr, rgb(0xFFD166, 0.9), 2.5);
  }
  radial(cr, 40, y, 24, rgb(0xFFE9A8, 0.45), rgb(0xFFD166, 0.0));
  circle(cr, 40, y, 24);
  cairo_fill(cr);
}

// ---------------------------------------------------------------------------------------------
// Stopwatch. The game prints the clock at screen (22, 588) over the picture drawn at (5, 510)
// and scale 1.3, so the LCD window is placed from the measured digits.

constexpr double swX = 5, swY = 510, swS = 1.3, swC = 75 * 1.3;
double toSourceX(double screenX) { return (screenX - swX - swC) / swS + swC; }
double toSourceY(double screenY) { return (screenY - swY - swC) / swS + swC; }

void stopwatch(cairo_t* cr) {
  ClockDigits d = clockDigitsOnStopwatch();
  double wx0 = std::min(28.0, d.x0 - 6), wx1 = std::max(136.0, d.x1 + 6);
  double wy0 = std::min(76.0, d.y0 - 5), wy1 = std::max(114.0, d.y1 + 5);
  double cx = (wx0 + wx1) / 2, cy = 93;
  // Crown and side button.
  roundedRect(cr, cx - 6, 22, 12, 16, 2);
  fillOutline(cr, steel(), LW);
  roundedRect(cr, cx - 14, 10, 28, 13, 5);
  fillOutline(cr, pal::red, LW);
  roundedRect(cr, cx - 10, 12.5, 20, 3, 1.5);
  fill(cr, withAlpha(pal::white, 0.45));
  {
    Saved s(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, M_PI / 4);
    roundedRect(cr, -5, -68, 10, 14, 2);
    fillOutline(cr, steel(), LW);
    roundedRect(cr, -7, -74, 14, 8, 3);
    fillOutline(cr, pal::red, 2.0);
  }
  // Case, bezel and face.
  const double rx = 66, ry = 55;
  body(cr, [&](cairo_t* c) { ellipse(c, cx, cy, rx, ry); }, pal::red, 0.2, 0.25, LW);
  ellipse(cr, cx, cy, rx - 6, ry - 6);
  fillOutline(cr, steel(), 2.0);
  ellipse(cr, cx, cy, rx - 10, ry - 10);
  fillOutline(cr, pal::white, 1.6);
  for (int i = 0; i < 60; ++i) {
    double a = i * M_PI / 30;
    double inner = i % 5 ? 0.9 : 0.82;
    cairo_move_to(cr, cx + (rx - 12) * std::cos(a), cy + (ry - 12) * std::sin(a));
    cairo_line_to(cr, cx + (rx - 12) * inner * std::cos(a), cy + (ry - 12) * inner * std::sin(a));
  }
  stroke(cr, pal::ink, 1.2);
  Font f = fitted("SEC", sans(8, true), 20);
  text(cr, "SEC", f, cx, wy0 - 6, pal::red, 0.5);
  // LCD window: dark, so the white digits stand out.
  roundedRect(cr, wx0 - 2, wy0 - 2, wx1 - wx0 + 4, wy1 - wy0 + 4, 8);
  fill(cr, steel());
  roundedRect(cr, wx0, wy0, wx1 - wx0, wy1 - wy0, 7);
  vgradient(cr, wy0, wy1, rgb(0x24303F), rgb(0x161C26));
  cairo_fill_preserve(cr);
  stroke(cr, pal::ink, 2.0);
  // Faint unlit segments behind the digits.
  Font seg{"DSEG14 Classic", emForCellHeight("DSEG14 Classic", 35) / swS};
  text(cr, " ~~ ", seg, toSourceX(22), toSourceY(588) + measure(" ~~ ", seg).ascent, rgb(0xFFFFFF, 0.08));
  roundedRect(cr, wx0 + 4, wy0 + 3, wx1 - wx0 - 8, 5, 2.5);
  fill(cr, withAlpha(pal::white, 0.12));
  shine(cr, cx - 38, cy - 34, 12, 4, 0.5);
}

// ---------------------------------------------------------------------------------------------

void miniScale(cairo_t* cr) {
  auto plate = [](cairo_t* c) { roundedRect(c, 6, 6, 88, 63, 10); };
  body(cr, plate, steel(), 0.12, 0.2, LW);
  roundedRect(cr, 13, 13, 74, 44, 6);
  fill(cr, rgb(0xAEB8C2));
  // Diamond tread.
  {
    Saved s(cr);
    roundedRect(cr, 13, 13, 74, 44, 6);
    cairo_clip(cr);
    for (int j = 0; j < 6; ++j)
      for (int i = 0; i < 9; ++i) {
        Saved k(cr);
        cairo_translate(cr, 17 + i * 8.5 + (j % 2) * 4.2, 17 + j * 7.5);
        cairo_rotate(cr, j % 2 ? 0.6 : -0.6);
        roundedRect(cr, -3, -1, 6, 2, 1);
        fill(cr, withAlpha(pal::white, 0.55));
      }
  }
  roundedRect(cr, 13, 13, 74, 44, 6);
  stroke(cr, withAlpha(pal::ink, 0.6), 1.5);
  // Small readout and the label.
  roundedRect(cr, 34, 58, 32, 9, 2);
  fillOutline(cr, pal::dkgrey, 1.5);
  roundedRect(cr, 37, 60, 18, 5, 1);
  fill(cr, rgb(0xB7E4C7));
  circle(cr, 60, 62.5, 2);
  fill(cr, pal::leaf);
  Font f = fitted("WEIGH HERE", stencil(11), 64);
  text(cr, "WEIGH HERE", f, 50, 40, withAlpha(pal::navy, 0.85), 0.5);
}

void wasteBin(cairo_t* cr) {
  // Striped pad on the floor, the bin standing on it.
  roundedRect(cr, 4, 4, 92, 67, 10);
  fill(cr, pal::yellow);
  {
    Saved s(cr);
    roundedRect(cr, 4, 4, 92, 67, 10);
    cairo_clip(cr);
    for (int i = -6; i < 12; ++i) {
      polygon(cr, {{i * 14.0, 0}, {i * 14.0 + 7, 0}, {i * 14.0 + 7 + 75, 75}, {i * 14.0 + 75, 75}});
      fill(cr, pal::ink);
    }
  }
  roundedRect(cr, 4, 4, 92, 67, 10);
  stroke(cr, pal::ink, LW);
  roundedRect(cr, 10, 10, 80, 55, 7);
  fill(cr, withAlpha(pal::white, 0.15));
  LayerStyle st;
  st.sh = Shadow{3, 4, 4, 0.35};
  layer(cr, st, [](cairo_t* c) {
    // A round pedal bin from above: lid, hinge and the recycling mark.
    body(c, [](cairo_t* c2) { circle(c2, 50, 37.5, 27); }, pal::dkgreen, 0.15, 0.0, LW);
    circle(c, 50, 37.5, 21);
    fillOutline(c, pal::leaf, 2.0);
    for (int i = 0; i < 3; ++i) {
      Saved s(c);
      cairo_translate(c, 50, 38);
      cairo_rotate(c, i * 2 * M_PI / 3);
      cairo_arc(c, 0, 0, 10, -M_PI / 2 - 0.8, -M_PI / 2 + 0.6);
      stroke(c, pal::white, 3);
      polygon(c, {{7.7, -9.5}, {4.5, -2.5}, {11.8, -4.2}});
      fill(c, pal::white);
    }
    roundedRect(c, 40, 9, 20, 6, 3);
    fillOutline(c, steel(), 1.6);
    shine(c, 38, 24, 7, 3, 0.35);
  });
}

}  // namespace

ClockDigits clockDigitsOnStopwatch() {
  double em = emForCellHeight("DSEG14 Classic", 35);
  TextSize t = measure(" 60 ", Font{"DSEG14 Classic", em});
  // The game prints with the layout's top-left at the given point.
  double sx0 = 22 + t.inkX, sy0 = 588 + t.inkY;
  double sx1 = sx0 + t.inkW, sy1 = sy0 + t.inkH;
  return ClockDigits{toSourceX(sx0), toSourceY(sy0), toSourceX(sx1), toSourceY(sy1)};
}

Surface makeCheckout() {
  Surface s(200, 200);
  Context cr(s);
  shadowed(cr, counter, Shadow{0, 0, 6, 0.32});
  return s;
}

Surface makeCheckoutLights() {
  Sheet sheet(200, 200, 2, 2);
  sheet.frame(0, [](cairo_t* cr) { lamp(cr, pal::red); });
  sheet.frame(1, [](cairo_t* cr) { lamp(cr, rgb(0x3A86FF)); });
  return std::move(sheet.surf);
}

Surface makeArrows() {
  Surface s(80, 150);
  Context cr(s);
  payPad(cr);
  return s;
}

Surface makeArrowLights() {
  Sheet sheet(80, 150, 3, 3);
  for (int f = 0; f < 3; ++f) sheet.frame(f, [&](cairo_t* cr) { payLights(cr, f); });
  return std::move(sheet.surf);
}

Surface makeStopwatch() {
  Surface s(150, 150);
  Context cr(s);
  shadowed(cr, stopwatch, Shadow{2, 3, 4, 0.3});
  return s;
}

Surface makeMiniScale() {
  Surface s(100, 75);
  Context cr(s);
  shadowed(cr, miniScale, Shadow{1, 2, 3, 0.25});
  return s;
}

Surface makeWasteBin() {
  Surface s(100, 75);
  Context cr(s);
  wasteBin(cr);
  return s;
}

Surface makeBinBox() {
  const int w = 424, h = 184;
  Surface s(w, h);
  Context cr(s);
  shadowed(
      cr,
      [&](cairo_t* c) {
        roundedRect(c, 6, 6, w - 14, h - 14, 18);
        fillOutline(c, pal::paper, 3);
        roundedRect(c, 6, 6, w - 14, 44, 18);
        cairo_rectangle(c, 6, 30, w - 14, 20);
        fill(c, pal::dkgreen);
        roundedRect(c, 6, 6, w - 14, h - 14, 18);
        stroke(c, pal::ink, 3);
        text(c, "Waste bin", script(30), w / 2.0 - 4, 40, pal::white, 0.5);
        // Bin icon.
        body(c, [](cairo_t* c2) { roundedRect(c2, 30, 74, 56, 70, 8); }, pal::leaf, 0.2, 0.2, 3);
        roundedRect(c, 24, 64, 68, 12, 5);
        fillOutline(c, pal::dkgreen, 3);
        for (int i = 0; i < 3; ++i) {
          cairo_move_to(c, 44 + i * 14, 86);
          cairo_line_to(c, 44 + i * 14, 132);
        }
        stroke(c, withAlpha(pal::dkgreen, 0.8), 3);
        // Key cap.
        roundedRect(c, 112, 70, 44, 44, 8);
        fillOutline(c, pal::white, 3);
        roundedRect(c, 112, 106, 44, 8, 4);
        fill(c, withAlpha(pal::grey, 0.6));
        text(c, "Y", sans(30, true), 134, 103, pal::ink, 0.5);
        text(c, "Press Y to empty", sans(24, true), 168, 90, pal::ink);
        text(c, "your trolley", sans(24, true), 168, 117, pal::ink);
        text(c, "It costs 50 points", sans(20, false), 120, 152, pal::red);
      },
      Shadow{4, 5, 6, 0.3});
  return s;
}

}  // namespace art
