#pragma once
// The live plot of the received frequency, one per experiment window: the
// observed frequency of every completed period (points joined by steps),
// the emitted frequency v0 and the theory formula chosen in the main
// window, drawn while the run goes. A check box "График частоты" in the
// experiment window opens it; unticking or closing hides it.
#include "experiments/frequency_trace.h"

#include <QElapsedTimer>
#include <QWidget>

class QAbstractButton;
class QCheckBox;
class QChart;
class QChartView;
class QLabel;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace sonrel {

struct AppContext;
struct ExperimentWindow;

class FrequencyPlot : public QWidget {
    Q_OBJECT
public:
    // A top-level window owned by `owner`, following `e` while `box` is ticked.
    FrequencyPlot(AppContext& app, const Experiment& e, QAbstractButton* box, QWidget* owner);

    // After every step of a run, and at its end.
    void followStep(const StepOutcome& o);
    void runEnded();

    const FrequencyTrace& trace() const { return trace_; }
    QChart* chart() const { return chart_; }
    QLineSeries* observedSteps() const { return steps_; }
    QScatterSeries* observedPoints() const { return points_; }
    QLineSeries* theoryLine() const { return theory_; }
    QLineSeries* emittedLine() const { return emitted_; }

    // The picture as PNG or, for a name ending in ".svg", as SVG; the table
    // as CSV. False when the file could not be written.
    bool savePicture(const QString& path);
    bool saveTable(const QString& path);
    // The automatic ranges again after a zoom.
    void resetZoom();

protected:
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    class View;
    void follow(bool display);
    void draw();      // appends what the trace has gained since the last draw
    void redrawAll(); // fills every series afresh
    void appendObserved(std::size_t from);
    void applyRanges();
    void askPicture();
    void askTable();
    // The notice of a save in the status line, or the message of a failed one.
    void tell(const QString& notice);

    AppContext& app_;
    const Experiment& e_;
    QAbstractButton* box_;
    FrequencyTrace trace_;
    QChart* chart_;
    View* view_;
    QLabel* status_;
    QLineSeries *steps_, *theory_, *emitted_;
    QScatterSeries* points_;
    QValueAxis *axisT_, *axisV_;
    QElapsedTimer sinceDraw_;
    std::size_t drawnObserved_ = 0, drawnTheory_ = 0;
    bool redrawDue_ = false;
    bool zoomed_ = false; // the user's zoom holds the ranges
    double tMax_ = 0, vMin_ = 0, vMax_ = 0;
    bool anyValue_ = false;
};

// The check box "График частоты" (objectName CheckFrequencyPlot).
QCheckBox* makeFrequencyPlotCheck(QWidget* parent);

// Connects the window's check box to a new plot window of its experiment.
FrequencyPlot* attachFrequencyPlot(ExperimentWindow& w, AppContext& app, const Experiment& e,
                                   QAbstractButton* box);

} // namespace sonrel
