#include "ui/about_text.h"

#include <gtest/gtest.h>

using namespace sonrel;

namespace {
bool hasLine(const std::vector<std::string>& lines, const std::string& line) {
    for (const auto& l : lines)
        if (l == line) return true;
    return false;
}
} // namespace

TEST(AboutText, TitleSectionsAndClosingInOrder) {
    const auto lines = aboutLines();
    ASSERT_GT(lines.size(), 20u);
    EXPECT_EQ(lines[0], "                 ОПИСАНИЕ ДЕЙСТВИЙ КНОПОК ПРОГРАММЫ SONREL6");
    EXPECT_EQ(lines[1], "");
    // Section headers with their indentation, in order.
    const int indent[] = {47, 40, 39, 38, 38, 38, 37, 37, 37, 37};
    std::size_t at = 2;
    for (int n = 1; n <= 10; ++n) {
        const std::string header = std::string(indent[n - 1], ' ') + "ФОРМА " + std::to_string(n);
        while (at < lines.size() && lines[at] != header) {
            // Everything between headers describes a button or says there is none.
            EXPECT_EQ(lines[at].substr(0, 1), " ") << lines[at];
            EXPECT_EQ(lines[at].back(), '.') << lines[at];
            ++at;
        }
        ASSERT_LT(at, lines.size()) << "no header " << header;
        ++at;
    }
    EXPECT_FALSE(lines.back().empty());
}

TEST(AboutText, ButtonLinesNameTheCaptionsOfEveryWindow) {
    const auto lines = aboutLines();
    EXPECT_EQ(lines[3].rfind(" <Задать Т00, с> - задаем период сигналов", 0), 0u);
    for (const char* caption :
         {"Расчет по координатам и скоростям с нахождением  Q", "Закрыть",
          "Начать эксперимент с изменением оптической плотности", "Построить график dv/v",
          "Показать расчетную схему с обозначениями", "1-Рассчитать угол А2", "VX1 и VX2",
          "Рассчитать координатное время при VXiso=", "Согласовать время по"}) {
        bool found = false;
        for (const auto& l : lines)
            if (l.rfind(std::string(" <") + caption + "> - ", 0) == 0) found = true;
        EXPECT_TRUE(found) << caption;
    }
    EXPECT_TRUE(hasLine(lines, " Кнопки отсутствуют. Форма закрывается при нажатии на крестик в "
                               "верхнем правом углу формы."));
    const std::string text = aboutText();
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_EQ(text.find("SONREL6\r\n\r\n"), lines[0].size() - 7);
}

// The button of the comparison window turns the velocities from ИСО back into АСО.
TEST(AboutText, VelocityButtonRecomputesFromIsoBackIntoAso) {
    int found = 0;
    for (const auto& l : aboutLines()) {
        if (l.rfind(" <VX1 и VX2> - ", 0) != 0) continue;
        ++found;
        EXPECT_NE(l.find("из ИСО"), std::string::npos) << l;
        EXPECT_NE(l.find("в АСО"), std::string::npos) << l;
    }
    EXPECT_EQ(found, 1);
}

// Each window's section lists the captions of that window's buttons, in the
// order of the window's design, and nothing else.
TEST(AboutText, EverySectionNamesItsWindowsButtonsInOrder) {
    const std::vector<std::vector<std::string>> captions = {
        {"Задать Т00, с",
         "Начать эксперимент",
         "Расчет по координатам и скоростям с нахождением  Q",
         "Расчет по V1, V2 или V12 = X при заданном Q=",
         "Построить график в функции от",
         "На график экспериментальные точки",
         "Поставить точку",
         "Остановить",
         "Продолжить",
         "NC0 шагов",
         "Очистить рисунок",
         "Вписать опыт",
         "Очистить график",
         "Сохранить в файл рисунок с №",
         "Калькулятор",
         "АСО или ИСО",
         "АСО -> ИСО",
         "Мембраны",
         "About",
         "Выход"},
        {"Закрыть"},
        {"Найти T00, с", "Начать эксперимент с изменением оптической плотности",
         "Показать изменение плотности", "Экспериментальные точки", "Расчетные", "Остановить",
         "Продолжить", "Сделать NC0 шагов при NC0=", "Очистить рисунок", "Вписать опыт",
         "Очистить график по углам с M(v/v0), ед/см", "Сохранить рисунок №"},
        {},
        {"Построить график dv/v", "Поставить на график точку", "Очистить рисунок",
         "Сохранить рисунок №",
         "Рассчитать по (4-1) частоты лазеров для скорости пучка ионов 7Li+=",
         "Найти по частотам лазеров скорость пучка по формуле (2), когда эффективные частоты "
         "совпадут",
         "E, кэВ = m * V^2 / 2 =", "m, кг = 2 * E / V^2 =", "V = sqrt( 2 * E / m ) =",
         "Рассчитать скорость по (2) при заданном угле наблюдения", "Закрыть"},
        {"Выполнить расчет для VXiso=", "Показать расчетную схему с обозначениями",
         "Сохранить рисунок №", "Очистить рисунок", "Закрыть форму"},
        {},
        {"1-Рассчитать угол А2", "2-Начать эксперимент", "Остановить", "Продолжить",
         "Сделать NC0 шагов", "Вывести на график экспериментальные точки", "Расчетные точки",
         "Очистить рисунок", "Вписать опыт", "Очистить график"},
        {"Найти T00, с", "Начать эксперимент с VXiso, м/с", "Остановить", "Продолжить",
         "NC0 шагов при NC0=", "Очистить график по углам с M(v/v0), ед/см", "Очистить рисунок",
         "Вписать опыт", "Сохранить рисунок №", "Экспериментальные точки", "Расчетные точки",
         "Среда", "X=X0", "X=Xiso", "VX1 и VX2", "Выход"},
        {"Рассчитать координатное время при VXiso=", "Согласовать время по", "Очистить рисунок",
         "Сохранить рисунок №", "Закрыть форму"},
    };
    std::vector<std::vector<std::string>> found;
    std::vector<std::string> closing(captions.size());
    for (const auto& l : aboutLines()) {
        const auto at = l.find_first_not_of(' ');
        if (at != std::string::npos && l.compare(at, 11, "ФОРМА ") == 0) {
            found.emplace_back();
            EXPECT_EQ(l.substr(at + 11), std::to_string(found.size())) << l;
        } else if (l.empty()) {
            if (!found.empty()) break; // the general notes follow the sections
        } else if (!found.empty() && l.rfind(" <", 0) == 0) {
            found.back().push_back(l.substr(2, l.find("> - ") - 2));
        } else if (!found.empty()) {
            closing[found.size() - 1] = l;
        }
    }
    ASSERT_EQ(found.size(), captions.size());
    for (std::size_t n = 0; n < captions.size(); ++n) {
        EXPECT_EQ(found[n], captions[n]) << "ФОРМА " << n + 1;
        // Only the windows without buttons say how they are closed.
        EXPECT_EQ(closing[n].empty(), !captions[n].empty()) << "ФОРМА " << n + 1;
    }
    EXPECT_NE(closing[3].find("\"+ отчет\""), std::string::npos);
    EXPECT_NE(closing[3].find("\"+ Создать отчет\""), std::string::npos);
}

// The notes after the sections name the program's keys, shortcuts and licence.
TEST(AboutText, GeneralNotesNameTheKeysShortcutsAndLicence) {
    const auto lines = aboutLines();
    EXPECT_TRUE(hasLine(lines, " Клавиши в окнах экспериментов: Esc - остановить, F5 - начать, "
                               "F6 - продолжить, F7 - сделать NC0 шагов."));
    const struct {
        const char* start;
        std::vector<const char*> parts;
    } notes[] = {
        {" <Темп> - ", {"формах 1, 3, 8 и 9", "\"макс.\""}},
        {" <все фронты> - ", {"форм 1, 3 и 9", "все 20 периодов"}},
        {" Правая кнопка мыши",
         {"\"Сохранить как...\"", "\"Сохранить таблицу CSV...\"", "\"Сохранить отчет...\" (Ctrl+S)",
          "\"Копировать отчет\" (Ctrl+C)"}},
        {" Sonrel6 - свободная программа", {"(GPL-3.0-or-later)", "LICENSE"}},
    };
    for (const auto& n : notes) {
        int seen = 0;
        for (const auto& l : lines) {
            if (l.rfind(n.start, 0) != 0) continue;
            ++seen;
            for (const char* part : n.parts)
                EXPECT_NE(l.find(part), std::string::npos) << part;
        }
        EXPECT_EQ(seen, 1) << n.start;
    }
}
