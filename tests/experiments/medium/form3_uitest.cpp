#include "canvas/form4.h"
#include "experiments/medium/form3.h"
#include "support/english.h"
#include "support/exact_arrival.h"
#include "support/report_columns.h"
#include "support/ui_helpers.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QRadioButton>
#include <QTest>

using namespace sonrel;
using namespace sonrel::testing;

class MediumWindow : public WindowTest {
protected:
    Form3* form() { return static_cast<Form3*>(open(3)); }
    void quietRun(Form3* f) {
        f->Check6->setChecked(false);
        f->Check1->setChecked(false);
    }
};

TEST_F(MediumWindow, OpensWithDesignDefaults) {
    Form3* f = form();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->objectName(), QStringLiteral("Form3"));
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Sonrel6     form3     Распространение сигнала в "
                                               "среде переменной оптической плотности "));
    const std::pair<const char*, const char*> fields[] = {
        {"Text1", "56,6"}, {"Text5", "50"},    {"Text3", "6"},    {"Text7", "0"},
        {"Text2", "0"},    {"Text6", "0"},     {"Text4", "10"},   {"Text8", "0"},
        {"Text23", "100"}, {"Text33", "0,00"}, {"Text32", "500"}, {"Text34", "160"},
        {"Text35", "90"},  {"Text12", "20"},   {"Text49", "20"},  {"Text50", "0"},
        {"Text9", "1E-3"}, {"Text10", "20"},   {"Text18", "5"},   {"Text19", "5"},
        {"Text27", "0,2"}, {"Text43", "5"},    {"Text21", "1"},   {"Text44", ""}};
    for (const auto& [name, value] : fields)
        EXPECT_EQ(textOf(f, name), QString::fromUtf8(value)) << name;
    // Result fields have no default: they start empty.
    for (const char* result :
         {"Text11", "Text13", "Text14", "Text15", "Text16", "Text17", "Text20", "Text22", "Text24",
          "Text25", "Text26", "Text28", "Text29", "Text30", "Text31", "Text36", "Text37", "Text38",
          "Text39", "Text40", "Text41", "Text42", "Text45", "Text46", "Text47", "Text48", "Text51"})
        EXPECT_EQ(textOf(f, result), QString()) << result;
    for (const char* on : {"Check1", "Check6"})
        EXPECT_TRUE(control<QCheckBox>(f, on)->isChecked()) << on;
    for (const char* off : {"Check2", "Check3", "Check5", "Check7", "Check8", "Check9", "Check10",
                            "Check11", "Check13", "Check14", "Check15"})
        EXPECT_FALSE(control<QCheckBox>(f, off)->isChecked()) << off;
    for (const char* on : {"Option3", "Option5", "Option11"})
        EXPECT_TRUE(control<QRadioButton>(f, on)->isChecked()) << on;
    EXPECT_EQ(control<QAbstractButton>(f, "Command1")->text(),
              QStringLiteral("Начать эксперимент с VXiso, м/с"));
    EXPECT_EQ(control<QAbstractButton>(f, "Command14")->text(),
              QStringLiteral("Очистить график по углам  с М(v/v0), ед/см"));
    EXPECT_EQ(f->picture().pixelAt(5, 5), qRgb(200, 200, 200));
    EXPECT_EQ(f->picture().pixelAt(5.5, 0), qRgb(1, 0, 0));
}

TEST_F(MediumWindow, SourceMovingLeftIsRefused) {
    Form3* f = form();
    typeInto(f, "Text4", "-1");
    click(f, "Command1");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("       Этот эксперимент выполняется  \n"
                                                  "       только при движении источника \n"
                                                  "и только при движении его слева направо"));
    EXPECT_EQ(boxes.shown[0].title, QStringLiteral("Sonrel6"));
    EXPECT_EQ(textOf(f, "Text20"), QString());
}

TEST_F(MediumWindow, BadFieldGivesTheDataMessage) {
    Form3* f = form();
    typeInto(f, "Text32", "0");
    click(f, "Command1");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("Введите правильно данные"));
}

TEST_F(MediumWindow, UndraggedClassicalRunCannotBeContinued) {
    Form3* f = form();
    quietRun(f);
    boxes.answers = {QMessageBox::No};
    click(f, "Command1");
    EXPECT_EQ(textOf(f, "Text20"), QStringLiteral("0"));
    EXPECT_NE(textOf(f, "Text28"), QStringLiteral("0")); // the first beam arrived
    const double T = numberOf(f->Text17);
    click(f, "Command3");
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[1].text,
              QStringLiteral("Если классика в неувлекаемом эфире, то этот эксперимент нельзя "
                             "продолжить.\nА для остановок можно его выполнить в не "
                             "автоматическом режиме, т.е. не Auto."));
    EXPECT_EQ(numberOf(f->Text17), T);
}

TEST_F(MediumWindow, NC0StepsMakeExactlyNC0Steps) {
    Form3* f = form();
    quietRun(f);
    f->Check7->setChecked(true);
    boxes.answers = {QMessageBox::No};
    click(f, "Command1");
    const double T = f->state().T;
    typeInto(f, "Text10", "37");
    click(f, "Command4");
    EXPECT_NEAR(f->state().T - T, 37 * 1e-3, 1e-9);
    f->Option6->setChecked(true);
    f->Check7->setChecked(false);
    click(f, "Command4");
    EXPECT_NEAR(f->state().T - T, 74 * 1e-3, 1e-9);
}

TEST_F(MediumWindow, SearchFindsTheTravelTimeAndLeavesNothingToCalculate) {
    Form3* f = form();
    for (const char* still : {"Text3", "Text4"})
        typeInto(f, still, "0");
    typeInto(f, "Text1", "1");
    f->Check6->setChecked(false);
    click(f, "Command13");
    EXPECT_NEAR(numberOf(f->Text18), std::sqrt(1 + 2500.0) / 20, 0.01);
    EXPECT_EQ(f->Label38->text(), QStringLiteral("T1"));
    f->Check1->setChecked(false);
    const QString before = textOf(f, "Text44");
    click(f, "Command18");
    click(f, "Command4");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(textOf(f, "Text44"), before);
}

TEST_F(MediumWindow, DataTableReadBackGivesTheSamePoints) {
    Form3* f = form();
    quietRun(f);
    boxes.answers = {QMessageBox::Yes, QMessageBox::Yes, QMessageBox::Yes, QMessageBox::No};
    click(f, "Command1");
    f->Check1->setChecked(true);
    MediumExperiment& run = f->experiment();
    ASSERT_EQ(run.k, 5);
    click(f, "Command14");
    click(f, "Command7");
    const std::vector<double> observed = {run.vsr(1), run.vsr(2), run.vsr(3)};
    const std::vector<double> angles = {f->state().Xn2(2), f->state().Yk1(3)};
    typeInto(f, "Text21", "7");
    f->Check3->setChecked(true);
    click(f, "Command6");
    ASSERT_TRUE(QFile::exists(QStringLiteral("Sonrel_7.txt")));
    EXPECT_FALSE(QFile::exists(QStringLiteral("Sonrel7.bmp")));
    for (int i = 1; i <= 3; ++i)
        run.vsr(i) = 0;
    click(f, "Command7");
    EXPECT_TRUE(boxes.shown.size() == 4u) << boxes.shown.size();
    for (int i = 1; i <= 3; ++i)
        EXPECT_NEAR(run.vsr(i), observed[i - 1], 1e-6) << i;
    EXPECT_NEAR(f->state().Xn2(2), angles[0], 1e-6);
    EXPECT_NEAR(f->state().Yk1(3), angles[1], 1e-6);
}

TEST_F(MediumWindow, TableFilesWithUnsafeOrMissingNumbers) {
    Form3* f = form();
    f->Check3->setChecked(true);
    typeInto(f, "Text21", "../x");
    click(f, "Command6");
    typeInto(f, "Text21", "9");
    click(f, "Command7");
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("Ошибка записи в файл"));
    EXPECT_EQ(boxes.shown[1].text, QStringLiteral("Ошибка решения"));
}

TEST_F(MediumWindow, ReportShowsTheLegendAndOneBlockPerArrival) {
    Form3* f = form();
    quietRun(f);
    f->Check5->setChecked(true);
    boxes.answers = {QMessageBox::Yes, QMessageBox::No};
    click(f, "Command1");
    auto* report = static_cast<Form4*>(app->windows.get(4));
    ASSERT_NE(report, nullptr);
    const QString text = report->plainText(false);
    EXPECT_TRUE(text.startsWith(
        QStringLiteral("        1- приемник  2- источник  i - нимер условного периода")));
    // Period 1 is complete; period 2 was opened by the second beam and never
    // closed: it is named as not received, with no frequency.
    EXPECT_TRUE(text.contains(QStringLiteral("обрабатываем сигналы условного периода № 1")));
    EXPECT_FALSE(text.contains(QStringLiteral("периода № 2")));
    EXPECT_EQ(text.count(QStringLiteral("период 2 не принят")), 2);
    EXPECT_TRUE(text.contains(QStringLiteral("№ периода      углы при вылете")));
    EXPECT_FALSE(text.contains(QStringLiteral("1/dT= -")));
}

TEST_F(MediumWindow, PeriodStepAndScaleThatCannotRunAreRefused) {
    struct Case {
        const char *field, *value, *button, *message;
    };
    const Case cases[] = {
        {"Text18", "-5", "Command1", "Ошибка решения"},
        {"Text18", "0", "Command1", "Ошибка решения"},
        {"Text9", "0", "Command1", "Ошибка решения"},
        {"Text9", "-1E-3", "Command1", "Ошибка решения"},
        {"Text19", "0", "Command1", "Ошибка решения"}, // the animation draws with it
        {"Text19", "-5", "Command1", "Ошибка решения"},
        {"Text9", "0", "Command13", "Ошибка рассчета"},
        {"Text19", "-5", "Command13", "Ошибка рассчета"},
    };
    for (const Case& c : cases) {
        Form3* f = form();
        typeInto(f, c.field, c.value);
        boxes.shown.clear();
        click(f, c.button);
        ASSERT_EQ(boxes.shown.size(), 1u) << c.field << " " << c.value;
        EXPECT_EQ(boxes.shown[0].text, QString::fromUtf8(c.message)) << c.field << " " << c.value;
        EXPECT_EQ(boxes.shown[0].title, QStringLiteral("Sonrel6"));
        EXPECT_EQ(f->state().T, 0) << c.field << " " << c.value;
        EXPECT_EQ(textOf(f, "Text20"), QString()) << c.field << " " << c.value;
        app->windows.unload(3);
    }
}

TEST_F(MediumWindow, RunWithAHugeStepStopsAtTheNextEvent) {
    // The fan points down, away from the receiver: no beam ever arrives, so
    // only the stop ends these runs. Each ends at the next event sent to it.
    for (const char* step : {"1E5", "1E15"}) {
        Form3* f = form();
        typeInto(f, "Text9", step);
        typeInto(f, "Text35", "270");
        QTimer::singleShot(0, f, [f] { click(f, "Command2"); });
        click(f, "Command1");
        EXPECT_EQ(f->state().stopFlag, 1) << step;
        EXPECT_EQ(f->experiment().k, 1) << step;
        EXPECT_TRUE(boxes.shown.empty()) << step;
    }
    Form3* f = form();
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f));
    QTimer::singleShot(0, f, [f] { QTest::keyClick(f, Qt::Key_Escape); });
    click(f, "Command1"); // still 1E15
    EXPECT_EQ(f->state().stopFlag, 1);
    EXPECT_EQ(f->experiment().k, 1);
}

TEST_F(MediumWindow, SearchWithNoLayersOrNoRaysIsACalculationError) {
    Form3* f = form();
    for (const char* field : {"Text23", "Text32"}) {
        typeInto(f, "Text23", "100");
        typeInto(f, "Text32", "500");
        typeInto(f, field, "0");
        click(f, "Command13");
        ASSERT_FALSE(boxes.shown.empty()) << field;
        EXPECT_EQ(boxes.shown.back().text, QStringLiteral("Ошибка рассчета")) << field;
    }
    EXPECT_EQ(boxes.shown.size(), 2u);
}

TEST_F(MediumWindow, RunEndedAtTheLimitEndsAgainAtOnce) {
    Form3* f = form();
    f->Check6->setChecked(false);
    f->Check7->setChecked(true); // a dragged medium can be continued
    typeInto(f, "Text9", "0,01");
    typeInto(f, "Text32", "100");
    typeInto(f, "Text3", "10"); // the receiver keeps its distance: no beam is late
    typeInto(f, "Text18", "8");
    click(f, "Command1"); // runs to 20 arrivals, the last past the period record
    ASSERT_EQ(f->experiment().k, 21);
    const auto shown = boxes.shown.size();
    const double T = f->state().T;
    for (const char* button : {"Command3", "Command4"}) {
        click(f, button);
        ASSERT_GT(boxes.shown.size(), shown) << button;
        EXPECT_EQ(boxes.shown.back().text, QStringLiteral("Ошибка решения")) << button;
        EXPECT_EQ(f->state().T, T) << button;
    }
    EXPECT_EQ(boxes.shown.size(), shown + 2);
}

TEST_F(MediumWindow, ClosingTheWindowEndsARunningExperiment) {
    Form3* f = form();
    f->Check6->setChecked(false);
    QTimer::singleShot(50, f, [f] { f->close(); });
    click(f, "Command1");
    EXPECT_LT(f->state().T, 90); // stopped long before the run's own end
    waitFor([&] { return app->windows.get(3) == nullptr; }, 1000);
    EXPECT_EQ(app->windows.get(3), nullptr);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(MediumWindow, AllFrontsRunMeasuresEveryPeriodWithoutTheOverrunQuestion) {
    Form3* f = form();
    QCheckBox* all = control<QCheckBox>(f, "CheckAllFronts");
    EXPECT_EQ(all->text(), QStringLiteral("все фронты"));
    EXPECT_FALSE(all->isChecked());
    f->Check6->setChecked(false);
    all->setChecked(true);
    click(f, "Command1");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(textOf(f, "Text20"), QStringLiteral("19"));
    const auto arrival = [](int k) {
        return exactFrontArrival(k, 5, 56.6, 50, 6, 0, 0, 0, 10, 0, 20);
    };
    const double v19 = 1 / (arrival(20) - arrival(19)); // about 0,1737
    EXPECT_NEAR(numberOf(f->Text24), v19, 0.005 * v19);
    // The ticked box steers the next start, not the run already made.
    all->setChecked(false);
    boxes.answers = {QMessageBox::No};
    click(f, "Command1");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, QStringLiteral("Sonrel5m"));
}

namespace {
// What a medium run leaves behind: its period record, the result fields, the
// boxes it showed and the report.
struct MediumRunRecord {
    std::vector<double> record;
    QStringList fields;
    std::vector<ShownMessage> boxes;
    QString report;
};

MediumRunRecord defaultMediumRun(AppContext& app, MessageBoxAnswerer& boxes) {
    auto* f = static_cast<Form3*>(app.windows.show(3));
    f->Check5->setChecked(true);
    boxes.shown.clear();
    click(f, "Command1");
    MediumRunRecord r;
    const SharedState& st = f->state();
    for (int i = 0; i <= 20; ++i)
        for (double x : {st.Tn1(i), st.Tn2(i), st.Xk1(i), st.Yk1(i), st.Xn2(i), st.Yn2(i),
                         st.QV1(i), st.QV2(i), f->experiment().Tn1p(i), f->experiment().vsr(i)})
            r.record.push_back(x);
    for (const char* name : {"Text20", "Text17", "Text15", "Text16", "Text24", "Text44", "Text26",
                             "Text36", "Text37", "Text38", "Text45", "Text48"})
        r.fields << textOf(f, name);
    r.boxes = boxes.shown;
    r.report = reportWindow(app)->plainText(false);
    return r;
}

void closeMediumWindows(AppContext& app) {
    app.windows.unload(3);
    app.windows.unload(4);
    QApplication::processEvents();
}
} // namespace

TEST_F(EnglishWindowTest, MediumDefaultRunAndItsTableAreTheSameInEnglish) {
    applyLanguage(Language::Russian);
    const MediumRunRecord ru = defaultMediumRun(*app, boxes);
    auto* f = static_cast<Form3*>(app->windows.get(3));
    f->Check3->setChecked(true);
    typeInto(f, "Text21", "7");
    click(f, "Command6");
    closeMediumWindows(*app);

    applyLanguage(Language::English);
    const MediumRunRecord en = defaultMediumRun(*app, boxes);
    EXPECT_EQ(en.record, ru.record);
    EXPECT_EQ(en.fields, ru.fields);
    EXPECT_EQ(en.fields[0], QStringLiteral("9"));

    // The run warns once that a beam started late (beam 10, after which it
    // stops); the warning's numbers are the same in both languages.
    ASSERT_EQ(ru.boxes.size(), 1u);
    ASSERT_EQ(en.boxes.size(), 1u);
    EXPECT_EQ(en.boxes[0].title, QStringLiteral("Sonrel5m"));
    EXPECT_FALSE(hasCyrillic(en.boxes[0].text)) << en.boxes[0].text.toStdString();
    // It ends with the same question every window asks (the catalogue's one wording).
    EXPECT_TRUE(en.boxes[0].text.endsWith(
        QCoreApplication::translate("Message", "ПРОДОЛЖИТЬ ЭКСПЕРИМЕНТ")));
    EXPECT_TRUE(en.boxes[0].text.startsWith(
        QStringLiteral("              THE PROGRAM IS NOT WORKING CORRECTLY\n")));
    const auto numbersLine = [](const QString& text) {
        return lineStartingWith(text, QStringLiteral("           Tk1(N)= "));
    };
    EXPECT_FALSE(numbersLine(ru.boxes[0].text).isEmpty());
    EXPECT_EQ(numbersLine(en.boxes[0].text), numbersLine(ru.boxes[0].text));

    // The English report: no Russian left, its table's columns where the
    // Russian ones are, and the same numbers in its rows.
    EXPECT_TRUE(ru.report.contains(QStringLiteral("обрабатываем сигналы условного периода № 1")));
    EXPECT_FALSE(hasCyrillic(en.report)) << en.report.toStdString();
    EXPECT_TRUE(
        en.report.contains(QStringLiteral("processing the signals of nominal period No. 1")));
    EXPECT_TRUE(en.report.contains(QStringLiteral("period 10 not received")));
    const QString ruHeader = lineStartingWith(ru.report, QStringLiteral("№ периода"));
    const QString enHeader = lineStartingWith(en.report, QStringLiteral("period No."));
    ASSERT_EQ(columnStarts(ruHeader).size(), 4u);
    EXPECT_EQ(columnStarts(enHeader), columnStarts(ruHeader));
    EXPECT_FALSE(lineStartingWith(ru.report, QStringLiteral("   7 ")).isEmpty());
    EXPECT_EQ(lineStartingWith(en.report, QStringLiteral("   7 ")),
              lineStartingWith(ru.report, QStringLiteral("   7 ")));

    // A table written under English is the same file and reads back under
    // Russian with the run's points.
    f = static_cast<Form3*>(app->windows.get(3));
    f->Check3->setChecked(true);
    typeInto(f, "Text21", "8");
    click(f, "Command6");
    QFile ruTable(QStringLiteral("Sonrel_7.txt")), enTable(QStringLiteral("Sonrel_8.txt"));
    ASSERT_TRUE(ruTable.open(QIODevice::ReadOnly));
    ASSERT_TRUE(enTable.open(QIODevice::ReadOnly));
    const QByteArray written = enTable.readAll();
    EXPECT_EQ(written, ruTable.readAll());
    EXPECT_TRUE(written.startsWith(
        QStringLiteral("Классика в среде с переменной оптической плотностью при VXiso= 0")
            .toUtf8()));
    closeMediumWindows(*app);

    applyLanguage(Language::Russian);
    f = static_cast<Form3*>(app->windows.show(3));
    f->Check3->setChecked(true);
    typeInto(f, "Text21", "8");
    const std::size_t shown = boxes.shown.size();
    click(f, "Command7");
    EXPECT_EQ(boxes.shown.size(), shown); // read and plotted without a question
    const SharedState& st = f->state();
    for (int i = 1; i <= 9; ++i) {
        const std::size_t at = 10 * static_cast<std::size_t>(i);
        EXPECT_NEAR(st.Tn1(i), ru.record[at], 1e-6) << i;
        EXPECT_NEAR(f->experiment().Tn1p(i), ru.record[at + 8], 1e-6) << i;
        EXPECT_NEAR(st.QV2(i) * st.degPerRad, ru.record[at + 7] * st.degPerRad, 1e-6) << i;
        // The observed point of period i: one over the receiver's period.
        EXPECT_NEAR(f->experiment().vsr(i), 1 / (ru.record[at + 10 + 8] - ru.record[at + 8]), 1e-4)
            << i;
    }
}
