#include "calculators/shift_graph.h"

#include "base/checked_math.h"
#include "base/kinematics.h"

#include <cmath>
#include <string>

namespace sonrel {

namespace {
constexpr Color kAxis = rgb(100, 100, 100);
constexpr int kCurvePoints = 5000;
constexpr double kFastest = 0.995; // fraction of c beyond which nothing is drawn

Color curveColor(ShiftTheory theory) {
    switch (theory) {
    case ShiftTheory::StoApprox:
        return rgb(255, 0, 0);
    case ShiftTheory::StoExact:
        return rgb(0, 240, 0);
    case ShiftTheory::Classic:
        break;
    }
    return rgb(0, 0, 255);
}

int nearest(double x) {
    return static_cast<int>(std::nearbyint(x));
}
} // namespace

ShiftGeometry shiftGeometry(double Vmax, double MV, double dvMax, double Mdv) {
    ShiftGeometry g{Vmax, MV, dvMax, Mdv, 0, 0};
    g.W = safeDiv(Vmax, MV);
    g.H = safeDiv(2 * std::fabs(dvMax), Mdv);
    if (g.W < 0 || g.H < 0 || g.W > kShiftGraphMaxCm || g.H > kShiftGraphMaxCm)
        throw MathError("graph size out of range");
    return g;
}

void drawShiftGrid(Canvas& canvas, const ShiftGeometry& g) {
    const double half = g.H / 2;
    canvas.scale(-1, half, g.W, -1 - half);
    canvas.clear();
    const int iLast = nearest(g.W - 1);
    const int jFirst = nearest(-1 - half), jLast = nearest(half);
    for (int j = jFirst; j <= jLast; ++j)
        canvas.line(0, j, g.W, j, colors::grid);
    for (int i = -1; i <= iLast; ++i)
        canvas.line(i, -half, i, half, colors::grid);
    for (int i = -1; i <= iLast; ++i) {
        canvas.setCurrent(i - 0.35, -0.5 - half);
        canvas.print(std::to_string(i));
    }
    for (int j = jFirst; j <= jLast; ++j) {
        canvas.setCurrent(-1, j + 0.5);
        canvas.print(std::to_string(j));
    }
    canvas.line(0, 0, g.W, 0, kAxis);
}

double frequencyShift(ShiftTheory theory, ShiftMover mover, double K, double V, double c) {
    const double beta = safeDiv(V, c);
    const bool absorber = mover == ShiftMover::Absorber;
    switch (theory) {
    case ShiftTheory::StoApprox: {
        const double s = K * beta * beta;
        return finite(absorber ? s : -s);
    }
    case ShiftTheory::StoExact: {
        const double root = clockRate(V, c);
        return absorber ? safeDiv(1, root) - 1 : root - 1;
    }
    case ShiftTheory::Classic:
        break;
    }
    const double w = safeSqrt(absorber ? c * c + V * V : c * c - V * V);
    return safeDiv(w, c) - 1;
}

void drawShiftCurve(Canvas& canvas, const ShiftGeometry& g, ShiftTheory theory, ShiftMover mover,
                    double K, double c) {
    const Color color = curveColor(theory);
    for (int i = 1; i <= kCurvePoints; ++i) {
        const double V = i * g.Vmax / kCurvePoints;
        if (safeDiv(V, c) > kFastest) continue;
        const double s = frequencyShift(theory, mover, K, V, c);
        canvas.point(safeDiv(V, g.MV), safeDiv(s, g.Mdv), color);
    }
}

void drawShiftPoint(Canvas& canvas, const ShiftGeometry& g, double V, double s) {
    canvas.circle(safeDiv(V, g.MV), safeDiv(s, g.Mdv), 0.08, colors::black);
}

} // namespace sonrel
