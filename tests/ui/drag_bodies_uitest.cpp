// The bodies dragged on the picture of every experiment window: the fields
// follow the pixels on the picture's own scale; nothing moves during a run.
#include "canvas/canvas_widget.h"
#include "experiments/drag_bodies.h"
#include "support/plain_number.h"
#include "support/ui_helpers.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <cmath>

using namespace sonrel;
using namespace sonrel::testing;

namespace {
struct DragWindow {
    const char* name;
    int form;
    std::vector<const char*> start;
};
class DragBodies : public WindowTest, public ::testing::WithParamInterface<DragWindow> {};

void mouse(QWidget* w, QEvent::Type type, QPointF at, Qt::MouseButton button = Qt::LeftButton,
           Qt::KeyboardModifiers mods = {}) {
    QMouseEvent e(type, at, w->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : button,
                  type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button),
                  mods);
    QCoreApplication::sendEvent(w, &e);
}

void drag(QWidget* w, QPointF from, QPointF by, Qt::KeyboardModifiers mods = {}) {
    mouse(w, QEvent::MouseButtonPress, from);
    mouse(w, QEvent::MouseMove, from + by, Qt::LeftButton, mods);
    mouse(w, QEvent::MouseButtonRelease, from + by);
}

Qt::CursorShape hover(QWidget* w, QPointF at) {
    mouse(w, QEvent::MouseMove, at, Qt::NoButton);
    return w->cursor().shape();
}
} // namespace

TEST_P(DragBodies, MarkersAndArrowHeadsSetTheStartValues) {
    FormBase* f = open(GetParam().form);
    click(f, "CommandFit"); // a new scale, and the main window's picture moved over the model
    auto* pic = f->findChild<CanvasWidget*>("Picture1");
    pic->setZoom(1.5);
    RasterCanvas& c = pic->canvas();
    auto in = [f](const char* n) {
        return plainNumber(textOf(f, n).replace(',', '.').toStdString());
    };
    auto fields = [f] {
        QStringList t;
        for (const char* n :
             {"Text1", "Text5", "Text3", "Text7", "Text2", "Text6", "Text4", "Text8"})
            t << textOf(f, n);
        return t;
    };
    // Where the run draws the model point (x, y) metres: x / scale on the
    // grid's units, in the zoomed widget's pixels; metres per widget pixel.
    const double m = in("Text19"), z = pic->zoom();
    auto at = [&](double x, double y) { return c.toPixels(x / m, y / m) * z; };
    const double perX = (c.scaleRight() - c.scaleLeft()) / (c.widthPx() * z) * m;
    const double perY = (c.scaleBottom() - c.scaleTop()) / (c.heightPx() * z) * m;
    const double tolX = 0.06 * std::fabs(perX), tolY = 0.06 * std::fabs(perY); // a tenth, rounded
    QSignalSpy marks(pic, &CanvasWidget::mousePressed);
    const QImage picture = c.image().copy();
    std::vector<QStringList> beforeDrag{fields()};
    // The receiver's blue ring lies 6 pixels around its place.
    const double x1 = in("Text1"), y1 = in("Text5");
    const QRgb ring = pic->grab().toImage().pixel((at(x1, y1) + QPointF(6, 0)).toPoint());
    EXPECT_GT(qBlue(ring), std::max(qRed(ring), qGreen(ring)) + 100) << std::hex << ring;
    EXPECT_EQ(hover(pic, at(x1, y1)), Qt::OpenHandCursor);
    drag(pic, at(x1, y1), {30, -20});
    EXPECT_NEAR(in("Text1"), x1 + 30 * perX, tolX);
    EXPECT_NEAR(in("Text5"), y1 - 20 * perY, tolY);
    beforeDrag.push_back(fields());
    const double x2 = in("Text2"), y2 = in("Text6"), vx2 = in("Text4"), vy2 = in("Text8");
    const QPointF head = at(x2 + vx2 * kArrowSeconds, y2 + vy2 * kArrowSeconds);
    EXPECT_EQ(hover(pic, head), Qt::SizeAllCursor);
    drag(pic, head, {12, 6});
    EXPECT_NEAR(in("Text4"), vx2 + 12 * perX / kArrowSeconds, tolX / kArrowSeconds);
    EXPECT_NEAR(in("Text8"), vy2 + 6 * perY / kArrowSeconds, tolY / kArrowSeconds);
    beforeDrag.push_back(fields());
    drag(pic, at(x2, y2), {17, 9}, Qt::ShiftModifier);
    EXPECT_EQ(in("Text2"), std::round(x2 + 17 * perX));
    EXPECT_EQ(in("Text6"), std::round(y2 + 9 * perY));

    // Esc mid-drag: the values of the press, not the window's Esc (stop).
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f));
    const QStringList pressed = fields();
    const QPointF p1 = at(in("Text1"), in("Text5"));
    mouse(pic, QEvent::MouseButtonPress, p1);
    mouse(pic, QEvent::MouseMove, p1 + QPointF(25, 0));
    EXPECT_NE(fields(), pressed);
    QTest::keyClick(pic, Qt::Key_Escape);
    EXPECT_EQ(fields(), pressed);
    mouse(pic, QEvent::MouseButtonRelease, p1 + QPointF(40, 0));
    // Ctrl+Z: the completed drags undone, last first (the cancelled one was none).
    for (auto b = beforeDrag.rbegin(); b != beforeDrag.rend(); ++b) {
        QTest::keyClick(pic, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(fields(), *b);
    }

    // No press on a body marked a point, and the markers and arrows are
    // drawn over the picture, never into it; a press beside them marks.
    EXPECT_EQ(marks.count(), 0);
    EXPECT_TRUE(c.image() == picture);
    const QPointF off = at(x1, y1) + QPointF(0, 3 * kHandleTolerancePx);
    EXPECT_EQ(hover(pic, off), Qt::ArrowCursor);
    mouse(pic, QEvent::MouseButtonPress, off);
    EXPECT_EQ(marks.count(), 1);
    // The right button on a body opens the menu and marks nothing.
    const QImage marked = c.image().copy();
    QTimer::singleShot(50, f, [] {
        ASSERT_TRUE(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
        QApplication::activePopupWidget()->close();
    });
    mouse(pic, QEvent::MouseButtonPress, at(x1, y1), Qt::RightButton);
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at(x1, y1).toPoint(),
                                pic->mapToGlobal(at(x1, y1).toPoint()));
    QCoreApplication::sendEvent(pic, &menuEvent);
    EXPECT_EQ(marks.count(), 1);
    EXPECT_TRUE(c.image() == marked);

    // During a run the bodies cannot be taken: a press there marks its point.
    const std::vector<const char*>& start = GetParam().start;
    for (const char* b : start) {
        if (b == start.back())
            QTimer::singleShot(0, f, [&] {
                EXPECT_EQ(hover(pic, at(x1, y1)), Qt::ArrowCursor);
                drag(pic, at(x1, y1), {30, 30});
                click(f, "Command2");
            });
        click(f, b);
    }
    EXPECT_EQ(fields(), beforeDrag[0]);
    EXPECT_EQ(marks.count(), 2);
    EXPECT_EQ(hover(pic, at(x1, y1)), Qt::OpenHandCursor); // stopped, they can again
}

INSTANTIATE_TEST_SUITE_P(Windows, DragBodies,
                         ::testing::Values(DragWindow{"Main", 1, {"Command13", "Command1"}},
                                           DragWindow{"Comparison", 9, {"Command1"}},
                                           DragWindow{"Medium", 3, {"Command1"}},
                                           DragWindow{"Membrane", 8, {"Command13", "Command1"}}),
                         [](const ::testing::TestParamInfo<DragWindow>& i) {
                             return std::string(i.param.name);
                         });
