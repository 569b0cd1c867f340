// The title menu: the shop behind it, the trolley and title that fly in,
// and the three buttons in their plain and lit looks.
#include "pictures.h"
#include "props.h"

#include <cmath>
#include <vector>

namespace art {

using namespace pal;

namespace {

constexpr double kVanishX = 512, kVanishY = 300, kFloorY = 486;

// Shelving along the back wall, stocked with the game's products.
void backShelves(cairo_t* cr, double x, double w, double top, double bottom, unsigned seed) {
    Random rnd(seed);
    shadowed(cr, x - 10, top - 10, w + 20, bottom - top + 20, [&](cairo_t* c) {
        roundedRect(c, x, top, w, bottom - top, 6);
        fillStroke(c, lighter(shelf, 0.15), 3);
        roundedRect(c, x + 10, top + 14, w - 20, bottom - top - 14, 3);
        setColor(c, lighter(sky, 0.55));
        cairo_fill(c);
    }, Shadow{4, 6, 8, 0.2});
    const int rows = 4;
    const double rowH = (bottom - top - 14) / rows;
    for (int r = 0; r < rows; ++r) {
        const double base = top + 14 + (r + 1) * rowH;
        // Products stand on the shelf board, tallest at the back.
        double px = x + 30;
        while (px < x + w - 28) {
            const Product p = Product(rnd.next() % int(Product::Count));
            const double size = rowH * 0.78;
            drawProduct(cr, p, px, base - size * 0.48 - 4, size);
            px += size * 0.82 + rnd.uniform(0, 6);
        }
        roundedRect(cr, x + 6, base - 6, w - 12, 10, 3);
        fillStroke(cr, shelf, 2.5);
        // Price tags on the shelf edge.
        for (double tx = x + 40; tx < x + w - 40; tx += 88) {
            roundedRect(cr, tx, base - 3, 26, 12, 2);
            fillStroke(cr, r % 2 ? yellow : white, 1.5);
        }
    }
}

void hangingSign(cairo_t* cr, double cx, double y, const char* label, Rgb color) {
    cairo_move_to(cr, cx - 40, 0);
    cairo_line_to(cr, cx - 40, y);
    cairo_move_to(cr, cx + 40, 0);
    cairo_line_to(cr, cx + 40, y);
    setColor(cr, ink);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    shadowed(cr, cx - 90, y - 10, 180, 80, [&](cairo_t* c) {
        roundedRect(c, cx - 78, y, 156, 50, 12);
        fillStroke(c, color, 3);
        TextStyle t;
        t.face = Face::SansBold;
        t.size = 26;
        t.color = white;
        t.align = Align::Center;
        t.outline = 1.5;
        t.spacing = 2;
        text(c, label, cx, y + 9, t);
    });
}

void floorTiles(cairo_t* cr) {
    cairo_rectangle(cr, 0, kFloorY, 1024, 768 - kFloorY);
    setColor(cr, cream);
    cairo_fill(cr);
    // Checked tiles in perspective: rows get deeper towards the viewer.
    cairo_save(cr);
    cairo_rectangle(cr, 0, kFloorY, 1024, 768 - kFloorY);
    cairo_clip(cr);
    std::vector<double> rows;
    const double depth0 = kFloorY - kVanishY;
    for (int i = 0; i < 12; ++i) rows.push_back(kVanishY + depth0 * std::pow(1.32, i));
    for (size_t i = 0; i + 1 < rows.size(); ++i) {
        const double y0 = rows[i], y1 = rows[i + 1];
        if (y0 > 768) break;
        for (int k = -24; k < 24; ++k) {
            if ((k + int(i)) % 2 == 0) continue;
            const double s0 = (y0 - kVanishY) / depth0, s1 = (y1 - kVanishY) / depth0;
            const double u0 = k * 90, u1 = (k + 1) * 90;
            cairo_move_to(cr, kVanishX + u0 * s0, y0);
            cairo_line_to(cr, kVanishX + u1 * s0, y0);
            cairo_line_to(cr, kVanishX + u1 * s1, y1);
            cairo_line_to(cr, kVanishX + u0 * s1, y1);
            cairo_close_path(cr);
        }
    }
    setColor(cr, creamDark);
    cairo_fill(cr);
    // Shine on the polished floor.
    cairo_pattern_t* g = cairo_pattern_create_linear(0, kFloorY, 0, 768);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, 0.45);
    cairo_pattern_add_color_stop_rgba(g, 0.35, 1, 1, 1, 0.0);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
}

void titleBackgroundPaint(cairo_t* cr) {
    // Wall.
    cairo_pattern_t* wall = cairo_pattern_create_linear(0, 0, 0, kFloorY);
    cairo_pattern_add_color_stop_rgb(wall, 0, lighter(sky, 0.55).r, lighter(sky, 0.55).g, lighter(sky, 0.55).b);
    cairo_pattern_add_color_stop_rgb(wall, 1, paper.r, paper.g, paper.b);
    cairo_set_source(cr, wall);
    cairo_paint(cr);
    cairo_pattern_destroy(wall);
    // Ceiling with its light panels.
    cairo_rectangle(cr, 0, 0, 1024, 56);
    setColor(cr, white);
    cairo_fill(cr);
    cairo_move_to(cr, 0, 56);
    cairo_line_to(cr, 1024, 56);
    setColor(cr, grey);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    for (int i = 0; i < 5; ++i) {
        const double x = 40 + i * 200;
        glowed(cr, x - 10, 10, 160, 50, [&](cairo_t* c) {
            roundedRect(c, x, 22, 140, 18, 9);
            fillStroke(c, lighter(yellow, 0.75), 2);
        }, yellow, 14, 0.5);
    }
    // Striped band of the shop's colours along the wall.
    for (int i = 0; i < 32; ++i) {
        cairo_rectangle(cr, i * 32, 118, 32, 14);
        setColor(cr, (i % 2) ? leaf : white);
        cairo_fill(cr);
    }
    cairo_rectangle(cr, 0, 118, 1024, 14);
    setColor(cr, ink);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);

    backShelves(cr, 18, 300, 160, kFloorY + 8, 11);
    backShelves(cr, 362, 300, 160, kFloorY + 8, 23);
    backShelves(cr, 706, 300, 160, kFloorY + 8, 37);
    // Kick plate under the shelves.
    cairo_rectangle(cr, 0, kFloorY + 8, 1024, 14);
    setColor(cr, navy);
    cairo_fill(cr);
    floorTiles(cr);
    cairo_rectangle(cr, 0, kFloorY + 22, 1024, 3);
    setColor(cr, ink, 0.5);
    cairo_fill(cr);

    hangingSign(cr, 120, 64, "FRESH", leaf);
    hangingSign(cr, 904, 64, "DAIRY", shelf);

    // A soft bright haze up top so the title lettering stands out.
    cairo_save(cr);
    cairo_translate(cr, 512, 150);
    cairo_scale(cr, 2.4, 1);
    cairo_pattern_t* haze = cairo_pattern_create_radial(0, 0, 0, 0, 0, 170);
    cairo_pattern_add_color_stop_rgba(haze, 0, 1, 1, 1, 0.85);
    cairo_pattern_add_color_stop_rgba(haze, 0.6, 1, 1, 1, 0.5);
    cairo_pattern_add_color_stop_rgba(haze, 1, 1, 1, 1, 0);
    cairo_set_source(cr, haze);
    cairo_arc(cr, 0, 0, 170, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(haze);
    cairo_restore(cr);
    // And a calmer, lighter left side behind the buttons.
    cairo_pattern_t* side = cairo_pattern_create_linear(0, 0, 520, 0);
    cairo_pattern_add_color_stop_rgba(side, 0, 1, 1, 1, 0.35);
    cairo_pattern_add_color_stop_rgba(side, 1, 1, 1, 1, 0);
    cairo_set_source(cr, side);
    cairo_rectangle(cr, 0, 290, 520, 360);
    cairo_fill(cr);
    cairo_pattern_destroy(side);
}

// Frame 0: the trolley racing in from the right, loaded to the brim.
void trolleyOverlay(cairo_t* cr) {
    const double cx = 760, cy = 520, size = 440;
    // Floor shadow.
    ellipse(cr, cx + 20, cy + 0.5 * size, size * 0.5, 22);
    setColor(cr, {0, 0, 0}, 0.18);
    cairo_fill(cr);
    // Speed lines trailing behind (it moves left, so they are on the right).
    for (int i = 0; i < 5; ++i) {
        const double y = 400 + i * 52, x0 = 960 + (i % 2) * 20;
        roundedRect(cr, x0, y, 60 - (i % 3) * 10, 8, 4);
        setColor(cr, white, 0.9);
        cairo_fill_preserve(cr);
        setColor(cr, ink, 0.6);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    trolley(cr, cx, cy, size, true, true);
}

// Frame 1: the title lettering.
void titleOverlay(cairo_t* cr) {
    TextStyle t;
    t.face = Face::Script;
    t.size = 170;
    t.align = Align::Center;
    const double top = 8;
    shadowed(cr, 100, 0, 824, 300, [&](cairo_t* c) {
        // White sticker rim, then the ink outline, then the fill.
        TextStyle rim = t;
        rim.color = white;
        rim.outline = 15;
        rim.outlineColor = white;
        text(c, "Grocerush", 512, top, rim);
        TextStyle line = t;
        line.color = ink;
        line.outline = 8;
        text(c, "Grocerush", 512, top, line);
        cairo_save(c);
        textPath(c, "Grocerush", 512, top, t);
        cairo_pattern_t* g = cairo_pattern_create_linear(0, top + 40, 0, top + 190);
        cairo_pattern_add_color_stop_rgb(g, 0, lighter(yellow, 0.3).r, lighter(yellow, 0.3).g, lighter(yellow, 0.3).b);
        cairo_pattern_add_color_stop_rgb(g, 0.55, yellow.r, yellow.g, yellow.b);
        cairo_pattern_add_color_stop_rgb(g, 1, orange.r, orange.g, orange.b);
        cairo_set_source(c, g);
        cairo_fill_preserve(c);
        cairo_pattern_destroy(g);
        cairo_clip(c);
        // Glossy upper band.
        cairo_rectangle(c, 0, top + 50, 1024, 34);
        setColor(c, white, 0.35);
        cairo_fill(c);
        cairo_restore(c);

        // Ribbon with the strapline.
        const double ry = 212, rw = 420, rh = 48;
        for (int s = -1; s <= 1; s += 2) {
            const double ex = 512 + s * (rw / 2 - 6);
            cairo_move_to(c, ex, ry + 12);
            cairo_line_to(c, ex + s * 52, ry + 12);
            cairo_line_to(c, ex + s * 36, ry + 12 + rh / 2);
            cairo_line_to(c, ex + s * 52, ry + 12 + rh);
            cairo_line_to(c, ex, ry + 12 + rh);
            cairo_close_path(c);
            fillStroke(c, darker(red, 0.2), 3);
        }
        roundedRect(c, 512 - rw / 2, ry, rw, rh, 6);
        fillStroke(c, red, 3);
        TextStyle st;
        st.face = Face::SansBold;
        st.size = 26;
        st.color = white;
        st.align = Align::Center;
        st.spacing = 3;
        text(c, "THE SUPERMARKET DASH", 512, ry + 9, st);
    }, Shadow{6, 8, 8, 0.3});
    sparkle(cr, 196, 70, 18, white);
    sparkle(cr, 838, 48, 24, white);
    sparkle(cr, 860, 170, 12, yellow);
}

enum class ButtonIcon { Play, Book, Door };

void menuButton(cairo_t* cr, double x, double y, const char* label, ButtonIcon icon, bool lit) {
    using namespace menu;
    const double grow = lit ? 8 : 0;
    const double bx = x - grow, by = y - grow / 2, bw = kW + 2 * grow, bh = kH + grow;
    auto body = [&](cairo_t* c) {
        roundedRect(c, bx, by, bw, bh, bh / 2);
        if (lit) {
            cairo_pattern_t* g = cairo_pattern_create_linear(0, by, 0, by + bh);
            cairo_pattern_add_color_stop_rgb(g, 0, lighter(yellow, 0.45).r, lighter(yellow, 0.45).g, lighter(yellow, 0.45).b);
            cairo_pattern_add_color_stop_rgb(g, 1, orange.r, orange.g, orange.b);
            cairo_set_source(c, g);
            cairo_fill_preserve(c);
            cairo_pattern_destroy(g);
        } else {
            setColor(c, white);
            cairo_fill_preserve(c);
        }
        setColor(c, ink);
        cairo_set_line_width(c, lit ? 4 : 3);
        cairo_stroke(c);
        // Inner rim and gloss.
        roundedRect(c, bx + 7, by + 6, bw - 14, bh * 0.42, bh * 0.21);
        setColor(c, white, lit ? 0.5 : 0.9);
        cairo_fill(c);
        roundedRect(c, bx, by, bw, bh, bh / 2);
        cairo_save(c);
        cairo_clip(c);
        cairo_rectangle(c, bx, by + bh - 10, bw, 10);
        setColor(c, lit ? darker(orange, 0.15) : lighter(grey, 0.3));
        cairo_fill(c);
        cairo_restore(c);
        roundedRect(c, bx, by, bw, bh, bh / 2);
        setColor(c, ink);
        cairo_set_line_width(c, lit ? 4 : 3);
        cairo_stroke(c);
        // Icon disc.
        const double ix = bx + bh / 2 + 4, iy = by + bh / 2, ir = bh * 0.34;
        ellipse(c, ix, iy, ir, ir);
        fillStroke(c, lit ? red : shelf, 3);
        setColor(c, white);
        switch (icon) {
            case ButtonIcon::Play:
                cairo_move_to(c, ix - ir * 0.35, iy - ir * 0.5);
                cairo_line_to(c, ix + ir * 0.55, iy);
                cairo_line_to(c, ix - ir * 0.35, iy + ir * 0.5);
                cairo_close_path(c);
                cairo_fill(c);
                break;
            case ButtonIcon::Book: {
                TextStyle q;
                q.face = Face::SansBold;
                q.size = ir * 1.5;
                q.color = white;
                q.align = Align::Center;
                double w, h;
                measure("?", q, &w, &h);
                text(c, "?", ix, iy - h / 2, q);
                break;
            }
            case ButtonIcon::Door:
                roundedRect(c, ix - ir * 0.4, iy - ir * 0.55, ir * 0.7, ir * 1.1, 2);
                cairo_set_line_width(c, 3);
                cairo_stroke(c);
                cairo_move_to(c, ix - ir * 0.05, iy);
                cairo_line_to(c, ix + ir * 0.6, iy);
                cairo_move_to(c, ix + ir * 0.35, iy - ir * 0.25);
                cairo_line_to(c, ix + ir * 0.6, iy);
                cairo_line_to(c, ix + ir * 0.35, iy + ir * 0.25);
                cairo_stroke(c);
                break;
        }
        TextStyle t;
        t.face = Face::SansBold;
        t.size = lit ? 40 : 36;
        t.color = lit ? ink : navy;
        t.align = Align::Center;
        double w, h;
        measure(label, t, &w, &h);
        text(c, label, bx + bh + (bw - bh - 20) / 2, by + (bh - h) / 2 - 3, t);
    };
    if (lit) {
        // Lit: a warm halo, the button a touch bigger, and the trolley pointing at it.
        glowed(cr, bx - 30, by - 30, bw + 60, bh + 60, [&](cairo_t* c) {
            roundedRect(c, bx - 4, by - 4, bw + 8, bh + 8, bh / 2 + 4);
            setColor(c, yellow);
            cairo_fill(c);
        }, yellow, 18, 0.95);
    }
    shadowed(cr, bx - 6, by - 6, bw + 12, bh + 12, body, Shadow{5, 7, 7, 0.28});
    if (lit) {
        trolley(cr, bx - 62, by + bh / 2 + 2, 92, false, false);
        sparkle(cr, bx + bw - 22, by + 4, 14, white);
        sparkle(cr, bx + bw + 4, by + bh - 10, 9, white);
    }
}

}  // namespace

Surface titleBackground() {
    Sheet s(1024, 768, 1, 1);
    s.frame(0, titleBackgroundPaint);
    return s.take();
}

Surface titleOverlays() {
    Sheet s(1024, 768, 2, 2);
    s.frame(0, trolleyOverlay);
    s.frame(1, titleOverlay);
    return s.take();
}

Surface titleButtons() {
    using namespace menu;
    Sheet s(1024, 768, 6, 6);
    s.frame(0, [](cairo_t* cr) { menuButton(cr, kX, kStartY, "Start", ButtonIcon::Play, false); });
    // The game draws this one frame at (15, -15); shift it back so that it
    // lines up with its lit look.
    s.frame(1, [](cairo_t* cr) {
        menuButton(cr, kX - kInstructionsDx, kInstructionsY - kInstructionsDy, "Instructions", ButtonIcon::Book, false);
    });
    s.frame(2, [](cairo_t* cr) { menuButton(cr, kX, kQuitY, "Quit", ButtonIcon::Door, false); });
    s.frame(3, [](cairo_t* cr) { menuButton(cr, kX, kInstructionsY, "Instructions", ButtonIcon::Book, true); });
    s.frame(4, [](cairo_t* cr) { menuButton(cr, kX, kStartY, "Start", ButtonIcon::Play, true); });
    s.frame(5, [](cairo_t* cr) { menuButton(cr, kX, kQuitY, "Quit", ButtonIcon::Door, true); });
    return s.take();
}

}  // namespace art
