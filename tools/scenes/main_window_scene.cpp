#include "scene_registry.h"
#include "ui/form_base_window.h"

using namespace sonrel;

static const bool registered = shots::registerScene("main-window", [](AppContext& app, const QString& dir) {
    FormBase* f = app.windows.show(1);
    shots::saveWindow(f, dir + "/main-window.png");
});
