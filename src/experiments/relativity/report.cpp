#include "experiments/relativity/report.h"

#include "experiments/unreceived_period.h"

#include "base/checked_math.h"
#include "base/numbers.h"
#include "experiments/relativity/messages.h"

namespace sonrel::relativity {

namespace {

const char* const kEol = "\r\n";

std::string n6(double x) {
    return formatTrunc(x, 6);
}
std::string n3(double x) {
    return formatTrunc(x, 3);
}
std::string n2(double x) {
    return formatTrunc(x, 2);
}
std::string num(double x) {
    return formatNumber(x);
}

// Each line's text is translated whole and its %1, %2, ... filled in, so
// that a language may order words and pad columns its own way.
struct Lines {
    std::string text;
    void operator()(const std::string& line, std::initializer_list<std::string> values = {}) {
        text += fillPlaceholders(line, values) + kEol;
    }
};

} // namespace

std::string reportHeading() {
    return trText("RelativityReport",
                  "        1- приемник  2- источник  i - нимер условного периода") +
           kEol;
}

std::string reportLegend(Model& m) {
    const SharedState& s = m.s;
    const double deg = s.degPerRad;
    Lines line;
    line(trText("RelativityReport",
                " Tn2(i)- время передачи сигнала начала i-го условного периода по часам ИСО"));
    line(trText("RelativityReport",
                " Xn2(i)- координата источника в начале передачи сигнала i-го условного периода "));
    line(trText("RelativityReport",
                " Tn1(i) - время приема сигнала начала i-го условного периода по часам ИСО"));
    line(trText(
        "RelativityReport",
        " Tn1p(i) - время приема сигнала начала i-го реального периода и по часам приемника"));
    line(trText("RelativityReport",
                " Xn1(i) и Xk2(i) - координаты приемника и источника при приема начала i-го "
                "условного периода"));
    line(trText("RelativityReport",
                " QV1= %1  и QV2= %2 - углы между скоростью приемника и источника и осью X"),
         {n2(m.QV1 * deg), n2(m.QV2 * deg)});
    line(trText("RelativityReport",
                " Qn1(i) и Qn2(i) - углы между скоростью приемника или источника и лучом зрения "
                "с источника"));
    line(
        trText("RelativityReport",
               " kT1=  %1      kT2=  %2     - коэффициенты темпа времени на приемнике и источнике"),
        {n3(m.kT1iso), n3(m.kT2used)});
    line(trText("RelativityReport", " kTiso=  %1     - коэффициент темпа течения времени в ИСО"),
         {n3(m.kTiso3)});
    line(trText("RelativityReport",
                " T00=  %1 - период колебаний передатчика с частотой v00 по часам ИСО"),
         {num(s.T00)});
    line(trText("RelativityReport", " v00= 1/T00=   %1 - частота передатчика по часам ИСО"),
         {num(m.v00)});
    line(trText("RelativityReport", " v0= v00/kT2=  %1 - частота передатчика по часам источника"),
         {num(s.v0)});
    line(trText("RelativityReport", " T0=  %1 - время начала эксперимента по часам ИСО, которое "),
         {num(s.T)});
    line(trText("RelativityReport",
                " равно координатному временем приемника (если была задана VXiso не равная нулю)"));
    return line.text;
}

std::string reportUnreceived(int i) {
    return unreceivedPeriodLine(i) + kEol;
}

std::string reportPeriodBlock(Model& m, int i) {
    SharedState& s = m.s;
    const double deg = s.degPerRad;
    const std::string n = std::to_string(i), n1 = std::to_string(i + 1);
    const double dT = s.Tn1(i + 1) - s.Tn1(i);
    const double dTReceiver = dT * m.kT1iso;
    const double vn = m.frequencyAt(i, false), vk = m.frequencyAt(i + 1, false);
    Lines line;
    line(trText("RelativityReport",
                "                             обрабатываем сигналы периода № %1"),
         {n});
    line(trText("RelativityReport",
                " координаты и время по часам ИСО источника и приемника для начала условного "
                "периода (i)"));
    line(" Tn2(" + n + ") = " + n6(m.Tn2iso(i)) + "        Xn2(" + n + ") = " + n6(m.Xn2iso(i)) +
         "        Yn2(" + n + ") = " + n6(m.Yn2iso(i)) + "        Xk2(" + n +
         ") = " + n6(s.Xk2(i)) + "        Yk2(" + n + ") = " + n6(s.Yk2(i)));
    line(" Tn1(" + n + ") = " + n6(s.Tn1(i)) + "        Xn1(" + n + ") = " + n6(s.Xn1(i)) +
         "        Yn1(" + n + ") = " + n6(s.Yn1(i)));
    line(trText("RelativityReport",
                " угол луча зрения на источнике в момент излучения начала периода   %1"),
         {n2(m.Q3(i + 20) * deg)});
    line(trText("RelativityReport",
                " угол луча зрения на приемнике в момент приема начала периода   %1"),
         {n2(m.Q3(i) * deg)});
    line(trText("RelativityReport",
                " угол скорости приемника в начале %1 периода Qn1(%1) = %2 при Vs1(%1) = %3"),
         {n, n2(m.Qn1(i) * deg), n2(m.Vs1(i))});
    line(trText("RelativityReport",
                " угол скорости источника в начале %1 периода Qn2(%1) = %2 при Vs2(%1) = %3"),
         {n, n2(m.Qn2(i) * deg), n2(m.Vs2(i))});
    line(trText("RelativityReport",
                " наблюдаемый период на источнике, приемнике и наблюдаемая частота приема"));
    line(trText("RelativityReport",
                " период на источнике по часам ИСО    dT= Tn2(%2) - Tn1(%1) = %3"),
         {n, n1, n3(m.Tn2iso(i + 1) - m.Tn2iso(i))});
    line(trText("RelativityReport",
                " период на приемнике по часам ИСО   dT= Tn1(%2) - Tn1(%1) = %3    v(%1) = 1/dT=  "
                "     %4"),
         {n, n1, n3(dT), num(safeDiv(1, dT))});
    line(trText("RelativityReport",
                " после согласования темпов времени dT= dT * kT1=   %2   v(%1) = 1/dT=   %3"),
         {n, n3(dTReceiver), num(safeDiv(1, dTReceiver))});
    line(trText("RelativityReport", " расчетная частота в начале периода vn(%1) = %2"),
         {n, num(vn)});
    line(trText("RelativityReport", " расчетная частота в конце  периода  vk(%1) = %2"),
         {n, num(vk)});
    line(trText("RelativityReport",
                " средняя расчетная частота за период v(%1) = (v1n(i) + v1k(i)) / 2  =         "
                "                   %2"),
         {n, num((vn + vk) / 2)});
    line(trText("RelativityReport", " средний угол наблюдения за период Q3(%1) =   %2"),
         {n, n2((m.Q3(i) + m.Q3(i + 1)) / 2 * deg)});
    line.text += kEol;
    return line.text;
}

} // namespace sonrel::relativity
