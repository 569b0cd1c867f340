#include "canvas.h"

#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>
#include <pango/pangofc-fontmap.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace art {

namespace pal {
Rgb hex(unsigned v) { return {((v >> 16) & 255) / 255.0, ((v >> 8) & 255) / 255.0, (v & 255) / 255.0}; }
const Rgb ink = hex(0x2B2D42), white = hex(0xFFFFFF), paper = hex(0xFFF8E7), cream = hex(0xF3E9D2),
          creamDark = hex(0xE6D7B8), red = hex(0xE63946), tomato = hex(0xF25C54), orange = hex(0xF4A261),
          yellow = hex(0xFFD166), leaf = hex(0x52B788), darkGreen = hex(0x2D6A4F), teal = hex(0x2A9D8F),
          sky = hex(0x8ECAE6), shelf = hex(0x457B9D), navy = hex(0x1D3557), purple = hex(0x7B5EA7),
          pink = hex(0xF4ACB7), brown = hex(0x8D5B3A), grey = hex(0xADB5BD), darkGrey = hex(0x313030);
}  // namespace pal

Rgb mix(Rgb a, Rgb b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }
Rgb lighter(Rgb c, double t) { return mix(c, pal::white, t); }
Rgb darker(Rgb c, double t) { return mix(c, {0, 0, 0}, t); }

void setColor(cairo_t* cr, Rgb c, double alpha) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }

Surface newSurface(int w, int h) {
    Surface s(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h));
    if (cairo_surface_status(s.get()) != CAIRO_STATUS_SUCCESS) throw std::runtime_error("cannot create surface");
    return s;
}

Context newContext(cairo_surface_t* s) {
    Context c(cairo_create(s));
    cairo_set_antialias(c.get(), CAIRO_ANTIALIAS_GOOD);
    cairo_set_line_join(c.get(), CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(c.get(), CAIRO_LINE_CAP_ROUND);
    return c;
}

void star(cairo_t* cr, double cx, double cy, double outer, double inner, int points, double rot) {
    cairo_new_sub_path(cr);
    for (int i = 0; i < points * 2; ++i) {
        double a = rot - M_PI / 2 + i * M_PI / points;
        double r = (i % 2) ? inner : outer;
        if (i == 0)
            cairo_move_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
        else
            cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
}

void fillStroke(cairo_t* cr, Rgb fill, double lineWidth, Rgb line) {
    setColor(cr, fill);
    if (lineWidth > 0) {
        cairo_fill_preserve(cr);
        setColor(cr, line);
        cairo_set_line_width(cr, lineWidth);
        cairo_stroke(cr);
    } else {
        cairo_fill(cr);
    }
}

void linearFill(cairo_t* cr, double x0, double y0, double x1, double y1, Rgb a, Rgb b, bool preserve) {
    cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
    cairo_pattern_add_color_stop_rgb(p, 0, a.r, a.g, a.b);
    cairo_pattern_add_color_stop_rgb(p, 1, b.r, b.g, b.b);
    cairo_set_source(cr, p);
    if (preserve)
        cairo_fill_preserve(cr);
    else
        cairo_fill(cr);
    cairo_pattern_destroy(p);
}

namespace {

// One horizontal then one vertical running-sum pass; three of them approximate a Gaussian.
void boxBlurPass(std::vector<int>& a, std::vector<int>& tmp, int w, int h, int r) {
    const int n = 2 * r + 1;
    for (int y = 0; y < h; ++y) {
        const int* row = &a[size_t(y) * w];
        int* out = &tmp[size_t(y) * w];
        int sum = 0;
        for (int i = -r; i <= r; ++i) sum += row[std::clamp(i, 0, w - 1)];
        for (int x = 0; x < w; ++x) {
            out[x] = sum / n;
            sum += row[std::min(x + r + 1, w - 1)] - row[std::max(x - r, 0)];
        }
    }
    for (int x = 0; x < w; ++x) {
        int sum = 0;
        for (int i = -r; i <= r; ++i) sum += tmp[size_t(std::clamp(i, 0, h - 1)) * w + x];
        for (int y = 0; y < h; ++y) {
            a[size_t(y) * w + x] = sum / n;
            sum += tmp[size_t(std::min(y + r + 1, h - 1)) * w + x] - tmp[size_t(std::max(y - r, 0)) * w + x];
        }
    }
}

// Blurred copy of the layer's alpha as an A8 surface.
Surface blurredAlpha(cairo_surface_t* layer, double radius) {
    cairo_surface_flush(layer);
    const int w = cairo_image_surface_get_width(layer), h = cairo_image_surface_get_height(layer);
    const int stride = cairo_image_surface_get_stride(layer);
    const unsigned char* src = cairo_image_surface_get_data(layer);
    std::vector<int> a(size_t(w) * h), tmp(size_t(w) * h);
    for (int y = 0; y < h; ++y) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(src + size_t(y) * stride);
        for (int x = 0; x < w; ++x) a[size_t(y) * w + x] = int(row[x] >> 24);
    }
    int r = std::max(1, int(std::lround(radius / 1.7)));
    for (int pass = 0; pass < 3; ++pass) boxBlurPass(a, tmp, w, h, r);
    Surface out(cairo_image_surface_create(CAIRO_FORMAT_A8, w, h));
    unsigned char* dst = cairo_image_surface_get_data(out.get());
    const int ds = cairo_image_surface_get_stride(out.get());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) dst[size_t(y) * ds + x] = (unsigned char)std::clamp(a[size_t(y) * w + x], 0, 255);
    cairo_surface_mark_dirty(out.get());
    return out;
}

void layered(cairo_t* cr, double x, double y, double w, double h, const std::function<void(cairo_t*)>& paint,
             double dx, double dy, double blur, double alpha, Rgb color) {
    // Work in device pixels so the shadow offset and blur do not scale with the user transform.
    double x0 = x, y0 = y, x1 = x + w, y1 = y + h;
    double xs[4] = {x0, x1, x0, x1}, ys[4] = {y0, y0, y1, y1};
    double minx = 1e9, miny = 1e9, maxx = -1e9, maxy = -1e9;
    for (int i = 0; i < 4; ++i) {
        double px = xs[i], py = ys[i];
        cairo_user_to_device(cr, &px, &py);
        minx = std::min(minx, px), miny = std::min(miny, py), maxx = std::max(maxx, px), maxy = std::max(maxy, py);
    }
    const int pad = int(std::ceil(blur * 2)) + 2;
    const int ox = int(std::floor(minx)) - pad, oy = int(std::floor(miny)) - pad;
    const int lw = int(std::ceil(maxx)) + pad - ox, lh = int(std::ceil(maxy)) + pad - oy;
    Surface layer = newSurface(lw, lh);
    {
        Context lc = newContext(layer.get());
        cairo_matrix_t m;
        cairo_get_matrix(cr, &m);
        m.x0 -= ox;
        m.y0 -= oy;
        cairo_set_matrix(lc.get(), &m);
        paint(lc.get());
    }
    Surface shadow = blurredAlpha(layer.get(), blur);
    cairo_save(cr);
    cairo_identity_matrix(cr);
    setColor(cr, color, alpha);
    cairo_mask_surface(cr, shadow.get(), ox + dx, oy + dy);
    cairo_set_source_surface(cr, layer.get(), ox, oy);
    cairo_paint(cr);
    cairo_restore(cr);
}

}  // namespace

void shadowed(cairo_t* cr, double x, double y, double w, double h, const std::function<void(cairo_t*)>& paint,
              const Shadow& s) {
    layered(cr, x, y, w, h, paint, s.dx, s.dy, s.blur, s.alpha, s.color);
}

void glowed(cairo_t* cr, double x, double y, double w, double h, const std::function<void(cairo_t*)>& paint,
            Rgb color, double blur, double alpha) {
    layered(cr, x, y, w, h, paint, 0, 0, blur, alpha, color);
}

// ---------------------------------------------------------------- lettering

namespace {

struct FaceInfo {
    const char* query;   // what to ask the system's fontconfig for
    const char* family;  // the family the file must report
    const char* style;   // the style the file must report, if it matters
};

// Index by Face.
const FaceInfo kFaces[] = {
    {"Liberation Sans:style=Regular", "Liberation Sans", "Regular"},
    {"Liberation Sans:style=Bold", "Liberation Sans", "Bold"},
    {"Liberation Sans:style=Italic", "Liberation Sans", "Italic"},
    {"Liberation Sans:style=Bold Italic", "Liberation Sans", "Bold Italic"},
    {"Lobster Two", "Lobster Two", nullptr},
    {"Allerta:style=Stencil", "Allerta", "Stencil"},
    {"Liberation Mono:style=Bold", "Liberation Mono", "Bold"},
    {"DSEG7 Classic:style=Bold", "DSEG7 Classic", "Bold"},
    {"DSEG14 Classic:style=Bold", "DSEG14 Classic", "Bold"},
    {"DejaVu Sans:style=Book", "DejaVu Sans", "Book"},
    {"DejaVu Sans:style=Bold", "DejaVu Sans", "Bold"},
};

PangoFontMap* gFontMap = nullptr;
PangoContext* gContext = nullptr;
FcConfig* gConfig = nullptr;

PangoFontDescription* describe(const TextStyle& st) {
    const char* fam = "Liberation Sans";
    PangoWeight weight = PANGO_WEIGHT_NORMAL;
    PangoStyle style = PANGO_STYLE_NORMAL;
    switch (st.face) {
        case Face::Sans: break;
        case Face::SansBold: weight = PANGO_WEIGHT_BOLD; break;
        case Face::SansItalic: style = PANGO_STYLE_ITALIC; break;
        case Face::SansBoldItalic: weight = PANGO_WEIGHT_BOLD, style = PANGO_STYLE_ITALIC; break;
        // Lobster Two's only file is its bold italic.
        case Face::Script: fam = "Lobster Two", weight = PANGO_WEIGHT_BOLD, style = PANGO_STYLE_ITALIC; break;
        // Only the stencil cut of Allerta is loaded, so the family name is enough.
        case Face::Stencil: fam = "Allerta"; break;
        case Face::Mono: fam = "Liberation Mono", weight = PANGO_WEIGHT_BOLD; break;
        case Face::Lcd7: fam = "DSEG7 Classic", weight = PANGO_WEIGHT_BOLD; break;
        case Face::Lcd14: fam = "DSEG14 Classic", weight = PANGO_WEIGHT_BOLD; break;
        case Face::DejaVu: fam = "DejaVu Sans"; break;
        case Face::DejaVuBold: fam = "DejaVu Sans", weight = PANGO_WEIGHT_BOLD; break;
    }
    PangoFontDescription* d = pango_font_description_new();
    pango_font_description_set_family(d, fam);
    pango_font_description_set_weight(d, weight);
    pango_font_description_set_style(d, style);
    pango_font_description_set_absolute_size(d, st.size * PANGO_SCALE);
    return d;
}

PangoLayout* makeLayout(const std::string& markup, const TextStyle& st) {
    if (!gContext) initFonts();
    PangoLayout* l = pango_layout_new(gContext);
    PangoFontDescription* d = describe(st);
    pango_layout_set_font_description(l, d);
    pango_font_description_free(d);
    if (st.spacing != 0) {
        PangoAttrList* attrs = pango_attr_list_new();
        pango_attr_list_insert(attrs, pango_attr_letter_spacing_new(int(st.spacing * PANGO_SCALE)));
        pango_layout_set_attributes(l, attrs);
        pango_attr_list_unref(attrs);
    }
    if (st.lineSpacing != 1.0) pango_layout_set_line_spacing(l, float(st.lineSpacing));
    if (st.wrap > 0) {
        pango_layout_set_width(l, int(st.wrap * PANGO_SCALE));
        pango_layout_set_wrap(l, PANGO_WRAP_WORD);
    }
    pango_layout_set_alignment(l, st.align == Align::Center  ? PANGO_ALIGN_CENTER
                                  : st.align == Align::Right ? PANGO_ALIGN_RIGHT
                                                             : PANGO_ALIGN_LEFT);
    pango_layout_set_markup(l, markup.c_str(), -1);
    return l;
}

// Top-left of the layout for the anchor x of the alignment.
double layoutLeft(PangoLayout* l, double x, const TextStyle& st) {
    if (st.wrap > 0) {
        if (st.align == Align::Center) return x - st.wrap / 2;
        if (st.align == Align::Right) return x - st.wrap;
        return x;
    }
    PangoRectangle ink, logical;
    pango_layout_get_pixel_extents(l, &ink, &logical);
    if (st.align == Align::Center) return x - logical.width / 2.0;
    if (st.align == Align::Right) return x - logical.width;
    return x;
}

}  // namespace

void initFonts() {
    if (gContext) return;
    FcInit();
    gConfig = FcConfigCreate();
    for (const FaceInfo& f : kFaces) {
        FcPattern* pat = FcNameParse(reinterpret_cast<const FcChar8*>(f.query));
        FcConfigSubstitute(nullptr, pat, FcMatchPattern);
        FcDefaultSubstitute(pat);
        FcResult res;
        FcPattern* match = FcFontMatch(nullptr, pat, &res);
        FcChar8 *file = nullptr, *family = nullptr, *style = nullptr;
        bool ok = match && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch &&
                  FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch &&
                  std::string(reinterpret_cast<char*>(family)) == f.family;
        if (ok && f.style) {
            ok = FcPatternGetString(match, FC_STYLE, 0, &style) == FcResultMatch &&
                 std::string(reinterpret_cast<char*>(style)) == f.style;
        }
        if (!ok) {
            if (match) FcPatternDestroy(match);
            FcPatternDestroy(pat);
            throw std::runtime_error(std::string("font not installed: ") + f.query);
        }
        FcConfigAppFontAddFile(gConfig, file);
        FcPatternDestroy(match);
        FcPatternDestroy(pat);
    }
    // Only our own files: the pictures must not change with whatever else is installed.
    gFontMap = pango_cairo_font_map_new_for_font_type(CAIRO_FONT_TYPE_FT);
    pango_fc_font_map_set_config(PANGO_FC_FONT_MAP(gFontMap), gConfig);
    gContext = pango_font_map_create_context(gFontMap);
    cairo_font_options_t* fo = cairo_font_options_create();
    cairo_font_options_set_antialias(fo, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(fo, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(fo, CAIRO_HINT_METRICS_OFF);
    pango_cairo_context_set_font_options(gContext, fo);
    cairo_font_options_destroy(fo);
    pango_cairo_context_set_resolution(gContext, 96);
}

void shutdownFonts() {
    // Hand every cached face back, so that leak checkers see a clean exit.
    if (gContext) g_object_unref(gContext);
    if (gFontMap) {
        pango_fc_font_map_shutdown(PANGO_FC_FONT_MAP(gFontMap));
        g_object_unref(gFontMap);
    }
    if (gConfig) FcConfigDestroy(gConfig);
    gContext = nullptr, gFontMap = nullptr, gConfig = nullptr;
    cairo_debug_reset_static_data();
    FcFini();
}

void measure(const std::string& markup, const TextStyle& st, double* w, double* h) {
    PangoLayout* l = makeLayout(markup, st);
    PangoRectangle ink, logical;
    pango_layout_get_pixel_extents(l, &ink, &logical);
    if (w) *w = logical.width;
    if (h) *h = logical.height;
    g_object_unref(l);
}

void textPath(cairo_t* cr, const std::string& markup, double x, double y, const TextStyle& st) {
    PangoLayout* l = makeLayout(markup, st);
    pango_cairo_update_context(cr, gContext);
    cairo_move_to(cr, layoutLeft(l, x, st), y);
    pango_cairo_layout_path(cr, l);
    g_object_unref(l);
}

double text(cairo_t* cr, const std::string& markup, double x, double y, const TextStyle& st) {
    PangoLayout* l = makeLayout(markup, st);
    PangoRectangle ink, logical;
    pango_layout_get_pixel_extents(l, &ink, &logical);
    const double left = layoutLeft(l, x, st);
    cairo_save(cr);
    if (st.outline > 0) {
        cairo_new_path(cr);
        cairo_move_to(cr, left, y);
        pango_cairo_layout_path(cr, l);
        setColor(cr, st.outlineColor, st.alpha);
        cairo_set_line_width(cr, st.outline * 2);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr);
    }
    cairo_new_path(cr);
    cairo_move_to(cr, left, y);
    setColor(cr, st.color, st.alpha);
    pango_cairo_show_layout(cr, l);
    cairo_restore(cr);
    g_object_unref(l);
    return logical.height;
}

// ---------------------------------------------------------------- sheets and files

Sheet::Sheet(int frameW, int frameH, int columns, int frames)
    : frameW_(frameW), frameH_(frameH), columns_(columns), rows_((frames + columns - 1) / columns),
      sheet_(newSurface(frameW * columns, frameH * rows_)) {}

void Sheet::frame(int f, const std::function<void(cairo_t*)>& paint) {
    Surface fs = newSurface(frameW_, frameH_);
    {
        Context c = newContext(fs.get());
        paint(c.get());
    }
    Context c = newContext(sheet_.get());
    cairo_set_operator(c.get(), CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(c.get(), fs.get(), (f % columns_) * frameW_, (f / columns_) * frameH_);
    cairo_rectangle(c.get(), (f % columns_) * frameW_, (f / columns_) * frameH_, frameW_, frameH_);
    cairo_fill(c.get());
}

unsigned Random::next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

double Random::uniform(double lo, double hi) { return lo + (hi - lo) * (next() % 1000000u) / 1000000.0; }

}  // namespace art
