#pragma once
// The comparison experiment as the run loop drives it: one step of the model,
// its completion once the record's 20 beams are received, the stop flag, the
// step counter and NC0 of its record.
#include "experiments/relativity/model.h"
#include "ui/experiment.h"

namespace sonrel::relativity {

class RelativityRun : public Experiment {
public:
    explicit RelativityRun(Model& m) : m_(m) {}

    StepOutcome step(Canvas& canvas, Prompts& prompts) override;
    bool started() const override { return m_.runKind == 1; }
    int completedPeriods() const override { return m_.completedPeriods(); }
    // The block of every completed period, and the line of the one left open.
    void report(ReportSink& sink) override;
    std::string periodCsv() override;
    double modelTime() const override { return m_.s.T; }
    // The periods by the clocks of the modelling frame, and the bodies in it.
    std::vector<ReceivedPeriod> receivedPeriods() const override;
    BodiesNow bodiesNow() const override;
    void requestStop() override { m_.s.stopFlag = 1; }
    // "Продолжить" keeps the run's NC0 and starts a new display group.
    void prepareContinue(int) override {
        m_.s.stepCount = 0;
        m_.s.stopFlag = 0;
    }
    // "№ периода" after the last arrival.
    int arrivalPeriod() const { return arrivalPeriod_; }
    void prepareSteps(int nc0) override {
        m_.s.NC0 = nc0;
        m_.s.stepCount = 0;
        m_.s.stopFlag = 1;
    }

private:
    Model& m_;
    int arrivalPeriod_ = 0;
};

} // namespace sonrel::relativity
