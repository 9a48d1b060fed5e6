// The bodies dragged on the picture of every experiment window with moving
// bodies: the fields follow the pixels on the picture's own scale, Shift
// rounds, Esc and Ctrl+Z put values back, the picture's pixels and its
// marking of points stay as they were, and nothing moves during a run.
#include "canvas/canvas_widget.h"
#include "experiments/drag_bodies.h"
#include "support/plain_number.h"
#include "support/ui_helpers.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
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
    mouse(w, QEvent::MouseMove, from + by / 2, Qt::LeftButton, mods);
    mouse(w, QEvent::MouseMove, from + by, Qt::LeftButton, mods);
    mouse(w, QEvent::MouseButtonRelease, from + by);
}
} // namespace

TEST_P(DragBodies, MarkersAndArrowHeadsSetTheStartValues) {
    FormBase* f = open(GetParam().form);
    auto* pace = control<QComboBox>(f, "ComboPace");
    pace->setCurrentIndex(pace->findText(QStringLiteral("макс.")));
    click(f, "CommandFit"); // a new scale, and the main window's picture moved over the model
    auto* pic = f->findChild<CanvasWidget*>("Picture1");
    pic->setZoom(1.5);
    RasterCanvas& c = pic->canvas();
    auto in = [f](const char* n) {
        return plainNumber(textOf(f, n).replace(',', '.').toStdString());
    };
    // Where the run draws the model point (x, y) metres: x / scale on the
    // grid's units, in the zoomed widget's pixels; metres per widget pixel.
    const double m = in("Text19"), z = pic->zoom();
    auto at = [&](double x, double y) { return c.toPixels(x / m, y / m) * z; };
    const double perX = (c.scaleRight() - c.scaleLeft()) / (c.widthPx() * z) * m;
    const double perY = (c.scaleBottom() - c.scaleTop()) / (c.heightPx() * z) * m;
    const double tolX = 0.06 * std::fabs(perX), tolY = 0.06 * std::fabs(perY);
    QSignalSpy marks(pic, &CanvasWidget::mousePressed);
    const QImage picture = c.image().copy();

    const double x1 = in("Text1"), y1 = in("Text5");
    // The receiver's blue ring, 6 pixels around its place.
    const QPoint ring = (at(x1, y1) + QPointF(6, 0)).toPoint();
    const QRgb shown = pic->grab().toImage().pixel(ring);
    EXPECT_TRUE(qBlue(shown) > 200 && qBlue(shown) - qRed(shown) > 100 &&
                qBlue(shown) - qGreen(shown) > 100)
        << std::hex << shown;
    mouse(pic, QEvent::MouseMove, at(x1, y1), Qt::NoButton);
    EXPECT_EQ(pic->cursor().shape(), Qt::OpenHandCursor);
    drag(pic, at(x1, y1), {30, -20});
    EXPECT_NEAR(in("Text1"), x1 + 30 * perX, tolX);
    EXPECT_NEAR(in("Text5"), y1 - 20 * perY, tolY);

    const double x2 = in("Text2"), y2 = in("Text6"), vx2 = in("Text4"), vy2 = in("Text8");
    const QPointF head = at(x2 + vx2 * kArrowSeconds, y2 + vy2 * kArrowSeconds);
    mouse(pic, QEvent::MouseMove, head, Qt::NoButton);
    EXPECT_EQ(pic->cursor().shape(), Qt::SizeAllCursor);
    drag(pic, head, {12, 6});
    EXPECT_NEAR(in("Text4"), vx2 + 12 * perX / kArrowSeconds, tolX / kArrowSeconds);
    EXPECT_NEAR(in("Text8"), vy2 + 6 * perY / kArrowSeconds, tolY / kArrowSeconds);
    const QString vx2Dragged = textOf(f, "Text4");

    drag(pic, at(x2, y2), {17, 9}, Qt::ShiftModifier);
    EXPECT_EQ(in("Text2"), std::round(x2 + 17 * perX));
    EXPECT_EQ(in("Text6"), std::round(y2 + 9 * perY));

    // Esc mid-drag: the values of the press, whatever the rest of the drag does.
    const QString x1Press = textOf(f, "Text1");
    mouse(pic, QEvent::MouseButtonPress, at(in("Text1"), in("Text5")));
    mouse(pic, QEvent::MouseMove, at(in("Text1"), in("Text5")) + QPointF(25, 0));
    EXPECT_NE(textOf(f, "Text1"), x1Press);
    QTest::keyClick(pic, Qt::Key_Escape);
    EXPECT_EQ(textOf(f, "Text1"), x1Press);
    mouse(pic, QEvent::MouseMove, at(in("Text1"), in("Text5")) + QPointF(40, 0));
    mouse(pic, QEvent::MouseButtonRelease, at(in("Text1"), in("Text5")) + QPointF(40, 0));
    EXPECT_EQ(textOf(f, "Text1"), x1Press);

    // Ctrl+Z: the completed drags undone, last first (the cancelled one was none).
    QTest::keyClick(pic, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(in("Text2"), x2);
    EXPECT_EQ(in("Text6"), y2);
    EXPECT_EQ(textOf(f, "Text4"), vx2Dragged);
    QTest::keyClick(pic, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(in("Text4"), vx2);
    EXPECT_EQ(in("Text8"), vy2);
    EXPECT_EQ(textOf(f, "Text1"), x1Press);
    QTest::keyClick(pic, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(in("Text1"), x1);
    EXPECT_EQ(in("Text5"), y1);

    // No press on a body marked a point, and the markers and arrows are
    // drawn over the picture, never into it; a press beside them marks.
    EXPECT_EQ(marks.count(), 0);
    EXPECT_TRUE(c.image() == picture);
    const QPointF off = at(x1, y1) + QPointF(0, 3 * kHandleTolerancePx);
    mouse(pic, QEvent::MouseMove, off, Qt::NoButton);
    EXPECT_EQ(pic->cursor().shape(), Qt::ArrowCursor);
    mouse(pic, QEvent::MouseButtonPress, off);
    mouse(pic, QEvent::MouseButtonRelease, off);
    EXPECT_EQ(marks.count(), 1);
    // The right button on a body opens the menu and marks nothing.
    const QImage marked = c.image().copy();
    bool menuShown = false;
    QTimer::singleShot(50, f, [&menuShown] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        menuShown = menu != nullptr;
        if (menu) menu->close();
    });
    mouse(pic, QEvent::MouseButtonPress, at(x1, y1), Qt::RightButton);
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at(x1, y1).toPoint(),
                                pic->mapToGlobal(at(x1, y1).toPoint()));
    QCoreApplication::sendEvent(pic, &menuEvent);
    mouse(pic, QEvent::MouseButtonRelease, at(x1, y1), Qt::RightButton);
    EXPECT_TRUE(menuShown);
    EXPECT_EQ(marks.count(), 1);
    EXPECT_TRUE(c.image() == marked);

    // During a run the bodies cannot be taken: a press there marks its point.
    bool tried = false;
    const std::vector<const char*>& start = GetParam().start;
    for (const char* b : start) {
        if (b == start.back())
            QTimer::singleShot(0, f, [&] {
                tried = f->running();
                mouse(pic, QEvent::MouseMove, at(x1, y1), Qt::NoButton);
                EXPECT_EQ(pic->cursor().shape(), Qt::ArrowCursor);
                drag(pic, at(x1, y1), {30, 30});
                click(f, "Command2");
            });
        click(f, b);
    }
    EXPECT_TRUE(tried);
    EXPECT_EQ(in("Text1"), x1);
    EXPECT_EQ(in("Text5"), y1);
    EXPECT_EQ(marks.count(), 2);
    // Stopped, they can again.
    mouse(pic, QEvent::MouseMove, at(x1, y1), Qt::NoButton);
    EXPECT_EQ(pic->cursor().shape(), Qt::OpenHandCursor);
}

INSTANTIATE_TEST_SUITE_P(Windows, DragBodies,
                         ::testing::Values(DragWindow{"Main", 1, {"Command13", "Command1"}},
                                           DragWindow{"Comparison", 9, {"Command1"}},
                                           DragWindow{"Medium", 3, {"Command1"}},
                                           DragWindow{"Membrane", 8, {"Command13", "Command1"}}),
                         [](const ::testing::TestParamInfo<DragWindow>& i) {
                             return std::string(i.param.name);
                         });
