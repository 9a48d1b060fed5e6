// The comparison window's graphs and files: the v/v0 grids, the observed

#include "canvas/export_qt.h"
// and theory points, the picture and the data table.
#include "canvas/picture_file_qt.h"
#include "experiments/relativity/data_table.h"
#include "experiments/relativity/form9.h"
#include "experiments/relativity/grids.h"
#include "experiments/relativity/messages.h"
#include "ui/message_box_qt.h"

namespace sonrel {

using namespace relativity;

void Form9::clearGraphClicked() {
    try {
        model_.Mv = numberOf(Text27) / 2;
        model_.MT = numberOf(Text43) / 2;
        if (Check11->isChecked())
            drawTimeGrid(picture(), model_.Mv, model_.MT);
        else
            drawAngleGrid(picture(), model_.Mv);
    } catch (const std::exception&) {
        showMessage(this, kEnterDataCorrectly);
    }
}

// Shows a point's values and, without "Auto", asks whether to go on.
bool Form9::showPoint(const GraphPoint& p) {
    setNumber(Text33, p.ratio);
    if (Check1->isChecked()) return true;
    Text20->setText(QString::number(p.period));
    if (Check11->isChecked()) {
        setNumber(Text17, p.time);
    } else {
        setNumber(Text26, p.angleStart);
        setNumber(Text36, p.angleEnd);
    }
    return askYesNo(this, qs(continueQuestion()), qs(kContinueTitle));
}

void Form9::observedPointsClicked() {
    try {
        model_.Mv = numberOf(Text27) / 2;
        model_.MT = numberOf(Text43) / 2;
        model_.opt = readOptions();
        if (Check3->isChecked()) {
            loadTable(model_, readTable(ss(Text21->text())));
            const Model& m = model_;
            setTruncated(Text60, m.kTiso3, 6);
            setTruncated(Text72, m.kT00, 6);
            setNumber(Text54, state().v0);
            setTruncated(Text71, m.T0, 6);
            setNumber(Text11, m.VX1iso);
            setNumber(Text25, m.VX2iso);
            setNumber(Text15, m.VY1iso);
            setNumber(Text16, m.VY2iso);
        }
        plotObservedPoints(model_, picture(), [this](const GraphPoint& p) { return showPoint(p); });
    } catch (const std::exception&) {
        showMessage(this, kSolutionError);
    }
}

void Form9::theoryPointsClicked() {
    try {
        model_.opt = readOptions();
        plotTheoryPoints(model_, picture(), [this](const GraphPoint& p) { return showPoint(p); });
    } catch (const std::exception&) {
        showMessage(this, kSolutionError);
    }
}

void Form9::saveClicked() {
    if (!Check3->isChecked()) {
        tellPictureSaved(this, savePicture(picture(), QStringLiteral("Sonrel"), Text21->text()),
                         kSaveImageError);
        return;
    }
    model_.opt = readOptions();
    const std::string number = ss(Text21->text());
    const bool ok = writeTable(model_, number);
    tellSaved(this, ok ? ExportTexts::tableSaved(tablePath(tableFileName(number))) : QString(),
              kFileWriteError);
}

} // namespace sonrel
