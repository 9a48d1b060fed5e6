#pragma once
// The comparison experiment: one Doppler experiment modelled in АСО or in
// ИСО, a beam of rays per nominal period, arrivals recorded by the clocks of
// ИСО and by the receiver's own clock, compared with theory frequencies.
// Positions, velocities, Vs, dt, T, NC0, the step counter, the stop flag and
// the period record are the shared ones; the ИСО values, clock rates and
// beam tables belong to this model.
#include "base/errors.h"
#include "base/prompts.h"
#include "base/shared_state.h"
#include "canvas/canvas.h"
#include "experiments/relativity/beam.h"
#include "experiments/relativity/fronts.h"
#include "experiments/relativity/relativity_options.h"

#include <cstdint>
#include <string>

namespace sonrel::relativity {

// Indices 1..20 are periods; the line-of-sight table keeps a copy at i + 20.
using PeriodTable = IndexedArray<double, 0, 20>;
using SightTable = IndexedArray<double, 0, 40>;

// What one step did, for the window to refresh its fields.
struct StepEvents {
    bool arrived = false;    // a beam reached the receiver
    bool periodDone = false; // ... and completed a period (shown in period fields)
    bool groupEnd = false;   // the NC0-th step of a display group
    int periodNumber = 0;    // "№ периода" after an arrival
};

// The values a completed period shows.
struct PeriodView {
    double Qn3 = 0, Qk3 = 0, Qn1 = 0, Qk1 = 0; // degrees
    double Vs1n = 0, Vs1k = 0, vn = 0, vk = 0, vsr = 0;
    double Tn1 = 0, Tk1 = 0;
    double vIsoClock = 0, vReceiverClock = 0;
    bool measuredSource = false; // "+ T00 из ИСО": the next four are new
    double kT00 = 0, sourcePeriod = 0, T002 = 0, v0 = 0;
};

// The receiver's and source's circles on the animation: each move paints
// the previous ones over in white.
struct BodyMarks {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    void moveTo(Canvas& c, const SharedState& s, double inv, Color receiver, Color source);
};

class Model {
public:
    explicit Model(SharedState& state) : s(state) {}

    SharedState& s;
    Options opt;
    Inputs in;

    // Start of a run ("Начать эксперимент"); may change the options the way
    // the window's coupled choices do. Returns the refusal text, or "" when
    // the run is prepared. Throws InputError/MathError on a failed set-up.
    std::string start(const Inputs& inputs, Options& options);
    // The VY check that comes before the remaining fields are read.
    static std::string refuseVelocitiesForSto(const Options& options, double VY1, double VY2);

    // One solving step. Draws its marks on the canvas, asks its questions
    // through the prompts. Throws MathError/IndexError on a failure; the run
    // then ends with "Ошибка решения".
    StepEvents step(Canvas& canvas, Prompts& prompts);
    // A stop is honoured at a display step, or at once when no display step
    // can come any more (NC0 <= 0, or the counter already past NC0).
    bool runEnds() const {
        return s.stopFlag != 0 && (s.stepCount == 0 || s.NC0 <= 0 || s.stepCount > s.NC0);
    }

    // Periods whose end has been received: 1..completedPeriods(). The
    // report, the graph points and the data table list only these.
    int completedPeriods() const { return completed; }
    // The period whose start beam has arrived but whose end has not (the
    // last one of a stopped run, or the 20th at the limit); 0 when none.
    int unfinishedPeriod() const;

    // Theory frequency at the period boundary k from the stored angles and
    // speeds: formula (4-4) when kto, else the classical or relativistic one.
    double frequencyAt(int k, bool kto);

    // Both bodies at these positions and velocities of the modelling frame.
    void placeBodies(double x1, double y1, double vx1, double vy1, double x2, double y2, double vx2,
                     double vy2);
    // Keeps the present positions as the start of the drawings.
    void keepStartPositions();

    // Drawing of the bodies' animation at the end of a display group.
    void drawGroup(Canvas& c);
    void drawPeriodHistory(Canvas& c);

    // --- state ---
    double Vs0 = 0, VXiso = 0, VXiso3 = 0, M = 5, MT = 5, Mv = 0.1;
    std::int32_t Niter = 100;
    double X1s = 0, Y1s = 0, X2s = 0, Y2s = 0;
    double X1iso = 0, Y1iso = 0, X2iso = 0, Y2iso = 0;
    double VX1iso = 0, VY1iso = 0, VX2iso = 0, VY2iso = 0;
    double VX2f = 0, VY2f = 0;
    double T1 = 0, T2 = 0, T0 = 0;
    double kTiso = 1, kTiso3 = 1, kT1 = 1, kT2 = 1, kT1iso = 1, kT2used = 1, kT00 = 0;
    double kT2isoShown = 1; // kT2 by the ИСО speed, as shown before АСО may replace it
    double V1 = 0, V2 = 0, V12 = 0, QV12 = 0;
    double V1iso = 0, V2iso = 0, V12iso = 0, QV12iso = 0;
    double QV1 = 0, QV2 = 0; // directions of the ИСО velocities, radians
    double v00 = 0, T002 = 0, omega = 0, periodShift = 0;
    std::int32_t N = 1;
    std::int16_t runKind = 0; // 1 after a start, 2 after a T00 search
    bool overrunPending = false;
    std::int32_t arrivalState = 0;
    // The beam in flight has not reached the receiver yet; once received it
    // is not tested again, so the same rays never count as a second arrival.
    bool beamInFlight = false;
    // Nothing can arrive any more (the beam received, the source past the
    // next emission point or never reaching it): the run has ended by itself.
    bool nothingMoreArrives = false;
    int completed = 0; // periods whose end was received
    // "все фронты", fixed at the start of a run: every period's beam leaves
    // at its emission time and is received on its own.
    bool allFronts = false;
    AllFrontsInFlight fronts;
    int nextEmission = 2; // the next beam to leave in that mode
    int lastEmission = 0; // highest period whose emission Tn2iso is recorded

    PeriodTable Tn2iso, Xn2iso, Yn2iso, Tn1p, Xr, Yr, Tr, Qn1, Qn2, Vs1, Vs2, vn, vk, vsr;
    SightTable Q3;
    Beam beam;
    std::vector<double> rayMoves; // the rays' last steps, drawn as one batch

    // Per-step results shown beside their check boxes.
    double vAso = 0, vIso = 0, seenLag = 0;
    double meanAngle = 0; // of the period just completed, radians
    PeriodView period;

private:
    void moveBodies();
    void theoryInModellingFrame(Canvas& c);
    void toIsoCoordinates();
    void whatIsSeen();
    void seenFromIsoOrigin();
    void seenInAso();
    void theoryInIso(Canvas& c);
    bool emitOrWait();
    void stepEveryBeam(Canvas& c, Prompts& p, StepEvents& ev);
    void emitDueBeams();
    void recordEmission(int k);
    // The time, bodies and ИСО view of one moment of the run.
    struct Moment {
        double T, X1, Y1, X2, Y2, T1, T2, X1iso, Y1iso, X2iso, Y2iso, seenLag;
    };
    Moment now() const;
    void restore(const Moment& m);
    void viewAt(double when);
    bool emitStillAhead();
    bool advanceRays(Canvas& c);
    void recordArrival(Canvas& c, Prompts& p, StepEvents& ev);
    void emissionFromArrival();
    void processPeriod(Canvas& c);
    void overrunCheck(Prompts& p);
    double retardedSight(double x1, double y1, double x2, double y2, double vx, double vy,
                         double lagFactor);
    void plotTheory(Canvas& c, double q3, double v, Color colour);
    void drawOscillation(Canvas& c);
    void drawXt(Canvas& c);
    void markFront(Canvas& c, bool emission);
    void lorentzVelocities(double boost);
    bool modelInIso() const { return opt.frame == Frame::Iso; }
    bool classic() const { return opt.kinematics == Kinematics::Classic; }

public:
    BodyMarks marks;
};

// A period, a time step or a scale that is not above zero (or no number)
// cannot be run with: refused as an unreadable field is.
inline void requirePositive(double x) {
    if (!(x > 0)) throw InputError("a period, step or scale must be above zero");
}

// Angle graph: q degrees to x = (q / 90 - 1) * 20.
inline double angleToX(double degrees) {
    return (degrees / 90 - 1) * 20;
}

} // namespace sonrel::relativity
