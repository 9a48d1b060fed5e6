// The membrane window's handlers that compute: aiming, the run and its
// control buttons, the report and the graph.
#include "base/checked_math.h"
#include "canvas/form4.h"
#include "canvas/period_table_export_qt.h"
#include "experiments/membrane/form8.h"
#include "experiments/membrane/membrane_drawing.h"
#include "experiments/membrane/membrane_graph.h"
#include "experiments/membrane/membrane_report.h"
#include "experiments/membrane/period_csv.h"
#include "ui/message_box_qt.h"

namespace sonrel {

MembraneOptions Form8::options() const {
    return {Check2->isChecked(), Check4->isChecked(), Check1->isChecked()};
}

void Form8::readBodiesAndMembranes() {
    SharedState& s = state();
    s.X(1) = numberOf(Text1);
    s.Y(1) = numberOf(Text5);
    s.VX(1) = numberOf(Text3);
    s.VY(1) = numberOf(Text7);
    s.X(2) = numberOf(Text2);
    s.Y(2) = numberOf(Text6);
    s.VX(2) = numberOf(Text4);
    s.VY(2) = numberOf(Text8);
    model_.L1 = numberOf(Text25);
    model_.L2 = numberOf(Text26);
    model_.A1 = numberOf(Text22) / s.degPerRad;
}

void Form8::aimClicked() {
    SharedState& s = state();
    try {
        readBodiesAndMembranes();
        s.pictureScale = numberOf(Text19);
        s.Vs = numberOf(Text12);
    } catch (const InputError&) {
        showMessage(this, kEnterDataCorrectly);
        return;
    }
    try {
        // The aim is drawn on the picture: its scale must be above zero.
        if (Check9->isChecked() && !(s.pictureScale > 0))
            throw MathError("picture scale must be positive");
        const AimResult r = model_.aim(s, Check3->isChecked());
        setNumber(Text17, r.travelTime);
        showDegrees(Text22, r.a1);
        showDegrees(Text23, r.a2);
        if (Check9->isChecked()) drawAim(picture(), s, true);
    } catch (const MathError&) {
        showMessage(this, kCalculationError);
    } catch (const IndexError&) {
        showMessage(this, kCalculationError);
    }
}

void Form8::startClicked() {
    SharedState& s = state();
    try {
        readBodiesAndMembranes();
        model_.A2 = numberOf(Text23) / s.degPerRad;
        s.Vs = numberOf(Text12);
        s.pictureScale = numberOf(Text19);
        s.dt = numberOf(Text9);
        s.NC0 = integerOf(Text10);
        s.T00 = numberOf(Text18);
    } catch (const InputError&) {
        showMessage(this, kEnterDataCorrectly);
        return;
    }
    try {
        // A run needs a period, a time step and a picture scale above zero:
        // the fronts would never leave, time would stand still, or the
        // picture would divide by zero or be drawn mirrored.
        if (!(s.T00 > 0) || !(s.dt > 0) || !(s.pictureScale > 0))
            throw MathError("period, step and picture scale must be positive");
        s.v0 = safeDiv(1, s.T00);
        setNumber(Text11, s.v0);
        readRunChoices();
        run_.start();
        if (Check5->isChecked()) {
            ReportWindowSink sink = runner_->reportSink();
            printLegend(s, sink);
        }
        for (QLineEdit* f : {Text20, Text38, Text39, Text41, Text42, Text43, Text44, Text45, Text46,
                             Text47, Text48, Text24, Text59, Text28, Text29})
            f->setText(QStringLiteral("0"));
        Text49->setText(QStringLiteral("1"));
    } catch (const MathError&) {
        showMessage(this, kSolutionError);
        return;
    } catch (const IndexError&) {
        showMessage(this, kSolutionError);
        return;
    }
    runner_->run();
}

void Form8::readRunChoices() {
    run_.options = options();
    run_.mirror = Option1->isChecked();
    run_.animation = Check9->isChecked();
}

void Form8::showStep(const StepOutcome& since) {
    const SharedState& s = record_;
    Text49->setText(QString::number(run_.lastEmitted()));
    if (since.periodCompleted) showPeriod(model_.shownPeriod);
    if (since.arrival) showFrontAngles(model_.shownFront);
    if (!since.display) return;
    setNumber(Text13, s.X(1));
    setNumber(Text15, s.Y(1));
    setNumber(Text14, s.X(2));
    setNumber(Text16, s.Y(2));
    setNumber(Text17, s.T);
    if (run_.mirror && model_.mirror.done) {
        showDegrees(Text24, s.Q3(1));
        showDegrees(Text28, model_.mirror.angle);
        showDegrees(Text29, model_.A2f(1));
    }
}

void Form8::showPeriod(const PeriodShown& p) {
    Text20->setText(QString::number(p.period));
    setNumber(Text38, p.tn1);
    setNumber(Text39, p.tk1);
    setNumber(Text41, p.v);
    showDegrees(Text42, p.qn1);
    showDegrees(Text43, p.qk1);
    showDegrees(Text44, p.qn2);
    showDegrees(Text45, p.qk2);
    setNumber(Text46, p.vn);
    setNumber(Text47, p.vk);
    setNumber(Text48, p.vsr);
}

void Form8::showFrontAngles(const FrontAngles& a) {
    showDegrees(Text24, a.q3);
    showDegrees(Text59, a.q3r);
    showDegrees(Text28, a.a1);
    showDegrees(Text29, a.a2);
}

bool Form8::readGraphScale(double& My) {
    try {
        My = numberOf(Text27) / 2;
        return true;
    } catch (const InputError&) {
        showMessage(this, kEnterDataCorrectly);
        return false;
    }
}

void Form8::clearGraph() {
    double My = 0;
    if (!readGraphScale(My)) return;
    try {
        drawGraphGrid(picture(), My);
    } catch (const MathError&) {
        showMessage(this, kSolutionError);
    }
}

void Form8::observedPointsClicked() {
    double My = 0;
    if (!readGraphScale(My)) return;
    try {
        state().reportText = plotObservedPoints(picture(), state(), model_, My);
        if (Check5->isChecked()) reportWindow(app())->reportPrint(599.3, state().reportText);
    } catch (const MathError&) {
        showMessage(this, kSolutionError);
    } catch (const IndexError&) {
        showMessage(this, kSolutionError);
    }
}

void Form8::calculatedPointsClicked() {
    double My = 0;
    if (!readGraphScale(My)) return;
    try {
        plotCalculatedPoints(picture(), state(), model_, My);
    } catch (const MathError&) {
        showMessage(this, kSolutionError);
    } catch (const IndexError&) {
        showMessage(this, kSolutionError);
    }
}

} // namespace sonrel
