#include "ui/message_box_qt.h"

#include "ui/fields_qt.h"
#include "ui/form_base_window.h"

#include <QMessageBox>
#include <QWidget>
#include <optional>

namespace sonrel {

namespace {

int noAnswers = 0;

FormBase* windowOf(QWidget* w) {
    for (; w; w = w->parentWidget())
        if (auto* form = qobject_cast<FormBase*>(w)) return form;
    return nullptr;
}

// Shows a modal box over parent and returns the button pressed. A window
// that is being closed asks nothing (the answer is No); while the box is
// open the window stays alive, and closing it closes the box.
QMessageBox::StandardButton ask(QWidget* parent, const QString& text, const QString& title,
                                QMessageBox::StandardButtons buttons) {
    FormBase* form = windowOf(parent);
    if (form && form->closeRequested()) return QMessageBox::No;
    std::optional<FormBase::QuestionScope> scope;
    if (form) scope.emplace(*form);
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::translate("Message", title.toUtf8()),
                    QCoreApplication::translate("Message", text.toUtf8()), buttons, parent);
    box.setObjectName("MessageBox");
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

int noAnswersSoFar() {
    return noAnswers;
}

void showMessage(QWidget* parent, const QString& text, const QString& title) {
    ask(parent, text, title, QMessageBox::Ok);
    // Show which field could not be read: focus it with its text selected.
    if (text == kEnterDataCorrectly)
        focusUnreadable();
    else
        takeUnreadable();
}

bool askYesNo(QWidget* parent, const QString& text, const QString& title) {
    const bool yes =
        ask(parent, text, title, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    if (!yes) ++noAnswers;
    return yes;
}

void MessageBoxPrompts::tell(const std::string& text, const std::string& title) {
    showMessage(parent_, QString::fromStdString(text), QString::fromStdString(title));
}

bool MessageBoxPrompts::askYesNo(const std::string& text, const std::string& title) {
    return sonrel::askYesNo(parent_, QString::fromStdString(text), QString::fromStdString(title));
}

} // namespace sonrel
