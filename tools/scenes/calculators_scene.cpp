#include "calculators/form10.h"
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
