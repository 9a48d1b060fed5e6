// "Вписать опыт" against hand-solved runs.
#include "experiments/fit_picture.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <utility>

using namespace sonrel;

namespace {
// Receiver from (x1, 0) with (vx1, vy1); source at rest at the origin; Vs = 20, T00 = 5.
FitMotion receiverFrom(double x1, double vx1, double vy1) {
    return {x1, 0, vx1, vy1, 0, 0, 0, 0, 20, 5};
}
} // namespace

TEST(FitPicture, FrontMeetsTheReceiverExactlyOrNever) {
    // 100 m; 100 + 10 t = 20 t; 100 - 30 t = 20 t; 100 - 20 t = 20 t; at (30, 40): 50 m;
    // outrunning, keeping its distance, passing by faster than the signal: never (-1).
    const std::pair<FitMotion, double> cases[] = {
        {receiverFrom(100, 0, 0), 5},   {receiverFrom(100, 10, 0), 10},
        {receiverFrom(100, -30, 0), 2}, {receiverFrom(100, -20, 0), 2.5},
        {receiverFrom(30, 0, 16), 2.5}, {receiverFrom(100, 30, 0), -1},
        {receiverFrom(100, 20, 0), -1}, {receiverFrom(100, -30, 30), -1}};
    for (const auto& [m, t] : cases)
        EXPECT_NEAR(frontMeetsReceiver(m, 0, 0, 0).value_or(-1), t, 1e-12) << m.vx1 << m.vy1;
}

TEST(FitPicture, DurationIsTheLastArrival) {
    EXPECT_DOUBLE_EQ(expectedDuration(receiverFrom(100, 0, 0)).time, 95 + 5);
    // A source leaving at 10 m/s along -X: front k leaves at 5 (k - 1) from
    // -50 (k - 1) and needs 5 + 2,5 (k - 1) s: front 20 arrives at 147,5 s.
    FitMotion away = receiverFrom(100, 0, 0);
    away.vx2 = -10;
    EXPECT_DOUBLE_EQ(expectedDuration(away).time, 147.5);
    // One at a time front k starts at front k - 1's arrival: a(k) = 5 k + 1,25 k (k - 1).
    away.oneFrontAtATime = true;
    EXPECT_DOUBLE_EQ(expectedDuration(away).time, 100 + 475);
    // Never received: the 20 emissions and one crossing of the 100 m.
    EXPECT_TRUE(expectedDuration(receiverFrom(100, 30, 0)).capped);
    EXPECT_DOUBLE_EQ(expectedDuration(receiverFrom(100, 30, 0)).time, 105);
}

TEST(FitPicture, ScaleAndShiftKeepTheRunInsideTheMargin) {
    const PictureRect main{-1, 14, 40, -4}; // 41 x 18 cm, 5 %: 2,05 and 0,9 cm
    FitMotion left = receiverFrom(100, 0, 0), membranes{30, 50, 0, 0, 30, 0, 0, 0, 20, 5};
    left.x2 = -50;
    struct Case {
        FitMotion m;
        bool fixed;
        double pad, scale;
    } cases[] = {{receiverFrom(100, 0, 0), true, 0, 2.7}, // 100 / 37,95 = 2,64
                 {receiverFrom(100, 10, 0), true, 0, 56}, // met at 200 s at 2100 m: / 37,95 = 55,3
                 {left, true, 0, 53},                     // 50 m in the 0,95 cm left of the origin
                 {membranes, true, 10, 4.6},              // y up to 60 m: / 13,1 = 4,58
                 {receiverFrom(0, 0, 0), false, 0, 7},    // nothing moves away: the scale stays
                 {receiverFrom(100, 0, 0), false, 0, 2.8}}; // 100 / (36,9 - 1) = 2,79
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(fitPicture(c.m, main, c.fixed, 7, c.pad).scale, c.scale) << c.scale;
    // The bodies' middle, 17,86 cm, goes to the picture's 19,5: two whole cm
    // left; their height 0 to its middle 5: five down.
    const PictureFit f = fitPicture(receiverFrom(100, 0, 0), main, false, 7);
    EXPECT_EQ(f.shiftX, -2);
    EXPECT_EQ(f.shiftY, -5);
    using Rounding = std::initializer_list<std::pair<double, double>>;
    for (auto [x, up] : Rounding{{0.468, 0.47}, {123, 130}, {9.91, 10}, {1.234e-5, 1.3e-5}})
        EXPECT_DOUBLE_EQ(roundUpTwoDigits(x), up) << x;
}
