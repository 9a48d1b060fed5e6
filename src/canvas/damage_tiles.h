#pragma once
// The picture divided into square tiles, and which of them an animation
// frame changed. A primitive redrawn unchanged need only be painted again
// inside the changed tiles, so a display step pays for what moved rather
// than for the whole picture.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace sonrel {

// Where a primitive's pixels can lie, in pixel coordinates: a box, a
// segment or a circle's outline, each widened by a margin for the pen.
struct TileShape {
    enum Kind : std::uint8_t { Box, Segment, Ring } kind = Box;
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0; // Ring: centre x0, y0 and radius x1
    double margin = 0;
};

// The tiles a shape's bounding box spans, inclusive; not limited to the picture.
struct TileBounds {
    int col0 = 0, col1 = -1, row0 = 0, row1 = -1;
};

// Inclusive pixel bounds.
struct PixelRect {
    int left = 0, top = 0, right = -1, bottom = -1;
};

class DamageTiles {
public:
    static constexpr int kTile = 32;

    void resize(int widthPx, int heightPx);
    void clear(); // nothing changed
    void markAll();
    void mark(const TileShape& s);
    void markPixel(int x, int y);
    void markTile(int tile);
    bool any() const { return count_ > 0; }
    bool all() const { return count_ == static_cast<int>(marked_.size()); }
    bool marked(int col, int row) const { return marked_[index(col, row)] != 0; }
    int tileOf(int x, int y) const { return index(x / kTile, y / kTile); }
    bool markedTile(int tile) const { return marked_[static_cast<std::size_t>(tile)] != 0; }

    // The changed tiles the shape touches, merged along each tile row into
    // pixel rectangles clipped to the picture. Replaces out's content.
    // True when the shape touches tiles and all of them changed.
    bool changedRuns(const TileShape& s, std::vector<PixelRect>& out) const {
        return changedRuns(s, boundsOf(s), out);
    }
    // The same with the shape's bounds worked out beforehand.
    bool changedRuns(const TileShape& s, const TileBounds& b, std::vector<PixelRect>& out) const;
    static TileBounds boundsOf(const TileShape& s);

    // Calls f(col, row) for every tile the shape may touch, row by row and
    // left to right within a row.
    template <class F> void forEachTile(const TileShape& s, F&& f) const;

private:
    std::size_t index(int col, int row) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) +
               static_cast<std::size_t>(col);
    }
    int colOf(double x) const { return clampTo(std::floor(x / kTile), cols_); }
    int rowOf(double y) const { return clampTo(std::floor(y / kTile), rows_); }
    static int clampTo(double v, int n) {
        return static_cast<int>(std::clamp(v, -1.0, static_cast<double>(n)));
    }

    void set(int col, int row);
    void forgetBounds(); // no tile changed

    int width_ = 0, height_ = 0, cols_ = 0, rows_ = 0, count_ = 0;
    int minCol_ = 0, maxCol_ = -1, minRow_ = 0, maxRow_ = -1; // bounds of the changed tiles
    std::vector<std::uint8_t> marked_;
};

template <class F> void DamageTiles::forEachTile(const TileShape& s, F&& f) const {
    const double m = s.margin;
    if (s.kind == TileShape::Ring) {
        const double cx = s.x0, cy = s.y0, r = std::fabs(s.x1);
        const double inner = std::max(0.0, r - m), outer = r + m;
        const int r0 = std::max(0, rowOf(cy - outer)), r1 = std::min(rows_ - 1, rowOf(cy + outer));
        for (int row = r0; row <= r1; ++row) {
            const double top = row * kTile, bottom = top + kTile;
            const double nearY = std::max({top - cy, 0.0, cy - bottom});
            const double farY = std::max(std::fabs(top - cy), std::fabs(bottom - cy));
            if (nearY > outer) continue;
            // Within this band of heights the outline lies between the
            // half-widths xIn and xOut from the centre: the hole needs no tiles.
            const double xOut = std::sqrt(outer * outer - nearY * nearY);
            const double xIn = farY < inner ? std::sqrt(inner * inner - farY * farY) : 0.0;
            const int l0 = std::max(0, colOf(cx - xOut)), l1 = std::min(cols_ - 1, colOf(cx - xIn));
            const int g0 = std::max(0, colOf(cx + xIn)), g1 = std::min(cols_ - 1, colOf(cx + xOut));
            for (int col = l0; col <= l1; ++col)
                f(col, row);
            for (int col = std::max(g0, l1 + 1); col <= g1; ++col)
                f(col, row);
        }
        return;
    }
    const double xa = std::min(s.x0, s.x1), xb = std::max(s.x0, s.x1);
    const int r0 = std::max(0, rowOf(std::min(s.y0, s.y1) - m));
    const int r1 = std::min(rows_ - 1, rowOf(std::max(s.y0, s.y1) + m));
    for (int row = r0; row <= r1; ++row) {
        double lo = xa, hi = xb;
        if (s.kind == TileShape::Segment && s.y0 != s.y1) {
            // The part of the segment within this row's band of heights.
            const double top = row * kTile - m, bottom = (row + 1) * kTile + m;
            double ta = (top - s.y0) / (s.y1 - s.y0), tb = (bottom - s.y0) / (s.y1 - s.y0);
            if (ta > tb) std::swap(ta, tb);
            ta = std::max(ta, 0.0);
            tb = std::min(tb, 1.0);
            if (ta > tb) continue;
            const double xa2 = s.x0 + ta * (s.x1 - s.x0), xb2 = s.x0 + tb * (s.x1 - s.x0);
            lo = std::min(xa2, xb2);
            hi = std::max(xa2, xb2);
        }
        const int c0 = std::max(0, colOf(lo - m)), c1 = std::min(cols_ - 1, colOf(hi + m));
        for (int col = c0; col <= c1; ++col)
            f(col, row);
    }
}

} // namespace sonrel
