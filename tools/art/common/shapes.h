#pragma once
// What both picture generators draw and write with, on cairo image surfaces: the
// two paths every prop is built from, and PNG output that keeps clear of the
// game's colour key.

#include <cairo.h>

#include <string>

namespace art {

// A rectangle with corners of radius `r`, clamped so that short sides stay round.
void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);

// The game keys pure green (0xFF00FF00) out as transparent; any opaque pixel of that
// colour is nudged one step off it. Returns how many were moved.
int avoidColourKey(cairo_surface_t* s);
// Writes the surface as PNG after avoidColourKey; throws std::runtime_error on failure.
void writePng(cairo_surface_t* s, const std::string& path);

}  // namespace art
