#include "ui/window_fit_qt.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

namespace sonrel {

QScrollArea* arrangeScrolling(QWidget* window, QWidget* content, QWidget* fixedRow) {
    auto* area = new QScrollArea(window);
    area->setObjectName("contentScroll");
    area->setFrameShape(QFrame::NoFrame);
    // The content is never stretched or squeezed: it stays at the size its
    // layout asks for, follows it when that changes, and scrolls when the
    // window is smaller.
    if (content->layout()) content->layout()->setSizeConstraint(QLayout::SetFixedSize);
    area->setWidgetResizable(false);
    area->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    area->setWidget(content);
    auto* lay = new QVBoxLayout(window);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setSpacing(0);
    lay->addWidget(area, 1);
    if (fixedRow) {
        fixedRow->setObjectName(QStringLiteral("fixedRow"));
        fixedRow->setParent(window);
        if (fixedRow->layout()) fixedRow->layout()->setContentsMargins(9, 4, 9, 6);
        lay->addWidget(fixedRow, 0);
    }
    return area;
}

QWidget* rowOf(std::initializer_list<QWidget*> widgets) {
    auto* row = new QWidget;
    auto* h = new QHBoxLayout(row);
    for (QWidget* w : widgets) {
        if (!w) {
            h->addStretch(1);
            continue;
        }
        if (QWidget* p = w->parentWidget(); p && p->layout()) p->layout()->removeWidget(w);
        h->addWidget(w);
    }
    return row;
}

QSize fittedWindowSize(QSize wanted, int rowHeight, QRect available, QMargins frame, int bar) {
    const int maxW = std::max(1, available.width() - frame.left() - frame.right());
    const int maxH = std::max(1, available.height() - frame.top() - frame.bottom());
    int w = wanted.width(), h = wanted.height() + rowHeight;
    // A scroll bar in one direction takes room from the other.
    const bool tooTall = h > maxH;
    const bool tooWide = w + (tooTall ? bar : 0) > maxW;
    if (tooTall) w += bar;
    if (tooWide) h += bar;
    if (!tooTall && h > maxH) w += bar; // the horizontal bar pushed it over
    return {std::min(w, maxW), std::min(h, maxH)};
}

QMargins windowFrame(const QWidget* window) {
    if (window->isVisible()) {
        const QRect outer = window->frameGeometry(), inner = window->geometry();
        const QMargins m(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
        if (m.top() > 0) return m;
    }
    // Not shown yet (or no window manager): leave room for a title bar and borders.
    return {4, 32, 4, 4};
}

void fitToScreen(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect available = screen->availableGeometry();
    auto* area = window->findChild<QScrollArea*>("contentScroll", Qt::FindDirectChildrenOnly);
    QSize wanted = window->sizeHint();
    int rowHeight = 0;
    if (area && area->widget()) {
        QWidget* content = area->widget();
        if (content->layout()) content->layout()->activate();
        wanted = content->sizeHint().expandedTo(content->minimumSize());
        if (auto* row = window->findChild<QWidget*>("fixedRow", Qt::FindDirectChildrenOnly)) {
            rowHeight = row->sizeHint().height();
            wanted.setWidth(std::max(wanted.width(), row->sizeHint().width()));
        }
    }
    const int bar = window->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, window);
    const QSize size = fittedWindowSize(wanted, rowHeight, available, windowFrame(window), bar);
    window->resize(size);
    // Keep the whole window on the screen.
    const QMargins frame = windowFrame(window);
    QRect outer(window->pos(), size.grownBy(frame));
    if (window->isVisible()) outer.moveTopLeft(window->frameGeometry().topLeft());
    const int x = std::clamp(outer.left(), available.left(),
                             std::max(available.left(), available.right() + 1 - outer.width()));
    const int y = std::clamp(outer.top(), available.top(),
                             std::max(available.top(), available.bottom() + 1 - outer.height()));
    if (x != outer.left() || y != outer.top()) window->move(x, y);
}

} // namespace sonrel
