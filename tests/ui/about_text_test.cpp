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
