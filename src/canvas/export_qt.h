#pragma once
// What the windows share for results that leave the program: the texts of
// the save entries and notices (kept here, in one place), the file dialog,
// the atomic write and the status-line notice.
#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <string>

class QLabel;
class QWidget;

namespace sonrel {

struct ExportTexts {
    Q_DECLARE_TR_FUNCTIONS(ExportTexts)

public:
    static QString saveAs() { return tr("Сохранить как…"); }
    static QString saveAtScreenSize() { return tr("Сохранить как… (в размере экрана)"); }
    static QString saveReport() { return tr("Сохранить отчет…"); }
    static QString saveTable() { return tr("Сохранить таблицу CSV…"); }
    static QStringList pictureFilters() {
        return {QStringLiteral("PNG (*.png)"), QStringLiteral("BMP (*.bmp)")};
    }
    static QStringList reportFilters() { return {tr("Текст (*.txt)")}; }
    static QStringList tableFilters() { return {QStringLiteral("CSV (*.csv)")}; }
    static QString pictureSaved(const QString& path) { return tr("Рисунок сохранен: ") + path; }
    static QString reportSaved(const QString& path) { return tr("Отчет сохранен: ") + path; }
    static QString tableSaved(const QString& path) { return tr("Таблица сохранена: ") + path; }
};

// Asks for the name of a file to write in a modal file dialog (Qt's own, so
// that it behaves the same everywhere) opened in the current directory.
// Returns the absolute path, or an empty string when the user cancels.
QString askFileToSave(QWidget* parent, const QString& title, const QStringList& filters);

// The path with `suffix` (".csv") appended when its file name has no suffix.
QString withDefaultSuffix(const QString& path, const QString& suffix);

// Writes data to a temporary file beside path, flushed to the disk, and
// renames it over path, so that a failed write (a full disk too) returns
// false and leaves an existing file as it was.
bool writeFileAtomically(const QString& path, const QByteArray& data);

// The absolute path of a data table written under fileName into the current
// directory.
QString tablePath(const std::string& fileName);

// Shows text in the status line (the label "StatusLine") of the window that
// holds w; windows without one show nothing.
void showStatus(QWidget* w, const QString& text);

// A one-line label "StatusLine" for a window without a run's status line;
// a long text is cut at the label's edge instead of widening the window.
QLabel* makeStatusLine(QWidget* parent);

// After a picture save: the notice with the path written, or, when nothing
// was written (an empty path), the message box with failureText.
void tellPictureSaved(QWidget* w, const QString& written, const QString& failureText);

// After any save: the notice in the status line, or, when there is none (the
// save failed), an empty status line and the message box with failureText.
void tellSaved(QWidget* w, const QString& notice, const QString& failureText);

} // namespace sonrel
