// Renders the program's windows offscreen and saves them as PNG files for the README.
#include "app/application_qt.h"
#include "scene_registry.h"
#include "ui/run_pacer_qt.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <map>
#include <string>

namespace sonrel::shots {

static std::map<std::string, Scene>& scenes() {
    static std::map<std::string, Scene> all;
    return all;
}

bool registerScene(const char* name, Scene scene) {
    scenes()[name] = std::move(scene);
    return true;
}

void settle(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

void saveWindow(QWidget* window, const QString& path) {
    settle();
    window->grab().save(path);
    std::printf("saved %s\n", qPrintable(path));
}

} // namespace sonrel::shots

int main(int argc, char** argv) {
    // A 1920×1080 screen, so the windows open at the size a desktop gives them.
    QTemporaryDir screenDir;
    const QString screenConfig = screenDir.filePath(QStringLiteral("screen.json"));
    QFile config(screenConfig);
    if (config.open(QIODevice::WriteOnly)) {
        config.write("{\"screens\": [{\"name\": \"shots\", \"x\": 0, \"y\": 0, "
                     "\"width\": 1920, \"height\": 1080, \"logicalDpi\": 96}]}");
        config.close();
        qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screenConfig).toLocal8Bit());
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication qapp(argc, argv);
    qapp.setQuitOnLastWindowClosed(false);
    sonrel::setUpApplication(qapp);
    // Scenes run their experiments at full speed.
    sonrel::RunPacer::setStartingChoice(sonrel::kPaceMax);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QDir().mkpath(dir);
    const QString only = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    for (auto& [name, scene] : sonrel::shots::scenes()) {
        if (!only.isEmpty() && only != QString::fromStdString(name)) continue;
        // Each scene starts from a fresh program state.
        auto* app = new sonrel::AppContext;
        const QString here = QDir::currentPath();
        scene(*app, dir);
        QDir::setCurrent(here);
        app->state.stopFlag = 1;
        app->windows.unloadAll();
        sonrel::shots::settle(20);
    }
    return 0;
}
