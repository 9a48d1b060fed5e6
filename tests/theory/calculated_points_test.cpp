#include "app/errors.h"
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
    const FormulaInputs in = inputsAtAngle(s, SpeedArgument::VX1, 0.5, 656.28, 20, 0);
    EXPECT_DOUBLE_EQ(in.V1, 10);
    EXPECT_DOUBLE_EQ(in.V12, 10);
    EXPECT_EQ(in.mode, FormulaMode::Interactive);
    EXPECT_NEAR(calculateFrequency(in, choose(MainFormula::Classical), {}).ratio, 0.5, 1e-12);

    const FormulaInputs still = inputsAtAngle(s, SpeedArgument::Angle, 0.5, 656.28, 20, 60);
    EXPECT_DOUBLE_EQ(still.V1 + still.V2 + still.V12, 0);
    EXPECT_NEAR(still.Q12, s.pi / 3, 1e-12);
}

TEST(CalculatedPoints, FromCoordinatesAndVelocities) {
    SharedState s;
    FormulaInputs in =
        inputsFromBodies(s, defaults, 656.28, 20, choose(MainFormula::Lorentz), false).in;
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
        inputsFromBodies(s, defaults, 656.28, 20, choose(MainFormula::Lorentz), true);
    EXPECT_NEAR(delayed.bodies.X2, 0, 1e-4);
    EXPECT_NEAR(delayed.bodies.Y2, 0, 1e-12);
    EXPECT_NEAR(delayed.in.Q3 * 180 / s.pi, 30, 1e-4);
}

TEST(CalculatedPoints, RelativityChangesToTheSourceFrame) {
    SharedState s;
    const Bodies b =
        inputsFromBodies(s, defaults, 656.28, 20,
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
    EXPECT_THROW(inputsFromBodies(s, light, 656.28, 20,
                                  choose(MainFormula::Relativity, RelativityVariant::V4_2), false),
                 MathError);
}

TEST(CalculatedPoints, BodiesAndVelocitiesDrawing) {
    SharedState s;
    const Bodies b =
        inputsFromBodies(s, defaults, 656.28, 20, choose(MainFormula::Classical), false).bodies;
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
