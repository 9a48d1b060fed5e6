#include "experiments/classic/animation.h"

#include "base/checked_math.h"
#include "base/numbers.h"
#include "experiments/picture_reach.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

namespace sonrel {

namespace {

constexpr double kMarker = 0.2, kRing = 0.6;
constexpr double kCoordOffset = 0.9, kTimeOffset = 1.9;

// Model metres to canvas centimetres; a point that cannot be drawn is an error.
class ToCanvas {
public:
    explicit ToCanvas(double metresPerUnit) : s_(metresPerUnit) {
        // Metres per unit: a zero or negative scale shows nothing sensible.
        if (!(s_ > 0)) throw MathError("picture scale not positive");
    }
    double operator()(double metres) const { return finite(metres / s_, "picture overflow"); }
    double scale() const { return s_; }

private:
    double s_;
};

// A value truncated to one decimal, its top-left just left of and above the point.
void label(Canvas& c, double x, double y, double offset, const std::string& name, double value) {
    c.setCurrent(x - 0.2, y + offset);
    c.print(name + formatTrunc(value, 1));
}

// The labels of a display step, each kept formatted while its front and value stay.
class StepLabels {
public:
    StepLabels(Canvas& c, AnimationMemory& memory) : c_(c), memory_(memory) {}

    // Label number slot, "name(j)= value"; a slot always carries the same name.
    void put(std::size_t slot, double x, double y, double offset, const char* name, int j,
             double value) {
        if (memory_.labels.size() <= slot) memory_.labels.resize(slot + 1);
        AnimationMemory::Label& l = memory_.labels[slot];
        if (l.front != j || l.value != value || l.text.empty()) {
            l.text = std::string(name) + "(" + std::to_string(j) + ")= " + formatTrunc(value, 1);
            l.front = j;
            l.value = value;
        }
        c_.setCurrent(x - 0.2, y + offset);
        c_.print(l.text);
    }

private:
    Canvas& c_;
    AnimationMemory& memory_;
};

// The wave points k = 1 .. count lie at x = x0 + k·step; only those within
// the picture's width (and a point of margin) can show, the rest are clipped.
// A wave without length puts every point on the first one.
std::pair<int, int> visibleWavePoints(const Canvas& c, double x0, double step, int count) {
    if (count < 1) return {1, 0};
    if (step == 0) return {1, 1};
    double a = (c.scaleLeft() - x0) / step, b = (c.scaleRight() - x0) / step;
    if (a > b) std::swap(a, b);
    const double first = std::max(1.0, std::floor(a) - 1);
    const double last = std::min(static_cast<double>(count), std::ceil(b) + 1);
    if (first > last) return {1, 0};
    return {static_cast<int>(first), static_cast<int>(last)};
}

// A front circle wiped where it was last drawn (its line is about 0.04 wide).
void eraseFront(Canvas& c, double x, double y, double drawn) {
    c.circle(x, y, drawn, colors::frontErase);
    if (drawn - 0.04 > 0) c.circle(x, y, drawn - 0.04, colors::frontErase);
}

// Every front in flight as its own circle: all old circles are wiped first
// (a received front's for good), then the present ones drawn, so a wipe
// never cuts into a circle drawn at this step. With keepReceived a received
// front is drawn on with its radius Vs·(T − Tn2(j)) until the whole picture
// lies inside it.
void drawFrontsInFlight(Canvas& c, const SharedState& s, AllFrontsState& f, const ToCanvas& cv) {
    for (int j = 1; j <= PeriodArray::hi(); ++j) {
        if (f.radiiDrawn(j) <= 0) continue;
        eraseFront(c, cv(s.Xn2(j)), cv(s.Yn2(j)), cv(f.radiiDrawn(j)));
        f.radiiDrawn(j) = 0;
    }
    for (int j = 1; j <= PeriodArray::hi(); ++j) {
        double radius = f.radii(j);
        if (f.received(j)) {
            if (!f.keepReceived) continue;
            const double x = cv(s.Xn2(j)), y = cv(s.Yn2(j));
            radius = s.Vs * (s.T - s.Tn2(j));
            // Not finite or past the picture's farthest corner: nothing to draw.
            if (!(radius / cv.scale() <= farthestPictureCorner(c, x, y))) continue;
        }
        if (radius <= 0) continue;
        f.radiiDrawn(j) = radius;
        c.circle(cv(s.Xn2(j)), cv(s.Yn2(j)), cv(radius), colors::front);
    }
}

} // namespace

void drawPeriodSetting(Canvas& c, const SharedState& s, bool withText) {
    const ToCanvas cv(s.pictureScale);
    const double r0x = cv(s.Xn1(0)), r0y = cv(s.Yn1(0)), r1x = cv(s.Xn1(1)), r1y = cv(s.Yn1(1));
    const double s0x = cv(s.Xn2(0)), s0y = cv(s.Yn2(0)), s1x = cv(s.Xn2(1)), s1y = cv(s.Yn2(1));
    const double s2x = cv(s.Xn2(2)), s2y = cv(s.Yn2(2));
    drawAnimationGrid(c, withText, s.pictureShiftX, s.pictureShiftY);
    c.line(s1x, s1y, r0x, r0y, colors::sightLine);
    c.line(s2x, s2y, r1x, r1y, colors::sightLine);
    c.circle(s0x, s0y, kMarker, colors::source);
    c.circle(s2x, s2y, kMarker, colors::source);
    c.circle(r1x, r1y, kMarker, colors::receiver);
    if (!withText) return;
    label(c, r0x, r0y, kCoordOffset, "Xn1(0)= ", s.Xn1(0));
    label(c, r0x, r0y, kTimeOffset, "Tn1(0)= ", s.Tn1(0));
    c.circle(r0x, r0y, kMarker, colors::receiver);
    label(c, s1x, s1y, kCoordOffset, "Xn2(1)= ", s.Xn2(1));
    label(c, s1x, s1y, kTimeOffset, "Tn2(1)= ", 0);
    label(c, s2x, s2y, kCoordOffset, "Xn2(2)= ", s.Xn2(2));
    label(c, s2x, s2y, kTimeOffset, "Tn2(2)= ", s.Tn2(2));
    label(c, r1x, r1y, kCoordOffset, "Xn1(1)= ", s.Xn1(1));
    label(c, r1x, r1y, kTimeOffset, "Tn1(1)= ", s.Tn1(1));
}

namespace {

// The display step; fronts, when given and in the every-front mode, replace
// the tracked front by every front in flight.
void drawStep(Canvas& c, SharedState& s, AllFrontsState* fronts, AnimationMemory& memory,
              bool withText) {
    const FrameScope frame(c);
    const ToCanvas cv(s.pictureScale);
    // The tracked front; once the record's last front has been received (a
    // run whose last arrival falls on a display step) the last one stands for it.
    const int i = std::min(s.frontIndex, PeriodArray::hi());
    const double emitX = cv(s.Xn2(i)), emitY = cv(s.Yn2(i));

    if (fronts && fronts->allFronts) {
        drawFrontsInFlight(c, s, *fronts, cv);
    } else if (!(s.sgnX2 * s.Xn2(i) > s.sgnX2 * s.X(2))) {
        // The tracked front, once its source has reached the emission point (X test only).
        const double drawn = cv(s.frontRadiusDrawn);
        c.circle(emitX, emitY, drawn, colors::frontErase);
        if (drawn - 0.04 > 0) c.circle(emitX, emitY, drawn - 0.04, colors::frontErase);
        s.frontRadiusDrawn = s.frontRadius;
        c.circle(emitX, emitY, cv(s.frontRadius), colors::front);
    }
    drawAnimationGrid(c, withText, s.pictureShiftX, s.pictureShiftY);

    // Bodies: wipe the previous markers, draw the present ones.
    const double x1 = cv(s.X(1)), y1 = cv(s.Y(1)), x2 = cv(s.X(2)), y2 = cv(s.Y(2));
    c.circle(memory.x1, memory.y1, kMarker, colors::white);
    c.circle(memory.x2, memory.y2, kMarker, colors::white);
    c.circle(x1, y1, kMarker, colors::receiver);
    c.circle(x2, y2, kMarker, colors::source);
    memory.x1 = x1;
    memory.y1 = y1;
    memory.x2 = x2;
    memory.y2 = y2;

    const double r0x = cv(s.Xn1(0)), r0y = cv(s.Yn1(0));
    const double s0x = cv(s.Xn2(0)), s0y = cv(s.Yn2(0)), s1x = cv(s.Xn2(1)), s1y = cv(s.Yn2(1));
    c.line(r0x, r0y, x1, y1, colors::receiver);
    c.line(s0x, s0y, x2, y2, colors::source);
    c.line(s1x, s1y, r0x, r0y, colors::sightLine);
    c.circle(r0x, r0y, kMarker, colors::receiver);
    c.circle(s0x, s0y, kMarker, colors::source);
    c.circle(emitX, emitY, kMarker, colors::source);

    // The wave: 2000 points per completed period along the source's path.
    const double period = cv(finite(s.T00 * s.VX(2)));
    const double waveStep = period / 2000, phaseStep = period * cv.scale() / 5 / 2000 / 1.592;
    const auto [kFirst, kLast] = visibleWavePoints(c, s1x, waveStep, 2000 * (i - 1));
    if (memory.waveFirst != kFirst || memory.waveLast != kLast || memory.waveX0 != s1x ||
        memory.waveStep != waveStep || memory.phaseStep != phaseStep) {
        // The wave's points change only with the scale, the source's motion and the periods.
        const std::size_t n = static_cast<std::size_t>(std::max(0, kLast - kFirst + 1));
        memory.waveX.resize(n);
        memory.waveY.resize(n);
        for (int k = kFirst; k <= kLast; ++k) {
            memory.waveX[static_cast<std::size_t>(k - kFirst)] = s1x + k * waveStep;
            memory.waveY[static_cast<std::size_t>(k - kFirst)] = std::sin(k * phaseStep);
        }
        memory.waveFirst = kFirst;
        memory.waveLast = kLast;
        memory.waveX0 = s1x;
        memory.waveStep = waveStep;
        memory.phaseStep = phaseStep;
        ++memory.waveRevision;
    }
    c.points(memory.waveX.data(), memory.waveY.data(), memory.waveX.size(), colors::ray,
             memory.waveRevision);

    StepLabels labels(c, memory);
    if (withText) {
        labels.put(0, r0x, r0y, kCoordOffset, "Xn1", 0, s.Xn1(0));
        labels.put(1, r0x, r0y, kTimeOffset, "Tn1", 0, s.Tn1(0));
        labels.put(2, s1x, s1y, kCoordOffset, "Xn2", 1, s.Xn2(1));
        labels.put(3, s1x, s1y, kTimeOffset, "Tn2", 1, 0);
        labels.put(4, emitX, emitY, kCoordOffset, "Xn2", i, s.Xn2(i));
        labels.put(5, emitX, emitY, kTimeOffset, "Tn2", i, s.Tn2(i));
    }

    for (int j = 1; j <= i; ++j) {
        const double ex = cv(s.Xn2(j)), ey = cv(s.Yn2(j));
        const double nx = cv(s.Xn1(j)), ny = cv(s.Yn1(j));
        const double kx = cv(s.Xk1(j - 1)), ky = cv(s.Yk1(j - 1));
        const bool sourcePassed = s.sgnX2 * s.X(2) >= s.sgnX2 * s.Xk2(j);
        c.circle(ex, ey, kMarker, colors::source);
        const double ringX = s1x + period / 2 + (j - 1) * period;
        c.circle(ringX + 0.3, 0, kRing, colors::ray);
        c.setCurrent(ringX, 0.3);
        c.print(std::to_string(j));
        if (sourcePassed) c.circle(cv(s.Xk2(j)), cv(s.Yk2(j)), kMarker, colors::source);
        c.circle(nx, ny, kMarker, colors::receiver);
        c.circle(kx, ky, kMarker, colors::receiver);
        c.line(kx, ky, ex, ey, colors::ray);
        // The line of sight at j·T00 needs the emission point of front j + 1,
        // which the record holds up to front 20.
        if (j + 1 <= PeriodArray::hi())
            c.line(cv(s.Xn2(j + 1)), cv(s.Yn2(j + 1)), nx, ny, colors::sightLine);
        const double arrivalX = kx - s.sgnX1 * 2.3;
        c.circle(arrivalX, ky - 0.5, kRing, colors::ray);
        c.setCurrent(arrivalX - 0.3, ky - 0.2);
        c.print(std::to_string(j - 1));
        if (!withText) continue;
        const std::size_t slot = 6 + 7 * static_cast<std::size_t>(j - 1);
        labels.put(slot, ex, ey, kCoordOffset, "Xn2", j, s.Xn2(j));
        labels.put(slot + 1, ex, ey, kTimeOffset, "Tn2", j, s.Tn2(j));
        if (sourcePassed) labels.put(slot + 2, cv(s.Xk2(j)), cv(s.Yk2(j)), 2.9, "Xk2", j, s.Xk2(j));
        labels.put(slot + 3, nx, ny, kCoordOffset, "Xn1", j, s.Xn1(j));
        labels.put(slot + 4, nx, ny, kTimeOffset, "Tn1", j, s.Tn1(j));
        labels.put(slot + 5, kx, ky, 2.9, "Xk1", j - 1, s.Xk1(j - 1));
        labels.put(slot + 6, kx, ky, 3.9, "Tk1", j - 1, s.Tk1(j - 1));
    }
}

} // namespace

void drawDisplayStep(Canvas& c, SharedState& s, AnimationMemory& memory, bool withText) {
    drawStep(c, s, nullptr, memory, withText);
}

void drawDisplayStep(Canvas& c, SharedState& s, AllFrontsState& fronts, AnimationMemory& memory,
                     bool withText) {
    drawStep(c, s, &fronts, memory, withText);
}

} // namespace sonrel
