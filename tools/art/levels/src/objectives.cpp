// The objectives cards, one page per level: what to collect and the level's own rule, in
// plain words, with the same pictures the player will meet on the floor.
#include <algorithm>
#include <cmath>

#include "assets.hpp"

namespace art {

namespace {

constexpr double PW = 700, PH = 500;
constexpr double left = 36, right = 664;

struct Item {
  int frame;
  std::string caption;
};

struct Icon {
  std::string file;  // a sheet already made, or "" for a product frame
  int frame;
  bool crossed = false;
};

struct Rule {
  std::vector<Icon> icons;
  std::string text;
};

struct Page {
  std::string title;
  Color band;
  std::string goal;
  std::string wantedLabel;
  std::vector<Item> wanted;
  std::string unwantedLabel;
  std::vector<Item> unwanted;
  std::vector<Rule> rules;
  bool twoColumns = false;
};

const Icon clock{"stopwatch.png", 0};
const Icon noClock{"stopwatch.png", 0, true};
const Icon payPad{"arrows.png", 0};
const Icon wetSign{"obstacles.png", 8};
const Icon puddle{"obstacles.png", 9};
const Icon pram{"obstacles.png", 10};
const Icon ginger{"obstacles.png", 2};
const Icon blonde{"obstacles.png", 6};
const Icon scale{"miniscale.png", 0};
const Icon bin{"wastebin.png", 0};
const Icon boostIcon{"", 27};
const Icon dropIcon{"", 26};

std::vector<Page> pages() {
  const std::string payRule = "Got it all? The checkout light turns blue: park on <b>PAY</b> for 3 seconds.";
  const std::string clockRule = "<b>60 seconds</b> on the clock. Pay quickly for a time bonus!";
  std::vector<Page> p(10);
  p[0] = {"First shop",
          pal::red,
          "Drive with the <b>arrow keys</b> and pick up all <b>6 items</b> on your list.",
          "",
          {{7, "Pizza"}, {0, "Eggs"}, {13, "Strawberry"}, {3, "Milk"}, {21, "Bread"}, {1, "Fish"}},
          "",
          {},
          {{{wetSign}, "<b>Wet floor sign:</b> it is solid, so you bounce off it. Steer round!"},
           {{clock}, clockRule},
           {{payPad}, payRule}}};
  p[1] = {"Spill in aisle two",
          pal::teal,
          "Pick up all <b>8 items</b> on your list, then pay at the checkout.",
          "",
          {{7, "Pizza"},
           {0, "Eggs"},
           {13, "Strawberry"},
           {3, "Milk"},
           {1, "Fish"},
           {6, "Ice cream"},
           {10, "Tomatoes"},
           {12, "Grapes"}},
          "",
          {},
          {{{puddle}, "<b>Spilt puddle:</b> your trolley crawls while it is in it."},
           {{Icon{"", 9}}, "Two milks on the floor: <b>either one</b> ticks milk off."},
           {{clock}, clockRule}}};
  p[2] = {"Weigh it up",
          pal::leaf,
          "Fill your trolley so that it weighs <b>exactly 285</b>, with at least one of each of these. Their "
          "weights:",
          "",
          {{10, "Tomatoes 15"}, {18, "Potatoes 45"}, {15, "Oranges 15"}, {14, "Carrots 25"}},
          "",
          {},
          {{{scale}, "<b>Weigh it:</b> stand on the scale until the light turns green, then pay."},
           {{bin}, "Wrong weight? Press <b>Y</b> at the waste bin to empty your trolley. It costs <b>50 points</b>."},
           {{noClock}, "No clock in this level: take your time."}}};
  p[3] = {"The meat run",
          pal::tomato,
          "Pick up all <b>5 items</b>. Fish is worth <b>25 points</b> and bacon <b>40</b>!",
          "",
          {{1, "Fish"}, {19, "Bacon"}, {16, "Sausages"}, {6, "Ice cream"}, {24, "Chicken"}},
          "",
          {},
          {{{puddle}, "<b>Spilt puddle</b> in the aisle: it slows you right down."},
           {{clock}, clockRule},
           {{payPad}, payRule}}};
  p[4] = {"Busy aisles",
          pal::purple,
          "Pick up all <b>7 items</b> on your list, then pay.",
          "",
          {{1, "Fish"},
           {19, "Bacon"},
           {16, "Sausages"},
           {6, "Ice cream"},
           {24, "Chicken"},
           {18, "Potatoes"},
           {22, "Cereal"}},
          "",
          {},
          {{{ginger, blonde}, "<b>Other shoppers</b> walk the aisles. Every bump costs you <b>5 points</b>."},
           {{clock}, clockRule},
           {{payPad}, payRule}}};
  p[5] = {"Fresh and weighed",
          pal::shelf,
          "Fill your trolley so that it weighs <b>exactly 300</b>, with at least one of each of these. Their "
          "weights:",
          "",
          {{24, "Chicken 40"}, {13, "Strawberry 10"}, {17, "Cheese 15"}, {1, "Fish 30"}, {16, "Sausages 25"}},
          "",
          {},
          {{{scale}, "<b>Weigh it:</b> stand on the scale until the light turns green, then pay."},
           {{bin}, "Wrong weight? Press <b>Y</b> at the waste bin to empty your trolley. It costs <b>50 points</b>."},
           {{noClock}, "No clock in this level: take your time."}}};
  p[6] = {"Pushchair parking",
          mix(pal::orange, pal::tomato, 0.3),
          "Tick off all <b>8 kinds</b> on your list. Some lie on the floor twice: the extras still score.",
          "",
          {{1, "Fish"},
           {19, "Bacon"},
           {16, "Sausages"},
           {6, "Ice cream"},
           {24, "Chicken"},
           {12, "Grapes"},
           {22, "Cereal"},
           {25, "Bananas"}},
          "",
          {},
          {{{pram}, "A <b>pushchair</b> is parked in an aisle. It is solid: don't ram it!"},
           {{puddle}, "Mind the <b>spill</b>: it slows you down."},
           {{clock}, clockRule}}};
  p[7] = {"Rush hour",
          pal::navy,
          "Pick up all <b>9 items</b> on your list, then pay.",
          "",
          {{1, "Fish"},
           {14, "Carrots"},
           {20, "Butter"},
           {19, "Bacon"},
           {16, "Sausages"},
           {6, "Ice cream"},
           {24, "Chicken"},
           {18, "Potatoes"},
           {22, "Cereal"}},
          "",
          {},
          {{{ginger, blonde}, "<b>Four shoppers</b> are out and about. Each bump costs you <b>5 points</b>."},
           {{clock}, clockRule},
           {{payPad}, payRule}}};
  p[8] = {"Fruit only!",
          pal::dkgreen,
          "Only <b>fruit</b> is wanted: each one strikes a line off your list. Strike <b>4</b> to pay, more for a "
          "bonus.",
          "WANTED",
          {{13, "Strawberries"}, {25, "Bananas"}, {15, "Oranges"}, {12, "Grapes"}},
          "NOT WANTED",
          {{7, "Pizza"}, {16, "Sausages"}, {19, "Bacon"}, {6, "Ice cream"}},
          {{{boostIcon}, "<b>Boost:</b> double speed for 5 seconds."},
           {{dropIcon}, "<b>Item drop:</b> every product goes back, your list is wiped."},
           {{puddle}, "<b>Puddles</b> slow you down."},
           {{Icon{"", 7, true}}, "Unwanted items <b>cost points</b> and undo a line."}},
          true};
  p[9] = {"Treat yourself",
          pal::pink,
          "It's treat day! Strike <b>5</b> lines to pay. <b>Chocolate</b> and <b>ice cream</b> count double.",
          "WANTED",
          {{7, "Pizza"}, {29, "Chocolate"}, {32, "Crisps"}, {6, "Ice cream"}, {28, "Choc milk"}, {22, "Choco"}},
          "NOT WANTED",
          {{13, "Strawberries"}, {25, "Bananas"}, {15, "Oranges"}, {12, "Grapes"}, {23, "Bran"}},
          {{{boostIcon}, "<b>Boost:</b> double speed for 5 seconds."},
           {{dropIcon}, "<b>Item drop:</b> every product goes back, your list is wiped."},
           {{puddle}, "The <b>puddle</b> slows you down."},
           {{Icon{"", 13, true}}, "Unwanted items <b>cost points</b> and undo a line."}},
          true};
  p[9].band = darker(mix(pal::pink, pal::red, 0.5), 0.05);
  return p;
}

const Output* findOutput(const std::vector<Output>& made, const std::string& file) {
  for (const Output& o : made)
    if (o.file == file) return &o;
  return nullptr;
}

void redCross(cairo_t* cr, double cx, double cy, double r) {
  circle(cr, cx, cy, r);
  stroke(cr, pal::white, 7);
  circle(cr, cx, cy, r);
  stroke(cr, pal::red, 4);
  cairo_move_to(cr, cx - r * 0.7, cy + r * 0.7);
  cairo_line_to(cr, cx + r * 0.7, cy - r * 0.7);
  stroke(cr, pal::white, 7);
  cairo_move_to(cr, cx - r * 0.7, cy + r * 0.7);
  cairo_line_to(cr, cx + r * 0.7, cy - r * 0.7);
  stroke(cr, pal::red, 4);
}

// Draws an icon to fit a size x size box centred on (cx, cy).
void icon(cairo_t* cr, const std::vector<Output>& made, const Icon& ic, double cx, double cy, double size) {
  {
    Saved s(cr);
    if (ic.file.empty()) {
      cairo_translate(cr, cx - size / 2, cy - size / 2);
      cairo_scale(cr, size / 80, size / 80);
      productSprite(cr, ic.frame);
    } else if (const Output* o = findOutput(made, ic.file)) {
      const int fw = o->frames ? o->frameW : o->picture.width();
      const int fh = o->frames ? o->frameH : o->picture.height();
      const int cols = o->frames ? o->columns : 1;
      double sc = size / std::max(fw, fh);
      if (ic.file == "obstacles.png") sc *= 1.25;  // the people and signs leave margins
      cairo_translate(cr, cx - fw * sc / 2, cy - fh * sc / 2);
      cairo_scale(cr, sc, sc);
      cairo_rectangle(cr, 0, 0, fw, fh);
      cairo_clip(cr);
      cairo_set_source_surface(cr, o->picture.get(), -(ic.frame % cols) * fw, -(ic.frame / cols) * fh);
      cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
      cairo_paint(cr);
    }
  }
  if (ic.crossed) redCross(cr, cx + size * 0.28, cy + size * 0.28, size * 0.2);
}

double itemRow(cairo_t* cr, const std::vector<Output>& made, const std::string& label, Color labelColour,
               const std::vector<Item>& items, bool crossed, double top, bool roomy) {
  double x0 = left, x1 = right;
  if (!label.empty()) {
    roundedRect(cr, left, top + 18, 118, 30, 15);
    fill(cr, labelColour);
    Font f = fitted(label, sans(15, true), 104);
    text(cr, label, f, left + 59, top + 38.5, pal::white, 0.5);
    x0 = left + 128;
  }
  const double size = roomy ? 66 : 58;
  double step = std::min(roomy ? 96.0 : 84.0, (x1 - x0) / items.size());
  double start = x0 + ((x1 - x0) - step * items.size()) / 2 + step / 2;
  for (size_t i = 0; i < items.size(); ++i) {
    double cx = start + i * step;
    icon(cr, made, Icon{"", items[i].frame, crossed}, cx, top + size / 2 + 1, size);
    Font f = fitted(items[i].caption, sans(roomy ? 15 : 13, true), step - 4);
    text(cr, items[i].caption, f, cx, top + size + 18, pal::ink, 0.5);
  }
  return size + 26;
}

void page(cairo_t* cr, const std::vector<Output>& made, const Page& pg, int number) {
  LayerStyle st;
  st.sh = Shadow{5, 7, 8, 0.35};
  layer(cr, st, [&](cairo_t* c) {
    roundedRect(c, 10, 10, PW - 24, PH - 24, 26);
    fill(c, pal::paper);
    Saved s(c);
    roundedRect(c, 10, 10, PW - 24, PH - 24, 26);
    cairo_clip(c);
    cairo_rectangle(c, 0, 0, PW, 88);
    fill(c, pg.band);
    cairo_move_to(c, 0, 88);
    cairo_line_to(c, PW, 88);
    stroke(c, pal::ink, 3);
    // A row of little price-tag holes along the band.
    for (int i = 0; i < 3; ++i) {
      circle(c, PW - 60 - i * 16, 26, 3.5);
      fill(c, withAlpha(pal::white, 0.35));
    }
  });
  roundedRect(cr, 10, 10, PW - 24, PH - 24, 26);
  stroke(cr, pal::ink, 3.5);
  text(cr, "Level " + std::to_string(number), script(46), left, 68, pal::white);
  Font tf = fitted(pg.title, sans(26, true), 330);
  text(cr, pg.title, tf, right, 62, pal::white, 1.0);

  double y = 100;
  y += paragraph(cr, pg.goal, sans(20), left, y, right - left, pal::ink) + 6;
  const bool roomy = pg.unwanted.empty();
  if (roomy) {
    y += itemRow(cr, made, "", pal::leaf, pg.wanted, false, y + 4, true) + 12;
  } else {
    y += itemRow(cr, made, pg.wantedLabel, pal::leaf, pg.wanted, false, y, false) - 2;
    y += itemRow(cr, made, pg.unwantedLabel, pal::red, pg.unwanted, true, y, false) + 2;
  }
  // Rules: icon on the left, words beside it; two columns when there are many.
  cairo_move_to(cr, left, y);
  cairo_line_to(cr, right, y);
  double dash[] = {6, 6};
  cairo_set_dash(cr, dash, 2, 0);
  stroke(cr, withAlpha(pal::ink, 0.3), 1.5);
  cairo_set_dash(cr, nullptr, 0, 0);
  y += 8;
  const int cols = pg.twoColumns ? 2 : 1;
  const double colW = (right - left) / cols;
  // Rows share what is left above the footer.
  const int rows = static_cast<int>((pg.rules.size() + cols - 1) / cols);
  const double rowH = std::min(pg.twoColumns ? 52.0 : 64.0, (428 - y) / rows);
  for (size_t i = 0; i < pg.rules.size(); ++i) {
    const Rule& r = pg.rules[i];
    double x = left + (i % cols) * colW;
    double top = y + (i / cols) * rowH;
    double iconW = 52 * r.icons.size() - 8 * (r.icons.size() - 1);
    const double is = roomy ? 54 : 48;
    for (size_t k = 0; k < r.icons.size(); ++k)
      icon(cr, made, r.icons[k], x + is / 2 + k * (is - 4), top + rowH / 2, is);
    double tx = x + iconW + (roomy ? 16 : 8);
    Font f = sans(pg.twoColumns ? 16 : 19);
    double h = paragraph(cr, r.text, f, tx, 0, colW - (tx - x) - 6, pal::ink, false);
    paragraph(cr, r.text, f, tx, top + (rowH - h) / 2, colW - (tx - x) - 6, pal::ink);
  }
  // Footer.
  text(cr, "Press O to see this again", sans(16), left, 462, withAlpha(pal::ink, 0.7));
  const std::string go = "Press an arrow key to start";
  Font gf = sans(18, true);
  double gw = measure(go, gf).w + 36;
  roundedRect(cr, right - gw, 436, gw, 38, 19);
  fillOutline(cr, pal::leaf, 2.5);
  text(cr, go, gf, right - gw / 2, 461, pal::white, 0.5);
}

}  // namespace

Surface makeObjectives(const std::vector<Output>& made) {
  Sheet sheet(700, 500, 5, 10);
  std::vector<Page> all = pages();
  for (int i = 0; i < 10; ++i) sheet.frame(i, [&](cairo_t* cr) { page(cr, made, all[i], i + 1); });
  return std::move(sheet.surf);
}

}  // namespace art
