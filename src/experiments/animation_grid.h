#pragma once
// The animation picture shared by the main window's and the membrane
// window's experiments: its scale, colours, grid and axes.
#include "canvas/canvas.h"

namespace sonrel {

// Animation scale (-1, 14)-(40, -4): one unit per canvas centimetre.
constexpr double kAnimLeft = -1, kAnimTop = 14, kAnimRight = 40, kAnimBottom = -4;

namespace colors {
constexpr Color frontErase = rgb(250, 250, 250);
constexpr Color front = rgb(255, 0, 0);
constexpr Color sightLine = rgb(255, 0, 255);
constexpr Color ray = rgb(0, 250, 0); // rays, the wave and the number rings
} // namespace colors

// Sets the animation scale and draws the grid, the axes and, with numbers,
// the grid numbers 0..40 below and -3..14 at the left. Does not clear. A
// shift by whole units moves the picture's rectangle over the model: the
// grid and its numbers follow it, the model's axes stay at zero.
void drawAnimationGrid(Canvas& canvas, bool withNumbers, double shiftX = 0, double shiftY = 0);

} // namespace sonrel
