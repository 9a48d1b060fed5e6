#include "canvas/export_qt.h"

#include "ui/message_box_qt.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QSaveFile>

namespace sonrel {

QString askFileToSave(QWidget* parent, const QString& title, const QStringList& filters) {
    QFileDialog dialog(parent, title, QDir::currentPath());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return {};
    return QFileInfo(files.first()).absoluteFilePath();
}

QString withDefaultSuffix(const QString& path, const QString& suffix) {
    return QFileInfo(path).suffix().isEmpty() ? path + suffix : path;
}

bool writeFileAtomically(const QString& path, const QByteArray& data) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QLabel* makeStatusLine(QWidget* parent) {
    auto* line = new QLabel(parent);
    line->setObjectName(QStringLiteral("StatusLine"));
    line->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    line->setMinimumWidth(1);
    line->setFixedHeight(line->fontMetrics().lineSpacing() + 2);
    return line;
}

void showStatus(QWidget* w, const QString& text) {
    if (!w) return;
    if (auto* line = w->window()->findChild<QLabel*>(QStringLiteral("StatusLine")))
        line->setText(text);
}

void tellPictureSaved(QWidget* w, const QString& written, const QString& failureText) {
    if (written.isEmpty())
        showMessage(w, failureText);
    else
        showStatus(w, ExportTexts::pictureSaved(written));
}

} // namespace sonrel
