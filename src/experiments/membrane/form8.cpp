#include "experiments/membrane/form8.h"
#include "canvas/period_table_export_qt.h"

#include "canvas/export_qt.h"

#include "canvas/picture_file_qt.h"
#include "experiments/animation_grid.h"
#include "experiments/drag_bodies_qt.h"
#include "experiments/fit_picture_qt.h"
#include "experiments/frequency_plot_qt.h"
#include "ui/button_tooltips_qt.h"
#include "ui/field_grid_qt.h"
#include "ui/message_box_qt.h"
#include "ui/run_pacer_qt.h"
#include "ui/window_registry_qt.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace sonrel {

namespace {
constexpr int kFieldWidth = 130;
} // namespace

Form8::Form8(AppContext& app) : FormBase(app, 8) {
    setWindowTitle(tr("Sonrel6         form8          Мембраны"));
    // The observation angles of the periods start afresh with this window.
    state().Q3.fill(0.0);
    buildControls();
    picture().setFontPixelSize(12);
    clearPicture();
    connect(Command13, &QPushButton::clicked, this, &Form8::aimClicked);
    connect(Command1, &QPushButton::clicked, this, &Form8::startClicked);
    ExperimentWindow w;
    w.form = this;
    w.canvas = &picture();
    w.pacer = pacer;
    w.tableExport = tableExport;
    w.reportBox = Check5;
    w.stepsField = Text10;
    w.beforeStep = [this] { readRunChoices(); };
    w.show = [this](const StepOutcome& since) { showStep(since); };
    attachFrequencyPlot(w, app, run_, CheckFrequencyPlot);
    runner_ = std::make_unique<ExperimentRun>(std::move(w), run_);
    connect(Command2, &QPushButton::clicked, this, [this] { runner_->stop(); });
    connect(Command3, &QPushButton::clicked, this, [this] { runner_->continueClicked(); });
    connect(Command4, &QPushButton::clicked, this, [this] { runner_->stepsClicked(); });
    connect(Command5, &QPushButton::clicked, this, &Form8::clearPicture);
    connect(Command6, &QPushButton::clicked, this, &Form8::savePictureClicked);
    connect(Command14, &QPushButton::clicked, this, &Form8::clearGraph);
    connect(Command16, &QPushButton::clicked, this, &Form8::unload);
    connect(Command7, &QPushButton::clicked, this, &Form8::observedPointsClicked);
    connect(Command12, &QPushButton::clicked, this, &Form8::calculatedPointsClicked);
    connect(Check5, &QCheckBox::toggled, this, &Form8::reportToggled);
    untickWhenReportCloses(Check5);
    applyButtonTooltips(this, 8);
    installExperimentFileActions(*this);
    installFullScreen(Picture1);
    installBodyDragging(*this, Picture1, {{kAnimLeft, kAnimTop, kAnimRight, kAnimBottom}, {}});
}

void Form8::clearPicture() {
    picture().clear();
    drawAnimationGrid(picture(), Check9->isChecked());
}

void Form8::savePictureClicked() {
    tellPictureSaved(this, savePicture(picture(), QStringLiteral("Sonrel"), Text21->text()),
                     kSaveImageError);
}

void Form8::reportToggled() {
    if (Check5->isChecked())
        windows().show(4);
    else
        windows().unload(4);
}

void Form8::showDegrees(QLineEdit* field, double radians) {
    setNumber(field, radians * state().degPerRad);
}

void Form8::buildControls() {
    auto* content = new QWidget;
    auto* root = new QVBoxLayout(content);
    // Picture with the run control beside it; parameters and results below.
    auto* top = new QHBoxLayout;
    Picture1 = new CanvasWidget("Picture1", twips(11805), twips(5130), content);
    tableExport = new PeriodTableExport(Picture1);
    top->addWidget(Picture1, 0, Qt::AlignTop);
    auto* control = new QVBoxLayout;
    control->addWidget(buildControl(content));
    top->addLayout(control);
    top->addStretch(1);
    root->addLayout(top);
    auto* columns = new QHBoxLayout;
    columns->addWidget(buildBodies(content), 0, Qt::AlignTop);
    columns->addWidget(buildMembranes(content), 0, Qt::AlignTop);
    buildResults(content, columns);
    columns->addStretch(1);
    // At 2× the default run (about 53 s of model time) lasts about 27 s.
    pacer = new RunPacer(
        *this, {Command1, Command2, Command3, Command4}, [this] { return Text20->text().toInt(); },
        2);
    control->addWidget(pacer->row());
    control->addStretch(1);
    root->addLayout(columns);
    root->addStretch(1);
    // Fields that only show results.
    makeResultFields(content, {"Text11", "Text13", "Text14", "Text15", "Text16", "Text17",
                               "Text20", "Text24", "Text28", "Text29", "Text38", "Text39",
                               "Text41", "Text42", "Text43", "Text44", "Text45", "Text46",
                               "Text47", "Text48", "Text49", "Text59"});
    setScrollableContent(content);
}

QWidget* Form8::buildBodies(QWidget* parent) {
    auto* box = new QWidget(parent);
    FieldGrid g(box, {"sonrel::Form8", kFieldWidth, &labels_});
    g.rows({
        {"X1n", &Text1, "Text1", "56,6"},
        {"X2n", &Text2, "Text2", "0"},
        {"Y1n", &Text5, "Text5", "50"},
        {"Y2n", &Text6, "Text6", "0"},
        {"VX1", &Text3, "Text3", "6"},
        {"VX2", &Text4, "Text4", "10"},
        {"VY1", &Text7, "Text7", "0"},
        {"VY2", &Text8, "Text8", "0"},
        {"X1=", &Text13, "Text13"},
        {"X2=", &Text14, "Text14"},
        {"Y1=", &Text15, "Text15"},
        {"Y2=", &Text16, "Text16"},
        {QT_TRANSLATE_NOOP("sonrel::Form8", " T, с"), &Text17, "Text17"},
    });
    return box;
}

QWidget* Form8::buildMembranes(QWidget* parent) {
    auto* box = new QWidget(parent);
    FieldGrid g(box, {"sonrel::Form8", kFieldWidth, &labels_});
    g.rows({
        {QT_TRANSLATE_NOOP("sonrel::Form8", "T00, c"), &Text18, "Text18", "2,5"},
        {QT_TRANSLATE_NOOP("sonrel::Form8", "Vs, м/с "), &Text12, "Text12", "20"},
        {"v0=1/T00", &Text11, "Text11"},
        {QT_TRANSLATE_NOOP("sonrel::Form8", "L1, м"), &Text25, "Text25", "40"},
        {QT_TRANSLATE_NOOP("sonrel::Form8", "L2, м"), &Text26, "Text26", "20"},
        {QT_TRANSLATE_NOOP("sonrel::Form8", "А1, град"), &Text22, "Text22", "90"},
        {QT_TRANSLATE_NOOP("sonrel::Form8", "А2, град"), &Text23, "Text23", "90"},
    });
    Command13 = makeButton(box, "Command13", tr("1-Рассчитать угол А2"));
    Check3 = makeCheck(box, "Check3", QStringLiteral("+ A1=A2"), true);
    g.add(Command13, Check3);
    Command1 = makeButton(box, "Command1", tr("2-Начать эксперимент"));
    Check2 = makeCheck(box, "Check2", tr("+ изменять A2"), true);
    g.add(Command1, Check2);
    Check4 = makeCheck(box, "Check4", tr("++ изменять A1=A2"), true);
    g.span(Check4);
    Frame2 = makeFrame(box, "Frame2", QString());
    auto* f2 = new QHBoxLayout(Frame2);
    Option1 = makeOption(Frame2, "Option1", tr("зеркало"), false);
    Option5 = makeOption(Frame2, "Option5", tr("мембрана"), true);
    f2->addWidget(Option1);
    f2->addWidget(Option5);
    g.span(Frame2);
    return box;
}

void Form8::buildResults(QWidget* parent, QBoxLayout* columns) {
    auto* box = new QWidget(parent);
    FieldGrid g(box, {"sonrel::Form8", kFieldWidth, &labels_});
    g.rows({
        {QT_TRANSLATE_NOOP("sonrel::Form8", "номер  принятого периода i"), &Text20, "Text20", "0"},
        {QT_TRANSLATE_NOOP("sonrel::Form8", "номер вылетевшего фронта"), &Text49, "Text49"},
        {QT_TRANSLATE_NOOP("sonrel::Form8", "заданный угол наблюдения i+1"), &Text24, "Text24"},
        {QT_TRANSLATE_NOOP("sonrel::Form8", "реальный угол наблюдения i+1"), &Text59, "Text59"},
        {QT_TRANSLATE_NOOP("sonrel::Form8", "A1 при приеме фронта i+1"), &Text28, "Text28"},
        {QT_TRANSLATE_NOOP("sonrel::Form8", "A2 при излучении фронта i+1"), &Text29, "Text29"},
        {"Tn1(i)", &Text38, "Text38"},
        {"Tk1(i)", &Text39, "Text39"},
    });
    columns->addWidget(box, 0, Qt::AlignTop);
    auto* box2 = new QWidget(parent);
    FieldGrid g2(box2, {"sonrel::Form8", kFieldWidth, &labels_});
    g2.rows({
        {"Qn1(i)", &Text42, "Text42"},
        {"Qk1(i)", &Text43, "Text43"},
        {"Qn2(i)", &Text44, "Text44"},
        {"Qk2(i)", &Text45, "Text45"},
        {"vn(i)", &Text46, "Text46"},
        {"vk(i)", &Text47, "Text47"},
        {"vsr(i)= (vn(i) + vk(i)) / 2", &Text48, "Text48"},
        {"v(i)=1/(Tk1(i) -Tn1(i))", &Text41, "Text41"},
    });
    columns->addWidget(box2, 0, Qt::AlignTop);
}

QWidget* Form8::buildControl(QWidget* parent) {
    auto* box = new QWidget(parent);
    FieldGrid g(box, {"sonrel::Form8", kFieldWidth, &labels_});
    Check1 = makeCheck(box, "Check1", QStringLiteral("Auto"), true);
    Check9 = makeCheck(box, "Check9", tr("+ анимация процесса"), true);
    g.add(Check1, Check9);
    Check5 = makeCheck(box, "Check5", tr("+Создать отчет"), false);
    CheckFrequencyPlot = makeFrequencyPlotCheck(box);
    g.add(Check5, CheckFrequencyPlot);
    Command2 = makeButton(box, "Command2", tr("Остановить"));
    Command3 = makeButton(box, "Command3", tr("Продолжить"));
    g.add(Command2, Command3);
    Command4 = makeButton(box, "Command4", tr("Сделать NC0 шагов"));
    g.span(Command4);
    g.rows({
        {"NC0", &Text10, "Text10", "20"},
        {QT_TRANSLATE_NOOP("sonrel::Form8", " шаг решения, с"), &Text9, "Text9", "1E-3"},
        {QT_TRANSLATE_NOOP("sonrel::Form8", "Масштаб рисунка, м/см"), &Text19, "Text19", "10"},
        {QT_TRANSLATE_NOOP("sonrel::Form8", "Масштаб графика v/v0, ед/см"), &Text27, "Text27",
         "0,25"},
    });
    // The animation's grid stays where the design puts it: only the scale
    // fits, with room for each membrane around its body.
    FitButtonSetup fit;
    fit.picture = {kAnimLeft, kAnimTop, kAnimRight, kAnimBottom};
    fit.pad = [this] {
        return std::max(std::fabs(numberOf(Text25)), std::fabs(numberOf(Text26))) / 2;
    };
    CommandFit = makeFitButton(*this, box, std::move(fit));
    g.span(CommandFit);
    Command6 = makeButton(box, "Command6", tr("Сохранить рисунок с №"));
    Text21 = g.after(Command6, "Text21", "1");
    Command5 = makeButton(box, "Command5", tr("Очистить рисунок"));
    Command14 = makeButton(box, "Command14", tr("Очистить график"));
    g.add(Command5, Command14);
    Command7 = makeButton(box, "Command7", tr("Вывести на график экспериментальные точки"));
    g.span(Command7);
    Command12 = makeButton(box, "Command12", tr("Расчетные точки"));
    Command16 = makeButton(box, "Command16", tr("Закрыть форму"));
    g.add(Command12, Command16);
    return box;
}

FormFactory form8Factory() {
    return {[](AppContext& a) -> FormBase* { return new Form8(a); }};
}

} // namespace sonrel
