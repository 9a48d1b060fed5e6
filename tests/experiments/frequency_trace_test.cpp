// The live frequency plot's values for a source passing a receiver at rest
// in the every-front mode, against the closed-form arrivals and formula (2).
#include "canvas/recording_canvas.h"
#include "experiments/classic/classic_run.h"
#include "experiments/frequency_trace.h"
#include "support/scripted_prompts.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

using namespace sonrel;

namespace {

// Receiver at rest at (R, Y1); the source moves along the X axis with V and,
// as typed, is at X2 at T = T00: the run starts one period earlier.
struct Pass {
    const char* name;
    double R, Y1, X2, V, Vs, T00;
    double sourceX(double t) const { return X2 - T00 * V + V * t; }
    // Front k leaves at (k - 1)·T00 and needs its distance over Vs.
    double arrival(int k) const {
        const double tk = (k - 1) * T00;
        return tk + std::hypot(R - sourceX(tk), Y1) / Vs;
    }
    // Formula (2) at time t for a receiver at rest: v0 / (1 − cos Qn2·V/Vs)
    // with Qn2 between the source's velocity and the line from where it sent
    // the signal arriving at t to the receiver.
    double formula2At(double t) const {
        const double dx = R - sourceX(t);
        // |(dx + V·τ, Y1)| = Vs·τ, the root τ > 0.
        const double a = V * V - Vs * Vs, b = 2 * dx * V, c = dx * dx + Y1 * Y1;
        const double tau = (-b - std::sqrt(b * b - 4 * a * c)) / (2 * a);
        const double lx = dx + V * tau;
        const double cosQn2 = (V >= 0 ? lx : -lx) / std::hypot(lx, Y1);
        return (1 / T00) / (1 - cosQn2 * std::fabs(V) / Vs);
    }
};

class FrequencyTraceOfAPass : public ::testing::TestWithParam<Pass> {};

} // namespace

TEST_P(FrequencyTraceOfAPass, FollowsTheExactArrivalsAndFormulaTwo) {
    const Pass c = GetParam();
    SharedState s;
    placeBodies(s, {c.R, c.Y1, 0, 0, c.X2, 0, c.V, 0});
    s.Vs = c.Vs;
    s.T00 = c.T00;
    s.v0 = 1 / c.T00;
    s.dt = 0.001;
    s.NC0 = 50;
    s.pictureScale = 5;
    ClassicRun run(s);
    run.animation = false;
    run.start(true);
    RecordingCanvas canvas;
    sonrel::testing::ScriptedPrompts prompts;
    FrequencyTrace trace;
    const FormulaSelection lorentz; // formula (2) "Лоренц (2)"
    for (long n = 0; n < 2000000; ++n) {
        const StepOutcome o = run.step(canvas, prompts);
        trace.follow(run, lorentz, o.display);
        if (o.runEnds) break;
    }
    EXPECT_DOUBLE_EQ(trace.emitted(), 1 / c.T00);

    // Period j ends when front j + 1 arrives; 20 fronts give 19 periods.
    const auto& obs = trace.observed();
    ASSERT_EQ(obs.size(), 19u);
    for (std::size_t i = 0; i < obs.size(); ++i) {
        const int j = static_cast<int>(i) + 1;
        EXPECT_NEAR(obs[i].t, c.arrival(j + 1), 2 * s.dt) << "period " << j;
        EXPECT_NEAR(1 / obs[i].v, c.arrival(j + 1) - c.arrival(j), 2 * s.dt) << "period " << j;
    }

    // One theory point per display step; three instants across the pass.
    const auto& th = trace.theory();
    ASSERT_GT(th.size(), 100u);
    for (std::size_t i : {th.size() / 10, th.size() / 2, th.size() - 1})
        EXPECT_NEAR(th[i].v, c.formula2At(th[i].t), 1e-6 * th[i].v) << "t = " << th[i].t;

    // The table: header, then every point once.
    const std::string csv = trace.csv();
    EXPECT_EQ(csv.rfind("time,observed,theory\n", 0), 0u);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'),
              static_cast<long>(1 + obs.size() + th.size()));

    // A new run starts a new trace.
    run.start(true);
    const StepOutcome o = run.step(canvas, prompts);
    EXPECT_TRUE(trace.follow(run, lorentz, o.display).restarted);
    EXPECT_TRUE(trace.observed().empty());
}

INSTANTIATE_TEST_SUITE_P(Passes, FrequencyTraceOfAPass,
                         ::testing::Values(Pass{"Rightward", 100, 20, 0, 10, 50, 1},
                                           Pass{"Leftward", 60, 15, 150, -12, 60, 0.8}),
                         [](const auto& info) { return std::string(info.param.name); });
