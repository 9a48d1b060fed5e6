#pragma once
// The help text of the About window: what every button of every window does.
#include <string>
#include <vector>

namespace sonrel {

// The lines of the help text in order: the title, an empty line, one section
// per window with its header and one line per button, a closing line.
std::vector<std::string> aboutLines();

// The same lines, each followed by a carriage return and a line feed.
std::string aboutText();

} // namespace sonrel
