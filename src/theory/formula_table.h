#pragma once
// The table of inputs and auxiliary factors printed beside a single theory
// calculation, in the animation's coordinates.
#include "canvas/canvas.h"
#include "theory/formulas.h"

namespace sonrel {

// Prints speeds and angles (degrees, 3 decimals) in the left column and G1,
// G2, G, dv1/v0, dv2/v0 (6 decimals) in the right one, all truncated toward zero.
// A zero v0 throws MathError.
void printFormulaTable(Canvas& canvas, const FormulaInputs& in, const FormulaResult& r,
                       double degPerRad);

} // namespace sonrel
