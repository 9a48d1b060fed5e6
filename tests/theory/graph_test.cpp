#include "base/errors.h"
#include "canvas/recording_canvas.h"
#include "experiments/classic/experimental_points.h"
#include "theory/graph_area.h"

#include <gtest/gtest.h>
#include <vector>

using namespace sonrel;

namespace {

std::vector<std::string> printedAt(const RecordingCanvas& c, bool leftColumn) {
    std::vector<std::string> out;
    for (const DrawOp& op : c.ops)
        if (op.kind == DrawOp::Print && (leftColumn ? op.x1 == -21 : op.y1 == -0.3))
            out.push_back(op.text);
    return out;
}

} // namespace

TEST(GraphArea, LabelsFollowTheScaleAndTheAxis) {
    RecordingCanvas c;
    drawGraphArea(c, 0.2 / 2, GraphAxis::Speed);
    EXPECT_EQ(c.ops.front().kind, DrawOp::Clear);
    EXPECT_EQ(c.scaleLeft(), -21);
    EXPECT_EQ(c.scaleTop(), 17);
    EXPECT_EQ(c.scaleBottom(), -1);
    EXPECT_EQ(printedAt(c, true), (std::vector<std::string>{"0", "0,2", "0,4", "0,6", "0,8", "1",
                                                            "1,2", "1,4", "1,6", "1,8"}));
    const auto speed = printedAt(c, false);
    ASSERT_EQ(speed.size(), 21u);
    EXPECT_EQ(speed.front(), "-1");
    EXPECT_EQ(speed[1], "-0,9");
    EXPECT_EQ(speed[10], "0");
    EXPECT_EQ(speed.back(), "1");

    RecordingCanvas a;
    drawGraphArea(a, 0.5, GraphAxis::Angle);
    const auto angle = printedAt(a, false);
    EXPECT_EQ(angle.front(), "0");
    EXPECT_EQ(angle[1], "9");
    EXPECT_EQ(angle.back(), "180");
    EXPECT_EQ(printedAt(a, true).back(), "9");

    // Legend: eight short lines, labelled beside them.
    std::vector<std::string> legend;
    for (const DrawOp& op : c.ops)
        if (op.kind == DrawOp::Print && op.y1 > 12 && op.x1 > -2) legend.push_back(op.text);
    EXPECT_EQ(legend,
              (std::vector<std::string>{"4-1", "4-2", "4-3", "4-4", "4-5", "2", "3-1", "3-2"}));
}

TEST(GraphArea, ReadBackGivesWhatAPointIsPlacedBy) {
    // v/v0 = 1 lies at yg = 10 with the default scale, and a press there reads back 1.
    const ReadBack back = readBackSpot(10, 10, 0.1, GraphAxis::Speed);
    EXPECT_EQ(back.xText, "0,5");
    EXPECT_EQ(back.yText, "1");
    EXPECT_DOUBLE_EQ(graphX(0.5, GraphAxis::Speed), 10);
    // x/20 keeps the digits of a single-precision number.
    EXPECT_EQ(readBackSpot(10.0 / 3, 0, 0.1, GraphAxis::Speed).xText, "0,1666667");
    EXPECT_EQ(readBackSpot(10, 0, 0.1, GraphAxis::Angle).xText, "135");
    EXPECT_DOUBLE_EQ(graphX(135, GraphAxis::Angle), 10);
}

class ExperimentalPoints : public ::testing::Test {
protected:
    void SetUp() override {
        // Source resting at the origin; the receiver rests at (0; 100) when a period
        // starts and is recorded at (100; 100) when a period ends.
        for (int k = 0; k <= 20; ++k) {
            s.Xn1(k) = 0;
            s.Yn1(k) = 100;
            s.Xk1(k) = 100;
            s.Yk1(k) = 100;
        }
        for (int k = 0; k <= 3; ++k)
            s.Tk1(k) = 5 + 4 * k;
        s.Q3(1) = 90.129;
        s.v0 = 0.25;
    }
    SharedState s;
    RecordingCanvas c;
};

TEST_F(ExperimentalPoints, OnePointPerReceivedPeriodAtTheMeanAngle) {
    plotExperimentalPoints(s, c, 0.1, false);
    // Ends are recorded for periods 1 to 3; period 4 has not been received.
    ASSERT_EQ(c.count(DrawOp::Circle), 3u);
    const DrawOp& first = c.ops.front();
    EXPECT_DOUBLE_EQ(first.x1, 0);  // 90 degrees
    EXPECT_DOUBLE_EQ(first.y1, 10); // dT = 4 s: v/v0 = 1
    EXPECT_EQ(first.color, rgb(0, 220, 0));
    for (const DrawOp& op : c.ops) {
        if (op.kind == DrawOp::Circle) {
            EXPECT_DOUBLE_EQ(op.y1, 10);
        }
    }
    EXPECT_DOUBLE_EQ(s.v, 0.25);
    EXPECT_EQ(s.reportText, "N= 1    An = 90,12    Asr = 90    dT = 4    v1/v0 = 1\n"
                            "N= 2    An = 0    Asr = 90    dT = 4    v1/v0 = 1\n"
                            "N= 3    An = 0    Asr = 90    dT = 4    v1/v0 = 1\n"
                            "период 4 не принят\n");
}

TEST_F(ExperimentalPoints, DelayedReceiverPositionAndFaults) {
    for (int k = 0; k <= 20; ++k)
        s.Yn1(k) = 50; // the delay-corrected point must not read the boundary positions
    plotExperimentalPoints(s, c, 0.1, true);
    EXPECT_NEAR(c.ops.front().x1, -10, 1e-12); // 45 degrees
    EXPECT_EQ(c.ops.front().color, rgb(0, 0, 250));

    // A source that has moved to (100; 0) by the end of period 1: the period
    // starts at 45° and ends at 90° (straight up from the new emission point),
    // so the point stands at the mean 67,5°.
    s.Xn2(2) = 100;
    RecordingCanvas moved;
    plotExperimentalPoints(s, moved, 0.1, true);
    EXPECT_NEAR(moved.ops.front().x1, (67.5 / 90 - 1) * 20, 1e-12);

    RecordingCanvas none;
    s.v0 = 0;
    EXPECT_THROW(plotExperimentalPoints(s, none, 0.1, false), MathError);
    EXPECT_EQ(none.count(DrawOp::Circle), 0u);
}
