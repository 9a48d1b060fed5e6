#pragma once
// The canvas that makes pixels: a QImage drawn with a QPainter kept open
// between primitives, so an animation does not pay for a painter per point.
// Inside a frame the primitives are collected and compared with the previous
// frame's; only the tiles where something changed are painted again.
#include "canvas/canvas.h"
#include "canvas/damage_tiles.h"

#include <QBrush>
#include <QFont>
#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QStaticText>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace sonrel {

class RasterCanvas : public Canvas {
public:
    RasterCanvas(int widthPx, int heightPx);
    ~RasterCanvas() override;

    void clear() override;
    void keepAsBackground() override;
    void line(double x1, double y1, double x2, double y2, Color c) override;
    void circle(double x, double y, double r, Color c) override;
    void point(double x, double y, Color c) override;
    void points(const double* xs, const double* ys, std::size_t n, Color c,
                std::uint64_t revision = 0) override;
    void lines(const double* ends, std::size_t n, Color c) override;
    void print(const std::string& text) override;
    void beginFrame() override;
    void endFrame() override;

    // With retained frames off every frame is painted whole: the reference
    // the tile-by-tile painting must match pixel for pixel.
    void setRetainedFrames(bool on) { retained_ = on; }

    // Changes the pixel size; the picture is cleared to the background.
    void resizePixels(int widthPx, int heightPx);
    // The size in logical pixels: the picture's own pixel size, the one that
    // user coordinates, saved files and pixel reads refer to.
    int widthPx() const { return w_; }
    int heightPx() const { return h_; }

    // Renders with `ratio` device pixels per logical pixel (the screen's
    // scaling), so lines and text stay sharp on a high-density screen.
    void setDevicePixelRatio(double ratio);
    double devicePixelRatio() const { return dpr_; }

    // The persistent image with every pending primitive finished, in device
    // pixels (its devicePixelRatio() says how many per logical pixel).
    const QImage& image();
    // The picture at its logical pixel size (for saving to a file).
    QImage logicalImage();
    // The colour of the logical pixel at user coordinates (x, y).
    QRgb pixelAt(double x, double y);

    void setFontPixelSize(int px);
    double textLineHeightUser() const;

    QPointF toPixels(double x, double y) const;
    QPointF toUser(double px, double py) const;

    // Called once per batch of drawing, so a widget can schedule one repaint.
    std::function<void()> onChanged;

private:
    // Pixels of a points() batch, also sorted by tile so a frame can repaint
    // the part of the batch within the changed tiles alone.
    struct PixelBatch {
        std::vector<QPoint> pixels, byTile;
        std::vector<std::pair<int, std::size_t>> tileStarts; // tile, first index in byTile
    };
    // One primitive in pixel coordinates, as painted.
    struct PaintOp {
        enum Kind : std::uint8_t { Fill, Line, Ellipse, Pixel, Disc, Pixels, Text } kind = Fill;
        QRgb color = 0;
        int width = 1;
        double a = 0, b = 0, c = 0, d = 0;    // see shape()
        const QStaticText* text = nullptr;    // owned by textCache_
        const std::string* textKey = nullptr; // its line, also owned by textCache_
        std::shared_ptr<const PixelBatch> batch;
        TileShape area; // where its pixels can lie: set when painted or matched
        TileBounds bounds;
        bool operator==(const PaintOp& o) const;
        TileShape shape() const;
        QRect box() const; // a Fill's pixels
        // How far a pen of this width reaches from the ideal shape, with the
        // rasteriser's rounding.
        static double penMargin(int width) { return width / 2.0 + 2; }
    };

    QPainter& painter();
    // What a primitive paints with: its colour, or for a near-white one the
    // background layer, so that erasing leaves the grid beneath.
    QBrush ink(const PaintOp& op) const;
    // A segment's ends in pixels; false when it cannot be drawn.
    bool segmentInPixels(const double* ends, QPointF& a, QPointF& b) const;
    void submit(PaintOp op);
    static void locate(PaintOp& op);
    void paint(const PaintOp& op);
    void paintChangedTiles(const PaintOp& op);
    void markChanged(const PaintOp& op);
    void diffWithPreviousFrame();
    void forgetFrames();
    // The laid-out line and its key in the cache.
    std::pair<const std::string*, const QStaticText*> laidOut(const std::string& line);
    std::shared_ptr<const PixelBatch> mapBatch(const double* xs, const double* ys, std::size_t n,
                                               std::uint64_t revision);
    void changed();
    void makeImage();
    static QRgb qrgb(Color c);
    static int devicePixel(int logical, int deviceSize, int logicalSize);

    QImage image_;
    QImage paper_;   // the background layer; null while it is the plain background colour
    int w_, h_;      // logical size
    double dpr_ = 1; // device pixels per logical pixel
    std::shared_ptr<const PixelBatch> batch_; // the last points() batch
    std::vector<double> batchXs_, batchYs_;   // and what it was mapped from
    std::uint64_t batchRevision_ = 0;
    QRectF batchScale_;
    QSize batchSize_;
    std::unique_ptr<QPainter> painter_;
    QFont font_;
    std::unordered_map<std::string, QStaticText> textCache_;
    int lineHeightPx_ = 14;
    bool notified_ = false;

    bool retained_ = true, havePrevious_ = false;
    int frameDepth_ = 0; // frames may nest; the outermost one paints
    std::vector<PaintOp> frame_, previous_;
    DamageTiles damage_; // changed since the previous frame was painted
    std::vector<PixelRect> runs_;
    std::vector<QLineF> lineBatch_;
    friend class CanvasWidget;
};

} // namespace sonrel
