// A user types anything into any field and presses any button: the program
// answers with one of its own messages, never crashes or hangs, and never
// shows "nan" or "inf".
#include "support/ui_helpers.h"

#include <QApplication>
#include <QPushButton>
#include <QSet>
#include <QTimer>

using namespace sonrel;
using namespace sonrel::testing;

namespace {

const QStringList& badTexts() {
    static const QStringList texts = {QString(),
                                      QStringLiteral("abc"),
                                      QStringLiteral("1,2,3"),
                                      QStringLiteral("1e999"),
                                      QStringLiteral("nan"),
                                      QStringLiteral("inf"),
                                      QStringLiteral("-"),
                                      QString(10000, QChar('7')),
                                      QStringLiteral("0"),
                                      QStringLiteral("-5")};
    return texts;
}

// Buttons that leave the window or open others; pressed elsewhere.
bool skipped(int form, const QPushButton* b) {
    static const QSet<QString> leaving = {QStringLiteral("Выход"), QStringLiteral("Закрыть"),
                                          QStringLiteral("Закрыть форму")};
    if (leaving.contains(b->text().trimmed())) return true;
    if (form == 1) {
        static const QSet<QString> navigation = {"Command8",  "Command9",  "Command10", "Command11",
                                                 "Command16", "Command19", "Command20"};
        return navigation.contains(b->objectName());
    }
    return false;
}

bool showsNonFinite(const QLineEdit* f) {
    const QString t = f->text().trimmed().toLower();
    return t.contains(QStringLiteral("nan")) || t.contains(QStringLiteral("inf"));
}

const QSet<QString> kTitles = {QStringLiteral("Sonrel6"), QStringLiteral("Sonrel5m"),
                               QStringLiteral("Sonrel5"), QStringLiteral("Sonrel")};

} // namespace

class BadInput : public WindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(BadInput, EveryFieldEveryButtonAnswersSafely) {
    const int n = GetParam();
    if (!app->windows.available(n)) GTEST_SKIP() << "Form" << n << " is not built";
    boxes.defaultAnswer = QMessageBox::No; // end runs that ask whether to go on
    FormBase* form = app->windows.show(n);
    ASSERT_NE(form, nullptr);

    // A run started by a button is stopped shortly after it starts.
    QTimer stopper;
    QObject::connect(&stopper, &QTimer::timeout, [form] { form->state().stopFlag = 1; });

    int combinations = 0;
    const QList<QLineEdit*> fields = form->findChildren<QLineEdit*>();
    for (QLineEdit* field : fields) {
        const QString original = field->text();
        for (const QString& bad : badTexts()) {
            for (QPushButton* button : form->findChildren<QPushButton*>()) {
                if (skipped(n, button) || !button->isEnabled()) continue;
                field->setText(bad);
                stopper.start(20);
                button->click();
                stopper.stop();
                ++combinations;
                ASSERT_EQ(app->windows.get(n), form)
                    << "window gone after " << qPrintable(button->objectName());
                for (const QLineEdit* f : form->findChildren<QLineEdit*>()) {
                    if (f == field) continue;
                    ASSERT_FALSE(showsNonFinite(f))
                        << qPrintable(f->objectName()) << " shows " << qPrintable(f->text())
                        << " after " << qPrintable(button->objectName()) << " with "
                        << qPrintable(field->objectName()) << " = '" << qPrintable(bad.left(20))
                        << "'";
                }
            }
        }
        field->setText(original);
    }
    for (const auto& m : boxes.shown)
        EXPECT_TRUE(kTitles.contains(m.title)) << qPrintable(m.title);
    RecordProperty("combinations", combinations);
    std::printf("Form%d: %d field/text/button combinations, %zu messages\n", n, combinations,
                boxes.shown.size());
}

INSTANTIATE_TEST_SUITE_P(AllWindows, BadInput, ::testing::Range(1, 11),
                         [](const ::testing::TestParamInfo<int>& i) {
                             return "Form" + std::to_string(i.param);
                         });
