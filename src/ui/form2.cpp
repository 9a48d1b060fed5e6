#include "ui/form2.h"

#include "base/version.h"
#include "ui/about_text.h"
#include "ui/button_tooltips_qt.h"

#include <QVBoxLayout>

namespace sonrel {

Form2::Form2(AppContext& app) : FormBase(app, 2) {
    setWindowTitle(QStringLiteral("About  Sonrel6   form2"));
    Label1 = makeLabel(this, "Label1",
                       tr("Sonrel6, версия %1 - вычислительные эксперименты с эффектом Доплера")
                           .arg(QStringLiteral(SONREL_VERSION)));
    Label2 = makeLabel(this, "Label2", tr("Ниже описаны действия кнопок всех форм программы"));
    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName("Text1");
    Text1->setReadOnly(true);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The widget keeps lines apart by itself; carriage returns would show as blanks.
    Text1->setPlainText(qs(aboutText()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    Command1 = makeButton(this, "Command1", tr("Закрыть"));
    connect(Command1, &QPushButton::clicked, this, &Form2::unload);

    auto* lay = new QVBoxLayout(this);
    lay->addWidget(Label1);
    lay->addWidget(Label2);
    lay->addWidget(Text1, 1);
    lay->addWidget(Command1, 0, Qt::AlignRight);
    resize(900, 600);
    applyButtonTooltips(this, 2);
}

FormFactory form2Factory() {
    return {[](AppContext& a) -> FormBase* { return new Form2(a); }};
}

} // namespace sonrel
