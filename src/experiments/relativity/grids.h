#pragma once
// The three coordinate systems of the comparison window's picture.
#include "canvas/canvas.h"

namespace sonrel::relativity {

// Clears the picture and draws the metric grid of the animation, (-3, 14)-(38.4, -4).
void drawAnimationGrid(Canvas& c);
// Clears and draws the v/v0 against angle grid; mv is v/v0 per picture unit.
void drawAngleGrid(Canvas& c, double mv);
// Clears and draws the v/v0 against time grid; mt is seconds per picture unit.
void drawTimeGrid(Canvas& c, double mv, double mt);

} // namespace sonrel::relativity
