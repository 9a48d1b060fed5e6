#pragma once
// The layered-medium experiment as the run loop drives it: one step of the
// beams, the display step every NC0 steps, the end once every beam of the
// record is received or none can arrive any more, the report and the period
// table, and the frame velocities the graphs need after the run.
#include "experiments/medium/medium_experiment.h"
#include "ui/experiment.h"

namespace sonrel {

class MediumRun : public Experiment {
public:
    explicit MediumRun(MediumExperiment& m) : m_(m) {}

    // The choices the run follows step by step, read from the window.
    MediumOptions options;

    StepOutcome step(Canvas& canvas, Prompts& prompts) override;
    bool started() const override { return m_.mode == 1; }
    int completedPeriods() const override;
    // The arrivals' blocks and the summary table (the legend is printed at the start).
    void report(ReportSink& sink) override;
    std::string periodCsv() override;
    double modelTime() const override { return m_.st.T; }
    // Each period ends at its closing arrival and lasts by the receiver's
    // clock; the bodies move in the frame of the model, and the formula
    // takes the medium's own signal speed Vs0, not the layers' speeds.
    std::vector<ReceivedPeriod> receivedPeriods() const override;
    BodiesNow bodiesNow() const override;
    void requestStop() override { m_.st.stopFlag = 1; }
    void prepareContinue(int nc0) override;
    void prepareSteps(int nc0) override;
    // The graphs work with the values seen in the moving frame.
    void finish() override { m_.endRun(options); }

private:
    MediumExperiment& m_;
};

} // namespace sonrel
