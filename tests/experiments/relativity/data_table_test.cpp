#include "app/errors.h"
#include "canvas/recording_canvas.h"
#include "experiments/relativity/data_table.h"
#include "experiments/relativity/graph_points.h"

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
    EXPECT_NEAR(a.rows[0].sourcePeriod, 10, 0.002); // launched within a step of schedule
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
