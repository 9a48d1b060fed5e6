#include "experiments/relativity/relativity_run.h"

#include "experiments/relativity/period_csv.h"
#include "experiments/relativity/report.h"

namespace sonrel::relativity {

namespace {
// Beam N is the next one to be received; past the record's last period
// every beam of the run has been received.
bool recordComplete(const Model& m) {
    return m.N > PeriodTable::hi();
}
} // namespace

StepOutcome RelativityRun::step(Canvas& canvas, Prompts& prompts) {
    StepOutcome o;
    if (!recordComplete(m_)) {
        const StepEvents ev = m_.step(canvas, prompts);
        o.display = ev.groupEnd;
        o.arrival = ev.arrived;
        o.periodCompleted = ev.periodDone ? ev.periodNumber : 0;
        if (ev.arrived) arrivalPeriod_ = ev.periodNumber;
    }
    if (recordComplete(m_)) {
        o.runEnds = o.complete = true;
        o.frontsReceived = m_.N - 1;
        return o;
    }
    o.runEnds = m_.runEnds();
    if (o.runEnds && m_.nothingMoreArrives) {
        o.complete = true;
        o.frontsReceived = m_.N - 1;
    }
    return o;
}

void RelativityRun::report(ReportSink& sink) {
    const int periods = m_.completedPeriods();
    for (int i = 1; i <= periods; ++i)
        sink.print(reportBlockY(i), reportPeriodBlock(m_, i));
    if (const int open = m_.unfinishedPeriod())
        sink.print(reportBlockY(open), reportUnreceived(open));
}

std::vector<ReceivedPeriod> RelativityRun::receivedPeriods() const {
    std::vector<ReceivedPeriod> out;
    const SharedState& s = m_.s;
    for (int i = 1; i <= m_.completedPeriods(); ++i)
        out.push_back({s.Tn1(i + 1), s.Tn1(i + 1) - s.Tn1(i)});
    return out;
}

BodiesNow RelativityRun::bodiesNow() const {
    return {started(), m_.s.T, bodiesOf(m_.s), m_.s.Vs, m_.s.v0};
}

std::string RelativityRun::periodCsv() {
    return relativity::periodCsv(m_);
}

} // namespace sonrel::relativity
