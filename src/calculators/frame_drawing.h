#pragma once
// The frame transformation picture: grid and legend, both bodies with their
// velocities before and after the transformation, the Lorentz factors.
#include "calculators/frame_transform.h"
#include "canvas/canvas.h"

namespace sonrel {

// Clears the picture, sets its scale (−5, 8)–(12, −4) and draws the grid,
// the axes and the АСО / ИСО legend.
void drawFrameBackground(Canvas& c);

// Prints "G=", "G1=", "G2=" truncated to 6 decimals at the right of the picture.
void printLorentzFactors(Canvas& c, const LorentzFactors& f);

// Draws the bodies (positions divided by ML, velocities by MV): the АСО
// pair when withAso, the final-frame pair always, and for the rest-frame
// formulas the relative velocity at the receiver. A zero scale throws MathError
// before anything is drawn.
void drawFrameBodies(Canvas& c, const FrameResult& r, FrameFormula formula, double ML, double MV,
                     bool withAso);

} // namespace sonrel
