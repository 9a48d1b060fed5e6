// The bodies dragged on the picture, against hand-worked pixels and metres.
#include "experiments/drag_bodies.h"

#include <array>
#include <gtest/gtest.h>
#include <tuple>

using namespace sonrel;

// The animation rectangle (-1, 14)-(40, -4) on 820 × 360 pixels: 20 pixels a
// unit both ways; at 5 m a unit one pixel is 0,25 m (y upward).
const PictureView kView{{-1, 14, 40, -4}, 820, 360, 5};

TEST(DragBodies, DraggedValuesAndTheHandleAPressTakes) {
    // (x, y, vx, vy) after a drag of the place or the arrow by (dx, dy), Shift or not:
    // a moved value to hundredths, an unmoved one as typed, Shift rounds both;
    // 7 pixels an arrow's second are 1,75 m/s: 7,75 to 8, and 0,3 + 0,5 to 1.
    const BodyStart b{10, 16.0 / 3, 6, 0.3};
    const std::tuple<HandleKind, double, double, bool, BodyStart> cases[] = {
        {HandleKind::Place, 3, 0, false, {10.75, 16.0 / 3, 6, 0.3}},
        {HandleKind::Place, -1, 0, true, {10, 5, 6, 0.3}},
        {HandleKind::Velocity, 7 * kArrowSeconds, -2 * kArrowSeconds, true, {10, 16.0 / 3, 8, 1}}};
    for (const auto& [kind, dx, dy, whole, e] : cases) {
        const BodyStart r = draggedBody(kView, b, kind, {dx, dy}, whole);
        EXPECT_EQ((std::array{r.x, r.y, r.vx, r.vy}), (std::array{e.x, e.y, e.vx, e.vy}))
            << dx << " " << whole;
    }
    // Receiver at rest at (60, 260) px, its arrow's head on its marker; the
    // source at (120, 280) px, its head 40 px to the right.
    const BodyStarts bodies{BodyStart{10, 5, 0, 0}, BodyStart{25, 0, 10 / kArrowSeconds, 0}};
    const std::tuple<double, double, bool, int, HandleKind> presses[] = {
        {63, 262, false, 0, HandleKind::Place},
        {63, 262, true, 0, HandleKind::Velocity},
        {155, 283, false, 1, HandleKind::Velocity},
        {140, 280, false, -1, HandleKind::Place}};
    for (const auto& [x, y, ctrl, body, kind] : presses) {
        const Handle h = handleAt(kView, bodies, {x, y}, ctrl);
        EXPECT_TRUE(h.body == body && (!h.valid() || h.kind == kind)) << x << "," << y << ctrl;
    }
    EXPECT_FALSE(handleAt(kView, {std::nullopt, bodies[1]}, {60, 260}, false).valid());
}

TEST(DragBodies, StepsOfThePixelAndUndoOfDrags) {
    for (auto [perPixel, step] : {std::pair{0.25, 0.01}, {2.5, 0.1}, {0.0999, 0.001}, {40.0, 1.0}})
        EXPECT_DOUBLE_EQ(pixelStep(perPixel), step) << perPixel;
    DragHistory h(2); // deeper than two drags is forgotten
    for (const char* x : {"1", "2", "3"})
        h.push({x, "0", "0", "0", "0", "0", "0", "0"});
    for (const char* x : {"3", "2"})
        EXPECT_EQ(h.undo().value()[0], x);
    EXPECT_FALSE(h.undo());
}
