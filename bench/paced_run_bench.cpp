// The main window's default run held to the wall clock at several paces: the
// wall time, the share of it the process spends computing, and the longest
// time the picture goes without being repainted. The same run with the
// picture on the full screen (F11) shows what the zoomed picture costs; run
// the benchmark on a 1920×1080 offscreen screen for it
// (QT_QPA_PLATFORM=offscreen:configfile=..., see tests/ui/window_fit_uitest.cpp).
#include "bench_harness.h"
#include "canvas/canvas_widget.h"
#include "ui/form_base_window.h"
#include "ui/picture_screen_qt.h"
#include "ui/run_pacer_qt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
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

RunFigures pacedRun(AppContext& app, int choice, bool fullScreen = false,
                    double modelSeconds = kModelSeconds, bool plotAndSound = false) {
    QWidget* f = app.windows.show(1);
    f->findChild<QComboBox*>(QStringLiteral("ComboPace"))->setCurrentIndex(choice);
    if (plotAndSound) {
        // The live frequency plot open and the tone asked for (silent where
        // there is no sound device, as offscreen).
        f->findChild<QCheckBox*>(QStringLiteral("CheckFrequencyPlot"))->setChecked(true);
        f->findChild<QCheckBox*>(QStringLiteral("CheckSound"))->setChecked(true);
        f->findChild<QCheckBox*>(QStringLiteral("CheckClicks"))->setChecked(true);
    }
    if (fullScreen) {
        f->show();
        f->findChild<PictureScreen*>(QStringLiteral("pictureScreen"))->enter();
        QCoreApplication::processEvents();
    }
    click(f, "Command13");
    // Stop the run once it has covered its model time.
    QTimer stopper;
    QObject::connect(&stopper, &QTimer::timeout, [&] {
        if (app.state.T >= modelSeconds) {
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
    if (fullScreen) {
        // What the journal that draws the picture again holds after the run,
        // and what drawing it again at the design's size takes.
        auto* picture = f->findChild<CanvasWidget*>(QStringLiteral("Picture1"));
        RasterCanvas& c = picture->canvas();
        QElapsedTimer replay;
        replay.start();
        const double zoom = c.zoom();
        c.setZoom(1);
        const double ms = static_cast<double>(replay.nsecsElapsed()) / 1e6;
        c.setZoom(zoom);
        std::fprintf(stderr,
                     "  zoom %.2f, journal %zu primitives, %.1f MB, drawn again in %.1f ms\n", zoom,
                     c.journalSize(), static_cast<double>(c.journalBytes()) / 1e6, ms);
    }
    return r;
}

const bool registered = [] {
    for (int choice : {0, 1, 3, 6, kPaceMax}) {
        const std::string name = std::string("main window paced ") +
                                 kPaceChoices[static_cast<std::size_t>(choice)].caption +
                                 ", 1 s of model time";
        registerScenario({name, [choice](AppContext& a) { return pacedRun(a, choice); }, ""});
    }
    for (int choice : {1, 3}) {
        const std::string caption = kPaceChoices[static_cast<std::size_t>(choice)].caption;
        // Long enough for the first periods to reach the plot and the tone.
        registerScenario({"main window paced " + caption + ", plot and sound, 8 s",
                          [choice](AppContext& a) { return pacedRun(a, choice, false, 8, true); },
                          ""});
    }
    for (int choice : {3, kPaceMax}) {
        const std::string caption = kPaceChoices[static_cast<std::size_t>(choice)].caption;
        registerScenario({"main window full screen paced " + caption,
                          [choice](AppContext& a) { return pacedRun(a, choice, true); },
                          "main window paced " + caption + ", 1 s of model time"});
    }
    // The whole default run, so that the cost per display step is not hidden
    // by what entering the full screen and the first large paint cost once.
    const std::string wholeRun = "whole run at " + std::string(kPaceChoices[kPaceMax].caption);
    registerScenario({"main window, " + wholeRun,
                      [](AppContext& a) { return pacedRun(a, kPaceMax, false, 1e9); }, ""});
    registerScenario({"main window full screen, " + wholeRun,
                      [](AppContext& a) { return pacedRun(a, kPaceMax, true, 1e9); },
                      "main window, " + wholeRun});
    return true;
}();

} // namespace

} // namespace sonrel::bench
