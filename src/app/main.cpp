// Sonrel6: a simulator of the Doppler effect. Starts the main window.
#include "app/app_context_qt.h"
#include "app/application_qt.h"
#include "app/version.h"

#include <QApplication>
#include <QIcon>
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
    QApplication qapp(argc, argv);
    sonrel::setUpApplication(qapp);
    QApplication::setApplicationVersion(QStringLiteral(SONREL_VERSION));
    // Lets the desktop match the windows with the installed .desktop file and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(SONREL_APP_ID));
    QIcon icon;
    for (int size : {48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/sonrel6-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    // The shared record lives as long as the process, as windows may outlive each other.
    auto* app = new sonrel::AppContext;
    app->windows.show(1);
    return qapp.exec();
}
