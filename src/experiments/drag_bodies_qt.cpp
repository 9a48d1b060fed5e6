#include "experiments/drag_bodies_qt.h"

#include "base/errors.h"
#include "base/numbers.h"
#include "canvas/canvas_widget.h"
#include "experiments/drag_bodies.h"
#include "ui/fields_qt.h"
#include "ui/form_base_window.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <cmath>

namespace sonrel {

namespace {

// The fields of body b (0 receiver, 1 source): x, y, vx, vy; their names on the label.
constexpr const char* kFieldNames[8] = {"Text1", "Text5", "Text3", "Text7",
                                        "Text2", "Text6", "Text4", "Text8"};
constexpr const char* kValueNames[8] = {"X1", "Y1", "VX1", "VY1", "X2", "Y2", "VX2", "VY2"};

constexpr QColor kReceiverColor{0, 0, 250}, kSourceColor{250, 0, 0}, kArrowColor{40, 40, 40};
constexpr double kMarkerRadiusPx = 6, kHeadLengthPx = 9, kHeadHalfWidthPx = 4.5;

QString placeLabel(const QString& name, const QString& value) {
    return QCoreApplication::translate("sonrel::BodyDrag", "%1 = %2 м").arg(name, value);
}

QString velocityLabel(const QString& name, const QString& value) {
    return QCoreApplication::translate("sonrel::BodyDrag", "%1 = %2 м/с").arg(name, value);
}

QPointF qp(PixelPoint p) {
    return {p.x, p.y};
}

class BodyDragger : public QObject {
public:
    BodyDragger(FormBase& form, CanvasWidget* canvas, BodyDragSetup setup)
        : QObject(canvas), form_(&form), canvas_(canvas), setup_(std::move(setup)) {
        for (int i = 0; i < 8; ++i)
            fields_[i] = form.findChild<QLineEdit*>(QString::fromLatin1(kFieldNames[i]));
        scaleField_ = form.findChild<QLineEdit*>(QStringLiteral("Text19"));
        // Typing in a field moves its marker: the overlay follows every field.
        for (QLineEdit* f : fields_)
            if (f) connect(f, &QLineEdit::textChanged, canvas, [canvas] { canvas->update(); });
        if (scaleField_)
            connect(scaleField_, &QLineEdit::textChanged, canvas, [canvas] { canvas->update(); });
        connect(&form, &FormBase::runningChanged, this, [this] { runningChanged(); });
        canvas->setMouseTracking(true);
        canvas->installEventFilter(this);
        canvas->paintOverlay = [this](QPainter& p) { paint(p); };
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (watched != canvas_) return false;
        switch (e->type()) {
        case QEvent::MouseButtonPress:
            return press(static_cast<QMouseEvent*>(e));
        case QEvent::MouseMove:
            return move(static_cast<QMouseEvent*>(e));
        case QEvent::MouseButtonRelease:
            return release(static_cast<QMouseEvent*>(e));
        case QEvent::ShortcutOverride:
            // Esc of a drag and Ctrl+Z of the drags come here as keys, before
            // the window's shortcuts (Esc also stops a run).
            if (!ours(static_cast<QKeyEvent*>(e))) return false;
            e->accept();
            return true;
        case QEvent::KeyPress:
            if (!ours(static_cast<QKeyEvent*>(e))) return false;
            key();
            return true;
        default:
            return false;
        }
    }

private:
    // The picture as the next run draws it, when the markers can show.
    std::optional<PictureView> view() const {
        if (!form_ || form_->running() || !scaleField_) return std::nullopt;
        const PictureRect r = setup_.movedPicture ? setup_.movedPicture() : setup_.picture;
        const RasterCanvas& c = canvas_->canvas();
        // Only over the animation: a graph on the same picture has other units.
        auto same = [](double a, double b) {
            return std::fabs(a - b) <= 1e-9 * (1 + std::fabs(b));
        };
        if (!same(c.scaleLeft(), r.left) || !same(c.scaleTop(), r.top) ||
            !same(c.scaleRight(), r.right) || !same(c.scaleBottom(), r.bottom))
            return std::nullopt;
        PictureView v{r, c.widthPx() * c.zoom(), c.heightPx() * c.zoom(), 0};
        try {
            v.scale = readNumber(scaleField_->text().toStdString());
        } catch (const InputError&) {
            return std::nullopt;
        }
        if (!v.drawable()) return std::nullopt;
        return v;
    }

    std::optional<BodyStart> body(int b) const {
        BodyStart s;
        double* values[4] = {&s.x, &s.y, &s.vx, &s.vy};
        for (int i = 0; i < 4; ++i) {
            const QLineEdit* f = fields_[4 * b + i];
            if (!f) return std::nullopt;
            try {
                *values[i] = readNumber(f->text().toStdString());
            } catch (const InputError&) {
                return std::nullopt;
            }
        }
        return s;
    }

    BodyStarts bodies() const { return {body(0), body(1)}; }

    BodyFieldTexts texts() const {
        BodyFieldTexts t;
        for (int i = 0; i < 8; ++i)
            if (fields_[i]) t[i] = fields_[i]->text().toStdString();
        return t;
    }

    void restore(const BodyFieldTexts& t) {
        for (int i = 0; i < 8; ++i)
            if (fields_[i]) fields_[i]->setText(QString::fromStdString(t[i]));
    }

    bool press(QMouseEvent* e) {
        if (e->button() != Qt::LeftButton || drag_.handle.valid()) return drag_.handle.valid();
        const std::optional<PictureView> v = view();
        if (!v) return false;
        const PixelPoint p{e->position().x(), e->position().y()};
        const BodyStarts b = bodies();
        const Handle h = handleAt(*v, b, p, e->modifiers().testFlag(Qt::ControlModifier));
        if (!h.valid()) return false; // a press elsewhere marks its point as before
        drag_ = {h, p, *b[h.body], texts(), *v, false};
        cursorAt_ = QPointF(p.x, p.y);
        showLabel();
        canvas_->setFocus(Qt::MouseFocusReason); // Esc and Ctrl+Z come here
        updateCursor(p);
        return true;
    }

    bool move(QMouseEvent* e) {
        const PixelPoint p{e->position().x(), e->position().y()};
        if (!drag_.handle.valid()) {
            updateCursor(p);
            return false;
        }
        if (drag_.cancelled) return true;
        const PixelPoint delta{p.x - drag_.press.x, p.y - drag_.press.y};
        const bool whole = e->modifiers().testFlag(Qt::ShiftModifier);
        write(draggedBody(drag_.view, drag_.atPress, drag_.handle.kind, delta, whole));
        cursorAt_ = QPointF(p.x, p.y);
        canvas_->update();
        return true;
    }

    bool release(QMouseEvent* e) {
        if (!drag_.handle.valid()) return false;
        if (e->button() != Qt::LeftButton) return true;
        if (!drag_.cancelled && texts() != drag_.before) history_.push(drag_.before);
        drag_ = {};
        label_.clear();
        updateCursor({e->position().x(), e->position().y()});
        canvas_->update();
        return true;
    }

    // The keys the dragging takes: Esc during a drag, Ctrl+Z after one.
    bool ours(const QKeyEvent* e) const {
        if (drag_.handle.valid()) return e->key() == Qt::Key_Escape;
        return e->matches(QKeySequence::Undo) && history_.size() > 0 && form_ && !form_->running();
    }

    // Esc during a drag, Ctrl+Z between drags.
    void key() {
        if (!drag_.handle.valid()) {
            if (const std::optional<BodyFieldTexts> before = history_.undo()) restore(*before);
        } else if (!drag_.cancelled) {
            restore(drag_.before);
            drag_.cancelled = true;
            label_.clear();
            canvas_->update();
        }
    }

    // The first of the two fields the dragged handle changes.
    int firstField() const {
        return 4 * drag_.handle.body + (drag_.handle.kind == HandleKind::Place ? 0 : 2);
    }

    // The dragged body's changed values into their fields, and onto the label.
    void write(const BodyStart& b) {
        const bool place = drag_.handle.kind == HandleKind::Place;
        const double values[2] = {place ? b.x : b.vx, place ? b.y : b.vy};
        for (int i = 0; i < 2; ++i) {
            try {
                setNumber(fields_[firstField() + i], values[i]);
            } catch (const MathError&) {
                // A value beyond the range of numbers is not written; the field keeps its last.
            }
        }
        showLabel();
    }

    // The label beside the cursor: the dragged values as their fields hold them.
    void showLabel() {
        QStringList lines;
        for (int i = firstField(); i < firstField() + 2; ++i) {
            const QString name = QString::fromLatin1(kValueNames[i]);
            lines << (drag_.handle.kind == HandleKind::Place
                          ? placeLabel(name, fields_[i]->text())
                          : velocityLabel(name, fields_[i]->text()));
        }
        label_ = lines.join(QLatin1Char('\n'));
        canvas_->update();
    }

    void updateCursor(PixelPoint p) {
        Qt::CursorShape shape = Qt::ArrowCursor;
        Handle h = drag_.handle;
        if (!h.valid()) {
            if (const std::optional<PictureView> v = view()) h = handleAt(*v, bodies(), p, false);
        }
        if (h.valid())
            shape = h.kind == HandleKind::Velocity ? Qt::SizeAllCursor
                    : drag_.handle.valid()         ? Qt::ClosedHandCursor
                                                   : Qt::OpenHandCursor;
        if (shape == Qt::ArrowCursor)
            canvas_->unsetCursor();
        else
            canvas_->setCursor(shape);
    }

    void runningChanged() {
        // A run takes the fields as they are: a drag going on ends there.
        drag_ = {};
        label_.clear();
        canvas_->unsetCursor();
        canvas_->update();
    }

    void paint(QPainter& p) const {
        const std::optional<PictureView> v = view();
        if (!v) return;
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        const BodyStarts b = bodies();
        for (int i = 0; i < 2; ++i)
            if (b[i]) paintBody(p, handlePlaces(*v, *b[i]), i == 0 ? kReceiverColor : kSourceColor);
        if (!label_.isEmpty()) paintLabel(p);
        p.restore();
    }

    static void paintBody(QPainter& p, const HandlePlaces& h, QColor color) {
        const QPointF from = qp(h.place), to = qp(h.head);
        const QLineF shaft(from, to);
        p.setPen(QPen(kArrowColor, 2));
        p.setBrush(kArrowColor);
        if (shaft.length() > 0.5) {
            // The head's tip at the arrow's end; a short arrow is drawn head only.
            const QPointF dir = (to - from) / shaft.length(), across(-dir.y(), dir.x());
            const QPointF back = to - dir * std::min(kHeadLengthPx, shaft.length());
            p.drawLine(from, back);
            QPainterPath head;
            head.moveTo(to);
            head.lineTo(back + across * kHeadHalfWidthPx);
            head.lineTo(back - across * kHeadHalfWidthPx);
            head.closeSubpath();
            p.setPen(Qt::NoPen);
            p.drawPath(head);
        }
        QColor fill = color;
        fill.setAlpha(90);
        p.setPen(QPen(color, 2));
        p.setBrush(fill);
        p.drawEllipse(from, kMarkerRadiusPx, kMarkerRadiusPx);
    }

    void paintLabel(QPainter& p) const {
        const QFontMetricsF fm(p.font());
        const QRectF text = fm.boundingRect(QRectF(0, 0, 400, 100), Qt::AlignLeft, label_);
        QRectF box(cursorAt_ + QPointF(14, 14), text.size() + QSizeF(8, 4));
        // Kept inside the picture.
        const QRectF area(QPointF(0, 0), QSizeF(canvas_->size()));
        if (box.right() > area.right()) box.moveRight(cursorAt_.x() - 6);
        if (box.bottom() > area.bottom()) box.moveBottom(cursorAt_.y() - 6);
        p.setPen(QPen(kArrowColor, 1));
        p.setBrush(QColor(255, 255, 225, 235));
        p.drawRect(box);
        p.setPen(Qt::black);
        p.drawText(box.adjusted(4, 2, -4, -2), Qt::AlignLeft, label_);
    }

    struct Drag {
        Handle handle;
        PixelPoint press;
        BodyStart atPress;
        BodyFieldTexts before;
        PictureView view;
        bool cancelled = false; // Esc: values put back, the rest of the drag ignored
    };

    QPointer<FormBase> form_;
    CanvasWidget* canvas_;
    BodyDragSetup setup_;
    QLineEdit* fields_[8] = {};
    QLineEdit* scaleField_ = nullptr;
    DragHistory history_;
    Drag drag_;
    QString label_;
    QPointF cursorAt_;
};

} // namespace

void installBodyDragging(FormBase& form, CanvasWidget* canvas, BodyDragSetup setup) {
    new BodyDragger(form, canvas, std::move(setup));
}

} // namespace sonrel
