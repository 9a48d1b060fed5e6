#include "experiments/animation_grid.h"

#include <string>

namespace sonrel {

void drawAnimationGrid(Canvas& canvas, bool withNumbers, double shiftX, double shiftY) {
    const double sx = shiftX, sy = shiftY;
    canvas.scale(kAnimLeft + sx, kAnimTop + sy, kAnimRight + sx, kAnimBottom + sy);
    // Each grid line once: the picture is the same as drawing it per index pair.
    for (int iy = -3; iy <= 14; ++iy)
        canvas.line(-3 + sx, iy + sy, 40 + sx, iy + sy, colors::grid);
    for (int ix = 0; ix <= 40; ++ix)
        canvas.line(ix + sx, -3 + sy, ix + sx, 14 + sy, colors::grid);
    if (withNumbers) {
        for (int ix = 0; ix <= 40; ++ix) {
            canvas.setCurrent(ix + sx - 0.3, -3.3 + sy);
            canvas.printWithin(std::to_string(static_cast<long long>(ix + sx)));
        }
        for (int iy = -3; iy <= 14; ++iy) {
            canvas.setCurrent(-1 + sx, iy + sy + 0.5);
            canvas.printWithin(std::to_string(static_cast<long long>(iy + sy)));
        }
    }
    // The model's axes, wherever the picture shows them.
    canvas.line(sx, 0, 40 + sx, 0, colors::black);
    canvas.line(0, -3 + sy, 0, 14 + sy, colors::black);
    // Erasing what moves leaves the grid, the axes and the labels.
    canvas.keepAsBackground();
}

} // namespace sonrel
