#include "ui/button_tooltips_qt.h"

#include "ui/button_tooltips.h"
#include "ui/field_tooltips.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace sonrel {

namespace {

QString sentence(const std::string& description) {
    QString text = QString::fromStdString(description);
    if (text.isEmpty()) return text;
    text[0] = text[0].toUpper();
    if (text.endsWith(QLatin1Char('.'))) text.chop(1);
    return text;
}

} // namespace

void applyButtonTooltips(QWidget* form, int number) {
    for (QPushButton* b : form->findChildren<QPushButton*>()) {
        const QString text = sentence(buttonDescription(number, b->objectName().toStdString()));
        if (text.isEmpty()) continue;
        b->setToolTip(text + b->property("shortcutText").toString());
    }
    const auto describe = [number](QWidget* w) {
        // Written as shown: a line may start with a quantity's own name ("dt: …").
        const QString text =
            QString::fromStdString(fieldDescription(number, w->objectName().toStdString()));
        if (!text.isEmpty()) w->setToolTip(text);
    };
    for (QLineEdit* f : form->findChildren<QLineEdit*>())
        describe(f);
    for (QCheckBox* c : form->findChildren<QCheckBox*>())
        describe(c);
}

} // namespace sonrel
