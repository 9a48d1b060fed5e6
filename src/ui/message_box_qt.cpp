#include "ui/message_box_qt.h"

#include "ui/fields_qt.h"

#include <QMessageBox>
#include <QWidget>

namespace sonrel {

void showMessage(QWidget* parent, const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.setObjectName("MessageBox");
    box.exec();
    // Show which field could not be read: focus it with its text selected.
    if (text == kEnterDataCorrectly)
        focusUnreadable();
    else
        takeUnreadable();
}

bool askYesNo(QWidget* parent, const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName("MessageBox");
    return box.exec() == QMessageBox::Yes;
}

void MessageBoxPrompts::tell(const std::string& text, const std::string& title) {
    showMessage(parent_, QString::fromStdString(text), QString::fromStdString(title));
}

bool MessageBoxPrompts::askYesNo(const std::string& text, const std::string& title) {
    return sonrel::askYesNo(parent_, QString::fromStdString(text), QString::fromStdString(title));
}

} // namespace sonrel
