#pragma once
#include <functional>

class QApplication;

namespace sonrel {

struct AppContext;

// Russian texts for Qt's own buttons, the Cyrillic font, the decimal comma locale.
void setUpApplication(QApplication& app);

// The program: the application, the shared record and the main window, then
// the event loop until the last window has gone. started, if given, runs just
// before the event loop (a test driver schedules its presses there). Returns
// the exit code.
int runProgram(int argc, char** argv, const std::function<void(AppContext&)>& started = {});

} // namespace sonrel
