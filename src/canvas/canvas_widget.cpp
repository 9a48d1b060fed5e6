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
}

void CanvasWidget::resizePicture(int widthPx, int heightPx) {
    canvas_.resizePixels(widthPx, heightPx);
    setFixedSize(widthPx, heightPx);
}

void CanvasWidget::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    const QImage& img = canvas_.image();
    p.drawImage(e->rect(), img, e->rect());
}

void CanvasWidget::mousePressEvent(QMouseEvent* e) {
    const QPointF u = canvas_.toUser(e->position().x(), e->position().y());
    emit mousePressed(u.x(), u.y(), static_cast<int>(e->button()));
}

} // namespace sonrel
