#include "app/form1_theory.h"

#include "app/form1.h"
#include "base/checked_math.h"
#include "canvas/form4.h"
#include "experiments/classic/experimental_points.h"
#include "theory/formula_table.h"
#include "theory/sweeps.h"
#include "ui/message_box_qt.h"

#include <cmath>

namespace sonrel {

namespace {

// Russian source texts, translated when the box is shown.
const QString kSpeedsTooHigh = QString::fromUtf8(
    QT_TRANSLATE_NOOP("Message", "Скорости V1, V2 и V12 должны быть меньше скорости сигнала.\n"
                                 "Проверьте заданные для выбранной формулы скорости VX1 и VX2."));
const QString kNegativeFraction =
    QString::fromUtf8(QT_TRANSLATE_NOOP("Message", "X= V/Vs должно быть положительное"));

constexpr double kReportTop = 599.3;

} // namespace

TheoryController::TheoryController(Form1& form) : QObject(&form), form_(form) {
    wire();
}

TheoryController::~TheoryController() = default;

void TheoryController::wire() {
    for (QCheckBox* box : {form_.Check2, form_.Check3, form_.Check6, form_.Check8})
        connect(box, &QCheckBox::toggled, this, [this, box](bool on) {
            if (on) excludeOtherVariants(box);
        });
    connect(form_.Command14, &QPushButton::clicked, this, &TheoryController::clearGraph);
    connect(form_.Command15, &QPushButton::clicked, this, &TheoryController::markTypedPoint);
    connect(form_.Picture1, &CanvasWidget::mousePressed, this,
            [this](double x, double y, int) { markPressedSpot(x, y); });
    connect(form_.Command7, &QPushButton::clicked, this, &TheoryController::experimentalPoints);
    connect(form_.Command17, &QPushButton::clicked, this, &TheoryController::calculateAtAngle);
    connect(form_.Command18, &QPushButton::clicked, this, &TheoryController::calculateFromBodies);
    connect(form_.Command12, &QPushButton::clicked, this, &TheoryController::plotSweep);
}

// The variants of "СТО" are alternatives: ticking one unticks the other three.
void TheoryController::excludeOtherVariants(QObject* ticked) {
    for (QCheckBox* box : {form_.Check2, form_.Check3, form_.Check6, form_.Check8})
        if (box != ticked && box->isChecked()) box->setChecked(false);
}

FormulaSelection TheoryController::selection() const {
    FormulaSelection sel;
    if (form_.Option1->isChecked())
        sel.formula = MainFormula::Relativity;
    else if (form_.Option2->isChecked())
        sel.formula = MainFormula::Welt;
    else if (form_.Option3->isChecked())
        sel.formula = MainFormula::Lorentz;
    else
        sel.formula = MainFormula::Classical;
    if (form_.Check3->isChecked())
        sel.variant = RelativityVariant::V4_1;
    else if (form_.Check2->isChecked())
        sel.variant = RelativityVariant::V4_2;
    else if (form_.Check6->isChecked())
        sel.variant = RelativityVariant::V4_3;
    else if (form_.Check8->isChecked())
        sel.variant = RelativityVariant::V4_5;
    sel.welt = form_.Option11->isChecked() ? WeltVariant::V3_1 : WeltVariant::V3_2;
    sel.exactCorrections = form_.Check13->isChecked();
    sel.wavelength = form_.Check7->isChecked();
    return sel;
}

GraphAxis TheoryController::axis() const {
    return form_.Option8->isChecked() ? GraphAxis::Angle : GraphAxis::Speed;
}

SpeedArgument TheoryController::speedArgument() const {
    if (form_.Option6->isChecked()) return SpeedArgument::VX1;
    if (form_.Option7->isChecked()) return SpeedArgument::VX2;
    return SpeedArgument::Angle;
}

void TheoryController::guarded(const std::function<void()>& body, const QString& mathMessage,
                               const std::function<void()>& onFailure) {
    try {
        body();
    } catch (const InputError&) {
        showMessage(&form_, kEnterDataCorrectly);
    } catch (const MathError&) {
        if (onFailure) onFailure();
        showMessage(&form_, mathMessage);
    } catch (const IndexError&) {
        if (onFailure) onFailure();
        showMessage(&form_, mathMessage);
    }
}

// A calculation that failed has no answer: the one an earlier calculation
// showed is taken away, so that it cannot be read as this one's.
void TheoryController::clearResult() {
    form_.Text26->clear();
    form_.Text23->clear();
}

Bodies TheoryController::sharedBodies() const {
    const SharedState& s = form_.state();
    return {s.X(1), s.Y(1), s.VX(1), s.VY(1), s.X(2), s.Y(2), s.VX(2), s.VY(2)};
}

void TheoryController::showResult(const FormulaResult& r, const Bodies& b) {
    setNumber(form_.Text26, r.ratio);
    setNumber(form_.Text23, r.shift);
    setNumber(form_.Text13, b.X1);
    setNumber(form_.Text15, b.Y1);
    setNumber(form_.Text14, b.X2);
    setNumber(form_.Text16, b.Y2);
    const double dx = b.X1 - b.X2, dy = b.Y1 - b.Y2;
    setNumber(form_.Text11, std::sqrt(dx * dx + dy * dy));
}

bool TheoryController::calculateInteractive(const FormulaInputs& in, const Bodies& bodies) {
    SharedState& s = form_.state();
    s.formula = in;
    const FormulaResult r = calculateFrequency(in, selection(), lastFormulaResult(s));
    s.formula.v0 = r.v0;
    if (!r.speedsAccepted) {
        clearResult();
        showMessage(&form_, kSpeedsTooHigh);
        return false;
    }
    if (!r.applied) {
        // No formula gives a value here.
        clearResult();
        showMessage(&form_, kSolutionError);
        return false;
    }
    storeFormulaResult(s, r);
    showResult(r, bodies);
    form_.clearPicture();
    printFormulaTable(form_.picture(), in, r, s.degPerRad);
    return true;
}

// A table of points replaces whatever the report window shows, so that it
// never lands on the lines of an earlier table or run.
void TheoryController::printReportTable(const std::string& text) {
    Form4* report = reportWindow(form_.app());
    report->reportClear();
    report->reportPrint(kReportTop, text);
}

void TheoryController::clearGraph() {
    guarded(
        [this] {
            const double My = numberOf(form_.Text27) / 2;
            form_.state().My = My;
            // A zero scale would put every point at infinity.
            if (My == 0) throw InputError("graph scale 0");
            drawGraphArea(form_.picture(), My, axis());
        },
        kEnterDataCorrectly);
}

void TheoryController::markTypedPoint() {
    guarded(
        [this] {
            const double X = numberOf(form_.Text25);
            const double Y = numberOf(form_.Text26);
            const double My = numberOf(form_.Text27) / 2;
            form_.state().My = My;
            form_.picture().circle(graphX(X, axis()), safeDiv(Y, My), 0.2, colors::black);
        },
        kSolutionError);
}

void TheoryController::markPressedSpot(double x, double y) {
    try {
        form_.picture().circle(x, y, 0.2, colors::black);
        const ReadBack back = readBackSpot(x, y, form_.state().My, axis());
        form_.Text25->setText(qs(back.xText));
        form_.Text26->setText(qs(back.yText));
    } catch (const std::exception&) {
        showMessage(&form_, kPointNotFound);
    }
}

void TheoryController::experimentalPoints() {
    SharedState& s = form_.state();
    s.reportText.clear();
    guarded(
        [this, &s] {
            const double My = numberOf(form_.Text27) / 2;
            s.My = My;
            form_.Option8->setChecked(true);
            plotExperimentalPoints(s, form_.picture(), My, form_.Check11->isChecked());
            if (form_.Check5->isChecked()) printReportTable(s.reportText);
        },
        kSolutionError);
}

void TheoryController::calculateAtAngle() {
    guarded(
        [this] {
            const double X = numberOf(form_.Text25);
            if (X < 0) {
                showMessage(&form_, kNegativeFraction);
                return;
            }
            const double fieldValue = numberOf(form_.Text29);
            const double Vs = numberOf(form_.Text12);
            const double Qdeg = numberOf(form_.Text28);
            calculateInteractive(
                inputsAtAngle(form_.state().pi, speedArgument(), X, fieldValue, Vs, Qdeg),
                sharedBodies());
        },
        kSolutionError, [this] { clearResult(); });
}

void TheoryController::calculateFromBodies() {
    guarded(
        [this] {
            const SharedState& s = form_.state();
            const double Vs = numberOf(form_.Text12);
            const double fieldValue = numberOf(form_.Text29);
            const Bodies b{numberOf(form_.Text1), numberOf(form_.Text5), numberOf(form_.Text3),
                           numberOf(form_.Text7), numberOf(form_.Text2), numberOf(form_.Text6),
                           numberOf(form_.Text4), numberOf(form_.Text8)};
            const double M = numberOf(form_.Text19);
            const FormulaSelection sel = selection();
            const BodiesCalculation calc =
                inputsFromBodies(s.pi, b, fieldValue, Vs, sel, form_.Check11->isChecked());
            calculateInteractive(calc.in, calc.bodies);
            const bool relative =
                sel.formula == MainFormula::Relativity || sel.formula == MainFormula::Classical;
            drawBodiesAndVelocities(form_.picture(), calc.bodies, M, relative);
        },
        kSolutionError, [this] { clearResult(); });
}

void TheoryController::plotSweep() {
    std::optional<FormulaResult> lastAccepted;
    guarded(
        [this, &lastAccepted] {
            SweepSettings set;
            set.argument = speedArgument();
            set.My = numberOf(form_.Text27) / 2;
            set.Vs = numberOf(form_.Text12);
            set.Qdeg = numberOf(form_.Text28);
            set.VX1 = numberOf(form_.Text3);
            set.VX2 = numberOf(form_.Text4);
            set.fieldValue = numberOf(form_.Text29);
            try {
                runSweep(form_.state(), form_.picture(), set, selection(), lastAccepted);
            } catch (...) {
                // The fields show the last point that was calculated before the fault.
                if (lastAccepted) showResult(*lastAccepted, sharedBodies());
                throw;
            }
            if (lastAccepted) showResult(*lastAccepted, sharedBodies());
            printReportTable(form_.state().reportText);
        },
        kSolutionError);
}

} // namespace sonrel
