#include "experiments/fit_picture_qt.h"

#include "base/errors.h"
#include "ui/fields_qt.h"
#include "ui/form_base_window.h"
#include "ui/message_box_qt.h"

#include <QCoreApplication>

namespace sonrel {

namespace {

double fieldNumber(QWidget* form, const char* name) {
    auto* field = form->findChild<QLineEdit*>(QString::fromLatin1(name));
    if (!field) throw InputError(name);
    return numberOf(field);
}

void fit(FormBase& form, const FitButtonSetup& setup) {
    // The run draws with the scale it started with; it is changed between runs only.
    if (form.running()) return;
    FitMotion m;
    double current = 0, pad = 0;
    try {
        m = {fieldNumber(&form, "Text1"), fieldNumber(&form, "Text5"), fieldNumber(&form, "Text3"),
             fieldNumber(&form, "Text7"), fieldNumber(&form, "Text2"), fieldNumber(&form, "Text6"),
             fieldNumber(&form, "Text4"), fieldNumber(&form, "Text8"), fieldNumber(&form, "Text12"),
             fieldNumber(&form, "Text18")};
        current = fieldNumber(&form, "Text19");
        if (setup.pad) pad = setup.pad();
        if (setup.adjust) setup.adjust(m);
    } catch (const InputError&) {
        showMessage(&form, kEnterDataCorrectly);
        return;
    }
    try {
        const PictureFit f = fitPicture(m, setup.picture, setup.originFixed, current, pad);
        setNumber(form.findChild<QLineEdit*>(QStringLiteral("Text19")), f.scale);
        if (setup.applied) setup.applied(f);
    } catch (const MathError&) {
        showMessage(&form, kCalculationError);
    }
}

} // namespace

QPushButton* makeFitButton(FormBase& form, QWidget* parent, FitButtonSetup setup) {
    QPushButton* b = makeButton(parent, "CommandFit",
                                QCoreApplication::translate("sonrel::FitPicture", "Вписать опыт"));
    QObject::connect(b, &QPushButton::clicked, &form,
                     [&form, setup = std::move(setup)] { fit(form, setup); });
    return b;
}

} // namespace sonrel
