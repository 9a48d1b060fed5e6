#pragma once
// The membrane experiment: a flat source membrane emits a plane front every
// T00, the fronts travel as segments with the signal speed, and a flat
// receiver membrane records when each end of a front crosses its line. The
// window drives the run one step at a time; the shared state holds the
// bodies, time, counters and the period record.
#include "base/prompts.h"
#include "base/shared_state.h"
#include "experiments/membrane/membrane_geometry.h"

#include <array>

namespace sonrel {

// Points of the membrane experiment in the shared body arrays.
namespace membrane_points {
constexpr int receiver = 1, source = 2;
constexpr int aim = 10;                       // receiver when the aimed front's centre reaches it
constexpr int receiverA = 11, receiverB = 12; // ends of the receiver membrane
constexpr int sourceStart = 20;               // source at the start of the run
constexpr int sourceA = 21, sourceB = 22;     // ends of the source membrane
} // namespace membrane_points

constexpr int kMembraneFronts = 20;

// Check boxes that steer a run, read afresh at every step.
struct MembraneOptions {
    bool reAimSource = true;  // "+ изменять A2": aim every front at the receiver
    bool turnReceiver = true; // "++ изменять A1=A2": turn the receiver for every front
    bool autoMode = true;     // "Auto": no question after a received front
};

// Values of a completed period p, shown as soon as front p + 1 is received.
struct PeriodShown {
    int period = 0;
    double tn1 = 0, tk1 = 0, v = 0;            // reception times and 1/dT
    double qn1 = 0, qk1 = 0, qn2 = 0, qk2 = 0; // radians
    double vn = 0, vk = 0, vsr = 0;            // formula (2) at start, end, mean
};

// Directions of a received front i (radians).
struct FrontAngles {
    double q3 = 0, q3r = 0, a1 = 0, a2 = 0;
};

// What one step of the membrane run did, besides the questions it asked.
struct MembraneStep {
    bool goesOn = true;           // false: the run must end now (see stepMembrane)
    bool frontReceived = false;   // both ends of a front crossed: shownFront holds its angles
    bool periodCompleted = false; // ... and it closed a period: shownPeriod holds it
    int emitted = 0;              // number of the front emitted at this step, 0 when none
};

// Result of the mirror variant once both ends of front 1 have met the mirror.
struct MirrorResult {
    bool done = false;
    double angle = 0;     // mirror direction, radians
    Point reflection;     // midpoint of the two reception points
    double direction = 0; // of the reflected ray, radians from the X axis
    Point rayEnd;         // where the reflected ray leaves the picture
};

// Where things were last drawn, so a display step erases exactly them.
struct DrawnPositions {
    bool bodies = false, receiverMembrane = false, sourceMembrane = false;
    Point receiver, source;
    Segment receiverEnds, sourceEnds;
    std::array<bool, kMembraneFronts + 1> front{};
    std::array<Segment, kMembraneFronts + 1> frontEnds{};
};

struct AimResult {
    double travelTime = 0; // distance from the source to the aim point / Vs
    double a1 = 0, a2 = 0; // radians
};

class MembraneModel {
public:
    using FrontArray = IndexedArray<double, 0, kMembraneFronts>;

    // Window quantities (angles in radians).
    double L1 = 0, L2 = 0, A1 = 0, A2 = 0;
    int emittedCount = 0;
    int receivedCount = 0;         // last front whose both ends have been received
    FrontArray A1f, A2f;           // receiver and source angles for each front
    FrontArray Q3r;                // direction emission point -> reception point
    FrontArray Vfx, Vfy;           // front velocities
    FrontArray Fax, Fay, Fbx, Fby; // front ends
    double Vn = 0, da = 0, db = 0;
    MirrorResult mirror;
    DrawnPositions drawn;
    // The front awaited can no longer reach the receiver: the run has ended
    // with nothing more to receive.
    bool nothingToReceive = false;
    // The last completed period and the last received front's directions.
    PeriodShown shownPeriod;
    FrontAngles shownFront;

    // Tilts the source membrane towards where the receiver will be when the
    // front's centre arrives (X(10), Y(10)); with a1EqualsA2 the receiver
    // membrane takes the same angle. Builds both membranes' ends.
    AimResult aim(SharedState& s, bool a1EqualsA2);

    // Sets up a run from the shared bodies, Vs, T00, dt and the lengths and
    // angles above; T00 and v0 must already be in the state.
    void start(SharedState& s, const MembraneOptions& opt);

    // One step of the membrane run; goesOn is false when the run must end now
    // (the receiver cannot be turned for a front not yet emitted). A front
    // that can no longer reach the receiver ends the run at the display step.
    // After the twentieth front the next one lies outside the record: IndexError.
    MembraneStep stepMembrane(SharedState& s, const MembraneOptions& opt, Prompts& prompts);

    // One step of the mirror run: front 1 alone until both ends meet the
    // mirror. Once they have, every further step ends the run again. A
    // front that can no longer meet it ends the run as well.
    void stepMirror(SharedState& s);

    Segment frontEnds(int j) const { return {{Fax(j), Fay(j)}, {Fbx(j), Fby(j)}}; }

private:
    double aimDirection(SharedState& s);
    void buildReceiver(SharedState& s, Point centre, double angle);
    void buildSource(SharedState& s, Point centre, double normalDir);
    void advance(SharedState& s);
    // Records which ends of front i crossed the receiver's line in this step;
    // true when both have now crossed.
    bool detectEnds(SharedState& s, int i, double receiverAngle, double frontDir);
    bool receive(SharedState& s, const MembraneOptions& opt, Prompts& prompts, MembraneStep& out);
    void emitFront(SharedState& s, const MembraneOptions& opt, MembraneStep& out);
    void finishMirror(SharedState& s);
    // Whether an end of front i not yet arrived moves along or away from the
    // receiver's line, so that the front can never be received.
    bool cannotArrive(const SharedState& s, int i) const;
    void endNothingToReceive(SharedState& s);
    bool bothInOneStep_ = false;
    bool endAFirst_ = false;
};

} // namespace sonrel
