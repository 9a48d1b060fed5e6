// Sonrel6: a simulator of the Doppler effect. Starts the main window.
#include "app/application_qt.h"
#include "app/language.h"
#include "app/version.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    // Answered before any window-system connection, so it works without a display.
    for (int k = 1; k < argc; ++k) {
        if (std::strcmp(argv[k], "--version") == 0) {
            std::printf("Sonrel6 %s\n", SONREL_VERSION);
            return 0;
        }
    }
    const sonrel::LanguageChoice choice =
        sonrel::chooseLanguage(argc, argv, std::getenv("SONREL_LANG"));
    if (!choice.error.empty()) {
        std::fprintf(stderr, "sonrel6: %s\n", choice.error.c_str());
        return 2;
    }
    if (!choice.warning.empty()) std::fprintf(stderr, "sonrel6: %s\n", choice.warning.c_str());
    return sonrel::runProgram(argc, argv, choice.language);
}
