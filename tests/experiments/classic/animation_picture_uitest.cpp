#include "app/form1.h"
#include "experiments/classic/classic_run.h"
#include "support/ui_helpers.h"

#include <QCheckBox>
#include <QImage>
#include <QTimer>
#include <cmath>

using namespace sonrel;
using namespace sonrel::testing;

namespace {

class AnimationPicture : public WindowTest {
protected:
    Form1* form() { return static_cast<Form1*>(app->windows.get(1)); }
    QImage defaultRun(bool retained) {
        form()->picture().setRetainedFrames(retained);
        form()->Check9->setChecked(true);
        click(form(), "Command13");
        click(form(), "Command1");
        return form()->picture().image().copy();
    }
};

} // namespace

TEST_F(AnimationPicture, DefaultRunEndsWithTheSamePictureWhicheverWayFramesArePainted) {
    const QImage whole = defaultRun(false);
    const QImage retained = defaultRun(true);
    EXPECT_EQ(retained, whole);

    // Pixels of fronts, bodies, paths, lines of sight, the wave, axes and grid
    // in the final picture of the default run, as drawn before frames were
    // painted tile by tile.
    struct Pixel {
        int x, y;
        QRgb colour;
    };
    const Pixel expected[] = {
        {63, 5, qRgb(255, 0, 0)},     {382, 33, qRgb(255, 0, 0)},   {332, 43, qRgb(255, 0, 0)},
        {465, 72, qRgb(0, 0, 250)},   {251, 76, qRgb(0, 0, 250)},   {353, 76, qRgb(0, 0, 250)},
        {518, 262, qRgb(250, 0, 0)},  {594, 269, qRgb(250, 0, 0)},  {395, 74, qRgb(0, 250, 0)},
        {702, 78, qRgb(0, 250, 0)},   {279, 251, qRgb(0, 250, 0)},  {300, 262, qRgb(0, 250, 0)},
        {466, 78, qRgb(255, 0, 255)}, {707, 97, qRgb(255, 0, 255)}, {584, 116, qRgb(255, 0, 255)},
        {19, 109, qRgb(1, 0, 0)},     {19, 220, qRgb(1, 0, 0)},     {123, 0, qRgb(200, 200, 200)},
    };
    for (const Pixel& p : expected)
        EXPECT_EQ(retained.pixel(p.x, p.y), p.colour) << p.x << ", " << p.y;
}

namespace {

// True when a pixel of the front colour lies within 0.06 cm of the point on
// the circle of centre (cx, cy) and radius r at the angle a (canvas units).
bool frontPixelNear(RasterCanvas& c, double cx, double cy, double r, double a) {
    const double x = cx + r * std::cos(a), y = cy + r * std::sin(a);
    for (double dx = -0.06; dx <= 0.061; dx += 0.02)
        for (double dy = -0.06; dy <= 0.061; dy += 0.02)
            if (c.pixelAt(x + dx, y + dy) == qRgb(255, 0, 0)) return true;
    return false;
}

} // namespace

// With "все фронты" the default run has two fronts in flight near T = 94 s
// (18 and 19; 17 was received at about 90,4 s): each is drawn on its own circle about its emission
// point with the radius Vs·(T − Tn2(j)); a front already received is gone.
TEST_F(AnimationPicture, EveryFrontInFlightIsDrawnOnItsOwnCircle) {
    form()->picture().setRetainedFrames(true);
    form()->Check9->setChecked(false);
    form()->CheckAllFronts->setChecked(true);
    typeInto(form(), "Text19", "25"); // 25 m/cm: the source's whole path fits
    click(form(), "Command13");
    QTimer::singleShot(0, [this] { click(form(), "Command2"); });
    click(form(), "Command1"); // stopped at the first display step
    const SharedState& s = app->state;
    const double stoppedAt = s.T;
    ASSERT_LT(stoppedAt, 50);
    // 20 presses of NC0 steps up to T = 94 s, a display step at the end of each.
    const int perPress = static_cast<int>(std::lround((94 - stoppedAt) / 20 / s.dt));
    typeInto(form(), "Text10", QString::number(perPress));
    for (int press = 0; press < 20; ++press)
        click(form(), "Command4");
    ASSERT_NEAR(s.T, 94, 0.01);
    // Front j leaves x = 10·5·(j − 1) m on y = 0 at 5·(j − 1) s and spreads at 20 m/s.
    auto centre = [](int j) { return 50.0 * (j - 1) / 25; };
    auto radius = [&](int j) { return 20 * (s.T - 5.0 * (j - 1)) / 25; };
    RasterCanvas& c = form()->picture();
    const double pi = std::acos(-1.0);
    for (int j : {18, 19})
        for (double a : {1.0, 1.6, 2.2})
            EXPECT_TRUE(frontPixelNear(c, centre(j), 0, radius(j), a))
                << "front " << j << " at " << a;
    // Front 17 was received at about 90,4 s; the circle it was last drawn
    // with, at the display step before, is wiped.
    double lastDrawn = stoppedAt;
    while (lastDrawn + perPress * s.dt < 90.37)
        lastDrawn += perPress * s.dt;
    const double r17 = 20 * (lastDrawn - 80) / 25;
    for (double a : {0.4, pi / 2 + 0.1, 2.6})
        EXPECT_FALSE(frontPixelNear(c, centre(17), 0, r17, a)) << "front 17 at " << a;
    // Front 20 leaves only at 95 s.
    EXPECT_EQ(form()->classicRun().fronts().radii(20), 0);
}
