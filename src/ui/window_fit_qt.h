#pragma once
// Window size and scrolling. A window's content keeps its natural size: a
// larger window centres it, a smaller one scrolls it, and a row of buttons
// below the scrolled part stays in view. A window opens at the size of its
// content, limited to the screen's available area.
#include <QMargins>
#include <QRect>
#include <QSize>
#include <initializer_list>

class QWidget;
class QScrollArea;

namespace sonrel {

// Fills `window` with a scroll area holding `content` at its natural size,
// and `fixedRow` (may be null) below it, outside the scrolled part.
QScrollArea* arrangeScrolling(QWidget* window, QWidget* content, QWidget* fixedRow);

// A row of the given widgets (null: a stretch), each taken out of the layout
// it was in: the buttons that must stay in view below a scrolled part.
QWidget* rowOf(std::initializer_list<QWidget*> widgets);

// The window size for content of size `wanted` (the scrolled part) plus a
// fixed row of height `rowHeight`, on a screen whose available area is
// `available`, with the window system's frame `frame` around the window and
// scroll bars `bar` pixels thick where the content cannot fit.
QSize fittedWindowSize(QSize wanted, int rowHeight, QRect available, QMargins frame, int bar);

// Resizes a window arranged by arrangeScrolling to fit its screen, and keeps
// it on that screen.
void fitToScreen(QWidget* window);

// The frame a window manager draws around a window (title bar and borders):
// the window's own once it was shown, else a typical one.
QMargins windowFrame(const QWidget* window);

} // namespace sonrel
