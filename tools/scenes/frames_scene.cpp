#include "calculators/form6.h"
#include "scene_registry.h"

using namespace sonrel;

static const bool registeredTransform =
    shots::registerScene("frame-transform", [](AppContext& app, const QString& dir) {
        app.windows.show(1);
        auto* f = static_cast<Form6*>(app.windows.show(6));
        f->Option10->setChecked(true);
        f->Option5->setChecked(true);
        f->Check2->setChecked(true);
        f->Text3->setText(QStringLiteral("8"));
        f->Command1->click();
        shots::settle();
        shots::saveWindow(f, dir + "/frame-transform.png");
    });

static const bool registeredScheme =
    shots::registerScene("scheme", [](AppContext& app, const QString& dir) {
        app.windows.show(1);
        FormBase* f = app.windows.show(7);
        shots::settle();
        shots::saveWindow(f, dir + "/scheme.png");
    });
