#pragma once
// Gives every push button, input field, check box and list of a window its
// one-line tooltip.
class QWidget;

namespace sonrel {

// Sets the tooltip of each button of window `form` (number `number`) to its
// description, followed by its key where the window gave it one, and of each
// field, check box and list to what it holds and in which unit.
void applyButtonTooltips(QWidget* form, int number);

} // namespace sonrel
