#pragma once
// The classical wave-front experiment: a source (body 2) emits a circular
// front every T00, the front spreads with Vs from its emission point, and the
// receiver (body 1) records the step at which each front reaches it. The run
// is exposed one step at a time; the window owns the loop.
#include "base/prompts.h"
#include "base/shared_state.h"
#include "experiments/classic/classic_texts.h"

#include <cstdint>

namespace sonrel {

// "все фронты": every emitted front grows on its own radius and is received
// on its own. The mode is chosen for the whole run; the radius of each front,
// the radius it was last drawn with and its reception belong to the run.
// "фронты после приема" (keepReceived, read at every display step) only
// draws: a received front goes on spreading on the picture until it has
// left it; its radius and reception in the record stay as the model left them.
struct AllFrontsState {
    bool allFronts = false;
    bool keepReceived = false;
    PeriodArray radii, radiiDrawn;
    IndexedArray<std::int16_t, 0, 20> received;
};

// The check boxes a step reads at every arrival.
struct StepChecks {
    bool delayInCoordinates = true; // "учесть запаздывание по координатам"
    bool automatic = true;          // "Auto": no jump and no question after an arrival
};

struct StepResult {
    bool display = false; // a display step: refresh the fields and the picture
    bool endRun = false;  // the run ends after this step
};

// "1-Задать T00, с", first half: with the typed positions of both bodies at
// T = T00 in X(1..2), Y(1..2), moves the source back one period to the
// emission point of front 1 and returns the time front 1 needs to reach the
// receiver's typed position (distance enlarged by 1.0000000001, over Vs).
// A period T00 <= 0 throws MathError before anything changes.
double firstFrontTravelTime(SharedState& s);

// Second half: records the first two emission points and the receiver at
// T = 0 and T = T00, moves the receiver back one period and returns v0 = 1/T00.
double placeFirstPeriod(SharedState& s);

// True when the travel time of front 1 exceeds T00 beyond rounding.
bool periodShorterThanTravel(const SharedState& s, double travelTime);

// "2-Начать эксперимент" after its fields have been read into the state
// (typed positions at T = T00, velocities, Vs, dt, NC0, v0, T00): rebuilds the
// period record, speeds, signs, velocity directions and the run state.
// A period or a step <= 0 throws MathError before anything changes.
// With fronts the run's all-fronts record is cleared too; its allFronts,
// set before, chooses the mode of the run.
void setupRun(SharedState& s);
void setupRun(SharedState& s, AllFrontsState& fronts);

// One solving step: move the bodies, grow the tracked front (with
// fronts.allFronts every front in flight), record its arrival. Throws
// MathError or IndexError (the front past the record). Without fronts the
// run follows one front at a time.
StepResult stepExperiment(SharedState& s, const StepChecks& checks, Prompts& prompts);
StepResult stepExperiment(SharedState& s, AllFrontsState& fronts, const StepChecks& checks,
                          Prompts& prompts);

} // namespace sonrel
