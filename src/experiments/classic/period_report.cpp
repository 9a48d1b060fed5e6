#include "experiments/classic/period_report.h"

#include "base/checked_math.h"
#include "base/numbers.h"
#include "base/signal_delay.h"
#include "base/translate.h"
#include "experiments/unreceived_period.h"
#include "theory/formulas.h"

#include <vector>

namespace sonrel {

namespace {

const char* const kCrLf = "\r\n";

std::string num(double x) {
    return formatNumber(x);
}
std::string r6(double x) {
    return formatTrunc(x, 6);
}
std::string r2(double x) {
    return formatTrunc(x, 2);
}
std::string idx(int j) {
    return std::to_string(j);
}

// Angles at the end of period j: those of front j + 1. A front past the
// record has not arrived: no observation angle yet, and the relative angles
// still hold the velocity directions, as for a front not reached after a stop.
struct EndAngles {
    double Q3, Qn1, Qn2;
};

EndAngles anglesOfFront(const SharedState& s, int front) {
    if (front <= PeriodArray::hi()) return {s.Q3(front), s.QV1(front), s.QV2(front)};
    return {0, vectorAngleDeg(s.pi, s.VX(1), s.VY(1)), vectorAngleDeg(s.pi, s.VX(2), s.VY(2))};
}

double observedFrequency(const SharedState& s, int j) {
    return safeDiv(1, s.dT(j));
}

void computePeriod(SharedState& s, int j) {
    const ClassicPeriodValues v = classicPeriodValues(s, j);
    s.dT(j) = v.dT;
    s.v1n(j) = v.v1n;
    s.v1k(j) = v.v1k;
    s.v1(j) = v.v1;
}

std::string periodBlock(const SharedState& s, int j) {
    const EndAngles end = anglesOfFront(s, j + 1);
    const std::string J = idx(j), P = idx(j - 1), N = idx(j + 1);
    std::string t;
    t.reserve(1600);
    t += fillPlaceholders(trText("ClassicReport",
                                 "             обрабатываем данные приема сигнала периода № %1"),
                          {J}) +
         kCrLf;
    t += trText("ClassicReport", " координаты и время источника и приемника для начала и "
                                 "конца одного периода") +
         kCrLf;
    t += " Tn2(" + J + ") = " + r6(s.Tn2(j)) + "        Xn2(" + J + ") = " + r6(s.Xn2(j)) +
         "        Yn2(" + J + ") = " + r6(s.Yn2(j)) + kCrLf;
    // The time beside the source's end position is the receiver's arrival time.
    t += " Tk2(" + J + ") = " + r6(s.Tk1(j)) + "       Xk2(" + J + ") = " + r6(s.Xk2(j)) +
         "         Yk2(" + J + ") = " + r6(s.Yk2(j)) + kCrLf;
    t += " Tk1(" + P + ") = " + r6(s.Tk1(j - 1)) + "        Xk1(" + P + ") = " + r6(s.Xk1(j - 1)) +
         "        Yk1(" + P + ") = " + r6(s.Yk1(j - 1)) + kCrLf;
    t += " Tk1(" + J + ") = " + r6(s.Tk1(j)) + "        Xk1(" + J + ") = " + r6(s.Xk1(j)) +
         "        Yk1(" + J + ") = " + r6(s.Yk1(j)) + kCrLf + kCrLf;
    const std::string receiverAngle =
        trText("ClassicReport", " относительный угол скорости приемника Qn1(%1) = %2");
    const std::string sourceAngle =
        trText("ClassicReport", " относительный угол скорости источника  Qn2(%1) = %2");
    t += fillPlaceholders(
             trText("ClassicReport", " угол луча зрения Q3 в начале приема периода =      %1"),
             {num(s.Q3(j))}) +
         kCrLf;
    t += fillPlaceholders(receiverAngle, {J, num(s.QV1(j))}) + kCrLf;
    t += fillPlaceholders(sourceAngle, {J, num(s.QV2(j))}) + kCrLf + kCrLf;
    t += fillPlaceholders(
             trText("ClassicReport", " угол луча зрения Q3 в конце приема периода =       %1"),
             {num(end.Q3)}) +
         kCrLf;
    t += fillPlaceholders(receiverAngle, {N, num(end.Qn1)}) + kCrLf;
    t += fillPlaceholders(sourceAngle, {N, num(end.Qn2)}) + kCrLf + kCrLf;
    t += trText("ClassicReport", " наблюдаемый период одного колебания на приемнике и "
                                 "реальная принимаемая частота ") +
         kCrLf;
    t += " dT= Tk1(" + J + ") - Tk1(" + P + ") = " + num(s.dT(j)) + "       v(" + J +
         ") = 1/dT= " + num(observedFrequency(s, j)) + kCrLf + kCrLf;
    t += trText("ClassicReport", " расчетная частота принимаемого сигнала  ") + kCrLf;
    t += fillPlaceholders(
             trText("ClassicReport",
                    "                                    частота в начале периода v1n(%1) = %2"),
             {J, num(s.v1n(j))}) +
         kCrLf;
    t += fillPlaceholders(
             trText("ClassicReport",
                    "                                    частота в конце периода   v1k(%1) = %2"),
             {J, num(s.v1k(j))}) +
         kCrLf;
    t +=
        fillPlaceholders(trText("ClassicReport",
                                " средняя частота за период  v1(%1) = (v1n(i) + v1k(i)) / 2  = %2"),
                         {J, num(s.v1(j))}) +
        kCrLf + kCrLf;
    return t;
}

// A period without a recorded end has no observed period and no frequencies.
void clearPeriod(SharedState& s, int j) {
    s.dT(j) = 0;
    s.v1n(j) = 0;
    s.v1k(j) = 0;
    s.v1(j) = 0;
}

std::string periodTable(const SharedState& s, int periods) {
    // The header's words start where the columns of the rows below start.
    std::string t = trText("ClassicReport", "№ периода      угол       наблюдаемая частота "
                                            "    расчетная частота ") +
                    kCrLf;
    for (int j = 1; j <= periods; ++j) {
        if (!periodReceived(s, j))
            t += unreceivedPeriodLine(j) + kCrLf;
        else
            t += "   " + idx(j) + "         " + r2(s.Q3(j)) + "         " +
                 num(observedFrequency(s, j)) + "        " + num(s.v1(j)) + kCrLf;
    }
    return t;
}

} // namespace

ClassicPeriodValues classicPeriodValues(const SharedState& s, int j) {
    ClassicPeriodValues r;
    r.dT = finite(s.Tk1(j) - s.Tk1(j - 1));
    r.v = safeDiv(1, r.dT);
    const EndAngles end = anglesOfFront(s, j + 1);
    const double v1 = s.V(1), v2 = s.V(2);
    r.v1n = formula2(s.v0, v1, v2, s.Vs, safeDiv(s.QV1(j), s.degPerRad),
                     safeDiv(s.QV2(j), s.degPerRad));
    r.v1k =
        formula2(s.v0, v1, v2, s.Vs, safeDiv(end.Qn1, s.degPerRad), safeDiv(end.Qn2, s.degPerRad));
    r.v1 = finite((r.v1n + r.v1k) / 2);
    return r;
}

std::string reportHeading() {
    return trText("ClassicReport",
                  "        1- приемник  2- источник  i - нимер периода сигнала передатчика") +
           kCrLf;
}

std::string reportLegend(const SharedState& s) {
    const char* const fixedHead[] = {
        SONREL_TR_NOOP("ClassicReport", " Tn2(i)- время начала передачи сигнала i-го периода"),
        SONREL_TR_NOOP("ClassicReport", " Tk1(i)- время конца приема сигнала i-го периода"),
        SONREL_TR_NOOP("ClassicReport",
                       " Tn1(i)- время при приеме сигнала i-го периода, когда источник "),
        SONREL_TR_NOOP("ClassicReport",
                       "                     начал передачу сигнала следующего периода"),
        SONREL_TR_NOOP("ClassicReport",
                       " Xn2(i)- коорд. источника в начале передачи сигнала i-го периода"),
        SONREL_TR_NOOP("ClassicReport",
                       " Xn1(i)- коорд. приемника в начале передачи сигнала i+1-го периода"),
        SONREL_TR_NOOP("ClassicReport",
                       " Xk2(i)- коорд. источника в тот момент времени, когда сигнал от "),
        SONREL_TR_NOOP("ClassicReport",
                       "                           начала i-го периода достиг приемника"),
        SONREL_TR_NOOP("ClassicReport",
                       " Xk1(i)- координата приемника в конце приема сигнала i-го периода"),
        SONREL_TR_NOOP("ClassicReport", " Q3 - угол между лучом зрения и осью X (угол наблюдения)"),
    };
    std::string t;
    for (const char* text : fixedHead)
        t += trText("ClassicReport", text) + kCrLf;
    t += fillPlaceholders(
             trText("ClassicReport", " QV1= %1 - угол между скоростью приемника и осью X"),
             {r2(vectorAngleDeg(s.pi, s.VX(1), s.VY(1)))}) +
         kCrLf;
    t += trText("ClassicReport",
                " Qn1(i) - угол между лучом зрения с источника и скоростью приемника ") +
         kCrLf;
    t += fillPlaceholders(
             trText("ClassicReport", " QV2= %1 - угол между скоростью источника и осью X"),
             {r2(vectorAngleDeg(s.pi, s.VX(2), s.VY(2)))}) +
         kCrLf;
    t += trText("ClassicReport",
                " Qn2(i) - угол между лучом зрения с источника и скоростью источника ") +
         kCrLf;
    t += fillPlaceholders(trText("ClassicReport",
                                 " T00=  %1    - период формирования фронтов сигнала передатчика"),
                          {num(s.T00)}) +
         kCrLf;
    t += fillPlaceholders(trText("ClassicReport", "  v0=  %1    - частота передатчика "),
                          {num(s.v0)}) +
         kCrLf;
    return t;
}

void printLegend(SharedState& s, ReportSink& sink) {
    sink.clear();
    s.reportText = reportHeading();
    sink.print(kReportHeadingY, s.reportText);
    s.reportText = reportLegend(s);
    sink.print(kReportLegendY, s.reportText);
}

void processPeriods(SharedState& s, ReportSink& sink) {
    const int periods = s.frontIndex - 1;
    for (int j = 1; j <= periods; ++j) {
        if (periodReceived(s, j)) {
            computePeriod(s, j);
            s.reportText = periodBlock(s, j);
        } else {
            clearPeriod(s, j);
            s.reportText = unreceivedPeriodLine(j) + kCrLf;
        }
        sink.print(periodBlockY(j), s.reportText);
    }
    s.reportText = periodTable(s, periods);
    sink.print(periodBlockY(periods + 1), s.reportText);
}

} // namespace sonrel
