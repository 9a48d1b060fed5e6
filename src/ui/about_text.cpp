#include "ui/about_text.h"

#include "base/translate.h"

namespace sonrel {

namespace {

// The texts are stored in Russian and shown in the chosen language.
std::string shown(const char* text) {
    return trText("AboutText", text);
}

struct Entry {
    const char* caption;
    const char* description;
};

struct Section {
    int indent; // blanks before the header
    int number;
    std::vector<Entry> buttons;
    const char* noButtons; // the closing sentence of a window without buttons
};

const char* const kCloseByCross = SONREL_TR_NOOP(
    "AboutText",
    "Кнопки отсутствуют. Форма закрывается при нажатии на крестик в верхнем правом углу формы.");

const char* const kGeneral[] = {
    SONREL_TR_NOOP("AboutText",
                   "<Темп> - список под кнопками эксперимента в формах 1, 3, 8 и 9: сколько "
                   "модельных секунд показывается за секунду; \"макс.\" - считать так быстро, как "
                   "может компьютер; результаты от темпа не зависят."),
    SONREL_TR_NOOP("AboutText",
                   "<все фронты> - флажок форм 1, 3 и 9, который ставится до начала эксперимента: "
                   "каждый фронт излучается в свое время и принимается отдельно, так что все 20 "
                   "периодов совпадают с точными временами прихода, а предупреждение о коротком "
                   "периоде не показывается."),
    SONREL_TR_NOOP("AboutText",
                   "Клавиши в окнах экспериментов: Esc - остановить, F5 - начать, F6 - "
                   "продолжить, F7 - сделать NC0 шагов."),
    SONREL_TR_NOOP("AboutText",
                   "Правая кнопка мыши на рисунке открывает меню: \"Сохранить как...\" (PNG или "
                   "BMP) и \"Сохранить таблицу CSV...\" (периоды последнего эксперимента окна); "
                   "в окне отчета - \"Сохранить отчет...\" (Ctrl+S) и \"Копировать отчет\" "
                   "(Ctrl+C). Сообщение о сохранении называет путь к файлу."),
    SONREL_TR_NOOP("AboutText",
                   "Sonrel6 - свободная программа: ее можно распространять и изменять на условиях "
                   "GNU General Public License версии 3 или (по вашему выбору) любой более "
                   "поздней версии (GPL-3.0-or-later); текст лицензии - в файле LICENSE."),
};

std::vector<Section> sections() {
    return {
        {47,
         1,
         {
             {SONREL_TR_NOOP("AboutText", "Задать Т00, с"),
              SONREL_TR_NOOP("AboutText", "задаем период сигналов, генерируемых передатчиком, "
                                          "расположенном на источнике.")},
             {SONREL_TR_NOOP("AboutText", "Начать эксперимент"),
              SONREL_TR_NOOP("AboutText", "начать вычислительный эксперимент на математической "
                                          "модели классического эффекта "
                                          "Доплера (ЭД).")},
             {SONREL_TR_NOOP("AboutText", "Расчет по координатам и скоростям с нахождением  Q"),
              SONREL_TR_NOOP(
                  "AboutText",
                  "рассчитать частоту по выбранной формуле по координатам и скоростям приемника и "
                  "источника с нахождением угла наблюдения Q.")},
             {SONREL_TR_NOOP("AboutText", "Расчет по V1, V2 или V12 = X при заданном Q="),
              SONREL_TR_NOOP("AboutText", "рассчитать частоту по выбранной формуле при заданных "
                                          "скоростях и угле наблюдения Q "
                                          "и поставить точку на график.")},
             {SONREL_TR_NOOP("AboutText", "Построить график в функции от"),
              SONREL_TR_NOOP(
                  "AboutText",
                  "построить график v/v0 по выбранной формуле в функции от VX1, VX2 или угла Q.")},
             {SONREL_TR_NOOP("AboutText", "На график экспериментальные точки"),
              SONREL_TR_NOOP("AboutText", "нанести на график точки v/v0, полученные в "
                                          "эксперименте, по одной на каждый период.")},
             {SONREL_TR_NOOP("AboutText", "Поставить точку"),
              SONREL_TR_NOOP("AboutText",
                             "поставить на график точку с заданными координатами X и Y.")},
             {SONREL_TR_NOOP("AboutText", "Остановить"),
              SONREL_TR_NOOP("AboutText", "остановить эксперимент.")},
             {SONREL_TR_NOOP("AboutText", "Продолжить"),
              SONREL_TR_NOOP("AboutText", "продолжить остановленный эксперимент.")},
             {SONREL_TR_NOOP("AboutText", "NC0 шагов"),
              SONREL_TR_NOOP("AboutText", "сделать NC0 шагов решения и остановиться.")},
             {SONREL_TR_NOOP("AboutText", "Очистить рисунок"),
              SONREL_TR_NOOP("AboutText", "очистить рисунок и нарисовать сетку для анимации.")},
             {SONREL_TR_NOOP("AboutText", "Вписать опыт"),
              SONREL_TR_NOOP(
                  "AboutText",
                  "подобрать масштаб рисунка и сдвинуть рисунок так, чтобы пути тел до прихода "
                  "20-го фронта и точки излучения фронтов уместились на рисунке.")},
             {SONREL_TR_NOOP("AboutText", "Очистить график"),
              SONREL_TR_NOOP("AboutText", "очистить рисунок и нарисовать сетку графика v/v0.")},
             {SONREL_TR_NOOP("AboutText", "Сохранить в файл рисунок с №"),
              SONREL_TR_NOOP(
                  "AboutText",
                  "сохранить рисунок в файл Sonrel с указанным номером и расширением bmp.")},
             {SONREL_TR_NOOP("AboutText", "Калькулятор"),
              SONREL_TR_NOOP(
                  "AboutText",
                  "открыть форму вспомогательных расчетов для экспериментов с мессбауэровскими "
                  "центрифугами и встречными лазерами.")},
             {SONREL_TR_NOOP("AboutText", "АСО или ИСО"),
              SONREL_TR_NOOP(
                  "AboutText",
                  "открыть форму сравнения двух вариантов представления принципа относительности "
                  "(моделирование в АСО или в ИСО).")},
             {SONREL_TR_NOOP("AboutText", "АСО -> ИСО"),
              SONREL_TR_NOOP(
                  "AboutText",
                  "открыть форму расчета преобразования координат и скоростей из АСО в ИСО.")},
             {SONREL_TR_NOOP("AboutText", "Мембраны"),
              SONREL_TR_NOOP("AboutText", "открыть форму эксперимента с мембранами и зеркалом.")},
             {"About",
              SONREL_TR_NOOP("AboutText", "открыть это описание действий кнопок программы.")},
             {SONREL_TR_NOOP("AboutText", "Выход"),
              SONREL_TR_NOOP("AboutText", "закрыть все формы и завершить работу программы.")},
         },
         nullptr},
        {40,
         2,
         {{SONREL_TR_NOOP("AboutText", "Закрыть"),
           SONREL_TR_NOOP("AboutText", "закрыть это описание.")}},
         nullptr},
        {39,
         3,
         {
             {SONREL_TR_NOOP("AboutText", "Найти T00, с"),
              SONREL_TR_NOOP("AboutText", "найти период T00, при котором фронты волн проходят "
                                          "среду переменной плотности.")},
             {SONREL_TR_NOOP("AboutText", "Начать эксперимент с изменением оптической плотности"),
              SONREL_TR_NOOP(
                  "AboutText",
                  "начать эксперимент с пучками лучей в среде с изменяющейся по слоям оптической "
                  "плотностью.")},
             {SONREL_TR_NOOP("AboutText", "Показать изменение плотности"),
              SONREL_TR_NOOP("AboutText",
                             "нарисовать изменение оптической плотности среды по слоям.")},
             {SONREL_TR_NOOP("AboutText", "Экспериментальные точки"),
              SONREL_TR_NOOP("AboutText", "нанести на график точки v/v0, полученные в эксперименте "
                                          "или прочитанные из файла.")},
             {SONREL_TR_NOOP("AboutText", "Расчетные"),
              SONREL_TR_NOOP("AboutText",
                             "нанести на график точки v/v0, рассчитанные по формулам.")},
             {SONREL_TR_NOOP("AboutText", "Остановить"),
              SONREL_TR_NOOP("AboutText", "остановить эксперимент.")},
             {SONREL_TR_NOOP("AboutText", "Продолжить"),
              SONREL_TR_NOOP("AboutText", "продолжить остановленный эксперимент.")},
             {SONREL_TR_NOOP("AboutText", "Сделать NC0 шагов при NC0="),
              SONREL_TR_NOOP("AboutText", "сделать NC0 шагов решения и остановиться.")},
             {SONREL_TR_NOOP("AboutText", "Очистить рисунок"),
              SONREL_TR_NOOP("AboutText", "очистить рисунок и нарисовать сетку для анимации.")},
             {SONREL_TR_NOOP("AboutText", "Вписать опыт"),
              SONREL_TR_NOOP("AboutText",
                             "подобрать масштаб рисунка так, чтобы пути тел до прихода 20-го "
                             "фронта и точки излучения фронтов уместились на рисунке.")},
             {SONREL_TR_NOOP("AboutText", "Очистить график по углам с M(v/v0), ед/см"),
              SONREL_TR_NOOP(
                  "AboutText",
                  "очистить рисунок и нарисовать сетку графика по углам или по времени.")},
             {SONREL_TR_NOOP("AboutText", "Сохранить рисунок №"),
              SONREL_TR_NOOP("AboutText", "сохранить рисунок в файл bmp или, если отмечено .txt, "
                                          "таблицу данных в файл txt.")},
         },
         nullptr},
        {38,
         4,
         {},
         SONREL_TR_NOOP(
             "AboutText",
             "Кнопки отсутствуют. Форма закрывается при нажатии на крестик в верхнем правом углу "
             "формы или при снятии флажка \"+ отчет\" или \"+ Создать отчет\".")},
        {38,
         5,
         {
             {SONREL_TR_NOOP("AboutText", "Построить график dv/v"),
              SONREL_TR_NOOP(
                  "AboutText",
                  "построить график относительного сдвига частоты dv/v в функции от скорости по "
                  "выбранной теории.")},
             {SONREL_TR_NOOP("AboutText", "Поставить на график точку"),
              SONREL_TR_NOOP("AboutText", "поставить на график точку с заданными V и dv/v.")},
             {SONREL_TR_NOOP("AboutText", "Очистить рисунок"),
              SONREL_TR_NOOP("AboutText", "очистить график и нарисовать его сетку.")},
             {SONREL_TR_NOOP("AboutText", "Сохранить рисунок №"),
              SONREL_TR_NOOP("AboutText", "сохранить график в файл Sonrel с указанным номером.")},
             {SONREL_TR_NOOP("AboutText",
                             "Рассчитать по (4-1) частоты лазеров для скорости пучка ионов 7Li+="),
              SONREL_TR_NOOP(
                  "AboutText",
                  "рассчитать по формуле (4-1) частоты попутного и встречного лазеров для заданной "
                  "скорости пучка ионов.")},
             {SONREL_TR_NOOP("AboutText", "Найти по частотам лазеров скорость пучка по формуле "
                                          "(2), когда эффективные частоты "
                                          "совпадут"),
              SONREL_TR_NOOP(
                  "AboutText",
                  "найти по формуле (2) скорость пучка, при которой эффективные частоты лазеров "
                  "совпадут, и показать поиск на графике.")},
             {SONREL_TR_NOOP("AboutText", "E, кэВ = m * V^2 / 2 ="),
              SONREL_TR_NOOP("AboutText", "рассчитать энергию ионов по их массе и скорости.")},
             {SONREL_TR_NOOP("AboutText", "m, кг = 2 * E / V^2 ="),
              SONREL_TR_NOOP("AboutText", "рассчитать массу ионов по их энергии и скорости.")},
             {"V = sqrt( 2 * E / m ) =",
              SONREL_TR_NOOP("AboutText", "рассчитать скорость ионов по их энергии и массе.")},
             {SONREL_TR_NOOP("AboutText",
                             "Рассчитать скорость по (2) при заданном угле наблюдения"),
              SONREL_TR_NOOP("AboutText", "рассчитать по формуле (2) скорость источника или "
                                          "приемника по сдвигу частоты или "
                                          "длины волны.")},
             {SONREL_TR_NOOP("AboutText", "Закрыть"),
              SONREL_TR_NOOP("AboutText", "закрыть форму.")},
         },
         nullptr},
        {38,
         6,
         {
             {SONREL_TR_NOOP("AboutText", "Выполнить расчет для VXiso="),
              SONREL_TR_NOOP("AboutText", "преобразовать координаты и скорости тел из АСО в ИСО и "
                                          "рассчитать сдвиг частоты в "
                                          "новой системе.")},
             {SONREL_TR_NOOP("AboutText", "Показать расчетную схему с обозначениями"),
              SONREL_TR_NOOP(
                  "AboutText",
                  "открыть рисунок расчетной схемы с обозначениями координат и скоростей.")},
             {SONREL_TR_NOOP("AboutText", "Сохранить рисунок №"),
              SONREL_TR_NOOP("AboutText", "сохранить рисунок в файл Sonrel_ с указанным номером.")},
             {SONREL_TR_NOOP("AboutText", "Очистить рисунок"),
              SONREL_TR_NOOP("AboutText", "очистить рисунок и нарисовать его фон.")},
             {SONREL_TR_NOOP("AboutText", "Закрыть форму"),
              SONREL_TR_NOOP("AboutText", "закрыть форму.")},
         },
         nullptr},
        {37, 7, {}, kCloseByCross},
        {37,
         8,
         {
             {SONREL_TR_NOOP("AboutText", "1-Рассчитать угол А2"),
              SONREL_TR_NOOP("AboutText", "рассчитать угол наклона мембраны источника.")},
             {SONREL_TR_NOOP("AboutText", "2-Начать эксперимент"),
              SONREL_TR_NOOP("AboutText", "начать эксперимент с мембранами или с зеркалом.")},
             {SONREL_TR_NOOP("AboutText", "Остановить"),
              SONREL_TR_NOOP("AboutText", "остановить эксперимент.")},
             {SONREL_TR_NOOP("AboutText", "Продолжить"),
              SONREL_TR_NOOP("AboutText", "продолжить остановленный эксперимент.")},
             {SONREL_TR_NOOP("AboutText", "Сделать NC0 шагов"),
              SONREL_TR_NOOP("AboutText", "сделать NC0 шагов решения и остановиться.")},
             {SONREL_TR_NOOP("AboutText", "Вывести на график экспериментальные точки"),
              SONREL_TR_NOOP("AboutText",
                             "нанести на график точки v/v0, полученные в эксперименте.")},
             {SONREL_TR_NOOP("AboutText", "Расчетные точки"),
              SONREL_TR_NOOP("AboutText",
                             "нанести на график точки v/v0, рассчитанные по формуле.")},
             {SONREL_TR_NOOP("AboutText", "Очистить рисунок"),
              SONREL_TR_NOOP("AboutText", "очистить рисунок и нарисовать сетку.")},
             {SONREL_TR_NOOP("AboutText", "Вписать опыт"),
              SONREL_TR_NOOP("AboutText",
                             "подобрать масштаб рисунка так, чтобы пути тел до прихода 20-го "
                             "фронта и точки излучения фронтов уместились на рисунке.")},
             {SONREL_TR_NOOP("AboutText", "Очистить график"),
              SONREL_TR_NOOP("AboutText", "очистить рисунок и нарисовать сетку графика по углам.")},
         },
         nullptr},
        {37,
         9,
         {
             {SONREL_TR_NOOP("AboutText", "Найти T00, с"),
              SONREL_TR_NOOP("AboutText", "найти период T00 передатчика источника.")},
             {SONREL_TR_NOOP("AboutText", "Начать эксперимент с VXiso, м/с"),
              SONREL_TR_NOOP(
                  "AboutText",
                  "начать эксперимент с моделированием в АСО или в ИСО, движущейся со скоростью "
                  "VXiso.")},
             {SONREL_TR_NOOP("AboutText", "Остановить"),
              SONREL_TR_NOOP("AboutText", "остановить эксперимент.")},
             {SONREL_TR_NOOP("AboutText", "Продолжить"),
              SONREL_TR_NOOP("AboutText", "продолжить остановленный эксперимент.")},
             {SONREL_TR_NOOP("AboutText", "NC0 шагов при NC0="),
              SONREL_TR_NOOP("AboutText", "сделать NC0 шагов решения и остановиться.")},
             {SONREL_TR_NOOP("AboutText", "Очистить график по углам с M(v/v0), ед/см"),
              SONREL_TR_NOOP(
                  "AboutText",
                  "очистить рисунок и нарисовать сетку графика по углам или по времени.")},
             {SONREL_TR_NOOP("AboutText", "Очистить рисунок"),
              SONREL_TR_NOOP("AboutText", "очистить рисунок.")},
             {SONREL_TR_NOOP("AboutText", "Вписать опыт"),
              SONREL_TR_NOOP("AboutText",
                             "подобрать масштаб рисунка так, чтобы пути тел до прихода 20-го "
                             "фронта и точки излучения фронтов уместились на рисунке.")},
             {SONREL_TR_NOOP("AboutText", "Сохранить рисунок №"),
              SONREL_TR_NOOP("AboutText", "сохранить рисунок в файл bmp или, если отмечено .txt, "
                                          "таблицу данных в файл txt.")},
             {SONREL_TR_NOOP("AboutText", "Экспериментальные точки"),
              SONREL_TR_NOOP("AboutText", "нанести на график точки v/v0, полученные в эксперименте "
                                          "или прочитанные из файла.")},
             {SONREL_TR_NOOP("AboutText", "Расчетные точки"),
              SONREL_TR_NOOP("AboutText",
                             "нанести на график точки v/v0, рассчитанные по формулам.")},
             {SONREL_TR_NOOP("AboutText", "Среда"),
              SONREL_TR_NOOP("AboutText",
                             "открыть форму эксперимента в среде переменной плотности.")},
             {"X=X0",
              SONREL_TR_NOOP("AboutText",
                             "вернуть начальным координатам и скоростям их исходные значения.")},
             {"X=Xiso",
              SONREL_TR_NOOP("AboutText",
                             "принять координаты и скорости в ИСО за новые начальные значения.")},
             {SONREL_TR_NOOP("AboutText", "VX1 и VX2"),
              SONREL_TR_NOOP(
                  "AboutText",
                  "пересчитать скорости приемника и источника по X из ИСО обратно в АСО.")},
             {SONREL_TR_NOOP("AboutText", "Выход"),
              SONREL_TR_NOOP("AboutText", "закрыть все формы и завершить работу программы.")},
         },
         nullptr},
        {37,
         10,
         {
             {SONREL_TR_NOOP("AboutText", "Рассчитать координатное время при VXiso="),
              SONREL_TR_NOOP(
                  "AboutText",
                  "рассчитать время прихода света от концов стержня к наблюдателю и видимые "
                  "положения концов по выбранной теории.")},
             {SONREL_TR_NOOP("AboutText", "Согласовать время по"),
              SONREL_TR_NOOP("AboutText",
                             "привести оба конца стержня к одному времени наблюдения T1 или T2.")},
             {SONREL_TR_NOOP("AboutText", "Очистить рисунок"),
              SONREL_TR_NOOP("AboutText", "очистить рисунок и нарисовать сетку.")},
             {SONREL_TR_NOOP("AboutText", "Сохранить рисунок №"),
              SONREL_TR_NOOP("AboutText", "сохранить рисунок в файл Sonrel с указанным номером.")},
             {SONREL_TR_NOOP("AboutText", "Закрыть форму"),
              SONREL_TR_NOOP("AboutText", "закрыть форму.")},
         },
         nullptr},
    };
}

} // namespace

std::vector<std::string> aboutLines() {
    std::vector<std::string> lines;
    lines.push_back(
        std::string(17, ' ') +
        shown(SONREL_TR_NOOP("AboutText", "ОПИСАНИЕ ДЕЙСТВИЙ КНОПОК ПРОГРАММЫ SONREL6")));
    lines.emplace_back();
    for (const Section& s : sections()) {
        lines.push_back(std::string(static_cast<std::size_t>(s.indent), ' ') +
                        shown(SONREL_TR_NOOP("AboutText", "ФОРМА ")) + std::to_string(s.number));
        for (const Entry& e : s.buttons)
            lines.push_back(" <" + shown(e.caption) + "> - " + shown(e.description));
        if (s.noButtons) lines.push_back(" " + shown(s.noButtons));
    }
    // What every experiment window shares, the saving of pictures and tables,
    // and the licence.
    lines.emplace_back();
    for (const char* general : kGeneral)
        lines.push_back(" " + shown(general));
    lines.push_back(" " +
                    shown(SONREL_TR_NOOP("AboutText", "Желаем успешной работы с программой!")));
    return lines;
}

std::string aboutButtonDescription(int form, std::string_view caption) {
    for (const Section& s : sections())
        if (s.number == form)
            for (const Entry& e : s.buttons)
                if (caption == e.caption) return shown(e.description);
    return {};
}

std::string aboutText() {
    std::string text;
    for (const std::string& line : aboutLines())
        text += line + "\r\n";
    return text;
}

} // namespace sonrel
