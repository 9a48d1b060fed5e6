// The graph sweep of the main window: 5000 theory points drawn in one handler.
#include "bench_harness.h"
#include "ui/form_base_window.h"

namespace sonrel::bench {

static RunFigures sweepOnce(AppContext& app, const char* argument) {
    QWidget* f = app.windows.show(1);
    click(f, "Command14");
    click(f, argument);
    click(f, "Command12");
    return {5000};
}

static const bool registered = [] {
    registerScenario({"graph sweep VX1, 5000 points",
                      [](AppContext& app) { return sweepOnce(app, "Option6"); }, ""});
    registerScenario({"graph sweep angle, 5000 points",
                      [](AppContext& app) { return sweepOnce(app, "Option8"); }, ""});
    return true;
}();

} // namespace sonrel::bench
