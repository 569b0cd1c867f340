// The two opening screens: the group logo animation and the studio logo
// rising out of a puddle.
#include "pictures.h"
#include "props.h"

#include <algorithm>
#include <cmath>

namespace art {

using namespace pal;

namespace {

double clamp01(double t) { return std::clamp(t, 0.0, 1.0); }
double easeOutBack(double t) {
    t = clamp01(t);
    const double c1 = 1.9, c3 = c1 + 1;
    return 1 + c3 * std::pow(t - 1, 3) + c1 * std::pow(t - 1, 2);
}
double easeOutCubic(double t) { return 1 - std::pow(1 - clamp01(t), 3); }
// Progress of an event running from frame a to frame b.
double span(double f, double a, double b) { return clamp01((f - a) / (b - a)); }

// ------------------------------------------------------------ Kelbrin

constexpr double kEmX = 170, kEmY = 82, kEmR = 60;

void kelbrinEmblemRing(cairo_t* cr, double grow, double spin) {
    if (grow <= 0) return;
    cairo_save(cr);
    cairo_translate(cr, kEmX, kEmY);
    cairo_scale(cr, grow, grow);
    ellipse(cr, 0, 0, kEmR, kEmR);
    cairo_pattern_t* g = cairo_pattern_create_radial(-18, -22, 6, 0, 0, kEmR);
    cairo_pattern_add_color_stop_rgb(g, 0, lighter(teal, 0.35).r, lighter(teal, 0.35).g, lighter(teal, 0.35).b);
    cairo_pattern_add_color_stop_rgb(g, 1, teal.r, teal.g, teal.b);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setColor(cr, ink);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    // Dashed inner ring that turns while the emblem builds.
    cairo_save(cr);
    cairo_rotate(cr, spin);
    const double dash[] = {10, 7};
    cairo_set_dash(cr, dash, 2, 0);
    ellipse(cr, 0, 0, kEmR - 9, kEmR - 9);
    setColor(cr, white, 0.45);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    cairo_restore(cr);
    cairo_restore(cr);
}

// One stroke of the K, as a thick rounded bar from a to b, offset and turned.
void kBar(cairo_t* cr, double ax, double ay, double bx, double by, double width, Rgb c, double dx, double dy,
          double turn, double scale = 1) {
    const double mx = (ax + bx) / 2, my = (ay + by) / 2;
    cairo_save(cr);
    cairo_translate(cr, mx + dx, my + dy);
    cairo_rotate(cr, turn);
    cairo_scale(cr, scale, scale);
    const double len = std::hypot(bx - ax, by - ay);
    cairo_rotate(cr, std::atan2(by - ay, bx - ax));
    roundedRect(cr, -len / 2 - width / 2, -width / 2, len + width, width, width / 2);
    fillStroke(cr, c, 3);
    roundedRect(cr, -len / 2 - width / 2 + 4, -width / 2 + 3, len + width - 8, width * 0.3, width * 0.15);
    setColor(cr, white, 0.35);
    cairo_fill(cr);
    cairo_restore(cr);
}

void kelbrinFrame(cairo_t* cr, int f) {
    const double t = f;
    // Soft halo once the emblem is in place.
    const double halo = span(t, 8, 12) * (1 - 0.4 * span(t, 14, 17));
    if (halo > 0) {
        cairo_pattern_t* g = cairo_pattern_create_radial(kEmX, kEmY, 10, kEmX, kEmY, kEmR + 40);
        cairo_pattern_add_color_stop_rgba(g, 0, yellow.r, yellow.g, yellow.b, 0.35 * halo);
        cairo_pattern_add_color_stop_rgba(g, 1, yellow.r, yellow.g, yellow.b, 0);
        cairo_set_source(cr, g);
        cairo_paint(cr);
        cairo_pattern_destroy(g);
    }

    Surface logo = newSurface(341, 250);
    {
        Context lc = newContext(logo.get());
        cairo_t* c = lc.get();
        Shadow sh{3, 4, 4, 0.3};
        shadowed(c, 0, 0, 341, 250, [&](cairo_t* k) {
            // Already a small badge on the first frame, so that no frame of the logo is blank.
            kelbrinEmblemRing(k, easeOutBack(span(t + 0.4, 0, 4.4)), (1 - easeOutCubic(span(t, 0, 9))) * 2.5);
            // The stem drops in from above.
            const double drop = span(t, 2, 6);
            if (drop > 0) kBar(k, 150, 52, 150, 112, 20, yellow, 0, -130 * (1 - easeOutBack(drop)), 0);
            // The arms swing in from the right.
            const double up = span(t, 4, 8);
            if (up > 0)
                kBar(k, 162, 82, 194, 52, 20, red, 190 * (1 - easeOutCubic(up)), -70 * (1 - easeOutCubic(up)),
                     2.4 * (1 - easeOutBack(up)));
            const double lo = span(t, 5, 9);
            if (lo > 0)
                kBar(k, 164, 84, 196, 114, 20, orange, 170 * (1 - easeOutCubic(lo)), 120 * (1 - easeOutCubic(lo)),
                     -2.0 * (1 - easeOutBack(lo)));
            // The little dot of the group mark pops in last.
            const double dot = span(t, 8, 10);
            if (dot > 0) {
                ellipse(k, 204, 34, 8 * easeOutBack(dot), 8 * easeOutBack(dot));
                fillStroke(k, pink, 2.5);
            }

            // Wordmark, letter by letter.
            TextStyle ws;
            ws.face = Face::SansBold;
            ws.size = 56;
            ws.color = paper;
            ws.outline = 2.2;
            ws.spacing = 1;
            const std::string word = "Kelbrin";
            double fullW, fullH;
            measure(word, ws, &fullW, &fullH);
            const double left = kEmX - fullW / 2, top = 146;
            for (size_t i = 0; i < word.size(); ++i) {
                const double pop = span(t, 8 + i * 0.75, 10 + i * 0.75);
                if (pop <= 0) continue;
                double pre = 0, h = 0, lw = 0;
                if (i > 0) measure(word.substr(0, i), ws, &pre, &h);
                measure(word.substr(i, 1), ws, &lw, &h);
                const double s = easeOutBack(pop);
                const double cx = left + pre + lw / 2, cy = top + fullH * 0.55;
                cairo_save(k);
                cairo_translate(k, cx, cy + 24 * (1 - easeOutCubic(pop)));
                cairo_scale(k, s, s);
                TextStyle one = ws;
                one.alpha = clamp01(pop * 2);
                text(k, word.substr(i, 1), -lw / 2, -fullH * 0.55, one);
                cairo_restore(k);
            }
            // "GROUP" settles in with its rules.
            const double tag = span(t, 12, 15);
            if (tag > 0) {
                TextStyle gs;
                gs.face = Face::SansBold;
                gs.size = 16;
                gs.color = yellow;
                gs.alpha = tag;
                gs.spacing = 9 + 10 * (1 - easeOutCubic(tag));
                gs.align = Align::Center;
                text(k, "GROUP", kEmX + 4, 214, gs);
                const double rule = 40 * easeOutCubic(tag);
                cairo_move_to(k, kEmX - 58 - rule, 224);
                cairo_line_to(k, kEmX - 58, 224);
                cairo_move_to(k, kEmX + 62, 224);
                cairo_line_to(k, kEmX + 62 + rule, 224);
                setColor(k, yellow, tag);
                cairo_set_line_width(k, 2.5);
                cairo_stroke(k);
            }
        }, sh);
        // A glint sweeps across everything drawn so far.
        const double sweep = span(t, 13.5, 16.5);
        if (sweep > 0 && sweep < 1) {
            cairo_set_operator(c, CAIRO_OPERATOR_ATOP);
            const double x = -120 + sweep * 560;
            cairo_pattern_t* g = cairo_pattern_create_linear(x - 40, 0, x + 40, 0);
            cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, 0);
            cairo_pattern_add_color_stop_rgba(g, 0.5, 1, 1, 1, 0.75);
            cairo_pattern_add_color_stop_rgba(g, 1, 1, 1, 1, 0);
            cairo_save(c);
            cairo_translate(c, x, 125);
            cairo_rotate(c, 0.35);
            cairo_translate(c, -x, -125);
            cairo_rectangle(c, x - 40, -200, 80, 650);
            cairo_set_source(c, g);
            cairo_fill(c);
            cairo_restore(c);
            cairo_pattern_destroy(g);
        }
    }
    cairo_set_source_surface(cr, logo.get(), 0, 0);
    cairo_paint(cr);

    // Sparks burst out when the last arm lands, and twinkles join the glint.
    const double burst = span(t, 8, 12);
    if (burst > 0 && burst < 1) {
        const Rgb cols[] = {yellow, pink, sky, orange, white, leaf};
        for (int i = 0; i < 12; ++i) {
            const double a = i * M_PI / 6 + 0.2;
            const double r = kEmR + 6 + 46 * easeOutCubic(burst);
            const double sz = 5 * (1 - burst) + 1.5;
            ellipse(cr, kEmX + r * std::cos(a), kEmY + r * std::sin(a), sz, sz);
            setColor(cr, cols[i % 6], 1 - burst * 0.8);
            cairo_fill(cr);
        }
    }
    const double tw = span(t, 14, 17);
    if (tw > 0 && tw < 1) {
        const double s = std::sin(tw * M_PI);
        sparkle(cr, 226, 40, 14 * s, white, s);
        sparkle(cr, 290, 160, 10 * s, yellow, s);
        sparkle(cr, 58, 190, 8 * s, white, s);
    }
}

// ------------------------------------------------------------ Vantrel Games

using namespace vantrel;

// The puddle's outline: a slightly lumpy ellipse, so it reads as spilt water.
void puddlePath(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_new_sub_path(cr);
    const int n = 120;
    for (int i = 0; i <= n; ++i) {
        const double a = i * 2 * M_PI / n;
        const double r = 1 + 0.05 * std::sin(3 * a + 0.5) + 0.035 * std::sin(5 * a + 1.7) + 0.02 * std::sin(9 * a);
        const double x = cx + rx * r * std::cos(a), y = cy + ry * r * std::sin(a);
        if (i == 0)
            cairo_move_to(cr, x, y);
        else
            cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
}

constexpr double kPoolRx = 360, kPoolRy = 54;

void waterFill(cairo_t* cr, double cy) {
    cairo_pattern_t* g = cairo_pattern_create_linear(0, cy - kPoolRy, 0, cy + kPoolRy);
    Rgb far = mix(shelf, teal, 0.4), nearC = lighter(sky, 0.1);
    cairo_pattern_add_color_stop_rgb(g, 0, far.r, far.g, far.b);
    cairo_pattern_add_color_stop_rgb(g, 0.5, teal.r, teal.g, teal.b);
    cairo_pattern_add_color_stop_rgb(g, 1, nearC.r, nearC.g, nearC.b);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
}

// Ripple rings spreading from where the logo stands in the water.
void ripples(cairo_t* cr, double cy, double alpha) {
    for (int i = 0; i < 4; ++i) {
        const double rx = 230 + i * 36, ry = 16 + i * 9;
        ellipse(cr, 512, cy, rx, ry);
        setColor(cr, white, alpha * (1 - i * 0.2));
        cairo_set_line_width(cr, 2.5 - i * 0.4);
        cairo_stroke(cr);
    }
}

// Wavy line where the logo enters the water.
void waterlinePath(cairo_t* cr, double y0, double bottom) {
    cairo_move_to(cr, 0, bottom);
    for (int x = 0; x <= 1024; x += 4) {
        const double y = y0 + 2.2 * std::sin(x / 23.0) + 1.4 * std::sin(x / 9.0 + 1.3);
        cairo_line_to(cr, x, y);
    }
    cairo_line_to(cr, 1024, bottom);
    cairo_close_path(cr);
}

void vantrelLogo(cairo_t* cr) {
    // Frame-local layout; the content spans y 207..450 so that it starts
    // fully under the water and ends fully above it (see kWaterline).
    const double cx = 512;
    shadowed(cr, 120, 190, 784, 271, [&](cairo_t* c) {
        // Badge: a sky ring holding a play-arrow V and three stars.
        const double by = 263, br = 54;
        ellipse(c, cx, by, br, br);
        fillStroke(c, sky, 3.5);
        ellipse(c, cx, by, br - 10, br - 10);
        cairo_pattern_t* g = cairo_pattern_create_radial(cx - 14, by - 18, 5, cx, by, br);
        cairo_pattern_add_color_stop_rgb(g, 0, lighter(navy, 0.35).r, lighter(navy, 0.35).g, lighter(navy, 0.35).b);
        cairo_pattern_add_color_stop_rgb(g, 1, navy.r, navy.g, navy.b);
        cairo_set_source(c, g);
        cairo_fill_preserve(c);
        cairo_pattern_destroy(g);
        setColor(c, ink);
        cairo_set_line_width(c, 3);
        cairo_stroke(c);
        cairo_move_to(c, cx - 28, by - 20);
        cairo_line_to(c, cx, by + 26);
        cairo_line_to(c, cx + 28, by - 20);
        setColor(c, ink);
        cairo_set_line_width(c, 19);
        cairo_stroke(c);
        cairo_move_to(c, cx - 28, by - 20);
        cairo_line_to(c, cx, by + 26);
        setColor(c, yellow);
        cairo_set_line_width(c, 13);
        cairo_stroke(c);
        cairo_move_to(c, cx, by + 26);
        cairo_line_to(c, cx + 28, by - 20);
        setColor(c, tomato);
        cairo_stroke(c);
        star(c, cx - 78, by - 4, 12, 5, 5, 0.2);
        fillStroke(c, yellow, 2.5);
        star(c, cx + 80, by - 14, 15, 6, 5, -0.2);
        fillStroke(c, yellow, 2.5);
        star(c, cx + 66, by + 24, 8, 3.5, 5);
        fillStroke(c, pink, 2);

        TextStyle ws;
        ws.face = Face::Script;
        ws.size = 104;
        ws.color = yellow;
        ws.outline = 5;
        ws.align = Align::Center;
        text(c, "Vantrel", cx, 296, ws);
        // Highlight: the upper part of each letter a shade lighter.
        cairo_save(c);
        textPath(c, "Vantrel", cx, 296, ws);
        cairo_clip(c);
        cairo_rectangle(c, 0, 296, 1024, 52);
        setColor(c, lighter(yellow, 0.45));
        cairo_fill(c);
        cairo_restore(c);

        roundedRect(c, cx - 112, 410, 224, 40, 20);
        fillStroke(c, red, 3);
        TextStyle gs;
        gs.face = Face::SansBold;
        gs.size = 26;
        gs.color = white;
        gs.spacing = 10;
        gs.align = Align::Center;
        text(c, "GAMES", cx + 5, 415, gs);
    }, Shadow{5, 7, 7, 0.35});
}

void topPuddle(cairo_t* cr) {
    const double cy = kWaterline - kTopPuddleY;
    // A warm spotlight glow behind where the logo comes to rest, faded out
    // towards the top of the picture so it has no edge.
    const double gy = (kLogoEndY + 300) - kTopPuddleY;
    cairo_push_group(cr);
    cairo_save(cr);
    cairo_translate(cr, 512, gy);
    cairo_scale(cr, 3.2, 1);
    cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, 0, 0, 0, 130);
    cairo_pattern_add_color_stop_rgba(g, 0, yellow.r, yellow.g, yellow.b, 0.24);
    cairo_pattern_add_color_stop_rgba(g, 0.6, orange.r, orange.g, orange.b, 0.08);
    cairo_pattern_add_color_stop_rgba(g, 1, orange.r, orange.g, orange.b, 0);
    cairo_set_source(cr, g);
    cairo_arc(cr, 0, 0, 130, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
    for (int i = 0; i < 16; ++i) {
        const double a = i * M_PI / 8 + 0.1;
        cairo_move_to(cr, 512, gy);
        cairo_line_to(cr, 512 + 520 * std::cos(a - 0.07), gy + 150 * std::sin(a - 0.07));
        cairo_line_to(cr, 512 + 520 * std::cos(a + 0.07), gy + 150 * std::sin(a + 0.07));
        cairo_close_path(cr);
    }
    cairo_pattern_t* rg = cairo_pattern_create_radial(512, gy, 40, 512, gy, 460);
    cairo_pattern_add_color_stop_rgba(rg, 0, 1, 1, 1, 0.12);
    cairo_pattern_add_color_stop_rgba(rg, 1, 1, 1, 1, 0);
    cairo_set_source(cr, rg);
    cairo_fill(cr);
    cairo_pattern_destroy(rg);
    cairo_pattern_t* glow = cairo_pop_group(cr);
    cairo_pattern_t* fade = cairo_pattern_create_linear(0, 0, 0, gy);
    cairo_pattern_add_color_stop_rgba(fade, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(fade, 1, 0, 0, 0, 1);
    cairo_set_source(cr, glow);
    cairo_mask(cr, fade);
    cairo_pattern_destroy(fade);
    cairo_pattern_destroy(glow);

    // The whole puddle; the bottom picture covers its near half.
    shadowed(cr, 512 - kPoolRx - 30, cy - kPoolRy - 20, 2 * kPoolRx + 60, 2 * kPoolRy + 40, [&](cairo_t* c) {
        puddlePath(c, 512, cy, kPoolRx, kPoolRy);
        waterFill(c, cy);
        setColor(c, ink);
        cairo_set_line_width(c, 3);
        cairo_stroke(c);
        cairo_save(c);
        puddlePath(c, 512, cy, kPoolRx, kPoolRy);
        cairo_clip(c);
        ripples(c, cy, 0.35);
        // Light on the far rim.
        puddlePath(c, 512, cy + 6, kPoolRx - 10, kPoolRy - 4);
        setColor(c, white, 0.18);
        cairo_set_line_width(c, 5);
        cairo_stroke(c);
        cairo_restore(c);
    }, Shadow{0, 6, 8, 0.35});
    // Droplets flung up behind the logo.
    const double drops[][3] = {{300, -26, 5}, {334, -48, 4}, {716, -34, 5}, {690, -58, 3.5}, {380, -62, 3}, {640, -70, 3}};
    for (auto& d : drops) {
        ellipse(cr, d[0], cy + d[1], d[2] * 0.8, d[2]);
        fillStroke(cr, lighter(sky, 0.3), 2);
    }
}

void bottomPuddle(cairo_t* cr) {
    const double cy = kWaterline - kBottomPuddleY;
    // Everything below the waterline hides the part of the logo still under
    // water; the ground is the clear colour, so only the water shows.
    cairo_save(cr);
    waterlinePath(cr, cy, 461);
    setColor(cr, darkGrey);
    cairo_fill(cr);
    waterlinePath(cr, cy, 461);
    cairo_clip(cr);
    puddlePath(cr, 512, cy, kPoolRx, kPoolRy);
    waterFill(cr, cy);
    setColor(cr, ink);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    puddlePath(cr, 512, cy, kPoolRx, kPoolRy);
    cairo_clip(cr);
    ripples(cr, cy, 0.45);
    // The logo's yellow and red, broken up in the water below it.
    for (int i = 0; i < 5; ++i) {
        const double y = cy + 9 + i * 7.5, half = 150 - i * 24;
        cairo_move_to(cr, 512 - half, y);
        for (double x = -half; x <= half; x += 6) cairo_line_to(cr, 512 + x, y + 1.6 * std::sin(x / 11.0 + i));
        setColor(cr, i == 4 ? tomato : yellow, 0.42 - i * 0.06);
        cairo_set_line_width(cr, 3.2 - i * 0.3);
        const double dash[] = {28.0 - i * 3, 9.0 + i * 2};
        cairo_set_dash(cr, dash, 2, i * 7);
        cairo_stroke(cr);
    }
    cairo_set_dash(cr, nullptr, 0, 0);
    // Glints on the near water.
    for (int i = 0; i < 5; ++i) {
        const double x = 260 + i * 130 + (i % 2) * 30, y = cy + 30 + (i % 3) * 6;
        roundedRect(cr, x, y, 26, 3, 1.5);
        setColor(cr, white, 0.7);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    // Foam hugging the logo where it breaks the surface.
    for (int i = 0; i < 3; ++i) {
        const double half = 190 - i * 28, y = cy + 1 + i * 6;
        cairo_move_to(cr, 512 - half, y);
        for (double x = -half; x <= half; x += 4)
            cairo_line_to(cr, 512 + x, y + 2 * std::sin(x / 15.0 + i * 2) + 1.2 * std::sin(x / 6.0));
        setColor(cr, white, 0.85 - i * 0.25);
        cairo_set_line_width(cr, 4 - i);
        cairo_stroke(cr);
    }
    const double drops[][3] = {{318, -16, 4}, {350, -30, 3}, {700, -20, 4}, {676, -36, 3}};
    for (auto& d : drops) {
        ellipse(cr, d[0], cy + d[1], d[2] * 0.8, d[2]);
        fillStroke(cr, lighter(sky, 0.3), 2);
    }
}

}  // namespace

Surface kelbrinLogo() {
    Sheet s(341, 250, 10, 18);
    for (int f = 0; f < 18; ++f) s.frame(f, [f](cairo_t* cr) { kelbrinFrame(cr, f); });
    return s.take();
}

Surface vantrelGames() {
    Sheet s(1024, 461, 3, 3);
    s.frame(0, vantrelLogo);
    s.frame(1, bottomPuddle);
    s.frame(2, topPuddle);
    return s.take();
}

}  // namespace art
