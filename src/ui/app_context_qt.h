#pragma once
// What the application hands to every window: the shared state and the
// window registry.
#include "base/formula_choice.h"
#include "base/shared_state.h"
#include "canvas/report_notice_qt.h"
#include "ui/window_registry_qt.h"

#include <functional>

namespace sonrel {

struct AppContext {
    SharedState state;
    WindowRegistry windows{*this};
    ReportNotice reportNotice; // the report window has closed
    // The formula chosen in the main window's theory panel, while it exists.
    std::function<FormulaSelection()> theorySelection;
};

} // namespace sonrel
