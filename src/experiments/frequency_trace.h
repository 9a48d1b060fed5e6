#pragma once
// The values of the live plot of the received frequency: the observed
// frequency 1/dT of every completed period at the time its last front
// arrived, the emitted frequency v0, and the chosen theory formula evaluated
// at display steps from the bodies as they are then, the source taken where
// it sent the signal that reaches the receiver at that instant.
#include "base/formula_choice.h"
#include "ui/experiment.h"

#include <optional>
#include <string>
#include <vector>

namespace sonrel {

struct TracePoint {
    double t = 0, v = 0;
};

// The chosen formula's frequency received at the instant of `now`: the
// source is carried back along its velocity to the point where it sent the
// signal that reaches the receiver now (exact delay), the line of sight runs
// from there to the receiver. Under "СТО" the formula's own frame change
// applies. The wavelength choice is ignored: the plot shows frequencies.
// Empty when no formula applies or a speed is not below the signal speed;
// a source as fast as the signal or another floating-point fault throws
// MathError.
std::optional<double> theoryFrequency(const BodiesNow& now, const FormulaSelection& sel);

class FrequencyTrace {
public:
    // What the last follow() changed, for a window that draws incrementally.
    struct Change {
        bool restarted = false;     // a new run: everything is drawn afresh
        std::size_t observed = 0;   // observed points appended at the end
        std::size_t theory = 0;     // theory points appended at the end
        bool theoryThinned = false; // the theory points were thinned: redraw them
    };

    // Takes the periods completed so far and, at a display step, the theory
    // value now. A model time earlier than the last one seen, or a period
    // record that no longer starts as the one taken, begins a new trace.
    Change follow(const Experiment& e, const FormulaSelection& sel, bool display);
    void clear();

    const std::vector<TracePoint>& observed() const { return observed_; }
    const std::vector<TracePoint>& theory() const { return theory_; }
    // The run's emitted frequency; 0 before a run has set its bodies up.
    double emitted() const { return v0_; }

    // The theory points are thinned to at most this many by keeping every
    // other one, so a long run stays cheap to draw.
    static constexpr std::size_t kTheoryLimit = 2000;

    // The table: a header "time,observed,theory", then one row per point in
    // time order with the other column empty.
    std::string csv() const;

private:
    std::vector<TracePoint> observed_, theory_;
    double v0_ = 0;
    double lastTime_ = 0;
    double spacing_ = 0;           // least model time between two theory points
    std::size_t periodsTaken_ = 0; // periods of the record taken so far
    double firstEnd_ = 0;          // end time of the record's first period
};

} // namespace sonrel
