// Drawing kit shared by every screen picture: palette, shapes, soft shadows,
// lettering and sprite-sheet assembly, all on cairo image surfaces.
#pragma once

#include <cairo.h>

#include "shapes.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace art {

struct Rgb {
    double r, g, b;
};

// The shared palette of the game's art direction.
namespace pal {
Rgb hex(unsigned v);
extern const Rgb ink, white, paper, cream, creamDark, red, tomato, orange, yellow, leaf,
    darkGreen, teal, sky, shelf, navy, purple, pink, brown, grey, darkGrey;
}  // namespace pal

Rgb mix(Rgb a, Rgb b, double t);
Rgb lighter(Rgb c, double t);  // towards white
Rgb darker(Rgb c, double t);   // towards black

void setColor(cairo_t* cr, Rgb c, double alpha = 1.0);

struct SurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

struct ContextDeleter {
    void operator()(cairo_t* c) const { cairo_destroy(c); }
};
using Context = std::unique_ptr<cairo_t, ContextDeleter>;

Surface newSurface(int w, int h);
Context newContext(cairo_surface_t* s);

// Paths, beside roundedRect and ellipse.
void star(cairo_t* cr, double cx, double cy, double outer, double inner, int points, double rot = 0);

// Fill the current path with a colour and stroke it with the ink outline.
void fillStroke(cairo_t* cr, Rgb fill, double lineWidth = 3.0, Rgb line = pal::ink);
void linearFill(cairo_t* cr, double x0, double y0, double x1, double y1, Rgb a, Rgb b, bool preserve = true);

// Soft drop shadow: draws `paint` into a layer covering the user-space box,
// lays a blurred dark copy of it down-right, then the layer itself.
struct Shadow {
    double dx = 5, dy = 7, blur = 7, alpha = 0.25;
    Rgb color = {0, 0, 0};
};
void shadowed(cairo_t* cr, double x, double y, double w, double h, const std::function<void(cairo_t*)>& paint,
              const Shadow& s = Shadow{});
// A glow is a shadow without offset, usually in a light colour.
void glowed(cairo_t* cr, double x, double y, double w, double h, const std::function<void(cairo_t*)>& paint,
            Rgb color, double blur, double alpha);

// Lettering. Faces are the game's own fonts, loaded from their packages.
enum class Face { Sans, SansBold, SansItalic, SansBoldItalic, Script, Stencil, Mono, Lcd7, Lcd14, DejaVu, DejaVuBold };
enum class Align { Left, Center, Right };

struct TextStyle {
    Face face = Face::Sans;
    double size = 24;  // pixels
    Rgb color = pal::ink;
    double alpha = 1.0;
    Align align = Align::Left;
    double outline = 0;  // width of the outline ring around each glyph
    Rgb outlineColor = pal::ink;
    double wrap = 0;  // wrap width in pixels, 0 = no wrap
    double spacing = 0;  // extra letter spacing in pixels
    double lineSpacing = 1.0;  // line height factor
};

// Draws text with its top at y; x is the left edge, centre or right edge by
// alignment. Accepts Pango markup. Returns the laid-out height.
double text(cairo_t* cr, const std::string& markup, double x, double y, const TextStyle& st);
// Width and height the text would take.
void measure(const std::string& markup, const TextStyle& st, double* w, double* h);
// Adds the glyph outlines to the current path without drawing.
void textPath(cairo_t* cr, const std::string& markup, double x, double y, const TextStyle& st);

void initFonts();
void shutdownFonts();

// A sheet of equally sized frames, numbered row by row.
class Sheet {
public:
    Sheet(int frameW, int frameH, int columns, int frames);
    // Draws frame f with `paint` into its own frame-sized surface, then places it.
    void frame(int f, const std::function<void(cairo_t*)>& paint);
    cairo_surface_t* surface() { return sheet_.get(); }
    Surface take() { return std::move(sheet_); }
    int width() const { return frameW_ * columns_; }
    int height() const { return frameH_ * rows_; }

private:
    int frameW_, frameH_, columns_, rows_;
    Surface sheet_;
};


// Deterministic pseudo-random numbers for scattering confetti and the like.
class Random {
public:
    explicit Random(unsigned seed) : state_(seed * 2654435761u + 1u) {}
    unsigned next();
    double uniform(double lo, double hi);

private:
    unsigned state_;
};

}  // namespace art
