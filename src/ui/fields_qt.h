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
#include <initializer_list>
#include <string>

namespace sonrel {

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption);
// A field with a default text (fields without a default number hold their own name).
// Whatever the program writes into it is shown from its beginning, so a
// narrow field shows the sign and integer part of a long number.
QLineEdit* makeField(QWidget* parent, const char* name, const QString& text);
QLineEdit* makeField(QWidget* parent, const char* name); // text = its name
QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption);
QCheckBox* makeCheck(QWidget* parent, const char* name, const QString& caption, bool ticked);
QRadioButton* makeOption(QWidget* parent, const char* name, const QString& caption, bool selected);
QGroupBox* makeFrame(QWidget* parent, const char* name, const QString& caption);

// A field the program writes and never reads: read-only, and skipped by Tab
// (a click still selects its text for copying).
void makeResultField(QLineEdit* field);
// The same for the fields of `form` with these names.
void makeResultFields(QWidget* form, std::initializer_list<const char*> names);

// Field text as a number; throws InputError when it holds none. The field
// that could not be read is remembered until the next read.
double numberOf(const QLineEdit* field);
std::int32_t integerOf(const QLineEdit* field);
// Remembers `field` as the one whose text could not be taken as a number.
void noteUnreadable(QLineEdit* field);
// The field the last read failed on, if any, forgetting it.
QLineEdit* takeUnreadable();
// Focuses that field with its text selected, so the user can type over it.
void focusUnreadable();
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
