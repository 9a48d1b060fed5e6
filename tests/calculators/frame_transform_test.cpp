#include "base/checked_math.h"
#include "base/numbers.h"
#include "calculators/frame_transform.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace sonrel;

namespace {

constexpr double kPi = 3.141592654; // the window's own π

// The window's design defaults: receiver (6; 6) at 16 m/s, source (1; 1) at 12 m/s, Vs0 = 20.
FrameInputs defaults(FrameFormula f) {
    FrameInputs in;
    in.aso = {6, 6, 1, 1, 16, 0, 12, 0};
    in.formula = f;
    return in;
}

double relativisticDifference(double u, double w, double Vs) {
    return (u - w) / (1 - u * w / (Vs * Vs));
}

} // namespace

TEST(QuickDoppler, DefaultsAndTheFormulaChoice) {
    const double k = kPi;
    const double v = quickDoppler(FrameFormula::Classic2, 20, 1, 16, 12, 30, k, 0);
    EXPECT_EQ(formatTrunc(v, 6), "0,639445");
    const double c = std::cos(30 * kPi / 180);
    const double expected45 = (1 - 0.8 * c) / (1 - 0.6 * c) * 0.8 / 0.6;
    EXPECT_NEAR(quickDoppler(FrameFormula::Sto45, 20, 1, 16, 12, 30, k, 0), expected45, 1e-12);
    // The rest-frame formulas are not evaluated here: the last result stays.
    EXPECT_EQ(quickDoppler(FrameFormula::Sto41, 20, 1, 16, 12, 30, k, 0.25), 0.25);
    EXPECT_EQ(quickDoppler(FrameFormula::Sto43, 20, 1, 16, 12, 30, k, 0.25), 0.25);
}

TEST(QuickDoppler, SpeedsAtOrAboveTheSignalSpeedFail) {
    const double k = kPi;
    EXPECT_THROW(quickDoppler(FrameFormula::Sto45, 20, 1, 20, 12, 30, k, 0), MathError);
    EXPECT_THROW(quickDoppler(FrameFormula::Sto45, 20, 1, 25, 12, 30, k, 0), MathError);
    EXPECT_THROW(quickDoppler(FrameFormula::Sto45, 20, 1, 16, 21, 30, k, 0), MathError);
    EXPECT_THROW(quickDoppler(FrameFormula::Classic2, 0, 1, 16, 12, 30, k, 0), MathError);
    // Source approaching along the line of sight at the signal speed: zero denominator.
    EXPECT_THROW(quickDoppler(FrameFormula::Classic2, 20, 1, 0, 20, 0, k, 0), MathError);
}

TEST(FrameTransform, GalileanShiftOfTheDefaults) {
    FrameInputs in = defaults(FrameFormula::Classic2);
    in.VXiso = 12;
    const FrameResult r = transformFrames(in, kPi);
    ASSERT_TRUE(r.complete);
    EXPECT_DOUBLE_EQ(r.iso.VX1, 4);
    EXPECT_DOUBLE_EQ(r.iso.VX2, 0);
    EXPECT_DOUBLE_EQ(r.iso.X1, 6);
    EXPECT_DOUBLE_EQ(r.iso.X2, 1);
    EXPECT_DOUBLE_EQ(r.V1aso, 16);
    EXPECT_DOUBLE_EQ(r.V2iso, 0);
    const double q45 = std::atan(1.0);
    EXPECT_NEAR(r.Q3iso, q45, 1e-15);
    EXPECT_NEAR(r.Q1iso, -q45, 1e-15);
    // Formula (2) with the receiver moving at 4 m/s 45 degrees off the sight line.
    EXPECT_NEAR(r.v, 1 - std::cos(q45) * 4 / 20, 1e-15);
    EXPECT_NEAR(r.ratio, r.v, 1e-15);
    EXPECT_FALSE(r.factors.has_value()); // nothing printed without a Lorentz step
}

TEST(FrameTransform, LorentzWithZeroSpeedKeepsTheAsoPicture) {
    FrameInputs in = defaults(FrameFormula::Sto45);
    in.T = 3;
    const FrameResult r = transformFrames(in, kPi);
    ASSERT_TRUE(r.complete);
    EXPECT_EQ(r.kTiso, 1);
    EXPECT_EQ(r.firstStep.t1, 3);
    EXPECT_EQ(r.firstStep.t2, 3);
    EXPECT_EQ(r.firstStep.dt, 0);
    EXPECT_DOUBLE_EQ(r.iso.X1, 6);
    EXPECT_DOUBLE_EQ(r.iso.VX1, 16);
    EXPECT_DOUBLE_EQ(r.iso.VX2, 12);
    ASSERT_TRUE(r.factors.has_value());
    EXPECT_NEAR(r.factors->G1, 0.6, 1e-12);
    EXPECT_NEAR(r.factors->G2, 0.8, 1e-12);
    // Formula (4-5) of the formula set for the АСО data: both velocities 45° off the sight line.
    const double c = std::cos(std::atan(1.0));
    EXPECT_NEAR(r.v, 0.8 * (1 - c * 16 / 20) / (1 - c * 12 / 20) / 0.6, 1e-12);
}

TEST(FrameTransform, RestFrameOfTheSourceGivesTheRelativisticDifference) {
    for (double VXiso : {0.0, 5.0, -7.0}) {
        FrameInputs in = defaults(FrameFormula::Sto41);
        in.VXiso = VXiso;
        const FrameResult r = transformFrames(in, kPi);
        ASSERT_TRUE(r.complete) << VXiso;
        const double expected = relativisticDifference(16, 12, 20);
        EXPECT_NEAR(r.V12iso, expected, 1e-9) << VXiso;
        EXPECT_NEAR(r.V1iso, expected, 1e-9) << VXiso;
        EXPECT_EQ(r.V2iso, 0);
        EXPECT_NEAR(r.secondStep.U, relativisticDifference(12, VXiso, 20), 1e-9);
        EXPECT_EQ(r.delay.dT, 0);
    }
    // The receiver's rest frame: the source moves away with the same speed.
    FrameInputs in = defaults(FrameFormula::Sto43);
    const FrameResult r = transformFrames(in, kPi);
    ASSERT_TRUE(r.complete);
    EXPECT_EQ(r.V1iso, 0);
    EXPECT_NEAR(r.iso.VX2, -relativisticDifference(16, 12, 20), 1e-9);
}

TEST(FrameTransform, SecondLorentzStepComposesTheFrameSpeeds) {
    FrameInputs in = defaults(FrameFormula::Sto45);
    in.VXiso = 6;
    in.VXiso3 = 5;
    in.toIso3 = true;
    const FrameResult r = transformFrames(in, kPi);
    ASSERT_TRUE(r.complete);
    const double w = (6 + 5) / (1 + 6.0 * 5 / 400); // speed of ИСО3 seen from АСО
    EXPECT_NEAR(r.iso.VX1, relativisticDifference(16, w, 20), 1e-9);
    EXPECT_NEAR(r.iso.VX2, relativisticDifference(12, w, 20), 1e-9);
    EXPECT_EQ(r.secondStep.U, 5);
    // ИСО3 moves the positions with each body's own time of the previous frame.
    const double k1 = std::sqrt(1 - 0.09), k3 = std::sqrt(1 - 0.0625);
    const double X1iso = 6 / k1, T1iso = (0 - 6 * 6 / 400.0) / k1;
    EXPECT_NEAR(r.secondStep.X1, (X1iso - 5 * T1iso) / k3, 1e-9);
    const double X2iso = 1 / k1, T2iso = (0 - 6 * 1 / 400.0) / k1;
    EXPECT_NEAR(r.secondStep.X2, (X2iso - 5 * T2iso) / k3, 1e-9);
}

TEST(FrameTransform, AnglesFoldDifferentlyInEachFrame) {
    // Receiver straight below the source, moving along +X.
    FrameInputs in = defaults(FrameFormula::Classic2);
    in.aso = {0, -5, 0, 0, 16, 0, 0, 0};
    const FrameResult r = transformFrames(in, kPi);
    ASSERT_TRUE(r.complete);
    EXPECT_NEAR(r.Q3aso, 1.5 * kPi, 1e-12);
    EXPECT_NEAR(r.Q1aso, -1.5 * kPi, 1e-12); // АСО angles are not folded
    EXPECT_NEAR(r.Q3iso, -0.5 * kPi, 1e-12); // above π: minus 2π
    EXPECT_NEAR(r.Q1iso, 0.5 * kPi, 1e-12);
    // Crossing the sight line at right angles (with the shortened π).
    EXPECT_NEAR(r.v, 1 - std::cos(0.5 * kPi) * 16 / 20, 1e-15);
}

TEST(FrameTransform, DelayInAsoPutsTheSourceWhereItsSignalLeft) {
    FrameInputs in = defaults(FrameFormula::Classic2);
    in.delay = DelayMode::InAso;
    in.T = 2;
    const FrameResult r = transformFrames(in, kPi);
    ASSERT_TRUE(r.complete);
    const double dT = r.delay.dT;
    EXPECT_GT(dT, 0);
    EXPECT_NEAR(r.aso.X2, 1 - 12 * dT, 1e-12);
    EXPECT_NEAR(std::hypot(6 - r.aso.X2, 6 - r.aso.Y2), 20 * dT, 1e-9);
    EXPECT_NEAR(r.delay.X2, 1, 1e-12); // the undelayed position is shown
    EXPECT_NEAR(r.delay.T2iso, 2 - dT, 1e-15);
}

TEST(FrameTransform, MediumRestingInAsoChangesTheSignalSpeedInIso) {
    FrameInputs in = defaults(FrameFormula::Classic2);
    in.delay = DelayMode::InFinalFrame;
    const FrameResult still = transformFrames(in, kPi);
    ASSERT_TRUE(still.complete);
    EXPECT_NEAR(still.Vs, 20, 1e-12);
    ASSERT_TRUE(still.signalDirectionDeg.has_value());
    // Direction from the delayed source to the receiver.
    const double dT = still.delay.dT;
    EXPECT_NEAR(*still.signalDirectionDeg, std::atan2(6 - 1, 6 - (1 - 12 * dT)) * 180 / kPi, 1e-6);

    in.VXiso = 10;
    const FrameResult moving = transformFrames(in, kPi);
    ASSERT_TRUE(moving.complete);
    const double a = *still.signalDirectionDeg * kPi / 180;
    EXPECT_NEAR(moving.Vs, std::hypot(20 * std::cos(a) - 10, 20 * std::sin(a)), 1e-9);
    // Dragged medium: the signal keeps Vs0 in ИСО.
    in.mediumDragged = true;
    const FrameResult dragged = transformFrames(in, kPi);
    EXPECT_EQ(dragged.Vs, 20);
    EXPECT_FALSE(dragged.signalDirectionDeg.has_value());
}

TEST(FrameTransform, AlignmentToTheOriginAtTimeZeroMovesNothing) {
    FrameInputs in = defaults(FrameFormula::Sto45);
    in.alignment = TimeAlignment::Origin;
    const FrameResult r = transformFrames(in, kPi);
    ASSERT_TRUE(r.complete);
    EXPECT_EQ(r.firstStep.t1, 0);
    EXPECT_EQ(r.firstStep.t2, 0);
    EXPECT_DOUBLE_EQ(r.iso.X1, 6);
    EXPECT_DOUBLE_EQ(r.iso.X2, 1);

    // Aligning to the source's time moves the receiver back by its velocity · dt.
    in.alignment = TimeAlignment::Source;
    in.VXiso = 10;
    const FrameResult s = transformFrames(in, kPi);
    ASSERT_TRUE(s.complete);
    EXPECT_NEAR(s.firstStep.T1iso, s.firstStep.t2, 1e-15);
    const double k = std::sqrt(0.75);
    EXPECT_NEAR(s.iso.X1, 6 / k - s.iso.VX1 * s.firstStep.dt, 1e-9);
}

TEST(FrameTransform, FloatingPointFaultsStopTheCalculation) {
    FrameInputs fast = defaults(FrameFormula::Sto45);
    fast.VXiso = 20;
    EXPECT_FALSE(transformFrames(fast, kPi).complete);
    fast.VXiso = 25;
    EXPECT_FALSE(transformFrames(fast, kPi).complete);

    FrameInputs noSignal = defaults(FrameFormula::Classic2);
    noSignal.Vs0 = 0;
    EXPECT_FALSE(transformFrames(noSignal, kPi).complete);

    FrameInputs noFrequency = defaults(FrameFormula::Classic2);
    noFrequency.v0 = 0;
    EXPECT_FALSE(transformFrames(noFrequency, kPi).complete);

    FrameInputs huge = defaults(FrameFormula::Classic2);
    huge.aso.X1 = 1e300;
    huge.aso.VX1 = 1e300;
    EXPECT_FALSE(transformFrames(huge, kPi).complete);

    // ИСО3 too fast: the first step stays on record, the second is not reached.
    FrameInputs iso3 = defaults(FrameFormula::Sto45);
    iso3.VXiso = 5;
    iso3.toIso3 = true;
    iso3.VXiso3 = 30;
    const FrameResult r = transformFrames(iso3, kPi);
    EXPECT_FALSE(r.complete);
    ASSERT_TRUE(r.factors.has_value());
    EXPECT_NE(r.firstStep.t1, 0);
    EXPECT_EQ(r.secondStep.U, 0);
}

TEST(FrameTransform, FrequencyOnTheReceiversClockIsTheSameInEveryFrame) {
    // The received frequency counted on the receiver's clock for one reception event does
    // not depend on the frame: (4-5) in any frame, (4-1) in the source's rest frame and
    // (4-3) in the receiver's, each with the source's emission point found in that frame.
    // Every case is seen at АСО time 0,5 with Vs = 20, v0 = 1; the value is worked out in
    // АСО: the signal received now left the source d ago, |R − S + V2·d| = 20·d, and
    // v = G2·(1 − β1)/((1 − β2)·G1) with β the speeds along that line of sight over Vs.
    struct Case {
        BodyPair aso;
        FrameFormula restFrame; // the rest frame that applies (its body moves along X)
        double v;
    };
    const Case cases[] = {
        // Receiver (6; 6) with (10; 5), source (1; 1) with (12; −4): d = 0,652579,
        // β1 = 0,537321, β2 = 0,553238, v = 0,774597·0,462679/(0,446762·0,829156).
        {{6, 6, 1, 1, 10, 5, 12, -4}, FrameFormula::Sto45, 0.9674812150543275},
        // Receiver (30; 40) with (5; 6), source (0; 10) with (9; 0): d = 3,368104,
        // β1 = 0,357445, β2 = 0,402909, G1 = 0,920598, G2 = 0,893029.
        {{30, 40, 0, 10, 5, 6, 9, 0}, FrameFormula::Sto41, 1.04391629953},
        // Receiver (30; 40) with (7; 0), source (0; 10) with (9; −5): d = 2,915960,
        // β1 = 0,337544, β2 = 0,367882, G1 = 0,936750, G2 = 0,857321.
        {{30, 40, 0, 10, 7, 0, 9, -5}, FrameFormula::Sto43, 0.959134005722},
    };
    auto run = [](const Case& k, FrameFormula f, double VXiso) {
        FrameInputs in;
        in.aso = k.aso;
        in.formula = f;
        in.T = 0.5;
        in.VXiso = VXiso;
        in.delay = DelayMode::InFinalFrame;
        in.alignment = TimeAlignment::Receiver;
        return transformFrames(in, kPi);
    };
    for (const Case& k : cases)
        for (double VXiso : {-9.0, 0.0, 7.0, 13.0}) {
            for (FrameFormula f : {FrameFormula::Sto45, k.restFrame}) {
                const FrameResult r = run(k, f, VXiso);
                ASSERT_TRUE(r.complete) << VXiso;
                EXPECT_NEAR(r.v, k.v, 1e-9) << VXiso << " " << static_cast<int>(f);
            }
        }
    // On into a further frame.
    FrameInputs iso3;
    iso3.aso = cases[0].aso;
    iso3.formula = FrameFormula::Sto45;
    iso3.T = 0.5;
    iso3.VXiso = 7;
    iso3.toIso3 = true;
    iso3.VXiso3 = -11;
    iso3.delay = DelayMode::InFinalFrame;
    iso3.alignment = TimeAlignment::Receiver;
    EXPECT_NEAR(transformFrames(iso3, kPi).v, cases[0].v, 1e-9);
}

TEST(FrameTransform, LorentzContractionAndEventTimes) {
    // Two bodies resting in АСО 10 m apart along X, seen at АСО time 2 from a frame
    // moving at 12 m/s (kT = 0,8). Events: t1 = (2 − 12·10/400)/0,8 = 2,125,
    // t2 = (2 − 0)/0,8 = 2,5. Both brought to the receiver's time, they are
    // 10·0,8 = 8 m apart, and move with −12 m/s.
    FrameInputs in;
    in.aso = {10, 3, 0, 3, 0, 0, 0, 0};
    in.formula = FrameFormula::Sto45;
    in.T = 2;
    in.VXiso = 12;
    in.alignment = TimeAlignment::Receiver;
    const FrameResult r = transformFrames(in, kPi);
    ASSERT_TRUE(r.complete);
    EXPECT_NEAR(r.firstStep.t1, 2.125, 1e-12);
    EXPECT_NEAR(r.firstStep.t2, 2.5, 1e-12);
    EXPECT_NEAR(r.firstStep.dt, -0.375, 1e-12);
    EXPECT_NEAR(r.iso.X1 - r.iso.X2, 8, 1e-12);
    EXPECT_NEAR(r.iso.Y2, 3, 1e-12);
    EXPECT_NEAR(r.iso.VX2, -12, 1e-12);
    EXPECT_NEAR(r.firstStep.T2iso, 2.125, 1e-12);
    // Both move at 12 m/s in the new frame: their clocks run slow by G1 = G2 = 0,8.
    ASSERT_TRUE(r.factors.has_value());
    EXPECT_NEAR(r.factors->G1, 0.8, 1e-12);
    EXPECT_NEAR(r.factors->G2, 0.8, 1e-12);

    // Brought to the frame's time 0 instead: the body resting at the АСО origin is at
    // the new origin, the other 8 m from it.
    in.alignment = TimeAlignment::Origin;
    const FrameResult o = transformFrames(in, kPi);
    ASSERT_TRUE(o.complete);
    EXPECT_NEAR(o.iso.X2, 0, 1e-12);
    EXPECT_NEAR(o.iso.X1, 8, 1e-12);
}
