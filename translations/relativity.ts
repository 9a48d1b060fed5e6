<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>Message</name>
    <message>
        <source>Задайте правильно данные </source>
        <translation>Set the data correctly </translation>
    </message>
    <message>
        <source> Этот вариант пересчета из АСО в ИСО  <byte value="xd"/>
 при VY(1) или VY(2) не равных нулю <byte value="xd"/>
      для СТО не предусмотрен</source>
        <translation> This variant of conversion from AF to IF  <byte value="xd"/>
 with VY(1) or VY(2) not equal to zero <byte value="xd"/>
      is not provided for SR</translation>
    </message>
    <message>
        <source>       Этот эксперимент выполняется  <byte value="xd"/>
       только при движении источника <byte value="xd"/>
и только при движении его слева направо</source>
        <translation>       This experiment runs  <byte value="xd"/>
       only when the source moves <byte value="xd"/>
and only when it moves from left to right</translation>
    </message>
    <message>
        <source>       Этот эксперимент выполняется только<byte value="xd"/>
 если источник находится не выше приемника</source>
        <translation>       This experiment runs only<byte value="xd"/>
 if the source is not above the receiver</translation>
    </message>
    <message>
        <source>          Если задана и VXiso3, то этот эксперимент  <byte value="xd"/>
выполняется только для СТО и при моделировании в АСО</source>
        <translation>          If VXiso3 is given too, this experiment  <byte value="xd"/>
runs only for SR and when modelling in AF</translation>
    </message>
</context>
<context>
    <name>Relativity</name>
    <message>
        <source>ПРОДОЛЖИТЬ ЭКСПЕРИМЕНТ</source>
        <translation>CONTINUE EXPERIMENT</translation>
    </message>
    <message>
        <source>                         ПРОГРАММА РАБОТАЕТ НЕ КООРЕКТНО</source>
        <translation>                         THE PROGRAM IS NOT WORKING CORRECTLY</translation>
    </message>
    <message>
        <source>т.к. период сейчас меньше времени распространения сигнала и поэтому </source>
        <translation>because the period is now shorter than the signal propagation time, so </translation>
    </message>
    <message>
        <source> пучок лучей следующего периода не смог во время начать движение</source>
        <translation> the beam of rays of the next period could not set off in time</translation>
    </message>
</context>
<context>
    <name>RelativityReport</name>
    <message>
        <source>        1- приемник  2- источник  i - нимер условного периода</source>
        <translation>        1- receiver  2- source  i - number of the nominal period</translation>
    </message>
    <message>
        <source> Tn2(i)- время передачи сигнала начала i-го условного периода по часам ИСО</source>
        <translation> Tn2(i)- time of sending the signal of the start of nominal period i by IF clocks</translation>
    </message>
    <message>
        <source> Xn2(i)- координата источника в начале передачи сигнала i-го условного периода </source>
        <translation> Xn2(i)- source coordinate at the start of sending the signal of nominal period i </translation>
    </message>
    <message>
        <source> Tn1(i) - время приема сигнала начала i-го условного периода по часам ИСО</source>
        <translation> Tn1(i) - time of receiving the signal of the start of nominal period i by IF clocks</translation>
    </message>
    <message>
        <source> Tn1p(i) - время приема сигнала начала i-го реального периода и по часам приемника</source>
        <translation> Tn1p(i) - time of receiving the signal of the start of real period i by the receiver&apos;s clock</translation>
    </message>
    <message>
        <source> Xn1(i) и Xk2(i) - координаты приемника и источника при приема начала i-го условного периода</source>
        <translation> Xn1(i) and Xk2(i) - receiver and source coordinates at the reception of the start of nominal period i</translation>
    </message>
    <message>
        <source> QV1= %1  и QV2= %2 - углы между скоростью приемника и источника и осью X</source>
        <translation> QV1= %1  and QV2= %2 - angles between the velocities of receiver and source and the X axis</translation>
    </message>
    <message>
        <source> Qn1(i) и Qn2(i) - углы между скоростью приемника или источника и лучом зрения с источника</source>
        <translation> Qn1(i), Qn2(i) - angles between the receiver&apos;s or source&apos;s velocity and the line of sight from the source</translation>
    </message>
    <message>
        <source> kT1=  %1      kT2=  %2     - коэффициенты темпа времени на приемнике и источнике</source>
        <translation> kT1=  %1      kT2=  %2     - time-rate coefficients at the receiver and the source</translation>
    </message>
    <message>
        <source> kTiso=  %1     - коэффициент темпа течения времени в ИСО</source>
        <translation> kTiso=  %1     - time-rate coefficient in IF</translation>
    </message>
    <message>
        <source> T00=  %1 - период колебаний передатчика с частотой v00 по часам ИСО</source>
        <translation> T00=  %1 - oscillation period of the transmitter of frequency v00 by IF clocks</translation>
    </message>
    <message>
        <source> v00= 1/T00=   %1 - частота передатчика по часам ИСО</source>
        <translation> v00= 1/T00=   %1 - transmitter frequency by IF clocks</translation>
    </message>
    <message>
        <source> v0= v00/kT2=  %1 - частота передатчика по часам источника</source>
        <translation> v0= v00/kT2=  %1 - transmitter frequency by the source&apos;s clock</translation>
    </message>
    <message>
        <source> T0=  %1 - время начала эксперимента по часам ИСО, которое </source>
        <translation> T0=  %1 - start time of the experiment by IF clocks, which </translation>
    </message>
    <message>
        <source> равно координатному временем приемника (если была задана VXiso не равная нулю)</source>
        <translation> equals the receiver&apos;s coordinate time (if a nonzero VXiso was given)</translation>
    </message>
    <message>
        <source>период %1 не принят</source>
        <translation>period %1 not received</translation>
    </message>
    <message>
        <source>                             обрабатываем сигналы периода № %1</source>
        <translation>                             processing the signals of period No. %1</translation>
    </message>
    <message>
        <source> координаты и время по часам ИСО источника и приемника для начала условного периода (i)</source>
        <translation> coordinates and time by IF clocks of source and receiver for the start of nominal period (i)</translation>
    </message>
    <message>
        <source> угол луча зрения на источнике в момент излучения начала периода   %1</source>
        <translation> line-of-sight angle at the source when the period start was emitted       %1</translation>
    </message>
    <message>
        <source> угол луча зрения на приемнике в момент приема начала периода   %1</source>
        <translation> line-of-sight angle at the receiver when the period start was received   %1</translation>
    </message>
    <message>
        <source> угол скорости приемника в начале %1 периода Qn1(%1) = %2 при Vs1(%1) = %3</source>
        <translation> receiver velocity angle at the start of period %1   Qn1(%1) = %2 at Vs1(%1) = %3</translation>
    </message>
    <message>
        <source> угол скорости источника в начале %1 периода Qn2(%1) = %2 при Vs2(%1) = %3</source>
        <translation> source velocity angle at the start of period %1     Qn2(%1) = %2 at Vs2(%1) = %3</translation>
    </message>
    <message>
        <source> наблюдаемый период на источнике, приемнике и наблюдаемая частота приема</source>
        <translation> observed period at the source and at the receiver, and observed frequency of reception</translation>
    </message>
    <message>
        <source> период на источнике по часам ИСО    dT= Tn2(%2) - Tn1(%1) = %3</source>
        <translation> period at the source by IF clocks     dT= Tn2(%2) - Tn1(%1) = %3</translation>
    </message>
    <message>
        <source> период на приемнике по часам ИСО   dT= Tn1(%2) - Tn1(%1) = %3    v(%1) = 1/dT=       %4</source>
        <translation> period at the receiver by IF clocks   dT= Tn1(%2) - Tn1(%1) = %3    v(%1) = 1/dT=       %4</translation>
    </message>
    <message>
        <source> после согласования темпов времени dT= dT * kT1=   %2   v(%1) = 1/dT=   %3</source>
        <translation> after matching the time rates          dT= dT * kT1=   %2   v(%1) = 1/dT=   %3</translation>
    </message>
    <message>
        <source> расчетная частота в начале периода vn(%1) = %2</source>
        <translation> calculated frequency at the start of the period   vn(%1) = %2</translation>
    </message>
    <message>
        <source> расчетная частота в конце  периода  vk(%1) = %2</source>
        <translation> calculated frequency at the end of the period    vk(%1) = %2</translation>
    </message>
    <message>
        <source> средняя расчетная частота за период v(%1) = (v1n(i) + v1k(i)) / 2  =                            %2</source>
        <translation> mean calculated frequency over the period        v(%1) = (v1n(i) + v1k(i)) / 2  =           %2</translation>
    </message>
    <message>
        <source> средний угол наблюдения за период Q3(%1) =   %2</source>
        <translation> mean observation angle over the period            Q3(%1) =   %2</translation>
    </message>
</context>
<context>
    <name>sonrel::Form9</name>
    <message>
        <source>Sonrel6     form9     Сравнение двух вариантов представления принципа относительности </source>
        <translation>Sonrel6     form9     Comparison of two representations of the relativity principle </translation>
    </message>
    <message>
        <source> Vs0, м/с </source>
        <translation> Vs0, m/s </translation>
    </message>
    <message>
        <source>кол-во лучей</source>
        <translation>number of rays</translation>
    </message>
    <message>
        <source>средний угол</source>
        <translation>mean angle</translation>
    </message>
    <message>
        <source>угол конуса</source>
        <translation>cone angle</translation>
    </message>
    <message>
        <source>шаг решения, с</source>
        <translation>solution step, s</translation>
    </message>
    <message>
        <source>Масштаб, м/см</source>
        <translation>Scale, m/cm</translation>
    </message>
    <message>
        <source>VX1 и VX2</source>
        <translation>VX1 and VX2</translation>
    </message>
    <message>
        <source>угол QV1</source>
        <translation>angle QV1</translation>
    </message>
    <message>
        <source>угол QV2</source>
        <translation>angle QV2</translation>
    </message>
    <message>
        <source>№ периода</source>
        <translation>period No.</translation>
    </message>
    <message>
        <source>Начать эксперимент с VXiso, м/с</source>
        <translation>Start experiment with VXiso, m/s</translation>
    </message>
    <message>
        <source>+Т2=T1</source>
        <translation>+T2=T1</translation>
    </message>
    <message>
        <source>Найти T00, с</source>
        <translation>Find T00, s</translation>
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
        <source>NC0 шагов при NC0 =</source>
        <translation>NC0 steps with NC0 =</translation>
    </message>
    <message>
        <source>все фронты</source>
        <translation>all fronts</translation>
    </message>
    <message>
        <source>+ анимация</source>
        <translation>+ animation</translation>
    </message>
    <message>
        <source>+ отчет</source>
        <translation>+ report</translation>
    </message>
    <message>
        <source>+ расчет в АСО</source>
        <translation>+ calculation in AF</translation>
    </message>
    <message>
        <source>+ расчет в ИСО</source>
        <translation>+ calculation in IF</translation>
    </message>
    <message>
        <source>+ T00 из ИСО</source>
        <translation>+ T00 from IF</translation>
    </message>
    <message>
        <source>+ видимые в АСО</source>
        <translation>+ seen in AF</translation>
    </message>
    <message>
        <source>после</source>
        <translation>after</translation>
    </message>
    <message>
        <source>итераций dt=</source>
        <translation>iterations dt=</translation>
    </message>
    <message>
        <source>моделировать в</source>
        <translation>model in</translation>
    </message>
    <message>
        <source>ИСО</source>
        <translation>IF</translation>
    </message>
    <message>
        <source>АСО</source>
        <translation>AF</translation>
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
        <source>СТО+</source>
        <translation>SR+</translation>
    </message>
    <message>
        <source>+КТО</source>
        <translation>+CT</translation>
    </message>
    <message>
        <source>+вид </source>
        <translation>+seen </translation>
    </message>
    <message>
        <source>графики по</source>
        <translation>graphs vs</translation>
    </message>
    <message>
        <source>графики по T= T / kT</source>
        <translation>graphs vs T= T / kT</translation>
    </message>
    <message>
        <source>Очистить график с М(v/v0), ед/см=</source>
        <translation>Clear graph with M(v/v0), units/cm=</translation>
    </message>
    <message>
        <source>по T с MT, с/см</source>
        <translation>vs T with MT, s/cm</translation>
    </message>
    <message>
        <source>Экспериментальные точки</source>
        <translation>Experimental points</translation>
    </message>
    <message>
        <source>Расчетные точки</source>
        <translation>Calculated points</translation>
    </message>
    <message>
        <source>Очистить рисунок</source>
        <translation>Clear picture</translation>
    </message>
    <message>
        <source>+ фронт</source>
        <translation>+ front</translation>
    </message>
    <message>
        <source>+график x=f(t&apos;)</source>
        <translation>+graph x=f(t&apos;)</translation>
    </message>
    <message>
        <source>Сохранить рисунок №</source>
        <translation>Save picture No.</translation>
    </message>
    <message>
        <source>Среда</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
</context>
</TS>
