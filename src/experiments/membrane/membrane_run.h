#pragma once
// The membrane experiment as the run loop drives it: the membrane run or the
// mirror run one step at a time, the display step every NC0 steps (drawn on
// the canvas), the end once the record's 20 fronts are received, a front is
// lost or the mirror has reflected its front, the report and the period table.
#include "experiments/membrane/membrane_model.h"
#include "ui/experiment.h"

namespace sonrel {

class MembraneRun : public Experiment {
public:
    MembraneRun(SharedState& s, MembraneModel& m) : s_(s), m_(m) {}

    // Read from the window before every step.
    MembraneOptions options;
    bool mirror = false;   // the mirror run instead of the membrane run
    bool animation = true; // draw the display steps

    // "2-Начать эксперимент" with the fields read into the record.
    void start();

    StepOutcome step(Canvas& canvas, Prompts& prompts) override;
    bool started() const override { return started_; }
    int completedPeriods() const override;
    void report(ReportSink& sink) override;
    std::string periodCsv() override;
    double modelTime() const override { return s_.T; }
    std::vector<ReceivedPeriod> receivedPeriods() const override;
    BodiesNow bodiesNow() const override;
    void requestStop() override { s_.stopFlag = 1; }
    void prepareContinue(int nc0) override;
    void prepareSteps(int nc0) override;

    // What the last steps did, for the fields.
    int lastEmitted() const { return emitted_; }

private:
    SharedState& s_;
    MembraneModel& m_;
    bool started_ = false;
    bool warn_ = false; // the mirror warning is due at the next step
    int emitted_ = 1;
};

} // namespace sonrel
