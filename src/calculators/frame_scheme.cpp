#include "calculators/frame_scheme.h"

#include <cmath>
#include <string>

namespace sonrel {

namespace {

constexpr Color kInk = colors::black;
constexpr double kDegToRad = 3.14159265358979 / 180;

struct Pt {
    double x, y;
};

Pt operator+(Pt a, Pt b) {
    return {a.x + b.x, a.y + b.y};
}

void text(Canvas& c, Pt at, const char* s) {
    c.setCurrent(at.x, at.y);
    c.print(s);
}

// A segment with an open arrowhead at its end.
void arrow(Canvas& c, Pt from, Pt to, double head = 9) {
    c.line(from.x, from.y, to.x, to.y, kInk);
    const double a = std::atan2(to.y - from.y, to.x - from.x);
    for (double side : {-1.0, 1.0}) {
        const double h = a + 3.14159265358979 + side * 25 * kDegToRad;
        c.line(to.x, to.y, to.x + head * std::cos(h), to.y + head * std::sin(h), kInk);
    }
}

void dashed(Canvas& c, Pt from, Pt to, double dash = 5, double gap = 4) {
    const double len = std::hypot(to.x - from.x, to.y - from.y);
    if (len == 0) return;
    const double ux = (to.x - from.x) / len, uy = (to.y - from.y) / len;
    for (double s = 0; s < len; s += dash + gap) {
        const double e = std::min(s + dash, len);
        c.line(from.x + ux * s, from.y + uy * s, from.x + ux * e, from.y + uy * e, kInk);
    }
}

// Arc of radius r around centre from angle a0 to a1 (degrees).
void arc(Canvas& c, Pt centre, double r, double a0, double a1) {
    const int n = 24;
    for (int i = 0; i < n; ++i) {
        const double p = (a0 + (a1 - a0) * i / n) * kDegToRad;
        const double q = (a0 + (a1 - a0) * (i + 1) / n) * kDegToRad;
        c.line(centre.x + r * std::cos(p), centre.y + r * std::sin(p), centre.x + r * std::cos(q),
               centre.y + r * std::sin(q), kInk);
    }
}

double directionDeg(Pt v) {
    return std::atan2(v.y, v.x) / kDegToRad;
}

// One body: its local axes, bold velocity components and resultant with the
// dashed rectangle they span, and the arc of its angle to the line of sight.
struct BodyScheme {
    Pt at;
    Pt velocity;
    double axisLength;
    const char *xAxis, *yAxis, *vx, *vy, *v, *angle;
    Pt vxLabel, vyLabel;
};

void drawBody(Canvas& c, const BodyScheme& b, double sightDeg) {
    const Pt p = b.at;
    arrow(c, p + Pt{-15, 0}, p + Pt{b.axisLength, 0});
    arrow(c, p + Pt{0, -15}, p + Pt{0, b.axisLength});
    text(c, p + Pt{b.axisLength - 25, -4}, b.xAxis);
    text(c, p + Pt{5, b.axisLength + 12}, b.yAxis);

    const Pt vx{b.velocity.x, 0}, vy{0, b.velocity.y};
    dashed(c, p + vx, p + b.velocity);
    dashed(c, p + vy, p + b.velocity);
    c.setDrawWidth(3);
    arrow(c, p, p + vx, 11);
    arrow(c, p, p + vy, 11);
    arrow(c, p, p + b.velocity, 11);
    c.setDrawWidth(1);
    text(c, p + b.vxLabel, b.vx);
    text(c, p + b.vyLabel, b.vy);
    text(c, p + b.velocity + Pt{4, 16}, b.v);

    const double vDeg = directionDeg(b.velocity);
    arc(c, p, 40, sightDeg, vDeg);
    const double mid = (sightDeg + vDeg) / 2 * kDegToRad;
    text(c, p + Pt{52 * std::cos(mid), 52 * std::sin(mid) + 6}, b.angle);
}

// A coordinate tick on the ИСО axes with the dashed projection of a body.
void projections(Canvas& c, Pt body, Pt origin, const char* xTick, const char* yTick) {
    dashed(c, body, {body.x, origin.y});
    dashed(c, body, {origin.x, body.y});
    c.line(body.x, origin.y - 4, body.x, origin.y + 4, kInk);
    c.line(origin.x - 4, body.y, origin.x + 4, body.y, kInk);
    text(c, {body.x - 14, origin.y - 5}, xTick);
    text(c, {origin.x + 5, body.y + 15}, yTick);
}

} // namespace

void drawFrameScheme(Canvas& c) {
    c.scale(0, kSchemeHeight, kSchemeWidth, 0);
    c.setBackground(colors::white);
    c.setTextColor(kInk);
    c.setDrawWidth(1);
    c.clear();

    // АСО along the bottom and left edges, ИСО just inside.
    const Pt aso{12, 16}, iso{40, 42};
    arrow(c, aso, {574, aso.y});
    arrow(c, aso, {aso.x, 370});
    text(c, {538, aso.y - 2}, "Xaso");
    text(c, {aso.x + 5, 375}, "Yaso");
    arrow(c, iso, {560, iso.y});
    arrow(c, iso, {iso.x, 350});
    text(c, {528, iso.y - 3}, "Xiso");
    text(c, {iso.x + 8, 352}, "Yiso");

    const Pt source{150, 110}, receiver{390, 200};
    projections(c, source, iso, "X2iso", "Y2iso");
    projections(c, receiver, iso, "X1iso", "Y1iso");

    // Line of sight from the source through the receiver, on to the signal's arrow.
    const Pt sight{receiver.x - source.x, receiver.y - source.y};
    arrow(c, source, receiver + Pt{sight.x * 0.55, sight.y * 0.55});
    text(c, receiver + Pt{sight.x * 0.55 + 4, sight.y * 0.55 + 16}, "Vs");
    const double sightDeg = directionDeg(sight);

    drawBody(c,
             {source,
              {75, 70},
              125,
              "Xiso2",
              "Yiso2",
              "VX2iso",
              "VY2iso",
              "V2iso",
              "Q2",
              {22, -5},
              {-48, 62}},
             sightDeg);
    drawBody(c,
             {receiver,
              {60, 95},
              140,
              "Xiso1",
              "Yiso1",
              "VX1iso",
              "VY1iso",
              "V1iso",
              "Q1",
              {14, -5},
              {-48, 90}},
             sightDeg);
}

} // namespace sonrel
