#include "experiments/classic/classic_run.h"

#include "experiments/classic/period_csv.h"
#include "experiments/classic/period_report.h"

namespace sonrel {

namespace {
// Front frontIndex is the next one to be received; past the record's last
// front every front of the run has been received.
bool recordComplete(const SharedState& s) {
    return s.frontIndex > PeriodArray::hi();
}
} // namespace

void ClassicRun::start(bool allFronts) {
    started_ = false;
    fronts_.allFronts = allFronts;
    setupRun(s_, fronts_);
    started_ = true;
}

StepOutcome ClassicRun::step(Canvas& canvas, Prompts& prompts) {
    StepOutcome o;
    if (!recordComplete(s_)) {
        const int before = s_.frontIndex;
        const StepResult r = stepExperiment(s_, fronts_, checks, prompts);
        o.arrival = s_.frontIndex != before;
        o.display = r.display;
        o.runEnds = r.endRun;
        if (r.display) {
            displayed_ = {s_.X(1), s_.Y(1), s_.X(2), s_.Y(2), s_.T};
            fronts_.keepReceived = keepFronts;
            drawDisplayStep(canvas, s_, fronts_, memory_, animation);
        }
    }
    if (recordComplete(s_)) {
        o.runEnds = o.complete = true;
        o.frontsReceived = s_.frontIndex - 1;
    }
    return o;
}

int ClassicRun::completedPeriods() const {
    return classicCompletedPeriods(s_);
}

void ClassicRun::report(ReportSink& sink) {
    // The whole report is written afresh: a run continued after a stop, or
    // one whose report was ticked only during the run, prints its blocks
    // on an empty canvas and never over an earlier report's lines.
    printLegend(s_, sink);
    processPeriods(s_, sink);
}

std::vector<ReceivedPeriod> ClassicRun::receivedPeriods() const {
    std::vector<ReceivedPeriod> out;
    for (int j = 1; j <= s_.frontIndex - 1 && j <= PeriodArray::hi(); ++j)
        if (periodReceived(s_, j)) out.push_back({s_.Tk1(j), s_.Tk1(j) - s_.Tk1(j - 1)});
    return out;
}

BodiesNow ClassicRun::bodiesNow() const {
    return {started_, s_.T, bodiesOf(s_), s_.Vs, s_.v0};
}

std::string ClassicRun::periodCsv() {
    return classicPeriodCsv(s_);
}

} // namespace sonrel
