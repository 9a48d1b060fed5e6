// Sonrel6: a simulator of the Doppler effect. Starts the main window.
#include "app/app_context_qt.h"
#include "app/application_qt.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    sonrel::setUpApplication(qapp);
    // The shared record lives as long as the process, as windows may outlive each other.
    auto* app = new sonrel::AppContext;
    app->windows.show(1);
    return qapp.exec();
}
