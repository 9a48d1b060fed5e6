#include "ui/picture_screen_qt.h"

#include "canvas/canvas_widget.h"
#include "ui/form_base_window.h"

#include <QEvent>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>
#include <cmath>

namespace sonrel {

namespace {

// The layout under `root` that holds `w`.
QLayout* layoutHolding(QLayout* root, QWidget* w) {
    if (!root) return nullptr;
    if (root->indexOf(w) >= 0) return root;
    for (int i = 0; i < root->count(); ++i)
        if (QLayout* inner = root->itemAt(i)->layout())
            if (QLayout* found = layoutHolding(inner, w)) return found;
    return nullptr;
}

// Takes `w` out of its window's layout, leaving an empty widget of its size
// in its place (cell, alignment and all); null when no layout holds it.
QWidget* takeOut(QWidget* w) {
    QWidget* parent = w->parentWidget();
    QLayout* lay = parent ? layoutHolding(parent->layout(), w) : nullptr;
    if (!lay) return nullptr;
    auto* holder = new QWidget;
    holder->setFixedSize(w->size());
    delete lay->replaceWidget(w, holder);
    return holder;
}

// Puts `w` back where takeOut left `holder`.
void putBack(QWidget* holder, QWidget* w) {
    if (!holder) return;
    QWidget* parent = holder->parentWidget();
    if (QLayout* lay = parent ? layoutHolding(parent->layout(), holder) : nullptr)
        delete lay->replaceWidget(holder, w);
    w->show();
    delete holder;
}

} // namespace

void FormBase::installFullScreen(CanvasWidget* picture) {
    auto* status = findChild<QWidget*>(QStringLiteral("StatusLine"));
    auto* screen = new PictureScreen(*this, picture, status);
    screen->setObjectName(QStringLiteral("pictureScreen"));
}

PictureScreen::PictureScreen(FormBase& form, CanvasWidget* picture, QWidget* statusLine)
    : QObject(&form), form_(form), picture_(picture), status_(statusLine) {
    for (QWidget* w = picture; w; w = w->parentWidget())
        if (auto* a = qobject_cast<QScrollArea*>(w); a && a->widget()) {
            area_ = a;
            break;
        }
    if (area_) {
        viewport_ = area_->viewport();
        viewport_->installEventFilter(this);
        connect(area_, &QObject::destroyed, this, [this] { area_ = nullptr; });
    }
    form.installEventFilter(this);
    auto* key = new QShortcut(QKeySequence(Qt::Key_F11), &form);
    key->setContext(Qt::WindowShortcut);
    connect(key, &QShortcut::activated, this, &PictureScreen::enter);
}

bool PictureScreen::eventFilter(QObject* watched, QEvent* e) {
    if (watched == viewport_ && e->type() == QEvent::Resize && area_ &&
        area_->viewport() == viewport_)
        fit();
    else if (watched == &form_ && e->type() == QEvent::Hide)
        leave(); // a closed window takes its picture back first
    return QObject::eventFilter(watched, e);
}

void PictureScreen::fit() {
    if (fitting_ || view_ || !area_ || !picture_) return;
    QWidget* content = area_->widget();
    if (!content || !content->layout()) return;
    fitting_ = true;
    // The content follows the picture's size at most one for one, so the
    // room left free is taken in a few rounds without ever overflowing.
    for (int round = 0; round < 4; ++round) {
        const QSize free = area_->viewport()->size() - content->size();
        const double z = picture_->zoomToFit(picture_->size() + free);
        if (std::fabs(z - picture_->zoom()) < 1e-3) break;
        picture_->setZoom(z);
        content->layout()->activate();
    }
    fitting_ = false;
}

void PictureScreen::enter() {
    if (view_ || !picture_ || !form_.isVisible()) return;
    QScreen* screen = form_.screen();
    if (!screen) return;
    // Only a picture that can be put back where it was leaves the window.
    pictureHolder_ = takeOut(picture_);
    if (!pictureHolder_) return;
    view_ = new QWidget(&form_, Qt::Window | Qt::FramelessWindowHint);
    view_->setObjectName(QStringLiteral("pictureFullScreen"));
    view_->setWindowTitle(form_.windowTitle());
    auto* lay = new QVBoxLayout(view_);
    lay->setContentsMargins(0, 0, 0, 4);
    lay->setSpacing(4);
    lay->addStretch(1);
    lay->addWidget(picture_, 0, Qt::AlignHCenter);
    lay->addStretch(1);
    int statusHeight = 0;
    if (status_ && (statusHolder_ = takeOut(status_))) {
        lay->addWidget(status_, 0, Qt::AlignHCenter);
        statusHeight = status_->sizeHint().height() + lay->spacing() + 4;
    }
    const QSize room = screen->geometry().size() - QSize(0, statusHeight);
    picture_->setZoom(picture_->zoomToFit(room));
    // The run keys of the window act here too; F11 and Esc come back.
    for (QShortcut* sc : form_.findChildren<QShortcut*>()) {
        const QKeySequence k = sc->key();
        if (k != QKeySequence(Qt::Key_F5) && k != QKeySequence(Qt::Key_F6) &&
            k != QKeySequence(Qt::Key_F7))
            continue;
        auto* copy = new QShortcut(k, view_);
        connect(copy, &QShortcut::activated, sc, &QShortcut::activated);
    }
    for (int key : {Qt::Key_F11, Qt::Key_Escape}) {
        auto* back = new QShortcut(QKeySequence(key), view_);
        connect(back, &QShortcut::activated, this, &PictureScreen::leave);
    }
    picture_->show();
    if (statusHolder_) status_->show();
    view_->setGeometry(screen->geometry());
    view_->showFullScreen();
    view_->activateWindow();
}

void PictureScreen::leave() {
    if (!view_) return;
    if (picture_) {
        putBack(pictureHolder_, picture_);
        picture_->setZoom(1);
    }
    if (status_ && statusHolder_) putBack(statusHolder_, status_);
    pictureHolder_ = statusHolder_ = nullptr;
    QWidget* view = view_;
    view_ = nullptr;
    view->hide();
    view->deleteLater();
    if (area_ && area_->widget() && area_->widget()->layout())
        area_->widget()->layout()->activate();
    fit();
    if (form_.isVisible()) form_.activateWindow();
}

} // namespace sonrel
