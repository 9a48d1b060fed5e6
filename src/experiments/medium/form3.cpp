#include "experiments/medium/form3.h"
#include "canvas/period_table_export_qt.h"

#include "ui/window_fit_qt.h"

#include "experiments/drag_bodies_qt.h"
#include "experiments/fit_picture_qt.h"
#include "experiments/frequency_plot_qt.h"
#include "experiments/medium/medium_drawing.h"
#include "ui/button_tooltips_qt.h"
#include "ui/field_grid_qt.h"
#include "ui/run_pacer_qt.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace sonrel {

namespace {
// A panel of rows a little closer together than a grid's own spacing.
FieldGrid panel(QWidget* box, int fieldWidth) {
    FieldGrid g(box, {"sonrel::Form3", fieldWidth});
    g.layout()->setVerticalSpacing(2);
    return g;
}

constexpr int kTableWidth = 88; // the fields of the bodies, the medium and the results
constexpr int kRunWidth = 70;   // the fields beside the run's buttons
} // namespace

Form3::Form3(AppContext& app) : FormBase(app, 3), run_(record_) {
    setWindowTitle(tr(
        "Sonrel6     form3     Распространение сигнала в среде переменной оптической плотности "));
    buildControls();
    picture().setFontPixelSize(11);
    drawMediumAnimationGrid(picture());
    wire();
    applyButtonTooltips(this, 3);
    installExperimentFileActions(*this);
    installFullScreen(Picture1);
    installBodyDragging(*this, Picture1, {{-3, 14, 38.4, -4}, {}});
}

void Form3::buildControls() {
    auto* content = new QWidget;
    auto* root = new QVBoxLayout(content);
    // 1 unit of the picture's scale is about a centimetre of the design.
    Picture1 = new CanvasWidget("Picture1", 1160, 504, content);
    tableExport = new PeriodTableExport(Picture1);
    root->addWidget(Picture1, 0, Qt::AlignLeft);
    auto* panels = new QHBoxLayout;
    panels->addWidget(buildBodiesAndMedium(content), 0, Qt::AlignTop);
    panels->addWidget(buildRun(content), 0, Qt::AlignTop);
    panels->addWidget(buildResults(content), 0, Qt::AlignTop);
    panels->addWidget(buildGraph(content), 0, Qt::AlignTop);
    panels->addStretch(1);
    root->addLayout(panels);
    root->addStretch(1);
    // Fields that only show results.
    makeResultFields(content,
                     {"Text11", "Text13", "Text14", "Text15", "Text16", "Text17", "Text20",
                      "Text22", "Text24", "Text25", "Text26", "Text28", "Text29", "Text30",
                      "Text31", "Text36", "Text37", "Text38", "Text39", "Text40", "Text41",
                      "Text42", "Text44", "Text45", "Text46", "Text47", "Text48", "Text51"});
    // The run's buttons stay in view below the scrolled part on small screens.
    setScrollableContent(content, rowOf({Command13, Text18, Command1, Text50, Command4, Text10,
                                         Command2, Command3, Check1, nullptr, Command16}));
}

QWidget* Form3::buildBodiesAndMedium(QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* v = new QVBoxLayout(box);
    v->setContentsMargins(0, 0, 0, 0);
    auto* bodies = new QWidget(box);
    panel(bodies, kTableWidth)
        .rows({{"X1", &Text1, "Text1", "56,6", "Label68", &Label68},
               {"X2", &Text2, "Text2", "0", "Label69", &Label69},
               {"Y1", &Text5, "Text5", "50", "Label58", &Label58},
               {"Y2", &Text6, "Text6", "0", "Label1", &Label1},
               {"VX1", &Text3, "Text3", "6", "Label70", &Label70},
               {"VX2", &Text4, "Text4", "10", "Label71", &Label71},
               {"VY1", &Text7, "Text7", "0", "Label2", &Label2},
               {"VY2", &Text8, "Text8", "0", "Label3", &Label3}},
              2);
    v->addWidget(bodies);

    auto* medium = new QWidget(box);
    panel(medium, kTableWidth)
        .rows({
            {QT_TRANSLATE_NOOP("sonrel::Form3", "количество слоев среды Np"), &Text23, "Text23",
             "100", "Label17", &Label17},
            {QT_TRANSLATE_NOOP("sonrel::Form3", "коэффициент плотности Kp "), &Text33, "Text33",
             "0,00", "Label21", &Label21},
            {QT_TRANSLATE_NOOP("sonrel::Form3", "Vs0, м/с "), &Text12, "Text12", "20", "Label18",
             &Label18},
            {QT_TRANSLATE_NOOP("sonrel::Form3", "кол-во лучей"), &Text32, "Text32", "500",
             "Label22", &Label22},
            {QT_TRANSLATE_NOOP("sonrel::Form3", "угол конуса"), &Text34, "Text34", "160", "Label23",
             &Label23},
            {QT_TRANSLATE_NOOP("sonrel::Form3", "средний угол"), &Text35, "Text35", "90", "Label28",
             &Label28},
        });
    v->addWidget(medium);

    Frame1 = makeFrame(box, "Frame1", tr("изменение плотности по слоям"));
    auto* f1 = new QGridLayout(Frame1);
    Option1 = makeOption(Frame1, "Option1", QStringLiteral("P=1+Kp*N"), false);
    Option2 = makeOption(Frame1, "Option2", QStringLiteral("P=1+Kp*N^2"), false);
    Option3 = makeOption(Frame1, "Option3", QStringLiteral("P=1+Kp*(Np-N)"), true);
    Option4 = makeOption(Frame1, "Option4", QStringLiteral("P=1+Kp*(Np-N)^2"), false);
    f1->addWidget(Option1, 0, 0);
    f1->addWidget(Option2, 0, 1);
    f1->addWidget(Option3, 1, 0);
    f1->addWidget(Option4, 1, 1);
    v->addWidget(Frame1);
    Command8 = makeButton(box, "Command8", tr("Показать изменение плотности"));
    v->addWidget(Command8);
    Check13 = makeCheck(box, "Check13", tr("++ средний луч"), false);
    Check14 = makeCheck(box, "Check14", tr("+ расчет по Q3"), false);
    v->addWidget(Check13);
    v->addWidget(Check14);
    return box;
}

QWidget* Form3::buildRun(QWidget* parent) {
    auto* box = new QWidget(parent);
    FieldGrid g = panel(box, kRunWidth);
    Frame3 = makeFrame(box, "Frame3", tr("эффект Доплера"));
    auto* f3 = new QHBoxLayout(Frame3);
    Option5 = makeOption(Frame3, "Option5", tr("классика"), true);
    Option6 = makeOption(Frame3, "Option6", tr("СТО"), false);
    f3->addWidget(Option5);
    f3->addWidget(Option6);
    g.span(Frame3);
    Check7 = makeCheck(box, "Check7", tr("+ увлечение среды"), false);
    g.span(Check7);
    Check10 =
        makeCheck(box, "Check10", tr("+ учесть задержку видимого сигнала при Vsv, м/с"), false);
    Text49 = g.after(Check10, "Text49", "20");
    Command1 = makeButton(box, "Command1", tr("Начать эксперимент с VXiso, м/с"));
    Text50 = g.after(Command1, "Text50", "0");
    g.row({QT_TRANSLATE_NOOP("sonrel::Form3", "шаг решения уравнений, с"), &Text9, "Text9", "1E-3",
           "Label4", &Label4});
    Command4 = makeButton(box, "Command4", tr("Сделать NC0 шагов при NC0="));
    Text10 = g.after(Command4, "Text10", "20");
    Command2 = makeButton(box, "Command2", tr("Остановить"));
    Command3 = makeButton(box, "Command3", tr("Продолжить"));
    g.add(Command2, Command3);
    Check1 = makeCheck(box, "Check1", QStringLiteral("Auto"), true);
    Check6 = makeCheck(box, "Check6", tr("+ анимация"), true);
    g.add(Check1, Check6);
    Command13 = makeButton(box, "Command13", tr("Найти T00, с"));
    Text18 = g.after(Command13, "Text18", "5");
    Check5 = makeCheck(box, "Check5", tr("+ отчет"), false);
    CheckAllFronts = makeCheck(box, "CheckAllFronts", tr("все фронты"), false);
    g.add(Check5, CheckAllFronts);
    CheckKeepFronts = makeCheck(box, "CheckKeepFronts", tr("фронты после приема"), false);
    CheckFrequencyPlot = makeFrequencyPlotCheck(box);
    g.add(CheckFrequencyPlot, CheckKeepFronts); // below "все фронты"
    g.row({QT_TRANSLATE_NOOP("sonrel::Form3", "Масштаб, м/см"), &Text19, "Text19", "5", "Label14",
           &Label14});
    Command6 = makeButton(box, "Command6", tr("Сохранить рисунок №"));
    Text21 = g.after(Command6, "Text21", "1");
    Check3 = makeCheck(box, "Check3", QStringLiteral(".txt"), false);
    // The animation's grid stays where the design puts it: only the scale fits.
    FitButtonSetup fit;
    fit.picture = {-3, 14, 38.4, -4};
    CommandFit = makeFitButton(*this, box, std::move(fit));
    g.add(Check3, CommandFit);
    Command5 = makeButton(box, "Command5", tr("Очистить рисунок"));
    Command16 = makeButton(box, "Command16", tr("Выход"));
    g.add(Command5, Command16);
    // At 2× the default run (about 50 s of model time) lasts about 25 s.
    pacer = new RunPacer(
        *this, {Command1, Command2, Command3, Command4}, [this] { return Text20->text().toInt(); },
        2);
    g.span(pacer->row());
    return box;
}

QWidget* Form3::buildResults(QWidget* parent) {
    auto* box = new QWidget(parent);
    panel(box, kTableWidth)
        .rows({{"v0", &Text22, "Text22", nullptr, "Label5", &Label5},
               {QT_TRANSLATE_NOOP("sonrel::Form3", "v00, 1/с ="), &Text51, "Text51", nullptr,
                "Label16", &Label16},
               {"QV1", &Text13, "Text13", nullptr, "Label8", &Label8},
               {"QV2", &Text14, "Text14", nullptr, "Label9", &Label9},
               {" VX1iso", &Text11, "Text11", nullptr, "Label24", &Label24},
               {" VX2iso", &Text25, "Text25", nullptr, "Label25", &Label25},
               {QT_TRANSLATE_NOOP("sonrel::Form3", "№ периода"), &Text20, "Text20", nullptr,
                "Label15", &Label15},
               {QT_TRANSLATE_NOOP("sonrel::Form3", "  T, с"), &Text17, "Text17", nullptr, "Label12",
                &Label12},
               {"Tn1", &Text15, "Text15", nullptr, "Label38", &Label38},
               {"Tk1", &Text16, "Text16", nullptr, "Label39", &Label39},
               {"v=1/(Tk1-Tn1)", &Text24, "Text24", nullptr, "Label6", &Label6},
               {"vsr= (vn+vk)/2", &Text44, "Text44", nullptr, "Label7", &Label7},
               {"Qn3", &Text26, "Text26", nullptr, "Label10", &Label10},
               {"Qk3", &Text36, "Text36", nullptr, "Label11", &Label11},
               {"Xk1", &Text28, "Text28", nullptr, "Label13", &Label13},
               {"Yk1", &Text30, "Text30", nullptr, "Label34", &Label34},
               {"Xk2", &Text29, "Text29", nullptr, "Label19", &Label19},
               {"Yk2", &Text31, "Text31", nullptr, "Label35", &Label35},
               {"Qn1", &Text39, "Text39", nullptr, "Label27", &Label27},
               {"Qk1", &Text40, "Text40", nullptr, "Label20", &Label20},
               {"Qn2", &Text41, "Text41", nullptr, "Label29", &Label29},
               {"Qk2", &Text42, "Text42", nullptr, "Label26", &Label26},
               {"Vs1n", &Text45, "Text45", nullptr, "Label32", &Label32},
               {"Vs1k", &Text46, "Text46", nullptr, "Label33", &Label33},
               {"Vs2n", &Text47, "Text47", nullptr, "Label36", &Label36},
               {"Vs2k", &Text48, "Text48", nullptr, "Label37", &Label37},
               {"vn", &Text37, "Text37", nullptr, "Label30", &Label30},
               {"vk", &Text38, "Text38", nullptr, "Label31", &Label31}},
              2);
    return box;
}

QWidget* Form3::buildGraph(QWidget* parent) {
    auto* box = new QWidget(parent);
    FieldGrid g = panel(box, kRunWidth);
    Command14 = makeButton(box, "Command14", tr("Очистить график по углам  с М(v/v0), ед/см"));
    Text27 = g.after(Command14, "Text27", "0,2");
    Check11 = makeCheck(box, "Check11", tr("график по T с MT, с/см"), false);
    Text43 = g.after(Check11, "Text43", "5");
    Frame4 = makeFrame(box, "Frame4", tr("графики строить по"));
    auto* f4 = new QHBoxLayout(Frame4);
    Option11 = makeOption(Frame4, "Option11", QStringLiteral("Q3"), true);
    Option12 = makeOption(Frame4, "Option12", QStringLiteral("Q1 Q2"), false);
    Option13 = makeOption(Frame4, "Option13", QStringLiteral("Q30"), false);
    for (QRadioButton* o : {Option11, Option12, Option13})
        f4->addWidget(o);
    g.span(Frame4);
    Check8 = makeCheck(box, "Check8", tr("расчет для графиков по средним"), false);
    g.span(Check8);
    Check9 = makeCheck(box, "Check9", tr("расчет для графиков при Vs=Vs0"), false);
    g.span(Check9);
    Check2 = makeCheck(box, "Check2", QStringLiteral("+T0=0"), false);
    Check15 = makeCheck(box, "Check15", QStringLiteral("+ kTiso= 1"), false);
    g.add(Check2, Check15);
    Command7 = makeButton(box, "Command7", tr("Экспериментальные точки"));
    Command18 = makeButton(box, "Command18", tr("Расчетные"));
    g.add(Command7, Command18);
    return box;
}

void Form3::wire() {
    connect(Command1, &QPushButton::clicked, this, &Form3::startClicked);
    ExperimentWindow w;
    w.form = this;
    w.canvas = &picture();
    w.pacer = pacer;
    w.tableExport = tableExport;
    w.reportBox = Check5;
    w.stepsField = Text10;
    w.beforeStep = [this] { stepper_.options = options(); };
    w.show = [this](const StepOutcome& since) { showStep(since); };
    attachFrequencyPlot(w, app(), stepper_, CheckFrequencyPlot);
    runner_ = std::make_unique<ExperimentRun>(std::move(w), stepper_);
    // The stop ends a run and a T00 search alike.
    connect(Command2, &QPushButton::clicked, this, [this] { runner_->stop(); });
    connect(Command3, &QPushButton::clicked, this, [this] { continueClicked(false); });
    connect(Command4, &QPushButton::clicked, this, [this] { continueClicked(true); });
    connect(Command13, &QPushButton::clicked, this, &Form3::searchClicked);
    connect(Command5, &QPushButton::clicked, this, &Form3::clearPictureClicked);
    connect(Command14, &QPushButton::clicked, this, &Form3::clearGraphClicked);
    connect(Command8, &QPushButton::clicked, this, &Form3::densityProfileClicked);
    connect(Command7, &QPushButton::clicked, this, &Form3::experimentalPointsClicked);
    connect(Command18, &QPushButton::clicked, this, &Form3::calculatedPointsClicked);
    connect(Command6, &QPushButton::clicked, this, &Form3::saveClicked);
    connect(Picture1, &CanvasWidget::mousePressed, this,
            [this](double x, double y, int) { pictureClicked(x, y); });
    connect(Check5, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            windows().show(4);
        else
            windows().unload(4);
    });
    untickWhenReportCloses(Check5);
    connect(Command16, &QPushButton::clicked, this, [this] {
        state().stopFlag = 1;
        windows().unloadAll();
    });
}

FormFactory form3Factory() {
    return {[](AppContext& a) -> FormBase* { return new Form3(a); }};
}

} // namespace sonrel
