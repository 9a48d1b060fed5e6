#include "experiments/relativity/form9.h"

#include "experiments/drag_bodies_qt.h"
#include "experiments/frequency_plot_qt.h"
#include "experiments/relativity/grids.h"
#include "experiments/relativity/theory.h"
#include "ui/button_tooltips_qt.h"
#include "ui/message_box_qt.h"
#include "ui/window_registry_qt.h"

namespace sonrel {

namespace {

const QString kSetDataCorrectly =
    QString::fromUtf8(QT_TRANSLATE_NOOP("Message", "Задайте правильно данные "));

} // namespace

Form9::Form9(AppContext& app) : FormBase(app, 9), model_(record_) {
    setWindowTitle(tr("Sonrel6     form9     Сравнение двух вариантов представления "
                      "принципа относительности "));
    buildControls();
    picture().setFontPixelSize(11);
    clearPicture();
    wire();
    applyButtonTooltips(this, 9);
    installExperimentFileActions(*this);
    installFullScreen(Picture1);
    installBodyDragging(*this, Picture1, {{-3, 14, 38.4, -4}, {}});
}

void Form9::wire() {
    connect(Command1, &QPushButton::clicked, this, &Form9::startClicked);
    ExperimentWindow w;
    w.form = this;
    w.canvas = &picture();
    w.pacer = pacer;
    w.tableExport = tableExport;
    w.reportBox = Check5;
    w.stepsField = Text10;
    w.continueReadsSteps = false;
    w.beforeStep = [this] { model_.opt = readOptions(); };
    w.show = [this](const StepOutcome& since) { showStep(since); };
    attachFrequencyPlot(w, app(), run_, CheckFrequencyPlot);
    runner_ = std::make_unique<ExperimentRun>(std::move(w), run_);
    connect(Command2, &QPushButton::clicked, this, [this] { runner_->stop(); });
    connect(Command3, &QPushButton::clicked, this, [this] { runner_->continueClicked(); });
    connect(Command4, &QPushButton::clicked, this, [this] { runner_->stepsClicked(); });
    connect(Command6, &QPushButton::clicked, this, &Form9::saveClicked);
    connect(Command13, &QPushButton::clicked, this, &Form9::findT00Clicked);
    connect(Command14, &QPushButton::clicked, this, &Form9::clearGraphClicked);
    connect(Command7, &QPushButton::clicked, this, &Form9::observedPointsClicked);
    connect(Command18, &QPushButton::clicked, this, &Form9::theoryPointsClicked);
    connect(Command5, &QPushButton::clicked, this, &Form9::clearPicture);
    connect(Command10, &QPushButton::clicked, this, &Form9::restoreDefaults);
    connect(Command11, &QPushButton::clicked, this, &Form9::copyIsoState);
    connect(Command9, &QPushButton::clicked, this, &Form9::velocitiesBackToAso);
    Command8->setEnabled(windows().available(3));
    connect(Command8, &QPushButton::clicked, this, [this] { windows().show(3); });
    connect(Command16, &QPushButton::clicked, this, [this] { windows().unloadAll(); });
    connect(Check8, &QCheckBox::toggled, this, &Form9::thirdFrameToggled);
    connect(Check5, &QCheckBox::toggled, this, &Form9::reportToggled);
    untickWhenReportCloses(Check5);
    connect(Picture1, &CanvasWidget::mousePressed, this,
            [this](double x, double y, int) { markPoint(x, y); });
}

void Form9::clearPicture() {
    relativity::drawAnimationGrid(picture());
}

void Form9::restoreDefaults() {
    const std::pair<QLineEdit*, const char*> defaults[] = {
        {Text1, "56,6"}, {Text5, "50"}, {Text3, "6"},  {Text7, "0"},
        {Text2, "0"},    {Text6, "0"},  {Text4, "10"}, {Text8, "0"}};
    for (const auto& [field, text] : defaults)
        field->setText(QString::fromUtf8(text));
}

// The converted state becomes the initial state of a new run.
void Form9::copyIsoState() {
    QLineEdit* from[] = {Text28, Text30, Text11, Text15, Text29, Text31, Text25, Text16};
    QLineEdit* to[] = {Text1, Text5, Text3, Text7, Text2, Text6, Text4, Text8};
    double values[8];
    try {
        for (int k = 0; k < 8; ++k)
            values[k] = numberOf(from[k]);
    } catch (const std::exception&) {
        showMessage(this, kSetDataCorrectly);
        return;
    }
    for (int k = 0; k < 8; ++k)
        setNumber(to[k], values[k]);
}

// The ИСО velocities transformed back into АСО (the frame speeds negated).
void Form9::velocitiesBackToAso() {
    using relativity::Kinematics;
    try {
        const double ux1 = numberOf(Text11), ux2 = numberOf(Text25);
        const double uy1 = numberOf(Text15), uy2 = numberOf(Text16);
        const double vs = numberOf(Text12), vxIso = numberOf(Text50), vxIso3 = numberOf(Text49);
        const relativity::Options o = readOptions();
        Velocity v1{ux1, uy1}, v2{ux2, uy2};
        switch (o.kinematics) {
        case Kinematics::Classic:
            v1.x += vxIso;
            v2.x += vxIso;
            break;
        case Kinematics::Sto:
            v1 = boostVelocity(v1, -vxIso, vs);
            v2 = boostVelocity(v2, -vxIso, vs);
            if (o.thirdFrame) {
                v1 = boostVelocity(v1, -vxIso3, vs);
                v2 = boostVelocity(v2, -vxIso3, vs);
            }
            break;
        case Kinematics::StoPlus:
            v1.x = model_.VX1iso;
            v2.x = model_.VX2iso;
            break;
        }
        setNumber(Text47, v1.x);
        setNumber(Text48, v2.x);
    } catch (const std::exception&) {
        showMessage(this, kSetDataCorrectly);
    }
}

void Form9::thirdFrameToggled(bool on) {
    if (on) Option1->setChecked(true);
}

void Form9::reportToggled(bool on) {
    if (on)
        windows().show(4);
    else
        windows().unload(4);
}

void Form9::markPoint(double x, double y) {
    try {
        picture().circle(x, y, 0.2, colors::black);
    } catch (const std::exception&) {
        showMessage(this, kPointNotFound);
    }
}

FormFactory form9Factory() {
    return {[](AppContext& a) -> FormBase* { return new Form9(a); }};
}

} // namespace sonrel
