#pragma once
// The wave-front experiment in a layered medium: every transmitter period
// the source emits a beam of rays; the period's signal arrives when two
// neighbouring rays bracket the receiver. The window owns the loop and calls
// step() (or searchStep() while looking for T00) once per pass.
#include "base/errors.h"
#include "base/prompts.h"
#include "base/shared_state.h"
#include "canvas/canvas.h"
#include "experiments/medium/beam.h"
#include "experiments/medium/medium.h"

#include <cstdint>
#include <vector>

namespace sonrel {

enum class DopplerFrame { Classic, Relativistic };

// Everything the start button reads from the fields, in their order.
struct MediumInputs {
    double X1 = 56.6, Y1 = 50, VX1 = 6, VY1 = 0;
    double X2 = 0, Y2 = 0, VX2 = 10, VY2 = 0;
    double Vs0 = 20, Vsv = 20, VXiso = 0, M = 5, dt = 1e-3;
    std::int32_t NC0 = 20;
    double T00 = 5;
    std::int32_t Np = 100;
    double Kp = 0;
    std::int32_t Nr = 500;
    double cone = 160, meanAngle = 90; // degrees
    DensityLaw law = DensityLaw::LinearFromTop;
};

// Choices the user may change while the loop runs; read every step.
struct MediumOptions {
    DopplerFrame frame = DopplerFrame::Classic;
    bool dragged = false;   // the medium moves with the frame
    bool delay = false;     // add the delay of the visible signal
    bool animation = true;  // draw the beam and the bodies
    bool middleRay = false; // leave the track of the middle ray
    bool byQ3 = false;      // relative angles from the line of sight
    bool autoRun = true;    // no question after every arrival
    bool allFronts = false; // every beam in flight on its own (read at the start)
    // With allFronts and the animation, a received beam is drawn on until it
    // has left the picture or stands still; drawing only.
    bool keepFronts = false;

    // The frame moves through a medium at rest: positions and ray speeds are
    // seen shifted by VXiso·T.
    bool frameThroughMedium() const { return frame == DopplerFrame::Classic && !dragged; }
};

// What the window shows: the last arrival, the last completed period, the
// time of the last display step and the search's T00.
struct MediumDisplay {
    double Qn3 = 0, Qk3 = 0, Xk1 = 0, Yk1 = 0, Xk2 = 0, Yk2 = 0; // degrees, metres
    double v = 0, Tn1 = 0, Tk1 = 0;
    double Qn1s = 0, Qn1e = 0, Qn2s = 0, Qn2e = 0; // degrees
    double Vs1s = 0, Vs1e = 0, Vs2s = 0, Vs2e = 0;
    double vn = 0, vk = 0, vsr = 0;
    int period = 0;
    double T = 0;
    double T00 = 0, v0 = 0; // while searching
};

// The moment ray j of a beam bracketed the receiver, kept until the beam's
// arrival is recorded in front order.
struct RayArrival {
    int j = 0;
    double T = 0, X1 = 0, Y1 = 0, X2 = 0, Y2 = 0, shift = 0;
    double speed = 0, a = 0, prevA = 0; // ray j's speed and direction, ray j − 1's direction
    double layerVs = 0;                 // signal speed of the layer ray j is in
    double Vs2 = 0, theta1 = 0;         // ray j in layer 1
    int flag = 0;                       // 1: ray j − 1 above the receiver, 2: ray j
};

// Start of a run, as the window shows it.
enum class StartOutcome { Running, SourceNotMovingRight };

class MediumExperiment {
public:
    explicit MediumExperiment(SharedState& s) : st(s) {}

    // Sets up a run from the fields (the start button): frame, period table,
    // first beam. Np = 0 or Nr = 0 throws InputError before anything changes;
    // later arithmetic failures throw MathError.
    StartOutcome start(const MediumInputs& in, const MediumOptions& o);

    // Sets up the T00 search: one beam from the source, traced until two
    // neighbouring rays bracket the receiver. Np = 0 or Nr = 0 leaves nothing
    // to trace: MathError.
    void startSearch(const MediumInputs& in, const MediumOptions& o);

    // One solving step of the run. Draws on canvas (may be null; a picture
    // scale of zero cannot be drawn with: MathError), asks
    // through prompts, and leaves the values to show in display. Arithmetic
    // faults throw MathError, a period past the tables IndexError.
    void step(const MediumOptions& o, Canvas* canvas, Prompts& prompts);

    // The run has ended by itself: every beam of the record received, or
    // none can arrive any more (set with the stop flag).
    bool endedByItself = false;

    // Before continuing a run: after the twentieth arrival the next beam has
    // no place in the period record, so the run cannot go on (IndexError).
    void resume() const;

    // One step of the T00 search; sets the stop flag when the beam arrives.
    void searchStep(Canvas* canvas, bool animation);

    // After the loop: frame velocities and start points for the graphs.
    void endRun(const MediumOptions& o);

    // The loop may end now: a stop was requested at a display step.
    bool finished() const { return st.stopFlag != 0 && (st.stepCount == 0 || st.NC0 <= 0); }

    // Calculated frequency at arrival i from the relative angles and ray
    // speeds recorded there; Vs is the signal speed of the relativistic form.
    double frequencyAt(int i, DopplerFrame frame, double Vs) const;

    // Animation pieces, also used by the window after clearing the picture.
    void drawArrivalMarks(Canvas& c, const MediumOptions& o) const;
    void drawOscillationAndBodies(Canvas& c, const MediumOptions& o);
    // The picture was cleared: the oscillation is drawn again from its start.
    void pictureCleared() { oscillationDrawn_ = 0; }

    SharedState& st;
    LayeredMedium medium;
    Beam beam;
    MediumDisplay display;

    int mode = 0; // 1 experiment, 2 T00 search
    int k = 1;    // number of the beam in flight
    double Vs0 = 20, Vsv = 20, VXiso = 0, M = 5;
    double a0 = 0, da = 0;
    std::int32_t Nr = 500;
    double G1 = 1, G2 = 1, G = 1, kTiso = 1, T1 = 0, T2 = 0, T0 = 0;
    double X2s = 0, Y2s = 0, VX2draw = 0, V1 = 0, V2 = 0, v00 = 0, omega = 0;
    double QV1start = 0, QV2start = 0;
    bool overrunArmed = false;
    // The one beam of the default mode has left and is not yet received.
    bool beamInFlight = false;
    // "все фронты": every beam leaves at its emission time and is traced on
    // its own until it arrives, whatever the earlier beams do.
    bool allFronts = false;
    int emitted = 0; // beams emitted so far in that mode

    // Records of this window beside the shared ones (periods 0 .. 20).
    PeriodArray Tn1p, Xe, Vs1, Vs2, Qa, Qe, Q3, vn, vk, vsr;

private:
    void traceBeam(const MediumOptions& o, Canvas* canvas, Prompts& prompts, double shift,
                   bool displayStep);
    // The ray loop of one beam; its steps are collected for one batch. True
    // when two of its rays bracket the receiver (what is kept in `arrival`);
    // the rays after the arriving one are then not moved in this step.
    // The rays move for h (the step, or its part after the beam left). A
    // beam not under test is traced and drawn only. With `exact` the
    // arrival is where the front between two neighbouring rays meets the
    // receiver, at its moment within the step; otherwise two rays bracket
    // the receiver's X with one of them above it, at the step's end.
    // The rays before `first` are left as they are.
    bool traceRays(Beam& b, const MediumOptions& o, Canvas* canvas, double shift, bool displayStep,
                   double h, bool test, bool exact, RayArrival& arrival, int first = 0);
    // The source has still to pass the start point of beam k.
    bool emitStillAhead() const;
    // One step of every beam in flight ("все фронты"); true when at least one
    // arrival was recorded.
    bool traceAllBeams(const MediumOptions& o, Canvas* canvas, double shift, bool displayStep);
    void emitDueBeams();
    // With keep, one step (from ray `first`) of a beam drawn on after its
    // arrival; the beam is let go (emptied) at a display step when none of
    // its rays may show again (rayMayShow), on a fault, or without keep.
    void keepDrawing(Beam& b, bool keep, const MediumOptions& o, Canvas* canvas, double shift,
                     bool displayStep, int first);
    // Ray j moves on and is on the picture, or heads towards it.
    bool rayMayShow(const Beam& b, int j, const Canvas& c, double shift, bool through) const;
    void flushBeam(Canvas* canvas);
    // Records the arrival of beam k and processes the period it ends.
    void recordArrival(const MediumOptions& o, const RayArrival& a);
    void acceptArrival(const MediumOptions& o, const RayArrival& a);
    void processPeriod(const MediumOptions& o);
    // Beam `arrived` has just been received: was the next one emitted in time?
    void checkOverrun(const MediumOptions& o, Prompts& prompts, int arrived);
    void drawSearchBodies(Canvas& c);
    void placeBodies(const MediumInputs& in);
    // The bodies' marks to erase at the next display step.
    void rememberBodies();
    void transformToFrame(const MediumInputs& in);
    void setUpBeam(const MediumInputs& in);
    double rayAngle(double dx, double dy) const;
    void requireScale() const {
        if (M == 0) throw MathError("picture scale of zero");
    }

    int arrivalFlag_ = 0;
    int arrivalsThisStep_ = 0;
    // Beams of the "все фронты" mode, by number 1 .. 20, and their arrivals
    // waiting for the earlier beams' to be recorded first.
    std::vector<Beam> flight_;
    std::vector<Beam> passed_; // received and drawn on ("фронты после приема")
    std::vector<char> inFlight_, pending_;
    std::vector<RayArrival> arrivals_;
    std::vector<double> beamMoves_; // the rays' steps of a display step, drawn as one batch
    double prevX1_ = 0, prevY1_ = 0, prevX2_ = 0, prevY2_ = 0;
    double oscillationDrawn_ = 0; // points of the oscillation drawn, counted from t = 0,01 s
};

// The bodies' start values seen from a frame moving along X with VXiso, by
// special relativity (velocities transformed with the typed VX).
struct LorentzStart {
    double kTiso, T1, T2, X1, X2, VX1, VY1, VX2, VY2;
};
LorentzStart lorentzStart(double X1, double X2, double VX1, double VY1, double VX2, double VY2,
                          double VXiso, double Vs);

} // namespace sonrel
