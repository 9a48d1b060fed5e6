#pragma once
// One line per input field, check box and list of a window saying what it
// holds and in which unit, shown as its tooltip.
#include <string>
#include <string_view>

namespace sonrel {

// What the control `objectName` of window `form` holds, in the chosen
// language ("шаг решения dt, с"); "" for a control not listed.
std::string fieldDescription(int form, std::string_view objectName);

} // namespace sonrel
