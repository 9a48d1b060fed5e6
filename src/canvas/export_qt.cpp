#include "canvas/export_qt.h"

#include "base/text_file.h"
#include "ui/message_box_qt.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>

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
    // Every byte is written and flushed to the disk before the rename, so a
    // full disk fails the save however small the file.
    return writeFileAtomically(QFile::encodeName(path).toStdString(), data.toStdString());
}

QString tablePath(const std::string& fileName) {
    return QDir::current().absoluteFilePath(QFile::decodeName(fileName.c_str()));
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
    tellSaved(w, written.isEmpty() ? QString() : ExportTexts::pictureSaved(written), failureText);
}

void tellSaved(QWidget* w, const QString& notice, const QString& failureText) {
    // A notice of an earlier save must not stand beside a failed one.
    showStatus(w, notice);
    if (notice.isEmpty()) showMessage(w, failureText);
}

} // namespace sonrel
