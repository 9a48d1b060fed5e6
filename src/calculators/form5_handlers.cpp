// The button and scroll-bar handlers of the auxiliary-calculations window.

#include "calculators/form5.h"
#include "canvas/export_qt.h"

#include "canvas/picture_file_qt.h"
#include "ui/message_box_qt.h"

#include <cmath>

namespace sonrel {

namespace {
constexpr double kPxPerCm = 567.0 / 15.0; // a centimetre of 567 twips
constexpr double kTera = 1e12;
constexpr double kSearchWidthCm = 21, kSearchHeightCm = 16;
const QString kGraphError = QString::fromUtf8(QT_TRANSLATE_NOOP("Message", "Ошибка расчета"));
} // namespace

void Form5::guarded(const QString& failure, const std::function<void()>& body) {
    try {
        body();
    } catch (const InputError&) {
        showMessage(this, kEnterDataCorrectly);
    } catch (const MathError&) {
        showMessage(this, failure);
    } catch (const IndexError&) {
        showMessage(this, failure);
    }
}

void Form5::resizeGraph(double widthCm, double heightCm) {
    Picture4->resizePicture(static_cast<int>(std::lround(widthCm * kPxPerCm)),
                            static_cast<int>(std::lround(heightCm * kPxPerCm)));
}

void Form5::clearGraph() {
    guarded(kGraphError, [this] {
        const double Vmax = numberOf(Text1), MV = numberOf(Text3);
        const double dvMax = numberOf(Text2), Mdv = numberOf(Text4);
        const ShiftGeometry g = shiftGeometry(Vmax, MV, dvMax, Mdv);
        geometry_ = g;
        resizeGraph(g.W + 1, g.H + 1);
        drawShiftGrid(graph(), g);
        scrollVertical(VScroll1->value());
        scrollHorizontal(HScroll1->value());
    });
}

void Form5::drawCurve() {
    guarded(kGraphError, [this] {
        const double K = numberOf(Text5);
        const ShiftTheory theory = Option1->isChecked()   ? ShiftTheory::StoApprox
                                   : Option5->isChecked() ? ShiftTheory::StoExact
                                                          : ShiftTheory::Classic;
        const ShiftMover mover = Option3->isChecked() ? ShiftMover::Absorber : ShiftMover::Emitter;
        drawShiftCurve(graph(), geometry_, theory, mover, K, state().c);
    });
}

void Form5::drawPoint() {
    guarded(kGraphError, [this] {
        const double V = numberOf(Text7), s = numberOf(Text8);
        drawShiftPoint(graph(), geometry_, V, s);
    });
}

void Form5::saveGraph() {
    tellPictureSaved(this, savePicture(graph(), QStringLiteral("Sonrel"), Text6->text()),
                     kSaveImageError);
}

// The picture moves up as the bar goes down, showing its lower part.
void Form5::scrollVertical(int value) {
    const int travel = Picture2->height() - Picture4->height() - 4;
    Picture4->move(Picture4->x(), travel * value / 100);
}

// The picture moves left as the bar goes right, showing its right part.
void Form5::scrollHorizontal(int value) {
    const int travel = Picture2->width() - Picture4->width();
    Picture4->move(travel * value / 100, Picture4->y());
}

void Form5::laserFrequencies() {
    guarded(kSolutionError, [this] {
        const double v0 = numberOf(Text9) * kTera;
        const double beta = numberOf(Text10);
        const LaserPair lasers = laserFrequencies41(v0, beta);
        setNumber(Text11, lasers.vp / kTera);
        setNumber(Text12, lasers.va / kTera);
    });
}

void Form5::searchBeamSpeed() {
    guarded(kSolutionError, [this] {
        const double v0 = numberOf(Text9) * kTera;
        std::optional<LaserPair> lasers;
        if (Check2->isChecked()) lasers = experimentalLasers(numberOf(Text10));
        // The typed frequencies are needed only when no measured row replaces them.
        if (!lasers) lasers = LaserPair{numberOf(Text11) * kTera, numberOf(Text12) * kTera};
        resizeGraph(kSearchWidthCm, kSearchHeightCm);
        BeamSpeedSearch::drawGrid(graph());
        scrollVertical(VScroll1->value());
        scrollHorizontal(HScroll1->value());
        search_.run(graph(), v0, lasers->vp, lasers->va, state().c);
    });
}

void Form5::ionEnergy() {
    guarded(kSolutionError, [this] {
        const double m = numberOf(Text15);
        const double V = numberOf(Text16) * state().c;
        setNumber(Text14, ionEnergyKeV(m, V, state().e));
    });
}

void Form5::ionMassClicked() {
    guarded(kSolutionError, [this] {
        const double E = numberOf(Text14);
        const double V = numberOf(Text16) * state().c;
        setNumber(Text15, ionMass(E, V, state().e));
    });
}

void Form5::ionSpeedClicked() {
    guarded(kSolutionError, [this] {
        const double E = numberOf(Text14);
        const double m = numberOf(Text15);
        setNumber(Text16, ionSpeed(E, m, state().e, state().c));
    });
}

void Form5::speedFromShiftClicked() {
    guarded(kSolutionError, [this] {
        const double A = numberOf(Text17), D = numberOf(Text18);
        const double alpha = numberOf(Text19) / state().degPerRad;
        setNumber(Text20, speedFromShift(A, D, alpha, Option6->isChecked(), Option8->isChecked(),
                                         state().c));
    });
}

} // namespace sonrel
