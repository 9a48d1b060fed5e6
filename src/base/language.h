#pragma once
// The interface language. The program is Russian whatever the system's
// locale; English is chosen explicitly, on the command line or in the
// environment variable SONREL_LANG.
#include <string>
#include <vector>

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

// The language the interface shows now (Russian until the application
// switches it), for texts kept in both languages outside the catalogue.
Language interfaceLanguage();
void setInterfaceLanguage(Language language);

// The code used on the command line: "ru" or "en".
const char* languageCode(Language language);

// What the command line asks for. Besides --lang the program knows --help
// (-h) and --version, and lets Qt's own options through (-platform NAME,
// -style NAME, -reverse …); anything else is refused before a window opens.
enum class StartAction { Run, Help, Version, Refuse };

struct CommandLine {
    StartAction action = StartAction::Run;
    LanguageChoice choice;          // choice.error set: the program does not start
    std::string refused;            // the argument refused (Refuse)
    std::vector<std::string> files; // experiment files to open, in order
};

CommandLine readCommandLine(int argc, const char* const* argv, const char* environmentValue);

// The command line's answers, Russian source texts for the translation
// catalogue (context "CommandLine"): the usage (%1 the program's name), the
// refusal of an argument (%1 the argument) and the start without a display;
// the usage's paragraph on experiment files follows the usage (%1 the same).
const char* usageText();
const char* experimentUsageText();
const char* refusedArgumentText();
const char* noDisplayText();

} // namespace sonrel
