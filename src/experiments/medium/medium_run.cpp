#include "experiments/medium/medium_run.h"

#include "experiments/medium/medium_report.h"
#include "experiments/medium/period_csv.h"

namespace sonrel {

namespace {
constexpr int kRecordBeams = 20;
} // namespace

StepOutcome MediumRun::step(Canvas& canvas, Prompts& prompts) {
    StepOutcome o;
    // Every beam of the record received: a continued run ends at once.
    if (m_.k > kRecordBeams) {
        o.runEnds = o.complete = true;
        o.frontsReceived = kRecordBeams;
        return o;
    }
    const int before = m_.k;
    m_.step(options, &canvas, prompts);
    o.arrival = m_.k != before;
    // Arrival n (n ≥ 2) closes period n − 1.
    if (o.arrival && m_.k - 2 >= 1) o.periodCompleted = m_.k - 2;
    o.display = m_.st.stepCount == 0;
    o.runEnds = m_.finished();
    if (o.runEnds && m_.endedByItself) {
        o.complete = true;
        o.frontsReceived = m_.k - 1;
    }
    return o;
}

int MediumRun::completedPeriods() const {
    return mediumCompletedPeriods(m_);
}

void MediumRun::report(ReportSink& sink) {
    mediumReportBody(m_, options.frame, sink);
}

std::vector<ReceivedPeriod> MediumRun::receivedPeriods() const {
    std::vector<ReceivedPeriod> out;
    for (int i = 1; i <= mediumCompletedPeriods(m_); ++i)
        out.push_back({m_.st.Tn1(i + 1), m_.Tn1p(i + 1) - m_.Tn1p(i)});
    return out;
}

BodiesNow MediumRun::bodiesNow() const {
    return {started(), m_.st.T, bodiesOf(m_.st), m_.Vs0, m_.st.v0};
}

std::string MediumRun::periodCsv() {
    return mediumPeriodCsv(m_, options.frame);
}

void MediumRun::prepareContinue(int nc0) {
    m_.st.NC0 = nc0;
    m_.st.stopFlag = 0;
    m_.endedByItself = false;
}

void MediumRun::prepareSteps(int nc0) {
    m_.st.NC0 = nc0;
    // With the stop already requested the run ends at its first display step.
    m_.st.stepCount = 0;
    m_.st.stopFlag = 1;
    m_.endedByItself = false;
}

} // namespace sonrel
