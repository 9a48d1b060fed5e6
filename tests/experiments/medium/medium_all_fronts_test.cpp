// "все фронты" in the medium window: every beam leaves at its own emission
// time and is traced until it arrives, however many are in flight. In a
// homogeneous medium (Kp = 0) the beams are circular fronts, so each arrival
// must agree with the exact arrival time of a point source.
#include "canvas/recording_canvas.h"
#include "experiments/medium/medium_experiment.h"
#include "support/exact_arrival.h"
#include "support/scripted_prompts.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

using namespace sonrel;
using sonrel::testing::exactArrival;
using sonrel::testing::ScriptedPrompts;

namespace {

MediumOptions allFronts() {
    MediumOptions o;
    o.animation = false;
    o.allFronts = true;
    return o;
}

// Steps until the run ends by itself (or the budget is spent).
bool runToEnd(MediumExperiment& run, const MediumOptions& o, Prompts& p, long maxSteps = 400000) {
    for (long s = 0; s < maxSteps; ++s) {
        run.step(o, nullptr, p);
        if (run.finished()) return true;
    }
    return false;
}

// Bodies as the frame of the run sees them at its start time t0; beam m
// leaves at t0 + (m − 1)·T00 from where the source then is.
struct Kinematics {
    double t0 = 0, x1, y1, vx1, vy1, x2, y2, vx2, vy2;
    double emission(int m, double T00) const { return t0 + (m - 1) * T00; }
    double arrival(int m, double T00, double vs) const {
        const double te = (m - 1) * T00;
        return t0 + exactArrival(te, x2 + vx2 * te, y2 + vy2 * te, x1, y1, vx1, vy1, vs);
    }
};

Kinematics typed(const MediumInputs& in) {
    return {0, in.X1, in.Y1, in.VX1, in.VY1, in.X2, in.Y2, in.VX2, in.VY2};
}

// Every beam is received where its front really meets the receiver, so
// every observed period agrees with the exact one within two steps.
void expectExactArrivals(const SharedState& st, const MediumExperiment& run, const MediumInputs& in,
                         const Kinematics& kin, const char* name) {
    ASSERT_EQ(run.k, 21) << name;
    double exact[22];
    for (int m = 1; m <= 20; ++m) {
        exact[m] = kin.arrival(m, in.T00, in.Vs0);
        // Found within the step, at the moment the front meets the receiver.
        EXPECT_NEAR(st.Tn1(m), exact[m], in.dt / 2) << name << ", beam " << m;
    }
    for (int i = 1; i <= 19; ++i) {
        const double dT = st.Tn1(i + 1) - st.Tn1(i);
        EXPECT_NEAR(dT, exact[i + 1] - exact[i], 2 * in.dt) << name << ", period " << i;
    }
}

} // namespace

TEST(MediumAllFronts, ArrivalsAgreeWithExactTimesWithManyBeamsInFlight) {
    struct Case {
        const char* name;
        MediumInputs in;
    };
    std::vector<Case> cases;
    MediumInputs fine; // a fine fan: 300 rays over 60°
    fine.X1 = 30.3;
    fine.Y1 = 60;
    fine.VX1 = 0;
    fine.VX2 = 2;
    fine.T00 = 1.5; // beams need 3,2 s to 3,4 s: three in flight
    fine.Nr = 300;
    fine.cone = 60;
    cases.push_back({"receiver at rest, fine fan", fine});
    cases.push_back({"window defaults (the travel time grows to 14 s)", {}});
    MediumInputs approaching; // the receiver comes towards the source until they pass
    approaching.X1 = 150;
    approaching.VX1 = -2;
    approaching.VX2 = 4;
    approaching.T00 = 3;
    cases.push_back({"receiver approaching", approaching});
    MediumInputs oblique; // both bodies climb; coarse layers keep the rays traced
    oblique.X1 = 40;
    oblique.VX1 = 3;
    oblique.VY1 = 1;
    oblique.VX2 = 8;
    oblique.VY2 = 0.5;
    oblique.T00 = 1.5;
    oblique.Np = 10;
    cases.push_back({"VY of both bodies", oblique});
    MediumInputs under; // a source at 0,75·Vs passing under a receiver coming towards it
    under.X1 = 150;
    under.VX1 = -4;
    under.VX2 = 15;
    under.T00 = 1;
    cases.push_back({"source at 0,75 Vs under an approaching receiver", under});
    MediumInputs faster; // the receiver runs ahead faster than the source
    faster.Y1 = 80;
    faster.VX1 = 7;
    faster.VX2 = 4;
    faster.T00 = 2.5;
    cases.push_back({"receiver faster than the source", faster});

    for (const Case& c : cases) {
        MediumInputs in = c.in;
        in.dt = 2e-3; // the front is met within the step: any step gives its two-step bound
        SharedState st;
        MediumExperiment run(st);
        ASSERT_EQ(run.start(in, allFronts()), StartOutcome::Running) << c.name;
        ScriptedPrompts p;
        ASSERT_TRUE(runToEnd(run, allFronts(), p)) << c.name;
        EXPECT_TRUE(p.asked.empty()) << c.name; // no beam is late, so no overrun question
        expectExactArrivals(st, run, in, typed(in), c.name);
        // Twenty arrivals fill the record: going on is refused as in the default mode.
        EXPECT_THROW(run.resume(), IndexError) << c.name;
    }
}

TEST(MediumAllFronts, FrameMovingThroughTheMediumAndRelativisticFrame) {
    MediumInputs in;
    in.T00 = 2;
    in.VXiso = 4;
    {
        // Classical, medium at rest: the beams move in the medium, so the
        // moments are those of the medium's frame; positions are seen shifted.
        SharedState st;
        MediumExperiment run(st);
        ASSERT_EQ(run.start(in, allFronts()), StartOutcome::Running);
        ScriptedPrompts p;
        ASSERT_TRUE(runToEnd(run, allFronts(), p));
        expectExactArrivals(st, run, in, typed(in), "classical, frame through the medium");
        EXPECT_NEAR(st.Xk1(7), in.X1 + (in.VX1 - in.VXiso) * st.Tn1(7), 1e-6);
    }
    {
        // СТО: the bodies as the moving frame sees them, by hand:
        // k = √(1 − (VXiso/Vs)²), x' = x/k, t'0 = −VXiso·x/(Vs²·k),
        // vx' = (vx − VXiso)/(1 − VXiso·vx/Vs²); the source is brought to the
        // receiver's start time.
        MediumOptions o = allFronts();
        o.frame = DopplerFrame::Relativistic;
        SharedState st;
        MediumExperiment run(st);
        ASSERT_EQ(run.start(in, o), StartOutcome::Running);
        ScriptedPrompts p;
        ASSERT_TRUE(runToEnd(run, o, p));
        const double k = std::sqrt(1 - 0.2 * 0.2);
        const double t1 = -4 * in.X1 / 400 / k, t2 = -4 * in.X2 / 400 / k;
        const double vx1 = (6 - 4) / (1 - 4 * 6 / 400.0), vx2 = (10 - 4) / (1 - 4 * 10 / 400.0);
        const Kinematics kin{t1,    in.X1 / k, in.Y1, vx1, 0, in.X2 / k + (t1 - t2) * vx2,
                             in.Y2, vx2,       0};
        expectExactArrivals(st, run, in, kin, "СТО");
    }
}

TEST(MediumAllFronts, StopAndContinueGiveTheUninterruptedRecord) {
    MediumInputs in;
    in.X1 = 150;
    in.VX1 = -4;
    in.T00 = 1;
    SharedState whole, parts;
    MediumExperiment a(whole), b(parts);
    ASSERT_EQ(a.start(in, allFronts()), StartOutcome::Running);
    ASSERT_EQ(b.start(in, allFronts()), StartOutcome::Running);
    ScriptedPrompts p;
    ASSERT_TRUE(runToEnd(a, allFronts(), p));
    // Stopped with several beams in flight, then continued twice.
    for (double stopAt : {6.0, 9.5}) {
        while (parts.T < stopAt)
            b.step(allFronts(), nullptr, p);
        parts.stopFlag = 1;
        ASSERT_TRUE(runToEnd(b, allFronts(), p));
        EXPECT_EQ(parts.stepCount, 0);
        b.resume();
        parts.stopFlag = 0;
    }
    ASSERT_TRUE(runToEnd(b, allFronts(), p));
    EXPECT_EQ(b.k, 21);
    for (int m = 1; m <= 20; ++m)
        EXPECT_EQ(parts.Tn1(m), whole.Tn1(m)) << m;
}

TEST(MediumAllFronts, WithoutAutoTheQuestionFollowsEveryArrival) {
    MediumOptions o = allFronts();
    o.autoRun = false;
    SharedState st;
    MediumExperiment run(st);
    MediumInputs in;
    in.T00 = 1; // five beams in flight before the first arrives
    ASSERT_EQ(run.start(in, o), StartOutcome::Running);
    ScriptedPrompts p;
    p.answers = {true, true, false};
    ASSERT_TRUE(runToEnd(run, o, p));
    EXPECT_EQ(run.k, 4);
    ASSERT_EQ(p.asked.size(), 3u);
    for (std::size_t n = 0; n < 3; ++n) {
        EXPECT_EQ(p.asked[n], "ПРОДОЛЖИТЬ ЭКСПЕРИМЕНТ");
        EXPECT_EQ(p.titles[n], "Sonrel");
    }
}

TEST(MediumAllFronts, AnimationDrawsEveryBeamInFlight) {
    MediumInputs in;
    in.T00 = 2; // the first beams need about 5 s: two or three are in flight
    MediumOptions o = allFronts();
    o.animation = true;
    SharedState st;
    MediumExperiment run(st);
    ASSERT_EQ(run.start(in, o), StartOutcome::Running);
    ScriptedPrompts p;
    while (st.T < 9.5)
        run.step(o, nullptr, p);
    RecordingCanvas c;
    do
        run.step(o, &c, p);
    while (st.stepCount != 0);
    const double T = st.T;
    std::vector<const DrawOp*> rays;
    for (const DrawOp& op : c.ops)
        if (op.kind == DrawOp::Line && op.color == rgb(0, 255, 255)) rays.push_back(&op);
    // Beam m's rays started this step on the circle of radius Vs·(T − dt − te)
    // around its emission point (in picture centimetres, M metres per cm).
    const Kinematics kin = typed(in);
    int beamsDrawn = 0;
    for (int m = 1; m <= 20; ++m) {
        const double te = kin.emission(m, in.T00);
        if (te + 0.1 > T || kin.arrival(m, in.T00, in.Vs0) < T + 0.1) continue;
        const double ex = (in.X2 + in.VX2 * te) / in.M, ey = in.Y2 / in.M;
        const double radius = in.Vs0 * (T - in.dt - te) / in.M;
        int onCircle = 0;
        for (const DrawOp* r : rays)
            if (std::fabs(std::hypot(r->x1 - ex, r->y1 - ey) - radius) < in.Vs0 * in.dt / in.M)
                ++onCircle;
        EXPECT_GT(onCircle, 100) << "beam " << m;
        if (onCircle > 100) ++beamsDrawn;
    }
    EXPECT_GE(beamsDrawn, 2);
}

namespace {
// Law 3, P(n) = 1 + Kp·(Np − n), layers of dY from y = 0 up to the
// receiver's height Np·dY. A ray with Snell's invariant K = P·sin θ crosses
// layer n in dY·P/(Vs0·cos θ) seconds, moving dY·tan θ sideways.
struct SnellLayers {
    double Kp, dY, Vs0;
    int Np;
    double P(int n) const { return 1 + Kp * (Np - n); }
    // Sideways run and travel time of the ray with invariant K up to the top.
    void path(double K, double& x, double& t) const {
        x = t = 0;
        for (int n = 1; n <= Np; ++n) {
            const double c = std::sqrt(P(n) * P(n) - K * K);
            x += dY * K / c;
            t += dY * P(n) * P(n) / (Vs0 * c);
        }
    }
    // Travel time of the ray that rises to the top dx further along X.
    double travel(double dx) const {
        double lo = -1, hi = 1; // |K| below the least density, 1 in layer Np
        for (int i = 0; i < 100; ++i) {
            const double K = (lo + hi) / 2;
            double x, t;
            path(K, x, t);
            (x < dx ? lo : hi) = K;
        }
        double x, t;
        path((lo + hi) / 2, x, t);
        return t;
    }
    // Arrival of the beam emitted at te from (xe, 0) at a receiver moving
    // along the top from x1 at t = 0 with vx1.
    double arrival(double te, double xe, double x1, double vx1) const {
        double lo = te, hi = te + 1000;
        for (int i = 0; i < 100; ++i) {
            const double t = (lo + hi) / 2;
            (te + travel(x1 + vx1 * t - xe) > t ? lo : hi) = t;
        }
        return (lo + hi) / 2;
    }
};
} // namespace

TEST(MediumAllFronts, LayeredMediumArrivalsFollowTheSnellIntegral) {
    MediumInputs in;
    in.Kp = 0.005; // 1,495 at the source's layer, 1 at the receiver's
    in.X1 = 30;
    in.VX1 = 9; // the source overtakes the receiver
    in.T00 = 1;
    const SnellLayers layers{in.Kp, in.Y1 / in.Np, in.Vs0, in.Np};
    SharedState st;
    MediumExperiment run(st);
    ASSERT_EQ(run.start(in, allFronts()), StartOutcome::Running);
    ScriptedPrompts p;
    ASSERT_TRUE(runToEnd(run, allFronts(), p));
    ASSERT_EQ(run.k, 21);
    double exact[21];
    for (int m = 1; m <= 20; ++m) {
        const double te = (m - 1) * in.T00;
        exact[m] = layers.arrival(te, in.VX2 * te, in.X1, in.VX1);
        // Each boundary is met at most one step late, at the previous
        // layer's speed and angle: a fraction of a step in all.
        EXPECT_NEAR(st.Tn1(m), exact[m], 2 * in.dt) << "beam " << m;
    }
    for (int i = 1; i <= 19; ++i)
        EXPECT_NEAR(st.Tn1(i + 1) - st.Tn1(i), exact[i + 1] - exact[i], 2 * in.dt)
            << "period " << i;
}
