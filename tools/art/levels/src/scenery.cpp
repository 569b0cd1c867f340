// Shelves, counters and freezers seen from straight above, in 66 x 172 frames. Levels turn them
// by quarter turns, so their shadows sit evenly all round instead of falling to one side, and
// the bodies stay inside the central 50 x 164 px (their solid boxes are much thinner).
#include <cmath>

#include "assets.hpp"

namespace art {

namespace {

constexpr double LW = 2.5;
constexpr double X0 = 9, Y0 = 5, W = 48, H = 162;  // the body of every unit

const Shadow around{0, 0, 6, 0.32};

Color steel() { return rgb(0xC9D2DA); }

const Color goods[] = {pal::red,    pal::yellow, pal::teal, pal::orange, pal::purple,
                       pal::leaf,   pal::sky,    pal::pink, pal::white,  pal::tomato};

// One section of a shelf face seen from above: a single product in rows of facings, as shops
// stock them, so a shelf reads as blocks of colour rather than confetti.
void goodsRow(cairo_t* cr, Rng& rng, double x, double y0, double y1, double depth, int style) {
  int kind = style == 1 ? 1 + rng.below(2) : rng.below(3);
  Color c = goods[rng.below(10)];
  Color accent = goods[rng.below(10)];
  double y = y0;
  if (kind == 0) {  // boxes standing side by side: their tops and a strip of their fronts
    double len = rng.range(7, 10);
    while (y + len <= y1) {
      roundedRect(cr, x + 1, y + 0.5, depth - 2, len - 1, 1.2);
      fillOutline(cr, c, 1.1);
      cairo_rectangle(cr, x + depth - 6, y + 1.5, 3, len - 3);
      fill(cr, accent);
      y += len;
    }
  } else if (kind == 1) {  // cans, two abreast
    double r = std::min((depth - 1) / 4 - 0.3, 4.3);
    while (y + 2 * r + 1 <= y1) {
      for (int i = 0; i < 2; ++i) {
        double cx = x + depth / 2 + (i - 0.5) * (2 * r + 0.6);
        circle(cr, cx, y + r + 0.5, r);
        fillOutline(cr, c, 1.1);
        circle(cr, cx, y + r + 0.5, r * 0.5);
        fill(cr, lighter(c, 0.45));
      }
      y += 2 * r + 1;
    }
  } else {  // bottles, caps over shoulders
    double r = std::min((depth - 1) / 4 - 0.6, 3.8);
    while (y + 2 * r + 2 <= y1) {
      for (int i = 0; i < 2; ++i) {
        double cx = x + depth / 2 + (i - 0.5) * (2 * r + 1);
        circle(cr, cx, y + r + 1, r);
        fillOutline(cr, c, 1.1);
        circle(cr, cx, y + r + 1, r * 0.5);
        fillOutline(cr, accent, 0.9);
      }
      y += 2 * r + 2;
    }
  }
}

void shelf(cairo_t* cr, int look) {
  Color frame = look == 0 ? pal::shelf : mix(pal::brown, pal::orange, 0.25);
  Color deck = look == 0 ? lighter(pal::shelf, 0.55) : mix(pal::cream2, pal::brown, 0.25);
  roundedRect(cr, X0, Y0, W, H, 4);
  fillOutline(cr, frame, LW);
  // Shelf decks either side of the central back panel.
  cairo_rectangle(cr, X0 + 3, Y0 + 12, W / 2 - 5, H - 24);
  cairo_rectangle(cr, X0 + W / 2 + 2, Y0 + 12, W / 2 - 5, H - 24);
  fill(cr, deck);
  Rng rng(look == 0 ? 40 : 41);
  const int sections = 5;
  double secH = (H - 24) / sections;
  for (int s = 0; s < sections; ++s) {
    double y0 = Y0 + 12 + s * secH;
    goodsRow(cr, rng, X0 + 3, y0 + 1, y0 + secH - 1, W / 2 - 5, look);
    goodsRow(cr, rng, X0 + W / 2 + 2, y0 + 1, y0 + secH - 1, W / 2 - 5, look);
    // Uprights between sections.
    cairo_rectangle(cr, X0 + 1, y0 - 1, W - 2, 2);
    fill(cr, darker(frame, 0.25));
  }
  // Central back panel and the price rails along both faces.
  cairo_rectangle(cr, X0 + W / 2 - 2, Y0 + 10, 4, H - 20);
  fillOutline(cr, darker(frame, 0.3), 1.2);
  for (double x : {X0 + 1.5, X0 + W - 3.5}) {
    cairo_rectangle(cr, x, Y0 + 12, 2, H - 24);
    fill(cr, pal::paper);
    for (int i = 0; i < 10; ++i) {
      cairo_rectangle(cr, x - 0.3, Y0 + 16 + i * 14, 2.6, 4);
      fill(cr, i % 3 ? pal::yellow : pal::red);
    }
  }
  // End caps with the aisle sign.
  for (double y : {Y0, Y0 + H - 11}) {
    roundedRect(cr, X0, y, W, 11, 4);
    fillOutline(cr, darker(frame, 0.15), 2.0);
    roundedRect(cr, X0 + 8, y + 3, W - 16, 5, 2);
    fill(cr, look == 0 ? pal::yellow : pal::leaf);
  }
  roundedRect(cr, X0, Y0, W, H, 4);
  stroke(cr, pal::ink, LW);
}

// Crushed ice with something laid on it.
void iceBed(cairo_t* cr, double x, double y, double w, double h, uint64_t seed) {
  roundedRect(cr, x, y, w, h, 3);
  fill(cr, rgb(0xEAF6FB));
  Rng rng(seed);
  for (int i = 0; i < static_cast<int>(w * h / 14); ++i) {
    double px = rng.range(x + 1, x + w - 1), py = rng.range(y + 1, y + h - 1);
    double r = rng.range(0.8, 2.2);
    circle(cr, px, py, r);
    fill(cr, rng.below(2) ? withAlpha(pal::sky, 0.55) : withAlpha(pal::white, 0.95));
  }
}

void smallFish(cairo_t* cr, double cx, double cy, double len, double angle, Color top) {
  Saved s(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, angle);
  double l = len / 2, t = len * 0.2;
  auto path = [&](cairo_t* c) {
    cairo_move_to(c, -l, 0);
    cairo_curve_to(c, -l * 0.6, -t * 1.2, l * 0.4, -t * 1.1, l * 0.62, 0);
    cairo_line_to(c, l, -t * 0.9);
    cairo_line_to(c, l * 0.92, 0);
    cairo_line_to(c, l, t * 0.9);
    cairo_line_to(c, l * 0.62, 0);
    cairo_curve_to(c, l * 0.4, t * 1.1, -l * 0.6, t * 1.2, -l, 0);
    cairo_close_path(c);
  };
  path(cr);
  vgradient(cr, -t, t, top, rgb(0xF4FAFD));
  cairo_fill(cr);
  path(cr);
  stroke(cr, pal::ink, 1.6);
  circle(cr, -l * 0.68, -t * 0.15, 1.4);
  fill(cr, pal::ink);
}

void lemonSlice(cairo_t* cr, double x, double y, double r) {
  circle(cr, x, y, r);
  fillOutline(cr, pal::yellow, 1.3);
  circle(cr, x, y, r * 0.7);
  fill(cr, lighter(pal::yellow, 0.45));
}

void parsley(cairo_t* cr, double x, double y) {
  for (int i = 0; i < 4; ++i) {
    circle(cr, x + (i % 2) * 3 - 1.5, y + (i / 2) * 3 - 1.5, 2.2);
    fill(cr, i % 2 ? pal::leaf : pal::dkgreen);
  }
}

void fishCounter(cairo_t* cr, int look) {
  // Steel tub with a glass guard along the customer side.
  roundedRect(cr, X0, Y0, W, H, 6);
  hgradient(cr, X0, X0 + W, lighter(steel(), 0.3), darker(steel(), 0.12));
  cairo_fill_preserve(cr);
  stroke(cr, pal::ink, LW);
  iceBed(cr, X0 + 5, Y0 + 8, W - 14, H - 16, 60 + look);
  roundedRect(cr, X0 + W - 8, Y0 + 6, 5, H - 12, 2);
  fillOutline(cr, rgb(0xBFE6F7, 0.8), 1.4);
  cairo_move_to(cr, X0 + W - 6.5, Y0 + 12);
  cairo_line_to(cr, X0 + W - 6.5, Y0 + 40);
  stroke(cr, withAlpha(pal::white, 0.9), 1.2);
  const double ix = X0 + 5, iw = W - 14;
  if (look == 0) {  // whole fish in a herringbone
    for (int i = 0; i < 7; ++i) {
      double y = Y0 + 20 + i * 21;
      smallFish(cr, ix + iw / 2, y, 30, i % 2 ? 0.5 : -0.5, mix(pal::shelf, pal::sky, 0.3));
    }
    for (int i = 0; i < 3; ++i) lemonSlice(cr, ix + 6 + (i % 2) * 22, Y0 + 30 + i * 48, 3.5);
  } else if (look == 1) {  // salmon steaks and prawns
    for (int i = 0; i < 6; ++i) {
      double y = Y0 + 22 + i * 24;
      for (int j = 0; j < 2; ++j) {
        double x = ix + 9 + j * 15;
        auto steak = [&](cairo_t* c) {
          smoothClosed(c, {{x - 6, y - 5}, {x + 5, y - 6}, {x + 7, y + 2}, {x + 1, y + 7}, {x - 6, y + 4}});
        };
        body(cr, steak, mix(pal::orange, pal::pink, 0.45), 0.15, 0.15, 1.5);
        cairo_move_to(cr, x - 3, y - 3);
        cairo_curve_to(cr, x + 2, y - 1, x - 2, y + 2, x + 3, y + 4);
        stroke(cr, withAlpha(pal::white, 0.8), 1.1);
      }
    }
    for (int i = 0; i < 4; ++i) {
      double y = Y0 + 34 + i * 35;
      cairo_arc(cr, ix + iw / 2, y, 5, 0.3, M_PI * 1.6);
      stroke(cr, pal::ink, 4.2);
      cairo_arc(cr, ix + iw / 2, y, 5, 0.3, M_PI * 1.6);
      stroke(cr, pal::tomato, 2.4);
    }
    parsley(cr, ix + 5, Y0 + 14);
    parsley(cr, ix + iw - 5, Y0 + H - 22);
  } else {  // crabs, mussels and a big fish
    smallFish(cr, ix + iw / 2, Y0 + 40, 36, M_PI / 2, mix(pal::shelf, pal::grey, 0.4));
    for (int i = 0; i < 3; ++i) {
      double y = Y0 + 76 + i * 26;
      double x = ix + iw / 2;
      for (int s = -1; s <= 1; s += 2)
        for (int k = 0; k < 3; ++k) {
          cairo_move_to(cr, x + s * 5, y - 3 + k * 3);
          cairo_line_to(cr, x + s * 11, y - 5 + k * 5);
        }
      stroke(cr, pal::ink, 1.6);
      ellipse(cr, x, y, 8, 6);
      fillOutline(cr, pal::red, 1.5);
      circle(cr, x - 3, y - 5, 1.3);
      circle(cr, x + 3, y - 5, 1.3);
      fill(cr, pal::ink);
    }
    for (int i = 0; i < 5; ++i) {
      ellipse(cr, ix + 6 + (i % 2) * 20, Y0 + 70 + i * 16, 3.5, 2.2);
      fillOutline(cr, pal::navy, 1.2);
    }
    lemonSlice(cr, ix + 8, Y0 + 18, 3.5);
    lemonSlice(cr, ix + iw - 8, Y0 + 62, 3.5);
    parsley(cr, ix + iw - 6, Y0 + H - 20);
  }
  // Price tags stuck in the ice.
  for (int i = 0; i < 3; ++i) {
    roundedRect(cr, X0 + 3, Y0 + 36 + i * 48, 8, 6, 1);
    fillOutline(cr, pal::white, 1.1);
  }
}

void crateOf(cairo_t* cr, double x, double y, double w, double h, int veg, Rng& rng) {
  roundedRect(cr, x, y, w, h, 2);
  fillOutline(cr, mix(pal::brown, pal::orange, 0.35), 1.8);
  roundedRect(cr, x + 3, y + 3, w - 6, h - 6, 1);
  fill(cr, darker(pal::brown, 0.25));
  double cx0 = x + 4, cy0 = y + 4, cw = w - 8, ch = h - 8;
  switch (veg) {
    case 0:  // tomatoes
    case 3:  // oranges
    case 4: {  // lemons / apples
      Color c = veg == 0 ? pal::red : veg == 3 ? mix(pal::orange, pal::tomato, 0.2) : pal::yellow;
      double r = 4.6;
      for (double yy = cy0 + r; yy < cy0 + ch; yy += 2 * r - 1)
        for (double xx = cx0 + r; xx < cx0 + cw; xx += 2 * r - 0.5) {
          circle(cr, xx + rng.range(-0.6, 0.6), yy + rng.range(-0.6, 0.6), r);
          fillOutline(cr, c, 1.2);
          circle(cr, xx - 1.4, yy - 1.4, 1.2);
          fill(cr, withAlpha(pal::white, 0.6));
        }
      break;
    }
    case 1: {  // lettuces
      for (double yy = cy0 + 6; yy < cy0 + ch; yy += 11)
        for (double xx = cx0 + 6; xx < cx0 + cw; xx += 11) {
          circle(cr, xx, yy, 6);
          fillOutline(cr, pal::leaf, 1.3);
          cairo_arc(cr, xx, yy, 3, 0, 1.7 * M_PI);
          stroke(cr, mix(pal::leaf, pal::yellow, 0.5), 1.2);
        }
      break;
    }
    case 2: {  // aubergines
      for (double yy = cy0 + 4; yy < cy0 + ch - 2; yy += 7) {
        Saved s(cr);
        ellipse(cr, cx0 + cw / 2 + rng.range(-2, 2), yy + 1, cw / 2 - 1, 3.4);
        fillOutline(cr, darker(pal::purple, 0.15), 1.2);
        circle(cr, cx0 + 2, yy + 1, 1.6);
        fill(cr, pal::leaf);
      }
      break;
    }
    default: {  // carrots
      for (double xx = cx0 + 2.5; xx < cx0 + cw - 1; xx += 4.2) {
        cairo_move_to(cr, xx, cy0 + 2);
        cairo_line_to(cr, xx + 0.8, cy0 + ch - 2);
        stroke(cr, pal::ink, 4.2);
        cairo_move_to(cr, xx, cy0 + 2);
        cairo_line_to(cr, xx + 0.8, cy0 + ch - 2);
        stroke(cr, pal::orange, 2.4);
        circle(cr, xx, cy0 + 1.5, 1.6);
        fill(cr, pal::leaf);
      }
    }
  }
}

void vegCounter(cairo_t* cr) {
  roundedRect(cr, X0, Y0, W, H, 4);
  fillOutline(cr, mix(pal::brown, pal::orange, 0.2), LW);
  // Wood planks.
  for (int i = 1; i < 4; ++i) {
    cairo_move_to(cr, X0 + i * W / 4, Y0 + 2);
    cairo_line_to(cr, X0 + i * W / 4, Y0 + H - 2);
  }
  stroke(cr, withAlpha(darker(pal::brown, 0.3), 0.5), 1);
  Rng rng(70);
  const int vegs[] = {0, 1, 2, 5, 3, 4};
  double ch = (H - 10) / 3.0;
  for (int i = 0; i < 6; ++i) {
    double x = X0 + 3 + (i % 2) * (W / 2 - 1);
    double y = Y0 + 5 + (i / 2) * ch;
    crateOf(cr, x, y, W / 2 - 2, ch - 2, vegs[i], rng);
  }
  // Chalkboard price cards.
  for (int i = 0; i < 3; ++i) {
    roundedRect(cr, X0 + W / 2 - 5, Y0 + 5 + i * ch + ch / 2 - 4, 10, 8, 1.5);
    fillOutline(cr, pal::dkgrey, 1.2);
    cairo_move_to(cr, X0 + W / 2 - 2.5, Y0 + 5 + i * ch + ch / 2);
    cairo_line_to(cr, X0 + W / 2 + 2.5, Y0 + 5 + i * ch + ch / 2);
    stroke(cr, pal::white, 1);
  }
}

void freezer(cairo_t* cr, int look) {
  Color shell = look == 0 ? pal::white : lighter(pal::teal, 0.15);
  Color trim = look == 0 ? pal::shelf : pal::navy;
  roundedRect(cr, X0, Y0, W, H, 9);
  fillOutline(cr, shell, LW);
  roundedRect(cr, X0 + 2.5, Y0 + 2.5, W - 5, H - 5, 7);
  stroke(cr, trim, 2.5);
  // The well of frozen goods seen through the glass.
  const double gx = X0 + 6, gy = Y0 + 8, gw = W - 12, gh = H - 16;
  roundedRect(cr, gx, gy, gw, gh, 4);
  fill(cr, look == 0 ? rgb(0x264A73) : rgb(0x1F5F66));
  Rng rng(80 + look);
  {
    Saved s(cr);
    roundedRect(cr, gx, gy, gw, gh, 4);
    cairo_clip(cr);
    if (look == 0) {  // tubs of ice cream, lids from above
      const Color lids[] = {pal::pink, rgb(0xFFF1D0), pal::brown, pal::leaf, pal::yellow, pal::sky};
      for (double y = gy + 7; y < gy + gh; y += 12.5)
        for (int i = 0; i < 3; ++i) {
          double x = gx + 6 + i * 12 + (static_cast<int>(y) % 2 ? 1 : 0);
          Color c = lids[rng.below(6)];
          circle(cr, x, y, 5.4);
          fillOutline(cr, c, 1.2);
          circle(cr, x, y, 3);
          stroke(cr, withAlpha(pal::white, 0.6), 1);
        }
    } else {  // bags of peas and pizza boxes
      for (double y = gy + 2; y < gy + gh - 4;) {
        if (rng.below(2)) {
          roundedRect(cr, gx + 2, y, gw - 4, 15, 2);
          fillOutline(cr, rng.below(2) ? pal::red : pal::orange, 1.2);
          circle(cr, gx + gw / 2, y + 7.5, 4.5);
          fill(cr, pal::yellow);
          y += 17;
        } else {
          for (int i = 0; i < 2; ++i) {
            roundedRect(cr, gx + 2 + i * (gw / 2 - 1), y, gw / 2 - 3, 13, 4);
            fillOutline(cr, pal::leaf, 1.2);
            circle(cr, gx + 8 + i * (gw / 2 - 1), y + 6.5, 2);
            fill(cr, lighter(pal::leaf, 0.5));
          }
          y += 15;
        }
      }
    }
    // Glass: a cool tint, two sliding lids and diagonal reflections.
    source(cr, rgb(0x8ECAE6, 0.28));
    cairo_paint(cr);
    for (int i = 0; i < 6; ++i) {
      double y = gy + 10 + i * 28;
      cairo_move_to(cr, gx - 2, y + 16);
      cairo_line_to(cr, gx + gw + 2, y);
      cairo_line_to(cr, gx + gw + 2, y + 5);
      cairo_line_to(cr, gx - 2, y + 21);
      cairo_close_path(cr);
      fill(cr, withAlpha(pal::white, 0.28));
    }
    // Frost creeping in from the corners.
    for (const Pt& c : {Pt{gx, gy}, Pt{gx + gw, gy}, Pt{gx, gy + gh}, Pt{gx + gw, gy + gh}}) {
      radial(cr, c.x, c.y, 16, withAlpha(pal::white, 0.85), withAlpha(pal::white, 0));
      circle(cr, c.x, c.y, 16);
      cairo_fill(cr);
    }
    for (int i = 0; i < 30; ++i) {
      double x = rng.range(gx, gx + gw), y = rng.range(gy, gy + gh);
      circle(cr, x, y, rng.range(0.4, 1.1));
      fill(cr, withAlpha(pal::white, 0.7));
    }
  }
  roundedRect(cr, gx, gy, gw, gh, 4);
  stroke(cr, pal::ink, 1.8);
  // The seam between the two glass lids and their handles.
  cairo_move_to(cr, gx, gy + gh / 2);
  cairo_line_to(cr, gx + gw, gy + gh / 2);
  stroke(cr, trim, 3);
  for (double y : {gy + gh / 2 - 7, gy + gh / 2 + 4}) {
    roundedRect(cr, gx + gw / 2 - 7, y, 14, 3, 1.5);
    fillOutline(cr, steel(), 1.2);
  }
}

void bakeryCounter(cairo_t* cr) {
  roundedRect(cr, X0, Y0, W, H, 5);
  fillOutline(cr, pal::paper, LW);
  Rng rng(90);
  for (int i = 0; i < 5; ++i) {
    double y = Y0 + 8 + i * 31;
    roundedRect(cr, X0 + 5, y, W - 10, 27, 6);
    fillOutline(cr, mix(pal::brown, pal::orange, 0.5), 1.6);
    for (int k = 0; k < 3; ++k) {
      double x = X0 + 12 + k * 12;
      ellipse(cr, x, y + 13.5, 5, 9);
      fillOutline(cr, mix(pal::orange, pal::brown, 0.45), 1.3);
      cairo_move_to(cr, x - 2, y + 9);
      cairo_line_to(cr, x + 2, y + 11);
      cairo_move_to(cr, x - 2, y + 14);
      cairo_line_to(cr, x + 2, y + 16);
      stroke(cr, lighter(pal::yellow, 0.3), 1.1);
    }
  }
}

}  // namespace

Surface makeScenery() {
  Sheet sheet(66, 172, 9, 9);
  auto unit = [&](int f, const Draw& d) { sheet.frame(f, [&](cairo_t* cr) { shadowed(cr, d, around); }); };
  unit(0, [](cairo_t* cr) { fishCounter(cr, 0); });
  unit(1, [](cairo_t* cr) { fishCounter(cr, 1); });
  unit(2, [](cairo_t* cr) { fishCounter(cr, 2); });
  unit(3, bakeryCounter);
  unit(4, [](cairo_t* cr) { shelf(cr, 0); });
  unit(5, vegCounter);
  unit(6, [](cairo_t* cr) { shelf(cr, 1); });
  unit(7, [](cairo_t* cr) { freezer(cr, 0); });
  unit(8, [](cairo_t* cr) { freezer(cr, 1); });
  return std::move(sheet.surf);
}

}  // namespace art
