// The HUD overlay, the handwritten shopping-list lines, and the notepad paper the floors paint
// under the HUD's open notepad window.
#include <algorithm>
#include <cmath>

#include "assets.hpp"

namespace art {

namespace {

constexpr double LW = 2.5;
const Color penInk = rgb(0x1D2A4A);
const Color marker = rgb(0xE63946);

struct ListLine {
  int unticked;
  const char* word;
  // Crossed lines are often placed a little off their unticked line; drawing the crossed word
  // back by the usual offset keeps it in place when it is struck out.
  double dx, dy;
};

const ListLine listLines[] = {
    {0, "Pizza", -10, 5},      {2, "Strawberry", 0, 0}, {4, "Eggs", 0, 0},      {6, "Bread", -15, 0},
    {8, "Fish", -5, 0},        {10, "Milk", 0, 0},      {12, "Cereal", -4, 0},  {14, "Cheese", 4, 0},
    {16, "Butter", 0, 0},      {18, "Bananas", 5, 0},   {20, "Oranges", 10, 0}, {22, "Bacon", 0, 0},
    {24, "Ice cream", 0, 0},   {26, "Tomatoes", 10, 0}, {28, "Grapes", 0, 0},   {30, "Carrots", 2, 0},
    {32, "Sausages", 5, 0},    {34, "Chicken", 0, 0},   {36, "Potatoes", 5, 0},
};

// List words stay inside the left 94 px of their 150 x 40 frame: the panel is only 140 px
// wide and lines are placed up to 40 px in. A word whose crossed line is drawn back to the
// left starts further in, so that it still fits.
constexpr double wordRight = 94;
double wordX(const ListLine& line) { return std::max(6.0, 6.0 - line.dx); }
double wordW(const ListLine& line) { return wordRight - wordX(line) - std::max(0.0, line.dx); }

// A hand-drawn marker stroke across [x0, x1] at height y.
void markerStroke(cairo_t* cr, double x0, double x1, double y, uint64_t seed, double width = 3.6) {
  Rng rng(seed);
  double tilt = rng.range(-2.5, 1.5);
  cairo_move_to(cr, x0, y + tilt);
  double mid = (x0 + x1) / 2;
  cairo_curve_to(cr, x0 + (mid - x0) * 0.6, y + rng.range(-2, 2), mid + (x1 - mid) * 0.4, y + rng.range(-2, 2), x1,
                 y - tilt);
  stroke(cr, withAlpha(marker, 0.9), width);
  // A little hook where the pen came back.
  cairo_move_to(cr, x1, y - tilt);
  cairo_line_to(cr, x1 - 6, y - tilt + 2.5);
  stroke(cr, withAlpha(marker, 0.85), width * 0.8);
}

void tick(cairo_t* cr, double x, double y) {
  cairo_move_to(cr, x - 5, y - 1);
  cairo_line_to(cr, x - 1, y + 4);
  cairo_line_to(cr, x + 8, y - 8);
  stroke(cr, withAlpha(pal::dkgreen, 0.95), 3.2);
}

}  // namespace

Font listHand(double px) { return script(px); }

void listWord(cairo_t* cr, const std::string& word, double x, double centreY, double maxWidth) {
  Font f = fitted(word, listHand(25), maxWidth);
  TextSize cap = measure("Hx", f);
  double baseline = centreY - (cap.inkY + cap.inkH / 2) + cap.ascent;
  text(cr, word, f, x, baseline, penInk);
}

Surface makeChecklist() {
  Sheet sheet(150, 40, 6, 40);
  for (const ListLine& line : listLines) {
    const double x = wordX(line), w = wordW(line);
    sheet.frame(line.unticked, [&](cairo_t* cr) { listWord(cr, line.word, x, 20, w); });
    sheet.frame(line.unticked + 1, [&](cairo_t* cr) {
      Saved s(cr);
      cairo_translate(cr, line.dx, line.dy);
      // The struck word fades, the stroke and the tick say it is in the trolley.
      cairo_push_group(cr);
      listWord(cr, line.word, x, 20, w);
      cairo_pop_group_to_source(cr);
      cairo_paint_with_alpha(cr, 0.55);
      double len = measure(line.word, fitted(line.word, listHand(25), w)).w;
      markerStroke(cr, x - 3, x + len + 3, 21, line.unticked);
      // The tick goes after the word, or over its end when the line is full.
      tick(cr, std::min(x + len + 11, wordRight + 2 - std::max(0.0, line.dx)), 19);
    });
  }
  // Heading of the printed wanted lists.
  sheet.frame(38, [](cairo_t* cr) {
    Font f = fitted("Wanted:", listHand(28), 100);
    TextSize t = measure("Wanted:", f);
    text(cr, "Wanted:", f, 12, 27, penInk);
    cairo_move_to(cr, 12, 32);
    cairo_curve_to(cr, 40, 30, 80, 33, 12 + t.w, 30);
    stroke(cr, withAlpha(marker, 0.85), 2.4);
  });
  // The strike mark drawn over one line of a printed list.
  sheet.frame(39, [](cairo_t* cr) { markerStroke(cr, 8, 116, 21, 39, 4.2); });
  return std::move(sheet.surf);
}

void paintNotepadPaper(cairo_t* cr, const Level& level) {
  using namespace notepad;
  Saved s(cr);
  roundedRect(cr, x, y, w, h, 4);
  cairo_clip(cr);
  vgradient(cr, y, y + h, pal::paper, rgb(0xFBF0D8));
  cairo_paint(cr);
  // Feint ruling and the margin.
  for (double ly = y + 34; ly < y + h; ly += 24) {
    cairo_move_to(cr, x, ly + 0.5);
    cairo_line_to(cr, x + w, ly + 0.5);
  }
  stroke(cr, withAlpha(pal::sky, 0.55), 1);
  cairo_move_to(cr, x + 12.5, y);
  cairo_line_to(cr, x + 12.5, y + h);
  stroke(cr, withAlpha(pal::tomato, 0.45), 1.2);
  // A faint coffee ring, different on every floor so the notepads do not look stamped.
  Rng rng(200 + level.number);
  double rx = rng.range(x + 30, x + w - 20), ry = rng.range(y + h - 90, y + h - 30);
  cairo_arc(cr, rx, ry, 15, rng.range(0, 3), rng.range(4, 6.2));
  stroke(cr, rgb(0x8D5B3A, 0.08), 2.5);
  if (level.wantedList) {
    for (size_t i = 0; i < level.wanted.size() && i < 7; ++i) {
      double cy = spot::strikeY[i] + 20;
      Font f = fitted(level.wanted[i], listHand(23), 96);
      TextSize cap = measure("Hx", f);
      double baseline = cy - (cap.inkY + cap.inkH / 2) + cap.ascent;
      text(cr, std::to_string(i + 1) + ".", sans(11, true), x + 3, baseline - 1, withAlpha(penInk, 0.5));
      text(cr, level.wanted[i], f, x + 18, baseline, penInk);
    }
    std::string need = level.number == 9 ? "Any 4 to pay!" : "Get 5 to pay!";
    Font f = fitted(need, listHand(20), 110);
    text(cr, need, f, x + w / 2, spot::strikeY[6] + 78, marker, 0.5);
  }
}

// ---------------------------------------------------------------------------------------------

namespace {

constexpr double panelW = 140;

void trolleyIcon(cairo_t* cr, double x, double y, double s, Color c) {
  Saved k(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s, s);
  cairo_move_to(cr, 0, 2);
  cairo_line_to(cr, 6, 2);
  cairo_line_to(cr, 11, 22);
  cairo_line_to(cr, 30, 22);
  cairo_line_to(cr, 34, 8);
  cairo_line_to(cr, 8, 8);
  stroke(cr, c, 3.2);
  circle(cr, 13, 28, 3);
  circle(cr, 28, 28, 3);
  fill(cr, c);
}

void panel(cairo_t* cr) {
  // Panel body: navy with soft diagonal stripes.
  cairo_rectangle(cr, 0, 0, panelW, 768);
  hgradient(cr, 0, panelW, rgb(0x223D63), pal::navy);
  cairo_fill(cr);
  {
    Saved s(cr);
    cairo_rectangle(cr, 0, 0, panelW, 768);
    cairo_clip(cr);
    for (int i = -40; i < 60; ++i) {
      cairo_move_to(cr, i * 18, 0);
      cairo_line_to(cr, i * 18 + 768, 768);
    }
    stroke(cr, rgb(0xFFFFFF, 0.035), 7);
  }
  // Steel rim where the panel meets the shop floor.
  cairo_rectangle(cr, panelW - 5, 0, 5, 768);
  hgradient(cr, panelW - 5, panelW, rgb(0xDCE3EA), rgb(0x8A96A3));
  cairo_fill(cr);
  cairo_move_to(cr, panelW - 0.5, 0);
  cairo_line_to(cr, panelW - 0.5, 768);
  stroke(cr, pal::ink, 1);
}

void card(cairo_t* cr, double x, double y, double w, double h) {
  LayerStyle st;
  st.sh = Shadow{2, 3, 4, 0.35};
  layer(cr, st, [&](cairo_t* c) {
    roundedRect(c, x, y, w, h, 10);
    vgradient(c, y, y + h, pal::white, pal::paper);
    cairo_fill_preserve(c);
    stroke(c, pal::ink, LW);
  });
}

}  // namespace

Surface makeHud() {
  Surface s(1024, 768);
  Context cr(s);
  // A soft shadow the panel casts on the floor, and a thin vignette round the play area.
  hgradient(cr, panelW, panelW + 12, rgb(0x000000, 0.28), rgb(0x000000, 0.0));
  cairo_rectangle(cr, panelW, 0, 12, 768);
  cairo_fill(cr);
  vgradient(cr, 0, 8, rgb(0x000000, 0.16), rgb(0x000000, 0.0));
  cairo_rectangle(cr, panelW, 0, 1024 - panelW, 8);
  cairo_fill(cr);
  vgradient(cr, 760, 768, rgb(0x000000, 0.0), rgb(0x000000, 0.16));
  cairo_rectangle(cr, panelW, 760, 1024 - panelW, 8);
  cairo_fill(cr);
  hgradient(cr, 1016, 1024, rgb(0x000000, 0.0), rgb(0x000000, 0.16));
  cairo_rectangle(cr, 1016, 0, 8, 768);
  cairo_fill(cr);

  panel(cr);

  // Items in the trolley: the count prints large at (0, 30).
  card(cr, 5, 5, 130, 74);
  text(cr, "ITEMS", stencil(15), 12, 23, pal::red);
  trolleyIcon(cr, 94, 40, 1.05, withAlpha(pal::shelf, 0.9));

  // The notepad: the HUD leaves its page open so each floor can show its own paper through it.
  {
    using namespace notepad;
    LayerStyle st;
    st.sh = Shadow{3, 4, 5, 0.45};
    layer(cr, st, [&](cairo_t* c) {
      roundedRect(c, x - 2, y - 2, w + 4, h + 4, 6);
      fill(c, rgb(0xE6D7B8));
    });
    // Cut the page open.
    cairo_save(cr);
    roundedRect(cr, x, y, w, h, 4);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_fill(cr);
    cairo_restore(cr);
    // Binding rings across the top.
    for (int i = 0; i < 7; ++i) {
      double rx = x + 11 + i * 17.6;
      circle(cr, rx, y + 5, 3);
      fill(cr, rgb(0x1D3557, 0.7));
      roundedRect(cr, rx - 2.5, y - 10, 5, 13, 2.5);
      fillOutline(cr, rgb(0xC9D2DA), 1.5);
    }
  }

  // Shop badge, seen where a level has no stopwatch.
  {
    LayerStyle st;
    st.sh = Shadow{2, 3, 4, 0.35};
    layer(cr, st, [](cairo_t* c) {
      circle(c, 70, 580, 50);
      fillOutline(c, pal::red, 3);
      circle(c, 70, 580, 43);
      stroke(c, rgb(0xFFFFFF, 0.8), 2);
      trolleyIcon(c, 47, 545, 1.35, pal::white);
      Font f = fitted("Grocerush", script(20), 66);
      text(c, "Grocerush", f, 70, 602, pal::white, 0.5);
    });
  }

  // Score: prints large at (0, 670).
  card(cr, 5, 662, 130, 100);
  text(cr, "SCORE", stencil(15), 70, 752, pal::red, 0.5);
  return s;
}

}  // namespace art
