#pragma once
// Every period's beam in flight at once: beam k leaves the source at its own
// emission time, whether or not the earlier beams have reached the receiver,
// and each beam's meeting with the receiver is tested on its own. All beams
// share the rays' directions and speeds; a beam is its launch point and the
// number of steps it has flown, so ray j of beam k is at
// launch + (velX[j], velY[j]) * steps * dt.
#include "experiments/relativity/beam.h"

#include <array>
#include <vector>

namespace sonrel::relativity {

class BeamsInFlight {
public:
    static constexpr int kBeams = 20; // one beam per period of the record

    // No beam launched.
    void clear();
    // Beam k leaves (x0, y0) now; it is first moved by the next advance.
    void launch(int k, double x0, double y0);
    bool launched(int k) const { return at(k).launched; }
    bool inFlight(int k) const { return at(k).launched && !at(k).received; }
    void receive(int k) { at(k).received = true; }
    int countInFlight() const;

    // Every beam in flight flies one more step.
    void advance();
    // The same test as for the single beam, on beam k's present rays: 0 when
    // no two neighbouring rays straddle the receiver at (px, py) from above,
    // 1 when ray j - 1 passes above it, 2 when only ray j does.
    int meets(const Beam& rays, int k, double px, double py, double dt) const;
    // The last step of every beam in flight, as line segments (x0, y0, x1, y1)
    // scaled by inv, appended to out.
    void appendMoves(const Beam& rays, double dt, double inv, std::vector<double>& out) const;

private:
    struct Launch {
        bool launched = false, received = false;
        double x0 = 0, y0 = 0;
        long steps = 0;
    };
    std::array<Launch, kBeams + 1> beams_{};
    Launch& at(int k);
    const Launch& at(int k) const;
};

} // namespace sonrel::relativity
