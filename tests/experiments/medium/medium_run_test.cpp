#include "base/signal_delay.h"
#include "canvas/recording_canvas.h"
#include "experiments/medium/medium_experiment.h"
#include "experiments/medium/medium_report.h"
#include "experiments/medium/period_csv.h"
#include "support/plain_number.h"
#include "support/print_sink.h"
#include "support/scripted_prompts.h"

#include <cmath>
#include <deque>
#include <gtest/gtest.h>
#include <sstream>

using namespace sonrel;

namespace {
using sonrel::testing::ScriptedPrompts;

MediumOptions quiet() {
    MediumOptions o;
    o.animation = false;
    return o;
}

// Steps until beam `beams` has arrived (k passes it) or the step budget ends.
void runUntilArrivals(MediumExperiment& run, const MediumOptions& o, Prompts& p, int beams,
                      long maxSteps) {
    for (long s = 0; s < maxSteps && run.k <= beams; ++s)
        run.step(o, nullptr, p);
}

// Arrival time of the front emitted at te from the moving source at the
// moving receiver in a still homogeneous medium: |R(t) − S(te)| = Vs·(t − te).
double frontArrival(double te, double X1, double Y1, double VX1, double VY1, double X2, double Y2,
                    double VX2, double VY2, double Vs) {
    const double sx = X2 + VX2 * te, sy = Y2 + VY2 * te;
    double lo = te, hi = te + 1000;
    for (int i = 0; i < 200; ++i) {
        const double t = (lo + hi) / 2;
        const double d = std::hypot(X1 + VX1 * t - sx, Y1 + VY1 * t - sy);
        (d > Vs * (t - te) ? lo : hi) = t;
    }
    return (lo + hi) / 2;
}
} // namespace

TEST(MediumRun, HomogeneousMediumGivesTheClassicalObservedPeriod) {
    SharedState st;
    MediumExperiment run(st);
    MediumInputs in; // defaults: Kp = 0, source (0, 0) at 10 m/s, receiver (56,6; 50) at 6 m/s
    in.T00 = 8;      // well above the travel time of about 3,8 s
    ASSERT_EQ(run.start(in, quiet()), StartOutcome::Running);
    ScriptedPrompts p;
    runUntilArrivals(run, quiet(), p, 4, 60000);
    ASSERT_GE(run.k, 5);
    // Neighbouring rays are da apart: at about 75 m they bracket the receiver
    // within 0,4 m of the front, which the signal crosses in 0,02 s.
    const double tolerance = 75 * run.da / in.Vs0 + 2 * in.dt;
    for (int i = 2; i <= 3; ++i) {
        const double a = frontArrival((i - 1) * in.T00, in.X1, in.Y1, in.VX1, in.VY1, in.X2, in.Y2,
                                      in.VX2, in.VY2, in.Vs0);
        const double b = frontArrival(i * in.T00, in.X1, in.Y1, in.VX1, in.VY1, in.X2, in.Y2,
                                      in.VX2, in.VY2, in.Vs0);
        EXPECT_NEAR(run.Tn1p(i + 1) - run.Tn1p(i), b - a, tolerance) << "period " << i;
        EXPECT_NEAR(run.Tn1p(i), a, tolerance) << "arrival " << i;
    }
    EXPECT_TRUE(p.asked.empty());
    // The frequencies at the start and end of period 3, from the classical
    // Doppler formula v0·(1 − V1·cos Q / Vs) / (1 − V2·cos Q / Vs) along the
    // line of sight Q from the emission point (80·(i − 1); 0) to where the
    // receiver is at arrival i.
    auto doppler = [&](int i) {
        const double t = frontArrival((i - 1) * in.T00, in.X1, in.Y1, in.VX1, in.VY1, in.X2, in.Y2,
                                      in.VX2, in.VY2, in.Vs0);
        const double c = std::cos(std::atan2(in.Y1, in.X1 + in.VX1 * t - 80.0 * (i - 1)));
        return (1 - 6 * c / 20) / (1 - 10 * c / 20) / in.T00;
    };
    EXPECT_NEAR(run.display.vn, doppler(3), 1e-3);
    EXPECT_NEAR(run.display.vk, doppler(4), 1e-3);
}

// Within the relativistic frame at rest the receiver's clock runs slow by
// kT1 = √(1 − 6²/20²): its arrival times and the report's period are
// the exact arrival times, and their difference, scaled by it. The period
// table's every column is checked against the exact fronts: emission from
// the source's uniform motion, arrival from |R(t) − S(te)| = Vs·(t − te),
// angles along the line of sight, frequencies by the relativistic formula.
TEST(MediumRun, RelativisticRunTimesArrivalsOnTheReceiversClock) {
    SharedState st;
    MediumExperiment run(st);
    MediumInputs in;
    in.T00 = 8;
    in.VY2 = 0.5; // the source climbs
    MediumOptions o = quiet();
    o.frame = DopplerFrame::Relativistic;
    ASSERT_EQ(run.start(in, o), StartOutcome::Running);
    ScriptedPrompts p;
    runUntilArrivals(run, o, p, 3, 40000);
    ASSERT_EQ(run.k, 4);
    const double kT1 = std::sqrt(1 - 36 / 400.0), kT2 = std::sqrt(1 - 100.25 / 400.0);
    // Neighbouring rays are da apart: a beam that has flown τ brackets the
    // receiver within Vs·τ·da of the front, which it crosses in τ·da.
    double t[4] = {}, sight[4] = {}, late[4] = {};
    for (int i = 1; i <= 3; ++i) {
        const double te = (i - 1) * in.T00;
        t[i] = frontArrival(te, in.X1, in.Y1, in.VX1, in.VY1, in.X2, in.Y2, in.VX2, in.VY2, in.Vs0);
        late[i] = (t[i] - te) * run.da + 2 * in.dt;
        sight[i] =
            std::atan2(in.Y1 + in.VY1 * t[i] - in.VY2 * te, in.X1 + in.VX1 * t[i] - in.VX2 * te);
        EXPECT_NEAR(run.Tn1p(i), kT1 * t[i], late[i]) << i;
    }
    const auto body =
        printedBy([&](ReportSink& s) { mediumReportBody(run, DopplerFrame::Relativistic, s); });
    ASSERT_EQ(body.size(), 4u);
    const std::string& b2 = body[1].text;
    const std::string key = " dT= Tk1(2) - Tk1(1) = ";
    const std::size_t at = b2.find(key);
    ASSERT_NE(at, std::string::npos);
    std::string dT = b2.substr(at + key.size(), b2.find(' ', at + key.size()) - at - key.size());
    for (char& ch : dT)
        if (ch == ',') ch = '.';
    EXPECT_NEAR(plainNumber(dT), kT1 * (t[3] - t[2]), late[2] + late[3] + 1e-3);

    const double deg = st.degPerRad, angle = 0.5; // degrees: the fan's 0,32° and the delay
    const double QV1 = std::atan2(in.VY1, in.VX1), QV2 = std::atan2(in.VY2, in.VX2);
    const auto doppler = [&](int i) {
        const double v00 = 1 / in.T00 / kT2;
        return v00 * (1 - 6 * std::cos(QV1 - sight[i]) / 20) * kT2 /
               ((1 - std::sqrt(100.25) * std::cos(QV2 - sight[i]) / 20) * kT1);
    };
    struct Column {
        const char* name;
        double (*exact)(int i, const double* t, const double* sight, const MediumInputs& in);
        double tolerance;
    };
    std::vector<std::vector<std::string>> rows;
    std::istringstream csv(mediumPeriodCsv(run, DopplerFrame::Relativistic));
    for (std::string line; std::getline(csv, line);) {
        rows.emplace_back();
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, ',');)
            rows.back().push_back(cell);
    }
    ASSERT_EQ(rows.size(), 3u); // the header and two received periods
    const std::vector<std::string> header{"period", "Qn2", "Qk2", "Qn1", "Qk1", "v",    "vsr",
                                          "Tn2",    "Xn2", "Yn2", "Tk2", "Xk2", "Yk2",  "Tn1",
                                          "Xn1",    "Yn1", "Tk1", "Xk1", "Yk1", "Tn1p", "Tk1p"};
    ASSERT_EQ(rows[0], header);
    for (int i = 1; i <= 2; ++i) {
        const double te = (i - 1) * in.T00, tnext = i * in.T00;
        const double expected[] = {double(i),
                                   (QV2 - sight[i]) * deg,
                                   (QV2 - sight[i + 1]) * deg,
                                   (QV1 - sight[i]) * deg,
                                   (QV1 - sight[i + 1]) * deg,
                                   1 / (kT1 * (t[i + 1] - t[i])),
                                   (doppler(i) + doppler(i + 1)) / 2,
                                   te,
                                   in.VX2 * te,
                                   in.VY2 * te,
                                   tnext,
                                   in.VX2 * tnext,
                                   in.VY2 * tnext,
                                   t[i],
                                   in.X1 + in.VX1 * t[i],
                                   in.Y1 + in.VY1 * t[i],
                                   t[i + 1],
                                   in.X1 + in.VX1 * t[i + 1],
                                   in.Y1 + in.VY1 * t[i + 1],
                                   kT1 * t[i],
                                   kT1 * t[i + 1]};
        const double tn = late[i], tk = late[i + 1], dT = t[i + 1] - t[i];
        const double bound[] = {0,    angle, angle,  angle, angle, (tn + tk) / (kT1 * dT * dT),
                                2e-3, 1e-9,  1e-9,   1e-9,  1e-9,  1e-9,
                                1e-9, tn,    6 * tn, tn,    tk,    6 * tk,
                                tk,   tn,    tk};
        ASSERT_EQ(rows[static_cast<std::size_t>(i)].size(), header.size());
        for (std::size_t c = 0; c < header.size(); ++c) {
            double off = plainNumber(rows[static_cast<std::size_t>(i)][c]) - expected[c];
            if (c >= 1 && c <= 4) off = std::remainder(off, 360.0); // angles are turns apart
            EXPECT_NEAR(off, 0, bound[c]) << header[c] << " of period " << i;
        }
    }
}

// A fan of 11 rays 16° apart (cone 160°, mean 90°) leaves the source at
// 170°, 154°, …, 10°. The 26° ray passes the receiver at rest at (56,6; 50)
// on its right at 63 m, while the 42° ray is still left of it; once the
// 42° ray climbs above it (at 50 / sin 42° = 74,72 m) the receiver is seen
// between the two, at their mean of 34°, both at the receiver and at the source.
TEST(MediumRun, CoarseFanSeesTheReceiverAtTheMeanOfTheRaysAroundIt) {
    SharedState st;
    MediumExperiment run(st);
    MediumInputs in;
    in.Nr = 10;
    in.VX1 = 0;
    ASSERT_EQ(run.start(in, quiet()), StartOutcome::Running);
    ScriptedPrompts p;
    runUntilArrivals(run, quiet(), p, 1, 10000);
    ASSERT_EQ(run.k, 2);
    EXPECT_NEAR(st.T, 50 / std::sin(42 / st.degPerRad) / 20, 0.01);
    EXPECT_NEAR(run.Qa(1) * st.degPerRad, 34, 1e-9);
    EXPECT_NEAR(run.Qe(1) * st.degPerRad, 34, 1e-9);
}

// Run to the end: true when the stop was requested by the run itself.
bool runToEnd(MediumExperiment& run, const MediumOptions& o, Prompts& p) {
    for (long s = 0; s < 300000; ++s) {
        run.step(o, nullptr, p);
        if (run.finished()) return true;
    }
    return false;
}

TEST(MediumRun, DefaultRunReceivesEachBeamOnceAndStopsWhenNoneCanFollow) {
    SharedState st;
    MediumExperiment run(st);
    const MediumInputs in;
    ASSERT_EQ(run.start(in, quiet()), StartOutcome::Running);
    ScriptedPrompts p;
    ASSERT_TRUE(runToEnd(run, quiet(), p));
    ASSERT_EQ(p.asked.size(), 1u);
    EXPECT_EQ(p.titles[0], "Sonrel5m");
    EXPECT_EQ(p.asked[0].rfind("              ПРОГРАММА РАБОТАЕТ НЕ КООРЕКТНО\n", 0), 0u);
    EXPECT_NE(p.asked[0].find("  >   Tn2(N+1)=   50\n"), std::string::npos);
    // Beam 10 arrives after the source passed the start of beam 11, which
    // therefore never leaves: ten arrivals, then the run stops by itself.
    EXPECT_EQ(run.k, 11);
    EXPECT_GT(st.Tn1(10), st.Tn2(11));
    EXPECT_LT(st.T, st.Tn1(10) + st.NC0 * in.dt + 1e-9);
    // Arrival i is front i's (within the fan's resolution at up to 110 m), so
    // each beam is received once and no period is one step long.
    const double tolerance = 110 * run.da / in.Vs0 + 2 * in.dt;
    double exact[11];
    for (int i = 1; i <= 10; ++i) {
        exact[i] = frontArrival((i - 1) * in.T00, in.X1, in.Y1, in.VX1, in.VY1, in.X2, in.Y2,
                                in.VX2, in.VY2, in.Vs0);
        EXPECT_NEAR(st.Tn1(i), exact[i], tolerance) << "arrival " << i;
    }
    for (int i = 1; i <= 9; ++i)
        EXPECT_NEAR(st.Tn1(i + 1) - st.Tn1(i), exact[i + 1] - exact[i], 2 * tolerance)
            << "period " << i;
    // Going on receives nothing more and stops again at the next display step.
    run.resume();
    st.stopFlag = 0;
    ASSERT_TRUE(runToEnd(run, quiet(), p));
    EXPECT_EQ(run.k, 11);
    EXPECT_EQ(p.asked.size(), 1u);
}

TEST(MediumRun, OverrunAnsweredNoStopsAtTheNextDisplayStep) {
    SharedState st;
    MediumExperiment run(st);
    ASSERT_EQ(run.start(MediumInputs{}, quiet()), StartOutcome::Running);
    ScriptedPrompts p;
    p.answers = {false};
    ASSERT_TRUE(runToEnd(run, quiet(), p));
    EXPECT_GE(run.k, 11);
    EXPECT_LT(run.k, 21);
    EXPECT_EQ(st.stepCount, 0);
}

TEST(MediumRun, TwentiethArrivalWithTheCheckArmedEndsTheRunByItself) {
    SharedState st;
    MediumExperiment run(st);
    MediumInputs in;
    in.VX1 = 10; // the receiver keeps its distance: travel time about 6,6 s
    in.T00 = 8;
    ASSERT_EQ(run.start(in, quiet()), StartOutcome::Running);
    ScriptedPrompts p;
    // No period follows the twentieth, so none can be overrun.
    ASSERT_TRUE(runToEnd(run, quiet(), p));
    EXPECT_TRUE(run.endedByItself);
    EXPECT_EQ(run.k, 21); // the twentieth arrival is recorded
    EXPECT_TRUE(p.asked.empty());
    EXPECT_GT(run.vsr(19), 0); // the last period was processed before the end
    EXPECT_THROW(run.resume(), IndexError);
}

TEST(MediumRun, PeriodStepAndScaleThatCannotRunAreRefused) {
    struct Case {
        const char* name;
        void (*set)(MediumInputs&);
        bool animation, middleRay, run, search; // refused by the start, by the T00 search
    };
    const Case cases[] = {
        {"T00 = 0", [](MediumInputs& in) { in.T00 = 0; }, false, false, true, false},
        {"T00 < 0", [](MediumInputs& in) { in.T00 = -5; }, false, false, true, false},
        {"dt = 0", [](MediumInputs& in) { in.dt = 0; }, false, false, true, true},
        {"dt < 0", [](MediumInputs& in) { in.dt = -1e-3; }, false, false, true, true},
        {"M = 0, animation", [](MediumInputs& in) { in.M = 0; }, true, false, true, true},
        {"M < 0, middle ray", [](MediumInputs& in) { in.M = -5; }, false, true, true, true},
        {"M = 0, nothing drawn", [](MediumInputs& in) { in.M = 0; }, false, false, false, true},
    };
    for (const Case& c : cases) {
        MediumInputs in;
        c.set(in);
        MediumOptions o = quiet();
        o.animation = c.animation;
        o.middleRay = c.middleRay;
        SharedState st;
        MediumExperiment run(st);
        if (c.run)
            EXPECT_THROW(run.start(in, o), MathError) << c.name;
        else
            EXPECT_EQ(run.start(in, o), StartOutcome::Running) << c.name;
        MediumExperiment search(st);
        if (c.search)
            EXPECT_THROW(search.startSearch(in, o), MathError) << c.name;
        else
            EXPECT_NO_THROW(search.startSearch(in, o)) << c.name;
    }
    // The animation ticked during a run of scale zero is refused at the next step.
    SharedState st;
    MediumExperiment run(st);
    MediumInputs in;
    in.M = 0;
    MediumOptions o = quiet();
    o.animation = false;
    o.middleRay = false;
    ASSERT_EQ(run.start(in, o), StartOutcome::Running);
    o.animation = true;
    RecordingCanvas canvas;
    ScriptedPrompts p;
    EXPECT_THROW(run.step(o, &canvas, p), MathError);
}

TEST(MediumRun, QuestionAfterEveryArrivalWithoutAuto) {
    SharedState st;
    MediumExperiment run(st);
    MediumOptions o = quiet();
    o.autoRun = false;
    ASSERT_EQ(run.start(MediumInputs{}, o), StartOutcome::Running);
    ScriptedPrompts p;
    p.answers = {true, false};
    ASSERT_TRUE(runToEnd(run, o, p));
    EXPECT_EQ(run.k, 3);
    ASSERT_EQ(p.asked.size(), 2u);
    EXPECT_EQ(p.asked[1], "ПРОДОЛЖИТЬ ЭКСПЕРИМЕНТ");
    EXPECT_EQ(p.titles[1], "Sonrel");
}

// The transmitter's oscillation is drawn as a sine along the source's path,
// y = 2·sin(2π·v0·t) at x = X2(t)/M, only where the picture (x from −3 to
// 38,4 cm) shows it; the arrival marks put the source's start point red and
// the reception point blue. Also with a step of 10⁵ s, whose first display
// step reaches T = 2·10⁶ s.
TEST(MediumRun, OscillationAndMarksAreDrawnWhereThePictureShowsThem) {
    for (const double dt : {1e-3, 1e5}) {
        SharedState st;
        MediumExperiment run(st);
        MediumInputs in;
        in.dt = dt;
        MediumOptions o; // with the animation
        ASSERT_EQ(run.start(in, o), StartOutcome::Running);
        ScriptedPrompts p;
        RecordingCanvas c;
        for (int s = 0; s < st.NC0 || (run.k < 3 && st.T < 12); ++s)
            run.step(o, &c, p); // at least to the first display step
        std::size_t points = 0;
        double right = -3;
        for (const DrawOp& op : c.ops) {
            if (op.kind != DrawOp::Point) continue;
            ++points;
            right = std::max(right, op.x1);
            EXPECT_EQ(op.color, rgb(0, 250, 0));
            const double t = op.x1 * in.M / in.VX2;
            EXPECT_NEAR(op.y1, 2 * std::sin(2 * st.pi * t / in.T00), 1e-9) << dt;
            EXPECT_GE(op.x1, -3) << dt;
            EXPECT_LE(op.x1, 38.4) << dt;
        }
        EXPECT_GT(points, 0u) << dt;
        EXPECT_LE(points, 2000u) << dt; // 0,01 s apart over 19,2 s of the path
        if (dt > 1) {
            EXPECT_GT(right, 38.4 - 0.02) << dt; // up to the picture's right edge
            continue;
        }
        // After the second arrival: the marks of both received beams.
        for (int i = 1; i <= 2; ++i) {
            bool source = false, receiver = false;
            for (const DrawOp& op : c.ops) {
                if (op.kind != DrawOp::Circle || op.x2 != 0.2) continue;
                source |= op.color == rgb(250, 0, 0) &&
                          std::fabs(op.x1 - 50.0 * (i - 1) / in.M) < 1e-9 && op.y1 == 0;
                receiver |= op.color == rgb(0, 0, 250) &&
                            std::fabs(op.x1 - st.Xk1(i) / in.M) < 1e-9 &&
                            std::fabs(op.y1 - 10) < 1e-9;
            }
            EXPECT_TRUE(source) << i;
            EXPECT_TRUE(receiver) << i;
        }
    }
}
