// A canvas on a high-density screen: twice the pixels, the same picture.
#include "canvas/picture_file_qt.h"
#include "canvas/raster_canvas_qt.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <cmath>
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

namespace {
// A picture with a background layer, an erased front, an animation frame
// and a label: everything the journal must be able to draw again.
void drawLayeredScene(RasterCanvas& c) {
    drawScene(c);
    c.keepAsBackground();
    c.circle(10, 5, 3, kBlue);
    c.circle(10, 5, 3, colors::white); // wiped: the grid lines show again
    for (int step = 0; step < 3; ++step) {
        const FrameScope frame(c);
        c.circle(5 + step, 5, 2, kRed);
        c.setCurrent(12, 8);
        c.print("T = " + std::to_string(step));
    }
    const double across[] = {4, 5, 10, 5.2}; // drawn after the last frame, over its circle
    c.lines(across, 1, kBlue);
}

// The horizontal distance, in device pixels, from the centre to the middle
// of the first inked run right of it on the centre's row.
double ringRadius(const QImage& img, int cx, int cy) {
    int first = -1, last = -1;
    for (int x = cx + 1; x < img.width(); ++x) {
        const bool ink = img.pixel(x, cy) != qRgb(255, 255, 255);
        if (ink && first < 0) first = x;
        if (!ink && first >= 0) break;
        if (ink) last = x;
    }
    return first < 0 ? -1 : (first + last + 1) / 2.0 - cx;
}
} // namespace

TEST(CanvasZoom, DrawnAgainAtTheZoomTheSameAsDrawnThere) {
    for (double zoom : {1.7, 2.5}) {
        SCOPED_TRACE(zoom);
        RasterCanvas before(200, 100), direct(200, 100);
        drawLayeredScene(before);
        before.setZoom(zoom);
        direct.setZoom(zoom);
        drawLayeredScene(direct);
        EXPECT_EQ(before.image().width(), static_cast<int>(std::ceil(200 * zoom)));
        EXPECT_TRUE(before.image() == direct.image());
        // Saved files and pixel reads keep the design's size.
        RasterCanvas plain(200, 100);
        drawLayeredScene(plain);
        EXPECT_TRUE(before.logicalImage() == plain.logicalImage());
        EXPECT_EQ(before.pixelAt(3, 5), qRgb(255, 0, 0));
    }
}

TEST(CanvasZoom, ACircleMeasuresItsRadiusTimesTheZoom) {
    // 200 pixels for 20 units: radius 4 units is 40 logical pixels.
    RasterCanvas c(200, 100);
    c.scale(0, 10, 20, 0);
    c.clear();
    c.circle(10, 5, 4, kRed);
    c.setZoom(2.5);
    const double r = ringRadius(c.image(), 250, 125);
    EXPECT_NEAR(r, 100.0, 1.5);
    c.setZoom(1);
    EXPECT_NEAR(ringRadius(c.image(), 100, 50), 40.0, 1.0);
}

TEST(CanvasZoom, SavedAtScreenSizeTheFileHasTheZoomedPixels) {
    QTemporaryDir dir;
    RasterCanvas c(200, 100);
    drawScene(c);
    c.setZoom(2);
    const QString design = savePictureAs(c, dir.filePath("design.png"));
    const QString screen = savePictureAs(c, dir.filePath("screen.png"), 0, true);
    EXPECT_EQ(QImage(design).size(), QSize(200, 100));
    EXPECT_EQ(QImage(screen).size(), QSize(400, 200));
    EXPECT_EQ(QImage(screen).pixel(60, 101), qRgb(255, 0, 0)); // the line at row 50, two thick
}

TEST(CanvasZoom, TheJournalOfALongAnimationStaysBounded) {
    RasterCanvas c(200, 100);
    drawScene(c);
    c.keepAsBackground();
    for (int step = 0; step < 3000; ++step) {
        const FrameScope frame(c);
        for (int k = 0; k <= 60; ++k)
            c.circle(5 + 0.001 * step + 0.1 * k, 5, 1, kRed);
    }
    EXPECT_LE(c.journalSize(), RasterCanvas::kJournalLimit);
    c.setZoom(2);
    // The last frame's last circle, about (13.999, 5) with radius 1, tops
    // at pixel column 139, row 40.
    const QImage img = c.logicalImage();
    bool red = false;
    for (int y = 38; y <= 42; ++y)
        red = red || img.pixel(139, y) == qRgb(255, 0, 0);
    EXPECT_TRUE(red);
}

TEST(CanvasZoom, ATraceOfMorePrimitivesThanTheJournalKeepsAllOfItWhenZoomed) {
    // Rays traced step by step leave every segment on the picture, outside
    // any frame: the diagonal from (1, 2) to (19, 8), pixels (10, 80) to (190, 20).
    RasterCanvas c(200, 100);
    c.scale(0, 10, 20, 0);
    c.clear();
    // In batches of 500 segments, as a beam's rays are drawn.
    const int n = 2 * static_cast<int>(RasterCanvas::kJournalLimit) + 1000;
    std::vector<double> ends;
    for (int k = 0; k < n; ++k) {
        const double t0 = double(k) / n, t1 = double(k + 1) / n;
        ends.insert(ends.end(), {1 + 18 * t0, 2 + 6 * t0, 1 + 18 * t1, 2 + 6 * t1});
        if (ends.size() == 4 * 500 || k == n - 1) {
            c.lines(ends.data(), ends.size() / 4, kRed);
            ends.clear();
        }
    }
    EXPECT_LE(c.journalSize(), RasterCanvas::kJournalLimit);
    // Bounded too in memory: the whole trace as lines would take 7,7 MB.
    EXPECT_LT(c.journalBytes(), 5e6);
    c.setZoom(2);
    const QImage img = c.image();
    auto reddish = [&](int x, int y) { // within two device pixels
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx) {
                const QRgb p = img.pixel(x + dx, y + dy);
                if (qRed(p) > 200 && qGreen(p) < 120) return true;
            }
        return false;
    };
    EXPECT_TRUE(reddish(2 * 20, 2 * 77)); // early in the trace: kept as an image
    EXPECT_TRUE(reddish(2 * 100, 2 * 50));
    EXPECT_TRUE(reddish(2 * 185, 2 * 22)); // the last segments: journalled
    EXPECT_FALSE(reddish(2 * 100, 2 * 20));
}

namespace {
int inkedPixels(RasterCanvas& c) {
    const QImage img = c.logicalImage();
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += img.pixel(x, y) != qRgb(255, 255, 255);
    return n;
}
} // namespace

TEST(CanvasLabels, ALabelIsNotDrawnOverAnotherStillShown) {
    struct Case {
        const char* second;
        double dx;          // its offset in units from the first
        bool wipeBetween;   // the picture cleared in between
        bool secondIsDrawn; // the picture then equals one with both labels
    };
    const Case cases[] = {{"T = 5", 0, false, false},
                          {"T = 7", 0.1, false, false},
                          {"T = 4", 0, false, true}, // the same label again: the same pixels
                          {"T = 7", 0, true, true},
                          {"T = 7", 8, false, true}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.second);
        auto draw = [&](RasterCanvas& c, bool first, bool second) {
            c.scale(0, 10, 20, 0);
            c.clear();
            if (first) {
                c.setCurrent(2, 8);
                c.print("T = 4");
            }
            if (k.wipeBetween) c.clear();
            if (second) {
                c.setCurrent(2 + k.dx, 8);
                c.print(k.second);
            }
        };
        RasterCanvas both(200, 100), alone(200, 100);
        draw(both, true, true);
        draw(alone, !k.wipeBetween, k.secondIsDrawn || k.wipeBetween);
        EXPECT_TRUE(both.logicalImage() == alone.logicalImage());
    }
}

TEST(CanvasLabels, AxisNumbersAtTheEdgesMoveInside) {
    // Printed in the middle, then past each edge: all of it shows.
    RasterCanvas middle(200, 100);
    middle.scale(0, 10, 20, 0);
    middle.clear();
    middle.setCurrent(10, 5);
    middle.printWithin("40");
    const int whole = inkedPixels(middle);
    ASSERT_GT(whole, 10);
    const double at[][2] = {{19.8, 5}, {-0.5, 5}, {10, 10.4}, {10, 0.2}};
    for (const auto& p : at) {
        RasterCanvas c(200, 100);
        c.scale(0, 10, 20, 0);
        c.clear();
        c.setCurrent(p[0], p[1]);
        c.printWithin("40");
        EXPECT_EQ(inkedPixels(c), whole) << p[0] << ", " << p[1];
    }
}
