#pragma once
// The one place that shows the system's message boxes: exact text and title,
// OK or Yes/No, buttons in Russian.
#include "app/prompts.h"

#include <QString>

class QWidget;

namespace sonrel {

inline const QString kTitle = QStringLiteral("Sonrel6");
inline const QString kEnterDataCorrectly = QStringLiteral("Введите правильно данные");
inline const QString kSolutionError = QStringLiteral("Ошибка решения");
inline const QString kCalculationError = QStringLiteral("Ошибка рассчета");
inline const QString kReportError = QStringLiteral("Ошибка в отчете ");
inline const QString kSaveImageError = QStringLiteral("Ошибка сохранения изображения");
inline const QString kFileWriteError = QStringLiteral("Ошибка записи в файл");
inline const QString kPointNotFound = QStringLiteral("Не могу найти эту точку");

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
