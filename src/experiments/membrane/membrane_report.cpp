#include "experiments/membrane/membrane_report.h"

#include "base/checked_math.h"
#include "base/numbers.h"
#include "base/translate.h"
#include "theory/formulas.h"

namespace sonrel {

namespace {

const char* const kBreak = "\r\n";

std::string r6(double x) {
    return formatTrunc(x, 6);
}
std::string r2(double x) {
    return formatTrunc(x, 2);
}
std::string num(int i) {
    return std::to_string(i);
}

} // namespace

void printLegend(const SharedState& s, ReportSink& sink) {
    sink.clear();
    std::string heading =
        trText("MembraneReport",
               "        1- приемник  2- источник  i - номер периода сигнала передатчика");
    sink.print(599.9, heading + kBreak);
    std::string t;
    // The legend: one line per symbol.
    for (const char* line : {
             SONREL_TR_NOOP("MembraneReport", " Tn2(i), Xn2(i), Yn2(i)- время и координаты "
                                              "источника в начале передачи i-го периода"),
             SONREL_TR_NOOP("MembraneReport", " Tk2(i), Xk2(i), Yk2(i)- время и координаты "
                                              "источника в конце передачи i-го периода"),
             SONREL_TR_NOOP("MembraneReport", " Tn1(i), Xn1(i), Yn1(i)- время и координаты "
                                              "приемника в начале приема i-го периода"),
             SONREL_TR_NOOP("MembraneReport", " Tk1(i), Xk1(i), Yk1(i)- время и координаты "
                                              "приемника в конце приема i-го периода"),
             SONREL_TR_NOOP("MembraneReport", " Qn3(i), Qk3(i)- угол наблюдения, т.е. между лучом "
                                              "зрения и осью Х в начале и конце периода"),
             SONREL_TR_NOOP("MembraneReport", " Qn1(i), Qn2(i)- угол между лучом зрения и "
                                              "скоростью приемника и источника в начале периода"),
             SONREL_TR_NOOP("MembraneReport", " Qk1(i), Qk2(i)- угол между лучом зрения и "
                                              "скоростью приемника и источника в конце периода"),
             SONREL_TR_NOOP(
                 "MembraneReport",
                 " Аn1(i), Аn2(i)- углы наклона мембран приемника и источника в начале периода"),
             SONREL_TR_NOOP(
                 "MembraneReport",
                 " Аk1(i), Аk2(i)- углы наклона мембран приемника и источника в конце периода"),
         })
        t += trText("MembraneReport", line) + kBreak;
    t += " T00=  " + formatNumber(s.T00) +
         trText("MembraneReport", "    - период колебаний передатчика") + kBreak;
    t += " v0= 1/T00=  " + formatNumber(s.v0) +
         trText("MembraneReport", "     - частота передатчика ") + kBreak;
    sink.print(599.3, t);
}

double periodFormulaValue(SharedState& s, int i) {
    // Qn1/Qn2 of the receptions that open and close period i (radians).
    s.v1n(i) = formula2(s.v0, s.V(1), s.V(2), s.Vs, s.QV1(i - 1), s.QV2(i - 1));
    s.v1k(i) = formula2(s.v0, s.V(1), s.V(2), s.Vs, s.QV1(i), s.QV2(i));
    s.v1(i) = (s.v1n(i) + s.v1k(i)) / 2;
    return s.v1(i);
}

double observedPeriod(SharedState& s, int i) {
    s.dT(i) = s.Tk1(i) - s.Tk1(i - 1);
    return s.dT(i);
}

double meanAngleDeg(double pi, const MembraneModel& m, int i) {
    return (m.Q3r(i) + m.Q3r(i + 1)) * (180.0 / pi) / 2;
}

std::string periodBlock(SharedState& s, const MembraneModel& m, int i, int N) {
    const double deg = s.degPerRad;
    const std::string I = num(i);
    const double dT = observedPeriod(s, i);
    const double v = safeDiv(1, dT);
    periodFormulaValue(s, i);
    std::string t;
    t += trText("MembraneReport", "             обрабатываем сигналы периода № ") + I +
         trText("MembraneReport", " из ") + num(N) + kBreak;
    t += trText("MembraneReport",
                " координаты и время источника и приемника для начала и конца периода") +
         kBreak;
    t += " Tn2(" + I + ") = " + r6(s.Tn2(i)) + "        Xn2(" + I + ") = " + r6(s.Xn2(i)) +
         "        Yn2(" + I + ") = " + r6(s.Yn2(i)) + kBreak;
    t += " Tk2(" + I + ") = " + r6(s.Tn2(i + 1)) + "        Xk2(" + I + ") = " + r6(s.Xn2(i + 1)) +
         "         Yk2(" + I + ") = " + r6(s.Yn2(i + 1)) + kBreak;
    t += " Tn1(" + I + ") = " + r6(s.Tk1(i - 1)) + "        Xn1(" + I + ") = " + r6(s.Xk1(i - 1)) +
         "        Yn1(" + I + ") = " + r6(s.Yk1(i - 1)) + kBreak;
    t += " Tk1(" + I + ") = " + r6(s.Tk1(i)) + "        Xk1(" + I + ") = " + r6(s.Xk1(i)) +
         "        Yk1(" + I + ") = " + r6(s.Yk1(i)) + kBreak;
    t += trText("MembraneReport", " углы наклона мембраны источника в начале и конце   An2(") + I +
         ") = " + r6(m.A2f(i) * deg) + "      Ak2(" + I + ") = " + r6(m.A2f(i + 1) * deg) + kBreak;
    t += trText("MembraneReport", " углы наклона мембраны приемника в начале и конце  An1(") + I +
         ") = " + r6(m.A1f(i) * deg) + "      Ak1(" + I + ") = " + r6(m.A1f(i + 1) * deg) + kBreak;
    t += trText("MembraneReport", " углы наблюдения в начале и конце периода               Qn3(") +
         I + ") = " + r6(m.Q3r(i) * deg) + "        Qk3(" + I + ") = " + r6(m.Q3r(i + 1) * deg) +
         kBreak;
    t +=
        trText("MembraneReport", " относительные углы скоростей источника в начале и конце  Qn2(") +
        I + ") = " + r6(s.QV2(i - 1) * deg) + "   Qk2(" + I + ") = " + r6(s.QV2(i) * deg) + kBreak;
    t +=
        trText("MembraneReport", " относительные углы скоростей приемника в начале и конце  Qn1(") +
        I + ") = " + r6(s.QV1(i - 1) * deg) + "   Qk1(" + I + ") = " + r6(s.QV1(i) * deg) + kBreak;
    t += trText("MembraneReport", " наблюдаемый период на приемнике и реальная частота приема") +
         kBreak;
    t += " dT= Tk1(" + I + ") - Tk1(" + num(i - 1) + ") = " + r6(dT) + "           v(" + I +
         ") = 1/dT= " + r6(v) + kBreak;
    t += trText("MembraneReport", " расчетная частота принимаемого сигнала  ") + kBreak;
    t += trText("MembraneReport", " в начале периода v1n(") + I + ") = " + r6(s.v1n(i)) +
         trText("MembraneReport", " и в конце периода   v1k(") + I + ") = " + r6(s.v1k(i)) + kBreak;
    t += trText("MembraneReport", " среднее значение                       v1(") + I +
         ") = (v1n(i) + v1k(i)) / 2  = " + r6(s.v1(i)) + kBreak + kBreak;
    return t;
}

std::string periodTable(SharedState& s, const MembraneModel& m, int N) {
    // The rows' columns start under the header's words, in either language.
    std::string t =
        trText("MembraneReport", "№ периода      средний угол       наблюдаемая частота            "
                                 "расчетная частота ");
    t += kBreak;
    for (int i = 1; i <= N; ++i) {
        const double v = safeDiv(1, observedPeriod(s, i));
        t += "   " + num(i) + "               " + r2(meanAngleDeg(s.pi, m, i)) +
             "                            " + r6(v) + "                     " +
             r6(periodFormulaValue(s, i)) + kBreak;
    }
    return t;
}

void printReport(SharedState& s, const MembraneModel& m, ReportSink& sink) {
    const int N = reportedPeriods(m);
    for (int i = 1; i <= N; ++i) {
        s.reportText = periodBlock(s, m, i, N);
        sink.print(reportLineY(i), s.reportText);
    }
    const int rows = N < 0 ? 0 : N;
    s.reportText = periodTable(s, m, rows);
    sink.print(reportLineY(rows + 1), s.reportText);
}

std::string graphPointLine(int i, double angleDeg, double ratio) {
    return "i= " + num(i) + "      Asr = " + r2(angleDeg) + "    v1/v0 = " + r2(ratio) + kBreak;
}

} // namespace sonrel
