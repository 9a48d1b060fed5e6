#pragma once
// Window tests in English: the fixture switches the interface to English for
// one test and back to Russian after it; the helpers find texts that were
// left untranslated.
#include "app/language_qt.h"
#include "support/ui_helpers.h"

#include <QString>
#include <QStringList>

namespace sonrel::testing {

class EnglishWindowTest : public WindowTest {
protected:
    void SetUp() override {
        applyLanguage(Language::English);
        WindowTest::SetUp();
    }
    void TearDown() override {
        WindowTest::TearDown();
        applyLanguage(Language::Russian);
    }
};

inline bool hasCyrillic(const QString& text) {
    for (QChar c : text)
        if (c.unicode() >= 0x0400 && c.unicode() <= 0x04FF) return true;
    return false;
}

// Every text of a window a user can read (title, captions, tooltips, frame
// titles, list entries, text boxes, menu entries) that still has Cyrillic letters, as
// "objectName: text".
QStringList untranslatedTexts(QWidget* window);

// Every caption that does not fit its control, as "objectName: text".
QStringList clippedCaptions(QWidget* window);

} // namespace sonrel::testing
