#include "theory/sweeps.h"

#include "base/checked_math.h"
#include "base/kinematics.h"
#include "base/numbers.h"
#include "base/translate.h"
#include "theory/graph_area.h"

namespace sonrel {

namespace {

// Under "СТО" the angle sweep works in the frame of the source (4-1) or of the
// receiver (4-2, 4-3), with the relativistic relative speed.
void toVariantFrame(double& V1, double& V2, double Vs, const FormulaSelection& sel) {
    if (sel.formula != MainFormula::Relativity) return;
    if (sel.variant == RelativityVariant::V4_1) {
        V1 = relativeVelocity(V1, V2, Vs);
        V2 = 0;
    } else if (sel.variant == RelativityVariant::V4_2 || sel.variant == RelativityVariant::V4_3) {
        V2 = relativeVelocity(V2, V1, Vs);
        V1 = 0;
    }
}

std::string sweepLine(const SharedState& s, const SweepSettings& set, int i, double V3,
                      double ratio) {
    const double m = s.million;
    const std::string head = "  i= " + std::to_string(i);
    const std::string tail = "        v1(i)/v0 = " + formatNumber(fix(m * ratio) / m) + "\n";
    if (set.argument == SpeedArgument::Angle)
        return head + "        Q(i) = " + formatNumber(fix(m * set.Qdeg) / m) + tail;
    return head + "      V(i)/Vs = " + formatNumber(safeDiv(fix(m * V3), set.Vs) / m) + tail;
}

} // namespace

void runSweep(SharedState& s, Canvas& canvas, const SweepSettings& set0,
              const FormulaSelection& sel, std::optional<FormulaResult>& lastAccepted) {
    SweepSettings set = set0;
    const bool angleSweep = set.argument == SpeedArgument::Angle;
    s.My = set.My;
    double V1 = set.VX1, V2 = set.VX2;
    int counter = kSweepReportEvery;
    s.reportText =
        angleSweep
            ? trText("Theory", "     №                      Q(i)                    v/v0  \n\n")
            : trText("Theory", "     №                      V(i)                   v/v0  \n\n");
    const Color color = formulaColor(sel);
    FormulaResult previous = lastFormulaResult(s);
    for (int i = 0; i < kSweepPoints; ++i) {
        const double step = i * set.Vs / 2500 - set.Vs; // −Vs .. 0,9996·Vs
        if (set.argument == SpeedArgument::VX1) V1 = step;
        if (set.argument == SpeedArgument::VX2) V2 = step;
        if (angleSweep) {
            set.Qdeg = 90.0 * i / 2500;
            toVariantFrame(V1, V2, set.Vs, sel);
        }
        FormulaInputs in;
        in.V1 = V1;
        in.V2 = V2;
        in.V12 = V1 - V2;
        in.Q1 = in.Q2 = in.Q12 = set.Qdeg * s.pi / 180;
        in.v0 = set.fieldValue;
        in.fieldValue = set.fieldValue;
        in.Vs = set.Vs;
        in.pi = s.pi;
        in.mode = FormulaMode::Sweep;
        s.formula = in;
        const FormulaResult r = calculateFrequency(in, sel, previous);
        const bool drawn = r.speedsAccepted && r.applied;
        if (drawn) {
            storeFormulaResult(s, r);
            s.formula.v0 = r.v0;
            previous = r;
            lastAccepted = r;
        }

        const double V3 = set.argument == SpeedArgument::VX1 ? V1 : V2;
        const double xg = angleSweep ? (set.Qdeg / 90 - 1) * 20 : safeDiv(V3 * 20, set.Vs);
        const double ratio = drawn ? safeDiv(r.v, set.fieldValue) : 0;
        const double yg = safeDiv(ratio, set.My);
        if (drawn && yg < 20) canvas.circle(xg, yg, 0.03, color);

        if (counter == kSweepReportEvery) {
            if (drawn) s.reportText += sweepLine(s, set, i, V3, ratio);
            counter = 0;
        }
        ++counter;
    }
}

} // namespace sonrel
