#include "canvas/raster_canvas_qt.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

using namespace sonrel;

namespace {

// An animation in the manner of the experiment windows: a growing front
// erased and redrawn, moving markers, a changing label, fixed grid and
// labels, a wave batch that grows now and then, lines between fixed points,
// a label that comes and goes.
void drawFrame(Canvas& c, int k, double& lastRadius) {
    const FrameScope frame(c);
    c.circle(5, 5, lastRadius, rgb(250, 250, 250));
    lastRadius = 0.3 + 0.07 * k;
    c.circle(5, 5, lastRadius, rgb(255, 0, 0));
    for (int i = 0; i <= 20; ++i) {
        c.line(i, 0, i, 10, colors::grid);
        c.line(0, i * 0.5, 20, i * 0.5, colors::grid);
    }
    c.circle(1 + 0.11 * (k - 1), 8, 0.2, colors::white);
    c.circle(1 + 0.11 * k, 8, 0.2, colors::receiver);
    c.line(1, 8, 1 + 0.11 * k, 8, colors::receiver);
    c.line(2, 1, 14.3, 9.1 - 0.01 * (k / 10), rgb(255, 0, 255));
    std::vector<double> xs, ys;
    for (int p = 0; p < 400 * (1 + k / 15); ++p) {
        xs.push_back(p * 0.01);
        ys.push_back(3 + std::sin(p * 0.05));
    }
    c.points(xs.data(), ys.data(), xs.size(), rgb(0, 250, 0));
    if (k % 7 == 0) {
        // Shown in one frame only, over the grid, away from everything that moves.
        c.setCurrent(15.8, 2.3);
        c.print("blink");
    }
    for (int j = 0; j < 6; ++j) {
        c.setCurrent(2 + 3 * j, 6);
        c.print("Xn1(" + std::to_string(j) + ")= " + std::to_string(j * 7));
    }
    c.setCurrent(1 + 0.11 * k, 9);
    c.print("T= " + std::to_string(k) + "\nnext line");
}

} // namespace

TEST(RasterFrames, RepaintingChangedTilesLeavesThePixelsOfRepaintingEverything) {
    RasterCanvas retained(640, 320), whole(640, 320);
    whole.setRetainedFrames(false);
    double rRetained = 0.3, rWhole = 0.3;
    for (RasterCanvas* c : {&retained, &whole})
        c->scale(0, 10, 20, 0);
    for (int k = 1; k <= 60; ++k) {
        drawFrame(retained, k, rRetained);
        drawFrame(whole, k, rWhole);
        if (k % 17 == 0) {
            // Drawing between frames, and a clear, are covered like any change.
            for (RasterCanvas* c : {&retained, &whole}) {
                c->line(0, 0, 20, 10, colors::black);
                c->circle(10, 5, 3, rgb(0, 0, 250));
            }
        }
        if (k == 40)
            for (RasterCanvas* c : {&retained, &whole})
                c->clear();
        ASSERT_EQ(retained.image(), whole.image()) << "frame " << k;
    }
}

TEST(RasterFrames, ABatchOfLinesSetsThePixelsOfTheSameLinesOneByOne) {
    RasterCanvas batch(400, 300), single(400, 300);
    std::vector<double> ends;
    for (int k = 0; k < 200; ++k) {
        const double a = k * 0.031;
        ends.insert(ends.end(), {5 + 3 * std::cos(a), 5 + 3 * std::sin(a), 5 + 3.02 * std::cos(a),
                                 5 + 3.02 * std::sin(a)});
    }
    const double nan = std::numeric_limits<double>::quiet_NaN();
    ends.insert(ends.end(), {1, 1, 9, 1});     // horizontal
    ends.insert(ends.end(), {2.5, 0, 2.5, 9}); // vertical
    ends.insert(ends.end(), {nan, 1, 2, 2});   // not drawable: skipped
    ends.insert(ends.end(), {0.1, 0.2, 9.7, 8.9});
    for (RasterCanvas* c : {&batch, &single})
        c->scale(0, 10, 10, 0);
    batch.lines(ends.data(), ends.size() / 4, rgb(0, 250, 0));
    for (std::size_t k = 0; k < ends.size() / 4; ++k)
        single.line(ends[4 * k], ends[4 * k + 1], ends[4 * k + 2], ends[4 * k + 3], rgb(0, 250, 0));
    EXPECT_EQ(batch.image(), single.image());
}
