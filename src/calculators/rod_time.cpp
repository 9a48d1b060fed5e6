#include "calculators/rod_time.h"

#include "base/checked_math.h"
#include "base/kinematics.h"
#include "base/numbers.h"
#include "base/signal_delay.h"

#include <cmath>

namespace sonrel {

namespace {
constexpr Color kSightLine = rgb(0, 200, 0);

// Directions are kept in (-π, π] so that rays pointing slightly below the
// X axis compare as small negative angles.
double folded(double pi, double a) {
    return a > pi ? a - 2 * pi : a;
}

double distance(double dx, double dy) {
    return safeSqrt(dx * dx + dy * dy);
}
} // namespace

void RayTable::build(double pi, double Vs, double VXiso) {
    speed_.assign(kRays + 1, 0.0);
    dir_.assign(kRays + 1, 0.0);
    for (int j = 0; j <= kRays; ++j) {
        const double q = (179.0 - j * 180.0 / kRays) / (180.0 / pi);
        const double wx = Vs * std::cos(q) + VXiso;
        const double wy = Vs * std::sin(q);
        speed_[j] = std::sqrt(wx * wx + wy * wy);
        dir_[j] = folded(pi, vectorAngleRad(pi, wx, wy));
    }
}

double RayTable::effectiveSpeed(double a, bool strict) const {
    // A ray below the axis is the mirror image of an upper ray: it has the
    // same speed and the negated direction, so a direction a < 0 is searched
    // among the mirrored rays, from the one emitted at -179° upwards.
    const bool below = a < 0;
    for (std::size_t j = 0; j < dir_.size(); ++j) {
        const double d = below ? -dir_[j] : dir_[j];
        const bool found = below ? (strict ? d > a : d >= a) : (strict ? d < a : d <= a);
        if (found) return speed_[j];
    }
    throw MathError("no ray in this direction");
}

std::string rodLabel(double x1, double x2, double t1, double t2) {
    return "dX= " + formatTrunc(x2 - x1, 2) + "   T1= " + formatTrunc(t1, 2) +
           "   T2= " + formatTrunc(t2, 2);
}

void drawRodGrid(Canvas& canvas) {
    canvas.scale(-6, 14, 35.4, -4);
    canvas.clear();
    for (int x = -5; x <= 35; ++x)
        canvas.line(x, -3, x, 14, colors::grid);
    for (int y = -3; y <= 14; ++y)
        canvas.line(-6, y, 35, y, colors::grid);
    for (int x = -5; x <= 35; ++x) {
        canvas.setCurrent(x - 0.3, -3.3);
        canvas.print(std::to_string(x));
    }
    for (int y = -3; y <= 14; ++y) {
        canvas.setCurrent(-6, y + 0.5);
        canvas.print(std::to_string(y));
    }
    canvas.line(-6, 0, 35, 0, colors::black);
    canvas.line(0, -3, 0, 14, colors::black);
}

void RodModel::drawRod(Canvas& canvas, double x1, double y1, double x2, double y2, double lift,
                       Color c, double t1, double t2) {
    const double u1 = safeDiv(x1, in_.M), v1 = safeDiv(y1, in_.M) + lift;
    const double u2 = safeDiv(x2, in_.M), v2 = safeDiv(y2, in_.M) + lift;
    const std::string label = rodLabel(x1, x2, t1, t2);
    canvas.line(u1, v1, u2, v2, c);
    canvas.line(u1, v1 + 1, u2, v2 + 1, c);
    canvas.line(u1, v1, u1, v1 + 1, c);
    canvas.line(u2, v2, u2, v2 + 1, c);
    canvas.setCurrent(u2 + 2, v2 + 0.7);
    canvas.print(label);
}

double RodModel::begin(const RodInput& in, Canvas& canvas) {
    in_ = in;
    seenVX_[1] = in.VX1;
    seenVX_[2] = in.VX2;
    observerAt_[1] = observerAt_[2] = in.Xn;
    rays_.build(s_.pi, in.Vs, in.VXiso);
    drawRod(canvas, in.X1, in.Y1, in.X2, in.Y2, 0, colors::receiver, 0, 0);
    G_ = clockRate(in.VXiso, in.Vs);
    return G_;
}

// Time after which the light of the end (xk, yk) meets the observer moving
// along X from (xn, 0) with VXiso through the resting medium.
double RodModel::sightTime(double xn, double xk, double yk) const {
    const double a = in_.VXiso * in_.VXiso - in_.Vs * in_.Vs;
    const double g = 2 * (xn - xk) * in_.VXiso;
    const double c = (xn - xk) * (xn - xk) + yk * yk;
    const double root = safeSqrt(g * g - 4 * a * c);
    const double t = safeDiv(root - g, 2 * a);
    return t >= 0 ? t : safeDiv(-g - root, 2 * a);
}

RodView RodModel::solve() {
    RodView v;
    v.X1 = in_.X1;
    v.X2 = in_.X2;
    v.VX1 = in_.VX1;
    v.VX2 = in_.VX2;
    v.Xn1 = v.Xn2 = in_.Xn;
    const double Vs = in_.Vs, VXiso = in_.VXiso;
    switch (in_.theory) {
    case RodTheory::Sto: {
        // Lorentz transformation: the ends' clocks disagree by the time shift.
        v.T1 = lorentzTime(0, in_.X1, VXiso, Vs, G_);
        v.T2 = lorentzTime(0, in_.X2, VXiso, Vs, G_);
        v.X1 = safeDiv(in_.X1, G_);
        v.X2 = safeDiv(in_.X2, G_);
        v.VX1 = relativeVelocity(in_.VX1, VXiso, Vs);
        v.VX2 = relativeVelocity(in_.VX2, VXiso, Vs);
        break;
    }
    case RodTheory::StoPlus:
        // Lengths contracted, one common time.
        v.VX1 = in_.VX1 - VXiso;
        v.VX2 = in_.VX2 - VXiso;
        v.X1 = G_ * in_.X1;
        v.X2 = G_ * in_.X2;
        break;
    case RodTheory::ClassicIso: {
        v.VX1 = in_.VX1 - VXiso;
        v.VX2 = in_.VX2 - VXiso;
        const double a1 = folded(s_.pi, vectorAngleRad(s_.pi, in_.X1 - in_.Xn, in_.Y1));
        v.T1 = safeDiv(distance(in_.X1 - in_.Xn, in_.Y1), rays_.effectiveSpeed(a1, false));
        const double a2 = folded(s_.pi, vectorAngleRad(s_.pi, in_.X2 - in_.Xn, in_.Y2));
        v.T2 = safeDiv(distance(in_.X2 - in_.Xn, in_.Y2), rays_.effectiveSpeed(a2, false));
        break;
    }
    case RodTheory::ClassicAso:
        v.T1 = sightTime(in_.Xn, in_.X1, in_.Y1);
        v.T2 = sightTime(in_.Xn, in_.X2, in_.Y2);
        v.X1 = in_.X1 - VXiso * v.T1;
        v.X2 = in_.X2 - VXiso * v.T2;
        v.Xn1 = in_.Xn + VXiso * v.T1;
        v.Xn2 = in_.Xn + VXiso * v.T2;
        break;
    }
    for (double x : {v.X1, v.X2, v.T1, v.T2, v.VX1, v.VX2, v.Xn1, v.Xn2})
        finite(x);
    seenVX_[1] = v.VX1;
    seenVX_[2] = v.VX2;
    observerAt_[1] = v.Xn1;
    observerAt_[2] = v.Xn2;
    return v;
}

void RodModel::drawSolved(Canvas& canvas, const RodView& v) {
    drawRod(canvas, v.X1, in_.Y1, v.X2, in_.Y2, 1, colors::source, v.T1, v.T2);
    if (in_.theory == RodTheory::ClassicIso || in_.theory == RodTheory::ClassicAso) {
        canvas.line(safeDiv(v.X1, in_.M), safeDiv(in_.Y1, in_.M) + 1, safeDiv(v.Xn1, in_.M), 0,
                    kSightLine);
        canvas.line(safeDiv(v.X2, in_.M), safeDiv(in_.Y2, in_.M) + 1, safeDiv(v.Xn2, in_.M), 0,
                    kSightLine);
    }
    offset_ = 2;
    canvas.circle(safeDiv(v.Xn1, in_.M), 0, 0.3, colors::black);
    canvas.circle(safeDiv(v.Xn2, in_.M), 0, 0.3, colors::black);
}

double RodModel::startX(int k) const {
    return k == 1 ? in_.X1 : in_.X2;
}

void RodModel::alignClassicIso(AlignView& v, int k, double target, int n) {
    const double xn = in_.Xn;
    for (int i = 0; i < n; ++i) {
        v.dt[k] += (target - v.T[k]) / 4;
        v.X[k] = startX(k) + seenVX_[k] * v.dt[k];
        const double a = folded(s_.pi, vectorAngleRad(s_.pi, v.X[k] - xn, v.Y[k]));
        v.travel[k] = safeDiv(distance(v.X[k] - xn, v.Y[k]), rays_.effectiveSpeed(a, true));
        v.T[k] = v.reception[k] = v.dt[k] + v.travel[k];
        v.computed[k] = true;
    }
}

// The end emits at dt from where it then is; the observer, at Xn at T = 0 and
// moving with VXiso, receives the light at T = dt + travel. The seen position
// is given, like the coordinate-time calculation gives it, in the observer's
// frame, whose origin left the АСО origin at T = 0: X - VXiso·T. So a rod at
// rest keeps its rest length once both ends are seen at one time, wherever the
// observer stands.
void RodModel::alignClassicAso(AlignView& v, int k, double target, int n) {
    for (int i = 0; i < n; ++i) {
        v.dt[k] += (target - v.T[k]) / 4;
        const double emitted = startX(k) + seenVX_[k] * v.dt[k];
        const double observer = in_.Xn + in_.VXiso * v.dt[k]; // at the emission
        v.travel[k] = sightTime(observer, emitted, v.Y[k]);
        v.T[k] = v.reception[k] = v.dt[k] + v.travel[k];
        v.Xn[k] = observer + in_.VXiso * v.travel[k]; // at the reception
        v.X[k] = emitted - in_.VXiso * v.T[k];
        v.computed[k] = true;
    }
}

AlignView RodModel::align(const AlignInput& in) {
    AlignView v;
    v.X[1] = in.X1;
    v.X[2] = in.X2;
    v.Y[1] = in.Y1;
    v.Y[2] = in.Y2;
    v.T[1] = in.T1;
    v.T[2] = in.T2;
    v.Xn[1] = observerAt_[1];
    v.Xn[2] = observerAt_[2];
    const int moved = in.toEnd1Time ? 2 : 1;
    const double target = in.toEnd1Time ? in.T1 : in.T2;
    const double xn = in_.Xn;
    switch (in.theory) {
    case RodTheory::Sto:
        v.dt[moved] = target - v.T[moved];
        v.X[moved] += seenVX_[moved] * v.dt[moved];
        v.T[moved] = target;
        [[fallthrough]];
    case RodTheory::StoPlus:
        for (int k = 1; k <= 2; ++k) {
            v.travel[k] = safeDiv(distance(v.X[k] - xn, v.Y[k]), in_.Vs);
            v.reception[k] = v.dt[k] + v.travel[k];
            v.computed[k] = true;
        }
        break;
    case RodTheory::ClassicIso:
        alignClassicIso(v, moved, target, in.iterations);
        break;
    case RodTheory::ClassicAso:
        alignClassicAso(v, moved, target, in.iterations);
        break;
    }
    for (int k = 1; k <= 2; ++k)
        for (double x : {v.X[k], v.dt[k], v.T[k], v.Xn[k], v.travel[k], v.reception[k]})
            finite(x);
    observerAt_[1] = v.Xn[1];
    observerAt_[2] = v.Xn[2];
    return v;
}

void RodModel::drawAligned(Canvas& canvas, const AlignView& v) {
    drawRod(canvas, v.X[1], v.Y[1], v.X[2], v.Y[2], offset_, colors::source, v.T[1], v.T[2]);
    offset_ += 1;
}

} // namespace sonrel
