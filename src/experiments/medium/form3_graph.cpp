// The medium window's picture, graphs and files.

#include "canvas/export_qt.h"
#include "canvas/picture_file_qt.h"
#include "experiments/medium/form3.h"
#include "experiments/medium/medium_drawing.h"
#include "experiments/medium/medium_table.h"
#include "experiments/medium/medium_texts.h"
#include "ui/message_box_qt.h"

namespace sonrel {

void Form3::clearPictureClicked() {
    picture().clear();
    drawMediumAnimationGrid(picture());
    run_.pictureCleared();
}

void Form3::clearGraphClicked() {
    try {
        const double Mv = numberOf(Text27) / 2, Mt = numberOf(Text43) / 2;
        picture().clear();
        if (Check11->isChecked())
            drawMediumTimeGrid(picture(), Mv, Mt);
        else
            drawMediumAngleGrid(picture(), Mv);
        run_.pictureCleared();
    } catch (const std::exception&) {
        showMessage(this, kEnterDataCorrectly);
    }
}

void Form3::densityProfileClicked() {
    double M = 0, Y1 = 0, Y2 = 0, Kp = 0;
    std::int32_t Np = 0;
    try {
        M = numberOf(Text19);
        Y1 = numberOf(Text5);
        Y2 = numberOf(Text6);
        Np = integerOf(Text23);
        Kp = numberOf(Text33);
    } catch (const InputError&) {
        showMessage(this, kEnterDataCorrectly);
        return;
    }
    try {
        picture().scale(-3, 14, 38.4, -4); // the animation's centimetres
        drawDensityProfile(picture(), law(), Kp, Np, Y1, Y2, M);
    } catch (const std::exception&) {
        showMessage(this, kCalculationError);
    }
}

GraphSettings Form3::graphSettings() const {
    GraphSettings g;
    g.Mv = numberOf(Text27) / 2;
    g.Mt = numberOf(Text43) / 2;
    g.byTime = Check11->isChecked();
    g.basis = Option12->isChecked()   ? AngleBasis::Q1Q2
              : Option13->isChecked() ? AngleBasis::Q30
                                      : AngleBasis::Q3;
    g.timeFromZero = Check2->isChecked();
    g.unitTimeRate = Check15->isChecked();
    g.averages = Check8->isChecked();
    g.atVs0 = Check9->isChecked();
    g.frame = Option6->isChecked() ? DopplerFrame::Relativistic : DopplerFrame::Classic;
    return g;
}

bool Form3::askToContinue(const GraphPoint& p, bool calculated) {
    if (Check1->isChecked()) return true;
    const SharedState& st = state();
    Text20->setText(QString::number(p.k));
    setNumber(calculated ? Text44 : Text24, p.ratio);
    if (Check11->isChecked()) {
        setNumber(Text17, p.time);
    } else if (calculated) {
        setNumber(Text26, p.Qs * st.degPerRad);
        setNumber(Text36, p.Qe * st.degPerRad);
    } else {
        setNumber(Text26, p.Qm * st.degPerRad);
        setNumber(Text36, p.Qm * st.degPerRad);
    }
    return askYesNo(this, qs(medium_texts::kContinueQuestion), qs(medium_texts::kContinueTitle));
}

void Form3::experimentalPointsClicked() {
    try {
        const GraphSettings g = graphSettings();
        if (Check3->isChecked()) readMediumTable(mediumTableName(ss(Text21->text())), run_);
        plotExperimentalPoints(run_, g, picture(),
                               [this](const GraphPoint& p) { return askToContinue(p, false); });
    } catch (const std::exception&) {
        showMessage(this, kSolutionError);
    }
}

void Form3::calculatedPointsClicked() {
    try {
        const GraphSettings g = graphSettings();
        plotCalculatedPoints(run_, g, picture(),
                             [this](const GraphPoint& p) { return askToContinue(p, true); });
    } catch (const std::exception&) {
        showMessage(this, kSolutionError);
    }
}

void Form3::saveClicked() {
    if (!Check3->isChecked()) {
        tellPictureSaved(this, savePicture(picture(), QStringLiteral("Sonrel"), Text21->text()),
                         kFileWriteError);
        return;
    }
    try {
        const DopplerFrame frame =
            Option6->isChecked() ? DopplerFrame::Relativistic : DopplerFrame::Classic;
        const std::string name = mediumTableName(ss(Text21->text()));
        writeMediumTable(name, run_, frame);
        tellSaved(this, ExportTexts::tableSaved(tablePath(name)), kFileWriteError);
    } catch (const std::exception&) {
        tellSaved(this, QString(), kFileWriteError);
    }
}

void Form3::pictureClicked(double x, double y) {
    try {
        picture().circle(x, y, 0.2, colors::black);
    } catch (const std::exception&) {
        showMessage(this, kPointNotFound);
    }
}

} // namespace sonrel
