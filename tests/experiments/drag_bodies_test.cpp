// The bodies dragged on the picture, against hand-worked pixels and metres.
#include "experiments/drag_bodies.h"

#include <gtest/gtest.h>

using namespace sonrel;

namespace {
// The animation rectangle (-1, 14)-(40, -4) on 820 × 360 pixels: 20 pixels a
// unit both ways; at 5 m a unit one pixel is 0,25 m (y upward).
PictureView view() {
    return {{-1, 14, 40, -4}, 820, 360, 5};
}
} // namespace

TEST(DragBodies, PlacesAndDraggedValuesFollowThePicturesScale) {
    // (10 m, 5 m) is (2, 1) units: 3 units from the left, 13 below the top.
    // The arrow (6 m/s, -4 m/s) ends kArrowSeconds later: 1 s is (16 m, 1 m).
    const HandlePlaces h = handlePlaces(view(), {10, 5, 6, -4});
    EXPECT_DOUBLE_EQ(h.place.x, 60);
    EXPECT_DOUBLE_EQ(h.place.y, 260);
    EXPECT_DOUBLE_EQ(h.head.x, 60 + 6 * kArrowSeconds * 4);
    EXPECT_DOUBLE_EQ(h.head.y, 260 + 4 * kArrowSeconds * 4);

    struct Case {
        HandleKind kind;
        PixelPoint delta;
        bool whole;
        BodyStart expected;
    };
    const BodyStart b{10, 16.0 / 3, 6, 0.3};
    const Case cases[] = {
        // 0,25 m a pixel: written to hundredths; y up; an unmoved coordinate keeps its digits.
        {HandleKind::Place, {8, -4}, false, {12, 6.33, 6, 0.3}},
        {HandleKind::Place, {3, 0}, false, {10.75, 16.0 / 3, 6, 0.3}},
        // Shift: both coordinates to whole metres.
        {HandleKind::Place, {3, 0}, true, {11, 5, 6, 0.3}},
        {HandleKind::Place, {-1, 0}, true, {10, 5, 6, 0.3}},
        {HandleKind::Velocity, {7, 0}, false, {10, 16.0 / 3, 6 + 1.75 / kArrowSeconds, 0.3}},
        // Shift: velocities to 0,5 m/s (7,75 to 8; 0,3 + 0,5 to 1).
        {HandleKind::Velocity, {7, -2}, true, {10, 16.0 / 3, 8, 1}},
        {HandleKind::Velocity, {0, 0}, true, {10, 16.0 / 3, 6, 0.5}}};
    for (const Case& c : cases) {
        const BodyStart r = draggedBody(view(), b, c.kind, c.delta, c.whole);
        EXPECT_NEAR(r.x, c.expected.x, 1e-12) << c.delta.x << " " << c.whole;
        EXPECT_NEAR(r.y, c.expected.y, 1e-12) << c.delta.x << " " << c.whole;
        EXPECT_NEAR(r.vx, c.expected.vx, 1e-12) << c.delta.x << " " << c.whole;
        EXPECT_NEAR(r.vy, c.expected.vy, 1e-12) << c.delta.x << " " << c.whole;
    }
}

TEST(DragBodies, PressTakesTheNearestHandleWithinTolerance) {
    // Receiver at (60, 260) at rest: its head on its marker; source at
    // (120, 280) with its head 40 pixels right of it.
    const BodyStarts bodies{BodyStart{10, 5, 0, 0}, BodyStart{25, 0, 10 / kArrowSeconds, 0}};
    struct Case {
        PixelPoint at;
        bool ctrl;
        int body;
        HandleKind kind;
    };
    const Case cases[] = {
        {{63, 262}, false, 0, HandleKind::Place},    {{63, 262}, true, 0, HandleKind::Velocity},
        {{125, 280}, false, 1, HandleKind::Place},   {{155, 283}, false, 1, HandleKind::Velocity},
        {{155, 283}, true, 1, HandleKind::Velocity}, {{125, 280}, true, 1, HandleKind::Place},
        {{140, 280}, false, -1, HandleKind::Place},  {{60, 250}, false, -1, HandleKind::Place}};
    for (const Case& c : cases) {
        const Handle h = handleAt(view(), bodies, c.at, c.ctrl);
        EXPECT_EQ(h.body, c.body) << c.at.x << "," << c.at.y << " ctrl " << c.ctrl;
        if (h.valid()) {
            EXPECT_EQ(h.kind, c.kind) << c.at.x << "," << c.at.y << " ctrl " << c.ctrl;
        }
    }
    // A body whose fields hold no number has no handles.
    EXPECT_FALSE(handleAt(view(), {std::nullopt, bodies[1]}, {60, 260}, false).valid());
}

TEST(DragBodies, StepsOfThePixelAndUndoOfDrags) {
    for (auto [perPixel, step] : {std::pair{0.25, 0.01}, {2.5, 0.1}, {0.0999, 0.001}, {40.0, 1.0}})
        EXPECT_DOUBLE_EQ(pixelStep(perPixel), step) << perPixel;
    EXPECT_EQ(roundToStep(12.345678, 0.01), 12.35);
    EXPECT_EQ(roundToStep(-3.26, 0.5), -3.5);

    DragHistory h(2);
    for (const char* x : {"1", "2", "3"})
        h.push({x, "0", "0", "0", "0", "0", "0", "0"});
    EXPECT_EQ(h.undo().value()[0], "3");
    EXPECT_EQ(h.undo().value()[0], "2");
    EXPECT_FALSE(h.undo()); // deeper than two drags is forgotten
}
