#include "experiments/medium/medium_drawing.h"

#include "base/numbers.h"
#include "experiments/medium/medium_experiment.h"

#include <cmath>
#include <string>

namespace sonrel {

namespace {
constexpr Color kGreen = rgb(0, 250, 0);
// Left and right edges of the animation picture, in centimetres.
constexpr double kAnimationLeft = -3, kAnimationRight = 38.4;

void label(Canvas& c, double x, double y, const std::string& text) {
    c.setCurrent(x, y);
    c.print(text);
}
} // namespace

void drawMediumAnimationGrid(Canvas& c) {
    c.scale(kAnimationLeft, 14, kAnimationRight, -4);
    for (int i = -2; i <= 38; ++i) {
        c.line(i, -3, i, 14, colors::grid);
        label(c, i - 0.3, -3.3, std::to_string(i));
    }
    for (int j = -3; j <= 14; ++j) {
        c.line(-3, j, 38, j, colors::grid);
        label(c, -3, j + 0.5, std::to_string(j));
    }
    c.line(-3, 0, 38, 0, colors::black);
    c.line(0, -3, 0, 14, colors::black);
    // Erasing what moves leaves the grid, the axes and the labels.
    c.keepAsBackground();
}

void drawMediumAngleGrid(Canvas& c, double Mv) {
    c.scale(-21, 17, 20, -1);
    for (int j = 0; j <= 18; j += 2) {
        c.line(-20, j, 20, j, colors::grid);
        label(c, -21, j + 0.5, formatNumber(j * Mv));
    }
    for (int i = -20; i <= 20; i += 2) {
        c.line(i, 0, i, 18, colors::grid);
        label(c, i - 0.3, -0.3, formatNumber(90 + 4.5 * i));
    }
    c.line(0, 17, 0, 0, colors::black);
    c.line(-20, 0, 20, 0, colors::black);
}

void drawMediumTimeGrid(Canvas& c, double Mv, double Mt) {
    c.scale(-4, 17, 37, -1);
    for (int j = 0; j <= 18; j += 2) {
        c.line(-4, j, 37, j, colors::grid);
        label(c, -4, j + 0.5, formatNumber(j * Mv));
    }
    for (int i = -4; i <= 37; i += 2) {
        c.line(i, 0, i, 18, colors::grid);
        label(c, i - 0.3, -0.3, formatNumber(i * Mt));
    }
    c.line(0, 17, 0, 0, colors::black);
    c.line(-4, 0, 37, 0, colors::black);
}

void MediumExperiment::drawArrivalMarks(Canvas& c, const MediumOptions& o) const {
    // Length of one period along the source's path, seen in the frame.
    const double vx = o.frameThroughMedium() ? st.VX(2) - VXiso : st.VX(2);
    const double L = st.T00 * vx / M;
    for (int i = 1; i <= k - 1 && i <= 20; ++i) {
        const double xs = Xe(i) / M, ys = st.Yn2(i) / M;
        const double xr = st.Xk1(i) / M, yr = st.Yk1(i) / M;
        c.circle(xs, ys, 0.2, colors::source);
        c.circle(xr, yr, 0.2, colors::receiver);
        c.line(xs, ys, xr, yr, kGreen);
        const double along = X2s / M + L / 2;
        c.circle(along + (i - 1) * L + 0.3, 1, 0.6, kGreen);
        label(c, along + (i - 2) * L, 1.3, std::to_string(i - 1));
        c.circle(xr - 2.3, yr - 0.5, 0.6, kGreen);
        label(c, xr - 2.6, yr - 0.2, std::to_string(i - 1));
        const std::string n = std::to_string(i);
        label(c, xs - 0.2, ys - 0.9, "Xn2(" + n + ")= " + formatTrunc(Xe(i), 1));
        label(c, xs - 0.2, ys - 1.9, "Tn2(" + n + ")= " + formatTrunc(st.Tn2(i), 2));
        label(c, xr - 0.2, yr + 0.9, "Xn1(" + n + ")= " + formatTrunc(st.Xk1(i), 1));
        label(c, xr - 0.2, yr + 1.9, "Tn1(" + n + ")= " + formatTrunc(st.Tn1(i), 2));
    }
}

void MediumExperiment::drawOscillationAndBodies(Canvas& c, const MediumOptions& o) {
    // The transmitter's signal as a sine along the source's path, one point
    // per 0,01 s; points already on the picture are not drawn again. Only the
    // part of the path inside the picture is drawn, and at most kMaxPoints
    // per display step (the rest follow at the next ones): however long the
    // step, a display step draws no more than the picture can show.
    constexpr double kMaxPoints = 20000;
    double next = oscillationDrawn_ + 1;
    double last = std::nearbyint(100 * st.T);
    if (VX2draw != 0) {
        const double t1 = T0 + (kAnimationLeft * M - X2s) / VX2draw;
        const double t2 = T0 + (kAnimationRight * M - X2s) / VX2draw;
        next = std::fmax(next, std::ceil(100 * std::fmin(t1, t2)));
        last = std::fmin(last, std::floor(100 * std::fmax(t1, t2)));
    }
    const double end = std::fmin(last, next + kMaxPoints - 1);
    const long long count = end >= next ? static_cast<long long>(end - next) + 1 : 0;
    for (long long i = 0; i < count; ++i) {
        const double t = (next + static_cast<double>(i)) / 100.0 - T0;
        c.point((t * VX2draw + X2s) / M, 2 * std::sin(t * omega), kGreen);
    }
    if (count > 0) oscillationDrawn_ = end;

    const double shift = o.frameThroughMedium() ? VXiso * st.T : 0;
    c.circle(prevX1_ / M, prevY1_ / M, 0.2, colors::white);
    c.circle(prevX2_ / M, prevY2_ / M, 0.2, colors::white);
    prevX1_ = st.X(1) - shift;
    prevY1_ = st.Y(1);
    prevX2_ = st.X(2) - shift;
    prevY2_ = st.Y(2);
    c.circle(prevX1_ / M, prevY1_ / M, 0.2, colors::receiver);
    c.circle(prevX2_ / M, prevY2_ / M, 0.2, colors::source);
}

void MediumExperiment::drawSearchBodies(Canvas& c) {
    c.circle(prevX1_ / M, prevY1_ / M, 0.2, colors::white);
    c.circle(prevX2_ / M, prevY2_ / M, 0.2, colors::white);
    rememberBodies();
    c.circle(prevX1_ / M, prevY1_ / M, 0.2, colors::source);
    c.circle(prevX2_ / M, prevY2_ / M, 0.2, colors::source);
}

} // namespace sonrel
