// The main window's default experiment: 20 fronts, through the window with
// its animation and labels, and through the core model alone.
#include "base/prompts.h"
#include "bench_harness.h"
#include "experiments/classic/classic_model.h"
#include "ui/form_base_window.h"

#include <cmath>

namespace sonrel::bench {

namespace {

// A user who answers every question with Yes.
struct GoOn : Prompts {
    void tell(const std::string&, const std::string&) override {}
    bool askYesNo(const std::string&, const std::string&) override { return true; }
};

RunFigures windowRun(AppContext& app) {
    QWidget* f = app.windows.show(1);
    setChecked(f, "Check9", true);
    click(f, "Command13");
    click(f, "Command1");
    return {std::round(app.state.T / app.state.dt)};
}

RunFigures modelRun(AppContext& app, bool allFronts) {
    SharedState& s = app.state;
    // The window's defaults, as "1-Задать T00, с" and "2-Начать эксперимент" read them.
    s.Vs = 20;
    s.T00 = 5;
    s.X(1) = 86.60254, s.Y(1) = 50, s.X(2) = 50, s.Y(2) = 0;
    s.VX(1) = 6, s.VY(1) = 0, s.VX(2) = 10, s.VY(2) = 0;
    s.v0 = placeFirstPeriod(s);
    firstFrontTravelTime(s);
    s.X(1) = 86.60254, s.Y(1) = 50, s.X(2) = 50, s.Y(2) = 0;
    s.dt = 1e-3, s.NC0 = 20, s.pictureScale = 5, s.T00 = 5, s.v0 = 0.2;
    AllFrontsState fronts;
    fronts.allFronts = allFronts;
    setupRun(s, fronts);
    GoOn prompts;
    long steps = 0;
    try {
        while (!stepExperiment(s, fronts, {true, true}, prompts).endRun)
            ++steps;
    } catch (const std::exception&) {
        // The run ends at the 20-front limit.
    }
    return {static_cast<double>(steps)};
}

const bool registered = [] {
    registerScenario({"main: core model alone, 20 fronts",
                      [](AppContext& app) { return modelRun(app, false); }, ""});
    registerScenario({"main: window, animation + текст, 20 fronts", windowRun,
                      "main: core model alone, 20 fronts"});
    return true;
}();

} // namespace

} // namespace sonrel::bench

namespace sonrel::bench {
namespace {
RunFigures windowRunNoText(AppContext& app) {
    QWidget* f = app.windows.show(1);
    setChecked(f, "Check9", false);
    click(f, "Command13");
    click(f, "Command1");
    return {std::round(app.state.T / app.state.dt)};
}
const bool registeredNoText = registerScenario(
    {"main: window, animation without text", windowRunNoText, "main: core model alone, 20 fronts"});
} // namespace
} // namespace sonrel::bench

// The same runs with "все фронты": every front in flight grows and is drawn.
namespace sonrel::bench {
namespace {
RunFigures windowRunAllFronts(AppContext& app, bool withText) {
    QWidget* f = app.windows.show(1);
    setChecked(f, "Check9", withText);
    setChecked(f, "CheckAllFronts", true);
    click(f, "Command13");
    click(f, "Command1");
    return {std::round(app.state.T / app.state.dt)};
}
RunFigures modelRunAllFronts(AppContext& app) {
    return modelRun(app, true);
}
const bool registeredAllFronts = [] {
    registerScenario({"main все фронты: core model alone, 20 fronts", modelRunAllFronts,
                      "main: core model alone, 20 fronts"});
    registerScenario({"main все фронты: window, animation + текст",
                      [](AppContext& app) { return windowRunAllFronts(app, true); },
                      "main: window, animation + текст, 20 fronts"});
    registerScenario({"main все фронты: window, animation without text",
                      [](AppContext& app) { return windowRunAllFronts(app, false); },
                      "main: window, animation without text"});
    return true;
}();
} // namespace
} // namespace sonrel::bench
