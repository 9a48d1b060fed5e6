#include "experiments/fit_picture.h"

#include "base/checked_math.h"

#include <algorithm>
#include <cmath>

namespace sonrel {

namespace {

struct Bounds {
    double xmin = INFINITY, xmax = -INFINITY, ymin = INFINITY, ymax = -INFINITY;
    void add(double x, double y, double pad) {
        xmin = std::min(xmin, finite(x - pad, "position beyond the picture"));
        xmax = std::max(xmax, finite(x + pad, "position beyond the picture"));
        ymin = std::min(ymin, finite(y - pad, "position beyond the picture"));
        ymax = std::max(ymax, finite(y + pad, "position beyond the picture"));
    }
};

double sourceX(const FitMotion& m, double t) {
    return m.x2 + m.vx2 * t;
}
double sourceY(const FitMotion& m, double t) {
    return m.y2 + m.vy2 * t;
}

// Metres per unit needed to keep the coordinate v (of either sign) inside a
// fixed origin's limits lo < 0 < hi.
double neededFor(double v, double lo, double hi) {
    if (v > 0) return v / hi;
    if (v < 0) return v / lo;
    return 0;
}

// The limit of a side at `edge` (its sign away from the origin) with the
// margin `inset` taken towards the origin, never at or beyond the origin.
double insideLimit(double edge, double inset, double margin) {
    const double limit = edge > 0 ? edge - inset : edge + inset;
    return limit * edge > 0 ? limit : (1 - margin) * edge;
}

} // namespace

std::optional<double> frontMeetsReceiver(const FitMotion& m, double start, double ex, double ey) {
    // With d the receiver's offset from the emission point at `start` and
    // τ = t - start: |d + v1·τ| = vs·τ, or squared (for τ >= 0 and vs > 0
    // every root is a meeting) (|v1|² - vs²) τ² + 2 (d·v1) τ + |d|² = 0.
    const double dx = m.x1 + m.vx1 * start - ex, dy = m.y1 + m.vy1 * start - ey;
    const double c = dx * dx + dy * dy;
    if (c == 0) return start;
    if (!(m.vs > 0)) return std::nullopt;
    const double a = m.vx1 * m.vx1 + m.vy1 * m.vy1 - m.vs * m.vs;
    const double b = 2 * (dx * m.vx1 + dy * m.vy1);
    double tau = -1;
    if (a == 0) {
        if (b < 0) tau = -c / b;
    } else {
        const double disc = b * b - 4 * a * c;
        if (disc >= 0) {
            // Both roots without cancellation; q is never zero since c > 0.
            const double q = -0.5 * (b + std::copysign(std::sqrt(disc), b));
            for (double root : {q / a, c / q})
                if (root >= 0 && (tau < 0 || root < tau)) tau = root;
        }
    }
    if (!(tau >= 0) || !std::isfinite(start + tau)) return std::nullopt;
    return start + tau;
}

FitDuration expectedDuration(const FitMotion& m, int fronts) {
    if (!(m.T00 > 0)) throw MathError("period not positive");
    const bool sourceMoves = m.vx2 != 0 || m.vy2 != 0;
    FitDuration d;
    double previous = 0;
    for (int k = 1; k <= fronts; ++k) {
        const double te = (k - 1) * m.T00;
        const double start = m.oneFrontAtATime && sourceMoves ? std::max(te, previous) : te;
        const std::optional<double> at =
            frontMeetsReceiver(m, start, sourceX(m, te), sourceY(m, te));
        if (!at) {
            d.capped = true;
            break;
        }
        previous = *at;
        d.time = std::max(d.time, *at);
    }
    if (d.capped) {
        // The run waits for a front that never comes; show as much of it as
        // the record's emissions and one crossing of the first distance take.
        const double gap = std::hypot(m.x1 - m.x2, m.y1 - m.y2);
        const double crossing = m.vs > 0 ? gap / m.vs : 0;
        d.time = std::max(d.time, fronts * m.T00 + crossing);
    }
    d.time = finite(d.time, "run without end");
    return d;
}

double roundUpTwoDigits(double x) {
    const int e = static_cast<int>(std::floor(std::log10(x)));
    // Powers of ten divide exactly, so 0,47 stays 0,47 and not 0,47000000000000003.
    const double unit = std::pow(10.0, std::abs(e - 1));
    const double n = e >= 1 ? std::ceil(x / unit - 1e-9) : std::ceil(x * unit - 1e-9);
    return e >= 1 ? n * unit : n / unit;
}

PictureFit fitPicture(const FitMotion& m, const PictureRect& r, bool originFixed, double current,
                      double pad, double margin) {
    PictureFit fit;
    fit.duration = expectedDuration(m);
    const double D = fit.duration.time;
    Bounds b;
    b.add(m.x1, m.y1, pad);
    b.add(m.x1 + m.vx1 * D, m.y1 + m.vy1 * D, pad);
    // The source's path holds every emission point (each front leaves
    // before it arrives, so within D); they are added for what they are.
    for (int k = 1; k <= kFitFronts; ++k) {
        const double te = (k - 1) * m.T00;
        b.add(sourceX(m, te), sourceY(m, te), pad);
    }
    b.add(sourceX(m, D), sourceY(m, D), pad);

    const double W = r.right - r.left, H = r.top - r.bottom;
    double scale = 0;
    if (originFixed) {
        if (!(r.left < 0 && 0 < r.right && r.bottom < 0 && 0 < r.top))
            throw MathError("origin outside the picture");
        const double xl = insideLimit(r.left, margin * W, margin);
        const double xr = insideLimit(r.right, margin * W, margin);
        const double yb = insideLimit(r.bottom, margin * H, margin);
        const double yt = insideLimit(r.top, margin * H, margin);
        for (double need : {neededFor(b.xmin, xl, xr), neededFor(b.xmax, xl, xr),
                            neededFor(b.ymin, yb, yt), neededFor(b.ymax, yb, yt)})
            scale = std::max(scale, need);
    } else {
        // One unit of each side is kept for moving the origin by whole units.
        const double usableW = (1 - 2 * margin) * W - 1, usableH = (1 - 2 * margin) * H - 1;
        scale = std::max((b.xmax - b.xmin) / usableW, (b.ymax - b.ymin) / usableH);
    }
    scale = finite(scale, "picture overflow");
    fit.scale = scale > 0 ? roundUpTwoDigits(scale) : (current > 0 ? current : 1);
    if (!originFixed) {
        fit.shiftX = std::round((b.xmin + b.xmax) / 2 / fit.scale - (r.left + r.right) / 2);
        fit.shiftY = std::round((b.ymin + b.ymax) / 2 / fit.scale - (r.top + r.bottom) / 2);
        // The grid numbers are whole numbers of the picture's units.
        if (!(std::fabs(fit.shiftX) < 1e15 && std::fabs(fit.shiftY) < 1e15))
            throw MathError("picture overflow");
    }
    return fit;
}

} // namespace sonrel
