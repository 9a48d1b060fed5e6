#include "ui/message_box_qt.h"

#include <QMessageBox>
#include <QWidget>

namespace sonrel {

namespace {
int noAnswers = 0;
} // namespace

int noAnswersSoFar() {
    return noAnswers;
}

void showMessage(QWidget* parent, const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.setObjectName("MessageBox");
    box.exec();
}

bool askYesNo(QWidget* parent, const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName("MessageBox");
    const bool yes = box.exec() == QMessageBox::Yes;
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
