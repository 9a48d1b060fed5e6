#include "experiments/animation_grid.h"

#include <string>

namespace sonrel {

void drawAnimationGrid(Canvas& canvas, bool withNumbers) {
    canvas.scale(kAnimLeft, kAnimTop, kAnimRight, kAnimBottom);
    // Each grid line once: the picture is the same as drawing it per index pair.
    for (int iy = -3; iy <= 14; ++iy)
        canvas.line(-3, iy, 40, iy, colors::grid);
    for (int ix = 0; ix <= 40; ++ix)
        canvas.line(ix, -3, ix, 14, colors::grid);
    if (withNumbers) {
        for (int ix = 0; ix <= 40; ++ix) {
            canvas.setCurrent(ix - 0.3, -3.3);
            canvas.printWithin(std::to_string(ix));
        }
        for (int iy = -3; iy <= 14; ++iy) {
            canvas.setCurrent(-1, iy + 0.5);
            canvas.printWithin(std::to_string(iy));
        }
    }
    canvas.line(0, 0, 40, 0, colors::black);
    canvas.line(0, -3, 0, 14, colors::black);
    // Erasing what moves leaves the grid, the axes and the labels.
    canvas.keepAsBackground();
}

} // namespace sonrel
