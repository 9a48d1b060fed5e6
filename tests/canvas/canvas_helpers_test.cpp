#include "canvas/recording_canvas.h"

#include <gtest/gtest.h>

using namespace sonrel;

// Colours pack as r + 256·g + 65536·b; near-white (every channel ≥ 250)
// is the paper, which erases.
TEST(CanvasHelpers, ColoursPackAndNearWhiteErases) {
    const struct {
        int r, g, b;
        Color packed;
        bool erases;
    } cases[] = {
        {255, 255, 255, 0xFFFFFF, true},  {250, 250, 250, 0xFAFAFA, true},
        {249, 250, 250, 0xFAFAF9, false}, {250, 249, 250, 0xFAF9FA, false},
        {250, 250, 249, 0xF9FAFA, false}, {200, 200, 200, 0xC8C8C8, false},
        {0, 0, 250, 0xFA0000, false},     {1, 2, 3, 0x030201, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(rgb(c.r, c.g, c.b), c.packed) << c.r << " " << c.g << " " << c.b;
        EXPECT_EQ(erases(c.packed), c.erases) << c.r << " " << c.g << " " << c.b;
    }
}

// The scale keeps its four edges; a batch of lines is drawn line by line;
// a pen is at least one pixel wide.
TEST(CanvasHelpers, ScaleLinesAndPenWidth) {
    RecordingCanvas c;
    c.scale(-1, 2, 3, -4);
    EXPECT_EQ(c.scaleLeft(), -1);
    EXPECT_EQ(c.scaleTop(), 2);
    EXPECT_EQ(c.scaleRight(), 3);
    EXPECT_EQ(c.scaleBottom(), -4);

    const double ends[] = {1, 2, 3, 4, 5, 6, 7, 8};
    c.lines(ends, 2, colors::grid);
    ASSERT_EQ(c.ops.size(), 2u);
    for (int k = 0; k < 2; ++k) {
        const DrawOp& op = c.ops[static_cast<std::size_t>(k)];
        EXPECT_EQ(op.kind, DrawOp::Line);
        EXPECT_EQ(op.x1, 4 * k + 1);
        EXPECT_EQ(op.y1, 4 * k + 2);
        EXPECT_EQ(op.x2, 4 * k + 3);
        EXPECT_EQ(op.y2, 4 * k + 4);
    }
    for (const auto& [asked, kept] : {std::pair{0, 1}, {-3, 1}, {1, 1}, {2, 2}}) {
        c.setDrawWidth(asked);
        EXPECT_EQ(c.drawWidth(), kept) << asked;
    }
}
