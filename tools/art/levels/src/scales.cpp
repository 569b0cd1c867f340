// The big weighing-scale display of the weighing levels: a dial with a coloured band, nine
// lamps that come on as the gauge fills, a needle in nine positions, and the weight's LCD.
#include <cmath>

#include "assets.hpp"

namespace art {

namespace {

constexpr int W = 857, H = 632;
constexpr double pivotX = 428, pivotY = 410;
constexpr double bandOuter = 268, bandInner = 226;
constexpr double lampRadius = 312, lampSize = 19;
constexpr double needleLength = 244;

// Step k (1..9) of the gauge points at this angle, counted anticlockwise from the right, as on
// a maths drawing: 1 far left, 5 straight up, 9 far right.
double stepAngle(int k) { return (160.0 - (k - 1) * 17.5) * M_PI / 180.0; }
Pt onDial(double angle, double r) { return Pt{pivotX + r * std::cos(angle), pivotY - r * std::sin(angle)}; }

Color lampColour(int k) {
  if (k == 5) return pal::leaf;
  if (k == 3 || k == 4 || k == 6 || k == 7) return mix(pal::orange, pal::yellow, 0.45);
  return pal::red;
}

// The LCD sits where the game prints the weight: " 285 " in a 40 px seven-segment face with
// its top-left at (530, 462).
struct Lcd {
  double x0, y0, x1, y1;
  Font font;
};

Lcd lcd() {
  Font f{"DSEG7 Classic", emForCellHeight("DSEG7 Classic", 40)};
  TextSize t = measure(" 888 ", f);
  double x0 = 530 + t.inkX, y0 = 462 + t.inkY;
  return Lcd{x0 - 18, y0 - 14, x0 + t.inkW + 18, y0 + t.inkH + 14, f};
}

void bandSegment(cairo_t* cr, double a0, double a1, Color c) {
  // Screen angles run clockwise, so the maths angles are negated.
  cairo_new_sub_path(cr);
  cairo_arc(cr, pivotX, pivotY, bandOuter, -a0, -a1);
  cairo_arc_negative(cr, pivotX, pivotY, bandInner, -a1, -a0);
  cairo_close_path(cr);
  fill(cr, c);
}

void display(cairo_t* cr) {
  // Cabinet.
  LayerStyle st;
  st.sh = Shadow{6, 8, 10, 0.35};
  layer(cr, st, [](cairo_t* c) {
    roundedRect(c, 10, 10, W - 24, H - 24, 30);
    vgradient(c, 10, H - 14, rgb(0x274B78), pal::navy);
    cairo_fill_preserve(c);
    stroke(c, pal::ink, 4);
    roundedRect(c, 28, 28, W - 60, H - 60, 22);
    vgradient(c, 28, H - 32, pal::white, pal::paper);
    cairo_fill_preserve(c);
    stroke(c, pal::ink, 3);
  });
  // Title plate.
  roundedRect(cr, W / 2.0 - 170, 36, 340, 50, 16);
  fillOutline(cr, pal::red, 3);
  text(cr, "Weighing Scale", script(34), W / 2.0, 73, pal::white, 0.5);

  // Coloured band: red, amber, green in the middle, amber, red.
  const double half = 8.75 * M_PI / 180.0;
  for (int k = 1; k <= 9; ++k) bandSegment(cr, stepAngle(k) + half, stepAngle(k) - half, lampColour(k));
  cairo_new_sub_path(cr);
  cairo_arc(cr, pivotX, pivotY, bandOuter, -(stepAngle(1) + half), -(stepAngle(9) - half));
  cairo_arc_negative(cr, pivotX, pivotY, bandInner, -(stepAngle(9) - half), -(stepAngle(1) + half));
  cairo_close_path(cr);
  stroke(cr, pal::ink, 3);
  // Ticks between the steps and small ones within.
  for (int i = 0; i <= 36; ++i) {
    double a = stepAngle(1) + half - i * (2 * half * 9) / 36;
    bool major = i % 4 == 0;
    Pt p0 = onDial(a, bandInner - 4), p1 = onDial(a, bandInner - (major ? 22 : 12));
    cairo_move_to(cr, p0.x, p0.y);
    cairo_line_to(cr, p1.x, p1.y);
    stroke(cr, pal::ink, major ? 3 : 1.6);
  }
  // Words under the band.
  auto word = [&](const char* s, double angle, Color c) {
    Pt p = onDial(angle, bandInner - 48);
    Font f = sans(17, true);
    text(cr, s, f, p.x, p.y + 6, c, 0.5);
  };
  word("TOO LIGHT", stepAngle(2) - 0.04, darker(pal::red, 0.1));
  // Either side of the upright needle, which stands there exactly when the weight is right.
  {
    Pt p = onDial(stepAngle(5), bandInner - 48);
    text(cr, "JUST", sans(17, true), p.x - 8, p.y + 6, pal::dkgreen, 1.0);
    text(cr, "RIGHT", sans(17, true), p.x + 8, p.y + 6, pal::dkgreen, 0.0);
  }
  word("TOO HEAVY", stepAngle(8) + 0.04, darker(pal::red, 0.1));
  // Lamp sockets.
  for (int k = 1; k <= 9; ++k) {
    Pt p = onDial(stepAngle(k), lampRadius);
    circle(cr, p.x, p.y, lampSize + 5);
    fillOutline(cr, rgb(0xC9D2DA), 3);
    circle(cr, p.x, p.y, lampSize);
    radial(cr, p.x - 5, p.y - 5, lampSize + 4, mix(lampColour(k), pal::grey, 0.55), darker(mix(lampColour(k), pal::dkgrey, 0.6), 0.1));
    cairo_fill_preserve(cr);
    stroke(cr, pal::ink, 2);
    shine(cr, p.x - 6, p.y - 7, 6, 3.5, 0.35);
  }
  // Pivot plate (the needle's hub sits on it).
  circle(cr, pivotX, pivotY, 34);
  fillOutline(cr, rgb(0xC9D2DA), 3);

  // Weight LCD.
  Lcd d = lcd();
  roundedRect(cr, d.x0 - 8, d.y0 - 8, d.x1 - d.x0 + 16, d.y1 - d.y0 + 16, 14);
  fillOutline(cr, pal::dkgrey, 3);
  roundedRect(cr, d.x0, d.y0, d.x1 - d.x0, d.y1 - d.y0, 8);
  vgradient(cr, d.y0, d.y1, rgb(0xD5E6C3), rgb(0xB9D0A3));
  cairo_fill_preserve(cr);
  stroke(cr, pal::ink, 2);
  text(cr, " 888 ", d.font, 530, 462 + measure(" 888 ", d.font).ascent, rgb(0x2B2D42, 0.07));
  text(cr, "BASKET WEIGHT", stencil(18), (d.x0 + d.x1) / 2, d.y0 - 16, pal::navy, 0.5);
  // Hint on the left.
  text(cr, "Stand still on the scale", sans(20, true), 70, 494, pal::ink);
  text(cr, "and wait for the green light", sans(20, false), 70, 522, pal::ink);
  circle(cr, 52, 487, 9);
  fillOutline(cr, pal::leaf, 2);
  // Feet of the cabinet.
  for (double x : {90.0, W - 110.0}) {
    roundedRect(cr, x, H - 40, 40, 14, 5);
    fillOutline(cr, pal::dkgrey, 2.5);
  }
}

void lit(cairo_t* cr, int k) {
  Pt p = onDial(stepAngle(k), lampRadius);
  Color c = lampColour(k);
  radial(cr, p.x, p.y, 52, withAlpha(lighter(c, 0.2), 0.7), withAlpha(c, 0.0));
  circle(cr, p.x, p.y, 52);
  cairo_fill(cr);
  circle(cr, p.x, p.y, lampSize);
  radial(cr, p.x - 5, p.y - 5, lampSize + 2, lighter(c, 0.75), c);
  cairo_fill_preserve(cr);
  stroke(cr, pal::ink, 2);
  shine(cr, p.x - 6, p.y - 7, 6, 3.5, 0.8);
}

void needle(cairo_t* cr, int k) {
  double a = stepAngle(k);
  LayerStyle st;
  st.sh = Shadow{5, 7, 6, 0.3};
  layer(cr, st, [&](cairo_t* c) {
    Saved s(c);
    cairo_translate(c, pivotX, pivotY);
    cairo_rotate(c, -a);
    polygon(c, {{-46, -9}, {0, -8}, {needleLength - 24, -4}, {needleLength, 0}, {needleLength - 24, 4}, {0, 8},
                {-46, 9}});
    fillOutline(c, pal::red, 3);
    cairo_move_to(c, 6, -3);
    cairo_line_to(c, needleLength - 30, -1.5);
    stroke(c, withAlpha(pal::white, 0.45), 2);
    roundedRect(c, -58, -13, 22, 26, 6);
    fillOutline(c, pal::dkgrey, 3);
    cairo_identity_matrix(c);
    circle(c, pivotX, pivotY, 20);
    fillOutline(c, pal::navy, 3);
    circle(c, pivotX, pivotY, 7);
    fillOutline(c, rgb(0xC9D2DA), 2);
  });
}

}  // namespace

Surface makeLargeScales() {
  Surface s(W, H);
  Context cr(s);
  display(cr);
  return s;
}

Surface makeScaleLights() {
  Sheet sheet(W, H, 3, 9);
  for (int f = 0; f < 9; ++f) sheet.frame(f, [&](cairo_t* cr) { lit(cr, f + 1); });
  return std::move(sheet.surf);
}

Surface makeScaleArrows() {
  Sheet sheet(W, H, 3, 9);
  for (int f = 0; f < 9; ++f) sheet.frame(f, [&](cairo_t* cr) { needle(cr, f + 1); });
  return std::move(sheet.surf);
}

}  // namespace art
