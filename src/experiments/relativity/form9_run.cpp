// Running the comparison experiment from the window: start, stop, continue,
// NC0 steps, the T00 search, the fields refreshed by a run and the report.
#include "base/errors.h"
#include "canvas/form4.h"
#include "experiments/relativity/form9.h"
#include "experiments/relativity/period_csv.h"
#include "experiments/relativity/report.h"
#include "ui/message_box_qt.h"

namespace sonrel {

using namespace relativity;

Options Form9::readOptions() const {
    Options o;
    o.frame = Option1->isChecked() ? Frame::Aso : Frame::Iso;
    o.kinematics = Option7->isChecked()   ? Kinematics::StoPlus
                   : Option6->isChecked() ? Kinematics::Sto
                                          : Kinematics::Classic;
    o.sight = Option13->isChecked() ? SightLine::FromSourceNow : SightLine::FromEmission;
    o.timeScale = Option4->isChecked()   ? TimeScale::KT00
                  : Option8->isChecked() ? TimeScale::KTiso
                                         : TimeScale::One;
    o.autoMode = Check1->isChecked();
    o.stopAtStart = Check14->isChecked();
    o.allFronts = CheckAllFronts->isChecked();
    o.keepFronts = CheckKeepFronts->isChecked();
    o.animation = Check6->isChecked();
    o.report = Check5->isChecked();
    o.seenInAso = Check7->isChecked();
    o.markFronts = Check15->isChecked();
    o.graphXt = Check13->isChecked();
    o.trackScaledTime = Check10->isChecked();
    o.trackPlainTime = Check20->isChecked();
    o.thirdFrame = Check8->isChecked();
    o.thirdFrameSkipCarry = Check17->isChecked();
    o.carrySource = Check19->isChecked();
    o.emissionFromArrival = Check12->isChecked();
    o.theoryAso = Check9->isChecked();
    o.theoryIso = Check16->isChecked();
    o.t00FromIso = Check4->isChecked();
    o.relativeVelocity = Check21->isChecked();
    o.seen = Check18->isChecked();
    o.byTime = Check11->isChecked();
    o.fromT0 = Check2->isChecked();
    o.dataTable = Check3->isChecked();
    return o;
}

// The choices a start or a search makes itself.
void Form9::applyOptions(const Options& o) {
    (o.frame == Frame::Aso ? Option1 : Option2)->setChecked(true);
    switch (o.kinematics) {
    case Kinematics::Classic:
        Option5->setChecked(true);
        break;
    case Kinematics::Sto:
        Option6->setChecked(true);
        break;
    case Kinematics::StoPlus:
        Option7->setChecked(true);
        break;
    }
    Check19->setChecked(o.carrySource);
}

void Form9::readBodies(Inputs& in) const {
    in.X1 = numberOf(Text1);
    in.Y1 = numberOf(Text5);
    in.VX1 = numberOf(Text3);
    in.VY1 = numberOf(Text7);
    in.X2 = numberOf(Text2);
    in.Y2 = numberOf(Text6);
    in.VX2 = numberOf(Text4);
    in.VY2 = numberOf(Text8);
}

void Form9::startClicked() {
    Inputs in;
    Options opt = readOptions();
    try {
        readBodies(in);
    } catch (const std::exception&) {
        showMessage(this, kSolutionError);
        return;
    }
    const std::string refused = Model::refuseVelocitiesForSto(opt, in.VY1, in.VY2);
    if (!refused.empty()) {
        showMessage(this, qs(refused));
        return;
    }
    try {
        in.Vs0 = numberOf(Text12);
        in.VXiso = numberOf(Text50);
        in.VXiso3 = numberOf(Text49);
        in.M = numberOf(Text19);
        in.dt = numberOf(Text9);
        in.NC0 = integerOf(Text10);
        in.MT = numberOf(Text43);
        in.Mv = numberOf(Text27) / 2;
        in.T00 = numberOf(Text18);
        in.Nrays = integerOf(Text32);
        in.cone = numberOf(Text34);
        in.mean = numberOf(Text35);
        in.Niter = integerOf(Text74);
        const std::string refusal = model_.start(in, opt);
        applyOptions(opt);
        if (!refusal.empty()) {
            showMessage(this, qs(refusal));
            return;
        }
        showStart();
    } catch (const std::exception&) {
        showMessage(this, kSolutionError);
        return;
    }
    if (Check5->isChecked()) printReportHeader();
    if (Check14->isChecked()) {
        setTruncated(Text41, model_.T1, 6);
        setTruncated(Text42, model_.T2, 6);
        return;
    }
    runner_->run();
}

void Form9::showStep(const StepOutcome& since) {
    const SharedState& s = state();
    if (Check9->isChecked()) setNumber(Text47, model_.vAso);
    if (Check16->isChecked()) setNumber(Text48, model_.vIso);
    if (Check18->isChecked() && Option5->isChecked()) setTruncated(Text75, model_.seenLag, 6);
    if (since.arrival) Text20->setText(QString::number(run_.arrivalPeriod()));
    if (since.periodCompleted) {
        const PeriodView& p = model_.period;
        if (p.measuredSource) {
            setTruncated(Text72, p.kT00, 6);
            setNumber(Text55, p.sourcePeriod);
            setNumber(Text22, p.T002);
            setNumber(Text54, p.v0);
        }
        setNumber(Text26, p.Qn3);
        setNumber(Text36, p.Qk3);
        setNumber(Text39, p.Qn1);
        setNumber(Text40, p.Qk1);
        setNumber(Text45, p.Vs1n);
        setNumber(Text46, p.Vs1k);
        setNumber(Text37, p.vn);
        setNumber(Text38, p.vk);
        setNumber(Text44, p.vsr);
        setTruncated(Text41, p.Tn1, 6);
        setTruncated(Text42, p.Tk1, 6);
        setTruncated(Text23, p.vIsoClock, 6);
        setTruncated(Text24, p.vReceiverClock, 6);
    }
    if (since.display) {
        setNumber(Text17, s.T);
        setTruncated(Text28, model_.X1iso, 6);
        setTruncated(Text29, model_.X2iso, 6);
        setTruncated(Text30, model_.Y1iso, 6);
        setTruncated(Text31, model_.Y2iso, 6);
    }
}

void Form9::showIsoState() {
    const Model& m = model_;
    QLineEdit* fields[] = {Text28, Text29, Text30, Text31, Text11, Text25, Text15, Text16};
    const double values[] = {m.X1iso,  m.X2iso,  m.Y1iso,  m.Y2iso,
                             m.VX1iso, m.VX2iso, m.VY1iso, m.VY2iso};
    for (int k = 0; k < 8; ++k)
        setNumber(fields[k], values[k]);
}

void Form9::showStart() {
    const Model& m = model_;
    const SharedState& s = state();
    setTruncated(Text52, m.kT2, 6);
    setTruncated(Text61, m.kT1iso, 6);
    setTruncated(Text62, m.kT2isoShown, 6);
    setTruncated(Text60, m.kTiso3, 6);
    setNumber(Text22, m.T002);
    setNumber(Text54, s.v0);
    Text20->setText(QStringLiteral("0"));
    setNumber(Text17, s.T);
    setTruncated(Text71, m.T0, 6);
    setNumber(Text13, m.QV1 * s.degPerRad);
    setNumber(Text14, m.QV2 * s.degPerRad);
    showIsoState();
    for (QLineEdit* f : {Text42, Text41, Text26, Text36, Text37, Text38, Text39, Text40, Text45,
                         Text46, Text24, Text44, Text55, Text72})
        f->setText(QStringLiteral("0"));
}

void Form9::printReportHeader() {
    try {
        ReportWindowSink report = runner_->reportSink();
        report.clear();
        report.print(599.9, reportHeading());
        report.print(599.3, reportLegend(model_));
    } catch (const std::exception&) {
        showMessage(this, kReportError);
    }
}

void Form9::findT00Clicked() {
    Inputs in;
    Options opt = readOptions();
    try {
        readBodies(in);
        in.Vs0 = numberOf(Text12);
        in.VXiso = numberOf(Text50);
        in.M = numberOf(Text19);
        in.dt = numberOf(Text9);
        in.NC0 = integerOf(Text10);
        in.Nrays = integerOf(Text32);
        in.cone = numberOf(Text34);
        in.mean = numberOf(Text35);
        search_.prepare(in, opt);
        applyOptions(opt);
        showIsoState();
    } catch (const std::exception&) {
        showMessage(this, kCalculationError);
        return;
    }
    RunScope scope(*this);
    const SharedState& s = state();
    // The T00 field shows the time flown so far; a search that ends without
    // the beam meeting the receiver puts back what the fields held.
    const QString heldT00 = Text18->text(), heldV0 = Text54->text();
    try {
        for (;;) {
            model_.opt.animation = Check6->isChecked();
            const bool found = search_.step(picture());
            if (search_.met() || (!found && s.stepCount == 0)) {
                setNumber(Text18, search_.foundT00());
                setNumber(Text54, search_.foundV0());
            }
            if (found || s.stepCount == 0) {
                setNumber(Text17, s.T);
                setNumber(Text28, s.X(1));
                setNumber(Text30, s.Y(1));
                setNumber(Text29, s.X(2));
                setNumber(Text31, s.Y(2));
            }
            if (found || closeRequested()) break;
            pumpEvents();
        }
    } catch (const std::exception&) {
        if (!closeRequested()) showMessage(this, kCalculationError);
    }
    if (!search_.met() && !closeRequested()) {
        Text18->setText(heldT00);
        Text54->setText(heldV0);
    }
}

} // namespace sonrel
