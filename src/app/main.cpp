// Sonrel6: a simulator of the Doppler effect. Starts the main window.
#include "app/application_qt.h"
#include "app/language_qt.h"
#include "base/language.h"
#include "base/translate.h"
#include "base/version.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    using namespace sonrel;
    // Answered before any window-system connection, so it works without a display.
    const CommandLine line = readCommandLine(argc, argv, std::getenv("SONREL_LANG"));
    if (line.action == StartAction::Version) {
        std::printf("Sonrel6 %s\n", SONREL_VERSION);
        return 0;
    }
    if (!line.choice.error.empty()) {
        std::fprintf(stderr, "sonrel6: %s\n", line.choice.error.c_str());
        return 2;
    }
    const Language language = line.choice.language;
    if (line.action == StartAction::Refuse) {
        std::fprintf(
            stderr, "sonrel6: %s\n",
            fillPlaceholders(translateEarly(language, "CommandLine", refusedArgumentText()),
                             {line.refused})
                .c_str());
        return 2;
    }
    if (line.action == StartAction::Help) {
        for (const char* text : {usageText(), experimentUsageText()})
            std::fputs(fillPlaceholders(translateEarly(language, "CommandLine", text), {"sonrel6"})
                           .c_str(),
                       stdout);
        return 0;
    }
    if (!line.choice.warning.empty())
        std::fprintf(stderr, "sonrel6: %s\n", line.choice.warning.c_str());
    return runProgram(argc, argv, language, {}, line.files);
}
