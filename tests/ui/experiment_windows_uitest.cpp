// Every experiment window drives its run through the one run helper: the
// stop button, "Продолжить", "NC0 шагов=" and the end of a complete run act
// the same way in each of them.
#include "support/ui_helpers.h"
#include "ui/form_base_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTimer>
#include <vector>

using namespace sonrel;
using namespace sonrel::testing;

namespace {

struct RunWindow {
    const char* name;
    int form;
    std::vector<const char*> start; // the buttons of a start, in order
    double dt;                      // the window's default step, s
    const char* tick = nullptr;     // a check box the run needs ticked
};

class ExperimentWindows : public WindowTest, public ::testing::WithParamInterface<RunWindow> {};

QString status(QWidget* f) {
    return control<QLabel>(f, "StatusLine")->text();
}

} // namespace

TEST_P(ExperimentWindows, StopStepsContinueToTheEndThroughTheRunHelper) {
    const RunWindow& w = GetParam();
    FormBase* f = open(w.form);
    auto* pace = control<QComboBox>(f, "ComboPace");
    pace->setCurrentIndex(pace->findText(QStringLiteral("макс.")));
    if (w.tick) control<QCheckBox>(f, w.tick)->setChecked(true);
    const SharedState& s = f->state();
    for (std::size_t i = 0; i + 1 < w.start.size(); ++i)
        click(f, w.start[i]);
    // With NC0 at 0 no display step ever comes, and the stop is still honoured;
    // should it be ignored, closing the window ends the run instead.
    typeInto(f, "Text10", "0");
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, f, [f] { f->close(); });
    guard.start(20000);
    QTimer::singleShot(0, f, [f] { click(f, "Command2"); });
    click(f, w.start.back());
    guard.stop();
    ASSERT_NE(app->windows.get(w.form), nullptr) << "the stop was ignored";
    EXPECT_TRUE(status(f).contains(QStringLiteral("остановлен пользователем")))
        << status(f).toStdString();
    const double stopped = s.T;
    EXPECT_GT(stopped, 0);

    typeInto(f, "Text10", "7");
    click(f, "Command4");
    EXPECT_NEAR(s.T - stopped, 7 * w.dt, 1e-9);
    // No display step can come with NC0 at 0: the run still stops, after one step.
    typeInto(f, "Text10", "0");
    click(f, "Command4");
    EXPECT_NEAR(s.T - stopped, 8 * w.dt, 1e-9);

    // Going on runs to the experiment's own end: no failure box, the fronts
    // received on the status line. Only the overrun question may be asked.
    typeInto(f, "Text10", "20");
    click(f, "Command3");
    const QString done = QStringLiteral("эксперимент завершен: принято");
    EXPECT_TRUE(status(f).contains(done)) << status(f).toStdString();
    for (const ShownMessage& m : boxes.shown)
        EXPECT_TRUE(m.text.contains(QStringLiteral("ПРОГРАММА РАБОТАЕТ НЕ КООРЕКТНО")))
            << m.text.toStdString();
    EXPECT_LE(boxes.shown.size(), 1u);
    // A complete run goes on at most to its next display step and ends
    // again the same way.
    const double end = s.T;
    const auto asked = boxes.shown.size();
    click(f, "Command3");
    EXPECT_LE(s.T - end, 20 * w.dt + 1e-9);
    EXPECT_TRUE(status(f).contains(done)) << status(f).toStdString();
    EXPECT_EQ(boxes.shown.size(), asked);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, ExperimentWindows,
    ::testing::Values(RunWindow{"Main", 1, {"Command13", "Command1"}, 1e-3},
                      RunWindow{"Comparison", 9, {"Command1"}, 15e-4, "CheckAllFronts"},
                      // A dragged medium: a classical run through a medium at rest
                      // cannot be continued.
                      RunWindow{"Medium", 3, {"Command1"}, 1e-3, "Check7"},
                      RunWindow{"Membrane", 8, {"Command13", "Command1"}, 1e-3}),
    [](const ::testing::TestParamInfo<RunWindow>& i) { return std::string(i.param.name); });

namespace {

// A window's whole period record and its model time.
std::vector<double> mainRecord(const SharedState& s) {
    std::vector<double> r;
    for (int j = 0; j <= 20; ++j)
        for (const PeriodArray* a :
             {&s.Tn2, &s.Xn2, &s.Yn2, &s.Tn1, &s.Xn1, &s.Yn1, &s.Tk1, &s.Xk1, &s.Yk1, &s.Xk2,
              &s.Yk2, &s.Q3, &s.QV1, &s.QV2, &s.v1n, &s.v1k, &s.v1})
            r.push_back((*a)(j));
    for (int j = 0; j <= 100; ++j)
        r.push_back(s.dT(j));
    r.push_back(s.T);
    return r;
}

void fastest(QWidget* f) {
    auto* pace = control<QComboBox>(f, "ComboPace");
    pace->setCurrentIndex(pace->findText(QStringLiteral("макс.")));
}

// Another window's work while a run waits (or runs).
struct Disturbance {
    const char* name;
    int paused; // the window whose run waits: the main window, the comparison or the medium
    int form;
    std::vector<const char*> buttons;
    bool duringRun = false; // pressed from a timer while the main run goes on
};

class RunUndisturbed : public WindowTest, public ::testing::WithParamInterface<Disturbance> {
protected:
    void disturb(const Disturbance& d) {
        FormBase* f = open(d.form);
        fastest(f);
        if (auto* animation = f->findChild<QCheckBox*>("Check6")) animation->setChecked(false);
        for (const char* b : d.buttons)
            click(f, b);
    }
};

} // namespace

TEST_P(RunUndisturbed, ContinuesBitIdentically) {
    const Disturbance& d = GetParam();
    FormBase* main = open(d.paused);
    fastest(main);
    // A medium at rest ends a classical run at its stop: the medium is dragged.
    if (d.paused == 3) control<QCheckBox>(main, "Check7")->setChecked(true);
    const std::vector<const char*> start =
        d.paused == 1 ? std::vector{"Command13", "Command1"} : std::vector{"Command1"};
    // The undisturbed run to its end.
    for (const char* b : start)
        click(main, b);
    const std::vector<double> undisturbed = mainRecord(main->state());

    for (const char* b : start) {
        if (b == start.back()) QTimer::singleShot(0, main, [main] { click(main, "Command2"); });
        click(main, b);
    }
    ASSERT_TRUE(status(main).contains(QStringLiteral("остановлен пользователем")));
    if (d.duringRun) {
        QTimer::singleShot(0, main, [this, &d] { disturb(d); });
    } else {
        disturb(d);
        main->activateWindow();
    }
    click(main, "Command3");
    EXPECT_EQ(mainRecord(main->state()), undisturbed);
}

INSTANTIATE_TEST_SUITE_P(
    OtherWindows, RunUndisturbed,
    ::testing::Values(
        Disturbance{"ComparisonRun", 1, 9, {"Command1"}},
        Disturbance{"ComparisonT00Search", 1, 9, {"Command13"}},
        Disturbance{"MediumRun", 1, 3, {"Command1"}},
        Disturbance{"MembraneAim", 1, 8, {"Command13"}},
        Disturbance{"MembraneRun", 1, 8, {"Command13", "Command1"}},
        Disturbance{"ComparisonRunDuringTheMainRun", 1, 9, {"Command1"}, true},
        Disturbance{"ComparisonT00SearchDuringTheMainRun", 1, 9, {"Command13"}, true},
        Disturbance{"MediumRunDuringTheMainRun", 1, 3, {"Command1"}, true},
        Disturbance{"MembraneAimDuringTheMainRun", 1, 8, {"Command13"}, true},
        Disturbance{"MembraneRunDuringTheMainRun", 1, 8, {"Command13", "Command1"}, true},
        Disturbance{"MediumRunBesideTheComparison", 9, 3, {"Command1"}},
        Disturbance{"MainRunBesideTheComparison", 9, 1, {"Command13", "Command1"}},
        Disturbance{"MembraneRunBesideTheComparison", 9, 8, {"Command13", "Command1"}},
        Disturbance{"MainRunBesideTheMedium", 3, 1, {"Command13", "Command1"}},
        Disturbance{"ComparisonRunBesideTheMedium", 3, 9, {"Command1"}},
        Disturbance{"MembraneRunBesideTheMedium", 3, 8, {"Command13", "Command1"}}),
    [](const ::testing::TestParamInfo<Disturbance>& i) { return std::string(i.param.name); });

namespace {
class FitButton : public WindowTest, public ::testing::WithParamInterface<int> {};
} // namespace

// Every window's default run goes beyond its design's 5 or 10 m/cm: the fit writes another scale.
TEST_P(FitButton, FitsThePictureScaleOfEveryExperimentWindow) {
    FormBase* f = open(GetParam());
    auto* fit = control<QAbstractButton>(f, "CommandFit");
    ASSERT_NE(fit, nullptr);
    EXPECT_EQ(fit->text(), QStringLiteral("Вписать опыт"));
    const QString before = textOf(f, "Text19");
    fit->click();
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_NE(textOf(f, "Text19"), before);
}

INSTANTIATE_TEST_SUITE_P(Windows, FitButton, ::testing::Values(1, 9, 3, 8));
