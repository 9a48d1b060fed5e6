#pragma once
// The scheme window: the notation of the frame transformation calculator.
#include "canvas/canvas_widget.h"
#include "ui/form_base_window.h"

namespace sonrel {

class Form7 : public FormBase {
    Q_OBJECT
public:
    explicit Form7(AppContext& app);

    CanvasWidget* Picture1; // the scheme, 581 × 376 pixels
};

} // namespace sonrel
