#pragma once
// Points of the medium run on the graph of v/v00: observed frequencies of
// the periods and the calculated ones, against the observation angle or time.
#include "canvas/canvas.h"
#include "experiments/medium/medium_experiment.h"

#include <functional>

namespace sonrel {

enum class AngleBasis { Q3, Q1Q2, Q30 };

struct GraphSettings {
    double Mv = 0.1, Mt = 2.5; // per centimetre (half the typed grid step)
    bool byTime = false;       // against time instead of angle
    AngleBasis basis = AngleBasis::Q3;
    bool timeFromZero = false; // "+T0=0": no shift by the run's start time
    bool unitTimeRate = false; // "+ kTiso= 1"
    bool averages = false;     // calculate once from the means of both ends
    bool atVs0 = false;        // ray speeds replaced by Vs0
    DopplerFrame frame = DopplerFrame::Classic;
};

// One plotted period, for the window's step-by-step display.
struct GraphPoint {
    int k = 0;
    double ratio = 0;      // v/v00
    double Qs = 0, Qe = 0; // angles (radians) or times of the period's ends
    double Qm = 0;
    double time = 0; // (Qm − Tshift)/Kt, against time
};

// Returns false to end the plotting after a point.
using PointHandler = std::function<bool(const GraphPoint&)>;

// Observed frequency 1/dT of every period as a blue point; replaces the
// stored mean vsr(k) by it. Only after an experiment (mode 1).
void plotExperimentalPoints(MediumExperiment& run, const GraphSettings& g, Canvas& c,
                            const PointHandler& afterPoint);

// Calculated frequency of every period: red (classical) or green
// (relativistic) circles. With averages the stored angles and speeds of a
// period are replaced by the means of its two ends. Only in mode 1.
void plotCalculatedPoints(MediumExperiment& run, const GraphSettings& g, Canvas& c,
                          const PointHandler& afterPoint);

} // namespace sonrel
