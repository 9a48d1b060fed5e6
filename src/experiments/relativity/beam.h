#pragma once
// The beam of rays a source sends out at the start of every period: rays
// 0..Nrays sweep from mean + cone/2 down to mean - cone/2. For the classical
// kinematics each ray also has its speed and direction as seen from ИСО and
// the reverse view (a signal running toward the ИСО origin).
#include "base/shared_state.h"

#include <vector>

namespace sonrel::relativity {

struct Beam {
    std::vector<double> angle;              // direction in the rest medium, radians
    std::vector<double> isoDir, isoSpeed;   // (Vs cos a - VXiso, Vs sin a)
    std::vector<double> revDir, revSpeed;   // (Vs cos a + VXiso, Vs sin a), dir in (-π, π]
    std::vector<double> x, y, nextX, nextY; // current and next point of each ray
    std::vector<double> speed, dir;         // what the rays travel with in this run
    std::vector<double> velX, velY;         // speed * (cos, sin) of dir: a ray's velocity
    double maxSpeed = 0;                    // the fastest ray
    double minSpeed = 0;                    // the slowest ray
    // Every ray's velocity lies on one circle: the signal's speed about the
    // drift of its medium (none in the medium's own frame, -VXiso along X
    // in the classical view from ИСО).
    double driftX = 0, driftY = 0, signalSpeed = 0;

    int last() const { return static_cast<int>(angle.size()) - 1; }

    // Sizes the tables for rays 0..nRays and fills the angles.
    void build(int nRays, double firstAngle, double angleStep);
    // Fills the ИСО-view and reverse-view tables for the frame speed vxIso
    // (directions with the caller's π).
    void buildViews(double pi, double vs, double vxIso);
    // Every ray travels in its own direction with vs, or with its ИСО view.
    void travelInMedium(double vs);
    void travelAsSeenFromIso();
    // Puts every ray's current point at (x0, y0).
    void emitFrom(double x0, double y0);
    // Computes the next point of ray j after dt.
    void advance(int j, double dt) {
        nextX[j] = x[j] + speed[j] * dt * cosDir_[j];
        nextY[j] = y[j] + speed[j] * dt * sinDir_[j];
    }
    void settle(int j) {
        x[j] = nextX[j];
        y[j] = nextY[j];
    }
    // 0 when rays j-1 and j do not straddle the point from above; 1 when
    // ray j-1 passes above it, 2 when only ray j does.
    int straddles(int j, double px, double py) const {
        if (!(nextX[j - 1] < px && nextX[j] > px)) return 0;
        if (nextY[j - 1] > py) return 1;
        if (nextY[j] > py) return 2;
        return 0;
    }

    // Speed of the first ray (from 0 upward) whose tabulated direction is not
    // greater than q; throws MathError when no ray looks that way.
    double isoSpeedToward(double q) const;
    double reverseSpeedToward(double q) const;
    // As isoSpeedToward, but a ray qualifies only when its direction is below q.
    double isoSpeedBelow(double q) const;

private:
    std::vector<double> cosDir_, sinDir_;
    double viewSpeed_ = 0, viewDrift_ = 0;
    void cacheDirections();
};

} // namespace sonrel::relativity
