<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>MediumMessages</name>
    <message>
        <source>              ПРОГРАММА РАБОТАЕТ НЕ КООРЕКТНО
т.к. период сейчас меньше времени распространения сигнала и поэтому 
 пучок лучей следующего периода не смог во время начать движение
</source>
        <translation>              THE PROGRAM IS NOT WORKING CORRECTLY
because the period is now shorter than the signal&apos;s travel time, so 
 the beam of rays of the next period could not start in time
</translation>
    </message>
</context>
<context>
    <name>MediumReport</name>
    <message>
        <source>период </source>
        <translation>period </translation>
    </message>
    <message>
        <source> не принят
</source>
        <translation> not received
</translation>
    </message>
    <message>
        <source>        1- приемник  2- источник  i - нимер условного периода
</source>
        <translation>        1- receiver  2- source  i - number of the nominal period
</translation>
    </message>
    <message>
        <source> Tn2(i)- время передачи сигнала начала i-го условного периода по часам ИСО
 Xn2(i)- координата источника в начале передачи сигнала i-го условного периода 
 Tn1(i) - время приема сигнала начала i-го условного периода по часам ИСО
 Tn1p(i) - время приема сигнала начала i-го реального периода и по часам приемника
 Xn1(i) и Xk2(i) - координаты приемника и источника при приема начала i-го условного периода
</source>
        <translation> Tn2(i)- time of sending the signal of the start of the i-th nominal period, by the IF clocks
 Xn2(i)- source coordinate at the start of sending the signal of the i-th nominal period 
 Tn1(i) - time of receiving the signal of the start of the i-th nominal period, by the IF clocks
 Tn1p(i) - time of receiving the signal of the start of the i-th real period, by the receiver&apos;s clock
 Xn1(i) and Xk2(i) - receiver and source coordinates when the start of the i-th nominal period is received
</translation>
    </message>
    <message>
        <source>  и QV2= </source>
        <translation>  and QV2= </translation>
    </message>
    <message>
        <source> - углы между скоростью приемника и источника и осью X
</source>
        <translation> - angles between the receiver&apos;s and the source&apos;s velocity and the X axis
</translation>
    </message>
    <message>
        <source> Qn1(i) и Qn2(i) - углы между скоростью приемника или источника и лучом зрения с источника
</source>
        <translation> Qn1(i) and Qn2(i) - angles of the receiver&apos;s or source&apos;s velocity to the line of sight from the source
</translation>
    </message>
    <message>
        <source>     - коэффициенты темпа времени на приемнике и источнике
</source>
        <translation>     - time rate factors of the receiver and the source
</translation>
    </message>
    <message>
        <source> - реальная частота передатчика по часам источника
</source>
        <translation> - real frequency of the transmitter by the source&apos;s clock
</translation>
    </message>
    <message>
        <source> - условный период колебаний передатчика с частотой v00 по времени ИСО
</source>
        <translation> - nominal oscillation period of the transmitter of frequency v00 in IF time
</translation>
    </message>
    <message>
        <source> - время начала эксперимента по часам ИСО, где начало отсчета (как и для источника)
 согласовано с началом координатного временем приемника, если была задана VXiso
</source>
        <translation> - start time of the experiment by the IF clocks, whose origin (as for the source)
 agrees with the origin of the receiver&apos;s coordinate time if VXiso was given
</translation>
    </message>
    <message>
        <source>                         обрабатываем сигналы условного периода № </source>
        <translation>                         processing the signals of nominal period No. </translation>
    </message>
    <message>
        <source> координаты и время по часам ИСО источника и приемника для начала условного периода (i)
</source>
        <translation> coordinates and IF-clock times of the source and the receiver for the start of the nominal period (i)
</translation>
    </message>
    <message>
        <source> время по часам приемника начала реального периода Tn1p(</source>
        <translation> receiver-clock time of the start of the real period Tn1p(</translation>
    </message>
    <message>
        <source> угол луча зрения на источнике в момент излучения начала периода   </source>
        <translation> line-of-sight angle at the source when the start of the period is emitted   </translation>
    </message>
    <message>
        <source> угол луча зрения на приемнике в момент приема начала периода   </source>
        <translation> line-of-sight angle at the receiver when the start of the period is received   </translation>
    </message>
    <message>
        <source> угол скорости приемника в начале </source>
        <translation> receiver&apos;s velocity angle at the start of period </translation>
    </message>
    <message>
        <source> периода Qn1(</source>
        <translation>  Qn1(</translation>
    </message>
    <message>
        <source> при Vs1(</source>
        <translation> at Vs1(</translation>
    </message>
    <message>
        <source> угол скорости источника в начале </source>
        <translation> source&apos;s velocity angle at the start of period </translation>
    </message>
    <message>
        <source> периода Qn2(</source>
        <translation>  Qn2(</translation>
    </message>
    <message>
        <source> при Vs2(</source>
        <translation> at Vs2(</translation>
    </message>
    <message>
        <source> наблюдаемый период на приемнике и реальная частота приема
</source>
        <translation> observed period at the receiver and real received frequency
</translation>
    </message>
    <message>
        <source> расчетная частота в начале периода vn(</source>
        <translation> calculated frequency at the start of the period vn(</translation>
    </message>
    <message>
        <source> расчетная частота в конце  периода  vk(</source>
        <translation> calculated frequency at the end of the period   vk(</translation>
    </message>
    <message>
        <source> средняя частота за период v(</source>
        <translation> mean frequency over the period v(</translation>
    </message>
    <message>
        <source>№ периода      углы при вылете     углы при приеме     наблюдаемая и расчетная частота 
</source>
        <translation>period No.     departure angles    arrival angles      observed and calculated frequency 
</translation>
    </message>
</context>
<context>
    <name>MembraneReport</name>
    <message>
        <source>        1- приемник  2- источник  i - номер периода сигнала передатчика</source>
        <translation>        1- receiver  2- source  i - number of the period of the transmitter&apos;s signal</translation>
    </message>
    <message>
        <source> Tn2(i), Xn2(i), Yn2(i)- время и координаты источника в начале передачи i-го периода</source>
        <translation> Tn2(i), Xn2(i), Yn2(i)- time and coordinates of the source at the start of sending the i-th period</translation>
    </message>
    <message>
        <source> Tk2(i), Xk2(i), Yk2(i)- время и координаты источника в конце передачи i-го периода</source>
        <translation> Tk2(i), Xk2(i), Yk2(i)- time and coordinates of the source at the end of sending the i-th period</translation>
    </message>
    <message>
        <source> Tn1(i), Xn1(i), Yn1(i)- время и координаты приемника в начале приема i-го периода</source>
        <translation> Tn1(i), Xn1(i), Yn1(i)- time and coordinates of the receiver at the start of receiving the i-th period</translation>
    </message>
    <message>
        <source> Tk1(i), Xk1(i), Yk1(i)- время и координаты приемника в конце приема i-го периода</source>
        <translation> Tk1(i), Xk1(i), Yk1(i)- time and coordinates of the receiver at the end of receiving the i-th period</translation>
    </message>
    <message>
        <source> Qn3(i), Qk3(i)- угол наблюдения, т.е. между лучом зрения и осью Х в начале и конце периода</source>
        <translation> Qn3(i), Qk3(i)- observation angle (line of sight to the X axis) at the start and the end of the period</translation>
    </message>
    <message>
        <source> Qn1(i), Qn2(i)- угол между лучом зрения и скоростью приемника и источника в начале периода</source>
        <translation> Qn1(i), Qn2(i)- angle of the line of sight to the receiver&apos;s and source&apos;s velocity at the period&apos;s start</translation>
    </message>
    <message>
        <source> Qk1(i), Qk2(i)- угол между лучом зрения и скоростью приемника и источника в конце периода</source>
        <translation> Qk1(i), Qk2(i)- angle of the line of sight to the receiver&apos;s and source&apos;s velocity at the period&apos;s end</translation>
    </message>
    <message>
        <source> Аn1(i), Аn2(i)- углы наклона мембран приемника и источника в начале периода</source>
        <translation> An1(i), An2(i)- tilt angles of the receiver&apos;s and the source&apos;s membranes at the start of the period</translation>
    </message>
    <message>
        <source> Аk1(i), Аk2(i)- углы наклона мембран приемника и источника в конце периода</source>
        <translation> Ak1(i), Ak2(i)- tilt angles of the receiver&apos;s and the source&apos;s membranes at the end of the period</translation>
    </message>
    <message>
        <source>    - период колебаний передатчика</source>
        <translation>    - oscillation period of the transmitter</translation>
    </message>
    <message>
        <source>     - частота передатчика </source>
        <translation>     - frequency of the transmitter </translation>
    </message>
    <message>
        <source>             обрабатываем сигналы периода № </source>
        <translation>             processing the signals of period No. </translation>
    </message>
    <message>
        <source> из </source>
        <translation> of </translation>
    </message>
    <message>
        <source> координаты и время источника и приемника для начала и конца периода</source>
        <translation> coordinates and time of the source and the receiver for the start and the end of the period</translation>
    </message>
    <message>
        <source> углы наклона мембраны источника в начале и конце   An2(</source>
        <translation> tilt of the source membrane at start and end     An2(</translation>
    </message>
    <message>
        <source> углы наклона мембраны приемника в начале и конце  An1(</source>
        <translation> tilt of the receiver membrane at start and end   An1(</translation>
    </message>
    <message>
        <source> углы наблюдения в начале и конце периода               Qn3(</source>
        <translation> observation angles at the period&apos;s start and end        Qn3(</translation>
    </message>
    <message>
        <source> относительные углы скоростей источника в начале и конце  Qn2(</source>
        <translation> relative source velocity angles at start and end    Qn2(</translation>
    </message>
    <message>
        <source> относительные углы скоростей приемника в начале и конце  Qn1(</source>
        <translation> relative receiver velocity angles at start and end  Qn1(</translation>
    </message>
    <message>
        <source> наблюдаемый период на приемнике и реальная частота приема</source>
        <translation> observed period at the receiver and real received frequency</translation>
    </message>
    <message>
        <source> расчетная частота принимаемого сигнала  </source>
        <translation> calculated frequency of the received signal  </translation>
    </message>
    <message>
        <source> в начале периода v1n(</source>
        <translation> at the start of the period v1n(</translation>
    </message>
    <message>
        <source> и в конце периода   v1k(</source>
        <translation> and at its end   v1k(</translation>
    </message>
    <message>
        <source> среднее значение                       v1(</source>
        <translation> mean value                                v1(</translation>
    </message>
    <message>
        <source>№ периода      средний угол       наблюдаемая частота            расчетная частота </source>
        <translation>period No.     mean angle         observed frequency             calculated frequency </translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>ПРОДОЛЖИТЬ ЭКСПЕРИМЕНТ</source>
        <translation>CONTINUE THE EXPERIMENT</translation>
    </message>
    <message>
        <source>       Этот эксперимент выполняется  
       только при движении источника 
и только при движении его слева направо</source>
        <translation>       This experiment runs only  
       with a moving source 
and only with it moving from left to right</translation>
    </message>
    <message>
        <source>Если классика в неувлекаемом эфире, то этот эксперимент нельзя продолжить.
А для остановок можно его выполнить в не автоматическом режиме, т.е. не Auto.</source>
        <translation>With the classical theory in an undragged ether this experiment cannot be continued.
To make stops, run it in the non-automatic mode, i.e. not Auto.</translation>
    </message>
    <message>
        <source>Внимание. В этом эксперименте углы отражения рисуются 
корректно только при задании угла А1 вблизи 90 градусов</source>
        <translation>Attention. In this experiment the reflection angles are drawn 
correctly only when angle A1 is set near 90 degrees</translation>
    </message>
    <message>
        <source>Уменьшите Т00 или увеличьте Y1n
или отмените условие ++ A1=A2</source>
        <translation>Reduce T00 or increase Y1n
or cancel the condition ++ A1=A2</translation>
    </message>
</context>
<context>
    <name>sonrel::Form3</name>
    <message>
        <source>Sonrel6     form3     Распространение сигнала в среде переменной оптической плотности </source>
        <translation>Sonrel6     form3     Signal propagation in a medium of variable optical density </translation>
    </message>
    <message>
        <source>количество слоев среды Np</source>
        <translation>number of medium layers Np</translation>
    </message>
    <message>
        <source>коэффициент плотности Kp </source>
        <translation>density coefficient Kp </translation>
    </message>
    <message>
        <source>Vs0, м/с </source>
        <translation>Vs0, m/s </translation>
    </message>
    <message>
        <source>кол-во лучей</source>
        <translation>number of rays</translation>
    </message>
    <message>
        <source>угол конуса</source>
        <translation>cone angle</translation>
    </message>
    <message>
        <source>средний угол</source>
        <translation>mean angle</translation>
    </message>
    <message>
        <source>изменение плотности по слоям</source>
        <translation>density change over the layers</translation>
    </message>
    <message>
        <source>Показать изменение плотности</source>
        <translation>Show the density change</translation>
    </message>
    <message>
        <source>++ средний луч</source>
        <translation>++ middle ray</translation>
    </message>
    <message>
        <source>+ расчет по Q3</source>
        <translation>+ calculation by Q3</translation>
    </message>
    <message>
        <source>эффект Доплера</source>
        <translation>Doppler effect</translation>
    </message>
    <message>
        <source>классика</source>
        <translation>classical</translation>
    </message>
    <message>
        <source>СТО</source>
        <translation>SR</translation>
    </message>
    <message>
        <source>+ увлечение среды</source>
        <translation>+ medium drag</translation>
    </message>
    <message>
        <source>+ учесть задержку видимого сигнала при Vsv, м/с</source>
        <translation>+ allow for the visible signal&apos;s delay at Vsv, m/s</translation>
    </message>
    <message>
        <source>Начать эксперимент с VXiso, м/с</source>
        <translation>Start experiment with VXiso, m/s</translation>
    </message>
    <message>
        <source>шаг решения уравнений, с</source>
        <translation>equation solution step, s</translation>
    </message>
    <message>
        <source>Сделать NC0 шагов при NC0=</source>
        <translation>Make NC0 steps at NC0=</translation>
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
        <source>+ анимация</source>
        <translation>+ animation</translation>
    </message>
    <message>
        <source>Найти T00, с</source>
        <translation>Find T00, s</translation>
    </message>
    <message>
        <source>+ отчет</source>
        <translation>+ report</translation>
    </message>
    <message>
        <source>все фронты</source>
        <translation>all fronts</translation>
    </message>
    <message>
        <source>Масштаб, м/см</source>
        <translation>Scale, m/cm</translation>
    </message>
    <message>
        <source>Сохранить рисунок №</source>
        <translation>Save picture No.</translation>
    </message>
    <message>
        <source>Очистить рисунок</source>
        <translation>Clear picture</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>v00, 1/с =</source>
        <translation>v00, 1/s =</translation>
    </message>
    <message>
        <source>№ периода</source>
        <translation>period No.</translation>
    </message>
    <message>
        <source>  T, с</source>
        <translation>  T, s</translation>
    </message>
    <message>
        <source>Очистить график по углам  с М(v/v0), ед/см</source>
        <translation>Clear graph by angles  with M(v/v0), units/cm</translation>
    </message>
    <message>
        <source>график по T с MT, с/см</source>
        <translation>graph by T with MT, s/cm</translation>
    </message>
    <message>
        <source>графики строить по</source>
        <translation>plot graphs by</translation>
    </message>
    <message>
        <source>расчет для графиков по средним</source>
        <translation>graph calculation by mean values</translation>
    </message>
    <message>
        <source>расчет для графиков при Vs=Vs0</source>
        <translation>graph calculation at Vs=Vs0</translation>
    </message>
    <message>
        <source>Экспериментальные точки</source>
        <translation>Experimental points</translation>
    </message>
    <message>
        <source>Расчетные</source>
        <translation>Calculated</translation>
    </message>
</context>
<context>
    <name>sonrel::Form8</name>
    <message>
        <source>Sonrel6         form8          Мембраны</source>
        <translation>Sonrel6         form8          Membranes</translation>
    </message>
    <message>
        <source> T, с</source>
        <translation> T, s</translation>
    </message>
    <message>
        <source>T00, c</source>
        <translation>T00, s</translation>
    </message>
    <message>
        <source>Vs, м/с </source>
        <translation>Vs, m/s </translation>
    </message>
    <message>
        <source>L1, м</source>
        <translation>L1, m</translation>
    </message>
    <message>
        <source>L2, м</source>
        <translation>L2, m</translation>
    </message>
    <message>
        <source>А1, град</source>
        <translation>A1, deg</translation>
    </message>
    <message>
        <source>А2, град</source>
        <translation>A2, deg</translation>
    </message>
    <message>
        <source>1-Рассчитать угол А2</source>
        <translation>1-Calculate angle A2</translation>
    </message>
    <message>
        <source>2-Начать эксперимент</source>
        <translation>2-Start experiment</translation>
    </message>
    <message>
        <source>+ изменять A2</source>
        <translation>+ change A2</translation>
    </message>
    <message>
        <source>++ изменять A1=A2</source>
        <translation>++ change A1=A2</translation>
    </message>
    <message>
        <source>зеркало</source>
        <translation>mirror</translation>
    </message>
    <message>
        <source>мембрана</source>
        <translation>membrane</translation>
    </message>
    <message>
        <source>номер  принятого периода i</source>
        <translation>No. of received period i</translation>
    </message>
    <message>
        <source>номер вылетевшего фронта</source>
        <translation>No. of emitted front</translation>
    </message>
    <message>
        <source>заданный угол наблюдения i+1</source>
        <translation>set observation angle i+1</translation>
    </message>
    <message>
        <source>реальный угол наблюдения i+1</source>
        <translation>real observation angle i+1</translation>
    </message>
    <message>
        <source>A1 при приеме фронта i+1</source>
        <translation>A1 at reception of front i+1</translation>
    </message>
    <message>
        <source>A2 при излучении фронта i+1</source>
        <translation>A2 at emission of front i+1</translation>
    </message>
    <message>
        <source>+ анимация процесса</source>
        <translation>+ process animation</translation>
    </message>
    <message>
        <source>+Создать отчет</source>
        <translation>+Create report</translation>
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
        <source>Сделать NC0 шагов</source>
        <translation>Make NC0 steps</translation>
    </message>
    <message>
        <source> шаг решения, с</source>
        <translation> solution step, s</translation>
    </message>
    <message>
        <source>Масштаб рисунка, м/см</source>
        <translation>Picture scale, m/cm</translation>
    </message>
    <message>
        <source>Масштаб графика v/v0, ед/см</source>
        <translation>Graph scale v/v0, units/cm</translation>
    </message>
    <message>
        <source>Сохранить рисунок с №</source>
        <translation>Save picture No.</translation>
    </message>
    <message>
        <source>Очистить рисунок</source>
        <translation>Clear picture</translation>
    </message>
    <message>
        <source>Очистить график</source>
        <translation>Clear graph</translation>
    </message>
    <message>
        <source>Вывести на график экспериментальные точки</source>
        <translation>Plot experimental points on the graph</translation>
    </message>
    <message>
        <source>Расчетные точки</source>
        <translation>Calculated points</translation>
    </message>
    <message>
        <source>Закрыть форму</source>
        <translation>Close window</translation>
    </message>
</context>
</TS>
