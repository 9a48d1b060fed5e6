#include "base/csv_text.h"
#include "base/errors.h"
#include "experiments/classic/period_csv.h"
#include "support/plain_number.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <sstream>
#include <vector>

using namespace sonrel;

namespace {

std::vector<std::vector<std::string>> cells(const std::string& csv) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream in(csv);
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> row;
        std::istringstream l(line);
        for (std::string cell; std::getline(l, cell, ',');)
            row.push_back(cell);
        rows.push_back(row);
    }
    return rows;
}

} // namespace

// Numbers are written with a decimal point, never grouped, and read back to
// the very same double.
TEST(CsvText, NumbersReadBackExactlyWithADecimalPoint) {
    EXPECT_EQ(csvNumber(0.1), "0.1");
    EXPECT_EQ(csvNumber(-2.5), "-2.5");
    EXPECT_EQ(csvNumber(1234567.125), "1234567.125");
    EXPECT_EQ(csvNumber(0), "0");
    for (double x : {1.0 / 3, 2e10 / 3, 8.906999999999, 5e-324, 1.7976931348623157e308, -4.2e-7}) {
        const std::string t = csvNumber(x);
        EXPECT_EQ(t.find(','), std::string::npos) << t;
        EXPECT_EQ(plainNumber(t), x) << t;
    }
    EXPECT_THROW(csvNumber(std::numeric_limits<double>::quiet_NaN()), MathError);
    EXPECT_THROW(csvNumber(std::numeric_limits<double>::infinity()), MathError);

    CsvText t{"period", "a", "b"};
    t.row(3, {0.5, -1});
    EXPECT_EQ(t.str(), "period,a,b\n3,0.5,-1\n");
    EXPECT_THROW(t.row(4, {1}), std::logic_error);
}

// Three fronts sent, two periods received (the third front's arrival not
// recorded): two rows with 1/dT and the mean of formula (2) at the angles of
// the fronts that open and close each period, and every recorded value in its
// own column (each array holds values that no other array holds).
TEST(ClassicPeriodCsv, EveryColumnOfTheReceivedPeriodsHoldsItsOwnValue) {
    SharedState s;
    s.v0 = 0.2;
    s.Vs = 20;
    s.V(1) = 6;
    s.V(2) = 10;
    s.frontIndex = 4;
    const double Tk1[] = {5, 9, 13.5, 0};
    for (int j = 0; j <= 3; ++j) {
        s.Tk1(j) = Tk1[j];
        s.Xk1(j) = 56 + 6 * Tk1[j];
        s.Yk1(j) = 50 + 0.5 * j;
        s.Q3(j) = 10.0 * j;
        s.QV1(j) = 90;
        s.QV2(j) = 90;
        s.Tn2(j) = 5.0 * (j - 1);
        s.Xn2(j) = 50.0 * (j - 1);
        s.Yn2(j) = -3.0 * j;
        s.Xk2(j) = 100 + 11.0 * j;
        s.Yk2(j) = 1000 + j;
        s.Tn1(j) = 5 * j + 0.25;
        s.Xn1(j) = 30 + 7.0 * j;
        s.Yn1(j) = 200 + 0.125 * j;
    }
    // Front 2: receiver moving straight away from the source's line of sight,
    // source straight toward it: v = 0.2 (1 − 6/20) / (1 + 10/20).
    s.QV1(2) = 0;
    s.QV2(2) = 180;
    EXPECT_EQ(classicCompletedPeriods(s), 2);
    const auto rows = cells(classicPeriodCsv(s));
    ASSERT_EQ(rows.size(), 3u);
    const std::vector<std::string> head{"period",   "Q3",       "v",        "v1",  "Tn2", "Xn2",
                                        "Yn2",      "Xk2",      "Yk2",      "Tn1", "Xn1", "Yn1",
                                        "Tk1_prev", "Xk1_prev", "Yk1_prev", "Tk1", "Xk1", "Yk1"};
    ASSERT_EQ(rows[0], head);
    const double mean = (0.2 + 0.2 * 0.7 / 1.5) / 2; // 0.14666…
    // Period 1 runs from the arrival of front 1 (T = 5) to that of front 2
    // (T = 9); period 2 from 9 to 13,5.
    const std::vector<double> expected[] = {
        {1, 10, 0.25, mean, 0, 0, -3, 111, 1001, 5.25, 37, 200.125, 5, 86, 50, 9, 110, 50.5},
        {2, 20, 1 / 4.5, mean, 5, 50, -6, 122, 1002, 10.25, 44, 200.25, 9, 110, 50.5, 13.5, 137,
         51}};
    for (int r = 1; r <= 2; ++r) {
        ASSERT_EQ(rows[r].size(), head.size()) << r;
        for (std::size_t c = 0; c < head.size(); ++c)
            EXPECT_NEAR(plainNumber(rows[r][c]), expected[r - 1][c], 1e-12)
                << "period " << r << ", column " << head[c];
    }
}
