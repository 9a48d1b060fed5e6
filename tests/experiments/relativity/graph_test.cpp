#include "canvas/recording_canvas.h"
#include "experiments/relativity/grids.h"
#include "experiments/relativity/model.h"
#include "experiments/relativity/theory.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace sonrel;
using namespace sonrel::relativity;

namespace {

std::string labelAt(const RecordingCanvas& c, double x, double y) {
    for (const auto& op : c.ops)
        if (op.kind == DrawOp::Print && std::abs(op.x1 - x) < 1e-9 && std::abs(op.y1 - y) < 1e-9)
            return op.text;
    return "(none)";
}

} // namespace

TEST(ComparisonGraphs, GridsLabelTheirScales) {
    RecordingCanvas c;
    drawAngleGrid(c, 0.2 / 2);
    EXPECT_EQ(c.ops.front().kind, DrawOp::Clear);
    EXPECT_EQ(labelAt(c, -21, 2.5), "0,2");
    EXPECT_EQ(labelAt(c, -20.3, -0.3), "0");
    EXPECT_EQ(labelAt(c, -0.3, -0.3), "90");
    EXPECT_EQ(labelAt(c, 19.7, -0.3), "180");
    EXPECT_DOUBLE_EQ(angleToX(90), 0);
    EXPECT_DOUBLE_EQ(angleToX(0), -20);
    RecordingCanvas t;
    drawTimeGrid(t, 0.1, 2.5);
    EXPECT_EQ(labelAt(t, 3.7, -0.3), "10");
    EXPECT_DOUBLE_EQ(t.scaleLeft(), -4);
    RecordingCanvas a;
    drawAnimationGrid(a);
    EXPECT_EQ(labelAt(a, 37.7, -3.3), "38");
    EXPECT_EQ(labelAt(a, -3, 14.5), "14");
}

TEST(ComparisonTheory, FormulaLimits) {
    const double v0 = 0.2, vs = 20;
    // A source approaching head-on: v0 / (1 - V2 / Vs); a receiver approaching: v0 (1 + V1 / Vs).
    EXPECT_NEAR(classicalFrequency(v0, 0, 10, 0, 0, vs, vs), v0 / 0.5, 1e-15);
    EXPECT_NEAR(classicalFrequency(v0, 10, 0, std::acos(-1.0), 0, vs, vs), v0 * 1.5, 1e-15);
    // Across the line of sight only the clocks differ: the source's runs slow.
    const double k = std::sqrt(1 - 0.25);
    EXPECT_NEAR(relativisticFrequency(v0, 0, 10, 0, std::acos(-1.0) / 2, vs, vs, vs), v0 * k,
                1e-15);
    EXPECT_NEAR(relativeVelocityFrequency(v0, 10, 0, std::acos(-1.0), vs), v0 * 1.5, 1e-15);
    EXPECT_THROW(clockRate(25, 20), MathError);
    EXPECT_THROW(classicalFrequency(v0, 0, 20, 0, 0, vs, vs), MathError);
    // Composing 10 m/s with a frame moving at -10 m/s at Vs = 20 gives 16 m/s.
    const Velocity v = boostVelocity({10, 0}, -10, vs);
    EXPECT_NEAR(v.x, 16, 1e-12);
}

TEST(ComparisonTheory, GeneralAnglesAndTheInvariantSignalSpeed) {
    const double v0 = 0.2, vs = 20, deg = std::acos(-1.0) / 180;
    // (4-4) at QV12 = 30°, Q3 = 100°: 0,2 (1 - 10 cos(-70°) / 20) = 0,165798.
    EXPECT_NEAR(relativeVelocityFrequency(v0, 10, 30 * deg, 100 * deg, vs), 0.16579798566743312,
                1e-15);
    // Velocity (6; 8) seen from a frame moving with 10 m/s at Vs = 20:
    // 1 - 60/400 = 0,85, x = -4 / 0,85, y = sqrt(0,75)·8 / 0,85.
    const Velocity u = boostVelocity({6, 8}, 10, vs);
    EXPECT_NEAR(u.x, -4.705882352941177, 1e-12);
    EXPECT_NEAR(u.y, 8.150827329735893, 1e-12);
    // A signal keeps the speed Vs in every frame and in every direction.
    for (double frame : {-12.0, 7.0, 15.0}) {
        for (double a : {20.0, 75.0, 130.0, 250.0}) {
            const Velocity w =
                boostVelocity({vs * std::cos(a * deg), vs * std::sin(a * deg)}, frame, vs);
            EXPECT_NEAR(std::hypot(w.x, w.y), vs, 1e-12) << frame << " " << a;
        }
    }
}
