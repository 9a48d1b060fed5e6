// Windows come and go as a user opens and closes them: each opening gives a
// fresh single instance, closing unloads it, and "Выход" unloads them all.
#include "support/ui_helpers.h"

#include <QCoreApplication>
#include <QTimer>
#include <vector>

using namespace sonrel;
using namespace sonrel::testing;

namespace {
void flushDeletes() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}
} // namespace

class Lifecycle : public WindowTest {};

TEST_F(Lifecycle, OpeningAndClosingEveryWindowManyTimes) {
    for (int round = 0; round < 15; ++round) {
        for (int n = 2; n <= 10; ++n) {
            if (!app->windows.available(n)) continue;
            FormBase* a = app->windows.show(n);
            ASSERT_NE(a, nullptr);
            EXPECT_EQ(app->windows.show(n), a) << "Form" << n << " opened twice";
            EXPECT_EQ(a->objectName(), QStringLiteral("Form%1").arg(n));
            a->close();
            flushDeletes();
            EXPECT_EQ(app->windows.get(n), nullptr) << "Form" << n << " still loaded";
        }
    }
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Lifecycle, ExitUnloadsEveryOpenWindow) {
    for (int n = 2; n <= 10; ++n)
        if (app->windows.available(n)) app->windows.show(n);
    click(app->windows.get(1), "Command16");
    flushDeletes();
    for (int n = 1; n <= 10; ++n)
        EXPECT_EQ(app->windows.get(n), nullptr) << "Form" << n;
}

namespace {
// The buttons that start each experiment window's default run.
struct Experiment {
    int form;
    std::vector<const char*> start;
};
const Experiment kExperiments[] = {{1, {"Command13", "Command1"}},
                                   {3, {"Command1"}},
                                   {8, {"Command13", "Command1"}},
                                   {9, {"Command1"}}};
} // namespace

TEST_F(Lifecycle, ExitDuringEveryExperimentsRunEndsItCleanly) {
    boxes.defaultAnswer = QMessageBox::No;
    for (const Experiment& e : kExperiments) {
        if (!app->windows.available(e.form)) continue;
        if (!app->windows.get(1)) app->windows.show(1);
        FormBase* f = app->windows.show(e.form);
        for (std::size_t k = 0; k + 1 < e.start.size(); ++k)
            click(f, e.start[k]);
        bool pressed = false;
        QTimer::singleShot(30, [&] {
            pressed = true;
            click(app->windows.get(1), "Command16");
        });
        click(f, e.start.back());
        flushDeletes();
        EXPECT_TRUE(pressed) << "Form" << e.form << " ran past the exit";
        for (int n = 1; n <= 10; ++n)
            EXPECT_EQ(app->windows.get(n), nullptr)
                << "Form" << n << " after exit during Form" << e.form;
    }
}

TEST_F(Lifecycle, AStartAfterInterruptedAndNestedRunsMatchesAFreshProgram) {
    auto runToEnd = [this] {
        FormBase* f = app->windows.get(1);
        typeInto(f, "Text9", QStringLiteral("0,01"));
        click(f, "Command13");
        click(f, "Command1");
        std::vector<double> arrivals;
        for (int j = 0; j < 20; ++j)
            arrivals.push_back(app->state.Tk1(j));
        return arrivals;
    };
    const std::vector<double> fresh = runToEnd();

    // Interrupt, continue, nest and stop in every order a user might.
    FormBase* f = app->windows.get(1);
    QTimer::singleShot(20, [&] { click(f, "Command4"); });
    QTimer::singleShot(40, [&] { click(f, "Command2"); });
    click(f, "Command1");
    QTimer::singleShot(20, [&] { click(f, "Command1"); });
    QTimer::singleShot(60, [&] { click(f, "Command2"); });
    click(f, "Command3");
    click(f, "Command4");
    // Let every pending press land before the clean start.
    waitFor([] { return false; }, 150);

    EXPECT_EQ(runToEnd(), fresh);
}
