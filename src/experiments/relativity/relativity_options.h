#pragma once
// The choices of the comparison window that the model reads while it runs:
// the modelling frame, the kinematics relating АСО and ИСО, and the check boxes.
#include <cstdint>

namespace sonrel::relativity {

enum class Frame { Iso, Aso };
enum class Kinematics { Classic, Sto, StoPlus };
enum class SightLine { FromEmission, FromSourceNow }; // "Q3" / "Q30"
enum class TimeScale { One, KT00, KTiso };            // "1" / "kT00" / "kTiso"

struct Options {
    Frame frame = Frame::Iso;
    Kinematics kinematics = Kinematics::Classic;
    SightLine sight = SightLine::FromEmission;
    TimeScale timeScale = TimeScale::One;
    bool autoMode = true;             // "Auto"
    bool stopAtStart = false;         // "+ Stop"
    bool animation = true;            // "+ анимация"
    bool report = false;              // "+ отчет"
    bool seenInAso = false;           // "+ видимые в АСО"
    bool markFronts = false;          // "+ фронт"
    bool graphXt = false;             // "+график x=f(t')"
    bool trackScaledTime = false;     // "t'= t*kTiso"
    bool trackPlainTime = false;      // "t'=t"
    bool thirdFrame = false;          // "+" (VXiso3)
    bool thirdFrameSkipCarry = false; // "++T2=T1"
    bool carrySource = false;         // "+Т2=T1"
    bool emissionFromArrival = false; // "++Tn2= f(T1)"
    bool theoryAso = false;           // "+ расчет в АСО"
    bool theoryIso = false;           // "+ расчет в ИСО"
    bool t00FromIso = false;          // "+ T00 из ИСО"
    bool relativeVelocity = false;    // "+КТО": formula (4-4)
    bool seen = false;                // "+вид "
    bool byTime = false;              // "по T с MT, с/см"
    bool fromT0 = true;               // "+T0="
    bool dataTable = false;           // ".txt"
    // "все фронты": every period's beam in flight at once, each received on its own
    bool allFronts = false;
    // "фронты после приема": with allFronts a received beam is drawn on until
    // it has left the picture (drawing only, read at every step)
    bool keepFronts = false;

    bool relativistic() const { return kinematics != Kinematics::Classic; }
};

// The numbers typed into the window, read by a start or a T00 search.
struct Inputs {
    double X1 = 56.6, Y1 = 50, VX1 = 6, VY1 = 0;
    double X2 = 0, Y2 = 0, VX2 = 10, VY2 = 0;
    double Vs0 = 20, VXiso = 0, VXiso3 = 0;
    double M = 5; // metres per picture unit
    double dt = 15e-4;
    std::int32_t NC0 = 100;
    double MT = 5;   // seconds per picture unit of the time graph
    double Mv = 0.1; // v/v0 per picture unit (the typed value halved)
    double T00 = 5;
    std::int32_t Nrays = 500;
    double cone = 180, mean = 89; // degrees
    std::int32_t Niter = 100;
};

} // namespace sonrel::relativity
