#include "calculators/form5.h"
#include "canvas/export_qt.h"
#include "ui/button_tooltips_qt.h"
#include "ui/field_grid_qt.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace sonrel {

namespace {
constexpr int kFrameW = 560, kFrameH = 420; // the graph's visible frame, pixels

} // namespace

Form5::Form5(AppContext& app) : FormBase(app, 5) {
    setWindowTitle(
        tr("Sonrel6  Эксперименты с мессбауэровскими центрифугами и встречными лазерами"));
    state().c = 299790000.0;
    auto* content = new QWidget;
    auto* root = new QHBoxLayout(content);
    // The status line goes under the calculations, where the column has room.
    auto* left = new QVBoxLayout;
    left->addWidget(buildCalculations(content));
    StatusLine = makeStatusLine(content);
    left->addWidget(StatusLine);
    left->addStretch(1);
    root->addLayout(left);
    auto* right = new QVBoxLayout;
    right->addWidget(buildGraph(content), 0, Qt::AlignLeft);
    right->addWidget(buildGraphControls(content), 0, Qt::AlignLeft);
    right->addStretch(1);
    root->addLayout(right);
    root->addStretch(1);
    // Fields that only show results.
    makeResultFields(content, {"Text20"});
    setScrollableContent(content);

    graph().setFontPixelSize(10);
    clearGraph();
    connect(Command16, &QPushButton::clicked, this, &Form5::clearGraph);
    connect(Command1, &QPushButton::clicked, this, &Form5::drawCurve);
    connect(Command3, &QPushButton::clicked, this, &Form5::drawPoint);
    connect(Command2, &QPushButton::clicked, this, &Form5::saveGraph);
    connect(VScroll1, &QScrollBar::valueChanged, this, &Form5::scrollVertical);
    connect(HScroll1, &QScrollBar::valueChanged, this, &Form5::scrollHorizontal);
    connect(Command4, &QPushButton::clicked, this, &Form5::laserFrequencies);
    connect(Command5, &QPushButton::clicked, this, &Form5::searchBeamSpeed);
    connect(Command6, &QPushButton::clicked, this, &Form5::ionEnergy);
    connect(Command7, &QPushButton::clicked, this, &Form5::ionMassClicked);
    connect(Command8, &QPushButton::clicked, this, &Form5::ionSpeedClicked);
    connect(Command9, &QPushButton::clicked, this, &Form5::speedFromShiftClicked);
    connect(Command10, &QPushButton::clicked, this, &Form5::unload);
    applyButtonTooltips(this, 5);
    installExperimentFileActions(*this);
}

QWidget* Form5::buildCalculations(QWidget* parent) {
    auto* box = new QWidget(parent);
    FieldGrid g(box, {"sonrel::Form5"});
    g.row({QT_TRANSLATE_NOOP("sonrel::Form5", "v0, ТГц"), &Text9, "Text9", "546,467", "Label1"});
    Command4 = makeButton(box, "Command4",
                          tr("Рассчитать по (4-1) частоты лазеров для скорости пучка ионов 7Li+="));
    g.span(Command4);
    g.rows({{"V7Li+=", &Text10, "Text10", "0,338", "Label2"},
            {QT_TRANSLATE_NOOP("sonrel::Form5", "vp, ТГц"), &Text11, "Text11", nullptr, "Label3"},
            {QT_TRANSLATE_NOOP("sonrel::Form5", "va, ТГц"), &Text12, "Text12", nullptr, "Label4"}});
    Command5 = makeButton(box, "Command5",
                          tr("Найти по частотам лазеров скорость пучка по формуле (2), "
                             "когда эффективные частоты совпадут"));
    g.span(Command5);
    Check2 = makeCheck(box, "Check2",
                       tr("+ при поиске использовать экспериментальные va и vp задав "
                          "скорости 0,03 , 0,064 или 0,338"),
                       false);
    g.span(Check2);

    Command6 = makeButton(box, "Command6", tr("E, кэВ = m * V^2 / 2 ="));
    Text14 = g.after(Command6, "Text14", "150");
    Command7 = makeButton(box, "Command7", tr("m, кг = 2 * E / V^2 ="));
    Text15 = g.after(Command7, "Text15", "3,344556E-27");
    Command8 = makeButton(box, "Command8", QStringLiteral("V = sqrt( 2 * E / m ) ="));
    Text16 = g.after(Command8, "Text16", "0,012645");

    g.rows({{QT_TRANSLATE_NOOP("sonrel::Form5", "L0, нм / v0, ТГц"), &Text17, "Text17", "656,28",
             "Label5"},
            {QT_TRANSLATE_NOOP("sonrel::Form5", "dL, нм / dv, ТГц"), &Text18, "Text18", "10",
             "Label6"},
            {QT_TRANSLATE_NOOP("sonrel::Form5", "Alfa, град"), &Text19, "Text19", "0", "Label8"}});
    Frame3 = makeFrame(box, "Frame3", QString());
    auto* f3 = new QHBoxLayout(Frame3);
    Option6 = makeOption(Frame3, "Option6", QStringLiteral("L0, dL"), true);
    Option7 = makeOption(Frame3, "Option7", QStringLiteral("v0, dv"), false);
    f3->addWidget(Option6);
    f3->addWidget(Option7);
    Frame4 = makeFrame(box, "Frame4", tr("движется"));
    auto* f4 = new QHBoxLayout(Frame4);
    Option8 = makeOption(Frame4, "Option8", tr("источник"), true);
    Option9 = makeOption(Frame4, "Option9", tr("приемник"), false);
    f4->addWidget(Option8);
    f4->addWidget(Option9);
    g.add(Frame3, Frame4);
    Command9 =
        makeButton(box, "Command9", tr("Рассчитать скорость по (2) при заданном угле наблюдения"));
    g.span(Command9);
    g.row({QT_TRANSLATE_NOOP("sonrel::Form5", "скорость V / Vsv"), &Text20, "Text20", nullptr,
           "Label9"});
    Command11 = makeButton(box, "Command11", tr("Эксперименты Кауфмана"));
    Command10 = makeButton(box, "Command10", tr("Закрыть"));
    g.add(Command11, Command10);
    return box;
}

QWidget* Form5::buildGraph(QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* g = new QGridLayout(box);
    g->setContentsMargins(0, 0, 0, 0);
    g->setSpacing(0);
    Picture2 = new QWidget(box);
    Picture2->setObjectName("Picture2");
    Picture2->setFixedSize(kFrameW, kFrameH);
    Picture4 = new CanvasWidget("Picture4", kFrameW, kFrameH, Picture2);
    VScroll1 = new QScrollBar(Qt::Vertical, box);
    HScroll1 = new QScrollBar(Qt::Horizontal, box);
    VScroll1->setObjectName("VScroll1");
    HScroll1->setObjectName("HScroll1");
    for (QScrollBar* s : {VScroll1, HScroll1}) {
        s->setRange(0, 100);
        s->setSingleStep(1);
        s->setPageStep(10);
    }
    g->addWidget(Picture2, 0, 0);
    g->addWidget(VScroll1, 0, 1);
    g->addWidget(HScroll1, 1, 0);
    return box;
}

QWidget* Form5::buildGraphControls(QWidget* parent) {
    auto* box = new QWidget(parent);
    // The scales' fields on the left, the theory and what moves beside them.
    FieldGrid g(box, {"sonrel::Form5"});
    g.rows(
        {{QT_TRANSLATE_NOOP("sonrel::Form5", "Vmax, м/с"), &Text1, "Text1", "3E2", "Label10"},
         {QT_TRANSLATE_NOOP("sonrel::Form5", "MV, (м/с)/см"), &Text3, "Text3", "1,5E1", "Label11"},
         {"dv/v max", &Text2, "Text2", "1E-12", "Label12"},
         {QT_TRANSLATE_NOOP("sonrel::Form5", "Mdv/v, ед/см"), &Text4, "Text4", "1E-13",
          "Label13"}});

    Frame1 = makeFrame(box, "Frame1", tr("теория"));
    auto* f1 = new QGridLayout(Frame1);
    Option1 = makeOption(Frame1, "Option1", tr("СТО="), true);
    Text5 = makeField(Frame1, "Text5", QStringLiteral("0,5"));
    Label7 = makeLabel(Frame1, "Label7", QStringLiteral(" * b^2"));
    Option2 = makeOption(Frame1, "Option2", tr("Классика"), false);
    Option5 = makeOption(Frame1, "Option5", tr("СТО точно"), false);
    f1->addWidget(Option1, 0, 0);
    f1->addWidget(Text5, 0, 1);
    f1->addWidget(Label7, 0, 2);
    f1->addWidget(Option2, 1, 0);
    f1->addWidget(Option5, 2, 0);
    g.layout()->addWidget(Frame1, 0, 2, 3, 2);

    Frame2 = makeFrame(box, "Frame2", tr("движется"));
    auto* f2 = new QHBoxLayout(Frame2);
    Option3 = makeOption(Frame2, "Option3", tr("поглотитель"), true);
    Option4 = makeOption(Frame2, "Option4", tr("излучатель"), false);
    f2->addWidget(Option3);
    f2->addWidget(Option4);
    g.layout()->addWidget(Frame2, 3, 2, 1, 2);

    Command1 = makeButton(box, "Command1", tr("Построить график dv/v"));
    Command3 = makeButton(box, "Command3", tr("Поставить на график точку"));
    g.add(Command1, Command3, 2);
    g.rows({{QT_TRANSLATE_NOOP("sonrel::Form5", "V, м/с"), &Text7, "Text7", "150", "Label14"},
            {"dv/v", &Text8, "Text8", "1E-13", "Label15"}},
           2);
    const int last = g.nextRow();
    Command2 = makeButton(box, "Command2", tr("Сохранить рисунок №"));
    Text6 = g.after(Command2, "Text6", "20");
    Command16 = makeButton(box, "Command16", tr("Очистить рисунок"));
    g.layout()->addWidget(Command16, last, 2, 1, 2);
    return box;
}

FormFactory form5Factory() {
    return {[](AppContext& a) -> FormBase* { return new Form5(a); }};
}

} // namespace sonrel
