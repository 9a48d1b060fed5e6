#include "canvas/canvas_widget.h"

#include "canvas/export_qt.h"
#include "canvas/picture_file_qt.h"
#include "ui/message_box_qt.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
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
    saveAs_ = new QAction(ExportTexts::saveAs(), this);
    saveAs_->setObjectName(QStringLiteral("actionSaveAs"));
    connect(saveAs_, &QAction::triggered, this, &CanvasWidget::saveAsClicked);
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
    // The right button only opens the picture's menu: it marks nothing.
    if (e->button() == Qt::RightButton) {
        QWidget::mousePressEvent(e);
        return;
    }
    const QPointF u = canvas_.toUser(e->position().x(), e->position().y());
    emit mousePressed(u.x(), u.y(), static_cast<int>(e->button()));
}

void CanvasWidget::contextMenuEvent(QContextMenuEvent* e) {
    QMenu menu(this);
    menu.addActions(actions());
    menu.exec(e->globalPos());
}

void CanvasWidget::saveAsClicked() {
    const QString path = askFileToSave(this, ExportTexts::saveAs(), ExportTexts::pictureFilters());
    if (!path.isEmpty()) savePictureTo(path);
}

QString CanvasWidget::savePictureTo(const QString& path) {
    const QString written = savePictureAs(canvas_, path);
    tellPictureSaved(this, written, kSaveImageError);
    return written;
}

} // namespace sonrel
