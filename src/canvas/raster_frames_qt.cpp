// Painting the primitives of a RasterCanvas, at once or as animation frames.
//
// A frame's primitives replace the previous frame's. Every primitive is
// opaque, so a pixel shows the last primitive that covers it. Where neither
// an added nor a removed primitive can reach, the primitives covering a pixel
// are the same, in the same order, as in the previous frame, which already
// left them there: those tiles need no painting. In the tiles that changed
// the whole frame is painted again in order, clipped to them.
#include "canvas/raster_canvas_qt.h"

#include "base/checked_math.h"

namespace sonrel {

namespace {
// How far the matching of a frame against the previous one looks ahead
// for a primitive that moved within the list.
constexpr std::size_t kLookAhead = 64;
} // namespace

bool RasterCanvas::PaintOp::operator==(const PaintOp& o) const {
    return kind == o.kind && color == o.color && width == o.width && a == o.a && b == o.b &&
           c == o.c && d == o.d && text == o.text && batch == o.batch;
}

QRect RasterCanvas::PaintOp::box() const {
    return {QPoint(static_cast<int>(a), static_cast<int>(b)),
            QPoint(static_cast<int>(c), static_cast<int>(d))};
}

TileShape RasterCanvas::PaintOp::shape() const {
    const double pen = penMargin(width);
    switch (kind) {
    case Fill:
    case Pixel:
        return {TileShape::Box, a, b, kind == Fill ? c : a, kind == Fill ? d : b, 0};
    case Line:
        return {TileShape::Segment, a, b, c, d, pen};
    case Ellipse:
        return {TileShape::Ring, a, b, c, 0, pen};
    case Disc:
        return {TileShape::Box, a - c, b - c, a + c, b + c, 2};
    case Text: {
        const QSizeF size = text->size();
        return {TileShape::Box, a, b, a + size.width(), b + size.height(), 3};
    }
    case Pixels:
    case TakePaper:
    case Dropped:
    case Picture:
    case Lines:
        break;
    }
    return {TileShape::Box, 0, 0, 1e9, 1e9, 0}; // a batch marks its own tiles
}

void RasterCanvas::locate(PaintOp& op) {
    op.area = op.shape();
    op.bounds = DamageTiles::boundsOf(op.area);
}

void RasterCanvas::submit(PaintOp op) {
    if (op.kind == PaintOp::Fill) forgetLabelsUnder(op.box());
    if (frameDepth_ > 0) {
        frame_.push_back(std::move(op)); // located when the frame ends
        return;
    }
    locate(op);
    paint(op);
    journalPreviousFrame();
    record(op);
    compactJournal();
    // Drawing between frames is covered by the next frame where they overlap.
    if (havePrevious_) markChanged(op);
    changed();
}

QBrush RasterCanvas::ink(const PaintOp& op) const {
    return inkOf(op.color, paper_, dpr_);
}

QBrush RasterCanvas::inkOf(QRgb color, const QImage& paper, double ratio) {
    if (paper.isNull() || qRed(color) < 250 || qGreen(color) < 250 || qBlue(color) < 250)
        return QBrush(QColor(color));
    // The layer's pixels where the primitive's pixels lie: the painter
    // scales logical to device pixels, the texture is in device pixels.
    QBrush brush(paper);
    brush.setTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
    return brush;
}

void RasterCanvas::paint(const PaintOp& op) {
    paintOn(painter(), op, ink(op));
    // Models often draw from inside their arithmetic loops.
    settleVectorRegisters();
}

void RasterCanvas::paintOn(QPainter& p, const PaintOp& op, const QBrush& brush) {
    switch (op.kind) {
    case PaintOp::Fill:
        p.fillRect(op.box(), brush);
        break;
    case PaintOp::Line:
        p.setPen(QPen(brush, op.width));
        p.drawLine(QPointF(op.a, op.b), QPointF(op.c, op.d));
        break;
    case PaintOp::Ellipse:
        p.setPen(QPen(brush, op.width));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(op.a, op.b), op.c, op.c);
        break;
    case PaintOp::Pixel:
        p.setPen(QPen(brush, 1));
        p.drawPoint(QPoint(static_cast<int>(op.a), static_cast<int>(op.b)));
        break;
    case PaintOp::Disc:
        p.setPen(Qt::NoPen);
        p.setBrush(brush);
        p.drawEllipse(QPointF(op.a, op.b), op.c, op.c);
        p.setBrush(Qt::NoBrush);
        break;
    case PaintOp::Pixels:
        p.setPen(QPen(brush, 1));
        p.drawPoints(op.batch->pixels.data(), static_cast<int>(op.batch->pixels.size()));
        break;
    case PaintOp::Text:
        p.setPen(QPen(brush, 1));
        p.drawStaticText(QPointF(op.a, op.b), *op.text);
        break;
    case PaintOp::TakePaper:
    case PaintOp::Dropped:
    case PaintOp::Picture:
    case PaintOp::Lines:
        break;
    }
}

void RasterCanvas::markChanged(const PaintOp& op) {
    if (op.kind != PaintOp::Pixels) return damage_.mark(op.area);
    for (const auto& [tile, first] : op.batch->tileStarts)
        damage_.markTile(tile);
}

void RasterCanvas::paintChangedTiles(const PaintOp& op) {
    QPainter& p = painter();
    if (op.kind == PaintOp::Pixels) {
        // Single pixels need no clipping: paint the ones within changed tiles.
        const PixelBatch& b = *op.batch;
        p.setClipping(false);
        p.setPen(QPen(ink(op), 1));
        for (std::size_t k = 0; k < b.tileStarts.size(); ++k) {
            if (!damage_.markedTile(b.tileStarts[k].first)) continue;
            const std::size_t first = b.tileStarts[k].second;
            const std::size_t end =
                k + 1 < b.tileStarts.size() ? b.tileStarts[k + 1].second : b.byTile.size();
            p.drawPoints(b.byTile.data() + first, static_cast<int>(end - first));
        }
        return;
    }
    if (damage_.changedRuns(op.area, op.bounds, runs_) && runs_.size() > 1) {
        // Every tile it can reach changed (so for each primitive new in this
        // frame): one unclipped painting sets the same pixels as one per run.
        p.setClipping(false);
        paint(op);
        return;
    }
    if (runs_.empty()) return;
    if (op.kind == PaintOp::Fill) {
        // A filled box is cut to each run directly: the same pixels, no clip to set.
        p.setClipping(false);
        const QRect box = op.box();
        for (const PixelRect& r : runs_) {
            const QRect part = box & QRect(QPoint(r.left, r.top), QPoint(r.right, r.bottom));
            if (!part.isEmpty()) p.fillRect(part, ink(op));
        }
        return;
    }
    if (op.kind == PaintOp::Pixel) {
        // Its one tile changed, or there would be no run.
        p.setClipping(false);
        paint(op);
        return;
    }
    for (const PixelRect& r : runs_) {
        p.setClipRect(QRect(QPoint(r.left, r.top), QPoint(r.right, r.bottom)));
        paint(op);
    }
}

void RasterCanvas::diffWithPreviousFrame() {
    // A monotone matching of equal primitives; whatever is left unmatched on
    // either side was added or removed and marks its tiles changed.
    std::size_t j = 0;
    for (PaintOp& op : frame_) {
        std::size_t found = previous_.size();
        const std::size_t limit = std::min(previous_.size(), j + kLookAhead);
        for (std::size_t k = j; k < limit; ++k)
            if (previous_[k] == op) {
                found = k;
                break;
            }
        if (found == previous_.size()) {
            locate(op);
            markChanged(op);
            continue;
        }
        op.area = previous_[found].area;
        op.bounds = previous_[found].bounds;
        op.journalAt = previous_[found].journalAt;
        previous_[found].repeated = true;
        for (; j < found; ++j)
            markChanged(previous_[j]);
        j = found + 1;
    }
    for (; j < previous_.size(); ++j)
        markChanged(previous_[j]);
}

void RasterCanvas::beginFrame() {
    if (frameDepth_++ == 0) frame_.clear();
}

void RasterCanvas::endFrame() {
    if (frameDepth_ == 0 || --frameDepth_ > 0) return;
    bool painted = false;
    if (!retained_ || !havePrevious_ || damage_.all()) {
        for (PaintOp& op : frame_) {
            locate(op);
            paint(op);
        }
        painted = !frame_.empty();
        if (painted) changed();
    } else {
        diffWithPreviousFrame();
        painted = damage_.any();
        if (painted) {
            for (const PaintOp& op : frame_)
                paintChangedTiles(op);
            painter().setClipping(false);
            changed();
        }
    }
    // A frame the same as the one before leaves the same pixels: the journal
    // needs it once.
    if (painted) {
        if (previousPending_) {
            // What this frame paints again in the same place covers the
            // previous frame's copy; the rest of that frame stays on the picture.
            journalFrames_.push_back(journal_.size());
            for (const PaintOp& op : previous_)
                if (!op.repeated) record(op);
        } else {
            for (const PaintOp& op : frame_)
                if (op.journalAt >= journalPaper_ && op.journalAt < journal_.size() &&
                    journal_[op.journalAt].kind != PaintOp::Dropped) {
                    journal_[op.journalAt].kind = PaintOp::Dropped;
                    journal_[op.journalAt].data.reset();
                    ++journalDropped_;
                }
        }
        for (PaintOp& op : frame_)
            op.journalAt = PaintOp::kNowhere;
        previousPending_ = true;
        compactJournal();
    } else if (frame_.empty()) {
        journalPreviousFrame(); // an empty frame leaves the previous one standing
    }
    std::swap(previous_, frame_);
    frame_.clear();
    havePrevious_ = true;
    damage_.clear();
}

void RasterCanvas::journalPreviousFrame() {
    if (!previousPending_) return;
    previousPending_ = false;
    journalFrames_.push_back(journal_.size());
    for (PaintOp& op : previous_) {
        op.journalAt = journal_.size();
        record(op);
    }
    compactJournal();
}

void RasterCanvas::forgetFrames() {
    journalPreviousFrame();
    previous_.clear();
    havePrevious_ = false;
    damage_.clear();
}

} // namespace sonrel
