// The main window in English: the default experiment and the theory
// calculations give the same numbers as in Russian, and every box, caption
// and report line reads English, with the report's columns where they were.
#include "app/form1.h"
#include "canvas/form4.h"
#include "support/english.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QRegularExpression>
#include <vector>

using namespace sonrel;
using namespace sonrel::testing;

namespace {

struct Outcome {
    std::vector<double> record; // the period record and the run's end
    std::vector<ShownMessage> shown;
    QStringList report; // the run's report after its head of inputs
    QString head;       // the head: the program, the window and every input
    QString ratio, shift; // "Расчет по координатам и скоростям ..." of the defaults
    QStringList sweep;                  // the report of the graph against VX1
    std::vector<ShownMessage> negative; // the box for a negative X = V/Vs
};

// Where the words of a header line start: after two blanks or more.
std::vector<qsizetype> columnStarts(const QString& line) {
    std::vector<qsizetype> starts;
    const QRegularExpression word("(?:^|  )(\\S)");
    for (auto it = word.globalMatch(line); it.hasNext();)
        starts.push_back(it.next().capturedStart(1));
    return starts;
}

// The value of a line "… = value …" (the word after the last "= ").
std::string valueAfterEquals(const QString& line) {
    const qsizetype at = line.lastIndexOf(QStringLiteral("= "));
    if (at < 0) return {};
    return line.mid(at + 2)
        .section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty)
        .toStdString();
}

qsizetype valueColumn(const QString& line) {
    return line.lastIndexOf(QLatin1Char(' ')) + 1;
}

class MainWindowInEnglish : public EnglishWindowTest {
protected:
    Form1* form() { return static_cast<Form1*>(app->windows.get(1)); }

    // A window takes its captions when it is made: both windows are made anew.
    void reopenIn(Language language) {
        app->windows.unload(4);
        app->windows.unload(1);
        QApplication::processEvents();
        applyLanguage(language);
        open(1);
    }

    std::vector<double> periodRecord() const {
        const SharedState& s = app->state;
        std::vector<double> r{static_cast<double>(s.frontIndex), s.T};
        for (const PeriodArray* a : {&s.Tn2, &s.Xn2, &s.Yn2, &s.Tn1, &s.Xn1, &s.Yn1, &s.Tk1, &s.Xk1,
                                     &s.Yk1, &s.Xk2, &s.Yk2, &s.Q3, &s.v1n, &s.v1k, &s.v1})
            for (int j = 0; j <= 20; ++j)
                r.push_back((*a)(j));
        for (int j = 0; j <= 20; ++j)
            r.push_back(s.dT(j));
        return r;
    }

    // The report's own lines; the head of inputs lists captions and choices
    // in the interface's language and is checked apart.
    QStringList reportLines(QString* head = nullptr) {
        auto* report = static_cast<Form4*>(app->windows.get(4));
        const QString all = report->plainText(), body = report->plainText(false);
        if (head) *head = all.left(all.size() - body.size());
        return body.split('\n');
    }

    // The default run with "+ отчет", every question answered Yes, then the
    // theory panel's calculations on the same fields.
    Outcome run(Language language) {
        reopenIn(language);
        Outcome o;
        boxes.shown.clear();
        form()->Check5->setChecked(true);
        click(form(), "Command13");
        click(form(), "Command1");
        o.record = periodRecord();
        o.shown = boxes.shown;
        o.report = reportLines(&o.head);

        boxes.shown.clear();
        click(form(), "Command18");
        EXPECT_TRUE(boxes.shown.empty());
        o.ratio = textOf(form(), "Text26");
        o.shift = textOf(form(), "Text23");
        click(form(), "Command12");
        o.sweep = reportLines();
        typeInto(form(), "Text25", "-0,1");
        click(form(), "Command17");
        o.negative = boxes.shown;
        return o;
    }
};

} // namespace

TEST_F(MainWindowInEnglish, DefaultRunAndCalculationsMatchTheRussianOnes) {
    const Outcome ru = run(Language::Russian);
    const Outcome en = run(Language::English);
    EXPECT_TRUE(ru.head.startsWith("программа = Sonrel6 ")) << ru.head.toStdString();
    EXPECT_TRUE(en.head.startsWith("program = Sonrel6 ")) << en.head.toStdString();
    EXPECT_FALSE(hasCyrillic(en.head)) << en.head.toStdString();
    EXPECT_EQ(control<QAbstractButton>(form(), "Command13")->text(), "1-Set T00, s");
    EXPECT_EQ(control<QAbstractButton>(form(), "Command1")->text(), "2-Start experiment");
    EXPECT_EQ(control<QAbstractButton>(form(), "Check5")->text(), "+ report");

    // The same run: 20 fronts, the same record to the last bit.
    EXPECT_EQ(en.record[0], 21);
    EXPECT_EQ(en.record, ru.record);

    // The same boxes with the same titles: the short-period warning
    // (answered Yes); the twentieth front ends the run without a box.
    ASSERT_EQ(en.shown.size(), ru.shown.size());
    ASSERT_GE(en.shown.size(), 1u);
    EXPECT_TRUE(ru.shown.front().text.startsWith("ПРОГРАММА РАБОТАЕТ НЕ КООРЕКТНО"));
    EXPECT_NE(en.shown.back().text, "Solution error");
    for (std::size_t i = 0; i < en.shown.size(); ++i) {
        EXPECT_FALSE(hasCyrillic(en.shown[i].text)) << en.shown[i].text.toStdString();
        EXPECT_EQ(en.shown[i].title, ru.shown[i].title);
    }

    // The report: English through and through, line for line the Russian
    // one, every value in its place.
    ASSERT_EQ(en.report.size(), ru.report.size());
    for (qsizetype i = 0; i < en.report.size(); ++i) {
        const QString& e = en.report[i];
        const QString& r = ru.report[i];
        EXPECT_FALSE(hasCyrillic(e)) << e.toStdString();
        if (!hasCyrillic(r)) {
            EXPECT_EQ(e, r); // lines of symbols and numbers only
        }
        EXPECT_EQ(valueAfterEquals(e), valueAfterEquals(r)) << e.toStdString();
    }
    EXPECT_EQ(en.report.count("period 20 not received"), 2); // block and table row

    // The table's header words start where the Russian ones do, above the
    // columns of the rows.
    const QString ruHeader =
        QStringLiteral("№ периода      угол       наблюдаемая частота     расчетная частота ");
    const qsizetype header = ru.report.indexOf(ruHeader);
    ASSERT_GT(header, 0);
    EXPECT_EQ(columnStarts(en.report[header]), columnStarts(ruHeader));
    EXPECT_EQ(columnStarts(en.report[header]).size(), 4u);

    // In each period block the two sight-line angles share their value
    // column, and so do the two relative angles of each end.
    const qsizetype block = ru.report.indexOf(
        QStringLiteral("             обрабатываем данные приема сигнала периода № 1"));
    ASSERT_GT(block, 0);
    const QStringList b = en.report.mid(block, 20);
    EXPECT_EQ(valueColumn(b[7]), valueColumn(b[11]));
    EXPECT_EQ(b[8].indexOf("Qn1(1)"), b[9].indexOf("Qn2(1)"));
    EXPECT_EQ(b[12].indexOf("Qn1(2)"), b[13].indexOf("Qn2(2)"));

    // Theory: the same frequency from the same fields, a sweep report with
    // the same points, and the refusal of a negative V/Vs in English.
    EXPECT_EQ(en.ratio, ru.ratio);
    EXPECT_EQ(en.shift, ru.shift);
    ASSERT_EQ(en.sweep.size(), ru.sweep.size());
    ASSERT_GT(en.sweep.size(), 10);
    EXPECT_FALSE(hasCyrillic(en.sweep.join('\n')));
    EXPECT_EQ(en.sweep.mid(1), ru.sweep.mid(1));
    EXPECT_EQ(columnStarts(en.sweep[0]).size(), columnStarts(ru.sweep[0]).size());
    ASSERT_EQ(en.negative.size(), 1u);
    ASSERT_EQ(ru.negative.size(), 1u);
    EXPECT_EQ(ru.negative[0].text, "X= V/Vs должно быть положительное");
    EXPECT_FALSE(hasCyrillic(en.negative[0].text));
    EXPECT_TRUE(en.negative[0].text.startsWith("X= V/Vs")) << en.negative[0].text.toStdString();
}
