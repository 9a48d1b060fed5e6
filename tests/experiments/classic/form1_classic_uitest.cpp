#include "app/form1.h"
#include "base/numbers.h"
#include "canvas/form4.h"
#include "support/ui_helpers.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QRegularExpression>
#include <QTimer>

using namespace sonrel;
using namespace sonrel::testing;

namespace {

const QString kTooShort =
    QStringLiteral("Период формирования нового фронта волны не должен быть меньше \n"
                   "    времени распространения сигнала предыдущего фронта волны");

class ClassicExperiment : public WindowTest {
protected:
    Form1* form() { return static_cast<Form1*>(app->windows.get(1)); }
    // Manual mode answered No at the first arrival: the run stops at the
    // next display step, with front 1 received.
    void runToFirstArrival() {
        click(form(), "Command13");
        form()->Check1->setChecked(false);
        boxes.answers = {QMessageBox::No};
        click(form(), "Command1");
    }
};

} // namespace

TEST_F(ClassicExperiment, PeriodSettingShowsTravelTimeAndFrequency) {
    click(form(), "Command13");
    EXPECT_EQ(textOf(form(), "Text17"), QStringLiteral("4,9999999841129"));
    EXPECT_EQ(textOf(form(), "Text24"), QStringLiteral("0,2"));
    EXPECT_TRUE(boxes.shown.empty());
    // The first line of sight is drawn from the first emission point (0, 0).
    bool sightLine = false;
    for (double dy = -0.1; dy <= 0.1 && !sightLine; dy += 0.02)
        sightLine =
            form()->picture().pixelAt(0.3 * 11.320508, 0.3 * 10 + 0.05 + dy) == qRgb(255, 0, 255);
    EXPECT_TRUE(sightLine);
    // The same long value written again is still shown from its start.
    click(form(), "Command13");
    EXPECT_EQ(form()->Text17->cursorPosition(), 0);

    // With every front in flight a front does not wait for the one before:
    // no notice; one front at a time the notice comes.
    typeInto(form(), "Text1", "200");
    form()->CheckAllFronts->setChecked(true);
    click(form(), "Command13");
    EXPECT_TRUE(boxes.shown.empty());
    form()->CheckAllFronts->setChecked(false);
    click(form(), "Command13");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, kTooShort);
    EXPECT_EQ(boxes.shown[0].title, QStringLiteral("Sonrel5m"));

    // A period or a picture scale not above zero is refused; v0 keeps 0,2.
    typeInto(form(), "Text1", "86,60254");
    const std::pair<const char*, const char*> refused[] = {
        {"Text18", "0"}, {"Text18", "-5"}, {"Text19", "0"}, {"Text19", "-5"}};
    std::size_t shown = 1;
    for (const auto& [field, text] : refused) {
        const QString kept = textOf(form(), field);
        typeInto(form(), field, QString::fromLatin1(text));
        click(form(), "Command13");
        ASSERT_EQ(boxes.shown.size(), ++shown) << field << " " << text;
        EXPECT_EQ(boxes.shown.back().text, QStringLiteral("Ошибка рассчета"));
        EXPECT_EQ(boxes.shown.back().title, QStringLiteral("Sonrel5m"));
        EXPECT_EQ(textOf(form(), "Text24"), QStringLiteral("0,2")) << field << " " << text;
        typeInto(form(), field, kept);
    }

    typeInto(form(), "Text12", "двадцать");
    click(form(), "Command13");
    ASSERT_EQ(boxes.shown.size(), shown + 1);
    EXPECT_EQ(boxes.shown.back().text, QStringLiteral("Введите правильно данные"));
    EXPECT_EQ(boxes.shown.back().title, QStringLiteral("Sonrel5m"));
}

TEST_F(ClassicExperiment, NothingRunsWithoutAValidStart) {
    click(form(), "Command1");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("Введите правильно данные"));
    EXPECT_EQ(boxes.shown[0].title, QStringLiteral("Sonrel6"));
    EXPECT_EQ(app->state.frontIndex, 0); // the run did not start

    // Continue and NC0 steps with nothing started do nothing at all.
    click(form(), "Command13");
    const QString travel = textOf(form(), "Text17");
    auto nothingToResume = [&](const char* when) {
        click(form(), "Command3");
        click(form(), "Command4");
        EXPECT_EQ(boxes.shown.size(), 1u) << when;
        EXPECT_EQ(app->state.frontIndex, 0) << when;
        EXPECT_EQ(app->state.T, 0) << when;
        EXPECT_EQ(textOf(form(), "Text17"), travel) << when;
        EXPECT_EQ(textOf(form(), "Text18"), QStringLiteral("5")) << when;
        EXPECT_TRUE(textOf(form(), "Text13").isEmpty()) << when;
    };
    nothingToResume("after the period setting");

    // A period, a step or a picture scale not above zero: no run starts.
    const std::pair<const char*, const char*> refused[] = {{"Text18", "0"}, {"Text18", "-5"},
                                                           {"Text9", "0"},  {"Text9", "-1E-3"},
                                                           {"Text19", "0"}, {"Text19", "-5"}};
    std::size_t shown = 1;
    for (const auto& [field, text] : refused) {
        const QString kept = textOf(form(), field);
        typeInto(form(), field, QString::fromLatin1(text));
        click(form(), "Command1");
        ASSERT_EQ(boxes.shown.size(), ++shown) << field << " " << text;
        EXPECT_EQ(boxes.shown.back().text, QStringLiteral("Ошибка решения"));
        EXPECT_EQ(boxes.shown.back().title, QStringLiteral("Sonrel6"));
        EXPECT_EQ(app->state.frontIndex, 0) << field << " " << text;
        typeInto(form(), field, kept);
    }
    boxes.shown.resize(1);
    nothingToResume("after refused starts");
}

TEST_F(ClassicExperiment, ManualNoStopsAndNc0StepsMakeExactlyNc0Steps) {
    runToFirstArrival();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("ПРОДОЛЖИТЬ ЭКСПЕРИМЕНТ"));
    EXPECT_EQ(boxes.shown[0].title, QStringLiteral("Sonrel5"));
    SharedState& s = app->state;
    EXPECT_EQ(s.frontIndex, 1);
    EXPECT_EQ(s.stepCount, 0);
    EXPECT_EQ(textOf(form(), "Text17"), qs(formatNumber(s.T)));
    const double before = s.T;
    typeInto(form(), "Text10", "7");
    click(form(), "Command4");
    EXPECT_NEAR(s.T - before, 7 * 0.001, 1e-9);
    EXPECT_EQ(textOf(form(), "Text13"), qs(formatNumber(s.X(1))));
    EXPECT_EQ(textOf(form(), "Text11"), qs(formatNumber(s.R)));
}

TEST_F(ClassicExperiment, StopButtonEndsARunAtItsNextDisplayStep) {
    form()->Check5->setChecked(true);
    click(form(), "Command13");
    QTimer::singleShot(0, [this] { click(form(), "Command2"); });
    click(form(), "Command1");
    const SharedState& s = app->state;
    EXPECT_EQ(s.stopFlag, 1);
    EXPECT_EQ(s.stepCount, 0);
    EXPECT_GT(s.T, 0);
    EXPECT_TRUE(boxes.shown.empty());
    // Continue resumes from where the run stopped.
    const double stoppedAt = s.T;
    QTimer::singleShot(0, [this] { click(form(), "Command2"); });
    click(form(), "Command3");
    EXPECT_GT(s.T, stoppedAt);

    // NC0 steps pressed during a run runs inside it; its stop request then
    // ends the outer run at its next display step as well.
    double innerEnd = 0;
    QTimer::singleShot(0, [&] {
        click(form(), "Command4");
        innerEnd = s.T;
    });
    click(form(), "Command3");
    EXPECT_GT(innerEnd, 0);
    EXPECT_NEAR(s.T, innerEnd, 20 * 0.001 + 1e-9);
    EXPECT_EQ(s.stepCount, 0);
    EXPECT_TRUE(boxes.shown.empty());
    // Every end of the run wrote its report afresh, never over the last one.
    const QString text = static_cast<Form4*>(app->windows.get(4))->plainText();
    EXPECT_EQ(text.count(QStringLiteral("1- приемник  2- источник")), 1);
    EXPECT_EQ(text.count(QStringLiteral("№ периода      угол")), 1);
}

TEST_F(ClassicExperiment, FullRunWithReportPrintsEveryPeriod) {
    typeInto(form(), "Text9", "0,01"); // coarser steps keep the run short
    form()->Check5->setChecked(true);
    click(form(), "Command13");
    click(form(), "Command1");
    // The twentieth front completes the run: after the warning no box follows.
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(boxes.shown[0].text.startsWith(QStringLiteral("ПРОГРАММА РАБОТАЕТ НЕ КООРЕКТНО")));
    EXPECT_TRUE(form()
                    ->findChild<QLabel*>(QStringLiteral("StatusLine"))
                    ->text()
                    .endsWith(QStringLiteral("\nэксперимент завершен: принято 20 фронтов")));
    EXPECT_EQ(app->state.frontIndex, 21);
    auto* report = static_cast<Form4*>(app->windows.get(4));
    ASSERT_NE(report, nullptr);
    // The report begins with the run's inputs, then its own legend.
    EXPECT_TRUE(report->plainText().startsWith(QStringLiteral("программа = Sonrel6 ")));
    EXPECT_TRUE(report->plainText().contains(QStringLiteral("\nX1n = 86,60254\n")));
    const QStringList lines = report->plainText(false).split('\n');
    EXPECT_EQ(lines[0], QStringLiteral("        1- приемник  2- источник  i - нимер периода "
                                       "сигнала передатчика"));
    EXPECT_EQ(lines.filter(QStringLiteral("обрабатываем данные приема сигнала периода №")).size(),
              19);
    const int head = lines.indexOf(QStringLiteral("             обрабатываем данные приема "
                                                  "сигнала периода № 1"));
    ASSERT_GT(head, 0);
    EXPECT_EQ(lines[head + 2], QStringLiteral(" Tn2(1) = 0        Xn2(1) = 0        Yn2(1) = 0"));
    EXPECT_TRUE(lines.contains(
        QStringLiteral("№ периода      угол       наблюдаемая частота     расчетная частота ")));
    // Period 20 ends with front 21, beyond the record: named, not measured.
    EXPECT_TRUE(lines.filter(QRegularExpression("^   20         ")).isEmpty());
    EXPECT_EQ(lines.count(QStringLiteral("период 20 не принят")), 2); // block and row
    report->copyReport();
    EXPECT_EQ(QApplication::clipboard()->text(), report->plainText());
}

TEST_F(ClassicExperiment, ClosingTheWindowOrExitDuringARunEndsItCleanly) {
    click(form(), "Command13");
    QTimer::singleShot(50, [this] { form()->close(); });
    click(form(), "Command1");
    EXPECT_EQ(app->windows.get(1), nullptr);
    EXPECT_TRUE(boxes.shown.empty());

    app->windows.show(1);
    form()->Check5->setChecked(true);
    click(form(), "Command13");
    QTimer::singleShot(50, [this] { click(form(), "Command16"); });
    click(form(), "Command1");
    waitFor([&] { return app->windows.get(1) == nullptr; }, 500);
    EXPECT_EQ(app->windows.get(1), nullptr);
    EXPECT_EQ(app->windows.get(4), nullptr); // no report window brought back
}

namespace {
// The numbers that `re` captures in the report's lines: the observed
// frequency of the table rows, or the v1/v0 of the experimental points.
std::vector<double> reportNumbers(const QString& report, const QRegularExpression& re) {
    std::vector<double> v;
    for (const QString& line : report.split('\n')) {
        const auto m = re.match(line);
        if (m.hasMatch()) v.push_back(readNumber(m.captured(1).toStdString()));
    }
    return v;
}
const QRegularExpression kTableRow("^   \\d+         \\S+         (\\S+)        \\S+$");
const QRegularExpression kPointLine("^N= \\d+ .*v1/v0 = (\\S+)$");
} // namespace

TEST_F(ClassicExperiment, AnUnreceivedLastPeriodIsNamedNotMeasured) {
    form()->Check5->setChecked(true);
    auto report = [this] { return static_cast<Form4*>(app->windows.get(4)); };

    // T00 = 10 s in manual mode: at front 8 the period has become shorter than
    // the travel time, and No to that warning ends the run with period 7 open.
    typeInto(form(), "Text18", "10");
    form()->Check1->setChecked(false);
    click(form(), "Command13");
    boxes.defaultAnswer = QMessageBox::Yes;
    for (int k = 0; k < 7; ++k)
        boxes.answers.push_back(QMessageBox::Yes);
    boxes.answers.push_back(QMessageBox::No);
    click(form(), "Command1");
    ASSERT_EQ(app->state.frontIndex, 8);
    QStringList lines = report()->plainText().split('\n');
    EXPECT_EQ(lines.filter(QStringLiteral("обрабатываем данные приема сигнала периода №")).size(),
              6);
    EXPECT_EQ(lines.count(QStringLiteral("период 7 не принят")), 2);
    std::vector<double> v = reportNumbers(report()->plainText(), kTableRow);
    ASSERT_EQ(v.size(), 6u);
    for (double f : v)
        EXPECT_GT(f, 0.05); // about 1/11 s at most
    // The graph gets a point for each of the six received periods only.
    click(form(), "Command14");
    click(form(), "Command7");
    EXPECT_TRUE(report()->plainText().split('\n').contains(QStringLiteral("период 7 не принят")));
    v = reportNumbers(report()->plainText(), kPointLine);
    ASSERT_EQ(v.size(), 6u);
    for (double f : v)
        EXPECT_GT(f, 0.25); // v/v0 with v0 = 0,1

    // The default run ends at the twentieth front: period 20 is not received.
    typeInto(form(), "Text18", "5");
    typeInto(form(), "Text9", "0,01");
    form()->Check1->setChecked(true);
    click(form(), "Command13");
    click(form(), "Command1");
    ASSERT_EQ(app->state.frontIndex, 21);
    v = reportNumbers(report()->plainText(), kTableRow);
    ASSERT_EQ(v.size(), 19u);
    // One front at a time: the late periods come out too long, down to
    // 1/8,07 s ≈ 0,124 Hz where the exact arrivals give 0,174.
    for (double f : v)
        EXPECT_GT(f, 0.12);
    click(form(), "Command7");
    v = reportNumbers(report()->plainText(), kPointLine);
    ASSERT_EQ(v.size(), 19u); // periods 1 to 19, all received
    for (double f : v)
        EXPECT_GT(f, 0.6);

    // With every front in flight the same run measures every period right:
    // between the exact 0,1737 Hz of period 19 and 0,256 Hz of period 1.
    form()->CheckAllFronts->setChecked(true);
    click(form(), "Command13");
    click(form(), "Command1");
    ASSERT_EQ(app->state.frontIndex, 21);
    v = reportNumbers(report()->plainText(), kTableRow);
    ASSERT_EQ(v.size(), 19u);
    for (double f : v) {
        EXPECT_GT(f, 0.172);
        EXPECT_LT(f, 0.258);
    }
    click(form(), "Command7");
    v = reportNumbers(report()->plainText(), kPointLine);
    ASSERT_EQ(v.size(), 19u);
    for (double f : v)
        EXPECT_GE(f, 0.86); // v/v0 to two places
}
