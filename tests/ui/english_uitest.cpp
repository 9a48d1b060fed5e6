// The English interface: every window's texts are English and fit their
// controls, Qt's own dialog buttons follow the language, and the Russian
// interface comes back unchanged.
#include "support/english.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>

using namespace sonrel;
using namespace sonrel::testing;

namespace {

// The ten windows of the program (the report window and the scheme among them).
constexpr int kWindows[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};

QString listed(const QStringList& texts) {
    return texts.join(QStringLiteral("\n"));
}

} // namespace

TEST_F(EnglishWindowTest, EveryWindowSpeaksEnglishAndItsCaptionsFit) {
    for (int n : kWindows) {
        FormBase* form = open(n);
        ASSERT_NE(form, nullptr) << "window " << n;
        QApplication::processEvents();
        EXPECT_TRUE(untranslatedTexts(form).isEmpty())
            << "window " << n << " keeps Russian texts:\n"
            << listed(untranslatedTexts(form)).toStdString();
        EXPECT_TRUE(clippedCaptions(form).isEmpty()) << "window " << n << " cuts captions:\n"
                                                     << listed(clippedCaptions(form)).toStdString();
    }
}

TEST_F(EnglishWindowTest, MessagesAndQtButtonsFollowTheLanguage) {
    // The catalogue is embedded in the program: no file beside it is needed.
    EXPECT_EQ(QCoreApplication::translate("Message", "Ошибка решения"),
              QStringLiteral("Solution error"));
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Sonrel6"), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Yes"));
    applyLanguage(Language::Russian);
    QMessageBox russian(QMessageBox::NoIcon, QStringLiteral("Sonrel6"), QStringLiteral("?"),
                        QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(russian.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')),
              QStringLiteral("Да"));
    EXPECT_EQ(QCoreApplication::translate("Message", "Ошибка решения"),
              QStringLiteral("Ошибка решения"));
}

TEST_F(WindowTest, RussianIsTheLanguageOfTheDesign) {
    // The main window's captions are the design's own texts, whatever was chosen before.
    applyLanguage(Language::English);
    applyLanguage(Language::Russian);
    app->windows.unload(1);
    QApplication::processEvents();
    FormBase* form = open(1);
    EXPECT_EQ(control<QAbstractButton>(form, "Command13")->text(),
              QStringLiteral("1-Задать T00, с"));
}
