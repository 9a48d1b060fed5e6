<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>ClassicReport</name>
    <message>
        <source>             обрабатываем данные приема сигнала периода № %1</source>
        <translation>             processing the received signal of period No. %1</translation>
    </message>
    <message>
        <source> координаты и время источника и приемника для начала и конца одного периода</source>
        <translation> coordinates and times of source and receiver at the start and end of one period</translation>
    </message>
    <message>
        <source> относительный угол скорости приемника Qn1(%1) = %2</source>
        <translation> relative angle of the receiver&apos;s velocity Qn1(%1) = %2</translation>
    </message>
    <message>
        <source> относительный угол скорости источника  Qn2(%1) = %2</source>
        <translation> relative angle of the source&apos;s velocity   Qn2(%1) = %2</translation>
    </message>
    <message>
        <source> угол луча зрения Q3 в начале приема периода =      %1</source>
        <translation> line-of-sight angle Q3 at the start of reception = %1</translation>
    </message>
    <message>
        <source> угол луча зрения Q3 в конце приема периода =       %1</source>
        <translation> line-of-sight angle Q3 at the end of reception =   %1</translation>
    </message>
    <message>
        <source> наблюдаемый период одного колебания на приемнике и реальная принимаемая частота </source>
        <translation> observed period of one oscillation at the receiver and the real received frequency </translation>
    </message>
    <message>
        <source> расчетная частота принимаемого сигнала  </source>
        <translation> calculated frequency of the received signal  </translation>
    </message>
    <message>
        <source>                                    частота в начале периода v1n(%1) = %2</source>
        <translation>                                    frequency at period start v1n(%1) = %2</translation>
    </message>
    <message>
        <source>                                    частота в конце периода   v1k(%1) = %2</source>
        <translation>                                    frequency at period end   v1k(%1) = %2</translation>
    </message>
    <message>
        <source> средняя частота за период  v1(%1) = (v1n(i) + v1k(i)) / 2  = %2</source>
        <translation> mean frequency over the period  v1(%1) = (v1n(i) + v1k(i)) / 2  = %2</translation>
    </message>
    <message>
        <source>№ периода      угол       наблюдаемая частота     расчетная частота </source>
        <translation>period No.     angle      observed frequency      calculated frequency </translation>
    </message>
    <message>
        <source>        1- приемник  2- источник  i - нимер периода сигнала передатчика</source>
        <translation>        1- receiver  2- source  i - number of the transmitter&apos;s signal period</translation>
    </message>
    <message>
        <source> Tn2(i)- время начала передачи сигнала i-го периода</source>
        <translation> Tn2(i)- time the transmission of the signal of period i starts</translation>
    </message>
    <message>
        <source> Tk1(i)- время конца приема сигнала i-го периода</source>
        <translation> Tk1(i)- time the reception of the signal of period i ends</translation>
    </message>
    <message>
        <source> Tn1(i)- время при приеме сигнала i-го периода, когда источник </source>
        <translation> Tn1(i)- time, in the reception of the signal of period i, when the source </translation>
    </message>
    <message>
        <source>                     начал передачу сигнала следующего периода</source>
        <translation>                     began transmitting the signal of the next period</translation>
    </message>
    <message>
        <source> Xn2(i)- коорд. источника в начале передачи сигнала i-го периода</source>
        <translation> Xn2(i)- source coord. at the start of transmitting the signal of period i</translation>
    </message>
    <message>
        <source> Xn1(i)- коорд. приемника в начале передачи сигнала i+1-го периода</source>
        <translation> Xn1(i)- receiver coord. at the start of transmitting the signal of period i+1</translation>
    </message>
    <message>
        <source> Xk2(i)- коорд. источника в тот момент времени, когда сигнал от </source>
        <translation> Xk2(i)- source coord. at the moment when the signal from the </translation>
    </message>
    <message>
        <source>                           начала i-го периода достиг приемника</source>
        <translation>                           start of period i reached the receiver</translation>
    </message>
    <message>
        <source> Xk1(i)- координата приемника в конце приема сигнала i-го периода</source>
        <translation> Xk1(i)- receiver coordinate at the end of receiving the signal of period i</translation>
    </message>
    <message>
        <source> Q3 - угол между лучом зрения и осью X (угол наблюдения)</source>
        <translation> Q3 - angle between the line of sight and the X axis (observation angle)</translation>
    </message>
    <message>
        <source> QV1= %1 - угол между скоростью приемника и осью X</source>
        <translation> QV1= %1 - angle between the receiver&apos;s velocity and the X axis</translation>
    </message>
    <message>
        <source> Qn1(i) - угол между лучом зрения с источника и скоростью приемника </source>
        <translation> Qn1(i) - angle between the line of sight from the source and the receiver&apos;s velocity </translation>
    </message>
    <message>
        <source> QV2= %1 - угол между скоростью источника и осью X</source>
        <translation> QV2= %1 - angle between the source&apos;s velocity and the X axis</translation>
    </message>
    <message>
        <source> Qn2(i) - угол между лучом зрения с источника и скоростью источника </source>
        <translation> Qn2(i) - angle between the line of sight from the source and the source&apos;s velocity </translation>
    </message>
    <message>
        <source> T00=  %1    - период формирования фронтов сигнала передатчика</source>
        <translation> T00=  %1    - period at which the transmitter forms the signal fronts</translation>
    </message>
    <message>
        <source>  v0=  %1    - частота передатчика </source>
        <translation>  v0=  %1    - transmitter frequency </translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>ПРОГРАММА РАБОТАЕТ НЕ КООРЕКТНО
т.к. расчетный период сейчас меньше времени распространения сигнала
ПРОДОЛЖИТЬ ЭКСПЕРИМЕНТ</source>
        <translation>THE PROGRAM IS NOT WORKING CORRECTLY
since the calculated period is now shorter than the signal propagation time
CONTINUE THE EXPERIMENT?</translation>
    </message>
    <message>
        <source>ПРОДОЛЖИТЬ ЭКСПЕРИМЕНТ</source>
        <translation>CONTINUE THE EXPERIMENT?</translation>
    </message>
    <message>
        <source>Период формирования нового фронта волны не должен быть меньше 
    времени распространения сигнала предыдущего фронта волны</source>
        <translation>The period at which a new wave front forms must not be shorter than 
    the signal propagation time of the previous wave front</translation>
    </message>
    <message>
        <source>Скорости V1, V2 и V12 должны быть меньше скорости сигнала.
Проверьте заданные для выбранной формулы скорости VX1 и VX2.</source>
        <translation>The speeds V1, V2 and V12 must be less than the signal speed.
Check the speeds VX1 and VX2 given for the chosen formula.</translation>
    </message>
    <message>
        <source>X= V/Vs должно быть положительное</source>
        <translation>X= V/Vs must be positive</translation>
    </message>
</context>
<context>
    <name>Period</name>
    <message>
        <source>период %1 не принят</source>
        <translation>period %1 not received</translation>
    </message>
</context>
<context>
    <name>Theory</name>
    <message>
        <source>     №                      Q(i)                    v/v0  

</source>
        <translation>     No.                    Q(i)                    v/v0  

</translation>
    </message>
    <message>
        <source>     №                      V(i)                   v/v0  

</source>
        <translation>     No.                    V(i)                   v/v0  

</translation>
    </message>
</context>
<context>
    <name>sonrel::Form1</name>
    <message>
        <source>Sonrel6         form1       Распространение фронтов волн с периодом Т00 и расчеты по разным формулам</source>
        <translation>Sonrel6         form1       Propagation of wave fronts with period T00 and calculations by various formulas</translation>
    </message>
    <message>
        <source>скорость сигнала Vs, м/с </source>
        <translation>signal speed Vs, m/s </translation>
    </message>
    <message>
        <source>1-Задать T00, с</source>
        <translation>1-Set T00, s</translation>
    </message>
    <message>
        <source> v0, 1/c=</source>
        <translation> v0, 1/s=</translation>
    </message>
    <message>
        <source>T, с=</source>
        <translation>T, s=</translation>
    </message>
    <message>
        <source> шаг решения, с</source>
        <translation> solution step, s</translation>
    </message>
    <message>
        <source>2-Начать эксперимент</source>
        <translation>2-Start experiment</translation>
    </message>
    <message>
        <source>все фронты</source>
        <translation>all fronts</translation>
    </message>
    <message>
        <source>Остановить</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Продолжить</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>NC0 шагов=</source>
        <translation>NC0 steps=</translation>
    </message>
    <message>
        <source>+ текст</source>
        <translation>+ text</translation>
    </message>
    <message>
        <source>+ отчет</source>
        <translation>+ report</translation>
    </message>
    <message>
        <source>Масштаб рисунка, м/см</source>
        <translation>Picture scale, m/cm</translation>
    </message>
    <message>
        <source>Очистить рисунок</source>
        <translation>Clear picture</translation>
    </message>
    <message>
        <source>Сохранить в файл рисунок с №</source>
        <translation>Save picture to file No.</translation>
    </message>
    <message>
        <source>теоретические расчеты по выбранной формуле для частоты v или длины волны L</source>
        <translation>theoretical calculations by the chosen formula for frequency v or wavelength L</translation>
    </message>
    <message>
        <source>СТО</source>
        <translation>SR</translation>
    </message>
    <message>
        <source>Вельт (3)</source>
        <translation>Welt (3)</translation>
    </message>
    <message>
        <source>Лоренц (2)</source>
        <translation>Lorentz (2)</translation>
    </message>
    <message>
        <source>КТО (4-4) v=v0*( 1-V12/Vs)</source>
        <translation>CT (4-4) v=v0*( 1-V12/Vs)</translation>
    </message>
    <message>
        <source>Вельт</source>
        <translation>Welt</translation>
    </message>
    <message>
        <source>для (3) точный расчет поправок dv1 и dv2</source>
        <translation>for (3) exact calculation of corrections dv1 and dv2</translation>
    </message>
    <message>
        <source>учесть запаздывание по координатам</source>
        <translation>allow for retardation in coordinates</translation>
    </message>
    <message>
        <source>Масштаб графика v/v0, ед/см</source>
        <translation>Graph scale v/v0, units/cm</translation>
    </message>
    <message>
        <source>Расчет по координатам и скоростям с нахождением Q</source>
        <translation>Calculation from coordinates and velocities, finding Q</translation>
    </message>
    <message>
        <source>Расчет по V1, V2 или V12 = X при заданном Q=</source>
        <translation>Calculation from V1, V2 or V12 = X at given Q=</translation>
    </message>
    <message>
        <source>Построить график в функции от</source>
        <translation>Plot graph as a function of</translation>
    </message>
    <message>
        <source>Q при заданных VX1 и VX2</source>
        <translation>Q at given VX1 and VX2</translation>
    </message>
    <message>
        <source>На график экспериментальные точки</source>
        <translation>Experimental points onto graph</translation>
    </message>
    <message>
        <source>Поставить точку по X Y</source>
        <translation>Put point at X Y</translation>
    </message>
    <message>
        <source>Очистить график</source>
        <translation>Clear graph</translation>
    </message>
    <message>
        <source>АСО -&gt; ИСО</source>
        <translation>AF -&gt; IF</translation>
    </message>
    <message>
        <source>АСО или ИСО</source>
        <translation>AF or IF</translation>
    </message>
    <message>
        <source>Мембраны</source>
        <translation>Membranes</translation>
    </message>
    <message>
        <source>Калькулятор</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
</context>
<context>
    <name>sonrel::Form4</name>
    <message>
        <source>Отчет      Sonrel6      form4</source>
        <translation>Report      Sonrel6      form4</translation>
    </message>
</context>
</TS>
