#include "theory/sweeps.h"

#include "app/checked_math.h"
#include "app/numbers.h"
#include "theory/graph_area.h"

namespace sonrel {

namespace {

// Under "СТО" the angle sweep works in the frame of the source (4-1) or of the
// receiver (4-2, 4-3), with the relativistic relative speed.
void toVariantFrame(SharedState& s, const FormulaSelection& sel) {
    if (sel.formula != MainFormula::Relativity) return;
    const double Vs2 = s.Vs * s.Vs;
    if (sel.variant == RelativityVariant::V4_1) {
        s.V(1) = safeDiv(s.V(1) - s.V(2), 1 - safeDiv(s.V(1) * s.V(2), Vs2));
        s.V(2) = 0;
    } else if (sel.variant == RelativityVariant::V4_2 || sel.variant == RelativityVariant::V4_3) {
        s.V(2) = safeDiv(s.V(2) - s.V(1), 1 - safeDiv(s.V(1) * s.V(2), Vs2));
        s.V(1) = 0;
    }
}

std::string sweepLine(const SharedState& s, const SweepSettings& set, int i, double ratio) {
    const double m = s.million;
    const std::string head = "  i= " + std::to_string(i);
    const std::string tail = "        v1(i)/v0 = " + formatNumber(fix(m * ratio) / m) + "\n";
    if (set.argument == SpeedArgument::Angle)
        return head + "        Q(i) = " + formatNumber(fix(m * set.Qdeg) / m) + tail;
    return head + "      V(i)/Vs = " + formatNumber(safeDiv(fix(m * s.V(3)), s.Vs) / m) + tail;
}

} // namespace

void runSweep(SharedState& s, Canvas& canvas, const SweepSettings& set0,
              const FormulaSelection& sel, std::optional<FormulaResult>& lastAccepted) {
    SweepSettings set = set0;
    const bool angleSweep = set.argument == SpeedArgument::Angle;
    s.My = set.My;
    s.Vs = set.Vs;
    s.V(1) = set.VX1;
    s.V(2) = set.VX2;
    s.VY(1) = 0;
    s.VY(2) = 0;
    s.v0 = set.fieldValue;
    s.stepCount = kSweepReportEvery;
    s.NC0 = kSweepReportEvery;
    s.reportText = angleSweep ? "     №                      Q(i)                    v/v0  \n\n"
                              : "     №                      V(i)                   v/v0  \n\n";
    const Color color = formulaColor(sel);
    FormulaResult previous = lastFormulaResult(s);
    for (s.frontIndex = 0; s.frontIndex < kSweepPoints; ++s.frontIndex) {
        const int i = s.frontIndex;
        const double step = i * set.Vs / 2500 - set.Vs; // −Vs .. 0,9996·Vs
        if (set.argument == SpeedArgument::VX1) s.V(1) = step;
        if (set.argument == SpeedArgument::VX2) s.V(2) = step;
        if (angleSweep) {
            set.Qdeg = 90.0 * i / 2500;
            toVariantFrame(s, sel);
        }
        FormulaInputs& in = s.formula;
        in.V1 = s.V(1);
        in.V2 = s.V(2);
        in.V12 = s.V(1) - s.V(2);
        in.Q1 = in.Q2 = in.Q12 = set.Qdeg * s.pi / 180;
        in.v0 = s.v0;
        in.fieldValue = set.fieldValue;
        in.Vs = set.Vs;
        in.pi = s.pi;
        in.mode = FormulaMode::Sweep;
        const FormulaResult r = calculateFrequency(in, sel, previous);
        s.v0 = r.v0;
        if (r.speedsAccepted) {
            storeFormulaResult(s, r);
            previous = r;
            lastAccepted = r;
        }

        double xg = (set.Qdeg / 90 - 1) * 20;
        if (!angleSweep) {
            s.V(3) = set.argument == SpeedArgument::VX1 ? s.V(1) : s.V(2);
            xg = safeDiv(s.V(3) * 20, set.Vs);
        }
        const double ratio = safeDiv(s.v, set.fieldValue);
        const double yg = safeDiv(ratio, set.My);
        if (yg < 20) canvas.circle(xg, yg, 0.03, color);

        if (s.stepCount == s.NC0) {
            s.reportText += sweepLine(s, set, i, ratio);
            s.stepCount = 0;
        }
        ++s.stepCount;
    }
}

} // namespace sonrel
