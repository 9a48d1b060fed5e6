#pragma once
// Experiment files in the windows: a window's fields, check boxes, option
// buttons and lists collected into an ExperimentSetup and filled in from one, the
// entries "Открыть опыт…" (Ctrl+O) and "Сохранить опыт…", and a *.sonrel file
// dropped on the window.
#include "base/experiment_file.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace sonrel {

class FormBase;

struct ExperimentFiles {
    Q_DECLARE_TR_FUNCTIONS(ExperimentFiles)

public:
    static QString openEntry() { return tr("Открыть опыт…"); }
    static QString saveEntry() { return tr("Сохранить опыт…"); }
    static QStringList filters() { return {tr("Опыт Sonrel6 (*.sonrel)")}; }
    static QString saved(const QString& path) { return tr("Опыт сохранен: ") + path; }
    static QString running() { return tr("В окне идет опыт: остановите его, затем откройте файл"); }
    static QString noEntry() { return tr("в списке «%1» нет пункта «%2»"); }
    static QString examplesEntry() { return tr("Примеры"); }
};

// The window's inputs, in the order the window made them: every field the
// user types into (result fields are read-only and left out), check box,
// option button and list with a design name, each with its caption.
ExperimentSetup collectExperiment(FormBase& form);

// Fills the window's controls with the values as the user would: checks
// every value first and changes nothing when one does not fit (the message
// naming fileName is returned; empty when applied). Values of controls the
// window does not have, and of its result fields, are ignored. Starts nothing.
QString applyExperiment(FormBase& form, const ExperimentSetup& experiment, const QString& fileName);

// Opens the file in the window it belongs to (shown through the registry)
// and, when the file asks for it, presses that window's start button. A file
// that cannot be opened is told in a message box over `from`; every window
// stays as it was. Returns the window filled in, or null.
FormBase* openExperiment(FormBase& from, const QString& path);

// Writes the window's set-up to path, with the notice in the status line or
// the message box when nothing could be written.
bool saveExperiment(FormBase& form, const QString& path);

// The ready-made examples of window n, built into the program as
// :/examples/Form<n>/*.sonrel, in the order of their names.
QStringList examplesOf(int window);

// Fills the window with the example at path and tells its title and what to
// watch for in a message box; nothing runs. False (with the reason in a
// message box) when the window is running or the example does not fit it.
bool openExample(FormBase& form, const QString& path);

// The two entries on the window's context menu and on its pictures' menus,
// the submenu "Примеры" (MenuExamples) of the window's examples beside them,
// Ctrl+O, and opening a *.sonrel file dropped on the window.
void installExperimentFileActions(FormBase& form);

} // namespace sonrel
