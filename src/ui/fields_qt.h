#pragma once
// Builders for controls named by their design names, and reading and writing
// numbers in text fields.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <cstdint>
#include <string>

namespace sonrel {

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption);
// A field with a default text (fields without a default number hold their own name).
QLineEdit* makeField(QWidget* parent, const char* name, const QString& text);
QLineEdit* makeField(QWidget* parent, const char* name); // text = its name
QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption);
QCheckBox* makeCheck(QWidget* parent, const char* name, const QString& caption, bool ticked);
QRadioButton* makeOption(QWidget* parent, const char* name, const QString& caption, bool selected);
QGroupBox* makeFrame(QWidget* parent, const char* name, const QString& caption);

// Field text as a number; throws InputError when it holds none.
double numberOf(const QLineEdit* field);
std::int32_t integerOf(const QLineEdit* field);
// Writes a number with formatNumber (throws MathError for a non-finite value).
void setNumber(QLineEdit* field, double x);
// Writes Fix(x·10^digits)/10^digits.
void setTruncated(QLineEdit* field, double x, int digits);

inline QString qs(const std::string& s) {
    return QString::fromStdString(s);
}
inline std::string ss(const QString& s) {
    return s.toStdString();
}

} // namespace sonrel
