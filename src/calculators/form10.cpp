#include "calculators/form10.h"

#include "canvas/export_qt.h"

#include "canvas/picture_file_qt.h"
#include "ui/button_tooltips_qt.h"
#include "ui/field_grid_qt.h"
#include "ui/message_box_qt.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace sonrel {

namespace {
constexpr int kPictureW = 800, kPictureH = 350;

} // namespace

Form10::Form10(AppContext& app) : FormBase(app, 10), model_(app.state) {
    setWindowTitle(tr("Sonrel6     form10    СТО и СТО+"));
    buildControls();
    picture().setFontPixelSize(10);
    clearPicture();
    connect(Command13, &QPushButton::clicked, this, &Form10::calculateClicked);
    connect(Command1, &QPushButton::clicked, this, &Form10::alignClicked);
    connect(Command5, &QPushButton::clicked, this, &Form10::clearPicture);
    connect(Command6, &QPushButton::clicked, this, &Form10::savePictureClicked);
    connect(Command16, &QPushButton::clicked, this, &Form10::unload);
    applyButtonTooltips(this, 10);
    installExperimentFileActions(*this);
}

void Form10::buildControls() {
    auto* content = new QWidget;
    auto* root = new QVBoxLayout(content);
    Picture1 = new CanvasWidget("Picture1", kPictureW, kPictureH, content);
    root->addWidget(Picture1, 0, Qt::AlignLeft);
    auto* columns = new QHBoxLayout;
    // The status line goes under the rod's fields, where the column has room.
    auto* left = new QVBoxLayout;
    left->addWidget(buildRodColumn(content));
    StatusLine = makeStatusLine(content);
    left->addWidget(StatusLine);
    left->addStretch(1);
    columns->addLayout(left);
    columns->addWidget(buildSeenColumn(content), 0, Qt::AlignTop);
    columns->addWidget(buildAlignColumn(content), 0, Qt::AlignTop);
    columns->addStretch(1);
    root->addLayout(columns);
    root->addStretch(1);
    // Fields that only show results.
    makeResultFields(content,
                     {"Text5", "Text11", "Text12", "Text13", "Text14", "Text15", "Text16", "Text18",
                      "Text20", "Text22", "Text23", "Text25", "Text26", "Text31"});
    setScrollableContent(content);
}

QWidget* Form10::buildRodColumn(QWidget* parent) {
    auto* box = new QWidget(parent);
    FieldGrid g(box, {"sonrel::Form10"});
    g.rows({{"X1", &Text1, "Text1", "100", "Label1"},
            {"Y1", &Text3, "Text3", "60", "Label2"},
            {"X2", &Text2, "Text2", "200", "Label3"},
            {"Y2", &Text4, "Text4", "60", "Label4"},
            {"VX1", &Text10, "Text10", "0", "Label5"},
            {"VX2", &Text17, "Text17", "0", "Label6"},
            {QT_TRANSLATE_NOOP("sonrel::Form10", "Xn (наблюдателя)"), &Text6, "Text6", "0",
             "Label7"}});
    Command13 = makeButton(box, "Command13", tr("Рассчитать координатное время при VXiso="));
    Text9 = g.after(Command13, "Text9", "10");
    g.rows(
        {{QT_TRANSLATE_NOOP("sonrel::Form10", "и Vs, м/с"), &Text32, "Text32", "20", "Label8"},
         {QT_TRANSLATE_NOOP("sonrel::Form10", "Масштаб, м/см"), &Text19, "Text19", "10", "Label9"},
         {QT_TRANSLATE_NOOP("sonrel::Form10", "к-во итераций"), &Text24, "Text24", "100",
          "Label10"},
         {"sqrt(1- (VXiso/Vs)^2)", &Text5, "Text5", nullptr, "Label11"}});
    return box;
}

QWidget* Form10::buildSeenColumn(QWidget* parent) {
    auto* box = new QWidget(parent);
    FieldGrid g(box, {"sonrel::Form10"});
    Frame1 = makeFrame(box, "Frame1", tr("теория"));
    auto* f1 = new QVBoxLayout(Frame1);
    Option1 = makeOption(Frame1, "Option1", tr("Классика в АСО"), false);
    Option2 = makeOption(Frame1, "Option2", tr("Классика в ИСО"), false);
    Option3 = makeOption(Frame1, "Option3", tr("СТО"), true);
    Option4 = makeOption(Frame1, "Option4", tr("СТО+"), false);
    for (QRadioButton* o : {Option1, Option2, Option3, Option4})
        f1->addWidget(o);
    g.span(Frame1);
    g.rows({{"X1", &Text7, "Text7", "100", "Label12"},
            {"X2", &Text8, "Text8", "200", "Label13"},
            {"T1", &Text27, "Text27", "0", "Label14"},
            {"T2", &Text28, "Text28", "0", "Label15"},
            {"VX1", &Text18, "Text18", "0", "Label16"},
            {"VX2", &Text20, "Text20", "0", "Label17"},
            {"Xn1", &Text15, "Text15", nullptr, "Label18"},
            {"Xn2", &Text16, "Text16", nullptr, "Label19"},
            {"X2-X1=", &Text31, "Text31", nullptr, "Label20"}});
    return box;
}

QWidget* Form10::buildAlignColumn(QWidget* parent) {
    auto* box = new QWidget(parent);
    FieldGrid g(box, {"sonrel::Form10"});
    Command1 = makeButton(box, "Command1", tr("Согласовать время по"));
    Frame2 = makeFrame(box, "Frame2", QString());
    auto* f2 = new QHBoxLayout(Frame2);
    Option8 = makeOption(Frame2, "Option8", QStringLiteral("T1"), true);
    Option9 = makeOption(Frame2, "Option9", QStringLiteral("T2"), false);
    f2->addWidget(Option8);
    f2->addWidget(Option9);
    g.add(Command1, Frame2);
    g.rows({{"X1=X1+VX1*dt1", &Text11, "Text11", nullptr, "Label21"},
            {"X2=X2+VX2*dt2", &Text12, "Text12", nullptr, "Label22"},
            {"dt1", &Text22, "Text22", nullptr, "Label23"},
            {"dt2", &Text23, "Text23", nullptr, "Label24"},
            {"R1/Vs", &Text25, "Text25", nullptr, "Label25"},
            {"R2/Vs", &Text26, "Text26", nullptr, "Label26"},
            {"+dt1=", &Text13, "Text13", nullptr, "Label27"},
            {"+dt2=", &Text14, "Text14", nullptr, "Label28"}});
    Command5 = makeButton(box, "Command5", tr("Очистить рисунок"));
    g.span(Command5);
    Command6 = makeButton(box, "Command6", tr("Сохранить рисунок №"));
    Text21 = g.after(Command6, "Text21", "1");
    Command16 = makeButton(box, "Command16", tr("Закрыть форму"));
    g.span(Command16);
    return box;
}

RodTheory Form10::theory() const {
    if (Option1->isChecked()) return RodTheory::ClassicAso;
    if (Option2->isChecked()) return RodTheory::ClassicIso;
    if (Option4->isChecked()) return RodTheory::StoPlus;
    return RodTheory::Sto;
}

void Form10::calculateClicked() {
    RodInput in;
    try {
        in.X1 = numberOf(Text1);
        in.Y1 = numberOf(Text3);
        in.VX1 = numberOf(Text10);
        in.X2 = numberOf(Text2);
        in.Y2 = numberOf(Text4);
        in.VX2 = numberOf(Text17);
        in.M = numberOf(Text19);
        in.Vs = numberOf(Text32);
        in.VXiso = numberOf(Text9);
        in.Xn = numberOf(Text6);
        in.theory = theory();
    } catch (const InputError&) {
        showMessage(this, kEnterDataCorrectly);
        return;
    }
    try {
        setTruncated(Text5, model_.begin(in, picture()), 6);
        const RodView v = model_.solve();
        setNumber(Text7, v.X1);
        setNumber(Text8, v.X2);
        setNumber(Text27, v.T1);
        setNumber(Text28, v.T2);
        setNumber(Text18, v.VX1);
        setNumber(Text20, v.VX2);
        setTruncated(Text15, v.Xn1, 6);
        setTruncated(Text16, v.Xn2, 6);
        setTruncated(Text31, v.X2 - v.X1, 6);
        for (QLineEdit* f : {Text11, Text12, Text13, Text14, Text22, Text23, Text25, Text26})
            f->setText(QStringLiteral("0"));
        resultsShown_ = true;
        alignmentShown_ = false;
        model_.drawSolved(picture(), v);
    } catch (const std::runtime_error&) {
        calculationFailed();
    } catch (const IndexError&) {
        calculationFailed();
    }
}

// A failed calculation has no result: what an earlier one showed is taken
// away, so that it cannot be read as this calculation's answer.
void Form10::calculationFailed() {
    if (resultsShown_) {
        for (QLineEdit* f :
             {Text5, Text7, Text8, Text27, Text28, Text18, Text20, Text15, Text16, Text31})
            f->clear();
        resultsShown_ = false;
    }
    if (alignmentShown_) clearAlignment();
    showMessage(this, kCalculationError);
}

void Form10::alignmentFailed() {
    if (alignmentShown_) clearAlignment();
    showMessage(this, kSolutionError);
}

void Form10::clearAlignment() {
    for (QLineEdit* f : {Text11, Text12, Text13, Text14, Text22, Text23, Text25, Text26, Text31})
        f->clear();
    alignmentShown_ = false;
}

void Form10::alignClicked() {
    AlignInput in;
    try {
        in.X1 = numberOf(Text7);
        in.Y1 = numberOf(Text3);
        in.T1 = numberOf(Text27);
        in.X2 = numberOf(Text8);
        in.Y2 = numberOf(Text4);
        in.T2 = numberOf(Text28);
        in.iterations = integerOf(Text24);
        in.toEnd1Time = Option8->isChecked();
        in.theory = theory();
    } catch (const InputError&) {
        showMessage(this, kEnterDataCorrectly);
        return;
    }
    try {
        setTruncated(Text15, model_.observerAtReception(1), 6);
        setTruncated(Text16, model_.observerAtReception(2), 6);
        const AlignView v = model_.align(in);
        QLineEdit* travel[] = {nullptr, Text25, Text26};
        QLineEdit* reception[] = {nullptr, Text13, Text14};
        for (int k = 1; k <= 2; ++k) {
            if (!v.computed[k]) continue;
            setTruncated(travel[k], v.travel[k], 6);
            setTruncated(reception[k], v.reception[k], 6);
        }
        setTruncated(Text15, v.Xn[1], 6);
        setTruncated(Text16, v.Xn[2], 6);
        setNumber(Text11, v.X[1]);
        setTruncated(Text22, v.dt[1], 6);
        setTruncated(Text31, v.X[2] - v.X[1], 6);
        setNumber(Text12, v.X[2]);
        setTruncated(Text23, v.dt[2], 6);
        alignmentShown_ = true;
        model_.drawAligned(picture(), v);
    } catch (const std::runtime_error&) {
        alignmentFailed();
    } catch (const IndexError&) {
        alignmentFailed();
    }
}

void Form10::clearPicture() {
    drawRodGrid(picture());
}

void Form10::savePictureClicked() {
    tellPictureSaved(this, savePicture(picture(), QStringLiteral("Sonrel"), Text21->text()),
                     kFileWriteError);
}

FormFactory form10Factory() {
    return {[](AppContext& a) -> FormBase* { return new Form10(a); }};
}

} // namespace sonrel
