#include "canvas/damage_tiles.h"

namespace sonrel {

void DamageTiles::resize(int widthPx, int heightPx) {
    width_ = std::max(0, widthPx);
    height_ = std::max(0, heightPx);
    cols_ = (width_ + kTile - 1) / kTile;
    rows_ = (height_ + kTile - 1) / kTile;
    marked_.assign(static_cast<std::size_t>(cols_) * static_cast<std::size_t>(rows_), 0);
    count_ = 0;
}

void DamageTiles::clear() {
    if (count_ == 0) return;
    std::fill(marked_.begin(), marked_.end(), 0);
    count_ = 0;
}

void DamageTiles::markAll() {
    std::fill(marked_.begin(), marked_.end(), 1);
    count_ = static_cast<int>(marked_.size());
}

void DamageTiles::mark(const TileShape& s) {
    if (all()) return;
    forEachTile(s, [this](int col, int row) {
        std::uint8_t& t = marked_[index(col, row)];
        count_ += t == 0;
        t = 1;
    });
}

void DamageTiles::markPixel(int x, int y) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    markTile(tileOf(x, y));
}

void DamageTiles::markTile(int tile) {
    std::uint8_t& t = marked_[static_cast<std::size_t>(tile)];
    count_ += t == 0;
    t = 1;
}

void DamageTiles::changedRuns(const TileShape& s, std::vector<PixelRect>& out) const {
    out.clear();
    if (!any()) return;
    int runRow = -1, runFirst = 0, runLast = -2;
    auto flush = [&] {
        if (runRow < 0) return;
        out.push_back({runFirst * kTile, runRow * kTile,
                       std::min(width_, (runLast + 1) * kTile) - 1,
                       std::min(height_, (runRow + 1) * kTile) - 1});
        runRow = -1;
    };
    forEachTile(s, [&](int col, int row) {
        if (!marked(col, row)) {
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
}

} // namespace sonrel
