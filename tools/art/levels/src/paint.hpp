// Small drawing kit on top of cairo and pango shared by every picture of the shop floor.
#pragma once

#include <cairo.h>
#include <pango/pangocairo.h>

#include "shapes.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace art {

struct Color {
  double r, g, b, a;
};

constexpr Color rgb(uint32_t hex, double a = 1.0) {
  return Color{((hex >> 16) & 0xFF) / 255.0, ((hex >> 8) & 0xFF) / 255.0, (hex & 0xFF) / 255.0, a};
}

Color mix(Color a, Color b, double t);
Color lighter(Color c, double t);  // towards white
Color darker(Color c, double t);   // towards black
Color withAlpha(Color c, double a);

// The shared palette of the game's art direction.
namespace pal {
inline constexpr Color ink = rgb(0x2B2D42);
inline constexpr Color white = rgb(0xFFFFFF);
inline constexpr Color paper = rgb(0xFFF8E7);
inline constexpr Color cream = rgb(0xF3E9D2);
inline constexpr Color cream2 = rgb(0xE6D7B8);
inline constexpr Color red = rgb(0xE63946);
inline constexpr Color tomato = rgb(0xF25C54);
inline constexpr Color orange = rgb(0xF4A261);
inline constexpr Color yellow = rgb(0xFFD166);
inline constexpr Color leaf = rgb(0x52B788);
inline constexpr Color dkgreen = rgb(0x2D6A4F);
inline constexpr Color teal = rgb(0x2A9D8F);
inline constexpr Color sky = rgb(0x8ECAE6);
inline constexpr Color shelf = rgb(0x457B9D);
inline constexpr Color navy = rgb(0x1D3557);
inline constexpr Color purple = rgb(0x7B5EA7);
inline constexpr Color pink = rgb(0xF4ACB7);
inline constexpr Color brown = rgb(0x8D5B3A);
inline constexpr Color grey = rgb(0xADB5BD);
inline constexpr Color dkgrey = rgb(0x313030);
inline constexpr Color clear = Color{0, 0, 0, 0};
}  // namespace pal

// Owning handles so that early returns never leak cairo objects.
class Surface {
 public:
  Surface() = default;
  Surface(int w, int h, cairo_format_t format = CAIRO_FORMAT_ARGB32);
  explicit Surface(cairo_surface_t* adopt) : s_(adopt) {}
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;
  Surface(Surface&& o) noexcept : s_(o.s_) { o.s_ = nullptr; }
  Surface& operator=(Surface&& o) noexcept;
  ~Surface();
  cairo_surface_t* get() const { return s_; }
  int width() const { return cairo_image_surface_get_width(s_); }
  int height() const { return cairo_image_surface_get_height(s_); }

 private:
  cairo_surface_t* s_ = nullptr;
};

class Context {
 public:
  explicit Context(const Surface& s) : cr_(cairo_create(s.get())) {}
  explicit Context(cairo_surface_t* s) : cr_(cairo_create(s)) {}
  Context(const Context&) = delete;
  Context& operator=(const Context&) = delete;
  ~Context() { cairo_destroy(cr_); }
  operator cairo_t*() const { return cr_; }

 private:
  cairo_t* cr_;
};

// Saves the cairo state for a scope.
class Saved {
 public:
  explicit Saved(cairo_t* cr) : cr_(cr) { cairo_save(cr_); }
  ~Saved() { cairo_restore(cr_); }
  Saved(const Saved&) = delete;
  Saved& operator=(const Saved&) = delete;

 private:
  cairo_t* cr_;
};

using Draw = std::function<void(cairo_t*)>;

void source(cairo_t* cr, Color c);
void circle(cairo_t* cr, double cx, double cy, double r);
// Fills the current path and strokes it with the ink outline.
void fillOutline(cairo_t* cr, Color fill, double lineWidth = 2.5, Color line = pal::ink);
void fill(cairo_t* cr, Color fill);
void stroke(cairo_t* cr, Color line, double lineWidth);
// A vertical two-colour gradient over [y0, y1] as the source.
void vgradient(cairo_t* cr, double y0, double y1, Color top, Color bottom);
void hgradient(cairo_t* cr, double x0, double x1, Color left, Color right);
void radial(cairo_t* cr, double cx, double cy, double r, Color inner, Color outer);
// A curved highlight streak, the "shine" on rounded things.
void shine(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha = 0.55);

// A smooth closed curve through the points (Catmull-Rom), as the current path.
struct Pt {
  double x, y;
};
void smoothClosed(cairo_t* cr, const std::vector<Pt>& pts);
void polygon(cairo_t* cr, const std::vector<Pt>& pts);
// Shading inside a shape: the part of the shape not covered by itself moved back by (dx, dy),
// a crescent on the (dx, dy) side.
void crescent(cairo_t* cr, const Draw& path, double dx, double dy, Color c);
// A shaded, outlined body: base colour, a darker crescent low right, a light one high left.
void body(cairo_t* cr, const Draw& path, Color base, double shade = 0.22, double light = 0.3,
          double lineWidth = 2.5);

// Blurs a surface in place (three box passes, close to a gaussian of the given radius).
void blur(cairo_surface_t* s, int radius);

struct Shadow {
  double dx = 3, dy = 4, blur = 3, alpha = 0.25;
};

struct LayerStyle {
  double halo = 0;                // width of a light rim around the silhouette (0: none)
  Color haloColor = pal::white;
  bool shadow = true;
  Shadow sh{};
};

// Draws into a layer of the target's size, then puts the layer down with its rim and shadow.
void layer(cairo_t* cr, const LayerStyle& style, const Draw& draw);
inline void shadowed(cairo_t* cr, const Draw& draw, Shadow sh = Shadow{}) {
  LayerStyle st;
  st.sh = sh;
  layer(cr, st, draw);
}

// Text. Families are the game's own fonts, loaded into a private font set so that no other
// installed font can change the pictures.
struct Font {
  std::string family = "Liberation Sans";
  double px = 16;  // em size in pixels
  bool bold = false;
  bool italic = false;
};
inline Font sans(double px, bool bold = false) { return Font{"Liberation Sans", px, bold, false}; }
inline Font script(double px) { return Font{"Lobster Two", px, true, true}; }
inline Font stencil(double px) { return Font{"Allerta", px, false, false}; }

void initFonts();
struct TextSize {
  double w, h, ascent;  // logical extents
  double inkX, inkY, inkW, inkH;
};
TextSize measure(const std::string& text, const Font& font);
// Shrinks the font until the text fits maxWidth.
Font fitted(const std::string& text, Font font, double maxWidth);
// Draws a line of text; (x, y) is the anchor of the logical box: align 0 left, 0.5 centre,
// 1 right, and y is the baseline.
void text(cairo_t* cr, const std::string& s, const Font& font, double x, double baseline, Color color,
          double align = 0.0);
// The text's outline as the current path, for outlined or gradient lettering.
void textPath(cairo_t* cr, const std::string& s, const Font& font, double x, double baseline,
              double align = 0.0);
// Wrapped text with pango markup (<b>, <span>) in a column of the given width, its top at y;
// returns the height it took. With draw false it only measures.
double paragraph(cairo_t* cr, const std::string& markup, const Font& font, double x, double top, double width,
                 Color color, bool draw = true, double align = 0.0);
// Font size whose ascent plus descent equals the given cell height (how the game sizes fonts).
double emForCellHeight(const std::string& family, double cellHeight);
double ascentFor(const Font& font);

// Our own fixed-seed generator so the pictures come out the same on every run.
class Rng {
 public:
  explicit Rng(uint64_t seed) : s_(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}
  uint64_t next();
  double uniform();  // [0, 1)
  double range(double a, double b) { return a + (b - a) * uniform(); }
  int below(int n) { return static_cast<int>(uniform() * n); }

 private:
  uint64_t s_;
};

// A sprite sheet: frames laid row by row.
struct Sheet {
  int fw, fh, cols, rows;
  Surface surf;
  Sheet(int frameW, int frameH, int columns, int frameCount);
  void frame(int index, const Draw& draw);
  void frameRect(int index, double& x, double& y) const;
};

inline void writePng(const Surface& s, const std::string& path) { writePng(s.get(), path); }

}  // namespace art
