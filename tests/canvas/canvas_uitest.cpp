#include "app/form1.h"
#include "canvas/picture_file_qt.h"
#include "canvas/raster_canvas_qt.h"
#include "experiments/classic/animation.h"
#include "support/ui_helpers.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>
#include <vector>

using namespace sonrel;
using namespace sonrel::testing;

namespace {
QRgb grey() {
    return qRgb(200, 200, 200);
}
} // namespace

TEST(RasterCanvas, ClearFillsWhiteAndGridLinesSitWhereTheScalePutsThem) {
    RasterCanvas c(787, 342);
    c.scale(kAnimLeft, kAnimTop, kAnimRight, kAnimBottom);
    c.clear();
    EXPECT_EQ(c.pixelAt(10.5, 5.5), qRgb(255, 255, 255));
    drawAnimationGrid(c, false);
    // A vertical grid line at x = 10 and a horizontal one at y = 5.
    EXPECT_EQ(c.pixelAt(10, 5.5), grey());
    EXPECT_EQ(c.pixelAt(10.5, 5), grey());
    EXPECT_EQ(c.pixelAt(10.5, 5.5), qRgb(255, 255, 255));
    // Axes are black (colour value 1).
    EXPECT_EQ(c.pixelAt(20.5, 0), qRgb(1, 0, 0));
    EXPECT_EQ(c.pixelAt(0, 7.5), qRgb(1, 0, 0));
}

// Near-white erases: it restores the grid kept as the background layer,
// pixel for pixel, at any screen density, in and out of animation frames;
// after a clear the layer is plain white again.
TEST(RasterCanvas, ErasingRestoresTheGridKeptAsBackground) {
    for (double dpr : {1.0, 2.0}) {
        for (bool inFrame : {false, true}) {
            RasterCanvas c(787, 342);
            c.setDevicePixelRatio(dpr);
            c.clear();
            drawAnimationGrid(c, true); // keeps itself as the background
            const QImage grid = c.logicalImage();
            auto shapes = [&c](Color ink, Color eraser) {
                c.line(2.3, -2, 12.7, 9, ink);
                c.line(3, 5, 15, 5, ink); // along a grid line
                c.circle(10, 5, 0.2, ink);
                c.circle(6, 2, 1.5, eraser);
                c.line(0, 0, 0, 6, eraser); // along the axis
            };
            if (inFrame) {
                // The next frame draws the same in the erasing colours.
                {
                    const FrameScope frame(c);
                    shapes(colors::black, colors::black);
                }
                const FrameScope frame(c);
                shapes(colors::white, rgb(250, 250, 250));
            } else {
                shapes(colors::black, colors::black);
                shapes(colors::white, rgb(250, 250, 250));
            }
            EXPECT_EQ(c.logicalImage(), grid) << dpr << inFrame;
        }
    }
    RasterCanvas c(787, 342);
    c.clear();
    drawAnimationGrid(c, false);
    c.clear();
    c.line(3, 5, 15, 5, colors::black);
    c.line(3, 5, 15, 5, colors::white);
    EXPECT_EQ(c.pixelAt(10.5, 5), qRgb(255, 255, 255));
}

TEST(RasterCanvas, PrintMovesToTheNextLineAtTheLeftEdge) {
    RasterCanvas c(400, 400);
    c.scale(0, 100, 10, 0);
    c.setCurrent(5, 50);
    c.print("a\nb");
    EXPECT_DOUBLE_EQ(c.currentX(), 0);
    EXPECT_NEAR(c.currentY(), 50 + 2 * c.textLineHeightUser(), 1e-9);
    EXPECT_LT(c.currentY(), 50);
}

TEST(RasterCanvas, FarAndNonFiniteCoordinatesAreClippedNotFatal) {
    RasterCanvas c(100, 100);
    c.scale(0, 10, 10, 0);
    c.clear();
    c.line(-1e300, 0, 1e300, 5, colors::black);
    c.circle(std::nan(""), 1, 1, colors::black);
    c.point(1e200, 1e200, colors::black);
    EXPECT_EQ(c.pixelAt(5.5, 9.5), qRgb(255, 255, 255));
}

class PictureSaving : public WindowTest {};

TEST_F(PictureSaving, MainWindowSavesNumberedBitmapsAndRefusesPaths) {
    auto* f1 = app->windows.get(1);
    click(f1, "Command6");
    QImageReader reader(QStringLiteral("Sonrel1.bmp"));
    ASSERT_TRUE(reader.canRead());
    const QImage img = reader.read();
    EXPECT_EQ(img.size(), QSize(787, 342));
    QFile raw(QStringLiteral("Sonrel1.bmp"));
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    const QByteArray header = raw.read(30);
    EXPECT_EQ(header.left(2), QByteArray("BM"));
    EXPECT_EQ(static_cast<int>(header[28]), 24); // bits per pixel
    EXPECT_TRUE(boxes.shown.empty());

    typeInto(f1, "Text21", QStringLiteral("12"));
    click(f1, "Command6");
    EXPECT_TRUE(QFile::exists(QStringLiteral("Sonrel12.bmp")));
    EXPECT_EQ(textOf(f1, "Text21"), QStringLiteral("12"));
    click(f1, "Command6"); // overwrites quietly
    EXPECT_TRUE(boxes.shown.empty());

    typeInto(f1, "Text21", QStringLiteral("/"));
    click(f1, "Command6");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("Ошибка сохранения изображения"));
    EXPECT_EQ(boxes.shown[0].title, QStringLiteral("Sonrel6"));
    EXPECT_FALSE(QFile::exists(QStringLiteral("Sonrel/.bmp")));
}

// The number is taken as typed: with none, the file is the prefix alone.
TEST_F(PictureSaving, AnEmptyNumberSavesThePrefixAlone) {
    const std::pair<int, const char*> windows[] = {{1, "Text21"}, {10, "Text21"}};
    for (const auto& [n, field] : windows) {
        QFile::remove(QStringLiteral("Sonrel.bmp"));
        FormBase* f = app->windows.show(n);
        typeInto(f, field, QString());
        click(f, "Command6");
        EXPECT_TRUE(QImageReader(QStringLiteral("Sonrel.bmp")).canRead()) << "Form" << n;
    }
    FormBase* f6 = app->windows.show(6);
    typeInto(f6, "Text60", QString());
    click(f6, "Command5");
    EXPECT_TRUE(QImageReader(QStringLiteral("Sonrel_.bmp")).canRead());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST(RasterCanvas, ABatchOfPointsDrawsTheSamePixelsAsSinglePoints) {
    RasterCanvas one(200, 100), batch(200, 100);
    std::vector<double> xs, ys;
    for (int k = -50; k < 2500; ++k) {
        xs.push_back(k * 0.005);
        ys.push_back(std::sin(k * 0.01));
    }
    xs.push_back(std::nan(""));
    ys.push_back(0);
    for (RasterCanvas* c : {&one, &batch})
        c->scale(-1, 2, 11, -2);
    for (std::size_t k = 0; k < xs.size(); ++k)
        one.point(xs[k], ys[k], rgb(0, 250, 0));
    batch.points(xs.data(), ys.data(), xs.size(), rgb(0, 250, 0));
    EXPECT_EQ(one.image(), batch.image());
}

TEST_F(PictureSaving, AnUnwritableFolderGivesTheMessageAndNoFile) {
    // A folder removed under the program cannot be written, not even by root.
    const QString gone = tempDir + QStringLiteral("/gone");
    QDir().mkpath(gone);
    QDir::setCurrent(gone);
    QDir(gone).removeRecursively();
    click(app->windows.get(1), "Command6");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("Ошибка сохранения изображения"));
    QDir::setCurrent(tempDir);
    EXPECT_FALSE(QFile::exists(gone + QStringLiteral("/Sonrel1.bmp")));
}

TEST(RasterCanvas, GridLinesSetExactlyThePixelsOfAnAliasedLine) {
    RasterCanvas fast(300, 200);
    fast.scale(0, 0, 300, 200); // one user unit per pixel
    fast.clear();
    QImage reference(300, 200, QImage::Format_RGB32);
    reference.fill(Qt::white);
    QPainter p(&reference);
    p.setPen(QPen(QColor(200, 200, 200), 1));
    for (int k = 0; k < 200; ++k) {
        // Fractional, integral, reversed and partly outside ends.
        const double at = (k * 37 % 190) + (k % 4) * 0.25 + 0.1 * (k % 3);
        const double from = (k * 53 % 320) - 10 + 0.5 * (k % 2), to = (k * 91 % 320) - 10;
        if (from == to) continue;
        if (k % 2) {
            fast.line(from, at, to, at, rgb(200, 200, 200));
            p.drawLine(QPointF(from, at), QPointF(to, at));
        } else {
            fast.line(at, from, at, to, rgb(200, 200, 200));
            p.drawLine(QPointF(at, from), QPointF(at, to));
        }
    }
    p.end();
    EXPECT_EQ(fast.image(), reference);
}

class PictureMarks : public WindowTest {};

TEST_F(PictureMarks, OnlyTheLeftButtonMarksThePictureTheRightOneOpensTheMenu) {
    // The main window, the comparison window and the medium window mark the
    // spot of a press; a right press only opens the picture's menu.
    open(9);
    open(3);
    for (int n : {1, 9, 3}) {
        auto* widget = app->windows.get(n)->findChild<CanvasWidget*>(QStringLiteral("Picture1"));
        ASSERT_NE(widget, nullptr) << n;
        const QPoint at(widget->width() / 3, widget->height() / 3);
        auto press = [&](Qt::MouseButton b) {
            QMouseEvent e(QEvent::MouseButtonPress, QPointF(at), widget->mapToGlobal(QPointF(at)),
                          b, b, Qt::NoModifier);
            QApplication::sendEvent(widget, &e);
        };
        const QImage before = widget->canvas().image().copy();
        press(Qt::RightButton);
        EXPECT_EQ(widget->canvas().image(), before) << n;
        press(Qt::LeftButton);
        EXPECT_NE(widget->canvas().image(), before) << n;
    }
    EXPECT_TRUE(boxes.shown.empty());
}
