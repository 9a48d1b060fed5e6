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
    EXPECT_DOUBLE_EQ(s.V(1), 10);
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
        inputsFromBodies(s, defaults, 656.28, 20, choose(MainFormula::Lorentz), false);
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
    in = inputsFromBodies(s, defaults, 656.28, 20, choose(MainFormula::Lorentz), true);
    EXPECT_NEAR(s.X(2), 0, 1e-4);
    EXPECT_NEAR(s.Y(2), 0, 1e-12);
    EXPECT_NEAR(in.Q3 * 180 / s.pi, 30, 1e-4);
}

TEST(CalculatedPoints, RelativityChangesToTheSourceFrame) {
    SharedState s;
    inputsFromBodies(s, defaults, 656.28, 20,
                     choose(MainFormula::Relativity, RelativityVariant::V4_1), false);
    const double kU = std::sqrt(1 - 0.25);
    EXPECT_DOUBLE_EQ(s.VX(2), 0);
    EXPECT_NEAR(s.VX(1), (6 - 10) / (1 - 60.0 / 400), 1e-12);
    EXPECT_NEAR(s.X(1), 86.60254 / kU, 1e-9);
    EXPECT_NEAR(s.X(2), 50 / kU, 1e-9);
    EXPECT_DOUBLE_EQ(s.Y(1), 50);

    // The receiver's frame at the signal speed has no Lorentz factor.
    Bodies light = defaults;
    light.VX1 = 20;
    EXPECT_THROW(inputsFromBodies(s, light, 656.28, 20,
                                  choose(MainFormula::Relativity, RelativityVariant::V4_2), false),
                 MathError);
}

TEST(CalculatedPoints, BodiesAndVelocitiesDrawing) {
    SharedState s;
    inputsFromBodies(s, defaults, 656.28, 20, choose(MainFormula::Classical), false);
    RecordingCanvas c;
    drawBodiesAndVelocities(c, s, 5, true);
    ASSERT_EQ(c.count(DrawOp::Circle), 2u);
    EXPECT_NEAR(c.ops[0].x1, 86.60254 / 5, 1e-12);
    const DrawOp& relative = c.ops.back();
    EXPECT_EQ(relative.color, rgb(0, 240, 0));
    EXPECT_EQ(relative.width, 2);
    EXPECT_NEAR(relative.x2 - relative.x1, -2, 1e-12); // (6 − 10)/2
    EXPECT_EQ(c.drawWidth(), 1);
    EXPECT_THROW(drawBodiesAndVelocities(c, s, 0, false), MathError);
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

TEST_F(Sweep, ReceiverSpeedFromMinusVsUpward) {
    s.v = 50; // the previous result
    runSweep(s, c, settings(SpeedArgument::VX1), {}, last);
    const DrawOp& first = c.ops.front();
    EXPECT_DOUBLE_EQ(first.x1, -20); // V1 = −Vs fails the check: the previous v is drawn
    EXPECT_DOUBLE_EQ(first.y1, 5);
    EXPECT_DOUBLE_EQ(first.x2, 0.03);
    EXPECT_EQ(first.color, colors::black);
    EXPECT_NEAR(c.ops.back().x1, 19.992, 1e-9);
    for (const DrawOp& op : c.ops)
        EXPECT_LT(op.y1, 20);
    ASSERT_TRUE(last.has_value());
    EXPECT_NEAR(last->ratio, 2 * (1 - 0.9996), 1e-12);

    const std::string head = "     №                      V(i)                   v/v0  \n\n"
                             "  i= 0      V(i)/Vs = -1        v1(i)/v0 = 0,5\n"
                             "  i= 100      V(i)/Vs = -0,96        v1(i)/v0 = ";
    EXPECT_EQ(s.reportText.substr(0, head.size()), head);
    std::size_t lines = 0;
    for (char ch : s.reportText)
        lines += ch == '\n';
    EXPECT_EQ(lines, 2u + 50u);
    EXPECT_EQ(s.stepCount, 100);
    EXPECT_EQ(s.NC0, 100);
    EXPECT_EQ(s.frontIndex, 5000);
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
    EXPECT_EQ(s.frontIndex, 0);
    EXPECT_EQ(c.count(DrawOp::Circle), 0u);
}
