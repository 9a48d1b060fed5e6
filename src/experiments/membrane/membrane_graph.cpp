#include "experiments/membrane/membrane_graph.h"

#include "base/checked_math.h"
#include "base/numbers.h"
#include "experiments/membrane/membrane_report.h"

namespace sonrel {

namespace {

constexpr double kMarker = 0.2;
constexpr Color kObserved = rgb(0, 0, 250);
constexpr Color kCalculated = rgb(250, 0, 0);

void setGraphScale(Canvas& canvas) {
    canvas.scale(kGraphLeft, kGraphTop, kGraphRight, kGraphBottom);
}

} // namespace

void drawGraphGrid(Canvas& canvas, double My) {
    setGraphScale(canvas);
    canvas.clear();
    for (int iy = 0; iy <= 18; iy += 2) {
        canvas.line(-20, iy, 20, iy, colors::grid);
        canvas.setCurrent(-21, iy + 0.5);
        canvas.printWithin(formatNumber(finite(iy * My)));
    }
    for (int ix = -20; ix <= 20; ix += 2) {
        canvas.line(ix, 0, ix, 18, colors::grid);
        canvas.setCurrent(ix - 0.3, -0.3);
        canvas.printWithin(formatNumber(ix * 90.0 / 20 + 90));
    }
    canvas.line(0, 17, 0, 0, colors::black);
    canvas.line(-20, 0, 20, 0, colors::black);
}

std::string plotObservedPoints(Canvas& canvas, SharedState& s, const MembraneModel& m, double My) {
    setGraphScale(canvas);
    std::string lines;
    const int N = reportedPeriods(m);
    for (int i = 1; i <= N; ++i) {
        const double asr = meanAngleDeg(s.pi, m, i);
        const double ratio = safeDiv(safeDiv(1, observedPeriod(s, i)), s.v0);
        canvas.circle(graphX(asr), safeDiv(ratio, My), kMarker, kObserved);
        lines += graphPointLine(i, asr, ratio);
    }
    return lines;
}

void plotCalculatedPoints(Canvas& canvas, SharedState& s, const MembraneModel& m, double My) {
    setGraphScale(canvas);
    const int N = reportedPeriods(m);
    double px = 0, py = 0;
    for (int i = 1; i <= N; ++i) {
        s.Q3(i) = meanAngleDeg(s.pi, m, i);
        const double x = graphX(s.Q3(i));
        const double y = safeDiv(safeDiv(periodFormulaValue(s, i), s.v0), My);
        canvas.circle(x, y, kMarker, kCalculated);
        if (i > 1) canvas.line(px, py, x, y, kCalculated);
        px = x;
        py = y;
    }
}

} // namespace sonrel
