#include "experiments/frequency_trace.h"

#include "base/checked_math.h"
#include "base/csv_text.h"
#include "base/errors.h"
#include "theory/calculated_points.h"
#include "theory/formulas.h"

#include <algorithm>

namespace sonrel {

std::optional<double> theoryFrequency(const BodiesNow& now, const FormulaSelection& sel) {
    FormulaSelection frequency = sel;
    frequency.wavelength = false;
    // The default π of the record: the plot needs no other.
    const double pi = SharedState{}.pi;
    BodiesCalculation calc = inputsFromBodies(pi, now.bodies, now.v0, now.Vs, frequency, true);
    calc.in.mode = FormulaMode::Sweep;
    const FormulaResult r = calculateFrequency(calc.in, frequency, FormulaResult{});
    if (!r.speedsAccepted || !r.applied) return std::nullopt;
    return finite(r.v);
}

void FrequencyTrace::clear() {
    observed_.clear();
    theory_.clear();
    v0_ = 0;
    lastTime_ = 0;
    spacing_ = 0;
    periodsTaken_ = 0;
    firstEnd_ = 0;
}

FrequencyTrace::Change FrequencyTrace::follow(const Experiment& e, const FormulaSelection& sel,
                                              bool display) {
    Change c;
    const BodiesNow now = e.bodiesNow();
    const std::vector<ReceivedPeriod> periods = e.receivedPeriods();
    const bool earlier = now.known && now.t < lastTime_;
    const bool otherRecord = periods.size() < periodsTaken_ ||
                             (periodsTaken_ > 0 && periods.front().endTime != firstEnd_);
    if (earlier || otherRecord) {
        clear();
        c.restarted = true;
    }
    if (now.known) {
        lastTime_ = now.t;
        v0_ = now.v0;
    }
    if (!periods.empty()) firstEnd_ = periods.front().endTime;
    for (; periodsTaken_ < periods.size(); ++periodsTaken_) {
        const ReceivedPeriod& p = periods[periodsTaken_];
        // A period of no length has no frequency to show.
        if (!(p.dT > 0)) continue;
        observed_.push_back({p.endTime, 1 / p.dT});
        ++c.observed;
    }
    if (display && now.known && (theory_.empty() || now.t - theory_.back().t >= spacing_)) {
        try {
            if (const std::optional<double> v = theoryFrequency(now, sel)) {
                theory_.push_back({now.t, *v});
                ++c.theory;
            }
        } catch (const MathError&) {
            // No value at this instant (the source as fast as the signal).
        }
    }
    if (theory_.size() > kTheoryLimit) {
        std::size_t kept = 0;
        for (std::size_t i = 0; i < theory_.size(); i += 2)
            theory_[kept++] = theory_[i];
        theory_.resize(kept);
        spacing_ = (theory_.back().t - theory_.front().t) / static_cast<double>(kept - 1);
        c.theoryThinned = true;
        c.theory = 0;
    }
    return c;
}

std::string FrequencyTrace::csv() const {
    std::string out = "time,observed,theory\n";
    std::size_t i = 0, j = 0;
    while (i < observed_.size() || j < theory_.size()) {
        const bool takeObserved =
            j == theory_.size() || (i < observed_.size() && observed_[i].t <= theory_[j].t);
        if (takeObserved) {
            out += csvNumber(observed_[i].t) + "," + csvNumber(observed_[i].v) + ",\n";
            ++i;
        } else {
            out += csvNumber(theory_[j].t) + ",," + csvNumber(theory_[j].v) + "\n";
            ++j;
        }
    }
    return out;
}

} // namespace sonrel
