#include "props.h"

#include <algorithm>
#include <cmath>

namespace art {

using namespace pal;

namespace {

// Puts the cairo context into a 100 x 100 box centred on the origin and
// returns the outline width in those units.
double unitBox(cairo_t* cr, double cx, double cy, double size, double angle = 0) {
    cairo_translate(cr, cx, cy);
    if (angle != 0) cairo_rotate(cr, angle);
    cairo_scale(cr, size / 100.0, size / 100.0);
    // Outlines follow the size the prop really has on screen (props nest in
    // other props): about 2.6 px at 100 px, a little bolder for big ones.
    double dx = 1, dy = 0;
    cairo_user_to_device_distance(cr, &dx, &dy);
    const double pxPerUnit = std::hypot(dx, dy);
    const double px = std::clamp(2.6 * std::pow(pxPerUnit, 0.35), 2.0, 4.6);
    return px / pxPerUnit;
}

void shine(cairo_t* cr, double x, double y, double rx, double ry, double a = 0.55) {
    ellipse(cr, x, y, rx, ry);
    setColor(cr, white, a);
    cairo_fill(cr);
}

void strokeOnly(cairo_t* cr, Rgb c, double w) {
    setColor(cr, c);
    cairo_set_line_width(cr, w);
    cairo_stroke(cr);
}

void leafShape(cairo_t* cr, double x, double y, double len, double wid, double ang) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, ang);
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, len * 0.3, -wid, len * 0.7, -wid, len, 0);
    cairo_curve_to(cr, len * 0.7, wid, len * 0.3, wid, 0, 0);
    cairo_close_path(cr);
    cairo_restore(cr);
}

void drawCarton(cairo_t* cr, double lw, Rgb body, Rgb band, const char* label, Rgb labelColor) {
    // Gable-top carton.
    cairo_move_to(cr, -26, -22);
    cairo_line_to(cr, -18, -40);
    cairo_line_to(cr, 18, -40);
    cairo_line_to(cr, 26, -22);
    cairo_close_path(cr);
    fillStroke(cr, lighter(band, 0.35), lw);
    roundedRect(cr, -8, -48, 16, 9, 2);
    fillStroke(cr, white, lw);
    roundedRect(cr, -26, -22, 52, 68, 4);
    fillStroke(cr, body, lw);
    roundedRect(cr, -26, 2, 52, 26, 0);
    setColor(cr, band);
    cairo_fill(cr);
    roundedRect(cr, -26, -22, 52, 68, 4);
    strokeOnly(cr, ink, lw);
    TextStyle t;
    t.face = Face::SansBold;
    t.size = 15;
    t.color = labelColor;
    t.align = Align::Center;
    text(cr, label, 0, 6, t);
    shine(cr, -16, -8, 4, 10, 0.6);
}

}  // namespace

void drawProduct(cairo_t* cr, Product p, double cx, double cy, double size, double angle) {
    cairo_save(cr);
    const double lw = unitBox(cr, cx, cy, size, angle);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    switch (p) {
        case Product::Pizza: {
            ellipse(cr, 0, 0, 44, 44);
            fillStroke(cr, hex(0xE9A55B), lw);
            ellipse(cr, 0, 0, 36, 36);
            fillStroke(cr, tomato, lw * 0.6, darker(red, 0.2));
            // Melted cheese blob.
            cairo_move_to(cr, -30, -6);
            cairo_curve_to(cr, -28, -30, 20, -36, 30, -10);
            cairo_curve_to(cr, 36, 10, 14, 34, -6, 30);
            cairo_curve_to(cr, -26, 26, -34, 12, -30, -6);
            setColor(cr, yellow);
            cairo_fill(cr);
            const double pep[][2] = {{-14, -14}, {12, -18}, {-4, 6}, {18, 10}, {-18, 16}, {4, 24}};
            for (auto& q : pep) {
                ellipse(cr, q[0], q[1], 7, 7);
                fillStroke(cr, red, lw * 0.5, darker(red, 0.3));
            }
            leafShape(cr, 6, -4, 12, 5, -0.6);
            setColor(cr, leaf);
            cairo_fill(cr);
            for (int i = 0; i < 3; ++i) {
                double a = i * 2 * M_PI / 3 + 0.3;
                cairo_move_to(cr, 0, 0);
                cairo_line_to(cr, 36 * std::cos(a), 36 * std::sin(a));
            }
            setColor(cr, darker(hex(0xE9A55B), 0.25), 0.7);
            cairo_set_line_width(cr, lw * 0.6);
            cairo_stroke(cr);
            break;
        }
        case Product::Eggs: {
            const double ex[] = {-22, 0, 22};
            for (double x : ex) {
                ellipse(cr, x, -6, 12, 16);
                fillStroke(cr, hex(0xF8E3C4), lw);
                shine(cr, x - 4, -12, 3, 5);
            }
            cairo_move_to(cr, -40, 2);
            cairo_line_to(cr, 40, 2);
            cairo_line_to(cr, 34, 32);
            cairo_line_to(cr, -34, 32);
            cairo_close_path(cr);
            fillStroke(cr, creamDark, lw);
            for (double x : {-22.0, 0.0, 22.0}) {
                cairo_move_to(cr, x - 9, 4);
                cairo_curve_to(cr, x - 6, 16, x + 6, 16, x + 9, 4);
            }
            strokeOnly(cr, darker(creamDark, 0.25), lw * 0.6);
            roundedRect(cr, -18, 14, 36, 12, 3);
            fillStroke(cr, yellow, lw * 0.6);
            break;
        }
        case Product::Strawberry: {
            cairo_move_to(cr, 0, 42);
            cairo_curve_to(cr, -30, 28, -40, 0, -34, -16);
            cairo_curve_to(cr, -28, -30, 28, -30, 34, -16);
            cairo_curve_to(cr, 40, 0, 30, 28, 0, 42);
            cairo_close_path(cr);
            fillStroke(cr, red, lw);
            const double seeds[][2] = {{-18, -8}, {0, -12}, {18, -8}, {-10, 6}, {10, 6}, {-20, 10}, {20, 10}, {0, 20}, {-8, 30}, {8, 30}, {0, -2}};
            for (auto& s : seeds) {
                ellipse(cr, s[0], s[1], 2, 3);
                setColor(cr, yellow);
                cairo_fill(cr);
            }
            for (int i = 0; i < 5; ++i) {
                leafShape(cr, 0, -22, 22, 7, -M_PI / 2 + (i - 2) * 0.6 + M_PI);
            }
            fillStroke(cr, leaf, lw * 0.8);
            cairo_move_to(cr, 0, -24);
            cairo_line_to(cr, 2, -40);
            strokeOnly(cr, darkGreen, lw * 1.4);
            shine(cr, -18, -12, 5, 8, 0.5);
            break;
        }
        case Product::Milk: drawCarton(cr, lw, white, sky, "MILK", navy); break;
        case Product::ChocMilk: drawCarton(cr, lw, hex(0xF3D9B1), brown, "CHOC", white); break;
        case Product::Bread: {
            cairo_move_to(cr, -42, 24);
            cairo_curve_to(cr, -48, -30, 48, -30, 42, 24);
            cairo_close_path(cr);
            fillStroke(cr, hex(0xD98E4C), lw);
            roundedRect(cr, -42, 10, 84, 20, 6);
            fillStroke(cr, hex(0xC47A3A), lw);
            for (int i = -1; i <= 1; ++i) {
                cairo_move_to(cr, i * 20 - 8, -2);
                cairo_curve_to(cr, i * 20 - 2, -10, i * 20 + 4, -14, i * 20 + 10, -12);
            }
            strokeOnly(cr, hex(0xF7D9A8), lw * 1.2);
            shine(cr, -20, -8, 8, 4, 0.35);
            break;
        }
        case Product::Fish: {
            cairo_move_to(cr, 26, 0);
            cairo_line_to(cr, 46, -20);
            cairo_line_to(cr, 44, 20);
            cairo_close_path(cr);
            fillStroke(cr, shelf, lw);
            cairo_move_to(cr, -44, 0);
            cairo_curve_to(cr, -30, -30, 14, -30, 30, 0);
            cairo_curve_to(cr, 14, 30, -30, 30, -44, 0);
            cairo_close_path(cr);
            fillStroke(cr, sky, lw);
            cairo_move_to(cr, -38, 6);
            cairo_curve_to(cr, -20, 20, 10, 20, 26, 4);
            cairo_curve_to(cr, 10, 14, -20, 14, -38, 6);
            setColor(cr, white, 0.8);
            cairo_fill(cr);
            ellipse(cr, -28, -5, 5, 5);
            fillStroke(cr, white, lw * 0.6);
            ellipse(cr, -27, -5, 2.4, 2.4);
            setColor(cr, ink);
            cairo_fill(cr);
            cairo_move_to(cr, -16, -12);
            cairo_curve_to(cr, -12, -4, -12, 4, -16, 10);
            strokeOnly(cr, shelf, lw * 0.8);
            cairo_move_to(cr, -6, -18);
            cairo_curve_to(cr, 2, -28, 10, -26, 12, -16);
            fillStroke(cr, shelf, lw * 0.8);
            break;
        }
        case Product::IceCream: {
            cairo_move_to(cr, -20, -4);
            cairo_line_to(cr, 20, -4);
            cairo_line_to(cr, 0, 46);
            cairo_close_path(cr);
            fillStroke(cr, hex(0xE9B872), lw);
            cairo_save(cr);
            cairo_move_to(cr, -20, -4);
            cairo_line_to(cr, 20, -4);
            cairo_line_to(cr, 0, 46);
            cairo_close_path(cr);
            cairo_clip(cr);
            for (int i = -4; i <= 4; ++i) {
                cairo_move_to(cr, i * 10 - 20, -4);
                cairo_line_to(cr, i * 10 + 20, 46);
                cairo_move_to(cr, i * 10 + 20, -4);
                cairo_line_to(cr, i * 10 - 20, 46);
            }
            strokeOnly(cr, darker(hex(0xE9B872), 0.25), lw * 0.6);
            cairo_restore(cr);
            ellipse(cr, 0, -8, 22, 14);
            fillStroke(cr, pink, lw);
            ellipse(cr, 0, -28, 17, 15);
            fillStroke(cr, paper, lw);
            ellipse(cr, 4, -46, 6, 6);
            fillStroke(cr, red, lw * 0.8);
            shine(cr, -7, -32, 4, 5);
            break;
        }
        case Product::Bacon: {
            for (int i = 0; i < 3; ++i) {
                double y = -26 + i * 22;
                cairo_move_to(cr, -42, y);
                cairo_curve_to(cr, -20, y - 10, -10, y + 10, 10, y);
                cairo_curve_to(cr, 24, y - 8, 34, y + 6, 42, y);
                cairo_line_to(cr, 42, y + 16);
                cairo_curve_to(cr, 34, y + 22, 24, y + 8, 10, y + 16);
                cairo_curve_to(cr, -10, y + 26, -20, y + 6, -42, y + 16);
                cairo_close_path(cr);
                fillStroke(cr, hex(0xE07A7A), lw);
                cairo_move_to(cr, -40, y + 8);
                cairo_curve_to(cr, -20, y - 2, -10, y + 18, 10, y + 8);
                cairo_curve_to(cr, 24, y, 34, y + 14, 40, y + 8);
                strokeOnly(cr, hex(0xFBE3D6), lw * 1.3);
            }
            break;
        }
        case Product::Crisps: {
            cairo_move_to(cr, -30, -38);
            cairo_line_to(cr, 30, -38);
            cairo_curve_to(cr, 36, -10, 36, 20, 30, 42);
            cairo_line_to(cr, -30, 42);
            cairo_curve_to(cr, -36, 20, -36, -10, -30, -38);
            cairo_close_path(cr);
            fillStroke(cr, yellow, lw);
            for (int i = 0; i < 6; ++i) {
                cairo_move_to(cr, -30 + i * 12, -38);
                cairo_line_to(cr, -24 + i * 12, -32);
                cairo_line_to(cr, -18 + i * 12, -38);
            }
            strokeOnly(cr, darker(yellow, 0.25), lw * 0.6);
            ellipse(cr, 0, 8, 22, 16);
            fillStroke(cr, red, lw * 0.8);
            TextStyle t;
            t.face = Face::SansBold;
            t.size = 13;
            t.color = white;
            t.align = Align::Center;
            text(cr, "CRISPS", 0, 0, t);
            ellipse(cr, -6, -20, 9, 6);
            fillStroke(cr, hex(0xF6C56B), lw * 0.6);
            break;
        }
        case Product::Choc: {
            cairo_save(cr);
            cairo_rotate(cr, -0.25);
            roundedRect(cr, -40, -22, 80, 44, 4);
            fillStroke(cr, brown, lw);
            for (int i = 0; i < 2; ++i)
                for (int j = 0; j < 3; ++j) {
                    roundedRect(cr, -36 + j * 13, -18 + i * 19, 11, 17, 2);
                    fillStroke(cr, hex(0x9E6A45), lw * 0.5, darker(brown, 0.35));
                }
            cairo_move_to(cr, 4, -22);
            cairo_line_to(cr, 40, -22);
            cairo_line_to(cr, 40, 22);
            cairo_line_to(cr, 0, 22);
            cairo_line_to(cr, 6, 12);
            cairo_line_to(cr, 0, 2);
            cairo_line_to(cr, 6, -8);
            cairo_close_path(cr);
            fillStroke(cr, purple, lw);
            roundedRect(cr, 12, -8, 24, 16, 3);
            fillStroke(cr, yellow, lw * 0.6);
            cairo_restore(cr);
            break;
        }
        case Product::Tomatoes: {
            ellipse(cr, 0, 6, 40, 34);
            fillStroke(cr, red, lw);
            for (int i = 0; i < 5; ++i) leafShape(cr, 0, -26, 18, 5, -M_PI / 2 + (i - 2) * 0.9 + M_PI);
            fillStroke(cr, leaf, lw * 0.7);
            cairo_move_to(cr, 0, -28);
            cairo_line_to(cr, 3, -40);
            strokeOnly(cr, darkGreen, lw * 1.4);
            shine(cr, -18, -6, 8, 11, 0.5);
            break;
        }
        case Product::Bananas: {
            for (int i = 0; i < 3; ++i) {
                cairo_save(cr);
                cairo_rotate(cr, (i - 1) * 0.32);
                cairo_move_to(cr, -40, -28);
                cairo_curve_to(cr, -30, 30, 30, 36, 44, 6);
                cairo_curve_to(cr, 24, 18, -16, 14, -32, -30);
                cairo_close_path(cr);
                fillStroke(cr, i == 1 ? yellow : lighter(yellow, 0.25) , lw);
                ellipse(cr, 43, 6, 3, 3);
                setColor(cr, brown);
                cairo_fill(cr);
                cairo_restore(cr);
            }
            roundedRect(cr, -44, -40, 12, 14, 3);
            fillStroke(cr, hex(0x9BBF5A), lw);
            break;
        }
        case Product::Cereals: {
            roundedRect(cr, -30, -42, 60, 86, 4);
            fillStroke(cr, orange, lw);
            roundedRect(cr, -30, -42, 60, 20, 4);
            fillStroke(cr, red, lw);
            TextStyle t;
            t.face = Face::SansBold;
            t.size = 12;
            t.color = white;
            t.align = Align::Center;
            text(cr, "FLAKES", 0, -38, t);
            cairo_move_to(cr, -20, 14);
            cairo_curve_to(cr, -18, 34, 18, 34, 20, 14);
            cairo_close_path(cr);
            fillStroke(cr, white, lw);
            for (int i = 0; i < 5; ++i) {
                ellipse(cr, -14 + i * 7, 11 - (i % 2) * 4, 5, 4);
                fillStroke(cr, yellow, lw * 0.5);
            }
            star(cr, 16, -8, 8, 4, 5);
            fillStroke(cr, yellow, lw * 0.6);
            break;
        }
        case Product::Cheese: {
            cairo_move_to(cr, -42, 30);
            cairo_line_to(cr, -42, -2);
            cairo_line_to(cr, 30, -30);
            cairo_line_to(cr, 42, -8);
            cairo_line_to(cr, 42, 30);
            cairo_close_path(cr);
            fillStroke(cr, yellow, lw);
            cairo_move_to(cr, -42, -2);
            cairo_line_to(cr, 42, -8);
            strokeOnly(cr, ink, lw);
            const double holes[][3] = {{-20, 12, 6}, {8, 18, 5}, {26, 6, 4}, {-2, 4, 3}, {20, 22, 3}};
            for (auto& h : holes) {
                ellipse(cr, h[0], h[1], h[2], h[2]);
                setColor(cr, hex(0xE8B64A));
                cairo_fill(cr);
            }
            ellipse(cr, 0, -12, 5, 2.5);
            setColor(cr, hex(0xE8B64A));
            cairo_fill(cr);
            break;
        }
        case Product::Oranges: {
            ellipse(cr, 0, 4, 38, 38);
            fillStroke(cr, orange, lw);
            for (int i = 0; i < 12; ++i) {
                double a = i * 2.4, r = 12 + (i * 7) % 20;
                ellipse(cr, r * std::cos(a), 4 + r * std::sin(a), 1.5, 1.5);
                setColor(cr, darker(orange, 0.15));
                cairo_fill(cr);
            }
            leafShape(cr, 2, -32, 24, 8, -0.5);
            fillStroke(cr, leaf, lw * 0.8);
            shine(cr, -16, -10, 7, 10, 0.45);
            break;
        }
        case Product::Potatoes: {
            const double ps[][4] = {{-16, 8, 26, 20}, {16, 14, 24, 19}, {2, -14, 24, 18}};
            for (auto& q : ps) {
                cairo_save(cr);
                cairo_translate(cr, q[0], q[1]);
                cairo_rotate(cr, q[0] * 0.01);
                ellipse(cr, 0, 0, q[2], q[3]);
                fillStroke(cr, hex(0xC9955C), lw);
                for (int i = 0; i < 3; ++i) {
                    ellipse(cr, -10 + i * 9, -4 + (i % 2) * 8, 2, 1.5);
                    setColor(cr, brown);
                    cairo_fill(cr);
                }
                cairo_restore(cr);
            }
            break;
        }
        case Product::Butter: {
            cairo_move_to(cr, -40, 0);
            cairo_line_to(cr, -20, -20);
            cairo_line_to(cr, 42, -20);
            cairo_line_to(cr, 22, 0);
            cairo_close_path(cr);
            fillStroke(cr, hex(0xFFE7A0), lw);
            cairo_move_to(cr, 22, 0);
            cairo_line_to(cr, 42, -20);
            cairo_line_to(cr, 42, 12);
            cairo_line_to(cr, 22, 32);
            cairo_close_path(cr);
            fillStroke(cr, hex(0xF2CF6B), lw);
            roundedRect(cr, -40, 0, 62, 32, 0);
            fillStroke(cr, white, lw);
            roundedRect(cr, -40, 8, 62, 16, 0);
            setColor(cr, sky);
            cairo_fill(cr);
            roundedRect(cr, -40, 0, 62, 32, 0);
            strokeOnly(cr, ink, lw);
            TextStyle t;
            t.face = Face::SansBold;
            t.size = 11;
            t.color = navy;
            t.align = Align::Center;
            text(cr, "BUTTER", -9, 9, t);
            break;
        }
        case Product::Sausages: {
            for (int i = 0; i < 3; ++i) {
                double x = -30 + i * 30, y = (i % 2) ? -6 : 6;
                cairo_save(cr);
                cairo_translate(cr, x, y);
                cairo_rotate(cr, 0.9 - i * 0.35);
                roundedRect(cr, -28, -10, 56, 20, 10);
                fillStroke(cr, hex(0xC8664E), lw);
                cairo_move_to(cr, -18, -4);
                cairo_line_to(cr, 14, -4);
                strokeOnly(cr, hex(0xE9977F), lw);
                cairo_restore(cr);
            }
            break;
        }
        case Product::Grapes: {
            cairo_move_to(cr, 0, -30);
            cairo_curve_to(cr, 2, -40, 8, -44, 14, -44);
            strokeOnly(cr, brown, lw * 1.4);
            leafShape(cr, 2, -34, 26, 9, -0.3);
            fillStroke(cr, leaf, lw * 0.8);
            const double gs[][2] = {{-18, -20}, {0, -22}, {18, -20}, {-24, -2}, {-8, -4}, {8, -4}, {24, -2},
                                    {-16, 14}, {0, 14}, {16, 14}, {-8, 30}, {8, 30}, {0, 44}};
            for (auto& g : gs) {
                ellipse(cr, g[0], g[1] - 2, 10, 10);
                fillStroke(cr, purple, lw * 0.8);
                shine(cr, g[0] - 3, g[1] - 6, 2.5, 3, 0.6);
            }
            break;
        }
        case Product::Carrots: {
            for (int i = 0; i < 2; ++i) {
                cairo_save(cr);
                cairo_translate(cr, i ? 10 : -10, i ? 4 : -2);
                cairo_rotate(cr, i ? 0.3 : -0.3);
                for (int k = 0; k < 3; ++k) leafShape(cr, 0, -24, 22, 6, -M_PI / 2 + (k - 1) * 0.4);
                fillStroke(cr, leaf, lw * 0.7);
                cairo_move_to(cr, -12, -24);
                cairo_curve_to(cr, -12, -30, 12, -30, 12, -24);
                cairo_line_to(cr, 2, 40);
                cairo_line_to(cr, -2, 40);
                cairo_close_path(cr);
                fillStroke(cr, orange, lw);
                for (int k = 0; k < 3; ++k) {
                    cairo_move_to(cr, -8 + k, -10 + k * 14);
                    cairo_line_to(cr, -2 + k, -10 + k * 14);
                }
                strokeOnly(cr, darker(orange, 0.25), lw * 0.7);
                cairo_restore(cr);
            }
            break;
        }
        case Product::Chicken: {
            cairo_save(cr);
            cairo_rotate(cr, -0.6);
            roundedRect(cr, 14, -6, 30, 12, 6);
            fillStroke(cr, white, lw);
            ellipse(cr, 44, -7, 7, 7);
            ellipse(cr, 44, 7, 7, 7);
            fillStroke(cr, white, lw);
            roundedRect(cr, 30, -5, 14, 10, 0);
            setColor(cr, white);
            cairo_fill(cr);
            ellipse(cr, -10, 0, 34, 28);
            fillStroke(cr, hex(0xC8763A), lw);
            shine(cr, -20, -10, 10, 6, 0.35);
            cairo_restore(cr);
            break;
        }
        case Product::Count: break;
    }
    cairo_restore(cr);
}

void product(cairo_t* cr, Product p, double cx, double cy, double size, double angle) {
    Shadow s;
    s.dx = size * 0.05, s.dy = size * 0.07, s.blur = std::max(2.0, size * 0.06);
    shadowed(cr, cx - size * 0.6, cy - size * 0.6, size * 1.2, size * 1.2,
             [&](cairo_t* c) { drawProduct(c, p, cx, cy, size, angle); }, s);
}

void drawTrolley(cairo_t* cr, double cx, double cy, double size, bool load, bool flip) {
    cairo_save(cr);
    double lw = unitBox(cr, cx, cy, size);
    const Rgb metal = hex(0xDDE3E8), frame = shelf;
    if (load) {
        // Groceries poke out of the basket; the wire front is drawn over them.
        // They are placed mirrored but never drawn mirrored, so labels read.
        const double m = flip ? -1 : 1;
        drawProduct(cr, Product::Bread, -22 * m, -30, 36, -0.4 * m);
        drawProduct(cr, Product::Milk, 8 * m, -34, 34, 0.15 * m);
        drawProduct(cr, Product::Bananas, 28 * m, -28, 30, 0.4 * m);
        drawProduct(cr, Product::Cereals, -4 * m, -36, 30, -0.1 * m);
        drawProduct(cr, Product::Tomatoes, 22 * m, -16, 24);
    }
    if (flip) cairo_scale(cr, -1, 1);
    // Basket.
    cairo_move_to(cr, -40, -22);
    cairo_line_to(cr, 40, -22);
    cairo_line_to(cr, 30, 18);
    cairo_line_to(cr, -30, 18);
    cairo_close_path(cr);
    setColor(cr, sky, 0.45);
    cairo_fill_preserve(cr);
    setColor(cr, frame);
    cairo_set_line_width(cr, lw * 1.6);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_move_to(cr, -40, -22);
    cairo_line_to(cr, 40, -22);
    cairo_line_to(cr, 30, 18);
    cairo_line_to(cr, -30, 18);
    cairo_close_path(cr);
    cairo_clip(cr);
    for (int i = -5; i <= 5; ++i) {
        cairo_move_to(cr, i * 8, -24);
        cairo_line_to(cr, i * 6.4, 20);
    }
    for (int j = 0; j < 4; ++j) {
        cairo_move_to(cr, -42, -12 + j * 9.5);
        cairo_line_to(cr, 42, -12 + j * 9.5);
    }
    setColor(cr, lighter(frame, 0.2));
    cairo_set_line_width(cr, lw * 0.7);
    cairo_stroke(cr);
    cairo_restore(cr);
    // Outline of the basket again in ink, top rail in red.
    cairo_move_to(cr, -40, -22);
    cairo_line_to(cr, 40, -22);
    cairo_line_to(cr, 30, 18);
    cairo_line_to(cr, -30, 18);
    cairo_close_path(cr);
    strokeOnly(cr, ink, lw);
    roundedRect(cr, -43, -26, 86, 7, 3.5);
    fillStroke(cr, red, lw * 0.8);
    // Handle.
    cairo_move_to(cr, -40, -22);
    cairo_line_to(cr, -48, -36);
    strokeOnly(cr, ink, lw * 2.4);
    cairo_move_to(cr, -40, -22);
    cairo_line_to(cr, -48, -36);
    strokeOnly(cr, metal, lw * 1.1);
    roundedRect(cr, -56, -40, 14, 7, 3.5);
    fillStroke(cr, red, lw * 0.8);
    // Chassis and wheels.
    cairo_move_to(cr, -30, 18);
    cairo_line_to(cr, -26, 32);
    cairo_line_to(cr, 26, 32);
    cairo_line_to(cr, 30, 18);
    strokeOnly(cr, ink, lw * 2.4);
    cairo_move_to(cr, -30, 18);
    cairo_line_to(cr, -26, 32);
    cairo_line_to(cr, 26, 32);
    cairo_line_to(cr, 30, 18);
    strokeOnly(cr, metal, lw * 1.1);
    for (double x : {-22.0, 22.0}) {
        ellipse(cr, x, 38, 7, 7);
        fillStroke(cr, ink, lw * 0.6);
        ellipse(cr, x, 38, 2.5, 2.5);
        setColor(cr, grey);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void trolley(cairo_t* cr, double cx, double cy, double size, bool load, bool flip) {
    Shadow s;
    s.dx = size * 0.04, s.dy = size * 0.05, s.blur = std::max(2.0, size * 0.05);
    shadowed(cr, cx - size * 0.62, cy - size * 0.62, size * 1.24, size * 1.1,
             [&](cairo_t* c) { drawTrolley(c, cx, cy, size, load, flip); }, s);
}

void wetFloorSign(cairo_t* cr, double cx, double cy, double size) {
    cairo_save(cr);
    double lw = unitBox(cr, cx, cy, size);
    cairo_move_to(cr, -8, -44);
    cairo_line_to(cr, 8, -44);
    cairo_line_to(cr, 34, 44);
    cairo_line_to(cr, -34, 44);
    cairo_close_path(cr);
    fillStroke(cr, yellow, lw);
    roundedRect(cr, -10, -48, 20, 8, 4);
    fillStroke(cr, yellow, lw);
    // Warning triangle and a slipping figure.
    cairo_move_to(cr, 0, -26);
    cairo_line_to(cr, 18, 6);
    cairo_line_to(cr, -18, 6);
    cairo_close_path(cr);
    fillStroke(cr, white, lw * 0.8);
    ellipse(cr, 3, -12, 3, 3);
    setColor(cr, ink);
    cairo_fill(cr);
    cairo_move_to(cr, 1, -8);
    cairo_line_to(cr, -4, 0);
    cairo_line_to(cr, 4, 4);
    cairo_move_to(cr, -4, 0);
    cairo_line_to(cr, -10, 2);
    cairo_move_to(cr, 0, -6);
    cairo_line_to(cr, 7, -4);
    strokeOnly(cr, ink, lw * 0.9);
    TextStyle t;
    t.face = Face::SansBold;
    t.size = 12;
    t.align = Align::Center;
    text(cr, "WET", 0, 12, t);
    text(cr, "FLOOR", 0, 25, t);
    cairo_restore(cr);
}

void slowZone(cairo_t* cr, double cx, double cy, double size) {
    cairo_save(cr);
    double lw = unitBox(cr, cx, cy, size);
    // A puddle with a snail crossing it.
    cairo_move_to(cr, -44, 10);
    cairo_curve_to(cr, -46, -14, -10, -22, 10, -16);
    cairo_curve_to(cr, 40, -20, 52, 6, 38, 22);
    cairo_curve_to(cr, 24, 38, -38, 36, -44, 10);
    cairo_close_path(cr);
    fillStroke(cr, lighter(sky, 0.3), lw);
    shine(cr, -18, -4, 12, 4, 0.8);
    shine(cr, 20, 14, 8, 3, 0.8);
    ellipse(cr, 4, 0, 16, 15);
    fillStroke(cr, orange, lw);
    cairo_move_to(cr, 4, 0);
    for (int i = 0; i < 40; ++i) {
        double a = i * 0.35, r = i * 0.35;
        cairo_line_to(cr, 4 + r * std::cos(a), r * std::sin(a));
    }
    strokeOnly(cr, darker(orange, 0.35), lw * 0.7);
    cairo_move_to(cr, -22, 16);
    cairo_curve_to(cr, -14, 10, 14, 10, 26, 16);
    cairo_line_to(cr, -22, 16);
    fillStroke(cr, hex(0x9BBF5A), lw);
    cairo_move_to(cr, 20, 14);
    cairo_line_to(cr, 26, -2);
    cairo_move_to(cr, 24, 14);
    cairo_line_to(cr, 32, 0);
    strokeOnly(cr, ink, lw * 0.8);
    cairo_restore(cr);
}

void stopwatch(cairo_t* cr, double cx, double cy, double size, double handTurns, bool ringing) {
    cairo_save(cr);
    double lw = unitBox(cr, cx, cy, size);
    if (ringing) {
        for (int s = -1; s <= 1; s += 2)
            for (int i = 0; i < 3; ++i) {
                cairo_move_to(cr, s * (44 + i * 2), -30 + i * 10);
                cairo_line_to(cr, s * (50 + i * 3), -34 + i * 12);
            }
        strokeOnly(cr, ink, lw * 1.2);
    }
    roundedRect(cr, -8, -48, 16, 10, 3);
    fillStroke(cr, grey, lw);
    cairo_save(cr);
    cairo_rotate(cr, 0.7);
    roundedRect(cr, -5, -46, 10, 10, 2);
    fillStroke(cr, grey, lw);
    cairo_restore(cr);
    ellipse(cr, 0, 4, 40, 40);
    fillStroke(cr, red, lw);
    ellipse(cr, 0, 4, 32, 32);
    fillStroke(cr, white, lw * 0.8);
    for (int i = 0; i < 12; ++i) {
        double a = i * M_PI / 6;
        cairo_move_to(cr, 26 * std::sin(a), 4 - 26 * std::cos(a));
        cairo_line_to(cr, 30 * std::sin(a), 4 - 30 * std::cos(a));
    }
    strokeOnly(cr, ink, lw * 0.6);
    // The time still left as a wedge.
    cairo_move_to(cr, 0, 4);
    cairo_arc(cr, 0, 4, 24, -M_PI / 2, -M_PI / 2 + handTurns * 2 * M_PI);
    cairo_close_path(cr);
    setColor(cr, yellow, 0.8);
    cairo_fill(cr);
    double a = handTurns * 2 * M_PI;
    cairo_move_to(cr, 0, 4);
    cairo_line_to(cr, 22 * std::sin(a), 4 - 22 * std::cos(a));
    strokeOnly(cr, ink, lw * 1.2);
    ellipse(cr, 0, 4, 4, 4);
    fillStroke(cr, ink, 0);
    shine(cr, -16, -14, 6, 4, 0.6);
    cairo_restore(cr);
}

void checkout(cairo_t* cr, double cx, double cy, double size) {
    cairo_save(cr);
    double lw = unitBox(cr, cx, cy, size);
    // Till counter with belt and screen.
    roundedRect(cr, -46, -2, 92, 40, 5);
    fillStroke(cr, teal, lw);
    roundedRect(cr, -46, -10, 92, 12, 4);
    fillStroke(cr, ink, lw * 0.5);
    for (int i = 0; i < 8; ++i) {
        cairo_move_to(cr, -40 + i * 11, -8);
        cairo_line_to(cr, -36 + i * 11, 0);
    }
    strokeOnly(cr, grey, lw * 0.5);
    roundedRect(cr, 14, -44, 30, 22, 4);
    fillStroke(cr, navy, lw);
    roundedRect(cr, 18, -40, 22, 12, 2);
    setColor(cr, leaf);
    cairo_fill(cr);
    cairo_move_to(cr, 29, -22);
    cairo_line_to(cr, 29, -10);
    strokeOnly(cr, ink, lw * 1.4);
    roundedRect(cr, -40, 8, 30, 22, 3);
    fillStroke(cr, lighter(teal, 0.3), lw * 0.6);
    drawProduct(cr, Product::Milk, -22, -22, 22);
    drawProduct(cr, Product::Oranges, -4, -18, 16);
    cairo_restore(cr);
}

void paySpot(cairo_t* cr, double cx, double cy, double size, bool lit) {
    cairo_save(cr);
    double lw = unitBox(cr, cx, cy, size);
    if (lit) {
        for (int i = 0; i < 3; ++i) {
            ellipse(cr, 0, 0, 46 - i * 6, 46 - i * 6);
            setColor(cr, yellow, 0.18);
            cairo_fill(cr);
        }
    }
    ellipse(cr, 0, 0, 36, 36);
    fillStroke(cr, lit ? leaf : grey, lw);
    // Arrow pointing down onto the spot.
    cairo_move_to(cr, -10, -22);
    cairo_line_to(cr, 10, -22);
    cairo_line_to(cr, 10, 0);
    cairo_line_to(cr, 20, 0);
    cairo_line_to(cr, 0, 22);
    cairo_line_to(cr, -20, 0);
    cairo_line_to(cr, -10, 0);
    cairo_close_path(cr);
    fillStroke(cr, white, lw * 0.8);
    cairo_restore(cr);
}

void scaleGauge(cairo_t* cr, double cx, double cy, double size) {
    cairo_save(cr);
    double lw = unitBox(cr, cx, cy, size);
    roundedRect(cr, -46, -40, 92, 80, 10);
    fillStroke(cr, navy, lw);
    // Nine lights from red through amber to green and back.
    const Rgb lights[] = {red, red, orange, orange, leaf, orange, orange, red, red};
    for (int i = 0; i < 9; ++i) {
        double a = M_PI + i * M_PI / 8;
        double x = 34 * std::cos(a), y = 18 + 34 * std::sin(a);
        ellipse(cr, x, y, 6, 6);
        fillStroke(cr, i == 4 ? lighter(leaf, 0.2) : lights[i], lw * 0.6);
    }
    cairo_move_to(cr, 0, 18);
    cairo_line_to(cr, 0, -14);
    strokeOnly(cr, white, lw * 1.6);
    ellipse(cr, 0, 18, 5, 5);
    fillStroke(cr, white, lw * 0.5);
    roundedRect(cr, -22, 24, 44, 12, 3);
    setColor(cr, hex(0xB8D8A8));
    cairo_fill(cr);
    TextStyle t;
    t.face = Face::Lcd7;
    t.size = 9;
    t.align = Align::Center;
    text(cr, "285", 0, 25, t);
    cairo_restore(cr);
}

void miniScale(cairo_t* cr, double cx, double cy, double size) {
    cairo_save(cr);
    double lw = unitBox(cr, cx, cy, size);
    roundedRect(cr, -44, -12, 88, 34, 8);
    fillStroke(cr, grey, lw);
    roundedRect(cr, -38, -20, 76, 12, 5);
    fillStroke(cr, white, lw);
    roundedRect(cr, -12, 0, 24, 12, 3);
    setColor(cr, hex(0xB8D8A8));
    cairo_fill(cr);
    cairo_restore(cr);
}

void wasteBin(cairo_t* cr, double cx, double cy, double size) {
    cairo_save(cr);
    double lw = unitBox(cr, cx, cy, size);
    cairo_move_to(cr, -30, -26);
    cairo_line_to(cr, 30, -26);
    cairo_line_to(cr, 24, 44);
    cairo_line_to(cr, -24, 44);
    cairo_close_path(cr);
    fillStroke(cr, leaf, lw);
    for (int i = -1; i <= 1; ++i) {
        cairo_move_to(cr, i * 14, -16);
        cairo_line_to(cr, i * 12, 36);
    }
    strokeOnly(cr, darkGreen, lw * 1.1);
    cairo_save(cr);
    cairo_rotate(cr, -0.25);
    roundedRect(cr, -38, -40, 76, 12, 4);
    fillStroke(cr, darkGreen, lw);
    roundedRect(cr, -10, -48, 20, 9, 3);
    fillStroke(cr, darkGreen, lw);
    cairo_restore(cr);
    cairo_restore(cr);
}

void shopper(cairo_t* cr, double cx, double cy, double size, bool ginger) {
    cairo_save(cr);
    double lw = unitBox(cr, cx, cy, size);
    const Rgb hair = ginger ? hex(0xD9662B) : hex(0xF2D16B);
    const Rgb coat = ginger ? leaf : purple;
    // Legs, body, arms, head.
    roundedRect(cr, -14, 22, 11, 24, 5);
    fillStroke(cr, navy, lw);
    roundedRect(cr, 3, 22, 11, 24, 5);
    fillStroke(cr, navy, lw);
    cairo_move_to(cr, -22, 30);
    cairo_curve_to(cr, -24, -4, -16, -14, 0, -14);
    cairo_curve_to(cr, 16, -14, 24, -4, 22, 30);
    cairo_close_path(cr);
    fillStroke(cr, coat, lw);
    roundedRect(cr, 18, -4, 10, 26, 5);
    fillStroke(cr, coat, lw);
    // Shopping basket on the arm.
    roundedRect(cr, 18, 18, 22, 14, 3);
    fillStroke(cr, red, lw);
    ellipse(cr, 0, -28, 16, 17);
    fillStroke(cr, hex(0xF6D2B5), lw);
    cairo_move_to(cr, -17, -26);
    cairo_curve_to(cr, -20, -52, 20, -52, 17, -26);
    cairo_curve_to(cr, 10, -36, -10, -36, -17, -26);
    cairo_close_path(cr);
    fillStroke(cr, hair, lw);
    if (!ginger) {
        ellipse(cr, -18, -22, 6, 12);
        fillStroke(cr, hair, lw);
    }
    ellipse(cr, -5, -26, 2, 2.4);
    ellipse(cr, 6, -26, 2, 2.4);
    setColor(cr, ink);
    cairo_fill(cr);
    cairo_move_to(cr, -5, -19);
    cairo_curve_to(cr, -2, -16, 3, -16, 6, -19);
    strokeOnly(cr, ink, lw * 0.7);
    cairo_restore(cr);
}

void pushchair(cairo_t* cr, double cx, double cy, double size) {
    cairo_save(cr);
    double lw = unitBox(cr, cx, cy, size);
    cairo_move_to(cr, -34, -10);
    cairo_curve_to(cr, -36, -40, 10, -44, 14, -10);
    cairo_line_to(cr, -34, -10);
    cairo_close_path(cr);
    fillStroke(cr, pink, lw);
    cairo_move_to(cr, -36, -10);
    cairo_line_to(cr, 30, -10);
    cairo_curve_to(cr, 30, 14, -36, 14, -36, -10);
    cairo_close_path(cr);
    fillStroke(cr, teal, lw);
    cairo_move_to(cr, 28, -8);
    cairo_line_to(cr, 40, -36);
    strokeOnly(cr, ink, lw * 1.4);
    roundedRect(cr, 36, -42, 12, 8, 4);
    fillStroke(cr, ink, 0);
    cairo_move_to(cr, -24, 8);
    cairo_line_to(cr, -20, 28);
    cairo_move_to(cr, 18, 8);
    cairo_line_to(cr, 14, 28);
    strokeOnly(cr, ink, lw * 1.2);
    for (double x : {-20.0, 14.0}) {
        ellipse(cr, x, 32, 10, 10);
        fillStroke(cr, navy, lw);
        ellipse(cr, x, 32, 3, 3);
        setColor(cr, grey);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void boostIcon(cairo_t* cr, double cx, double cy, double size) {
    cairo_save(cr);
    double lw = unitBox(cr, cx, cy, size);
    ellipse(cr, 0, 0, 42, 42);
    fillStroke(cr, orange, lw);
    ellipse(cr, 0, 0, 34, 34);
    fillStroke(cr, yellow, lw * 0.6);
    cairo_move_to(cr, 6, -30);
    cairo_line_to(cr, -16, 4);
    cairo_line_to(cr, -2, 4);
    cairo_line_to(cr, -8, 30);
    cairo_line_to(cr, 16, -6);
    cairo_line_to(cr, 2, -6);
    cairo_close_path(cr);
    fillStroke(cr, red, lw);
    cairo_restore(cr);
}

void itemDropIcon(cairo_t* cr, double cx, double cy, double size) {
    cairo_save(cr);
    double lw = unitBox(cr, cx, cy, size);
    cairo_save(cr);
    cairo_rotate(cr, M_PI / 4);
    roundedRect(cr, -30, -30, 60, 60, 8);
    fillStroke(cr, purple, lw);
    cairo_restore(cr);
    for (int i = -1; i <= 1; i += 2) {
        double x = i * 12;
        cairo_move_to(cr, x - 4, -22);
        cairo_line_to(cr, x + 4, -22);
        cairo_line_to(cr, x + 4, 0);
        cairo_line_to(cr, x + 10, 0);
        cairo_line_to(cr, x, 14);
        cairo_line_to(cr, x - 10, 0);
        cairo_line_to(cr, x - 4, 0);
        cairo_close_path(cr);
        fillStroke(cr, white, lw * 0.7);
    }
    roundedRect(cr, -22, 18, 44, 6, 3);
    fillStroke(cr, white, lw * 0.7);
    cairo_restore(cr);
}

void shoppingList(cairo_t* cr, double cx, double cy, double size, int ticked) {
    cairo_save(cr);
    double lw = unitBox(cr, cx, cy, size);
    cairo_rotate(cr, -0.08);
    roundedRect(cr, -32, -44, 64, 88, 4);
    fillStroke(cr, paper, lw);
    roundedRect(cr, -14, -50, 28, 12, 3);
    fillStroke(cr, grey, lw);
    for (int i = 0; i < 5; ++i) {
        double y = -26 + i * 15;
        roundedRect(cr, -24, y - 5, 10, 10, 2);
        fillStroke(cr, white, lw * 0.6);
        cairo_move_to(cr, -8, y);
        cairo_line_to(cr, 24, y);
        strokeOnly(cr, grey, lw * 0.9);
        if (i < ticked) {
            cairo_move_to(cr, -23, y - 1);
            cairo_line_to(cr, -19, y + 4);
            cairo_line_to(cr, -12, y - 8);
            strokeOnly(cr, leaf, lw * 1.2);
            cairo_move_to(cr, -10, y);
            cairo_line_to(cr, 26, y);
            strokeOnly(cr, red, lw * 0.8);
        }
    }
    cairo_restore(cr);
}

void coin(cairo_t* cr, double cx, double cy, double size, const std::string& label) {
    cairo_save(cr);
    double lw = unitBox(cr, cx, cy, size);
    ellipse(cr, 0, 0, 44, 44);
    fillStroke(cr, yellow, lw);
    ellipse(cr, 0, 0, 36, 36);
    setColor(cr, darker(yellow, 0.12));
    cairo_set_line_width(cr, lw);
    cairo_stroke(cr);
    TextStyle t;
    t.face = Face::SansBold;
    t.size = label.size() > 3 ? 24 : 30;
    t.color = hex(0x8A5A00);
    t.align = Align::Center;
    double w, h;
    measure(label, t, &w, &h);
    text(cr, label, 0, -h / 2, t);
    shine(cr, -16, -18, 8, 5, 0.6);
    cairo_restore(cr);
}

double keyCap(cairo_t* cr, double x, double y, const std::string& label, double h, double minW) {
    TextStyle t;
    t.face = Face::SansBold;
    t.size = h * 0.42;
    t.align = Align::Center;
    double tw, th;
    measure(label, t, &tw, &th);
    const double w = std::max(minW, tw + h * 0.6);
    shadowed(cr, x - 4, y - 4, w + 8, h + 8, [&](cairo_t* c) {
        roundedRect(c, x, y, w, h, h * 0.2);
        fillStroke(c, hex(0xD9DEE3), 2.5);
        roundedRect(c, x + 3, y + 2, w - 6, h - 9, h * 0.16);
        linearFill(c, 0, y, 0, y + h, white, hex(0xEEF1F4), false);
        text(c, label, x + w / 2, y + (h - 7 - th) / 2, t);
    }, Shadow{3, 4, 4, 0.25});
    return w;
}

void dPad(cairo_t* cr, double cx, double cy, double size) {
    shadowed(cr, cx - size / 2, cy - size / 2, size, size, [&](cairo_t* c) {
        cairo_save(c);
        double lw = unitBox(c, cx, cy, size);
        cairo_move_to(c, -14, -44);
        cairo_line_to(c, 14, -44);
        cairo_line_to(c, 14, -14);
        cairo_line_to(c, 44, -14);
        cairo_line_to(c, 44, 14);
        cairo_line_to(c, 14, 14);
        cairo_line_to(c, 14, 44);
        cairo_line_to(c, -14, 44);
        cairo_line_to(c, -14, 14);
        cairo_line_to(c, -44, 14);
        cairo_line_to(c, -44, -14);
        cairo_line_to(c, -14, -14);
        cairo_close_path(c);
        fillStroke(c, hex(0x4A4E69), lw);
        for (int i = 0; i < 4; ++i) {
            cairo_save(c);
            cairo_rotate(c, i * M_PI / 2);
            cairo_move_to(c, 0, -38);
            cairo_line_to(c, 7, -28);
            cairo_line_to(c, -7, -28);
            cairo_close_path(c);
            setColor(c, grey);
            cairo_fill(c);
            cairo_restore(c);
        }
        cairo_restore(c);
    }, Shadow{3, 4, 4, 0.25});
}

void padButton(cairo_t* cr, double cx, double cy, double size, const std::string& label, Rgb color) {
    shadowed(cr, cx - size / 2, cy - size / 2, size, size, [&](cairo_t* c) {
        ellipse(c, cx, cy, size / 2, size / 2);
        fillStroke(c, color, 2.5);
        ellipse(c, cx - size * 0.12, cy - size * 0.16, size * 0.18, size * 0.1);
        setColor(c, white, 0.45);
        cairo_fill(c);
        TextStyle t;
        t.face = Face::SansBold;
        t.size = size * (label.size() > 1 ? 0.26 : 0.5);
        t.color = white;
        t.align = Align::Center;
        t.outline = 1.2;
        double w, h;
        measure(label, t, &w, &h);
        text(c, label, cx, cy - h / 2, t);
    }, Shadow{3, 4, 4, 0.25});
}

void sparkle(cairo_t* cr, double cx, double cy, double size, Rgb color, double alpha) {
    cairo_save(cr);
    cairo_move_to(cr, cx, cy - size);
    cairo_curve_to(cr, cx + size * 0.1, cy - size * 0.1, cx + size * 0.1, cy - size * 0.1, cx + size, cy);
    cairo_curve_to(cr, cx + size * 0.1, cy + size * 0.1, cx + size * 0.1, cy + size * 0.1, cx, cy + size);
    cairo_curve_to(cr, cx - size * 0.1, cy + size * 0.1, cx - size * 0.1, cy + size * 0.1, cx - size, cy);
    cairo_curve_to(cr, cx - size * 0.1, cy - size * 0.1, cx - size * 0.1, cy - size * 0.1, cx, cy - size);
    cairo_close_path(cr);
    setColor(cr, color, alpha);
    cairo_fill(cr);
    cairo_restore(cr);
}

void confetti(cairo_t* cr, double x, double y, double w, double h, int count, unsigned seed) {
    Random rnd(seed);
    const Rgb colors[] = {red, yellow, teal, sky, pink, orange, leaf, purple};
    for (int i = 0; i < count; ++i) {
        double px = x + rnd.uniform(0, w), py = y + rnd.uniform(0, h);
        double a = rnd.uniform(0, M_PI);
        Rgb c = colors[rnd.next() % 8];
        cairo_save(cr);
        cairo_translate(cr, px, py);
        cairo_rotate(cr, a);
        if (rnd.next() % 3 == 0) {
            ellipse(cr, 0, 0, 4, 4);
        } else {
            roundedRect(cr, -6, -2.5, 12, 5, 1.5);
        }
        setColor(cr, c);
        cairo_fill(cr);
        cairo_restore(cr);
    }
}

}  // namespace art
