#include "base/errors.h"
#include "canvas/recording_canvas.h"
#include "experiments/membrane/membrane_drawing.h"
#include "experiments/membrane/membrane_geometry.h"
#include "experiments/membrane/membrane_report.h"
#include "membrane_fixture.h"
#include "support/exact_arrival.h"
#include "theory/formulas.h"

#include <cmath>

using namespace sonrel;
using namespace sonrel::testing;

namespace mp = membrane_points;

TEST(MembraneGeometry, EndsLieAcrossTheNormalAndDistanceIsToTheLine) {
    // A membrane at 90° (normal along +X) stands upright.
    const Segment upright = membraneEnds({5, 1}, 4, 0);
    EXPECT_NEAR(upright.a.x, 5, 1e-12);
    EXPECT_NEAR(upright.a.y, 3, 1e-12);
    EXPECT_NEAR(upright.b.y, -1, 1e-12);
    EXPECT_NEAR(distanceFromLine({8, 100}, upright, 4), 3, 1e-12);
    // Tilted by 30°: a point on the normal at distance 2.
    const double n = 30 * std::atan(1.0) / 45;
    const Segment tilted = membraneEnds({0, 0}, 10, n);
    EXPECT_NEAR(distanceFromLine({2 * std::cos(n), 2 * std::sin(n)}, tilted, 10), 2, 1e-12);
    EXPECT_THROW(distanceFromLine({1, 1}, membraneEnds({0, 0}, 0, 0), 0), MathError);
}

TEST_F(MembraneRun, AimingPointsTheSourceAtTheReceiversFuturePosition) {
    const AimResult r = m.aim(s, true);
    // Independent: (56,6 + 6t)² + 50² = (20t)² gives the meeting time.
    const double a = 400 - 36, b = -2 * 56.6 * 6, c = -(56.6 * 56.6 + 2500);
    const double t = (-b + std::sqrt(b * b - 4 * a * c)) / (2 * a);
    const double ax = 56.6 + 6 * t;
    EXPECT_NEAR(s.X(mp::aim), ax, 1e-9);
    EXPECT_NEAR(r.travelTime, t, 1e-9);
    EXPECT_NEAR(r.a2 * s.degPerRad, 90 + std::atan2(50, ax) * s.degPerRad, 1e-9);
    EXPECT_NEAR(r.a2 * s.degPerRad, 120, 0.01);
    EXPECT_DOUBLE_EQ(r.a1, r.a2);
    // The receiver membrane is built around the aim point.
    EXPECT_NEAR((s.X(mp::receiverA) + s.X(mp::receiverB)) / 2, ax, 1e-9);

    m.A1 = s.pi / 2;
    EXPECT_NEAR(m.aim(s, false).a1, s.pi / 2, 1e-15);
}

TEST_F(MembraneRun, DefaultRunAimsEveryFrontAndEndsAtTwentyFronts) {
    m.aim(s, true);
    m.start(s, opt);
    runToEnd();
    EXPECT_EQ(s.frontIndex, 21);
    EXPECT_EQ(s.stopFlag, 1);
    ASSERT_EQ(hooks.endSpread.size(), 20u);
    for (double spread : hooks.endSpread)
        EXPECT_LE(spread, 3 * s.dt);
    // Each front travels where it was aimed: emission to reception runs along Q3.
    for (int k = 1; k <= 20; ++k)
        EXPECT_NEAR(m.Q3r(k), s.Q3(k), 2e-3) << k;
    // Period p is complete only once front p + 1 has been received.
    ASSERT_EQ(hooks.periods.size(), 19u);
    EXPECT_EQ(hooks.frontAtPeriod.front(), 2);
    EXPECT_EQ(hooks.periods.front().period, 1);
    for (const PeriodShown& p : hooks.periods)
        EXPECT_NEAR(p.v, p.vsr, 0.002 * p.v);
    EXPECT_TRUE(hooks.told.empty());
    EXPECT_FALSE(m.nothingToReceive);

    // Front 21 has no place in the record: going on is an error at once,
    // before time moves.
    const double T = s.T;
    s.stopFlag = 0;
    EXPECT_THROW(m.stepMembrane(s, opt, hooks), IndexError);
    EXPECT_EQ(s.T, T);
    EXPECT_EQ(reportedPeriods(m), 19);
}

TEST_F(MembraneRun, WithoutReAimingEveryFrontKeepsTheFirstDirection) {
    opt.reAimSource = false;
    opt.turnReceiver = false;
    m.A2 = 110 / s.degPerRad;
    m.start(s, opt);
    runToEnd(30000);
    ASSERT_GT(m.emittedCount, 5);
    for (int k = 1; k <= m.emittedCount; ++k) {
        EXPECT_DOUBLE_EQ(s.Q3(k), 20 / s.degPerRad) << k;
        EXPECT_DOUBLE_EQ(m.Vfx(k), m.Vfx(1));
        EXPECT_DOUBLE_EQ(m.Vfy(k), m.Vfy(1));
        // A front is a segment across its velocity, as long as the source membrane.
        const Segment e = m.frontEnds(k);
        const double ex = e.b.x - e.a.x, ey = e.b.y - e.a.y;
        EXPECT_NEAR((ex * m.Vfx(k) + ey * m.Vfy(k)) / std::hypot(m.Vfx(k), m.Vfy(k)), 0, 1e-9) << k;
        EXPECT_NEAR(std::hypot(ex, ey), m.L2, 1e-9) << k;
    }
    // The fronts meet the upright receiver at 20° to its normal: one end
    // 3,42 m (10·sin 20°) ahead of the centre, the other as far behind. The
    // centre, leaving the source at te = 2,5·(j − 1) from x = 10·te, closes on
    // the receiver along X at 20·cos 20° − 6 = 12,79385 m/s, so the
    // reception is timed at te + (56,6 − 4·te) / 12,79385, and the observed
    // period is 2,5 − 10 / 12,79385 = 1,71838 s. Fronts 7 and later leave
    // from beyond the receiver and never meet it.
    ASSERT_EQ(s.frontIndex, 7);
    const double closing = 20 * std::cos(20 / s.degPerRad) - 6;
    const double bound = s.dt * (20 / closing + 1);
    for (int j = 1; j <= 6; ++j) {
        const double te = 2.5 * (j - 1);
        EXPECT_NEAR(s.Tk1(j - 1), te + (56.6 - 4 * te) / closing, bound) << j;
    }
    ASSERT_EQ(reportedPeriods(m), 5);
    for (int i = 1; i <= 5; ++i)
        EXPECT_NEAR(observedPeriod(s, i), 1.71838, 2 * bound) << i;
}

// Every front leaves the source at its own time and travels on its own;
// only the reception is taken front by front, and fronts that move with the
// signal speed reach a slower receiver in the order they left. So with seven
// fronts in flight every reception keeps its exact time. An end counts as
// arrived once within Vs·dt of the receiver's line, which it closes at no
// less than Vs − |V1|: the reception may be early by up to that, plus a step.
TEST_F(MembraneRun, EveryFrontInFlightIsReceivedAtItsExactTime) {
    setPeriod(1);
    s.VX(1) = 12; // the fronts need 7 s and more: seven in flight
    const double bound = s.dt * (20 / (20 - 12.0) + 1);
    {
        // Upright membranes, fronts along +X: the reception of front j solves
        // 56,6 + 12·t = 10·(j − 1) + 20·(t − (j − 1)).
        opt.reAimSource = false;
        opt.turnReceiver = false;
        m.start(s, opt);
        runToEnd();
        ASSERT_EQ(s.frontIndex, 21);
        for (int j = 1; j <= 20; ++j)
            EXPECT_NEAR(s.Tk1(j - 1), (56.6 + 10 * (j - 1)) / 8, bound) << j;
        ASSERT_EQ(hooks.periods.size(), 19u);
        for (const PeriodShown& p : hooks.periods)
            EXPECT_NEAR(p.v, 0.8, 0.005 * 0.8) << p.period; // 1/T00 · (20 − 12)/(20 − 10)
    }
    {
        // Aimed fronts with both bodies climbing: the centre of a front aimed
        // where the receiver will be arrives when a circular front from the
        // same point would.
        s.X(1) = 56.6;
        s.Y(1) = 50;
        s.VY(1) = -1;
        s.X(2) = s.Y(2) = 0;
        s.VY(2) = 1;
        opt = {};
        m.aim(s, true);
        m.start(s, opt);
        runToEnd();
        ASSERT_EQ(s.frontIndex, 21);
        const double aimedBound = s.dt * (20 / (20 - std::hypot(12.0, 1.0)) + 1);
        for (int j = 1; j <= 20; ++j)
            EXPECT_NEAR(s.Tk1(j - 1), exactFrontArrival(j, 1, 56.6, 50, 12, -1, 0, 0, 10, 1, 20),
                        aimedBound)
                << j;
    }
}

TEST_F(MembraneRun, HeadOnRunObservesFormulaTwoOnTheLine) {
    s.X(1) = 400;
    s.Y(1) = 0;
    opt.turnReceiver = false;
    m.start(s, opt);
    runToEnd();
    ASSERT_EQ(hooks.periods.size(), 19u);
    // Receiver ahead moving away at 6, source following at 10, both along the line of sight.
    const double expected = formula2(s.v0, 6, 10, 20, 0, 0);
    EXPECT_NEAR(expected, 0.4 * (1 - 0.3) / (1 - 0.5), 1e-12);
    for (const PeriodShown& p : hooks.periods) {
        EXPECT_NEAR(p.v, expected, expected * expected * 2 * s.dt) << p.period;
        EXPECT_NEAR(p.vsr, expected, 1e-12);
    }
}

TEST_F(MembraneRun, ReceiverThatCannotTurnEndsTheRunWithItsMessage) {
    setPeriod(10); // front 1 arrives before front 2 leaves
    m.aim(s, true);
    m.start(s, opt);
    runToEnd();
    ASSERT_EQ(hooks.told.size(), 1u);
    EXPECT_EQ(hooks.told[0],
              "Sonrel5m|Уменьшите Т00 или увеличьте Y1n\nили отмените условие ++ A1=A2");
    EXPECT_EQ(s.frontIndex, 1);
    EXPECT_EQ(s.arrivedFlag, 12);
    EXPECT_EQ(m.receivedCount, 1); // front 1 was received: no period is complete yet
    EXPECT_EQ(reportedPeriods(m), 0);
}

TEST_F(MembraneRun, ManualModeAsksAfterEveryFrontAndNoStops) {
    opt.autoMode = false;
    hooks.answerYes = false;
    m.aim(s, true);
    m.start(s, opt);
    runToEnd();
    ASSERT_EQ(hooks.asked.size(), 1u);
    EXPECT_EQ(hooks.asked[0], "Sonrel6|ПРОДОЛЖИТЬ ЭКСПЕРИМЕНТ");
    EXPECT_EQ(s.frontIndex, 2);
    EXPECT_EQ(s.stopFlag, 1);
}

TEST_F(MembraneRun, FrontThatCannotArriveEndsTheRunAtOnce) {
    opt.reAimSource = false;
    opt.turnReceiver = false;
    // Fronts along -X with the receiver ahead along +X; fronts along +X
    // chasing a receiver that runs away faster than the signal.
    for (double a2 : {270.0, 90.0}) {
        SetUp();
        if (a2 == 90) s.VX(1) = 25;
        m.A2 = a2 / s.degPerRad;
        m.start(s, opt);
        EXPECT_LE(runToEnd(20000), s.NC0) << a2;
        EXPECT_TRUE(m.nothingToReceive) << a2;
        EXPECT_EQ(s.frontIndex, 1);
        EXPECT_EQ(s.arrivedFlag, 0);
        EXPECT_EQ(s.stopFlag, 1);
    }
}

// A mirror at rest at (56,6; 50) with the front parallel to it, so that
// both ends meet it in the same step and the reflection point is the
// mirror's centre. The front is aimed from the origin: it comes in along
// Q = atan(50 / 56,6) = 41,457°.
class MirrorRun : public MembraneRun {
protected:
    void runMirror(double mirrorDeg) {
        s.VX(1) = 0;
        m.A1 = m.A2 = mirrorDeg / s.degPerRad;
        m.start(s, opt);
        stepMirrorToEnd();
    }
    long stepMirrorToEnd() {
        long n = 0;
        for (; n < 100000 && !(s.stepCount == s.NC0 && s.stopFlag == 1); ++n) {
            if (s.stepCount == s.NC0) s.stepCount = 0;
            m.stepMirror(s);
        }
        return n;
    }
    // Angle of incidence equals angle of reflection: the component along
    // the mirror is kept and the one along its normal only changes sign.
    void expectLawOfReflection(double mirrorDeg) {
        const double a = mirrorDeg / s.degPerRad, q = std::atan2(50, 56.6);
        const double ux = std::cos(a), uy = std::sin(a);
        double rx = m.mirror.rayEnd.x - m.mirror.reflection.x;
        double ry = m.mirror.rayEnd.y - m.mirror.reflection.y;
        const double len = std::hypot(rx, ry);
        rx /= len;
        ry /= len;
        EXPECT_NEAR(rx * ux + ry * uy, std::cos(q) * ux + std::sin(q) * uy, 1e-9);
        EXPECT_NEAR(-rx * uy + ry * ux, std::cos(q) * uy - std::sin(q) * ux, 1e-9);
    }
};

TEST_F(MirrorRun, UprightMirrorSendsTheRayOnAsFromTheSourcesImage) {
    runMirror(90);
    ASSERT_TRUE(m.mirror.done);
    EXPECT_EQ(m.emittedCount, 1);
    EXPECT_NEAR(std::fmod(m.mirror.angle * s.degPerRad + 360, 180), 90, 1e-9);
    EXPECT_NEAR(m.mirror.reflection.x, 56.6, 1e-9);
    EXPECT_NEAR(m.mirror.reflection.y, 50, 1e-9);
    // The reflected ray leaves at 180° − Q and runs on the line from the
    // source's image (113,2; 0) through (56,6; 50), up to the picture's left
    // edge x = −1·10: y = 50 + 66,6·50/56,6 = 108,8339.
    EXPECT_NEAR(m.mirror.rayEnd.x, -10, 1e-9);
    EXPECT_NEAR(m.mirror.rayEnd.y, 108.8339, 1e-4);
    expectLawOfReflection(90);
    // Drawn in canvas units of 10 m: the incident ray in blue from the
    // source, the reflected one in green.
    RecordingCanvas c;
    drawMirrorRays(c, s, m);
    ASSERT_EQ(c.count(DrawOp::Line), 2u);
    const DrawOp& in = c.ops[c.ops.size() - 2];
    const DrawOp& out = c.ops.back();
    EXPECT_EQ(in.color, rgb(0, 0, 250));
    EXPECT_NEAR(in.x1, 0, 1e-12);
    EXPECT_NEAR(in.x2, 5.66, 1e-9);
    EXPECT_EQ(out.color, rgb(0, 250, 0));
    EXPECT_NEAR(out.x1, 5.66, 1e-9);
    EXPECT_NEAR(out.y1, 5, 1e-9);
    EXPECT_NEAR(out.x2, -1, 1e-9);
    EXPECT_NEAR(out.y2, 10.88339, 1e-5);

    // The arrival stays recorded: a continued run stops after one step,
    // with the same reflection.
    const double T = s.T, endY = m.mirror.rayEnd.y;
    s.stepCount = 0;
    s.stopFlag = 0;
    m.stepMirror(s);
    EXPECT_EQ(s.stopFlag, 1);
    EXPECT_EQ(s.stepCount, s.NC0);
    EXPECT_NEAR(s.T, T + s.dt, 1e-12);
    EXPECT_EQ(m.mirror.rayEnd.y, endY);
}

TEST_F(MirrorRun, TiltedMirrorReflectsAboutItsOwnNormal) {
    runMirror(120);
    ASSERT_TRUE(m.mirror.done);
    EXPECT_NEAR(m.mirror.reflection.x, 56.6, 1e-9);
    EXPECT_NEAR(m.mirror.reflection.y, 50, 1e-9);
    // Out at 2·120° − Q = 198,543°, down and to the left; the slope is
    // tan(60° − Q) = (√3 − 50/56,6) / (1 + √3·50/56,6) = 0,335427, so at the
    // picture's left edge x = −10 the ray is 66,6·0,335427 = 22,3394 below
    // the reflection point.
    EXPECT_NEAR(m.mirror.rayEnd.x, -10, 1e-9);
    EXPECT_NEAR(m.mirror.rayEnd.y, 27.6606, 1e-4);
    expectLawOfReflection(120);
}

TEST_F(MembraneRun, MirrorMetByOneEndAfterTheOtherLiesAlongTheirReceptionPoints) {
    s.VX(1) = 0;     // a mirror at rest
    m.aim(s, false); // stays upright at 90° while a tilted front comes in
    m.A2 = s.Q3(2) + s.pi / 2;
    m.start(s, opt);
    long n = 0;
    while (!(s.stepCount == s.NC0 && s.stopFlag == 1) && n < 100000) {
        ++n;
        if (s.stepCount == s.NC0) s.stepCount = 0;
        m.stepMirror(s);
    }
    ASSERT_TRUE(m.mirror.done);
    // Both reception points lie on the upright mirror: their segment is vertical.
    EXPECT_NEAR(std::fmod(m.mirror.angle + 2 * s.pi, s.pi), s.pi / 2, 1e-3);
    EXPECT_NEAR(m.mirror.reflection.x, 56.6, 0.02); // each end is caught within a step
    // Up-left at 180° − Q from the reflection point, Q = atan(50 / 56,6),
    // to the picture's left edge.
    const double slope = -50 / 56.6;
    EXPECT_NEAR(m.mirror.rayEnd.x, -10, 1e-9);
    EXPECT_NEAR(m.mirror.rayEnd.y, m.mirror.reflection.y - (56.6 + 10) * slope, 0.25);
}

// The window's defaults with the mirror turned to A1: the source is aimed at
// the moving receiver (Q3 = atan(50 / 86,6) = 30°) while its membrane, and so
// the front, stays upright: ends (0; ±10) moving at 20·(cos 30°, sin 30°).
// Each end meets the mirror's line (through (56,6 + 6t; 50) along A1) when
// n·(20t·u + end − (56,6 + 6t; 50)) = 0, n = (sin A1, −cos A1): a time linear
// in t. The mirror angle is that of the segment between the two meeting
// points, the reflected ray leaves their midpoint (86,6; 50) at
// 2·angle − 30° and runs up to the picture's top edge y = 14·10.
TEST_F(MirrorRun, ReflectedRayLeavesAlongTheLawOfReflectionToThePicturesEdge) {
    struct Case {
        double a1, angle, direction, endX;
    };
    for (const Case& c : {Case{50, 37.9155, 45.8301, 174.028}, Case{60, 48.5440, 67.0870, 124.641},
                          Case{70, 60.8874, 91.7738, 83.812}}) {
        SetUp();
        m.A1 = c.a1 / s.degPerRad;
        m.start(s, opt);
        stepMirrorToEnd();
        ASSERT_TRUE(m.mirror.done) << c.a1;
        EXPECT_NEAR(s.Q3(1) * s.degPerRad, 30.001, 1e-3);
        // Each end is caught up to a few steps early, 0,06 m along its path.
        EXPECT_NEAR(m.mirror.angle * s.degPerRad, c.angle, 0.05) << c.a1;
        EXPECT_NEAR(m.mirror.reflection.x, 86.6, 0.1) << c.a1;
        EXPECT_NEAR(m.mirror.reflection.y, 50, 0.1) << c.a1;
        EXPECT_NEAR(m.mirror.direction * s.degPerRad, c.direction, 0.1) << c.a1;
        EXPECT_NEAR(m.mirror.rayEnd.x, c.endX, 0.3) << c.a1;
        EXPECT_NEAR(m.mirror.rayEnd.y, 140, 1e-9) << c.a1;
    }
}

// At A1 = 45 the line of the mirror already has the front's lower end on
// its far side, moving away: the front can never be reflected whole, and the
// run ends by itself at once.
TEST_F(MirrorRun, FrontThatCannotMeetTheMirrorEndsTheRun) {
    m.A1 = 45 / s.degPerRad;
    m.start(s, opt);
    EXPECT_LE(stepMirrorToEnd(), s.NC0);
    EXPECT_FALSE(m.mirror.done);
    EXPECT_TRUE(m.nothingToReceive);
    EXPECT_EQ(s.stopFlag, 1);
}
