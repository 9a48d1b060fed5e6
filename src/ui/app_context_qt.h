#pragma once
// What the application hands to every window: the shared state and the
// window registry.
#include "base/shared_state.h"
#include "canvas/report_notice_qt.h"
#include "ui/window_registry_qt.h"

namespace sonrel {

struct AppContext {
    SharedState state;
    WindowRegistry windows{*this};
    ReportNotice reportNotice; // the report window has closed
};

} // namespace sonrel
