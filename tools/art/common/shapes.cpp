#include "shapes.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <stdexcept>

namespace art {

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  r = std::min(r, std::min(w, h) / 2);
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
  cairo_close_path(cr);
}

void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  // Closed, so a stroked outline has no cap where the arc starts.
  cairo_close_path(cr);
  cairo_restore(cr);
}

int avoidColourKey(cairo_surface_t* s) {
  cairo_surface_flush(s);
  const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
  const int stride = cairo_image_surface_get_stride(s);
  unsigned char* data = cairo_image_surface_get_data(s);
  int moved = 0;
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + std::size_t(y) * stride);
    for (int x = 0; x < w; ++x)
      if (row[x] == 0xFF00FF00u) row[x] = 0xFF00FE00u, ++moved;
  }
  cairo_surface_mark_dirty(s);
  return moved;
}

void writePng(cairo_surface_t* s, const std::string& path) {
  avoidColourKey(s);
  if (cairo_surface_write_to_png(s, path.c_str()) != CAIRO_STATUS_SUCCESS)
    throw std::runtime_error("cannot write " + path);
}

}  // namespace art
