#include "app/application_qt.h"

#include "app/app_context_qt.h"
#include "app/language_qt.h"
#include "app/version.h"

#include <QApplication>
#include <QIcon>

namespace sonrel {

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
               const std::function<void(AppContext&)>& started) {
    QApplication qapp(argc, argv);
    setUpApplication(qapp, language);
    // The shared record lives as long as the process, as windows may outlive each other.
    auto* app = new AppContext;
    app->windows.setEndsProgram(true);
    app->windows.show(1);
    if (started) started(*app);
    return qapp.exec();
}

} // namespace sonrel
