#include "canvas/raster_canvas_qt.h"

#include <QFontMetrics>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace sonrel {

RasterCanvas::RasterCanvas(int widthPx, int heightPx)
    : image_(widthPx, heightPx, QImage::Format_RGB32), font_("DejaVu Sans") {
    font_.setPixelSize(11);
    lineHeightPx_ = QFontMetrics(font_).lineSpacing();
    image_.fill(qcolor(background_));
}

RasterCanvas::~RasterCanvas() = default;

QColor RasterCanvas::qcolor(Color c) {
    return QColor(c & 0xff, (c >> 8) & 0xff, (c >> 16) & 0xff);
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
    const QImage& img = image();
    if (px < 0 || py < 0 || px >= img.width() || py >= img.height()) return 0;
    return img.pixel(px, py);
}

QPointF RasterCanvas::toPixels(double x, double y) const {
    const double w = image_.width(), h = image_.height();
    return {(x - x1_) / (x2_ - x1_) * w, (y - y1_) / (y2_ - y1_) * h};
}

QPointF RasterCanvas::toUser(double px, double py) const {
    const double w = image_.width(), h = image_.height();
    return {x1_ + px / w * (x2_ - x1_), y1_ + py / h * (y2_ - y1_)};
}

void RasterCanvas::setFontPixelSize(int px) {
    font_.setPixelSize(px);
    lineHeightPx_ = QFontMetrics(font_).lineSpacing();
    textCache_.clear();
    if (painter_) painter_->setFont(font_);
}

double RasterCanvas::textLineHeightUser() const {
    return lineHeightPx_ * (y2_ - y1_) / image_.height();
}

void RasterCanvas::clear() {
    painter().fillRect(image_.rect(), qcolor(background_));
    setCurrent(x1_, y1_);
    changed();
}

static bool drawable(double a, double b) {
    return std::isfinite(a) && std::isfinite(b);
}

void RasterCanvas::line(double x1, double y1, double x2, double y2, Color c) {
    if (!drawable(x1, y1) || !drawable(x2, y2)) return;
    QPainter& p = painter();
    p.setPen(QPen(qcolor(c), drawWidth_));
    const QPointF a = toPixels(x1, y1), b = toPixels(x2, y2);
    // Far-off ends are clipped by the raster engine; keep them within a sane range.
    constexpr double lim = 1e6;
    if (std::fabs(a.x()) > lim || std::fabs(a.y()) > lim || std::fabs(b.x()) > lim ||
        std::fabs(b.y()) > lim)
        return;
    if (drawWidth_ == 1 && (a.x() == b.x()) != (a.y() == b.y())) {
        // A grid line: filling its pixel run sets exactly the pixels that the
        // aliased line would, without the line rasteriser.
        // The rasteriser works in 1/64 pixel, so snap there before taking the pixel.
        auto pixel = [](double v) { return static_cast<int>(std::floor(std::round(v * 64) / 64)); };
        const int x0 = pixel(std::min(a.x(), b.x())), x1 = pixel(std::max(a.x(), b.x()));
        const int y0 = pixel(std::min(a.y(), b.y())), y1 = pixel(std::max(a.y(), b.y()));
        p.fillRect(QRect(x0, y0, x1 - x0 + 1, y1 - y0 + 1), qcolor(c));
    } else {
        p.drawLine(a, b);
    }
    changed();
}

void RasterCanvas::circle(double x, double y, double r, Color c) {
    if (!drawable(x, y) || !std::isfinite(r)) return;
    const double rp = std::fabs(r * image_.width() / (x2_ - x1_));
    if (rp > 1e6) return;
    QPainter& p = painter();
    p.setPen(QPen(qcolor(c), drawWidth_));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(toPixels(x, y), rp, rp);
    changed();
}

void RasterCanvas::point(double x, double y, Color c) {
    if (!drawable(x, y)) return;
    const QPointF p = toPixels(x, y);
    if (std::fabs(p.x()) > 1e6 || std::fabs(p.y()) > 1e6) return;
    if (drawWidth_ <= 1) {
        const int px = static_cast<int>(std::floor(p.x())),
                  py = static_cast<int>(std::floor(p.y()));
        if (px >= 0 && py >= 0 && px < image_.width() && py < image_.height()) {
            QPainter& pa = painter();
            pa.setPen(QPen(qcolor(c), 1));
            pa.drawPoint(QPoint(px, py));
            changed();
        }
        return;
    }
    QPainter& pa = painter();
    pa.setPen(Qt::NoPen);
    pa.setBrush(qcolor(c));
    const double d = drawWidth_;
    pa.drawEllipse(p, d / 2, d / 2);
    pa.setBrush(Qt::NoBrush);
    changed();
}

void RasterCanvas::points(const double* xs, const double* ys, std::size_t n, Color c) {
    if (drawWidth_ > 1) return Canvas::points(xs, ys, n, c);
    // An animation redraws the same batch (the wave of completed periods) at
    // every display step: map it to pixels only when the batch or the scale changes.
    const bool same = n == batchXs_.size() && batchScale_ == QRectF(x1_, y1_, x2_, y2_) &&
                      batchSize_ == image_.size() && std::equal(xs, xs + n, batchXs_.begin()) &&
                      std::equal(ys, ys + n, batchYs_.begin());
    if (!same) {
        batchXs_.assign(xs, xs + n);
        batchYs_.assign(ys, ys + n);
        batchScale_ = QRectF(x1_, y1_, x2_, y2_);
        batchSize_ = image_.size();
        // Each pixel once however many points fall on it.
        batch_.clear();
        const int w = image_.width(), h = image_.height();
        const double dx = x2_ - x1_, dy = y2_ - y1_;
        for (std::size_t k = 0; k < n; ++k) {
            // The same arithmetic as toPixels, so a batch lands where single points would.
            const double px = (xs[k] - x1_) / dx * w, py = (ys[k] - y1_) / dy * h;
            if (!(px >= 0 && py >= 0 && px < w && py < h)) continue; // also drops NaN
            const QPoint p(static_cast<int>(px), static_cast<int>(py));
            if (!batch_.empty() && batch_.back() == p) continue;
            batch_.push_back(p);
        }
    }
    if (batch_.empty()) return;
    QPainter& pa = painter();
    pa.setPen(QPen(qcolor(c), 1));
    pa.drawPoints(batch_.data(), static_cast<int>(batch_.size()));
    changed();
}

void RasterCanvas::print(const std::string& text) {
    QPainter& p = painter();
    p.setPen(qcolor(textColor_));
    const QStringList lines = QString::fromStdString(text).split('\n');
    double x = currentX_, y = currentY_;
    const double step = textLineHeightUser();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith('\r')) line.chop(1);
        if (i == lines.size() - 1 && line.isEmpty() && i > 0) break; // text ended by a line break
        const QPointF at = toPixels(x, y);
        if (!line.isEmpty() && std::fabs(at.x()) < 1e6 && std::fabs(at.y()) < 1e6)
            p.drawStaticText(at, laidOut(line));
        x = x1_;
        y += step;
    }
    setCurrent(x1_, y);
    changed();
}

const QStaticText& RasterCanvas::laidOut(const QString& line) {
    // Animations print the same labels at every display step: lay each out once.
    auto it = textCache_.find(line);
    if (it != textCache_.end()) return *it;
    if (textCache_.size() > 4096) textCache_.clear();
    QStaticText st(line);
    st.setTextFormat(Qt::PlainText);
    st.setPerformanceHint(QStaticText::AggressiveCaching);
    st.prepare(QTransform(), font_);
    return *textCache_.insert(line, st);
}

void RasterCanvas::resizePixels(int widthPx, int heightPx) {
    painter_.reset();
    image_ = QImage(widthPx, heightPx, QImage::Format_RGB32);
    image_.fill(qcolor(background_));
    changed();
}

} // namespace sonrel
