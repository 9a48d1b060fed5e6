#include "app/form1_classic.h"

#include "app/form1.h"
#include "base/numbers.h"
#include "canvas/form4.h"
#include "canvas/period_table_export_qt.h"
#include "experiments/classic/classic_model.h"
#include "experiments/classic/period_csv.h"
#include "experiments/classic/period_report.h"
#include "ui/message_box_qt.h"
#include "ui/run_pacer_qt.h"

#include <functional>

namespace sonrel {

void readFieldsInto(std::initializer_list<std::pair<const QLineEdit*, double*>> fields) {
    for (const auto& [field, target] : fields)
        *target = numberOf(field);
}

ClassicController::ClassicController(Form1& form) : QObject(&form), form_(form) {
    connect(form.Command13, &QPushButton::clicked, this, &ClassicController::setPeriodClicked);
    connect(form.Command1, &QPushButton::clicked, this, &ClassicController::startClicked);
    connect(form.Command2, &QPushButton::clicked, this, &ClassicController::stopClicked);
    connect(form.Command3, &QPushButton::clicked, this, &ClassicController::continueClicked);
    connect(form.Command4, &QPushButton::clicked, this, &ClassicController::stepsClicked);
}

ClassicController::~ClassicController() = default;

void ClassicController::readBodies() {
    SharedState& s = form_.state();
    readFieldsInto({{form_.Text1, &s.X(1)},
                    {form_.Text5, &s.Y(1)},
                    {form_.Text3, &s.VX(1)},
                    {form_.Text7, &s.VY(1)},
                    {form_.Text2, &s.X(2)},
                    {form_.Text6, &s.Y(2)},
                    {form_.Text4, &s.VX(2)},
                    {form_.Text8, &s.VY(2)}});
}

void ClassicController::setPeriodClicked() {
    SharedState& s = form_.state();
    const QString title = QString::fromUtf8(kPeriodSettingTitle);
    try {
        readBodies();
        readFieldsInto(
            {{form_.Text19, &s.pictureScale}, {form_.Text12, &s.Vs}, {form_.Text18, &s.T00}});
    } catch (const InputError&) {
        showMessage(&form_, kEnterDataCorrectly, title);
        return;
    }
    try {
        const double travelTime = firstFrontTravelTime(s);
        setNumber(form_.Text17, travelTime);
        setNumber(form_.Text24, placeFirstPeriod(s));
        drawPeriodSetting(form_.picture(), s, form_.Check9->isChecked());
        // With every front in flight no front waits for another: none is lost.
        if (!form_.CheckAllFronts->isChecked() && periodShorterThanTravel(s, travelTime))
            showMessage(&form_, QString::fromUtf8(kPeriodTooShort), title);
    } catch (const MathError&) {
        showMessage(&form_, kCalculationError, title);
    } catch (const IndexError&) {
        showMessage(&form_, kCalculationError, title);
    }
}

void ClassicController::startClicked() {
    SharedState& s = form_.state();
    try {
        readBodies();
        readFieldsInto(
            {{form_.Text12, &s.Vs}, {form_.Text19, &s.pictureScale}, {form_.Text9, &s.dt}});
        s.NC0 = integerOf(form_.Text10);
        // v0 comes from its field, so it is missing until T00 has been set.
        readFieldsInto({{form_.Text24, &s.v0}, {form_.Text18, &s.T00}});
    } catch (const InputError&) {
        showMessage(&form_, kEnterDataCorrectly);
        return;
    }
    // The mode is chosen for the whole run; continue and NC0 steps keep it.
    s.allFronts = form_.CheckAllFronts->isChecked();
    try {
        // Every display step draws with the picture's scale.
        if (!(s.pictureScale > 0)) throw MathError("picture scale not positive");
        runStarted_ = false;
        setupRun(s);
        runStarted_ = true;
        if (form_.Check5->isChecked()) printLegend();
    } catch (const MathError&) {
        showMessage(&form_, kSolutionError);
        return;
    } catch (const IndexError&) {
        showMessage(&form_, kSolutionError);
        return;
    }
    runExperiment();
}

void ClassicController::stopClicked() {
    form_.state().stopFlag = 1;
}

bool ClassicController::readStepsPerDisplay() {
    try {
        form_.state().NC0 = integerOf(form_.Text10);
        return true;
    } catch (const InputError&) {
        showMessage(&form_, kEnterDataCorrectly);
        return false;
    }
}

void ClassicController::continueClicked() {
    // Nothing has been started, so there is nothing to continue.
    if (!runStarted_) return;
    if (!readStepsPerDisplay()) return;
    form_.state().stopFlag = 0;
    runExperiment();
}

void ClassicController::stepsClicked() {
    if (!runStarted_) return;
    form_.state().stepCount = 0;
    if (!readStepsPerDisplay()) return;
    // With the stop already requested the run ends at its first display step.
    form_.state().stopFlag = 1;
    runExperiment();
}

namespace {
// Brings a field up to date before any question is shown over the window.
class SyncingPrompts : public Prompts {
public:
    SyncingPrompts(Prompts& inner, std::function<void()> sync)
        : inner_(inner), sync_(std::move(sync)) {}
    void tell(const std::string& text, const std::string& title) override {
        sync_();
        inner_.tell(text, title);
    }
    bool askYesNo(const std::string& text, const std::string& title) override {
        sync_();
        return inner_.askYesNo(text, title);
    }

private:
    Prompts& inner_;
    std::function<void()> sync_;
};
} // namespace

void ClassicController::runExperiment() {
    FormBase::RunScope scope(form_);
    SharedState& s = form_.state();
    MessageBoxPrompts boxes(&form_);
    // R changes every step and the positions at every display step, but the
    // fields are written only when they can be seen: before the window
    // yields or asks, and at the end. They then show the last display step.
    double completedR = s.R;
    Positions displayed;
    bool positionsPending = false;
    auto showFields = [&] {
        setNumber(form_.Text11, completedR);
        if (!positionsPending) return;
        positionsPending = false;
        showPositions(displayed);
    };
    auto showFieldsQuietly = [&] {
        try {
            showFields();
        } catch (const MathError&) {
        }
    };
    SyncingPrompts prompts(boxes, showFieldsQuietly);
    RunPacer::Run paced(*form_.pacer);
    try {
        while (!form_.closeRequested()) {
            const StepChecks checks{form_.Check11->isChecked(), form_.Check1->isChecked()};
            const StepResult step = stepExperiment(s, checks, prompts);
            completedR = s.R;
            if (step.display) {
                displayed = {s.X(1), s.Y(1), s.X(2), s.Y(2), s.T};
                positionsPending = true;
                drawDisplayStep(form_.picture(), s, animation_, form_.Check9->isChecked());
            }
            if (step.endRun) break;
            if (step.display) {
                if (form_.pacer->pace() > 0) showFields();
                paced.displayStep();
            }
            if (form_.yieldDue()) showFields();
            form_.pumpEvents();
        }
        showFields();
    } catch (const MathError&) {
        paced.ended(RunEnd::Failed);
        showFieldsQuietly();
        showMessage(&form_, kSolutionError);
    } catch (const IndexError&) {
        // The front past the record: the run has used its 20 fronts.
        paced.ended(RunEnd::LimitReached);
        showFieldsQuietly();
        showMessage(&form_, kSolutionError);
    }
    // A window closed during the run takes its report window with it.
    if (form_.closeRequested()) return;
    const std::string table = tableOrNothing(
        [&s] { return classicCompletedPeriods(s) > 0 ? classicPeriodCsv(s) : std::string(); });
    form_.tableExport->setTable(table);
    if (form_.Check5->isChecked() && printReport())
        reportWindow(form_.app())->setReportTable(table);
}

void ClassicController::showPositions(const Positions& p) {
    setNumber(form_.Text13, p.x1);
    setNumber(form_.Text15, p.y1);
    setNumber(form_.Text14, p.x2);
    setNumber(form_.Text16, p.y2);
    setNumber(form_.Text17, p.t);
}

void ClassicController::printLegend() {
    Form4* report = reportWindow(form_.app());
    report->reportClear();
    sonrel::printLegend(form_.state(), [report](double y, const std::string& text) {
        report->reportPrint(y, text);
    });
}

bool ClassicController::printReport() {
    // The whole report is written afresh: a run continued after a stop, or
    // one whose report was ticked only during the run, prints its blocks
    // on an empty canvas and never over an earlier report's lines.
    Form4* report = reportWindow(form_.app());
    try {
        printLegend();
        processPeriods(form_.state(), [report](double y, const std::string& text) {
            report->reportPrint(y, text);
        });
        return true;
    } catch (const MathError&) {
        showMessage(&form_, kReportError);
    } catch (const IndexError&) {
        showMessage(&form_, kReportError);
    }
    return false;
}

} // namespace sonrel
