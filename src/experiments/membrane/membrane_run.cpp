#include "experiments/membrane/membrane_run.h"

#include "base/translate.h"
#include "experiments/membrane/membrane_drawing.h"
#include "experiments/membrane/membrane_report.h"
#include "experiments/membrane/period_csv.h"

namespace sonrel {

namespace {
const char* const kMirrorWarning =
    SONREL_TR_NOOP("Message", "Внимание. В этом эксперименте углы отражения рисуются \n"
                              "корректно только при задании угла А1 вблизи 90 градусов");
} // namespace

void MembraneRun::start() {
    started_ = false;
    m_.start(s_, options);
    started_ = true;
    warn_ = true;
    emitted_ = 1;
}

StepOutcome MembraneRun::step(Canvas& canvas, Prompts& prompts) {
    StepOutcome o;
    if (mirror && warn_) {
        warn_ = false;
        prompts.tell(kMirrorWarning, "Sonrel5m");
    }
    // After the twentieth front the record is full: a continued run ends at once.
    if (!mirror && s_.frontIndex > kMembraneFronts) {
        o.runEnds = o.complete = true;
        o.frontsReceived = m_.receivedCount;
        return o;
    }
    bool goesOn = true;
    if (mirror) {
        m_.stepMirror(s_);
    } else {
        const MembraneStep r = m_.stepMembrane(s_, options, prompts);
        goesOn = r.goesOn;
        o.arrival = r.frontReceived;
        o.periodCompleted = r.periodCompleted ? m_.shownPeriod.period : 0;
        if (r.emitted) emitted_ = r.emitted;
    }
    // The record is full, a front is lost, the mirror has reflected its front,
    // or the receiver cannot be turned: the experiment has ended by itself.
    const bool ownEnd = !goesOn || m_.nothingToReceive || (mirror && m_.mirror.done) ||
                        (!mirror && s_.frontIndex > kMembraneFronts);
    // ">=" keeps the stop working when the step counter was left beyond NC0
    // (NC0 <= 0).
    if (goesOn && s_.stepCount >= s_.NC0) {
        o.display = true;
        s_.stepCount = 0;
        if (animation) {
            drawDisplayStep(canvas, s_, m_);
            if (mirror) drawMirrorRays(canvas, s_, m_);
        }
        o.runEnds = s_.stopFlag == 1;
    }
    if (!goesOn) o.runEnds = true;
    if (o.runEnds && ownEnd) {
        o.complete = true;
        o.frontsReceived = mirror ? (m_.mirror.done ? 1 : 0) : m_.receivedCount;
    }
    return o;
}

int MembraneRun::completedPeriods() const {
    return reportedPeriods(m_);
}

void MembraneRun::report(ReportSink& sink) {
    printReport(s_, m_, sink);
}

std::vector<ReceivedPeriod> MembraneRun::receivedPeriods() const {
    std::vector<ReceivedPeriod> out;
    for (int i = 1; i <= reportedPeriods(m_); ++i)
        out.push_back({s_.Tk1(i), s_.Tk1(i) - s_.Tk1(i - 1)});
    return out;
}

BodiesNow MembraneRun::bodiesNow() const {
    return {started_, s_.T, bodiesOf(s_), s_.Vs, s_.v0};
}

std::string MembraneRun::periodCsv() {
    return membranePeriodCsv(s_, m_);
}

void MembraneRun::prepareContinue(int nc0) {
    s_.NC0 = nc0;
    s_.stopFlag = 0;
    warn_ = true;
}

void MembraneRun::prepareSteps(int nc0) {
    s_.NC0 = nc0;
    // With the stop already requested the run ends at its first display step.
    s_.stepCount = 0;
    s_.stopFlag = 1;
    warn_ = true;
}

} // namespace sonrel
