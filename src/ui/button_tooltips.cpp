#include "ui/button_tooltips.h"

#include "base/translate.h"
#include "ui/about_text.h"

namespace sonrel {

namespace {

struct ButtonEntry {
    int form;
    const char* name;
    const char* aboutCaption; // the button's entry in the About text, or null
    const char* own;          // the description where the About text has none
};

// clang-format off
const ButtonEntry kButtons[] = {
    {1, "Command13", "Задать Т00, с", nullptr},
    {1, "Command1", "Начать эксперимент", nullptr},
    {1, "Command2", "Остановить", nullptr},
    {1, "Command3", "Продолжить", nullptr},
    {1, "Command4", "NC0 шагов", nullptr},
    {1, "Command5", "Очистить рисунок", nullptr},
    {1, "CommandFit", "Вписать опыт", nullptr},
    {1, "Command6", "Сохранить в файл рисунок с №", nullptr},
    {1, "Command18", "Расчет по координатам и скоростям с нахождением  Q", nullptr},
    {1, "Command17", "Расчет по V1, V2 или V12 = X при заданном Q=", nullptr},
    {1, "Command12", "Построить график в функции от", nullptr},
    {1, "Command7", "На график экспериментальные точки", nullptr},
    {1, "Command15", "Поставить точку", nullptr},
    {1, "Command14", "Очистить график", nullptr},
    {1, "Command20", nullptr, SONREL_TR_NOOP("Tooltips",
        "открыть форму расчета координатного времени концов стержня.")},
    {1, "Command11", "АСО -> ИСО", nullptr},
    {1, "Command10", "АСО или ИСО", nullptr},
    {1, "Command19", "Мембраны", nullptr},
    {1, "Command9", "Калькулятор", nullptr},
    {1, "Command8", "About", nullptr},
    {1, "Command16", "Выход", nullptr},
    {2, "Command1", "Закрыть", nullptr},
    {3, "Command13", "Найти T00, с", nullptr},
    {3, "Command1", "Начать эксперимент с изменением оптической плотности", nullptr},
    {3, "Command8", "Показать изменение плотности", nullptr},
    {3, "Command7", "Экспериментальные точки", nullptr},
    {3, "Command18", "Расчетные", nullptr},
    {3, "Command2", "Остановить", nullptr},
    {3, "Command3", "Продолжить", nullptr},
    {3, "Command4", "Сделать NC0 шагов при NC0=", nullptr},
    {3, "Command5", "Очистить рисунок", nullptr},
    {3, "CommandFit", "Вписать опыт", nullptr},
    {3, "Command14", "Очистить график по углам с M(v/v0), ед/см", nullptr},
    {3, "Command6", "Сохранить рисунок №", nullptr},
    {3, "Command16", nullptr, SONREL_TR_NOOP("Tooltips",
        "закрыть все формы и завершить работу программы.")},
    {5, "Command1", "Построить график dv/v", nullptr},
    {5, "Command3", "Поставить на график точку", nullptr},
    {5, "Command16", "Очистить рисунок", nullptr},
    {5, "Command2", "Сохранить рисунок №", nullptr},
    {5, "Command4", "Рассчитать по (4-1) частоты лазеров для скорости пучка ионов 7Li+=", nullptr},
    {5, "Command5", "Найти по частотам лазеров скорость пучка по формуле (2), когда эффективные "
                    "частоты совпадут", nullptr},
    {5, "Command6", "E, кэВ = m * V^2 / 2 =", nullptr},
    {5, "Command7", "m, кг = 2 * E / V^2 =", nullptr},
    {5, "Command8", "V = sqrt( 2 * E / m ) =", nullptr},
    {5, "Command9", "Рассчитать скорость по (2) при заданном угле наблюдения", nullptr},
    {5, "Command10", "Закрыть", nullptr},
    {5, "Command11", nullptr, SONREL_TR_NOOP("Tooltips",
        "эксперименты Кауфмана: в этой версии кнопка ничего не делает.")},
    {6, "Command1", "Выполнить расчет для VXiso=", nullptr},
    {6, "Command4", "Показать расчетную схему с обозначениями", nullptr},
    {6, "Command5", "Сохранить рисунок №", nullptr},
    {6, "Command3", "Очистить рисунок", nullptr},
    {6, "Command2", "Закрыть форму", nullptr},
    {6, "Command7", nullptr, SONREL_TR_NOOP("Tooltips",
        "рассчитать сдвиг частоты по формулам (2) или (4-5) при заданных "
        "VX1aso, VX2aso и Q3aso.")},
    {8, "Command13", "1-Рассчитать угол А2", nullptr},
    {8, "Command1", "2-Начать эксперимент", nullptr},
    {8, "Command2", "Остановить", nullptr},
    {8, "Command3", "Продолжить", nullptr},
    {8, "Command4", "Сделать NC0 шагов", nullptr},
    {8, "Command7", "Вывести на график экспериментальные точки", nullptr},
    {8, "Command12", "Расчетные точки", nullptr},
    {8, "Command5", "Очистить рисунок", nullptr},
    {8, "CommandFit", "Вписать опыт", nullptr},
    {8, "Command14", "Очистить график", nullptr},
    {8, "Command6", nullptr, SONREL_TR_NOOP("Tooltips",
        "сохранить рисунок в файл Sonrel с указанным номером.")},
    {8, "Command16", nullptr, SONREL_TR_NOOP("Tooltips", "закрыть форму.")},
    {9, "Command13", "Найти T00, с", nullptr},
    {9, "Command1", "Начать эксперимент с VXiso, м/с", nullptr},
    {9, "Command2", "Остановить", nullptr},
    {9, "Command3", "Продолжить", nullptr},
    {9, "Command4", "NC0 шагов при NC0=", nullptr},
    {9, "Command14", "Очистить график по углам с M(v/v0), ед/см", nullptr},
    {9, "Command5", "Очистить рисунок", nullptr},
    {9, "CommandFit", "Вписать опыт", nullptr},
    {9, "Command6", "Сохранить рисунок №", nullptr},
    {9, "Command7", "Экспериментальные точки", nullptr},
    {9, "Command18", "Расчетные точки", nullptr},
    {9, "Command8", "Среда", nullptr},
    {9, "Command10", "X=X0", nullptr},
    {9, "Command11", "X=Xiso", nullptr},
    {9, "Command9", "VX1 и VX2", nullptr},
    {9, "Command16", "Выход", nullptr},
    {10, "Command13", "Рассчитать координатное время при VXiso=", nullptr},
    {10, "Command1", "Согласовать время по", nullptr},
    {10, "Command5", "Очистить рисунок", nullptr},
    {10, "Command6", "Сохранить рисунок №", nullptr},
    {10, "Command16", "Закрыть форму", nullptr},
};
// clang-format on

} // namespace

std::string buttonDescription(int form, std::string_view objectName) {
    for (const ButtonEntry& b : kButtons) {
        if (b.form != form || objectName != b.name) continue;
        return b.aboutCaption ? aboutButtonDescription(form, b.aboutCaption)
                              : trText("Tooltips", b.own);
    }
    return {};
}

} // namespace sonrel
