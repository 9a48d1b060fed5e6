// The period tables (CSV) of the medium, membrane and comparison windows:
// one row per period the report processes, the observed frequency the report
// shows, and each period ending where the next begins.
#include "canvas/form4.h"
#include "canvas/period_table_export_qt.h"
#include "experiments/medium/form3.h"
#include "experiments/membrane/form8.h"
#include "experiments/relativity/form9.h"
#include "support/csv_table.h"
#include "support/ui_helpers.h"

#include <QAction>
#include <QCheckBox>
#include <QRegularExpression>
#include <cmath>
#include <map>

using namespace sonrel;
using namespace sonrel::testing;

namespace {

// The numbers a report shows after `label` on its lines, by period number.
std::map<int, double> shown(const QString& report, const QString& pattern) {
    std::map<int, double> values;
    const QRegularExpression re(pattern, QRegularExpression::MultilineOption);
    for (auto it = re.globalMatch(report); it.hasNext();) {
        const auto m = it.next();
        values[m.captured(1).toInt()] = m.captured(2).replace(',', '.').toDouble();
    }
    return values;
}

class PeriodTables : public WindowTest {
protected:
    QString reportText() { return reportWindow(*app)->plainText(false); }
};

} // namespace

TEST_F(PeriodTables, MediumRowsMatchTheReportBlocks) {
    auto* f = static_cast<Form3*>(open(3));
    EXPECT_FALSE(f->tableExport->action()->isEnabled());
    f->Check6->setChecked(false);
    f->Check1->setChecked(false);
    f->Check5->setChecked(true);
    boxes.answers = {QMessageBox::Yes, QMessageBox::Yes, QMessageBox::Yes, QMessageBox::No};
    click(f, "Command1");
    ASSERT_TRUE(f->tableExport->action()->isEnabled());
    const CsvTable t = parseCsv(QByteArray::fromStdString(f->tableExport->table()));
    const auto v = shown(reportText(), QStringLiteral("v\\((\\d+)\\) = 1/dT= (\\S+)$"));
    ASSERT_GE(t.rows.size(), 1u);
    ASSERT_EQ(t.rows.size(), v.size());
    EXPECT_EQ(t.header.mid(0, 7), QStringList({"period", "Qn2", "Qk2", "Qn1", "Qk1", "v", "vsr"}));
    for (std::size_t r = 0; r < t.rows.size(); ++r) {
        const int i = static_cast<int>(r) + 1;
        EXPECT_EQ(t.rows[r][0].toInt(), i);
        EXPECT_NEAR(t.at(r, "v"), v.at(i), 1e-13 * v.at(i)) << "period " << i;
        EXPECT_NEAR(t.at(r, "v"), 1 / (t.at(r, "Tk1p") - t.at(r, "Tn1p")), 1e-12);
        if (r + 1 < t.rows.size()) {
            EXPECT_EQ(t.at(r, "Tk1p"), t.at(r + 1, "Tn1p"));
            EXPECT_EQ(t.at(r, "Tk2"), t.at(r + 1, "Tn2"));
        }
    }
}

TEST_F(PeriodTables, MembraneRowsMatchTheReportTable) {
    click(app->windows.get(1), "Command19");
    auto* f = static_cast<Form8*>(app->windows.get(8));
    click(f, "Command13");
    f->Check5->setChecked(true);
    click(f, "Command1");
    const CsvTable t = parseCsv(QByteArray::fromStdString(f->tableExport->table()));
    ASSERT_EQ(t.rows.size(), 19u);
    // Table rows: "   i               angle        v        v1", truncated to 6 decimals.
    const auto v = shown(reportText(), QStringLiteral("^   (\\d+) +\\S+ +(\\S+) +\\S+$"));
    const auto v1 = shown(reportText(), QStringLiteral("^   (\\d+) +\\S+ +\\S+ +(\\S+)$"));
    ASSERT_EQ(v.size(), 19u);
    for (std::size_t r = 0; r < t.rows.size(); ++r) {
        const int i = static_cast<int>(r) + 1;
        EXPECT_NEAR(std::trunc(t.at(r, "v") * 1e6) / 1e6, v.at(i), 1e-9) << "period " << i;
        EXPECT_NEAR(std::trunc(t.at(r, "v1") * 1e6) / 1e6, v1.at(i), 1e-9) << "period " << i;
        EXPECT_NEAR(t.at(r, "v"), 1 / (t.at(r, "Tk1") - t.at(r, "Tn1")), 1e-12);
        if (r + 1 < t.rows.size()) {
            EXPECT_EQ(t.at(r, "Tk1"), t.at(r + 1, "Tn1"));
            EXPECT_EQ(t.at(r, "Xk2"), t.at(r + 1, "Xn2"));
        }
    }
}

TEST_F(PeriodTables, ComparisonRowsMatchTheReportBlocks) {
    auto* f = static_cast<Form9*>(open(9));
    control<QCheckBox>(f, "Check6")->setChecked(false);
    typeInto(f, "Text18", "10");
    typeInto(f, "Text10", "20000");
    control<QCheckBox>(f, "Check14")->setChecked(true);
    control<QCheckBox>(f, "Check5")->setChecked(true);
    click(f, "Command1");
    click(f, "Command4"); // 30 s of model time: three beams arrive
    ASSERT_TRUE(f->tableExport->action()->isEnabled());
    const CsvTable t = parseCsv(QByteArray::fromStdString(f->tableExport->table()));
    ASSERT_EQ(static_cast<int>(t.rows.size()), f->model().completedPeriods());
    ASSERT_GE(t.rows.size(), 2u);
    const auto v =
        shown(reportText(), QStringLiteral("по часам ИСО   dT= .*v\\((\\d+)\\) = 1/dT= +(\\S+)$"));
    ASSERT_EQ(v.size(), t.rows.size());
    for (std::size_t r = 0; r < t.rows.size(); ++r) {
        const int i = static_cast<int>(r) + 1;
        EXPECT_NEAR(t.at(r, "v"), v.at(i), 1e-13 * v.at(i)) << "period " << i;
        EXPECT_NEAR(t.at(r, "v") * t.at(r, "dT"), 1, 1e-12);
        if (r + 1 < t.rows.size()) {
            EXPECT_NEAR(t.at(r, "dT"), t.at(r + 1, "Tn1") - t.at(r, "Tn1"), 1e-9);
            EXPECT_NEAR(t.at(r, "dT_src"), t.at(r + 1, "Tn2") - t.at(r, "Tn2"), 1e-9);
        }
    }
}
