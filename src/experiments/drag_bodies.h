#pragma once
// Placing the bodies on an experiment's picture between runs: each body shows
// as a marker at its start place with an arrow for its velocity; dragging a
// marker moves the place, dragging an arrow's head changes the velocity.
// Everything here is in the picture's widget pixels (y down) and in model
// metres and metres per second; the window supplies the mapping between them.
#include "experiments/fit_picture.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace sonrel {

// An arrow shows the path its body covers in this many seconds: with the
// default speeds (6 and 10 m/s) and scales (5 to 10 m per canvas centimetre,
// 19 to 28 pixels a centimetre) the arrows are some 20 to 110 pixels long,
// reaching out of the markers and short enough not to hide the picture.
constexpr double kArrowSeconds = 2;

// A press this many pixels or nearer to a handle takes it.
constexpr double kHandleTolerancePx = 8;

// Shift during a drag: places to whole metres, velocities to this step.
constexpr double kWholePlaceStep = 1, kWholeVelocityStep = 0.5;

struct PixelPoint {
    double x = 0, y = 0;
};

// A body's start values: place in metres, velocity in metres per second.
struct BodyStart {
    double x = 0, y = 0, vx = 0, vy = 0;
};

// The bodies as the fields hold them: receiver (index 0), source (index 1);
// nothing for a body whose fields hold no number.
using BodyStarts = std::array<std::optional<BodyStart>, 2>;

// The picture as shown: the animation's user rectangle (canvas units, y up),
// the widget's size in pixels (zoom included) and the scale, metres per unit.
struct PictureView {
    PictureRect rect;
    double widthPx = 0, heightPx = 0;
    double scale = 0;

    // A positive scale and a rectangle and size of some extent.
    bool drawable() const;
    PixelPoint toPixels(double xMetres, double yMetres) const;
    // Metres one pixel stands for along x and along y (negative: y grows upward).
    double metresPerPixelX() const;
    double metresPerPixelY() const;
};

// Where a body's marker and its arrow's head are shown.
struct HandlePlaces {
    PixelPoint place, head;
};
HandlePlaces handlePlaces(const PictureView& view, const BodyStart& body);

enum class HandleKind { Place, Velocity };

struct Handle {
    int body = -1; // 0 receiver, 1 source, -1 none
    HandleKind kind = HandleKind::Place;
    bool valid() const { return body >= 0; }
};

// The handle within tolerancePx of p, the nearest one when several are.
// At equal distance (a body at rest has its arrow's head on its marker) the
// marker wins, or the arrow's head with preferVelocity (Ctrl held).
Handle handleAt(const PictureView& view, const BodyStarts& bodies, PixelPoint p,
                bool preferVelocity, double tolerancePx = kHandleTolerancePx);

// x rounded to the nearest multiple of step.
double roundToStep(double x, double step);

// The decimal step a dragged value is written with: the coarsest power of ten
// not above a tenth of what one pixel stands for, so the fields stay short
// and a drag still moves the value pixel by pixel.
double pixelStep(double perPixel);

// The body's values after the handle was dragged by deltaPx from the press:
// the place moves by the metres the pixels stand for; the velocity changes so
// that the arrow's head follows, kArrowSeconds of motion per arrow. A moved
// coordinate is rounded to the pixel's step, one not moved keeps its value;
// with whole (Shift) both are rounded to whole metres or steps of 0,5 m/s.
BodyStart draggedBody(const PictureView& view, const BodyStart& atPress, HandleKind kind,
                      PixelPoint deltaPx, bool whole);

// The texts of the eight body fields (X1, Y1, VX1, VY1, X2, Y2, VX2, VY2).
using BodyFieldTexts = std::array<std::string, 8>;

// The fields as they were before each completed drag, newest last; undo
// gives them back one drag at a time, the oldest beyond `depth` are forgotten.
class DragHistory {
public:
    explicit DragHistory(std::size_t depth = 20) : depth_(depth) {}
    void push(const BodyFieldTexts& before);
    std::optional<BodyFieldTexts> undo();
    std::size_t size() const { return entries_.size(); }

private:
    std::size_t depth_;
    std::vector<BodyFieldTexts> entries_;
};

} // namespace sonrel
