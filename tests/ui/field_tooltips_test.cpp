// Each field's tooltip names the quantity and the unit that the design's
// tables give it; controls nobody listed have none.
#include "ui/button_tooltips.h"
#include "ui/field_tooltips.h"

#include <gtest/gtest.h>

using namespace sonrel;

TEST(FieldTooltips, NameTheQuantityAndUnitOfTheDesign) {
    const struct {
        int form;
        const char* name;
        const char* quantity;
        const char* unit; // the tooltip ends with it
    } fields[] = {
        {1, "Text18", "T00", ", с"},
        {1, "Text12", "Vs", ", м/с"},
        {1, "Text19", "Масштаб рисунка", ", м/см"},
        {3, "Text9", "dt", ", с"},
        {8, "Text9", "dt", ", с"},
        {9, "Text3", "VX1", ", м/с"},
        {3, "Text12", "Vs0", ", м/с"},
        {9, "Text34", "конуса", ", град"},
        {8, "Text22", "А1", ", град"},
        {8, "Text23", "А2", ", град"},
        {5, "Text15", "m", ", кг"},
        {5, "Text14", "E", ", кэВ"},
        {6, "Text35", "MV", ", (м/с)/см"},
        {10, "Text6", "Xn", ", м"},
        {3, "Text49", "Vsv", ", м/с"},
        {1, "Text27", "v/v0", ", ед/см"},
    };
    for (const auto& f : fields) {
        const std::string tip = fieldDescription(f.form, f.name);
        const std::string unit = f.unit;
        EXPECT_NE(tip.find(f.quantity), std::string::npos)
            << f.form << " " << f.name << ": " << tip;
        ASSERT_GE(tip.size(), unit.size()) << f.form << " " << f.name;
        EXPECT_EQ(tip.substr(tip.size() - unit.size()), unit)
            << f.form << " " << f.name << ": " << tip;
    }
    // Check boxes say what ticking them does.
    EXPECT_EQ(fieldDescription(1, "Check1").rfind("Auto: ", 0), 0u);
    EXPECT_EQ(fieldDescription(9, "CheckAllFronts").rfind("Все фронты: ", 0), 0u);
    // The scheme window has no fields; the main window has no Text99.
    EXPECT_EQ(fieldDescription(7, "Text1"), "");
    EXPECT_EQ(fieldDescription(1, "Text99"), "");
}

// A button's tooltip is its line in the About text of its own window.
TEST(ButtonDescriptions, ComeFromTheirWindowsSectionOfTheAboutText) {
    const struct {
        int form;
        const char* name;
        const char* description;
    } buttons[] = {
        {1, "Command2", "остановить эксперимент."},
        {9, "Command13", "найти период T00 передатчика источника."},
        {9, "Command8", "открыть форму эксперимента в среде переменной плотности."},
        {9, "Command3", "продолжить остановленный эксперимент."},
        {5, "Command10", "закрыть форму."},
        {3, "Command16", "закрыть все формы и завершить работу программы."},
        {7, "Command1", ""},
    };
    for (const auto& b : buttons)
        EXPECT_EQ(buttonDescription(b.form, b.name), b.description) << b.form << " " << b.name;
}
