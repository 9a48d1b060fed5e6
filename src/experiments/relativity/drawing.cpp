// The marks a run draws on the comparison window's picture: the moving
// bodies and the transmitter's oscillation, the x=f(t') tracks, the fronts,
// and the history of the received periods.
#include "base/checked_math.h"
#include "base/numbers.h"
#include "experiments/relativity/grids.h"
#include "experiments/relativity/model.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace sonrel::relativity {

namespace {

constexpr Color kGreen = rgb(0, 250, 0);
constexpr Color kBlue = colors::receiver;
constexpr Color kRed = colors::source;

void printAt(Canvas& c, double x, double y, const std::string& text) {
    c.setCurrent(x, y);
    c.print(text);
}

} // namespace

void BodyMarks::moveTo(Canvas& c, const SharedState& s, double inv, Color receiver, Color source) {
    c.circle(x1 * inv, y1 * inv, 0.2, colors::white);
    c.circle(x2 * inv, y2 * inv, 0.2, colors::white);
    x1 = s.X(1);
    y1 = s.Y(1);
    x2 = s.X(2);
    y2 = s.Y(2);
    c.circle(x1 * inv, y1 * inv, 0.2, receiver);
    c.circle(x2 * inv, y2 * inv, 0.2, source);
}

void Model::drawGroup(Canvas& c) {
    if (opt.animation) {
        drawOscillation(c);
        marks.moveTo(c, s, safeDiv(1, M), kBlue, kRed);
    }
    if (opt.graphXt) drawXt(c);
}

// The transmitter's oscillation along the source's path, one point per
// hundredth of a second up to the present time; only the points that can
// fall inside the picture are drawn.
void Model::drawOscillation(Canvas& c) {
    const double t0 = modelInIso() ? T0 : 0;
    const double vx = s.VX(2);
    double kFirst = 0, kLast = std::nearbyint(100 * s.T);
    if (vx != 0) {
        // x = ((k/100 - t0) vx + X2s) / M must lie within the picture's width.
        const double left = c.scaleLeft() * M, right = c.scaleRight() * M;
        double ka = ((std::min(left, right) - X2s) / vx + t0) * 100;
        double kb = ((std::max(left, right) - X2s) / vx + t0) * 100;
        if (ka > kb) std::swap(ka, kb);
        kFirst = std::max(kFirst, std::floor(ka) - 1);
        kLast = std::min(kLast, std::ceil(kb) + 1);
    } else {
        kFirst = std::max(kFirst, kLast - 10000); // all points fall on one vertical
    }
    kFirst = std::max(kFirst, kLast - 200000); // a pathological scale draws no more than this
    const double inv = safeDiv(1, M);
    // One batch of the same points: the canvas sets its pen once for all of them.
    static std::vector<double> xs, ys;
    xs.clear();
    ys.clear();
    for (double k = kFirst; k <= kLast; k += 1) {
        const double t = k / 100 - t0;
        xs.push_back((t * vx + X2s) * inv);
        ys.push_back(2 * std::sin(t * omega));
    }
    c.points(xs.data(), ys.data(), xs.size(), kGreen);
}

void Model::drawXt(Canvas& c) {
    const double inv = safeDiv(1, M), mt = MT;
    const double x1 = X1iso * inv, x2 = X2iso * inv;
    c.point(safeDiv(T1, mt), x1, colors::black);
    c.point(safeDiv(T2, mt), x2, colors::black);
    if (opt.trackScaledTime) {
        const double t = safeDiv(s.T * kTiso3, mt);
        c.point(t, x1, kRed);
        c.point(t, x2, kRed);
    }
    if (opt.trackPlainTime) {
        const double t = safeDiv(s.T, mt);
        c.point(t, x1, kBlue);
        c.point(t, x2, kBlue);
    }
}

void Model::markFront(Canvas& c, bool emission) {
    const double inv = safeDiv(1, M);
    const double t = safeDiv(emission ? Tn2iso(N) : s.Tn1(N), MT);
    const double x = (emission ? Xn2iso(N) : X1iso) * inv;
    c.line(t, x + 1, t, x - 1, emission ? kRed : kBlue);
    printAt(c, t, emission ? x - 1 : x + 1, std::to_string(N));
}

void Model::drawPeriodHistory(Canvas& c) {
    drawAnimationGrid(c);
    const double inv = safeDiv(1, M);
    const double d = periodShift;
    for (int i = 1; i <= N - 1 && i <= 20; ++i) {
        const double ex = s.Xn2(i) * inv, ey = s.Yn2(i) * inv;
        const double rx = Xr(i) * inv, ry = Yr(i) * inv;
        c.circle(ex, ey, 0.2, kRed);
        c.circle(rx, ry, 0.2, kBlue);
        c.line(ex, ey, rx, ry, kGreen);
        const double firstX = s.Xn2(1) * inv + d / 2;
        c.circle(firstX + (i - 1) * d + 0.3, 1, 0.6, kGreen);
        printAt(c, firstX + (i - 2) * d, 1.3, std::to_string(i - 1));
        c.circle(rx - 2.3, ry - 0.5, 0.6, kGreen);
        printAt(c, rx - 2.6, ry - 0.2, std::to_string(i - 1));
        const std::string n = std::to_string(i);
        printAt(c, ex - 0.2, ey - 0.9, "Xn2(" + n + ")= " + formatTrunc(s.Xn2(i), 1));
        printAt(c, ex - 0.2, ey - 1.9, "Tn2(" + n + ")= " + formatTrunc(s.Tn2(i), 2));
        printAt(c, rx - 0.2, ry + 0.9, "Xn1(" + n + ")= " + formatTrunc(Xr(i), 1));
        printAt(c, rx - 0.2, ry + 1.9, "Tn1(" + n + ")= " + formatTrunc(Tr(i), 2));
    }
}

} // namespace sonrel::relativity
