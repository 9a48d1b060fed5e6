// Default runs of the comparison, medium and membrane windows, with and
// without animation, through their real windows; the medium window's also
// with every beam in flight ("все фронты").
#include "bench_harness.h"
#include "ui/form_base_window.h"

#include <cmath>

namespace sonrel::bench {

namespace {

// Each window runs in its own record: its model time and step tell the steps.
double stepsMade(AppContext& app, int form) {
    const SharedState& s = app.windows.show(form)->state();
    return s.dt > 0 ? std::round(s.T / s.dt) : 0;
}

RunFigures startRun(AppContext& app, int form, const char* animation, bool animated) {
    QWidget* f = app.windows.show(form);
    setChecked(f, animation, animated);
    click(f, "Command1");
    return {stepsMade(app, form)};
}

// The comparison window's default run with every period's beam in flight
// ("все фронты"): it runs on to the 20-front limit instead of stopping at
// the first beam that misses its emission.
RunFigures allFrontsRun(AppContext& app, bool animated) {
    QWidget* f = app.windows.show(9);
    setChecked(f, "CheckAllFronts", true);
    setChecked(f, "Check6", animated);
    click(f, "Command1");
    return {stepsMade(app, 9)};
}

// The same default run with every beam traced on its own ("все фронты").
RunFigures allBeamsRun(AppContext& app, int form, const char* animation, bool animated) {
    QWidget* f = app.windows.show(form);
    setChecked(f, "CheckAllFronts", true);
    return startRun(app, form, animation, animated);
}

RunFigures membraneRun(AppContext& app) {
    QWidget* f = app.windows.show(8);
    click(f, "Command13");
    click(f, "Command1");
    return {stepsMade(app, 8)};
}

const bool registered = [] {
    registerScenario({"comparison (Form9): without animation",
                      [](AppContext& a) { return startRun(a, 9, "Check6", false); }, ""});
    registerScenario({"comparison (Form9): + анимация",
                      [](AppContext& a) { return startRun(a, 9, "Check6", true); },
                      "comparison (Form9): without animation"});
    registerScenario({"comparison (Form9): все фронты, no animation",
                      [](AppContext& a) { return allFrontsRun(a, false); },
                      "comparison (Form9): without animation"});
    registerScenario({"comparison (Form9): все фронты + анимация",
                      [](AppContext& a) { return allFrontsRun(a, true); },
                      "comparison (Form9): + анимация"});
    registerScenario({"medium (Form3): without animation",
                      [](AppContext& a) { return startRun(a, 3, "Check6", false); }, ""});
    registerScenario({"medium (Form3): + анимация",
                      [](AppContext& a) { return startRun(a, 3, "Check6", true); },
                      "medium (Form3): without animation"});
    registerScenario({"medium (Form3): все фронты, without animation",
                      [](AppContext& a) { return allBeamsRun(a, 3, "Check6", false); },
                      "medium (Form3): without animation"});
    registerScenario({"medium (Form3): все фронты + анимация",
                      [](AppContext& a) { return allBeamsRun(a, 3, "Check6", true); },
                      "medium (Form3): + анимация"});
    registerScenario({"membrane (Form8): default run to 20 fronts", membraneRun, ""});
    return true;
}();

} // namespace

} // namespace sonrel::bench
