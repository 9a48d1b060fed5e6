#include "app/form1.h"
#include "canvas/form4.h"
#include "scene_registry.h"
#include "ui/form_base_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>

using namespace sonrel;

namespace {

// Answers every message box of a run with Yes or OK, as a user going on would.
class AnswerBoxes {
public:
    AnswerBoxes() {
        QObject::connect(&timer_, &QTimer::timeout, [] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(w);
                if (!box || !box->isVisible()) continue;
                std::printf("message: %s\n", qPrintable(box->text()));
                QAbstractButton* b = box->button(QMessageBox::Yes);
                if (!b) b = box->button(QMessageBox::Ok);
                if (b) b->click();
            }
        });
        timer_.start(20);
    }

private:
    QTimer timer_;
};

// Sets T00 and runs the default experiment to its end.
Form1* runDefaultExperiment(AppContext& app, bool withReport) {
    auto* f = static_cast<Form1*>(app.windows.show(1));
    AnswerBoxes answers;
    if (withReport) f->Check5->setChecked(true);
    f->Command13->click();
    f->Command1->click();
    return f;
}

const bool registered = [] {
    shots::registerScene("main-window", [](AppContext& app, const QString& dir) {
        FormBase* f = app.windows.show(1);
        shots::saveWindow(f, dir + "/main-window.png");
    });
    shots::registerScene("main-after-run", [](AppContext& app, const QString& dir) {
        Form1* f = runDefaultExperiment(app, false);
        shots::saveWindow(f, dir + "/main-after-run.png");
    });
    shots::registerScene("report", [](AppContext& app, const QString& dir) {
        runDefaultExperiment(app, true);
        FormBase* report = app.windows.show(4);
        shots::saveWindow(report, dir + "/report.png");
    });
    return true;
}();

} // namespace
