#include "ui/run_loop.h"

#include "base/translate.h"

#include <exception>

namespace sonrel {

namespace {

// Joins the outcome of one more step into what the fields have not shown yet.
void join(StepOutcome& into, const StepOutcome& o) {
    into.display = into.display || o.display;
    into.arrival = into.arrival || o.arrival;
    if (o.periodCompleted) into.periodCompleted = o.periodCompleted;
    into.runEnds = into.runEnds || o.runEnds;
    into.complete = into.complete || o.complete;
    if (o.complete) into.frontsReceived = o.frontsReceived;
}

// The steps not yet shown, written into the fields on demand.
class PendingFields {
public:
    explicit PendingFields(RunHost& host) : host_(host) {}
    void add(const StepOutcome& o) {
        join(pending_, o);
        any_ = true;
    }
    void flush() {
        if (!any_) return;
        const StepOutcome shown = pending_;
        pending_ = {};
        any_ = false;
        host_.show(shown);
    }
    // Before a question: a value that cannot be shown keeps its field's text.
    void flushQuietly() {
        try {
            flush();
        } catch (const std::exception&) {
        }
    }

private:
    RunHost& host_;
    StepOutcome pending_;
    bool any_ = false;
};

// Brings the fields up to date before any question is shown over the window.
class ShowingPrompts : public Prompts {
public:
    ShowingPrompts(Prompts& inner, PendingFields& fields) : inner_(inner), fields_(fields) {}
    void tell(const std::string& text, const std::string& title) override {
        fields_.flushQuietly();
        inner_.tell(text, title);
    }
    bool askYesNo(const std::string& text, const std::string& title) override {
        fields_.flushQuietly();
        return inner_.askYesNo(text, title);
    }

private:
    Prompts& inner_;
    PendingFields& fields_;
};

} // namespace

RunResult runExperiment(Experiment& e, RunHost& host) {
    RunResult result;
    PendingFields fields(host);
    ShowingPrompts prompts(host.answers(), fields);
    try {
        while (!host.closeRequested()) {
            host.beforeStep();
            const StepOutcome o = e.step(host.canvas(), prompts);
            fields.add(o);
            host.afterStep(o);
            if (o.runEnds) {
                result.complete = o.complete;
                result.frontsReceived = o.frontsReceived;
                break;
            }
            if (o.display) {
                if (host.showAtDisplaySteps()) fields.flush();
                host.paceDisplayStep();
            }
            // One look at the clock per step: the steps are short.
            if (host.yieldDue()) {
                fields.flush();
                host.pump();
            }
        }
    } catch (const std::exception&) {
        result.failed = true;
    }
    fields.flushQuietly();
    e.finish();
    return result;
}

bool prepareContinue(Experiment& e, int nc0) {
    if (!e.started()) return false;
    e.prepareContinue(nc0);
    return true;
}

bool prepareSteps(Experiment& e, int nc0) {
    if (!e.started()) return false;
    e.prepareSteps(nc0);
    return true;
}

std::string completionText(int frontsReceived) {
    if (frontsReceived <= 0) return trText("RunPace", "эксперимент завершен");
    return fillPlaceholders(trText("RunPace", "эксперимент завершен: принято %1 фронтов"),
                            {std::to_string(frontsReceived)});
}

} // namespace sonrel
