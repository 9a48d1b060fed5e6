// Renders the program's windows offscreen and saves them as PNG files for the README.
#include "app/application_qt.h"
#include "base/language.h"
#include "scene_registry.h"
#include "ui/run_pacer_qt.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

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
    // "--lang en" (or SONREL_LANG=en) renders the English interface.
    const sonrel::LanguageChoice language =
        sonrel::chooseLanguage(argc, argv, std::getenv("SONREL_LANG"));
    if (!language.error.empty()) {
        std::fprintf(stderr, "screenshots: %s\n", language.error.c_str());
        return 2;
    }
    std::vector<QString> positional;
    for (int k = 1; k < argc; ++k) {
        const std::string arg = argv[k];
        if (arg == "--lang") {
            ++k;
            continue;
        }
        if (arg.rfind("--lang=", 0) == 0) continue;
        positional.push_back(QString::fromLocal8Bit(argv[k]));
    }
    QApplication qapp(argc, argv);
    qapp.setQuitOnLastWindowClosed(false);
    sonrel::setUpApplication(qapp, language.language);
    // Scenes run their experiments at full speed.
    sonrel::RunPacer::setStartingChoice(sonrel::kPaceMax);
    const QString dir = positional.size() > 0 ? positional[0] : QStringLiteral("docs");
    QDir().mkpath(dir);
    const QString only = positional.size() > 1 ? positional[1] : QString();
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
