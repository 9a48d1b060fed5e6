#include "calculators/frame_drawing.h"

#include "base/checked_math.h"
#include "base/numbers.h"

namespace sonrel {

namespace {

constexpr double kLeft = -5, kTop = 8, kRight = 12, kBottom = -4;
constexpr double kBodyRadius = 0.2;
constexpr Color kLegendAso = rgb(0, 0, 255);
constexpr Color kLegendIso = rgb(255, 0, 0);
constexpr Color kAsoVelocity = rgb(0, 0, 250);
constexpr Color kIsoVelocity = rgb(250, 0, 0);
constexpr Color kRelativeVelocity = rgb(0, 240, 0);

void printAt(Canvas& c, double x, double y, const std::string& text) {
    c.setCurrent(x, y);
    c.print(text);
}

// A body pair in picture units: positions / ML and velocity tips.
struct PairOnPicture {
    double x1, y1, x2, y2;
    double tip1x, tip1y, tip2x, tip2y;
};

PairOnPicture onPicture(const BodyPair& b, double ML, double MV) {
    const double x1 = safeDiv(b.X1, ML), y1 = safeDiv(b.Y1, ML);
    const double x2 = safeDiv(b.X2, ML), y2 = safeDiv(b.Y2, ML);
    return {x1,
            y1,
            x2,
            y2,
            x1 + safeDiv(b.VX1, MV),
            y1 + safeDiv(b.VY1, MV),
            x2 + safeDiv(b.VX2, MV),
            y2 + safeDiv(b.VY2, MV)};
}

void drawPair(Canvas& c, const PairOnPicture& p, Color bodyColor, Color velocityColor) {
    c.circle(p.x1, p.y1, kBodyRadius, bodyColor);
    c.circle(p.x2, p.y2, kBodyRadius, bodyColor);
    c.line(p.x1, p.y1, p.x2, p.y2, colors::black);
    c.line(p.x1, p.y1, p.tip1x, p.tip1y, velocityColor);
    c.line(p.x2, p.y2, p.tip2x, p.tip2y, velocityColor);
}

} // namespace

void drawFrameBackground(Canvas& c) {
    c.scale(kLeft, kTop, kRight, kBottom);
    c.clear();
    for (int i = -5; i <= 12; ++i)
        c.line(i, kBottom, i, kTop, colors::grid);
    for (int j = -4; j <= 8; ++j)
        c.line(kLeft, j, kRight, j, colors::grid);
    c.line(kLeft, 0, kRight, 0, colors::black);
    c.line(0, kTop, 0, kBottom, colors::black);
    c.line(-5, 7, -2, 7, kLegendAso);
    printAt(c, -1.5, 7.5, "ASO");
    c.line(-5, 6, -2, 6, kLegendIso);
    printAt(c, -1.5, 6.5, "ISO");
}

void printLorentzFactors(Canvas& c, const LorentzFactors& f) {
    printAt(c, 8.5, 7.7, "G=  " + formatTrunc(f.G, 6));
    printAt(c, 8.5, 6.7, "G1=  " + formatTrunc(f.G1, 6));
    printAt(c, 8.5, 5.7, "G2=  " + formatTrunc(f.G2, 6));
}

void drawFrameBodies(Canvas& c, const FrameResult& r, FrameFormula formula, double ML, double MV,
                     bool withAso) {
    const PairOnPicture aso = onPicture(r.aso, ML, MV);
    const PairOnPicture iso = onPicture(r.iso, ML, MV);
    const double relX = safeDiv(r.iso.VX1 - r.iso.VX2, MV);
    const double relY = safeDiv(r.iso.VY1 - r.iso.VY2, MV);
    if (withAso) drawPair(c, aso, kAsoVelocity, kAsoVelocity);
    drawPair(c, iso, kIsoVelocity, kIsoVelocity);
    if (formula == FrameFormula::Sto41 || formula == FrameFormula::Sto43)
        c.line(iso.x1, iso.y1, iso.x1 + relX, iso.y1 + relY, kRelativeVelocity);
}

} // namespace sonrel
