#include "ui/experiment_run_qt.h"

#include "base/errors.h"
#include "base/version.h"
#include "canvas/form4.h"
#include "canvas/period_table_export_qt.h"
#include "ui/experiment_file_qt.h"
#include "ui/fields_qt.h"
#include "ui/form_base_window.h"
#include "ui/message_box_qt.h"
#include "ui/run_loop.h"
#include "ui/run_pacer_qt.h"

#include <QAbstractButton>

namespace sonrel {

namespace {

// The window side of the run loop.
class WindowHost : public RunHost {
public:
    WindowHost(const ExperimentWindow& w, Experiment& e, RunPacer::Run& paced)
        : w_(w), e_(e), paced_(paced), boxes_(w.form) {}
    Canvas& canvas() override { return *w_.canvas; }
    void beforeStep() override {
        if (w_.beforeStep) w_.beforeStep();
    }
    void afterStep(const StepOutcome& o) override {
        if (w_.afterStep) w_.afterStep(o);
        if (!paced_.sounding()) return;
        if (o.arrival) paced_.arrived();
        if (o.periodCompleted > 0) {
            // The tone sounds at the period just received, over v0.
            const std::vector<ReceivedPeriod> periods = e_.receivedPeriods();
            const BodiesNow now = e_.bodiesNow();
            if (!periods.empty() && periods.back().dT > 0 && now.v0 > 0)
                paced_.heard(1 / periods.back().dT / now.v0);
        }
    }
    void show(const StepOutcome& since) override {
        if (w_.show) w_.show(since);
    }
    bool showAtDisplaySteps() const override { return !w_.fieldsWhenSeen || w_.pacer->pace() > 0; }
    bool closeRequested() const override { return w_.form->closeRequested(); }
    bool yieldDue() const override { return w_.form->yieldDue(); }
    void pump() override { w_.form->pumpEvents(); }
    void paceDisplayStep() override { paced_.displayStep(); }
    Prompts& answers() override { return boxes_; }

private:
    const ExperimentWindow& w_;
    Experiment& e_;
    RunPacer::Run& paced_;
    MessageBoxPrompts boxes_;
};

} // namespace

void ReportWindowSink::clear() {
    reportWindow(form_.app())->reportClear(head_);
}

void ReportWindowSink::print(double y, const std::string& text) {
    form_.state().reportText = text;
    reportWindow(form_.app())->reportPrint(y, text);
}

ExperimentRun::ExperimentRun(ExperimentWindow window, Experiment& experiment)
    : w_(std::move(window)), e_(experiment) {
    // The start button is pressed before its handler reads the fields: the
    // inputs recorded then are the ones the run starts with.
    if (QAbstractButton* start = w_.pacer->startButton())
        QObject::connect(start, &QAbstractButton::pressed, w_.form, [this] {
            const ExperimentSetup setup = collectExperiment(*w_.form);
            inputs_ = {std::string("Sonrel6 ") + SONREL_VERSION, windowKey(w_.form->number()),
                       setup.values};
        });
}

ReportWindowSink ExperimentRun::reportSink() const {
    return ReportWindowSink(*w_.form, inputsReportBlock(inputs_));
}

void ExperimentRun::run() {
    FormBase::RunScope scope(*w_.form);
    RunResult result;
    {
        RunPacer::Run paced(*w_.pacer);
        WindowHost host(w_, e_, paced);
        result = runExperiment(e_, host);
        if (result.failed) paced.ended(RunEnd::Failed);
        if (result.complete) paced.completed(completionText(result.frontsReceived));
    }
    // A window closed during the run takes its report window with it.
    if (w_.form->closeRequested()) return;
    if (w_.afterRun) w_.afterRun();
    if (result.failed) showMessage(w_.form, QString::fromUtf8(kRunFailedText));
    if (w_.form->closeRequested()) return;
    const std::string table = tableOrNothing([this] {
        return e_.completedPeriods() > 0 ? inputsTableHead(inputs_) + e_.periodCsv()
                                         : std::string();
    });
    w_.tableExport->setTable(table);
    if (w_.reportBox && w_.reportBox->isChecked() && printReport())
        reportWindow(w_.form->app())->setReportTable(table);
}

bool ExperimentRun::printReport() {
    try {
        ReportWindowSink sink = reportSink();
        e_.report(sink);
        return true;
    } catch (const std::exception&) {
        showMessage(w_.form, kReportError);
    }
    return false;
}

void ExperimentRun::stop() {
    e_.requestStop();
}

bool ExperimentRun::readSteps(int& nc0) {
    try {
        nc0 = integerOf(w_.stepsField);
        return true;
    } catch (const InputError&) {
        showMessage(w_.form, kEnterDataCorrectly);
        return false;
    }
}

void ExperimentRun::continueClicked() {
    // Nothing has been started, so there is nothing to continue.
    if (!e_.started()) return;
    int nc0 = -1;
    if (w_.continueReadsSteps && !readSteps(nc0)) return;
    if (!prepareContinue(e_, nc0)) return;
    run();
}

void ExperimentRun::stepsClicked() {
    if (!e_.started()) return;
    int nc0 = 0;
    if (!readSteps(nc0)) return;
    if (!prepareSteps(e_, nc0)) return;
    run();
}

} // namespace sonrel
