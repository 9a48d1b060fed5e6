// The comparison experiment with every period's beam in flight at once
// ("все фронты"), against the exact meeting of each beam with the receiver,
// and the one-beam mode against its period records written down before the
// all-fronts mode existed.
#include "base/numbers.h"
#include "canvas/recording_canvas.h"
#include "experiments/relativity/data_table.h"
#include "experiments/relativity/graph_points.h"
#include "experiments/relativity/model.h"
#include "experiments/relativity/period_csv.h"
#include "experiments/relativity/report.h"
#include "recorded_runs.h"
#include "support/exact_arrival.h"
#include "support/plain_number.h"
#include "support/scripted_prompts.h"

#include <charconv>
#include <cmath>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
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
std::vector<double> exactArrivals(const Inputs& in, Frame frame, Kinematics kin,
                                  std::vector<double>* travel = nullptr) {
    const double c = in.Vs0, v = in.VXiso;
    std::vector<double> t(21);
    if (travel) travel->assign(21, 0.0);
    if (kin == Kinematics::Classic || frame == Frame::Aso) {
        const double k = std::sqrt(1 - v * v / (c * c));
        for (int n = 1; n <= 20; ++n) {
            const double te = (n - 1) * in.T00;
            const double ta = exactArrival(te, in.X2 + in.VX2 * te, in.Y2 + in.VY2 * te, in.X1,
                                           in.Y1, in.VX1, in.VY1, c);
            if (travel) (*travel)[n] = ta - te;
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
        if (travel) (*travel)[n] = t[n] - t1 - age;
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

// Splits a text at its "\r\n" line ends.
std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find("\r\n", at);
        if (end == std::string::npos) break;
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

// A report line "<caption><number>": the caption exactly, the number (a
// theory value whose last digits depend on the order of the operations)
// to 1e-12.
void expectValueLine(const std::string& line, const std::string& caption, double value) {
    ASSERT_EQ(line.substr(0, caption.size()), caption);
    std::string number = line.substr(caption.size());
    for (char& ch : number)
        if (ch == ',') ch = '.';
    EXPECT_NEAR(plainNumber(number), value, 1e-12 * std::abs(value)) << line;
}

// What the СТО run modelled in АСО shows of its first period, worked out
// from the period record and the kinematics: VXiso = 4, VX1 = 9, VX2 = 10,
// Vs = 20, T00 = 8.
// - ИСО velocities by relativistic addition: V1iso = 5 / 0,91, V2iso = 6 / 0,9;
//   clock rates kT1 = sqrt(1 - (V1iso/20)²) = 0,961522762823,
//   kT2 = sqrt(1 - (V2iso/20)²) = sqrt(8/9); kTiso = sqrt(0,96).
// - The source's period on ИСО clocks: T00 (1 - VXiso VX2/c²) / kTiso
//   = 8·0,9 / sqrt(0,96) = 7,348469; kT00 = T00 / that = sqrt(0,96) / 0,9.
// - At the end "+ T00 из ИСО" leaves v0 = 1 / ((Tn2(20) - Tn2(19)) kT2).
// - Period 1: dT = 11,956010465562 - 5,087794319906 = 6,868216145656,
//   1/dT = 0,145598213392348; on the receiver's clock dT·kT1 = 6,603946164038,
//   1/that = 0,151424614186822; Q3(1) = 0,512502172697 rad = 29,364°,
//   Q3(2) = 32,790°, mean 31,077°.
void expectStoAsoRunShown(Model& m) {
    EXPECT_NEAR(m.kT00, std::sqrt(0.96) / 0.9, 1e-3);
    const auto& r = sonrel::testing::kStoAsoRunRecord;
    const double V1 = 5 / 0.91, V2 = 6 / 0.9;
    const double k1 = std::sqrt(1 - V1 * V1 / 400), k2 = std::sqrt(1 - V2 * V2 / 400);
    const double v0 = 1 / ((r[19].Tn2iso - r[18].Tn2iso) * k2);
    auto theory = [&](double qn) {
        return v0 * (1 - V1 * std::cos(qn) / 20) / (1 - V2 * std::cos(qn) / 20) * k2 / k1;
    };
    const double vn = theory(r[0].Qn1), vk = theory(r[1].Qn1);
    const std::vector<std::string> lines = linesOf(reportPeriodBlock(m, 1));
    ASSERT_EQ(lines.size(), 17u);
    const std::vector<std::string> fixed = {
        "                             обрабатываем сигналы периода № 1",
        " координаты и время по часам ИСО источника и приемника для начала условного периода (i)",
        " Tn2(1) = 0,004592        Xn2(1) = 0,030618        Yn2(1) = 0        Xk2(1) = "
        "37,354718        Yk2(1) = 0",
        " Tn1(1) = 5,087794        Xn1(1) = 88,896065        Yn1(1) = 50",
        " угол луча зрения на источнике в момент излучения начала периода   29,36",
        " угол луча зрения на приемнике в момент приема начала периода   29,36",
        " угол скорости приемника в начале 1 периода Qn1(1) = -29,36 при Vs1(1) = 20",
        " угол скорости источника в начале 1 периода Qn2(1) = -29,36 при Vs2(1) = 20",
        " наблюдаемый период на источнике, приемнике и наблюдаемая частота приема",
        " период на источнике по часам ИСО    dT= Tn2(2) - Tn1(1) = 7,348",
        " период на приемнике по часам ИСО   dT= Tn1(2) - Tn1(1) = 6,868    v(1) = 1/dT=       "
        "0,145598213392348",
        " после согласования темпов времени dT= dT * kT1=   6,603   v(1) = 1/dT=   "
        "0,151424614186822"};
    for (std::size_t k = 0; k < fixed.size(); ++k)
        EXPECT_EQ(lines[k], fixed[k]) << "line " << k;
    expectValueLine(lines[12], " расчетная частота в начале периода vn(1) = ", vn);
    expectValueLine(lines[13], " расчетная частота в конце  периода  vk(1) = ", vk);
    expectValueLine(lines[14],
                    " средняя расчетная частота за период v(1) = (v1n(i) + v1k(i)) / 2  =     "
                    "                       ",
                    (vn + vk) / 2);
    EXPECT_EQ(lines[15], " средний угол наблюдения за период Q3(1) =   31,07");
    EXPECT_EQ(lines[16], "");
    // The last period's frequency by ИСО clocks and by the receiver's own.
    EXPECT_NEAR(m.period.vIsoClock, 1 / (r[19].Tn1 - r[18].Tn1), 1e-12);
    EXPECT_NEAR(m.period.vReceiverClock, 1 / (r[19].Tn1p - r[18].Tn1p), 1e-12);
    // The table: title, then Vs0, v0, the ИСО velocities, T0 and kTiso in
    // millionths; T0 is the receiver's clock at the start,
    // -(4·56,6 / 400) / sqrt(0,96) = -0,5776713.
    std::istringstream table(tableText(m));
    std::string title, values;
    std::getline(table, title);
    std::getline(table, values);
    EXPECT_NE(title.find("СТО в ИСО  из АСО при VXiso= 4  (параметры даны на начало периода N)"),
              std::string::npos)
        << title;
    std::istringstream items(values);
    std::vector<std::string> start;
    for (std::string item; items >> item;)
        start.push_back(item);
    ASSERT_EQ(start.size(), 9u);
    EXPECT_EQ(start[0], "20000000");
    EXPECT_EQ(start[2], "5494505");
    EXPECT_EQ(start[3], "6666666");
    EXPECT_EQ(start[5], "0");
    EXPECT_EQ(start[6], "-577671");
    EXPECT_EQ(start[7], "979795");
    // The period table: every column of every period against the record and
    // the kinematics (the receiver's period from its own clock readings, the
    // theory from the formula above, angles in degrees, Vs2 the signal speed).
    std::istringstream csv(periodCsv(m));
    std::string line;
    std::getline(csv, line);
    EXPECT_EQ(line, "period,dT_src,dT,v,dT_rcv,v_rcv,vn,vk,vsr,Q3_mean,Tn2,Xn2,Yn2,Xk2,Yk2,Tn1,"
                    "Xn1,Yn1,Tn1p,Q3_emit,Q3_recv,Qn1,Qn2,Vs1,Vs2");
    const double deg = 180 / std::acos(-1.0);
    int rows = 0;
    while (std::getline(csv, line)) {
        const int i = ++rows;
        const RecordedPeriod &a = r[i - 1], &b = r[i];
        const double dT = b.Tn1 - a.Tn1, dTr = b.Tn1p - a.Tn1p;
        const double vn1 = theory(a.Qn1), vk1 = theory(b.Qn1);
        const double want[] = {static_cast<double>(i),
                               b.Tn2iso - a.Tn2iso,
                               dT,
                               1 / dT,
                               dTr,
                               1 / dTr,
                               vn1,
                               vk1,
                               (vn1 + vk1) / 2,
                               (a.Q3 + b.Q3) / 2 * deg,
                               a.Tn2iso,
                               a.Xn2iso,
                               a.Yn2iso,
                               a.Xk2,
                               a.Yk2,
                               a.Tn1,
                               a.Xn1,
                               a.Yn1,
                               a.Tn1p,
                               a.Q3 * deg,
                               a.Q3 * deg,
                               a.Qn1 * deg,
                               a.Qn2 * deg,
                               a.Vs1,
                               20};
        std::size_t col = 0;
        for (std::size_t at = 0; at <= line.size(); ++col) {
            std::size_t end = line.find(',', at);
            if (end == std::string::npos) end = line.size();
            double got = 0;
            std::from_chars(line.data() + at, line.data() + end, got);
            if (col < std::size(want)) {
                EXPECT_NEAR(got, want[col], 1e-9 * (1 + std::abs(want[col])))
                    << "period " << i << ", column " << col;
            }
            at = end + 1;
        }
        EXPECT_EQ(col, std::size(want)) << "period " << i;
    }
    EXPECT_EQ(rows, 19);
    // The observed points of the graph are by the receiver's own clock.
    RecordingCanvas c;
    std::vector<GraphPoint> points;
    plotObservedPoints(m, c, [&](const GraphPoint& g) {
        points.push_back(g);
        return true;
    });
    ASSERT_EQ(points.size(), 19u);
    EXPECT_NEAR(points[0].ratio, 1 / ((r[1].Tn1p - r[0].Tn1p) * v0), 1e-12);
    EXPECT_NEAR(points[18].ratio, 1 / ((r[19].Tn1p - r[18].Tn1p) * v0), 1e-12);
    // A period's line of sight turns from its start's to its end's, where
    // the next period's starts.
    for (std::size_t k = 0; k + 1 < points.size(); ++k) {
        EXPECT_NE(points[k].angleStart, points[k].angleEnd) << k;
        EXPECT_EQ(points[k + 1].angleStart, points[k].angleEnd) << k;
    }
    // A period of no length on the receiver's clock has no frequency: not plotted.
    const double kept = m.Tn1p(3);
    m.Tn1p(3) = m.Tn1p(2);
    std::size_t plotted = 0;
    plotObservedPoints(m, c, [&](const GraphPoint&) { return ++plotted > 0; });
    EXPECT_EQ(plotted, 18u);
    m.Tn1p(3) = kept;
    // On the time graph a period stands at the middle of its reception
    // times, counted from T0 and read on clocks slowed by kTiso, MT = 5 s.
    m.opt.byTime = true;
    m.opt.fromT0 = true;
    m.opt.timeScale = TimeScale::KTiso;
    std::vector<double> times;
    plotObservedPoints(m, c, [&](const GraphPoint& g) {
        times.push_back(g.time);
        return true;
    });
    ASSERT_EQ(times.size(), 19u);
    const double T0 = -(4 * 56.6 / 400) / std::sqrt(0.96);
    EXPECT_NEAR(times[0], ((r[0].Tn1 + r[1].Tn1) / 2 - T0) * std::sqrt(0.96) / 5, 1e-9);
}

} // namespace

// Configurations where several beams are in flight at once, so that the
// one-beam mode would lose some, with receivers ahead of, above and behind
// the source; each is run in both frames with all three kinematics.
struct FrontsCase {
    const char* name;
    double vxIso, x1, y1, vx1, vy1, x2, y2, vx2, T00;
};

const FrontsCase kFrontsCases[] = {
    {"defaults", 0, 56.6, 50, 6, 0, 0, 0, 10, 5},
    {"defaults, VXiso = 4", 4, 56.6, 50, 6, 0, 0, 0, 10, 5},
    // The receiver up and to the left of the source, the two approaching in ИСО.
    {"receiver (10; 3), source (15; 0,5)", 12, 10, 3, 6, 0, 15, 0.5, 10, 5},
    {"receiver receding upward", 8, 30, 20, -3, 2, 0, 0, 5, 1.5},
    {"source at rest, receiver overhead", -6, 2, 40, 0, -1.5, 0, 0, 0, 1.2},
};

TEST(AllFronts, EveryPeriodAgreesWithExactArrivalsInBothFramesAndKinematics) {
    for (const FrontsCase& fc : kFrontsCases) {
        for (Frame frame : {Frame::Aso, Frame::Iso}) {
            for (Kinematics kin : {Kinematics::Classic, Kinematics::Sto, Kinematics::StoPlus}) {
                if (kin == Kinematics::StoPlus && frame == Frame::Iso) continue; // АСО only
                SCOPED_TRACE(std::string(fc.name) + ", " + nameOf(frame, kin));
                Inputs in;
                in.VXiso = fc.vxIso;
                in.X1 = fc.x1;
                in.Y1 = fc.y1;
                in.VX1 = fc.vx1;
                in.VY1 = fc.vy1;
                in.X2 = fc.x2;
                in.Y2 = fc.y2;
                in.VX2 = fc.vx2;
                in.T00 = fc.T00;
                SharedState s;
                Model m(s);
                Options o = allFronts(frame, kin);
                ASSERT_EQ(m.start(in, o), "");
                const std::vector<double> exact = exactArrivals(in, frame, kin);
                RecordingCanvas c;
                ScriptedPrompts p;
                const RunEnd end = runToEnd(m, c, p);
                EXPECT_TRUE(end.atLimit);
                EXPECT_EQ(end.arrivals, 20);
                EXPECT_TRUE(p.asked.empty()); // no overrun question: no beam is lost
                EXPECT_EQ(m.completedPeriods(), 19);
                EXPECT_EQ(m.unfinishedPeriod(), 20);
                // Every beam arrives when the exact meeting says, by the
                // clocks that record it (within the step: the front is found
                // between the rays), and so every period is right within 2 dt.
                for (int k = 1; k <= 20; ++k)
                    EXPECT_NEAR(s.Tn1(k), exact[k], in.dt / 2) << "beam " << k;
                for (int i = 1; i <= 19; ++i)
                    EXPECT_NEAR(s.Tn1(i + 1) - s.Tn1(i), exact[i + 1] - exact[i], 2 * in.dt)
                        << "period " << i;
                if (fc.vxIso == 0 && fc.x1 == 56.6) {
                    EXPECT_GT(exact[10] - exact[9], in.T00); // the case the one-beam mode loses
                    for (int i = 10; i <= 19; ++i)
                        EXPECT_NEAR(1 / (s.Tn1(i + 1) - s.Tn1(i)), 0.175, 0.002) << "period " << i;
                }
                // Each beam is where and when it left (АСО reads its emission
                // on ИСО's clocks, ИСО schedules it): the lines of sight start there.
                for (int k = 1; k <= 20; ++k)
                    EXPECT_NEAR(m.Q3(k), std::atan2(s.Yn1(k) - m.Yn2iso(k), s.Xn1(k) - m.Xn2iso(k)),
                                1e-9)
                        << "beam " << k;
                if (frame == Frame::Aso && kin == Kinematics::Classic) {
                    for (int k = 1; k <= 20; ++k) {
                        const double te = (k - 1) * in.T00;
                        EXPECT_NEAR(m.Tn2iso(k), te, 1e-9) << "beam " << k;
                        EXPECT_NEAR(m.Xn2iso(k), in.X2 + te * (in.VX2 - fc.vxIso), 1e-6)
                            << "beam " << k;
                    }
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
    // Both at rest, the receiver 100,03 m above the source and 0,1 m aside,
    // between the rays at 90,08° and 89,72°: the front reaches it at
    // sqrt(0,1² + 100,03²) / 20 = 5,0015025 s. Between those rays the front
    // is their chord, which stands cos(0,18°) of the radius from the source
    // at the middle direction 89,9° and is met at the receiver's direction
    // q a little later: at front · cos(q - 89,9°) / cos(0,18°), inside the step.
    Inputs still;
    still.X1 = 0.1;
    still.Y1 = 100.03;
    still.VX1 = 0;
    still.VX2 = 0;
    SharedState s;
    Model m(s);
    Options o = allFronts(Frame::Iso, Kinematics::Classic);
    ASSERT_EQ(m.start(still, o), "");
    RecordingCanvas c;
    ScriptedPrompts p;
    for (int n = 0; n < 10000 && m.N == 1; ++n)
        m.step(c, p);
    const double front = std::hypot(0.1, 100.03) / 20, deg = std::acos(-1.0) / 180;
    const double q = std::atan2(100.03, 0.1);
    EXPECT_NEAR(s.Tn1(1), front * std::cos(q - 89.9 * deg) / std::cos(0.18 * deg), 1e-9);
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

bool drawn(const RecordingCanvas& c, DrawOp::Kind kind, Color colour, double x, double y,
           double tol = 1e-3) {
    for (const DrawOp& op : c.ops)
        if (op.kind == kind && op.color == colour && std::abs(op.x1 - x) < tol &&
            std::abs(op.y1 - y) < tol)
            return true;
    return false;
}

TEST(AllFronts, AnimationDrawsEveryBeamInFlightAndTheRunsMarks) {
    Inputs in; // M = 5 m per picture unit, MT = 5 s, NC0 = 100
    SharedState s;
    Model m(s);
    Options o = allFronts(Frame::Iso, Kinematics::Classic);
    o.animation = true;
    o.markFronts = true;
    o.graphXt = true;
    o.trackScaledTime = true;
    ASSERT_EQ(m.start(in, o), "");
    RecordingCanvas c;
    ScriptedPrompts p;
    // The first arrival: the emission and reception marks on the x=f(t')
    // graph and the history of the received beam, at the exact meeting.
    const std::vector<double> exact = exactArrivals(in, Frame::Iso, Kinematics::Classic);
    while (m.N == 1) {
        c.ops.clear();
        m.step(c, p);
    }
    const double t1 = exact[1], x1 = in.X1 + in.VX1 * t1;
    const Color red = rgb(250, 0, 0), blue = rgb(0, 0, 250), green = rgb(0, 250, 0);
    EXPECT_TRUE(drawn(c, DrawOp::Line, red, 0, 1));                 // emission at t = 0, x = 0
    EXPECT_TRUE(drawn(c, DrawOp::Line, blue, t1 / 5, x1 / 5 + 1));  // reception
    EXPECT_TRUE(drawn(c, DrawOp::Circle, red, 0, 0));               // emission point
    EXPECT_TRUE(drawn(c, DrawOp::Circle, blue, x1 / 5, in.Y1 / 5)); // receiving point
    EXPECT_NE(c.printedText().find("Tn1(1)= " + formatTrunc(t1, 2)), std::string::npos);
    EXPECT_NE(c.printedText().find("Xn1(1)= " + formatTrunc(x1, 1)), std::string::npos);
    // At a display step: the bodies' x=f(t') points (ИСО clocks, and with
    // t' = t kTiso, here 1) and the transmitter's oscillation up to now.
    while (s.stepCount != s.NC0 - 1)
        m.step(c, p);
    c.ops.clear();
    m.step(c, p);
    const double T = s.T, xr = in.X1 + in.VX1 * T, xs = in.X2 + in.VX2 * T;
    for (Color col : {colors::black, red}) {
        EXPECT_TRUE(drawn(c, DrawOp::Point, col, T / 5, xr / 5));
        EXPECT_TRUE(drawn(c, DrawOp::Point, col, T / 5, xs / 5));
    }
    const double k = std::nearbyint(100 * T) / 100;
    EXPECT_TRUE(drawn(c, DrawOp::Point, green, k * in.VX2 / 5,
                      2 * std::sin(k * 2 * std::acos(-1.0) / in.T00)));
    EXPECT_TRUE(drawn(c, DrawOp::Circle, blue, xr / 5, in.Y1 / 5));
    EXPECT_TRUE(drawn(c, DrawOp::Circle, red, xs / 5, 0));
    // Beams 10 and 11 in flight at a display step.
    while (m.fronts.countInFlight() < 2)
        m.step(c, p);
    while (s.stepCount != s.NC0 - 1)
        m.step(c, p);
    c.ops.clear();
    m.step(c, p);
    ASSERT_EQ(m.fronts.countInFlight(), 2);
    // Each ray's last step ends on its beam's front: a circle of radius
    // Vs (T - emission) about the point the source was at its emission, and
    // is one step long.
    const double emission[] = {9 * in.T00, 10 * in.T00};
    int onFront[2] = {0, 0};
    for (const DrawOp& op : c.ops) {
        if (op.kind != DrawOp::Line || op.color != rgb(0, 255, 255)) continue;
        for (int b = 0; b < 2; ++b) {
            const double r = std::hypot(op.x2 * in.M - in.VX2 * emission[b], op.y2 * in.M);
            const double r0 = std::hypot(op.x1 * in.M - in.VX2 * emission[b], op.y1 * in.M);
            if (std::abs(r - in.Vs0 * (s.T - emission[b])) < 1e-6 &&
                std::abs(r - r0 - in.Vs0 * in.dt) < 1e-6)
                ++onFront[b];
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
        expectStoAsoRunShown(m);
    }
}
