#include "support/ui_helpers.h"

#include <QPlainTextEdit>

using namespace sonrel;
using namespace sonrel::testing;

class AboutWindow : public WindowTest {};

TEST_F(AboutWindow, ShowsTheHelpTextInOneWindow) {
    click(app->windows.get(1), "Command8");
    FormBase* f = app->windows.get(2);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->windowTitle(), QStringLiteral("About  Sonrel6   form2"));
    const QStringList lines = control<QPlainTextEdit>(f, "Text1")->toPlainText().split('\n');
    ASSERT_GT(lines.size(), 2);
    EXPECT_EQ(lines[0],
              QStringLiteral("                 ОПИСАНИЕ ДЕЙСТВИЙ КНОПОК ПРОГРАММЫ SONREL6"));
    EXPECT_EQ(lines[1], QString());
    EXPECT_TRUE(control<QPlainTextEdit>(f, "Text1")->isReadOnly());
    click(app->windows.get(1), "Command8");
    EXPECT_EQ(app->windows.get(2), f);
    EXPECT_EQ(control<QAbstractButton>(f, "Command1")->text(), QStringLiteral("Закрыть"));
    click(f, "Command1");
    EXPECT_EQ(app->windows.get(2), nullptr);
}
