#pragma once
// The About window: the help text describing every button of the program.
#include "ui/fields_qt.h"
#include "ui/form_base_window.h"

#include <QPlainTextEdit>

namespace sonrel {

class Form2 : public FormBase {
    Q_OBJECT
public:
    explicit Form2(AppContext& app);

    QLabel* Label1;        // what the program is
    QLabel* Label2;        // what the text below describes
    QPlainTextEdit* Text1; // the help text, read-only
    QPushButton* Command1; // "Закрыть"
};

} // namespace sonrel
