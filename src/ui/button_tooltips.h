#pragma once
// One line per button saying what it does, shown as the button's tooltip:
// the button's description in the About text where it has one.
#include <string>
#include <string_view>

namespace sonrel {

// What the button `objectName` of window `form` does, as a sentence starting
// in lower case ("остановить эксперимент."); "" for a button not listed.
std::string buttonDescription(int form, std::string_view objectName);

} // namespace sonrel
