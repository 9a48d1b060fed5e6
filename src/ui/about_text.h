#pragma once
// The help text of the About window: what every button of every window does.
#include <string>
#include <string_view>
#include <vector>

namespace sonrel {

// The lines of the help text in the chosen language, in order: the title, an empty line, one
// section per window with its header and one line per button, a closing line.
std::vector<std::string> aboutLines();

// The description of the button captioned `caption` (its Russian caption in
// the text) in the section of window `form` ("остановить эксперимент.", in
// the chosen language), or "" when there is none.
std::string aboutButtonDescription(int form, std::string_view caption);

// The same lines, each followed by a carriage return and a line feed.
std::string aboutText();

} // namespace sonrel
