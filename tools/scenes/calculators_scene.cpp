#include "calculators/form10.h"
#include "calculators/form5.h"
#include "scene_registry.h"

using namespace sonrel;

// The rod window after the coordinate time and one alignment to T1 under "СТО".
static const bool rodRegistered =
    shots::registerScene("rod", [](AppContext& app, const QString& dir) {
        app.windows.show(1);
        auto* f = static_cast<Form10*>(app.windows.show(10));
        f->Command13->click();
        f->Command1->click();
        shots::saveWindow(f, dir + "/rod.png");
    });

// The auxiliary calculations with the dv/v curves of "СТО=" for the absorber
// and "СТО точно" for the emitter, and one point.
static const bool calculatorsRegistered =
    shots::registerScene("calculators", [](AppContext& app, const QString& dir) {
        app.windows.show(1);
        auto* f = static_cast<Form5*>(app.windows.show(5));
        f->Command1->click();
        f->Option5->setChecked(true);
        f->Option4->setChecked(true);
        f->Command1->click();
        f->Command3->click();
        f->Command4->click();
        f->Command9->click();
        f->VScroll1->setValue(50);
        shots::saveWindow(f, dir + "/calculators.png");
    });
