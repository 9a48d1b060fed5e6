#pragma once
// Runs an experiment from its window: the run buttons (start, stop, continue,
// NC0 steps), the pace and the status line, the fields refreshed from each
// step, the message boxes of its questions and of a failed step, the period
// table and the report at the end of the run. One helper for every
// experiment window; the window supplies its fields and check boxes.
#include "base/run_inputs.h"
#include "ui/experiment.h"

#include <functional>
#include <string>

class QAbstractButton;
class QLineEdit;

namespace sonrel {

class Canvas;
class FormBase;
class PeriodTableExport;
class RunPacer;

struct ExperimentWindow {
    FormBase* form = nullptr;
    Canvas* canvas = nullptr;
    RunPacer* pacer = nullptr;
    PeriodTableExport* tableExport = nullptr;
    QAbstractButton* reportBox = nullptr; // Check5 "отчет"
    QLineEdit* stepsField = nullptr;      // Text10 "NC0"
    // "Продолжить" reads NC0 from its field (else it keeps the run's NC0).
    bool continueReadsSteps = true;
    // Fields written only when they can be seen (a paced run shows every
    // display step); otherwise at every display step.
    bool fieldsWhenSeen = false;
    // Reads the check boxes a run follows step by step into the experiment.
    std::function<void()> beforeStep;
    // Refreshes the fields from the steps since the last refresh.
    std::function<void(const StepOutcome&)> show;
    // Sees every step, and the end of every run however it ended.
    std::function<void(const StepOutcome&)> afterStep;
    std::function<void()> afterRun;
};

class ExperimentRun {
public:
    ExperimentRun(ExperimentWindow window, Experiment& experiment);

    // The run after a start has read the fields and started the experiment.
    void run();
    void stop();            // "Остановить"
    void continueClicked(); // "Продолжить"
    void stepsClicked();    // "NC0 шагов="

    // Prints the end-of-run report into the report window; false after
    // telling the user it failed.
    bool printReport();

    // The inputs of the run started last (read when its start button was
    // pressed), at the head of its report and of its period table.
    const RunInputs& inputs() const { return inputs_; }
    // A sink into the report window whose clear() puts the inputs at the top.
    class ReportWindowSink reportSink() const;

private:
    // NC0 from its field; false after telling the user.
    bool readSteps(int& nc0);

    ExperimentWindow w_;
    Experiment& e_;
    RunInputs inputs_;
};

// A report sink printing into the application's report window.
class ReportWindowSink : public ReportSink {
public:
    explicit ReportWindowSink(FormBase& form, std::string head = {})
        : form_(form), head_(std::move(head)) {}
    void clear() override;
    void print(double y, const std::string& text) override;

private:
    FormBase& form_;
    std::string head_; // printed at the top by clear()
};

} // namespace sonrel
