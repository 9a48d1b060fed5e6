#include "experiments/relativity/grids.h"

#include "base/errors.h"
#include "base/numbers.h"

namespace sonrel::relativity {

namespace {

void requireScale(double x) {
    if (!(x > 0)) throw InputError("a graph scale must be above zero");
}

void label(Canvas& c, double x, double y, double value) {
    c.setCurrent(x, y);
    c.printWithin(formatNumber(value));
}

// Grid lines every 2 units from x0 to x1 and over y 0..18, v/v0 labels at the left.
void graphGrid(Canvas& c, double mv, int x0, int x1, double labelX) {
    for (int i = x0; i <= x1; i += 2)
        c.line(i, 0, i, 18, colors::grid);
    for (int j = 0; j <= 18; j += 2) {
        c.line(x0, j, x1, j, colors::grid);
        label(c, labelX, j + 0.5, j * mv);
    }
}

} // namespace

void drawAnimationGrid(Canvas& c) {
    c.scale(-3, 14, 38.4, -4);
    c.clear();
    for (int j = -3; j <= 14; ++j) {
        c.line(-3, j, 38, j, colors::grid);
        label(c, -3, j + 0.5, j);
    }
    for (int i = -2; i <= 38; ++i) {
        c.line(i, -3, i, 14, colors::grid);
        label(c, i - 0.3, -3.3, i);
    }
    c.line(-3, 0, 38, 0, colors::black);
    c.line(0, -3, 0, 14, colors::black);
    // Erasing what moves leaves the grid, the axes and the labels.
    c.keepAsBackground();
}

void drawAngleGrid(Canvas& c, double mv) {
    requireScale(mv);
    c.scale(-21, 17, 20, -1);
    c.clear();
    graphGrid(c, mv, -20, 20, -21);
    for (int i = -20; i <= 20; i += 2)
        label(c, i - 0.3, -0.3, i * 90.0 / 20 + 90);
    c.line(0, 17, 0, 0, colors::black);
    c.line(-20, 0, 20, 0, colors::black);
}

void drawTimeGrid(Canvas& c, double mv, double mt) {
    requireScale(mv);
    requireScale(mt);
    c.scale(-4, 17, 37, -1);
    c.clear();
    graphGrid(c, mv, -4, 37, -4);
    for (int i = -4; i <= 37; i += 2)
        label(c, i - 0.3, -0.3, i * mt);
    c.line(0, 17, 0, 0, colors::black);
    c.line(-4, 0, 37, 0, colors::black);
}

} // namespace sonrel::relativity
