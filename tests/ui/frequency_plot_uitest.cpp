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

QCheckBox* plotBox(FormBase* f) {
    return control<QCheckBox>(f, "CheckFrequencyPlot");
}

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Opens a window, ticks its plot, runs its experiment and returns the window.
struct Window {
    const char* name;
    FormBase* (*run)(AppContext& app, MessageBoxAnswerer& boxes);
};

const Window kWindows[] = {
    {"Main",
     [](AppContext& app, MessageBoxAnswerer&) {
         FormBase* f = app.windows.show(1);
         plotBox(f)->setChecked(true);
         click(f, "Command13");
         click(f, "Command1");
         return f;
     }},
    {"Medium",
     [](AppContext& app, MessageBoxAnswerer& boxes) {
         FormBase* f = app.windows.show(3);
         control<QCheckBox>(f, "Check6")->setChecked(false);
         control<QCheckBox>(f, "Check1")->setChecked(false);
         plotBox(f)->setChecked(true);
         boxes.answers = {QMessageBox::Yes, QMessageBox::Yes, QMessageBox::Yes, QMessageBox::No};
         click(f, "Command1");
         return f;
     }},
    {"Membrane",
     [](AppContext& app, MessageBoxAnswerer&) {
         click(app.windows.show(1), "Command19"); // opens the membrane window
         FormBase* f = app.windows.get(8);
         click(f, "Command13");
         plotBox(f)->setChecked(true);
         click(f, "Command1");
         return f;
     }},
    {"Comparison",
     [](AppContext& app, MessageBoxAnswerer&) {
         FormBase* f = app.windows.show(9);
         control<QCheckBox>(f, "Check6")->setChecked(false);
         typeInto(f, "Text18", "10");
         typeInto(f, "Text10", "20000");
         control<QCheckBox>(f, "Check14")->setChecked(true);
         plotBox(f)->setChecked(true);
         click(f, "Command1");
         click(f, "Command4");
         return f;
     }},
};

class FrequencyPlotWindow : public WindowTest, public ::testing::WithParamInterface<Window> {};

} // namespace

TEST_P(FrequencyPlotWindow, OpensFillsDuringARunSavesAndClosesByItsBox) {
    FormBase* f = GetParam().run(*app, boxes);
    ASSERT_NE(f, nullptr);
    QCheckBox* box = plotBox(f);
    EXPECT_EQ(box->text(), QStringLiteral("График частоты"));
    auto* plot = f->findChild<FrequencyPlot*>(QStringLiteral("FrequencyPlot"));
    ASSERT_NE(plot, nullptr);
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
        QImage::fromData(saveBy("actionSavePlotPicture", QStringLiteral("plot.png"))).isNull());
    EXPECT_TRUE(saveBy("actionSavePlotPicture", QStringLiteral("plot.svg")).contains("<svg"));
    // A name without a suffix gets ".csv".
    saveBy("actionSavePlotTable", QStringLiteral("plot"));
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
