#pragma once
// Gives every push button of a window its one-line tooltip.
class QWidget;

namespace sonrel {

// Sets the tooltip of each button of window `form` (number `number`) to its
// description, followed by its key where the window gave it one.
void applyButtonTooltips(QWidget* form, int number);

} // namespace sonrel
