#pragma once
// Switches the whole interface between Russian and English: the program's
// English catalogue (embedded), Qt's own texts (dialog buttons) and the core's
// text hook. Windows made after the switch show the new language.
#include "base/language.h"

#include <string>

namespace sonrel {

void applyLanguage(Language language);
Language currentLanguage();

// source (context `context`) in `language`, read from the catalogue directly:
// for the texts of the command line, answered before the application exists.
std::string translateEarly(Language language, const char* context, const char* source);

} // namespace sonrel
