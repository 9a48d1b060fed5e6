#pragma once
// The classical wave-front experiment on the main window: T00, start, stop,
// continue, NC0 steps, the animation and the report.
#include "experiments/classic/classic_run.h"
#include "ui/experiment_run_qt.h"

#include <QObject>
#include <memory>
#include <utility>

class QLineEdit;

namespace sonrel {

class Form1;

class ClassicController : public QObject {
    Q_OBJECT
public:
    explicit ClassicController(Form1& form);
    ~ClassicController() override;

    const ClassicRun& run() const { return run_; }

private:
    void setPeriodClicked(); // Command13 "1-Задать T00, с"
    void startClicked();     // Command1 "2-Начать эксперимент"
    // Command2 "Остановить", Command3 "Продолжить", Command4 "NC0 шагов="
    // are the run helper's.
    // X1n, Y1n, VX1, VY1, X2n, Y2n, VX2, VY2 into the bodies, in this order.
    void readBodies();
    // R after every step; the bodies and the time of the last display step.
    void showFields(const StepOutcome& since);

    Form1& form_;
    ClassicRun run_;
    std::unique_ptr<ExperimentRun> runner_;
};

// Reads each field into its target in turn; a field that holds no number
// throws InputError, leaving the targets read before it changed.
void readFieldsInto(std::initializer_list<std::pair<const QLineEdit*, double*>> fields);

} // namespace sonrel
