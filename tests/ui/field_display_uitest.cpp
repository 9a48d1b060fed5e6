// What the main window's fields show after a run and after bad input.
#include "app/form1.h"
#include "support/ui_helpers.h"

#include <QApplication>
#include <QCheckBox>
#include <QTest>

using namespace sonrel;
using namespace sonrel::testing;

namespace {

class FieldDisplay : public WindowTest {
protected:
    Form1* form() {
        auto* f = static_cast<Form1*>(app->windows.get(1));
        f->show();
        QApplication::setActiveWindow(f);
        return f;
    }
};

} // namespace

TEST_F(FieldDisplay, ANumberWrittenAfterARunShowsItsFirstDigit) {
    click(form(), "Command13");
    click(form(), "Command1");
    // The receiver's coordinate after the default run is a long number; the
    // field shows it from its start (the integer part), not its last digits.
    for (const char* name : {"Text13", "Text14", "Text17"}) {
        auto* f = control<QLineEdit>(form(), name);
        EXPECT_GT(f->text().size(), 6) << name;
        EXPECT_EQ(f->cursorPosition(), 0) << name;
    }
}

TEST_F(FieldDisplay, TypingKeepsTheCursorWhereTheUserPutsIt) {
    auto* f = form()->Text12;
    f->setFocus();
    f->selectAll();
    QTest::keyClicks(f, QStringLiteral("123"));
    EXPECT_EQ(f->text(), QStringLiteral("123"));
    EXPECT_EQ(f->cursorPosition(), 3);
}

TEST_F(FieldDisplay, ResultFieldsAreReadOnlyAndOutOfTheTabOrder) {
    for (const char* name : {"Text13", "Text14", "Text15", "Text16", "Text17", "Text11"}) {
        auto* f = control<QLineEdit>(form(), name);
        EXPECT_TRUE(f->isReadOnly()) << name;
        EXPECT_FALSE(f->focusPolicy() & Qt::TabFocus) << name;
    }
    // Fields the program reads stay editable.
    for (const char* name : {"Text1", "Text12", "Text18", "Text24", "Text9"}) {
        auto* f = control<QLineEdit>(form(), name);
        EXPECT_FALSE(f->isReadOnly()) << name;
        EXPECT_TRUE(f->focusPolicy() & Qt::TabFocus) << name;
    }
}

TEST_F(FieldDisplay, StartBeforeThePeriodIsSetPointsAtTheFrequencyField) {
    // v0 is still empty: the start cannot read it.
    click(form(), "Command1");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("Введите правильно данные"));
    EXPECT_EQ(QApplication::focusWidget(), form()->Text24);
    EXPECT_TRUE(form()->Text24->text().isEmpty());
}

TEST_F(FieldDisplay, AnUnreadableFieldIsFocusedWithItsTextSelected) {
    typeInto(form(), "Text3", "6");
    typeInto(form(), "Text12", "два");
    click(form(), "Command13");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("Введите правильно данные"));
    EXPECT_EQ(QApplication::focusWidget(), form()->Text12);
    EXPECT_EQ(form()->Text12->selectedText(), QStringLiteral("два"));
    // A message about something else focuses nothing.
    typeInto(form(), "Text12", "20");
    typeInto(form(), "Text18", "0");
    form()->Text1->setFocus();
    click(form(), "Command13");
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_NE(boxes.shown[1].text, QStringLiteral("Введите правильно данные"));
    EXPECT_EQ(QApplication::focusWidget(), form()->Text1);
}
