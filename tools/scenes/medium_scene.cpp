#include "experiments/medium/form3.h"
#include "scene_registry.h"

#include <QTimer>

using namespace sonrel;

// The medium window with a beam in flight through a density gradient.
static const bool registered =
    shots::registerScene("medium", [](AppContext& app, const QString& dir) {
        auto* f = static_cast<Form3*>(app.windows.show(3));
        f->Text33->setText(QStringLiteral("0,005"));
        f->Text32->setText(QStringLiteral("80"));
        f->Text10->setText(QStringLiteral("200"));
        f->Text18->setText(QStringLiteral("8")); // longer than the slowed beam's travel
        f->Check13->setChecked(true);
        // Stop the run once the second beam is well on its way.
        QTimer stopper;
        // The window runs in its own record.
        QObject::connect(&stopper, &QTimer::timeout, [f] {
            if (f->state().T >= 10.6) f->state().stopFlag = 1;
        });
        stopper.start(1);
        f->Command1->click();
        stopper.stop();
        shots::settle();
        shots::saveWindow(f, dir + "/medium.png");
    });
