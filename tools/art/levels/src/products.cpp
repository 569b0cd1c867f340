// The groceries on the floor. Each is a bold, front-on icon in an 80 x 80 box: the game also
// draws them at 56 px, so shapes are big, outlines dark and every product has a light rim.
#include <cmath>

#include "assets.hpp"

namespace art {

namespace {

constexpr double LW = 2.5;

Color crust() { return mix(pal::orange, pal::yellow, 0.35); }
Color bake() { return mix(pal::orange, pal::brown, 0.45); }
Color juicyOrange() { return mix(pal::orange, pal::tomato, 0.18); }

void seedDot(cairo_t* cr, double x, double y, double a, Color c) {
  Saved s(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, a);
  ellipse(cr, 0, 0, 1.1, 1.9);
  fill(cr, c);
}

// A leaf: pointed both ends, with a midrib.
void leafShape(cairo_t* cr, double x, double y, double len, double wid, double angle, Color c) {
  Saved s(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  auto path = [&](cairo_t* c2) {
    cairo_move_to(c2, 0, 0);
    cairo_curve_to(c2, len * 0.3, -wid, len * 0.75, -wid, len, 0);
    cairo_curve_to(c2, len * 0.75, wid, len * 0.3, wid, 0, 0);
    cairo_close_path(c2);
  };
  body(cr, path, c, 0.2, 0.2, 2.0);
  cairo_move_to(cr, len * 0.1, 0);
  cairo_line_to(cr, len * 0.8, 0);
  stroke(cr, withAlpha(darker(c, 0.35), 0.8), 1.2);
}

void stem(cairo_t* cr, double x0, double y0, double x1, double y1, double bend) {
  cairo_move_to(cr, x0, y0);
  cairo_curve_to(cr, x0 + bend, (y0 + y1) / 2, x1 + bend, (y0 + y1) / 2, x1, y1);
  stroke(cr, pal::ink, 5.5);
  cairo_move_to(cr, x0, y0);
  cairo_curve_to(cr, x0 + bend, (y0 + y1) / 2, x1 + bend, (y0 + y1) / 2, x1, y1);
  stroke(cr, pal::brown, 2.5);
}

// A round fruit with a shine.
void roundFruit(cairo_t* cr, double cx, double cy, double r, Color c) {
  body(cr, [&](cairo_t* c2) { circle(c2, cx, cy, r); }, c, 0.18, 0.0, LW);
  shine(cr, cx - r * 0.38, cy - r * 0.42, r * 0.28, r * 0.17, 0.6);
}

// Label text sized to a width.
void label(cairo_t* cr, const std::string& s, double cx, double baseline, double maxW, double px, Color c,
           bool bold = true) {
  Font f = fitted(s, sans(px, bold), maxW);
  text(cr, s, f, cx, baseline, c, 0.5);
}

// ---------------------------------------------------------------------------------------------

void eggs(cairo_t* cr) {
  Color card = mix(pal::sky, pal::grey, 0.45);
  // Open lid behind.
  body(cr, [](cairo_t* c) { roundedRect(c, 12, 8, 56, 16, 5); }, darker(card, 0.1), 0.1, 0.1, LW);
  // Tray.
  body(cr, [](cairo_t* c) { roundedRect(c, 7, 18, 66, 52, 9); }, card, 0.2, 0.2, LW);
  for (int row = 0; row < 2; ++row)
    for (int col = 0; col < 3; ++col) {
      double cx = 20 + col * 20, cy = 33 + row * 22;
      circle(cr, cx, cy + 1, 9.5);
      fill(cr, darker(card, 0.18));
      bool brown = (row + col) % 3 == 1;
      Color shell = brown ? mix(pal::orange, pal::paper, 0.55) : rgb(0xFFF6E6);
      body(cr, [&](cairo_t* c) { ellipse(c, cx, cy - 1, 7.6, 9.2); }, shell, 0.12, 0.0, 2.0);
      shine(cr, cx - 2.5, cy - 5, 2.4, 1.6, 0.9);
    }
}

void fish(cairo_t* cr) {
  Saved s(cr);
  cairo_translate(cr, 40, 42);
  cairo_rotate(cr, -0.18);
  Color top = mix(pal::shelf, pal::sky, 0.35);
  auto tail = [](cairo_t* c) {
    cairo_move_to(c, 20, 0);
    cairo_curve_to(c, 26, -6, 30, -13, 33, -17);
    cairo_curve_to(c, 31, -8, 31, 8, 33, 17);
    cairo_curve_to(c, 30, 13, 26, 6, 20, 0);
    cairo_close_path(c);
  };
  body(cr, tail, darker(top, 0.05), 0.15, 0.1, LW);
  // Fins.
  auto fin = [](cairo_t* c) {
    cairo_move_to(c, -8, -12);
    cairo_curve_to(c, -4, -22, 6, -22, 12, -11);
    cairo_close_path(c);
  };
  body(cr, fin, darker(top, 0.1), 0.1, 0.0, 2.2);
  auto belly = [](cairo_t* c) {
    cairo_move_to(c, -2, 10);
    cairo_curve_to(c, 2, 18, 8, 18, 10, 10);
    cairo_close_path(c);
  };
  body(cr, belly, darker(top, 0.1), 0.1, 0.0, 2.0);
  auto bodyPath = [](cairo_t* c) {
    cairo_move_to(c, -33, 1);
    cairo_curve_to(c, -26, -17, 8, -18, 22, 0);
    cairo_curve_to(c, 8, 15, -24, 16, -33, 1);
    cairo_close_path(c);
  };
  {
    Saved k(cr);
    bodyPath(cr);
    cairo_clip(cr);
    vgradient(cr, -14, 14, top, rgb(0xEAF6FB));
    cairo_paint(cr);
    // Scales.
    for (int i = 0; i < 4; ++i)
      for (int j = -1; j <= 1; ++j) {
        cairo_arc(cr, -8 + i * 7, j * 6 - 1, 3.5, -M_PI / 2, M_PI / 2);
        stroke(cr, withAlpha(pal::navy, 0.22), 1.2);
      }
  }
  crescent(cr, bodyPath, 2, 3, withAlpha(pal::navy, 0.25));
  bodyPath(cr);
  stroke(cr, pal::ink, LW);
  // Gill and eye.
  cairo_arc(cr, -22, 1, 9, -1.0, 1.0);
  stroke(cr, withAlpha(pal::ink, 0.7), 1.8);
  circle(cr, -25, -3, 4.2);
  fillOutline(cr, pal::white, 1.8);
  circle(cr, -25.6, -3.2, 2.1);
  fill(cr, pal::ink);
  cairo_move_to(cr, -32, 4);
  cairo_line_to(cr, -28, 4.5);
  stroke(cr, pal::ink, 1.6);
  shine(cr, -10, -9, 8, 2.2, 0.5);
}

void apple(cairo_t* cr) {
  auto path = [](cairo_t* c) {
    smoothClosed(c, {{40, 24}, {54, 17}, {67, 27}, {66, 48}, {54, 68}, {40, 64}, {26, 68}, {14, 48}, {13, 27}, {26, 17}});
  };
  body(cr, path, pal::red, 0.2, 0.0, LW);
  shine(cr, 26, 32, 5, 3.2, 0.65);
  stem(cr, 40, 24, 43, 10, -2);
  leafShape(cr, 43, 14, 18, 6, -0.45, pal::leaf);
}

void milkCarton(cairo_t* cr, Color band, Color bandText, const std::string& word, Color bodyColor) {
  // Side face.
  polygon(cr, {{50, 28}, {62, 22}, {62, 66}, {50, 72}});
  fillOutline(cr, darker(bodyColor, 0.14), LW);
  // Roof.
  polygon(cr, {{18, 28}, {31, 12}, {50, 28}});
  fillOutline(cr, lighter(band, 0.2), LW);
  polygon(cr, {{31, 12}, {45, 7}, {62, 22}, {50, 28}});
  fillOutline(cr, darker(band, 0.1), LW);
  roundedRect(cr, 27, 5, 20, 6, 1.5);
  fillOutline(cr, darker(bodyColor, 0.05), 2.0);
  // Front.
  cairo_rectangle(cr, 18, 28, 32, 44);
  fillOutline(cr, bodyColor, LW);
  cairo_rectangle(cr, 18, 36, 32, 16);
  fill(cr, band);
  cairo_move_to(cr, 18, 36);
  cairo_line_to(cr, 50, 36);
  cairo_move_to(cr, 18, 52);
  cairo_line_to(cr, 50, 52);
  stroke(cr, pal::ink, 1.6);
  label(cr, word, 34, 48.5, 29, 11, bandText);
  // A drop under the band.
  auto drop = [](cairo_t* c) {
    cairo_move_to(c, 34, 55);
    cairo_curve_to(c, 38, 61, 39, 63, 39, 65);
    cairo_arc(c, 34, 65, 5, 0, M_PI);
    cairo_curve_to(c, 29, 63, 30, 61, 34, 55);
    cairo_close_path(c);
  };
  body(cr, drop, band, 0.1, 0.0, 1.6);
  cairo_rectangle(cr, 18, 28, 32, 44);
  stroke(cr, pal::ink, LW);
  shine(cr, 22, 44, 1.6, 10, 0.35);
}

void milkJug(cairo_t* cr) {
  auto jug = [](cairo_t* c) {
    cairo_move_to(c, 30, 16);
    cairo_line_to(c, 44, 16);
    cairo_curve_to(c, 45, 22, 62, 24, 62, 36);
    cairo_line_to(c, 62, 64);
    cairo_curve_to(c, 62, 70, 58, 72, 52, 72);
    cairo_line_to(c, 22, 72);
    cairo_curve_to(c, 16, 72, 13, 70, 13, 64);
    cairo_line_to(c, 13, 34);
    cairo_curve_to(c, 13, 24, 29, 22, 30, 16);
    cairo_close_path(c);
  };
  body(cr, jug, rgb(0xF7FBFF), 0.12, 0.0, LW);
  // Handle loop.
  roundedRect(cr, 46, 26, 12, 18, 5);
  fillOutline(cr, mix(pal::sky, pal::white, 0.5), 2.2);
  // Cap.
  roundedRect(cr, 27, 7, 20, 10, 3);
  fillOutline(cr, pal::red, LW);
  cairo_move_to(cr, 31, 9);
  cairo_line_to(cr, 31, 15);
  cairo_move_to(cr, 35, 9);
  cairo_line_to(cr, 35, 15);
  cairo_move_to(cr, 39, 9);
  cairo_line_to(cr, 39, 15);
  cairo_move_to(cr, 43, 9);
  cairo_line_to(cr, 43, 15);
  stroke(cr, darker(pal::red, 0.3), 1.2);
  // Label.
  roundedRect(cr, 16, 44, 43, 20, 4);
  fillOutline(cr, pal::red, 2.0);
  label(cr, "MILK", 37.5, 59, 36, 13, pal::white);
  shine(cr, 19, 34, 2, 7, 0.5);
}

void watermelon(cairo_t* cr) {
  Saved s(cr);
  cairo_translate(cr, 40, 30);
  auto rind = [](cairo_t* c) {
    cairo_move_to(c, -32, 0);
    cairo_arc_negative(c, 0, 0, 32, M_PI, 0);
    cairo_close_path(c);
  };
  // The slice's flat side up: a half disc.
  auto half = [](cairo_t* c, double r) {
    cairo_new_sub_path(c);
    cairo_arc(c, 0, 0, r, 0, M_PI);
    cairo_close_path(c);
  };
  (void)rind;
  body(cr, [&](cairo_t* c) { half(c, 33); }, pal::dkgreen, 0.1, 0.0, LW);
  half(cr, 28);
  fill(cr, pal::paper);
  body(cr, [&](cairo_t* c) { half(c, 25); }, pal::tomato, 0.15, 0.0, 0);
  cairo_move_to(cr, -33, 0);
  cairo_line_to(cr, 33, 0);
  stroke(cr, pal::ink, LW);
  for (int i = 0; i < 7; ++i) {
    double a = 0.35 + i * 0.4;
    seedDot(cr, 15 * std::cos(a), 14 * std::sin(a) + 2, a, pal::ink);
  }
  seedDot(cr, -5, 8, 0.2, pal::ink);
  seedDot(cr, 6, 9, -0.2, pal::ink);
  shine(cr, -14, 6, 6, 2, 0.35);
}

void broccoli(cairo_t* cr) {
  Color stalk = mix(pal::leaf, pal::paper, 0.45);
  auto stemPath = [](cairo_t* c) {
    cairo_move_to(c, 32, 44);
    cairo_line_to(c, 48, 44);
    cairo_line_to(c, 46, 72);
    cairo_line_to(c, 34, 72);
    cairo_close_path(c);
  };
  body(cr, stemPath, stalk, 0.15, 0.1, LW);
  Color head = mix(pal::leaf, pal::dkgreen, 0.35);
  const Pt blobs[] = {{24, 36}, {56, 36}, {40, 24}, {28, 22}, {52, 22}, {40, 40}};
  const double radii[] = {12, 12, 13, 10, 10, 11};
  for (int i = 0; i < 6; ++i) circle(cr, blobs[i].x, blobs[i].y, radii[i] + 1.2);
  fill(cr, pal::ink);
  for (int i = 0; i < 6; ++i) {
    circle(cr, blobs[i].x, blobs[i].y, radii[i] - 1);
    fill(cr, i % 2 ? head : lighter(head, 0.12));
  }
  Rng rng(5);
  for (int i = 0; i < 26; ++i) {
    double x = rng.range(16, 64), y = rng.range(14, 46);
    circle(cr, x, y, 1.6);
    fill(cr, withAlpha(darker(head, 0.35), 0.6));
  }
  shine(cr, 32, 18, 5, 2.5, 0.4);
}

void iceCream(cairo_t* cr) {
  Color waffle = mix(pal::orange, pal::yellow, 0.25);
  auto cone = [](cairo_t* c) {
    cairo_move_to(c, 24, 42);
    cairo_line_to(c, 56, 42);
    cairo_line_to(c, 41, 76);
    cairo_line_to(c, 39, 76);
    cairo_close_path(c);
  };
  body(cr, cone, waffle, 0.2, 0.0, LW);
  {
    Saved k(cr);
    cone(cr);
    cairo_clip(cr);
    for (int i = -4; i < 6; ++i) {
      cairo_move_to(cr, 16 + i * 7, 40);
      cairo_line_to(cr, 40 + i * 7, 80);
      cairo_move_to(cr, 64 - i * 7, 40);
      cairo_line_to(cr, 40 - i * 7, 80);
    }
    stroke(cr, withAlpha(darker(waffle, 0.35), 0.8), 1.3);
  }
  cone(cr);
  stroke(cr, pal::ink, LW);
  // Vanilla scoop with a drip edge.
  auto vanilla = [](cairo_t* c) {
    cairo_move_to(c, 22, 42);
    cairo_curve_to(c, 18, 24, 62, 24, 58, 42);
    cairo_curve_to(c, 56, 46, 53, 44, 51, 47);
    cairo_curve_to(c, 49, 52, 45, 52, 45, 46);
    cairo_curve_to(c, 40, 46, 34, 46, 31, 45);
    cairo_curve_to(c, 29, 50, 25, 49, 25, 45);
    cairo_close_path(c);
  };
  body(cr, vanilla, rgb(0xFFF1D0), 0.12, 0.0, LW);
  auto berry = [](cairo_t* c) { circle(c, 40, 22, 13.5); };
  body(cr, berry, pal::pink, 0.2, 0.0, LW);
  shine(cr, 34, 16, 4, 2.5, 0.7);
  shine(cr, 28, 34, 4, 2, 0.7);
  // Sprinkles and a cherry.
  const Pt spr[] = {{44, 16}, {36, 27}, {47, 26}, {31, 21}};
  const Color sc[] = {pal::teal, pal::yellow, pal::purple, pal::leaf};
  for (int i = 0; i < 4; ++i) {
    Saved k(cr);
    cairo_translate(cr, spr[i].x, spr[i].y);
    cairo_rotate(cr, i * 0.9);
    roundedRect(cr, -2.6, -0.9, 5.2, 1.8, 0.9);
    fill(cr, sc[i]);
  }
  stem(cr, 45, 9, 50, 3, 2);
  roundFruit(cr, 45, 9.5, 5, pal::red);
}

void pizza(cairo_t* cr) {
  const double cx = 40, cy = 40;
  body(cr, [&](cairo_t* c) { circle(c, cx, cy, 32); }, crust(), 0.18, 0.15, LW);
  // Sauce with a wobbly edge.
  std::vector<Pt> sauce;
  for (int i = 0; i < 18; ++i) {
    double a = i * 2 * M_PI / 18;
    double r = 25.5 + ((i * 7) % 3) * 0.8;
    sauce.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
  }
  smoothClosed(cr, sauce);
  fill(cr, pal::tomato);
  // Melted cheese over most of the sauce.
  std::vector<Pt> melt;
  for (int i = 0; i < 14; ++i) {
    double a = i * 2 * M_PI / 14 + 0.2;
    double r = 21.5 + ((i * 5) % 4) * 0.9;
    melt.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
  }
  smoothClosed(cr, melt);
  fill(cr, mix(pal::yellow, pal::paper, 0.15));
  // Pepperoni.
  const Pt pep[] = {{31, 27}, {51, 31}, {28, 47}, {47, 52}, {40, 39}, {58, 43}};
  Color salami = mix(pal::red, pal::brown, 0.3);
  for (const Pt& p : pep) {
    circle(cr, p.x, p.y, 5.6);
    fillOutline(cr, salami, 1.6);
    circle(cr, p.x + 1.5, p.y - 1, 1.1);
    circle(cr, p.x - 1.8, p.y + 1.2, 0.9);
    fill(cr, darker(salami, 0.3));
  }
  leafShape(cr, 42, 24, 9, 3.5, 0.3, pal::leaf);
  leafShape(cr, 24, 38, 9, 3.5, -1.2, pal::leaf);
  leafShape(cr, 38, 58, 9, 3.5, 2.6, pal::leaf);
  // Slice cuts.
  for (int i = 0; i < 3; ++i) {
    double a = 0.4 + i * M_PI / 3;
    cairo_move_to(cr, cx - 31 * std::cos(a), cy - 31 * std::sin(a));
    cairo_line_to(cr, cx + 31 * std::cos(a), cy + 31 * std::sin(a));
  }
  stroke(cr, withAlpha(pal::ink, 0.35), 1.4);
  circle(cr, cx, cy, 32);
  stroke(cr, pal::ink, LW);
}

void juice(cairo_t* cr) {
  auto bottle = [](cairo_t* c) {
    cairo_move_to(c, 33, 12);
    cairo_line_to(c, 47, 12);
    cairo_line_to(c, 47, 20);
    cairo_curve_to(c, 47, 24, 58, 26, 58, 34);
    cairo_line_to(c, 58, 68);
    cairo_curve_to(c, 58, 72, 55, 74, 51, 74);
    cairo_line_to(c, 29, 74);
    cairo_curve_to(c, 25, 74, 22, 72, 22, 68);
    cairo_line_to(c, 22, 34);
    cairo_curve_to(c, 22, 26, 33, 24, 33, 20);
    cairo_close_path(c);
  };
  body(cr, bottle, juicyOrange(), 0.2, 0.0, LW);
  roundedRect(cr, 31, 5, 18, 9, 2.5);
  fillOutline(cr, pal::leaf, LW);
  roundedRect(cr, 22, 40, 36, 24, 2);
  fill(cr, pal::paper);
  cairo_move_to(cr, 22, 40);
  cairo_line_to(cr, 58, 40);
  cairo_move_to(cr, 22, 64);
  cairo_line_to(cr, 58, 64);
  stroke(cr, pal::ink, 1.6);
  // Orange slice on the label.
  circle(cr, 40, 52, 9);
  fillOutline(cr, juicyOrange(), 1.8);
  circle(cr, 40, 52, 6.5);
  fill(cr, mix(pal::yellow, pal::orange, 0.4));
  for (int i = 0; i < 6; ++i) {
    double a = i * M_PI / 3;
    cairo_move_to(cr, 40, 52);
    cairo_line_to(cr, 40 + 6.5 * std::cos(a), 52 + 6.5 * std::sin(a));
  }
  stroke(cr, withAlpha(pal::paper, 0.9), 1.2);
  bottle(cr);
  stroke(cr, pal::ink, LW);
  shine(cr, 27, 33, 2, 5, 0.5);
}

void tomatoes(cairo_t* cr) {
  auto one = [&](double cx, double cy, double r, Color c) {
    auto p = [&](cairo_t* c2) {
      smoothClosed(c2, {{cx, cy - r * 0.85}, {cx + r * 0.8, cy - r * 0.78}, {cx + r, cy + r * 0.05},
                        {cx + r * 0.72, cy + r * 0.8}, {cx, cy + r * 0.92}, {cx - r * 0.72, cy + r * 0.8},
                        {cx - r, cy + r * 0.05}, {cx - r * 0.8, cy - r * 0.78}});
    };
    body(cr, p, c, 0.2, 0.0, LW);
    shine(cr, cx - r * 0.42, cy - r * 0.3, r * 0.22, r * 0.14, 0.7);
    // Calyx star.
    Saved k(cr);
    cairo_translate(cr, cx, cy - r * 0.72);
    std::vector<Pt> star;
    for (int i = 0; i < 10; ++i) {
      double a = -M_PI / 2 + i * M_PI / 5;
      double rr = i % 2 ? 2.6 : 8.5;
      star.push_back({rr * std::cos(a), rr * std::sin(a) * 0.55});
    }
    polygon(cr, star);
    fillOutline(cr, pal::leaf, 1.6);
    roundedRect(cr, -1.4, -6, 2.8, 6, 1);
    fillOutline(cr, pal::dkgreen, 1.2);
  };
  one(55, 36, 16, pal::red);
  one(26, 34, 17, pal::tomato);
  one(41, 53, 19, mix(pal::red, pal::tomato, 0.5));
}

void grapes(cairo_t* cr, Color g) {
  stem(cr, 40, 18, 45, 6, 2);
  leafShape(cr, 44, 13, 20, 7, -0.5, pal::leaf);
  const int rows[] = {4, 3, 3, 2, 1};
  double y = 23;
  std::vector<Pt> centres;
  for (int r = 0; r < 5; ++r) {
    int n = rows[r];
    for (int i = 0; i < n; ++i) centres.push_back({40 + (i - (n - 1) / 2.0) * 12.5 + (r == 2 ? 2 : 0), y});
    y += 10.5;
  }
  for (const Pt& c : centres) circle(cr, c.x, c.y, 8.8);
  fill(cr, pal::ink);
  for (const Pt& c : centres) {
    circle(cr, c.x, c.y, 6.9);
    fill(cr, g);
    crescent(cr, [&](cairo_t* c2) { circle(c2, c.x, c.y, 6.9); }, 2, 2.5, darker(g, 0.22));
    shine(cr, c.x - 2.4, c.y - 2.6, 2.1, 1.4, 0.75);
  }
}

void strawberry(cairo_t* cr) {
  auto berry = [](cairo_t* c) {
    cairo_move_to(c, 40, 74);
    cairo_curve_to(c, 28, 68, 10, 50, 12, 32);
    cairo_curve_to(c, 13, 21, 27, 18, 40, 21);
    cairo_curve_to(c, 53, 18, 67, 21, 68, 32);
    cairo_curve_to(c, 70, 50, 52, 68, 40, 74);
    cairo_close_path(c);
  };
  body(cr, berry, pal::red, 0.2, 0.0, LW);
  for (int row = 0; row < 5; ++row)
    for (int i = 0; i < 5 - (row > 2 ? row - 2 : 0); ++i) {
      int n = 5 - (row > 2 ? row - 2 : 0);
      double x = 40 + (i - (n - 1) / 2.0) * 10 + (row % 2 ? 4 : -1);
      double y = 31 + row * 9;
      seedDot(cr, x, y, 0.2 * (i - n / 2.0), mix(pal::yellow, pal::paper, 0.3));
    }
  shine(cr, 22, 32, 4.5, 3, 0.55);
  // Leafy top.
  for (double a : {0.15, 0.75, 1.57, 2.39, 2.99}) leafShape(cr, 40, 20, 15, 5, a, pal::leaf);
  for (double a : {-0.35, -2.79}) leafShape(cr, 40, 20, 12, 4.5, a, mix(pal::leaf, pal::dkgreen, 0.4));
  stem(cr, 40, 19, 42, 6, 2);
}

void carrots(cairo_t* cr) {
  auto carrot = [&](double x, double y, double angle, double len) {
    Saved k(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    // Tops.
    for (int i = -1; i <= 1; ++i) leafShape(cr, 0, -2, 15, 4, -M_PI / 2 + i * 0.45, i ? pal::leaf : pal::dkgreen);
    auto root = [&](cairo_t* c) {
      cairo_move_to(c, -8, 0);
      cairo_curve_to(c, -8, -3, 8, -3, 8, 0);
      cairo_curve_to(c, 7, len * 0.5, 3, len * 0.9, 0.5, len);
      cairo_curve_to(c, -1, len, -5, len * 0.6, -8, 0);
      cairo_close_path(c);
    };
    body(cr, root, pal::orange, 0.18, 0.0, LW);
    for (int i = 1; i < 4; ++i) {
      double yy = len * i / 4.5;
      double ww = 7 * (1 - yy / len);
      cairo_move_to(cr, -ww + 1, yy);
      cairo_line_to(cr, -ww * 0.2, yy + 1.5);
    }
    stroke(cr, darker(pal::orange, 0.35), 1.4);
  };
  carrot(30, 18, 0.35, 52);
  carrot(50, 16, -0.3, 54);
  carrot(40, 22, 0.02, 50);
}

void oranges(cairo_t* cr) {
  Color o = juicyOrange();
  auto dimples = [&](double cx, double cy, double r) {
    Rng rng(static_cast<uint64_t>(cx * 7 + cy));
    for (int i = 0; i < 12; ++i) {
      double a = rng.range(0, 2 * M_PI), d = rng.range(0.2, 0.8) * r;
      circle(cr, cx + d * std::cos(a), cy + d * std::sin(a), 0.9);
      fill(cr, withAlpha(darker(o, 0.25), 0.6));
    }
  };
  roundFruit(cr, 54, 34, 16, darker(o, 0.04));
  dimples(54, 34, 15);
  roundFruit(cr, 32, 48, 21, o);
  dimples(32, 48, 20);
  // Navel, leaf.
  circle(cr, 32, 29, 2);
  fill(cr, pal::dkgreen);
  leafShape(cr, 33, 28, 17, 6, -0.7, pal::leaf);
}

void sausages(cairo_t* cr) {
  Color skin = mix(pal::tomato, pal::brown, 0.45);
  auto link = [&](double x, double y, double angle) {
    Saved k(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    auto p = [](cairo_t* c) { roundedRect(c, -12, -7.5, 24, 15, 7.5); };
    body(cr, p, skin, 0.25, 0.0, LW);
    shine(cr, -2, -3.5, 7, 1.8, 0.55);
  };
  const Pt pts[] = {{17, 52}, {33, 40}, {50, 38}, {64, 50}};
  const double ang[] = {-0.75, -0.25, 0.25, 0.85};
  for (int i = 0; i < 4; ++i) link(pts[i].x, pts[i].y, ang[i]);
  // Twists between links.
  for (int i = 0; i < 3; ++i) {
    double x = (pts[i].x + pts[i + 1].x) / 2, y = (pts[i].y + pts[i + 1].y) / 2;
    circle(cr, x, y - 0.5, 2.6);
    fillOutline(cr, darker(skin, 0.2), 1.5);
  }
}

void cheese(cairo_t* cr) {
  Color c = pal::yellow;
  // Front face, top face, side.
  polygon(cr, {{10, 40}, {58, 28}, {58, 60}, {10, 70}});
  fillOutline(cr, c, LW);
  polygon(cr, {{10, 40}, {44, 14}, {70, 22}, {58, 28}});
  fillOutline(cr, lighter(c, 0.35), LW);
  polygon(cr, {{58, 28}, {70, 22}, {70, 52}, {58, 60}});
  fillOutline(cr, darker(mix(c, pal::orange, 0.5), 0.05), LW);
  const Pt holes[] = {{22, 52}, {40, 44}, {46, 58}, {30, 63}};
  const double hr[] = {4.5, 5.5, 3.5, 2.8};
  for (int i = 0; i < 4; ++i) {
    ellipse(cr, holes[i].x, holes[i].y, hr[i], hr[i] * 0.85);
    fill(cr, mix(c, pal::orange, 0.55));
    crescent(cr, [&](cairo_t* c2) { ellipse(c2, holes[i].x, holes[i].y, hr[i], hr[i] * 0.85); }, -1.2, -1.5,
             darker(c, 0.35));
  }
  ellipse(cr, 38, 26, 4, 2.2);
  fill(cr, mix(c, pal::orange, 0.4));
  ellipse(cr, 64, 38, 2, 3.2);
  fill(cr, darker(c, 0.25));
}

void potatoes(cairo_t* cr) {
  Color spud = mix(pal::brown, pal::yellow, 0.45);
  auto potato = [&](double cx, double cy, double rx, double ry, double a, uint64_t seed) {
    Saved k(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, a);
    auto p = [&](cairo_t* c) {
      smoothClosed(c, {{-rx, 0}, {-rx * 0.6, -ry}, {rx * 0.3, -ry * 0.92}, {rx, -ry * 0.2}, {rx * 0.8, ry * 0.7},
                       {0, ry}, {-rx * 0.75, ry * 0.75}});
    };
    body(cr, p, spud, 0.2, 0.15, LW);
    Rng rng(seed);
    for (int i = 0; i < 4; ++i) {
      double x = rng.range(-rx * 0.6, rx * 0.6), y = rng.range(-ry * 0.5, ry * 0.5);
      cairo_arc(cr, x, y, 1.8, 0.3, M_PI - 0.3);
      stroke(cr, darker(spud, 0.45), 1.4);
    }
    for (int i = 0; i < 6; ++i) {
      circle(cr, rng.range(-rx * 0.7, rx * 0.7), rng.range(-ry * 0.6, ry * 0.6), 0.9);
      fill(cr, withAlpha(darker(spud, 0.4), 0.6));
    }
  };
  potato(54, 30, 15, 11, 0.4, 1);
  potato(25, 38, 16, 12, -0.3, 2);
  potato(44, 54, 20, 14, 0.1, 3);
}

void bacon(cairo_t* cr) {
  Color meat = mix(pal::red, pal::pink, 0.35);
  Color fat = rgb(0xFFF1E6);
  auto rasher = [&](double x, double y, double a) {
    Saved k(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, a);
    auto edge = [](cairo_t* c, double off, bool forward) {
      for (int i = 0; i <= 8; ++i) {
        double t = forward ? i / 8.0 : 1 - i / 8.0;
        double xx = -30 + 60 * t;
        double yy = off + 3.5 * std::sin(t * 3 * M_PI);
        cairo_line_to(c, xx, yy);
      }
    };
    auto path = [&](cairo_t* c) {
      cairo_new_sub_path(c);
      edge(c, -9, true);
      edge(c, 9, false);
      cairo_close_path(c);
    };
    body(cr, path, meat, 0.2, 0.0, LW);
    Saved k2(cr);
    path(cr);
    cairo_clip(cr);
    cairo_new_path(cr);
    edge(cr, -2, true);
    stroke(cr, fat, 4.2);
    edge(cr, 5, true);
    stroke(cr, withAlpha(fat, 0.85), 2.2);
  };
  rasher(40, 28, -0.35);
  rasher(40, 50, -0.35);
}

void butter(cairo_t* cr) {
  Color gold = mix(pal::yellow, pal::orange, 0.35);
  // Block in 3/4: top, front, side.
  polygon(cr, {{12, 34}, {26, 22}, {70, 22}, {56, 34}});
  fillOutline(cr, rgb(0xFFF0B3), LW);
  polygon(cr, {{56, 34}, {70, 22}, {70, 54}, {56, 66}});
  fillOutline(cr, darker(gold, 0.12), LW);
  cairo_rectangle(cr, 12, 34, 44, 32);
  fillOutline(cr, gold, LW);
  // Unwrapped end shows the butter.
  polygon(cr, {{12, 34}, {26, 22}, {38, 22}, {24, 34}});
  fillOutline(cr, rgb(0xFFF6CC), 2.0);
  cairo_rectangle(cr, 12, 34, 12, 32);
  fillOutline(cr, rgb(0xFFEB99), 2.0);
  // Label.
  cairo_rectangle(cr, 24, 41, 32, 17);
  fillOutline(cr, pal::navy, 1.6);
  label(cr, "BUTTER", 40, 53.5, 29, 9, pal::white);
  shine(cr, 50, 26, 8, 1.3, 0.5);
}

void bread(cairo_t* cr) {
  Color b = bake();
  auto loaf = [](cairo_t* c) {
    cairo_move_to(c, 8, 52);
    cairo_curve_to(c, 4, 30, 22, 18, 40, 18);
    cairo_curve_to(c, 58, 18, 76, 30, 72, 52);
    cairo_line_to(c, 70, 66);
    cairo_curve_to(c, 70, 70, 68, 71, 64, 71);
    cairo_line_to(c, 16, 71);
    cairo_curve_to(c, 12, 71, 10, 70, 10, 66);
    cairo_close_path(c);
  };
  body(cr, loaf, b, 0.2, 0.25, LW);
  // Lower crust band.
  cairo_move_to(cr, 9, 55);
  cairo_curve_to(cr, 30, 60, 50, 60, 71, 55);
  stroke(cr, withAlpha(darker(b, 0.3), 0.8), 1.6);
  // Score marks.
  for (int i = 0; i < 4; ++i) {
    double x = 20 + i * 13;
    auto cut = [&](cairo_t* c) {
      cairo_move_to(c, x - 4, 40);
      cairo_curve_to(c, x - 1, 30, x + 3, 26, x + 7, 26);
      cairo_curve_to(c, x + 4, 31, x + 1, 36, x - 4, 40);
      cairo_close_path(c);
    };
    cut(cr);
    fill(cr, mix(pal::yellow, pal::paper, 0.35));
    cut(cr);
    stroke(cr, darker(b, 0.35), 1.4);
  }
  shine(cr, 26, 24, 8, 2.5, 0.35);
}

void cerealBox(cairo_t* cr, Color front, Color title, const std::string& name, Color bits, bool flakes) {
  // Side and top faces.
  polygon(cr, {{56, 14}, {66, 8}, {66, 68}, {56, 74}});
  fillOutline(cr, darker(front, 0.2), LW);
  polygon(cr, {{14, 14}, {24, 8}, {66, 8}, {56, 14}});
  fillOutline(cr, lighter(front, 0.25), LW);
  cairo_rectangle(cr, 14, 14, 42, 60);
  fillOutline(cr, front, LW);
  // Title band.
  cairo_rectangle(cr, 14, 18, 42, 16);
  fill(cr, title);
  cairo_move_to(cr, 14, 18);
  cairo_line_to(cr, 56, 18);
  cairo_move_to(cr, 14, 34);
  cairo_line_to(cr, 56, 34);
  stroke(cr, pal::ink, 1.5);
  label(cr, name, 35, 30.5, 38, 12, front);
  // Bowl of cereal.
  for (int i = 0; i < 7; ++i) {
    double x = 22 + (i % 4) * 8 + (i / 4) * 4, y = 49 - (i / 4) * 5;
    if (flakes) {
      Saved k(cr);
      cairo_translate(cr, x, y);
      cairo_rotate(cr, i * 0.7);
      ellipse(cr, 0, 0, 5, 3);
      fillOutline(cr, bits, 1.3);
    } else {
      circle(cr, x, y, 3.8);
      fillOutline(cr, bits, 1.3);
    }
  }
  auto bowl = [](cairo_t* c) {
    cairo_move_to(c, 18, 52);
    cairo_line_to(c, 52, 52);
    cairo_curve_to(c, 52, 62, 45, 68, 35, 68);
    cairo_curve_to(c, 25, 68, 18, 62, 18, 52);
    cairo_close_path(c);
  };
  body(cr, bowl, pal::white, 0.15, 0.0, 2.0);
  cairo_rectangle(cr, 22, 56, 26, 3);
  fill(cr, pal::sky);
  cairo_rectangle(cr, 14, 14, 42, 60);
  stroke(cr, pal::ink, LW);
  shine(cr, 18, 50, 1.5, 10, 0.3);
}

void chicken(cairo_t* cr) {
  Color roast = mix(pal::orange, pal::brown, 0.4);
  // Plate.
  body(cr, [](cairo_t* c) { ellipse(c, 40, 60, 35, 12); }, pal::white, 0.12, 0.0, LW);
  ellipse(cr, 40, 60, 27, 8);
  stroke(cr, withAlpha(pal::sky, 0.9), 1.6);
  auto bird = [](cairo_t* c) {
    smoothClosed(c, {{40, 28}, {60, 31}, {68, 45}, {60, 62}, {40, 66}, {20, 62}, {12, 45}, {20, 31}});
  };
  body(cr, bird, roast, 0.25, 0.28, LW);
  cairo_move_to(cr, 40, 31);
  cairo_curve_to(cr, 37, 42, 37, 52, 40, 63);
  stroke(cr, withAlpha(darker(roast, 0.35), 0.7), 1.4);
  // Legs on top, bones pointing up and out with their knobs.
  auto leg = [&](double x, double y, double a) {
    Saved k(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, a);
    roundedRect(cr, -2.6, -24, 5.2, 14, 2);
    fillOutline(cr, pal::paper, 1.8);
    circle(cr, -3, -25, 3.6);
    fillOutline(cr, pal::paper, 1.8);
    circle(cr, 3, -25, 3.6);
    fillOutline(cr, pal::paper, 1.8);
    roundedRect(cr, -2.6, -24, 5.2, 10, 2);
    fill(cr, pal::paper);
    body(cr, [](cairo_t* c) { ellipse(c, 0, -4, 9, 12); }, roast, 0.22, 0.3, LW);
  };
  leg(23, 40, -0.65);
  leg(57, 40, 0.65);
  shine(cr, 36, 50, 7, 3, 0.45);
  shine(cr, 20, 34, 2.5, 4, 0.45);
}

void bananas(cairo_t* cr) {
  Color y = pal::yellow;
  auto banana = [&](double a) {
    Saved k(cr);
    cairo_translate(cr, 19, 15);
    cairo_scale(cr, 0.92, 0.92);
    cairo_rotate(cr, a);
    auto p = [](cairo_t* c) {
      cairo_move_to(c, -2, 2);
      cairo_curve_to(c, -4, 26, 16, 42, 44, 40);
      cairo_curve_to(c, 48, 40, 50, 38, 51, 36);
      cairo_curve_to(c, 34, 34, 16, 24, 9, -3);
      cairo_close_path(c);
    };
    body(cr, p, y, 0.25, 0.25, LW);
    circle(cr, 50, 37, 2.4);
    fill(cr, pal::brown);
    cairo_move_to(cr, 5, 6);
    cairo_curve_to(cr, 8, 22, 22, 33, 42, 36);
    stroke(cr, withAlpha(darker(y, 0.3), 0.75), 1.4);
  };
  banana(0.62);
  banana(0.2);
  banana(-0.2);
  // Stalk.
  auto stalk = [](cairo_t* c) {
    polygon(c, {{11, 18}, {13, 6}, {21, 4}, {25, 14}});
  };
  body(cr, stalk, mix(pal::leaf, pal::brown, 0.45), 0.2, 0.0, LW);
}

void coin(cairo_t* cr, Color face, Color ring) {
  circle(cr, 40, 40, 33);
  fillOutline(cr, pal::white, LW);
  circle(cr, 40, 40, 28.5);
  radial(cr, 32, 30, 34, lighter(face, 0.35), face);
  cairo_fill_preserve(cr);
  stroke(cr, ring, 3.5);
  circle(cr, 40, 40, 33);
  stroke(cr, pal::ink, LW);
  shine(cr, 28, 22, 8, 3.5, 0.45);
}

void sparkle(cairo_t* cr, double x, double y, double r) {
  std::vector<Pt> star;
  for (int i = 0; i < 8; ++i) {
    double a = -M_PI / 2 + i * M_PI / 4;
    double rr = i % 2 ? r * 0.32 : r;
    star.push_back({x + rr * std::cos(a), y + rr * std::sin(a)});
  }
  polygon(cr, star);
  fillOutline(cr, pal::white, 1.3);
}

void itemDrop(cairo_t* cr) {
  coin(cr, pal::tomato, darker(pal::red, 0.2));
  // A crate with an arrow dropping into it.
  polygon(cr, {{25, 44}, {55, 44}, {52, 64}, {28, 64}});
  fillOutline(cr, mix(pal::brown, pal::orange, 0.45), LW);
  cairo_move_to(cr, 27, 51);
  cairo_line_to(cr, 53.5, 51);
  cairo_move_to(cr, 28, 57.5);
  cairo_line_to(cr, 52.5, 57.5);
  stroke(cr, darker(pal::brown, 0.2), 1.5);
  polygon(cr, {{34, 12}, {46, 12}, {46, 28}, {54, 28}, {40, 43}, {26, 28}, {34, 28}});
  fillOutline(cr, pal::white, LW);
  sparkle(cr, 60, 24, 5);
  sparkle(cr, 20, 30, 3.5);
}

void boost(cairo_t* cr) {
  coin(cr, pal::shelf, pal::navy);
  polygon(cr, {{45, 9}, {23, 44}, {37, 44}, {31, 71}, {57, 33}, {43, 33}, {50, 9}});
  fillOutline(cr, pal::yellow, LW);
  polygon(cr, {{45, 12}, {28, 41}, {33, 41}});
  fill(cr, withAlpha(pal::white, 0.6));
  sparkle(cr, 61, 52, 5);
  sparkle(cr, 19, 24, 4);
}

void chocBar(cairo_t* cr) {
  Saved s(cr);
  cairo_translate(cr, 40, 41);
  cairo_rotate(cr, -0.35);
  Color choc = darker(pal::brown, 0.15);
  // Chocolate sticking out of the wrapper.
  roundedRect(cr, -17, -34, 34, 30, 3);
  fillOutline(cr, choc, LW);
  for (int i = 0; i < 2; ++i)
    for (int j = 0; j < 2; ++j) {
      roundedRect(cr, -14 + i * 15, -31 + j * 13, 13, 11, 2);
      fill(cr, lighter(choc, 0.12));
      crescent(cr, [&](cairo_t* c) { roundedRect(c, -14 + i * 15, -31 + j * 13, 13, 11, 2); }, 1.5, 1.5,
               darker(choc, 0.3));
    }
  // Silver foil edge.
  polygon(cr, {{-19, -8}, {-12, -12}, {-5, -7}, {2, -12}, {9, -7}, {15, -12}, {19, -8}, {19, 0}, {-19, 0}});
  fillOutline(cr, pal::grey, 1.8);
  // Wrapper.
  roundedRect(cr, -19, -4, 38, 38, 3);
  fillOutline(cr, pal::red, LW);
  roundedRect(cr, -19, 6, 38, 14, 0);
  fill(cr, pal::yellow);
  cairo_move_to(cr, -19, 6);
  cairo_line_to(cr, 19, 6);
  cairo_move_to(cr, -19, 20);
  cairo_line_to(cr, 19, 20);
  stroke(cr, pal::ink, 1.4);
  label(cr, "CHOC", 0, 17.3, 32, 11, darker(pal::brown, 0.2));
  roundedRect(cr, -19, -4, 38, 38, 3);
  stroke(cr, pal::ink, LW);
  shine(cr, -13, 12, 1.5, 12, 0.35);
}

void doughnut(cairo_t* cr) {
  auto ring = [](cairo_t* c) {
    circle(c, 40, 42, 30);
    circle(c, 40, 42, 10);
  };
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  body(cr, ring, bake(), 0.2, 0.0, LW);
  auto icing = [](cairo_t* c) {
    std::vector<Pt> out;
    for (int i = 0; i < 16; ++i) {
      double a = i * M_PI / 8;
      double r = 26 + (i % 2 ? -1.5 : 1.5);
      out.push_back({40 + r * std::cos(a), 40 + r * std::sin(a)});
    }
    smoothClosed(c, out);
    circle(c, 40, 40, 12.5);
  };
  body(cr, icing, pal::pink, 0.12, 0.15, 2.0);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  const Color sc[] = {pal::yellow, pal::teal, pal::white, pal::purple, pal::leaf, pal::red};
  Rng rng(30);
  for (int i = 0; i < 16; ++i) {
    double a = i * 2 * M_PI / 16 + rng.range(-0.15, 0.15);
    double r = rng.range(16, 23);
    Saved k(cr);
    cairo_translate(cr, 40 + r * std::cos(a), 40 + r * std::sin(a));
    cairo_rotate(cr, rng.range(0, M_PI));
    roundedRect(cr, -2.8, -0.9, 5.6, 1.8, 0.9);
    fill(cr, sc[i % 6]);
  }
  shine(cr, 26, 26, 5, 2.5, 0.5);
}

void lemon(cairo_t* cr) {
  Saved s(cr);
  cairo_translate(cr, 40, 44);
  cairo_rotate(cr, -0.35);
  auto p = [](cairo_t* c) {
    cairo_move_to(c, -31, 0);
    cairo_curve_to(c, -26, -4, -22, -20, 0, -20);
    cairo_curve_to(c, 22, -20, 26, -4, 31, 0);
    cairo_curve_to(c, 26, 4, 22, 20, 0, 20);
    cairo_curve_to(c, -22, 20, -26, 4, -31, 0);
    cairo_close_path(c);
  };
  body(cr, p, pal::yellow, 0.18, 0.2, LW);
  shine(cr, -8, -11, 8, 3, 0.6);
  leafShape(cr, 10, -18, 18, 6, -0.5, pal::leaf);
}

void crisps(cairo_t* cr) {
  auto bag = [](cairo_t* c) {
    cairo_move_to(c, 14, 12);
    cairo_line_to(c, 66, 12);
    cairo_curve_to(c, 62, 30, 62, 50, 66, 70);
    cairo_line_to(c, 14, 70);
    cairo_curve_to(c, 18, 50, 18, 30, 14, 12);
    cairo_close_path(c);
  };
  body(cr, bag, pal::red, 0.2, 0.25, LW);
  // Crimped ends.
  for (double y : {12.0, 70.0}) {
    roundedRect(cr, 12, y - 4, 56, 8, 2);
    fillOutline(cr, darker(pal::red, 0.15), 2.0);
    for (int i = 0; i < 9; ++i) {
      cairo_move_to(cr, 16 + i * 6, y - 3);
      cairo_line_to(cr, 16 + i * 6, y + 3);
    }
    stroke(cr, withAlpha(pal::ink, 0.5), 1.1);
  }
  // Label and crisps.
  ellipse(cr, 40, 34, 19, 10);
  fillOutline(cr, pal::yellow, 2.0);
  label(cr, "CRISPS", 40, 38, 32, 10.5, pal::red);
  for (int i = 0; i < 3; ++i) {
    Saved k(cr);
    cairo_translate(cr, 29 + i * 11, 55 - (i % 2) * 3);
    cairo_rotate(cr, 0.5 * i - 0.4);
    ellipse(cr, 0, 0, 6.5, 4.5);
    fillOutline(cr, mix(pal::yellow, pal::orange, 0.3), 1.6);
    ellipse(cr, -1, -1, 3, 1.5);
    fill(cr, withAlpha(pal::white, 0.4));
  }
}

void sodaCan(cairo_t* cr) {
  auto can = [](cairo_t* c) {
    cairo_move_to(c, 22, 16);
    cairo_line_to(c, 58, 16);
    cairo_line_to(c, 58, 66);
    cairo_curve_to(c, 58, 73, 22, 73, 22, 66);
    cairo_close_path(c);
  };
  body(cr, can, pal::teal, 0.2, 0.0, LW);
  {
    Saved k(cr);
    can(cr);
    cairo_clip(cr);
    cairo_move_to(cr, 20, 46);
    cairo_curve_to(cr, 32, 34, 46, 56, 60, 40);
    cairo_line_to(cr, 60, 50);
    cairo_curve_to(cr, 46, 64, 32, 44, 20, 56);
    cairo_close_path(cr);
    fill(cr, pal::white);
    hgradient(cr, 22, 58, withAlpha(pal::white, 0.0), withAlpha(pal::white, 0.0));
  }
  can(cr);
  stroke(cr, pal::ink, LW);
  ellipse(cr, 40, 16, 18, 5.5);
  fillOutline(cr, pal::grey, LW);
  ellipse(cr, 43, 15.5, 5, 2);
  fillOutline(cr, lighter(pal::grey, 0.3), 1.3);
  label(cr, "FIZZ", 40, 34, 30, 11, pal::white);
  shine(cr, 27, 44, 2, 14, 0.4);
}

void jam(cairo_t* cr) {
  auto jar = [](cairo_t* c) {
    cairo_move_to(c, 20, 28);
    cairo_line_to(c, 60, 28);
    cairo_curve_to(c, 64, 34, 64, 64, 60, 70);
    cairo_curve_to(c, 50, 74, 30, 74, 20, 70);
    cairo_curve_to(c, 16, 64, 16, 34, 20, 28);
    cairo_close_path(c);
  };
  body(cr, jar, darker(pal::purple, 0.05), 0.25, 0.0, LW);
  // Gingham lid cloth.
  auto cloth = [](cairo_t* c) {
    cairo_move_to(c, 14, 28);
    cairo_curve_to(c, 14, 12, 66, 12, 66, 28);
    cairo_line_to(c, 62, 34);
    cairo_line_to(c, 56, 30);
    cairo_line_to(c, 48, 35);
    cairo_line_to(c, 40, 30);
    cairo_line_to(c, 32, 35);
    cairo_line_to(c, 24, 30);
    cairo_line_to(c, 18, 34);
    cairo_close_path(c);
  };
  cloth(cr);
  fill(cr, pal::white);
  {
    Saved k(cr);
    cloth(cr);
    cairo_clip(cr);
    for (int i = 0; i < 7; ++i) {
      cairo_rectangle(cr, 14 + i * 8, 10, 4, 30);
      cairo_rectangle(cr, 10, 14 + i * 6, 60, 3);
    }
    fill(cr, withAlpha(pal::red, 0.55));
  }
  cloth(cr);
  stroke(cr, pal::ink, 2.2);
  roundedRect(cr, 24, 44, 32, 18, 3);
  fillOutline(cr, pal::paper, 1.8);
  label(cr, "JAM", 40, 57.5, 26, 11, pal::purple);
  shine(cr, 22, 52, 1.5, 9, 0.4);
}

}  // namespace

void drawProduct(cairo_t* cr, int frame) {
  switch (frame) {
    case 0: eggs(cr); break;
    case 1: fish(cr); break;
    case 2: apple(cr); break;
    case 3: milkCarton(cr, pal::sky, pal::navy, "MILK", pal::white); break;
    case 4: watermelon(cr); break;
    case 5: broccoli(cr); break;
    case 6: iceCream(cr); break;
    case 7: pizza(cr); break;
    case 8: juice(cr); break;
    case 9: milkJug(cr); break;
    case 10: tomatoes(cr); break;
    case 11: grapes(cr, mix(pal::leaf, pal::yellow, 0.45)); break;
    case 12: grapes(cr, pal::purple); break;
    case 13: strawberry(cr); break;
    case 14: carrots(cr); break;
    case 15: oranges(cr); break;
    case 16: sausages(cr); break;
    case 17: cheese(cr); break;
    case 18: potatoes(cr); break;
    case 19: bacon(cr); break;
    case 20: butter(cr); break;
    case 21: bread(cr); break;
    case 22: cerealBox(cr, pal::red, pal::yellow, "CHOCO", pal::brown, false); break;
    case 23: cerealBox(cr, pal::leaf, pal::paper, "BRAN", mix(pal::orange, pal::brown, 0.3), true); break;
    case 24: chicken(cr); break;
    case 25: bananas(cr); break;
    case 26: itemDrop(cr); break;
    case 27: boost(cr); break;
    case 28: milkCarton(cr, pal::paper, pal::brown, "CHOC", mix(pal::brown, pal::orange, 0.2)); break;
    case 29: chocBar(cr); break;
    case 30: doughnut(cr); break;
    case 31: lemon(cr); break;
    case 32: crisps(cr); break;
    case 33: sodaCan(cr); break;
    case 34: jam(cr); break;
    default: break;
  }
}

void productSprite(cairo_t* cr, int frame) {
  LayerStyle st;
  st.halo = 2.5;
  st.haloColor = pal::white;
  st.sh = Shadow{2.5, 3.5, 4, 0.3};
  layer(cr, st, [&](cairo_t* c) { drawProduct(c, frame); });
}

Surface makePickups() {
  Sheet sheet(80, 80, 5, 35);
  for (int f = 0; f < 35; ++f) sheet.frame(f, [&](cairo_t* cr) { productSprite(cr, f); });
  return std::move(sheet.surf);
}

}  // namespace art
