#include "canvas/damage_tiles.h"

namespace sonrel {

void DamageTiles::resize(int widthPx, int heightPx) {
    width_ = std::max(0, widthPx);
    height_ = std::max(0, heightPx);
    cols_ = (width_ + kTile - 1) / kTile;
    rows_ = (height_ + kTile - 1) / kTile;
    marked_.assign(static_cast<std::size_t>(cols_) * static_cast<std::size_t>(rows_), 0);
    forgetBounds();
}

void DamageTiles::forgetBounds() {
    count_ = 0;
    minCol_ = minRow_ = 0;
    maxCol_ = maxRow_ = -1;
}

void DamageTiles::clear() {
    if (count_ == 0) return;
    std::fill(marked_.begin(), marked_.end(), 0);
    forgetBounds();
}

void DamageTiles::markAll() {
    std::fill(marked_.begin(), marked_.end(), 1);
    count_ = static_cast<int>(marked_.size());
    minCol_ = minRow_ = 0;
    maxCol_ = cols_ - 1;
    maxRow_ = rows_ - 1;
}

void DamageTiles::set(int col, int row) {
    std::uint8_t& t = marked_[index(col, row)];
    if (t) return;
    t = 1;
    if (count_++ == 0) {
        minCol_ = maxCol_ = col;
        minRow_ = maxRow_ = row;
        return;
    }
    minCol_ = std::min(minCol_, col);
    maxCol_ = std::max(maxCol_, col);
    minRow_ = std::min(minRow_, row);
    maxRow_ = std::max(maxRow_, row);
}

TileBounds DamageTiles::boundsOf(const TileShape& s) {
    double x0, y0, x1, y1;
    if (s.kind == TileShape::Ring) {
        const double reach = std::fabs(s.x1) + s.margin;
        x0 = s.x0 - reach, x1 = s.x0 + reach, y0 = s.y0 - reach, y1 = s.y0 + reach;
    } else {
        x0 = std::min(s.x0, s.x1) - s.margin, x1 = std::max(s.x0, s.x1) + s.margin;
        y0 = std::min(s.y0, s.y1) - s.margin, y1 = std::max(s.y0, s.y1) + s.margin;
    }
    // Far-off shapes only need to land beyond every tile of any picture.
    auto tile = [](double v) {
        return static_cast<int>(std::clamp(std::floor(v / kTile), -1e6, 1e6));
    };
    return {tile(x0), tile(x1), tile(y0), tile(y1)};
}

void DamageTiles::mark(const TileShape& s) {
    if (all()) return;
    forEachTile(s, [this](int col, int row) { set(col, row); });
}

void DamageTiles::markPixel(int x, int y) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    markTile(tileOf(x, y));
}

void DamageTiles::markTile(int tile) {
    set(tile % cols_, tile / cols_);
}

bool DamageTiles::changedRuns(const TileShape& s, const TileBounds& b,
                              std::vector<PixelRect>& out) const {
    out.clear();
    // Nothing to do unless the shape's bounds meet the bounds of what changed.
    if (!any() || b.col1 < minCol_ || b.col0 > maxCol_ || b.row1 < minRow_ || b.row0 > maxRow_)
        return false;
    bool touched = false, every = true;
    int runRow = -1, runFirst = 0, runLast = -2;
    auto flush = [&] {
        if (runRow < 0) return;
        out.push_back({runFirst * kTile, runRow * kTile,
                       std::min(width_, (runLast + 1) * kTile) - 1,
                       std::min(height_, (runRow + 1) * kTile) - 1});
        runRow = -1;
    };
    forEachTile(s, [&](int col, int row) {
        touched = true;
        if (!marked(col, row)) {
            every = false;
            flush();
            return;
        }
        if (runRow == row && col == runLast + 1) {
            runLast = col;
            return;
        }
        flush();
        runRow = row;
        runFirst = runLast = col;
    });
    flush();
    // Runs over the same columns in neighbouring rows become one rectangle,
    // so a tall primitive is painted once for them.
    std::size_t kept = 0;
    for (std::size_t k = 0; k < out.size(); ++k) {
        bool merged = false;
        for (std::size_t m = 0; m < kept && !merged; ++m) {
            PixelRect& r = out[m];
            if (r.left == out[k].left && r.right == out[k].right && r.bottom + 1 == out[k].top) {
                r.bottom = out[k].bottom;
                merged = true;
            }
        }
        if (!merged) out[kept++] = out[k];
    }
    out.resize(kept);
    return touched && every;
}

} // namespace sonrel
