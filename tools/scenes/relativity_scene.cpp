#include "scene_registry.h"
#include "ui/form_base_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

using namespace sonrel;

// The comparison window after a default run of 20 periods.
static const bool registered =
    shots::registerScene("relativity", [](AppContext& app, const QString& dir) {
        FormBase* f = app.windows.show(9);
        // The run ends past its 20th period with a message; answer it (and any question) with
        // OK/Yes.
        QTimer answerer;
        QObject::connect(&answerer, &QTimer::timeout, [] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(w);
                if (!box || !box->isVisible()) continue;
                QAbstractButton* b = box->button(QMessageBox::Yes);
                if (!b) b = box->button(QMessageBox::Ok);
                if (b) b->click();
            }
        });
        answerer.start(20);
        if (auto* start = f->findChild<QAbstractButton*>(QStringLiteral("Command1")))
            start->click();
        answerer.stop();
        shots::saveWindow(f, dir + "/relativity.png");
    });
