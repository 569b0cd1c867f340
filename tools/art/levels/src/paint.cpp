#include "paint.hpp"

#include <fontconfig/fontconfig.h>
#include <pango/pangofc-fontmap.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace art {

Color mix(Color a, Color b, double t) {
  return Color{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}
Color lighter(Color c, double t) { return mix(c, Color{1, 1, 1, c.a}, t); }
Color darker(Color c, double t) { return mix(c, Color{0, 0, 0, c.a}, t); }
Color withAlpha(Color c, double a) { return Color{c.r, c.g, c.b, a}; }

Surface::Surface(int w, int h, cairo_format_t format) : s_(cairo_image_surface_create(format, w, h)) {}
Surface& Surface::operator=(Surface&& o) noexcept {
  if (this != &o) {
    if (s_) cairo_surface_destroy(s_);
    s_ = o.s_;
    o.s_ = nullptr;
  }
  return *this;
}
Surface::~Surface() {
  if (s_) cairo_surface_destroy(s_);
}

void source(cairo_t* cr, Color c) { cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a); }

void circle(cairo_t* cr, double cx, double cy, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_close_path(cr);
}

void fillOutline(cairo_t* cr, Color fillColor, double lineWidth, Color line) {
  source(cr, fillColor);
  cairo_fill_preserve(cr);
  cairo_set_line_width(cr, lineWidth);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  source(cr, line);
  cairo_stroke(cr);
}

void fill(cairo_t* cr, Color fillColor) {
  source(cr, fillColor);
  cairo_fill(cr);
}

void stroke(cairo_t* cr, Color line, double lineWidth) {
  cairo_set_line_width(cr, lineWidth);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  source(cr, line);
  cairo_stroke(cr);
}

void vgradient(cairo_t* cr, double y0, double y1, Color top, Color bottom) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
  cairo_pattern_add_color_stop_rgba(p, 0, top.r, top.g, top.b, top.a);
  cairo_pattern_add_color_stop_rgba(p, 1, bottom.r, bottom.g, bottom.b, bottom.a);
  cairo_set_source(cr, p);
  cairo_pattern_destroy(p);
}

void hgradient(cairo_t* cr, double x0, double x1, Color left, Color right) {
  cairo_pattern_t* p = cairo_pattern_create_linear(x0, 0, x1, 0);
  cairo_pattern_add_color_stop_rgba(p, 0, left.r, left.g, left.b, left.a);
  cairo_pattern_add_color_stop_rgba(p, 1, right.r, right.g, right.b, right.a);
  cairo_set_source(cr, p);
  cairo_pattern_destroy(p);
}

void radial(cairo_t* cr, double cx, double cy, double r, Color inner, Color outer) {
  cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
  cairo_pattern_add_color_stop_rgba(p, 0, inner.r, inner.g, inner.b, inner.a);
  cairo_pattern_add_color_stop_rgba(p, 1, outer.r, outer.g, outer.b, outer.a);
  cairo_set_source(cr, p);
  cairo_pattern_destroy(p);
}

void shine(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha) {
  ellipse(cr, cx, cy, rx, ry);
  fill(cr, withAlpha(pal::white, alpha));
}

void smoothClosed(cairo_t* cr, const std::vector<Pt>& p) {
  const size_t n = p.size();
  cairo_new_sub_path(cr);
  cairo_move_to(cr, p[0].x, p[0].y);
  for (size_t i = 0; i < n; ++i) {
    const Pt& p0 = p[(i + n - 1) % n];
    const Pt& p1 = p[i];
    const Pt& p2 = p[(i + 1) % n];
    const Pt& p3 = p[(i + 2) % n];
    cairo_curve_to(cr, p1.x + (p2.x - p0.x) / 6, p1.y + (p2.y - p0.y) / 6, p2.x - (p3.x - p1.x) / 6,
                   p2.y - (p3.y - p1.y) / 6, p2.x, p2.y);
  }
  cairo_close_path(cr);
}

void polygon(cairo_t* cr, const std::vector<Pt>& p) {
  cairo_new_sub_path(cr);
  for (const Pt& q : p) cairo_line_to(cr, q.x, q.y);
  cairo_close_path(cr);
}

void crescent(cairo_t* cr, const Draw& path, double dx, double dy, Color c) {
  Saved keep(cr);
  cairo_new_path(cr);
  path(cr);
  cairo_clip(cr);
  cairo_new_path(cr);
  cairo_rectangle(cr, -4000, -4000, 8000, 8000);
  cairo_save(cr);
  cairo_translate(cr, -dx, -dy);
  path(cr);
  cairo_restore(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  fill(cr, c);
}

void body(cairo_t* cr, const Draw& path, Color base, double shade, double light, double lineWidth) {
  cairo_new_path(cr);
  path(cr);
  fill(cr, base);
  if (shade > 0) crescent(cr, path, 3, 4, withAlpha(darker(base, shade), 1));
  if (light > 0) crescent(cr, path, -2.5, -3, withAlpha(lighter(base, light), 1));
  if (lineWidth > 0) {
    cairo_new_path(cr);
    path(cr);
    stroke(cr, pal::ink, lineWidth);
  }
}

namespace {

// One box pass along rows (horizontal) or columns of one byte channel.
void boxPass(uint8_t* data, int stride, int w, int h, int bpp, int channel, int radius, bool horizontal,
             std::vector<int>& line) {
  const int n = horizontal ? w : h;
  const int lines = horizontal ? h : w;
  const int span = 2 * radius + 1;
  line.resize(n);
  for (int l = 0; l < lines; ++l) {
    auto at = [&](int i) -> uint8_t& {
      int x = horizontal ? i : l;
      int y = horizontal ? l : i;
      return data[y * stride + x * bpp + channel];
    };
    for (int i = 0; i < n; ++i) line[i] = at(i);
    int sum = 0;
    for (int i = -radius; i <= radius; ++i)
      if (i >= 0 && i < n) sum += line[i];
    for (int i = 0; i < n; ++i) {
      at(i) = static_cast<uint8_t>((sum + span / 2) / span);
      int out = i - radius;
      int in = i + radius + 1;
      if (out >= 0) sum -= line[out];
      if (in < n) sum += line[in];
    }
  }
}

}  // namespace

void blur(cairo_surface_t* s, int radius) {
  if (radius <= 0) return;
  cairo_surface_flush(s);
  uint8_t* data = cairo_image_surface_get_data(s);
  int stride = cairo_image_surface_get_stride(s);
  int w = cairo_image_surface_get_width(s);
  int h = cairo_image_surface_get_height(s);
  bool a8 = cairo_image_surface_get_format(s) == CAIRO_FORMAT_A8;
  int bpp = a8 ? 1 : 4;
  int channels = a8 ? 1 : 4;
  std::vector<int> line;
  // Three box passes of half the radius each come close to a gaussian blur.
  int r = std::max(1, radius / 2);
  for (int pass = 0; pass < 3; ++pass)
    for (int c = 0; c < channels; ++c) {
      boxPass(data, stride, w, h, bpp, c, r, true, line);
      boxPass(data, stride, w, h, bpp, c, r, false, line);
    }
  cairo_surface_mark_dirty(s);
}

void layer(cairo_t* cr, const LayerStyle& st, const Draw& draw) {
  cairo_surface_t* target = cairo_get_target(cr);
  const int TW = cairo_image_surface_get_width(target);
  const int TH = cairo_image_surface_get_height(target);
  // Record first, so the layer only needs to cover what was drawn (plus rim and shadow).
  Surface rec(cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, nullptr));
  {
    Context c(rec);
    cairo_matrix_t m;
    cairo_get_matrix(cr, &m);
    cairo_set_matrix(c, &m);
    draw(c);
  }
  double ex, ey, ew, eh;
  cairo_recording_surface_ink_extents(rec.get(), &ex, &ey, &ew, &eh);
  if (ew <= 0 || eh <= 0) return;
  const double margin = st.halo + 3 * st.sh.blur + std::fabs(st.sh.dx) + std::fabs(st.sh.dy) + 4;
  const int x0 = std::max(0, static_cast<int>(std::floor(ex - margin)));
  const int y0 = std::max(0, static_cast<int>(std::floor(ey - margin)));
  const int x1 = std::min(TW, static_cast<int>(std::ceil(ex + ew + margin)));
  const int y1 = std::min(TH, static_cast<int>(std::ceil(ey + eh + margin)));
  if (x1 <= x0 || y1 <= y0) return;
  const int W = x1 - x0, H = y1 - y0;
  Surface body(W, H);
  {
    Context c(body);
    cairo_set_source_surface(c, rec.get(), -x0, -y0);
    cairo_paint(c);
  }
  Surface rimmed;
  cairo_surface_t* shape = body.get();
  if (st.halo > 0) {
    rimmed = Surface(W, H);
    Surface ring(W, H, CAIRO_FORMAT_A8);
    {
      Context rc(ring);
      for (double rad : {st.halo, st.halo * 0.5}) {
        for (int k = 0; k < 16; ++k) {
          double a = k * M_PI / 8;
          cairo_set_source_surface(rc, body.get(), rad * std::cos(a), rad * std::sin(a));
          cairo_paint(rc);
        }
      }
    }
    Context c(rimmed);
    source(c, st.haloColor);
    cairo_mask_surface(c, ring.get(), 0, 0);
    cairo_set_source_surface(c, body.get(), 0, 0);
    cairo_paint(c);
    shape = rimmed.get();
  }
  Saved keep(cr);
  cairo_identity_matrix(cr);
  if (st.shadow && st.sh.alpha > 0) {
    Surface a(W, H, CAIRO_FORMAT_A8);
    {
      Context ac(a);
      cairo_set_source_surface(ac, shape, 0, 0);
      cairo_paint(ac);
    }
    blur(a.get(), static_cast<int>(std::lround(st.sh.blur)));
    cairo_set_source_rgba(cr, 0, 0, 0, st.sh.alpha);
    cairo_mask_surface(cr, a.get(), x0 + st.sh.dx, y0 + st.sh.dy);
  }
  cairo_set_source_surface(cr, shape, x0, y0);
  cairo_paint(cr);
}

// ---------------------------------------------------------------------------------------------
// Fonts

namespace {

PangoFontMap* fontMap = nullptr;
PangoContext* fontContext = nullptr;

struct WantedFont {
  const char* pattern;
  const char* family;
  const char* package;
};

const WantedFont wantedFonts[] = {
    {"Allerta:style=Stencil", "Allerta", "fonts-allerta"},
    {"Lobster Two", "Lobster Two", "fonts-lobster"},
    {"DSEG7 Classic:style=Regular", "DSEG7 Classic", "fonts-dseg"},
    {"DSEG14 Classic:style=Regular", "DSEG14 Classic", "fonts-dseg"},
    {"Liberation Sans:style=Regular", "Liberation Sans", "fonts-liberation2"},
    {"Liberation Sans:style=Bold", "Liberation Sans", "fonts-liberation2"},
    {"Liberation Sans:style=Italic", "Liberation Sans", "fonts-liberation2"},
    {"Liberation Sans:style=Bold Italic", "Liberation Sans", "fonts-liberation2"},
    {"DejaVu Sans:style=Book", "DejaVu Sans", "fonts-dejavu-core"},
    {"DejaVu Sans:style=Bold", "DejaVu Sans", "fonts-dejavu-core"},
};

PangoFontDescription* describe(const Font& f) {
  PangoFontDescription* d = pango_font_description_new();
  pango_font_description_set_family(d, f.family.c_str());
  pango_font_description_set_weight(d, f.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  pango_font_description_set_style(d, f.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
  pango_font_description_set_absolute_size(d, f.px * PANGO_SCALE);
  return d;
}

PangoLayout* makeLayout(const std::string& s, const Font& f) {
  if (!fontContext) initFonts();
  PangoLayout* l = pango_layout_new(fontContext);
  PangoFontDescription* d = describe(f);
  pango_layout_set_font_description(l, d);
  pango_font_description_free(d);
  pango_layout_set_text(l, s.c_str(), -1);
  return l;
}

void placeLayout(cairo_t* cr, PangoLayout* l, double x, double baseline, double align) {
  PangoRectangle logical;
  pango_layout_get_extents(l, nullptr, &logical);
  double w = logical.width / double(PANGO_SCALE);
  double base = pango_layout_get_baseline(l) / double(PANGO_SCALE);
  cairo_move_to(cr, x - align * w, baseline - base);
}

}  // namespace

void initFonts() {
  if (fontContext) return;
  FcConfig* system = FcInitLoadConfigAndFonts();
  FcConfig* mine = FcConfigCreate();
  for (const WantedFont& want : wantedFonts) {
    FcPattern* pat = FcNameParse(reinterpret_cast<const FcChar8*>(want.pattern));
    FcConfigSubstitute(system, pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    FcResult res;
    FcPattern* match = FcFontMatch(system, pat, &res);
    FcChar8* file = nullptr;
    FcChar8* family = nullptr;
    if (!match || FcPatternGetString(match, FC_FILE, 0, &file) != FcResultMatch ||
        FcPatternGetString(match, FC_FAMILY, 0, &family) != FcResultMatch ||
        std::strcmp(reinterpret_cast<const char*>(family), want.family) != 0) {
      throw std::runtime_error(std::string("font \"") + want.pattern + "\" is missing (Debian package " +
                               want.package + ")");
    }
    FcConfigAppFontAddFile(mine, file);
    FcPatternDestroy(match);
    FcPatternDestroy(pat);
  }
  FcConfigDestroy(system);
  fontMap = pango_cairo_font_map_new_for_font_type(CAIRO_FONT_TYPE_FT);
  pango_fc_font_map_set_config(PANGO_FC_FONT_MAP(fontMap), mine);
  FcConfigDestroy(mine);
  fontContext = pango_font_map_create_context(fontMap);
  // Outline rendering without hinting: the same shapes whatever the machine's font settings.
  cairo_font_options_t* opt = cairo_font_options_create();
  cairo_font_options_set_antialias(opt, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(opt, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(opt, CAIRO_HINT_METRICS_OFF);
  pango_cairo_context_set_font_options(fontContext, opt);
  cairo_font_options_destroy(opt);
  pango_cairo_context_set_resolution(fontContext, 96);
}

TextSize measure(const std::string& s, const Font& font) {
  PangoLayout* l = makeLayout(s, font);
  PangoRectangle ink, logical;
  pango_layout_get_extents(l, &ink, &logical);
  TextSize t{logical.width / double(PANGO_SCALE),
             logical.height / double(PANGO_SCALE),
             pango_layout_get_baseline(l) / double(PANGO_SCALE),
             ink.x / double(PANGO_SCALE),
             ink.y / double(PANGO_SCALE),
             ink.width / double(PANGO_SCALE),
             ink.height / double(PANGO_SCALE)};
  g_object_unref(l);
  return t;
}

Font fitted(const std::string& s, Font font, double maxWidth) {
  double w = measure(s, font).w;
  if (w > maxWidth) font.px *= maxWidth / w;
  return font;
}

void text(cairo_t* cr, const std::string& s, const Font& font, double x, double baseline, Color color,
          double align) {
  PangoLayout* l = makeLayout(s, font);
  Saved keep(cr);
  pango_cairo_update_context(cr, fontContext);
  pango_layout_context_changed(l);
  placeLayout(cr, l, x, baseline, align);
  source(cr, color);
  pango_cairo_show_layout(cr, l);
  g_object_unref(l);
}

void textPath(cairo_t* cr, const std::string& s, const Font& font, double x, double baseline, double align) {
  PangoLayout* l = makeLayout(s, font);
  pango_cairo_update_context(cr, fontContext);
  pango_layout_context_changed(l);
  placeLayout(cr, l, x, baseline, align);
  pango_cairo_layout_path(cr, l);
  g_object_unref(l);
}

double paragraph(cairo_t* cr, const std::string& markup, const Font& font, double x, double top, double width,
                 Color color, bool draw, double align) {
  PangoLayout* l = makeLayout("", font);
  pango_layout_set_markup(l, markup.c_str(), -1);
  pango_layout_set_width(l, static_cast<int>(width * PANGO_SCALE));
  pango_layout_set_wrap(l, PANGO_WRAP_WORD);
  pango_layout_set_alignment(l, align >= 0.75 ? PANGO_ALIGN_RIGHT : align >= 0.25 ? PANGO_ALIGN_CENTER
                                                                                  : PANGO_ALIGN_LEFT);
  PangoRectangle logical;
  pango_layout_get_extents(l, nullptr, &logical);
  if (draw) {
    Saved keep(cr);
    pango_cairo_update_context(cr, fontContext);
    pango_layout_context_changed(l);
    cairo_move_to(cr, x, top);
    source(cr, color);
    pango_cairo_show_layout(cr, l);
  }
  g_object_unref(l);
  return logical.height / double(PANGO_SCALE);
}

double emForCellHeight(const std::string& family, double cellHeight) {
  if (!fontContext) initFonts();
  Font probe{family, 100, false, false};
  PangoFontDescription* d = describe(probe);
  PangoFontMetrics* m = pango_context_get_metrics(fontContext, d, nullptr);
  double cell = (pango_font_metrics_get_ascent(m) + pango_font_metrics_get_descent(m)) / double(PANGO_SCALE);
  pango_font_metrics_unref(m);
  pango_font_description_free(d);
  return cellHeight * 100.0 / cell;
}

double ascentFor(const Font& font) {
  if (!fontContext) initFonts();
  PangoFontDescription* d = describe(font);
  PangoFontMetrics* m = pango_context_get_metrics(fontContext, d, nullptr);
  double a = pango_font_metrics_get_ascent(m) / double(PANGO_SCALE);
  pango_font_metrics_unref(m);
  pango_font_description_free(d);
  return a;
}

// ---------------------------------------------------------------------------------------------

uint64_t Rng::next() {
  uint64_t z = (s_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

double Rng::uniform() { return (next() >> 11) * (1.0 / 9007199254740992.0); }

Sheet::Sheet(int frameW, int frameH, int columns, int frameCount)
    : fw(frameW), fh(frameH), cols(columns), rows((frameCount + columns - 1) / columns),
      surf(frameW * columns, frameH * ((frameCount + columns - 1) / columns)) {}

void Sheet::frameRect(int index, double& x, double& y) const {
  x = (index % cols) * fw;
  y = (index / cols) * fh;
}

void Sheet::frame(int index, const Draw& draw) {
  Surface f(fw, fh);
  {
    Context c(f);
    draw(c);
  }
  double x, y;
  frameRect(index, x, y);
  Context c(surf);
  cairo_rectangle(c, x, y, fw, fh);
  cairo_clip(c);
  cairo_set_operator(c, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_surface(c, f.get(), x, y);
  cairo_paint(c);
}

}  // namespace art
