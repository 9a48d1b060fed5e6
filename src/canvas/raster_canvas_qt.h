#pragma once
// The canvas that makes pixels: a QImage drawn with a QPainter kept open
// between primitives, so an animation does not pay for a painter per point.
#include "canvas/canvas.h"

#include <QFont>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QStaticText>
#include <functional>
#include <memory>
#include <vector>

namespace sonrel {

class RasterCanvas : public Canvas {
public:
    RasterCanvas(int widthPx, int heightPx);
    ~RasterCanvas() override;

    void clear() override;
    void line(double x1, double y1, double x2, double y2, Color c) override;
    void circle(double x, double y, double r, Color c) override;
    void point(double x, double y, Color c) override;
    void points(const double* xs, const double* ys, std::size_t n, Color c) override;
    void print(const std::string& text) override;

    // Changes the pixel size; the picture is cleared to the background.
    void resizePixels(int widthPx, int heightPx);
    int widthPx() const { return image_.width(); }
    int heightPx() const { return image_.height(); }

    // The persistent image with every pending primitive finished.
    const QImage& image();
    QRgb pixelAt(double x, double y);

    void setFontPixelSize(int px);
    double textLineHeightUser() const;

    QPointF toPixels(double x, double y) const;
    QPointF toUser(double px, double py) const;

    // Called once per batch of drawing, so a widget can schedule one repaint.
    std::function<void()> onChanged;

private:
    QPainter& painter();
    const QStaticText& laidOut(const QString& line);
    void changed();
    static QColor qcolor(Color c);

    QImage image_;
    std::vector<QPoint> batch_;             // pixels of the last points() batch
    std::vector<double> batchXs_, batchYs_; // the batch they were mapped from
    QRectF batchScale_;
    QSize batchSize_;
    std::unique_ptr<QPainter> painter_;
    QFont font_;
    QHash<QString, QStaticText> textCache_;
    int lineHeightPx_ = 14;
    bool notified_ = false;
    friend class CanvasWidget;
};

} // namespace sonrel
