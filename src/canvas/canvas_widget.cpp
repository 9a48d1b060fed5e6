#include "canvas/canvas_widget.h"

#include "canvas/export_qt.h"
#include "canvas/picture_file_qt.h"
#include "ui/message_box_qt.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace sonrel {

CanvasWidget::CanvasWidget(const char* objectName, int widthPx, int heightPx, QWidget* parent)
    : QWidget(parent), canvas_(widthPx, heightPx) {
    setObjectName(objectName);
    setFixedSize(widthPx, heightPx);
    setAttribute(Qt::WA_OpaquePaintEvent);
    canvas_.onChanged = [this] { update(); };
    canvas_.setDevicePixelRatio(devicePixelRatioF());
    saveAs_ = new QAction(ExportTexts::saveAs(), this);
    saveAs_->setObjectName(QStringLiteral("actionSaveAs"));
    connect(saveAs_, &QAction::triggered, this, [this] { saveAsClicked(false); });
    addAction(saveAs_);
}

bool CanvasWidget::event(QEvent* e) {
    // Moved to a screen of another scaling: render at its density from now on.
    if (e->type() == QEvent::ScreenChangeInternal || e->type() == QEvent::Show)
        canvas_.setDevicePixelRatio(devicePixelRatioF());
    return QWidget::event(e);
}

void CanvasWidget::resizePicture(int widthPx, int heightPx) {
    canvas_.resizePixels(widthPx, heightPx);
    setFixedSize(zoomedSize());
}

QSize CanvasWidget::zoomedSize() const {
    const double z = canvas_.zoom();
    return {static_cast<int>(std::floor(canvas_.widthPx() * z + 1e-6)),
            static_cast<int>(std::floor(canvas_.heightPx() * z + 1e-6))};
}

double CanvasWidget::zoomToFit(QSize room) const {
    const double z = std::min(double(room.width()) / canvas_.widthPx(),
                              double(room.height()) / canvas_.heightPx());
    return std::max(1.0, z);
}

void CanvasWidget::setZoom(double zoom) {
    canvas_.setZoom(std::max(1.0, zoom));
    setFixedSize(zoomedSize());
}

void CanvasWidget::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    const QImage& img = canvas_.image();
    const QRect r = e->rect();
    // Image pixels per widget pixel: the screen's ratio, the zoom is in both.
    const double k = double(img.width()) / (canvas_.widthPx() * canvas_.zoom());
    const double ky = double(img.height()) / (canvas_.heightPx() * canvas_.zoom());
    p.drawImage(QRectF(r), img, QRectF(r.x() * k, r.y() * ky, r.width() * k, r.height() * ky));
    if (paintOverlay) {
        p.setClipRect(r);
        paintOverlay(p);
    }
}

void CanvasWidget::mousePressEvent(QMouseEvent* e) {
    // The right button only opens the picture's menu: it marks nothing.
    if (e->button() == Qt::RightButton) {
        QWidget::mousePressEvent(e);
        return;
    }
    const double z = canvas_.zoom();
    const QPointF u = canvas_.toUser(e->position().x() / z, e->position().y() / z);
    emit mousePressed(u.x(), u.y(), static_cast<int>(e->button()));
}

void CanvasWidget::contextMenuEvent(QContextMenuEvent* e) {
    QMenu menu(this);
    for (QAction* a : actions()) {
        menu.addAction(a);
        // Beside it, the same save of the picture as shown, zoomed.
        if (a == saveAs_)
            menu.addAction(ExportTexts::saveAtScreenSize(), this, [this] { saveAsClicked(true); })
                ->setObjectName(QStringLiteral("actionSaveAtScreenSize"));
    }
    menu.exec(e->globalPos());
}

void CanvasWidget::saveAsClicked(bool atScreenSize) {
    const QString title = atScreenSize ? ExportTexts::saveAtScreenSize() : ExportTexts::saveAs();
    const QString path = askFileToSave(this, title, ExportTexts::pictureFilters());
    if (!path.isEmpty()) savePictureTo(path, atScreenSize);
}

QString CanvasWidget::savePictureTo(const QString& path, bool atScreenSize) {
    const QString written = savePictureAs(canvas_, path, 0, atScreenSize);
    tellPictureSaved(this, written, kSaveImageError);
    return written;
}

} // namespace sonrel
