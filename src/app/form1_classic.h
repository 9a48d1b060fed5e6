#pragma once
// The classical wave-front experiment on the main window: T00, start, stop,
// continue, NC0 steps, the animation and the report.
#include "experiments/classic/animation.h"

#include <QObject>
#include <utility>

class QLineEdit;

namespace sonrel {

class Form1;

class ClassicController : public QObject {
    Q_OBJECT
public:
    explicit ClassicController(Form1& form);
    ~ClassicController() override;

private:
    void setPeriodClicked();    // Command13 "1-Задать T00, с"
    void startClicked();        // Command1 "2-Начать эксперимент"
    void stopClicked();         // Command2 "Остановить"
    void continueClicked();     // Command3 "Продолжить"
    void stepsClicked();        // Command4 "NC0 шагов="
    bool readStepsPerDisplay(); // NC0 from Text10; false after telling the user
    // X1n, Y1n, VX1, VY1, X2n, Y2n, VX2, VY2 into the bodies, in this order.
    void readBodies();

    // The stepping loop shared by start, continue and NC0 steps; nested runs
    // run it again on the same state.
    void runExperiment();
    // The bodies' positions and the time of a display step, for the fields.
    struct Positions {
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0, t = 0;
    };
    void showPositions(const Positions& p);
    bool printReport(); // false after telling the user it failed
    void printLegend();

    Form1& form_;
    AnimationMemory animation_;
    // A start has set up a run, so continue and NC0 steps have a state to resume.
    bool runStarted_ = false;
};

// Reads each field into its target in turn; a field that holds no number
// throws InputError, leaving the targets read before it changed.
void readFieldsInto(std::initializer_list<std::pair<const QLineEdit*, double*>> fields);

} // namespace sonrel
