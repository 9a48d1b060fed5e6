#include "base/numbers.h"
#include "canvas/form4.h"
#include "experiments/relativity/form9.h"
#include "support/english.h"
#include "support/exact_arrival.h"
#include "support/ui_helpers.h"

#include <QCheckBox>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

using namespace sonrel;
using namespace sonrel::testing;

class ComparisonWindow : public WindowTest {
protected:
    Form9* form() { return static_cast<Form9*>(open(9)); }
    void tick(Form9* f, const char* name, bool on) { control<QCheckBox>(f, name)->setChecked(on); }
    void choose(Form9* f, const char* name) { control<QRadioButton>(f, name)->setChecked(true); }
};

TEST_F(ComparisonWindow, OpensWithDesignDefaults) {
    Form9* f = form();
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Sonrel6     form9     Сравнение двух вариантов "
                                               "представления принципа относительности "));
    const std::pair<const char*, const char*> fields[] = {
        {"Text1", "56,6"},  {"Text5", "50"},   {"Text3", "6"},   {"Text7", "0"},
        {"Text2", "0"},     {"Text6", "0"},    {"Text4", "10"},  {"Text8", "0"},
        {"Text12", "20"},   {"Text32", "500"}, {"Text35", "89"}, {"Text34", "180"},
        {"Text9", "15E-4"}, {"Text18", "5"},   {"Text50", "0"},  {"Text49", "0"},
        {"Text10", "100"},  {"Text74", "100"}, {"Text19", "5"},  {"Text27", "0,2"},
        {"Text43", "5"},    {"Text21", "1"},   {"Text20", "0"},  {"Text22", "0,2"}};
    for (const auto& [name, value] : fields)
        EXPECT_EQ(textOf(f, name), QString::fromUtf8(value)) << name;
    // The fields the design gives no value start empty, not with their names.
    int empty = 0;
    for (const QLineEdit* e : f->findChildren<QLineEdit*>()) {
        if (std::any_of(std::begin(fields), std::end(fields),
                        [&](const auto& d) { return e->objectName() == QLatin1String(d.first); }))
            continue;
        EXPECT_EQ(e->text(), QString()) << e->objectName().toStdString();
        ++empty;
    }
    EXPECT_GE(empty, 30); // the display fields
    for (const char* on :
         {"Check1", "Check2", "Check6", "Option2", "Option5", "Option11", "Option3"})
        EXPECT_TRUE(control<QAbstractButton>(f, on)->isChecked()) << on;
    EXPECT_EQ(control<QAbstractButton>(f, "Command4")->text(),
              QStringLiteral("NC0 шагов при NC0 ="));
    EXPECT_EQ(control<QAbstractButton>(f, "Check19")->text(), QStringLiteral("+Т2=T1"));
    // The animation grid is drawn at load.
    EXPECT_EQ(f->picture().pixelAt(5, 7), qRgb(200, 200, 200));
}

TEST_F(ComparisonWindow, StartRefusesWhatTheExperimentCannotModel) {
    Form9* f = form();
    struct Case {
        std::function<void()> set;
        const char* expected;
    } cases[] = {
        // A period, a step or a scale not above zero cannot be run with.
        {[&] { typeInto(f, "Text18", "-5"); }, "Ошибка решения"},
        {[&] { typeInto(f, "Text18", "0"); }, "Ошибка решения"},
        {[&] { typeInto(f, "Text9", "0"); }, "Ошибка решения"},
        {[&] { typeInto(f, "Text9", "-1E-3"); }, "Ошибка решения"},
        {[&] { typeInto(f, "Text19", "-5"); }, "Ошибка решения"},
        {[&] {
             tick(f, "Check16", true);
             typeInto(f, "Text27", "0");
         },
         "Ошибка решения"},
        {[&] {
             tick(f, "Check13", true);
             typeInto(f, "Text43", "-5");
         },
         "Ошибка решения"},
        {[&] {
             choose(f, "Option1");
             choose(f, "Option6");
             typeInto(f, "Text7", "1");
         },
         " при VY(1) или VY(2) не равных нулю "},
        {[&] { typeInto(f, "Text4", "-1"); }, "только при движении источника"},
        {[&] { typeInto(f, "Text6", "60"); }, "если источник находится не выше приемника"},
        {[&] {
             tick(f, "Check8", true);
             choose(f, "Option2");
         },
         "выполняется только для СТО"},
    };
    for (auto& c : cases) {
        click(f, "Command10");
        for (auto [name, value] :
             {std::pair{"Text18", "5"}, std::pair{"Text9", "15E-4"}, std::pair{"Text19", "5"},
              std::pair{"Text27", "0,2"}, std::pair{"Text43", "5"}})
            typeInto(f, name, QString::fromUtf8(value));
        tick(f, "Check16", false);
        tick(f, "Check13", false);
        tick(f, "Check8", false);
        choose(f, "Option2");
        choose(f, "Option5");
        c.set();
        boxes.shown.clear();
        click(f, "Command1");
        ASSERT_EQ(boxes.shown.size(), 1u) << c.expected;
        EXPECT_TRUE(boxes.shown[0].text.contains(QString::fromUtf8(c.expected))) << c.expected;
        EXPECT_EQ(boxes.shown[0].title, QStringLiteral("Sonrel6"));
        EXPECT_EQ(textOf(f, "Text20"), QStringLiteral("0"));
        EXPECT_EQ(f->state().stepCount, 0);
    }
    // "+" selects СТО before refusing a frame other than АСО.
    EXPECT_TRUE(control<QRadioButton>(f, "Option6")->isChecked());
    // The T00 search refuses a step or a picture scale not above zero, and
    // leaves T00 as it was.
    choose(f, "Option2");
    tick(f, "Check8", false);
    for (auto [name, value] : {std::pair{"Text9", "0"}, std::pair{"Text19", "-5"}}) {
        typeInto(f, "Text9", "15E-4");
        typeInto(f, "Text19", "5");
        typeInto(f, name, value);
        boxes.shown.clear();
        click(f, "Command13");
        ASSERT_EQ(boxes.shown.size(), 1u) << name;
        EXPECT_EQ(boxes.shown[0].text, QStringLiteral("Ошибка рассчета")) << name;
        EXPECT_EQ(textOf(f, "Text18"), QStringLiteral("5")) << name;
    }
}

TEST_F(ComparisonWindow, StopAtStartShowsTheClocksWithoutAStep) {
    Form9* f = form();
    tick(f, "Check14", true);
    choose(f, "Option6");
    typeInto(f, "Text50", "10");
    click(f, "Command1");
    EXPECT_TRUE(boxes.shown.empty());
    const double k = std::sqrt(1 - 0.25);
    // ИСО clocks at the receiver read -(VXiso X1 / Vs²) / kTiso.
    EXPECT_EQ(textOf(f, "Text41"), QString::fromStdString(formatTrunc(-(10 * 56.6 / 400) / k, 6)));
    // In ИСО the source is carried along its path to the receiver's clock reading.
    EXPECT_EQ(textOf(f, "Text42"), textOf(f, "Text41"));
    EXPECT_EQ(textOf(f, "Text60"), QString::fromStdString(formatTrunc(k, 6)));
    EXPECT_TRUE(textOf(f, "Text17").startsWith(textOf(f, "Text71")));
    EXPECT_EQ(f->state().stepCount, 0);
    EXPECT_TRUE(control<QCheckBox>(f, "Check19")->isChecked()); // СТО in ИСО carries the source
}

TEST_F(ComparisonWindow, NC0StepsAndContinueFollowTheRunKind) {
    Form9* f = form();
    tick(f, "Check6", false);
    typeInto(f, "Text10", "7");
    tick(f, "Check14", true);
    click(f, "Command1");
    click(f, "Command4");
    EXPECT_EQ(textOf(f, "Text17"), QString::fromStdString(formatNumber(f->state().T)));
    // After a T00 search only a new start runs the model.
    click(f, "Command13");
    EXPECT_TRUE(textOf(f, "Text18").startsWith(QStringLiteral("4,99")) ||
                textOf(f, "Text18").startsWith(QStringLiteral("5")));
    const double afterSearch = f->state().T;
    click(f, "Command3");
    click(f, "Command4");
    EXPECT_DOUBLE_EQ(f->state().T, afterSearch);
    // A search that cannot end (the receiver outside a cone pointing down
    // to the right) stopped by "Остановить" leaves T00 and v0 as they were.
    typeInto(f, "Text18", "7,5");
    const QString v0 = textOf(f, "Text54");
    typeInto(f, "Text35", "-45");
    typeInto(f, "Text34", "10");
    // "Остановить" once the search has run past the earlier search's time.
    bool stopped = false;
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, f, [&] {
        if (f->state().T <= afterSearch + 10 * 15e-4) return;
        poll.stop();
        stopped = true;
        click(f, "Command2");
    });
    poll.start();
    click(f, "Command13");
    poll.stop();
    EXPECT_TRUE(stopped);
    EXPECT_EQ(textOf(f, "Text18"), QStringLiteral("7,5"));
    EXPECT_EQ(textOf(f, "Text54"), v0);
}

TEST_F(ComparisonWindow, InitialStateButtons) {
    Form9* f = form();
    for (const char* name :
         {"Text1", "Text5", "Text3", "Text7", "Text2", "Text6", "Text4", "Text8"})
        typeInto(f, name, "3");
    click(f, "Command10");
    EXPECT_EQ(textOf(f, "Text1"), QStringLiteral("56,6"));
    EXPECT_EQ(textOf(f, "Text4"), QStringLiteral("10"));
    EXPECT_EQ(textOf(f, "Text6"), QStringLiteral("0"));
    // A classical start with VXiso = 0 converts nothing: the copy gives the same state.
    tick(f, "Check14", true);
    click(f, "Command1");
    click(f, "Command11");
    const std::pair<const char*, const char*> same[] = {
        {"Text1", "56,6"}, {"Text5", "50"}, {"Text3", "6"},  {"Text7", "0"},
        {"Text2", "0"},    {"Text6", "0"},  {"Text4", "10"}, {"Text8", "0"}};
    for (const auto& [name, value] : same)
        EXPECT_EQ(textOf(f, name), QString::fromUtf8(value));
    // Back from ИСО with СТО: 10 m/s composed with VXiso = 10 at Vs = 20.
    choose(f, "Option6");
    typeInto(f, "Text50", "10");
    click(f, "Command9");
    EXPECT_EQ(textOf(f, "Text48"), QString::fromStdString(formatNumber(20 / 1.25)));
    typeInto(f, "Text11", "x");
    click(f, "Command9");
    EXPECT_TRUE(boxes.sawText(QStringLiteral("Задайте правильно данные ")));
    // "+" selects АСО.
    tick(f, "Check8", true);
    EXPECT_TRUE(control<QRadioButton>(f, "Option1")->isChecked());
}

TEST_F(ComparisonWindow, TableWrittenAndReadBackRedrawsTheRunsPoints) {
    Form9* f = form();
    tick(f, "Check6", false);
    typeInto(f, "Text18", "10");
    typeInto(f, "Text10", "20000");
    tick(f, "Check14", true);
    click(f, "Command1");
    click(f, "Command4"); // 30 s of model time: three beams arrive
    ASSERT_GE(f->model().N, 4);
    tick(f, "Check3", true);
    typeInto(f, "Text21", "7");
    click(f, "Command6");
    ASSERT_TRUE(QFile::exists(QStringLiteral("Sonrel_7.txt")));
    tick(f, "Check3", false);
    click(f, "Command14");
    click(f, "Command7");
    const QImage fromRun = f->picture().image().copy();
    const double ratio = numberOf(control<QLineEdit>(f, "Text33"));
    click(f, "Command1"); // a different run overwrites the record
    tick(f, "Check3", true);
    click(f, "Command14");
    click(f, "Command7");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(f->picture().image(), fromRun);
    // The table keeps millionths of v0.
    EXPECT_NEAR(numberOf(control<QLineEdit>(f, "Text33")), ratio, 1e-5);
}

TEST_F(ComparisonWindow, FileFailuresAreReported) {
    Form9* f = form();
    tick(f, "Check3", true);
    typeInto(f, "Text21", "a/b");
    click(f, "Command6");
    EXPECT_TRUE(boxes.sawText(QStringLiteral("Ошибка записи в файл")));
    typeInto(f, "Text21", "404");
    click(f, "Command7");
    EXPECT_TRUE(boxes.sawText(QStringLiteral("Ошибка решения")));
    QFile broken(QStringLiteral("Sonrel_5.txt"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("title\r\n1 2 3\r\n");
    broken.close();
    boxes.shown.clear();
    typeInto(f, "Text21", "5");
    click(f, "Command7");
    EXPECT_TRUE(boxes.sawText(QStringLiteral("Ошибка решения")));
}

TEST_F(ComparisonWindow, ClosingDuringARunEndsIt) {
    Form9* f = form();
    tick(f, "Check6", false);
    typeInto(f, "Text18", "1000");
    QTimer::singleShot(50, f, [f] { f->close(); });
    click(f, "Command1");
    EXPECT_EQ(app->windows.get(9), nullptr);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(ComparisonWindow, DefaultRunAsksOnceAboutTheOverrunAndReportsOnlyReceivedPeriods) {
    Form9* f = form();
    tick(f, "Check5", true);
    QTimer guard; // a run that never ends is closed (and the test fails)
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, f, [f] { f->close(); });
    guard.start(120000);
    click(f, "Command1"); // every question answered "Да"
    guard.stop();
    ASSERT_NE(app->windows.get(9), nullptr);
    // Front 10 needs longer than T00 = 5 s, so beam 11 cannot leave in time;
    // the run asks once and, with nothing more to receive, stops by itself.
    int overrun = 0;
    for (const auto& m : boxes.shown) {
        EXPECT_NE(m.text, QStringLiteral("Ошибка решения"));
        if (m.text.contains(QStringLiteral("ПРОГРАММА РАБОТАЕТ НЕ КООРЕКТНО"))) {
            ++overrun;
            EXPECT_EQ(m.title, QStringLiteral("Sonrel6"));
            EXPECT_TRUE(m.text.contains(QStringLiteral("Tk1(10)= "))) << m.text.toStdString();
            EXPECT_TRUE(m.text.contains(QStringLiteral("  >   Tn2(11)=   50")));
        }
    }
    EXPECT_EQ(overrun, 1);
    EXPECT_EQ(textOf(f, "Text20"), QStringLiteral("9"));
    // The source has passed the next emission point with no beam in flight:
    // the run has ended by itself, its ten fronts received.
    EXPECT_TRUE(control<QLabel>(f, "StatusLine")
                    ->text()
                    .endsWith(QStringLiteral("\nэксперимент завершен: принято 10 фронтов")))
        << control<QLabel>(f, "StatusLine")->text().toStdString();

    // Periods 1..9 by the exact meeting of each front with the receiver;
    // the beam finds the receiver up to a step late or r·dθ/Vs early.
    auto arrival = [](int k) { return exactFrontArrival(k, 5, 56.6, 50, 6, 0, 0, 0, 10, 0, 20); };
    const double dTheta = 180.0 / 500 * std::acos(-1.0) / 180;
    auto* report = static_cast<Form4*>(app->windows.get(4));
    ASSERT_NE(report, nullptr);
    const QString text = report->plainText(false);
    const QRegularExpression observed(QStringLiteral(
        R"(по часам ИСО   dT= Tn1\((\d+)\) - Tn1\((\d+)\) = \S+    v\(\d+\) = 1/dT=\s+(\S+))"));
    int periods = 0;
    for (auto it = observed.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        const int i = match.captured(2).toInt();
        ++periods;
        ASSERT_LE(i, 9);
        const double v = readNumber(match.captured(3).toStdString());
        const double a = arrival(i), b = arrival(i + 1);
        const double tol = 2 * (15e-4 + 20 * (b - 5 * i) * dTheta / 20);
        EXPECT_NEAR(v, 1 / (b - a), tol / ((b - a) * (b - a)) * 1.1) << "period " << i;
    }
    EXPECT_EQ(periods, 9);
    EXPECT_TRUE(text.contains(QStringLiteral("обрабатываем сигналы периода № 9")));
    EXPECT_FALSE(text.contains(QStringLiteral("обрабатываем сигналы периода № 10")));
    EXPECT_TRUE(text.contains(QStringLiteral("период 10 не принят")));
    EXPECT_FALSE(text.contains(QStringLiteral("=       -")));
    EXPECT_FALSE(text.contains(QStringLiteral("=   -")));

    // The graph's last observed point is period 9, by the receiver's clock.
    click(f, "Command14");
    click(f, "Command7");
    const double last = 1 / (arrival(10) - arrival(9)) / 0.2;
    EXPECT_NEAR(numberOf(control<QLineEdit>(f, "Text33")), last, 0.01);
}

TEST_F(ComparisonWindow, RunAtTheLimitListsNineteenPeriodsAndNamesTheTwentieth) {
    Form9* f = form();
    tick(f, "Check6", false);
    tick(f, "Check5", true);
    // The source overtakes the receiver; every beam arrives within its period.
    typeInto(f, "Text3", "9");
    typeInto(f, "Text18", "8");
    typeInto(f, "Text9", "0,005");
    typeInto(f, "Text10", "1000");
    click(f, "Command1");
    // The 20th beam completes the record: the run ends complete, without a
    // box, and only the nineteen completed periods are reported.
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_TRUE(control<QLabel>(f, "StatusLine")
                    ->text()
                    .endsWith(QStringLiteral("\nэксперимент завершен: принято 20 фронтов")));
    EXPECT_EQ(textOf(f, "Text20"), QStringLiteral("19"));
    auto* report = static_cast<Form4*>(app->windows.get(4));
    ASSERT_NE(report, nullptr);
    const QString text = report->plainText(false);
    EXPECT_TRUE(text.startsWith(
        QStringLiteral("        1- приемник  2- источник  i - нимер условного периода")));
    EXPECT_TRUE(text.contains(QStringLiteral("обрабатываем сигналы периода № 19")));
    EXPECT_FALSE(text.contains(QStringLiteral("обрабатываем сигналы периода № 20")));
    EXPECT_TRUE(text.contains(QStringLiteral("период 20 не принят")));
    EXPECT_FALSE(text.contains(QStringLiteral("=       -")));
    // The data table: twenty arrivals, then the period that never ended.
    tick(f, "Check3", true);
    typeInto(f, "Text21", "3");
    click(f, "Command6");
    QFile table(QStringLiteral("Sonrel_3.txt"));
    ASSERT_TRUE(table.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(table.readAll()).split(QStringLiteral("\r\n"));
    ASSERT_GE(lines.size(), 24);
    EXPECT_TRUE(lines[22].startsWith(QStringLiteral("20 ")));
    EXPECT_EQ(lines[23], QStringLiteral("период 20 не принят"));
    for (int k = 4; k <= 22; ++k) { // receiver times (by its clock) only grow
        EXPECT_GT(lines[k].split(' ', Qt::SkipEmptyParts)[2].toLongLong(),
                  lines[k - 1].split(' ', Qt::SkipEmptyParts)[2].toLongLong());
    }
}

TEST_F(ComparisonWindow, AllFrontsDefaultRunReceivesNineteenPeriods) {
    Form9* f = form();
    auto* box = control<QCheckBox>(f, "CheckAllFronts");
    EXPECT_EQ(box->text(), QStringLiteral("все фронты"));
    EXPECT_FALSE(box->isChecked());
    tick(f, "CheckAllFronts", true);
    tick(f, "Check5", true);
    QTimer guard; // a run that never ends is closed (and the test fails)
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, f, [f] { f->close(); });
    guard.start(120000);
    click(f, "Command1");
    guard.stop();
    ASSERT_NE(app->windows.get(9), nullptr);
    // No beam misses its emission, so no overrun question; the run ends
    // complete with the record's 20 fronts, without a box.
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(textOf(f, "Text20"), QStringLiteral("19"));
    auto* report = static_cast<Form4*>(app->windows.get(4));
    ASSERT_NE(report, nullptr);
    const QString text = report->plainText(false);
    QList<int> blocks;
    const QRegularExpression block(QStringLiteral("обрабатываем сигналы периода № (\\d+)"));
    for (auto it = block.globalMatch(text); it.hasNext();)
        blocks.append(it.next().captured(1).toInt());
    QList<int> expected;
    for (int i = 1; i <= 19; ++i)
        expected.append(i);
    EXPECT_EQ(blocks, expected);
    EXPECT_EQ(text.count(QStringLiteral("не принят")), 1);
    EXPECT_TRUE(text.contains(QStringLiteral("период 20 не принят")));
    // Every observed frequency by the exact meeting of each front.
    auto arrival = [](int k) { return exactFrontArrival(k, 5, 56.6, 50, 6, 0, 0, 0, 10, 0, 20); };
    const QRegularExpression observed(QStringLiteral(
        R"(по часам ИСО   dT= Tn1\((\d+)\) - Tn1\((\d+)\) = \S+    v\(\d+\) = 1/dT=\s+(\S+))"));
    int periods = 0;
    for (auto it = observed.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        const int i = match.captured(2).toInt();
        ++periods;
        const double want = 1 / (arrival(i + 1) - arrival(i));
        EXPECT_NEAR(readNumber(match.captured(3).toStdString()), want, 0.005 * want) << i;
    }
    EXPECT_EQ(periods, 19);
}

// The default run, its report, its boxes, its graph and its table in one
// language, as the English interface must leave them unchanged.
struct DefaultRunResult {
    std::vector<double> record; // the period record of the shared state and the model
    QStringList fields;         // T00 found, last period, observed and theory frequencies
    QString report;
    std::vector<ShownMessage> boxes;
    QImage observedPoints;
    QByteArray table;
};

class ComparisonWindowInEnglish : public EnglishWindowTest {
protected:
    // "Найти T00, с", then "Начать эксперимент с VXiso, м/с" with the report
    // window on, every question answered "Yes"; then the observed points and
    // the data table numbered `table`.
    DefaultRunResult defaultRun(const QString& table) {
        auto* f = static_cast<Form9*>(open(9));
        control<QCheckBox>(f, "Check5")->setChecked(true);
        boxes.shown.clear();
        click(f, "Command13");
        click(f, "Command1");
        DefaultRunResult r;
        r.boxes = boxes.shown;
        const SharedState& s = f->state();
        relativity::Model& m = f->model();
        for (int i = 1; i <= 20; ++i)
            for (double v : {s.Tn1(i), m.Tn1p(i), s.Xn1(i), s.Yn1(i), s.Xk2(i), s.Yk2(i),
                             m.Tn2iso(i), m.Xn2iso(i), m.Qn1(i), m.Vs1(i)})
                r.record.push_back(v);
        for (const char* name : {"Text18", "Text20", "Text23", "Text24", "Text44", "Text54"})
            r.fields << textOf(f, name);
        r.report = static_cast<Form4*>(app->windows.get(4))->plainText(false);
        click(f, "Command14");
        click(f, "Command7");
        r.observedPoints = f->picture().image().copy();
        control<QCheckBox>(f, "Check3")->setChecked(true);
        typeInto(f, "Text21", table);
        click(f, "Command6");
        QFile file(QStringLiteral("Sonrel_") + table + QStringLiteral(".txt"));
        if (file.open(QIODevice::ReadOnly)) r.table = file.readAll();
        app->windows.unload(9);
        app->windows.unload(4);
        return r;
    }
};

namespace {

// The numbers of a text in their order (symbols such as Tn1 or v00 excluded).
QStringList numbersIn(const QString& text) {
    static const QRegularExpression number(
        QStringLiteral(R"((?<![\w(])-?\d+(?:,\d+)?(?:E-?\d+)?)"));
    QStringList out;
    for (auto it = number.globalMatch(text); it.hasNext();)
        out << it.next().captured();
    return out;
}

// The width of the start of a report line, in pixels of the report's font.
int columnOf(const QString& start) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    font.setStyleStrategy(QFont::NoAntialias);
    return QFontMetrics(font).horizontalAdvance(start);
}

} // namespace

TEST_F(ComparisonWindowInEnglish, DefaultRunKeepsItsNumbersAndSpeaksEnglish) {
    applyLanguage(Language::Russian);
    const DefaultRunResult russian = defaultRun(QStringLiteral("7"));
    applyLanguage(Language::English);
    const DefaultRunResult english = defaultRun(QStringLiteral("8"));

    ASSERT_EQ(russian.fields.size(), 6);
    EXPECT_TRUE(russian.fields[0].startsWith(QStringLiteral("4,99")) ||
                russian.fields[0].startsWith(QStringLiteral("5")));
    EXPECT_EQ(russian.fields[1], QStringLiteral("9"));
    EXPECT_EQ(english.record, russian.record);
    EXPECT_EQ(english.fields, russian.fields);
    EXPECT_EQ(english.observedPoints, russian.observedPoints);
    // The data table is the same file in both languages.
    ASSERT_FALSE(russian.table.isEmpty());
    EXPECT_EQ(english.table.toStdString(), russian.table.toStdString());

    // The same questions, each in English: the overrun once, with its numbers.
    ASSERT_EQ(english.boxes.size(), russian.boxes.size());
    int overrun = 0;
    for (std::size_t k = 0; k < english.boxes.size(); ++k) {
        const ShownMessage& m = english.boxes[k];
        EXPECT_FALSE(hasCyrillic(m.text) || hasCyrillic(m.title)) << m.text.toStdString();
        EXPECT_EQ(m.title, russian.boxes[k].title);
        EXPECT_EQ(numbersIn(m.text), numbersIn(russian.boxes[k].text));
        if (m.text.contains(QStringLiteral("THE PROGRAM IS NOT WORKING CORRECTLY"))) {
            ++overrun;
            EXPECT_TRUE(m.text.contains(QStringLiteral("Tk1(10)= "))) << m.text.toStdString();
            EXPECT_TRUE(m.text.contains(QStringLiteral("CONTINUE THE EXPERIMENT")));
        }
    }
    EXPECT_EQ(overrun, 1);

    // The report: English, every number of the Russian one in the same order,
    // and the columns of each period's block lined up.
    EXPECT_FALSE(hasCyrillic(english.report)) << english.report.toStdString();
    EXPECT_EQ(numbersIn(english.report), numbersIn(russian.report));
    EXPECT_TRUE(english.report.contains(QStringLiteral("processing the signals of period No. 9")));
    EXPECT_TRUE(english.report.contains(QStringLiteral("period 10 not received")));
    // Each group's first capture starts at one column on every block's lines.
    const QStringList lines = english.report.split(QLatin1Char('\n'));
    const std::vector<std::vector<const char*>> columns = {
        {R"((dT= Tn2\())", R"((dT= Tn1\())", R"((dT= dT \*))"},
        {R"((vn\(\d+\) = ))", R"((vk\(\d+\) = ))", R"((v\(\d+\) = \(v1n))", R"((Q3\(\d+\) = ))"},
        {R"((Qn1\(\d+\) = ))", R"((Qn2\(\d+\) = ))"},
        {R"(emitted +(\d))", R"(received +(\d))"}};
    for (const auto& group : columns) {
        std::vector<int> at;
        for (const char* pattern : group) {
            const QRegularExpression re(QString::fromLatin1(pattern));
            int found = 0;
            for (const QString& line : lines)
                if (const auto match = re.match(line); match.hasMatch()) {
                    at.push_back(columnOf(line.left(match.capturedStart(1))));
                    ++found;
                }
            EXPECT_EQ(found, 9) << pattern;
        }
        ASSERT_FALSE(at.empty());
        for (int x : at)
            EXPECT_NEAR(x, at.front(), 3) << group.front();
    }

    // The window's own refusals and field errors are English too.
    boxes.shown.clear();
    Form9* f = static_cast<Form9*>(open(9));
    // Its captions are English (the tooltips and the pace row are the shared
    // window helpers' texts, not this window's).
    for (QWidget* w : f->findChildren<QWidget*>())
        w->setToolTip(QString());
    QStringList left = untranslatedTexts(f);
    left.removeIf([](const QString& t) {
        return t.startsWith(QStringLiteral("LabelPace:")) ||
               t.startsWith(QStringLiteral("ComboPace:")) ||
               t.startsWith(QStringLiteral("StatusLine:"));
    });
    EXPECT_TRUE(left.isEmpty()) << left.join('\n').toStdString();
    typeInto(f, "Text4", "-1");
    click(f, "Command1");
    typeInto(f, "Text11", "x");
    click(f, "Command11");
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_TRUE(boxes.shown[0].text.contains(QStringLiteral("only when the source moves")));
    EXPECT_EQ(boxes.shown[1].text, QStringLiteral("Set the data correctly "));
    for (const ShownMessage& m : boxes.shown)
        EXPECT_FALSE(hasCyrillic(m.text)) << m.text.toStdString();
    app->windows.unload(9);

    // The table written under English reads back under Russian with the run's points.
    applyLanguage(Language::Russian);
    boxes.shown.clear();
    f = static_cast<Form9*>(open(9));
    control<QCheckBox>(f, "Check3")->setChecked(true);
    typeInto(f, "Text21", "8");
    click(f, "Command14");
    click(f, "Command7");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(f->picture().image(), english.observedPoints);
}
