#pragma once
// Switches the whole interface between Russian and English: the program's
// English catalogue (embedded), Qt's own texts (dialog buttons) and the core's
// text hook. Windows made after the switch show the new language.
#include "app/language.h"

namespace sonrel {

void applyLanguage(Language language);
Language currentLanguage();

} // namespace sonrel
