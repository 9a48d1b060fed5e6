// Every button of every window says in its tooltip what it does.
#include "support/ui_helpers.h"

#include <QPushButton>

using namespace sonrel;
using namespace sonrel::testing;

namespace {
class ButtonTooltips : public WindowTest {};
} // namespace

TEST_F(ButtonTooltips, EveryButtonOfEveryWindowHasOneLine) {
    for (int n = 1; n <= 10; ++n) {
        QWidget* f = open(n);
        ASSERT_NE(f, nullptr) << n;
        for (QPushButton* b : f->findChildren<QPushButton*>()) {
            if (!b->objectName().startsWith(QStringLiteral("Command"))) continue;
            const QString tip = b->toolTip();
            EXPECT_FALSE(tip.isEmpty()) << "Form" << n << " " << b->objectName().toStdString();
            EXPECT_FALSE(tip.contains('\n')) << tip.toStdString();
            EXPECT_TRUE(tip.at(0).isUpper()) << tip.toStdString();
        }
    }
}

TEST_F(ButtonTooltips, DescriptionsComeFromTheAboutTextAndNameTheKeys) {
    QWidget* f1 = open(1);
    EXPECT_EQ(control<QPushButton>(f1, "Command13")->toolTip(),
              QStringLiteral("Задаем период сигналов, генерируемых передатчиком, расположенном "
                             "на источнике"));
    EXPECT_EQ(control<QPushButton>(f1, "Command2")->toolTip(),
              QStringLiteral("Остановить эксперимент (Esc)"));
    EXPECT_EQ(control<QPushButton>(f1, "Command4")->toolTip(),
              QStringLiteral("Сделать NC0 шагов решения и остановиться (F7)"));
    QWidget* f9 = open(9);
    EXPECT_EQ(control<QPushButton>(f9, "Command8")->toolTip(),
              QStringLiteral("Открыть форму эксперимента в среде переменной плотности"));
    EXPECT_EQ(control<QPushButton>(f9, "Command3")->toolTip(),
              QStringLiteral("Продолжить остановленный эксперимент (F6)"));
    QWidget* f5 = open(5);
    EXPECT_EQ(control<QPushButton>(f5, "Command10")->toolTip(), QStringLiteral("Закрыть форму"));
}
