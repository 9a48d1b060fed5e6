#include "base/checked_math.h"
#include "base/signal_delay.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace sonrel;

TEST(VectorAngle, QuadrantsAndAxes) {
    SharedState s;
    EXPECT_DOUBLE_EQ(vectorAngleDeg(s.pi, 0, 0), 0);
    EXPECT_DOUBLE_EQ(vectorAngleDeg(s.pi, 0, 5), 90);
    EXPECT_DOUBLE_EQ(vectorAngleDeg(s.pi, 0, -5), 270);
    EXPECT_DOUBLE_EQ(vectorAngleDeg(s.pi, -1, 0), 180);
    EXPECT_NEAR(vectorAngleDeg(s.pi, 1, -1), 315, 1e-12);
    EXPECT_NEAR(vectorAngleDeg(s.pi, -1, -1), 225, 1e-12);
    EXPECT_NEAR(vectorAngleDeg(s.pi, 1, 1), 45, 1e-12);
    EXPECT_DOUBLE_EQ(vectorAngleRad(s.pi, 0, 0), 0);
    EXPECT_NEAR(vectorAngleRad(s.pi, -1, -1), 1.25 * s.pi, 1e-12);
    EXPECT_NEAR(vectorAngleRad(s.pi, 0, -2), 1.5 * s.pi, 1e-12);
    EXPECT_NEAR(vectorAngleRad(s.pi, 0, 2), 0.5 * s.pi, 1e-12);
    EXPECT_NEAR(vectorAngleRad(s.pi, 1, -1), 1.75 * s.pi, 1e-12);
    EXPECT_NEAR(vectorAngleRad(s.pi, -1, 1), 0.75 * s.pi, 1e-12);
}

TEST(VectorAngle, FollowsTheSharedPi) {
    SharedState s;
    s.setPi(3.141592654);
    EXPECT_DOUBLE_EQ(vectorAngleDeg(s.pi, 1, 1), std::atan(1.0) * 180.0 / 3.141592654);
}

TEST(SignalDelay, StaticPointsAndCoincidence) {
    SharedState s;
    s.Vs = 20;
    EXPECT_DOUBLE_EQ(arrivalTimeMinusFirst(s, 100, 0, 0, 0, 0, 0), 5);
    EXPECT_DOUBLE_EQ(arrivalTimePlusFirst(s, 100, 0, 0, 0, 0, 0), 5);
    EXPECT_EQ(arrivalTimeMinusFirst(s, 3, 4, 3, 4, 5, 0), 0);
    EXPECT_EQ(arrivalTimePlusFirst(s, 3, 4, 3, 4, 5, 0), 0);
}

TEST(SignalDelay, MovingBodiesMeetTheSignal) {
    SharedState s;
    s.Vs = 20;
    // Source now at C, moving with v: it emitted t ago from C - v t, and
    // that signal, spreading at Vs, reaches P now.
    const double t = arrivalTimeMinusFirst(s, 86.60254, 50, 50, 0, 10, 0);
    const double ex = 86.60254 - (50 - 10 * t), ey = 50;
    EXPECT_NEAR(std::hypot(ex, ey), 20 * t, 1e-9);
    // A signal leaving C now reaches P moving at v after t.
    const double t2 = arrivalTimePlusFirst(s, 100, 0, 0, 0, 6, 0);
    EXPECT_NEAR(t2, 100.0 / 14.0, 1e-12);

    // Off the axes. Source now at (0; 10) moving with (9; −5): t ago it was at
    // (−9t; 10 + 5t), and from there to the receiver at (30; 40) is Vs·t:
    // (30 + 9t)² + (30 − 5t)² = 400t², i.e. 294t² − 240t − 1800 = 0.
    const double back = arrivalTimeMinusFirst(s, 30, 40, 0, 10, 9, -5);
    EXPECT_NEAR(std::hypot(30 + 9 * back, 40 - 10 - 5 * back), 20 * back, 1e-9);
    EXPECT_NEAR(back, (240 + std::sqrt(240.0 * 240 + 4 * 294 * 1800)) / 588, 1e-12);
    EXPECT_DOUBLE_EQ(s.dx, 30);
    EXPECT_DOUBLE_EQ(s.dy, 30);
    // A signal leaving the origin now meets the point (30; 40) moving with (−6; 8):
    // (30 − 6t)² + (40 + 8t)² = 400t², i.e. 300t² − 280t − 2500 = 0.
    EXPECT_NEAR(arrivalTimePlusFirst(s, 30, 40, 0, 0, -6, 8), (280 + std::sqrt(3078400.0)) / 600,
                1e-12);
    EXPECT_DOUBLE_EQ(s.dy, 40);
}

TEST(SignalDelay, FasterThanSignalPicksRootsByRoutine) {
    SharedState s;
    s.Vs = 1;
    // |v| > Vs: two positive roots; the first routine gives the smaller.
    const double a = arrivalTimeMinusFirst(s, -10, 1, 0, 0, 2, 0);
    const double b = arrivalTimePlusFirst(s, -10, 1, 0, 0, 2, 0);
    EXPECT_LT(a, b);
    EXPECT_NEAR(std::hypot(-10 + 2 * a, 1.0), a, 1e-9);
    EXPECT_NEAR(std::hypot(-10 + 2 * b, 1.0), b, 1e-9);
}

TEST(SignalDelay, NoMeetingOrSignalSpeedIsAnError) {
    SharedState s;
    s.Vs = 20;
    EXPECT_THROW(arrivalTimeMinusFirst(s, 100, 0, 0, 0, 20, 0), MathError); // a = 0
    s.Vs = 1;
    EXPECT_THROW(arrivalTimePlusFirst(s, 10, 10, 0, 0, -3, 0), MathError); // D < 0
}

// Every floating-point fault ends as a MathError, and only a fault does: a
// zero under the root, the largest finite quotient and flags raised before a
// guarded computation are no faults of it.
TEST(CheckedMath, FaultsAndOnlyFaultsBecomeMathErrors) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_THROW(sonrel::finite(inf), MathError);
    EXPECT_THROW(sonrel::finite(-inf), MathError);
    EXPECT_THROW(sonrel::finite(std::nan("")), MathError);
    EXPECT_THROW(safeDiv(1, 0), MathError);
    EXPECT_THROW(safeDiv(1e308, 1e-308), MathError);
    EXPECT_DOUBLE_EQ(safeDiv(std::numeric_limits<double>::max(), 1),
                     std::numeric_limits<double>::max());
    EXPECT_THROW(safeSqrt(-1e-300), MathError);
    EXPECT_THROW(safeSqrt(std::nan("")), MathError);
    EXPECT_EQ(safeSqrt(0), 0);
    EXPECT_EQ(safeSqrt(6.25), 2.5);

    volatile double big = 1e308, zero = 0, one = 1;
    {
        FpGuard guard;
        volatile double x = big * 10;
        (void)x;
        EXPECT_THROW(guard.check(), MathError); // overflow
    }
    {
        FpGuard guard;
        volatile double x = one / zero;
        (void)x;
        EXPECT_THROW(guard.check(), MathError); // division by zero
    }
    volatile double stale = one / zero; // raised before the guard starts
    (void)stale;
    FpGuard guard;
    volatile double x = big / 10;
    (void)x;
    EXPECT_NO_THROW(guard.check());
}
