#include "experiments/medium/form3.h"
#include "canvas/period_table_export_qt.h"

#include "ui/window_fit_qt.h"

#include "experiments/medium/medium_drawing.h"
#include "ui/button_tooltips_qt.h"
#include "ui/run_pacer_qt.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace sonrel {

namespace {
// A label and its field side by side in a grid row.
struct Pair {
    QLabel** label;
    const char* labelName;
    const char* caption;
    QLineEdit** field;
    const char* fieldName;
    const char* value; // null: a result field, empty until the run writes it
};

void addPairs(QWidget* box, QGridLayout* g, const Pair* pairs, int count, int columns) {
    for (int i = 0; i < count; ++i) {
        const Pair& p = pairs[i];
        // Worded captions are marked for this window's context; symbols such
        // as X1 or Qn3 have no entry and stay as they are.
        *p.label =
            makeLabel(box, p.labelName, QCoreApplication::translate("sonrel::Form3", p.caption));
        *p.field = makeField(box, p.fieldName, p.value ? QString::fromUtf8(p.value) : QString());
        (*p.field)->setFixedWidth(88);
        const int row = i / columns, col = (i % columns) * 2;
        g->addWidget(*p.label, row, col);
        g->addWidget(*p.field, row, col + 1);
    }
}

QGridLayout* grid(QWidget* box) {
    auto* g = new QGridLayout(box);
    g->setContentsMargins(0, 0, 0, 0);
    g->setVerticalSpacing(2);
    return g;
}
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
    const Pair bodyPairs[] = {
        {&Label68, "Label68", "X1", &Text1, "Text1", "56,6"},
        {&Label69, "Label69", "X2", &Text2, "Text2", "0"},
        {&Label58, "Label58", "Y1", &Text5, "Text5", "50"},
        {&Label1, "Label1", "Y2", &Text6, "Text6", "0"},
        {&Label70, "Label70", "VX1", &Text3, "Text3", "6"},
        {&Label71, "Label71", "VX2", &Text4, "Text4", "10"},
        {&Label2, "Label2", "VY1", &Text7, "Text7", "0"},
        {&Label3, "Label3", "VY2", &Text8, "Text8", "0"},
    };
    addPairs(bodies, grid(bodies), bodyPairs, 8, 2);
    v->addWidget(bodies);

    auto* medium = new QWidget(box);
    auto* g = grid(medium);
    const Pair mediumPairs[] = {
        {&Label17, "Label17", QT_TRANSLATE_NOOP("sonrel::Form3", "количество слоев среды Np"),
         &Text23, "Text23", "100"},
        {&Label21, "Label21", QT_TRANSLATE_NOOP("sonrel::Form3", "коэффициент плотности Kp "),
         &Text33, "Text33", "0,00"},
        {&Label18, "Label18", QT_TRANSLATE_NOOP("sonrel::Form3", "Vs0, м/с "), &Text12, "Text12",
         "20"},
        {&Label22, "Label22", QT_TRANSLATE_NOOP("sonrel::Form3", "кол-во лучей"), &Text32, "Text32",
         "500"},
        {&Label23, "Label23", QT_TRANSLATE_NOOP("sonrel::Form3", "угол конуса"), &Text34, "Text34",
         "160"},
        {&Label28, "Label28", QT_TRANSLATE_NOOP("sonrel::Form3", "средний угол"), &Text35, "Text35",
         "90"},
    };
    addPairs(medium, g, mediumPairs, 6, 1);
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
    auto* g = grid(box);
    int r = 0;
    Frame3 = makeFrame(box, "Frame3", tr("эффект Доплера"));
    auto* f3 = new QHBoxLayout(Frame3);
    Option5 = makeOption(Frame3, "Option5", tr("классика"), true);
    Option6 = makeOption(Frame3, "Option6", tr("СТО"), false);
    f3->addWidget(Option5);
    f3->addWidget(Option6);
    g->addWidget(Frame3, r++, 0, 1, 2);
    Check7 = makeCheck(box, "Check7", tr("+ увлечение среды"), false);
    g->addWidget(Check7, r++, 0, 1, 2);
    Check10 =
        makeCheck(box, "Check10", tr("+ учесть задержку видимого сигнала при Vsv, м/с"), false);
    Text49 = makeField(box, "Text49", QStringLiteral("20"));
    g->addWidget(Check10, r, 0);
    g->addWidget(Text49, r++, 1);
    Command1 = makeButton(box, "Command1", tr("Начать эксперимент с VXiso, м/с"));
    Text50 = makeField(box, "Text50", QStringLiteral("0"));
    g->addWidget(Command1, r, 0);
    g->addWidget(Text50, r++, 1);
    Label4 = makeLabel(box, "Label4", tr("шаг решения уравнений, с"));
    Text9 = makeField(box, "Text9", QStringLiteral("1E-3"));
    g->addWidget(Label4, r, 0);
    g->addWidget(Text9, r++, 1);
    Command4 = makeButton(box, "Command4", tr("Сделать NC0 шагов при NC0="));
    Text10 = makeField(box, "Text10", QStringLiteral("20"));
    g->addWidget(Command4, r, 0);
    g->addWidget(Text10, r++, 1);
    Command2 = makeButton(box, "Command2", tr("Остановить"));
    Command3 = makeButton(box, "Command3", tr("Продолжить"));
    g->addWidget(Command2, r, 0);
    g->addWidget(Command3, r++, 1);
    Check1 = makeCheck(box, "Check1", QStringLiteral("Auto"), true);
    Check6 = makeCheck(box, "Check6", tr("+ анимация"), true);
    g->addWidget(Check1, r, 0);
    g->addWidget(Check6, r++, 1);
    Command13 = makeButton(box, "Command13", tr("Найти T00, с"));
    Text18 = makeField(box, "Text18", QStringLiteral("5"));
    g->addWidget(Command13, r, 0);
    g->addWidget(Text18, r++, 1);
    Check5 = makeCheck(box, "Check5", tr("+ отчет"), false);
    CheckAllFronts = makeCheck(box, "CheckAllFronts", tr("все фронты"), false);
    g->addWidget(Check5, r, 0);
    g->addWidget(CheckAllFronts, r++, 1);
    Label14 = makeLabel(box, "Label14", tr("Масштаб, м/см"));
    Text19 = makeField(box, "Text19", QStringLiteral("5"));
    g->addWidget(Label14, r, 0);
    g->addWidget(Text19, r++, 1);
    Command6 = makeButton(box, "Command6", tr("Сохранить рисунок №"));
    Text21 = makeField(box, "Text21", QStringLiteral("1"));
    g->addWidget(Command6, r, 0);
    g->addWidget(Text21, r++, 1);
    Check3 = makeCheck(box, "Check3", QStringLiteral(".txt"), false);
    g->addWidget(Check3, r++, 0);
    Command5 = makeButton(box, "Command5", tr("Очистить рисунок"));
    Command16 = makeButton(box, "Command16", tr("Выход"));
    g->addWidget(Command5, r, 0);
    g->addWidget(Command16, r++, 1);
    // At 2× the default run (about 50 s of model time) lasts about 25 s.
    pacer = new RunPacer(
        *this, {Command1, Command2, Command3, Command4}, [this] { return Text20->text().toInt(); },
        2);
    g->addWidget(pacer->row(), r++, 0, 1, 2);
    for (QLineEdit* f : {Text49, Text50, Text9, Text10, Text18, Text19, Text21})
        f->setFixedWidth(70);
    return box;
}

QWidget* Form3::buildResults(QWidget* parent) {
    auto* box = new QWidget(parent);
    const Pair results[] = {
        {&Label5, "Label5", "v0", &Text22, "Text22", nullptr},
        {&Label16, "Label16", QT_TRANSLATE_NOOP("sonrel::Form3", "v00, 1/с ="), &Text51, "Text51",
         nullptr},
        {&Label8, "Label8", "QV1", &Text13, "Text13", nullptr},
        {&Label9, "Label9", "QV2", &Text14, "Text14", nullptr},
        {&Label24, "Label24", " VX1iso", &Text11, "Text11", nullptr},
        {&Label25, "Label25", " VX2iso", &Text25, "Text25", nullptr},
        {&Label15, "Label15", QT_TRANSLATE_NOOP("sonrel::Form3", "№ периода"), &Text20, "Text20",
         nullptr},
        {&Label12, "Label12", QT_TRANSLATE_NOOP("sonrel::Form3", "  T, с"), &Text17, "Text17",
         nullptr},
        {&Label38, "Label38", "Tn1", &Text15, "Text15", nullptr},
        {&Label39, "Label39", "Tk1", &Text16, "Text16", nullptr},
        {&Label6, "Label6", "v=1/(Tk1-Tn1)", &Text24, "Text24", nullptr},
        {&Label7, "Label7", "vsr= (vn+vk)/2", &Text44, "Text44", nullptr},
        {&Label10, "Label10", "Qn3", &Text26, "Text26", nullptr},
        {&Label11, "Label11", "Qk3", &Text36, "Text36", nullptr},
        {&Label13, "Label13", "Xk1", &Text28, "Text28", nullptr},
        {&Label34, "Label34", "Yk1", &Text30, "Text30", nullptr},
        {&Label19, "Label19", "Xk2", &Text29, "Text29", nullptr},
        {&Label35, "Label35", "Yk2", &Text31, "Text31", nullptr},
        {&Label27, "Label27", "Qn1", &Text39, "Text39", nullptr},
        {&Label20, "Label20", "Qk1", &Text40, "Text40", nullptr},
        {&Label29, "Label29", "Qn2", &Text41, "Text41", nullptr},
        {&Label26, "Label26", "Qk2", &Text42, "Text42", nullptr},
        {&Label32, "Label32", "Vs1n", &Text45, "Text45", nullptr},
        {&Label33, "Label33", "Vs1k", &Text46, "Text46", nullptr},
        {&Label36, "Label36", "Vs2n", &Text47, "Text47", nullptr},
        {&Label37, "Label37", "Vs2k", &Text48, "Text48", nullptr},
        {&Label30, "Label30", "vn", &Text37, "Text37", nullptr},
        {&Label31, "Label31", "vk", &Text38, "Text38", nullptr},
    };
    addPairs(box, grid(box), results, 28, 2);
    return box;
}

QWidget* Form3::buildGraph(QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* g = grid(box);
    int r = 0;
    Command14 = makeButton(box, "Command14", tr("Очистить график по углам  с М(v/v0), ед/см"));
    Text27 = makeField(box, "Text27", QStringLiteral("0,2"));
    g->addWidget(Command14, r, 0);
    g->addWidget(Text27, r++, 1);
    Check11 = makeCheck(box, "Check11", tr("график по T с MT, с/см"), false);
    Text43 = makeField(box, "Text43", QStringLiteral("5"));
    g->addWidget(Check11, r, 0);
    g->addWidget(Text43, r++, 1);
    Frame4 = makeFrame(box, "Frame4", tr("графики строить по"));
    auto* f4 = new QHBoxLayout(Frame4);
    Option11 = makeOption(Frame4, "Option11", QStringLiteral("Q3"), true);
    Option12 = makeOption(Frame4, "Option12", QStringLiteral("Q1 Q2"), false);
    Option13 = makeOption(Frame4, "Option13", QStringLiteral("Q30"), false);
    for (QRadioButton* o : {Option11, Option12, Option13})
        f4->addWidget(o);
    g->addWidget(Frame4, r++, 0, 1, 2);
    Check8 = makeCheck(box, "Check8", tr("расчет для графиков по средним"), false);
    Check9 = makeCheck(box, "Check9", tr("расчет для графиков при Vs=Vs0"), false);
    Check2 = makeCheck(box, "Check2", QStringLiteral("+T0=0"), false);
    Check15 = makeCheck(box, "Check15", QStringLiteral("+ kTiso= 1"), false);
    g->addWidget(Check8, r++, 0, 1, 2);
    g->addWidget(Check9, r++, 0, 1, 2);
    g->addWidget(Check2, r, 0);
    g->addWidget(Check15, r++, 1);
    Command7 = makeButton(box, "Command7", tr("Экспериментальные точки"));
    Command18 = makeButton(box, "Command18", tr("Расчетные"));
    g->addWidget(Command7, r, 0);
    g->addWidget(Command18, r++, 1);
    for (QLineEdit* f : {Text27, Text43})
        f->setFixedWidth(70);
    return box;
}

void Form3::wire() {
    connect(Command1, &QPushButton::clicked, this, &Form3::startClicked);
    connect(Command2, &QPushButton::clicked, this, [this] { state().stopFlag = 1; });
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
