#pragma once
// Pictures of the membrane experiment on the animation scale (model metres
// divided by the picture scale) and its graph of v/v0 against the angle.
#include "canvas/canvas.h"
#include "experiments/membrane/membrane_model.h"

namespace sonrel {

// The aimed configuration: source, aim point and receiver, the line of aim
// and both membranes, over the grid (not cleared).
void drawAim(Canvas& canvas, const SharedState& s, bool gridNumbers);

// One display step: bodies, membranes and fronts erased where they were last
// drawn and drawn where they are, then the received fronts' rays.
void drawDisplayStep(Canvas& canvas, const SharedState& s, MembraneModel& m);

// The mirror's reflection point, the incoming and the reflected ray.
void drawMirrorRays(Canvas& canvas, const SharedState& s, const MembraneModel& m);

} // namespace sonrel
