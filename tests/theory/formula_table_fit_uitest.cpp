// The formula table printed on the main picture keeps all its digits inside
// the picture, with the picture's own font.
#include "canvas/canvas_widget.h"
#include "canvas/raster_canvas_qt.h"
#include "experiments/classic/animation.h"
#include "theory/formula_table.h"

#include <gtest/gtest.h>

using namespace sonrel;

TEST(FormulaTable, TheRightColumnWithNegativeShiftsEndsInsideThePicture) {
    // The main picture: its design size, its font, the animation's coordinates.
    RasterCanvas c(twips(11805), twips(5130));
    c.setFontPixelSize(12);
    c.scale(kAnimLeft, kAnimTop, kAnimRight, kAnimBottom);
    c.clear();
    FormulaInputs in;
    in.V1 = -12.345, in.V2 = 18.5, in.V12 = -30.845;
    FormulaResult r;
    r.G1 = 1.123456, r.G2 = 1.234567, r.G = 1.345678;
    // The longest lines: negative shifts with six decimals and two integer digits.
    r.v0 = 1, r.dv1 = -12.345678, r.dv2 = -23.456789;
    printFormulaTable(c, in, r, 57.2957795130823);
    const QImage& img = c.image();
    const QRgb white = qRgb(255, 255, 255);
    // Nothing printed reaches the picture's last columns (a clipped line would).
    for (int x = img.width() - 4; x < img.width(); ++x)
        for (int y = 0; y < img.height(); ++y)
            ASSERT_EQ(img.pixel(x, y), white) << "text at the edge, pixel " << x << ", " << y;
    // The right column is there: text in the picture's right third.
    bool text = false;
    for (int x = img.width() * 2 / 3; x < img.width() && !text; ++x)
        for (int y = 0; y < img.height() && !text; ++y)
            text = img.pixel(x, y) != white;
    EXPECT_TRUE(text);
}
