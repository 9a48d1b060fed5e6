#pragma once
// The animation picture of the main window's experiment: its scale, grid and axes.
#include "canvas/canvas.h"

namespace sonrel {

// Animation scale (-1, 14)-(40, -4): one unit per canvas centimetre.
constexpr double kAnimLeft = -1, kAnimTop = 14, kAnimRight = 40, kAnimBottom = -4;

// Sets the animation scale and draws the grid, the axes and, with numbers,
// the grid numbers 0..40 below and -3..14 at the left. Does not clear.
void drawAnimationGrid(Canvas& canvas, bool withNumbers);

} // namespace sonrel
