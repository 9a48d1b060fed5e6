#include "canvas/recording_canvas.h"
#include "experiments/medium/beam.h"
#include "experiments/medium/medium.h"
#include "experiments/medium/medium_experiment.h"

#include "support/scripted_prompts.h"
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

TEST(Refraction, SnellAtEveryBoundaryAndReflectionOnlyPastASineOfOne) {
    double s = 0.5, dir = 1;
    EXPECT_FALSE(refract(s, dir, 1, 2)); // into a denser layer: towards the normal
    EXPECT_DOUBLE_EQ(s, 0.25);
    EXPECT_FALSE(refract(s, dir, 2, 1)); // and back out
    EXPECT_DOUBLE_EQ(s, 0.5);
    EXPECT_EQ(dir, 1);

    // 1,01·0,985148 = 0,995 < 1: the ray enters the thinner layer, although
    // its sine there (0,995) exceeds the density ratio 1/1,01 = 0,990.
    double n = 0.995 / 1.01, up = 1;
    EXPECT_FALSE(refract(n, up, 1.01, 1));
    EXPECT_NEAR(n, 0.995, 1e-15);
    EXPECT_EQ(up, 1);

    double g = 0.9, down = 1;
    EXPECT_TRUE(refract(g, down, 2, 1.5)); // 2·0,9 / 1,5 = 1,2 > 1: total reflection
    EXPECT_EQ(down, -1);
    EXPECT_DOUBLE_EQ(g, 0.9);
    EXPECT_FALSE(refract(g, down, 2, 3)); // back down into a denser layer: still down
    EXPECT_EQ(down, -1);
    EXPECT_DOUBLE_EQ(g, 0.6);
}

namespace {
// Law 3 with Kp = 0,01 over Np = 100 layers of 0,5 m: P(n) = 1 + 0,01·(100 − n),
// 1,99 in layer 1 and 1 in layer 100. Two rays leave at 30° and 40° from
// the normal (cone 10°, mean angle 55°); the receiver is far off so no
// beam arrives.
struct SnellRun {
    SharedState st;
    MediumExperiment run{st};
    MediumOptions o;
    sonrel::testing::ScriptedPrompts p;
    SnellRun() {
        MediumInputs in;
        in.Kp = 0.01;
        in.Nr = 1;
        in.cone = 10;
        in.meanAngle = 55;
        in.X1 = 1000;
        in.VX1 = 0;
        in.T00 = 1000;
        o.animation = false;
        EXPECT_EQ(run.start(in, o), StartOutcome::Running);
    }
    static double density(double y) { return 1 + 0.01 * (100 - (std::trunc(y / 0.5) + 1)); }
};
} // namespace

TEST(Refraction, RaysTurnBackWhereTheirSineWouldPassOne) {
    // Snell's invariant P·sin θ = 1,99·sin θ0. The 30° ray has 0,995: its sine
    // stays below 1 up to P = 1 (layer 100), so it turns back only on
    // entering layer 101 at y = 50. The 40° ray has 1,279148: P = 1,27 in
    // layer 73 is the first below it, so it turns back at y = 72·0,5 = 36.
    SnellRun r;
    const double K[2] = {1.99 * 0.5, 1.99 * std::sin(40 / r.st.degPerRad)};
    const double turn[2] = {50, 36};
    double highest[2] = {0, 0};
    bool backInLayer1[2] = {false, false};
    for (int s = 0; s < 40000; ++s) {
        const double before[2] = {r.run.beam.Yo[0], r.run.beam.Yo[1]};
        const double beforeX[2] = {r.run.beam.Xo[0], r.run.beam.Xo[1]};
        r.run.step(r.o, nullptr, r.p);
        for (int j = 0; j < 2; ++j) {
            const double y = r.run.beam.Yo[j];
            // The signal speed in a layer is Vs0 / P.
            if (s > 0 && before[j] < turn[j]) {
                EXPECT_NEAR(std::hypot(r.run.beam.Xo[j] - beforeX[j], y - before[j]),
                            20 / SnellRun::density(before[j]) * 1e-3, 1e-12)
                    << j << " " << s;
            }
            highest[j] = std::max(highest[j], y);
            // A step runs at the angle of the layer it starts in: below the
            // turn, up and down, the sine there is K / P.
            if (before[j] < turn[j]) {
                EXPECT_NEAR(SnellRun::density(before[j]) * r.run.beam.sinA[j], K[j], 1e-12)
                    << j << " " << s;
            }
            if (r.run.beam.dir[j] < 0 && y > 0 && y < 0.5) backInLayer1[j] = true;
        }
    }
    EXPECT_GE(highest[0], 50);
    EXPECT_LT(highest[0], 50.05);
    EXPECT_GE(highest[1], 36);
    EXPECT_LT(highest[1], 36.05);
    // Both came back down to the source's layer with their starting sines.
    EXPECT_TRUE(backInLayer1[0]);
    EXPECT_TRUE(backInLayer1[1]);
}

TEST(Refraction, RayAcrossManyLayersFollowsTheSnellIntegral) {
    // In layer n a ray with invariant K runs at sin θn = K/P(n), so crossing
    // it moves it 0,5·tan θn sideways: x(top of layer m) = Σ 0,5·tan θn,
    // in Σ 0,5·P(n)/(20·cos θn) seconds.
    SnellRun r;
    const double K = 1.99 * std::sin(40 / r.st.degPerRad);
    // The fan leaves where the source is at the end of the first step.
    r.run.step(r.o, nullptr, r.p);
    double sideways = r.st.X(2), elapsed = r.st.T;
    int layer = 1;
    for (int s = 0; s < 20000 && layer <= 72; ++s) {
        const double x0 = r.run.beam.Xo[1], y0 = r.run.beam.Yo[1];
        r.run.step(r.o, nullptr, r.p);
        const double x1 = r.run.beam.Xo[1], y1 = r.run.beam.Yo[1];
        if (y1 < layer * 0.5) continue;
        // Crossing the top of layer `layer`: interpolate the crossing point.
        const double P = SnellRun::density(0.5 * layer - 0.25), sn = K / P;
        sideways += 0.5 * sn / std::sqrt(1 - sn * sn);
        elapsed += 0.5 * P / (20 * std::sqrt(1 - sn * sn));
        const double f = (layer * 0.5 - y0) / (y1 - y0);
        const double xCross = x0 + (x1 - x0) * f, tCross = r.st.T - (1 - f) * 1e-3;
        // The ray turns at the first step inside a layer, so each boundary
        // costs at most one step (0,011 m) at the previous layer's angle and
        // speed.
        EXPECT_NEAR(xCross, sideways, 0.002 * layer + 1e-9) << "layer " << layer;
        EXPECT_NEAR(tCross, elapsed, 2e-3) << "layer " << layer;
        ++layer;
    }
    EXPECT_GT(layer, 72);
}

TEST(Refraction, RayThatStandsTakesNoPartInAnArrival) {
    // Law 3 with Kp = 0,01: rays at 0° and 40° from the normal. The vertical
    // one rises past layer Np + 20 = 120 (y = 60) in Σ 0,5·P/20 = 4,19 s and
    // stands there above the receiver at (110; 50), left of it; the 40° one
    // turns back at y = 36, x = 72,3 and passes x = 110 on its way down.
    // The two then bracket the receiver's X, one of them above it, but the
    // one that stands takes no part: no beam ever arrives.
    for (const bool allFronts : {false, true}) {
        SharedState st;
        MediumExperiment run(st);
        MediumInputs in;
        in.Kp = 0.01;
        in.Nr = 1;
        in.cone = 40;
        in.meanAngle = 70;
        in.X1 = 110;
        in.VX1 = 0;
        in.T00 = 1000;
        MediumOptions o;
        o.animation = false;
        o.allFronts = allFronts;
        ASSERT_EQ(run.start(in, o), StartOutcome::Running);
        sonrel::testing::ScriptedPrompts p;
        for (int s = 0; s < 12000; ++s)
            run.step(o, nullptr, p);
        EXPECT_EQ(run.k, 1) << allFronts;
        if (!allFronts) {
            EXPECT_GE(run.beam.Yo[0], 60);
            EXPECT_LT(run.beam.Xo[0], 1);
            EXPECT_GT(run.beam.Xo[1], 110);
            EXPECT_LT(run.beam.Yo[1], 36);
        }
    }
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

TEST(MediumSearch, NoLayersOrNoRaysIsACalculationFault) {
    SharedState st;
    MediumExperiment run(st);
    MediumInputs in;
    in.Np = 0;
    EXPECT_THROW(run.startSearch(in, MediumOptions{}), MathError);
    in.Np = 100;
    in.Nr = 0;
    EXPECT_THROW(run.startSearch(in, MediumOptions{}), MathError);
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

    // Seen from a frame moving at 10 m/s: the receiver, at rest at (40; 30),
    // starts at T1 = −10·40/20² / √0,75 from 40/√0,75 and moves at −10 m/s;
    // the source, at rest at the origin, is brought to T1 at 10·|T1|.
    // Their x distance then is 40·√0,75, so the signal needs τ with
    // (40·√0,75 − 10·τ)² + 30² = (20·τ)², τ = √3 after T1.
    SharedState moving;
    MediumExperiment search(moving);
    in.X1 = 40;
    in.Y1 = 30;
    in.VXiso = 10;
    MediumOptions o;
    o.frame = DopplerFrame::Relativistic;
    search.startSearch(in, o);
    for (int s = 0; s < 10000 && moving.stopFlag == 0; ++s)
        search.searchStep(nullptr, false);
    EXPECT_NEAR(moving.T00, std::sqrt(3.0), 0.02);
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

// Only a classical frame moving through a medium at rest sees the rays and
// bodies shifted by VXiso·T; a dragged medium, or special relativity, not.
// A stop ends the loop at a display step or when there are none (NC0 <= 0).
TEST(MediumOptions, FrameShiftAndStopAtADisplayStep) {
    const struct {
        DopplerFrame frame;
        bool dragged, shifted;
    } frames[] = {{DopplerFrame::Classic, false, true},
                  {DopplerFrame::Classic, true, false},
                  {DopplerFrame::Relativistic, false, false},
                  {DopplerFrame::Relativistic, true, false}};
    for (const auto& f : frames) {
        MediumOptions o;
        o.frame = f.frame;
        o.dragged = f.dragged;
        EXPECT_EQ(o.frameThroughMedium(), f.shifted) << f.dragged;
    }
    const struct {
        int stop, count, NC0;
        bool ends;
    } stops[] = {{0, 0, 20, false}, {1, 0, 20, true}, {1, 7, 20, false}, {1, 7, 0, true}};
    SharedState st;
    MediumExperiment run(st);
    for (const auto& c : stops) {
        st.stopFlag = c.stop;
        st.stepCount = c.count;
        st.NC0 = c.NC0;
        EXPECT_EQ(run.finished(), c.ends) << c.stop << " " << c.count << " " << c.NC0;
    }
}
