#pragma once
// The calculation scheme of the frame transformation: the АСО and ИСО axes,
// source and receiver with their local axes, their velocity components and
// resultants, the line of sight and the angles Q1, Q2 — a black line drawing.
#include "canvas/canvas.h"

namespace sonrel {

// Width and height of the scheme in pixels; the scheme uses them as its
// user scale, with y growing upward.
constexpr int kSchemeWidth = 581;
constexpr int kSchemeHeight = 376;

// Clears the canvas and draws the whole scheme.
void drawFrameScheme(Canvas& c);

} // namespace sonrel
