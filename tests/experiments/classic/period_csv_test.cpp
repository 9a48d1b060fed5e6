#include "app/csv_text.h"
#include "app/errors.h"
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
// the fronts that open and close each period.
TEST(ClassicPeriodCsv, RowsOfReceivedPeriodsWithHandComputedValues) {
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
        s.Yk1(j) = 50;
        s.Q3(j) = 10.0 * j;
        s.QV1(j) = 90;
        s.QV2(j) = 90;
    }
    for (int j = 1; j <= 3; ++j) {
        s.Tn2(j) = 5.0 * (j - 1);
        s.Xn2(j) = 50.0 * (j - 1);
    }
    // Front 2: receiver moving straight away from the source's line of sight,
    // source straight toward it: v = 0.2 (1 − 6/20) / (1 + 10/20).
    s.QV1(2) = 0;
    s.QV2(2) = 180;
    EXPECT_EQ(classicCompletedPeriods(s), 2);
    const auto rows = cells(classicPeriodCsv(s));
    ASSERT_EQ(rows.size(), 3u);
    const std::vector<std::string>& h = rows[0];
    ASSERT_GE(h.size(), 4u);
    EXPECT_EQ((std::vector<std::string>{h[0], h[1], h[2], h[3]}),
              (std::vector<std::string>{"period", "Q3", "v", "v1"}));
    auto col = [&](const std::string& name) {
        for (std::size_t c = 0; c < h.size(); ++c)
            if (h[c] == name) return c;
        ADD_FAILURE() << "no column " << name;
        return std::size_t{0};
    };
    auto at = [&](int r, const std::string& name) { return plainNumber(rows[r][col(name)]); };
    const double mean = (0.2 + 0.2 * 0.7 / 1.5) / 2; // 0.14666…
    EXPECT_EQ(rows[1][0], "1");
    EXPECT_EQ(rows[2][0], "2");
    EXPECT_DOUBLE_EQ(at(1, "v"), 0.25);
    EXPECT_DOUBLE_EQ(at(2, "v"), 1 / 4.5);
    EXPECT_NEAR(at(1, "v1"), mean, 1e-12);
    EXPECT_NEAR(at(2, "v1"), mean, 1e-12);
    EXPECT_DOUBLE_EQ(at(2, "Q3"), 20);
    EXPECT_DOUBLE_EQ(at(2, "Tn2"), 5);
    EXPECT_DOUBLE_EQ(at(2, "Xn2"), 50);
    EXPECT_DOUBLE_EQ(at(2, "Tk1_prev"), 9);
    EXPECT_DOUBLE_EQ(at(2, "Tk1"), 13.5);
    EXPECT_DOUBLE_EQ(at(2, "Xk1"), 56 + 6 * 13.5);
    EXPECT_DOUBLE_EQ(at(1, "Xk1_prev"), 86);
}
