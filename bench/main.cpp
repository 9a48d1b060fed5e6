// Runs every benchmark scenario with the real windows offscreen and prints,
// per scenario, the median wall time, steps per second, the ratio to its
// undrawn twin and the longest time the window went without yielding.
#include "app/application_qt.h"
#include "bench_harness.h"
#include "ui/form_base_window.h"
#include "ui/run_pacer_qt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace sonrel::bench {

static std::vector<Scenario>& scenarios() {
    static std::vector<Scenario> all;
    return all;
}

bool registerScenario(Scenario s) {
    scenarios().push_back(std::move(s));
    return true;
}

void click(QWidget* form, const char* name) {
    if (auto* b = form->findChild<QAbstractButton*>(QString::fromLatin1(name))) b->click();
}

void setText(QWidget* form, const char* name, const QString& text) {
    if (auto* f = form->findChild<QLineEdit*>(QString::fromLatin1(name))) f->setText(text);
}

void setChecked(QWidget* form, const char* name, bool on) {
    if (auto* c = form->findChild<QCheckBox*>(QString::fromLatin1(name))) c->setChecked(on);
}

QString textOf(QWidget* form, const char* name) {
    auto* f = form->findChild<QLineEdit*>(QString::fromLatin1(name));
    return f ? f->text() : QString();
}

} // namespace sonrel::bench

namespace {

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Answers every message box a run shows (Yes / OK), as a user going on would.
void answerMessageBoxes() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (!box || !box->isVisible()) continue;
        QAbstractButton* b = box->button(QMessageBox::Yes);
        if (!b) b = box->button(QMessageBox::Ok);
        if (b) b->click();
    }
}

} // namespace

int main(int argc, char** argv) {
    // An offscreen screen of a chosen size ("offscreen:configfile=...") is kept.
    if (!qgetenv("QT_QPA_PLATFORM").startsWith("offscreen"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform's notices would interleave with the figures.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QApplication qapp(argc, argv);
    qapp.setQuitOnLastWindowClosed(false);
    sonrel::setUpApplication(qapp);
    // Runs go at full speed unless a scenario chooses a pace.
    sonrel::RunPacer::setStartingChoice(sonrel::kPaceMax);
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, &answerMessageBoxes);
    answerer.start(1);

    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    std::map<std::string, double> medians;
    std::printf("%-44s %12s %14s %10s %12s %8s %16s\n", "scenario", "wall, ms", "steps/s", "ratio",
                "max gap, ms", "cpu, %", "repaint gap, ms");
    // An optional second argument runs only the scenarios whose names contain it.
    const std::string only = argc > 2 ? argv[2] : "";
    for (const auto& s : sonrel::bench::scenarios()) {
        if (!only.empty() && s.name.find(only) == std::string::npos) continue;
        std::vector<double> walls, gaps, cpu;
        double steps = 0, repaintGap = -1;
        for (int r = 0; r < repetitions; ++r) {
            auto* app = new sonrel::AppContext; // never freed, as in the program
            sonrel::FormBase::resetYieldStats();
            QElapsedTimer t;
            t.start();
            const sonrel::bench::RunFigures f = s.run(*app);
            walls.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
            gaps.push_back(sonrel::FormBase::maxYieldGapMs());
            steps = f.steps;
            if (f.cpuShare >= 0) cpu.push_back(f.cpuShare);
            repaintGap = std::max(repaintGap, f.repaintGapMs);
            app->state.stopFlag = 1;
            app->windows.unloadAll();
            QCoreApplication::processEvents();
        }
        const double wall = median(walls);
        medians[s.name] = wall;
        const double gap = *std::max_element(gaps.begin(), gaps.end());
        char ratio[32] = "-";
        if (!s.baseline.empty() && medians.count(s.baseline) && medians[s.baseline] > 0)
            std::snprintf(ratio, sizeof ratio, "%.2f", wall / medians[s.baseline]);
        char cpuText[32] = "-", repaintText[32] = "-";
        if (!cpu.empty()) std::snprintf(cpuText, sizeof cpuText, "%.0f", 100 * median(cpu));
        if (repaintGap >= 0) std::snprintf(repaintText, sizeof repaintText, "%.1f", repaintGap);
        std::printf("%-44s %12.1f %14.0f %10s %12.1f %8s %16s\n", s.name.c_str(), wall,
                    wall > 0 ? steps / (wall / 1000) : 0.0, ratio, gap, cpuText, repaintText);
        std::fflush(stdout);
    }
    return 0;
}
