#pragma once
// Coordinate time of a rod's two ends seen by an observer on the X axis:
// the light travel times, the visible positions, and the alignment of both
// ends to one observation time, under four theories.
#include "base/shared_state.h"
#include "canvas/canvas.h"

#include <string>
#include <vector>

namespace sonrel {

enum class RodTheory { ClassicAso, ClassicIso, Sto, StoPlus };

// Signals emitted in the moving frame and carried along by it: the speed and
// direction of Vs + VXiso over the whole circle of emission angles. The rays
// above the X axis are emitted from 179° down to -1°; as the frame moves along
// X, the rays below the axis are their mirror images.
class RayTable {
public:
    static constexpr int kRays = 5000;

    // `pi` is the caller's π, which sets the degree and the folding of directions.
    void build(double pi, double Vs, double VXiso);
    bool empty() const { return speed_.empty(); }
    // Speed along the direction a in (-π, π]. For a >= 0 the first upper ray
    // (in falling direction order) whose direction is at most a (strict:
    // below a); for a < 0 the mirror of that search, so a direction and its
    // mirror image always get the same speed. Throws MathError when no ray
    // qualifies (no table yet, or a signal slower than the frame).
    double effectiveSpeed(double a, bool strict) const;

private:
    // Rays emitted at 179° - j·180°/kRays; their directions fall with j.
    std::vector<double> speed_, dir_;
};

struct RodInput {
    double X1 = 0, Y1 = 0, VX1 = 0;
    double X2 = 0, Y2 = 0, VX2 = 0;
    double M = 0;  // drawing scale, m per unit (none until the first calculation)
    double Vs = 0; // signal speed
    double VXiso = 0;
    double Xn = 0; // observer on the X axis
    RodTheory theory = RodTheory::Sto;
};

// What the coordinate-time calculation shows.
struct RodView {
    double X1 = 0, X2 = 0; // visible positions
    double T1 = 0, T2 = 0; // coordinate times of the ends
    double VX1 = 0, VX2 = 0;
    double Xn1 = 0, Xn2 = 0; // observer at the reception from end 1, 2
};

struct AlignInput {
    double X1 = 0, Y1 = 0, T1 = 0;
    double X2 = 0, Y2 = 0, T2 = 0;
    int iterations = 0;
    bool toEnd1Time = true; // align to T1 (end 2 moves) or to T2 (end 1 moves)
    RodTheory theory = RodTheory::Sto;
};

// Per end k (1, 2; index 0 unused) after the alignment.
struct AlignView {
    double X[3] = {0, 0, 0}, Y[3] = {0, 0, 0};
    double dt[3] = {0, 0, 0}; // time shift of each end
    double Xn[3] = {0, 0, 0}; // observer at the reception from each end
    double T[3] = {0, 0, 0};  // observation time of each end
    // Travel and reception times; shown only for the ends where computed.
    double travel[3] = {0, 0, 0}, reception[3] = {0, 0, 0};
    bool computed[3] = {false, false, false};
};

// The rod's ends, the observer and what the coordinate-time calculation
// leaves for the alignment are the window's own: nothing of another window's
// experiment is read or written (only the constants π and degrees per radian).
class RodModel {
public:
    explicit RodModel(const SharedState& s) : s_(s) {}

    // Stores the inputs, builds the ray table and draws the rod at rest.
    // Returns G = sqrt(1 - (VXiso/Vs)^2). Throws MathError.
    double begin(const RodInput& in, Canvas& canvas);
    // The coordinate times and visible positions of the chosen theory.
    RodView solve();
    // Draws the seen rod one unit up, the sight lines and the observer marks.
    void drawSolved(Canvas& canvas, const RodView& v);

    // Shifts one end in time until both are seen at the chosen end's time.
    AlignView align(const AlignInput& in);
    // Draws the aligned rod at the current height; the next one goes higher.
    void drawAligned(Canvas& canvas, const AlignView& v);

    // Observer at the reception from end k as the last calculation left it.
    double observerAtReception(int k) const { return observerAt_[k]; }

private:
    double sightTime(double xn, double xk, double yk) const;
    double startX(int k) const; // end k where the calculation found it at T = 0
    void alignClassicIso(AlignView& v, int end, double target, int n);
    void alignClassicAso(AlignView& v, int end, double target, int n);
    void drawRod(Canvas& canvas, double x1, double y1, double x2, double y2, double lift, Color c,
                 double t1, double t2);

    const SharedState& s_;
    RodInput in_;                      // start values of the ends, the observer Xn, Vs, VXiso
    double seenVX_[3] = {0, 0, 0};     // velocities of the ends in the chosen theory
    double observerAt_[3] = {0, 0, 0}; // observer at the reception from end 1, 2
    RayTable rays_;
    double G_ = 1;
    double offset_ = 2;
};

// The rod window's picture: grid of unit steps with tick labels and axes.
void drawRodGrid(Canvas& canvas);

// "dX= …   T1= …   T2= …", the label beside each drawn rod.
std::string rodLabel(double x1, double x2, double t1, double t2);

} // namespace sonrel
