#pragma once
// The main window's experiment as the run loop drives it: the classical
// model's step on the shared record, the animation of its display steps, the
// completion once the record's 20 fronts are received, the report and the
// period table.
#include "experiments/classic/animation.h"
#include "experiments/classic/classic_model.h"
#include "ui/experiment.h"

namespace sonrel {

class ClassicRun : public Experiment {
public:
    explicit ClassicRun(SharedState& s) : s_(s) {}

    // The check boxes the run follows step by step.
    StepChecks checks;
    bool animation = true; // "анимация с текстом" of the display steps
    // "фронты после приема": in the every-front mode received fronts go on
    // being drawn until they leave the picture; the model is not touched.
    bool keepFronts = false;

    // "2-Начать эксперимент" with the fields read into the record: sets up
    // the run (setupRun), following every front in flight ("все фронты") or
    // one front at a time for the whole run; continue and NC0 steps keep the
    // mode. Throws MathError when it cannot run.
    void start(bool allFronts = false);

    StepOutcome step(Canvas& canvas, Prompts& prompts) override;
    bool started() const override { return started_; }
    int completedPeriods() const override;
    // The legend and every period's block, on a cleared report.
    void report(ReportSink& sink) override;
    std::string periodCsv() override;
    double modelTime() const override { return s_.T; }
    std::vector<ReceivedPeriod> receivedPeriods() const override;
    BodiesNow bodiesNow() const override;
    void requestStop() override { s_.stopFlag = 1; }
    void prepareContinue(int nc0) override {
        s_.NC0 = nc0;
        s_.stopFlag = 0;
    }
    void prepareSteps(int nc0) override {
        s_.stepCount = 0;
        s_.NC0 = nc0;
        // With the stop already requested the run ends at its first display step.
        s_.stopFlag = 1;
    }

    // The bodies and the time of the last display step, for the fields.
    struct Positions {
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0, t = 0;
    };
    const Positions& displayed() const { return displayed_; }
    // The all-fronts record of the run: each front's radius and reception.
    const AllFrontsState& fronts() const { return fronts_; }

private:
    SharedState& s_;
    AllFrontsState fronts_;
    AnimationMemory memory_;
    Positions displayed_;
    bool started_ = false;
};

} // namespace sonrel
