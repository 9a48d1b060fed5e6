#include "app/form1_classic.h"

#include "app/form1.h"
#include "base/numbers.h"
#include "experiments/classic/classic_model.h"
#include "experiments/classic/classic_texts.h"
#include "experiments/classic/period_report.h"
#include "experiments/frequency_plot_qt.h"
#include "ui/message_box_qt.h"

namespace sonrel {

void readFieldsInto(std::initializer_list<std::pair<const QLineEdit*, double*>> fields) {
    for (const auto& [field, target] : fields)
        *target = numberOf(field);
}

ClassicController::ClassicController(Form1& form)
    : QObject(&form), form_(form), run_(form.state()) {
    ExperimentWindow w;
    w.form = &form;
    w.canvas = &form.picture();
    w.pacer = form.pacer;
    w.tableExport = form.tableExport;
    w.reportBox = form.Check5;
    w.stepsField = form.Text10;
    w.fieldsWhenSeen = true;
    w.beforeStep = [this] {
        run_.checks = {form_.Check11->isChecked(), form_.Check1->isChecked()};
        run_.animation = form_.Check9->isChecked();
        run_.keepFronts = form_.CheckKeepFronts->isChecked();
    };
    w.show = [this](const StepOutcome& since) { showFields(since); };
    attachFrequencyPlot(w, form.app(), run_, form.CheckFrequencyPlot);
    runner_ = std::make_unique<ExperimentRun>(std::move(w), run_);
    connect(form.Command13, &QPushButton::clicked, this, &ClassicController::setPeriodClicked);
    connect(form.Command1, &QPushButton::clicked, this, &ClassicController::startClicked);
    connect(form.Command2, &QPushButton::clicked, this, [this] { runner_->stop(); });
    connect(form.Command3, &QPushButton::clicked, this, [this] { runner_->continueClicked(); });
    connect(form.Command4, &QPushButton::clicked, this, [this] { runner_->stepsClicked(); });
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
    try {
        // Every display step draws with the picture's scale.
        if (!(s.pictureScale > 0)) throw MathError("picture scale not positive");
        // The mode is chosen for the whole run; continue and NC0 steps keep it.
        run_.start(form_.CheckAllFronts->isChecked());
        if (form_.Check5->isChecked()) {
            ReportWindowSink sink = runner_->reportSink();
            printLegend(s, sink);
        }
    } catch (const MathError&) {
        showMessage(&form_, kSolutionError);
        return;
    } catch (const IndexError&) {
        showMessage(&form_, kSolutionError);
        return;
    }
    runner_->run();
}

void ClassicController::showFields(const StepOutcome& since) {
    setNumber(form_.Text11, form_.state().R);
    if (!since.display) return;
    const ClassicRun::Positions& p = run_.displayed();
    setNumber(form_.Text13, p.x1);
    setNumber(form_.Text15, p.y1);
    setNumber(form_.Text14, p.x2);
    setNumber(form_.Text16, p.y2);
    setNumber(form_.Text17, p.t);
}

} // namespace sonrel
