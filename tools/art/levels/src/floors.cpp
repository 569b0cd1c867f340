// The shop floors: one tiling per level so each level feels its own, worn where trolleys run,
// with the checkout lane marked and the notepad paper under the HUD's open page.
#include <cmath>

#include "assets.hpp"

namespace art {

namespace {

enum class Pattern { Checker, Diagonal, Inset, Planks, Large };

struct FloorStyle {
  Pattern pattern;
  double tile;
  Color a, b;  // the two tile colours (planks: light and dark wood)
  Color inset;
};

FloorStyle styleFor(int level) {
  const Color w = pal::white;
  switch (level) {
    case 1: return {Pattern::Checker, 64, pal::cream, pal::cream2, pal::clear};
    case 2: return {Pattern::Checker, 48, mix(w, pal::sky, 0.16), mix(w, pal::sky, 0.34), pal::clear};
    case 3: return {Pattern::Inset, 64, mix(pal::cream, pal::orange, 0.22), mix(pal::cream, pal::orange, 0.3),
                    mix(pal::leaf, pal::cream, 0.35)};
    case 4: return {Pattern::Checker, 64, mix(w, pal::leaf, 0.14), mix(w, pal::leaf, 0.27), pal::clear};
    case 5: return {Pattern::Diagonal, 56, mix(w, pal::purple, 0.09), mix(w, pal::purple, 0.2), pal::clear};
    case 6: return {Pattern::Planks, 32, mix(pal::cream2, pal::orange, 0.2), mix(pal::cream2, pal::brown, 0.3),
                    pal::clear};
    case 7: return {Pattern::Checker, 56, mix(pal::paper, pal::pink, 0.22), mix(pal::cream, pal::pink, 0.45),
                    pal::clear};
    case 8: return {Pattern::Large, 96, mix(w, pal::grey, 0.3), mix(w, pal::shelf, 0.22), pal::clear};
    case 9: return {Pattern::Checker, 48, mix(pal::paper, pal::leaf, 0.1), mix(pal::cream, pal::leaf, 0.3),
                    pal::clear};
    default: return {Pattern::Checker, 64, pal::paper, mix(pal::cream, pal::tomato, 0.24), pal::clear};
  }
}

Color jitter(Color c, Rng& rng, double amount) {
  double d = rng.range(-amount, amount);
  return d > 0 ? lighter(c, d) : darker(c, -d);
}

void tiles(cairo_t* cr, const FloorStyle& st, Rng& rng) {
  const double t = st.tile;
  const Color grout = darker(mix(st.a, st.b, 0.5), 0.12);
  source(cr, grout);
  cairo_paint(cr);
  switch (st.pattern) {
    case Pattern::Checker:
    case Pattern::Large:
    case Pattern::Inset:
      for (int j = 0; j * t < 768; ++j)
        for (int i = 0; i * t < 1024; ++i) {
          Color c = st.pattern == Pattern::Checker ? ((i + j) % 2 ? st.b : st.a)
                                                   : mix(st.a, st.b, rng.range(0, st.pattern == Pattern::Large ? 0.5 : 0.3));
          roundedRect(cr, i * t + 1, j * t + 1, t - 2, t - 2, 2);
          fill(cr, jitter(c, rng, 0.025));
          // A soft bevel so the tiles catch the light.
          cairo_move_to(cr, i * t + 2, j * t + t - 2);
          cairo_line_to(cr, i * t + 2, j * t + 2);
          cairo_line_to(cr, i * t + t - 2, j * t + 2);
          stroke(cr, withAlpha(pal::white, 0.22), 1.2);
        }
      if (st.pattern == Pattern::Inset) {
        for (int j = 0; j * t <= 768; ++j)
          for (int i = 0; i * t <= 1024; ++i) {
            Saved s(cr);
            cairo_translate(cr, i * t, j * t);
            cairo_rotate(cr, M_PI / 4);
            cairo_rectangle(cr, -7, -7, 14, 14);
            fillOutline(cr, jitter(st.inset, rng, 0.03), 1.2, grout);
          }
      }
      break;
    case Pattern::Diagonal: {
      Saved s(cr);
      cairo_translate(cr, 512, 384);
      cairo_rotate(cr, M_PI / 4);
      for (int j = -12; j < 12; ++j)
        for (int i = -12; i < 12; ++i) {
          roundedRect(cr, i * t + 1, j * t + 1, t - 2, t - 2, 2);
          fill(cr, jitter((i + j) % 2 ? st.b : st.a, rng, 0.02));
        }
      break;
    }
    case Pattern::Planks: {
      for (int j = 0; j * t < 768; ++j) {
        double offset = rng.range(0, 200);
        for (double x = -offset; x < 1024;) {
          double len = rng.range(150, 260);
          Color c = mix(st.a, st.b, rng.range(0, 0.6));
          cairo_rectangle(cr, x + 1, j * t + 1, len - 2, t - 2);
          fill(cr, c);
          // Grain.
          for (int g = 0; g < 4; ++g) {
            double y = j * t + rng.range(4, t - 4);
            cairo_move_to(cr, x + 4, y);
            cairo_curve_to(cr, x + len * 0.3, y + rng.range(-2, 2), x + len * 0.7, y + rng.range(-2, 2), x + len - 4,
                           y + rng.range(-1.5, 1.5));
            stroke(cr, withAlpha(darker(c, 0.25), 0.3), 1);
          }
          if (rng.below(3) == 0) {
            ellipse(cr, x + rng.range(20, len - 20), j * t + t / 2, 5, 2.5);
            stroke(cr, withAlpha(darker(c, 0.35), 0.35), 1.2);
          }
          x += len;
        }
      }
      break;
    }
  }
}

// Everything solid on the level's floor, as screen rectangles.
struct Box {
  double x0, y0, x1, y1;
};

std::vector<Box> solidBoxes(const Level& level) {
  std::vector<Box> boxes;
  for (const Placed& p : level.scenery) {
    double cx = p.x + 33, cy = p.y + 86;
    bool turned = std::fmod(std::fabs(p.angle), 180) > 1;
    double hw = turned ? 86 : 33, hh = turned ? 33 : 86;
    boxes.push_back({cx - hw, cy - hh, cx + hw, cy + hh});
  }
  boxes.push_back({270, 585, 377, 742});
  return boxes;
}

bool freeAt(const std::vector<Box>& boxes, double x, double y, double margin) {
  if (x < 150 || x > 1020 || y < 4 || y > 764) return false;
  for (const Box& b : boxes)
    if (x > b.x0 - margin && x < b.x1 + margin && y > b.y0 - margin && y < b.y1 + margin) return false;
  return true;
}

void wear(cairo_t* cr, const Level& level, Rng& rng) {
  // Fine grit all over.
  for (int i = 0; i < 2600; ++i) {
    double x = rng.range(0, 1024), y = rng.range(0, 768);
    circle(cr, x, y, rng.range(0.4, 1.3));
    fill(cr, rng.below(2) ? rgb(0x2B2D42, 0.05) : rgb(0xFFFFFF, 0.12));
  }
  // Scuffs and wheel marks in the open aisles, where trolleys really go.
  std::vector<Box> boxes = solidBoxes(level);
  int placed = 0;
  for (int tries = 0; tries < 4000 && placed < 70; ++tries) {
    double x = rng.range(150, 1020), y = rng.range(0, 768);
    if (!freeAt(boxes, x, y, 6)) continue;
    double a = rng.range(0, 2 * M_PI), len = rng.range(16, 60);
    double x1 = x + len * std::cos(a), y1 = y + len * std::sin(a);
    if (!freeAt(boxes, x1, y1, 6)) continue;
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, x + len * 0.3 * std::cos(a + 0.4), y + len * 0.3 * std::sin(a + 0.4),
                   x1 - len * 0.3 * std::cos(a - 0.4), y1 - len * 0.3 * std::sin(a - 0.4), x1, y1);
    stroke(cr, rgb(0x2B2D42, rng.range(0.035, 0.07)), rng.range(1.2, 3));
    ++placed;
  }
  // Two long tyre tracks curving away from the checkout.
  for (int k = 0; k < 2; ++k) {
    double y = 640 + k * 10;
    cairo_move_to(cr, 180, y);
    cairo_curve_to(cr, 240, y - 120, 300, y - 160 - k * 30, 420, y - 170 - k * 20);
    stroke(cr, rgb(0x2B2D42, 0.05), 2);
  }
  // The odd dull tile, a mop streak.
  for (int i = 0; i < 3; ++i) {
    double x = rng.range(200, 950), y = rng.range(40, 720);
    if (!freeAt(boxes, x, y, 20)) continue;
    ellipse(cr, x, y, rng.range(30, 60), rng.range(10, 18));
    fill(cr, rgb(0xFFFFFF, 0.08));
  }
}

void checkoutLane(cairo_t* cr) {
  // A painted lane round the pay spot and the till, in dashed safety yellow.
  roundedRect(cr, 146, 552, 252, 212, 12);
  fill(cr, rgb(0x2B2D42, 0.05));
  roundedRect(cr, 146, 552, 252, 212, 12);
  double dash[] = {14, 9};
  cairo_set_dash(cr, dash, 2, 0);
  stroke(cr, rgb(0xF2B632, 0.85), 4);
  cairo_set_dash(cr, nullptr, 0, 0);
}

void lighting(cairo_t* cr) {
  // Ceiling lights: a soft bright pool mid-floor, gently darker corners.
  radial(cr, 580, 380, 620, rgb(0xFFFFFF, 0.08), rgb(0x2B2D42, 0.09));
  cairo_paint(cr);
}

}  // namespace

Surface makeFloor(const Level& level) {
  Surface s(1024, 768);
  Context cr(s);
  Rng rng(1000 + level.number);
  FloorStyle st = styleFor(level.number);
  tiles(cr, st, rng);
  wear(cr, level, rng);
  checkoutLane(cr);
  lighting(cr);
  paintNotepadPaper(cr, level);
  return s;
}

}  // namespace art
