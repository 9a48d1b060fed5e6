// Window tests run the real windows on Qt's offscreen platform.
#include "app/application_qt.h"
#include "ui/run_pacer_qt.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // A test may start this program again on an offscreen screen of its own
    // size ("offscreen:configfile=..."): keep that choice.
    if (!qgetenv("QT_QPA_PLATFORM").startsWith("offscreen"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    sonrel::setUpApplication(app);
    // Experiments run at full speed; the pace tests choose a pace themselves.
    sonrel::RunPacer::setStartingChoice(sonrel::kPaceMax);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
