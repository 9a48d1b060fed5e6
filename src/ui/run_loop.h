#pragma once
// The run loop every experiment window drives its experiment with: step,
// refresh the fields when they can be seen, pace the display steps, let the
// window system in, end at a honoured stop, at the experiment's own end or at
// a failed step. Qt-free: the window is reached through RunHost.
#include "base/translate.h"
#include "ui/experiment.h"

#include <string>

namespace sonrel {

// Shown when a step fails (context "Message").
inline constexpr const char* kRunFailedText = SONREL_TR_NOOP("Message", "Ошибка решения");

// What the loop needs from the window that runs it.
class RunHost {
public:
    virtual ~RunHost() = default;
    virtual Canvas& canvas() = 0;
    // Reads the choices a run follows step by step (check boxes) into the model.
    virtual void beforeStep() {}
    // After every step, with what that step did (a live plot follows the run).
    virtual void afterStep(const StepOutcome&) {}
    // Refreshes the fields from what the steps since the last refresh did
    // (their flags joined, the last period number).
    virtual void show(const StepOutcome& since) = 0;
    // True when the fields are refreshed at every display step (a paced run);
    // otherwise they are written only before the window yields, before a
    // question and at the end, when they can be seen.
    virtual bool showAtDisplaySteps() const = 0;
    virtual bool closeRequested() const = 0;
    // True when the next pump() will let the window system in.
    virtual bool yieldDue() const = 0;
    virtual void pump() = 0;
    // After a display step: the status line and the wait for the wall clock.
    virtual void paceDisplayStep() = 0;
    // Answers the experiment's questions and notices.
    virtual Prompts& answers() = 0;
};

// How a run ended.
struct RunResult {
    bool failed = false;   // a step failed: the run ends with kRunFailedText
    bool complete = false; // the experiment has done its work
    int frontsReceived = 0;
};

// Runs `e` until a step ends the run, the window is closed, or a step fails
// (MathError, IndexError or another error: failed). The fields are refreshed
// before every question the experiment asks and at the end.
RunResult runExperiment(Experiment& e, RunHost& host);

// Prepares "Продолжить" / "NC0 шагов=": false when no run has been started,
// so there is nothing to go on with.
bool prepareContinue(Experiment& e, int nc0);
bool prepareSteps(Experiment& e, int nc0);

// Second line of the status line of a complete run: "эксперимент завершен",
// with the fronts received when they are counted (context "RunPace").
std::string completionText(int frontsReceived);

} // namespace sonrel
