#include "app/numbers.h"
#include "canvas/recording_canvas.h"
#include "experiments/medium/medium_graph.h"
#include "experiments/medium/medium_report.h"
#include "experiments/medium/medium_table.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>

using namespace sonrel;

namespace {
struct Yes : Prompts {
    void tell(const std::string&, const std::string&) override {}
    bool askYesNo(const std::string&, const std::string&) override { return true; }
};

// A run (by default the window's) stopped after `arrivals` beams have
// arrived, or ended by the period record's limit.
void runArrivals(MediumExperiment& run, int arrivals, const MediumInputs& in = {}) {
    MediumOptions o;
    o.animation = false;
    ASSERT_EQ(run.start(in, o), StartOutcome::Running);
    Yes p;
    try {
        for (long s = 0; s < 200000 && run.k <= arrivals; ++s)
            run.step(o, nullptr, p);
    } catch (const IndexError&) {
    }
    run.endRun(o);
}

std::string line(const std::string& text, int n) {
    std::size_t from = 0;
    for (int i = 0; i < n; ++i)
        from = text.find('\n', from) + 1;
    return text.substr(from, text.find('\n', from) - from);
}
} // namespace

TEST(MediumReport, LegendAndPeriodBlocks) {
    SharedState st;
    MediumExperiment run(st);
    runArrivals(run, 3);
    ASSERT_EQ(run.k, 4);
    const auto legend = mediumReportLegend(run);
    ASSERT_EQ(legend.size(), 2u);
    EXPECT_EQ(legend[0].y, 599.9);
    EXPECT_EQ(legend[1].y, 599.3);
    EXPECT_EQ(line(legend[1].text, 5),
              " QV1= 0  и QV2= 0 - углы между скоростью приемника и источника и осью X");
    EXPECT_EQ(line(legend[1].text, 8),
              " v0=  0,2 - реальная частота передатчика по часам источника");

    std::vector<ReportPiece> body;
    mediumReportBody(run, DopplerFrame::Classic, body);
    ASSERT_EQ(body.size(), 4u); // three blocks and the table
    EXPECT_EQ(body[1].y, 584);
    EXPECT_EQ(body[3].y, 570);
    const std::string& b2 = body[1].text;
    EXPECT_EQ(line(b2, 0), "                         обрабатываем сигналы условного периода № 2");
    EXPECT_EQ(line(b2, 2), " Tn2(2) = 5        Xn2(2) = 50        Yn2(2) = 0");
    const double dT = run.Tn1p(3) - run.Tn1p(2);
    EXPECT_EQ(line(b2, 10),
              " dT= Tk1(2) - Tk1(1) = " + formatTrunc(dT, 3) +
                  "                             v(2) = 1/dT= " + formatNumber(1 / dT));
    // Arrival 3 opens a period whose end was never received: one line in
    // place of its block and of its row, and no negative frequency anywhere.
    EXPECT_EQ(body[2].y, 577);
    EXPECT_EQ(body[2].text, "период 3 не принят\n");
    EXPECT_EQ(
        line(body[3].text, 0),
        "№ периода      углы при вылете     углы при приеме     наблюдаемая и расчетная частота ");
    EXPECT_EQ(line(body[3].text, 1).rfind("   1         ", 0), 0u);
    EXPECT_EQ(line(body[3].text, 2).rfind("   2         ", 0), 0u);
    EXPECT_EQ(line(body[3].text, 3), "период 3 не принят");
    for (const ReportPiece& piece : body)
        EXPECT_EQ(piece.text.find("1/dT= -"), std::string::npos);
}

TEST(MediumReport, RunOfTwentyArrivalsReportsItsNineteenCompletePeriods) {
    SharedState st;
    MediumExperiment run(st);
    MediumInputs in;
    in.VX1 = 10; // the receiver keeps its distance: no beam is late
    in.T00 = 8;
    runArrivals(run, 20, in); // ends past the tables at the twentieth arrival
    ASSERT_EQ(run.k, 21);
    std::vector<ReportPiece> body;
    EXPECT_NO_THROW(mediumReportBody(run, DopplerFrame::Classic, body));
    ASSERT_EQ(body.size(), 21u); // 19 periods, the twentieth not received, the table
    EXPECT_EQ(line(body[18].text, 0),
              "                         обрабатываем сигналы условного периода № 19");
    EXPECT_EQ(body[19].text, "период 20 не принят\n");
    EXPECT_EQ(body[20].y, 591 - 7.0 * 20);
    EXPECT_EQ(line(body[20].text, 20), "период 20 не принят");
}

TEST(MediumTable, WrittenTableReadsBackAsMillionths) {
    SharedState st;
    MediumExperiment run(st);
    runArrivals(run, 3);
    const std::string text = mediumTableText(run, DopplerFrame::Classic);
    EXPECT_EQ(line(text, 0).rfind(
                  "Классика в среде с переменной оптической плотностью при VXiso= 0 Vs0", 0),
              0u);
    EXPECT_EQ(line(text, 1).substr(0, 28), " 20000000      200000       ");
    EXPECT_EQ(line(text, 3).substr(0, 2), "01");

    const std::string path = "medium_table_test.txt";
    writeMediumTable(path, run, DopplerFrame::Classic);
    SharedState st2;
    MediumExperiment back(st2);
    readMediumTable(path, back);
    std::remove(path.c_str());
    EXPECT_EQ(back.mode, 1);
    EXPECT_EQ(back.k, 4);
    EXPECT_EQ(st2.Vs, 20); // speed after the division, not the stored millionths
    for (int i = 1; i <= 3; ++i) {
        EXPECT_NEAR(back.Tn1p(i), run.Tn1p(i), 1e-6);
        EXPECT_NEAR(st2.Xk1(i), st.Xk1(i), 1e-6);
        EXPECT_NEAR(st2.QV1(i), st.QV1(i), 1e-6 / st.degPerRad);
        EXPECT_NEAR(back.Vs1(i), run.Vs1(i), 1e-6);
        // The source at 10 m/s emits every 5 s from the origin on.
        EXPECT_NEAR(st2.Tn2(i), 5.0 * (i - 1), 1e-6);
        EXPECT_NEAR(st2.Xn2(i), 50.0 * (i - 1), 1e-6);
        EXPECT_EQ(st2.Yn2(i), 0);
    }
}

TEST(MediumTable, NamesAndMalformedFiles) {
    EXPECT_EQ(mediumTableName("12"), "Sonrel_12.txt");
    EXPECT_THROW(mediumTableName("a/b"), TableError);
    EXPECT_THROW(mediumTableName("x"), TableError);
    SharedState st;
    MediumExperiment run(st);
    EXPECT_THROW(readMediumTable("no_such_table.txt", run), TableError);
    const std::string path = "medium_bad_table.txt";
    std::ofstream(path) << "title\n 1 2 3\nheader\n";
    EXPECT_THROW(readMediumTable(path, run), TableError);
    std::ofstream(path) << "title\n 1 2 3 4 5 6 7 8 1\nheader\n01 2 three\n";
    EXPECT_THROW(readMediumTable(path, run), TableError);
    std::remove(path.c_str());
    EXPECT_EQ(run.mode, 0); // left as it was
}

TEST(MediumGraph, ObservedPointsReplaceTheMeansAndCalculatedOnesNeedAnExperiment) {
    SharedState st;
    MediumExperiment run(st);
    runArrivals(run, 4);
    RecordingCanvas c;
    GraphSettings g;
    std::vector<GraphPoint> seen;
    plotExperimentalPoints(run, g, c, [&](const GraphPoint& p) {
        seen.push_back(p);
        return seen.size() < 2;
    });
    ASSERT_EQ(seen.size(), 2u); // "No" after the second point
    EXPECT_NEAR(run.vsr(1), 1 / (run.Tn1p(2) - run.Tn1p(1)), 1e-12);
    EXPECT_NEAR(seen[0].ratio, run.vsr(1) / run.v00, 1e-12);
    ASSERT_EQ(c.count(DrawOp::Circle), 2u);
    EXPECT_EQ(c.count(DrawOp::Line), 1u);
    const DrawOp& first = c.ops[0];
    // At the mean of the lines of sight from where beams 1 and 2 left to
    // where they were received (0° at −20, 180° at 20).
    const double q1 = std::atan2(st.Yk1(1), st.Xk1(1)), q2 = std::atan2(st.Yk1(2), st.Xk1(2) - 50);
    EXPECT_NEAR(first.x1, ((q1 + q2) / 2 * st.degPerRad / 90 - 1) * 20, 1e-9);
    EXPECT_NEAR(first.y1, seen[0].ratio / g.Mv, 1e-12);

    // Both bodies move along +X: the mean of the angles between their
    // velocities and the rays is, up to one ray's spacing, the line of sight
    // from the emission point to the reception point.
    GraphSettings byVelocity = g;
    byVelocity.basis = AngleBasis::Q1Q2;
    RecordingCanvas v;
    std::vector<GraphPoint> along;
    plotExperimentalPoints(run, byVelocity, v, [&](const GraphPoint& p) {
        along.push_back(p);
        return true;
    });
    ASSERT_EQ(along.size(), 3u);
    for (int k = 1; k <= 3; ++k)
        EXPECT_NEAR(along[k - 1].Qs, std::atan2(st.Yk1(k) - st.Yn2(k), st.Xk1(k) - 50.0 * (k - 1)),
                    run.da)
            << k;

    RecordingCanvas calc;
    g.averages = true;
    const double start = st.QV1(1), end = st.QV1(2);
    plotCalculatedPoints(run, g, calc, nullptr);
    EXPECT_DOUBLE_EQ(st.QV1(1), (start + end) / 2); // stored records are averaged in place
    EXPECT_EQ(calc.count(DrawOp::Circle), 3u);
    EXPECT_EQ(calc.ops[0].color, rgb(250, 0, 0));

    run.mode = 2; // after a T00 search
    RecordingCanvas none;
    plotCalculatedPoints(run, g, none, nullptr);
    plotExperimentalPoints(run, g, none, nullptr);
    EXPECT_TRUE(none.ops.empty());
}
