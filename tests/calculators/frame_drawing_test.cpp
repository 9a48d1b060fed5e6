#include "base/errors.h"
#include "calculators/frame_drawing.h"
#include "calculators/frame_scheme.h"
#include "canvas/recording_canvas.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

using namespace sonrel;

namespace {

FrameResult bodies() {
    FrameResult r;
    r.aso = {6, 6, 1, 1, 16, 0, 12, 0};
    r.iso = {6, 6, 1, 1, 4, 8, -2, 2};
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
    EXPECT_EQ(receiverVelocity->y2, 5); // 3 plus 8 m/s at 4 (m/s) per unit
    const DrawOp& sourceVelocity =
        *std::find_if(receiverVelocity + 1, c.ops.end(),
                      [](const DrawOp& op) { return op.color == rgb(250, 0, 0); });
    EXPECT_EQ(sourceVelocity.x1, 0.5);
    EXPECT_EQ(sourceVelocity.x2, 0); // 0,5 − 2 m/s at 4 (m/s) per unit
    EXPECT_EQ(sourceVelocity.y2, 1); // 0,5 + 2 m/s at 4 (m/s) per unit
    EXPECT_EQ(linesOfColor(c, rgb(0, 240, 0)), 0u);

    RecordingCanvas both;
    drawFrameBodies(both, bodies(), FrameFormula::Sto43, 1, 4, true);
    EXPECT_EQ(both.count(DrawOp::Circle), 4u);
    EXPECT_EQ(linesOfColor(both, rgb(0, 0, 250)), 2u);
    ASSERT_EQ(linesOfColor(both, rgb(0, 240, 0)), 1u);
    // The receiver's velocity relative to the source, (4 + 2; 8 − 2) m/s, from the receiver.
    const DrawOp& relative = *std::find_if(both.ops.begin(), both.ops.end(), [](const DrawOp& op) {
        return op.color == rgb(0, 240, 0);
    });
    EXPECT_EQ(relative.x1, 6);
    EXPECT_EQ(relative.y1, 6);
    EXPECT_EQ(relative.x2, 7.5);
    EXPECT_EQ(relative.y2, 7.5);
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

// Each body of the scheme, drawn at its place with a velocity of its own:
// source (150; 110) moving (75; 70), receiver (390; 200) moving (60; 95), ИСО
// origin (40; 42); the line of sight runs from source to receiver, 20,556°.
TEST(FrameScheme, BodiesVelocitiesArcsAndProjectionsAtTheirPlaces) {
    RecordingCanvas c;
    drawFrameScheme(c);
    const double pi = std::acos(-1.0), deg = 180 / pi;
    const auto hasLine = [&](double x1, double y1, double x2, double y2, int width) {
        for (const DrawOp& op : c.ops)
            if (op.kind == DrawOp::Line && op.width == width && std::abs(op.x1 - x1) < 1e-9 &&
                std::abs(op.y1 - y1) < 1e-9 && std::abs(op.x2 - x2) < 1e-9 &&
                std::abs(op.y2 - y2) < 1e-9)
                return true;
        return false;
    };
    // Arrow shaft with its two heads, 11 units long and 25° off the way back.
    const auto expectArrow = [&](double x1, double y1, double x2, double y2, int width,
                                 double head) {
        EXPECT_TRUE(hasLine(x1, y1, x2, y2, width)) << x1 << ";" << y1 << " -> " << x2 << ";" << y2;
        const double back = std::atan2(y1 - y2, x1 - x2);
        for (double side : {-25.0, 25.0})
            EXPECT_TRUE(hasLine(x2, y2, x2 + head * std::cos(back + side / deg),
                                y2 + head * std::sin(back + side / deg), width))
                << x2 << ";" << y2 << " head " << side;
    };
    const double sight = std::atan2(90.0, 240.0) * deg;
    expectArrow(150, 110, 390 + 0.55 * 240, 200 + 0.55 * 90, 1, 9);
    struct Body {
        double x, y, vx, vy;
        const char* angle;
    };
    for (const Body b : {Body{150, 110, 75, 70, "Q2"}, Body{390, 200, 60, 95, "Q1"}}) {
        expectArrow(b.x, b.y, b.x + b.vx, b.y, 3, 11);
        expectArrow(b.x, b.y, b.x, b.y + b.vy, 3, 11);
        expectArrow(b.x, b.y, b.x + b.vx, b.y + b.vy, 3, 11);
        // Projection ticks on the ИСО axes.
        EXPECT_TRUE(hasLine(b.x, 38, b.x, 46, 1));
        EXPECT_TRUE(hasLine(36, b.y, 44, b.y, 1));
        // The arc of radius 40 from the line of sight to the velocity, in 24 chords.
        double from = 360, to = -360;
        int chords = 0;
        for (const DrawOp& op : c.ops) {
            if (op.kind != DrawOp::Line) continue;
            if (std::abs(std::hypot(op.x1 - b.x, op.y1 - b.y) - 40) > 1e-9 ||
                std::abs(std::hypot(op.x2 - b.x, op.y2 - b.y) - 40) > 1e-9)
                continue;
            ++chords;
            for (double a :
                 {std::atan2(op.y1 - b.y, op.x1 - b.x), std::atan2(op.y2 - b.y, op.x2 - b.x)}) {
                from = std::min(from, a * deg);
                to = std::max(to, a * deg);
            }
        }
        EXPECT_EQ(chords, 24);
        EXPECT_NEAR(from, sight, 1e-9);
        EXPECT_NEAR(to, std::atan2(b.vy, b.vx) * deg, 1e-9);
        // The angle's name on the arc's bisector, 52 out (its baseline 6 lower).
        const double mid = (sight + to) / 2 / deg;
        EXPECT_TRUE(std::any_of(c.ops.begin(), c.ops.end(), [&](const DrawOp& op) {
            return op.kind == DrawOp::Print && op.text == b.angle &&
                   std::abs(op.x1 - b.x - 52 * std::cos(mid)) < 1e-9 &&
                   std::abs(op.y1 - b.y - 52 * std::sin(mid) - 6) < 1e-9;
        })) << b.angle;
        // The dashes (at most 5 long) of the rectangle's far sides and of the
        // projections onto the ИСО axes start at their side's start and run along it
        // to its end, not beyond.
        struct Side {
            double x1, y1, x2, y2;
        };
        for (const Side s : {Side{b.x + b.vx, b.y, b.x + b.vx, b.y + b.vy},
                             Side{b.x, b.y + b.vy, b.x + b.vx, b.y + b.vy}, Side{b.x, b.y, b.x, 42},
                             Side{b.x, b.y, 40, b.y}}) {
            const double len = std::hypot(s.x2 - s.x1, s.y2 - s.y1);
            const double ux = (s.x2 - s.x1) / len, uy = (s.y2 - s.y1) / len;
            const auto along = [&](double x, double y) {
                return (x - s.x1) * ux + (y - s.y1) * uy;
            };
            const auto off = [&](double x, double y) {
                return std::abs((x - s.x1) * uy - (y - s.y1) * ux);
            };
            int dashes = 0;
            bool fromStart = false;
            for (const DrawOp& op : c.ops) {
                if (op.kind != DrawOp::Line || op.width != 1 ||
                    std::hypot(op.x2 - op.x1, op.y2 - op.y1) > 5 + 1e-9)
                    continue;
                const double t = along(op.x1, op.y1);
                if (off(op.x1, op.y1) > 1e-9 || off(op.x2, op.y2) > 1e-9 || t < -1e-9 || t >= len)
                    continue;
                ++dashes;
                fromStart = fromStart || std::abs(t) < 1e-9;
                EXPECT_GE(along(op.x2, op.y2), t) << s.x1 << ";" << s.y1;
                EXPECT_LE(along(op.x2, op.y2), len + 1e-9) << s.x1 << ";" << s.y1;
            }
            EXPECT_GT(dashes, 0);
            EXPECT_TRUE(fromStart);
        }
    }
}
