#include "support/english.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace sonrel::testing {

namespace {

QString named(const QWidget* w, const QString& text) {
    return (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                      : w->objectName()) +
           QStringLiteral(": ") + text;
}

} // namespace

QStringList untranslatedTexts(QWidget* window) {
    QStringList out;
    auto check = [&](const QWidget* w, const QString& text) {
        if (hasCyrillic(text)) out << named(w, text);
    };
    check(window, window->windowTitle());
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        check(w, w->toolTip());
        if (auto* label = qobject_cast<QLabel*>(w)) check(w, label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w)) check(w, button->text());
        if (auto* group = qobject_cast<QGroupBox*>(w)) check(w, group->title());
        if (auto* text = qobject_cast<QTextEdit*>(w)) check(w, text->toPlainText());
        if (auto* text = qobject_cast<QPlainTextEdit*>(w)) check(w, text->toPlainText());
        if (auto* combo = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i)
                check(w, combo->itemText(i));
    }
    // Menu entries (the pictures' and the report's context menus).
    for (QAction* action : window->findChildren<QAction*>())
        if (hasCyrillic(action->text()) || hasCyrillic(action->toolTip()))
            out << QStringLiteral("action: ") + action->text();
    return out;
}

QStringList clippedCaptions(QWidget* window) {
    QStringList out;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window)) continue;
        QString text;
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->wordWrap())
            text = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            text = button->text();
        if (text.isEmpty() || text.contains(QLatin1Char('\n'))) continue;
        // A control narrower than what its caption needs cuts the caption.
        if (w->width() < w->minimumSizeHint().width() || w->width() + 1 < w->sizeHint().width())
            out << named(w, text) +
                       QStringLiteral(" (%1 px of %2)").arg(w->width()).arg(w->sizeHint().width());
    }
    return out;
}

} // namespace sonrel::testing
