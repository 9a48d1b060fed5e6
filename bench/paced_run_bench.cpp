// The main window's default run held to the wall clock at several paces: the
// wall time, the share of it the process spends computing, and the longest
// time the picture goes without being repainted.
#include "bench_harness.h"
#include "ui/form_base_window.h"
#include "ui/run_pacer_qt.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <sys/resource.h>

namespace sonrel::bench {

namespace {

// Model time each paced run covers, in seconds.
constexpr double kModelSeconds = 1.0;

double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// Records the longest time between two paint events of a widget.
class RepaintWatch : public QObject {
public:
    explicit RepaintWatch(QObject* target) : target_(target) { target->installEventFilter(this); }
    ~RepaintWatch() override { target_->removeEventFilter(this); }
    double longestGapMs() const { return static_cast<double>(longest_) / 1e6; }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (o == target_ && e->type() == QEvent::Paint) {
            if (clock_.isValid()) longest_ = std::max(longest_, clock_.nsecsElapsed());
            clock_.start();
        }
        return false;
    }

private:
    QObject* target_;
    QElapsedTimer clock_;
    qint64 longest_ = 0;
};

RunFigures pacedRun(AppContext& app, int choice) {
    QWidget* f = app.windows.show(1);
    f->findChild<QComboBox*>(QStringLiteral("ComboPace"))->setCurrentIndex(choice);
    click(f, "Command13");
    // Stop the run once it has covered its model time.
    QTimer stopper;
    QObject::connect(&stopper, &QTimer::timeout, [&] {
        if (app.state.T >= kModelSeconds) {
            stopper.stop();
            click(f, "Command2");
        }
    });
    stopper.start(1);
    RepaintWatch watch(f->findChild<QWidget*>(QStringLiteral("Picture1")));
    QElapsedTimer wall;
    wall.start();
    const double cpu0 = cpuSeconds();
    click(f, "Command1");
    const double cpu = cpuSeconds() - cpu0;
    const double seconds = static_cast<double>(wall.nsecsElapsed()) / 1e9;
    RunFigures r;
    r.steps = std::round(app.state.T / app.state.dt);
    r.cpuShare = seconds > 0 ? cpu / seconds : 0;
    r.repaintGapMs = watch.longestGapMs();
    return r;
}

const bool registered = [] {
    for (int choice : {0, 1, 3, 6, kPaceMax}) {
        const std::string name = std::string("main window paced ") +
                                 kPaceChoices[static_cast<std::size_t>(choice)].caption +
                                 ", 1 s of model time";
        registerScenario({name, [choice](AppContext& a) { return pacedRun(a, choice); }, ""});
    }
    return true;
}();

} // namespace

} // namespace sonrel::bench
