#include "calculators/form6.h"

#include "canvas/export_qt.h"

#include "base/checked_math.h"
#include "calculators/frame_drawing.h"
#include "canvas/picture_file_qt.h"
#include "ui/button_tooltips_qt.h"
#include "ui/field_grid_qt.h"
#include "ui/message_box_qt.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <initializer_list>

namespace sonrel {

namespace {

// The width of the window's fields, pixels.
constexpr int kFieldWidth = 78;

constexpr int kTruncDigits = 6;

void showTrunc(QLineEdit* field, double x) {
    setTruncated(field, x, kTruncDigits);
}

} // namespace

Form6::Form6(AppContext& app) : FormBase(app, 6) {
    setWindowTitle(QStringLiteral("Sonrel6    form6      ASO -> ISO"));
    // This window works with the shorter π; every window uses it from now on.
    state().setPi(3.141592654);
    state().million = 1000000;
    buildControls();
    picture().setFontPixelSize(12);
    clearPicture();
    connect(Command1, &QPushButton::clicked, this, &Form6::calculate);
    connect(Command7, &QPushButton::clicked, this, &Form6::quickCalculation);
    connect(Command3, &QPushButton::clicked, this, &Form6::clearPicture);
    connect(Command4, &QPushButton::clicked, this, [this] { windows().show(7); });
    connect(Command5, &QPushButton::clicked, this, &Form6::savePictureClicked);
    connect(Command2, &QPushButton::clicked, this, &Form6::unload);
    applyButtonTooltips(this, 6);
    installExperimentFileActions(*this);
}

FrameFormula Form6::formula() const {
    if (Option9->isChecked()) return FrameFormula::Sto41;
    if (Option1->isChecked()) return FrameFormula::Sto43;
    if (Option10->isChecked()) return FrameFormula::Sto45;
    return FrameFormula::Classic2;
}

FrameInputs Form6::readInputs() const {
    FrameInputs in;
    in.aso = {numberOf(Text22), numberOf(Text24), numberOf(Text23), numberOf(Text25),
              numberOf(Text14), numberOf(Text18), numberOf(Text15), numberOf(Text19)};
    in.VXiso = numberOf(Text3);
    in.T = numberOf(Text65);
    in.VXiso3 = numberOf(Text47);
    in.Vs0 = numberOf(Text8);
    in.v0 = numberOf(Text70);
    in.formula = formula();
    in.mediumDragged = Check3->isChecked();
    in.toIso3 = Check1->isChecked();
    in.delay = Option3->isChecked()   ? DelayMode::InAso
               : Option5->isChecked() ? DelayMode::InFinalFrame
                                      : DelayMode::Ignore;
    in.alignment = Option7->isChecked()    ? TimeAlignment::Source
                   : Option8->isChecked()  ? TimeAlignment::Receiver
                   : Option11->isChecked() ? TimeAlignment::Origin
                                           : TimeAlignment::None;
    return in;
}

void Form6::calculate() {
    FrameInputs in;
    double ML = 0, MV = 0;
    try {
        in = readInputs();
        ML = numberOf(Text6);
        MV = numberOf(Text35);
    } catch (const InputError&) {
        showMessage(this, kEnterDataCorrectly);
        return;
    }
    const FrameResult r = transformFrames(in, state().pi);
    lastV_ = r.v;
    try {
        showSteps(r);
        if (!r.complete) throw MathError("frame transformation failed");
        showResults(r);
        drawFrameBodies(picture(), r, in.formula, ML, MV, Check2->isChecked());
    } catch (const MathError&) {
        showMessage(this, kEnterDataCorrectly);
    }
}

// The delay and time-step fields and the factors, which the calculation
// shows as it goes and which stay when a later stage fails.
void Form6::showSteps(const FrameResult& r) {
    showTrunc(Text32, r.delay.dT);
    showTrunc(Text33, r.delay.X2);
    showTrunc(Text36, r.delay.Y2);
    showTrunc(Text37, r.delay.T2iso);
    const auto showStep = [](const TimeStepShown& s, std::initializer_list<QLineEdit*> fields) {
        const double values[] = {s.t1, s.t2, s.dt, s.U, s.X1, s.X2, s.Y1, s.Y2, s.T1iso, s.T2iso};
        int i = 0;
        for (QLineEdit* f : fields) {
            if (f) showTrunc(f, values[i]);
            ++i;
        }
    };
    showStep(r.firstStep,
             {Text40, Text41, Text42, nullptr, Text45, Text43, Text46, Text44, Text38, Text39});
    showStep(r.secondStep,
             {Text50, Text51, Text52, Text59, Text55, Text53, Text56, Text54, Text48, Text49});
    if (r.signalDirectionDeg) showTrunc(Text58, *r.signalDirectionDeg);
    if (r.factors) printLorentzFactors(picture(), *r.factors);
}

void Form6::showResults(const FrameResult& r) {
    const double deg = state().degPerRad;
    const std::pair<QLineEdit*, double> out[] = {
        {Text26, r.iso.X1},       {Text28, r.iso.Y1},
        {Text27, r.iso.X2},       {Text29, r.iso.Y2},
        {Text16, r.iso.VX1},      {Text20, r.iso.VY1},
        {Text17, r.iso.VX2},      {Text21, r.iso.VY2},
        {Text1, r.V1aso},         {Text2, r.V2aso},
        {Text4, r.V1iso},         {Text5, r.V2iso},
        {Text9, r.Q1aso * deg},   {Text10, r.Q2aso * deg},
        {Text11, r.Q1iso * deg},  {Text12, r.Q2iso * deg},
        {Text30, r.Q3aso * deg},  {Text31, r.Q3iso * deg},
        {Text13, r.Q12iso * deg}, {Text34, r.V12iso},
        {Text57, r.Vs},           {Text69, r.v},
        {Text68, r.ratio},
    };
    for (const auto& [field, value] : out)
        showTrunc(field, value);
}

void Form6::quickCalculation() {
    try {
        const double Vs = numberOf(Text8);
        const double v0 = numberOf(Text70);
        const double VX1 = numberOf(Text14);
        const double VX2 = numberOf(Text15);
        const double Q3deg = numberOf(Text30);
        FpGuard guard;
        const double v = quickDoppler(formula(), Vs, v0, VX1, VX2, Q3deg, state().pi, lastV_);
        const double ratio = safeDiv(v, v0);
        guard.check();
        lastV_ = v;
        showTrunc(Text69, v);
        showTrunc(Text68, ratio);
    } catch (const InputError&) {
        showMessage(this, kEnterDataCorrectly);
    } catch (const MathError&) {
        showMessage(this, kEnterDataCorrectly);
    }
}

void Form6::clearPicture() {
    drawFrameBackground(picture());
}

void Form6::savePictureClicked() {
    tellPictureSaved(this, savePicture(picture(), QStringLiteral("Sonrel_"), Text60->text()),
                     kSaveImageError);
}

QLabel* Form6::label(QWidget* parent, const QString& caption) {
    const QByteArray name = "Label" + QByteArray::number(++labelCount_);
    return makeLabel(parent, name.constData(), caption);
}

void Form6::buildControls() {
    auto* content = new QWidget;
    auto* root = new QVBoxLayout(content);
    auto* top = new QHBoxLayout;
    top->addWidget(buildInputs(content), 0, Qt::AlignTop);

    auto* middle = new QVBoxLayout;
    Picture1 = new CanvasWidget("Picture1", 544, 384, content);
    middle->addWidget(Picture1, 0, Qt::AlignLeft);
    auto* buttons = new QGridLayout;
    Check2 = makeCheck(content, "Check2", tr("+ рисовать координаты и скорости в aso"), false);
    Command3 = makeButton(content, "Command3", tr("Очистить рисунок"));
    Command4 = makeButton(content, "Command4", tr("Показать расчетную схему с обозначениями"));
    Command5 = makeButton(content, "Command5", tr("Сохранить рисунок №"));
    Text60 = makeField(content, "Text60", QStringLiteral("1"));
    Text60->setFixedWidth(60);
    Command2 = makeButton(content, "Command2", tr("Закрыть форму"));
    buttons->addWidget(Check2, 0, 0, 1, 2);
    buttons->addWidget(Command3, 0, 2);
    buttons->addWidget(Command4, 1, 0, 1, 2);
    buttons->addWidget(Command5, 1, 2);
    buttons->addWidget(Text60, 1, 3);
    buttons->addWidget(Command2, 1, 4);
    Command7 = makeButton(content, "Command7",
                          tr("Выполнить расчет по формулам (2) или (4-5) при заданных "
                             "VX1aso, VX2aso и Q3aso"));
    buttons->addWidget(Command7, 2, 0, 1, 5);
    middle->addLayout(buttons);
    StatusLine = makeStatusLine(content);
    middle->addWidget(StatusLine);
    middle->addStretch(1);
    top->addLayout(middle);
    top->addWidget(buildResults(content), 0, Qt::AlignTop);
    top->addStretch(1);
    root->addLayout(top);
    root->addWidget(buildTimeFrames(content));
    root->addStretch(1);
    // Fields that only show results.
    makeResultFields(content, {"Text1",  "Text2",  "Text4",  "Text5",  "Text9",  "Text10", "Text11",
                               "Text12", "Text13", "Text16", "Text17", "Text20", "Text21", "Text26",
                               "Text27", "Text28", "Text29", "Text31", "Text32", "Text33", "Text34",
                               "Text36", "Text37", "Text38", "Text39", "Text40", "Text41", "Text42",
                               "Text43", "Text44", "Text45", "Text46", "Text48", "Text49", "Text50",
                               "Text51", "Text52", "Text53", "Text54", "Text55", "Text56", "Text57",
                               "Text58", "Text59", "Text68", "Text69"});
    setScrollableContent(content);
}

QWidget* Form6::buildInputs(QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* v = new QVBoxLayout(box);
    v->setContentsMargins(0, 0, 0, 0);
    const FieldGrid::Style style{"sonrel::Form6", kFieldWidth, &labelCount_};
    auto* g = new QGridLayout;
    FieldGrid(box, g, style)
        .rows({{"X1aso", &Text22, "Text22", "6"},
               {"Y1aso", &Text24, "Text24", "6"},
               {"X2aso", &Text23, "Text23", "1"},
               {"Y2aso", &Text25, "Text25", "1"},
               {"VX1aso", &Text14, "Text14", "16"},
               {"VY1aso", &Text18, "Text18", "0"},
               {"VX2aso", &Text15, "Text15", "12"},
               {"VY2aso", &Text19, "Text19", "0"}},
              2);
    v->addLayout(g);

    auto* run = new QGridLayout;
    Command1 = makeButton(box, "Command1", tr("Выполнить расчет для VXiso="));
    Text3 = makeField(box, "Text3", QStringLiteral("0"));
    Text65 = makeField(box, "Text65", QStringLiteral("0"));
    run->addWidget(Command1, 0, 0);
    run->addWidget(Text3, 0, 1);
    run->addWidget(label(box, tr("и T=")), 0, 2);
    run->addWidget(Text65, 0, 3);
    Check1 =
        makeCheck(box, "Check1", tr("по 4-5 в ИСО3 движущейся относительно ИСО с VXiso3 ="), false);
    Text47 = makeField(box, "Text47", QStringLiteral("0"));
    run->addWidget(Check1, 1, 0, 1, 3);
    run->addWidget(Text47, 1, 3);
    for (QLineEdit* f : {Text3, Text65, Text47})
        f->setFixedWidth(60);
    v->addLayout(run);

    auto* sig = new QGridLayout;
    FieldGrid(box, sig, style)
        .rows({{"Vs0", &Text8, "Text8", "20"},
               {"Vs", &Text57, "Text57"},
               {"v0", &Text70, "Text70", "1"},
               {QT_TRANSLATE_NOOP("sonrel::Form6", " ML, м/см"), &Text6, "Text6", "1"},
               {QT_TRANSLATE_NOOP("sonrel::Form6", " MV, (м/с)/см"), &Text35, "Text35", "4"}},
              2);
    v->addLayout(sig);
    v->addWidget(buildChoices(box));
    return box;
}

QWidget* Form6::buildChoices(QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* v = new QVBoxLayout(box);
    v->setContentsMargins(0, 0, 0, 0);

    Frame3 = makeFrame(box, "Frame3", tr("формула СТО"));
    auto* f3 = new QGridLayout(Frame3);
    Option2 = makeOption(Frame3, "Option2", tr("нет (классическая формула 2)"), true);
    Option9 = makeOption(Frame3, "Option9", QStringLiteral("4-1"), false);
    Option1 = makeOption(Frame3, "Option1", QStringLiteral("4-3"), false);
    Option10 = makeOption(Frame3, "Option10", QStringLiteral("4-5"), false);
    Check3 = makeCheck(Frame3, "Check3", tr("+ увлечение среды движущейся ИСО"), false);
    f3->addWidget(Option2, 0, 0, 1, 3);
    f3->addWidget(Option9, 1, 0);
    f3->addWidget(Option1, 1, 1);
    f3->addWidget(Option10, 1, 2);
    f3->addWidget(Check3, 2, 0, 1, 3);
    v->addWidget(Frame3);

    Frame1 = makeFrame(box, "Frame1", tr("запаздывание сигнала источника по координатам"));
    auto* f1 = new QGridLayout(Frame1);
    Option3 = makeOption(Frame1, "Option3", tr("в АСО"), false);
    Option5 = makeOption(Frame1, "Option5", tr("в конечной ИСО"), false);
    Option6 = makeOption(Frame1, "Option6", tr("не учитывать"), true);
    f1->addWidget(Option3, 0, 0);
    f1->addWidget(Option5, 0, 1);
    f1->addWidget(Option6, 0, 2);
    auto* f1rows = new QGridLayout;
    FieldGrid(Frame1, f1rows, {"sonrel::Form6", kFieldWidth, &labelCount_})
        .rows({{"dT", &Text32, "Text32"},
               {"T2iso", &Text37, "Text37"},
               {"X2= X2z + VX2*dT", &Text33, "Text33"},
               {"Y2= Y2z + VY2*dT", &Text36, "Text36"}},
              2);
    f1->addLayout(f1rows, 1, 0, 1, 3);
    v->addWidget(Frame1);
    return box;
}

QWidget* Form6::buildResults(QWidget* parent) {
    auto* box = new QWidget(parent);
    FieldGrid g(box, {"sonrel::Form6", kFieldWidth, &labelCount_});
    g.rows({{"X1iso", &Text26, "Text26"},
            {"Y1iso", &Text28, "Text28"},
            {"X2iso", &Text27, "Text27"},
            {"Y2iso", &Text29, "Text29"},
            {"VX1iso", &Text16, "Text16"},
            {"VY1iso", &Text20, "Text20"},
            {"VX2iso", &Text17, "Text17"},
            {"VY2iso", &Text21, "Text21"},
            {"V1aso", &Text1, "Text1"},
            {"V2aso", &Text2, "Text2"},
            {"V1iso", &Text4, "Text4"},
            {"V2iso", &Text5, "Text5"},
            {"Q1aso", &Text9, "Text9"},
            {"Q2aso", &Text10, "Text10"},
            {"Q1iso", &Text11, "Text11"},
            {"Q2iso", &Text12, "Text12"},
            {"Q12iso", &Text13, "Text13"},
            {"V12iso", &Text34, "Text34"}},
           2);
    // The line-of-sight angles, their captions across two columns.
    QGridLayout* grid = g.layout();
    const int row = g.nextRow();
    grid->addWidget(label(box, tr("угол луча зрения Q3aso")), row, 0, 1, 2);
    Text30 = makeField(box, "Text30", QStringLiteral("30"));
    grid->addWidget(Text30, row, 2, 1, 2, Qt::AlignLeft);
    grid->addWidget(label(box, tr("угол луча зрения Q3iso")), row + 1, 0, 1, 2);
    Text31 = makeField(box, "Text31", QString());
    Text58 = makeField(box, "Text58", QString());
    grid->addWidget(Text31, row + 1, 2);
    grid->addWidget(Text58, row + 1, 3);
    for (QLineEdit* f : {Text30, Text31, Text58})
        f->setFixedWidth(kFieldWidth);
    g.skipRow();
    g.skipRow();
    g.rows({{"v", &Text69, "Text69"}, {"v/v0", &Text68, "Text68"}}, 2);
    return box;
}

QWidget* Form6::buildTimeFrames(QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* h = new QHBoxLayout(box);
    h->setContentsMargins(0, 0, 0, 0);
    const FieldGrid::Style style{"sonrel::Form6", kFieldWidth, &labelCount_};

    Frame2 = makeFrame(box, "Frame2",
                       tr("для СТО согласовать в ИСО координаты по времени при "
                          "t1aso=t2aso"));
    FieldGrid f2(Frame2, new QGridLayout(Frame2), style);
    auto* f2options = new QHBoxLayout;
    Option7 = makeOption(Frame2, "Option7", tr("источника"), false);
    Option8 = makeOption(Frame2, "Option8", tr("приемника"), false);
    Option11 = makeOption(Frame2, "Option11", tr("начала координат"), false);
    Option12 = makeOption(Frame2, "Option12", tr("не делать"), true);
    for (QRadioButton* o : {Option7, Option8, Option11, Option12})
        f2options->addWidget(o);
    f2options->addStretch(1);
    f2.layout()->addLayout(f2options, f2.nextRow(), 0, 1, 4);
    f2.skipRow();
    f2.rows({{"t1iso= (taso - VXiso * X1aso / Vs^2 ) / sqrt(1- VXiso^2/ Vs^2)=", &Text40, "Text40"},
             {"t2iso= (taso - VXiso * X2aso / Vs^2 ) / sqrt(1- VXiso^2/ Vs^2)=", &Text41, "Text41"},
             {"dt= t1iso - t2iso", &Text42, "Text42"}});
    auto* f2pos = new QGridLayout;
    FieldGrid(Frame2, f2pos, style)
        .rows({{"X1iso", &Text45, "Text45"},
               {"X2iso", &Text43, "Text43"},
               {"Y1iso", &Text46, "Text46"},
               {"Y2iso", &Text44, "Text44"},
               {"T1iso", &Text38, "Text38"},
               {"T2iso", &Text39, "Text39"}},
              2);
    f2.layout()->addLayout(f2pos, f2.nextRow(), 0, 1, 4);
    h->addWidget(Frame2, 0, Qt::AlignTop);

    Frame4 = makeFrame(box, "Frame4",
                       tr("+согласование координат по времени в ИСО1, 2 или 3 при "
                          "T1iso и T2iso"));
    FieldGrid f4(Frame4, new QGridLayout(Frame4), style);
    f4.rows(
        {{"t1iso123= (T1iso - VXiso * X1iso / Vs^2 ) / sqrt(1- VXiso^2/ Vs^2)", &Text50, "Text50"},
         {"t2iso123= (T2iso - VXiso * X2iso / Vs^2 ) / sqrt(1- VXiso^2/ Vs^2)", &Text51, "Text51"},
         {"dt= t1iso123 - t2iso123", &Text52, "Text52"}});
    auto* f4pos = new QGridLayout;
    FieldGrid(Frame4, f4pos, style)
        .rows({{"VXiso", &Text59, "Text59"},
               {"X1", &Text55, "Text55"},
               {"X2", &Text53, "Text53"},
               {"Y1", &Text56, "Text56"},
               {"Y2", &Text54, "Text54"},
               {"T1iso", &Text48, "Text48"},
               {"T2iso", &Text49, "Text49"}},
              2);
    f4.layout()->addLayout(f4pos, f4.nextRow(), 0, 1, 2);
    h->addWidget(Frame4, 0, Qt::AlignTop);
    h->addStretch(1);
    return box;
}

FormFactory form6Factory() {
    return {[](AppContext& a) -> FormBase* { return new Form6(a); }};
}

} // namespace sonrel
