<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>Calculators</name>
    <message>
        <source>одночастотная Л или V схема (требуемые значения)</source>
        <translation>single-frequency Λ or V scheme (required values)</translation>
    </message>
    <message>
        <source>двухчастотная каскадная или двухфотонная схема (возможная частота)</source>
        <translation>two-frequency cascade or two-photon scheme (possible frequency)</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Ошибка расчета</source>
        <translation>Calculation error</translation>
    </message>
</context>
<context>
    <name>sonrel::Form10</name>
    <message>
        <source>Sonrel6     form10    СТО и СТО+</source>
        <translation>Sonrel6     form10    SR and SR+</translation>
    </message>
    <message>
        <source>Xn (наблюдателя)</source>
        <translation>Xn (observer)</translation>
    </message>
    <message>
        <source>Рассчитать координатное время при VXiso=</source>
        <translation>Calculate the coordinate time at VXiso=</translation>
    </message>
    <message>
        <source>и Vs, м/с</source>
        <translation>and Vs, m/s</translation>
    </message>
    <message>
        <source>Масштаб, м/см</source>
        <translation>Scale, m/cm</translation>
    </message>
    <message>
        <source>к-во итераций</source>
        <translation>iterations</translation>
    </message>
    <message>
        <source>теория</source>
        <translation>theory</translation>
    </message>
    <message>
        <source>Классика в АСО</source>
        <translation>Classical in AF</translation>
    </message>
    <message>
        <source>Классика в ИСО</source>
        <translation>Classical in IF</translation>
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
        <source>Согласовать время по</source>
        <translation>Align the time to</translation>
    </message>
    <message>
        <source>Очистить рисунок</source>
        <translation>Clear picture</translation>
    </message>
    <message>
        <source>Сохранить рисунок №</source>
        <translation>Save picture No.</translation>
    </message>
    <message>
        <source>Закрыть форму</source>
        <translation>Close window</translation>
    </message>
</context>
<context>
    <name>sonrel::Form5</name>
    <message>
        <source>Sonrel6  Эксперименты с мессбауэровскими центрифугами и встречными лазерами</source>
        <translation>Sonrel6  Experiments with Mössbauer centrifuges and counter-propagating lasers</translation>
    </message>
    <message>
        <source>v0, ТГц</source>
        <translation>v0, THz</translation>
    </message>
    <message>
        <source>Рассчитать по (4-1) частоты лазеров для скорости пучка ионов 7Li+=</source>
        <translation>Calculate by (4-1) the laser frequencies for the ion beam speed 7Li+=</translation>
    </message>
    <message>
        <source>vp, ТГц</source>
        <translation>vp, THz</translation>
    </message>
    <message>
        <source>va, ТГц</source>
        <translation>va, THz</translation>
    </message>
    <message>
        <source>Найти по частотам лазеров скорость пучка по формуле (2), когда эффективные частоты совпадут</source>
        <translation>Find the beam speed by formula (2) at which the lasers&apos; effective frequencies coincide</translation>
    </message>
    <message>
        <source>+ при поиске использовать экспериментальные va и vp задав скорости 0,03 , 0,064 или 0,338</source>
        <translation>+ search with the experimental va and vp, setting the speed 0,03 , 0,064 or 0,338</translation>
    </message>
    <message>
        <source>E, кэВ = m * V^2 / 2 =</source>
        <translation>E, keV = m * V^2 / 2 =</translation>
    </message>
    <message>
        <source>m, кг = 2 * E / V^2 =</source>
        <translation>m, kg = 2 * E / V^2 =</translation>
    </message>
    <message>
        <source>L0, нм / v0, ТГц</source>
        <translation>L0, nm / v0, THz</translation>
    </message>
    <message>
        <source>dL, нм / dv, ТГц</source>
        <translation>dL, nm / dv, THz</translation>
    </message>
    <message>
        <source>Alfa, град</source>
        <translation>Alfa, deg</translation>
    </message>
    <message>
        <source>движется</source>
        <translation>moving</translation>
    </message>
    <message>
        <source>источник</source>
        <translation>source</translation>
    </message>
    <message>
        <source>приемник</source>
        <translation>receiver</translation>
    </message>
    <message>
        <source>Рассчитать скорость по (2) при заданном угле наблюдения</source>
        <translation>Calculate the speed by (2) at the given observation angle</translation>
    </message>
    <message>
        <source>скорость V / Vsv</source>
        <translation>speed V / Vsv</translation>
    </message>
    <message>
        <source>Эксперименты Кауфмана</source>
        <translation>Kaufmann&apos;s experiments</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Vmax, м/с</source>
        <translation>Vmax, m/s</translation>
    </message>
    <message>
        <source>MV, (м/с)/см</source>
        <translation>MV, (m/s)/cm</translation>
    </message>
    <message>
        <source>Mdv/v, ед/см</source>
        <translation>Mdv/v, units/cm</translation>
    </message>
    <message>
        <source>теория</source>
        <translation>theory</translation>
    </message>
    <message>
        <source>СТО=</source>
        <translation>SR=</translation>
    </message>
    <message>
        <source>Классика</source>
        <translation>Classical</translation>
    </message>
    <message>
        <source>СТО точно</source>
        <translation>SR exact</translation>
    </message>
    <message>
        <source>поглотитель</source>
        <translation>absorber</translation>
    </message>
    <message>
        <source>излучатель</source>
        <translation>emitter</translation>
    </message>
    <message>
        <source>Построить график dv/v</source>
        <translation>Plot the dv/v graph</translation>
    </message>
    <message>
        <source>Поставить на график точку</source>
        <translation>Put a point on the graph</translation>
    </message>
    <message>
        <source>V, м/с</source>
        <translation>V, m/s</translation>
    </message>
    <message>
        <source>Сохранить рисунок №</source>
        <translation>Save picture No.</translation>
    </message>
    <message>
        <source>Очистить рисунок</source>
        <translation>Clear picture</translation>
    </message>
</context>
<context>
    <name>sonrel::Form6</name>
    <message>
        <source>+ рисовать координаты и скорости в aso</source>
        <translation>+ draw coordinates and speeds in aso</translation>
    </message>
    <message>
        <source>Очистить рисунок</source>
        <translation>Clear picture</translation>
    </message>
    <message>
        <source>Показать расчетную схему с обозначениями</source>
        <translation>Show the calculation scheme with its notation</translation>
    </message>
    <message>
        <source>Сохранить рисунок №</source>
        <translation>Save picture No.</translation>
    </message>
    <message>
        <source>Закрыть форму</source>
        <translation>Close window</translation>
    </message>
    <message>
        <source>Выполнить расчет по формулам (2) или (4-5) при заданных VX1aso, VX2aso и Q3aso</source>
        <translation>Calculate by formula (2) or (4-5) for the given VX1aso, VX2aso and Q3aso</translation>
    </message>
    <message>
        <source>Выполнить расчет для VXiso=</source>
        <translation>Calculate for VXiso=</translation>
    </message>
    <message>
        <source>и T=</source>
        <translation>and T=</translation>
    </message>
    <message>
        <source>по 4-5 в ИСО3 движущейся относительно ИСО с VXiso3 =</source>
        <translation>by 4-5 in IF3 moving relative to IF at VXiso3 =</translation>
    </message>
    <message>
        <source> ML, м/см</source>
        <translation> ML, m/cm</translation>
    </message>
    <message>
        <source> MV, (м/с)/см</source>
        <translation> MV, (m/s)/cm</translation>
    </message>
    <message>
        <source>формула СТО</source>
        <translation>SR formula</translation>
    </message>
    <message>
        <source>нет (классическая формула 2)</source>
        <translation>none (classical formula 2)</translation>
    </message>
    <message>
        <source>+ увлечение среды движущейся ИСО</source>
        <translation>+ medium dragged by the moving IF</translation>
    </message>
    <message>
        <source>запаздывание сигнала источника по координатам</source>
        <translation>retardation of the source signal in the coordinates</translation>
    </message>
    <message>
        <source>в АСО</source>
        <translation>in AF</translation>
    </message>
    <message>
        <source>в конечной ИСО</source>
        <translation>in the final IF</translation>
    </message>
    <message>
        <source>не учитывать</source>
        <translation>ignore</translation>
    </message>
    <message>
        <source>угол луча зрения Q3aso</source>
        <translation>line-of-sight angle Q3aso</translation>
    </message>
    <message>
        <source>угол луча зрения Q3iso</source>
        <translation>line-of-sight angle Q3iso</translation>
    </message>
    <message>
        <source>для СТО согласовать в ИСО координаты по времени при t1aso=t2aso</source>
        <translation>for SR, align the coordinates in IF in time at t1aso=t2aso</translation>
    </message>
    <message>
        <source>источника</source>
        <translation>to the source</translation>
    </message>
    <message>
        <source>приемника</source>
        <translation>to the receiver</translation>
    </message>
    <message>
        <source>начала координат</source>
        <translation>to the origin</translation>
    </message>
    <message>
        <source>не делать</source>
        <translation>do not</translation>
    </message>
    <message>
        <source>+согласование координат по времени в ИСО1, 2 или 3 при T1iso и T2iso</source>
        <translation>+alignment of the coordinates in time in IF1, 2 or 3 at T1iso and T2iso</translation>
    </message>
</context>
<context>
    <name>sonrel::Form7</name>
    <message>
        <source>ASO_ISO  Схема   Sonrel6   Form7</source>
        <translation>ASO_ISO  Scheme   Sonrel6   Form7</translation>
    </message>
</context>
</TS>
