#pragma once
#include "base/language.h"

#include <functional>
#include <string>
#include <vector>

class QApplication;

namespace sonrel {

struct AppContext;

// The interface language (Russian unless English is chosen), the application's
// name, version and icon.
void setUpApplication(QApplication& app, Language language = Language::Russian);

// The program: the application, the shared record and the main window, then
// the event loop until the last window has gone. started, if given, runs just
// before the event loop (a test driver schedules its presses there); the
// experiment files are opened, each in its window, once the loop runs.
// Returns the exit code.
int runProgram(int argc, char** argv, Language language = Language::Russian,
               const std::function<void(AppContext&)>& started = {},
               const std::vector<std::string>& files = {});

} // namespace sonrel
