#include "app/form1.h"
#include "canvas/form4.h"
#include "scene_registry.h"
#include "ui/experiment_file_qt.h"
#include "ui/form_base_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cmath>
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

// The default run with "все фронты" at 30 m/cm without labels, stopped at
// T = 96 s: fronts 18, 19 and 20 in flight, crowded ahead of the source and
// spread out behind it.
Form1* runAllFronts(AppContext& app) {
    auto* f = static_cast<Form1*>(app.windows.show(1));
    AnswerBoxes answers;
    f->CheckAllFronts->setChecked(true);
    f->Check9->setChecked(false);
    f->Text19->setText(QStringLiteral("30"));
    f->Command13->click();
    QTimer::singleShot(0, f->Command2, &QPushButton::click);
    f->Command1->click(); // stopped at one of its first display steps
    const SharedState& s = app.state;
    const long perPress = std::lround((96 - s.T) / 20 / s.dt);
    f->Text10->setText(QString::number(perPress));
    for (int press = 0; press < 20; ++press)
        f->Command4->click();
    f->Text10->setText(QStringLiteral("20"));
    return f;
}

// The first ready-made example (a source at half the signal speed, every
// front drawn) stopped at T = 14,5 s, just before front 1 reaches the
// receiver: fifteen fronts in flight, crowded ahead of the source and spread
// out behind it, the textbook picture.
Form1* runTextbookExample(AppContext& app) {
    auto* f = static_cast<Form1*>(app.windows.show(1));
    AnswerBoxes answers;
    openExample(*f, examplesOf(1).first());
    auto* pace = f->findChild<QComboBox*>(QStringLiteral("ComboPace"));
    pace->setCurrentIndex(pace->count() - 1);
    f->Command13->click();
    QTimer::singleShot(0, f->Command2, &QPushButton::click);
    f->Command1->click(); // stopped at one of its first display steps
    const SharedState& s = app.state;
    f->Text10->setText(QString::number(std::lround((14.5 - s.T) / s.dt)));
    f->Command4->click();
    f->Text10->setText(QStringLiteral("20"));
    return f;
}

// The textbook example on a large window after "Вписать опыт", with every
// front kept after it has been received, stopped at T = 20 s: the picture
// grows with the window, the fronts that passed the receiver go on
// spreading, and while the run stands still the bodies' markers and
// velocity arrows lie over it, ready to be dragged.
Form1* runClassroomExample(AppContext& app) {
    auto* f = static_cast<Form1*>(app.windows.show(1));
    AnswerBoxes answers;
    openExample(*f, examplesOf(1).first());
    f->resize(1700, 950);
    shots::settle(200);
    f->findChild<QCheckBox*>(QStringLiteral("CheckKeepFronts"))->setChecked(true);
    f->CommandFit->click();
    auto* pace = f->findChild<QComboBox*>(QStringLiteral("ComboPace"));
    pace->setCurrentIndex(pace->count() - 1);
    f->Command13->click();
    QTimer::singleShot(0, f->Command2, &QPushButton::click);
    f->Command1->click(); // stopped at one of its first display steps
    const SharedState& s = app.state;
    f->Text10->setText(QString::number(std::lround((20 - s.T) / s.dt)));
    f->Command4->click();
    f->Text10->setText(QStringLiteral("20"));
    shots::settle(200);
    return f;
}

// The passing-source example run to its end with the frequency plot open:
// the received frequency steps down as the source passes the receiver.
QWidget* runPlotExample(AppContext& app) {
    auto* f = static_cast<Form1*>(app.windows.show(1));
    AnswerBoxes answers;
    for (const auto& example : examplesOf(1))
        if (example.contains(QLatin1String("source-passing"))) openExample(*f, example);
    f->findChild<QCheckBox*>(QStringLiteral("CheckFrequencyPlot"))->setChecked(true);
    auto* pace = f->findChild<QComboBox*>(QStringLiteral("ComboPace"));
    pace->setCurrentIndex(pace->count() - 1);
    f->Command13->click();
    f->Command1->click();
    shots::settle(300);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("FrequencyPlot") && w->isVisible()) return w;
    return f;
}

const bool registered = [] {
    shots::registerScene("frequency-plot", [](AppContext& app, const QString& dir) {
        shots::saveWindow(runPlotExample(app), dir + "/frequency-plot.png");
    });
    shots::registerScene("main-classroom", [](AppContext& app, const QString& dir) {
        Form1* f = runClassroomExample(app);
        shots::saveWindow(f, dir + "/main-classroom.png");
    });
    shots::registerScene("example-textbook", [](AppContext& app, const QString& dir) {
        Form1* f = runTextbookExample(app);
        shots::saveWindow(f, dir + "/example-textbook.png");
    });
    shots::registerScene("main-window", [](AppContext& app, const QString& dir) {
        FormBase* f = app.windows.show(1);
        shots::saveWindow(f, dir + "/main-window.png");
    });
    shots::registerScene("main-after-run", [](AppContext& app, const QString& dir) {
        Form1* f = runDefaultExperiment(app, false);
        shots::saveWindow(f, dir + "/main-after-run.png");
    });
    shots::registerScene("main-all-fronts", [](AppContext& app, const QString& dir) {
        Form1* f = runAllFronts(app);
        shots::saveWindow(f, dir + "/main-all-fronts.png");
    });
    shots::registerScene("report", [](AppContext& app, const QString& dir) {
        runDefaultExperiment(app, true);
        FormBase* report = app.windows.show(4);
        shots::saveWindow(report, dir + "/report.png");
    });
    return true;
}();

} // namespace
