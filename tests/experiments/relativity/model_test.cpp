#include "base/prompts.h"
#include "canvas/recording_canvas.h"
#include "experiments/relativity/model.h"
#include "experiments/relativity/report.h"
#include "experiments/relativity/t00_search.h"
#include "support/exact_arrival.h"
#include "support/scripted_prompts.h"

#include <cmath>
#include <deque>
#include <gtest/gtest.h>

using namespace sonrel;
using namespace sonrel::relativity;

namespace {

using sonrel::testing::exactArrival;
using sonrel::testing::exactFrontArrival;
using sonrel::testing::ScriptedPrompts;

Options quiet(Frame frame, Kinematics k) {
    Options o;
    o.frame = frame;
    o.kinematics = k;
    o.animation = false;
    return o;
}

// Runs until `arrivals` beams have reached the receiver or the step limit.
void runArrivals(Model& m, Canvas& c, Prompts& p, int arrivals, int maxSteps = 200000) {
    for (int n = 0; n < maxSteps && m.N <= arrivals; ++n)
        m.step(c, p);
}

// Steps until the run ends by itself (a stop it set, or an index past the
// tables); counts the arrivals. False when it had not ended after maxSteps.
bool runToEnd(Model& m, Canvas& c, Prompts& p, int& arrivals, int maxSteps = 400000) {
    for (int n = 0; n < maxSteps; ++n) {
        try {
            if (m.step(c, p).arrived) ++arrivals;
        } catch (const IndexError&) {
            return true;
        }
        if (m.runEnds()) return true;
    }
    return false;
}

// Front k of a run started from `in` (source emitting every T00 from where
// it is), by the exact solution of the meeting.
double exactArrivalOf(const Inputs& in, int k) {
    return exactFrontArrival(k, in.T00, in.X1, in.Y1, in.VX1, in.VY1, in.X2, in.Y2, in.VX2, in.VY2,
                             in.Vs0);
}

// How early or late a beam finds the receiver: up to one step late, and up
// to r·dθ / Vs early for rays dθ apart at the distance r of the meeting.
double arrivalTolerance(const Inputs& in, double reach) {
    const double dTheta = in.cone / in.Nrays * std::acos(-1.0) / 180;
    return in.dt + reach * dTheta / in.Vs0;
}

} // namespace

TEST(RelativityStart, StoWithoutFrameSpeedKeepsAsoValues) {
    for (Frame frame : {Frame::Aso, Frame::Iso}) {
        SharedState s;
        Model m(s);
        Inputs in;
        Options o = quiet(frame, Kinematics::Sto);
        ASSERT_EQ(m.start(in, o), "");
        EXPECT_DOUBLE_EQ(m.kTiso, 1);
        EXPECT_DOUBLE_EQ(m.X1iso, in.X1);
        EXPECT_DOUBLE_EQ(m.X2iso, in.X2);
        EXPECT_DOUBLE_EQ(m.VX1iso, in.VX1);
        EXPECT_DOUBLE_EQ(m.VX2iso, in.VX2);
        EXPECT_DOUBLE_EQ(m.T1, 0);
        RecordingCanvas c;
        ScriptedPrompts p;
        for (int n = 0; n < 50; ++n)
            m.step(c, p);
        EXPECT_NEAR(m.X1iso, s.X(1), 1e-12);
        EXPECT_NEAR(m.X2iso, s.X(2), 1e-12);
        EXPECT_NEAR(m.T1, s.T, 1e-12);
    }
}

TEST(RelativityStart, RefusalsAndCoupledChoices) {
    SharedState s;
    Model m(s);
    Inputs in;
    Options o = quiet(Frame::Aso, Kinematics::Sto);
    EXPECT_FALSE(Model::refuseVelocitiesForSto(o, 0, 1).empty());
    EXPECT_TRUE(Model::refuseVelocitiesForSto(quiet(Frame::Iso, Kinematics::Sto), 0, 1).empty());
    in.VX2 = -1;
    EXPECT_NE(m.start(in, o).find("слева направо"), std::string::npos);
    in.VX2 = 0; // a source at rest is allowed
    EXPECT_EQ(m.start(in, o), "");
    in.Y2 = 60;
    EXPECT_NE(m.start(in, o).find("не выше приемника"), std::string::npos);
    in.Y2 = 0;
    Options third = quiet(Frame::Iso, Kinematics::Classic);
    third.thirdFrame = true;
    EXPECT_NE(m.start(in, third).find("VXiso3"), std::string::npos);
    EXPECT_EQ(third.kinematics, Kinematics::Sto);
    Options plus = quiet(Frame::Iso, Kinematics::StoPlus);
    EXPECT_EQ(m.start(in, plus), "");
    EXPECT_EQ(plus.frame, Frame::Aso);
    EXPECT_TRUE(plus.carrySource);
    // A period, step or scale of zero, below zero or no number cannot be run with.
    for (double bad : {0.0, -1.0, std::nan("")}) {
        for (double Inputs::*field : {&Inputs::T00, &Inputs::dt, &Inputs::M}) {
            Inputs z;
            z.*field = bad;
            EXPECT_THROW(m.start(z, o), InputError) << bad;
        }
    }
}

// A stop is honoured at a display step (the counter back at 0), at once when
// there are no display steps (NC0 <= 0) or when the counter is past NC0.
TEST(RelativityStep, StopHonouredOnlyWhereADisplayStepAllowsIt) {
    const struct {
        int stop, count, NC0;
        bool ends;
    } cases[] = {
        {0, 0, 20, false}, {1, 0, 20, true}, {1, 5, 20, false}, {1, 20, 20, false},
        {1, 21, 20, true}, {1, 5, 0, true},  {1, 5, -3, true},  {0, 21, 20, false},
    };
    SharedState s;
    Model m(s);
    for (const auto& c : cases) {
        s.stopFlag = c.stop;
        s.stepCount = c.count;
        s.NC0 = c.NC0;
        EXPECT_EQ(m.runEnds(), c.ends) << c.stop << " " << c.count << " " << c.NC0;
    }
}

TEST(RelativityStep, StoPlusInAsoRunsIsoClocksSlowerEverywhere) {
    SharedState s;
    Model m(s);
    Inputs in;
    in.VXiso = 8;
    Options o = quiet(Frame::Aso, Kinematics::StoPlus);
    ASSERT_EQ(m.start(in, o), "");
    const double k = std::sqrt(1 - 0.4 * 0.4);
    EXPECT_NEAR(m.kTiso3, k, 1e-15);
    RecordingCanvas c;
    ScriptedPrompts p;
    for (int n = 0; n < 3000; ++n) {
        m.step(c, p);
        ASSERT_DOUBLE_EQ(m.T1, s.T * k);
        ASSERT_DOUBLE_EQ(m.T2, s.T * k);
        // ИСО leaves with 8 m/s, and its lengths are contracted by kTiso.
        ASSERT_NEAR(m.X1iso, k * (s.X(1) - 8 * s.T), 1e-9);
        ASSERT_NEAR(m.X1iso - m.X2iso, k * (s.X(1) - s.X(2)), 1e-9);
    }
}

TEST(RelativityStep, ObservedPeriodsMatchTheClassicalDoppler) {
    SharedState s;
    Model m(s);
    Inputs in;
    in.T00 = 12; // well above the ~5 s the first beam travels
    Options o = quiet(Frame::Aso, Kinematics::Classic);
    o.emissionFromArrival = true;
    ASSERT_EQ(m.start(in, o), "");
    RecordingCanvas c;
    ScriptedPrompts p;
    runArrivals(m, c, p, 4);
    ASSERT_GE(m.N, 5);
    EXPECT_TRUE(p.asked.empty()); // no overrun with such a period
    for (int i = 1; i <= 3; ++i) {
        const double a = exactArrivalOf(in, i), b = exactArrivalOf(in, i + 1);
        const double timeTol = arrivalTolerance(in, in.Vs0 * (b - i * in.T00));
        EXPECT_NEAR(s.Tn1(i + 1) - s.Tn1(i), b - a, 2 * timeTol) << "period " << i;
        const double v = 1 / (b - a);
        EXPECT_NEAR(1 / (s.Tn1(i + 1) - s.Tn1(i)), v, v * v * 2 * timeTol * 1.1) << i;
    }
    // Computed back from each arrival, the emission is where and when the
    // source sent the beam: (i - 1)·12 s, 10 m/s · (i - 1)·12 s.
    for (int i = 1; i <= 4; ++i) {
        const double tol =
            2 * arrivalTolerance(in, in.Vs0 * (exactArrivalOf(in, i) - (i - 1) * 12));
        EXPECT_NEAR(m.Tn2iso(i), (i - 1) * 12, tol) << i;
        EXPECT_NEAR(m.Xn2iso(i), 10 * (i - 1) * 12, 10 * tol) << i;
    }
    // The receiver falls behind the source: the observed frequency exceeds v0.
    EXPECT_GT(1 / (s.Tn1(2) - s.Tn1(1)), s.v0);
}

// Bodies moving at general angles (receiver (6; 2), source (10; 1) m/s):
// the theory shown beside the run at each step looks along the retarded
// line of sight, from where the source was when it sent what arrives now:
// |R(T) - S(T) + V2 τ| = Vs τ. Classical Doppler, and under СТО also the
// clock rates sqrt(1 - (V/Vs)²) of source and receiver.
TEST(RelativityStep, TheoryBesideTheRunLooksAlongTheRetardedLineOfSight) {
    Inputs in;
    in.T00 = 12;
    in.VY1 = 2;
    in.VY2 = 1;
    const double c = in.Vs0;
    const double V1 = std::hypot(6, 2), V2 = std::hypot(10, 1);
    const double a1 = std::atan2(2, 6), a2 = std::atan2(1, 10);
    for (Kinematics kin : {Kinematics::Classic, Kinematics::Sto}) {
        SharedState s;
        Model m(s);
        Options o = quiet(kin == Kinematics::Sto ? Frame::Iso : Frame::Aso, kin);
        o.theoryAso = o.theoryIso = true;
        ASSERT_EQ(m.start(in, o), "");
        const bool sto = kin == Kinematics::Sto;
        const double clocks =
            sto ? std::sqrt(1 - V2 * V2 / (c * c)) / std::sqrt(1 - V1 * V1 / (c * c)) : 1;
        // The transmitter's frequency on the source's clock: 1/T00 slowed by its motion.
        const double v0 = sto ? 1 / (in.T00 * std::sqrt(1 - V2 * V2 / (c * c))) : 1 / in.T00;
        EXPECT_NEAR(s.v0, v0, 1e-15);
        auto doppler = [&](double q3) {
            return v0 * (1 - V1 * std::cos(a1 - q3) / c) / (1 - V2 * std::cos(a2 - q3) / c) *
                   clocks;
        };
        RecordingCanvas canvas;
        ScriptedPrompts p;
        for (int n = 1; n <= 3000; ++n) {
            m.step(canvas, p);
            if (n % 1000) continue;
            const double dx = s.X(1) - s.X(2), dy = s.Y(1) - s.Y(2);
            const double qa = V2 * V2 - c * c, qb = 2 * (dx * 10 + dy * 1), qc = dx * dx + dy * dy;
            const double tau = (-qb - std::sqrt(qb * qb - 4 * qa * qc)) / (2 * qa);
            const double q3 = std::atan2(dy + tau * 1, dx + tau * 10);
            EXPECT_NEAR(m.vAso, doppler(q3), 1e-9) << n;
            EXPECT_NEAR(m.vIso, doppler(q3), 1e-9) << n;
        }
        // The theory of a period's start uses the line of sight of the
        // arrival, from the emission point to the receiver.
        runArrivals(m, canvas, p, 2);
        ASSERT_GE(m.completedPeriods(), 1);
        const double q3 = std::atan2(s.Yn1(1) - m.Yn2iso(1), s.Xn1(1) - m.Xn2iso(1));
        EXPECT_NEAR(m.vn(1), doppler(q3), 1e-9);
        EXPECT_NE(m.Qn1(1), m.Qn2(1));
    }
}

TEST(RelativityStep, OverrunIsCheckedAtEveryArrivalAndAskedOncePerRun) {
    // Default run: the receiver falls behind the source, so the travel time
    // grows; the first front that needs longer than T00 is found exactly.
    Inputs in;
    int late = 0;
    for (int k = 1; k <= 19 && !late; ++k)
        if (exactArrivalOf(in, k) > k * in.T00) late = k;
    ASSERT_GT(late, 2); // a later period than the first overruns
    for (Frame frame : {Frame::Iso, Frame::Aso}) {
        SharedState s;
        Model m(s);
        Options o = quiet(frame, Kinematics::Classic);
        ASSERT_EQ(m.start(in, o), "");
        RecordingCanvas c;
        ScriptedPrompts p; // "Yes": go on
        int arrivals = 0;
        ASSERT_TRUE(runToEnd(m, c, p, arrivals));
        ASSERT_EQ(p.asked.size(), 1u);
        EXPECT_EQ(p.titles[0], "Sonrel6");
        const std::string n = std::to_string(late), next = std::to_string(late + 1);
        EXPECT_NE(p.asked[0].find("ПРОГРАММА РАБОТАЕТ НЕ КООРЕКТНО"), std::string::npos);
        EXPECT_NE(p.asked[0].find("Tk1(" + n + ")= "), std::string::npos) << p.asked[0];
        EXPECT_NE(p.asked[0].find("  >   Tn2(" + next + ")=   " + std::to_string(late * 5)),
                  std::string::npos)
            << p.asked[0];
        // The late beam's successor never left: no beam is counted twice and
        // the run stops by itself once nothing can arrive.
        EXPECT_EQ(arrivals, late);
        EXPECT_EQ(m.completedPeriods(), late - 1);
        EXPECT_EQ(m.unfinishedPeriod(), late);
        EXPECT_EQ(s.stopFlag, 1);
        for (int i = 1; i < late; ++i) {
            const double a = exactArrivalOf(in, i), b = exactArrivalOf(in, i + 1);
            const double tol = 2 * arrivalTolerance(in, in.Vs0 * (b - i * in.T00));
            EXPECT_NEAR(s.Tn1(i + 1) - s.Tn1(i), b - a, tol) << "period " << i;
        }
    }
    // A period shorter than the first beam's travel is caught at the first
    // arrival; "No" asks for a stop with the display refreshed at once.
    SharedState s;
    Model m(s);
    in.T00 = 2;
    Options o = quiet(Frame::Iso, Kinematics::Classic);
    ASSERT_EQ(m.start(in, o), "");
    RecordingCanvas c;
    ScriptedPrompts no;
    no.answers = {false};
    runArrivals(m, c, no, 1);
    ASSERT_EQ(no.asked.size(), 1u);
    EXPECT_NE(no.asked[0].find("Tk1(1)= "), std::string::npos);
    EXPECT_EQ(s.stopFlag, 1);
    EXPECT_TRUE(m.runEnds());
}

TEST(RelativityStep, SourceAtRestGivesOneArrivalAndNoPeriod) {
    // Receiver moving away from a source at rest: the beam placed at the
    // start is the only one, and it is received once.
    Inputs in;
    in.X1 = 86.60254;
    in.Y1 = 50;
    in.VX1 = 1;
    in.VY1 = 0.5;
    in.X2 = 50;
    in.VX2 = 0;
    const double exact = exactArrivalOf(in, 1);
    for (Frame frame : {Frame::Iso, Frame::Aso}) {
        SharedState s;
        Model m(s);
        Options o = quiet(frame, Kinematics::Classic);
        ASSERT_EQ(m.start(in, o), "");
        RecordingCanvas c;
        ScriptedPrompts p;
        int arrivals = 0;
        ASSERT_TRUE(runToEnd(m, c, p, arrivals)); // neither a run without end nor an error
        EXPECT_EQ(arrivals, 1);
        EXPECT_NEAR(s.Tn1(1), exact, arrivalTolerance(in, in.Vs0 * exact));
        EXPECT_EQ(m.completedPeriods(), 0);
        EXPECT_EQ(m.unfinishedPeriod(), 1);
        EXPECT_TRUE(p.asked.empty());
        // Continuing finds nothing more: the run stops again.
        s.stopFlag = 0;
        s.stepCount = 0;
        ASSERT_TRUE(runToEnd(m, c, p, arrivals, 1000));
        EXPECT_EQ(arrivals, 1);
        // The line of sight starts where the beam left.
        EXPECT_NEAR(m.Q3(1), std::atan2(s.Yn1(1) - in.Y2, s.Xn1(1) - in.X2), 1e-12);
        EXPECT_EQ(reportUnreceived(1), "период 1 не принят\r\n");
    }
}

TEST(RelativityStep, TwentyPeriodsEndTheRunWithTheLastPeriodUnreceived) {
    // The receiver is overtaken by the source: red shift, then blue shift;
    // every beam arrives within its period, so the run reaches the limit.
    Inputs in;
    in.T00 = 8;
    in.dt = 0.005;
    in.VX1 = 9;
    for (int k = 1; k <= 20; ++k)
        ASSERT_LT(exactArrivalOf(in, k), k * in.T00) << k;
    SharedState s;
    Model m(s);
    Options o = quiet(Frame::Aso, Kinematics::Classic);
    ASSERT_EQ(m.start(in, o), "");
    RecordingCanvas c;
    ScriptedPrompts p;
    int arrivals = 0;
    bool ended = false;
    for (int n = 0; n < 100000 && !ended; ++n) {
        try {
            if (m.step(c, p).arrived) ++arrivals;
        } catch (const IndexError&) {
            ended = true; // no emission entry for a 21st beam
        }
    }
    ASSERT_TRUE(ended);
    EXPECT_TRUE(p.asked.empty());
    EXPECT_EQ(arrivals, 20);
    EXPECT_EQ(m.completedPeriods(), 19);
    EXPECT_EQ(m.unfinishedPeriod(), 20);
    bool sawRed = false, sawBlue = false;
    for (int i = 1; i <= 19; ++i) {
        const double a = exactArrivalOf(in, i), b = exactArrivalOf(in, i + 1);
        const double tol = 2 * arrivalTolerance(in, in.Vs0 * (b - i * in.T00));
        EXPECT_NEAR(s.Tn1(i + 1) - s.Tn1(i), b - a, tol) << "period " << i;
        sawRed = sawRed || b - a > in.T00 + tol;
        sawBlue = sawBlue || b - a < in.T00 - tol;
        EXPECT_NO_THROW(reportPeriodBlock(m, i)) << i;
    }
    EXPECT_TRUE(sawRed && sawBlue);
}

TEST(RelativityStep, ReceiverOutsideTheConeIsNeverReached) {
    SharedState s;
    Model m(s);
    Inputs in;
    in.mean = 150;
    in.cone = 20; // rays between 140 and 160 degrees, receiver at about 40
    Options o = quiet(Frame::Aso, Kinematics::Classic);
    ASSERT_EQ(m.start(in, o), "");
    RecordingCanvas c;
    ScriptedPrompts p;
    for (int n = 0; n < 5000; ++n)
        EXPECT_FALSE(m.step(c, p).arrived);
}

TEST(RelativityReport, HeaderAndBlockTexts) {
    SharedState s;
    Model m(s);
    Inputs in;
    in.T00 = 12;
    Options o = quiet(Frame::Iso, Kinematics::Classic);
    ASSERT_EQ(m.start(in, o), "");
    EXPECT_EQ(reportHeading(), "        1- приемник  2- источник  i - нимер условного периода\r\n");
    const std::string legend = reportLegend(m);
    EXPECT_NE(legend.find(" kT1=  1      kT2=  1     - коэффициенты темпа времени на приемнике и "
                          "источнике\r\n"),
              std::string::npos);
    EXPECT_NE(legend.find(" T00=  12 - период колебаний передатчика с частотой v00 по часам ИСО"),
              std::string::npos);
    RecordingCanvas c;
    ScriptedPrompts p;
    runArrivals(m, c, p, 3);
    const std::string block = reportPeriodBlock(m, 1);
    EXPECT_EQ(block.rfind("                             обрабатываем сигналы периода № 1\r\n", 0),
              0u);
    EXPECT_NE(block.find(" Tn2(1) = 0        Xn2(1) = 0        Yn2(1) = 0"), std::string::npos);
    EXPECT_NE(block.find(" период на источнике по часам ИСО    dT= Tn2(2) - Tn1(1) = 12\r\n"),
              std::string::npos);
}

TEST(T00Search, DefaultsMeetTheReceiverAfterAboutFiveSeconds) {
    SharedState s;
    Model m(s);
    T00Search search(m);
    Inputs in;
    Options o = quiet(Frame::Iso, Kinematics::Classic);
    search.prepare(in, o);
    RecordingCanvas c;
    int steps = 0;
    while (!search.step(c) && steps < 100000)
        ++steps;
    EXPECT_NEAR(search.foundT00(), 5.0, 0.05);
    EXPECT_NEAR(search.foundV0(), 1 / search.foundT00(), 1e-12);
    EXPECT_EQ(m.runKind, 2);
    const double sight = std::atan2(s.Y(1) - 0, s.X(1) - 0) * s.degPerRad;
    EXPECT_NEAR(sight, 30, 1.0);

    // Bodies at rest, the receiver up and behind: the rays passing to its
    // right rise above it first (straight up after 2 s), but the front meets
    // it only when the rays on both sides of it do, after 50 m / 20 m/s.
    SharedState s2;
    Model behind(s2);
    T00Search back(behind);
    in.X1 = -30, in.Y1 = 40, in.VX1 = 0, in.VX2 = 0;
    back.prepare(in, o);
    for (steps = 0; !back.step(c) && steps < 100000;)
        ++steps;
    EXPECT_NEAR(back.foundT00(), 2.5, 0.05);
}

TEST(T00Search, ClassicalIsoRaysStreamWithTheMediumButMeetAtTheSameTime) {
    auto search = [](double vxIso, Frame frame, Model& m) {
        T00Search s(m);
        Inputs in;
        in.VXiso = vxIso;
        Options o = quiet(frame, Kinematics::Classic);
        s.prepare(in, o);
        RecordingCanvas c;
        for (int n = 0; n < 100000 && !s.step(c); ++n) {
        }
        return s.foundT00();
    };
    SharedState s1, s2;
    Model iso(s1), aso(s2);
    const double inIso = search(10, Frame::Iso, iso);
    const double inAso = search(10, Frame::Aso, aso);
    // In ИСО the medium streams back with VXiso: a ray along +X is slower,
    // one along -X faster, and the receiver moves with VX1 - VXiso.
    const Beam& b = iso.beam;
    EXPECT_NEAR(b.isoSpeed[static_cast<std::size_t>(b.last())],
                std::hypot(20 * std::cos(-1 / s1.degPerRad) - 10, 20 * std::sin(-1 / s1.degPerRad)),
                1e-12);
    EXPECT_NEAR(
        b.isoSpeed[0],
        std::hypot(20 * std::cos(179 / s1.degPerRad) - 10, 20 * std::sin(179 / s1.degPerRad)),
        1e-12);
    EXPECT_DOUBLE_EQ(s1.VX(1), 6 - 10);
    // Galilean kinematics: the meeting is one event in both frames, so the
    // travel times agree within a step and the ray spacing (r·dθ / Vs).
    const double tol = 15e-4 + 100 * (180.0 / 500 / s1.degPerRad) / 20;
    EXPECT_NEAR(inIso, inAso, tol);
    EXPECT_NEAR(inAso, 5.0, tol);
}

// СТО in ИСО, VXiso = 4: the start is Lorentz-transformed (x/kTiso, clocks
// shifted by -VXiso x / (c² kTiso), velocities composed, the source carried
// to the receiver's clock reading); the search gives the beam's ИСО travel.
TEST(T00Search, StoInIsoGivesTheTravelTimeInIso) {
    SharedState s;
    Model m(s);
    T00Search search(m);
    Inputs in;
    in.VXiso = 4;
    Options o = quiet(Frame::Iso, Kinematics::Sto);
    search.prepare(in, o);
    RecordingCanvas c;
    for (int n = 0; n < 100000 && !search.step(c); ++n) {
    }
    const double k = std::sqrt(1 - 0.04);
    const double u1 = (6 - 4) / (1 - 24.0 / 400), u2 = (10 - 4) / (1 - 40.0 / 400);
    const double t1 = -(4 * in.X1 / 400) / k; // the source at x = 0 reads 0
    const double x1 = in.X1 / k, x2 = u2 * t1;
    const double travel = exactArrival(0, x2, 0, x1, in.Y1, u1, 0, 20);
    EXPECT_NEAR(search.foundT00(), travel, arrivalTolerance(in, 20 * travel));
}
