#include "app/form1.h"
#include "support/ui_helpers.h"

#include <QCheckBox>
#include <QImage>

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
