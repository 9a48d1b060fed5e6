#include "ui/fields_qt.h"

#include "base/errors.h"
#include "base/numbers.h"

#include <QPointer>

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
    // A line edit leaves its cursor at the end of new text and scrolls to it:
    // bring a text the program wrote back to its start. Typing (which marks
    // the field modified) keeps the cursor where the user has it.
    QObject::connect(f, &QLineEdit::textChanged, f, [f] {
        if (!f->isModified()) f->setCursorPosition(0);
    });
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

void makeResultField(QLineEdit* field) {
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
}

void makeResultFields(QWidget* form, std::initializer_list<const char*> names) {
    for (const char* name : names)
        if (auto* f = form->findChild<QLineEdit*>(QString::fromLatin1(name))) makeResultField(f);
}

namespace {
QPointer<QLineEdit> unreadableField;

// Reads a field with `read`, remembering the field when it holds no number.
template <typename Read> auto readField(const QLineEdit* field, Read read) {
    unreadableField.clear();
    try {
        return read(field->text().toStdString());
    } catch (const InputError&) {
        unreadableField = const_cast<QLineEdit*>(field);
        throw;
    }
}
} // namespace

double numberOf(const QLineEdit* field) {
    return readField(field, [](const std::string& t) { return readNumber(t); });
}

std::int32_t integerOf(const QLineEdit* field) {
    return readField(field, [](const std::string& t) { return readInteger(t); });
}

void noteUnreadable(QLineEdit* field) {
    unreadableField = field;
}

QLineEdit* takeUnreadable() {
    QLineEdit* f = unreadableField;
    unreadableField.clear();
    return f;
}

void focusUnreadable() {
    QLineEdit* f = takeUnreadable();
    if (!f || !f->isVisibleTo(f->window())) return;
    QWidget* w = f->window();
    if (w->isVisible()) {
        w->raise();
        w->activateWindow();
    }
    f->setFocus(Qt::OtherFocusReason);
    f->selectAll();
}

namespace {
// setText moves the cursor to the end even when the text stays the same,
// and then no textChanged brings it back: bring it back here.
void showFromStart(QLineEdit* field, const QString& text) {
    field->setText(text);
    field->setCursorPosition(0);
}
} // namespace

void setNumber(QLineEdit* field, double x) {
    showFromStart(field, qs(formatNumber(x)));
}

void setTruncated(QLineEdit* field, double x, int digits) {
    showFromStart(field, qs(formatTrunc(x, digits)));
}

} // namespace sonrel
