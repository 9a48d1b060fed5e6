#include "app/application_qt.h"

#include "app/app_context_qt.h"
#include "app/version.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace sonrel {

void setUpApplication(QApplication& app) {
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(translator);
    app.setApplicationName(QStringLiteral("Sonrel6"));
    QApplication::setApplicationVersion(QStringLiteral(SONREL_VERSION));
    // Lets the desktop match the windows with the installed .desktop file and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(SONREL_APP_ID));
    QIcon icon;
    for (int size : {48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/sonrel6-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
}

int runProgram(int argc, char** argv, const std::function<void(AppContext&)>& started) {
    QApplication qapp(argc, argv);
    setUpApplication(qapp);
    // The shared record lives as long as the process, as windows may outlive each other.
    auto* app = new AppContext;
    app->windows.setEndsProgram(true);
    app->windows.show(1);
    if (started) started(*app);
    return qapp.exec();
}

} // namespace sonrel
