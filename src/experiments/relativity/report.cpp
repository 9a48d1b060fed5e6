#include "experiments/relativity/report.h"

#include "app/checked_math.h"
#include "app/numbers.h"

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

} // namespace

std::string reportHeading() {
    return std::string("        1- приемник  2- источник  i - нимер условного периода") + kEol;
}

std::string reportLegend(Model& m) {
    const SharedState& s = m.s;
    const double deg = s.degPerRad;
    std::string t;
    auto line = [&](const std::string& text) { t += text + kEol; };
    line(" Tn2(i)- время передачи сигнала начала i-го условного периода по часам ИСО");
    line(" Xn2(i)- координата источника в начале передачи сигнала i-го условного периода ");
    line(" Tn1(i) - время приема сигнала начала i-го условного периода по часам ИСО");
    line(" Tn1p(i) - время приема сигнала начала i-го реального периода и по часам приемника");
    line(" Xn1(i) и Xk2(i) - координаты приемника и источника при приема начала i-го условного "
         "периода");
    line(" QV1= " + n2(m.QV1 * deg) + "  и QV2= " + n2(m.QV2 * deg) +
         " - углы между скоростью приемника и источника и осью X");
    line(" Qn1(i) и Qn2(i) - углы между скоростью приемника или источника и лучом зрения с "
         "источника");
    line(" kT1=  " + n3(m.kT1iso) + "      kT2=  " + n3(m.kT2used) +
         "     - коэффициенты темпа времени на приемнике и источнике");
    line(" kTiso=  " + n3(m.kTiso3) + "     - коэффициент темпа течения времени в ИСО");
    line(" T00=  " + num(s.T00) + " - период колебаний передатчика с частотой v00 по часам ИСО");
    line(" v00= 1/T00=   " + num(m.v00) + " - частота передатчика по часам ИСО");
    line(" v0= v00/kT2=  " + num(s.v0) + " - частота передатчика по часам источника");
    line(" T0=  " + num(s.T) + " - время начала эксперимента по часам ИСО, которое ");
    line(" равно координатному временем приемника (если была задана VXiso не равная нулю)");
    return t;
}

std::string reportUnreceived(int i) {
    return "период " + std::to_string(i) + " не принят" + kEol;
}

std::string reportPeriodBlock(Model& m, int i) {
    SharedState& s = m.s;
    const double deg = s.degPerRad;
    const std::string n = std::to_string(i), n1 = std::to_string(i + 1);
    const double dT = s.Tn1(i + 1) - s.Tn1(i);
    const double dTReceiver = dT * m.kT1iso;
    const double vn = m.frequencyAt(i, false), vk = m.frequencyAt(i + 1, false);
    std::string t;
    auto line = [&](const std::string& text) { t += text + kEol; };
    line("                             обрабатываем сигналы периода № " + n);
    line(" координаты и время по часам ИСО источника и приемника для начала условного периода "
         "(i)");
    line(" Tn2(" + n + ") = " + n6(m.Tn2iso(i)) + "        Xn2(" + n + ") = " + n6(m.Xn2iso(i)) +
         "        Yn2(" + n + ") = " + n6(m.Yn2iso(i)) + "        Xk2(" + n +
         ") = " + n6(s.Xk2(i)) + "        Yk2(" + n + ") = " + n6(s.Yk2(i)));
    line(" Tn1(" + n + ") = " + n6(s.Tn1(i)) + "        Xn1(" + n + ") = " + n6(s.Xn1(i)) +
         "        Yn1(" + n + ") = " + n6(s.Yn1(i)));
    line(" угол луча зрения на источнике в момент излучения начала периода   " +
         n2(m.Q3(i + 20) * deg));
    line(" угол луча зрения на приемнике в момент приема начала периода   " + n2(m.Q3(i) * deg));
    line(" угол скорости приемника в начале " + n + " периода Qn1(" + n +
         ") = " + n2(m.Qn1(i) * deg) + " при Vs1(" + n + ") = " + n2(m.Vs1(i)));
    line(" угол скорости источника в начале " + n + " периода Qn2(" + n +
         ") = " + n2(m.Qn2(i) * deg) + " при Vs2(" + n + ") = " + n2(m.Vs2(i)));
    line(" наблюдаемый период на источнике, приемнике и наблюдаемая частота приема");
    line(" период на источнике по часам ИСО    dT= Tn2(" + n1 + ") - Tn1(" + n +
         ") = " + n3(m.Tn2iso(i + 1) - m.Tn2iso(i)));
    line(" период на приемнике по часам ИСО   dT= Tn1(" + n1 + ") - Tn1(" + n + ") = " + n3(dT) +
         "    v(" + n + ") = 1/dT=       " + num(safeDiv(1, dT)));
    line(" после согласования темпов времени dT= dT * kT1=   " + n3(dTReceiver) + "   v(" + n +
         ") = 1/dT=   " + num(safeDiv(1, dTReceiver)));
    line(" расчетная частота в начале периода vn(" + n + ") = " + num(vn));
    line(" расчетная частота в конце  периода  vk(" + n + ") = " + num(vk));
    line(" средняя расчетная частота за период v(" + n +
         ") = (v1n(i) + v1k(i)) / 2  =                            " + num((vn + vk) / 2));
    line(" средний угол наблюдения за период Q3(" + n +
         ") =   " + n2((m.Q3(i) + m.Q3(i + 1)) / 2 * deg));
    t += kEol;
    return t;
}

} // namespace sonrel::relativity
