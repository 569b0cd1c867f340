// The two tall pages: how to play (scrolled by the player) and the credits
// (rising by themselves), each over a still background.
#include "pictures.h"
#include "props.h"

#include <cmath>
#include <string>
#include <vector>

namespace art {

using namespace pal;

namespace {

constexpr double kCardX = 72, kCardW = 880;

TextStyle body(double size = 23, Rgb color = ink) {
    TextStyle t;
    t.face = Face::Sans;
    t.size = size;
    t.color = color;
    return t;
}

TextStyle bold(double size = 23, Rgb color = ink) {
    TextStyle t = body(size, color);
    t.face = Face::SansBold;
    return t;
}

// A paper card with a coloured header tab; returns the top of its body.
double card(cairo_t* cr, double y, double h, const std::string& title, Rgb accent, double x = kCardX,
            double w = kCardW) {
    shadowed(cr, x - 10, y - 10, w + 20, h + 20, [&](cairo_t* c) {
        roundedRect(c, x, y, w, h, 22);
        fillStroke(c, paper, 3);
        // Header band.
        cairo_save(c);
        roundedRect(c, x, y, w, h, 22);
        cairo_clip(c);
        cairo_rectangle(c, x, y, w, 64);
        setColor(c, accent);
        cairo_fill(c);
        cairo_move_to(c, x, y + 64);
        cairo_line_to(c, x + w, y + 64);
        setColor(c, ink);
        cairo_set_line_width(c, 3);
        cairo_stroke(c);
        cairo_restore(c);
        roundedRect(c, x, y, w, h, 22);
        setColor(c, ink);
        cairo_set_line_width(c, 3);
        cairo_stroke(c);
        TextStyle t;
        t.face = Face::Script;
        t.size = 44;
        t.color = white;
        t.outline = 2.5;
        text(c, title, x + 28, y + 4, t);
    }, Shadow{6, 8, 8, 0.25});
    return y + 84;
}

// A numbered round badge for steps.
void stepBadge(cairo_t* cr, double cx, double cy, const std::string& n, Rgb color) {
    ellipse(cr, cx, cy, 19, 19);
    fillStroke(cr, color, 2.5);
    TextStyle t = bold(22, white);
    t.align = Align::Center;
    double w, h;
    measure(n, t, &w, &h);
    text(cr, n, cx, cy - h / 2, t);
}

void arrowRight(cairo_t* cr, double x, double y, double len) {
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + len, y);
    cairo_move_to(cr, x + len - 10, y - 9);
    cairo_line_to(cr, x + len, y);
    cairo_line_to(cr, x + len - 10, y + 9);
    setColor(cr, ink, 0.7);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
}

// A highlighted pill for short notes ("No clock!").
void pill(cairo_t* cr, double x, double y, const std::string& s, Rgb fill, Rgb color = white, double size = 20) {
    TextStyle t = bold(size, color);
    double w, h;
    measure(s, t, &w, &h);
    roundedRect(cr, x, y, w + 28, h + 10, (h + 10) / 2);
    fillStroke(cr, fill, 2.5);
    text(cr, s, x + 14, y + 5, t);
}

// ------------------------------------------------------------ backgrounds

// Floor tiles seen from above, with top-down shelf runs along both edges.
void aisleBackground(cairo_t* cr, double height, unsigned seed) {
    setColor(cr, cream);
    cairo_rectangle(cr, 0, 0, 1024, height);
    cairo_fill(cr);
    for (int j = 0; j * 64 < height; ++j)
        for (int i = 0; i < 16; ++i)
            if ((i + j) % 2) {
                cairo_rectangle(cr, i * 64, j * 64, 64, 64);
                setColor(cr, creamDark, 0.55);
                cairo_fill(cr);
            }
    // Light falling across the floor.
    for (int k = 0; k < 4; ++k) {
        const double x = 100 + k * 260;
        cairo_move_to(cr, x, 0);
        cairo_line_to(cr, x + 120, 0);
        cairo_line_to(cr, x - 80, height);
        cairo_line_to(cr, x - 200, height);
        cairo_close_path(cr);
        setColor(cr, white, 0.18);
        cairo_fill(cr);
    }
    Random rnd(seed);
    for (int side = 0; side < 2; ++side) {
        const double x = side ? 1024 - 58 : 0;
        cairo_rectangle(cr, x, 0, 58, height);
        setColor(cr, shelf);
        cairo_fill(cr);
        cairo_rectangle(cr, side ? x : x + 48, 0, 10, height);
        setColor(cr, navy);
        cairo_fill(cr);
        for (double y = 20; y < height - 20; y += 56) {
            const Product p = Product(rnd.next() % int(Product::Count));
            drawProduct(cr, p, side ? x + 32 : x + 26, y + 20, 40, rnd.uniform(-0.3, 0.3));
        }
    }
    // Soft vignette so the cards stand out.
    cairo_pattern_t* g = cairo_pattern_create_radial(512, height / 2, 200, 512, height / 2, 700);
    cairo_pattern_add_color_stop_rgba(g, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.17, 0.18, 0.26, 0.25);
    cairo_set_source(cr, g);
    cairo_rectangle(cr, 0, 0, 1024, height);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void bigHeading(cairo_t* cr, const std::string& s, double y, double size) {
    TextStyle t;
    t.face = Face::Script;
    t.size = size;
    t.align = Align::Center;
    shadowed(cr, 80, y - 10, 864, size * 1.5, [&](cairo_t* c) {
        TextStyle rim = t;
        rim.color = white;
        rim.outline = size * 0.09;
        rim.outlineColor = white;
        text(c, s, 512, y, rim);
        TextStyle line = t;
        line.color = yellow;
        line.outline = size * 0.05;
        text(c, s, 512, y, line);
        cairo_save(c);
        textPath(c, s, 512, y, t);
        cairo_clip(c);
        cairo_rectangle(c, 0, y + size * 0.62, 1024, size);
        setColor(c, orange);
        cairo_fill(c);
        cairo_restore(c);
    }, Shadow{5, 7, 7, 0.3});
}

// ------------------------------------------------------------ instructions

struct ControlRow {
    std::vector<std::string> keys;
    std::string pad;  // controller legend, shown as coloured buttons
    std::string what;
};

double keysRow(cairo_t* cr, double x, double y, const std::vector<std::string>& keys, Rgb sep = ink) {
    for (size_t i = 0; i < keys.size(); ++i) {
        if (keys[i] == "+" || keys[i] == "/") {
            TextStyle t = bold(26, sep);
            text(cr, keys[i], x + 2, y + 6, t);
            x += 24;
            continue;
        }
        x += keyCap(cr, x, y, keys[i], 46, 46) + 8;
    }
    return x;
}

void instructionsPage(cairo_t* cr) {
    // Header.
    bigHeading(cr, "How to Play", 14, 112);
    TextStyle sub = bold(26, navy);
    sub.align = Align::Center;
    text(cr, "Grab the list, beat the clock, pay at the checkout!", 512, 168, sub);
    // How to move about this page.
    shadowed(cr, 150, 210, 724, 76, [&](cairo_t* c) {
        roundedRect(c, 162, 218, 700, 62, 31);
        fillStroke(c, navy, 3);
        TextStyle t = bold(24, white);
        text(c, "Hold", 196, 233, t);
        double x = keysRow(c, 262, 226, {"\u2193", "/", "\u2191"}, white);
        text(c, "to scroll,", x + 4, 233, t);
        double w, h;
        measure("to scroll,", t, &w, &h);
        x = keyCap(c, x + w + 18, 226, "Enter", 46, 46) + x + w + 18;
        text(c, "to go back", x + 12, 233, t);
    });

    // 1. The goal of every shop.
    double y = card(cr, 316, 400, "Your mission", red);
    struct Step {
        const char* num;
        const char* title;
        const char* text;
    };
    const Step steps[] = {
        {"1", "Read the list", "It is on the left of the shop"},
        {"2", "Grab it all", "Drive into each product"},
        {"3", "Beat the clock", "60 seconds per shop"},
        {"4", "Pay up", "Wait 3 s on the pay spot"},
    };
    for (int i = 0; i < 4; ++i) {
        const double cx = kCardX + 110 + i * 220;
        if (i == 0) shoppingList(cr, cx, y + 70, 110, 2);
        if (i == 1) {
            trolley(cr, cx - 12, y + 76, 104, true);
            product(cr, Product::Strawberry, cx + 52, y + 30, 40, 0.2);
        }
        if (i == 2) stopwatch(cr, cx, y + 70, 104, 0.7);
        if (i == 3) {
            checkout(cr, cx + 16, y + 66, 92);
            paySpot(cr, cx - 44, y + 104, 50, true);
        }
        if (i < 3) arrowRight(cr, cx + 70, y + 70, 60);
        stepBadge(cr, cx - 70, y + 150, steps[i].num, red);
        TextStyle t = bold(22, ink);
        text(cr, steps[i].title, cx - 44, y + 137, t);
        TextStyle d = body(18, darker(grey, 0.45));
        d.wrap = 190;
        text(cr, steps[i].text, cx - 88, y + 176, d);
    }
    TextStyle note = body(22);
    note.wrap = 820;
    text(cr,
         "Each product you pick up is crossed off the list. When the list is complete the pay spot "
         "by the checkout lights up: park on it for <b>3 seconds</b> to pay and go on to the next shop. "
         "If the clock reaches 0, the game is over.",
         kCardX + 30, y + 228, note);
    // Nudge to read on.
    TextStyle more = bold(22, navy);
    more.align = Align::Center;
    text(cr, "\u25BC  Hold Down to read on  \u25BC", 512, 734, more);

    // 2. Controls.
    y = card(cr, 790, 560, "Controls", shelf);
    const ControlRow rows[] = {
        {{"\u2190", "\u2191", "\u2193", "\u2192"}, "pad", "Drive the trolley (arrow keys or the D-pad)"},
        {{"Enter"}, "A START", "Choose in the menus"},
        {{"O"}, "", "Show the shop's objectives again (the clock stops)"},
        {{"Esc"}, "", "Leave the shop and go back to the title"},
        {{"Y"}, "", "At the waste bin: empty the trolley (costs 50 points)"},
        {{"Home"}, "", "Pause the game"},
        {{"Alt", "+", "Enter"}, "", "Full screen"},
        {{"Esc"}, "", "Back to a window (from full screen)"},
    };
    for (int i = 0; i < 8; ++i) {
        const double ry = y + i * 56;
        if (i % 2 == 0) {
            roundedRect(cr, kCardX + 16, ry - 4, kCardW - 32, 56, 12);
            setColor(cr, creamDark, 0.45);
            cairo_fill(cr);
        }
        double x = keysRow(cr, kCardX + 34, ry, rows[i].keys);
        if (rows[i].pad == "pad") {
            dPad(cr, x + 30, ry + 23, 46);
            x += 62;
        } else if (!rows[i].pad.empty()) {
            TextStyle t = bold(22);
            text(cr, "/", x, ry + 9, t);
            padButton(cr, x + 42, ry + 23, 44, "A", leaf);
            padButton(cr, x + 100, ry + 23, 44, "START", grey);
            x += 130;
        }
        TextStyle t = body(22);
        text(cr, rows[i].what, std::max(x + 16, kCardX + 330.0), ry + 10, t);
    }
    TextStyle tip = body(20, darker(grey, 0.5));
    tip.wrap = 820;
    text(cr,
         "<b>Tip:</b> the trolley waits 2 s at the start; the clock starts with your first move.",
         kCardX + 30, y + 456, tip);

    // 3. Points.
    y = card(cr, 1390, 400, "Points", orange);
    coin(cr, kCardX + 80, y + 50, 70, "+10");
    TextStyle t = body(22);
    t.wrap = 300;
    text(cr, "Every product is worth points; the pricier it is, the more you get.", kCardX + 128, y + 16, t);
    coin(cr, kCardX + 80, y + 150, 70, "+50");
    text(cr, "Paying at the checkout adds 50 points.", kCardX + 128, y + 128, t);
    // Time bonus table.
    const double tx = kCardX + 470;
    roundedRect(cr, tx, y, 380, 230, 16);
    fillStroke(cr, white, 2.5);
    TextStyle th = bold(24, navy);
    text(cr, "Time bonus when you pay", tx + 22, y + 14, th);
    const char* left[] = {"45 to 55 s left", "35 to 44 s left", "25 to 34 s left"};
    const char* bonus[] = {"+15", "+10", "+5"};
    for (int i = 0; i < 3; ++i) {
        const double ry = y + 62 + i * 46;
        stopwatch(cr, tx + 40, ry + 16, 36, 0.85 - i * 0.17);
        TextStyle r = body(22);
        text(cr, left[i], tx + 70, ry + 3, r);
        TextStyle b = bold(24, darkGreen);
        b.align = Align::Right;
        text(cr, bonus[i], tx + 350, ry + 1, b);
    }
    TextStyle small = body(18, darker(grey, 0.5));
    small.wrap = 340;
    text(cr, "Any other time left: no bonus.", tx + 22, y + 200, small);
    TextStyle warn = body(21);
    warn.wrap = 800;
    text(cr, "Watch out: bumping into shoppers and unwanted products cost points, and the score can even go below zero.",
         kCardX + 30, y + 250, warn);

    // 4. Things in the way.
    y = card(cr, 1830, 520, "Watch out!", teal);
    struct Hazard {
        void (*draw)(cairo_t*, double, double, double);
        const char* title;
        const char* text;
    };
    auto drawWet = [](cairo_t* c, double x, double yy, double s) { shadowed(c, x - s, yy - s, 2 * s, 2 * s, [&](cairo_t* k) { wetFloorSign(k, x, yy, s); }); };
    auto drawSlow = [](cairo_t* c, double x, double yy, double s) { slowZone(c, x, yy, s); };
    auto drawPush = [](cairo_t* c, double x, double yy, double s) { shadowed(c, x - s, yy - s, 2 * s, 2 * s, [&](cairo_t* k) { pushchair(k, x, yy, s); }); };
    auto drawShop = [](cairo_t* c, double x, double yy, double s) {
        shadowed(c, x - s, yy - s, 2 * s, 2 * s, [&](cairo_t* k) {
            shopper(k, x - s * 0.22, yy, s, false);
            shopper(k, x + s * 0.3, yy + 4, s * 0.95, true);
        });
    };
    const Hazard hz[] = {
        {drawWet, "Wet-floor sign", "Level 1. It stands in the aisle and the trolley bounces off it."},
        {drawSlow, "Slow zones", "Levels 2, 4, 9 and 10. A wet patch where the trolley crawls at a third of its speed."},
        {drawPush, "Pushchair", "Level 7. Parked in an aisle: steer round it."},
        {drawShop, "Shoppers", "Levels 5 and 8. They walk their rounds; every bump costs 5 points (once a second at most)."},
    };
    for (int i = 0; i < 4; ++i) {
        const double hx = kCardX + 30 + (i % 2) * 425, hy = y + (i / 2) * 190;
        hz[i].draw(cr, hx + 60, hy + 70, 110);
        TextStyle ht = bold(24, teal);
        text(cr, hz[i].title, hx + 130, hy + 8, ht);
        TextStyle hb = body(20);
        hb.wrap = 270;
        text(cr, hz[i].text, hx + 130, hy + 42, hb);
    }
    TextStyle wall = body(21);
    wall.wrap = 800;
    text(cr, "Shelves, freezers and counters are solid too: the trolley bounces off them.",
         kCardX + 30, y + 386, wall);

    // 5. The weighing shops.
    y = card(cr, 2390, 520, "Weighing shops: levels 3 and 6", purple);
    pill(cr, kCardX + 30, y, "No clock!", red);
    TextStyle wb = body(22);
    wb.wrap = 520;
    text(cr,
         "Fill the trolley with the kinds on the list until it weighs <b>exactly</b> the target: "
         "<b>285</b> in level 3, <b>300</b> in level 6. Every product has its own weight.",
         kCardX + 30, y + 50, wb);
    scaleGauge(cr, kCardX + 720, y + 76, 170);
    const char* wsteps[] = {
        "Drive onto the <b>mini scale</b> and stay there while the gauge fills.",
        "The <b>green light</b> means your basket is weighed: go and pay.",
        "Wrong weight? At the <b>waste bin</b> press <b>Y</b> to empty the trolley (costs 50 points), then fill it again.",
    };
    for (int i = 0; i < 3; ++i) {
        const double ry = y + 178 + i * 72;
        stepBadge(cr, kCardX + 50, ry + 20, std::to_string(i + 1), purple);
        TextStyle s = body(21);
        s.wrap = 560;
        text(cr, wsteps[i], kCardX + 84, ry + 4, s);
    }
    shadowed(cr, kCardX + 640, y + 190, 220, 200, [&](cairo_t* c) {
        miniScale(c, kCardX + 690, y + 230, 90);
        wasteBin(c, kCardX + 800, y + 250, 90);
    });
    keyCap(cr, kCardX + 777, y + 326, "Y", 46, 46);
    TextStyle lab = bold(17, darker(grey, 0.5));
    lab.align = Align::Center;
    text(cr, "mini scale", kCardX + 690, y + 262, lab);
    text(cr, "waste bin", kCardX + 800, y + 298, lab);

    // 6. The last two shops.
    y = card(cr, 2950, 540, "Levels 9 and 10: wanted or not?", leaf);
    TextStyle lb = body(21);
    lb.wrap = 820;
    text(cr,
         "Here the list only says how many lines to strike. A <b>wanted</b> product strikes a line; an "
         "<b>unwanted</b> one costs points and undoes a line.",
         kCardX + 30, y, lb);
    // Wanted vs unwanted for each level.
    struct Side {
        const char* title;
        std::vector<Product> good, bad;
        const char* need;
    };
    const Side sides[] = {
        {"Level 9: fruit only",
         {Product::Strawberry, Product::Bananas, Product::Oranges, Product::Grapes},
         {Product::Pizza, Product::Sausages, Product::Bacon, Product::IceCream},
         "Strike 4 lines to pay"},
        {"Level 10: treat day",
         {Product::Pizza, Product::Choc, Product::Crisps, Product::IceCream, Product::ChocMilk},
         {Product::Strawberry, Product::Bananas, Product::Oranges, Product::Grapes},
         "Strike 5 lines to pay"},
    };
    for (int s = 0; s < 2; ++s) {
        const double sx = kCardX + 24 + s * 420, sy = y + 70;
        roundedRect(cr, sx, sy, 408, 210, 16);
        fillStroke(cr, white, 2.5);
        text(cr, sides[s].title, sx + 18, sy + 10, bold(23, darkGreen));
        TextStyle lbl = bold(18, leaf);
        text(cr, "\u2714 want", sx + 18, sy + 56, lbl);
        for (size_t i = 0; i < sides[s].good.size(); ++i) drawProduct(cr, sides[s].good[i], sx + 130 + i * 54, sy + 68, 46);
        lbl.color = red;
        text(cr, "\u2718 avoid", sx + 18, sy + 118, lbl);
        for (size_t i = 0; i < sides[s].bad.size(); ++i) {
            drawProduct(cr, sides[s].bad[i], sx + 130 + i * 54, sy + 130, 46);
        }
        text(cr, sides[s].need, sx + 18, sy + 172, bold(19, navy));
    }
    text(cr, "(In level 10 one cereal box is wanted and the other is not.)", kCardX + 30, y + 290, body(18, darker(grey, 0.5)));
    boostIcon(cr, kCardX + 70, y + 366, 66);
    TextStyle pb = body(20);
    pb.wrap = 300;
    text(cr, "<b>Boost:</b> double speed for 5 seconds.", kCardX + 112, y + 340, pb);
    itemDropIcon(cr, kCardX + 490, y + 366, 66);
    pb.wrap = 330;
    text(cr, "<b>Item drop:</b> every product goes back on the floor and the list starts again.", kCardX + 532, y + 330, pb);
    TextStyle fb = body(20);
    fb.wrap = 820;
    text(cr, "Instead of the time bonus, extra lines pay: 5 lines +5, 6 lines +10, 7 lines +15.", kCardX + 30, y + 420, fb);

    // 7. The shops at a glance.
    y = card(cr, 3530, 380, "The ten shops", navy);
    const char* levels[] = {
        "Six products and a wet-floor sign",  "Eight kinds, two milk cartons, a slow zone",
        "Weigh in fruit and veg: 285",        "Fresh food, big points, a slow zone",
        "Shoppers on the move",               "Weigh in fresh food: 300",
        "Eight kinds and a pushchair",        "Four shoppers, nine products",
        "Fruit only! Boost and item drop",    "Treat day: the final shop",
    };
    for (int i = 0; i < 10; ++i) {
        const double lx = kCardX + 28 + (i / 5) * 430, ly = y + (i % 5) * 54;
        stepBadge(cr, lx + 20, ly + 18, std::to_string(i + 1), i == 2 || i == 5 ? purple : i >= 8 ? leaf : navy);
        TextStyle lt = body(20);
        lt.wrap = 370;
        text(cr, levels[i], lx + 50, ly + 6, lt);
    }

    // Send-off.
    trolley(cr, 220, 3990, 110, true);
    TextStyle end = bold(30, navy);
    end.align = Align::Center;
    text(cr, "Ready? Press Enter and hit Start!", 560, 3960, end);
    product(cr, Product::Bananas, 890, 3980, 60, 0.3);
}

// ------------------------------------------------------------ credits

void creditsBackground(cairo_t* cr) {
    cairo_pattern_t* wall = cairo_pattern_create_linear(0, 0, 0, 620);
    cairo_pattern_add_color_stop_rgb(wall, 0, lighter(sky, 0.35).r, lighter(sky, 0.35).g, lighter(sky, 0.35).b);
    cairo_pattern_add_color_stop_rgb(wall, 1, paper.r, paper.g, paper.b);
    cairo_set_source(cr, wall);
    cairo_rectangle(cr, 0, 0, 1024, 768);
    cairo_fill(cr);
    cairo_pattern_destroy(wall);
    // Bunting across the top.
    const Rgb flags[] = {red, yellow, teal, pink, orange, sky, leaf, purple};
    for (int row = 0; row < 2; ++row) {
        const double base = 18 + row * 40;
        cairo_move_to(cr, 0, base);
        for (int x = 0; x <= 1024; x += 16) cairo_line_to(cr, x, base + 14 * std::sin(x * M_PI / 256.0 + row));
        setColor(cr, ink);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        for (int i = 0; i < 16; ++i) {
            const double x = 20 + i * 64 + row * 32;
            const double yy = base + 14 * std::sin(x * M_PI / 256.0 + row);
            cairo_move_to(cr, x - 16, yy);
            cairo_line_to(cr, x + 16, yy);
            cairo_line_to(cr, x, yy + 34);
            cairo_close_path(cr);
            fillStroke(cr, flags[(i + row * 3) % 8], 2);
        }
    }
    // The shop floor and the checkout, seen once the page has risen.
    cairo_rectangle(cr, 0, 620, 1024, 148);
    setColor(cr, cream);
    cairo_fill(cr);
    for (int i = 0; i < 16; ++i) {
        cairo_rectangle(cr, i * 64, 620 + (i % 2) * 37, 64, 37);
        cairo_rectangle(cr, i * 64, 694 + (i % 2) * 37, 64, 37);
    }
    setColor(cr, creamDark);
    cairo_fill(cr);
    cairo_rectangle(cr, 0, 612, 1024, 10);
    setColor(cr, navy);
    cairo_fill(cr);
    shadowed(cr, 40, 420, 400, 320, [&](cairo_t* c) {
        checkout(c, 190, 560, 300);
        shopper(c, 380, 560, 170, true);
    });
    shadowed(cr, 560, 420, 440, 320, [&](cairo_t* c) {
        shopper(c, 640, 570, 160, false);
        drawTrolley(c, 820, 600, 210, true, true);
    });
    product(cr, Product::Grapes, 960, 680, 60, 0.2);
    confetti(cr, 0, 90, 1024, 320, 60, 99);
}

struct Member {
    const char* name;
    const char* role;
    Rgb color;
};

void creditsPage(cairo_t* cr) {
    bigHeading(cr, "Grocerush", 10, 104);
    TextStyle sub = bold(24, navy);
    sub.align = Align::Center;
    text(cr, "was made with love by <span foreground=\"#E63946\">Vantrel Games</span>, a Kelbrin Group studio", 512,
         150, sub);

    double y = card(cr, 200, 268, "The team", red);
    const Member team[] = {
        {"Mira Okafor", "Game director and design", teal},
        {"Tomasz Reyes", "Lead programmer", shelf},
        {"Jun Ashworth", "Engine and platform code", purple},
        {"Priya Lindqvist", "Art and animation", orange},
        {"Callum Bright", "Music and sound", leaf},
        {"Hana Moreau", "Levels and testing", pink},
    };
    for (int i = 0; i < 6; ++i) {
        const double mx = kCardX + 24 + (i % 3) * 290, my = y + (i / 3) * 70;
        ellipse(cr, mx + 26, my + 28, 26, 26);
        fillStroke(cr, team[i].color, 2.5);
        std::string initials;
        initials += team[i].name[0];
        initials += std::string(team[i].name).substr(std::string(team[i].name).find(' ') + 1, 1);
        TextStyle it = bold(20, white);
        it.align = Align::Center;
        text(cr, initials, mx + 26, my + 16, it);
        text(cr, team[i].name, mx + 66, my + 2, bold(24));
        text(cr, team[i].role, mx + 66, my + 32, body(18, darker(grey, 0.5)));
    }
    TextStyle thanks = body(20);
    thanks.wrap = 820;
    text(cr, "<b>Special thanks</b> to the Kelbrin Group and to every shopper who tested a trolley.",
         kCardX + 30, y + 144, thanks);

    y = card(cr, 488, 250, "Built with free software", shelf);
    const char* libs[][2] = {
        {"SDL2", "window, input, drawing"}, {"SDL_image", "loading pictures"},
        {"SDL_ttf", "drawing text"},        {"FreeType", "font rendering"},
        {"fontconfig", "finding fonts"},    {"FAudio", "music and sound"},
        {"libpng", "PNG pictures"},         {"zlib", "compression"},
    };
    for (int i = 0; i < 8; ++i) {
        const double lx = kCardX + 24 + (i % 4) * 210, ly = y + (i / 4) * 78;
        roundedRect(cr, lx, ly, 196, 66, 12);
        fillStroke(cr, white, 2.5);
        text(cr, libs[i][0], lx + 14, ly + 6, bold(23, navy));
        text(cr, libs[i][1], lx + 14, ly + 38, body(16, darker(grey, 0.5)));
    }

    y = card(cr, 758, 262, "Fonts and tools", purple);
    struct FontLine {
        const char* name;
        Face face;
        const char* licence;
    };
    const FontLine fonts[] = {
        {"Liberation Sans", Face::SansBold, "SIL Open Font License"},
        {"Liberation Mono", Face::Mono, "SIL Open Font License"},
        {"Allerta Stencil", Face::Stencil, "SIL Open Font License"},
        {"DSEG", Face::Lcd14, "SIL Open Font License"},
        {"Lobster Two", Face::Script, "SIL Open Font License"},
        {"DejaVu", Face::DejaVuBold, "DejaVu Fonts License (free)"},
    };
    for (int i = 0; i < 6; ++i) {
        const double fx = kCardX + 30 + (i % 2) * 430, fy = y + (i / 2) * 46;
        TextStyle ft;
        ft.face = fonts[i].face;
        ft.size = fonts[i].face == Face::Lcd14 ? 20 : 25;
        ft.color = purple;
        text(cr, fonts[i].name, fx, fy + (fonts[i].face == Face::Lcd14 ? 4 : 0), ft);
        double w, h;
        measure(fonts[i].name, ft, &w, &h);
        text(cr, fonts[i].licence, fx + w + 12, fy + 6, body(17, darker(grey, 0.5)));
    }
    text(cr, "<b>Tools:</b> cairo, pango and librsvg for the pictures; GoogleTest for the tests.", kCardX + 30,
         y + 142, body(20));

    // The last view, where the page stops rising.
    bigHeading(cr, "Thanks for playing!", 1104, 100);
    // A plate behind the small print keeps it readable over the shop scene.
    shadowed(cr, 300, 1220, 424, 110, [](cairo_t* c) {
        roundedRect(c, 312, 1228, 400, 92, 20);
        fillStroke(c, paper, 3);
    });
    TextStyle see = bold(28, navy);
    see.align = Align::Center;
    text(cr, "See you at the checkout!", 512, 1236, see);
    product(cr, Product::Strawberry, 250, 1262, 56, -0.3);
    product(cr, Product::Milk, 780, 1262, 56, 0.2);
    sparkle(cr, 160, 1134, 18, yellow);
    sparkle(cr, 870, 1124, 22, yellow);
    TextStyle copy = body(18, darker(grey, 0.5));
    copy.align = Align::Center;
    text(cr, "Vantrel Games \u00B7 a Kelbrin Group company", 512, 1288, copy);
}

}  // namespace

Surface instructions() {
    Sheet s(1024, 4100, 2, 2);
    // Only the top screenful of the background is ever seen.
    s.frame(0, [](cairo_t* cr) { aisleBackground(cr, 768, 5); });
    s.frame(1, instructionsPage);
    return s.take();
}

Surface credits() {
    Sheet s(1024, 1400, 2, 2);
    s.frame(0, creditsBackground);
    s.frame(1, creditsPage);
    return s.take();
}

}  // namespace art
