#include "app/form1.h"
#include "scene_registry.h"

#include <QCheckBox>
#include <QRadioButton>

using namespace sonrel;

// The main window's graph: v/v0 against VX1 by several formulas, after a clear.
static const bool registered =
    shots::registerScene("graph", [](AppContext& app, const QString& dir) {
        auto* f = static_cast<Form1*>(app.windows.show(1));
        f->Command14->click();
        f->Option3->setChecked(true);
        f->Command12->click();
        f->Option4->setChecked(true);
        f->Command12->click();
        f->Option1->setChecked(true);
        f->Check3->setChecked(true);
        f->Command12->click();
        f->Check2->setChecked(true);
        f->Command12->click();
        f->Option2->setChecked(true);
        f->Command12->click();
        f->Text25->setText(QStringLiteral("0,5"));
        f->Text26->setText(QStringLiteral("1,2"));
        f->Command15->click();
        f->Option3->setChecked(true);
        shots::settle(100);
        shots::saveWindow(f, dir + "/graph.png");
    });
