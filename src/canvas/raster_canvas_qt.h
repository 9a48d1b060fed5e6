#pragma once
// The canvas that makes pixels: a QImage drawn with a QPainter kept open
// between primitives, so an animation does not pay for a painter per point.
// Inside a frame the primitives are collected and compared with the previous
// frame's; only the tiles where something changed are painted again.
#include "canvas/canvas.h"
#include "canvas/damage_tiles.h"
#include "canvas/label_index_qt.h"

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
    void printWithin(const std::string& text) override;
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
    double devicePixelRatio() const { return screenRatio_; }
    // Shows the picture `zoom` times its logical size (a window larger than
    // the design, a full screen): rendered with screen ratio × zoom device
    // pixels per logical pixel. What was drawn is drawn again at the new
    // scale from the journal, sharp; user coordinates stay as they are.
    void setZoom(double zoom);
    double zoom() const { return zoom_; }
    // Device pixels per logical pixel in the image: screen ratio × zoom.
    double renderRatio() const { return dpr_; }

    // The primitives kept to draw the picture again at another scale, and
    // what they take in memory. The journal holds what was drawn since the
    // last clear(); once it passes kJournalLimit primitives, those painted
    // again later go from their earlier places (the picture stays the same),
    // and if that is not enough the oldest animation frames after the
    // background layer go.
    std::size_t journalSize() const {
        return journalWeight() + (previousPending_ ? previous_.size() : 0);
    }
    std::size_t journalBytes() const;
    static constexpr std::size_t kJournalLimit = 120000;

    // The persistent image with every pending primitive finished, in device
    // pixels (its devicePixelRatio() says how many per logical pixel).
    const QImage& image();
    // The picture at its logical pixel size (for saving to a file).
    QImage logicalImage();
    // The picture as shown: at the screen ratio × zoom (for saving at screen size).
    QImage screenImage();
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
    // A laid-out line of text and the line it was laid out from.
    using TextEntry = std::pair<const std::string, std::shared_ptr<const QStaticText>>;
    struct PaintOp {
        // Journal only: TakePaper, what is drawn so far becomes the background
        // layer; Dropped, a primitive painted again later in the same place;
        // Picture, what was drawn before as an image (a KeptPicture); Lines, a
        // batch of one-pixel lines of one colour.
        enum Kind : std::uint8_t {
            Fill,
            Line,
            Ellipse,
            Pixel,
            Disc,
            Pixels,
            Text,
            TakePaper,
            Dropped,
            Picture,
            Lines
        };
        Kind kind = Fill;
        QRgb color = 0;
        int width = 1;
        double a = 0, b = 0, c = 0, d = 0;    // see shape()
        const QStaticText* text = nullptr;    // held by textCache_, or by the journal
        const TextEntry* textEntry = nullptr; // its line in textCache_ (not when replayed)
        std::shared_ptr<const PixelBatch> batch;
        TileShape area; // where its pixels can lie: set when painted or matched
        TileBounds bounds;
        // Where a frame's primitive was journalled (kNowhere when it was not,
        // or the journal has moved since).
        std::size_t journalAt = kNowhere;
        std::uint64_t label = 0; // a Text's label in labels_ (see LabelIndex::admit)
        bool repeated = false;   // a previous frame's primitive the next frame paints again
        static constexpr std::size_t kNowhere = ~std::size_t(0);
        bool operator==(const PaintOp& o) const;
        TileShape shape() const;
        QRect box() const; // a Fill's pixels
        // How far a pen of this width reaches from the ideal shape, with the
        // rasteriser's rounding.
        static double penMargin(int width) { return width / 2.0 + 2; }
    };

    // The picture and its background layer when the journal was too long, in
    // device pixels at the scale they were drawn.
    struct KeptPicture {
        QImage image, paper;
    };
    // A primitive as the journal keeps it: what painting it again needs.
    struct JournalOp {
        PaintOp::Kind kind;
        int width;
        QRgb color;
        double a, b, c, d;
        std::shared_ptr<const void> data; // the laid-out text or the pixel batch
    };

    QPainter& painter();
    // What a primitive paints with: its colour, or for a near-white one the
    // background layer, so that erasing leaves the grid beneath.
    QBrush ink(const PaintOp& op) const;
    static QBrush inkOf(QRgb color, const QImage& paper, double ratio);
    static void paintOn(QPainter& p, const PaintOp& op, const QBrush& brush);
    void record(const PaintOp& op);
    void compactJournal();
    // Keeps the journal entries marked in `keep` (the background layer's part
    // always), in order, with the frames' starts.
    void keepInJournal(const std::vector<char>& keep);
    // The primitives in the journal, each line of a batch counted.
    std::size_t journalWeight() const { return journal_.size() + journalLines_; }
    void countJournalLines();
    // The journal becomes the picture drawn so far, as an image.
    void keepPictureInJournal();
    // The frames' primitives no longer know their places in the journal.
    void forgetJournalPlaces();
    // The last frame's primitives join the journal (see previousPending_).
    void journalPreviousFrame();
    // The journal painted into a new image at `ratio`, with its background layer.
    std::pair<QImage, QImage> replay(double ratio) const;
    void rerender(double ratio);
    void printLines(const std::string& text, bool within);
    // A filled box wipes the labels it covers (their part on the picture).
    void forgetLabelsUnder(const QRect& box) {
        labels_.forgetUnder(QRectF(box.left(), box.top(), box.width() + 1.0, box.height() + 1.0));
    }
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
    const TextEntry& laidOut(const std::string& line);
    std::shared_ptr<const PixelBatch> mapBatch(const double* xs, const double* ys, std::size_t n,
                                               std::uint64_t revision);
    void changed();
    void makeImage();
    static QRgb qrgb(Color c);
    static int devicePixel(int logical, int deviceSize, int logicalSize);

    QImage image_;
    QImage paper_;   // the background layer; null while it is the plain background colour
    int w_, h_;      // logical size
    double dpr_ = 1; // device pixels per logical pixel: screenRatio_ × zoom_
    double screenRatio_ = 1, zoom_ = 1;
    std::vector<JournalOp> journal_;
    std::size_t compactedSize_ = 0;          // journal size after the last compaction
    std::size_t journalDropped_ = 0;         // entries marked Dropped
    bool compactionPays_ = true;             // the last compaction took a quarter or more
    std::size_t journalLines_ = 0;           // lines of the batches beyond their first
    std::vector<std::size_t> journalFrames_; // where each frame starts in the journal
    std::size_t journalPaper_ = 0;           // the end of the background layer's part
    // The last frame's primitives follow the journal without being in it: an
    // animation repaints most of them in the next frame, which covers them,
    // so only those it does not repaint are journalled then.
    bool previousPending_ = false;
    LabelIndex labels_;                       // the labels on the picture
    std::shared_ptr<const PixelBatch> batch_; // the last points() batch
    std::vector<double> batchXs_, batchYs_;   // and what it was mapped from
    std::uint64_t batchRevision_ = 0;
    QRectF batchScale_;
    QSize batchSize_;
    std::unique_ptr<QPainter> painter_;
    QFont font_;
    std::unordered_map<std::string, std::shared_ptr<const QStaticText>> textCache_;
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
