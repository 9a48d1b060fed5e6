#pragma once
// The face every experiment shows to the run loop that drives it: one step at
// a time on a canvas with a prompter, one outcome per step, the run control
// (stop, continue, NC0 steps), the period table and the report. The model
// draws during its step on the canvas passed in; the window only refreshes
// its fields from the outcome.
#include "base/prompts.h"
#include "base/shared_state.h"

#include <string>
#include <vector>

namespace sonrel {

class Canvas;

// Where report texts go (the report window, or a test's record).
class ReportSink {
public:
    virtual ~ReportSink() = default;
    virtual void clear() = 0;
    // Prints a text at (0, y) of the report scale (0, 600)-(10, 0).
    virtual void print(double y, const std::string& text) = 0;
};

// What one step did, for the loop and the window's fields.
struct StepOutcome {
    bool display = false;    // a display step (the NC0-th step of a group)
    bool arrival = false;    // a front reached the receiver
    int periodCompleted = 0; // number of the period completed at this step, 0 when none
    bool runEnds = false;    // the run ends after this step (a stop honoured, the model's end)
    bool complete = false;   // ... because the experiment has done its work
    int frontsReceived = 0;  // with complete: fronts received in all, 0 when not counted
};

// One completed period as the receiver recorded it: the time its last front
// arrived and its length dT (the observed frequency is 1/dT).
struct ReceivedPeriod {
    double endTime = 0;
    double dT = 0;
};

// The bodies at the present model time, with the signal speed and the
// emitted frequency of the run: what a theory formula is evaluated from.
struct BodiesNow {
    bool known = false; // false before a run has set its bodies up
    double t = 0;
    Bodies bodies{};
    double Vs = 0, v0 = 0;
};

class Experiment {
public:
    virtual ~Experiment() = default;

    // One solving step. Throws MathError or IndexError on a failure.
    virtual StepOutcome step(Canvas& canvas, Prompts& prompts) = 0;

    // A start has prepared a run: continue and NC0 steps have a state to resume.
    virtual bool started() const = 0;
    virtual int completedPeriods() const = 0;
    // The end-of-run report into the sink; throws MathError or IndexError.
    virtual void report(ReportSink& sink) = 0;
    // The period table of the completed periods (CSV text).
    virtual std::string periodCsv() = 0;
    virtual double modelTime() const = 0;
    // The completed periods in order, from the same record as periodCsv().
    virtual std::vector<ReceivedPeriod> receivedPeriods() const { return {}; }
    // The bodies now, in the frame the experiment is modelled in.
    virtual BodiesNow bodiesNow() const { return {}; }

    // Run control: a stop is honoured at the next display step (or at once
    // when none can come); "Продолжить" goes on until a stop; "NC0 шагов"
    // runs nc0 steps and stops at that display step.
    virtual void requestStop() = 0;
    virtual void prepareContinue(int nc0) = 0;
    virtual void prepareSteps(int nc0) = 0;

    // After the loop, however it ended (a stop, the end, a failure, the
    // window closed): what the experiment keeps for the graphs after a run.
    virtual void finish() {}
};

} // namespace sonrel
