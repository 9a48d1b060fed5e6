#pragma once
// A plain benchmark harness: scenarios register a run; main times each run
// several times and prints medians.
#include "ui/app_context_qt.h"

#include <QMessageBox>
#include <QString>
#include <functional>
#include <string>

namespace sonrel::bench {

struct RunFigures {
    double steps = 0;         // solving steps made by the run
    double cpuShare = -1;     // CPU time of the process over wall time; < 0: not measured
    double repaintGapMs = -1; // longest time between two repaints of the picture; < 0: not measured
};

// One measured run on a fresh program state; returns what it did.
using Run = std::function<RunFigures(AppContext& app)>;

struct Scenario {
    std::string name;
    Run run;
    std::string baseline; // name of the scenario this one is compared with ("" for none)
};

bool registerScenario(Scenario s);

// Clicks a button of a window by its design name.
void click(QWidget* form, const char* name);
void setText(QWidget* form, const char* name, const QString& text);
void setChecked(QWidget* form, const char* name, bool on);
QString textOf(QWidget* form, const char* name);

} // namespace sonrel::bench
