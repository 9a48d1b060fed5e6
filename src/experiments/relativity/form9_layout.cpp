// Controls of the comparison window, their captions, defaults and places:
// the picture above a panel of columns.
#include "canvas/period_table_export_qt.h"
#include "experiments/fit_picture_qt.h"
#include "experiments/frequency_plot_qt.h"
#include "experiments/relativity/form9.h"
#include "ui/field_grid_qt.h"
#include "ui/run_pacer_qt.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace sonrel {

namespace {

constexpr int kFieldWidth = 118;

int labelCount = 0;

FieldGrid::Style fieldStyle() {
    return {"sonrel::Form9", kFieldWidth, &labelCount};
}

} // namespace

void Form9::buildControls() {
    labelCount = 0;
    auto* content = new QWidget;
    auto* root = new QVBoxLayout(content);
    Picture1 = new CanvasWidget("Picture1", twips(11805), twips(5130), content);
    tableExport = new PeriodTableExport(Picture1);
    auto* top = new QHBoxLayout;
    top->addWidget(Picture1, 0, Qt::AlignTop);
    top->addWidget(buildOptions(content), 0, Qt::AlignTop);
    top->addWidget(buildGraphControls(content), 0, Qt::AlignTop);
    top->addStretch(1);
    root->addLayout(top);
    auto* columns = new QHBoxLayout;
    columns->addWidget(buildInitialState(content), 0, Qt::AlignTop);
    columns->addWidget(buildIsoValues(content), 0, Qt::AlignTop);
    columns->addWidget(buildPeriodValues(content), 0, Qt::AlignTop);
    columns->addWidget(buildRunControls(content), 0, Qt::AlignTop);
    columns->addStretch(1);
    root->addLayout(columns);
    root->addStretch(1);
    // Fields that only show results.
    makeResultFields(content, {"Text13", "Text14", "Text17", "Text20", "Text22", "Text23",
                               "Text24", "Text26", "Text33", "Text36", "Text37", "Text38",
                               "Text39", "Text40", "Text41", "Text42", "Text44", "Text45",
                               "Text46", "Text47", "Text48", "Text52", "Text54", "Text55",
                               "Text60", "Text61", "Text62", "Text71", "Text72", "Text75"});
    setScrollableContent(content);
}

QWidget* Form9::buildInitialState(QWidget* parent) {
    FieldGrid g(new QWidget(parent), fieldStyle());
    g.layout()->setVerticalSpacing(2);
    g.rows({
        {"X1", &Text1, "Text1", "56,6"},
        {"Y1", &Text5, "Text5", "50"},
        {"VX1", &Text3, "Text3", "6"},
        {"VY1", &Text7, "Text7", "0"},
        {"X2", &Text2, "Text2", "0"},
        {"Y2", &Text6, "Text6", "0"},
        {"VX2", &Text4, "Text4", "10"},
        {"VY2", &Text8, "Text8", "0"},
        {QT_TRANSLATE_NOOP("sonrel::Form9", " Vs0, м/с "), &Text12, "Text12", "20"},
        {QT_TRANSLATE_NOOP("sonrel::Form9", "кол-во лучей"), &Text32, "Text32", "500"},
        {QT_TRANSLATE_NOOP("sonrel::Form9", "средний угол"), &Text35, "Text35", "89"},
        {QT_TRANSLATE_NOOP("sonrel::Form9", "угол конуса"), &Text34, "Text34", "180"},
        {QT_TRANSLATE_NOOP("sonrel::Form9", "шаг решения, с"), &Text9, "Text9", "15E-4"},
        {QT_TRANSLATE_NOOP("sonrel::Form9", "Масштаб, м/см"), &Text19, "Text19", "5"},
    });
    Command10 = makeButton(g.widget(), "Command10", QStringLiteral("X=X0"));
    Command11 = makeButton(g.widget(), "Command11", QStringLiteral("X=Xiso"));
    g.add(Command10, Command11);
    Command9 = makeButton(g.widget(), "Command9", tr("VX1 и VX2"));
    // The animation's grid stays where the design puts it: only the scale fits.
    FitButtonSetup fit;
    fit.picture = {-3, 14, 38.4, -4};
    CommandFit = makeFitButton(*this, g.widget(), std::move(fit));
    g.add(Command9, CommandFit);
    return g.finish();
}

QWidget* Form9::buildIsoValues(QWidget* parent) {
    FieldGrid g(new QWidget(parent), fieldStyle());
    g.layout()->setVerticalSpacing(2);
    g.rows({
        {"X1iso", &Text28, "Text28"},
        {"X2iso", &Text29, "Text29"},
        {"Y1iso", &Text30, "Text30"},
        {"Y2iso", &Text31, "Text31"},
        {"VX1iso", &Text11, "Text11"},
        {"VX2iso", &Text25, "Text25"},
        {"VY1iso", &Text15, "Text15"},
        {"VY2iso", &Text16, "Text16"},
        {QT_TRANSLATE_NOOP("sonrel::Form9", "угол QV1"), &Text13, "Text13"},
        {QT_TRANSLATE_NOOP("sonrel::Form9", "угол QV2"), &Text14, "Text14"},
        {"kT00", &Text72, "Text72"},
        {"kTiso", &Text60, "Text60"},
        {"kT1iso", &Text61, "Text61"},
        {"kT2iso", &Text62, "Text62"},
        {"kT2aso", &Text52, "Text52"},
        {" T002=T00*kT2 =", &Text22, "Text22", "0,2"},
        {"v0=1/T002=", &Text54, "Text54"},
    });
    return g.finish();
}

QWidget* Form9::buildPeriodValues(QWidget* parent) {
    FieldGrid g(new QWidget(parent), fieldStyle());
    g.layout()->setVerticalSpacing(2);
    g.rows({
        {"Taso, Tiso", &Text17, "Text17"},
        {QT_TRANSLATE_NOOP("sonrel::Form9", "№ периода"), &Text20, "Text20", "0"},
        {" Tn1", &Text41, "Text41"},
        {" Tk1", &Text42, "Text42"},
        {"Qn3", &Text26, "Text26"},
        {"Qk3", &Text36, "Text36"},
        {"Qn1", &Text39, "Text39"},
        {"Qk1", &Text40, "Text40"},
        {"Vs1n", &Text45, "Text45"},
        {"Vs1k", &Text46, "Text46"},
        {"vn", &Text37, "Text37"},
        {"vk", &Text38, "Text38"},
        {"vsr= (vn+vk)/2=", &Text44, "Text44"},
        {"v=1 / (Tk1-Tn1)=", &Text23, "Text23"},
        {"/ kT1=", &Text24, "Text24"},
        {"v/v0=", &Text33, "Text33"},
    });
    return g.finish();
}

QWidget* Form9::buildRunControls(QWidget* parent) {
    FieldGrid g(new QWidget(parent), fieldStyle());
    g.layout()->setVerticalSpacing(2);
    QWidget* p = g.widget();
    Command1 = makeButton(p, "Command1", tr("Начать эксперимент с VXiso, м/с"));
    Text50 = g.after(Command1, "Text50", "0");
    Check8 = makeCheck(p, "Check8", QStringLiteral("+"), false);
    Text49 = g.after(Check8, "Text49", "0");
    Check17 = makeCheck(p, "Check17", QStringLiteral("++T2=T1"), false);
    Check19 = makeCheck(p, "Check19", tr("+Т2=T1"), false);
    g.add(Check17, Check19);
    Command13 = makeButton(p, "Command13", tr("Найти T00, с"));
    Text18 = g.after(Command13, "Text18", "5");
    Command2 = makeButton(p, "Command2", tr("Остановить"));
    Command3 = makeButton(p, "Command3", tr("Продолжить"));
    g.add(Command2, Command3);
    Command4 = makeButton(p, "Command4", tr("NC0 шагов при NC0 ="));
    Text10 = g.after(Command4, "Text10", "100");
    Check1 = makeCheck(p, "Check1", QStringLiteral("Auto"), true);
    Check14 = makeCheck(p, "Check14", QStringLiteral("+ Stop"), false);
    g.add(Check1, Check14);
    CheckAllFronts = makeCheck(p, "CheckAllFronts", tr("все фронты"), false);
    CheckKeepFronts = makeCheck(p, "CheckKeepFronts", tr("фронты после приема"), false);
    g.add(CheckAllFronts, CheckKeepFronts);
    Check6 = makeCheck(p, "Check6", tr("+ анимация"), true);
    Check5 = makeCheck(p, "Check5", tr("+ отчет"), false);
    g.add(Check6, Check5);
    CheckFrequencyPlot = makeFrequencyPlotCheck(p);
    g.add(CheckFrequencyPlot, nullptr);
    Check9 = makeCheck(p, "Check9", tr("+ расчет в АСО"), false);
    Text47 = g.after(Check9, "Text47");
    Check16 = makeCheck(p, "Check16", tr("+ расчет в ИСО"), false);
    Text48 = g.after(Check16, "Text48");
    Check4 = makeCheck(p, "Check4", tr("+ T00 из ИСО"), false);
    Text55 = g.after(Check4, "Text55");
    Check2 = makeCheck(p, "Check2", QStringLiteral("+T0="), true);
    Text71 = g.after(Check2, "Text71");
    Check12 = makeCheck(p, "Check12", QStringLiteral("++Tn2= f(T1)"), false);
    Check7 = makeCheck(p, "Check7", tr("+ видимые в АСО"), false);
    g.add(Check12, Check7);
    Text74 = g.after(g.label(tr("после")), "Text74", "100");
    Text75 = g.after(g.label(tr("итераций dt=")), "Text75");
    // At 2× the default run (about 50 s of model time) lasts about 25 s.
    pacer = new RunPacer(
        *this, {Command1, Command2, Command3, Command4}, [this] { return Text20->text().toInt(); },
        2);
    g.span(pacer->row());
    return g.finish();
}

QWidget* Form9::buildOptions(QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* v = new QVBoxLayout(box);
    v->setContentsMargins(0, 0, 0, 0);
    auto frame = [&](QGroupBox*& f, const char* name, const QString& caption) {
        f = makeFrame(box, name, caption);
        auto* lay = new QVBoxLayout(f);
        lay->setContentsMargins(6, 2, 6, 2);
        lay->setSpacing(1);
        v->addWidget(f);
        return lay;
    };
    QVBoxLayout* f1 = frame(Frame1, "Frame1", tr("моделировать в"));
    Option2 = makeOption(Frame1, "Option2", tr("ИСО"), true);
    Option1 = makeOption(Frame1, "Option1", tr("АСО"), false);
    f1->addWidget(Option2);
    f1->addWidget(Option1);
    QVBoxLayout* f3 = frame(Frame3, "Frame3", tr("эффект Доплера"));
    Option5 = makeOption(Frame3, "Option5", tr("классика"), true);
    Option6 = makeOption(Frame3, "Option6", tr("СТО"), false);
    Option7 = makeOption(Frame3, "Option7", tr("СТО+"), false);
    Check21 = makeCheck(Frame3, "Check21", tr("+КТО"), false);
    Check18 = makeCheck(Frame3, "Check18", tr("+вид "), false);
    for (QWidget* w : {static_cast<QWidget*>(Option5), static_cast<QWidget*>(Option6),
                       static_cast<QWidget*>(Option7), static_cast<QWidget*>(Check21),
                       static_cast<QWidget*>(Check18)})
        f3->addWidget(w);
    QVBoxLayout* f4 = frame(Frame4, "Frame4", tr("графики по"));
    Option11 = makeOption(Frame4, "Option11", QStringLiteral("Q3"), true);
    Option13 = makeOption(Frame4, "Option13", QStringLiteral("Q30"), false);
    f4->addWidget(Option11);
    f4->addWidget(Option13);
    QVBoxLayout* f2 = frame(Frame2, "Frame2", tr("графики по T= T / kT"));
    Option3 = makeOption(Frame2, "Option3", QStringLiteral("1"), true);
    Option4 = makeOption(Frame2, "Option4", QStringLiteral("kT00"), false);
    Option8 = makeOption(Frame2, "Option8", QStringLiteral("kTiso"), false);
    f2->addWidget(Option3);
    f2->addWidget(Option4);
    f2->addWidget(Option8);
    v->addStretch(1);
    return box;
}

QWidget* Form9::buildGraphControls(QWidget* parent) {
    FieldGrid g(new QWidget(parent), fieldStyle());
    g.layout()->setVerticalSpacing(2);
    QWidget* p = g.widget();
    Command14 = makeButton(p, "Command14", tr("Очистить график с М(v/v0), ед/см="));
    Text27 = g.after(Command14, "Text27", "0,2");
    Check11 = makeCheck(p, "Check11", tr("по T с MT, с/см"), false);
    Text43 = g.after(Check11, "Text43", "5");
    Command7 = makeButton(p, "Command7", tr("Экспериментальные точки"));
    g.span(Command7);
    Command18 = makeButton(p, "Command18", tr("Расчетные точки"));
    g.span(Command18);
    Command5 = makeButton(p, "Command5", tr("Очистить рисунок"));
    g.span(Command5);
    Check15 = makeCheck(p, "Check15", tr("+ фронт"), false);
    Check13 = makeCheck(p, "Check13", tr("+график x=f(t')"), false);
    g.add(Check15, Check13);
    Check10 = makeCheck(p, "Check10", QStringLiteral("t'= t*kTiso"), false);
    Check20 = makeCheck(p, "Check20", QStringLiteral("t'=t"), false);
    g.add(Check10, Check20);
    Command6 = makeButton(p, "Command6", tr("Сохранить рисунок №"));
    Text21 = g.after(Command6, "Text21", "1");
    Check3 = makeCheck(p, "Check3", QStringLiteral(".txt"), false);
    g.span(Check3);
    Command8 = makeButton(p, "Command8", tr("Среда"));
    Command16 = makeButton(p, "Command16", tr("Выход"));
    g.add(Command8, Command16);
    return g.finish();
}

} // namespace sonrel
