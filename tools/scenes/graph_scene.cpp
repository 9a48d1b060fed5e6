#include "app/form1.h"
#include "scene_registry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QRadioButton>
#include <QTimer>

using namespace sonrel;

// The main window's graph against the observation angle: the periods of a
// default experiment beside the curves of formula (2) and of (4-4).
static const bool registered =
    shots::registerScene("graph", [](AppContext& app, const QString& dir) {
        auto* f = static_cast<Form1*>(app.windows.show(1));
        QTimer okEveryMessage; // a user going on: Yes or OK to every message of the run
        QObject::connect(&okEveryMessage, &QTimer::timeout, [] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible())
                    for (auto answer : {QMessageBox::Yes, QMessageBox::Ok})
                        if (QAbstractButton* b = box->button(answer)) {
                            b->click();
                            break;
                        }
        });
        okEveryMessage.start(20);
        f->Command13->click();
        f->Command1->click();
        f->Option8->setChecked(true);
        f->Command14->click();
        f->Command7->click();
        f->Option3->setChecked(true);
        f->Command12->click();
        f->Option4->setChecked(true);
        f->Command12->click();
        f->Option3->setChecked(true);
        shots::settle(100);
        shots::saveWindow(f, dir + "/graph.png");
    });
