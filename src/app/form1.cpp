#include "app/form1.h"

#include "canvas/export_qt.h"
#include "canvas/period_table_export_qt.h"

#include "app/form1_classic.h"
#include "app/form1_theory.h"
#include "canvas/form4.h"
#include "canvas/picture_file_qt.h"
#include "experiments/classic/animation.h"
#include "experiments/drag_bodies_qt.h"
#include "experiments/fit_picture_qt.h"
#include "experiments/frequency_plot_qt.h"
#include "ui/button_tooltips_qt.h"
#include "ui/field_grid_qt.h"
#include "ui/message_box_qt.h"
#include "ui/run_pacer_qt.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

namespace sonrel {

namespace {
// The width of the bodies' fields; the theory's numbers of a dozen digits need no more room.
int fieldWidth() {
    return twips(855) + 20;
}
} // namespace

Form1::Form1(AppContext& app) : FormBase(app, 1) {
    setWindowTitle(tr("Sonrel6         form1       Распространение фронтов волн с "
                      "периодом Т00 и расчеты по разным формулам"));
    state().setPi(3.14159265358979);
    state().million = 1000000;
    state().c = 2.9979e8;
    state().e = 1e-19 * 1.60218;
    state().Q3.fill(0.0);
    buildControls();
    picture().setFontPixelSize(12);
    clearPicture();
    wireNavigation();
    connect(Command5, &QPushButton::clicked, this, &Form1::clearPicture);
    connect(Command6, &QPushButton::clicked, this, &Form1::savePictureClicked);
    connect(Check5, &QCheckBox::toggled, this, &Form1::reportToggled);
    untickWhenReportCloses(Check5);
    classic_ = std::make_unique<ClassicController>(*this);
    theory_ = std::make_unique<TheoryController>(*this);
    app.theorySelection = [this] { return theory_->selection(); };
    applyButtonTooltips(this, 1);
    installExperimentFileActions(*this);
    installFullScreen(Picture1);
    // The typed places are those at T = T00, where the run draws the bodies
    // with the scale Text19 on the picture moved by "Вписать опыт".
    installBodyDragging(*this, Picture1, {{}, [this] {
                                              const SharedState& s = state();
                                              return PictureRect{kAnimLeft + s.pictureShiftX,
                                                                 kAnimTop + s.pictureShiftY,
                                                                 kAnimRight + s.pictureShiftX,
                                                                 kAnimBottom + s.pictureShiftY};
                                          }});
}

Form1::~Form1() {
    app().theorySelection = nullptr;
}

const ClassicRun& Form1::classicRun() const {
    return classic_->run();
}

void Form1::closeEvent(QCloseEvent* e) {
    FormBase::closeEvent(e);
    windows().unloadAll();
}

void Form1::clearPicture() {
    picture().clear();
    drawAnimationGrid(picture(), Check9->isChecked(), state().pictureShiftX, state().pictureShiftY);
}

void Form1::savePictureClicked() {
    tellPictureSaved(this, savePicture(picture(), QStringLiteral("Sonrel"), Text21->text()),
                     kSaveImageError);
}

void Form1::reportToggled() {
    if (Check5->isChecked())
        windows().show(4);
    else
        windows().unload(4);
}

void Form1::buildControls() {
    // Picture and the experiment's fields on the left, the theory panel on the right.
    auto* content = new QWidget;
    auto* root = new QVBoxLayout(content);
    root->setContentsMargins(4, 4, 2, 0); // narrow edges, so the window fits a 1366-pixel screen
    auto* top = new QHBoxLayout;
    top->setSpacing(4);
    auto* left = new QVBoxLayout;
    Picture1 = new CanvasWidget("Picture1", twips(11805), twips(5130), content);
    tableExport = new PeriodTableExport(Picture1);
    left->addWidget(Picture1, 0, Qt::AlignLeft);
    auto* fields = new QHBoxLayout;
    fields->addWidget(buildBodies(content), 0, Qt::AlignTop);
    fields->addWidget(buildSignal(content), 0, Qt::AlignTop);
    fields->addWidget(buildControl(content), 0, Qt::AlignTop);
    fields->addStretch(1);
    left->addLayout(fields);
    left->addStretch(1);
    top->addLayout(left);
    top->addWidget(buildTheory(content), 0, Qt::AlignTop);
    root->addLayout(top);
    root->addStretch(1);
    // The buttons to the other windows stay in view below the scrolled part.
    // Fields that only show results.
    makeResultFields(content,
                     {"Text11", "Text13", "Text14", "Text15", "Text16", "Text17", "Text23"});
    setScrollableContent(content, buildNavigation(this));
}

QWidget* Form1::buildBodies(QWidget* parent) {
    auto* box = new QWidget(parent);
    FieldGrid(box, {"sonrel::Form1", fieldWidth()})
        .rows({{"X1n", &Text1, "Text1", "86,60254", "Label68", &Label68},
               {"X2n", &Text2, "Text2", "50", "Label69", &Label69},
               {"Y1n", &Text5, "Text5", "50", "Label58", &Label58},
               {"Y2n", &Text6, "Text6", "0", "Label1", &Label1},
               {"VX1", &Text3, "Text3", "6", "Label70", &Label70},
               {"VX2", &Text4, "Text4", "10", "Label71", &Label71},
               {"VY1", &Text7, "Text7", "0", "Label2", &Label2},
               {"VY2", &Text8, "Text8", "0", "Label3", &Label3},
               {"X1=", &Text13, "Text13", nullptr, "Label8", &Label8},
               {"X2=", &Text14, "Text14", nullptr, "Label9", &Label9},
               {"Y1=", &Text15, "Text15", nullptr, "Label10", &Label10},
               {"Y2=", &Text16, "Text16", nullptr, "Label11", &Label11}});
    return box;
}

QWidget* Form1::buildSignal(QWidget* parent) {
    auto* box = new QWidget(parent);
    FieldGrid g(box, {"sonrel::Form1"});
    g.rows({{QT_TRANSLATE_NOOP("sonrel::Form1", "скорость сигнала Vs, м/с "), &Text12, "Text12",
             "20", "Label18", &Label18},
            {" R=", &Text11, "Text11", nullptr, "Label7", &Label7}});
    Command13 = makeButton(box, "Command13", tr("1-Задать T00, с"));
    Text18 = g.after(Command13, "Text18", "5");
    g.rows({{QT_TRANSLATE_NOOP("sonrel::Form1", " v0, 1/c="), &Text24, "Text24", nullptr, "Label6",
             &Label6},
            {QT_TRANSLATE_NOOP("sonrel::Form1", "T, с="), &Text17, "Text17", nullptr, "Label12",
             &Label12},
            {QT_TRANSLATE_NOOP("sonrel::Form1", " шаг решения, с"), &Text9, "Text9", "1E-3",
             "Label4", &Label4}});
    return box;
}

QWidget* Form1::buildControl(QWidget* parent) {
    auto* box = new QWidget(parent);
    FieldGrid g(box, {"sonrel::Form1"});
    Command1 = makeButton(box, "Command1", tr("2-Начать эксперимент"));
    Check1 = makeCheck(box, "Check1", QStringLiteral("Auto"), true);
    CheckAllFronts = makeCheck(box, "CheckAllFronts", tr("все фронты"), false);
    auto* modes = new QHBoxLayout;
    modes->addWidget(Check1);
    modes->addWidget(CheckAllFronts);
    g.layout()->addLayout(modes, g.nextRow(), 1);
    g.add(Command1, nullptr); // beside the modes in the same row
    CheckKeepFronts = makeCheck(box, "CheckKeepFronts", tr("фронты после приема"), false);
    CheckFrequencyPlot = makeFrequencyPlotCheck(box);
    g.add(CheckFrequencyPlot, CheckKeepFronts); // below "все фронты"
    Command2 = makeButton(box, "Command2", tr("Остановить"));
    Command3 = makeButton(box, "Command3", tr("Продолжить"));
    g.add(Command2, Command3);
    Command4 = makeButton(box, "Command4", tr("NC0 шагов="));
    Text10 = g.after(Command4, "Text10", "20");
    Check9 = makeCheck(box, "Check9", tr("+ текст"), true);
    Check5 = makeCheck(box, "Check5", tr("+ отчет"), false);
    g.add(Check9, Check5);
    g.row({QT_TRANSLATE_NOOP("sonrel::Form1", "Масштаб рисунка, м/см"), &Text19, "Text19", "5",
           "Label14", &Label14});
    Command5 = makeButton(box, "Command5", tr("Очистить рисунок"));
    CommandFit = makeFitButton(*this, box, fitSetup());
    g.add(Command5, CommandFit);
    Command6 = makeButton(box, "Command6", tr("Сохранить в файл рисунок с №"));
    Text21 = g.after(Command6, "Text21", "1");
    // At 5× the default run (about 123 s of model time) lasts about 25 s.
    pacer = new RunPacer(
        *this, {Command1, Command2, Command3, Command4},
        [this] { return std::max(0, state().frontIndex - 1); }, 3);
    g.span(pacer->row());
    return box;
}

FitButtonSetup Form1::fitSetup() {
    FitButtonSetup f;
    f.picture = {kAnimLeft, kAnimTop, kAnimRight, kAnimBottom};
    f.originFixed = false;
    f.adjust = [this](FitMotion& m) {
        // The typed places are those at T = T00: the run starts one period earlier.
        m.x1 -= m.vx1 * m.T00;
        m.y1 -= m.vy1 * m.T00;
        m.x2 -= m.vx2 * m.T00;
        m.y2 -= m.vy2 * m.T00;
        m.oneFrontAtATime = !CheckAllFronts->isChecked();
    };
    f.applied = [this](const PictureFit& fit) {
        // The picture is drawn anew in its new place; a paused run goes on in it.
        state().pictureScale = fit.scale;
        state().pictureShiftX = fit.shiftX;
        state().pictureShiftY = fit.shiftY;
        clearPicture();
    };
    return f;
}

QWidget* Form1::buildTheory(QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* outer = new QVBoxLayout(box);
    outer->setContentsMargins(0, 0, 0, 0);

    Frame1 = makeFrame(box, "Frame1",
                       tr("теоретические расчеты по выбранной формуле для частоты v "
                          "или длины волны L"));
    auto* f1 = new QGridLayout(Frame1);
    Option1 = makeOption(Frame1, "Option1", tr("СТО"), false);
    Option2 = makeOption(Frame1, "Option2", tr("Вельт (3)"), false);
    Option3 = makeOption(Frame1, "Option3", tr("Лоренц (2)"), true);
    Option4 = makeOption(Frame1, "Option4", tr("КТО (4-4) v=v0*( 1-V12/Vs)"), false);
    Check2 = makeCheck(Frame1, "Check2", QStringLiteral("(4-2) v=v0*G/(1-V12'/Vs)"), false);
    Check3 = makeCheck(Frame1, "Check3", QStringLiteral("(4-1) v=v0*(1-V12'/Vs)/G"), false);
    Check6 = makeCheck(Frame1, "Check6", QStringLiteral("(4-3) v=v0*G/(1+V12'/Vs)"), false);
    Check8 = makeCheck(Frame1, "Check8", QStringLiteral("v(4-5)=v(2)*G2/G1"), false);
    Frame4 = makeFrame(Frame1, "Frame4", tr("Вельт"));
    auto* f4 = new QHBoxLayout(Frame4);
    Option11 = makeOption(Frame4, "Option11", QStringLiteral("3-1"), false);
    Option12 = makeOption(Frame4, "Option12", QStringLiteral("3-2"), true);
    f4->addWidget(Option11);
    f4->addWidget(Option12);
    Check13 = makeCheck(Frame1, "Check13", tr("для (3) точный расчет поправок dv1 и dv2"), true);
    Check7 = makeCheck(Frame1, "Check7", QStringLiteral("L/L0"), false);
    Check11 = makeCheck(Frame1, "Check11", tr("учесть запаздывание по координатам"), true);
    f1->setVerticalSpacing(2);
    f1->addWidget(Option1, 0, 0);
    f1->addWidget(Check3, 0, 1);
    f1->addWidget(Check2, 1, 1);
    f1->addWidget(Check6, 2, 1);
    f1->addWidget(Check8, 3, 1);
    f1->addWidget(Option2, 1, 0);
    f1->addWidget(Frame4, 2, 0, 2, 1);
    f1->addWidget(Option3, 4, 0);
    f1->addWidget(Option4, 4, 1);
    f1->addWidget(Check13, 5, 0, 1, 2);
    f1->addWidget(Check7, 6, 0);
    f1->addWidget(Check11, 6, 1);
    outer->addWidget(Frame1, 0, Qt::AlignTop);

    auto* right = new QWidget(box);
    FieldGrid g(right, {"sonrel::Form1", fieldWidth()});
    g.layout()->setHorizontalSpacing(4);
    g.rows({{"v0(L0)", &Text29, "Text29", "656,28", "Label16", &Label16},
            {"dv (dL)", &Text23, "Text23", "0", "Label17", &Label17},
            {"X, V/Vs", &Text25, "Text25", "0", "Label13", &Label13},
            {"Y, v/v0", &Text26, "Text26", "1", "Label19", &Label19}},
           2);
    g.row({QT_TRANSLATE_NOOP("sonrel::Form1", "Масштаб графика v/v0, ед/см"), &Text27, "Text27",
           "0,2", "Label20", &Label20},
          3);
    Command18 =
        makeButton(right, "Command18", tr("Расчет по координатам и скоростям с нахождением Q"));
    g.span(Command18, 4);
    Command17 = makeButton(right, "Command17", tr("Расчет по V1, V2 или V12 = X при заданном Q="));
    Text28 = g.after(Command17, "Text28", "0", 3);
    Command12 = makeButton(right, "Command12", tr("Построить график в функции от"));
    Frame3 = makeFrame(right, "Frame3", QString());
    auto* f3 = new QHBoxLayout(Frame3);
    f3->setContentsMargins(2, 2, 2, 2);
    f3->setSpacing(4);
    Option6 = makeOption(Frame3, "Option6", QStringLiteral("VX1"), true);
    Option7 = makeOption(Frame3, "Option7", QStringLiteral("VX2"), false);
    Option8 = makeOption(Frame3, "Option8", tr("Q при заданных VX1 и VX2"), false);
    f3->addWidget(Option6);
    f3->addWidget(Option7);
    f3->addWidget(Option8);
    g.add(Command12, Frame3, 2);
    Command7 = makeButton(right, "Command7", tr("На график экспериментальные точки"));
    Command15 = makeButton(right, "Command15", tr("Поставить точку по X Y"));
    g.add(Command7, Command15, 2);
    Command14 = makeButton(right, "Command14", tr("Очистить график"));
    g.span(Command14);
    outer->addWidget(right, 1, Qt::AlignTop);
    return box;
}

QWidget* Form1::buildNavigation(QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* h = new QHBoxLayout(box);
    h->setContentsMargins(0, 0, 0, 0);
    Command20 = makeButton(box, "Command20", tr("СТО"));
    Command11 = makeButton(box, "Command11", tr("АСО -> ИСО"));
    Command10 = makeButton(box, "Command10", tr("АСО или ИСО"));
    Command19 = makeButton(box, "Command19", tr("Мембраны"));
    Command9 = makeButton(box, "Command9", tr("Калькулятор"));
    Command8 = makeButton(box, "Command8", QStringLiteral("About"));
    Command16 = makeButton(box, "Command16", tr("Выход"));
    for (QPushButton* b :
         {Command20, Command11, Command10, Command19, Command9, Command8, Command16})
        h->addWidget(b);
    h->addStretch(1);
    return box;
}

void Form1::wireNavigation() {
    const std::pair<QPushButton*, int> nav[] = {{Command20, 10}, {Command11, 6}, {Command10, 9},
                                                {Command19, 8},  {Command9, 5},  {Command8, 2}};
    for (const auto& [button, n] : nav) {
        // A window not built into this program yet keeps its button disabled.
        button->setEnabled(windows().available(n));
        connect(button, &QPushButton::clicked, this, [this, n = n] { windows().show(n); });
    }
    connect(Command16, &QPushButton::clicked, this, [this] { windows().unloadAll(); });
}

FormFactory form1Factory() {
    return {[](AppContext& a) -> FormBase* { return new Form1(a); }};
}

} // namespace sonrel
