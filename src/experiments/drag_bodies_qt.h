#pragma once
// The bodies on an experiment window's picture between runs: the receiver
// (blue) and the source (red) at their start places, each with an arrow for
// its velocity, drawn over the picture and never into it. Dragging a marker
// writes the place into X1 Text1, Y1 Text5 or X2 Text2, Y2 Text6; dragging an
// arrow's head writes the velocity into VX1 Text3, VY1 Text7 or VX2 Text4,
// VY2 Text8, live, with the value shown beside the cursor. Shift rounds to
// whole metres or 0,5 m/s; Ctrl takes the arrow of a body at rest (its head
// lies on the marker); Esc puts back the values of the press; Ctrl+Z, between
// drags, the values before the last drag. A left press elsewhere marks a
// point as before; the right button opens the picture's menu. During a run
// nothing is shown and nothing can be dragged.
#include "experiments/fit_picture.h"

#include <functional>

namespace sonrel {

class CanvasWidget;
class FormBase;

struct BodyDragSetup {
    // The animation's user rectangle, canvas units (the scale its grid is drawn with).
    PictureRect picture;
    // Where the picture may move over the model (the main window's shift):
    // the rectangle now, replacing `picture`.
    std::function<PictureRect()> movedPicture;
};

// Shows the bodies on `canvas` of `form` and lets them be dragged. The
// markers show while the canvas is on the animation's scale (a graph drawn
// on the same picture hides them) and the fields hold numbers; a body's
// place in canvas units is its metres over the scale field Text19.
void installBodyDragging(FormBase& form, CanvasWidget* canvas, BodyDragSetup setup);

} // namespace sonrel
