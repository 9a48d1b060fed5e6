#include "base/errors.h"
#include "base/kinematics.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace sonrel;

const double kPi = std::acos(-1.0);

// Speeds chosen so that every clock rate is a Pythagorean ratio (3-4-5).
TEST(Kinematics, ClockRatesAndTheLorentzChangeOfEvents) {
    EXPECT_DOUBLE_EQ(clockRate(0.6, 1), 0.8);
    EXPECT_DOUBLE_EQ(clockRate(-16, 20), 0.6);
    EXPECT_EQ(clockRate(20, 20), 0);
    EXPECT_THROW(clockRate(25, 20), MathError);
    EXPECT_THROW(clockRate(1, 0), MathError);
    // A frame at the signal speed has no clock: every time seen from it fails.
    EXPECT_THROW(lorentzTime(1, 1, 20, 20, clockRate(20, 20)), MathError);
    // Event t = 2 s, x = 30 m seen from a frame moving with 12 m/s at c = 20 m/s:
    // t' = (2 - 12·30/400) / 0,8 = 1,375 s, x' = (30 - 24) / 0,8 = 7,5 m, and
    // c²t'² - x'² = 700 m² as before.
    EXPECT_DOUBLE_EQ(lorentzTime(2, 30, 12, 20, 0.8), 1.375);
    EXPECT_DOUBLE_EQ(lorentzPosition(2, 30, 12, 0.8), 7.5);
}

TEST(Kinematics, VelocitiesComposeBelowTheSignalSpeed) {
    const struct {
        double ux, uy, frame, c, x, y;
    } cases[] = {
        {0.5, 0, -0.5, 1, 0.8, 0},        // two halves of c make 0,8 c
        {0.9, 0, -0.9, 1, 1.8 / 1.81, 0}, // however close each is to c
        {1, 0, 0.6, 1, 1, 0},             // the signal keeps its speed
        {6, 8, 10, 20, -4 / 0.85, 8 * std::sqrt(0.75) / 0.85},
        {0, 0.6, 0.6, 1, -0.6, 0.48}, // across: slowed by the frame's clock
    };
    for (const auto& k : cases) {
        const Velocity v = boostVelocity({k.ux, k.uy}, k.frame, k.c);
        EXPECT_NEAR(v.x, k.x, 1e-12 * k.c) << k.ux << " " << k.frame;
        EXPECT_NEAR(v.y, k.y, 1e-12 * k.c) << k.ux << " " << k.frame;
        EXPECT_LE(std::hypot(v.x, v.y), k.c * (1 + 1e-15));
        EXPECT_EQ(relativeVelocity(k.ux, k.frame, k.c), v.x);
    }
    // A signal seen from a frame running with it: 0 / 0.
    EXPECT_THROW(relativeVelocity(1, 1, 1), MathError);
}

// Received/emitted for source 2 and receiver 1 at β = 0,6 (c = 20 m/s); angles
// between each velocity and the signal's path from source to receiver. The
// relativistic ratio is sqrt((1+β)/(1-β)) = 2 for any approach along the line,
// its inverse for recession, the clock rate 0,8 across it.
TEST(Kinematics, ClassicalAndRelativisticDopplerRatios) {
    const struct {
        const char* what;
        double V1, Q1, V2, Q2, c2, classical, relativistic;
    } cases[] = {
        {"source approaching", 0, 0, 12, 0, 20, 2.5, 2},
        {"receiver approaching", 12, kPi, 0, 0, 20, 1.6, 2},
        {"source receding", 0, 0, 12, kPi, 20, 0.625, 0.5},
        {"source across", 0, 0, 12, kPi / 2, 20, 1, 0.8},
        // The receiver runs away at 0,8 c (rate 0,6), the source recedes.
        {"both receding", 16, 0, 12, kPi, 20, 0.125, 0.125 * 0.8 / 0.6},
        // A medium carries the signal with 15 m/s; the clocks still use c.
        {"slower signal", 0, 0, 12, 0, 15, 5, 4},
    };
    for (const auto& k : cases) {
        EXPECT_NEAR(classicalDopplerRatio(k.V1, k.Q1, 20, k.V2, k.Q2, k.c2), k.classical, 1e-12)
            << k.what;
        EXPECT_NEAR(relativisticDopplerRatio(k.V1, k.Q1, 20, k.V2, k.Q2, k.c2, 20), k.relativistic,
                    1e-12)
            << k.what;
    }
    // A source at the signal speed towards the receiver: all fronts coincide;
    // a receiver at it has no clock.
    EXPECT_THROW(classicalDopplerRatio(0, 0, 20, 20, 0, 20), MathError);
    EXPECT_THROW(relativisticDopplerRatio(20, kPi, 20, 0, 0, 20, 20), MathError);
}
