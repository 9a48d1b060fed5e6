#pragma once
// The graph of the relative frequency shift dv/v of a moving absorber or
// emitter against its speed, by a special-relativity approximation K·b², the
// exact special-relativity factor, or a classical formula.
#include "canvas/canvas.h"

namespace sonrel {

enum class ShiftTheory { StoApprox, Classic, StoExact };
enum class ShiftMover { Absorber, Emitter };

// Graph size in centimetres: width W = Vmax/MV, height H = 2·|dv/v|max/Mdv.
struct ShiftGeometry {
    double Vmax = 0, MV = 1, dvMax = 0, Mdv = 1;
    double W = 0, H = 0;
};

// Largest graph side in centimetres: a larger picture would not fit in memory.
constexpr double kShiftGraphMaxCm = 100;

// Throws MathError for a zero scale or a graph side outside 0..kShiftGraphMaxCm.
ShiftGeometry shiftGeometry(double Vmax, double MV, double dvMax, double Mdv);

// Sets the scale (-1, H/2)-(W, -1 - H/2), clears, draws the grid with the
// centimetre indices and the speed axis.
void drawShiftGrid(Canvas& canvas, const ShiftGeometry& g);

// dv/v at the speed V (m/s); c is the speed of light. Throws MathError where
// the theory has no value.
double frequencyShift(ShiftTheory theory, ShiftMover mover, double K, double V, double c);

// Plots 5000 points of the curve up to Vmax, skipping speeds above 0,995·c.
// On a failure the points drawn so far stay and MathError is thrown.
void drawShiftCurve(Canvas& canvas, const ShiftGeometry& g, ShiftTheory theory, ShiftMover mover,
                    double K, double c);

// A small circle at (V, dv/v).
void drawShiftPoint(Canvas& canvas, const ShiftGeometry& g, double V, double s);

} // namespace sonrel
