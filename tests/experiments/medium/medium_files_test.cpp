#include "base/numbers.h"
#include "canvas/recording_canvas.h"
#include "experiments/medium/medium_graph.h"
#include "experiments/medium/medium_report.h"
#include "experiments/medium/medium_table.h"
#include "support/print_sink.h"

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
    const auto legend = printedBy([&](ReportSink& s) { mediumReportLegend(run, s); });
    ASSERT_EQ(legend.size(), 2u);
    EXPECT_EQ(legend[0].y, 599.9);
    EXPECT_EQ(legend[1].y, 599.3);
    EXPECT_EQ(line(legend[1].text, 5),
              " QV1= 0  и QV2= 0 - углы между скоростью приемника и источника и осью X");
    EXPECT_EQ(line(legend[1].text, 8),
              " v0=  0,2 - реальная частота передатчика по часам источника");

    const auto body =
        printedBy([&](ReportSink& s) { mediumReportBody(run, DopplerFrame::Classic, s); });
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
    for (const PrintedPiece& piece : body)
        EXPECT_EQ(piece.text.find("1/dT= -"), std::string::npos);
}

TEST(MediumReport, RunOfTwentyArrivalsReportsItsNineteenCompletePeriods) {
    SharedState st;
    MediumExperiment run(st);
    MediumInputs in;
    in.VX1 = 10; // the receiver keeps its distance: no beam is late
    in.T00 = 8;
    runArrivals(run, 20, in); // ends by itself at the twentieth arrival
    ASSERT_EQ(run.k, 21);
    std::vector<PrintedPiece> body;
    EXPECT_NO_THROW(
        body = printedBy([&](ReportSink& s) { mediumReportBody(run, DopplerFrame::Classic, s); }));
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

// Every column of the file, written from hand-set records of two arrivals:
// whole millionths (angles in degrees) in 14-character zones, and each value
// back in its own record when read.
TEST(MediumTable, EveryColumnHoldsItsOwnValue) {
    SharedState st;
    MediumExperiment run(st);
    run.k = 3, run.mode = 2;
    run.Vs0 = 20, run.v00 = 0.2, run.T0 = 1.5, run.G = 0.75, run.VXiso = 12.34;
    st.VX(1) = -3.5, st.VX(2) = 10, st.VY(1) = 0.25, st.VY(2) = -0.125;
    const double tn2[] = {0, 2, 7, 13}; // source periods 5 and 6
    for (int i = 1; i <= 3; ++i) {
        st.Tn1(i) = 10 + i, run.Tn1p(i) = 20 + i, st.Xk1(i) = 30 + i, st.Yk1(i) = 40 + i;
        st.Tn2(i) = tn2[i], st.Xn2(i) = 50 + i, st.Yn2(i) = 60 + i;
        st.Xk2(i) = 70 + i, st.Yk2(i) = 80 + i;
        st.QV1(i) = 30.0 * i / st.degPerRad, st.QV2(i) = -45 / st.degPerRad;
        run.Vs1(i) = 90 + i, run.Vs2(i) = 100 + i;
    }
    const std::string text = mediumTableText(run, DopplerFrame::Relativistic);
    EXPECT_EQ(line(text, 0).rfind(
                  "СТО в среде с переменной оптической плотностью при VXiso= 12,3 Vs0", 0),
              0u);
    // Millionths, one column a line of the case table: start values, row 1, row 2.
    const struct {
        const char* column;
        double start, row1, row2;
    } cols[] = {
        {"Vs0 / N", 20e6, 1, 2},
        {"v0 / Tn1", 0.2e6, 11e6, 12e6},
        {"VX1 / Tk1", -3.5e6, 21e6, 22e6},
        {"VX2 / Xk1", 10e6, 31e6, 32e6},
        {"VY1 / Yk1", 0.25e6, 41e6, 42e6},
        {"VY2 / Tn2", -0.125e6, 2e6, 7e6},
        {"T0 / T00", 1.5e6, 5e6, 6e6},
        {"kTiso / Xn2", 0.75e6, 51e6, 52e6},
        {"kod / Yn2", 2, 61e6, 62e6},
        {"Xk2", 0, 71e6, 72e6},
        {"Yk2", 0, 81e6, 82e6},
        {"Qn1", 0, 30e6, 60e6},
        {"Qn2", 0, -45e6, -45e6},
        {"Vs1", 0, 91e6, 92e6},
        {"Vs2", 0, 101e6, 102e6},
    };
    const auto item = [&](int n, std::size_t k) {
        const std::string l = line(text, n);
        // An item fills its zone from the start, or from the second place
        // when a blank stands for its sign.
        const std::size_t from = l[k * 14] == ' ' ? k * 14 + 1 : k * 14;
        EXPECT_NE(l[from], ' ') << "zone " << k << " of line " << n;
        return l.substr(from, l.find(' ', from) - from);
    };
    for (std::size_t k = 0; k < 15; ++k) {
        const auto& c = cols[k];
        if (k < 9) {
            EXPECT_NEAR(readNumber(item(1, k)), c.start, 1) << c.column;
        }
        EXPECT_NEAR(readNumber(item(3, k)), c.row1, 1) << c.column;
        EXPECT_NEAR(readNumber(item(4, k)), c.row2, 1) << c.column;
    }
    EXPECT_EQ(item(3, 0), "01");

    const std::string path = "medium_columns_test.txt";
    std::ofstream(path, std::ios::binary) << text;
    SharedState st2;
    MediumExperiment r(st2);
    readMediumTable(path, r);
    std::remove(path.c_str());
    const double start[] = {r.Vs0,     st2.Vs, r.v00, st2.VX(1), st2.VX(2), st2.VY(1),
                            st2.VY(2), r.T0,   r.G,   r.V1,      r.V2};
    const double startWanted[] = {20,
                                  20,
                                  0.2,
                                  -3.5,
                                  10,
                                  0.25,
                                  -0.125,
                                  1.5,
                                  0.75,
                                  std::hypot(3.5, 0.25),
                                  std::hypot(10, 0.125)};
    for (std::size_t k = 0; k < std::size(start); ++k)
        EXPECT_NEAR(start[k], startWanted[k], 1e-9) << "start value " << k;
    EXPECT_EQ(r.mode, 2);
    EXPECT_EQ(r.k, 3);
    for (int i = 1; i <= 2; ++i) {
        const double got[] = {st2.Tn1(i),
                              r.Tn1p(i),
                              st2.Xk1(i),
                              st2.Yk1(i),
                              st2.Tn2(i),
                              st2.Xn2(i),
                              st2.Yn2(i),
                              st2.Xk2(i),
                              st2.Yk2(i),
                              st2.QV1(i) * st.degPerRad,
                              st2.QV2(i) * st.degPerRad,
                              r.Vs1(i),
                              r.Vs2(i),
                              r.Xe(i)};
        const double wanted[] = {10.0 + i, 20.0 + i, 30.0 + i,  40.0 + i, tn2[i],
                                 50.0 + i, 60.0 + i, 70.0 + i,  80.0 + i, 30.0 * i,
                                 -45,      90.0 + i, 100.0 + i, 50.0 + i};
        for (std::size_t k = 0; k < std::size(got); ++k)
            EXPECT_NEAR(got[k], wanted[k], 2e-6) << "row " << i << " value " << k;
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
    // A row longer than any table line, and a table of the comparison window.
    const std::string row = "01 1 2 3 4 5 6 7 8 9 10 11 12 13 14";
    std::ofstream(path) << "title\n 1 2 3 4 5 6 7 8 1\nheader\n"
                        << row << std::string(5000, ' ') << "\n";
    EXPECT_THROW(readMediumTable(path, run), TableError);
    std::ofstream(path) << "таблица   Sonrel6 form9\n 1 2 3 4 5 6 7 8 1\nheader\n" << row << "\n";
    EXPECT_THROW(readMediumTable(path, run), TableError);
    EXPECT_EQ(run.mode, 0); // left as it was
    std::ofstream(path) << "таблица   Sonrel6 form3\n 1 2 3 4 5 6 7 8 1\nheader\n" << row << "\n";
    EXPECT_NO_THROW(readMediumTable(path, run));
    EXPECT_EQ(run.mode, 1);
    std::remove(path.c_str());
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
