#include "experiments/membrane/form8.h"
#include "scene_registry.h"

#include <QElapsedTimer>

using namespace sonrel;

// The membrane window after aiming and a full run with the default fields.
static const bool registered =
    shots::registerScene("membrane", [](AppContext& app, const QString& dir) {
        app.windows.show(1);
        auto* f = static_cast<Form8*>(app.windows.show(8));
        f->Command13->click();
        QElapsedTimer t;
        t.start();
        f->Command1->click();
        std::printf("run: %lld ms, T = %g s, front %d\n", static_cast<long long>(t.elapsed()),
                    f->state().T, f->state().frontIndex);
        shots::saveWindow(f, dir + "/membrane.png");
    });
