// Pictures for looking at the art: contact sheets with frame numbers and mock screens of
// every level composed the way the game draws them. Never part of the game's resources.
#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "assets.hpp"

namespace art {

namespace {

void checker(cairo_t* cr, double x, double y, double w, double h, double cell) {
  Saved s(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  source(cr, rgb(0xD8D8D8));
  cairo_paint(cr);
  source(cr, rgb(0xF4F4F4));
  for (int j = 0; j * cell < h; ++j)
    for (int i = 0; i * cell < w; ++i)
      if ((i + j) % 2) cairo_rectangle(cr, x + i * cell, y + j * cell, cell, cell);
  cairo_fill(cr);
}

void contactSheet(const Output& o, const std::string& path) {
  const int fw = o.frames ? o.frameW : o.picture.width();
  const int fh = o.frames ? o.frameH : o.picture.height();
  const int cols = o.frames ? o.columns : 1;
  const int count = o.frames ? o.frames : 1;
  const int rows = (count + cols - 1) / cols;
  double s = std::clamp(1400.0 / (cols * fw), 0.25, 3.0);
  const double gap = 6, labelH = 18;
  const double cw = fw * s + gap, ch = fh * s + gap + labelH;
  Surface sheet(static_cast<int>(cols * cw + gap), static_cast<int>(rows * ch + gap + 24));
  Context cr(sheet);
  source(cr, rgb(0x505860));
  cairo_paint(cr);
  text(cr, o.file, sans(15, true), gap, 18, pal::white);
  for (int f = 0; f < count; ++f) {
    double x = gap + (f % cols) * cw, y = 24 + gap + (f / cols) * ch;
    checker(cr, x, y, fw * s, fh * s, 8);
    {
      Saved k(cr);
      cairo_rectangle(cr, x, y, fw * s, fh * s);
      cairo_clip(cr);
      cairo_translate(cr, x, y);
      cairo_scale(cr, s, s);
      double sx = (f % cols) * fw, sy = (f / cols) * fh;
      cairo_set_source_surface(cr, o.picture.get(), -sx, -sy);
      cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
      cairo_paint(cr);
    }
    text(cr, std::to_string(f), sans(13, true), x + 2, y + fh * s + 14, pal::yellow);
  }
  writePng(sheet, path);
}

const Output& find(const std::vector<Output>& outputs, const std::string& file) {
  for (const Output& o : outputs)
    if (o.file == file) return o;
  throw std::runtime_error("no picture " + file);
}

// Draws one frame the way the game does: scaled about the top-left-anchored centre
// (floor(w/2) * s, floor(h/2) * s), turned about the same point.
void sprite(cairo_t* cr, const Output& o, int frame, double x, double y, double scale = 1, double degrees = 0) {
  const int fw = o.frames ? o.frameW : o.picture.width();
  const int fh = o.frames ? o.frameH : o.picture.height();
  const int cols = o.frames ? o.columns : 1;
  double cx = std::floor(fw / 2) * scale, cy = std::floor(fh / 2) * scale;
  Saved s(cr);
  cairo_translate(cr, x + cx, y + cy);
  cairo_rotate(cr, degrees * M_PI / 180);
  cairo_scale(cr, scale, scale);
  cairo_translate(cr, -cx, -cy);
  cairo_rectangle(cr, 0, 0, fw, fh);
  cairo_clip(cr);
  cairo_set_source_surface(cr, o.picture.get(), -(frame % cols) * fw, -(frame / cols) * fh);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BILINEAR);
  cairo_paint(cr);
}

// A HUD number as the game prints it: the text box's top-left at (x, y).
void hudText(cairo_t* cr, const std::string& s, const std::string& family, double cell, double x, double y,
             Color c) {
  Font f{family, emForCellHeight(family, cell)};
  text(cr, s, f, x, y + measure(s, f).ascent, c);
}

enum class Moment { Start, Objectives, Done };

void mockScreen(const std::vector<Output>& out, const Level& lv, Moment when, const std::string& path) {
  Surface screen(1024, 768);
  Context cr(screen);
  source(cr, pal::dkgrey);
  cairo_paint(cr);
  const bool done = when == Moment::Done;
  sprite(cr, find(out, "floor" + std::to_string(lv.number) + ".png"), 0, 0, 0);
  sprite(cr, find(out, "hud.png"), 0, 0, 0);
  const Output& list = find(out, "checklistui.png");
  if (lv.wantedList) {
    sprite(cr, list, 38, spot::listHeadingX, spot::listHeadingY);
    int tally = done ? 5 : 0;
    for (int i = 0; i < tally; ++i) sprite(cr, list, 39, spot::strikeX, spot::strikeY[i]);
  }
  if (!lv.weighing) sprite(cr, find(out, "stopwatch.png"), 0, spot::stopwatchX, spot::stopwatchY, spot::stopwatchScale);
  const Output& pickups = find(out, "pickuptextures1.png");
  for (const Placed& p : lv.products) sprite(cr, pickups, p.frame, p.x, p.y, p.scale);
  for (const Placed& p : done ? lv.crossed : lv.checklist) sprite(cr, list, p.frame, p.x, p.y);
  sprite(cr, find(out, "arrows.png"), 0, spot::arrowX, spot::arrowY);
  if (done) sprite(cr, find(out, "arrowlights.png"), 1, spot::arrowX, spot::arrowY);
  if (lv.weighing) sprite(cr, find(out, "miniscale.png"), 0, spot::miniScaleX, spot::miniScaleY);
  const Output& scenery = find(out, "scenerytextures.png");
  for (const Placed& p : lv.scenery) sprite(cr, scenery, p.frame, p.x, p.y, p.scale, p.angle);
  const Output& obstacles = find(out, "obstacles.png");
  for (const Placed& p : lv.obstacles) sprite(cr, obstacles, p.frame, p.x, p.y, p.scale, p.angle);
  if (lv.weighing) sprite(cr, find(out, "wastebin.png"), 0, spot::binX, spot::binY);
  sprite(cr, find(out, "shoppingcart.png"), done ? 1 : 0, spot::trolleyX, spot::trolleyY);
  sprite(cr, find(out, "checkout.png"), 0, spot::checkoutX, spot::checkoutY);
  sprite(cr, find(out, "checkoutlights.png"), done ? 1 : 0, spot::checkoutX, spot::checkoutY);
  if (lv.weighing && done) {
    sprite(cr, find(out, "largescales.png"), 0, spot::scalesX, spot::scalesY);
    for (int k = 0; k < 5; ++k) sprite(cr, find(out, "scalelights.png"), k, spot::scalesX, spot::scalesY);
    sprite(cr, find(out, "scalearrows.png"), 4, spot::scalesX, spot::scalesY);
    Font f{"DSEG7 Classic", emForCellHeight("DSEG7 Classic", 40)};
    std::string w = lv.number == 3 ? " 285 " : " 300 ";
    text(cr, w, f, 670, 482 + measure(w, f).ascent, rgb(0x000000));
  }
  if (lv.weighing && when == Moment::Start) sprite(cr, find(out, "binbox.png"), 0, spot::binBoxX, spot::binBoxY);
  if (when == Moment::Objectives)
    sprite(cr, find(out, "levelobjectives.png"), lv.number - 1, spot::objectivesX, spot::objectivesY);
  hudText(cr, done ? " 6 " : " 0 ", "Allerta", 50, 0, 30, rgb(0x000000));
  hudText(cr, done ? " 1250 " : " 125 ", "Allerta", 50, 0, 670, rgb(0x000000));
  if (!lv.weighing) hudText(cr, done ? " 42 " : " 60 ", "DSEG14 Classic", 35, 22, 588, rgb(0xFFFFFF));
  writePng(screen, path);
}

}  // namespace

void writeReview(const std::vector<Output>& outputs, const std::string& dir) {
  mkdir(dir.c_str(), 0755);
  for (const Output& o : outputs) contactSheet(o, dir + "/sheet-" + o.file);
  for (const Level& lv : allLevels()) {
    std::string base = dir + "/mock-level" + std::to_string(lv.number);
    mockScreen(outputs, lv, Moment::Start, base + ".png");
    mockScreen(outputs, lv, Moment::Objectives, base + "-objectives.png");
    mockScreen(outputs, lv, Moment::Done, base + "-done.png");
  }
}

}  // namespace art
