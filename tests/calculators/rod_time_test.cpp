#include "calculators/rod_time.h"

#include "base/signal_delay.h"
#include "canvas/recording_canvas.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace sonrel;

namespace {

// The rod window's defaults: ends at (100; 60) and (200; 60), observer at 0.
RodInput defaults(RodTheory theory, double VXiso = 10) {
    RodInput in;
    in.X1 = 100;
    in.Y1 = 60;
    in.X2 = 200;
    in.Y2 = 60;
    in.M = 10;
    in.Vs = 20;
    in.VXiso = VXiso;
    in.theory = theory;
    return in;
}

AlignInput alignFrom(const RodView& v, const RodInput& in, int n, bool toT1 = true) {
    AlignInput a;
    a.X1 = v.X1;
    a.Y1 = in.Y1;
    a.T1 = v.T1;
    a.X2 = v.X2;
    a.Y2 = in.Y2;
    a.T2 = v.T2;
    a.iterations = n;
    a.toEnd1Time = toT1;
    a.theory = in.theory;
    return a;
}

struct Rod {
    SharedState s;
    RecordingCanvas canvas;
    RodModel model{s};
    double G = 0;
    RodView solve(const RodInput& in) {
        G = model.begin(in, canvas);
        return model.solve();
    }
};

// Speed along the unit direction a of a signal that spreads with Vs in a
// medium carried along X with VXiso: |u·e - (VXiso, 0)| = Vs.
double carriedSpeed(double a, double Vs, double VXiso) {
    const double s = std::sin(a), c = std::cos(a);
    return VXiso * c + std::sqrt(Vs * Vs - VXiso * VXiso * s * s);
}

} // namespace

TEST(RodTime, ContractedRodWithoutTimeShift) {
    Rod r;
    RodInput in = defaults(RodTheory::StoPlus);
    in.VX1 = 5;
    in.Xn = -40;
    const RodView v = r.solve(in);
    EXPECT_NEAR(r.G, 0.8660254037844386, 1e-15);
    EXPECT_NEAR(v.X1, 86.60254037844386, 1e-12);
    EXPECT_NEAR(v.X2, 173.20508075688772, 1e-12);
    EXPECT_NEAR(v.X2 - v.X1, 86.60254, 1e-5);
    EXPECT_EQ(v.T1, 0);
    EXPECT_EQ(v.T2, 0);
    EXPECT_EQ(v.VX1, -5); // Galilean: 5 - 10
    EXPECT_EQ(v.VX2, -10);
    // One common time, so nothing moves; the light runs straight to the
    // observer at -40: sqrt(126,60254² + 60²) / 20 = 7,0050345.
    const AlignView a = r.model.align(alignFrom(v, in, 100));
    EXPECT_EQ(a.X[2], v.X2);
    EXPECT_NEAR(a.travel[1], 7.0050345, 1e-6);
    EXPECT_NEAR(a.travel[2], std::hypot(173.20508075688772 + 40, 60) / 20, 1e-12);
}

TEST(RodTime, LorentzTimeShiftAndAlignmentToEndOne) {
    Rod r;
    RodInput in = defaults(RodTheory::Sto);
    in.VX1 = 5;
    in.VX2 = 15;
    in.Xn = 30;
    const RodView v = r.solve(in);
    const double G = std::sqrt(0.75);
    EXPECT_NEAR(v.T1, -10 * 100 / (400 * G), 1e-12);
    EXPECT_NEAR(v.T2, -10 * 200 / (400 * G), 1e-12);
    EXPECT_NEAR(v.X1, 100 / G, 1e-12);
    // Relativistic addition at Vs = 20 in a frame moving with 10 m/s:
    // (5 - 10) / (1 - 50/400) = -40/7, (15 - 10) / (1 - 150/400) = 8.
    EXPECT_NEAR(v.VX1, -40.0 / 7, 1e-12);
    EXPECT_NEAR(v.VX2, 8, 1e-12);

    const AlignView a = r.model.align(alignFrom(v, in, 100));
    EXPECT_NEAR(a.dt[2], v.T1 - v.T2, 1e-12);
    EXPECT_NEAR(a.X[2], 200 / G + 8 * (v.T1 - v.T2), 1e-12);
    EXPECT_EQ(a.T[2], v.T1);
    EXPECT_EQ(a.dt[1], 0);
    // Light from each end straight to the observer at 30.
    EXPECT_NEAR(a.travel[1], std::hypot(100 / G - 30, 60) / 20, 1e-12);
    EXPECT_NEAR(a.travel[2], std::hypot(a.X[2] - 30, 60) / 20, 1e-12);
    EXPECT_NEAR(a.reception[2], a.dt[2] + a.travel[2], 1e-12);
}

// A rod at rest in АСО, both ends read at one time of the moving frame, is
// Lorentz-contracted to L·sqrt(1 - (VXiso/Vs)²) whatever the frame's speed
// and whichever end's time is kept: 100·sqrt(0,84) at 8 m/s, 100·0,6 at 16.
TEST(RodTime, SimultaneousEndsGiveTheLorentzContractedLength) {
    for (auto [vxIso, contracted] : {std::pair{8.0, 91.6515138991168}, {16.0, 60.0}}) {
        for (bool toT1 : {true, false}) {
            Rod r;
            RodInput in = defaults(RodTheory::Sto, vxIso);
            in.Xn = -25;
            const RodView v = r.solve(in);
            const AlignView a = r.model.align(alignFrom(v, in, 1, toT1));
            EXPECT_NEAR(a.X[2] - a.X[1], contracted, 1e-9) << vxIso << toT1;
            EXPECT_EQ(a.T[1], a.T[2]);
        }
    }
}

TEST(RodTime, ARestingFrameChangesNothing) {
    Rod sto;
    const RodView v = sto.solve(defaults(RodTheory::Sto, 0));
    EXPECT_EQ(sto.G, 1);
    EXPECT_EQ(v.T1, 0);
    EXPECT_EQ(v.X1, 100);
    EXPECT_EQ(v.X2, 200);

    Rod aso;
    const RodView w = aso.solve(defaults(RodTheory::ClassicAso, 0));
    EXPECT_NEAR(w.T1, std::hypot(100, 60) / 20, 1e-12);
    EXPECT_NEAR(w.T2, std::hypot(200, 60) / 20, 1e-12);
    EXPECT_EQ(w.Xn1, 0);
    EXPECT_EQ(w.Xn2, 0);

    Rod iso;
    const RodView u = iso.solve(defaults(RodTheory::ClassicIso, 0));
    EXPECT_NEAR(u.T1, std::hypot(100, 60) / 20, 1e-12);
}

TEST(RodTime, MovingObserverMeetsTheLightOfEachEnd) {
    Rod r;
    const RodInput in = defaults(RodTheory::ClassicAso);
    const RodView v = r.solve(in);
    for (auto [t, x, xn] : {std::tuple{v.T1, in.X1, v.Xn1}, {v.T2, in.X2, v.Xn2}}) {
        EXPECT_GT(t, 0);
        EXPECT_NEAR(std::hypot(xn - x, 60), 20 * t, 1e-9);
        EXPECT_NEAR(xn, 10 * t, 1e-12);
    }
    EXPECT_NEAR(v.X1, 100 - 10 * v.T1, 1e-12);
}

// Classical rod at rest, observer leaving Xn with 10 m/s through the resting
// medium, Vs = 20: (Xn + 10·t - X)² + 60² = (20·t)², i.e.
// 300·t² - 20·(Xn - X)·t - ((Xn - X)² + 3600) = 0. By hand:
//   Xn = 0,  end 1: 300t² + 2000t - 13600 = 0, t = (-2000 + sqrt(20320000))/600
//   Xn = 0,  end 2: 300t² + 4000t - 43600 = 0, t = (-4000 + sqrt(68320000))/600
//   Xn = 50, end 1: 300t² + 1000t - 6100 = 0,  t = (-1000 + sqrt(8320000))/600
//   Xn = 50, end 2: 300t² + 3000t - 26100 = 0, t = (-3000 + sqrt(40320000))/600
// Seen in the observer's frame at the reception, end k is at Xk - 10·Tk; once
// both ends are seen at one time the rod has its rest length 100.
TEST(RodTime, ClassicalRodAtRestAlignsToItsRestLengthWhereverTheObserverStands) {
    const struct {
        double Xn, T1, T2;
    } cases[] = {{0, 4.179618446389764, 7.109318879847882},
                 {50, 3.1407350339519855, 5.583005244258363}};
    for (const auto& c : cases) {
        for (bool toT1 : {true, false}) {
            Rod r;
            RodInput in = defaults(RodTheory::ClassicAso);
            in.Xn = c.Xn;
            const RodView v = r.solve(in);
            EXPECT_NEAR(v.T1, c.T1, 1e-12) << c.Xn;
            EXPECT_NEAR(v.T2, c.T2, 1e-12) << c.Xn;
            EXPECT_NEAR(v.X1, 100 - 10 * c.T1, 1e-11);
            EXPECT_NEAR(v.X2, 200 - 10 * c.T2, 1e-11);
            const AlignView a = r.model.align(alignFrom(v, in, 100, toT1));
            const double common = toT1 ? c.T1 : c.T2;
            const int moved = toT1 ? 2 : 1;
            EXPECT_NEAR(a.T[moved], common, 1e-6);
            EXPECT_NEAR(a.X[1], 100 - 10 * common, 1e-5) << c.Xn << toT1;
            EXPECT_NEAR(a.X[2], 200 - 10 * common, 1e-5) << c.Xn << toT1;
            EXPECT_NEAR(a.X[2] - a.X[1], 100, 1e-5) << c.Xn << toT1;
            // The observer receives the moved end's light where it then is.
            EXPECT_NEAR(a.Xn[moved], c.Xn + 10 * a.T[moved], 1e-9);
        }
    }
}

TEST(RodTime, CarriedSignalsTakeTheRaySpeedOfTheirDirection) {
    Rod r;
    const RodView v = r.solve(defaults(RodTheory::ClassicIso));
    const double u1 = carriedSpeed(std::atan2(60, 100), 20, 10);
    const double u2 = carriedSpeed(std::atan2(60, 200), 20, 10);
    // The rays are 0,036° apart, which bounds the accuracy.
    EXPECT_NEAR(v.T1, std::hypot(100, 60) / u1, 2e-3 * v.T1);
    EXPECT_NEAR(v.T2, std::hypot(200, 60) / u2, 2e-3 * v.T2);
    EXPECT_EQ(v.VX1, -10);
    EXPECT_EQ(v.X1, 100);
}

// The frame moves along X, so an end at (X, -Y) is seen exactly as late as
// one at (X, Y); every direction around the observer has a ray.
TEST(RodTime, CarriedSignalsFromEveryDirectionAndTheMirrorImage) {
    RodInput below = defaults(RodTheory::ClassicIso);
    below.Y1 = below.Y2 = -60;
    below.VX1 = 3;
    below.VX2 = 5;
    RodInput above = below;
    above.Y1 = above.Y2 = 60;
    Rod up, down;
    const RodView u = up.solve(above);
    const RodView d = down.solve(below);
    EXPECT_EQ(d.T1, u.T1);
    EXPECT_EQ(d.T2, u.T2);
    // sqrt(100² + 60²) / (10·cos a + sqrt(400 - 100·sin² a)), tan a = 0,6.
    EXPECT_NEAR(d.T1, 4.179618446, 2e-3 * 4.18);
    for (bool toT1 : {true, false}) {
        const AlignView au = up.model.align(alignFrom(u, above, 100, toT1));
        const AlignView ad = down.model.align(alignFrom(d, below, 100, toT1));
        for (int k = 1; k <= 2; ++k) {
            EXPECT_EQ(ad.T[k], au.T[k]);
            EXPECT_EQ(ad.X[k], au.X[k]);
        }
    }

    // Ends all around the observer, also straight behind it and on the axis.
    for (int deg = -180; deg < 180; deg += 15) {
        const double a = deg / 57.29577951308232;
        RodInput in = defaults(RodTheory::ClassicIso);
        in.Xn = 30;
        in.X1 = 30 + 80 * std::cos(a);
        in.Y1 = 80 * std::sin(a);
        Rod r;
        const RodView v = r.solve(in);
        EXPECT_NEAR(v.T1, 80 / carriedSpeed(a, 20, 10), 2e-3 * v.T1) << deg;
    }
}

TEST(RodTime, RaySearchAtMostOrBelowAndItsMirrorBelowTheAxis) {
    SharedState s;
    RayTable rays;
    EXPECT_THROW(rays.effectiveSpeed(0.5, false), MathError); // no rays yet
    rays.build(s.pi, 20, 10);
    const double q0 = 179 / s.degPerRad, q1 = (179 - 180.0 / RayTable::kRays) / s.degPerRad;
    const double wx0 = 20 * std::cos(q0) + 10, wy0 = 20 * std::sin(q0);
    const double wx1 = 20 * std::cos(q1) + 10, wy1 = 20 * std::sin(q1);
    const double a0 = vectorAngleRad(s.pi, wx0, wy0);
    EXPECT_DOUBLE_EQ(rays.effectiveSpeed(a0, false), std::hypot(wx0, wy0));
    EXPECT_DOUBLE_EQ(rays.effectiveSpeed(a0, true), std::hypot(wx1, wy1));
    EXPECT_DOUBLE_EQ(rays.effectiveSpeed(-a0, false), std::hypot(wx0, wy0));
    EXPECT_DOUBLE_EQ(rays.effectiveSpeed(-a0, true), std::hypot(wx1, wy1));
    // Straight ahead along the frame's motion the signal has Vs + VXiso.
    EXPECT_NEAR(rays.effectiveSpeed(0, true), 30, 1e-3);
    EXPECT_NEAR(rays.effectiveSpeed(-1e-9, true), 30, 1e-3);
    // Straight behind, Vs - VXiso, up to the 1° gap of the first ray.
    EXPECT_NEAR(rays.effectiveSpeed(s.pi, false), 10, 1e-2);
    EXPECT_NEAR(rays.effectiveSpeed(-s.pi + 1e-9, false), 10, 1e-2);
}

// The rod window keeps its own copy of the ends, the velocities and the
// observer: whatever another window does to the shared record between the
// two buttons leaves the alignment as it was.
TEST(RodTime, AlignmentUsesItsOwnCalculationNotTheSharedRecord) {
    SharedState s;
    RecordingCanvas canvas;
    RodModel model{s};
    const RodInput in = defaults(RodTheory::Sto);
    model.begin(in, canvas);
    const RodView v = model.solve();
    for (int i = 0; i <= 29; ++i) {
        s.X(i) = 1000 + i;
        s.VX(i) = 77;
    }
    const AlignView a = model.align(alignFrom(v, in, 100));
    // Lorentz: X1 = 100/G, X2 = 200/G - 10·(T1 - T2), T1 - T2 = 10·100/(400·G),
    // so the aligned length is 75/G with G = sqrt(0,75).
    EXPECT_NEAR(a.X[2] - a.X[1], 75 / std::sqrt(0.75), 1e-12);
    EXPECT_NEAR(a.travel[1], std::hypot(100 / std::sqrt(0.75), 60) / 20, 1e-12);
}

TEST(RodTime, IterativeAlignmentReachesTheChosenTime) {
    for (RodTheory theory : {RodTheory::ClassicIso, RodTheory::ClassicAso}) {
        for (bool toT1 : {true, false}) {
            Rod r;
            RodInput in = defaults(theory);
            in.VX1 = 3;
            in.VX2 = 5;
            const RodView v = r.solve(in);
            const AlignView a = r.model.align(alignFrom(v, in, 100, toT1));
            const int moved = toT1 ? 2 : 1, kept = toT1 ? 1 : 2;
            EXPECT_NEAR(a.T[moved], toT1 ? v.T1 : v.T2, 1e-6);
            EXPECT_EQ(a.dt[kept], 0);
            if (theory == RodTheory::ClassicIso) {
                // The moved end emits at dt from where its uniform motion with
                // 3 - 10 or 5 - 10 m/s has taken it, and its light, carried
                // along by the frame, needs the rest of the time to arrive.
                const double x0 = moved == 1 ? in.X1 : in.X2, u = (moved == 1 ? 3 : 5) - 10.0;
                const double xe = x0 + u * a.dt[moved];
                EXPECT_NEAR(a.X[moved], xe, 1e-9);
                const double travel = std::hypot(xe, 60) / carriedSpeed(std::atan2(60, xe), 20, 10);
                EXPECT_NEAR(a.dt[moved] + travel, a.T[moved], 2e-3 * travel);
                EXPECT_GT(std::abs(a.dt[moved]), 1); // the ends' times differ by seconds
            }
            EXPECT_TRUE(a.computed[moved]);
            EXPECT_FALSE(a.computed[kept]);
        }
    }
}

TEST(RodTime, NoIterationsKeepsTheStartValues) {
    Rod r;
    const RodInput in = defaults(RodTheory::ClassicIso);
    const RodView v = r.solve(in);
    const AlignView a = r.model.align(alignFrom(v, in, 0));
    EXPECT_EQ(a.X[1], v.X1);
    EXPECT_EQ(a.X[2], v.X2);
    EXPECT_EQ(a.dt[2], 0);
    EXPECT_FALSE(a.computed[2]);
}

TEST(RodTime, FaultsInsteadOfNumbersThatDoNotExist) {
    Rod fast;
    EXPECT_THROW(fast.solve(defaults(RodTheory::Sto, 30)), MathError);
    Rod light;
    EXPECT_THROW(light.solve(defaults(RodTheory::Sto, 20)), MathError); // G = 0
    Rod noScale;
    RodInput in = defaults(RodTheory::StoPlus);
    in.M = 0;
    EXPECT_THROW(noScale.solve(in), MathError);
    // Aligning before anything was calculated has no signal speed.
    Rod fresh;
    EXPECT_THROW(fresh.model.align(AlignInput{}), MathError);
}

TEST(RodTime, DrawingsStackUpwardsWithTruncatedLabels) {
    EXPECT_EQ(rodLabel(100, 200, 0, 0), "dX= 100   T1= 0   T2= 0");
    EXPECT_EQ(rodLabel(115.47005, 202.07259, -2.88675, -2.88675),
              "dX= 86,6   T1= -2,88   T2= -2,88");
    Rod r;
    const RodInput in = defaults(RodTheory::ClassicIso);
    const RodView v = r.solve(in);
    r.model.drawSolved(r.canvas, v);
    std::size_t green = 0;
    for (const DrawOp& op : r.canvas.ops)
        if (op.kind == DrawOp::Line && op.color == rgb(0, 200, 0)) ++green;
    EXPECT_EQ(green, 2u);
    r.model.drawAligned(r.canvas, r.model.align(alignFrom(v, in, 10)));
    r.model.drawAligned(r.canvas, r.model.align(alignFrom(v, in, 10)));
    std::vector<double> labelHeights;
    for (const DrawOp& op : r.canvas.ops)
        if (op.kind == DrawOp::Print) labelHeights.push_back(op.y1);
    ASSERT_EQ(labelHeights.size(), 4u);
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(labelHeights[i], 6.7 + i, 1e-12);
}
