#pragma once
// An experiment window's picture for the classroom: it takes the room a
// larger window leaves free (zoomed, its shape kept, drawn again sharp), and
// F11 shows it alone on the full screen with the run's status line below.
#include <QObject>
#include <QPointer>

class QScrollArea;
class QWidget;

namespace sonrel {

class CanvasWidget;
class FormBase;

// Installed by FormBase::installFullScreen. In full screen the run keys F5,
// F6 and F7 act as in the window; Esc or F11 returns to the window. (Esc
// stops a run only in the window: in full screen it is the way back, which
// a user looks for first.)
class PictureScreen : public QObject {
    Q_OBJECT
public:
    PictureScreen(FormBase& form, CanvasWidget* picture, QWidget* statusLine);

    void enter();
    void leave();
    bool fullScreen() const { return view_ != nullptr; }
    QWidget* view() const { return view_; }
    // Zooms the picture to the room the window leaves free.
    void fit();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    FormBase& form_;
    QPointer<CanvasWidget> picture_;
    QPointer<QWidget> status_;
    QScrollArea* area_ = nullptr;
    // The area's viewport, kept apart: while the area is being destroyed its
    // viewport still sends events, and the area may no longer be asked.
    QObject* viewport_ = nullptr;
    QWidget* view_ = nullptr;
    QWidget* pictureHolder_ = nullptr; // keeps the picture's place in the window
    QWidget* statusHolder_ = nullptr;
    bool fitting_ = false;
};

} // namespace sonrel
