#include "canvas/label_index_qt.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace sonrel {

namespace {

// The cell of a coordinate, within 0 .. n − 1 (labels beyond the picture's
// edge share its border cells, so overlapping boxes still share a cell).
int cellOf(double v, int cell, int n) {
    const double c = std::floor(v / cell);
    if (!(c >= 0)) return 0;
    return c >= n - 1 ? n - 1 : static_cast<int>(c);
}

// Whether two rectangles share an area (touching edges do not count).
bool overlap(double l1, double t1, double r1, double b1, double l2, double t2, double r2,
             double b2) {
    return l1 < r2 && l2 < r1 && t1 < b2 && t2 < b1;
}

} // namespace

void LabelIndex::reset(int w, int h) {
    w_ = std::max(1, w);
    h_ = std::max(1, h);
    cols_ = (w_ + kCell - 1) / kCell;
    rows_ = (h_ + kCell - 1) / kCell;
    labels_.clear();
    seen_.clear();
    ++generation_;
    cells_.assign(static_cast<std::size_t>(cols_) * rows_, {});
    live_ = 0;
    minVisibleWidth_ = minVisibleHeight_ = std::numeric_limits<double>::infinity();
}

void LabelIndex::boundVisible(const Edges& visible) {
    if (visible.empty()) return; // never forgotten by a fill
    minVisibleWidth_ = std::min(minVisibleWidth_, visible.right - visible.left);
    minVisibleHeight_ = std::min(minVisibleHeight_, visible.bottom - visible.top);
}

LabelIndex::Edges LabelIndex::edgesOf(const QRectF& r) {
    // Rectangles of no or negative size are empty (see Edges).
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

void LabelIndex::cellRange(const Edges& r, int& x0, int& x1, int& y0, int& y1) const {
    x0 = cellOf(r.left, kCell, cols_);
    x1 = cellOf(r.right, kCell, cols_);
    y0 = cellOf(r.top, kCell, rows_);
    y1 = cellOf(r.bottom, kCell, rows_);
}

template <class F> void LabelIndex::forNear(const Edges& r, F f) {
    int x0, x1, y0, y1;
    cellRange(r, x0, x1, y0, y1);
    ++query_;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            for (std::uint32_t k : cells_[static_cast<std::size_t>(y) * cols_ + x]) {
                if (!labels_[k].alive || seen_[k] == query_) continue;
                seen_[k] = query_;
                f(k);
            }
}

void LabelIndex::add(std::uint32_t k) {
    int x0, x1, y0, y1;
    cellRange(labels_[k].ink, x0, x1, y0, y1);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            cells_[static_cast<std::size_t>(y) * cols_ + x].push_back(k);
}

bool LabelIndex::admit(const QRectF& box, const std::string& text, std::uint64_t& hint) {
    if (cells_.empty()) reset(w_, h_);
    // The same label printed again where it still is.
    if (stillShown(hint) && labels_[static_cast<std::uint32_t>(hint)].box == box &&
        labels_[static_cast<std::uint32_t>(hint)].text == text)
        return true;
    auto remember = [&](std::uint32_t k) { hint = (std::uint64_t(generation_) + 1) << 32 | k; };
    // The box without the font's blank edges: lines of a text block touch
    // without their glyphs overlapping.
    const Edges ink = edgesOf(box.adjusted(1, 2, -1, -2));
    bool overlaps = false, same = false;
    forNear(ink, [&](std::uint32_t k) {
        const Label& l = labels_[k];
        const Edges& o = l.ink;
        if (!overlap(o.left, o.top, o.right, o.bottom, ink.left, ink.top, ink.right, ink.bottom))
            return;
        if (!same && l.box == box && l.text == text) {
            same = true;
            remember(k);
        }
        overlaps = true;
    });
    if (same) return true;
    if (overlaps) return false;
    const Edges all = edgesOf(box);
    const Edges visible{std::max(all.left, 0.0), std::max(all.top, 0.0),
                        std::min(all.right, double(w_)), std::min(all.bottom, double(h_))};
    labels_.push_back({box, ink, visible, text, true});
    boundVisible(visible);
    seen_.push_back(0);
    add(static_cast<std::uint32_t>(labels_.size() - 1));
    remember(static_cast<std::uint32_t>(labels_.size() - 1));
    ++live_;
    return true;
}

void LabelIndex::forgetUnderAny(const QRectF& fill) {
    const Edges f = edgesOf(fill);
    if (f.left <= 0 && f.top <= 0 && f.right >= w_ && f.bottom >= h_) {
        reset(w_, h_); // the picture cleared: every label goes
        return;
    }
    const Edges within{std::max(f.left, 0.0), std::max(f.top, 0.0), std::min(f.right, double(w_)),
                       std::min(f.bottom, double(h_))};
    if (within.empty() || within.right - within.left < minVisibleWidth_ ||
        within.bottom - within.top < minVisibleHeight_)
        return;
    forNear(within, [&](std::uint32_t k) {
        Label& l = labels_[k];
        const Edges& v = l.visible;
        if (!v.empty() && f.left <= v.left && v.right <= f.right && f.top <= v.top &&
            v.bottom <= f.bottom) {
            l.alive = false;
            --live_;
        }
    });
    // Forgotten labels stay in their cells until they outnumber the rest.
    if (labels_.size() > 256 && live_ < labels_.size() / 2) compact();
}

void LabelIndex::compact() {
    std::vector<Label> kept;
    kept.reserve(live_);
    for (Label& l : labels_)
        if (l.alive) kept.push_back(std::move(l));
    labels_ = std::move(kept);
    seen_.assign(labels_.size(), 0);
    ++generation_;
    query_ = 0;
    minVisibleWidth_ = minVisibleHeight_ = std::numeric_limits<double>::infinity();
    for (const Label& l : labels_)
        boundVisible(l.visible);
    for (auto& cell : cells_)
        cell.clear();
    for (std::uint32_t k = 0; k < labels_.size(); ++k)
        add(k);
}

} // namespace sonrel
