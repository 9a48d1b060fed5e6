#include "base/errors.h"
#include "canvas/recording_canvas.h"
#include "experiments/relativity/data_table.h"
#include "experiments/relativity/graph_points.h"

#include "base/numbers.h"

#include <cmath>
#include <gtest/gtest.h>
#include <sstream>

using namespace sonrel;
using namespace sonrel::relativity;

namespace {

struct YesPrompts : Prompts {
    void tell(const std::string&, const std::string&) override {}
    bool askYesNo(const std::string&, const std::string&) override { return true; }
};

// A default classical run in ИСО with a long period, stopped after `arrivals`.
void runDefault(Model& m, int arrivals, Frame frame = Frame::Iso) {
    Inputs in;
    in.T00 = 10;
    Options o;
    o.frame = frame;
    o.animation = false;
    ASSERT_EQ(m.start(in, o), "");
    RecordingCanvas c;
    YesPrompts p;
    for (int n = 0; n < 200000 && m.N <= arrivals; ++n)
        m.step(c, p);
}

std::vector<DrawOp> observedMarks(Model& m) {
    RecordingCanvas c;
    plotObservedPoints(m, c, [](const GraphPoint&) { return true; });
    return c.ops;
}

} // namespace

TEST(DataTable, LinesHoldMillionthsInZones) {
    SharedState s;
    Model m(s);
    runDefault(m, 3);
    std::istringstream text(tableText(m));
    std::string title, values, columns, row;
    std::getline(text, title);
    std::getline(text, values);
    std::getline(text, columns);
    std::getline(text, row);
    EXPECT_NE(title.find("Классика в ИСО  при VXiso= 0  (параметры даны на начало периода N)"),
              std::string::npos);
    EXPECT_EQ(values.rfind("20000000      ", 0), 0u); // Vs0 = 20 m/s
    EXPECT_EQ(row.rfind("01            ", 0), 0u);
    EXPECT_EQ(values.find('\r'), values.size() - 1);
}

// Every column of the file, written from hand-set records of two periods:
// whole millionths (angles in degrees) in 14-character zones, and each value
// back in its own record when read.
TEST(DataTable, EveryColumnHoldsItsOwnValue) {
    SharedState s;
    Model m(s);
    m.N = 3;
    m.completed = 2;
    m.lastEmission = 3;
    m.Vs0 = 20, s.v0 = 0.2, m.VX1iso = -3.5, m.VX2iso = 10, m.VY1iso = 0.25, m.VY2iso = -0.125;
    m.T0 = 1.5, m.kTiso3 = 0.75, m.kT00 = 1.25, m.VXiso = 12.34;
    const double tn2[] = {0, 2, 7, 13}; // source periods 5 and 6
    for (int i = 1; i <= 3; ++i) {
        s.Tn1(i) = 10 + i, m.Tn1p(i) = 20 + i, s.Xn1(i) = 30 + i, s.Yn1(i) = 40 + i;
        m.Tn2iso(i) = tn2[i], m.Xn2iso(i) = 50 + i, m.Yn2iso(i) = 60 + i;
        s.Xk2(i) = 70 + i, s.Yk2(i) = 80 + i;
        m.Qn1(i) = 30.0 * i / s.degPerRad, m.Qn2(i) = -45 / s.degPerRad;
        m.Vs1(i) = 90 + i, m.Vs2(i) = 100 + i;
    }
    const std::string text = tableText(m);
    std::istringstream in(text);
    std::vector<std::string> lines;
    for (std::string l; std::getline(in, l);)
        lines.push_back(l.substr(0, l.size() - 1)); // without the "\r"
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_NE(
        lines[0].find("Классика в ИСО  при VXiso= 12,3  (параметры даны на начало периода N)"),
        std::string::npos);
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
        {"kT00 / Yn2", 1.25e6, 61e6, 62e6},
        {"Xk2", 0, 71e6, 72e6},
        {"Yk2", 0, 81e6, 82e6},
        {"Qn1", 0, 30e6, 60e6},
        {"Qn2", 0, -45e6, -45e6},
        {"Vs1", 0, 91e6, 92e6},
        {"Vs2", 0, 101e6, 102e6},
    };
    const auto item = [&](std::size_t line, std::size_t k) {
        const std::string& l = lines[line];
        EXPECT_NE(l[k * 14], ' ') << "zone " << k << " of line " << line;
        return l.substr(k * 14, l.find(' ', k * 14) - k * 14);
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

    std::istringstream back(text);
    const TableData t = parseTable(back);
    ASSERT_EQ(t.rows.size(), 2u);
    SharedState s2;
    Model r(s2);
    loadTable(r, t);
    const double start[] = {r.Vs0,    s2.Vs,    s2.v0, r.VX1iso, r.VX2iso,
                            r.VY1iso, r.VY2iso, r.T0,  r.kTiso3, r.kT00};
    const double startWanted[] = {20, 20, 0.2, -3.5, 10, 0.25, -0.125, 1.5, 0.75, 1.25};
    for (std::size_t k = 0; k < std::size(start); ++k)
        EXPECT_NEAR(start[k], startWanted[k], 1e-9) << "start value " << k;
    EXPECT_NEAR(r.V1iso, std::hypot(3.5, 0.25), 1e-9);
    EXPECT_NEAR(r.V2iso, std::hypot(10, 0.125), 1e-9);
    EXPECT_EQ(r.completedPeriods(), 1);
    for (int i = 1; i <= 2; ++i) {
        const double got[] = {s2.Tn1(i),
                              r.Tn1p(i),
                              s2.Xn1(i),
                              s2.Yn1(i),
                              r.Tn2iso(i),
                              r.Xn2iso(i),
                              r.Yn2iso(i),
                              s2.Xk2(i),
                              s2.Yk2(i),
                              r.Qn1(i) * s.degPerRad,
                              r.Qn2(i) * s.degPerRad,
                              r.Vs1(i),
                              r.Vs2(i)};
        const double wanted[] = {10.0 + i, 20.0 + i, 30.0 + i, 40.0 + i, tn2[i],
                                 50.0 + i, 60.0 + i, 70.0 + i, 80.0 + i, 30.0 * i,
                                 -45,      90.0 + i, 100.0 + i};
        for (std::size_t k = 0; k < std::size(got); ++k)
            EXPECT_NEAR(got[k], wanted[k], 2e-6) << "row " << i << " value " << k;
        EXPECT_NEAR(t.rows[static_cast<std::size_t>(i - 1)].sourcePeriod, 4.0 + i, 1e-9);
    }
    // The line of sight of each arrival, from the emission point to the receiver.
    EXPECT_NEAR(r.Q3(1), std::atan2(41 - 61.0, 31 - 51.0) + 2 * s.pi, 1e-6);
    EXPECT_NEAR(r.Q3(21), r.Q3(1), 1e-12);
}

TEST(DataTable, WrittenAndReadBackGivesTheSamePoints) {
    SharedState s;
    Model m(s);
    runDefault(m, 4);
    m.Mv = 0.1;
    m.MT = 2.5;
    const auto before = observedMarks(m);
    ASSERT_EQ(before.size(), 5u); // three periods: circles and the two lines joining them
    std::istringstream in(tableText(m));
    const TableData t = parseTable(in);
    ASSERT_EQ(t.rows.size(), 4u);
    SharedState s2;
    Model fresh(s2);
    fresh.Mv = 0.1;
    fresh.MT = 2.5;
    loadTable(fresh, t);
    const auto after = observedMarks(fresh);
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t k = 0; k < before.size(); ++k) {
        EXPECT_NEAR(after[k].x1, before[k].x1, 1e-4) << k;
        EXPECT_NEAR(after[k].y1, before[k].y1, 1e-4) << k;
    }
}

TEST(DataTable, StoppedRunListsEveryArrivalAndMarksTheOpenPeriod) {
    SharedState s;
    Model m(s);
    runDefault(m, 3); // stopped with period 3 begun but not ended
    ASSERT_EQ(m.completedPeriods(), 2);
    const std::string text = tableText(m);
    // Rows 01..03 carry the three arrivals (row 03 ends period 2), then the
    // period that never ended is named instead of a row of numbers.
    EXPECT_NE(text.find("\r\n03            "), std::string::npos);
    EXPECT_EQ(text.find("\r\n04"), std::string::npos);
    const std::string tail = "период 3 не принят\r\n";
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    std::istringstream in(text);
    const TableData t = parseTable(in);
    ASSERT_EQ(t.rows.size(), 3u);
    // The source period of every row is the ИСО schedule's T00 = 10 s.
    for (const TableRow& r : t.rows)
        EXPECT_DOUBLE_EQ(r.sourcePeriod, 10);
    SharedState s2;
    Model fresh(s2);
    loadTable(fresh, t);
    EXPECT_EQ(fresh.completedPeriods(), 2);
    EXPECT_EQ(observedMarks(fresh).size(), 3u); // two points and the line between them

    // Modelled in АСО the emissions are recorded as the beams leave: the
    // fourth has not left yet (the third beam arrives before 30 s), so the
    // source period of row 03 is unknown, written as 0, never negative.
    SharedState s3;
    Model aso(s3);
    runDefault(aso, 3, Frame::Aso);
    ASSERT_LT(s3.T, 30);
    std::istringstream asoText(tableText(aso));
    const TableData a = parseTable(asoText);
    ASSERT_EQ(a.rows.size(), 3u);
    EXPECT_NEAR(a.rows[0].sourcePeriod, 10, 0.002); // emitted within a step of schedule
    EXPECT_NEAR(a.rows[1].sourcePeriod, 10, 0.002);
    EXPECT_EQ(a.rows[2].sourcePeriod, 0);
}

TEST(DataTable, BrokenTablesAreRefused) {
    const std::string head = "title\r\n1 2 3 4 5 6 7 8 9\r\ncolumns\r\n";
    const std::string row = "01 1 2 3 4 5 6 7 8 9 10 11 12 13 14\r\n";
    for (const std::string& bad :
         {std::string(), std::string("title\r\n"), std::string("title\r\n1 2 3\r\ncolumns\r\n"),
          head + "01 1 2 3\r\n", head + "01 1 2 x 4 5 6 7 8 9 10 11 12 13 14\r\n",
          std::string("title\r\n1 2 3 4 5 6 7 8 9\r\n")}) {
        std::istringstream in(bad);
        EXPECT_THROW(parseTable(in), InputError) << bad;
    }
    std::string many = head;
    for (int i = 0; i < 30; ++i)
        many += row;
    many += "garbage past the rows that are read\r\n";
    std::istringstream in(many);
    const TableData t = parseTable(in);
    EXPECT_EQ(t.rows.size(), 20u);
    EXPECT_DOUBLE_EQ(t.rows[0].Vs2, 14e-6);
    EXPECT_THROW(readTable("no_such_table_here"), InputError);
}

TEST(DataTable, UnsafeNumbersWriteNothing) {
    SharedState s;
    Model m(s);
    runDefault(m, 2);
    for (const char* bad : {"../x", "a/b", "", "x:y"})
        EXPECT_FALSE(writeTable(m, bad)) << bad;
}
