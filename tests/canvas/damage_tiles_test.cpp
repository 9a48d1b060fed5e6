#include "canvas/damage_tiles.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <set>
#include <utility>

using namespace sonrel;

namespace {

constexpr int T = DamageTiles::kTile;

std::set<std::pair<int, int>> tilesOf(const DamageTiles& d, const TileShape& s) {
    std::set<std::pair<int, int>> tiles;
    d.forEachTile(s, [&](int col, int row) { tiles.insert({col, row}); });
    return tiles;
}

} // namespace

TEST(DamageTiles, ShapesReachEveryTileTheirPixelsFallInButNotTheInside) {
    DamageTiles d;
    d.resize(20 * T, 20 * T);
    const double cx = 10.3 * T, cy = 9.7 * T, r = 6.2 * T;
    const auto ring = tilesOf(d, {TileShape::Ring, cx, cy, r, 0, 2.5});
    for (int deg = 0; deg < 3600; ++deg) {
        const double a = deg * std::numbers::pi / 1800;
        const int x = static_cast<int>(cx + r * std::cos(a)),
                  y = static_cast<int>(cy + r * std::sin(a));
        EXPECT_TRUE(ring.count({x / T, y / T})) << x << ", " << y;
    }
    EXPECT_FALSE(ring.count({10, 9})); // the centre
    EXPECT_FALSE(ring.count({0, 0}));  // the corner outside
    // A ring far larger than the picture still only visits the picture's tiles.
    const auto huge = tilesOf(d, {TileShape::Ring, 0, 0, 1e6, 0, 2.5});
    EXPECT_TRUE(huge.empty());

    const double x0 = 1.5 * T, y0 = 17.2 * T, x1 = 18.1 * T, y1 = 2.4 * T;
    const auto segment = tilesOf(d, {TileShape::Segment, x0, y0, x1, y1, 2.5});
    for (int k = 0; k <= 1000; ++k) {
        const double t = k / 1000.0;
        const int x = static_cast<int>(x0 + t * (x1 - x0)),
                  y = static_cast<int>(y0 + t * (y1 - y0));
        EXPECT_TRUE(segment.count({x / T, y / T})) << x << ", " << y;
    }
    EXPECT_FALSE(segment.count({18, 17})); // far off the diagonal
    EXPECT_LT(segment.size(), 60u);        // a band along it, not its bounding box

    // Off the picture a shape reaches nothing; a box clips to the picture.
    EXPECT_TRUE(tilesOf(d, {TileShape::Segment, -500, -500, -100, -90, 2.5}).empty());
    EXPECT_EQ(tilesOf(d, {TileShape::Box, -50, -50, 40, 10, 0}).size(), 2u);
    // The pen's margin reaches into the next row and column.
    EXPECT_EQ(tilesOf(d, {TileShape::Box, 5, 5, T - 1, T - 1, 2.5}).size(), 4u);
}

TEST(DamageTiles, ChangedRunsMergeNeighboursAlongARowAndStopAtThePictureEdge) {
    DamageTiles d;
    d.resize(10 * T - 7, 3 * T); // the last column is narrower
    const TileShape row0{TileShape::Box, 0, 5, 10 * T, 6, 0};
    std::vector<PixelRect> runs;
    d.changedRuns(row0, runs);
    EXPECT_TRUE(runs.empty()); // nothing changed yet
    EXPECT_FALSE(d.any());

    for (int col : {2, 3, 4, 6, 9})
        d.markPixel(col * T + 1, 3);
    d.changedRuns(row0, runs);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].left, 2 * T);
    EXPECT_EQ(runs[0].right, 5 * T - 1);
    EXPECT_EQ(runs[0].top, 0);
    EXPECT_EQ(runs[0].bottom, T - 1);
    EXPECT_EQ(runs[1].left, 6 * T);
    EXPECT_EQ(runs[1].right, 7 * T - 1);
    EXPECT_EQ(runs[2].right, 10 * T - 8);

    // A shape in another row meets none of the changed tiles.
    d.changedRuns({TileShape::Box, 0, 2 * T + 3, 10 * T, 2 * T + 4, 0}, runs);
    EXPECT_TRUE(runs.empty());

    // Runs over the same columns in neighbouring rows join into one rectangle.
    d.markPixel(2 * T, T + 5);
    d.markPixel(3 * T, T + 5);
    d.changedRuns({TileShape::Box, 2.2 * T, 0, 3.8 * T, 3 * T - 1, 0}, runs);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].left, 2 * T);
    EXPECT_EQ(runs[0].right, 4 * T - 1);
    EXPECT_EQ(runs[0].top, 0);
    EXPECT_EQ(runs[0].bottom, 2 * T - 1);

    // A tile is found by its pixel: column from x, row from y.
    d.clear();
    d.markTile(d.tileOf(3 * T + 1, 2 * T + 1));
    EXPECT_TRUE(d.marked(3, 2));
    EXPECT_FALSE(d.marked(2, 0));

    d.markAll();
    EXPECT_TRUE(d.all());
    d.changedRuns({TileShape::Box, 0, 0, 1e9, 1e9, 0}, runs);
    ASSERT_EQ(runs.size(), 1u); // the whole picture
    EXPECT_EQ(runs[0].right, 10 * T - 8);
    EXPECT_EQ(runs[0].bottom, 3 * T - 1);
    d.clear();
    EXPECT_FALSE(d.any());
}
