#include "theory/calculated_points.h"

#include "base/checked_math.h"
#include "base/kinematics.h"
#include "base/signal_delay.h"

#include <cmath>

namespace sonrel {

FormulaInputs inputsAtAngle(double pi, SpeedArgument arg, double X, double fieldValue, double Vs,
                            double Qdeg) {
    FormulaInputs in;
    in.v0 = fieldValue;
    in.fieldValue = fieldValue;
    in.Vs = Vs;
    in.pi = pi;
    if (arg == SpeedArgument::VX1) in.V1 = X * Vs;
    if (arg == SpeedArgument::VX2) in.V2 = X * Vs;
    in.V12 = std::fabs(in.V1 - in.V2);
    in.Q1 = in.Q2 = in.Q12 = Qdeg * pi / 180;
    in.Q3 = 0;
    in.mode = FormulaMode::Interactive;
    return in;
}

namespace {

// The Lorentz change at time 0 of the starting frame to a frame moving along
// X with speed U; afterwards the source is carried to the receiver's time.
void changeToMovingFrame(Bodies& b, double U, double Vs) {
    const double kU = clockRate(U, Vs);
    auto transform = [&](double& VX, double& VY) {
        const Velocity v = boostVelocity({VX, VY}, U, Vs);
        VX = v.x;
        VY = v.y;
    };
    transform(b.VX1, b.VY1);
    transform(b.VX2, b.VY2);
    const double t1 = lorentzTime(0, b.X1, U, Vs, kU);
    const double t2 = lorentzTime(0, b.X2, U, Vs, kU);
    const double dt = t1 - t2;
    b.X1 = b.X1 / kU;
    b.X2 = b.X2 / kU;
    b.X2 = b.X2 + dt * b.VX2;
    b.Y2 = b.Y2 + dt * b.VY2;
}

} // namespace

BodiesCalculation inputsFromBodies(double pi, const Bodies& typed, double fieldValue, double Vs,
                                   const FormulaSelection& sel, bool delayCorrected) {
    Bodies b = typed;
    if (sel.formula == MainFormula::Relativity) {
        double U = 0;
        if (sel.variant == RelativityVariant::V4_1) U = b.VX2; // the source's frame
        if (sel.variant == RelativityVariant::V4_2 || sel.variant == RelativityVariant::V4_3)
            U = b.VX1; // the receiver's frame
        changeToMovingFrame(b, U, Vs);
    }
    const double dVX = b.VX1 - b.VX2, dVY = b.VY1 - b.VY2;
    if (delayCorrected) {
        // The receiver now gets the signal that the source sent dt ago.
        const double dt = arrivalTimeMinusFirst(Vs, b.X1, b.Y1, b.X2, b.Y2, b.VX2, b.VY2);
        b.X2 = b.X2 - dt * b.VX2;
        b.Y2 = b.Y2 - dt * b.VY2;
    }
    for (double p : {b.X1, b.Y1, b.X2, b.Y2})
        finite(p, "position overflows");
    const double rad = 1 / (180.0 / pi);
    FormulaInputs in;
    in.Q3 = vectorAngleDeg(pi, b.X1 - b.X2, b.Y1 - b.Y2) * rad;
    in.Q1 = vectorAngleDeg(pi, b.VX1, b.VY1) * rad - in.Q3;
    in.Q2 = vectorAngleDeg(pi, b.VX2, b.VY2) * rad - in.Q3;
    in.Q12 = vectorAngleDeg(pi, dVX, dVY) * rad - in.Q3;
    in.v0 = fieldValue;
    in.fieldValue = fieldValue;
    in.Vs = Vs;
    in.pi = pi;
    in.V1 = std::sqrt(b.VX1 * b.VX1 + b.VY1 * b.VY1);
    in.V2 = std::sqrt(b.VX2 * b.VX2 + b.VY2 * b.VY2);
    in.V12 = std::sqrt(dVX * dVX + dVY * dVY);
    in.VX1 = b.VX1;
    in.VX2 = b.VX2;
    in.mode = FormulaMode::Interactive;
    return {in, b};
}

void drawBodiesAndVelocities(Canvas& canvas, const Bodies& b, double M, bool relativeVelocity) {
    constexpr double perVelocity = 0.5; // a velocity of 1 m/s is drawn half a unit long
    const double x1 = safeDiv(b.X1, M), y1 = safeDiv(b.Y1, M);
    const double x2 = safeDiv(b.X2, M), y2 = safeDiv(b.Y2, M);
    canvas.circle(x1, y1, 0.2, colors::source);
    canvas.circle(x2, y2, 0.2, colors::source);
    canvas.line(x1, y1, x2, y2, colors::black);
    canvas.setDrawWidth(2);
    canvas.line(x1, y1, x1 + b.VX1 * perVelocity, y1 + b.VY1 * perVelocity, colors::receiver);
    canvas.line(x2, y2, x2 + b.VX2 * perVelocity, y2 + b.VY2 * perVelocity, colors::receiver);
    if (relativeVelocity)
        canvas.line(x1, y1, x1 + (b.VX1 - b.VX2) * perVelocity, y1 + (b.VY1 - b.VY2) * perVelocity,
                    rgb(0, 240, 0));
    canvas.setDrawWidth(1);
}

} // namespace sonrel
