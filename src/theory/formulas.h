#pragma once
// The reference set of Doppler formulas that the experiments are compared with.
#include "base/formula_choice.h"
#include "base/shared_state.h"

namespace sonrel {

// Formula (2) "Лоренц (2)": v0·(1 − cos Qn1·V1/Vs) / (1 − cos Qn2·V2/Vs),
// angles in radians between each velocity and the line of sight.
// A zero Vs or a zero denominator throws MathError.
double formula2(double v0, double V1, double V2, double Vs, double Qn1, double Qn2);

struct FormulaResult {
    double v = 0; // received frequency, or the wavelength L in wavelength mode
    double G = 1, G1 = 1, G2 = 1;
    double Vs1 = 0, Vs2 = 0;
    double dv1 = 0, dv2 = 0;
    double v0 = 0;    // emitted frequency used (derived from L0 in wavelength mode)
    double ratio = 0; // v/v0 (L/L0)
    double shift = 0; // dv (dL)
    // False when a speed is not below the signal speed: nothing was calculated
    // and every value except v0 is the previous result.
    bool speedsAccepted = false;
    // False when no formula applies ("СТО" with no variant ticked, or a
    // denominator of exactly zero): there is no v, and the values other than
    // v0 are the previous result, which must not be shown as this one.
    bool applied = false;
};

// The formula chosen by the selection applied to the inputs; see `applied`
// for where none applies. A sweep checks against Vs only the speeds that the
// chosen formula contains (formulas (2) and (3) have no V12); a button checks
// V1, V2 and V12. Floating-point faults (zero Vs, zero field value) throw
// MathError.
FormulaResult calculateFrequency(const FormulaInputs& in, const FormulaSelection& sel,
                                 const FormulaResult& previous);

// The last result kept in the shared state, and storing a new one there.
// Only the formulas' own results are stored: the experiment's v0, speeds and
// bodies stay as a run left them.
FormulaResult lastFormulaResult(const SharedState& s);
void storeFormulaResult(SharedState& s, const FormulaResult& r);

} // namespace sonrel
