#pragma once
// Every period's beam in flight at once: beam k leaves the source at its own
// emission time, whether or not the earlier beams have reached the receiver,
// and each beam's meeting with the receiver is found on its own. All beams
// share the rays' velocities; a beam is its emission event, so ray j of beam
// k is at emission point + (velX[j], velY[j]) * (t - emission time).
#include "canvas/canvas.h"
#include "experiments/relativity/beam.h"

#include <array>
#include <optional>
#include <vector>

namespace sonrel::relativity {

class AllFrontsInFlight {
public:
    static constexpr int kBeams = 20; // one beam per period of the record

    // No beam emitted.
    void clear();
    // Beam k left (x0, y0) at model time t0.
    void emitBeam(int k, double x0, double y0, double t0);
    bool emitted(int k) const { return at(k).emitted; }
    bool inFlight(int k) const { return at(k).emitted && !at(k).received; }
    void receive(int k) { at(k).received = true; }
    int countInFlight() const;

    // The model time at which beam k's front passed the receiver, when it has
    // done so by time t (the receiver is now at (px, py) and moves with
    // (vx, vy)); nothing when it has not. The front between the two rays that
    // bracket the receiver's direction is the chord joining their points;
    // the receiver crosses it within the last step of length dt.
    std::optional<double> meets(const Beam& rays, int k, double t, double dt, double px, double py,
                                double vx, double vy) const;
    // The last step (of length dt, ending at t) of every beam in flight, as
    // line segments (x0, y0, x1, y1) scaled by inv, appended to out. With
    // keepOn the received beams' steps too, each beam's until every ray of
    // it lies beyond the farthest corner of that canvas's picture.
    void appendMoves(const Beam& rays, double t, double dt, double inv, std::vector<double>& out,
                     const Canvas* keepOn = nullptr) const;

private:
    struct Emission {
        bool emitted = false, received = false;
        double x0 = 0, y0 = 0, t0 = 0;
    };
    std::array<Emission, kBeams + 1> beams_{};
    Emission& at(int k);
    const Emission& at(int k) const;
};

} // namespace sonrel::relativity
