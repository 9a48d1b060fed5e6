#pragma once
// Shows a raster canvas at its pixel size, or zoomed when the window has room
// for more, and reports presses of the left and middle buttons in the
// canvas's user coordinates (the right button opens the picture's menu).
// Repaints are coalesced: many primitives, one paint.
#include "canvas/raster_canvas_qt.h"

#include <QWidget>
#include <functional>

class QAction;
class QPainter;

namespace sonrel {

class CanvasWidget : public QWidget {
    Q_OBJECT
public:
    CanvasWidget(const char* objectName, int widthPx, int heightPx, QWidget* parent = nullptr);

    RasterCanvas& canvas() { return canvas_; }
    // Changes the pixel size of the picture (and of the widget).
    void resizePicture(int widthPx, int heightPx);
    // Shows the picture `zoom` (at least 1) times its pixel size, drawn
    // again at that scale; the widget takes the zoomed size.
    void setZoom(double zoom);
    double zoom() const { return canvas_.zoom(); }
    // The zoom at which the picture, its shape kept, fits `room`: at least 1.
    double zoomToFit(QSize room) const;

    // "Сохранить как…": asks for a file and saves the picture as PNG or BMP.
    // It is the first entry of the picture's context menu; a window adds
    // its own entries after it with addAction(). The menu shows next to it
    // "Сохранить как… (в размере экрана)", the picture as shown, zoomed.
    QAction* saveAsAction() const { return saveAs_; }
    // Saves the picture to path (see savePictureAs), then puts the notice in
    // the window's status line, or tells the user it failed. Returns the
    // path written, empty on failure. atScreenSize saves it as shown.
    QString savePictureTo(const QString& path, bool atScreenSize = false);

    // Drawn over the picture at every repaint, in the widget's pixels (zoom
    // included), never into the canvas: what it shows is neither saved nor
    // read back by pixelAt. Call update() when what it shows changes.
    std::function<void(QPainter&)> paintOverlay;

signals:
    // x, y in user coordinates; button as Qt::MouseButton.
    void mousePressed(double x, double y, int button);

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void contextMenuEvent(QContextMenuEvent*) override;

private:
    void saveAsClicked(bool atScreenSize);
    QSize zoomedSize() const;

    RasterCanvas canvas_;
    QAction* saveAs_;
};

// Twips of the window layouts to pixels (15 twips per pixel).
constexpr int twips(int t) {
    return (t + 7) / 15;
}

} // namespace sonrel
