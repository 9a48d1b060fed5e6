#include "base/version.h"
#include "support/english.h"
#include "ui/about_text.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <algorithm>

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

class AboutWindowInEnglish : public EnglishWindowTest {};

// In English the help text keeps its layout line for line, and each button's
// tooltip says what its line in the text says.
TEST_F(AboutWindowInEnglish, KeepsTheLayoutOfTheHelpTextAndAgreesWithTheTooltips) {
    applyLanguage(Language::Russian);
    const std::vector<std::string> russian = aboutLines();
    applyLanguage(Language::English);

    FormBase* f1 = app->windows.get(1);
    click(f1, "Command8");
    FormBase* f = app->windows.get(2);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(untranslatedTexts(f), QStringList());
    EXPECT_EQ(clippedCaptions(f), QStringList());
    EXPECT_EQ(f->windowTitle(), QStringLiteral("About  Sonrel6   form2"));
    EXPECT_EQ(control<QAbstractButton>(f, "Command1")->text(), QStringLiteral("Close"));
    EXPECT_TRUE(control<QLabel>(f, "Label1")->text().contains(QStringLiteral(SONREL_VERSION)));

    const QStringList shownLines = control<QPlainTextEdit>(f, "Text1")->toPlainText().split('\n');
    const std::vector<std::string> english = aboutLines();
    ASSERT_EQ(english.size(), russian.size());
    ASSERT_GE(shownLines.size(), static_cast<qsizetype>(english.size()));
    std::vector<std::string> formOne; // the descriptions of the main window's buttons
    int section = 0;
    for (std::size_t i = 0; i < english.size(); ++i) {
        const std::string& ru = russian[i];
        const std::string& en = english[i];
        EXPECT_EQ(shownLines[static_cast<qsizetype>(i)].toStdString(), en);
        EXPECT_EQ(en.empty(), ru.empty()) << en;
        EXPECT_EQ(en.find_first_not_of(' '), ru.find_first_not_of(' ')) << en;
        if (const auto at = ru.find("ФОРМА "); at != std::string::npos) {
            // A section header: same indentation, same window number.
            section = std::stoi(ru.substr(at + std::string("ФОРМА ").size()));
            EXPECT_EQ(en.substr(en.rfind(' ') + 1), std::to_string(section)) << en;
            continue;
        }
        const bool button = ru.rfind(" <", 0) == 0;
        EXPECT_EQ(en.rfind(" <", 0) == 0, button) << en;
        if (!ru.empty()) {
            EXPECT_EQ(en.back() == '.', ru.back() == '.') << en;
        }
        if (!button) continue;
        const auto dash = en.find("> - ");
        ASSERT_NE(dash, std::string::npos) << en;
        if (section == 1) formOne.push_back(en.substr(dash + 4));
    }
    ASSERT_EQ(section, 10);

    // The main window's buttons (all but the rod window's, which has no line
    // in the text) give their line as the tooltip, capitalised, with the key.
    int matched = 0;
    for (QPushButton* b : f1->findChildren<QPushButton*>()) {
        if (!b->objectName().startsWith(QStringLiteral("Command")) ||
            b->objectName() == QStringLiteral("Command20"))
            continue;
        QString tip = b->toolTip();
        tip.remove(QRegularExpression(QStringLiteral(" \\((Esc|F\\d)\\)$")));
        tip[0] = tip[0].toLower();
        const std::string line = tip.toStdString() + ".";
        EXPECT_NE(std::find(formOne.begin(), formOne.end(), line), formOne.end())
            << b->objectName().toStdString() << ": " << line;
        ++matched;
    }
    EXPECT_EQ(matched, 20);
}
