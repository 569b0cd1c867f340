// Small illustrations the screens share: the products, the trolley, signs,
// shoppers and the keys of the keyboard and controller. Each is drawn centred
// on (cx, cy) fitting a square of side `size`; the outlines keep about 2.5 px
// whatever the size.
#pragma once

#include "canvas.h"

#include <string>

namespace art {

enum class Product {
    Pizza, Eggs, Strawberry, Milk, Bread, Fish, IceCream, Bacon, Crisps, Choc, Tomatoes,
    Bananas, Cereals, Cheese, Oranges, Potatoes, Butter, Sausages, Grapes, Carrots, Chicken,
    ChocMilk, Count
};

void drawProduct(cairo_t* cr, Product p, double cx, double cy, double size, double angle = 0);
// Same with a soft drop shadow.
void product(cairo_t* cr, Product p, double cx, double cy, double size, double angle = 0);

// Side view of the trolley, facing right; `load` piles groceries into it.
void drawTrolley(cairo_t* cr, double cx, double cy, double size, bool load = false, bool flip = false);
void trolley(cairo_t* cr, double cx, double cy, double size, bool load = false, bool flip = false);

void wetFloorSign(cairo_t* cr, double cx, double cy, double size);
void slowZone(cairo_t* cr, double cx, double cy, double size);
void stopwatch(cairo_t* cr, double cx, double cy, double size, double handTurns = 0.15, bool ringing = false);
void checkout(cairo_t* cr, double cx, double cy, double size);
void paySpot(cairo_t* cr, double cx, double cy, double size, bool lit);
void scaleGauge(cairo_t* cr, double cx, double cy, double size);
void miniScale(cairo_t* cr, double cx, double cy, double size);
void wasteBin(cairo_t* cr, double cx, double cy, double size);
void shopper(cairo_t* cr, double cx, double cy, double size, bool ginger);
void pushchair(cairo_t* cr, double cx, double cy, double size);
void boostIcon(cairo_t* cr, double cx, double cy, double size);
void itemDropIcon(cairo_t* cr, double cx, double cy, double size);
void shoppingList(cairo_t* cr, double cx, double cy, double size, int ticked);
void coin(cairo_t* cr, double cx, double cy, double size, const std::string& label);

// A key cap with its legend; width grows with the label.
double keyCap(cairo_t* cr, double x, double y, const std::string& label, double h = 46, double minW = 46);
void dPad(cairo_t* cr, double cx, double cy, double size);
void padButton(cairo_t* cr, double cx, double cy, double size, const std::string& label, Rgb color);

void sparkle(cairo_t* cr, double cx, double cy, double size, Rgb color = pal::white, double alpha = 1.0);
void confetti(cairo_t* cr, double x, double y, double w, double h, int count, unsigned seed);

}  // namespace art
