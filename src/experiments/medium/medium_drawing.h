#pragma once
// The medium window's picture: the animation grid in centimetres and the
// two graph grids (v/v00 against the angle or against time).
#include "canvas/canvas.h"

namespace sonrel {

// Scale (−3, 14)–(38,4, −4), grey grid with numbers, axes. Does not clear.
void drawMediumAnimationGrid(Canvas& c);

// Scale (−21, 17)–(20, −1): angles 0°..180° along x, v/v00 up, Mv per cm.
void drawMediumAngleGrid(Canvas& c, double Mv);

// Scale (−4, 17)–(37, −1): time along x (Mt per cm), v/v00 up (Mv per cm).
void drawMediumTimeGrid(Canvas& c, double Mv, double Mt);

} // namespace sonrel
