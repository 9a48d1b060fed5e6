#include "canvas/recording_canvas.h"
#include "experiments/classic/animation.h"
#include "experiments/classic/classic_model.h"
#include "experiments/classic/typed_defaults.h"

#include <gtest/gtest.h>

using namespace sonrel;

namespace {

SharedState defaultRun() {
    SharedState s;
    sonrel::testing::typeDefaults(s);
    setupRun(s);
    return s;
}

std::size_t circlesOf(const RecordingCanvas& c, Color colour) {
    std::size_t n = 0;
    for (const auto& op : c.ops)
        if (op.kind == DrawOp::Circle && op.color == colour) ++n;
    return n;
}

} // namespace

TEST(ClassicAnimation, FrontIsDrawnOnlyOnceEmittedAndErasedBeforeRedrawing) {
    SharedState s = defaultRun();
    s.frontIndex = 2; // front 2 leaves (10, 0) at T = 5; the source is still short of it
    s.X(2) = 40;
    RecordingCanvas c;
    AnimationMemory memory;
    drawDisplayStep(c, s, memory, false);
    EXPECT_EQ(circlesOf(c, colors::front), 0u);
    EXPECT_EQ(circlesOf(c, colors::frontErase), 0u);

    s.X(2) = 55;
    s.frontRadius = 10;
    s.frontRadiusDrawn = 5;
    RecordingCanvas after;
    drawDisplayStep(after, s, memory, false);
    EXPECT_EQ(circlesOf(after, colors::frontErase), 2u); // the old circle and its inner edge
    ASSERT_EQ(circlesOf(after, colors::front), 1u);
    EXPECT_DOUBLE_EQ(s.frontRadiusDrawn, 10);
    for (const auto& op : after.ops)
        if (op.kind == DrawOp::Circle && op.color == colors::front) {
            EXPECT_DOUBLE_EQ(op.x1, 10);
            EXPECT_DOUBLE_EQ(op.x2, 2); // radius in canvas units
        }
    // The markers drawn at the previous step are wiped at their old places.
    bool wiped = false;
    for (const auto& op : after.ops)
        wiped |= op.kind == DrawOp::Circle && op.color == colors::white && op.x1 == 8;
    EXPECT_TRUE(wiped);
}

TEST(ClassicAnimation, WaveFollowsTheSourceAndTheLastFrontNeedsNoFurtherRecord) {
    SharedState s = defaultRun();
    s.frontIndex = 3;
    RecordingCanvas c;
    AnimationMemory memory;
    drawDisplayStep(c, s, memory, false);
    // Two completed periods of 10 canvas units from x = 0: 4000 points, all visible.
    EXPECT_EQ(c.count(DrawOp::Point), 4000u);

    s.VX(2) = 0; // a source at rest: every wave point falls on the first
    RecordingCanvas still;
    drawDisplayStep(still, s, memory, false);
    EXPECT_EQ(still.count(DrawOp::Point), 1u);

    s.VX(2) = 10;
    s.frontIndex = 20; // the last front of the record draws without an error
    RecordingCanvas last;
    EXPECT_NO_THROW(drawDisplayStep(last, s, memory, true));
    s.pictureScale = 0;
    EXPECT_THROW(drawDisplayStep(last, s, memory, true), MathError);
}
