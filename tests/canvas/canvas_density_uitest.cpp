// A canvas on a high-density screen: twice the pixels, the same picture.
#include "canvas/picture_file_qt.h"
#include "canvas/raster_canvas_qt.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace sonrel;

namespace {
constexpr Color kRed = 255, kBlue = 255 << 16;

// A 200×100 picture with user coordinates 0..20 by 10..0, a red horizontal
// line at y = 5 and a blue vertical one at x = 15.
void drawScene(RasterCanvas& c) {
    c.scale(0, 10, 20, 0);
    c.clear();
    c.line(0, 5, 20, 5, kRed);
    c.line(15, 0, 15, 10, kBlue);
    c.setCurrent(1, 9);
    c.print("v0 = 1,5");
}
} // namespace

TEST(CanvasDensity, DoubleDensityHasTwiceThePixelsAndTheSameUserCoordinates) {
    RasterCanvas c(200, 100);
    c.setDevicePixelRatio(2);
    drawScene(c);
    EXPECT_EQ(c.image().width(), 400);
    EXPECT_EQ(c.image().height(), 200);
    EXPECT_DOUBLE_EQ(c.image().devicePixelRatio(), 2.0);
    EXPECT_EQ(c.widthPx(), 200);
    EXPECT_EQ(c.heightPx(), 100);
    // y = 5 is pixel row 50, x = 15 pixel column 150, in logical pixels.
    EXPECT_EQ(c.pixelAt(3, 5), qRgb(255, 0, 0));
    EXPECT_EQ(c.pixelAt(15, 2), qRgb(0, 0, 255));
    EXPECT_EQ(c.pixelAt(3, 2), qRgb(255, 255, 255));
    // A logical pixel is two device pixels: the red line is two rows thick.
    const QImage& img = c.image();
    EXPECT_EQ(img.pixel(60, 100), qRgb(255, 0, 0));
    EXPECT_EQ(img.pixel(60, 101), qRgb(255, 0, 0));
    EXPECT_EQ(img.pixel(60, 99), qRgb(255, 255, 255));
    EXPECT_EQ(img.pixel(60, 102), qRgb(255, 255, 255));
    // Mouse positions (logical) map to the same user coordinates.
    EXPECT_DOUBLE_EQ(c.toUser(150, 50).x(), 15.0);
    EXPECT_DOUBLE_EQ(c.toUser(150, 50).y(), 5.0);
}

TEST(CanvasDensity, ASavedPictureHasItsLogicalSizeAndLines) {
    QTemporaryDir dir;
    const QString old = QDir::currentPath();
    QDir::setCurrent(dir.path());
    RasterCanvas c(200, 100);
    c.setDevicePixelRatio(2);
    drawScene(c);
    ASSERT_FALSE(savePicture(c, QStringLiteral("Sonrel"), QStringLiteral("3")).isEmpty());
    QImage saved(QStringLiteral("Sonrel3.bmp"));
    QDir::setCurrent(old);
    ASSERT_EQ(saved.size(), QSize(200, 100));
    EXPECT_EQ(saved.pixel(30, 50), qRgb(255, 0, 0));
    EXPECT_EQ(saved.pixel(150, 20), qRgb(0, 0, 255));
    EXPECT_EQ(saved.pixel(30, 20), qRgb(255, 255, 255));
    EXPECT_EQ(saved.pixel(30, 49), qRgb(255, 255, 255));
}

TEST(CanvasDensity, ChangingTheDensityKeepsWhatWasDrawn) {
    RasterCanvas c(200, 100);
    drawScene(c);
    c.setDevicePixelRatio(2);
    EXPECT_EQ(c.image().width(), 400);
    EXPECT_EQ(c.pixelAt(3, 5), qRgb(255, 0, 0));
    EXPECT_EQ(c.pixelAt(15, 2), qRgb(0, 0, 255));
}
