#include "ui/button_tooltips_qt.h"

#include "ui/button_tooltips.h"

#include <QPushButton>

namespace sonrel {

void applyButtonTooltips(QWidget* form, int number) {
    for (QPushButton* b : form->findChildren<QPushButton*>()) {
        QString text =
            QString::fromStdString(buttonDescription(number, b->objectName().toStdString()));
        if (text.isEmpty()) continue;
        text[0] = text[0].toUpper();
        if (text.endsWith(QLatin1Char('.'))) text.chop(1);
        b->setToolTip(text + b->property("shortcutText").toString());
    }
}

} // namespace sonrel
