// Sonrel6: a simulator of the Doppler effect. Starts the main window.
#include "app/application_qt.h"
#include "app/version.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    // Answered before any window-system connection, so it works without a display.
    for (int k = 1; k < argc; ++k) {
        if (std::strcmp(argv[k], "--version") == 0) {
            std::printf("Sonrel6 %s\n", SONREL_VERSION);
            return 0;
        }
    }
    return sonrel::runProgram(argc, argv);
}
