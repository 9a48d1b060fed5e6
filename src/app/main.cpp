// Sonrel6: a simulator of the Doppler effect. Starts the main window.
#include "app/application_qt.h"

int main(int argc, char** argv) {
    return sonrel::runProgram(argc, argv);
}
