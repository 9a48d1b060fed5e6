#pragma once
// The animation picture of the main window's experiment: its scale, grid and
// axes, the initial configuration of "1-Задать T00, с" and the drawing made
// at every display step of a run.
#include "base/shared_state.h"
#include "canvas/canvas.h"
#include "experiments/animation_grid.h"
#include "experiments/classic/classic_model.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sonrel {

// The first two emission points, the receiver at T = 0 and T = T00 and the
// two initial lines of sight, after "1-Задать T00, с" placed them.
void drawPeriodSetting(Canvas& canvas, const SharedState& s, bool withText);

// What the animation keeps between display steps: where the body markers
// were last drawn (canvas units), so the next step can wipe them, and the
// heights of the wave's visible points, which change only with the scale
// and the source's motion.
struct AnimationMemory {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::vector<double> waveX, waveY;
    int waveFirst = 0, waveLast = -1;
    double waveX0 = 0, waveStep = 0, phaseStep = 0;
    std::uint64_t waveRevision = 0; // counts the recomputations of the wave
    // The label texts of the last step: a label is formatted again only when
    // its front or its value changed.
    struct Label {
        int front = -1;
        double value = 0;
        std::string text;
    };
    std::vector<Label> labels;
};

// The picture of one display step: the tracked front, the bodies and their
// paths, the wave along the source's path, and the marks of every front so far.
// With fronts.allFronts every front in flight is drawn on its own circle
// instead of the tracked one.
void drawDisplayStep(Canvas& canvas, SharedState& s, AnimationMemory& memory, bool withText);
void drawDisplayStep(Canvas& canvas, SharedState& s, AllFrontsState& fronts,
                     AnimationMemory& memory, bool withText);

} // namespace sonrel
