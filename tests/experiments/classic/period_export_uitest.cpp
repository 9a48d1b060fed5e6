#include "app/form1.h"
#include "canvas/form4.h"
#include "canvas/period_table_export_qt.h"
#include "support/csv_table.h"
#include "support/exact_arrival.h"
#include "support/file_dialogs.h"
#include "support/ui_helpers.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <cmath>
#include <map>

using namespace sonrel;
using namespace sonrel::testing;

namespace {

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

CsvTable readTable(const QString& path) {
    return parseCsv(bytesOf(path));
}

double relDiff(double a, double b) {
    return std::abs(a - b) / std::abs(b);
}

class ClassicExport : public WindowTest {
protected:
    Form1* form() { return static_cast<Form1*>(app->windows.get(1)); }
    Form4* report() { return static_cast<Form4*>(app->windows.get(4)); }
    // A run of the main window's defaults with the report ticked: 20 fronts,
    // the twentieth ends it with the solution error.
    void defaultRun(bool allFronts) {
        form()->Check5->setChecked(true);
        form()->CheckAllFronts->setChecked(allFronts);
        click(form(), "Command13");
        click(form(), "Command1");
        ASSERT_EQ(app->state.frontIndex, 21);
    }
    CsvTable savedTable(QAction* action, const QString& name) {
        FileDialogAnswerer dialog(name);
        action->trigger();
        EXPECT_EQ(dialog.answered, 1);
        // A name without a suffix gets ".csv".
        return readTable(name.endsWith(QStringLiteral(".csv")) ? name
                                                               : name + QStringLiteral(".csv"));
    }
};

} // namespace

TEST_F(ClassicExport, ReportFileHoldsTheReportTextWithUnixLineEnds) {
    defaultRun(false);
    ASSERT_NE(report(), nullptr);
    EXPECT_EQ(report()->actionSaveReport->text(), QStringLiteral("Сохранить отчет…"));
    EXPECT_EQ(report()->actionSaveReport->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    FileDialogAnswerer dialog(QStringLiteral("report"));
    report()->actionSaveReport->trigger();
    ASSERT_EQ(dialog.answered, 1);
    EXPECT_EQ(dialog.filters, QStringList(QStringLiteral("Текст (*.txt)")));
    const QByteArray file = bytesOf(QStringLiteral("report.txt"));
    EXPECT_FALSE(file.contains('\r'));
    // The run's inputs head the file, then the report's own legend.
    EXPECT_TRUE(file.startsWith(QStringLiteral("программа = Sonrel6 ").toUtf8()));
    EXPECT_TRUE(file.contains(
        QStringLiteral("\n        1- приемник  2- источник  i - нимер периода сигнала передатчика\n"
                       " Tn2(i)- время начала передачи сигнала i-го периода\n")
            .toUtf8()));
    // What the window printed, block by block, is what the file holds.
    EXPECT_EQ(file, report()->plainText().toUtf8());
    const QStringList lines = QString::fromUtf8(file).split('\n');
    EXPECT_EQ(lines.filter(QStringLiteral("обрабатываем данные приема сигнала периода №")).size(),
              19);
    EXPECT_EQ(lines.count(QStringLiteral("период 20 не принят")), 2);
}

// The table of a default run: 19 received periods, the frequencies the
// report shows and the record's, the angle truncated as in the report.
TEST_F(ClassicExport, TableOfADefaultRunMatchesTheReportAndTheRecord) {
    QAction* fromPicture = form()->tableExport->action();
    EXPECT_EQ(fromPicture->text(), QStringLiteral("Сохранить таблицу CSV…"));
    EXPECT_TRUE(form()->Picture1->actions().contains(fromPicture));
    EXPECT_FALSE(fromPicture->isEnabled()); // no run yet
    defaultRun(false);
    ASSERT_TRUE(fromPicture->isEnabled());
    ASSERT_TRUE(report()->actionSaveTable->isEnabled());

    const CsvTable t = savedTable(fromPicture, QStringLiteral("periods"));
    EXPECT_EQ(form()->findChild<QLabel*>("StatusLine")->text(),
              QStringLiteral("Таблица сохранена: ") + QDir::currentPath() + "/periods.csv");
    // The report window writes the table of the run that printed it.
    savedTable(report()->actionSaveTable, QStringLiteral("report.csv"));
    EXPECT_EQ(bytesOf(QStringLiteral("report.csv")), bytesOf(QStringLiteral("periods.csv")));
    ASSERT_EQ(t.rows.size(), 19u);
    EXPECT_EQ(t.header.mid(0, 4), QStringList({"period", "Q3", "v", "v1"}));

    // The report's table rows: "   j         Q3         v        v1".
    std::map<int, QStringList> shown;
    const QRegularExpression row(QStringLiteral("^   (\\d+) +(\\S+) +(\\S+) +(\\S+)$"));
    for (const QString& line : report()->plainText().split('\n'))
        if (const auto m = row.match(line); m.hasMatch())
            shown[m.captured(1).toInt()] = m.capturedTexts().mid(2);
    ASSERT_EQ(shown.size(), 19u);
    const SharedState& s = app->state;
    for (std::size_t r = 0; r < t.rows.size(); ++r) {
        const int j = static_cast<int>(r) + 1;
        EXPECT_EQ(t.rows[r][0], QString::number(j));
        const auto number = [&](int k) {
            return QString(shown[j][k]).replace(',', '.').toDouble();
        };
        const double v = t.at(r, "v");
        EXPECT_LT(relDiff(v, number(1)), 1e-14) << "period " << j;
        EXPECT_LT(relDiff(v, 1 / (s.Tk1(j) - s.Tk1(j - 1))), 1e-12) << "period " << j;
        EXPECT_LT(relDiff(t.at(r, "v1"), number(2)), 1e-14) << "period " << j;
        EXPECT_NEAR(std::trunc(t.at(r, "Q3") * 100) / 100, number(0), 1e-9) << "period " << j;
        EXPECT_DOUBLE_EQ(t.at(r, "Tk1"), s.Tk1(j));
        EXPECT_DOUBLE_EQ(t.at(r, "Tk1_prev"), s.Tk1(j - 1));
    }
}

// Every front tracked on its own: emission and arrival times and positions
// agree with the exact arrival of fronts from a uniformly moving source.
TEST_F(ClassicExport, EmissionsAndArrivalsFollowTheExactArrivalTimes) {
    defaultRun(true);
    const CsvTable t = savedTable(form()->tableExport->action(), QStringLiteral("fronts.csv"));
    ASSERT_EQ(t.rows.size(), 19u);
    // Defaults: at T = T00 = 5 the receiver is at (86.60254, 50) moving with
    // (6, 0), the source at (50, 0) moving with (10, 0); Vs = 20, dt = 0.001.
    const double T00 = 5, dt = 0.001, x1 = 86.60254 - 6 * T00, x2 = 50 - 10 * T00;
    const auto arrival = [&](int k) {
        return exactFrontArrival(k, T00, x1, 50, 6, 0, x2, 0, 10, 0, 20);
    };
    for (std::size_t r = 0; r < t.rows.size(); ++r) {
        const int j = static_cast<int>(r) + 1;
        const double start = arrival(j), end = arrival(j + 1);
        EXPECT_NEAR(t.at(r, "Tn2"), (j - 1) * T00, 1e-9) << "period " << j;
        EXPECT_NEAR(t.at(r, "Xn2"), x2 + 10 * (j - 1) * T00, 1e-6) << "period " << j;
        EXPECT_NEAR(t.at(r, "Tk1_prev"), start, 2 * dt) << "period " << j;
        EXPECT_NEAR(t.at(r, "Tk1"), end, 2 * dt) << "period " << j;
        EXPECT_NEAR(t.at(r, "Xk1"), x1 + 6 * end, 6 * 2 * dt) << "period " << j;
        EXPECT_NEAR(t.at(r, "Yk1"), 50, 1e-9);
        const double v = 1 / (end - start);
        EXPECT_NEAR(t.at(r, "v"), v, v * v * 2 * dt) << "period " << j;
    }
}
