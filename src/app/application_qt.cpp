#include "app/application_qt.h"

#include "app/language_qt.h"
#include "base/version.h"
#include "ui/app_context_qt.h"
#include "ui/experiment_file_qt.h"
#include "ui/form_base_window.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace sonrel {

namespace {

// Qt's messages while the application connects to the window system are held
// back: when no display can be reached Qt ends with a fatal message (and a core
// dump), and the user gets one line saying why instead.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
QtMessageHandler passOn = nullptr;
std::vector<HeldMessage> held;
std::string noDisplayLine;

void pass(QtMsgType type, const char* category, const QString& text) {
    const QMessageLogContext context(nullptr, 0, nullptr, category);
    if (passOn)
        passOn(type, context, text);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

void holdWhileConnecting(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg && text.contains(QLatin1String("platform plugin"))) {
        std::fprintf(stderr, "%s\n", noDisplayLine.c_str());
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (type == QtFatalMsg) {
        for (const HeldMessage& m : held)
            pass(m.type, m.category.constData(), m.text);
        pass(type, context.category, text);
        return;
    }
    held.push_back({type, QByteArray(context.category), text});
}

} // namespace

void setUpApplication(QApplication& app, Language language) {
    applyLanguage(language);
    app.setApplicationName(QStringLiteral("Sonrel6"));
    QApplication::setApplicationVersion(QStringLiteral(SONREL_VERSION));
    // Lets the desktop match the windows with the installed .desktop file and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(SONREL_APP_ID));
    QIcon icon;
    for (int size : {48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/sonrel6-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
}

int runProgram(int argc, char** argv, Language language,
               const std::function<void(AppContext&)>& started,
               const std::vector<std::string>& files) {
    noDisplayLine = translateEarly(language, "CommandLine", noDisplayText());
    passOn = qInstallMessageHandler(&holdWhileConnecting);
    QApplication qapp(argc, argv);
    qInstallMessageHandler(passOn);
    for (const HeldMessage& m : held)
        pass(m.type, m.category.constData(), m.text);
    held.clear();
    setUpApplication(qapp, language);
    // The shared record lives as long as the process, as windows may outlive each other.
    auto* app = new AppContext;
    app->windows.setEndsProgram(true);
    FormBase* main = app->windows.show(1);
    // Opened from the event loop, so that a message about a bad file shows
    // over the main window that is already up.
    for (const std::string& file : files)
        QTimer::singleShot(0, main, [main, path = QFile::decodeName(file.c_str())] {
            openExperiment(*main, path);
        });
    if (started) started(*app);
    return qapp.exec();
}

} // namespace sonrel
