#include "theory/formulas.h"

#include "base/checked_math.h"
#include "base/kinematics.h"

#include <cmath>

namespace sonrel {

namespace {

constexpr double kFloor = 0.00001; // smallest G factor and denominator the formulas accept

// The clock rate, kept from falling below the floor near Vs.
double flooredClockRate(double V, double Vs) {
    const double g = clockRate(V, Vs);
    return g < kFloor ? kFloor : g;
}

// Folds |Q| into 0..π with a single subtraction, as the corrections of (3) expect.
double foldAngle(double q, double pi) {
    double a = std::fabs(q);
    if (a > pi) a -= pi;
    return a;
}

void weltCorrections(const FormulaInputs& in, const FormulaSelection& sel, double v0, double pi,
                     FormulaResult& r) {
    const double Vs = in.Vs;
    const double a1 = foldAngle(in.Q1, pi);
    const double a2 = foldAngle(in.Q2, pi);
    if (!sel.exactCorrections) {
        r.Vs2 = safeSqrt(Vs * Vs - in.V2 * in.V2);
        r.dv2 = (safeDiv(r.Vs2, Vs) - 1) * v0 * std::sin(a2);
        r.Vs1 = safeSqrt(Vs * Vs + in.V1 * in.V1);
        r.dv1 = (safeDiv(r.Vs1, Vs) - 1) * v0 * std::sin(a1);
        return;
    }
    // The receiver runs into (or away from) the front: its speed adds to Vs along
    // the line of sight and across it.
    if (a1 <= pi / 2) {
        const double along = Vs - in.V1 * std::cos(a1), across = in.V1 * std::sin(a1);
        r.Vs1 = safeSqrt(along * along + across * across);
    } else {
        const double b = pi - a1;
        const double along = in.V1 * std::cos(b) + Vs, across = in.V1 * std::sin(b);
        r.Vs1 = safeSqrt(along * along + across * across);
    }
    r.dv1 = (safeDiv(r.Vs1, Vs) - 1 + std::cos(a1) * safeDiv(in.V1, Vs)) * v0;
    // The front leaving the moving source: the across part of the source's speed is
    // taken from Vs, the along part added.
    if (a2 <= pi / 2) {
        const double across = in.V2 * std::sin(a2);
        r.Vs2 = safeSqrt(Vs * Vs - across * across) + in.V2 * std::cos(a2);
    } else {
        const double b = pi - a2;
        const double across = in.V2 * std::sin(b);
        r.Vs2 = safeSqrt(Vs * Vs - across * across) - in.V2 * std::cos(b);
    }
    r.dv2 = (safeDiv(r.Vs2, Vs) - 1 - std::cos(a2) * safeDiv(in.V2, Vs)) * v0;
}

// v for the chosen formula; returns false where no formula applies.
bool mainFormula(const FormulaInputs& in, const FormulaSelection& sel, double v0, double pi,
                 FormulaResult& r) {
    const double Vs = in.Vs;
    switch (sel.formula) {
    case MainFormula::Lorentz:
        r.v = formula2(v0, in.V1, in.V2, Vs, in.Q1, in.Q2);
        return true;
    case MainFormula::Welt: {
        weltCorrections(in, sel, v0, pi, r);
        const double factor = classicalDopplerRatio(in.V1, in.Q1, Vs, in.V2, in.Q2, Vs);
        r.v = sel.welt == WeltVariant::V3_1 ? v0 * factor + r.dv2 + r.dv1
                                            : (v0 + r.dv2) * factor + r.dv1;
        return true;
    }
    case MainFormula::Classical:
        r.v = v0 * sightFactor(in.V12, in.Q12, Vs);
        return true;
    case MainFormula::Relativity:
        break;
    }
    const double projected = safeDiv(in.V12 * std::cos(in.Q12), Vs); // V12'/Vs
    switch (sel.variant) {
    case RelativityVariant::V4_1:
        r.v = safeDiv(v0 * (1 - projected), r.G);
        return true;
    // With the speeds below Vs these denominators are positive, however small:
    // near Vs the formulas give large but true values.
    case RelativityVariant::V4_2:
        if (1 - projected == 0) return false;
        r.v = v0 * r.G / (1 - projected);
        return true;
    case RelativityVariant::V4_3:
        if (1 + projected == 0) return false;
        r.v = v0 * r.G / (1 + projected);
        return true;
    case RelativityVariant::V4_5: {
        // The relativistic Doppler ratio with the floored clock rates G1, G2.
        const double sourceFactor = sightFactor(in.V2, in.Q2, Vs);
        if (sourceFactor == 0) return false;
        r.v = v0 * r.G2 * sightFactor(in.V1, in.Q1, Vs) / sourceFactor / r.G1;
        return true;
    }
    case RelativityVariant::None:
        break;
    }
    return false;
}

// Formulas (2) and (3) (and (4-5), which is (2) times G2/G1) contain the
// speeds of the two bodies only; the others also the relative speed V12.
bool usesRelativeSpeed(const FormulaSelection& sel) {
    if (sel.formula == MainFormula::Lorentz || sel.formula == MainFormula::Welt) return false;
    return !(sel.formula == MainFormula::Relativity && sel.variant == RelativityVariant::V4_5);
}

bool speedsBelowSignal(const FormulaInputs& in, const FormulaSelection& sel) {
    if (in.mode == FormulaMode::Interactive)
        return in.V12 < in.Vs && in.V2 < in.Vs && in.V1 < in.Vs;
    // A sweep passes signed speeds and compares magnitudes.
    const bool bodies = std::fabs(in.V2) < in.Vs && std::fabs(in.V1) < in.Vs;
    return bodies && (!usesRelativeSpeed(sel) || std::fabs(in.V12) < in.Vs);
}

} // namespace

double formula2(double v0, double V1, double V2, double Vs, double Qn1, double Qn2) {
    return safeDiv(v0 * sightFactor(V1, Qn1, Vs), sightFactor(V2, Qn2, Vs));
}

FormulaResult calculateFrequency(const FormulaInputs& in, const FormulaSelection& sel,
                                 const FormulaResult& previous) {
    FormulaResult r = previous;
    r.speedsAccepted = false;
    r.v0 = sel.wavelength ? safeDiv(in.Vs, in.fieldValue) : in.v0;

    r.applied = false;
    if (!speedsBelowSignal(in, sel)) return r;
    r.speedsAccepted = true;

    FormulaResult fresh = r;
    // In a sweep the relative speed may reach Vs where the formula does not contain it.
    const bool noRelativeFactor = in.mode == FormulaMode::Sweep && std::fabs(in.V12) >= in.Vs;
    fresh.G = noRelativeFactor ? kFloor : flooredClockRate(in.V12, in.Vs);
    fresh.G2 = flooredClockRate(in.V2, in.Vs);
    fresh.G1 = flooredClockRate(in.V1, in.Vs);
    fresh.Vs1 = fresh.Vs2 = in.Vs;
    fresh.dv1 = fresh.dv2 = 0;
    if (!mainFormula(in, sel, fresh.v0, in.pi, fresh)) return r;
    r = fresh;
    r.applied = true;
    if (sel.wavelength) r.v = safeDiv(in.Vs, r.v);
    finite(r.v, "formula result is not finite");
    r.ratio = safeDiv(r.v, in.fieldValue);
    r.shift = finite(in.fieldValue * (r.ratio - 1), "shift is not finite");
    return r;
}

FormulaResult lastFormulaResult(const SharedState& s) {
    FormulaResult r;
    r.v = s.v;
    r.G = s.G;
    r.G1 = s.G1;
    r.G2 = s.G2;
    r.Vs1 = s.Vs1;
    r.Vs2 = s.Vs2;
    r.dv1 = s.dv1;
    r.dv2 = s.dv2;
    r.v0 = s.formula.v0;
    return r;
}

void storeFormulaResult(SharedState& s, const FormulaResult& r) {
    s.v = r.v;
    s.G = r.G;
    s.G1 = r.G1;
    s.G2 = r.G2;
    s.Vs1 = r.Vs1;
    s.Vs2 = r.Vs2;
    s.dv1 = r.dv1;
    s.dv2 = r.dv2;
}

} // namespace sonrel
