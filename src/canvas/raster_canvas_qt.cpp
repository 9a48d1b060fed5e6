#include "canvas/raster_canvas_qt.h"

#include "base/checked_math.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <tuple>

namespace sonrel {

RasterCanvas::RasterCanvas(int widthPx, int heightPx)
    : image_(widthPx, heightPx, QImage::Format_RGB32), w_(widthPx), h_(heightPx),
      font_("DejaVu Sans") {
    font_.setPixelSize(11);
    // Aliased glyphs are opaque like every other primitive, so a label
    // painted again over itself leaves the same pixels.
    font_.setStyleStrategy(QFont::NoAntialias);
    lineHeightPx_ = QFontMetrics(font_).lineSpacing();
    image_.fill(qrgb(background_));
    damage_.resize(widthPx, heightPx);
}

RasterCanvas::~RasterCanvas() = default;

QRgb RasterCanvas::qrgb(Color c) {
    return qRgb(c & 0xff, (c >> 8) & 0xff, (c >> 16) & 0xff);
}

QPainter& RasterCanvas::painter() {
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setFont(font_);
    }
    return *painter_;
}

void RasterCanvas::changed() {
    if (!notified_ && onChanged) {
        notified_ = true;
        onChanged();
    }
}

const QImage& RasterCanvas::image() {
    painter_.reset(); // finishes pending drawing
    notified_ = false;
    return image_;
}

QRgb RasterCanvas::pixelAt(double x, double y) {
    const QPointF p = toPixels(x, y);
    const int px = static_cast<int>(std::floor(p.x())), py = static_cast<int>(std::floor(p.y()));
    if (px < 0 || py < 0 || px >= w_ || py >= h_) return 0;
    const QImage& img = image();
    return img.pixel(devicePixel(px, img.width(), w_), devicePixel(py, img.height(), h_));
}

int RasterCanvas::devicePixel(int logical, int deviceSize, int logicalSize) {
    // The device pixel at the top left of the logical one.
    if (deviceSize == logicalSize) return logical;
    const int p = static_cast<int>(std::floor(logical * (double(deviceSize) / logicalSize)));
    return std::clamp(p, 0, deviceSize - 1);
}

QImage RasterCanvas::logicalImage() {
    // A zoomed picture is drawn again at the screen's own scale, so a saved
    // file is the same at any window size.
    if (zoom_ != 1) {
        QImage unzoomed = replay(screenRatio_).first;
        if (screenRatio_ == 1) {
            unzoomed.setDevicePixelRatio(1);
            return unzoomed;
        }
        std::swap(unzoomed, image_);
        const double ratio = dpr_;
        dpr_ = screenRatio_;
        QImage out = logicalImage();
        dpr_ = ratio;
        std::swap(unzoomed, image_);
        return out;
    }
    const QImage& img = image();
    if (img.width() == w_ && img.height() == h_) {
        QImage out = img;
        out.setDevicePixelRatio(1);
        return out;
    }
    // One device pixel per logical pixel, the one pixelAt() reads.
    QImage out(w_, h_, QImage::Format_RGB32);
    for (int y = 0; y < h_; ++y) {
        const auto* in =
            reinterpret_cast<const QRgb*>(img.constScanLine(devicePixel(y, img.height(), h_)));
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w_; ++x)
            row[x] = in[devicePixel(x, img.width(), w_)];
    }
    return out;
}

void RasterCanvas::setDevicePixelRatio(double ratio) {
    if (!(ratio > 0) || ratio == screenRatio_) return;
    screenRatio_ = ratio;
    rerender(screenRatio_ * zoom_);
}

void RasterCanvas::setZoom(double zoom) {
    if (!(zoom > 0) || zoom == zoom_) return;
    zoom_ = zoom;
    rerender(screenRatio_ * zoom_);
}

void RasterCanvas::rerender(double ratio) {
    if (ratio == dpr_) return;
    painter_.reset();
    dpr_ = ratio;
    // The journal painted again at the new scale: what was drawn stays sharp.
    std::tie(image_, paper_) = replay(dpr_);
    forgetFrames();
    batch_.reset();
    damage_.resize(w_, h_);
    changed();
}

std::pair<QImage, QImage> RasterCanvas::replay(double ratio) const {
    QImage img(std::max(1, static_cast<int>(std::ceil(w_ * ratio - 1e-9))),
               std::max(1, static_cast<int>(std::ceil(h_ * ratio - 1e-9))), QImage::Format_RGB32);
    img.setDevicePixelRatio(ratio);
    img.fill(qrgb(background_));
    QImage paper;
    QPainter p(&img);
    // Set up as painter() is: the font's aliased glyphs come from the painter's font.
    auto setUp = [&] {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setFont(font_);
    };
    setUp();
    PaintOp op;
    for (const JournalOp& j : journal_) {
        if (j.kind == PaintOp::Dropped) continue;
        if (j.kind == PaintOp::Lines) {
            const auto& lines = *std::static_pointer_cast<const std::vector<QLineF>>(j.data);
            p.setPen(QPen(inkOf(j.color, paper, ratio), 1));
            p.drawLines(lines.data(), static_cast<int>(lines.size()));
            continue;
        }
        if (j.kind == PaintOp::Picture) {
            // Too many primitives to keep: this part is the picture scaled.
            const auto& kept = *std::static_pointer_cast<const KeptPicture>(j.data);
            p.setRenderHint(QPainter::SmoothPixmapTransform, true);
            p.drawImage(QRectF(0, 0, w_, h_), kept.image);
            p.setRenderHint(QPainter::SmoothPixmapTransform, false);
            if (!kept.paper.isNull())
                paper =
                    kept.paper.scaled(img.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            continue;
        }
        if (j.kind == PaintOp::TakePaper) {
            p.end();
            paper = img.copy();
            paper.setDevicePixelRatio(1);
            p.begin(&img);
            setUp();
            continue;
        }
        op.kind = j.kind;
        op.width = j.width;
        op.color = j.color;
        op.a = j.a, op.b = j.b, op.c = j.c, op.d = j.d;
        if (j.kind == PaintOp::Text)
            op.text = static_cast<const QStaticText*>(j.data.get());
        else if (j.kind == PaintOp::Pixels)
            op.batch = std::static_pointer_cast<const PixelBatch>(j.data);
        paintOn(p, op, inkOf(op.color, paper, ratio));
        op.text = nullptr;
        op.batch.reset();
    }
    if (previousPending_)
        for (const PaintOp& f : previous_)
            paintOn(p, f, inkOf(f.color, paper, ratio));
    p.end();
    return {img, paper};
}

void RasterCanvas::record(const PaintOp& op) {
    JournalOp j{op.kind, op.width, op.color, op.a, op.b, op.c, op.d, {}};
    if (op.kind == PaintOp::Text)
        j.data = op.textEntry->second; // the journal outlives the cache
    else if (op.kind == PaintOp::Pixels)
        j.data = op.batch;
    journal_.push_back(std::move(j));
}

void RasterCanvas::compactJournal() {
    // A frame's primitives painted again by the next frame are marked
    // Dropped at once (see endFrame); once they are half the journal they go.
    if (journalDropped_ > 4096 && 2 * journalDropped_ > journal_.size()) {
        std::vector<char> keep(journal_.size());
        for (std::size_t i = 0; i < journal_.size(); ++i)
            keep[i] = journal_[i].kind != PaintOp::Dropped;
        keepInJournal(keep);
    }
    // Compacting again only once the journal has doubled since the last time
    // keeps the cost per primitive constant, also when little can go.
    if (journalWeight() <= std::max(kJournalLimit, 2 * compactedSize_)) return;
    if (!compactionPays_ && journalFrames_.empty() && frameDepth_ == 0) {
        // A trace that repeats almost nothing: searching it again is wasted.
        keepPictureInJournal();
        return;
    }
    const std::size_t before = journal_.size();
    // Every primitive is opaque: a pixel shows the last primitive that
    // covers it. A primitive painted again later (an animation repaints its
    // grid, markers and labels at every display step) can therefore go from
    // its earlier place without changing the picture. The background layer's
    // part stays whole, since the layer is taken from it.
    const std::size_t head = journalPaper_;
    auto hash = [this](std::size_t i) {
        const JournalOp& j = journal_[i];
        std::size_t h = std::hash<double>()(j.a) ^ (std::hash<double>()(j.b) << 1);
        h ^= (std::hash<double>()(j.c) << 2) ^ (std::hash<double>()(j.d) << 3);
        h ^= (std::size_t(j.color) << 7) ^ (std::size_t(j.kind) << 3) ^ std::size_t(j.width);
        return h ^ std::hash<const void*>()(j.data.get());
    };
    auto same = [this](std::size_t x, std::size_t y) {
        const JournalOp &p = journal_[x], &q = journal_[y];
        return p.kind == q.kind && p.width == q.width && p.color == q.color && p.a == q.a &&
               p.b == q.b && p.c == q.c && p.d == q.d && p.data == q.data;
    };
    // The entries met so far, walking back from the end, in an open-addressed
    // table of entry numbers + 1 (0 for a free slot).
    std::size_t tableSize = 16;
    while (tableSize < 2 * (journal_.size() - head))
        tableSize *= 2;
    std::vector<std::uint32_t> later(tableSize, 0);
    auto firstSeen = [&](std::size_t i) {
        for (std::size_t s = hash(i) * 0x9E3779B97F4A7C15ull >> 20 & (tableSize - 1);;
             s = (s + 1) & (tableSize - 1)) {
            if (later[s] == 0) {
                later[s] = static_cast<std::uint32_t>(i + 1);
                return true;
            }
            if (same(later[s] - 1, i)) return false;
        }
    };
    std::vector<char> keep(journal_.size(), 1);
    for (std::size_t i = journal_.size(); i-- > head;)
        keep[i] = journal_[i].kind != PaintOp::Dropped && firstSeen(i);
    keepInJournal(keep);
    compactedSize_ = journalWeight();
    compactionPays_ = 4 * (before - journal_.size()) >= before - head;
    if (journalWeight() <= kJournalLimit / 2) return;
    if (journalFrames_.empty()) {
        if (frameDepth_ == 0) keepPictureInJournal();
        return;
    }
    // Still too long: the oldest frames after the background layer go. Each
    // frame repaints its moving parts, so the picture drawn again loses only
    // traces that those frames left and no later frame covered.
    const std::size_t keepFrom = journal_.size() - kJournalLimit / 2;
    auto cut = std::lower_bound(journalFrames_.begin(), journalFrames_.end(), keepFrom);
    if (cut == journalFrames_.end() || *cut <= head) return;
    const std::size_t to = *cut;
    journal_.erase(journal_.begin() + static_cast<std::ptrdiff_t>(head),
                   journal_.begin() + static_cast<std::ptrdiff_t>(to));
    std::vector<std::size_t> kept;
    for (std::size_t start : journalFrames_)
        if (start >= to) kept.push_back(start - (to - head));
    journalFrames_ = std::move(kept);
    countJournalLines();
    compactedSize_ = journalWeight();
    if (journalWeight() > kJournalLimit / 2 && frameDepth_ == 0) keepPictureInJournal();
}

void RasterCanvas::keepPictureInJournal() {
    // Drawing that leaves every primitive on the picture (traces of rays,
    // step by step) cannot be shortened: what is drawn so far is kept as an
    // image, drawn again scaled, and what follows is journalled again.
    auto kept = std::make_shared<KeptPicture>();
    kept->image = image().copy();
    kept->paper = paper_;
    journal_.clear();
    journal_.push_back({PaintOp::Picture, 0, 0, 0, 0, 0, 0, std::move(kept)});
    journalPaper_ = journal_.size();
    journalFrames_.clear();
    journalDropped_ = 0;
    journalLines_ = 0;
    compactedSize_ = journal_.size();
    previousPending_ = false; // the last frame is on the kept image
    forgetJournalPlaces();
}

void RasterCanvas::keepInJournal(const std::vector<char>& keep) {
    const std::size_t head = journalPaper_;
    std::size_t out = head, f = 0;
    std::vector<std::size_t> frames;
    for (std::size_t i = head; i < journal_.size(); ++i) {
        for (; f < journalFrames_.size() && journalFrames_[f] <= i; ++f)
            if (journalFrames_[f] >= head && (frames.empty() || frames.back() != out))
                frames.push_back(out);
        if (keep[i]) journal_[out++] = std::move(journal_[i]);
    }
    journal_.resize(out);
    journalFrames_ = std::move(frames);
    journalDropped_ = 0;
    countJournalLines();
    forgetJournalPlaces();
}

void RasterCanvas::countJournalLines() {
    journalLines_ = 0;
    for (const JournalOp& j : journal_)
        if (j.kind == PaintOp::Lines)
            journalLines_ +=
                std::static_pointer_cast<const std::vector<QLineF>>(j.data)->size() - 1;
}

void RasterCanvas::forgetJournalPlaces() {
    for (PaintOp& op : previous_)
        op.journalAt = PaintOp::kNowhere;
    for (PaintOp& op : frame_)
        op.journalAt = PaintOp::kNowhere;
}

std::size_t RasterCanvas::journalBytes() const {
    std::size_t bytes =
        journal_.capacity() * sizeof(JournalOp) + journalFrames_.capacity() * sizeof(std::size_t);
    for (const JournalOp& j : journal_)
        if (j.kind == PaintOp::Lines)
            bytes += std::static_pointer_cast<const std::vector<QLineF>>(j.data)->capacity() *
                     sizeof(QLineF);
    return bytes;
}

QImage RasterCanvas::screenImage() {
    QImage out = image();
    out.detach();
    out.setDevicePixelRatio(1);
    return out;
}

void RasterCanvas::makeImage() {
    painter_.reset();
    forgetFrames();
    batch_.reset();
    image_ =
        QImage(std::max(1, static_cast<int>(std::ceil(w_ * dpr_ - 1e-9))),
               std::max(1, static_cast<int>(std::ceil(h_ * dpr_ - 1e-9))), QImage::Format_RGB32);
    image_.setDevicePixelRatio(dpr_);
    image_.fill(qrgb(background_));
    paper_ = QImage();
    damage_.resize(w_, h_);
    journal_.clear();
    journalFrames_.clear();
    journalPaper_ = 0;
    journalDropped_ = 0;
    journalLines_ = 0;
    compactionPays_ = true;
    labels_.reset(w_, h_);
}

QPointF RasterCanvas::toPixels(double x, double y) const {
    const double w = w_, h = h_;
    return {(x - x1_) / (x2_ - x1_) * w, (y - y1_) / (y2_ - y1_) * h};
}

QPointF RasterCanvas::toUser(double px, double py) const {
    const double w = w_, h = h_;
    return {x1_ + px / w * (x2_ - x1_), y1_ + py / h * (y2_ - y1_)};
}

void RasterCanvas::setFontPixelSize(int px) {
    font_.setPixelSize(px);
    lineHeightPx_ = QFontMetrics(font_).lineSpacing();
    forgetFrames(); // the keys of the laid-out texts they refer to go
    textCache_.clear();
    if (painter_) painter_->setFont(font_);
}

double RasterCanvas::textLineHeightUser() const {
    return lineHeightPx_ * (y2_ - y1_) / h_;
}

void RasterCanvas::keepAsBackground() {
    // Within a frame the image does not yet show what the frame draws.
    if (frameDepth_ > 0) return;
    paper_ = image();
    // Kept in device pixels: the texture's scale is set where it is used.
    paper_.setDevicePixelRatio(1);
    // The erasing primitives of the previous frame painted the old layer.
    forgetFrames();
    journal_.push_back({PaintOp::TakePaper, 0, 0, 0, 0, 0, 0, {}});
    journalPaper_ = journal_.size();
}

void RasterCanvas::clear() {
    if (frameDepth_ == 0) {
        if (!paper_.isNull()) {
            paper_ = QImage();
            forgetFrames();
        }
        // Nothing drawn before shows any more.
        journal_.clear();
        journalFrames_.clear();
        journalPaper_ = 0;
        journalDropped_ = 0;
        journalLines_ = 0;
        compactionPays_ = true;
        forgetJournalPlaces();
        labels_.reset(w_, h_);
    }
    PaintOp op;
    op.kind = PaintOp::Fill;
    op.color = qrgb(background_);
    op.a = 0, op.b = 0, op.c = w_ - 1, op.d = h_ - 1;
    submit(std::move(op));
    setCurrent(x1_, y1_);
}

static bool drawable(double a, double b) {
    return std::isfinite(a) && std::isfinite(b);
}

// Far-off pixel positions are clipped by the raster engine; keep them within a sane range.
static bool nearPicture(const QPointF& p) {
    constexpr double lim = 1e6;
    return std::fabs(p.x()) <= lim && std::fabs(p.y()) <= lim;
}

bool RasterCanvas::segmentInPixels(const double* ends, QPointF& a, QPointF& b) const {
    if (!drawable(ends[0], ends[1]) || !drawable(ends[2], ends[3])) return false;
    a = toPixels(ends[0], ends[1]);
    b = toPixels(ends[2], ends[3]);
    return nearPicture(a) && nearPicture(b);
}

void RasterCanvas::line(double x1, double y1, double x2, double y2, Color c) {
    const double ends[] = {x1, y1, x2, y2};
    QPointF a, b;
    if (!segmentInPixels(ends, a, b)) return;
    PaintOp op;
    op.color = qrgb(c);
    op.width = drawWidth_;
    if (drawWidth_ == 1 && (a.x() == b.x()) != (a.y() == b.y())) {
        // A grid line: filling its pixel run sets exactly the pixels that the
        // aliased line would, without the line rasteriser.
        // The rasteriser works in 1/64 pixel, so snap there before taking the pixel.
        auto pixel = [](double v) { return std::floor(std::round(v * 64) / 64); };
        op.kind = PaintOp::Fill;
        op.a = pixel(std::min(a.x(), b.x())), op.c = pixel(std::max(a.x(), b.x()));
        op.b = pixel(std::min(a.y(), b.y())), op.d = pixel(std::max(a.y(), b.y()));
    } else {
        op.kind = PaintOp::Line;
        op.a = a.x(), op.b = a.y(), op.c = b.x(), op.d = b.y();
    }
    submit(std::move(op));
}

void RasterCanvas::lines(const double* ends, std::size_t n, Color c) {
    // Inside a frame each line is compared on its own; erasing lines take
    // their pixels from the background layer one by one.
    if (frameDepth_ > 0 || drawWidth_ != 1 || (erases(c) && !paper_.isNull()))
        return Canvas::lines(ends, n, c);
    journalPreviousFrame(); // drawn after the last frame, journalled after it
    lineBatch_.clear();
    for (std::size_t k = 0; k < n; ++k) {
        QPointF a, b;
        if (!segmentInPixels(ends + 4 * k, a, b)) continue;
        lineBatch_.emplace_back(a, b);
        if (havePrevious_)
            damage_.mark({TileShape::Segment, a.x(), a.y(), b.x(), b.y(), PaintOp::penMargin(1)});
    }
    if (lineBatch_.empty()) return;
    // The batch is journalled as one entry that counts as its lines.
    journal_.push_back({PaintOp::Lines, 1, qrgb(c), 0, 0, 0, 0,
                        std::make_shared<const std::vector<QLineF>>(lineBatch_)});
    journalLines_ += lineBatch_.size() - 1;
    compactJournal();
    // One pen and one call for the lot: the rasteriser draws each line as it
    // would alone.
    QPainter& p = painter();
    p.setPen(QPen(QColor(qrgb(c)), 1));
    p.drawLines(lineBatch_.data(), static_cast<int>(lineBatch_.size()));
    settleVectorRegisters();
    changed();
}

void RasterCanvas::circle(double x, double y, double r, Color c) {
    if (!drawable(x, y) || !std::isfinite(r)) return;
    const double rp = std::fabs(r * w_ / (x2_ - x1_));
    if (rp > 1e6) return;
    const QPointF centre = toPixels(x, y);
    PaintOp op;
    op.kind = PaintOp::Ellipse;
    op.color = qrgb(c);
    op.width = drawWidth_;
    op.a = centre.x(), op.b = centre.y(), op.c = rp;
    submit(std::move(op));
}

void RasterCanvas::point(double x, double y, Color c) {
    if (!drawable(x, y)) return;
    const QPointF p = toPixels(x, y);
    if (!nearPicture(p)) return;
    PaintOp op;
    op.color = qrgb(c);
    op.width = drawWidth_;
    if (drawWidth_ <= 1) {
        const double px = std::floor(p.x()), py = std::floor(p.y());
        if (px < 0 || py < 0 || px >= w_ || py >= h_) return;
        op.kind = PaintOp::Pixel;
        op.a = px, op.b = py;
    } else {
        op.kind = PaintOp::Disc;
        op.a = p.x(), op.b = p.y(), op.c = drawWidth_ / 2.0;
    }
    submit(std::move(op));
}

void RasterCanvas::points(const double* xs, const double* ys, std::size_t n, Color c,
                          std::uint64_t revision) {
    if (drawWidth_ > 1) return Canvas::points(xs, ys, n, c);
    std::shared_ptr<const PixelBatch> batch = mapBatch(xs, ys, n, revision);
    if (batch->pixels.empty()) return;
    PaintOp op;
    op.kind = PaintOp::Pixels;
    op.color = qrgb(c);
    op.batch = std::move(batch);
    submit(std::move(op));
}

std::shared_ptr<const RasterCanvas::PixelBatch>
RasterCanvas::mapBatch(const double* xs, const double* ys, std::size_t n, std::uint64_t revision) {
    // An animation redraws the same batch (the wave of completed periods) at
    // every display step: map it to pixels only when the batch or the scale changes.
    const bool sameFrame = batch_ && n == batchXs_.size() &&
                           batchScale_ == QRectF(x1_, y1_, x2_, y2_) && batchSize_ == image_.size();
    const bool sameRevision = revision != 0 && revision == batchRevision_;
    if (sameFrame && (sameRevision || (std::equal(xs, xs + n, batchXs_.begin()) &&
                                       std::equal(ys, ys + n, batchYs_.begin()))))
        return batch_;
    batchRevision_ = revision;
    batchXs_.assign(xs, xs + n);
    batchYs_.assign(ys, ys + n);
    batchScale_ = QRectF(x1_, y1_, x2_, y2_);
    batchSize_ = image_.size();
    auto batch = std::make_shared<PixelBatch>();
    // Each pixel once however many points fall on it in a row.
    const int w = w_, h = h_;
    const double dx = x2_ - x1_, dy = y2_ - y1_;
    for (std::size_t k = 0; k < n; ++k) {
        // The same arithmetic as toPixels, so a batch lands where single points would.
        const double px = (xs[k] - x1_) / dx * w, py = (ys[k] - y1_) / dy * h;
        if (!(px >= 0 && py >= 0 && px < w && py < h)) continue; // also drops NaN
        const QPoint p(static_cast<int>(px), static_cast<int>(py));
        if (!batch->pixels.empty() && batch->pixels.back() == p) continue;
        batch->pixels.push_back(p);
    }
    batch->byTile = batch->pixels;
    std::stable_sort(batch->byTile.begin(), batch->byTile.end(), [&](QPoint l, QPoint r) {
        return damage_.tileOf(l.x(), l.y()) < damage_.tileOf(r.x(), r.y());
    });
    for (std::size_t k = 0; k < batch->byTile.size(); ++k) {
        const int tile = damage_.tileOf(batch->byTile[k].x(), batch->byTile[k].y());
        if (batch->tileStarts.empty() || batch->tileStarts.back().first != tile)
            batch->tileStarts.emplace_back(tile, k);
    }
    batch_ = std::move(batch);
    return batch_;
}

void RasterCanvas::print(const std::string& text) {
    printLines(text, false);
}

void RasterCanvas::printWithin(const std::string& text) {
    printLines(text, true);
}

void RasterCanvas::printLines(const std::string& text, bool within) {
    double x = currentX_, y = currentY_;
    const double step = textLineHeightUser();
    std::size_t from = 0;
    for (bool first = true;; first = false) {
        const std::size_t end = text.find('\n', from);
        std::string line =
            text.substr(from, end == std::string::npos ? std::string::npos : end - from);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (end == std::string::npos && line.empty() && !first) break; // text ended by a line break
        QPointF at = toPixels(x, y);
        if (!line.empty() && nearPicture(at)) {
            PaintOp op;
            op.kind = PaintOp::Text;
            op.color = qrgb(textColor_);
            // A frame mostly prints what the previous frame printed at the
            // same place in its list: take that layout without a lookup.
            const std::size_t n = frame_.size();
            const bool again = frameDepth_ > 0 && n < previous_.size() &&
                               previous_[n].kind == PaintOp::Text &&
                               previous_[n].textEntry->first == line;
            if (again) {
                op.textEntry = previous_[n].textEntry;
                op.text = previous_[n].text;
                op.label = previous_[n].label;
            } else {
                op.textEntry = &laidOut(line);
                op.text = op.textEntry->second.get();
            }
            if (within) {
                // An axis number at the edge moves inside rather than being cut.
                const QSizeF size = op.text->size();
                at.setX(std::clamp(at.x(), 0.0, std::max(0.0, w_ - size.width())));
                at.setY(std::clamp(at.y(), 0.0, std::max(0.0, h_ - size.height())));
            }
            op.a = at.x(), op.b = at.y();
            // Labels printed again at every display step with a changed value
            // would pile up into an unreadable blot: a label is drawn only
            // where no other label is still to be seen. The previous frame's
            // label, printed again where it still stands, needs no search.
            if ((again && previous_[n].a == op.a && previous_[n].b == op.b &&
                 labels_.stillShown(op.label)) ||
                labels_.admit(QRectF(at, op.text->size()), line, op.label))
                submit(std::move(op));
        }
        x = x1_;
        y += step;
        if (end == std::string::npos) break;
        from = end + 1;
    }
    setCurrent(x1_, y);
}

const RasterCanvas::TextEntry& RasterCanvas::laidOut(const std::string& line) {
    // Animations print the same labels at every display step: lay each out once.
    auto it = textCache_.find(line);
    if (it == textCache_.end()) {
        // Frames refer to laid-out texts, so the cache is only emptied between frames.
        // The journal and the labels keep their laid-out texts alive.
        if (textCache_.size() > 4096 && frameDepth_ == 0) {
            forgetFrames();
            textCache_.clear();
        }
        auto st = std::make_shared<QStaticText>(QString::fromStdString(line));
        st->setTextFormat(Qt::PlainText);
        st->setPerformanceHint(QStaticText::AggressiveCaching);
        st->prepare(QTransform(), font_);
        it = textCache_.emplace(line, std::move(st)).first;
    }
    return *it;
}

void RasterCanvas::resizePixels(int widthPx, int heightPx) {
    w_ = widthPx;
    h_ = heightPx;
    makeImage();
    changed();
}

} // namespace sonrel
