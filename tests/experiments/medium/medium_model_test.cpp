#include "canvas/recording_canvas.h"
#include "experiments/medium/beam.h"
#include "experiments/medium/medium.h"
#include "experiments/medium/medium_experiment.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace sonrel;

TEST(LayeredMedium, UnitDensityEverywhereWithoutCoefficient) {
    for (DensityLaw law : {DensityLaw::Linear, DensityLaw::Square, DensityLaw::LinearFromTop,
                           DensityLaw::SquareFromTop})
        for (double n : {-30.0, 1.0, 50.0, 100.0, 120.0, 5000.0})
            EXPECT_EQ(layerDensity(law, 0, 100, n), 1) << static_cast<int>(law) << " " << n;
}

TEST(LayeredMedium, LinearLawsPutTheDenseEndAtOppositeSides) {
    LayeredMedium up, down;
    up.setUp(DensityLaw::Linear, 0.1, 100, 0, 0.5);
    down.setUp(DensityLaw::LinearFromTop, 0.1, 100, 0, 0.5);
    EXPECT_EQ(up.density(1), 1);
    EXPECT_NEAR(up.density(100), 1 + 0.1 * 99, 1e-12);
    EXPECT_NEAR(down.density(1), 1 + 0.1 * 99, 1e-12);
    EXPECT_EQ(down.density(100), 1);
    EXPECT_NEAR(down.density(-5000), layerDensity(DensityLaw::LinearFromTop, 0.1, 100, -5000),
                1e-9);
    EXPECT_NEAR(layerDensity(DensityLaw::SquareFromTop, 0.01, 100, 90), 2, 1e-12);
}

TEST(LayeredMedium, LayerOfAHeightCountsFromTheSourceBothWays) {
    LayeredMedium m;
    m.setUp(DensityLaw::Linear, 0, 100, 0, 0.5);
    EXPECT_EQ(m.layerOf(0), 1);
    EXPECT_EQ(m.layerOf(0.49), 1);
    EXPECT_EQ(m.layerOf(0.5), 2);
    EXPECT_EQ(m.layerOf(60), 121);
    EXPECT_EQ(m.layerOf(-0.3), 1); // truncation toward zero
    EXPECT_EQ(m.layerOf(-0.7), 0);
    LayeredMedium below; // receiver under the source: layers stacked downwards
    below.setUp(DensityLaw::Linear, 0, 10, 0, -1);
    EXPECT_EQ(below.layerOf(-3.5), 4);
}

TEST(LayeredMedium, ProfileSkipsLayersThinnerThanVacuum) {
    RecordingCanvas c;
    drawDensityProfile(c, DensityLaw::Linear, 0, 4, 50, 0, 5);
    ASSERT_EQ(c.count(DrawOp::Line), 4u);
    EXPECT_EQ(c.ops.front().x1, 1);
    EXPECT_EQ(c.ops.front().y1, 0);
    EXPECT_NEAR(c.ops.back().y2, 10, 1e-12);

    RecordingCanvas thin;
    drawDensityProfile(thin, DensityLaw::Linear, -0.1, 4, 50, 0, 5);
    EXPECT_EQ(thin.count(DrawOp::Line), 1u);
    RecordingCanvas none;
    EXPECT_THROW(drawDensityProfile(none, DensityLaw::Linear, 0, 0, 50, 0, 5), MathError);
}

TEST(Refraction, BendsByTheDensityRatioAndReflectsGrazingRays) {
    double s = 0.5, dir = 1;
    refract(s, dir, 1, 2); // into a denser layer: towards the normal
    EXPECT_DOUBLE_EQ(s, 0.25);
    refract(s, dir, 2, 1); // and back out
    EXPECT_DOUBLE_EQ(s, 0.5);
    EXPECT_EQ(dir, 1);

    double g = 0.9, down = 1;
    refract(g, down, 2, 1.5); // |sin| above P/Pr: total internal reflection
    EXPECT_EQ(down, -1);
    EXPECT_DOUBLE_EQ(g, 0.9);
    refract(g, down, 1.5, 3); // a denser layer later does not turn it up again
    EXPECT_EQ(down, -1);
    EXPECT_DOUBLE_EQ(g, 0.45);
}

TEST(Refraction, GrazingRayInAThinningMediumTurnsDown) {
    // Dense at the source, thinning upwards: a ray far from the normal is
    // turned back and stays below the receiver's height.
    SharedState st;
    MediumExperiment run(st);
    MediumInputs in;
    in.Kp = 0.05;
    in.Nr = 2;
    in.cone = 160;
    in.T00 = 50;
    MediumOptions o;
    o.animation = false;
    ASSERT_EQ(run.start(in, o), StartOutcome::Running);
    struct Yes : Prompts {
        void tell(const std::string&, const std::string&) override {}
        bool askYesNo(const std::string&, const std::string&) override { return true; }
    } p;
    double highest = 0;
    for (int s = 0; s < 6000; ++s) {
        run.step(o, nullptr, p);
        highest = std::max(highest, run.beam.Yo[0]);
    }
    EXPECT_EQ(run.beam.dir[0], -1);
    EXPECT_LT(run.beam.Yo[0], highest);
    EXPECT_LT(highest, in.Y1);
    EXPECT_EQ(run.beam.dir[1], 1); // the vertical ray goes straight up
}

TEST(MediumSearch, FindsTheTravelTimeToAReceiverAtRest) {
    SharedState st;
    MediumExperiment run(st);
    MediumInputs in;
    in.X1 = 1;
    in.VX1 = in.VX2 = 0;
    run.startSearch(in, MediumOptions{});
    for (int s = 0; s < 10000 && st.stopFlag == 0; ++s)
        run.searchStep(nullptr, false);
    EXPECT_EQ(run.mode, 2);
    EXPECT_NEAR(st.T00, std::sqrt(1 + 2500.0) / 20, 0.01);
    EXPECT_NEAR(run.display.v0 * st.T00, 1, 1e-12);
}

TEST(MediumStart, RelativisticFrameAtRestEqualsTheClassicalOne) {
    SharedState a, b;
    MediumExperiment classic(a), sto(b);
    MediumOptions o;
    o.animation = false;
    MediumInputs in;
    ASSERT_EQ(classic.start(in, o), StartOutcome::Running);
    o.frame = DopplerFrame::Relativistic;
    ASSERT_EQ(sto.start(in, o), StartOutcome::Running);
    EXPECT_EQ(sto.kTiso, 1);
    EXPECT_EQ(sto.T1, 0);
    EXPECT_EQ(b.X(2), a.X(2));
    EXPECT_NEAR(sto.G2, std::sqrt(1 - 0.25), 1e-15);
    EXPECT_NEAR(sto.v00, 0.2 / std::sqrt(0.75), 1e-15);

    in.VXiso = 20; // |VXiso| = Vs0 has no frame
    EXPECT_THROW(sto.start(in, o), MathError);
    in.VXiso = 0;
    in.T00 = 0;
    EXPECT_THROW(classic.start(in, MediumOptions{}), MathError);
    in.T00 = 5;
    in.Np = 0;
    EXPECT_THROW(classic.start(in, MediumOptions{}), InputError);
}

TEST(MediumStart, MovingFrameShiftsTheSourceToTheReceiversStartTime) {
    const LorentzStart L = lorentzStart(56.6, 0, 6, 0, 10, 0, 10, 20);
    EXPECT_NEAR(L.kTiso, std::sqrt(0.75), 1e-15);
    EXPECT_NEAR(L.T1, -(10 * 56.6 / 400) / std::sqrt(0.75), 1e-12);
    EXPECT_EQ(L.T2, 0);
    EXPECT_NEAR(L.VX2, 0, 1e-15);
    EXPECT_NEAR(L.VX1, (6 - 10) / (1 - 60 / 400.0), 1e-12);
}
