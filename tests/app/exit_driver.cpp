// Starts the program exactly as main() does and presses "Выход" (or closes the
// main window by its close box) at a chosen
// moment: idle, with a message open over the idle main window, during a run
// of the main window, at the main window's question, during a run or a T00 search of Form9, during
// a run of Form3, and with a Form9 run nested in a main-window run. The process must then end by
// itself with exit code 0. Exit code 3 means the moment was not reached.
// The scenario "opened" starts with the experiment files among the arguments
// and prints the calculator's field Text9 once they are open.
// The scenario "t00" presses "1-Задать T00, с" with the defaults and prints
// the frequency field, or the message that came instead, before the exit.
#include "app/application_qt.h"
#include "ui/app_context_qt.h"
#include "ui/form_base_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace sonrel;

namespace {

[[noreturn]] void missed(const char* what) {
    std::fprintf(stderr, "exit_driver: %s\n", what);
    std::fflush(stderr);
    std::_Exit(3);
}

template <typename T> T* find(QWidget* form, const char* name) {
    T* w = form ? form->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    if (!w) missed(name);
    return w;
}

void click(QWidget* form, const char* name) {
    find<QAbstractButton>(form, name)->click();
}

void type(QWidget* form, const char* name, const char* text) {
    find<QLineEdit>(form, name)->setText(QString::fromUtf8(text));
}

// Presses "Выход" of window `exitForm` at the first yield of the run that
// `start` begins, after checking that `running` runs.
void exitDuring(AppContext& app, int exitForm, FormBase* running, const char* start) {
    QTimer::singleShot(0, [&app, exitForm, running] {
        if (!running->running()) missed("the run had ended before the exit");
        click(app.windows.get(exitForm), "Command16");
    });
    click(running, start);
}

// Presses the main window's "Выход" while a message box starting with `text`
// is open over it, checking whether a run is going on.
void exitAtMessage(AppContext& app, const QString& text, bool duringRun) {
    FormBase* f1 = app.windows.get(1);
    auto* poll = new QTimer(f1);
    QObject::connect(poll, &QTimer::timeout, [&app, f1, poll, text, duringRun] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (!box || !box->isVisible()) continue;
            if (!box->text().startsWith(text)) missed("another message than expected");
            if (f1->running() != duringRun) missed("the message came at another moment");
            poll->stop();
            click(app.windows.get(1), "Command16");
            return;
        }
    });
    poll->start(5);
}

// Closes every message box that opens, printing its text.
void closeMessagesAndPrint(QWidget* parent) {
    auto* poll = new QTimer(parent);
    QObject::connect(poll, &QTimer::timeout, [] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (!box || !box->isVisible()) continue;
            std::printf("message: %s\n", box->text().toUtf8().constData());
            box->done(QMessageBox::Ok);
        }
    });
    poll->start(5);
}

void scenario(AppContext& app, const std::string& name) {
    FormBase* f1 = app.windows.get(1);
    if (name == "t00") {
        closeMessagesAndPrint(f1);
        click(f1, "Command13");
        std::printf("v0=%s\n", find<QLineEdit>(f1, "Text24")->text().toUtf8().constData());
        std::fflush(stdout);
        click(f1, "Command16");
    } else if (name == "opened") {
        closeMessagesAndPrint(f1);
        auto* wait = new QTimer(f1);
        QObject::connect(wait, &QTimer::timeout, [&app, f1, wait] {
            FormBase* f5 = app.windows.get(5);
            if (QApplication::activeModalWidget() || !f5) return;
            wait->stop();
            std::printf("Form5 %d Text9=%s\n", f5->isVisible(),
                        qPrintable(find<QLineEdit>(f5, "Text9")->text()));
            click(f1, "Command16");
        });
        wait->start(20);
    } else if (name == "idle") {
        click(f1, "Command16");
    } else if (name == "main-run") {
        type(f1, "Text9", "1E-4");
        click(f1, "Command13");
        exitDuring(app, 1, f1, "Command1");
    } else if (name == "main-question") {
        find<QCheckBox>(f1, "Check1")->setChecked(false);
        click(f1, "Command13");
        exitAtMessage(app, QStringLiteral("ПРОДОЛЖИТЬ ЭКСПЕРИМЕНТ"), true);
        click(f1, "Command1");
    } else if (name == "idle-message") {
        // T00 = 1 s is shorter than the first front's travel: a warning, no run.
        type(f1, "Text18", "1");
        exitAtMessage(app, QStringLiteral("Период формирования"), false);
        click(f1, "Command13");
    } else if (name == "form9-run") {
        click(f1, "Command10");
        exitDuring(app, 9, app.windows.get(9), "Command1");
    } else if (name == "form9-search") {
        click(f1, "Command10");
        FormBase* f9 = app.windows.get(9);
        // Rays between 140 and 160 degrees never meet the receiver at about 40.
        type(f9, "Text35", "150");
        type(f9, "Text34", "20");
        exitDuring(app, 9, f9, "Command13");
    } else if (name == "form3-run") {
        click(f1, "Command10");
        click(app.windows.get(9), "Command8");
        exitDuring(app, 3, app.windows.get(3), "Command1");
    } else if (name == "close-box") {
        // The main window's close box with other windows open.
        click(f1, "Command9");
        click(f1, "Command10");
        f1->close();
    } else if (name == "close-box-run") {
        click(f1, "Command10");
        type(f1, "Text9", "1E-4");
        click(f1, "Command13");
        QTimer::singleShot(0, [f1] {
            if (!f1->running()) missed("the main run had ended");
            f1->close();
        });
        click(f1, "Command1");
    } else if (name == "nested") {
        // A Form9 run started inside a yield of the main window's run.
        type(f1, "Text9", "1E-4");
        click(f1, "Command13");
        QTimer::singleShot(0, [&app, f1] {
            if (!f1->running()) missed("the main run had ended");
            click(f1, "Command10");
            exitDuring(app, 9, app.windows.get(9), "Command1");
        });
        click(f1, "Command1");
    } else {
        missed("unknown scenario");
    }
}

} // namespace

int main(int argc, char** argv) {
    const std::string name = argc > 1 ? argv[argc - 1] : "";
    std::vector<std::string> files;
    for (int k = 1; k + 1 < argc; ++k)
        if (std::string(argv[k]).ends_with(".sonrel")) files.emplace_back(argv[k]);
    return runProgram(
        argc, argv, Language::Russian,
        [name](AppContext& app) { QTimer::singleShot(0, [&app, name] { scenario(app, name); }); },
        files);
}
