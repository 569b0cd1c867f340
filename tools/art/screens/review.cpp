// Review aid: contact sheets of every screen picture with numbered frames, and
// mock-ups of each screen composed the way the game draws it.
//   screen-art-review [images folder] [output folder]
#include "pictures.h"

#include <cmath>
#include <cstdio>
#include <exception>
#include <map>
#include <stdexcept>
#include <algorithm>
#include <string>
#include <sys/stat.h>

using namespace art;

namespace {

std::string gIn = "resources/images", gOut = "/tmp/art-review";
std::map<std::string, Surface> gLoaded;

cairo_surface_t* load(const std::string& file) {
    auto it = gLoaded.find(file);
    if (it != gLoaded.end()) return it->second.get();
    Surface s(cairo_image_surface_create_from_png((gIn + "/" + file).c_str()));
    if (cairo_surface_status(s.get()) != CAIRO_STATUS_SUCCESS) throw std::runtime_error("cannot read " + file);
    return (gLoaded[file] = std::move(s)).get();
}

const Picture& info(const std::string& file) {
    for (const Picture& p : pictures())
        if (p.file == file) return p;
    throw std::runtime_error("unknown picture " + file);
}

// The game's sprite rule: scaled about the frame's centre (floor(w/2), floor(h/2)).
void drawFrame(cairo_t* cr, const std::string& file, int f, double x, double y, double scale = 1) {
    const Picture& p = info(file);
    cairo_surface_t* s = load(file);
    const double fx = (f % p.columns) * p.frameW, fy = (f / p.columns) * p.frameH;
    const double cx = std::floor(p.frameW / 2.0) * scale, cy = std::floor(p.frameH / 2.0) * scale;
    cairo_save(cr);
    // Screen = (p - c) * s + c + pos, with p the frame-local pixel.
    cairo_translate(cr, x + cx - cx * scale, y + cy - cy * scale);
    cairo_scale(cr, scale, scale);
    cairo_rectangle(cr, 0, 0, p.frameW, p.frameH);
    cairo_clip(cr);
    cairo_set_source_surface(cr, s, -fx, -fy);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BILINEAR);
    cairo_paint(cr);
    cairo_restore(cr);
}

Surface screen() {
    Surface s = newSurface(1024, 768);
    Context c = newContext(s.get());
    setColor(c.get(), pal::darkGrey);
    cairo_paint(c.get());
    return s;
}

void save(cairo_surface_t* s, const std::string& name) {
    const std::string path = gOut + "/" + name;
    if (cairo_surface_write_to_png(s, path.c_str()) != CAIRO_STATUS_SUCCESS) throw std::runtime_error("cannot write " + path);
    std::printf("%s\n", path.c_str());
}

void checker(cairo_t* cr, double x, double y, double w, double h) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    for (int j = 0; j * 12 < h; ++j)
        for (int i = 0; i * 12 < w; ++i) {
            cairo_rectangle(cr, x + i * 12, y + j * 12, 12, 12);
            const double v = ((i + j) % 2) ? 0.62 : 0.78;
            cairo_set_source_rgb(cr, v, v, v);
            cairo_fill(cr);
        }
    cairo_restore(cr);
}

void contactSheet(const Picture& p) {
    const int cols = std::min(p.columns, p.frames <= 3 ? p.frames : 6);
    const int rows = (p.frames + cols - 1) / cols;
    // Fit each cell into about 340 px wide, 400 px tall.
    const double scale = std::min({1.0, 340.0 / p.frameW, 560.0 / p.frameH});
    const double cw = p.frameW * scale + 16, ch = p.frameH * scale + 40;
    Surface out = newSurface(int(cw * cols + 16), int(ch * rows + 60));
    Context c = newContext(out.get());
    cairo_set_source_rgb(c.get(), 0.15, 0.15, 0.17);
    cairo_paint(c.get());
    TextStyle t;
    t.face = Face::SansBold;
    t.size = 20;
    t.color = pal::white;
    char title[200];
    std::snprintf(title, sizeof title, "%s  %d x %d frames, %d columns, %d frames", p.file.c_str(), p.frameW,
                  p.frameH, p.columns, p.frames);
    text(c.get(), title, 12, 12, t);
    for (int f = 0; f < p.frames; ++f) {
        const double x = 16 + (f % cols) * cw, y = 50 + (f / cols) * ch;
        checker(c.get(), x, y + 26, p.frameW * scale, p.frameH * scale);
        cairo_save(c.get());
        cairo_translate(c.get(), x, y + 26);
        cairo_scale(c.get(), scale, scale);
        drawFrame(c.get(), p.file, f, 0, 0);
        cairo_restore(c.get());
        TextStyle l = t;
        l.size = 16;
        l.color = pal::yellow;
        text(c.get(), "frame " + std::to_string(f), x, y + 2, l);
    }
    save(out.get(), "sheet-" + p.file);
}

void label(cairo_t* cr, const std::string& s) {
    TextStyle t;
    t.face = Face::Mono;
    t.size = 14;
    t.color = pal::white;
    double w, h;
    measure(s, t, &w, &h);
    cairo_rectangle(cr, 0, 750 - 2, w + 12, h + 4);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.6);
    cairo_fill(cr);
    text(cr, s, 6, 750, t);
}

void mockKelbrin() {
    for (int f : {0, 2, 4, 6, 8, 10, 12, 14, 15, 17}) {
        Surface s = screen();
        Context c = newContext(s.get());
        drawFrame(c.get(), "kelbrinlogo.png", f, 380, 260, 1.6);
        label(c.get(), "SUBLOGO frame " + std::to_string(f));
        char name[64];
        std::snprintf(name, sizeof name, "mock-kelbrin-%02d.png", f);
        save(s.get(), name);
    }
}

void mockVantrel() {
    for (double t : {0.0, 0.5, 1.0, 1.5, 2.0, 2.3}) {
        Surface s = screen();
        Context c = newContext(s.get());
        const double y = std::max(200 - 125 * t, 200 - 287.5);
        drawFrame(c.get(), "vantrelgames.png", 2, 0, 110);
        drawFrame(c.get(), "vantrelgames.png", 0, 0, y);
        drawFrame(c.get(), "vantrelgames.png", 1, 0, 340);
        char l[80];
        std::snprintf(l, sizeof l, "LOGO t=%.1f s, logo y=%.1f", t, y);
        label(c.get(), l);
        char name[64];
        std::snprintf(name, sizeof name, "mock-vantrel-%.1f.png", t);
        save(s.get(), name);
    }
}

void mockTitle() {
    // The intro: slide-in, then drop-in, at 500 px/s each.
    for (double t : {1.0, 2.6, 3.2}) {
        Surface s = screen();
        Context c = newContext(s.get());
        const double slideX = std::max(0.0, 1024 - 500 * t);
        const double tDrop = std::max(0.0, t - 1024 / 500.0);
        const double dropY = std::min(0.0, -768 + 500 * tDrop);
        drawFrame(c.get(), "titlescreen3.png", 0, 0, 0);
        drawFrame(c.get(), "titlescreen.png", 0, slideX, 0);
        drawFrame(c.get(), "titlescreen.png", 1, 0, dropY);
        char l[80];
        std::snprintf(l, sizeof l, "FRONTEND intro t=%.1f s", t);
        label(c.get(), l);
        char name[64];
        std::snprintf(name, sizeof name, "mock-title-intro-%.1f.png", t);
        save(s.get(), name);
    }
    const char* names[] = {"start", "instructions", "quit"};
    for (int sel = 0; sel < 3; ++sel) {
        Surface s = screen();
        Context c = newContext(s.get());
        drawFrame(c.get(), "titlescreen3.png", 0, 0, 0);
        drawFrame(c.get(), "titlescreen.png", 0, 0, 0);
        drawFrame(c.get(), "titlescreen.png", 1, 0, 0);
        drawFrame(c.get(), "titlescreenui.png", sel == 0 ? 4 : 0, 0, 0);
        if (sel == 1)
            drawFrame(c.get(), "titlescreenui.png", 3, 0, 0);
        else
            drawFrame(c.get(), "titlescreenui.png", 1, 15, -15);
        drawFrame(c.get(), "titlescreenui.png", sel == 2 ? 5 : 2, 0, 0);
        label(c.get(), std::string("FRONTEND selection ") + names[sel]);
        save(s.get(), std::string("mock-title-") + names[sel] + ".png");
    }
}

void mockPages() {
    for (int scroll : {0, 820, 1640, 2460, 3280}) {
        Surface s = screen();
        Context c = newContext(s.get());
        drawFrame(c.get(), "instructions1.png", 0, 0, 0);
        drawFrame(c.get(), "instructions1.png", 1, 0, -scroll);
        label(c.get(), "INSTRUCTIONS page y=" + std::to_string(-scroll));
        save(s.get(), "mock-instructions-" + std::to_string(scroll) + ".png");
    }
    for (int rise : {0, 340, 680, 1020}) {
        Surface s = screen();
        Context c = newContext(s.get());
        drawFrame(c.get(), "credits.png", 0, 0, 0);
        drawFrame(c.get(), "credits.png", 1, 0, -rise);
        label(c.get(), "CREDITS page y=" + std::to_string(-rise));
        save(s.get(), "mock-credits-" + std::to_string(rise) + ".png");
    }
}

void mockEnd() {
    {
        Surface s = screen();
        Context c = newContext(s.get());
        drawFrame(c.get(), "highscore.png", 0, 0, 0);
        const char* initials[] = {"ABC", "KIM", "JOE", "MAX", "ZOE", "SAM", "ANN", "BOB", "WWW", "M\r"};
        const int scores[] = {1250, 980, 755, 620, 500, 415, 320, 205, 90, 0};
        TextStyle t;
        t.face = Face::Stencil;
        t.size = 40;
        t.color = {0, 0, 0};
        for (int i = 0; i < 10; ++i) {
            text(c.get(), initials[i], 440, 280 + 30 * i, t);
            text(c.get(), " " + std::to_string(scores[i]) + " ", 530, 280 + 30 * i, t);
        }
        label(c.get(), "HIGHSCORE with a sample table");
        save(s.get(), "mock-highscore.png");
    }
    for (const char* pic : {"victory.png", "gameover.png"}) {
        Surface s = screen();
        Context c = newContext(s.get());
        drawFrame(c.get(), pic, 0, 0, 0);
        drawFrame(c.get(), "highscorebox.png", 0, 230, 420);
        TextStyle t;
        t.face = Face::Script;
        t.size = 40;
        t.color = {0, 0, 0};
        text(c.get(), "WMW", 450, 640, t);
        label(c.get(), std::string(pic) + " + highscorebox.png at (230, 420), initials at (450, 640)");
        save(s.get(), std::string("mock-") + pic);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) gIn = argv[1];
    if (argc > 2) gOut = argv[2];
    mkdir(gOut.c_str(), 0755);
    try {
        initFonts();
        for (const Picture& p : pictures()) contactSheet(p);
        mockKelbrin();
        mockVantrel();
        mockTitle();
        mockPages();
        mockEnd();
        gLoaded.clear();
        shutdownFonts();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "screen-art-review: %s\n", e.what());
        return 1;
    }
    return 0;
}
