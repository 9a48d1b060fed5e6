#include "calculators/shift_graph.h"

#include "base/errors.h"
#include "canvas/recording_canvas.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace sonrel;

namespace {
constexpr double c = 299790000.0;

std::size_t pointsOf(const RecordingCanvas& canvas) {
    return canvas.count(DrawOp::Point);
}
} // namespace

TEST(ShiftGraph, GeometryFromTheFourFields) {
    const ShiftGeometry g = shiftGeometry(300, 15, 1e-12, 1e-13);
    EXPECT_DOUBLE_EQ(g.W, 20);
    EXPECT_DOUBLE_EQ(g.H, 20);
    EXPECT_DOUBLE_EQ(shiftGeometry(300, 15, -1e-12, 1e-13).H, 20);
    EXPECT_THROW(shiftGeometry(300, 0, 1e-12, 1e-13), MathError);
    EXPECT_THROW(shiftGeometry(300, 15, 1e-12, 0), MathError);
    EXPECT_THROW(shiftGeometry(-300, 15, 1e-12, 1e-13), MathError);
    // A picture hundreds of metres wide is refused rather than allocated.
    EXPECT_THROW(shiftGeometry(3e8, 15, 1e-12, 1e-13), MathError);
}

TEST(ShiftGraph, GridCoversTheGraphOnceWithTheAxis) {
    RecordingCanvas canvas;
    drawShiftGrid(canvas, shiftGeometry(300, 15, 1e-12, 1e-13));
    EXPECT_EQ(canvas.scaleLeft(), -1);
    EXPECT_EQ(canvas.scaleTop(), 10);
    EXPECT_EQ(canvas.scaleRight(), 20);
    EXPECT_EQ(canvas.scaleBottom(), -11);
    // Horizontal lines j = -11 .. 10, vertical lines i = -1 .. 19, one axis.
    EXPECT_EQ(canvas.count(DrawOp::Line), 22u + 21u + 1u);
    const DrawOp& axis = canvas.ops.back();
    EXPECT_EQ(axis.color, rgb(100, 100, 100));
    EXPECT_EQ(axis.x2, 20);
    EXPECT_EQ(canvas.count(DrawOp::Print), 22u + 21u);
}

TEST(ShiftGraph, TheoriesAtSmallAndLargeSpeeds) {
    const double b = 300 / c;
    EXPECT_NEAR(frequencyShift(ShiftTheory::StoApprox, ShiftMover::Absorber, 0.5, 300, c) / 5.0e-13,
                1, 2e-3);
    EXPECT_EQ(frequencyShift(ShiftTheory::StoApprox, ShiftMover::Emitter, 0.5, 300, c),
              -0.5 * b * b);
    const double V = 0.01 * c;
    const double up = frequencyShift(ShiftTheory::StoExact, ShiftMover::Absorber, 0, V, c);
    const double down = frequencyShift(ShiftTheory::StoExact, ShiftMover::Emitter, 0, V, c);
    EXPECT_GT(up, 0);
    EXPECT_LT(down, 0);
    EXPECT_NEAR(up / -down, 1, 2e-4);
    EXPECT_NEAR(frequencyShift(ShiftTheory::Classic, ShiftMover::Absorber, 0, V, c),
                std::sqrt(1.0001) - 1, 1e-15);
    EXPECT_NEAR(frequencyShift(ShiftTheory::Classic, ShiftMover::Emitter, 0, V, c),
                std::sqrt(0.9999) - 1, 1e-15);
    // At 0,6·c: γ = 1,25, so an absorber sees 1,25 − 1 = 0,25 and an emitter's
    // frequency drops to 0,8 (−0,2); classically √(1 ± 0,36) − 1.
    const double fast = 0.6 * c;
    EXPECT_NEAR(frequencyShift(ShiftTheory::StoExact, ShiftMover::Absorber, 0, fast, c), 0.25,
                1e-12);
    EXPECT_NEAR(frequencyShift(ShiftTheory::StoExact, ShiftMover::Emitter, 0, fast, c), -0.2,
                1e-12);
    EXPECT_NEAR(frequencyShift(ShiftTheory::Classic, ShiftMover::Absorber, 0, fast, c),
                0.16619037896906, 1e-12);
    EXPECT_NEAR(frequencyShift(ShiftTheory::Classic, ShiftMover::Emitter, 0, fast, c), -0.2, 1e-12);
    EXPECT_THROW(frequencyShift(ShiftTheory::StoExact, ShiftMover::Emitter, 0, 1.5 * c, c),
                 MathError);
}

TEST(ShiftGraph, CurveReachesFiveCentimetresAtThreeHundredMetresPerSecond) {
    RecordingCanvas canvas;
    const ShiftGeometry g = shiftGeometry(300, 15, 1e-12, 1e-13);
    drawShiftCurve(canvas, g, ShiftTheory::StoApprox, ShiftMover::Absorber, 0.5, c);
    ASSERT_EQ(pointsOf(canvas), 5000u);
    const DrawOp& last = canvas.ops.back();
    EXPECT_EQ(last.x1, 20);
    EXPECT_NEAR(last.y1, 5.0, 0.01);
    EXPECT_EQ(last.color, rgb(255, 0, 0));
    // A measured point: 150 m/s and a shift of 1,25e−13 at 15 m/s and 1e−13 per cm.
    drawShiftPoint(canvas, g, 150, 1.25e-13);
    EXPECT_EQ(canvas.ops.back().kind, DrawOp::Circle);
    EXPECT_DOUBLE_EQ(canvas.ops.back().x1, 10);
    EXPECT_DOUBLE_EQ(canvas.ops.back().y1, 1.25);
}

TEST(ShiftGraph, FastSpeedsSkippedAndFailuresKeepThePointsDrawn) {
    RecordingCanvas near;
    drawShiftCurve(near, shiftGeometry(c, c / 20, 1, 0.1), ShiftTheory::StoExact,
                   ShiftMover::Emitter, 0, c);
    EXPECT_EQ(pointsOf(near), 4975u); // up to 0,995·c
    EXPECT_EQ(near.ops.back().color, rgb(0, 240, 0));

    // Receding at and beyond the speed of light: no value from point 2500 on.
    RecordingCanvas failing;
    ShiftGeometry g = shiftGeometry(0, 1, 1, 0.1);
    g.Vmax = -2 * c;
    EXPECT_THROW(drawShiftCurve(failing, g, ShiftTheory::StoExact, ShiftMover::Absorber, 0, c),
                 MathError);
    EXPECT_EQ(pointsOf(failing), 2499u);
}
