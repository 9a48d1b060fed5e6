#include "base/checked_math.h"
#include "experiments/classic/classic_model.h"
#include "experiments/classic/default_run_record.h"
#include "experiments/classic/period_report.h"
#include "experiments/classic/typed_defaults.h"
#include "support/exact_arrival.h"
#include "support/print_sink.h"
#include "support/scripted_prompts.h"

#include <cmath>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

using namespace sonrel;
using sonrel::testing::ScriptedPrompts;

namespace {

// Steps until the record ends the run past front 20 (an index outside the
// record) or, failing that, a limit; true when the record ended it.
bool runToRecordEnd(SharedState& s, AllFrontsState& f, Prompts& p, StepChecks checks = {}) {
    try {
        for (long n = 0; n < 2000000; ++n)
            stepExperiment(s, f, checks, p);
    } catch (const IndexError&) {
        return true;
    }
    return false;
}

// A configuration as typed: both bodies at T = T00, velocities, signal.
struct Config {
    const char* name;
    double X1, Y1, VX1, VY1, X2, Y2, VX2, VY2;
    double Vs, T00;
};

void PrintTo(const Config& c, std::ostream* os) {
    *os << c.name;
}

void type(SharedState& s, const Config& c) {
    placeBodies(s, {c.X1, c.Y1, c.VX1, c.VY1, c.X2, c.Y2, c.VX2, c.VY2});
    s.Vs = c.Vs;
    s.T00 = c.T00;
    s.v0 = 1 / c.T00;
    s.dt = 0.001;
    s.NC0 = 20;
    s.pictureScale = 5;
}

// Exact arrival of front k: both bodies start one period before their typed positions.
double exact(const Config& c, int k) {
    return sonrel::testing::exactFrontArrival(k, c.T00, c.X1 - c.T00 * c.VX1, c.Y1 - c.T00 * c.VY1,
                                              c.VX1, c.VY1, c.X2 - c.T00 * c.VX2,
                                              c.Y2 - c.T00 * c.VY2, c.VX2, c.VY2, c.Vs);
}

// Formula (2) of the classical Doppler effect, angles in degrees between
// each velocity and the line of sight from the source to the receiver.
double formula2(const Config& c, double qn1Deg, double qn2Deg) {
    const double rad = std::acos(-1.0) / 180;
    const double v1 = std::hypot(c.VX1, c.VY1), v2 = std::hypot(c.VX2, c.VY2);
    return (1 / c.T00) * (1 - v1 * std::cos(qn1Deg * rad) / c.Vs) /
           (1 - v2 * std::cos(qn2Deg * rad) / c.Vs);
}

// The run's every-front record with the mode chosen.
AllFrontsState allFronts() {
    AllFrontsState f;
    f.allFronts = true;
    return f;
}

class ClassicAllFrontsRun : public ::testing::TestWithParam<Config> {};

} // namespace

// Every front is timed from its own emission, so every period of the record
// is the exact one, however long the fronts travel.
TEST_P(ClassicAllFrontsRun, ArrivalsAndPeriodsMatchTheExactSolution) {
    const Config c = GetParam();
    SharedState s;
    type(s, c);
    AllFrontsState f = allFronts();
    setupRun(s, f);
    ScriptedPrompts p;
    ASSERT_TRUE(runToRecordEnd(s, f, p));
    EXPECT_TRUE(p.asked.empty()); // no short-period warning: no front is lost
    EXPECT_EQ(s.frontIndex, 21);
    for (int k = 1; k <= 20; ++k)
        EXPECT_NEAR(s.Tk1(k - 1), exact(c, k), 2 * s.dt) << "front " << k;

    processPeriods(s, PrintSink([](double, const std::string&) {}).self());
    for (int j = 1; j <= 19; ++j) {
        const double observed = 1 / s.dT(j);
        const double exactFrequency = 1 / (exact(c, j + 1) - exact(c, j));
        EXPECT_NEAR(observed / exactFrequency, 1, 0.005) << "period " << j;
        // Formula (2) at the angles recorded at the start and at the end of the period.
        const double theory =
            (formula2(c, s.QV1(j), s.QV2(j)) + formula2(c, s.QV1(j + 1), s.QV2(j + 1))) / 2;
        EXPECT_NEAR(observed / theory, 1, 0.005) << "period " << j;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Configurations, ClassicAllFrontsRun,
    ::testing::Values(Config{"Defaults", 86.60254, 50, 6, 0, 50, 0, 10, 0, 20, 5},
                      Config{"ReceiverApproaching", 1500, 30, -4, 0, 0, 0, 3, 0, 20, 5},
                      Config{"BothWithVY", 400, 300, 3, 2, 20, 10, 8, 4, 25, 4},
                      Config{"SourceAlongMinusX", 400, 100, 3, 0, 50, 0, -10, 0, 20, 5},
                      Config{"SourceAlongYOnly", 40, 1500, 2, 0, 0, 0, 0, 8, 20, 5},
                      Config{"SourceAtRest", 86.60254, 50, 1, 0.5, 50, 0, 0, 0, 20, 5},
                      Config{"ReceiverFasterThanSource", 200, 50, 12, 0, 50, 0, 4, 0, 20, 5}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ClassicAllFronts, DefaultRunGetsPeriod19Right) {
    // One front at a time makes period 19 of the default run 8,071 s long;
    // the exact arrivals give 5,757 s, 1/dT = 0,1737, and formula (2) at the
    // angles of the exact arrivals agrees.
    SharedState s;
    sonrel::testing::typeDefaults(s);
    AllFrontsState f = allFronts();
    setupRun(s, f);
    ScriptedPrompts p;
    ASSERT_TRUE(runToRecordEnd(s, f, p));
    processPeriods(s, PrintSink([](double, const std::string&) {}).self());
    EXPECT_NEAR(s.dT(19), 5.757, 0.002);
    EXPECT_NEAR(1 / s.dT(19), 0.1737, 0.0001);
    EXPECT_NEAR(s.v1(19), 0.1737, 0.0001);
}

TEST(ClassicAllFronts, ManualRunPausesAtEachArrivalWithoutJumping) {
    SharedState s, automatic;
    sonrel::testing::typeDefaults(s);
    sonrel::testing::typeDefaults(automatic);
    AllFrontsState f = allFronts(), automaticFronts = allFronts();
    setupRun(s, f);
    setupRun(automatic, automaticFronts);
    ScriptedPrompts p, none;
    p.answers.assign(20, true);
    const StepChecks manual{true, false};
    ASSERT_TRUE(runToRecordEnd(s, f, p, manual));
    ASSERT_TRUE(runToRecordEnd(automatic, automaticFronts, none));
    ASSERT_EQ(p.asked.size(), 20u);
    for (const std::string& q : p.asked)
        EXPECT_EQ(q, kContinueQuestion);
    // Time and bodies went on step by step: the arrivals are those of "Auto".
    for (int k = 0; k < 20; ++k)
        EXPECT_EQ(s.Tk1(k), automatic.Tk1(k)) << k;
    EXPECT_EQ(s.T, automatic.T);
    EXPECT_EQ(s.X(1), automatic.X(1));

    // "No" requests the stop: the run ends at the next display step, and the
    // front that has just arrived stays received.
    SharedState stopped;
    sonrel::testing::typeDefaults(stopped);
    AllFrontsState stoppedFronts = allFronts();
    setupRun(stopped, stoppedFronts);
    ScriptedPrompts no;
    no.answers = {false};
    StepResult r;
    int steps = 0;
    do {
        r = stepExperiment(stopped, stoppedFronts, manual, no);
        ++steps;
    } while (!r.endRun && steps < 100000);
    EXPECT_TRUE(r.endRun);
    EXPECT_TRUE(r.display);
    ASSERT_EQ(no.asked.size(), 1u);
    EXPECT_EQ(stopped.frontIndex, 2);
    EXPECT_NEAR(stopped.Tk1(0), exact({"", 86.60254, 50, 6, 0, 50, 0, 10, 0, 20, 5}, 1),
                2 * stopped.dt);
    // Continued, the next front is received in its turn and front 1 is not recorded again.
    const double first = stopped.Tk1(0);
    stopped.stopFlag = 0;
    while (stopped.frontIndex == 2)
        stepExperiment(stopped, stoppedFronts, {}, no);
    EXPECT_EQ(stopped.Tk1(0), first);
}

TEST(ClassicAllFronts, FrontsGrowFromTheirOwnEmissionAndFailWithoutSignalSpeed) {
    SharedState s;
    sonrel::testing::typeDefaults(s);
    AllFrontsState f = allFronts();
    setupRun(s, f);
    ScriptedPrompts p;
    while (s.T < 61.0005)
        stepExperiment(s, f, {}, p);
    // At 61 s fronts 1..13 have been emitted (every 5 s); 12 and 13 are in
    // flight, each with the radius Vs·(T − (j − 1)·T00) about its own point.
    const Config defaults{"", 86.60254, 50, 6, 0, 50, 0, 10, 0, 20, 5};
    for (int j = 1; j <= 20; ++j) {
        const bool received = exact(defaults, j) < s.T;
        EXPECT_EQ(f.received(j) != 0, received) << j;
        EXPECT_EQ(received, j <= 11) << j;
        if (j > 13) {
            EXPECT_EQ(f.radii(j), 0) << j;
        } else if (!received) {
            EXPECT_NEAR(f.radii(j), 20 * (s.T - 5.0 * (j - 1)), 1e-6) << j;
        }
    }
    EXPECT_EQ(s.frontIndex, 12);

    SharedState still;
    sonrel::testing::typeDefaults(still);
    AllFrontsState stillFronts = allFronts();
    setupRun(still, stillFronts);
    still.Vs = 0;
    EXPECT_THROW(stepExperiment(still, stillFronts, {}, p), MathError);
}

// The default mode still follows one front at a time: its whole record,
// with and without the delay in coordinates, is what it was before the
// every-front mode was added.
TEST(ClassicAllFronts, DefaultModeKeepsItsRecord) {
    namespace rec = sonrel::testing::default_run;
    for (bool delay : {true, false}) {
        SharedState s;
        sonrel::testing::typeDefaults(s);
        AllFrontsState oneFront;
        setupRun(s, oneFront);
        ScriptedPrompts p;
        ASSERT_TRUE(runToRecordEnd(s, oneFront, p, {delay, true}));
        ASSERT_EQ(p.asked.size(), 1u);
        EXPECT_EQ(p.asked[0], kShortPeriodWarning);
        processPeriods(s, PrintSink([](double, const std::string&) {}).self());
        auto same = [&](const char* name, const PeriodArray& a, const rec::Row& r) {
            for (int j = 0; j <= 20; ++j)
                EXPECT_EQ(a(j), r[static_cast<std::size_t>(j)]) << name << "(" << j << ")";
        };
        same("Tk1", s.Tk1, rec::Tk1);
        same("Xk1", s.Xk1, rec::Xk1);
        same("Yk1", s.Yk1, rec::Yk1);
        same("Xk2", s.Xk2, rec::Xk2);
        same("Yk2", s.Yk2, rec::Yk2);
        same("Q3", s.Q3, delay ? rec::Q3 : rec::Q3Undelayed);
        same("QV1", s.QV1, delay ? rec::QV1 : rec::QV1Undelayed);
        same("QV2", s.QV2, delay ? rec::QV2 : rec::QV2Undelayed);
        same("v1n", s.v1n, delay ? rec::v1n : rec::v1nUndelayed);
        same("v1k", s.v1k, delay ? rec::v1k : rec::v1kUndelayed);
        same("v1", s.v1, delay ? rec::v1 : rec::v1Undelayed);
        for (int j = 0; j <= 20; ++j)
            EXPECT_EQ(s.dT(j), rec::dT[static_cast<std::size_t>(j)]) << "dT(" << j << ")";
    }
}
