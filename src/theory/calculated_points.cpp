#include "theory/calculated_points.h"

#include "app/checked_math.h"
#include "app/signal_delay.h"

#include <cmath>

namespace sonrel {

FormulaInputs inputsAtAngle(SharedState& s, SpeedArgument arg, double X, double fieldValue,
                            double Vs, double Qdeg) {
    s.v0 = fieldValue;
    s.Vs = Vs;
    s.V(1) = 0;
    s.V(2) = 0;
    if (arg == SpeedArgument::VX1) s.V(1) = X * Vs;
    if (arg == SpeedArgument::VX2) s.V(2) = X * Vs;
    const double Q = Qdeg * s.pi / 180;
    FormulaInputs in;
    in.v0 = fieldValue;
    in.fieldValue = fieldValue;
    in.Vs = Vs;
    in.pi = s.pi;
    in.V1 = s.V(1);
    in.V2 = s.V(2);
    in.V12 = std::fabs(s.V(1) - s.V(2));
    in.Q1 = in.Q2 = in.Q12 = Q;
    in.Q3 = 0;
    in.mode = FormulaMode::Interactive;
    s.formula = in;
    return in;
}

namespace {

// The Lorentz change at time 0 of the starting frame to a frame moving along
// X with speed U; afterwards the source is carried to the receiver's time.
void changeToMovingFrame(SharedState& s, double U) {
    const double Vs = s.Vs;
    const double Vs2 = Vs * Vs;
    const double kU = safeSqrt(1 - safeDiv(U, Vs) * safeDiv(U, Vs));
    for (int k = 1; k <= 2; ++k) {
        const double d = 1 - safeDiv(U * s.VX(k), Vs2);
        s.VX(k) = safeDiv(s.VX(k) - U, d);
        s.VY(k) = safeDiv(kU * s.VY(k), d);
    }
    const double t1 = safeDiv(0 - safeDiv(U * s.X(1), Vs2), kU);
    const double t2 = safeDiv(0 - safeDiv(U * s.X(2), Vs2), kU);
    const double dt = t1 - t2;
    s.X(1) = s.X(1) / kU;
    s.X(2) = s.X(2) / kU;
    s.X(2) = s.X(2) + dt * s.VX(2);
    s.Y(2) = s.Y(2) + dt * s.VY(2);
}

} // namespace

FormulaInputs inputsFromBodies(SharedState& s, const Bodies& b, double fieldValue, double Vs,
                               const FormulaSelection& sel, bool delayCorrected) {
    s.Vs = Vs;
    s.v0 = fieldValue;
    placeBodies(s, b);
    if (sel.formula == MainFormula::Relativity) {
        double U = 0;
        if (sel.variant == RelativityVariant::V4_1) U = s.VX(2); // the source's frame
        if (sel.variant == RelativityVariant::V4_2 || sel.variant == RelativityVariant::V4_3)
            U = s.VX(1); // the receiver's frame
        changeToMovingFrame(s, U);
    }
    s.V(1) = std::sqrt(s.VX(1) * s.VX(1) + s.VY(1) * s.VY(1));
    s.V(2) = std::sqrt(s.VX(2) * s.VX(2) + s.VY(2) * s.VY(2));
    const double dVX = s.VX(1) - s.VX(2), dVY = s.VY(1) - s.VY(2);
    if (delayCorrected) {
        // The receiver now gets the signal that the source sent dt ago.
        const double dt =
            arrivalTimeMinusFirst(s, s.X(1), s.Y(1), s.X(2), s.Y(2), s.VX(2), s.VY(2));
        s.X(2) = s.X(2) - dt * s.VX(2);
        s.Y(2) = s.Y(2) - dt * s.VY(2);
    }
    for (int k = 1; k <= 2; ++k) {
        finite(s.X(k), "position overflows");
        finite(s.Y(k), "position overflows");
    }
    const double rad = 1 / s.degPerRad;
    FormulaInputs in;
    in.Q3 = vectorAngleDeg(s, s.X(1) - s.X(2), s.Y(1) - s.Y(2)) * rad;
    in.Q1 = vectorAngleDeg(s, s.VX(1), s.VY(1)) * rad - in.Q3;
    in.Q2 = vectorAngleDeg(s, s.VX(2), s.VY(2)) * rad - in.Q3;
    in.Q12 = vectorAngleDeg(s, dVX, dVY) * rad - in.Q3;
    in.v0 = fieldValue;
    in.fieldValue = fieldValue;
    in.Vs = Vs;
    in.pi = s.pi;
    in.V1 = s.V(1);
    in.V2 = s.V(2);
    in.V12 = std::sqrt(dVX * dVX + dVY * dVY);
    in.VX1 = s.VX(1);
    in.VX2 = s.VX(2);
    in.mode = FormulaMode::Interactive;
    s.formula = in;
    return in;
}

void drawBodiesAndVelocities(Canvas& canvas, const SharedState& s, double M,
                             bool relativeVelocity) {
    constexpr double perVelocity = 0.5; // a velocity of 1 m/s is drawn half a unit long
    const double x1 = safeDiv(s.X(1), M), y1 = safeDiv(s.Y(1), M);
    const double x2 = safeDiv(s.X(2), M), y2 = safeDiv(s.Y(2), M);
    canvas.circle(x1, y1, 0.2, colors::source);
    canvas.circle(x2, y2, 0.2, colors::source);
    canvas.line(x1, y1, x2, y2, colors::black);
    canvas.setDrawWidth(2);
    canvas.line(x1, y1, x1 + s.VX(1) * perVelocity, y1 + s.VY(1) * perVelocity, colors::receiver);
    canvas.line(x2, y2, x2 + s.VX(2) * perVelocity, y2 + s.VY(2) * perVelocity, colors::receiver);
    if (relativeVelocity)
        canvas.line(x1, y1, x1 + (s.VX(1) - s.VX(2)) * perVelocity,
                    y1 + (s.VY(1) - s.VY(2)) * perVelocity, rgb(0, 240, 0));
    canvas.setDrawWidth(1);
}

} // namespace sonrel
