#pragma once
// Holding an experiment run to the wall clock: the "Темп" choices (model
// seconds per wall second), the clock arithmetic that says when a display
// step may be shown, and the texts of the status line under the run buttons.
#include "base/translate.h"

#include <array>
#include <string>

namespace sonrel {

struct PaceChoice {
    const char* caption; // shown translated in context "RunPace"
    double modelPerWall; // 0: as fast as the machine allows
};

inline constexpr std::array<PaceChoice, 8> kPaceChoices{{{"0,5×", 0.5},
                                                         {"1×", 1},
                                                         {"2×", 2},
                                                         {"5×", 5},
                                                         {"10×", 10},
                                                         {"20×", 20},
                                                         {"50×", 50},
                                                         {SONREL_TR_NOOP("RunPace", "макс."), 0}}};
inline constexpr int kPaceMax = 7; // index of "макс."

// Maps model time to the wall time at which it is due. The anchor is the
// pair (model time, wall time) the run is measured from; it moves when the
// pace changes (so a new pace takes effect at once) and when the run lags
// far behind (after a question or a slow stretch the run goes on at its pace
// instead of racing to catch up).
class PaceClock {
public:
    // Longest lag, in wall seconds, that the run makes up by running unpaced.
    static constexpr double kMaxLag = 0.25;

    void anchor(double modelT, double wallNow, double pace);
    void drop() { anchored_ = false; }
    bool anchored() const { return anchored_; }
    // Wall time at which model time modelT is due at `pace` (> 0); anchors
    // anew first when there is no anchor, the pace differs from the
    // anchored one, or the run lags more than kMaxLag.
    double dueAt(double modelT, double pace, double wallNow);

private:
    bool anchored_ = false;
    double model0_ = 0, wall0_ = 0, pace_ = 0;
};

// How a run ended, for the status line.
enum class RunEnd { Finished, StoppedByUser, StoppedAtQuestion, StepsDone, LimitReached, Failed };

// "T = 23,4 с   период 5 из 20" (model time truncated to tenths), in the
// chosen language.
std::string runProgressText(double T, int period, int periods);
std::string runEndText(RunEnd how);

} // namespace sonrel
