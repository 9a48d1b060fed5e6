#include "canvas/recording_canvas.h"
#include "experiments/classic/animation.h"
#include "experiments/classic/classic_model.h"
#include "experiments/classic/typed_defaults.h"
#include "support/scripted_prompts.h"

#include <algorithm>
#include <cmath>

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

bool hasLine(const RecordingCanvas& c, double x1, double y1, double x2, double y2, Color colour) {
    for (const auto& op : c.ops)
        if (op.kind == DrawOp::Line && op.color == colour && std::abs(op.x1 - x1) < 0.01 &&
            std::abs(op.y1 - y1) < 0.01 && std::abs(op.x2 - x2) < 0.01 &&
            std::abs(op.y2 - y2) < 0.01)
            return true;
    return false;
}

bool hasCircle(const RecordingCanvas& c, double x, double y, double r, Color colour) {
    for (const auto& op : c.ops)
        if (op.kind == DrawOp::Circle && op.color == colour && std::abs(op.x1 - x) < 0.01 &&
            std::abs(op.y1 - y) < 0.01 && std::abs(op.x2 - r) < 1e-9)
            return true;
    return false;
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
    double right = 0;
    for (const auto& op : c.ops)
        if (op.kind == DrawOp::Point) right = std::max(right, op.x1);
    EXPECT_NEAR(right, 20, 1e-9); // the source's path over two periods: 2·5 s·10 m/s at 5 m a unit

    s.VX(2) = 0; // a source at rest: every wave point falls on the first
    RecordingCanvas still;
    drawDisplayStep(still, s, memory, false);
    EXPECT_EQ(still.count(DrawOp::Point), 1u);

    s.VX(2) = 10;
    s.frontIndex = 20; // the last front of the record draws without an error
    RecordingCanvas last;
    EXPECT_NO_THROW(drawDisplayStep(last, s, memory, true));
    for (double scale : {0.0, -5.0}) {
        s.pictureScale = scale;
        EXPECT_THROW(drawDisplayStep(last, s, memory, true), MathError) << scale;
    }
}

TEST(ClassicAnimation, PeriodSettingAndDisplayStepPutEveryMarkWhereTheBodiesWere) {
    // Defaults at 5 m a unit: front 1 leaves (0; 0) at T = 0 with the receiver
    // at (56,60254; 50) = (11,3205; 10); front 2 leaves (50; 0) = (10; 0) at
    // T = 5 s with the receiver at (86,60254; 50) = (17,3205; 10).
    SharedState s;
    sonrel::testing::typeDefaults(s);
    firstFrontTravelTime(s);
    placeFirstPeriod(s);
    RecordingCanvas c;
    drawPeriodSetting(c, s, true);
    EXPECT_TRUE(hasLine(c, 0, 0, 11.3205, 10, colors::sightLine));
    EXPECT_TRUE(hasLine(c, 10, 0, 17.3205, 10, colors::sightLine));
    EXPECT_TRUE(hasCircle(c, 0, 0, 0.2, colors::source));
    EXPECT_TRUE(hasCircle(c, 10, 0, 0.2, colors::source));
    EXPECT_TRUE(hasCircle(c, 17.3205, 10, 0.2, colors::receiver));
    EXPECT_TRUE(hasCircle(c, 11.3205, 10, 0.2, colors::receiver));
    const std::string text = c.printedText();
    for (const char* label : {"Xn1(0)= 56,6", "Tn1(0)= 0", "Xn2(1)= 0", "Tn2(1)= 0", "Xn2(2)= 50",
                              "Tn2(2)= 5", "Xn1(1)= 86,6", "Tn1(1)= 5"})
        EXPECT_NE(text.find(label), std::string::npos) << label;

    // A display step of the run at T = 0: each body's path from its start,
    // and a numbered ring at the middle of each completed period of the wave
    // (10 units a period along the source's path).
    s = defaultRun();
    s.frontIndex = 3;
    s.X(1) += 10;
    s.X(2) += 20;
    RecordingCanvas step;
    AnimationMemory memory;
    drawDisplayStep(step, s, memory, false);
    EXPECT_TRUE(hasLine(step, 11.3205, 10, 13.3205, 10, colors::receiver));
    EXPECT_TRUE(hasLine(step, 0, 0, 4, 0, colors::source));
    EXPECT_TRUE(hasCircle(step, 5.3, 0, 0.6, colors::ray));
    EXPECT_TRUE(hasCircle(step, 15.3, 0, 0.6, colors::ray));
    EXPECT_TRUE(hasCircle(step, 25.3, 0, 0.6, colors::ray));
}

TEST(ClassicAnimation, RaysRunFromEachArrivalToItsEmissionPoint) {
    SharedState s = defaultRun();
    sonrel::testing::ScriptedPrompts p;
    while (s.frontIndex < 3)
        stepExperiment(s, {}, p);
    RecordingCanvas c;
    AnimationMemory memory;
    drawDisplayStep(c, s, memory, false);
    // Front 1 leaves (0; 0) and meets the receiver at (86,6; 50) at 5 s; front 2
    // leaves (50; 0) at 5 s and meets it at 8,907 s at (110,04; 50). At 5 m a
    // unit: rays to (17,32; 10) and (22,01; 10), each arrival numbered in a ring
    // 2,3 units behind the receiver (it moves to +x) and 0,5 below.
    EXPECT_TRUE(hasLine(c, 17.3205, 10, 0, 0, colors::ray));
    EXPECT_TRUE(hasLine(c, 22.0087, 10, 10, 0, colors::ray));
    EXPECT_TRUE(hasCircle(c, 17.3205 - 2.3, 9.5, 0.6, colors::ray));
    EXPECT_TRUE(hasCircle(c, 22.0087 - 2.3, 9.5, 0.6, colors::ray));
}
