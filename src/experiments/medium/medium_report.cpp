#include "experiments/medium/medium_report.h"

#include "experiments/unreceived_period.h"

#include "base/checked_math.h"
#include "base/numbers.h"
#include "base/translate.h"
#include "experiments/medium/medium_texts.h"

#include <algorithm>

namespace sonrel {

namespace medium_texts {
std::string overrunQuestion(double arrival, double nextStart) {
    return trText("MediumMessages",
                  "              ПРОГРАММА РАБОТАЕТ НЕ КООРЕКТНО\n"
                  "т.к. период сейчас меньше времени распространения сигнала и поэтому \n"
                  " пучок лучей следующего периода не смог во время начать движение\n") +
           "           Tk1(N)= " + formatNumber(arrival) +
           "  >   Tn2(N+1)=   " + formatNumber(nextStart) + "\n                        " +
           trText("Message", kContinueQuestion.c_str());
}
} // namespace medium_texts

namespace {
std::string f6(double x) {
    return formatTrunc(x, 6);
}
std::string f3(double x) {
    return formatTrunc(x, 3);
}
std::string f2(double x) {
    return formatTrunc(x, 2);
}
std::string num(int i) {
    return std::to_string(i);
}
std::string notReceived(int i) {
    return unreceivedPeriodLine(i) + "\n";
}
} // namespace

void mediumReportLegend(const MediumExperiment& run, ReportSink& sink) {
    const SharedState& st = run.st;
    sink.clear();
    sink.print(599.9, trText("MediumReport",
                             "        1- приемник  2- источник  i - нимер условного периода\n"));
    std::string t = trText(
        "MediumReport",
        " Tn2(i)- время передачи сигнала начала i-го условного периода по часам ИСО\n"
        " Xn2(i)- координата источника в начале передачи сигнала i-го условного периода \n"
        " Tn1(i) - время приема сигнала начала i-го условного периода по часам ИСО\n"
        " Tn1p(i) - время приема сигнала начала i-го реального периода и по часам приемника\n"
        " Xn1(i) и Xk2(i) - координаты приемника и источника при приема начала i-го условного "
        "периода\n");
    t += " QV1= " + f2(run.QV1start) + trText("MediumReport", "  и QV2= ") + f2(run.QV2start) +
         trText("MediumReport", " - углы между скоростью приемника и источника и осью X\n");
    t += trText("MediumReport",
                " Qn1(i) и Qn2(i) - углы между скоростью приемника или источника и лучом зрения с "
                "источника\n");
    t += " kT1=  " + f3(run.G1) + "      kT2=  " + f3(run.G2) +
         trText("MediumReport", "     - коэффициенты темпа времени на приемнике и источнике\n");
    t += " v0=  " + f3(run.v00) +
         trText("MediumReport", " - реальная частота передатчика по часам источника\n");
    t += " T00=  " + formatNumber(st.T00) +
         trText("MediumReport",
                " - условный период колебаний передатчика с частотой v00 по времени ИСО\n");
    t += " T0=  " + f3(st.T) +
         trText("MediumReport",
                " - время начала эксперимента по часам ИСО, где начало отсчета (как и для "
                "источника)\n"
                " согласовано с началом координатного временем приемника, если была задана "
                "VXiso\n");
    sink.print(599.3, t);
}

void mediumReportBody(MediumExperiment& run, DopplerFrame frame, ReportSink& sink) {
    SharedState& st = run.st;
    const double deg = st.degPerRad;
    // Arrival i opens period i, which arrival i + 1 closes. The last
    // recorded arrival (after a stop, or the twentieth) opens a period whose
    // end was never received: its block and row say so instead of numbers.
    const int count = std::min(run.k - 1, 20);
    const int complete = std::min(run.k - 2, 19);
    for (int i = 1; i <= count; ++i) {
        if (i > complete) {
            sink.print(591 - 7.0 * (i - 1), notReceived(i));
            continue;
        }
        run.vn(i) = run.frequencyAt(i, frame, run.Vs0);
        run.vk(i) = run.frequencyAt(i + 1, frame, run.Vs0);
        run.vsr(i) = (run.vn(i) + run.vk(i)) / 2;
        const double dT = run.Tn1p(i + 1) - run.Tn1p(i);
        const std::string n = num(i);
        std::string t =
            trText("MediumReport",
                   "                         обрабатываем сигналы условного периода № ") +
            n + "\n";
        t += trText("MediumReport",
                    " координаты и время по часам ИСО источника и приемника для начала условного "
                    "периода (i)\n");
        t += " Tn2(" + n + ") = " + f6(st.Tn2(i)) + "        Xn2(" + n + ") = " + f6(st.Xn2(i)) +
             "        Yn2(" + n + ") = " + f6(st.Yn2(i)) + "\n";
        t += " Tn1(" + n + ") = " + f6(st.Tn1(i)) + "        Xn1(" + n + ") = " + f6(st.Xk1(i)) +
             "        Yn1(" + n + ") = " + f6(st.Yk1(i)) + "\n";
        t += trText("MediumReport", " время по часам приемника начала реального периода Tn1p(") +
             n + ") = " + f6(run.Tn1p(i)) + "\n";
        t += trText("MediumReport",
                    " угол луча зрения на источнике в момент излучения начала периода   ") +
             f2(run.Qe(i) * deg) + "\n";
        t += trText("MediumReport",
                    " угол луча зрения на приемнике в момент приема начала периода   ") +
             f2(run.Qa(i) * deg) + "\n";
        t += trText("MediumReport", " угол скорости приемника в начале ") + n +
             trText("MediumReport", " периода Qn1(") + n + ") = " + f2(st.QV1(i) * deg) +
             trText("MediumReport", " при Vs1(") + n + ") = " + f2(run.Vs1(i)) + "\n";
        t += trText("MediumReport", " угол скорости источника в начале ") + n +
             trText("MediumReport", " периода Qn2(") + n + ") = " + f2(st.QV2(i) * deg) +
             trText("MediumReport", " при Vs2(") + n + ") = " + f2(run.Vs2(i)) + "\n";
        t += trText("MediumReport", " наблюдаемый период на приемнике и реальная частота приема\n");
        t += " dT= Tk1(" + n + ") - Tk1(" + num(i - 1) + ") = " + f3(dT) +
             "                             v(" + n + ") = 1/dT= " + formatNumber(safeDiv(1, dT)) +
             "\n";
        t += trText("MediumReport", " расчетная частота в начале периода vn(") + n +
             ") = " + formatNumber(run.vn(i)) + "\n";
        t += trText("MediumReport", " расчетная частота в конце  периода  vk(") + n +
             ") = " + formatNumber(run.vk(i)) + "\n";
        t += trText("MediumReport", " средняя частота за период v(") + n +
             ") = (v1n(i) + v1k(i)) / 2  = " + formatNumber(run.vsr(i)) + "\n\n";
        sink.print(591 - 7.0 * (i - 1), t);
    }
    // The rows' columns start under the header's words, in either language.
    std::string table = trText("MediumReport", "№ периода      углы при вылете     углы при приеме "
                                               "    наблюдаемая и расчетная частота \n");
    for (int i = 1; i <= count; ++i) {
        if (i > complete) {
            table += notReceived(i);
            continue;
        }
        const double dT = run.Tn1p(i + 1) - run.Tn1p(i);
        table += "   " + num(i) + "         " + f2(st.QV2(i) * deg) + "    " +
                 f2(st.QV2(i + 1) * deg) + "         " + f2(st.QV1(i) * deg) + "    " +
                 f2(st.QV1(i + 1) * deg) + "         " + formatNumber(safeDiv(1, dT)) + "        " +
                 formatNumber(run.vsr(i)) + "\n";
    }
    sink.print(591 - 7.0 * count, table);
}

} // namespace sonrel
