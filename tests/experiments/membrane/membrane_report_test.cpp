#include "base/errors.h"
#include "canvas/recording_canvas.h"
#include "experiments/membrane/membrane_drawing.h"
#include "experiments/membrane/membrane_graph.h"
#include "experiments/membrane/membrane_report.h"
#include "experiments/membrane/period_csv.h"
#include "membrane_fixture.h"
#include "support/exact_arrival.h"
#include "support/plain_number.h"

#include <cmath>
#include <sstream>

using namespace sonrel;
using namespace sonrel::testing;

namespace {

struct RecordingSink : ReportSink {
    void clear() override { prints.clear(); }
    void print(double y, const std::string& text) override { prints.push_back({y, text}); }
    struct Print {
        double y;
        std::string text;
    };
    std::vector<Print> prints;
};

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> out;
    std::size_t from = 0, at;
    while ((at = text.find("\r\n", from)) != std::string::npos) {
        out.push_back(text.substr(from, at - from));
        from = at + 2;
    }
    return out;
}

bool startsWith(const std::string& s, const std::string& p) {
    return s.rfind(p, 0) == 0;
}

} // namespace

class MembraneReport : public MembraneRun {
protected:
    void runDefaults() {
        m.aim(s, true);
        m.start(s, opt);
        runToEnd();
    }
    RecordingSink sink;
};

TEST_F(MembraneReport, LegendNamesThePeriodAndFrequency) {
    printLegend(s, sink);
    ASSERT_EQ(sink.prints.size(), 2u);
    EXPECT_EQ(sink.prints[0].y, 599.9);
    EXPECT_EQ(sink.prints[0].text, "        1- приемник  2- источник  i - номер периода сигнала "
                                   "передатчика\r\n");
    EXPECT_EQ(sink.prints[1].y, 599.3);
    const auto lines = linesOf(sink.prints[1].text);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[9], " T00=  2,5    - период колебаний передатчика");
    EXPECT_EQ(lines[10], " v0= 1/T00=  0,4     - частота передатчика ");
}

TEST_F(MembraneReport, RunToTheLimitReportsNineteenPeriodsAndTheirTable) {
    runDefaults();
    printReport(s, m, sink);
    ASSERT_EQ(sink.prints.size(), 20u);
    for (int i = 1; i <= 19; ++i) {
        const auto& p = sink.prints[i - 1];
        EXPECT_DOUBLE_EQ(p.y, 593 - 8.0 * (i - 1));
        const auto lines = linesOf(p.text);
        ASSERT_EQ(lines.size(), 17u);
        EXPECT_EQ(lines[0],
                  "             обрабатываем сигналы периода № " + std::to_string(i) + " из 19");
        EXPECT_TRUE(lines[16].empty());
    }
    // Period 2: the source's transmission runs from 2,5 s to 5 s.
    const auto block2 = linesOf(sink.prints[1].text);
    EXPECT_TRUE(startsWith(block2[2], " Tn2(2) = 2,5        Xn2(2) = 25        Yn2(2) = 0"));
    EXPECT_TRUE(startsWith(block2[3], " Tk2(2) = 5        Xk2(2) = 50         Yk2(2) = 0"));

    const auto& table = sink.prints.back();
    EXPECT_DOUBLE_EQ(table.y, 593 - 8.0 * 19);
    const auto rows = linesOf(table.text);
    ASSERT_EQ(rows.size(), 20u);
    EXPECT_EQ(rows[0], "№ периода      средний угол       наблюдаемая частота            "
                       "расчетная частота ");
    EXPECT_TRUE(startsWith(rows[1], "   1               "));
    EXPECT_EQ(s.reportText, table.text);
    // Observed and calculated frequencies agree for aimed membranes.
    for (int i = 1; i <= 19; ++i) {
        EXPECT_NEAR(1 / s.dT(i), s.v1(i), 0.002 * s.v1(i)) << i;
    }
}

TEST_F(MembraneReport, StoppedRunReportsOnlyCompletePeriodsAndZeroPeriodFails) {
    m.aim(s, true);
    m.start(s, opt);
    while (s.frontIndex < 4)
        m.stepMembrane(s, opt, hooks);
    for (int n = 0; n < 1000; ++n) // stopped halfway through period 3
        m.stepMembrane(s, opt, hooks);
    ASSERT_EQ(s.frontIndex, 4);
    EXPECT_EQ(reportedPeriods(m), 2);
    printReport(s, m, sink);
    EXPECT_EQ(sink.prints.size(), 3u);
    EXPECT_NE(sink.prints[0].text.find(" из 2\r\n"), std::string::npos);
    // Every listed period has both ends: positive periods and frequencies only.
    for (int i = 1; i <= 2; ++i)
        EXPECT_GT(s.dT(i), 0) << i;
    for (const auto& p : sink.prints)
        EXPECT_EQ(p.text.find("1/dT= -"), std::string::npos);
    RecordingCanvas canvas;
    plotObservedPoints(canvas, s, m, 0.125);
    ASSERT_EQ(canvas.count(DrawOp::Circle), 2u);
    for (const DrawOp& op : canvas.ops)
        EXPECT_GT(op.y1, 0);

    s.Tk1(2) = s.Tk1(1);
    EXPECT_THROW(printReport(s, m, sink), MathError);
}

TEST_F(MembraneReport, RunEndedByTheTurningMessageReportsEveryCompletedPeriod) {
    // Source at rest at the origin, receiver approaching from (0; 110) at
    // 10 m/s, T00 = 2: front i leaves at te = 2·(i − 1) and meets the
    // receiver at (110 + 20·te) / 30, that is at 3,667, 5, 6,333 and 7,667 s.
    // Front 4 arrives before front 5 leaves at 8 s: the receiver cannot be
    // turned, after three complete periods of 4/3 s (v = 0,75 = v0·(1 + 10/20)).
    s.X(1) = 0;
    s.Y(1) = 110;
    s.VX(1) = 0;
    s.VY(1) = -10;
    s.VX(2) = 0;
    setPeriod(2);
    m.aim(s, true); // both membranes horizontal
    m.start(s, opt);
    runToEnd();
    ASSERT_EQ(hooks.told.size(), 1u);
    ASSERT_FALSE(hooks.periods.empty());
    EXPECT_EQ(hooks.periods.back().period, 3);
    EXPECT_EQ(reportedPeriods(m), 3);
    printReport(s, m, sink);
    ASSERT_EQ(sink.prints.size(), 4u);
    EXPECT_EQ(linesOf(sink.prints[2].text)[0],
              "             обрабатываем сигналы периода № 3 из 3");
    for (int i = 1; i <= 3; ++i)
        EXPECT_NEAR(1 / s.dT(i), 0.75, 0.75 * 0.75 * 2 * s.dt) << i;
    EXPECT_EQ(linesOf(sink.prints[3].text).size(), 4u);
}

TEST_F(MembraneReport, GraphPointsSitAtTheMeanAngleAndFrequencyRatio) {
    runDefaults();
    const double My = 0.25 / 2;
    RecordingCanvas canvas;
    const std::string lines = plotObservedPoints(canvas, s, m, My);
    ASSERT_EQ(canvas.count(DrawOp::Circle), 19u);
    const DrawOp& first = canvas.ops[0];
    const double asr = (m.Q3r(1) + m.Q3r(2)) * s.degPerRad / 2;
    EXPECT_NEAR(first.x1, (asr / 90 - 1) * 20, 1e-12);
    EXPECT_NEAR(first.y1, 1 / (s.Tk1(1) - s.Tk1(0)) / s.v0 / My, 1e-9);
    EXPECT_EQ(first.color, rgb(0, 0, 250));
    EXPECT_EQ(linesOf(lines).size(), 19u);
    EXPECT_EQ(graphPointLine(3, 120.456, 1.2399), "i= 3      Asr = 120,45    v1/v0 = 1,23\r\n");

    RecordingCanvas calc;
    plotCalculatedPoints(calc, s, m, My);
    EXPECT_EQ(calc.count(DrawOp::Circle), 19u);
    EXPECT_EQ(calc.count(DrawOp::Line), 18u);
    // Observed and calculated ratios agree for aimed membranes.
    EXPECT_NEAR(calc.ops[0].y1, first.y1, 0.002 * first.y1);
    EXPECT_DOUBLE_EQ(s.Q3(1), asr); // the stored angle is now the period's mean, in degrees
}

TEST(MembraneGraph, GridIsLabelledWithRatioAndAngle) {
    RecordingCanvas canvas;
    drawGraphGrid(canvas, 0.125);
    EXPECT_EQ(canvas.ops.front().kind, DrawOp::Clear);
    std::vector<std::string> printed;
    for (const DrawOp& op : canvas.ops)
        if (op.kind == DrawOp::Print) printed.push_back(op.text);
    ASSERT_EQ(printed.size(), 10u + 21u);
    EXPECT_EQ(printed[1], "0,25");
    EXPECT_EQ(printed[10], "0");   // angle at x = -20
    EXPECT_EQ(printed[20], "90");  // x = 0
    EXPECT_EQ(printed[30], "180"); // x = 20
}

TEST_F(MembraneRun, DisplayStepErasesWhatItDrewBefore) {
    m.aim(s, true);
    m.start(s, opt);
    RecordingCanvas first, second;
    drawDisplayStep(first, s, m);
    for (int k = 0; k < 100; ++k)
        m.stepMembrane(s, opt, hooks);
    drawDisplayStep(second, s, m);
    EXPECT_EQ(first.count(DrawOp::Line), 3u); // two membranes and front 1, nothing to erase yet
    // Every black segment of the first picture is whitened in the second.
    for (const DrawOp& op : first.ops) {
        if (op.kind != DrawOp::Line) continue;
        bool erased = false;
        for (const DrawOp& e : second.ops)
            erased |= e.kind == DrawOp::Line && e.color == colors::white && e.x1 == op.x1 &&
                      e.y1 == op.y1 && e.x2 == op.x2 && e.y2 == op.y2;
        EXPECT_TRUE(erased);
    }
    // At the end each received front k is drawn as a blue ray from its
    // emission point (25·(k − 1); 0) to where the receiver met it, at
    // (56,6 + 6t; 50) for the exact arrival t, in canvas units of 10 m.
    runToEnd();
    RecordingCanvas last;
    drawDisplayStep(last, s, m);
    std::vector<DrawOp> rays;
    for (const DrawOp& op : last.ops)
        if (op.kind == DrawOp::Line && op.color == rgb(0, 0, 250)) rays.push_back(op);
    ASSERT_EQ(rays.size(), 20u);
    for (int k = 1; k <= 20; ++k) {
        const DrawOp& r = rays[k - 1];
        const double t = exactFrontArrival(k, 2.5, 56.6, 50, 6, 0, 0, 0, 10, 0, 20);
        EXPECT_NEAR(r.x1, (56.6 + 6 * t) / 10, 0.01) << k;
        EXPECT_NEAR(r.y1, 5, 0.01) << k;
        EXPECT_NEAR(r.x2, 2.5 * (k - 1), 1e-9) << k;
        EXPECT_NEAR(r.y2, 0, 1e-9) << k;
    }
}

// Each column of the period table against the exact run: front k leaves the
// source (10 m/s along X from the origin) at 2,5·(k − 1) s, its centre
// meets the receiver (56,6 + 6t; 50) at the exact arrival time of a front
// from that point, and it travels along the line from its emission point to
// that meeting point, at the angle q(k) above the X axis; both bodies move
// along +X, so formula (2) sees the angle q on both sides.
TEST_F(MembraneReport, PeriodTableColumnsFollowTheExactArrivals) {
    runDefaults();
    std::istringstream csv(membranePeriodCsv(s, m));
    std::string line;
    std::getline(csv, line);
    EXPECT_EQ(line, "period,Q3_mean,v,v1,Tn2,Xn2,Yn2,Tk2,Xk2,Yk2,Tn1,Xn1,Yn1,Tk1,Xk1,Yk1");
    auto arrival = [](int k) { return exactFrontArrival(k, 2.5, 56.6, 50, 6, 0, 0, 0, 10, 0, 20); };
    auto angle = [&](int k) { return std::atan2(50, 56.6 + 6 * arrival(k) - 25 * (k - 1)); };
    auto doppler = [&](int k) {
        const double c = std::cos(angle(k));
        return 0.4 * (1 - 6 * c / 20) / (1 - 10 * c / 20);
    };
    const double bound = s.dt * (20.0 / 14 + 1), deg = 45 / std::atan(1.0);
    int rows = 0;
    while (std::getline(csv, line)) {
        const int i = ++rows;
        std::vector<double> v;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, ',');)
            v.push_back(plainNumber(cell));
        ASSERT_EQ(v.size(), 16u) << i;
        const double tn1 = arrival(i), tk1 = arrival(i + 1);
        const double expected[16] = {double(i),
                                     (angle(i) + angle(i + 1)) / 2 * deg,
                                     1 / (tk1 - tn1),
                                     (doppler(i) + doppler(i + 1)) / 2,
                                     2.5 * (i - 1),
                                     25.0 * (i - 1),
                                     0,
                                     2.5 * i,
                                     25.0 * i,
                                     0,
                                     tn1,
                                     56.6 + 6 * tn1,
                                     50,
                                     tk1,
                                     56.6 + 6 * tk1,
                                     50};
        const double tolerance[16] = {0,    0.02,  2 * bound / std::pow(tk1 - tn1, 2),
                                      1e-4, 1e-12, 1e-9,
                                      0,    1e-12, 1e-9,
                                      0,    bound, 0.1,
                                      0.1,  bound, 0.1,
                                      0.1};
        for (int c = 0; c < 16; ++c)
            EXPECT_NEAR(v[c], expected[c], tolerance[c]) << "period " << i << " column " << c;
    }
    EXPECT_EQ(rows, 19);
}
