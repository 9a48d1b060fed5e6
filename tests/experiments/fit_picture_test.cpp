// "Вписать опыт" against hand-solved runs: meetings of a front with the
// receiver, the run's duration, and the scale and shift of the picture.
#include "experiments/fit_picture.h"

#include <gtest/gtest.h>
#include <utility>

using namespace sonrel;

namespace {

// Receiver at (x1, 0) moving with (vx1, vy1), a source at rest at the origin, Vs = 20.
FitMotion receiverFrom(double x1, double vx1, double vy1) {
    return {x1, 0, vx1, vy1, 0, 0, 0, 0, 20, 5};
}

} // namespace

TEST(FitPicture, FrontMeetsTheReceiverExactlyOrNever) {
    struct Case {
        FitMotion m;
        double expected; // < 0: never
    } cases[] = {
        {receiverFrom(100, 0, 0), 5},     // 100 m at 20 m/s
        {receiverFrom(100, 10, 0), 10},   // 100 + 10 t = 20 t
        {receiverFrom(100, -30, 0), 2},   // 100 - 30 t = 20 t: coming faster than the signal
        {receiverFrom(100, -20, 0), 2.5}, // as fast as the signal, towards it
        {receiverFrom(30, 0, 16), 2.5},   // at (30, 40), 50 m away
        {receiverFrom(100, 30, 0), -1},   // outruns the signal
        {receiverFrom(100, 20, 0), -1},   // keeps its distance
        {receiverFrom(100, -30, 30), -1}, // passes by faster than the signal, never met
    };
    for (const Case& c : cases) {
        const std::optional<double> t = frontMeetsReceiver(c.m, 0, 0, 0);
        if (c.expected < 0)
            EXPECT_FALSE(t) << c.m.vx1 << " " << c.m.vy1;
        else
            EXPECT_NEAR(t.value_or(-1), c.expected, 1e-12) << c.m.vx1 << " " << c.m.vy1;
    }
}

TEST(FitPicture, DurationIsTheLastArrival) {
    // Receiver at rest 100 m from a source at rest: front 20 leaves at 95 s and needs 5 s.
    EXPECT_DOUBLE_EQ(expectedDuration(receiverFrom(100, 0, 0)).time, 100);
    // A source leaving along -X at 10 m/s: front k leaves at 5 (k - 1) from
    // -50 (k - 1) and needs 5 + 2,5 (k - 1): front 20 arrives at 147,5 s.
    FitMotion away = receiverFrom(100, 0, 0);
    away.vx2 = -10;
    EXPECT_DOUBLE_EQ(expectedDuration(away).time, 147.5);
    // One front at a time each front waits for the last one's arrival:
    // a(k) = a(k - 1) + 5 + 2,5 (k - 1), a(20) = 5·20 + 1,25·20·19 = 575 s.
    away.oneFrontAtATime = true;
    EXPECT_DOUBLE_EQ(expectedDuration(away).time, 575);
    // A receiver outrunning the signal: the 20 emissions and one crossing of 100 m.
    const FitDuration capped = expectedDuration(receiverFrom(100, 30, 0));
    EXPECT_TRUE(capped.capped);
    EXPECT_DOUBLE_EQ(capped.time, 105);
}

TEST(FitPicture, ScaleAndShiftKeepTheRunInsideTheMargin) {
    const PictureRect main{-1, 14, 40, -4}; // 41 x 18, 5 %: 2,05 and 0,9 cm
    // Bodies at rest 100 m apart along X, free origin: 100 / (36,9 - 1) = 2,786 → 2,8 m/cm;
    // the bodies' middle, 17,86 cm, goes to the picture's middle 19,5 (two
    // whole cm to the left) and their height 0 to its middle height 5 (five down).
    const PictureFit free = fitPicture(receiverFrom(100, 0, 0), main, false, 5);
    EXPECT_DOUBLE_EQ(free.scale, 2.8);
    EXPECT_EQ(free.shiftX, -2);
    EXPECT_EQ(free.shiftY, -5);
    // Fixed origin: 100 / 37,95 = 2,64 → 2,7; a source 50 m left of it has only
    // the 0,95 cm of the picture's 1 cm left side: 50 / 0,95 = 52,6 → 53.
    EXPECT_DOUBLE_EQ(fitPicture(receiverFrom(100, 0, 0), main, true, 5).scale, 2.7);
    // A receiver leaving at 10 m/s meets front 20 at 200 s (1050 + 10 τ = 20 τ
    // after 95 s), at 2100 m: 2100 / 37,95 = 55,3 → 56.
    EXPECT_DOUBLE_EQ(fitPicture(receiverFrom(100, 10, 0), main, true, 5).scale, 56);
    FitMotion left = receiverFrom(100, 0, 0);
    left.x2 = -50;
    EXPECT_DOUBLE_EQ(fitPicture(left, main, true, 5).scale, 53);
    // Membranes 20 m long around bodies at (30, 50) and (30, 0): 60 / 13,1 = 4,58 → 4,6.
    const FitMotion membranes{30, 50, 0, 0, 30, 0, 0, 0, 20, 5};
    EXPECT_DOUBLE_EQ(fitPicture(membranes, main, true, 5, 10).scale, 4.6);
    // Nothing away from one point: the scale stays.
    EXPECT_DOUBLE_EQ(fitPicture(receiverFrom(0, 0, 0), main, false, 7).scale, 7);
}

TEST(FitPicture, ScalesRoundUpToTwoDigits) {
    const std::pair<double, double> cases[] = {{0.468, 0.47}, {38, 38},      {123, 130},
                                               {9.91, 10},    {2.7855, 2.8}, {1.234e-5, 1.3e-5}};
    for (auto [x, up] : cases)
        EXPECT_DOUBLE_EQ(roundUpTwoDigits(x), up) << x;
}
