// The live frequency plot of each experiment window: the check box opens it,
// a run fills it (one observed point per completed period, the theory curve,
// the v0 line), its menu saves PNG, SVG and the CSV table, and closing it
// unticks the box.
#include "canvas/period_table_export_qt.h"
#include "experiments/frequency_plot_qt.h"
#include "support/csv_table.h"
#include "support/file_dialogs.h"
#include "support/ui_helpers.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>

using namespace sonrel;
using namespace sonrel::testing;

namespace {

struct Window {
    const char* name;
    int number;
    // Sets up and runs the window's experiment; returns the window.
    FormBase* (*run)(AppContext& app, MessageBoxAnswerer& boxes, QCheckBox* plotBox);
};

void PrintTo(const Window& w, std::ostream* os) {
    *os << w.name;
}

QCheckBox* plotBox(FormBase* f) {
    return control<QCheckBox>(f, "CheckFrequencyPlot");
}

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const Window kWindows[] = {
    {"Main", 1,
     [](AppContext& app, MessageBoxAnswerer&, QCheckBox* box) {
         FormBase* f = app.windows.get(1);
         box->setChecked(true);
         click(f, "Command13");
         click(f, "Command1");
         return f;
     }},
    {"Medium", 3,
     [](AppContext& app, MessageBoxAnswerer& boxes, QCheckBox* box) {
         FormBase* f = app.windows.get(3);
         control<QCheckBox>(f, "Check6")->setChecked(false);
         control<QCheckBox>(f, "Check1")->setChecked(false);
         box->setChecked(true);
         boxes.answers = {QMessageBox::Yes, QMessageBox::Yes, QMessageBox::Yes, QMessageBox::No};
         click(f, "Command1");
         return f;
     }},
    {"Membrane", 8,
     [](AppContext& app, MessageBoxAnswerer&, QCheckBox* box) {
         FormBase* f = app.windows.get(8);
         click(f, "Command13");
         box->setChecked(true);
         click(f, "Command1");
         return f;
     }},
    {"Comparison", 9,
     [](AppContext& app, MessageBoxAnswerer&, QCheckBox* box) {
         FormBase* f = app.windows.get(9);
         control<QCheckBox>(f, "Check6")->setChecked(false);
         typeInto(f, "Text18", "10");
         typeInto(f, "Text10", "20000");
         control<QCheckBox>(f, "Check14")->setChecked(true);
         box->setChecked(true);
         click(f, "Command1");
         click(f, "Command4");
         return f;
     }},
};

class FrequencyPlotWindow : public WindowTest, public ::testing::WithParamInterface<Window> {};

} // namespace

TEST_P(FrequencyPlotWindow, OpensFillsDuringARunSavesAndClosesByItsBox) {
    const Window w = GetParam();
    // The membrane window is opened from the main window.
    if (w.number == 8)
        click(app->windows.get(1), "Command19");
    else
        open(w.number);
    FormBase* f = app->windows.get(w.number);
    ASSERT_NE(f, nullptr);
    QCheckBox* box = plotBox(f);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), QStringLiteral("График частоты"));
    auto* plot = f->findChild<FrequencyPlot*>(QStringLiteral("FrequencyPlot"));
    ASSERT_NE(plot, nullptr);
    EXPECT_FALSE(plot->isVisible());

    w.run(*app, boxes, box);
    ASSERT_TRUE(plot->isVisible());
    EXPECT_TRUE(plot->isWindow());
    const CsvTable periods =
        parseCsv(QByteArray::fromStdString(f->findChild<PeriodTableExport*>()->table()));
    ASSERT_GE(periods.rows.size(), 2u);
    const auto points = static_cast<std::size_t>(plot->observedPoints()->count());
    EXPECT_EQ(points, periods.rows.size());
    EXPECT_EQ(plot->observedSteps()->count(), 2 * plot->observedPoints()->count());
    EXPECT_GT(plot->theoryLine()->count(), 0);
    ASSERT_EQ(plot->emittedLine()->count(), 2);
    EXPECT_GT(plot->emittedLine()->at(0).y(), 0);

    auto saveBy = [&](const char* action, const QString& name) {
        FileDialogAnswerer dialog(name);
        plot->findChild<QAction*>(QLatin1String(action))->trigger();
        EXPECT_EQ(dialog.answered, 1) << name.toStdString();
        return bytesOf(name);
    };
    EXPECT_FALSE(
        QImage::fromData(saveBy("actionSavePicture", QStringLiteral("plot.png"))).isNull());
    EXPECT_TRUE(saveBy("actionSavePicture", QStringLiteral("plot.svg")).contains("<svg"));
    // A name without a suffix gets ".csv".
    saveBy("actionSaveTable", QStringLiteral("plot"));
    const CsvTable table = parseCsv(bytesOf(QStringLiteral("plot.csv")));
    EXPECT_EQ(table.header, QStringList({"time", "observed", "theory"}));
    EXPECT_EQ(static_cast<qsizetype>(table.rows.size()),
              plot->observedPoints()->count() + plot->theoryLine()->count());

    plot->close();
    EXPECT_FALSE(box->isChecked());
    box->setChecked(true);
    EXPECT_TRUE(plot->isVisible());
    box->setChecked(false);
    EXPECT_FALSE(plot->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Windows, FrequencyPlotWindow, ::testing::ValuesIn(kWindows),
                         [](const auto& info) { return std::string(info.param.name); });
