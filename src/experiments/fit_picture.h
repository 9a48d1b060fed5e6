#pragma once
// "Вписать опыт": the picture's scale (and, where the picture may move, its
// origin) chosen so that both bodies' whole paths for the run's expected
// duration, and the points the fronts leave from, stay inside the picture.
#include <optional>

namespace sonrel {

// Both bodies moving uniformly from their places at T = 0; the source emits
// front k (k = 1, 2, ...) at (k - 1)·T00 from where it then is, and the front
// spreads with vs in the medium at rest.
struct FitMotion {
    double x1 = 0, y1 = 0, vx1 = 0, vy1 = 0; // receiver
    double x2 = 0, y2 = 0, vx2 = 0, vy2 = 0; // source
    double vs = 0, T00 = 0;
    // The main window's one-front tracking: a moving source's front k begins
    // to grow only once front k - 1 has been received (or at its emission,
    // whichever is later), from the point it was emitted at.
    bool oneFrontAtATime = false;
};

// The fronts of the record a run waits for.
constexpr int kFitFronts = 20;

// The earliest time t >= start at which a front leaving (ex, ey) and grown
// with vs since `start` meets the receiver: |R(t) - E| = vs·(t - start),
// solved exactly. Nothing when the receiver outruns the front for good.
std::optional<double> frontMeetsReceiver(const FitMotion& m, double start, double ex, double ey);

struct FitDuration {
    double time = 0;
    bool capped = false; // some front never arrives: the time is the cap
};

// How long the run needs to receive `fronts` fronts: the last arrival. When
// a front never arrives (the receiver outruns the signal) the run has no end
// of its own; the cap is the record's emissions, fronts·T00, plus the time
// the first front would need to cross the bodies' first distance.
FitDuration expectedDuration(const FitMotion& m, int fronts = kFitFronts);

// A picture's user rectangle in canvas units (centimetres), y growing upward
// (top > bottom); the design's origin of the model lies inside it.
struct PictureRect {
    double left = 0, top = 0, right = 0, bottom = 0;
};

struct PictureFit {
    double scale = 0; // metres per canvas unit, two significant digits
    // Whole canvas units by which the picture's rectangle moves over the
    // model; zero where the origin is fixed.
    double shiftX = 0, shiftY = 0;
    FitDuration duration;
};

// The scale (and, unless originFixed, the shift) that keeps the paths of
// both bodies over the expected duration and the emission points inside the
// rectangle, `margin` of each side's length away from its edges. `pad`
// widens every body by that many metres (a membrane's half length). A
// fixed origin lies at each side's margin at most: a side nearer the origin
// than its margin keeps (1 - margin) of its own distance. When nothing moves
// away from the origin the scale stays `current`. A motion that cannot be
// drawn (a position beyond the range of numbers) throws MathError.
PictureFit fitPicture(const FitMotion& m, const PictureRect& r, bool originFixed, double current,
                      double pad = 0, double margin = 0.05);

// The smallest number of two significant digits not below x > 0.
double roundUpTwoDigits(double x);

} // namespace sonrel
