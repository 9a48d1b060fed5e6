#pragma once
// The text labels on a picture, found by where they lie. An animation prints
// its labels at every display step, so a picture collects thousands of them;
// each new label and each filled box is compared only with the labels in the
// cells of the picture it touches, not with all of them.
#include <QRectF>

#include <cstdint>
#include <string>
#include <vector>

namespace sonrel {

class LabelIndex {
public:
    // Forgets every label; the picture is w × h logical pixels.
    void reset(int w, int h);
    // Whether the label `text` in `box` may be drawn: no other label still on
    // the picture overlaps it (the same label at the same place may be drawn
    // again). A label that may be drawn is kept.
    // `hint` names the label admitted for the same primitive of the previous
    // frame: when that label is still on the picture, unchanged, the answer
    // needs no search. It is set to the label admitted now.
    bool admit(const QRectF& box, const std::string& text, std::uint64_t& hint);
    // Whether the label `hint` names (see admit) is still on the picture.
    bool stillShown(std::uint64_t hint) const {
        const std::uint32_t k = static_cast<std::uint32_t>(hint);
        return hint >> 32 == std::uint64_t(generation_) + 1 && k < labels_.size() &&
               labels_[k].alive;
    }
    // Forgets the labels whose part on the picture lies within `fill`.
    void forgetUnder(const QRectF& fill) {
        // Most fills (grid lines, erased pixels) are thinner than any label.
        if (live_ == 0 || fill.width() < minVisibleWidth_ || fill.height() < minVisibleHeight_)
            return;
        forgetUnderAny(fill);
    }
    std::size_t size() const { return live_; }

private:
    // A rectangle by its edges, left < right and top < bottom unless empty.
    struct Edges {
        double left, top, right, bottom;
        bool empty() const { return !(left < right && top < bottom); }
    };
    struct Label {
        QRectF box;
        Edges ink;     // the box without the font's blank edges
        Edges visible; // the box's part on the picture
        std::string text;
        bool alive;
    };
    static constexpr int kCell = 64; // logical pixels
    static Edges edgesOf(const QRectF& r);
    // Calls f(label number) once for each label in the cells that r touches.
    template <class F> void forNear(const Edges& r, F f);
    void cellRange(const Edges& r, int& x0, int& x1, int& y0, int& y1) const;
    void add(std::uint32_t k);
    void boundVisible(const Edges& visible);
    void compact();
    void forgetUnderAny(const QRectF& fill);

    std::vector<Label> labels_;
    std::vector<std::vector<std::uint32_t>> cells_; // label numbers, row by row
    std::vector<std::uint32_t> seen_;               // per label: the query that met it last
    std::uint32_t query_ = 0;
    std::uint32_t generation_ = 0; // label numbers change with it
    // No live label's part on the picture is narrower or lower than this
    // (a bound kept since the last reset or compaction): a thinner fill, such
    // as a grid line, cannot take any label.
    double minVisibleWidth_ = 0, minVisibleHeight_ = 0;
    int w_ = 1, h_ = 1, cols_ = 1, rows_ = 1;
    std::size_t live_ = 0;
};

} // namespace sonrel
