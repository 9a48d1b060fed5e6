#include "experiments/membrane/membrane_drawing.h"

#include "base/checked_math.h"
#include "experiments/animation_grid.h"

namespace sonrel {

namespace mp = membrane_points;

namespace {

constexpr double kMarker = 0.2;
constexpr Color kRay = rgb(0, 0, 250);
constexpr Color kAimLine = rgb(255, 0, 255);
constexpr Color kReflected = rgb(0, 250, 0);

// Draws in canvas units: model metres divided by the picture scale. A zero
// scale or a position beyond the range of numbers is an error, never drawn.
class Scaled {
public:
    Scaled(Canvas& c, double scale) : c_(c), inv_(safeDiv(1, scale)) {}
    void circle(Point p, Color col) const { c_.circle(u(p.x), u(p.y), kMarker, col); }
    void line(Point p, Point q, Color col) const { c_.line(u(p.x), u(p.y), u(q.x), u(q.y), col); }
    void line(const Segment& g, Color col) const { line(g.a, g.b, col); }

private:
    double u(double metres) const { return finite(metres * inv_, "position beyond the picture"); }
    Canvas& c_;
    double inv_;
};

Segment endsAt(const SharedState& s, int a, int b) {
    return {pointAt(s, a), pointAt(s, b)};
}

// Erases a segment where it was last drawn (if it was) and draws it anew.
void redraw(const Scaled& d, bool& drawnBefore, Segment& last, const Segment& now) {
    if (drawnBefore) d.line(last, colors::white);
    d.line(now, colors::black);
    last = now;
    drawnBefore = true;
}

} // namespace

void drawAim(Canvas& canvas, const SharedState& s, bool gridNumbers) {
    drawAnimationGrid(canvas, gridNumbers);
    const Scaled d(canvas, s.pictureScale);
    const Point source = pointAt(s, mp::source), aim = pointAt(s, mp::aim);
    d.circle(source, colors::source);
    d.circle(aim, colors::source);
    d.circle(pointAt(s, mp::receiver), colors::receiver);
    d.line(source, aim, kAimLine);
    d.line(endsAt(s, mp::receiverA, mp::receiverB), colors::black);
    d.line(endsAt(s, mp::sourceA, mp::sourceB), colors::black);
}

void drawDisplayStep(Canvas& canvas, const SharedState& s, MembraneModel& m) {
    canvas.scale(kAnimLeft, kAnimTop, kAnimRight, kAnimBottom);
    const Scaled d(canvas, s.pictureScale);
    DrawnPositions& last = m.drawn;
    if (last.bodies) {
        d.circle(last.receiver, colors::white);
        d.circle(last.source, colors::white);
    }
    last.receiver = pointAt(s, mp::receiver);
    last.source = pointAt(s, mp::source);
    last.bodies = true;
    d.circle(last.receiver, colors::source);
    d.circle(last.source, colors::source);
    redraw(d, last.receiverMembrane, last.receiverEnds, endsAt(s, mp::receiverA, mp::receiverB));
    redraw(d, last.sourceMembrane, last.sourceEnds, endsAt(s, mp::sourceA, mp::sourceB));
    for (int j = 1; j <= m.emittedCount; ++j)
        redraw(d, last.front[j], last.frontEnds[j], m.frontEnds(j));
    // Rays of the received fronts: emission point to reception point.
    for (int j = 1; j <= m.receivedCount; ++j) {
        const Point at{s.Xk1(j - 1), s.Yk1(j - 1)}, from{s.Xn2(j), s.Yn2(j)};
        d.circle(at, colors::source);
        d.circle(from, colors::source);
        d.line(at, from, kRay);
    }
}

void drawMirrorRays(Canvas& canvas, const SharedState& s, const MembraneModel& m) {
    if (!m.mirror.done) return;
    canvas.scale(kAnimLeft, kAnimTop, kAnimRight, kAnimBottom);
    const Scaled d(canvas, s.pictureScale);
    const Point from{s.Xn2(1), s.Yn2(1)};
    d.circle(m.mirror.reflection, colors::source);
    d.line(from, m.mirror.reflection, kRay);
    d.line(m.mirror.reflection, m.mirror.rayEnd, kReflected);
}

} // namespace sonrel
