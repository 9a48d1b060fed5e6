#include "calculators/form10.h"
#include "support/ui_helpers.h"

#include <QDir>
#include <QFile>
#include <QRadioButton>

using namespace sonrel;
using namespace sonrel::testing;

class RodWindow : public WindowTest {
protected:
    FormBase* openFromMain() {
        click(app->windows.get(1), "Command20");
        return app->windows.get(10);
    }
};

TEST_F(RodWindow, OpensFromTheMainWindowWithItsDefaults) {
    FormBase* f = openFromMain();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Sonrel6     form10    СТО и СТО+"));
    const std::pair<const char*, const char*> fields[] = {
        {"Text1", "100"},   {"Text3", "60"},     {"Text2", "200"},  {"Text4", "60"},
        {"Text10", "0"},    {"Text17", "0"},     {"Text6", "0"},    {"Text9", "10"},
        {"Text32", "20"},   {"Text19", "10"},    {"Text24", "100"}, {"Text7", "100"},
        {"Text8", "200"},   {"Text27", "0"},     {"Text28", "0"},   {"Text21", "1"},
        {"Text5", "Text5"}, {"Text31", "Text31"}};
    for (const auto& [name, value] : fields)
        EXPECT_EQ(textOf(f, name), QString::fromUtf8(value)) << name;
    EXPECT_TRUE(control<QRadioButton>(f, "Option8")->isChecked());
    EXPECT_EQ(control<QAbstractButton>(f, "Command1")->text(),
              QStringLiteral("Согласовать время по"));
    EXPECT_EQ(openFromMain(), f);
}

TEST_F(RodWindow, ContractedRodFieldsAndAnAlignment) {
    auto* f = static_cast<Form10*>(openFromMain());
    f->Option4->setChecked(true); // "СТО+"
    click(f, "Command13");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(textOf(f, "Text5"), QStringLiteral("0,866025"));
    EXPECT_EQ(textOf(f, "Text7"), QStringLiteral("86,6025403784439"));
    EXPECT_EQ(textOf(f, "Text8"), QStringLiteral("173,205080756888"));
    EXPECT_EQ(textOf(f, "Text31"), QStringLiteral("86,60254"));
    EXPECT_EQ(textOf(f, "Text27"), QStringLiteral("0"));
    EXPECT_EQ(textOf(f, "Text18"), QStringLiteral("-10"));
    EXPECT_EQ(textOf(f, "Text25"), QStringLiteral("0"));

    click(f, "Command1");
    EXPECT_TRUE(boxes.shown.empty());
    // R1/Vs = sqrt(86,60254² + 60²) / 20 = sqrt(11100) / 20, truncated.
    EXPECT_EQ(textOf(f, "Text25"), QStringLiteral("5,267826"));
    EXPECT_EQ(textOf(f, "Text13"), QStringLiteral("5,267826"));
    EXPECT_EQ(textOf(f, "Text11"), QStringLiteral("86,6025403784439"));
    EXPECT_EQ(textOf(f, "Text22"), QStringLiteral("0"));
}

TEST_F(RodWindow, NoIterationsShowsTheStartValues) {
    auto* f = static_cast<Form10*>(openFromMain());
    f->Option2->setChecked(true); // "Классика в ИСО"
    click(f, "Command13");
    typeInto(f, "Text24", "0");
    click(f, "Command1");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(textOf(f, "Text11"), QStringLiteral("100"));
    EXPECT_EQ(textOf(f, "Text12"), QStringLiteral("200"));
    EXPECT_EQ(textOf(f, "Text23"), QStringLiteral("0"));
    EXPECT_EQ(textOf(f, "Text31"), QStringLiteral("100"));
}

TEST_F(RodWindow, EachButtonReportsItsOwnFailure) {
    FormBase* f = openFromMain();
    typeInto(f, "Text9", "abc");
    click(f, "Command13");
    typeInto(f, "Text9", "30"); // faster than the signal
    click(f, "Command13");
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("Введите правильно данные"));
    EXPECT_EQ(boxes.shown[1].text, QStringLiteral("Ошибка рассчета"));
    EXPECT_EQ(boxes.shown[1].title, QStringLiteral("Sonrel6"));
    EXPECT_EQ(textOf(f, "Text7"), QStringLiteral("100")); // nothing written after the fault

    typeInto(f, "Text9", "10");
    typeInto(f, "Text19", "0"); // no drawing scale
    click(f, "Command13");
    click(f, "Command1");
    ASSERT_EQ(boxes.shown.size(), 4u);
    EXPECT_EQ(boxes.shown[2].text, QStringLiteral("Ошибка рассчета"));
    EXPECT_EQ(boxes.shown[3].text, QStringLiteral("Ошибка решения"));
}

TEST_F(RodWindow, SavesThePictureOrReportsTheWriteError) {
    FormBase* f = openFromMain();
    typeInto(f, "Text21", "7");
    click(f, "Command6");
    EXPECT_TRUE(QFile::exists(QDir::current().filePath("Sonrel7.bmp")));
    typeInto(f, "Text21", "a/b");
    click(f, "Command6");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("Ошибка записи в файл"));
    click(f, "Command16");
    EXPECT_EQ(app->windows.get(10), nullptr);
}
