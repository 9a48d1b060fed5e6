#pragma once
// The interface language. The program is Russian whatever the system's
// locale; English is chosen explicitly, on the command line or in the
// environment variable SONREL_LANG.
#include <string>

namespace sonrel {

enum class Language { Russian, English };

struct LanguageChoice {
    Language language = Language::Russian;
    std::string error;   // an unusable --lang: the program does not start
    std::string warning; // an unusable SONREL_LANG: Russian, with a word on stderr
};

// "--lang xx" or "--lang=xx" (the last one counts) before environmentValue
// (SONREL_LANG, may be null); xx is "ru" or "en" in either case.
LanguageChoice chooseLanguage(int argc, const char* const* argv, const char* environmentValue);

// The code used on the command line: "ru" or "en".
const char* languageCode(Language language);

} // namespace sonrel
