#include "base/errors.h"
#include "canvas/recording_canvas.h"
#include "theory/calculated_points.h"
#include "theory/sweeps.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace sonrel;

namespace {

const Bodies defaults{86.60254, 50, 6, 0, 50, 0, 10, 0};

FormulaSelection choose(MainFormula f, RelativityVariant var = RelativityVariant::None) {
    FormulaSelection sel;
    sel.formula = f;
    sel.variant = var;
    return sel;
}

} // namespace

TEST(CalculatedPoints, AtAGivenAngle) {
    SharedState s;
    const FormulaInputs in = inputsAtAngle(s.pi, SpeedArgument::VX1, 0.5, 656.28, 20, 0);
    EXPECT_DOUBLE_EQ(in.V1, 10);
    EXPECT_DOUBLE_EQ(in.V12, 10);
    EXPECT_EQ(in.mode, FormulaMode::Interactive);
    EXPECT_NEAR(calculateFrequency(in, choose(MainFormula::Classical), {}).ratio, 0.5, 1e-12);

    // Source at 0,5·Vs, 60° off the line of sight: (2) gives 1/(1 − 0,5·0,5) = 4/3.
    const FormulaInputs source = inputsAtAngle(s.pi, SpeedArgument::VX2, 0.5, 656.28, 20, 60);
    EXPECT_DOUBLE_EQ(s.V(1), 0);
    EXPECT_DOUBLE_EQ(source.V12, 10);
    EXPECT_NEAR(calculateFrequency(source, choose(MainFormula::Lorentz), {}).ratio, 4.0 / 3, 1e-12);

    const FormulaInputs still = inputsAtAngle(s.pi, SpeedArgument::Angle, 0.5, 656.28, 20, 60);
    EXPECT_DOUBLE_EQ(still.V1 + still.V2 + still.V12, 0);
    EXPECT_NEAR(still.Q12, s.pi / 3, 1e-12);
}

TEST(CalculatedPoints, FromCoordinatesAndVelocities) {
    SharedState s;
    FormulaInputs in =
        inputsFromBodies(s.pi, defaults, 656.28, 20, choose(MainFormula::Lorentz), false).in;
    EXPECT_DOUBLE_EQ(in.V1, 6);
    EXPECT_DOUBLE_EQ(in.V2, 10);
    EXPECT_DOUBLE_EQ(in.V12, 4);
    const double q3 = std::atan(50 / 36.60254);
    EXPECT_NEAR(in.Q3 * 180 / s.pi, 53.794, 0.001);
    EXPECT_NEAR(in.Q3, q3, 1e-12);
    EXPECT_NEAR(in.Q1, -q3, 1e-12);
    EXPECT_NEAR(in.Q2, -q3, 1e-12);
    EXPECT_NEAR(in.Q12, s.pi - q3, 1e-12); // the relative velocity points along −X

    // The signal the receiver gets now left the source 5 s ago, at about the origin.
    const BodiesCalculation delayed =
        inputsFromBodies(s.pi, defaults, 656.28, 20, choose(MainFormula::Lorentz), true);
    EXPECT_NEAR(delayed.bodies.X2, 0, 1e-4);
    EXPECT_NEAR(delayed.bodies.Y2, 0, 1e-12);
    EXPECT_NEAR(delayed.in.Q3 * 180 / s.pi, 30, 1e-4);
}

TEST(CalculatedPoints, RelativityChangesToTheSourceFrame) {
    SharedState s;
    const Bodies b =
        inputsFromBodies(s.pi, defaults, 656.28, 20,
                         choose(MainFormula::Relativity, RelativityVariant::V4_1), false)
            .bodies;
    const double kU = std::sqrt(1 - 0.25);
    EXPECT_DOUBLE_EQ(b.VX2, 0);
    EXPECT_NEAR(b.VX1, (6 - 10) / (1 - 60.0 / 400), 1e-12);
    EXPECT_NEAR(b.X1, 86.60254 / kU, 1e-9);
    EXPECT_NEAR(b.X2, 50 / kU, 1e-9);
    EXPECT_DOUBLE_EQ(b.Y1, 50);

    // The receiver's frame at the signal speed has no Lorentz factor.
    Bodies light = defaults;
    light.VX1 = 20;
    EXPECT_THROW(inputsFromBodies(s.pi, light, 656.28, 20,
                                  choose(MainFormula::Relativity, RelativityVariant::V4_2), false),
                 MathError);
}

TEST(CalculatedPoints, BodiesAndVelocitiesDrawing) {
    SharedState s;
    const Bodies b =
        inputsFromBodies(s.pi, defaults, 656.28, 20, choose(MainFormula::Classical), false).bodies;
    RecordingCanvas c;
    drawBodiesAndVelocities(c, b, 5, true);
    ASSERT_EQ(c.count(DrawOp::Circle), 2u);
    EXPECT_NEAR(c.ops[0].x1, 86.60254 / 5, 1e-12);
    const DrawOp& relative = c.ops.back();
    EXPECT_EQ(relative.color, rgb(0, 240, 0));
    EXPECT_EQ(relative.width, 2);
    EXPECT_NEAR(relative.x2 - relative.x1, -2, 1e-12); // (6 − 10)/2
    EXPECT_EQ(c.drawWidth(), 1);
    EXPECT_THROW(drawBodiesAndVelocities(c, b, 0, false), MathError);
}

TEST(CalculatedPoints, RestFrameFormulasAgreeWithFormula45AfterTheChangeOfFrame) {
    // The frequency on the receiver's clock does not depend on the frame it is worked out in:
    // (4-5) in the starting frame, (4-1) in the source's rest frame and (4-3) in the
    // receiver's, each with the source's delayed position, give one value.
    // Receiver (30; 40) with (5; 6), source (0; 10) with (9; 0), Vs = 20, v0 = 100: the
    // signal left d = 3,368104 s ago from (−30,312938; 10); along that line of sight
    // β1 = 0,357445, β2 = 0,402909, G1 = 0,920598, G2 = 0,893029, and
    // v = 100·G2·(1 − β1)/((1 − β2)·G1) = 104,391630.
    const Bodies crossing{30, 40, 5, 6, 0, 10, 9, 0};
    // Receiver (30; 40) with (7; 0), source (0; 10) with (9; −5): d = 2,915960 s,
    // emission at (−26,243643; 24,579802), β1 = 0,337544, β2 = 0,367882, G1 = 0,936750,
    // G2 = 0,857321, v = 95,913401.
    const Bodies sloping{30, 40, 7, 0, 0, 10, 9, -5};
    struct Case {
        Bodies bodies;
        RelativityVariant restFrame;
        double v;
    };
    for (const Case& k : {Case{crossing, RelativityVariant::V4_1, 104.391629953},
                          Case{sloping, RelativityVariant::V4_3, 95.9134005722}}) {
        for (RelativityVariant var : {RelativityVariant::V4_5, k.restFrame}) {
            SharedState s;
            const FormulaSelection sel = choose(MainFormula::Relativity, var);
            const FormulaInputs in = inputsFromBodies(s.pi, k.bodies, 100, 20, sel, true).in;
            EXPECT_NEAR(calculateFrequency(in, sel, {}).v, k.v, 1e-7) << static_cast<int>(var);
        }
    }
}

class Sweep : public ::testing::Test {
protected:
    SweepSettings settings(SpeedArgument arg) {
        SweepSettings set;
        set.argument = arg;
        set.My = 0.1;
        set.Vs = 20;
        set.VX1 = 0;
        set.VX2 = 10;
        set.fieldValue = 100;
        return set;
    }
    SharedState s;
    RecordingCanvas c;
    std::optional<FormulaResult> last;
};

TEST_F(Sweep, ReceiverSpeedSweepOfFormula2DrawsItsTrueValues) {
    s.v = 50; // an earlier result, which no point may show
    // A paused experiment's counters, index and speeds stay as they are.
    s.stepCount = 7;
    s.NC0 = 20;
    s.frontIndex = 4;
    s.V(1) = 6;
    s.VY(1) = 0.5;
    s.v0 = 0.2;
    SweepSettings set = settings(SpeedArgument::VX1);
    set.My = 0.5; // v/v0 up to 10 fits under yg = 20
    runSweep(s, c, set, {}, last);
    // V1 = −Vs is left out; from V1 = −0,9996·Vs on (2) applies, with V2 = 0,5·Vs:
    // v/v0 = (1 − V1/Vs) / (1 − 0,5), from 4 down to 0,0008.
    ASSERT_EQ(c.count(DrawOp::Circle), 4999u);
    EXPECT_NEAR(c.ops.front().x1, -19.992, 1e-9);
    for (const DrawOp& op : c.ops) {
        const double V1 = op.x1; // xg = V1·20/Vs with Vs = 20
        ASSERT_NEAR(op.y1 * 0.5, 2 * (1 - V1 / 20), 1e-9) << V1;
        EXPECT_EQ(op.color, colors::black);
    }
    EXPECT_NEAR(c.ops.back().x1, 19.992, 1e-9);
    ASSERT_TRUE(last.has_value());
    EXPECT_NEAR(last->ratio, 2 * (1 - 0.9996), 1e-12);

    const std::string head = "     №                      V(i)                   v/v0  \n\n"
                             "  i= 100      V(i)/Vs = -0,96        v1(i)/v0 = 3,92\n";
    EXPECT_EQ(s.reportText.substr(0, head.size()), head);
    std::size_t lines = 0;
    for (char ch : s.reportText)
        lines += ch == '\n';
    EXPECT_EQ(lines, 2u + 49u); // i = 0 has no value
    EXPECT_EQ(s.stepCount, 7);
    EXPECT_EQ(s.NC0, 20);
    EXPECT_EQ(s.frontIndex, 4);
    EXPECT_EQ(s.V(1), 6);
    EXPECT_EQ(s.VY(1), 0.5);
    EXPECT_EQ(s.v0, 0.2);
}

TEST_F(Sweep, PointsWhereNoFormulaAppliesAreLeftOut) {
    // (4-4) contains V12 = V1 − 10: it applies for V1 above −Vs/2 only.
    SweepSettings set = settings(SpeedArgument::VX1);
    set.My = 0.5;
    runSweep(s, c, set, choose(MainFormula::Classical), last);
    ASSERT_EQ(c.count(DrawOp::Circle), 3749u); // V1 = −9,992 .. 19,992
    for (const DrawOp& op : c.ops) {
        ASSERT_GT(op.x1, -10);
        ASSERT_NEAR(op.y1 * 0.5, 1 - (op.x1 - 10) / 20, 1e-9);
    }
    // "СТО" with no variant ticked: nothing at all.
    RecordingCanvas none;
    std::optional<FormulaResult> noResult;
    runSweep(s, none, settings(SpeedArgument::Angle), choose(MainFormula::Relativity), noResult);
    EXPECT_EQ(none.count(DrawOp::Circle), 0u);
    EXPECT_FALSE(noResult.has_value());
}

TEST_F(Sweep, AngleSweepAtRestIsAHorizontalRow) {
    SweepSettings set = settings(SpeedArgument::Angle);
    set.VX2 = 0;
    runSweep(s, c, set, {}, last);
    ASSERT_EQ(c.count(DrawOp::Circle), 5000u);
    for (const DrawOp& op : c.ops)
        ASSERT_NEAR(op.y1, 10, 1e-12);
    EXPECT_DOUBLE_EQ(c.ops.front().x1, -20);
    EXPECT_NE(s.reportText.find("  i= 100        Q(i) = 3,6        v1(i)/v0 = 1\n"),
              std::string::npos);
}

TEST_F(Sweep, ZeroGraphScaleStopsWithAFault) {
    SweepSettings set = settings(SpeedArgument::VX2);
    set.My = 0;
    EXPECT_THROW(runSweep(s, c, set, {}, last), MathError);
    EXPECT_EQ(c.count(DrawOp::Circle), 0u);
}

TEST_F(Sweep, RelativityAngleSweepWorksWithTheRelativisticRelativeSpeed) {
    // Receiver 8 m/s, source −6 m/s along X, Vs = 20: relative speed
    // (8 + 6)/(1 + 48/400) = 12,5, G = √(1 − 0,625²) = 0,780625.
    // (4-1), source at rest: v/v0 = (1 − 0,625·cos Q)/G: 0,480384 at 0°, 0,633293 at 36°.
    // (4-2), receiver at rest, source receding: v/v0 = G/(1 − 0,625·cos Q):
    // 2,081666 at 0°, 1,579047 at 36°; (4-3): G/(1 + 0,625·cos Q): 0,480384 and 0,518469.
    struct Case {
        RelativityVariant var;
        double at0, at36;
        Color color;
    };
    for (const Case& k :
         {Case{RelativityVariant::V4_1, 0.4803844614, 0.6332932419, rgb(0, 210, 0)},
          Case{RelativityVariant::V4_2, 2.0816659995, 1.5790473257, rgb(0, 230, 0)},
          Case{RelativityVariant::V4_3, 0.4803844614, 0.5184685715, rgb(0, 255, 0)}}) {
        SweepSettings set = settings(SpeedArgument::Angle);
        set.VX1 = 8;
        set.VX2 = -6;
        set.My = 0.2;
        RecordingCanvas canvas;
        runSweep(s, canvas, set, choose(MainFormula::Relativity, k.var), last);
        ASSERT_EQ(canvas.count(DrawOp::Circle), 5000u);
        EXPECT_NEAR(canvas.ops[0].y1 * 0.2, k.at0, 1e-9) << static_cast<int>(k.var);
        EXPECT_NEAR(canvas.ops[1000].y1 * 0.2, k.at36, 1e-9) << static_cast<int>(k.var);
        EXPECT_EQ(canvas.ops[0].color, k.color);
    }
}
