#pragma once
// Single theory calculations without an experiment: at a typed angle for a
// speed given as a fraction of Vs, or from the bodies' coordinates and velocities.
#include "base/shared_state.h"
#include "canvas/canvas.h"
#include "theory/formulas.h"

namespace sonrel {

// Which speed a fraction of Vs (or a sweep) sets: the receiver's, the
// source's, or neither (the angle is the argument).
enum class SpeedArgument { VX1, VX2, Angle };

// The inputs of one calculation at the angle Qdeg (degrees): V1 or V2 = X·Vs
// by the argument, the other 0; every angle = Q, Q3 = 0. Ready for an
// interactive call. `pi` is the caller's π; the shared record is not read, so
// a paused experiment keeps its speeds and v0.
FormulaInputs inputsAtAngle(double pi, SpeedArgument arg, double X, double fieldValue, double Vs,
                            double Qdeg);

// A calculation from the bodies: its inputs and the bodies as it sees them.
struct BodiesCalculation {
    FormulaInputs in;
    Bodies bodies;
};

// From typed bodies: under "СТО" changes to the frame of the source (4-1) or
// of the receiver (4-2, 4-3) at time 0 of the starting frame; with
// delayCorrected carries the source back along its path to where it sent the
// signal the receiver gets now. Then finds the line of sight and the angles.
// Works on its own copy of the bodies: the shared record (a paused
// experiment's bodies) is not touched. A speed U ≥ Vs or a source as fast as
// the signal throws MathError. Angles with the caller's π.
BodiesCalculation inputsFromBodies(double pi, const Bodies& typed, double fieldValue, double Vs,
                                   const FormulaSelection& sel, bool delayCorrected);

// Draws both bodies, the line of sight, their velocities (m/s drawn as half
// units) and, with relativeVelocity, the relative velocity at the receiver,
// in the animation's coordinates at M metres per unit. A zero M throws MathError.
void drawBodiesAndVelocities(Canvas& canvas, const Bodies& b, double M, bool relativeVelocity);

} // namespace sonrel
