#include "app/form1.h"
#include "base/numbers.h"
#include "calculators/field_texts.h"
#include "calculators/form10.h"
#include "support/ui_helpers.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QTimer>
#include <cmath>

using namespace sonrel;
using namespace sonrel::testing;

class RodWindow : public WindowTest {
protected:
    FormBase* openFromMain() {
        click(app->windows.get(1), "Command20");
        return app->windows.get(10);
    }
    Form1* mainWindow() { return static_cast<Form1*>(app->windows.get(1)); }
    // The main window's default run with coarse steps, paused in manual mode
    // at the first arrival (the question answered No).
    void pauseMainRun() {
        typeInto(mainWindow(), "Text9", "0,01");
        click(mainWindow(), "Command13");
        mainWindow()->Check1->setChecked(false);
        boxes.answers = {QMessageBox::No};
        click(mainWindow(), "Command1");
    }
    // Continues the paused run to its end and returns its period record. A
    // run that has lost its receiver is stopped after a while.
    std::vector<double> finishMainRun() {
        mainWindow()->Check1->setChecked(true);
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [this] { click(mainWindow(), "Command2"); });
        guard.start(30000);
        click(mainWindow(), "Command3");
        const SharedState& s = app->state;
        std::vector<double> r{s.T, s.X(1), s.Y(1), s.X(2), s.Y(2), double(s.frontIndex)};
        for (int i = 0; i <= 20; ++i)
            for (const PeriodArray* a :
                 {&s.Tn2, &s.Xn2, &s.Tn1, &s.Xn1, &s.Yn1, &s.Tk1, &s.Xk1, &s.Yk1, &s.Q3})
                r.push_back((*a)(i));
        return r;
    }
};

TEST_F(RodWindow, OpensFromTheMainWindowWithItsDefaults) {
    FormBase* f = openFromMain();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Sonrel6     form10    СТО и СТО+"));
    const std::pair<const char*, const char*> fields[] = {
        {"Text1", "100"},  {"Text3", "60"},  {"Text2", "200"}, {"Text4", "60"},  {"Text10", "0"},
        {"Text17", "0"},   {"Text6", "0"},   {"Text9", "10"},  {"Text32", "20"}, {"Text19", "10"},
        {"Text24", "100"}, {"Text7", "100"}, {"Text8", "200"}, {"Text27", "0"},  {"Text28", "0"},
        {"Text21", "1"},   {"Text5", ""},    {"Text31", ""},   {"Text11", ""},   {"Text26", ""}};
    for (const auto& [name, value] : fields)
        EXPECT_EQ(textOf(f, name), QString::fromUtf8(value)) << name;
    EXPECT_TRUE(control<QRadioButton>(f, "Option8")->isChecked());
    EXPECT_EQ(control<QAbstractButton>(f, "Command1")->text(),
              QStringLiteral("Согласовать время по"));
    EXPECT_EQ(openFromMain(), f);
}

TEST_F(RodWindow, ContractedRodFieldsAndAnAlignment) {
    auto* f = static_cast<Form10*>(openFromMain());
    f->Option4->setChecked(true); // "СТО+"
    click(f, "Command13");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(textOf(f, "Text5"), QStringLiteral("0,866025"));
    EXPECT_EQ(textOf(f, "Text7"), QStringLiteral("86,6025403784439"));
    EXPECT_EQ(textOf(f, "Text8"), QStringLiteral("173,205080756888"));
    EXPECT_EQ(textOf(f, "Text31"), QStringLiteral("86,60254"));
    EXPECT_EQ(textOf(f, "Text27"), QStringLiteral("0"));
    EXPECT_EQ(textOf(f, "Text18"), QStringLiteral("-10"));
    EXPECT_EQ(textOf(f, "Text25"), QStringLiteral("0"));

    click(f, "Command1");
    EXPECT_TRUE(boxes.shown.empty());
    // R1/Vs = sqrt(86,60254² + 60²) / 20 = sqrt(11100) / 20, truncated.
    EXPECT_EQ(textOf(f, "Text25"), QStringLiteral("5,267826"));
    EXPECT_EQ(textOf(f, "Text13"), QStringLiteral("5,267826"));
    EXPECT_EQ(textOf(f, "Text11"), QStringLiteral("86,6025403784439"));
    EXPECT_EQ(textOf(f, "Text22"), QStringLiteral("0"));
}

TEST_F(RodWindow, NoIterationsShowsTheStartValues) {
    auto* f = static_cast<Form10*>(openFromMain());
    f->Option2->setChecked(true); // "Классика в ИСО"
    click(f, "Command13");
    typeInto(f, "Text24", "0");
    click(f, "Command1");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(textOf(f, "Text11"), QStringLiteral("100"));
    EXPECT_EQ(textOf(f, "Text12"), QStringLiteral("200"));
    EXPECT_EQ(textOf(f, "Text23"), QStringLiteral("0"));
    EXPECT_EQ(textOf(f, "Text31"), QStringLiteral("100"));
}

TEST_F(RodWindow, EachButtonReportsItsOwnFailure) {
    FormBase* f = openFromMain();
    typeInto(f, "Text9", "abc");
    click(f, "Command13");
    typeInto(f, "Text9", "30"); // faster than the signal
    click(f, "Command13");
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("Введите правильно данные"));
    EXPECT_EQ(boxes.shown[1].text, QStringLiteral("Ошибка рассчета"));
    EXPECT_EQ(boxes.shown[1].title, QStringLiteral("Sonrel6"));
    EXPECT_EQ(textOf(f, "Text7"), QStringLiteral("100")); // nothing written after the fault

    typeInto(f, "Text9", "10");
    typeInto(f, "Text19", "0"); // no drawing scale
    click(f, "Command13");
    click(f, "Command1");
    ASSERT_EQ(boxes.shown.size(), 4u);
    EXPECT_EQ(boxes.shown[2].text, QStringLiteral("Ошибка рассчета"));
    EXPECT_EQ(boxes.shown[3].text, QStringLiteral("Ошибка решения"));
}

TEST_F(RodWindow, SavesThePictureOrReportsTheWriteError) {
    FormBase* f = openFromMain();
    typeInto(f, "Text21", "7");
    click(f, "Command6");
    EXPECT_TRUE(QFile::exists(QDir::current().filePath("Sonrel7.bmp")));
    typeInto(f, "Text21", "a/b");
    click(f, "Command6");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("Ошибка записи в файл"));
    click(f, "Command16");
    EXPECT_EQ(app->windows.get(10), nullptr);
}

// The rod window works on its own copy of the rod and the observer: a run of
// the main window paused meanwhile goes on exactly as if nothing was pressed.
TEST_F(RodWindow, APausedMainRunContinuesAsIfTheRodWindowWasNotUsed) {
    pauseMainRun();
    const std::vector<double> untouched = finishMainRun();
    ASSERT_EQ(app->state.frontIndex, 21); // the run reached the 20-front limit

    pauseMainRun();
    const double receiverX = app->state.X(1);
    const QString receiverField = textOf(mainWindow(), "Text13");
    auto* f = static_cast<Form10*>(openFromMain());
    for (QRadioButton* theory : {f->Option1, f->Option2, f->Option3, f->Option4}) {
        theory->setChecked(true);
        click(f, "Command13");
        click(f, "Command1");
        EXPECT_EQ(app->state.X(1), receiverX);
    }
    EXPECT_EQ(textOf(mainWindow(), "Text13"), receiverField);
    EXPECT_EQ(finishMainRun(), untouched);
}

// A main run between the rod window's two buttons leaves the alignment as it
// was. Lorentz, defaults: X1 = 100/G, X2 = 200/G - VXiso·(T1 - T2) with
// T1 - T2 = VXiso·100/(Vs²·G), so the aligned length is 75/G, G = sqrt(0,75).
TEST_F(RodWindow, AMainRunBetweenTheButtonsLeavesTheRodResults) {
    auto* f = static_cast<Form10*>(openFromMain());
    click(f, "Command13");
    typeInto(mainWindow(), "Text9", "0,01");
    click(mainWindow(), "Command13");
    click(mainWindow(), "Command1");
    click(f, "Command1");
    EXPECT_EQ(textOf(f, "Text31"), QStringLiteral("86,60254")); // 75/G = 86,602540378…
    EXPECT_NEAR(readNumber(textOf(f, "Text12").toStdString()),
                200 / std::sqrt(0.75) - 10 * 10 * 100 / (400 * std::sqrt(0.75)), 1e-9);
}

// Classical rod at rest seen by an observer moving through the resting medium:
// once both ends are seen at one time it has its rest length 100, wherever the
// observer starts. T1 solves (Xn + 10·t - 100)² + 60² = (20·t)²: for Xn = 50,
// 300·t² + 1000·t - 6100 = 0, t = (-1000 + sqrt(8320000))/600 = 3,14073503…
TEST_F(RodWindow, ClassicalRodAtRestAlignsToItsRestLength) {
    auto* f = static_cast<Form10*>(openFromMain());
    f->Option1->setChecked(true); // "Классика в АСО"
    for (const char* xn : {"0", "50"}) {
        typeInto(f, "Text6", xn);
        click(f, "Command13");
        click(f, "Command1");
        EXPECT_NEAR(readNumber(textOf(f, "Text31").toStdString()), 100, 1e-5) << xn;
    }
    EXPECT_NEAR(readNumber(textOf(f, "Text27").toStdString()), 3.1407350339519855, 1e-12);
    EXPECT_NEAR(readNumber(textOf(f, "Text7").toStdString()), 100 - 31.407350339519855, 1e-10);
    EXPECT_TRUE(boxes.shown.empty());
}

// An end below the axis is seen as late as its mirror image above it, whether
// or not an earlier calculation went before. By hand, end 1 at (100; ±60):
// sqrt(100² + 60²) / (10·cos a + sqrt(20² - 10²·sin² a)), tan a = 0,6, = 4,17962.
TEST_F(RodWindow, ClassicalInTheMovingFrameBelowTheAxisMirrorsAbove) {
    auto* f = static_cast<Form10*>(openFromMain());
    f->Option2->setChecked(true); // "Классика в ИСО"
    typeInto(f, "Text3", "-60");
    typeInto(f, "Text4", "-60");
    click(f, "Command13");
    const QString firstBelow = textOf(f, "Text27");
    EXPECT_NEAR(readNumber(firstBelow.toStdString()), 4.17962, 2e-3 * 4.18);

    typeInto(f, "Text3", "60");
    typeInto(f, "Text4", "60");
    typeInto(f, "Text1", "150"); // an earlier, different calculation
    click(f, "Command13");
    typeInto(f, "Text1", "100");
    click(f, "Command13");
    EXPECT_EQ(textOf(f, "Text27"), firstBelow);
    const QString above2 = textOf(f, "Text28");
    typeInto(f, "Text3", "-60");
    typeInto(f, "Text4", "-60");
    click(f, "Command13");
    EXPECT_EQ(textOf(f, "Text27"), firstBelow);
    EXPECT_EQ(textOf(f, "Text28"), above2);
    EXPECT_TRUE(boxes.shown.empty());
}

// A calculation that fails shows its message and leaves no earlier result
// standing as its own.
TEST_F(RodWindow, AFailedCalculationLeavesNoEarlierResult) {
    auto* f = static_cast<Form10*>(openFromMain());
    f->Option2->setChecked(true);
    click(f, "Command13");
    ASSERT_FALSE(textOf(f, "Text27").isEmpty());
    typeInto(f, "Text9", "25"); // the frame outruns the signal
    click(f, "Command13");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("Ошибка рассчета"));
    for (const char* result : {"Text27", "Text28", "Text7", "Text8", "Text31", "Text5"})
        EXPECT_TRUE(textOf(f, result).isEmpty()) << result;
}

// The coordinate time and its alignment fill the same fields whatever the
// interface language; in English nothing Russian is left.
TEST_F(EnglishWindowTest, RodTimesAreTheSameInEnglish) {
    const auto calculate = [this] {
        FormBase* f = open(10);
        click(f, "Command13");
        click(f, "Command1");
        return f;
    };
    applyLanguage(Language::Russian);
    FormBase* f = calculate();
    EXPECT_EQ(textOf(f, "Text5"), QStringLiteral("0,866025")); // sqrt(1 - (10/20)²)
    EXPECT_NE(textOf(f, "Text22"), QStringLiteral("Text22"));  // the alignment ran
    const QMap<QString, QString> russian = fieldTexts(f);
    app->windows.unload(10);
    QApplication::processEvents();

    applyLanguage(Language::English);
    f = calculate();
    EXPECT_EQ(fieldTexts(f), russian);
    typeInto(f, "Text24", QStringLiteral("x"));
    click(f, "Command1");
    ASSERT_EQ(boxes.shown.size(), 1u);
    const QStringList left = russianLeft(f, boxes.shown);
    EXPECT_TRUE(left.isEmpty()) << left.join(QLatin1Char('\n')).toStdString();
}
