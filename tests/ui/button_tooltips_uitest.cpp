// Every button of every window says in its tooltip what it does, every field
// and check box what it holds.
#include "support/ui_helpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
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

// Every field, check box and list says what it holds, in one line; the ones
// the user meets first name their quantity and unit as the design's tables do.
TEST_F(ButtonTooltips, EveryFieldAndCheckBoxOfEveryWindowHasOneLine) {
    QStringList missing;
    for (int n = 1; n <= 10; ++n) {
        QWidget* f = open(n);
        ASSERT_NE(f, nullptr) << n;
        QList<QWidget*> controls;
        for (QLineEdit* w : f->findChildren<QLineEdit*>())
            controls.append(w);
        for (QCheckBox* w : f->findChildren<QCheckBox*>())
            controls.append(w);
        for (QComboBox* w : f->findChildren<QComboBox*>())
            controls.append(w);
        for (QWidget* w : controls) {
            const QString tip = w->toolTip();
            if (tip.isEmpty()) missing << QStringLiteral("Form%1 %2").arg(n).arg(w->objectName());
            EXPECT_FALSE(tip.contains('\n')) << tip.toStdString();
        }
    }
    EXPECT_EQ(missing, QStringList());
    const struct {
        int form;
        const char* name;
        const char* says;
    } shown[] = {
        {1, "Text18", "T00: период сигналов передатчика источника, с"},
        {1, "Text9", "dt: шаг решения, с"},
        {1, "Text12", "Vs: скорость сигнала, м/с"},
        {1, "Check1", "Auto: без остановок"},
        {1, "CheckAllFronts", "Все фронты: каждый фронт излучается в свое время"},
        {3, "CheckAllFronts", "Все фронты"},
        {9, "CheckAllFronts", "Все фронты"},
        {9, "Text34", "Угол конуса пучка лучей, град"},
        {8, "Text22", "А1: угол наклона мембраны приемника, град"},
        {5, "Text14", "E: энергия ионов, кэВ"},
        {6, "Text35", "MV: масштаб рисунка по скоростям, (м/с)/см"},
        {10, "Text6", "Xn: положение наблюдателя на оси X, м"},
        {1, "ComboPace", "Темп анимации: модельных секунд за секунду"},
    };
    for (const auto& s : shown) {
        QWidget* w = control<QWidget>(open(s.form), s.name);
        ASSERT_NE(w, nullptr) << s.name;
        EXPECT_TRUE(w->toolTip().startsWith(QString::fromUtf8(s.says)))
            << "Form" << s.form << " " << s.name << ": " << w->toolTip().toStdString();
    }
}
