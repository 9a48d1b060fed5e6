#pragma once
// Answers the next file dialog as a user would: waits for it among the
// top-level windows, types the name and accepts it.
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>

namespace sonrel::testing {

class FileDialogAnswerer {
public:
    // Accepts every dialog that appears with `name` (relative to the
    // dialog's folder, or absolute); an empty name cancels it.
    explicit FileDialogAnswerer(QString name) : name_(std::move(name)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start(10);
    }
    int answered = 0;
    QString folder;      // the folder the last dialog opened in
    QStringList filters; // its name filters
    bool nonNative = false;

private:
    void poll() {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            if (!dialog || !dialog->isVisible()) continue;
            ++answered;

            folder = dialog->directory().absolutePath();
            filters = dialog->nameFilters();
            nonNative = dialog->testOption(QFileDialog::DontUseNativeDialog);
            if (name_.isEmpty()) {
                dialog->reject();
            } else {
                // Typed into the name field: selectFile() leaves a field that
                // has the focus as it is.
                if (auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                    edit->setText(name_);
                else
                    dialog->selectFile(name_);
                static_cast<QDialog*>(dialog)->accept(); // as the Save button does
            }
        }
    }
    QString name_;
    QTimer timer_;
};

} // namespace sonrel::testing
