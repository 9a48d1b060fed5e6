#pragma once
// The text fields of a calculator window by their design names, to compare a
// calculation made with one interface language with the same one made with
// the other.
#include "support/english.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>

namespace sonrel::testing {

inline QMap<QString, QString> fieldTexts(QWidget* form) {
    QMap<QString, QString> out;
    for (QLineEdit* e : form->findChildren<QLineEdit*>())
        out.insert(e->objectName(), e->text());
    return out;
}

// The title, captions, frame titles, fields and messages shown that still
// have Cyrillic letters (the tooltips have their own check).
inline QStringList russianLeft(QWidget* form, const std::vector<ShownMessage>& shown) {
    QStringList out;
    const auto check = [&](const QString& name, const QString& text) {
        if (hasCyrillic(text)) out << name + QStringLiteral(": ") + text;
    };
    check(QStringLiteral("title"), form->windowTitle());
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<QLabel*>(w)) check(w->objectName(), label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            check(w->objectName(), button->text());
        if (auto* group = qobject_cast<QGroupBox*>(w)) check(w->objectName(), group->title());
        if (auto* field = qobject_cast<QLineEdit*>(w)) check(w->objectName(), field->text());
    }
    for (const ShownMessage& m : shown)
        check(QStringLiteral("message"), m.title + QStringLiteral(" / ") + m.text);
    return out;
}

} // namespace sonrel::testing
