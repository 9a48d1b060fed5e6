#pragma once
// Transformation of the receiver (1) and the source (2) from the absolute
// frame АСО into an inertial frame ИСО moving along X (Galilean or Lorentz),
// with the optional signal-delay correction, time alignment, a further frame
// (ИСО3 or a body's rest frame), and the instantaneous Doppler shift there.
#include <optional>

namespace sonrel {

enum class FrameFormula {
    Classic2, // Galilean transformation, formula (2)
    Sto41,    // Lorentz, then the source's rest frame, formula (4-1)
    Sto43,    // Lorentz, then the receiver's rest frame, formula (4-3)
    Sto45,    // Lorentz (optionally on into ИСО3), formula (4-5)
};

// Where the source position is corrected for the travel time of its signal.
enum class DelayMode { InAso, InFinalFrame, Ignore };

// After a Lorentz step: bring both bodies to the time of the source, of the
// receiver, of the origin (0), or leave them at their own times.
enum class TimeAlignment { Source, Receiver, Origin, None };

// Positions (m) and velocities (m/s) of receiver 1 and source 2 in one frame.
struct BodyPair {
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    double VX1 = 0, VY1 = 0, VX2 = 0, VY2 = 0;
};

struct FrameInputs {
    BodyPair aso;
    double VXiso = 0;  // speed of ИСО along X relative to АСО
    double T = 0;      // АСО time of the calculation
    double VXiso3 = 0; // speed of ИСО3 relative to ИСО
    double Vs0 = 20;   // signal speed in АСО
    double v0 = 1;     // emitted frequency
    FrameFormula formula = FrameFormula::Classic2;
    bool mediumDragged = false; // the medium moves with ИСО
    bool toIso3 = false;        // with (4-5): a second Lorentz step into ИСО3
    DelayMode delay = DelayMode::Ignore;
    TimeAlignment alignment = TimeAlignment::None;
};

// The delay correction as shown: dT, the undelayed source position, T2iso.
struct DelayShown {
    double dT = 0, X2 = 0, Y2 = 0, T2iso = 0;
};

// One Lorentz step as shown: event times, their difference, the aligned
// positions and times, and the speed U of the step.
struct TimeStepShown {
    double t1 = 0, t2 = 0, dt = 0;
    double X1 = 0, X2 = 0, Y1 = 0, Y2 = 0;
    double T1iso = 0, T2iso = 0;
    double U = 0;
};

// G, G1, G2 after the first Lorentz step.
struct LorentzFactors {
    double G = 1, G1 = 1, G2 = 1;
};

struct FrameResult {
    // False when a floating-point fault stopped the calculation; the parts
    // reached before it (delay, step and factor records) are still valid.
    bool complete = false;

    DelayShown delay;
    TimeStepShown firstStep;  // into ИСО
    TimeStepShown secondStep; // into ИСО3 or a body's rest frame
    std::optional<LorentzFactors> factors;
    std::optional<double> signalDirectionDeg; // medium resting in АСО, seen from ИСО

    BodyPair aso; // after the delay in АСО
    BodyPair iso; // in the final frame
    double V1aso = 0, V2aso = 0;
    double Q3aso = 0, Q1aso = 0, Q2aso = 0; // radians
    double V1iso = 0, V2iso = 0, V12iso = 0;
    double Q3iso = 0, Q1iso = 0, Q2iso = 0, Q12iso = 0; // radians
    double kTiso = 1;
    double Vs = 0;    // signal speed in the final frame
    double v = 0;     // calculated received frequency
    double ratio = 0; // v / v0
};

// The whole calculation, with the window's own π (3,141592654) for the angles.
FrameResult transformFrames(const FrameInputs& in, double pi);

// The quick evaluation from X speeds and the line-of-sight angle Q3 in
// degrees: formula (2) or (4-5); the rest-frame formulas keep previousV.
// A floating-point fault throws MathError.
double quickDoppler(FrameFormula formula, double Vs, double v0, double VX1, double VX2,
                    double Q3deg, double pi, double previousV);

} // namespace sonrel
