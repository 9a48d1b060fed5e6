#include "app/errors.h"
#include "calculators/frame_drawing.h"
#include "calculators/frame_scheme.h"
#include "canvas/recording_canvas.h"

#include <gtest/gtest.h>

using namespace sonrel;

namespace {

FrameResult bodies() {
    FrameResult r;
    r.aso = {6, 6, 1, 1, 16, 0, 12, 0};
    r.iso = {6, 6, 1, 1, 4, 0, 0, 0};
    return r;
}

std::size_t linesOfColor(const RecordingCanvas& c, Color color) {
    std::size_t n = 0;
    for (const DrawOp& op : c.ops)
        if (op.kind == DrawOp::Line && op.color == color) ++n;
    return n;
}

} // namespace

TEST(FramePicture, BackgroundIsGridAxesAndLegend) {
    RecordingCanvas c;
    drawFrameBackground(c);
    EXPECT_EQ(c.ops.front().kind, DrawOp::Clear);
    EXPECT_EQ(c.scaleLeft(), -5);
    EXPECT_EQ(c.scaleTop(), 8);
    EXPECT_EQ(c.scaleRight(), 12);
    EXPECT_EQ(c.scaleBottom(), -4);
    EXPECT_EQ(linesOfColor(c, colors::grid), 18u + 13u);
    EXPECT_EQ(linesOfColor(c, colors::black), 2u);
    EXPECT_EQ(linesOfColor(c, rgb(0, 0, 255)), 1u);
    EXPECT_EQ(linesOfColor(c, rgb(255, 0, 0)), 1u);
    EXPECT_EQ(c.printedText(), "ASOISO");
}

TEST(FramePicture, BodiesAreScaledAndTheRelativeVelocityOnlyForRestFrames) {
    RecordingCanvas c;
    drawFrameBodies(c, bodies(), FrameFormula::Classic2, 2, 4, false);
    EXPECT_EQ(c.count(DrawOp::Circle), 2u);
    EXPECT_EQ(linesOfColor(c, rgb(0, 0, 250)), 0u);
    ASSERT_EQ(linesOfColor(c, rgb(250, 0, 0)), 2u);
    const auto receiverVelocity = std::find_if(c.ops.begin(), c.ops.end(), [](const DrawOp& op) {
        return op.kind == DrawOp::Line && op.color == rgb(250, 0, 0);
    });
    EXPECT_EQ(receiverVelocity->x1, 3); // 6 m at 2 m per unit
    EXPECT_EQ(receiverVelocity->x2, 4); // plus 4 m/s at 4 (m/s) per unit
    EXPECT_EQ(linesOfColor(c, rgb(0, 240, 0)), 0u);

    RecordingCanvas both;
    drawFrameBodies(both, bodies(), FrameFormula::Sto43, 1, 4, true);
    EXPECT_EQ(both.count(DrawOp::Circle), 4u);
    EXPECT_EQ(linesOfColor(both, rgb(0, 0, 250)), 2u);
    EXPECT_EQ(linesOfColor(both, rgb(0, 240, 0)), 1u);
}

TEST(FramePicture, ZeroScaleFailsBeforeDrawing) {
    RecordingCanvas c;
    EXPECT_THROW(drawFrameBodies(c, bodies(), FrameFormula::Sto41, 0, 4, true), MathError);
    EXPECT_THROW(drawFrameBodies(c, bodies(), FrameFormula::Sto41, 1, 0, true), MathError);
    EXPECT_TRUE(c.ops.empty());
}

TEST(FramePicture, LorentzFactorsAreTruncated) {
    RecordingCanvas c;
    printLorentzFactors(c, {0.9165151389911680, 0.6, 0.9999999});
    ASSERT_EQ(c.count(DrawOp::Print), 3u);
    EXPECT_EQ(c.ops[0].text, "G=  0,916515");
    EXPECT_EQ(c.ops[1].text, "G1=  0,6");
    EXPECT_EQ(c.ops[2].text, "G2=  0,999999");
    EXPECT_EQ(c.ops[2].x1, 8.5);
    EXPECT_EQ(c.ops[2].y1, 5.7);
}

TEST(FrameScheme, ShowsEveryNotationInsideThePicture) {
    RecordingCanvas c;
    drawFrameScheme(c);
    const std::string text = c.printedText();
    for (const char* label : {"Xaso",  "Yaso",   "Xiso",   "Yiso",  "X2iso", "X1iso",  "Y1iso",
                              "Y2iso", "Xiso2",  "Yiso2",  "Xiso1", "Yiso1", "VX2iso", "VY2iso",
                              "V2iso", "VX1iso", "VY1iso", "V1iso", "Vs",    "Q1",     "Q2"}) {
        bool found = false;
        for (const DrawOp& op : c.ops)
            found = found || (op.kind == DrawOp::Print && op.text == label);
        EXPECT_TRUE(found) << label;
    }
    std::size_t bold = 0;
    for (const DrawOp& op : c.ops) {
        if (op.kind == DrawOp::Line && op.width > 1) ++bold;
        EXPECT_GE(op.x1, 0);
        EXPECT_LE(op.x1, kSchemeWidth);
        EXPECT_GE(op.y1, 0);
        EXPECT_LE(op.y1, kSchemeHeight);
    }
    EXPECT_GE(bold, 6u); // three velocity arrows per body
}
