#include "canvas/canvas_widget.h"

#include <QMouseEvent>
#include <QPainter>

namespace sonrel {

CanvasWidget::CanvasWidget(const char* objectName, int widthPx, int heightPx, QWidget* parent)
    : QWidget(parent), canvas_(widthPx, heightPx) {
    setObjectName(objectName);
    setFixedSize(widthPx, heightPx);
    setAttribute(Qt::WA_OpaquePaintEvent);
    canvas_.onChanged = [this] { update(); };
    canvas_.setDevicePixelRatio(devicePixelRatioF());
}

bool CanvasWidget::event(QEvent* e) {
    // Moved to a screen of another scaling: render at its density from now on.
    if (e->type() == QEvent::ScreenChangeInternal || e->type() == QEvent::Show)
        canvas_.setDevicePixelRatio(devicePixelRatioF());
    return QWidget::event(e);
}

void CanvasWidget::resizePicture(int widthPx, int heightPx) {
    canvas_.resizePixels(widthPx, heightPx);
    setFixedSize(widthPx, heightPx);
}

void CanvasWidget::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    const QImage& img = canvas_.image();
    const QRect r = e->rect();
    const double k = double(img.width()) / canvas_.widthPx();
    const double ky = double(img.height()) / canvas_.heightPx();
    p.drawImage(QRectF(r), img, QRectF(r.x() * k, r.y() * ky, r.width() * k, r.height() * ky));
}

void CanvasWidget::mousePressEvent(QMouseEvent* e) {
    const QPointF u = canvas_.toUser(e->position().x(), e->position().y());
    emit mousePressed(u.x(), u.y(), static_cast<int>(e->button()));
}

} // namespace sonrel
