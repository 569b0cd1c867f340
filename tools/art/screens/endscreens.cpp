// The end of a run: the level-complete and game-over screens, the box that
// takes the player's initials, and the high-score table's backdrop.
#include "pictures.h"
#include "props.h"

#include <cmath>

namespace art {

using namespace pal;

namespace {

void rays(cairo_t* cr, double cx, double cy, int n, Rgb color, double alpha, double turn = 0) {
    for (int i = 0; i < n; ++i) {
        const double a = turn + i * 2 * M_PI / n, w = M_PI / n * 0.55;
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + 1400 * std::cos(a - w), cy + 1400 * std::sin(a - w));
        cairo_line_to(cr, cx + 1400 * std::cos(a + w), cy + 1400 * std::sin(a + w));
        cairo_close_path(cr);
    }
    setColor(cr, color, alpha);
    cairo_fill(cr);
}

void verticalGradient(cairo_t* cr, double h, Rgb top, Rgb bottom) {
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, h);
    cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(g, 1, bottom.r, bottom.g, bottom.b);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
}

void checkedFloor(cairo_t* cr, double y) {
    cairo_rectangle(cr, 0, y, 1024, 768 - y);
    setColor(cr, cream);
    cairo_fill(cr);
    for (int j = 0; y + j * 40 < 768; ++j)
        for (int i = 0; i < 16; ++i)
            if ((i + j) % 2) {
                cairo_rectangle(cr, i * 64, y + j * 40, 64, 40);
                setColor(cr, creamDark);
                cairo_fill(cr);
            }
    cairo_rectangle(cr, 0, y - 8, 1024, 10);
    setColor(cr, navy);
    cairo_fill(cr);
}

// Script lettering with a white sticker rim, an ink line and a two-tone fill.
void heading(cairo_t* cr, const std::string& s, double cx, double y, double size, Rgb top, Rgb bottom) {
    TextStyle t;
    t.face = Face::Script;
    t.size = size;
    t.align = Align::Center;
    shadowed(cr, cx - 480, y - 10, 960, size * 1.5, [&](cairo_t* c) {
        TextStyle rim = t;
        rim.color = white;
        rim.outline = size * 0.09;
        rim.outlineColor = white;
        text(c, s, cx, y, rim);
        TextStyle line = t;
        line.color = top;
        line.outline = size * 0.05;
        text(c, s, cx, y, line);
        cairo_save(c);
        textPath(c, s, cx, y, t);
        cairo_clip(c);
        cairo_rectangle(c, 0, y + size * 0.62, 1024, size);
        setColor(c, bottom);
        cairo_fill(c);
        cairo_rectangle(c, 0, y + size * 0.3, 1024, size * 0.14);
        setColor(c, white, 0.35);
        cairo_fill(c);
        cairo_restore(c);
    }, Shadow{6, 8, 8, 0.3});
}

void ribbon(cairo_t* cr, double cx, double y, double w, const std::string& s, Rgb color, Face face = Face::SansBold) {
    const double h = 50;
    shadowed(cr, cx - w / 2 - 70, y - 6, w + 140, h + 30, [&](cairo_t* c) {
        for (int side = -1; side <= 1; side += 2) {
            const double ex = cx + side * (w / 2 - 6);
            cairo_move_to(c, ex, y + 12);
            cairo_line_to(c, ex + side * 54, y + 12);
            cairo_line_to(c, ex + side * 38, y + 12 + h / 2);
            cairo_line_to(c, ex + side * 54, y + 12 + h);
            cairo_line_to(c, ex, y + 12 + h);
            cairo_close_path(c);
            fillStroke(c, darker(color, 0.25), 3);
        }
        roundedRect(c, cx - w / 2, y, w, h, 6);
        fillStroke(c, color, 3);
        TextStyle t;
        t.face = face;
        t.size = 28;
        t.color = white;
        t.align = Align::Center;
        t.spacing = 3;
        double tw, th;
        measure(s, t, &tw, &th);
        text(c, s, cx, y + (h - th) / 2, t);
    });
}

void trophy(cairo_t* cr, double cx, double cy, double size) {
    shadowed(cr, cx - size, cy - size, 2 * size, 2 * size, [&](cairo_t* c) {
        cairo_save(c);
        cairo_translate(c, cx, cy);
        cairo_scale(c, size / 100, size / 100);
        const double lw = 2.8 * 100 / size;
        const Rgb gold = hex(0xF6C445), goldDark = hex(0xD99A1E);
        for (int s = -1; s <= 1; s += 2) {
            cairo_new_sub_path(c);
            cairo_arc(c, s * 30, -22, 16, 0, 2 * M_PI);
            setColor(c, ink);
            cairo_set_line_width(c, lw * 3.2);
            cairo_stroke_preserve(c);
            setColor(c, gold);
            cairo_set_line_width(c, lw * 1.6);
            cairo_stroke(c);
        }
        cairo_move_to(c, -32, -44);
        cairo_line_to(c, 32, -44);
        cairo_curve_to(c, 32, 0, 16, 12, 0, 14);
        cairo_curve_to(c, -16, 12, -32, 0, -32, -44);
        cairo_close_path(c);
        fillStroke(c, gold, lw);
        roundedRect(c, -6, 12, 12, 18, 2);
        fillStroke(c, goldDark, lw);
        roundedRect(c, -26, 28, 52, 16, 4);
        fillStroke(c, brown, lw);
        star(c, 0, -22, 14, 6, 5);
        fillStroke(c, white, lw * 0.6);
        ellipse(c, -18, -30, 4, 9);
        setColor(c, white, 0.5);
        cairo_fill(c);
        cairo_restore(c);
    });
}

void balloon(cairo_t* cr, double cx, double cy, double r, Rgb color) {
    cairo_move_to(cr, cx, cy + r * 1.2);
    cairo_curve_to(cr, cx - 10, cy + r * 1.8, cx + 12, cy + r * 2.2, cx - 4, cy + r * 3);
    setColor(cr, ink);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    shadowed(cr, cx - r - 10, cy - r * 1.3 - 10, 2 * r + 20, r * 2.8 + 20, [&](cairo_t* c) {
        ellipse(c, cx, cy, r, r * 1.2);
        fillStroke(c, color, 3);
        cairo_move_to(c, cx - 6, cy + r * 1.32);
        cairo_line_to(c, cx + 6, cy + r * 1.32);
        cairo_line_to(c, cx, cy + r * 1.18);
        cairo_close_path(c);
        fillStroke(c, color, 2);
        ellipse(c, cx - r * 0.35, cy - r * 0.45, r * 0.18, r * 0.3);
        setColor(c, white, 0.55);
        cairo_fill(c);
    });
}

// ------------------------------------------------------------ high scores

// The receipt that holds the table; the game prints rows at y 280 + 30 k.
void receipt(cairo_t* cr) {
    const double x0 = 390, x1 = 740, top = 212, bottom = 652;
    shadowed(cr, x0 - 10, top - 10, x1 - x0 + 20, bottom - top + 20, [&](cairo_t* c) {
        cairo_move_to(c, x0, top + 8);
        for (double x = x0; x < x1; x += 14) {
            cairo_line_to(c, x + 7, top);
            cairo_line_to(c, std::min(x + 14, x1), top + 8);
        }
        cairo_line_to(c, x1, bottom - 8);
        for (double x = x1; x > x0; x -= 14) {
            cairo_line_to(c, x - 7, bottom);
            cairo_line_to(c, std::max(x - 14, x0), bottom - 8);
        }
        cairo_close_path(c);
        fillStroke(c, paper, 3);
    }, Shadow{7, 9, 9, 0.3});
    // Alternate row tints under the printed rows.
    for (int k = 0; k < 10; k += 2) {
        cairo_rectangle(cr, x0 + 6, 284 + 30 * k, x1 - x0 - 12, 30);
        setColor(cr, yellow, 0.22);
        cairo_fill(cr);
    }
    TextStyle head;
    head.face = Face::Mono;
    head.size = 18;
    head.color = darker(grey, 0.45);
    head.align = Align::Center;
    text(cr, "GROCERUSH  \u2605  TOP SHOPPERS", 565, 234, head);
    cairo_move_to(cr, x0 + 14, 270);
    cairo_line_to(cr, x1 - 14, 270);
    const double dash[] = {6, 5};
    cairo_set_dash(cr, dash, 2, 0);
    setColor(cr, grey);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    TextStyle rank = head;
    rank.align = Align::Right;
    rank.size = 16;
    for (int k = 0; k < 10; ++k) text(cr, std::to_string(k + 1) + ".", 433, 290 + 30 * k, rank);
    // Medals for the top three.
    const Rgb medals[] = {hex(0xF6C445), grey, hex(0xD08C5B)};
    for (int k = 0; k < 3; ++k) {
        ellipse(cr, 716, 300 + 30 * k, 9, 9);
        fillStroke(cr, medals[k], 2);
    }
    cairo_move_to(cr, x0 + 14, 598);
    cairo_line_to(cr, x1 - 14, 598);
    cairo_set_dash(cr, dash, 2, 0);
    setColor(cr, grey);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    // Barcode.
    Random rnd(3);
    for (double x = 470; x < 660;) {
        const double w = 1 + rnd.next() % 4;
        cairo_rectangle(cr, x, 608, w, 28);
        setColor(cr, ink);
        cairo_fill(cr);
        x += w + 1 + rnd.next() % 3;
    }
}

void highScorePaint(cairo_t* cr) {
    verticalGradient(cr, 768, lighter(sky, 0.3), paper);
    rays(cr, 565, 420, 24, white, 0.35, 0.05);
    checkedFloor(cr, 660);
    confetti(cr, 0, 0, 1024, 620, 70, 17);
    // Heading banner over the receipt.
    shadowed(cr, 240, 80, 650, 130, [](cairo_t* c) {
        roundedRect(c, 270, 94, 590, 100, 24);
        fillStroke(c, red, 3.5);
        roundedRect(c, 282, 104, 566, 30, 15);
        setColor(c, white, 0.25);
        cairo_fill(c);
        TextStyle t;
        t.face = Face::Stencil;
        t.size = 76;
        t.color = white;
        t.outline = 3;
        t.align = Align::Center;
        t.spacing = 4;
        text(c, "HIGH SCORES", 565, 104, t);
    });
    star(cr, 256, 112, 30, 13, 5, 0.2);
    fillStroke(cr, yellow, 3);
    star(cr, 874, 176, 24, 10, 5, -0.2);
    fillStroke(cr, yellow, 3);
    receipt(cr);
    // Left: the trolley that earned it; right: the cup.
    trolley(cr, 200, 520, 260, true);
    product(cr, Product::Oranges, 90, 690, 60);
    product(cr, Product::Cereals, 320, 700, 64, 0.1);
    trophy(cr, 880, 420, 150);
    product(cr, Product::Choc, 820, 640, 70, -0.2);
    product(cr, Product::IceCream, 940, 630, 70, 0.2);
    sparkle(cr, 930, 320, 16);
    sparkle(cr, 800, 350, 10);
    // How to go on.
    shadowed(cr, 420, 676, 290, 70, [](cairo_t* c) {
        roundedRect(c, 430, 684, 270, 52, 26);
        fillStroke(c, navy, 3);
        TextStyle t;
        t.face = Face::SansBold;
        t.size = 24;
        t.color = white;
        t.align = Align::Center;
        text(c, "Press Enter \u23CE", 565, 695, t);
    });
}

// ------------------------------------------------------------ end screens

void victoryPaint(cairo_t* cr) {
    verticalGradient(cr, 768, hex(0xFFE8A3), lighter(pink, 0.4));
    rays(cr, 512, 330, 28, white, 0.4);
    checkedFloor(cr, 690);
    confetti(cr, 0, 0, 1024, 700, 150, 41);
    heading(cr, "You did it!", 512, 10, 150, yellow, orange);
    ribbon(cr, 512, 200, 460, "ALL TEN SHOPS DONE!", red);
    // The loaded trolley between two cups.
    glowed(cr, 300, 250, 424, 180, [](cairo_t* c) {
        ellipse(c, 512, 340, 150, 70);
        setColor(c, white);
        cairo_fill(c);
    }, white, 30, 0.7);
    trolley(cr, 512, 338, 170, true);
    trophy(cr, 300, 340, 100);
    trophy(cr, 724, 340, 100);
    sparkle(cr, 420, 280, 16);
    sparkle(cr, 610, 270, 12);
    sparkle(cr, 640, 388, 10, yellow);
    // Balloons and presents on the sides, clear of the score box.
    balloon(cr, 70, 250, 38, red);
    balloon(cr, 150, 300, 34, teal);
    balloon(cr, 110, 440, 40, yellow);
    balloon(cr, 930, 260, 38, purple);
    balloon(cr, 860, 330, 34, orange);
    balloon(cr, 940, 450, 40, sky);
    product(cr, Product::Pizza, 90, 640, 90, 0.1);
    product(cr, Product::Strawberry, 180, 700, 56, -0.3);
    product(cr, Product::IceCream, 870, 620, 90, 0.15);
    product(cr, Product::Choc, 960, 700, 70, -0.2);
}

void gameOverPaint(cairo_t* cr) {
    verticalGradient(cr, 768, hex(0xC9D6F0), lighter(sky, 0.5));
    rays(cr, 512, 300, 20, white, 0.3, 0.1);
    checkedFloor(cr, 690);
    heading(cr, "Time\u2019s up!", 512, 10, 150, tomato, red);
    ribbon(cr, 512, 196, 340, "GAME OVER", navy, Face::Stencil);
    // The alarm rings out, shaking with its motion marks.
    shadowed(cr, 400, 240, 224, 170, [](cairo_t* c) { stopwatch(c, 512, 322, 140, 0.0, true); });
    for (int s = -1; s <= 1; s += 2)
        for (int i = 0; i < 3; ++i) {
            cairo_move_to(cr, 512 + s * (96 + i * 12), 300 + i * 16);
            cairo_line_to(cr, 512 + s * (118 + i * 12), 296 + i * 16);
        }
    setColor(cr, ink);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    TextStyle t;
    t.face = Face::SansBold;
    t.size = 26;
    t.color = navy;
    t.align = Align::Center;
    text(cr, "Never mind, the shop opens again. Have another go!", 512, 386, t);
    // Spilt shopping on both sides.
    shadowed(cr, 20, 440, 220, 200, [](cairo_t* c) {
        cairo_save(c);
        cairo_translate(c, 120, 560);
        cairo_rotate(c, -0.5);
        drawTrolley(c, 0, 0, 170, false, false);
        cairo_restore(c);
    });
    product(cr, Product::Oranges, 60, 690, 50, 0.3);
    product(cr, Product::Oranges, 180, 710, 44, 1.1);
    product(cr, Product::Milk, 140, 430, 62, 1.3);
    product(cr, Product::Bread, 900, 700, 76, 0.2);
    product(cr, Product::Tomatoes, 970, 640, 50);
    shadowed(cr, 810, 440, 200, 220, [](cairo_t* c) { wetFloorSign(c, 900, 560, 150); });
    product(cr, Product::Eggs, 60, 280, 64, -0.2);
    product(cr, Product::Bananas, 960, 290, 64, 0.3);
}

// 564 x 300, drawn at (230, 420); the game types the initials at local (220, 220).
void highScoreBoxPaint(cairo_t* cr) {
    shadowed(cr, 0, 0, 564, 300, [](cairo_t* c) {
        roundedRect(c, 4, 4, 548, 284, 26);
        fillStroke(c, paper, 3);
        cairo_save(c);
        roundedRect(c, 4, 4, 548, 284, 26);
        cairo_clip(c);
        cairo_rectangle(c, 4, 4, 548, 70);
        setColor(c, red);
        cairo_fill(c);
        cairo_move_to(c, 4, 74);
        cairo_line_to(c, 552, 74);
        setColor(c, ink);
        cairo_set_line_width(c, 3);
        cairo_stroke(c);
        cairo_restore(c);
        roundedRect(c, 4, 4, 548, 284, 26);
        setColor(c, ink);
        cairo_set_line_width(c, 3);
        cairo_stroke(c);
        TextStyle h;
        h.face = Face::Script;
        h.size = 46;
        h.color = white;
        h.outline = 2.5;
        h.align = Align::Center;
        text(c, "Enter your initials", 278, 10, h);
        TextStyle b;
        b.face = Face::Sans;
        b.size = 21;
        b.color = ink;
        b.align = Align::Center;
        text(c, "Type three letters for the high-score table", 278, 92, b);
        // Entry field.
        roundedRect(c, 200, 206, 180, 70, 14);
        fillStroke(c, white, 3);
        roundedRect(c, 204, 210, 172, 8, 4);
        setColor(c, grey, 0.35);
        cairo_fill(c);
        for (int i = 0; i < 3; ++i) {
            cairo_move_to(c, 222 + i * 44, 266);
            cairo_line_to(c, 254 + i * 44, 266);
        }
        setColor(c, grey);
        cairo_set_line_width(c, 3);
        cairo_stroke(c);
        TextStyle l;
        l.face = Face::SansBold;
        l.size = 17;
        l.color = darker(grey, 0.45);
        text(c, "YOUR INITIALS", 204, 180, l);
        TextStyle e;
        e.face = Face::SansBold;
        e.size = 18;
        e.color = navy;
        e.align = Align::Center;
        text(c, "then press", 470, 180, e);
    });
    keyCap(cr, 420, 212, "Enter \u23CE", 50, 100);
    drawTrolley(cr, 100, 226, 120, true);
    sparkle(cr, 168, 168, 10, yellow);
}

}  // namespace

Surface highScore() {
    Sheet s(1024, 768, 1, 1);
    s.frame(0, highScorePaint);
    return s.take();
}

Surface victory() {
    Sheet s(1024, 768, 1, 1);
    s.frame(0, victoryPaint);
    return s.take();
}

Surface gameOver() {
    Sheet s(1024, 768, 1, 1);
    s.frame(0, gameOverPaint);
    return s.take();
}

Surface highScoreBox() {
    Sheet s(564, 300, 1, 1);
    s.frame(0, highScoreBoxPaint);
    return s.take();
}

}  // namespace art
