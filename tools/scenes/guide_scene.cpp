// Screenshots for the user guide (docs/guide.md): the steps of a first
// experiment in the main window, and the About window.
#include "app/form1.h"
#include "scene_registry.h"
#include "ui/form_base_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

using namespace sonrel;

namespace {

// Answers the run's questions: Yes to the first `yes` "continue?" questions,
// No after that, OK to every other message.
class Answers {
public:
    explicit Answers(int yes) : yes_(yes) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(w);
                if (!box || !box->isVisible()) continue;
                QAbstractButton* b = box->button(QMessageBox::Ok);
                if (!b) b = box->button(yes_-- > 0 ? QMessageBox::Yes : QMessageBox::No);
                if (b) b->click();
            }
        });
        timer_.start(20);
    }

private:
    int yes_;
    QTimer timer_;
};

const bool registered = [] {
    // Step 1: "1-Задать T00, с" has drawn the first emission points and lines of sight.
    shots::registerScene("guide-t00", [](AppContext& app, const QString& dir) {
        auto* f = static_cast<Form1*>(app.windows.show(1));
        Answers answers(0);
        f->Command13->click();
        shots::settle(100);
        shots::saveWindow(f, dir + "/guide-t00.png");
    });
    // Watching a run period by period: "Auto" unticked, three periods received.
    shots::registerScene("guide-manual", [](AppContext& app, const QString& dir) {
        auto* f = static_cast<Form1*>(app.windows.show(1));
        Answers answers(2);
        f->Check1->setChecked(false);
        f->Command13->click();
        f->Command1->click();
        shots::settle(100);
        shots::saveWindow(f, dir + "/guide-manual.png");
    });
    shots::registerScene("about", [](AppContext& app, const QString& dir) {
        app.windows.show(1);
        FormBase* f = app.windows.show(2);
        shots::settle();
        shots::saveWindow(f, dir + "/about.png");
    });
    return true;
}();

} // namespace
