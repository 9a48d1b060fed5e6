// The medium window's experiment: start, stop, continue, NC0 steps, the T00
// search and the loops that step the model.
#include "canvas/form4.h"
#include "canvas/period_table_export_qt.h"
#include "experiments/medium/form3.h"
#include "experiments/medium/medium_report.h"
#include "experiments/medium/medium_texts.h"
#include "experiments/medium/period_csv.h"
#include "ui/message_box_qt.h"

namespace sonrel {

namespace {
// Writes a number and shows its first digits, not its last.
void showValue(QLineEdit* field, double x) {
    setNumber(field, x);
    field->setCursorPosition(0);
}
} // namespace

DensityLaw Form3::law() const {
    if (Option1->isChecked()) return DensityLaw::Linear;
    if (Option2->isChecked()) return DensityLaw::Square;
    if (Option4->isChecked()) return DensityLaw::SquareFromTop;
    return DensityLaw::LinearFromTop;
}

MediumInputs Form3::readInputs(bool forSearch) const {
    MediumInputs in;
    in.X1 = numberOf(Text1);
    in.Y1 = numberOf(Text5);
    in.VX1 = numberOf(Text3);
    in.VY1 = numberOf(Text7);
    in.X2 = numberOf(Text2);
    in.Y2 = numberOf(Text6);
    in.VX2 = numberOf(Text4);
    in.VY2 = numberOf(Text8);
    in.Vs0 = numberOf(Text12);
    if (!forSearch) in.Vsv = numberOf(Text49);
    in.VXiso = numberOf(Text50);
    in.M = numberOf(Text19);
    in.dt = numberOf(Text9);
    in.NC0 = integerOf(Text10);
    if (!forSearch) in.T00 = numberOf(Text18);
    in.Np = integerOf(Text23);
    in.Kp = numberOf(Text33);
    in.Nr = integerOf(Text32);
    in.cone = numberOf(Text34);
    in.meanAngle = numberOf(Text35);
    in.law = law();
    return in;
}

MediumOptions Form3::options() const {
    MediumOptions o;
    o.frame = Option6->isChecked() ? DopplerFrame::Relativistic : DopplerFrame::Classic;
    o.dragged = Check7->isChecked();
    o.delay = Check10->isChecked();
    o.animation = Check6->isChecked();
    o.middleRay = Check13->isChecked();
    o.byQ3 = Check14->isChecked();
    o.autoRun = Check1->isChecked();
    o.allFronts = CheckAllFronts->isChecked();
    o.keepFronts = CheckKeepFronts->isChecked();
    return o;
}

void Form3::startClicked() {
    MediumInputs in;
    try {
        in = readInputs(false);
    } catch (const InputError&) {
        showMessage(this, kEnterDataCorrectly);
        return;
    }
    try {
        const MediumOptions o = options();
        if (run_.start(in, o) == StartOutcome::SourceNotMovingRight) {
            showMessage(this, qs(medium_texts::kSourceMustMoveRight));
            return;
        }
        showStartFields();
    } catch (const InputError&) {
        showMessage(this, kEnterDataCorrectly);
        return;
    } catch (const std::exception&) {
        showMessage(this, kSolutionError);
        return;
    }
    if (Check5->isChecked()) {
        try {
            ReportWindowSink sink = runner_->reportSink();
            mediumReportLegend(run_, sink);
        } catch (const std::exception&) {
            showMessage(this, kReportError);
        }
    }
    runner_->run();
}

void Form3::showStartFields() {
    const SharedState& st = state();
    const double shift = options().frameThroughMedium() ? run_.VXiso : 0;
    showValue(Text22, st.v0);
    showValue(Text51, run_.v00);
    Text20->setText(QStringLiteral("0"));
    showValue(Text17, st.T);
    showValue(Text13, run_.QV1start * st.degPerRad);
    showValue(Text14, run_.QV2start * st.degPerRad);
    showValue(Text11, st.VX(1) - shift);
    showValue(Text25, st.VX(2) - shift);
    Label38->setText(QStringLiteral("Tn1"));
    Label39->setText(QStringLiteral("Tk1"));
    for (QLineEdit* f :
         {Text15, Text16, Text24, Text26, Text28, Text29, Text30, Text31, Text36, Text37,
          Text38, Text39, Text40, Text41, Text42, Text44, Text45, Text46, Text47, Text48})
        f->setText(QStringLiteral("0"));
}

void Form3::continueClicked(bool exactlyNC0) {
    if (!stepper_.started()) return; // nothing to continue after a T00 search
    if (options().frameThroughMedium()) {
        // The run's end turned its velocities into frame velocities.
        showMessage(this, qs(medium_texts::kCannotContinue));
        return;
    }
    if (exactlyNC0)
        runner_->stepsClicked();
    else
        runner_->continueClicked();
}

void Form3::showStep(const StepOutcome& since) {
    try {
        const MediumDisplay& d = run_.display;
        if (since.arrival) {
            showValue(Text26, d.Qn3);
            showValue(Text36, d.Qk3);
            showValue(Text28, d.Xk1);
            showValue(Text30, d.Yk1);
            showValue(Text29, d.Xk2);
            showValue(Text31, d.Yk2);
            Text20->setText(QString::number(d.period));
        }
        if (since.periodCompleted) {
            showValue(Text24, d.v);
            showValue(Text15, d.Tn1);
            showValue(Text16, d.Tk1);
            showValue(Text39, d.Qn1s);
            showValue(Text40, d.Qn1e);
            showValue(Text41, d.Qn2s);
            showValue(Text42, d.Qn2e);
            showValue(Text45, d.Vs1s);
            showValue(Text46, d.Vs1e);
            showValue(Text47, d.Vs2s);
            showValue(Text48, d.Vs2e);
            showValue(Text37, d.vn);
            showValue(Text38, d.vk);
            showValue(Text44, d.vsr);
        }
        if (since.display) showValue(Text17, d.T);
    } catch (const MathError&) {
        // A value that cannot be shown keeps the field's previous text.
    }
}

void Form3::showSearch() {
    const MediumDisplay& d = run_.display;
    try {
        showValue(Text17, d.T);
        showValue(Text18, d.T00);
        showValue(Text22, d.v0);
    } catch (const MathError&) {
        // A value that cannot be shown keeps the field's previous text.
    }
}

void Form3::searchClicked() {
    MediumInputs in;
    try {
        in = readInputs(true);
        const MediumOptions o = options();
        run_.startSearch(in, o);
        const SharedState& st = state();
        const double shift = o.frameThroughMedium() ? run_.VXiso : 0;
        showValue(Text11, st.VX(1) - shift);
        showValue(Text25, st.VX(2) - shift);
        Label38->setText(QStringLiteral("T1"));
        Label39->setText(QStringLiteral("T2"));
        showValue(Text15, run_.T1);
        showValue(Text16, run_.T2);
        showValue(Text28, st.X(1));
        showValue(Text29, st.X(2));
        showValue(Text30, st.Y(1));
        showValue(Text31, st.Y(2));
    } catch (const InputError&) {
        showMessage(this, kEnterDataCorrectly);
        return;
    } catch (const std::exception&) {
        showMessage(this, kCalculationError);
        return;
    }
    searchLoop();
}

void Form3::searchLoop() {
    RunScope scope(*this);
    try {
        while (state().stopFlag == 0 && !closeRequested()) {
            run_.searchStep(&picture(), Check6->isChecked());
            showSearch();
            pumpEvents();
        }
    } catch (const std::exception&) {
        if (!closeRequested()) showMessage(this, kCalculationError);
    }
}

} // namespace sonrel
