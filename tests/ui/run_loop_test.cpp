// The run loop every experiment window uses, driven with the classical
// experiment on the typed defaults and a scripted window.
#include "base/errors.h"
#include "canvas/recording_canvas.h"
#include "experiments/classic/classic_run.h"
#include "experiments/classic/typed_defaults.h"
#include "support/scripted_prompts.h"
#include "ui/run_loop.h"

#include <gtest/gtest.h>

namespace sonrel {
namespace {

// A window that records what the loop asks of it; the stop button is
// pressed after `stopAfterSteps` steps (never when 0).
struct ScriptedHost : RunHost {
    RecordingCanvas picture;
    testing::ScriptedPrompts prompts;
    Experiment* run = nullptr;
    int steps = 0, displaySteps = 0, shows = 0, stopAfterSteps = 0;
    bool closeAfterStop = false;
    Canvas& canvas() override { return picture; }
    void beforeStep() override {
        if (stopAfterSteps && ++steps == stopAfterSteps) run->requestStop();
    }
    void show(const StepOutcome&) override { ++shows; }
    bool showAtDisplaySteps() const override { return true; }
    bool closeRequested() const override { return closeAfterStop && steps >= stopAfterSteps; }
    bool yieldDue() const override { return false; }
    void pump() override {}
    void paceDisplayStep() override { ++displaySteps; }
    Prompts& answers() override { return prompts; }
};

struct RunLoopTest : ::testing::Test {
    SharedState s;
    ClassicRun run{s};
    ScriptedHost host;
    void SetUp() override {
        testing::typeDefaults(s);
        s.dt = 0.01; // coarser steps keep the run short
        s.NC0 = 10;
        host.run = &run;
        run.start();
    }
};

TEST_F(RunLoopTest, StopContinueAndStepsAreHonouredAtDisplaySteps) {
    // Stopped at step 25: the run ends at the next display step, step 30.
    host.stopAfterSteps = 25;
    RunResult r = runExperiment(run, host);
    EXPECT_FALSE(r.failed);
    EXPECT_FALSE(r.complete);
    EXPECT_NEAR(s.T, 30 * s.dt, 1e-9);
    EXPECT_EQ(host.displaySteps, 2); // steps 10 and 20 paced, step 30 ends the run
    EXPECT_GE(host.shows, 3);

    // "NC0 шагов=" 7: exactly seven steps more.
    host.stopAfterSteps = 0;
    ASSERT_TRUE(prepareSteps(run, 7));
    r = runExperiment(run, host);
    EXPECT_NEAR(s.T, 37 * s.dt, 1e-9);
    EXPECT_FALSE(r.complete);

    // "Продолжить" goes on to the end of the record: all 20 fronts received.
    ASSERT_TRUE(prepareContinue(run, 10));
    r = runExperiment(run, host);
    EXPECT_FALSE(r.failed);
    EXPECT_TRUE(r.complete);
    EXPECT_EQ(r.frontsReceived, 20);
    EXPECT_EQ(s.frontIndex, 21);
    // The short-period warning was asked once, before its fields were shown.
    ASSERT_EQ(host.prompts.asked.size(), 1u);
    EXPECT_EQ(host.prompts.asked[0], kShortPeriodWarning);

    // A complete run continued ends again at once, complete, without a step.
    const double end = s.T;
    ASSERT_TRUE(prepareContinue(run, 10));
    r = runExperiment(run, host);
    EXPECT_TRUE(r.complete);
    EXPECT_FALSE(r.failed);
    EXPECT_EQ(s.T, end);
}

TEST_F(RunLoopTest, NothingToContinueBeforeAStartAndClosingEndsTheRun) {
    SharedState fresh;
    ClassicRun notStarted{fresh};
    EXPECT_FALSE(prepareContinue(notStarted, 10));
    EXPECT_FALSE(prepareSteps(notStarted, 10));

    host.stopAfterSteps = 13;
    host.closeAfterStop = true;
    const RunResult r = runExperiment(run, host);
    EXPECT_FALSE(r.failed);
    EXPECT_FALSE(r.complete);
    EXPECT_NEAR(s.T, 13 * s.dt, 1e-9); // the window closed: no further step
}

TEST_F(RunLoopTest, AFailedStepEndsTheRunFailedNotComplete) {
    s.Vs = 0; // every step divides by the signal speed
    const RunResult r = runExperiment(run, host);
    EXPECT_TRUE(r.failed);
    EXPECT_FALSE(r.complete);
    EXPECT_STREQ(kRunFailedText, "Ошибка решения");
}

TEST(RunLoopText, CompletionNamesTheFrontsReceived) {
    EXPECT_EQ(completionText(20), "эксперимент завершен: принято 20 фронтов");
    EXPECT_EQ(completionText(0), "эксперимент завершен");
}

} // namespace
} // namespace sonrel
