// The comparison experiment with every period's beam in flight at once
// ("все фронты"), against the exact meeting of each beam with the receiver,
// and the one-beam mode against its period records written down before the
// all-fronts mode existed.
#include "canvas/recording_canvas.h"
#include "experiments/relativity/model.h"
#include "recorded_runs.h"
#include "support/exact_arrival.h"
#include "support/scripted_prompts.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

using namespace sonrel;
using namespace sonrel::relativity;

namespace {

using sonrel::testing::exactArrival;
using sonrel::testing::RecordedPeriod;
using sonrel::testing::ScriptedPrompts;

Options allFronts(Frame frame, Kinematics k) {
    Options o;
    o.frame = frame;
    o.kinematics = k;
    o.animation = false;
    o.allFronts = true;
    return o;
}

struct RunEnd {
    int arrivals = 0;
    bool atLimit = false; // ended by the missing 21st emission entry
};

RunEnd runToEnd(Model& m, Canvas& c, Prompts& p, int maxSteps = 400000) {
    RunEnd e;
    for (int n = 0; n < maxSteps; ++n) {
        try {
            if (m.step(c, p).arrived) ++e.arrivals;
        } catch (const IndexError&) {
            e.atLimit = true;
            return e;
        }
        if (m.runEnds()) return e;
    }
    return e;
}

// The arrival times of beams 1..20 by the clocks that record them (the ИСО
// clocks at the receiver), worked out in the frame being modelled:
// - classical kinematics: one Galilean time in both frames; the signal
//   spreads with Vs0 in АСО from the source's АСО position at (k - 1) T00;
// - СТО modelled in АСО: the same meeting in АСО, its time then read on the
//   ИСО clock there, t' = (t - VXiso x / c²) / kTiso;
// - СТО modelled in ИСО: the start is Lorentz-transformed into ИСО, the
//   source carried along its ИСО path to the receiver's ИСО clock reading,
//   and the beams leave every T00 of ИСО time, spreading with Vs0 in ИСО;
// - СТО+ (always modelled in АСО): the meeting in АСО, read on ИСО clocks
//   that run slower by kTiso everywhere.
std::vector<double> exactArrivals(const Inputs& in, Frame frame, Kinematics kin) {
    const double c = in.Vs0, v = in.VXiso;
    std::vector<double> t(21);
    if (kin == Kinematics::Classic || frame == Frame::Aso) {
        const double k = std::sqrt(1 - v * v / (c * c));
        for (int n = 1; n <= 20; ++n) {
            const double te = (n - 1) * in.T00;
            const double ta = exactArrival(te, in.X2 + in.VX2 * te, in.Y2 + in.VY2 * te, in.X1,
                                           in.Y1, in.VX1, in.VY1, c);
            if (kin == Kinematics::Classic)
                t[n] = ta;
            else if (kin == Kinematics::StoPlus)
                t[n] = ta * k;
            else
                t[n] = (ta - v * (in.X1 + in.VX1 * ta) / (c * c)) / k;
        }
        return t;
    }
    const double k = std::sqrt(1 - v * v / (c * c));
    auto boost = [&](double ux, double uy, double& bx, double& by) {
        const double d = 1 - v * ux / (c * c);
        bx = (ux - v) / d;
        by = k * uy / d;
    };
    double u1x, u1y, u2x, u2y;
    boost(in.VX1, in.VY1, u1x, u1y);
    boost(in.VX2, in.VY2, u2x, u2y);
    const double t1 = -(v * in.X1 / (c * c)) / k, t2 = -(v * in.X2 / (c * c)) / k;
    const double x1 = in.X1 / k, y1 = in.Y1;
    const double x2 = in.X2 / k + u2x * (t1 - t2), y2 = in.Y2 + u2y * (t1 - t2);
    for (int n = 1; n <= 20; ++n) {
        const double age = (n - 1) * in.T00; // ИСО time since the start
        t[n] = t1 + exactArrival(age, x2 + u2x * age, y2 + u2y * age, x1, y1, u1x, u1y, c);
    }
    return t;
}

const char* nameOf(Frame f, Kinematics k) {
    if (k == Kinematics::StoPlus) return "АСО, СТО+";
    if (f == Frame::Aso) return k == Kinematics::Classic ? "АСО, классика" : "АСО, СТО";
    return k == Kinematics::Classic ? "ИСО, классика" : "ИСО, СТО";
}

void expectRecord(const SharedState& s, const Model& m, const RecordedPeriod (&r)[20]) {
    for (int i = 1; i <= 20; ++i) {
        const RecordedPeriod& e = r[i - 1];
        const double got[] = {s.Tn1(i),    m.Tn1p(i),   s.Xn1(i),    s.Yn1(i), s.Xk2(i), s.Yk2(i),
                              m.Tn2iso(i), m.Xn2iso(i), m.Yn2iso(i), m.Q3(i),  m.Qn1(i), m.Qn2(i),
                              m.Vs1(i),    m.vn(i),     m.vk(i),     m.vsr(i)};
        const double want[] = {e.Tn1,    e.Tn1p, e.Xn1, e.Yn1, e.Xk2, e.Yk2, e.Tn2iso, e.Xn2iso,
                               e.Yn2iso, e.Q3,   e.Qn1, e.Qn2, e.Vs1, e.vn,  e.vk,     e.vsr};
        for (int c = 0; c < 16; ++c)
            EXPECT_DOUBLE_EQ(got[c], want[c]) << "period " << i << ", column " << c;
    }
}

} // namespace

TEST(AllFronts, DefaultRunMeasuresEveryPeriodInBothFramesAndKinematics) {
    // The window's defaults; the beams from front 10 on need longer than
    // T00, so several are in flight at once. With VXiso = 4 the frames and
    // kinematics give different arrival times.
    for (double vxIso : {0.0, 4.0}) {
        for (Frame frame : {Frame::Aso, Frame::Iso}) {
            for (Kinematics kin : {Kinematics::Classic, Kinematics::Sto, Kinematics::StoPlus}) {
                if (kin == Kinematics::StoPlus && frame == Frame::Iso) continue; // АСО only
                SCOPED_TRACE(std::string(nameOf(frame, kin)) +
                             ", VXiso = " + std::to_string(vxIso));
                Inputs in;
                in.VXiso = vxIso;
                const std::vector<double> exact = exactArrivals(in, frame, kin);
                ASSERT_GT(exact[10] - exact[9], in.T00); // the case the one-beam mode loses
                SharedState s;
                Model m(s);
                Options o = allFronts(frame, kin);
                ASSERT_EQ(m.start(in, o), "");
                RecordingCanvas c;
                ScriptedPrompts p;
                const RunEnd end = runToEnd(m, c, p);
                EXPECT_TRUE(end.atLimit);
                EXPECT_EQ(end.arrivals, 20);
                EXPECT_TRUE(p.asked.empty()); // no overrun question: no beam is lost
                EXPECT_EQ(m.completedPeriods(), 19);
                EXPECT_EQ(m.unfinishedPeriod(), 20);
                for (int i = 10; i <= 19; ++i) {
                    const double want = 1 / (exact[i + 1] - exact[i]);
                    const double got = 1 / (s.Tn1(i + 1) - s.Tn1(i));
                    EXPECT_NEAR(got, want, 0.005 * want) << "period " << i;
                    if (vxIso == 0) {
                        EXPECT_NEAR(want, 0.175, 0.002) << "period " << i;
                    }
                }
                // Each beam is where and when it left (АСО records it at the
                // launch, ИСО schedules it): the lines of sight start there.
                for (int k = 1; k <= 20; ++k)
                    EXPECT_NEAR(m.Q3(k), std::atan2(s.Yn1(k) - m.Yn2iso(k), s.Xn1(k) - m.Xn2iso(k)),
                                1e-9)
                        << "beam " << k;
                if (frame == Frame::Aso && kin == Kinematics::Classic) {
                    for (int k = 1; k <= 20; ++k)
                        EXPECT_NEAR(m.Xn2iso(k), (k - 1) * in.T00 * (in.VX2 - vxIso),
                                    2 * in.dt * in.VX2 + in.T00 * (k - 1) * 1e-9)
                            << "beam " << k;
                }
            }
        }
    }
}

TEST(AllFronts, SourceAtRestSendsABeamEveryPeriod) {
    // A receiver moving away from a source at rest: the one-beam mode sends
    // only the beam placed at the start; here every period's beam leaves, and
    // the receiver sees a lower frequency than the transmitter's.
    Inputs in;
    in.X1 = 86.60254;
    in.VX1 = 1;
    in.VY1 = 0.5;
    in.X2 = 50;
    in.VX2 = 0;
    const std::vector<double> exact = exactArrivals(in, Frame::Aso, Kinematics::Classic);
    for (Frame frame : {Frame::Aso, Frame::Iso}) {
        SharedState s;
        Model m(s);
        Options o = allFronts(frame, Kinematics::Classic);
        ASSERT_EQ(m.start(in, o), "");
        RecordingCanvas c;
        ScriptedPrompts p;
        const RunEnd end = runToEnd(m, c, p);
        EXPECT_TRUE(end.atLimit);
        EXPECT_EQ(end.arrivals, 20);
        for (int i = 1; i <= 19; ++i) {
            const double want = 1 / (exact[i + 1] - exact[i]);
            EXPECT_NEAR(1 / (s.Tn1(i + 1) - s.Tn1(i)), want, 0.005 * want) << "period " << i;
            EXPECT_LT(want, s.v0);
        }
    }
}

TEST(AllFronts, StopContinueAndQuestionsAsInTheOneBeamMode) {
    Inputs in;
    SharedState s;
    Model m(s);
    Options o = allFronts(Frame::Iso, Kinematics::Classic);
    ASSERT_EQ(m.start(in, o), "");
    RecordingCanvas c;
    ScriptedPrompts p;
    // Beam 10 needs longer than T00: beam 11 leaves while it is in flight.
    for (int n = 0; n < 100000 && m.fronts.countInFlight() < 2; ++n)
        m.step(c, p);
    ASSERT_EQ(m.fronts.countInFlight(), 2);
    EXPECT_EQ(m.N, 10);
    // "Auto" unticked: "ПРОДОЛЖИТЬ ЭКСПЕРИМЕНТ" after an arrival; No stops
    // the run at once with the display refreshed.
    m.opt.autoMode = false;
    p.answers = {false};
    RunEnd end = runToEnd(m, c, p);
    EXPECT_EQ(end.arrivals, 1);
    ASSERT_EQ(p.asked.size(), 1u);
    EXPECT_EQ(p.titles[0], "Sonrel");
    EXPECT_TRUE(m.runEnds());
    EXPECT_EQ(s.stepCount, 0);
    EXPECT_EQ(m.fronts.countInFlight(), 1);
    // Continuing picks up the beam still in flight: the next arrival is beam 11.
    s.stopFlag = 0;
    s.stepCount = 0;
    p.answers = {false};
    end = runToEnd(m, c, p);
    EXPECT_EQ(end.arrivals, 1);
    EXPECT_EQ(m.N, 12);
    EXPECT_EQ(m.completedPeriods(), 10);
    // "NC0 шагов": exactly NC0 steps, then the end.
    const double t0 = s.T;
    s.stepCount = 0;
    s.stopFlag = 1;
    end = runToEnd(m, c, p);
    EXPECT_NEAR(s.T - t0, s.NC0 * in.dt, 1e-9);
}

TEST(AllFronts, AnimationDrawsEveryBeamInFlight) {
    Inputs in; // M = 5 m per picture unit, NC0 = 100
    SharedState s;
    Model m(s);
    Options o = allFronts(Frame::Iso, Kinematics::Classic);
    o.animation = true;
    ASSERT_EQ(m.start(in, o), "");
    RecordingCanvas c;
    ScriptedPrompts p;
    while (m.fronts.countInFlight() < 2)
        m.step(c, p);
    while (s.stepCount != s.NC0 - 1)
        m.step(c, p);
    c.ops.clear();
    m.step(c, p); // a display step with beams 10 and 11 in flight
    ASSERT_EQ(m.fronts.countInFlight(), 2);
    // Each ray's last step ends on its beam's front: a circle of radius
    // Vs (T - launch) about the point the source was at its launch.
    const double launch[] = {9 * in.T00, 10 * in.T00};
    int onFront[2] = {0, 0};
    for (const DrawOp& op : c.ops) {
        if (op.kind != DrawOp::Line || op.color != rgb(0, 255, 255)) continue;
        for (int b = 0; b < 2; ++b) {
            const double r = std::hypot(op.x2 * in.M - in.VX2 * launch[b], op.y2 * in.M);
            if (std::abs(r - in.Vs0 * (s.T - launch[b])) < 2 * in.Vs0 * in.dt) ++onFront[b];
        }
    }
    EXPECT_EQ(onFront[0], in.Nrays + 1);
    EXPECT_EQ(onFront[1], in.Nrays + 1);
}

TEST(OneBeamMode, PeriodRecordsAreThoseWrittenDownBeforeTheAllFrontsMode) {
    {
        SharedState s;
        Model m(s);
        Inputs in;
        Options o;
        o.animation = false;
        ASSERT_EQ(m.start(in, o), "");
        RecordingCanvas c;
        ScriptedPrompts p;
        const RunEnd end = runToEnd(m, c, p);
        EXPECT_FALSE(end.atLimit);
        EXPECT_EQ(m.N, 11);
        EXPECT_EQ(m.completedPeriods(), 9);
        EXPECT_DOUBLE_EQ(s.T, 50.250000000001847);
        EXPECT_EQ(p.asked.size(), 1u);
        expectRecord(s, m, sonrel::testing::kDefaultRunRecord);
    }
    {
        SharedState s;
        Model m(s);
        Inputs in;
        in.VXiso = 4;
        in.VX1 = 9;
        in.T00 = 8;
        in.dt = 0.005;
        Options o;
        o.animation = false;
        o.frame = Frame::Aso;
        o.kinematics = Kinematics::Sto;
        o.t00FromIso = true;
        o.theoryIso = true;
        ASSERT_EQ(m.start(in, o), "");
        RecordingCanvas c;
        ScriptedPrompts p;
        const RunEnd end = runToEnd(m, c, p);
        EXPECT_TRUE(end.atLimit);
        EXPECT_EQ(m.N, 21);
        EXPECT_EQ(m.completedPeriods(), 19);
        EXPECT_DOUBLE_EQ(s.T, 155.9149999999307);
        EXPECT_TRUE(p.asked.empty());
        expectRecord(s, m, sonrel::testing::kStoAsoRunRecord);
    }
}
