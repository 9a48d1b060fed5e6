#include "ui/fields_qt.h"

#include "app/numbers.h"

namespace sonrel {

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QLineEdit* makeField(QWidget* parent, const char* name, const QString& text) {
    auto* f = new QLineEdit(text, parent);
    f->setObjectName(name);
    f->setMinimumWidth(57);
    return f;
}

QLineEdit* makeField(QWidget* parent, const char* name) {
    return makeField(parent, name, QString::fromLatin1(name));
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption) {
    auto* l = new QLabel(caption, parent);
    l->setObjectName(name);
    return l;
}

QCheckBox* makeCheck(QWidget* parent, const char* name, const QString& caption, bool ticked) {
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(name);
    c->setChecked(ticked);
    return c;
}

QRadioButton* makeOption(QWidget* parent, const char* name, const QString& caption, bool selected) {
    auto* o = new QRadioButton(caption, parent);
    o->setObjectName(name);
    o->setChecked(selected);
    return o;
}

QGroupBox* makeFrame(QWidget* parent, const char* name, const QString& caption) {
    auto* g = new QGroupBox(caption, parent);
    g->setObjectName(name);
    return g;
}

double numberOf(const QLineEdit* field) {
    return readNumber(field->text().toStdString());
}

std::int32_t integerOf(const QLineEdit* field) {
    return readInteger(field->text().toStdString());
}

void setNumber(QLineEdit* field, double x) {
    field->setText(qs(formatNumber(x)));
}

void setTruncated(QLineEdit* field, double x, int digits) {
    field->setText(qs(formatTrunc(x, digits)));
}

} // namespace sonrel
