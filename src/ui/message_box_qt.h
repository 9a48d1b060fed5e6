#pragma once
// The one place that shows the system's message boxes: exact text and title,
// OK or Yes/No, buttons in the interface language. Texts and titles are the
// Russian source texts; they are translated (context "Message") when shown,
// so a text marked anywhere with QT_TRANSLATE_NOOP("Message", ...) or
// SONREL_TR_NOOP("Message", ...) can be passed as it is.
#include "base/prompts.h"

#include <QCoreApplication>
#include <QString>

class QWidget;

namespace sonrel {

inline const QString kTitle = QStringLiteral("Sonrel6");
inline const QString kEnterDataCorrectly =
    QString::fromUtf8(QT_TRANSLATE_NOOP("Message", "Введите правильно данные"));
inline const QString kSolutionError =
    QString::fromUtf8(QT_TRANSLATE_NOOP("Message", "Ошибка решения"));
inline const QString kCalculationError =
    QString::fromUtf8(QT_TRANSLATE_NOOP("Message", "Ошибка рассчета"));
inline const QString kReportError =
    QString::fromUtf8(QT_TRANSLATE_NOOP("Message", "Ошибка в отчете "));
inline const QString kSaveImageError =
    QString::fromUtf8(QT_TRANSLATE_NOOP("Message", "Ошибка сохранения изображения"));
inline const QString kFileWriteError =
    QString::fromUtf8(QT_TRANSLATE_NOOP("Message", "Ошибка записи в файл"));
inline const QString kPointNotFound =
    QString::fromUtf8(QT_TRANSLATE_NOOP("Message", "Не могу найти эту точку"));

void showMessage(QWidget* parent, const QString& text, const QString& title = kTitle);
bool askYesNo(QWidget* parent, const QString& text, const QString& title = kTitle);
// Questions answered "Нет" since the program started (a run stopped by one
// says so in its status line).
int noAnswersSoFar();

// Prompts answered by message boxes over a window.
class MessageBoxPrompts : public Prompts {
public:
    explicit MessageBoxPrompts(QWidget* parent) : parent_(parent) {}
    void tell(const std::string& text, const std::string& title) override;
    bool askYesNo(const std::string& text, const std::string& title) override;

private:
    QWidget* parent_;
};

} // namespace sonrel
